#include "catalog/ProgramDir.h"

#include <QDir>
#include <QStandardPaths>

#include <cctype>
#include <cerrno>
#include <sys/stat.h>

namespace rkm {

bool EndsWithListingSuffix(std::string_view name)
{
    constexpr std::string_view suffix = ".rkm";
    if (name.size() <= suffix.size())
        return false;
    const std::string_view tail = name.substr(name.size() - suffix.size());
    for (std::size_t i = 0; i < suffix.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(tail[i])) != suffix[i])
            return false;
    return true;
}

std::string WithSlash(std::string dir)
{
    if (dir.empty() || dir.back() != '/')
        dir.push_back('/');
    return dir;
}

std::string NormalizeProgramDir(const std::string &dir)
{
    QString abs = QDir(QString::fromStdString(dir)).absolutePath();
    return WithSlash(QDir::cleanPath(abs).toStdString());
}

std::string GetProgramDir()
{
    QByteArray env = qgetenv("RACKMERE_DIR");
    if (!env.isEmpty())
        return NormalizeProgramDir(env.toStdString());
    return DefaultProgramDir();
}

std::string DefaultProgramDir()
{
    QString base = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    if (base.isEmpty())
        base = QDir::homePath() + QStringLiteral("/.local/share");
    return WithSlash(base.toStdString() + "/Rackmere");
}

bool IsDefaultProgramDir(const std::string &dir)
{
    return NormalizeProgramDir(dir) == NormalizeProgramDir(DefaultProgramDir());
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
