#include "catalog/AtomicFile.h"

#include "catalog/Errors.h"
#include "platform/Translated.h"
#include "platform/UniqueFd.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <random>
#include <utility>
#include <sys/stat.h>
#include <unistd.h>

namespace rkm {

int (*FlushToDisk)(int fd) = ::fsync;
bool ClaimAsOnAPlainShare = false;

namespace {

std::string reasonOf(int error)
{
    return std::strerror(error);
}

std::string folderOf(const std::string &path)
{
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? std::string("./") : path.substr(0, slash + 1);
}

// A name for a temporary file no one else draws: the kernel's random bytes.
std::string temporaryName()
{
    static thread_local std::mt19937_64 rng{std::random_device{}()};
    char buf[32];
    std::snprintf(buf, sizeof buf, "%016llx", static_cast<unsigned long long>(rng()));
    return std::string(TEMPORARY_PREFIX) + buf;
}

// A temporary file in a folder, written and flushed to the disk; removed
// again unless it was renamed or linked away.
class TempFile final {
public:
    // `cannotCreate` and `cannotWrite` are the messages with %1 for `shown`
    // and %2 for the system's reason.
    TempFile(const std::string &folder, const std::string &shown, QString cannotCreate, QString cannotWrite,
             mode_t mode)
        : m_shown(shown), m_cannotWrite(std::move(cannotWrite))
    {
        for (int attempt = 0; attempt < 100; ++attempt) {
            m_path = folder + temporaryName();
            m_fd.reset(::open(m_path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, mode));
            if (m_fd || errno != EEXIST)
                break;
        }
        if (!m_fd) {
            const int error = errno;
            m_path.clear();
            throw RackmereError(Utf8(cannotCreate, {m_shown, reasonOf(error)}));
        }
    }
    ~TempFile()
    {
        m_fd.reset();
        if (!m_path.empty())
            ::unlink(m_path.c_str());
    }
    TempFile(const TempFile &) = delete;
    TempFile &operator=(const TempFile &) = delete;

    const std::string &path() const { return m_path; }

    // Writes more bytes; the first error is the one reported (a full disk
    // shows at write or at fsync).
    void append(std::string_view bytes)
    {
        const char *p = bytes.data();
        std::size_t left = bytes.size();
        while (left > 0) {
            const ssize_t n = ::write(m_fd.get(), p, left);
            if (n < 0 && errno == EINTR)
                continue;
            if (n <= 0)
                fail(n < 0 ? errno : ENOSPC);
            p += n;
            left -= static_cast<std::size_t>(n);
        }
    }
    // Flushes what was written to the disk and closes the file.
    void finish()
    {
        if (FlushToDisk(m_fd.get()) != 0)
            fail(errno);
        if (const int error = m_fd.close())
            fail(error);
    }
    void write(const ByteSource &source)
    {
        source([this](std::string_view bytes) { append(bytes); });
        finish();
    }
    // The file now lives under another name (or was renamed): nothing to remove.
    void release() { m_path.clear(); }

private:
    [[noreturn]] void fail(int error) { throw RackmereError(Utf8(m_cannotWrite, {m_shown, reasonOf(error)})); }
    std::string m_shown;
    QString m_cannotWrite;
    std::string m_path;
    platform::UniqueFd m_fd;
};

// A new file gets the mode any new file gets here (umask applied by open).
constexpr mode_t NEW_FILE_MODE = 0666;

// The folder's entries are on the disk too, so a rename survives a power cut.
void syncFolder(const std::string &folder)
{
    const platform::UniqueFd fd(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (fd)
        ::fsync(fd.get());
}

enum class Claim { Taken, Claimed, Failed };

// Gives the temporary file the name `target` unless a file of that name
// exists, in one step.
Claim claimName(const std::string &temp, const std::string &target, int &error)
{
    if (!ClaimAsOnAPlainShare) {
        if (::renameat2(AT_FDCWD, temp.c_str(), AT_FDCWD, target.c_str(), RENAME_NOREPLACE) == 0)
            return Claim::Claimed;
        error = errno;
        if (error == EEXIST)
            return Claim::Taken;
        if (error != EINVAL && error != ENOSYS && error != EOPNOTSUPP)
            return Claim::Failed;
    }
    // A file system without renameat2 flags: a hard link is just as exclusive.
    if (!ClaimAsOnAPlainShare && ::link(temp.c_str(), target.c_str()) == 0) {
        ::unlink(temp.c_str());
        return Claim::Claimed;
    }
    error = ClaimAsOnAPlainShare ? EPERM : errno;
    if (error == EEXIST)
        return Claim::Taken;
    if (error != EPERM && error != EOPNOTSUPP && error != EMLINK)
        return Claim::Failed;
    // Nor hard links (FAT, some shares): the target is never made before its
    // bytes are whole, so a kill never leaves an empty or short listing. The
    // name is claimed by a claim file of its own (a temporary file, so a
    // kill leaves nothing the next writer does not remove), made only if
    // there is none; whoever holds it looks whether the target is free and
    // only then renames the written file to it.
    const std::string claim = folderOf(target) + TEMPORARY_PREFIX + "claim-" +
                              target.substr(target.find_last_of('/') + 1);
    if (!platform::UniqueFd(::open(claim.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600))) {
        error = errno;
        return error == EEXIST ? Claim::Taken : Claim::Failed;
    }
    struct stat st {};
    Claim result = Claim::Claimed;
    if (::lstat(target.c_str(), &st) == 0) {
        error = EEXIST;
        result = Claim::Taken;
    } else if (errno != ENOENT) {
        error = errno;
        result = Claim::Failed;
    } else if (::rename(temp.c_str(), target.c_str()) != 0) {
        error = errno;
        result = Claim::Failed;
    }
    ::unlink(claim.c_str());
    return result;
}

} // namespace

void WriteFileAtomically(const std::string &path, std::string_view bytes)
{
    WriteFileAtomically(path, [bytes](const ByteSink &sink) { sink(bytes); });
}

void WriteFileAtomically(const std::string &path, const ByteSource &bytes, const std::function<void()> &beforePlacing)
{
    // A file replaced keeps its permissions.
    struct stat st {};
    const bool keepMode = ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
    const std::string folder = folderOf(path);
    TempFile temp(folder, path, rkm::Core::tr("Cannot create file %1: %2"), rkm::Core::tr("Cannot write file %1: %2"),
                  NEW_FILE_MODE);
    if (keepMode)
        ::chmod(temp.path().c_str(), st.st_mode & 07777);
    temp.write(bytes);
    if (beforePlacing)
        beforePlacing();
    if (::rename(temp.path().c_str(), path.c_str()) != 0)
        throw RackmereError(Utf8(rkm::Core::tr("Cannot write file %1: %2"), {path, reasonOf(errno)}));
    temp.release();
    syncFolder(folder);
}

std::string WriteNewFile(const std::string &dir, std::string_view bytes, const std::function<std::string()> &draw,
                         int attempts, const std::string &exhausted)
{
    return WriteNewFile(dir, [bytes](const ByteSink &sink) { sink(bytes); }, draw, attempts, exhausted);
}

std::string WriteNewFile(const std::string &dir, const ByteSource &bytes, const std::function<std::string()> &draw,
                         int attempts, const std::string &exhausted, const std::function<void()> &beforeClaim)
{
    TempFile temp(dir, dir, rkm::Core::tr("Cannot create a new file in %1: %2"),
                  rkm::Core::tr("Cannot write a new file in %1: %2"), NEW_FILE_MODE);
    temp.write(bytes);
    if (beforeClaim)
        beforeClaim();
    for (int attempt = 0; attempt < attempts; ++attempt) {
        const std::string name = draw();
        int error = 0;
        switch (claimName(temp.path(), dir + name, error)) {
        case Claim::Claimed:
            temp.release();
            syncFolder(dir);
            return name;
        case Claim::Taken:
            continue;
        case Claim::Failed:
            throw RackmereError(Utf8(rkm::Core::tr("Cannot write file %1: %2"), {dir + name, reasonOf(error)}));
        }
    }
    throw RackmereError(exhausted);
}

InputFile::InputFile(const std::string &path)
{
    // Looked at before it is opened: opening a FIFO would wait for a writer,
    // and opening some devices does something.
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) {
        m_reason = reasonOf(errno);
        return;
    }
    if (!S_ISREG(st.st_mode)) {
        m_reason = S_ISDIR(st.st_mode) ? reasonOf(EISDIR) : Utf8(rkm::Core::tr("not a regular file"));
        return;
    }
    platform::UniqueFd fd(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (!fd) {
        m_reason = reasonOf(errno);
        return;
    }
    // The name may have been given to something else in between.
    if (::fstat(fd.get(), &st) != 0 || !S_ISREG(st.st_mode)) {
        m_reason = Utf8(rkm::Core::tr("not a regular file"));
        return;
    }
    m_fd = std::move(fd);
    m_size = static_cast<std::uint64_t>(st.st_size);
}

bool InputFile::read(std::size_t count, std::string &out)
{
    if (!m_fd)
        return false;
    const std::size_t start = out.size();
    out.resize(start + count);
    std::size_t got = 0;
    while (got < count) {
        const ssize_t n = ::read(m_fd.get(), out.data() + start + got, count - got);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            m_reason = reasonOf(errno);
            out.resize(start + got);
            return false;
        }
        if (n == 0)
            break;
        got += static_cast<std::size_t>(n);
    }
    out.resize(start + got); // a file that shrank while read is read as it now is
    return true;
}

std::string ReadRegularFile(const std::string &path, std::size_t maxBytes, const QString &cannot)
{
    const auto tooLarge = [&] { return Utf8(rkm::Core::tr("larger than %1 MB").arg(maxBytes >> 20)); };
    InputFile f(path);
    if (!f.ok())
        throw RackmereError(Utf8(cannot, {path, f.reason()}));
    if (f.size() > maxBytes)
        throw RackmereError(Utf8(cannot, {path, tooLarge()}));
    std::string out;
    // One byte more than allowed tells a file that grew meanwhile.
    if (!f.read(maxBytes + 1 > f.size() ? static_cast<std::size_t>(f.size()) + 1 : maxBytes + 1, out))
        throw RackmereError(Utf8(cannot, {path, f.reason()}));
    if (out.size() > maxBytes)
        throw RackmereError(Utf8(cannot, {path, tooLarge()}));
    return out;
}

} // namespace rkm
