#include "scan/Sandbox.h"

#include "scan/Scanner.h"

#include <fcntl.h>
#include <functional>

#include <atomic>
#include <cerrno>
#include <climits>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <algorithm>
#include <condition_variable>
#include <mutex>
#include <thread>
#include <poll.h>
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

namespace {

using Clock = std::chrono::steady_clock;

enum Kind : uint8_t { kTags = 1, kArchive = 2 };
enum Answer : uint8_t { kAnswerDone = 0, kAnswerNone = 1 };

// The most a reply may hold: an archive's names (16 MiB) and their sizes.
constexpr uint32_t kMostReplyBytes = 64U * 1024 * 1024;
// How often a waiting walk thread looks at its ScanControl.
constexpr int kPollMs = 50;

void putU32(std::string &out, uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        out.push_back(static_cast<char>((v >> (8 * i)) & 0xFF));
}

void putU64(std::string &out, uint64_t v)
{
    for (int i = 0; i < 8; ++i)
        out.push_back(static_cast<char>((v >> (8 * i)) & 0xFF));
}

void putText(std::string &out, std::string_view s)
{
    putU32(out, static_cast<uint32_t>(s.size()));
    out.append(s);
}

class Reader final {
public:
    explicit Reader(std::string_view s) : m_s(s) {}
    bool u64(uint64_t &v)
    {
        if (m_s.size() < 8)
            return false;
        v = 0;
        for (int i = 7; i >= 0; --i)
            v = (v << 8) | static_cast<unsigned char>(m_s[static_cast<std::size_t>(i)]);
        m_s.remove_prefix(8);
        return true;
    }
    bool u8(uint8_t &v)
    {
        if (m_s.empty())
            return false;
        v = static_cast<uint8_t>(m_s[0]);
        m_s.remove_prefix(1);
        return true;
    }
    bool u32(uint32_t &v)
    {
        if (m_s.size() < 4)
            return false;
        v = 0;
        for (int i = 3; i >= 0; --i)
            v = (v << 8) | static_cast<unsigned char>(m_s[static_cast<std::size_t>(i)]);
        m_s.remove_prefix(4);
        return true;
    }
    bool text(std::string &s)
    {
        uint32_t n = 0;
        if (!u32(n) || m_s.size() < n)
            return false;
        s.assign(m_s.substr(0, n));
        m_s.remove_prefix(n);
        return true;
    }
    bool done() const { return m_s.empty(); }

private:
    std::string_view m_s;
};

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
    if (const char *env = std::getenv("RACKMERE_READER"); env && *env)
        return env;
    char self[PATH_MAX];
    const ssize_t n = ::readlink("/proc/self/exe", self, sizeof self - 1);
    if (n > 0) {
        std::string path(self, static_cast<std::size_t>(n));
        path = path.substr(0, path.rfind('/') + 1) + "rackmere-reader";
        if (::access(path.c_str(), X_OK) == 0)
            return path;
    }
#ifdef RACKMERE_READER_BUILD_PATH
    // Tests and the desktop program run from the build tree.
    if (::access(RACKMERE_READER_BUILD_PATH, X_OK) == 0)
        return RACKMERE_READER_BUILD_PATH;
#endif
    return {};
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
        pid_t pid = -1;
        const int r = ::posix_spawn(&pid, path.c_str(), &actions, nullptr, argv, environ);
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
        constexpr int flags = O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC | O_NOFOLLOW;
        platform::UniqueFd file(::openat(folderFd, name.c_str(), flags | O_NOATIME));
        if (!file && errno == EPERM)
            file.reset(::openat(folderFd, name.c_str(), flags));
        struct stat st {};
        if (file && (::fstat(file.get(), &st) != 0 || !S_ISREG(st.st_mode)))
            file.reset();
        return file;
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

namespace {

// Reads `size` bytes of the request, or fails at its end.
bool readAll(int fd, char *bytes, std::size_t size)
{
    while (size > 0) {
        const ssize_t n = ::read(fd, bytes, size);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        bytes += n;
        size -= static_cast<std::size_t>(n);
    }
    return true;
}

bool writeAll(int fd, const char *bytes, std::size_t size)
{
    while (size > 0) {
        const ssize_t n = ::write(fd, bytes, size);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        bytes += n;
        size -= static_cast<std::size_t>(n);
    }
    return true;
}

// Receives one request: its kind, the file's name and the open file.
bool receive(uint8_t &kind, std::string &name, int &fd)
{
    char head[5];
    iovec iov{head, sizeof head};
    alignas(cmsghdr) char control[CMSG_SPACE(sizeof(int))]{};
    msghdr msg{};
    msg.msg_iov = &iov;
    msg.msg_iovlen = 1;
    msg.msg_control = control;
    msg.msg_controllen = sizeof control;
    ssize_t n;
    do
        n = ::recvmsg(0, &msg, MSG_CMSG_CLOEXEC);
    while (n < 0 && errno == EINTR);
    if (n <= 0)
        return false;
    fd = -1;
    for (cmsghdr *c = CMSG_FIRSTHDR(&msg); c; c = CMSG_NXTHDR(&msg, c))
        if (c->cmsg_level == SOL_SOCKET && c->cmsg_type == SCM_RIGHTS)
            std::memcpy(&fd, CMSG_DATA(c), sizeof fd);
    if (static_cast<std::size_t>(n) < sizeof head && !readAll(0, head + n, sizeof head - static_cast<std::size_t>(n)))
        return false;
    uint32_t length = 0;
    Reader(std::string_view(head, 4)).u32(length);
    if (length == 0 || length > 4096 || fd < 0)
        return false;
    kind = static_cast<uint8_t>(head[4]);
    name.assign(length - 1, '\0');
    return readAll(0, name.data(), name.size());
}

// The walk's tests make a worker fail on purpose on a file of a given name.
bool testTrigger(const char *variable, const std::string &name)
{
    const char *value = std::getenv(variable);
    return value && *value && name == value;
}

} // namespace

int ServeReaderRequests()
{
    uint8_t kind = 0;
    std::string name;
    int fd = -1;
    while (receive(kind, name, fd)) {
        // A second more of processor time per file, whatever was used before.
        rusage usage{};
        ::getrusage(RUSAGE_SELF, &usage);
        rlimit cpu{};
        ::getrlimit(RLIMIT_CPU, &cpu);
        cpu.rlim_cur = static_cast<rlim_t>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
                       static_cast<rlim_t>(ReaderTimeLimit().count() / 1000 + 2);
        if (cpu.rlim_max != RLIM_INFINITY && cpu.rlim_cur > cpu.rlim_max)
            cpu.rlim_cur = cpu.rlim_max;
        ::setrlimit(RLIMIT_CPU, &cpu);
        if (testTrigger("RACKMERE_READER_TEST_CRASH", name))
            std::abort();
        while (testTrigger("RACKMERE_READER_TEST_HANG", name))
            ::pause();
        ::lseek(fd, 0, SEEK_SET);
        std::string answer(1, static_cast<char>(kAnswerDone));
        if (testTrigger("RACKMERE_READER_TEST_ESCAPE", name)) {
            // What the filter leaves of a write, a socket and a program.
            const int file = ::open("/tmp/rackmere-reader-escape", O_WRONLY | O_CREAT | O_CLOEXEC, 0600);
            answer += "open " + std::to_string(file < 0 ? errno : 0);
            const int net = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
            answer += ", socket " + std::to_string(net < 0 ? errno : 0);
            answer += ", write " + std::to_string(::write(fd, "x", 1) < 0 ? errno : 0);
            kind = 0;
        }
        if (kind == kTags) {
            answer += MediaDescriptionOfFile(fd, name, MediaKindOf(name));
        } else if (kind == kArchive) {
            if (const std::optional<ArchiveContents> contents = ReadArchive(fd))
                answer += PackArchive(*contents);
            else
                answer[0] = static_cast<char>(kAnswerNone);
        } else if (kind != 0) {
            answer[0] = static_cast<char>(kAnswerNone);
        }
        ::close(fd);
        std::string reply;
        putU32(reply, static_cast<uint32_t>(answer.size()));
        reply += answer;
        if (!writeAll(1, reply.data(), reply.size()))
            return 1;
    }
    return 0;
}

bool IsReaderNote(std::string_view text)
{
    for (const char *note : {TAGS_READER_STOPPED, TAGS_READER_TOO_SLOW, ARCHIVE_READER_STOPPED,
                             ARCHIVE_READER_TOO_SLOW, ARCHIVE_TOO_MANY_ENTRIES, ARCHIVE_TOO_SLOW, ARCHIVE_NAMES_TOO_LONG})
        if (text == note)
            return true;
    return false;
}

std::string PackArchive(const ArchiveContents &contents)
{
    std::string out;
    putText(out, contents.incomplete);
    out.push_back(contents.fileIdDiz ? 1 : 0);
    putText(out, contents.fileIdDiz ? *contents.fileIdDiz : std::string());
    putU64(out, contents.entries.size());
    for (const ArchiveContents::Entry &e : contents.entries) {
        putText(out, e.path);
        out.push_back(e.folder ? 1 : 0);
        putU64(out, e.size);
        putU64(out, static_cast<uint64_t>(e.modified));
    }
    return out;
}

std::optional<ArchiveContents> UnpackArchive(std::string_view bytes)
{
    ArchiveContents contents;
    Reader in(bytes);
    uint8_t hasDiz = 0;
    std::string diz;
    uint64_t count = 0;
    if (!in.text(contents.incomplete) || !in.u8(hasDiz) || !in.text(diz) || !in.u64(count) || count > bytes.size())
        return std::nullopt;
    if (hasDiz)
        contents.fileIdDiz = std::move(diz);
    contents.entries.reserve(static_cast<std::size_t>(count));
    for (uint64_t i = 0; i < count; ++i) {
        ArchiveContents::Entry e;
        uint8_t folder = 0;
        uint64_t modified = 0;
        if (!in.text(e.path) || !in.u8(folder) || !in.u64(e.size) || !in.u64(modified))
            return std::nullopt;
        e.folder = folder != 0;
        e.modified = static_cast<int64_t>(modified);
        contents.entries.push_back(std::move(e));
    }
    if (!in.done())
        return std::nullopt;
    return contents;
}

} // namespace rkm
