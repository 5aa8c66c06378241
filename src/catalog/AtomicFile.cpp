#include "catalog/AtomicFile.h"

#include "catalog/Errors.h"

#include <QSaveFile>
#include <QString>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace rkm {

bool ReadWholeFile(const std::string &path, std::string &out)
{
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return false;
    struct stat st {};
    bool ok = ::fstat(fd, &st) == 0;
    if (ok && !S_ISREG(st.st_mode)) {
        ok = false;
        errno = S_ISDIR(st.st_mode) ? EISDIR : EINVAL;
    }
    if (ok) {
        out.resize(static_cast<std::size_t>(st.st_size));
        std::size_t got = 0;
        while (got < out.size()) {
            const ssize_t n = ::read(fd, out.data() + got, out.size() - got);
            if (n < 0 && errno == EINTR)
                continue;
            if (n <= 0)
                break;
            got += static_cast<std::size_t>(n);
        }
        out.resize(got); // a file that shrank while read is read as it now is
    }
    const int error = errno;
    ::close(fd);
    errno = error;
    return ok;
}

void WriteFileAtomically(const std::string &path, std::string_view bytes)
{
    QSaveFile f(QString::fromStdString(path));
    // Unbuffered, so a short write (a full disk) is seen here: Qt's buffer
    // would drop the rest without an error and commit a cut file.
    if (!f.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        throw RackmereError("Cannot create file " + path + ": " + f.errorString().toStdString());
    const char *p = bytes.data();
    qint64 left = static_cast<qint64>(bytes.size());
    while (left > 0) {
        const qint64 n = f.write(p, left);
        if (n <= 0) {
            f.cancelWriting();
            throw RackmereError("Cannot write file " + path + ": " + f.errorString().toStdString());
        }
        p += n;
        left -= n;
    }
    if (!f.commit())
        throw RackmereError("Cannot write file " + path + ": " + f.errorString().toStdString());
}

} // namespace rkm
