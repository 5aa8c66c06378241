#include "scan/Props.h"

#include "platform/TextValues.h"

#include "platform/SystemView.h"

#include <QLocale>
#include <QStringList>

#include <sys/stat.h>

namespace rkm {

namespace {

bool IsLetterRoot(const std::string &path)
{
    return path.size() >= 2 && path[1] == ':' &&
           ((path[0] >= 'A' && path[0] <= 'Z') || (path[0] >= 'a' && path[0] <= 'z'));
}

bool IsFolder(const std::string &path)
{
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

// Whether `prefix` is `path` or a whole-folder start of it.
bool HoldsPath(const std::string &prefix, const std::string &path)
{
    if (prefix == "/")
        return !path.empty() && path[0] == '/';
    return path.compare(0, prefix.size(), prefix) == 0 && (path.size() == prefix.size() || path[prefix.size()] == '/');
}

} // namespace

void CountSubtree(const TreeNode &node, long &folders, long &files)
{
    folders = 0;
    files = 0;
    node.forEach([&](const TreeNode &n) {
        if (&n != &node)
            ++folders;
        files += n.disk().Files.count();
    });
}

SubtreeSize SizeOfSubtree(const TreeNode &node)
{
    SubtreeSize size;
    node.forEach([&](const TreeNode &n) {
        const FileList &files = n.disk().Files;
        for (int i = 0; i < files.count(); ++i) {
            const std::optional<platform::SizeSpan> span = platform::ReadSizeText(files.text(i, FT_SIZE));
            if (!span)
                continue;
            size.bytes += span->low + (span->high - span->low) / 2;
            size.exact = size.exact && span->exact();
        }
    });
    return size;
}

RootDrive DriveOfRoot(const std::string &rootPath, const platform::SystemView &system)
{
    RootDrive drive;
    if (IsLetterRoot(rootPath)) {
        // No volume of this system is known by a letter.
        drive.prefix = rootPath.substr(0, 2);
        return drive;
    }
    if (rootPath.empty() || rootPath[0] != '/')
        return drive;
    if (IsFolder(system.root() + rootPath)) {
        const auto mount = system.mountHolding(rootPath);
        if (!mount || !HoldsPath(mount->mountPoint, rootPath))
            return drive; // reached through a link: no prefix of the path names it
        drive.prefix = mount->mountPoint;
        for (const std::string &d : system.drives())
            if (d == mount->mountPoint)
                drive.present = d;
        return drive;
    }
    // The volume is gone, and with it usually the folder it was mounted on:
    // its mount point is the path up to the first folder that is missing.
    std::size_t end = 0;
    while (end != std::string::npos) {
        end = rootPath.find('/', end + 1);
        const std::string part = rootPath.substr(0, end);
        if (!IsFolder(system.root() + part)) {
            drive.prefix = part;
            break;
        }
    }
    return drive;
}

std::string RerootPath(const std::string &path, const std::string &prefix, const std::string &drive)
{
    if (prefix.empty() || path.compare(0, prefix.size(), prefix) != 0)
        return path;
    // What follows the drive, starting with a separator (or empty).
    std::string rest;
    if (prefix == "/")
        rest.push_back('/');
    rest.append(path, prefix.size(), std::string::npos);
    if (IsLetterRoot(prefix)) {
        for (char &c : rest)
            if (c == '\\')
                c = '/';
    }
    // "E:\" alone, "/" alone: the drive's own root.
    if (rest == "/")
        rest.clear();
    if (drive == "/")
        return rest.empty() ? drive : rest;
    return drive + rest;
}

std::string DriveText(const platform::Volume &volume)
{
    QStringList parts;
    if (!volume.label.empty())
        parts << QString::fromStdString(volume.label);
    if (!volume.fsType.empty())
        parts << QString::fromStdString(volume.fsType);
    if (volume.bytes > 0)
        parts << QLocale::c().formattedDataSize(static_cast<qint64>(volume.bytes), 1, QLocale::DataSizeSIFormat);
    std::string text = volume.mountPoint;
    if (!parts.isEmpty())
        text += " (" + parts.join(QStringLiteral(", ")).toStdString() + ")";
    return text;
}

} // namespace rkm
