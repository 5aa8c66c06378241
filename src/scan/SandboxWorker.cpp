// The worker's side of scan/Sandbox.h: what rackmere-reader does with each
// request, and the packed form of an archive's contents.

#include "scan/Sandbox.h"
#include "scan/SandboxWire.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <unistd.h>

namespace rkm {

using namespace sandbox;

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

int ServeReaderRequests(PictureMaker makePicture)
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
            // A list cut short in time is kept (with its note) before the
            // walk would end this worker.
            ArchiveLimits limits;
            limits.maxTime = std::min(limits.maxTime, ReaderTimeLimit() * 4 / 5);
            if (const std::optional<ArchiveContents> contents = ReadArchive(fd, limits))
                answer += PackArchive(*contents);
            else
                answer[0] = static_cast<char>(kAnswerNone);
        } else if (kind == kDescriptIon || kind == kFileIdDiz) {
            const std::optional<std::string> bytes = ReadSmallFile(AT_FDCWD, "/proc/self/fd/" + std::to_string(fd),
                                                                   MAX_DESCRIPTION_FILE_BYTES);
            if (!bytes) {
                answer[0] = static_cast<char>(kAnswerNone);
            } else if (kind == kFileIdDiz) {
                answer += FileIdDizComment(*bytes);
            } else {
                const std::vector<DescriptionLine> lines = ParseDescriptIon(*bytes);
                putU64(answer, lines.size());
                for (const DescriptionLine &line : lines) {
                    putText(answer, line.name);
                    putText(answer, line.description);
                }
            }
        } else if (kind == kPicture && makePicture) {
            const PictureAnswer picture = makePicture(fd, name, PictureKindOf(name));
            if (picture.jpeg.empty() && picture.note.empty())
                answer[0] = static_cast<char>(kAnswerNone);
            else
                answer += PackPicture(picture);
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
    for (const char *note : {TAGS_READER_STOPPED, TAGS_READER_TOO_SLOW, DESCRIPTIONS_READER_STOPPED,
                             ARCHIVE_READER_STOPPED, ARCHIVE_READER_TOO_SLOW, ARCHIVE_TOO_MANY_ENTRIES,
                             ARCHIVE_TOO_SLOW, ARCHIVE_TOO_SLOW_30S, ARCHIVE_NAMES_TOO_LONG})
        if (text == note)
            return true;
    return false;
}

std::string PackPicture(const PictureAnswer &picture)
{
    std::string out;
    putText(out, picture.jpeg);
    putText(out, picture.note);
    return out;
}

std::optional<PictureAnswer> UnpackPicture(std::string_view bytes)
{
    PictureAnswer picture;
    Reader in(bytes);
    if (!in.text(picture.jpeg) || !in.text(picture.note) || !in.done())
        return std::nullopt;
    return picture;
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
