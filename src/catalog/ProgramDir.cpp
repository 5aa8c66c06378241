#include "catalog/ProgramDir.h"

#include <QDir>
#include <QStandardPaths>

#include <cerrno>
#include <sys/stat.h>

namespace rkm {

namespace {

std::string withSlash(std::string dir)
{
    if (dir.empty() || dir.back() != '/')
        dir.push_back('/');
    return dir;
}

} // namespace

std::string NormalizeProgramDir(const std::string &dir)
{
    QString abs = QDir(QString::fromStdString(dir)).absolutePath();
    return withSlash(QDir::cleanPath(abs).toStdString());
}

std::string GetProgramDir()
{
    QByteArray env = qgetenv("RACKMERE_DIR");
    if (!env.isEmpty())
        return NormalizeProgramDir(env.toStdString());
    QString base = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    if (base.isEmpty())
        base = QDir::homePath() + QStringLiteral("/.local/share");
    return withSlash(base.toStdString() + "/Rackmere");
}

ProgramDirState ProgramDirStateOf(const std::string &dir)
{
    struct stat st {};
    if (::stat(dir.c_str(), &st) == 0)
        return S_ISDIR(st.st_mode) ? ProgramDirState::Folder : ProgramDirState::NotAFolder;
    // "/etc/hostname/" names no file, but something is there.
    std::string bare = dir;
    while (bare.size() > 1 && bare.back() == '/')
        bare.pop_back();
    if (errno == ENOTDIR || ::lstat(bare.c_str(), &st) == 0)
        return ProgramDirState::NotAFolder;
    return ProgramDirState::Missing;
}

} // namespace rkm
