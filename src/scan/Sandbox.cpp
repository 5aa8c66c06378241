#include "scan/Sandbox.h"

#include "scan/SandboxWire.h"
#include "platform/Helpers.h"
#include "scan/Scanner.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <climits>
#include <condition_variable>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <functional>
#include <mutex>
#include <poll.h>
#include <thread>
#include <unordered_map>
#include <signal.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char **environ;

namespace rkm {

using namespace sandbox;

namespace {

using Clock = std::chrono::steady_clock;

// The most a reply may hold: an archive's names (16 MiB) and their sizes.
constexpr uint32_t kMostReplyBytes = 64U * 1024 * 1024;
// How often a waiting walk thread looks at its ScanControl.
constexpr int kPollMs = 50;

// Writes all of `bytes`, never raising SIGPIPE when the other side is gone.
bool sendAll(int fd, const char *bytes, std::size_t size)
{
    while (size > 0) {
        const ssize_t n = ::send(fd, bytes, size, MSG_NOSIGNAL);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        bytes += n;
        size -= static_cast<std::size_t>(n);
    }
    return true;
}

std::string readerPath()
{
#ifdef RACKMERE_READER_BUILD_PATH
    return platform::HelperProgramPath("rackmere-reader", "RACKMERE_READER", RACKMERE_READER_BUILD_PATH);
#else
    return platform::HelperProgramPath("rackmere-reader", "RACKMERE_READER");
#endif
}

// Sends a request with the open file `fd` attached to its first byte.
bool sendRequest(int socket, const std::string &request, int fd)
{
    iovec iov{const_cast<char *>(request.data()), request.size()};
    alignas(cmsghdr) char control[CMSG_SPACE(sizeof(int))]{};
    msghdr msg{};
    msg.msg_iov = &iov;
    msg.msg_iovlen = 1;
    msg.msg_control = control;
    msg.msg_controllen = sizeof control;
    cmsghdr *c = CMSG_FIRSTHDR(&msg);
    c->cmsg_level = SOL_SOCKET;
    c->cmsg_type = SCM_RIGHTS;
    c->cmsg_len = CMSG_LEN(sizeof(int));
    std::memcpy(CMSG_DATA(c), &fd, sizeof fd);
    ssize_t sent;
    do
        sent = ::sendmsg(socket, &msg, MSG_NOSIGNAL);
    while (sent < 0 && errno == EINTR);
    return sent > 0 && sendAll(socket, request.data() + sent, request.size() - static_cast<std::size_t>(sent));
}

// One worker: its process and its end of the socket.
struct Worker {
    pid_t pid = -1;
    int fd = -1;
    std::string received; // read from the socket, not yet taken as a reply
};

void endWorker(Worker &w)
{
    if (w.pid > 0) {
        ::kill(w.pid, SIGKILL);
        while (::waitpid(w.pid, nullptr, 0) < 0 && errno == EINTR) {
        }
    }
    if (w.fd >= 0)
        ::close(w.fd);
    w = Worker{};
}

// The workers waiting for a file. Each request takes one out, so a worker
// serves one thread at a time.
class Pool final {
public:
    ~Pool()
    {
        for (Worker &w : m_idle) {
            ::kill(w.pid, SIGKILL);
            ::waitpid(w.pid, nullptr, 0);
            ::close(w.fd);
        }
    }

    // An idle worker, else a new one while there are fewer than one a core
    // (each costs its start, and more would only take turns), else the next
    // to be given back. Nullopt when none can be started or the walk is
    // cancelled meanwhile.
    std::optional<Worker> take(const ScanControl *control)
    {
        {
            std::unique_lock<std::mutex> lock(m_mutex);
            while (m_idle.empty() && m_live >= m_most) {
                if (control && control->cancelled())
                    return std::nullopt;
                m_given.wait_for(lock, std::chrono::milliseconds(kPollMs));
            }
            if (!m_idle.empty()) {
                Worker w = std::move(m_idle.back());
                m_idle.pop_back();
                return w;
            }
            ++m_live;
        }
        std::optional<Worker> w = start();
        if (!w)
            lost();
        return w;
    }

    void giveBack(Worker &&w)
    {
        {
            const std::lock_guard<std::mutex> lock(m_mutex);
            m_idle.push_back(std::move(w));
        }
        m_given.notify_one();
    }

    // A worker taken was ended.
    void lost()
    {
        {
            const std::lock_guard<std::mutex> lock(m_mutex);
            --m_live;
        }
        m_given.notify_one();
    }

private:
    std::optional<Worker> start()
    {
        static const std::string path = readerPath();
        if (path.empty())
            return std::nullopt;
        int fds[2];
        if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, fds) != 0)
            return std::nullopt;
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, fds[1], 0);
        posix_spawn_file_actions_adddup2(&actions, fds[1], 1);
        char *argv[] = {const_cast<char *>(path.c_str()), nullptr};
        // The worker reads by this process's limit, however it was set.
        std::string limit = "RACKMERE_READER_MS=" + std::to_string(ReaderTimeLimit().count());
        std::vector<char *> env;
        for (char **e = environ; *e; ++e)
            if (std::strncmp(*e, "RACKMERE_READER_MS=", 19) != 0)
                env.push_back(*e);
        env.push_back(limit.data());
        env.push_back(nullptr);
        pid_t pid = -1;
        const int r = ::posix_spawn(&pid, path.c_str(), &actions, nullptr, argv, env.data());
        posix_spawn_file_actions_destroy(&actions);
        ::close(fds[1]);
        if (r != 0) {
            ::close(fds[0]);
            return std::nullopt;
        }
        return Worker{pid, fds[0], {}};
    }

    std::mutex m_mutex;
    std::condition_variable m_given;
    std::vector<Worker> m_idle;
    unsigned m_live = 0; // started and not ended
    const unsigned m_most = std::clamp(std::thread::hardware_concurrency(), 2U, 8U);
};

Pool &pool()
{
    static Pool p;
    return p;
}

// Reads one reply of the worker, by the deadline, looking at `control`
// every 50 ms. Done with the answer, else why not.
SandboxResult receiveReply(Worker &w, Clock::time_point deadline, const ScanControl *control)
{
    SandboxResult result;
    std::string &in = w.received;
    for (;;) {
        // A whole reply already read (several come in one read when the
        // worker is ahead)?
        if (in.size() >= 4) {
            uint32_t length = 0;
            Reader(in).u32(length);
            if (length == 0 || length > kMostReplyBytes)
                break;
            if (in.size() >= 4 + std::size_t(length)) {
                if (in[4] == static_cast<char>(kAnswerDone))
                    result.bytes = in.substr(5, length - 1);
                in.erase(0, 4 + std::size_t(length));
                return result;
            }
        }
        if (control && control->cancelled()) {
            result.status = SandboxResult::Status::Cancelled;
            return result;
        }
        char buffer[65536];
        ssize_t n = ::recv(w.fd, buffer, sizeof buffer, MSG_DONTWAIT);
        if (n < 0 && (errno == EAGAIN || errno == EINTR)) {
            const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
            if (left.count() <= 0) {
                result.status = SandboxResult::Status::TooSlow;
                return result;
            }
            pollfd p{w.fd, POLLIN, 0};
            if (::poll(&p, 1, static_cast<int>(std::min<long long>(left.count(), kPollMs))) < 0 && errno != EINTR)
                break;
            continue;
        }
        if (n <= 0)
            break; // the worker is gone
        in.append(buffer, static_cast<std::size_t>(n));
    }
    result.status = SandboxResult::Status::Stopped;
    return result;
}

std::string requestFor(Kind kind, std::string_view name)
{
    std::string request;
    putU32(request, static_cast<uint32_t>(name.size() + 1));
    request.push_back(static_cast<char>(kind));
    request.append(name);
    return request;
}

// How many requests a worker is sent ahead of its answers: the round trips
// of one file after another would cost more than most reads.
constexpr std::size_t kAhead = 16;

// Sends `count` files to workers, a few ahead of the answers, and gathers
// the answers in order. `open(i, name)` opens file i (and names it), or
// gives an empty handle to pass it over (Skipped). A worker that fails a
// file is killed and the files after it go to another; each file is given
// the time limit from the answer before it.
std::vector<SandboxResult> askMany(Kind kind, std::size_t count,
                                   const std::function<platform::UniqueFd(std::size_t, std::string &)> &open,
                                   const ScanControl *control)
{
    std::vector<SandboxResult> results(count);
    std::size_t next = 0; // the first file without an answer
    int emptyHanded = 0;  // workers in a row that took no request
    while (next < count) {
        std::optional<Worker> taken = pool().take(control);
        if (!taken) {
            const bool cancelled = control && control->cancelled();
            for (std::size_t i = next; i < count; ++i)
                results[i].status = cancelled ? SandboxResult::Status::Cancelled : SandboxResult::Status::NoReader;
            return results;
        }
        Worker w = std::move(*taken);
        std::vector<std::size_t> waiting; // sent, in order
        std::size_t sendAt = next;
        bool failed = false;
        auto fill = [&] {
            while (!failed && waiting.size() < kAhead && sendAt < count) {
                std::string name;
                const platform::UniqueFd fd = open(sendAt, name);
                if (!fd) {
                    results[sendAt++].status = SandboxResult::Status::Skipped;
                    continue;
                }
                if (!sendRequest(w.fd, requestFor(kind, name), fd.get()))
                    failed = true; // the worker is gone: what was sent is answered or not below
                else
                    waiting.push_back(sendAt++);
            }
        };
        fill();
        auto deadline = Clock::now() + ReaderTimeLimit();
        std::size_t done = 0;
        for (; done < waiting.size(); ++done) {
            SandboxResult r = receiveReply(w, deadline, control);
            if (r.status != SandboxResult::Status::Done) {
                if (r.status == SandboxResult::Status::Cancelled) {
                    endWorker(w);
                    pool().lost();
                    for (std::size_t i = waiting[done]; i < count; ++i)
                        results[i].status = SandboxResult::Status::Cancelled;
                    return results;
                }
                results[waiting[done]] = std::move(r);
                next = waiting[done] + 1;
                break;
            }
            results[waiting[done]] = std::move(r);
            deadline = Clock::now() + ReaderTimeLimit();
            fill();
        }
        if (done < waiting.size() || failed) {
            if (done == waiting.size())
                next = sendAt; // all sent were answered; the rest goes to another
            endWorker(w);
            pool().lost();
            // An idle worker may have been killed from outside; a second
            // one in a row that takes no request is not tried again.
            if (failed && waiting.empty() && ++emptyHanded >= 2 && next < count) {
                results[next++].status = SandboxResult::Status::Stopped;
                emptyHanded = 0;
            }
            continue;
        }
        emptyHanded = 0;
        next = sendAt;
        pool().giveBack(std::move(w));
    }
    return results;
}

// The file `name` of the folder `folderFd` when it is a regular file (no
// link followed), else an empty handle.
platform::UniqueFd openRegularFile(int folderFd, const std::string &name)
{
    constexpr int flags = O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC | O_NOFOLLOW;
    platform::UniqueFd file(::openat(folderFd, name.c_str(), flags | O_NOATIME));
    if (!file && errno == EPERM)
        file.reset(::openat(folderFd, name.c_str(), flags));
    struct stat st {};
    if (file && (::fstat(file.get(), &st) != 0 || !S_ISREG(st.st_mode)))
        file.reset();
    return file;
}

SandboxResult ask(Kind kind, int fd, std::string_view name, const ScanControl *control)
{
    auto reopen = [&](std::size_t, std::string &n) {
        n = name;
        return platform::UniqueFd(::fcntl(fd, F_DUPFD_CLOEXEC, 0));
    };
    return askMany(kind, 1, reopen, control)[0];
}

} // namespace

namespace {

std::atomic<long long> &timeLimitMs()
{
    static std::atomic<long long> ms = [] {
        const char *env = std::getenv("RACKMERE_READER_MS");
        const long long v = env ? std::strtoll(env, nullptr, 10) : 0;
        return v > 0 ? v : 5000;
    }();
    return ms;
}

} // namespace

std::chrono::milliseconds ReaderTimeLimit()
{
    return std::chrono::milliseconds(timeLimitMs().load(std::memory_order_relaxed));
}

void SetReaderTimeLimit(std::chrono::milliseconds limit)
{
    timeLimitMs().store(limit.count(), std::memory_order_relaxed);
}

std::optional<std::string> SandboxMediaDescription(int fd, std::string_view name, MediaKind kind,
                                                   const ScanControl *control)
{
    if (kind == MediaKind::None)
        return std::string();
    SandboxResult r = ask(kTags, fd, name, control);
    switch (r.status) {
    case SandboxResult::Status::Done:
        return std::move(r.bytes);
    case SandboxResult::Status::Cancelled:
        return std::nullopt;
    case SandboxResult::Status::TooSlow:
        return std::string(TAGS_READER_TOO_SLOW);
    case SandboxResult::Status::Skipped:
        return std::string();
    case SandboxResult::Status::Stopped:
    case SandboxResult::Status::NoReader:
        break;
    }
    return std::string(TAGS_READER_STOPPED);
}

std::optional<std::vector<std::string>> SandboxMediaDescriptions(int folderFd, const std::vector<std::string> &names,
                                                                 const ScanControl *control)
{
    auto open = [&](std::size_t i, std::string &name) {
        name = names[i];
        return openRegularFile(folderFd, name);
    };
    std::vector<SandboxResult> results = askMany(kTags, names.size(), open, control);
    std::vector<std::string> descriptions(names.size());
    for (std::size_t i = 0; i < names.size(); ++i) {
        switch (results[i].status) {
        case SandboxResult::Status::Done:
            descriptions[i] = std::move(results[i].bytes);
            break;
        case SandboxResult::Status::Cancelled:
            return std::nullopt;
        case SandboxResult::Status::TooSlow:
            descriptions[i] = TAGS_READER_TOO_SLOW;
            break;
        case SandboxResult::Status::Stopped:
        case SandboxResult::Status::NoReader:
            descriptions[i] = TAGS_READER_STOPPED;
            break;
        case SandboxResult::Status::Skipped:
            break;
        }
    }
    return descriptions;
}

SandboxResult SandboxReadDescriptionFile(int folderFd, const std::string &name, bool fileIdDiz,
                                         const ScanControl *control)
{
    auto open = [&](std::size_t, std::string &n) {
        n = name;
        platform::UniqueFd file(::openat(folderFd, name.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
        struct stat st {};
        if (file && (::fstat(file.get(), &st) != 0 || !S_ISREG(st.st_mode)))
            file.reset();
        return file;
    };
    return askMany(fileIdDiz ? kFileIdDiz : kDescriptIon, 1, open, control)[0];
}

std::optional<std::vector<DescriptionLine>> UnpackDescriptIon(std::string_view bytes)
{
    Reader in(bytes);
    uint64_t count = 0;
    if (!in.u64(count) || count > bytes.size())
        return std::nullopt;
    std::vector<DescriptionLine> lines(static_cast<std::size_t>(count));
    for (DescriptionLine &line : lines)
        if (!in.text(line.name) || !in.text(line.description))
            return std::nullopt;
    return lines;
}

std::optional<ArchiveContents> SandboxReadArchive(int fd, std::string_view name, const ScanControl *control,
                                                  std::string &note)
{
    note.clear();
    SandboxResult r = ask(kArchive, fd, name, control);
    switch (r.status) {
    case SandboxResult::Status::Done:
        return r.bytes.empty() ? std::nullopt : UnpackArchive(r.bytes);
    case SandboxResult::Status::Cancelled:
        return std::nullopt;
    case SandboxResult::Status::TooSlow:
        note = ARCHIVE_READER_TOO_SLOW;
        return std::nullopt;
    case SandboxResult::Status::Skipped:
        return std::nullopt;
    case SandboxResult::Status::Stopped:
    case SandboxResult::Status::NoReader:
        break;
    }
    note = ARCHIVE_READER_STOPPED;
    return std::nullopt;
}

PictureKind PictureKindOf(std::string_view fileName)
{
    const auto dot = fileName.rfind('.');
    if (dot == std::string_view::npos || dot == 0 || fileName.size() - dot > 6)
        return PictureKind::None;
    std::string ext(fileName.substr(dot + 1));
    for (char &c : ext)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    // Images: what Qt's own readers and Debian's image format plugins read.
    // Audio: the formats whose tags TagLib reads covers from.
    static const std::unordered_map<std::string_view, PictureKind> kinds = [] {
        std::unordered_map<std::string_view, PictureKind> k;
        for (std::string_view e : {"jpg", "jpeg", "jpe", "jfif", "png", "gif", "bmp", "dib", "webp", "tif", "tiff",
                                   "ppm", "pgm", "pbm", "pnm", "xbm", "xpm", "ico", "cur", "tga", "icns", "wbmp"})
            k.emplace(e, PictureKind::Image);
        for (std::string_view e : {"cr2", "cr3", "crw", "nef", "nrw", "arw", "srf", "sr2", "dng", "orf", "rw2",
                                   "raf", "pef", "srw", "x3f", "3fr", "erf", "kdc", "mrw", "rwl", "iiq"})
            k.emplace(e, PictureKind::Raw);
        for (std::string_view e : {"mp4", "m4v", "mkv", "webm", "avi", "mov", "wmv", "mpg", "mpeg", "vob", "ts", "mts",
                                   "m2ts", "flv", "3gp", "ogv"})
            k.emplace(e, PictureKind::Video);
        for (std::string_view e : {"mp3", "flac", "m4a", "m4b", "ogg", "oga", "opus", "spx", "wma", "asf", "ape",
                                   "wav", "aif", "aiff", "mpc", "wv"})
            k.emplace(e, PictureKind::Audio);
        return k;
    }();
    const auto it = kinds.find(ext);
    return it == kinds.end() ? PictureKind::None : it->second;
}

std::optional<std::vector<PictureAnswer>> SandboxPictures(int folderFd, const std::vector<std::string> &names,
                                                          const ScanControl *control)
{
    // The files are handed out in runs (of eight at most, fewer when that
    // leaves a worker idle) to as many threads as there are workers to have
    // at once, each asking its own worker: a folder of photos keeps every
    // core busy, and a slow video holds up one run only.
    const std::size_t most = std::clamp(std::thread::hardware_concurrency(), 1U, 8U);
    const std::size_t run = std::clamp<std::size_t>((names.size() + most - 1) / most, 1, 8);
    const std::size_t threads = std::min(most, (names.size() + run - 1) / run);
    std::vector<SandboxResult> results(names.size());
    std::atomic<std::size_t> nextRun{0};
    std::atomic<bool> cancelled{false};
    auto work = [&] {
        for (;;) {
            const std::size_t first = nextRun.fetch_add(run);
            if (first >= names.size() || cancelled.load())
                return;
            const std::size_t count = std::min(run, names.size() - first);
            auto open = [&](std::size_t i, std::string &name) {
                name = names[first + i];
                return openRegularFile(folderFd, name);
            };
            std::vector<SandboxResult> answers = askMany(kPicture, count, open, control);
            for (std::size_t i = 0; i < count; ++i) {
                if (answers[i].status == SandboxResult::Status::Cancelled)
                    cancelled = true;
                results[first + i] = std::move(answers[i]);
            }
        }
    };
    std::vector<std::thread> helpers;
    for (std::size_t t = 1; t < threads; ++t)
        helpers.emplace_back(work);
    work();
    for (std::thread &t : helpers)
        t.join();
    if (cancelled || (control && control->cancelled()))
        return std::nullopt;
    std::vector<PictureAnswer> pictures(names.size());
    for (std::size_t i = 0; i < names.size(); ++i) {
        switch (results[i].status) {
        case SandboxResult::Status::Done:
            if (!results[i].bytes.empty()) {
                if (std::optional<PictureAnswer> picture = UnpackPicture(results[i].bytes))
                    pictures[i] = std::move(*picture);
                else
                    pictures[i].note = PICTURE_READER_STOPPED;
            }
            break;
        case SandboxResult::Status::Cancelled:
            return std::nullopt;
        case SandboxResult::Status::TooSlow:
            pictures[i].note = PICTURE_READER_TOO_SLOW;
            break;
        case SandboxResult::Status::Stopped:
        case SandboxResult::Status::NoReader:
            pictures[i].note = PICTURE_READER_STOPPED;
            break;
        case SandboxResult::Status::Skipped:
            break;
        }
    }
    return pictures;
}

} // namespace rkm
