#include "platform/Opener.h"

#include <QFile>
#include <QFileInfo>
#include <QMimeDatabase>
#include <QString>
#include <QStringList>

#include <algorithm>
#include <fstream>
#include <map>
#include <set>

namespace rkm::platform {

namespace {

std::vector<std::string> EnvList(const char *name, const std::string &fallback)
{
    const QByteArray value = qgetenv(name);
    const QString text = value.isEmpty() ? QString::fromStdString(fallback) : QString::fromLocal8Bit(value);
    std::vector<std::string> out;
    for (const QString &part : text.split(QLatin1Char(':'), Qt::SkipEmptyParts))
        out.push_back(part.toStdString());
    return out;
}

std::string EnvOr(const char *name, const std::string &fallback)
{
    const QByteArray value = qgetenv(name);
    return value.isEmpty() ? fallback : value.toStdString();
}

// The sections of a desktop-style file: section -> key -> list of ids.
using Sections = std::map<std::string, std::map<std::string, std::vector<std::string>>>;

Sections ReadList(const std::string &path)
{
    Sections sections;
    std::ifstream in(path);
    std::string line, section;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (line.empty() || line[0] == '#')
            continue;
        if (line[0] == '[') {
            section = line.substr(1, line.find(']') - 1);
            continue;
        }
        const auto eq = line.find('=');
        if (eq == std::string::npos)
            continue;
        std::string key = line.substr(0, eq);
        while (!key.empty() && key.back() == ' ')
            key.pop_back();
        std::vector<std::string> ids;
        std::string rest = line.substr(eq + 1);
        std::size_t start = 0;
        while (start <= rest.size()) {
            const auto end = std::min(rest.find(';', start), rest.size());
            std::string id = rest.substr(start, end - start);
            id.erase(0, id.find_first_not_of(' '));
            if (!id.empty())
                ids.push_back(id);
            start = end + 1;
        }
        sections[section][key] = std::move(ids);
    }
    return sections;
}

// Whether a desktop file id names an installed program: "vendor-app.desktop"
// may lie as vendor/app.desktop below an applications folder.
bool Installed(const std::string &id, const OpenerDirs &dirs)
{
    for (const std::string &d : dirs.data) {
        std::string rel = id;
        for (;;) {
            if (QFileInfo(QString::fromStdString(d + "/applications/" + rel)).isFile())
                return true;
            const auto dash = rel.find('-');
            if (dash == std::string::npos)
                break;
            rel[dash] = '/';
        }
    }
    return false;
}

} // namespace

OpenerDirs SessionOpenerDirs()
{
    const std::string home = EnvOr("HOME", "/");
    OpenerDirs dirs;
    dirs.config.push_back(EnvOr("XDG_CONFIG_HOME", home + "/.config"));
    for (const std::string &d : EnvList("XDG_CONFIG_DIRS", "/etc/xdg"))
        dirs.config.push_back(d);
    dirs.data.push_back(EnvOr("XDG_DATA_HOME", home + "/.local/share"));
    for (const std::string &d : EnvList("XDG_DATA_DIRS", "/usr/local/share:/usr/share"))
        dirs.data.push_back(d);
    for (const std::string &d : EnvList("XDG_CURRENT_DESKTOP", std::string()))
        dirs.desktops.push_back(QString::fromStdString(d).toLower().toStdString());
    return dirs;
}

std::string DefaultApplication(const std::string &mimeType, const OpenerDirs &dirs)
{
    // The lists in the order they count: the desktop's own before the
    // general one, configuration before data.
    std::vector<Sections> lists;
    const auto addLists = [&](const std::string &folder) {
        for (const std::string &desktop : dirs.desktops)
            lists.push_back(ReadList(folder + "/" + desktop + "-mimeapps.list"));
        lists.push_back(ReadList(folder + "/mimeapps.list"));
    };
    for (const std::string &d : dirs.config)
        addLists(d);
    for (const std::string &d : dirs.data)
        addLists(d + "/applications");
    std::vector<Sections> caches;
    for (const std::string &d : dirs.data)
        caches.push_back(ReadList(d + "/applications/mimeinfo.cache"));

    QStringList types{QString::fromStdString(mimeType)};
    const QMimeType mime = QMimeDatabase().mimeTypeForName(QString::fromStdString(mimeType));
    if (mime.isValid()) {
        types = QStringList{mime.name()} + mime.aliases() + mime.allAncestors();
        if (!types.contains(QString::fromStdString(mimeType)))
            types.prepend(QString::fromStdString(mimeType));
    }
    for (const QString &t : types) {
        const std::string type = t.toStdString();
        std::set<std::string> removed;
        const auto usable = [&](const std::string &id) { return !removed.count(id) && Installed(id, dirs); };
        const auto ids = [&](const Sections &s, const char *section) -> const std::vector<std::string> * {
            const auto sec = s.find(section);
            if (sec == s.end())
                return nullptr;
            const auto key = sec->second.find(type);
            return key == sec->second.end() ? nullptr : &key->second;
        };
        for (const Sections &list : lists) {
            if (const auto *defaults = ids(list, "Default Applications"))
                for (const std::string &id : *defaults)
                    if (usable(id))
                        return id;
            if (const auto *added = ids(list, "Added Associations"))
                for (const std::string &id : *added)
                    if (usable(id))
                        return id;
            if (const auto *gone = ids(list, "Removed Associations"))
                removed.insert(gone->begin(), gone->end());
        }
        for (const Sections &cache : caches)
            if (const auto *known = ids(cache, "MIME Cache"))
                for (const std::string &id : *known)
                    if (usable(id))
                        return id;
    }
    return {};
}

std::string DefaultApplicationForFile(const std::string &path, const OpenerDirs &dirs)
{
    const QMimeType type = QMimeDatabase().mimeTypeForFile(QFile::decodeName(QByteArray::fromStdString(path)));
    return DefaultApplication(type.name().toStdString(), dirs);
}

} // namespace rkm::platform
