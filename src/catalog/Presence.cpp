#include "catalog/Presence.h"

#include "catalog/Disks.h"
#include "platform/VolumeIdentity.h"
#include "platform/Translated.h"

#include <sys/stat.h>

#include <algorithm>

namespace rkm {

namespace {

bool IsCdFileSystem(std::string_view fsType)
{
    return fsType == "iso9660" || fsType == "udf";
}

bool IsFolderPath(const std::string &path)
{
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

// "E:" of E:\Data, "" of a root of this system.
bool IsWindowsRoot(const std::string &rootPath)
{
    return rootPath.size() >= 2 && rootPath[1] == ':' && rootPath[0] != '/';
}

} // namespace

uint32_t SerialOfVolume(const MountedVolume &volume)
{
    if (IsCdFileSystem(volume.fsType) && !volume.device.empty())
        if (const std::optional<uint32_t> serial = platform::DiscSerial(volume.device))
            return *serial;
    return volume.uuid.empty() ? 0 : platform::SerialFromUuid(volume.uuid);
}

std::string ShelfText(const ListingExtras &extras)
{
    std::string text;
    const std::pair<const char *, const char *> lines[] = {
        {EXTRA_LOCATION, QT_TRANSLATE_NOOP("rkm::Core", "Location: %1")},
        {EXTRA_LENT_TO, QT_TRANSLATE_NOOP("rkm::Core", "Lent to: %1")}};
    for (const auto &[key, caption] : lines) {
        const auto it = extras.find(key);
        if (it == extras.end() || it->second.empty())
            continue;
        if (!text.empty())
            text += '\n';
        text += Utf8(rkm::Core::tr(caption), {it->second});
    }
    return text;
}

OnMount OnMountOf(const ListingExtras &extras)
{
    OnMount choice = OnMount::Ask;
    if (const auto it = extras.find(EXTRA_ON_MOUNT); it != extras.end())
        ParseOnMount(it->second, choice);
    return choice;
}

const char *OnMountWord(OnMount choice)
{
    switch (choice) {
    case OnMount::Update:
        return "update";
    case OnMount::Ignore:
        return "ignore";
    case OnMount::Ask:
        break;
    }
    return "ask";
}

bool ParseOnMount(std::string_view word, OnMount &choice)
{
    for (OnMount c : {OnMount::Ask, OnMount::Update, OnMount::Ignore})
        if (word == OnMountWord(c)) {
            choice = c;
            return true;
        }
    return false;
}

DiskIdentity IdentityOf(const TDisk &disk, const ListingExtras &extras)
{
    DiskIdentity identity;
    if (const auto it = extras.find(EXTRA_VOLUME_UUID); it != extras.end())
        identity.uuid = it->second;
    identity.serial = disk.SerialNumber;
    identity.rootPath = disk.RootPath;
    return identity;
}

void DiskMatcher::clear()
{
    m_byUuid.clear();
    m_subFoldersByUuid.clear();
    m_bySerial.clear();
    m_count = 0;
}

void DiskMatcher::add(const TreeNode *disk, const DiskIdentity &identity)
{
    Listed listed{disk, m_count++, identity.rootPath};
    if (identity.serial == 0) {
        // A sub-folder listing is told again by its UUID and its path alone.
        if (!identity.uuid.empty())
            m_subFoldersByUuid[identity.uuid].push_back(std::move(listed));
    } else if (!identity.uuid.empty()) {
        m_byUuid[identity.uuid].push_back(std::move(listed));
    } else {
        m_bySerial[identity.serial].push_back(std::move(listed));
    }
}

std::vector<const TreeNode *> DiskMatcher::match(const MountedVolume &volume) const
{
    std::vector<const Listed *> found;
    if (!volume.uuid.empty()) {
        if (const auto it = m_byUuid.find(volume.uuid); it != m_byUuid.end())
            for (const Listed &l : it->second)
                found.push_back(&l);
        if (const auto it = m_subFoldersByUuid.find(volume.uuid); it != m_subFoldersByUuid.end()) {
            const std::string below = volume.mountPoint == "/" ? "/" : volume.mountPoint + '/';
            for (const Listed &l : it->second)
                if ((l.rootPath == volume.mountPoint || l.rootPath.compare(0, below.size(), below) == 0) &&
                    IsFolderPath(l.rootPath))
                    found.push_back(&l);
        }
    }
    if (volume.serial != 0)
        if (const auto it = m_bySerial.find(volume.serial); it != m_bySerial.end())
            for (const Listed &l : it->second)
                found.push_back(&l);
    std::sort(found.begin(), found.end(), [](const Listed *a, const Listed *b) { return a->order < b->order; });
    std::vector<const TreeNode *> disks;
    disks.reserve(found.size());
    for (const Listed *l : found)
        disks.push_back(l->disk);
    return disks;
}

std::string PathOnVolume(const std::string &rootPath, const std::string &path, const std::string &mountPoint)
{
    const bool windows = IsWindowsRoot(rootPath);
    std::string prefix = windows ? rootPath.substr(0, 2) : rootPath;
    while (!windows && prefix.size() > 1 && prefix.back() == '/')
        prefix.pop_back();
    if (path.compare(0, prefix.size(), prefix) != 0)
        return path;
    std::string rest = path.substr(prefix.size());
    if (prefix == "/")
        rest.insert(rest.begin(), '/');
    if (windows)
        std::replace(rest.begin(), rest.end(), '\\', '/');
    if (!rest.empty() && rest.front() != '/')
        return path; // /media/disk2 is not below /media/disk
    while (rest.size() > 1 && rest[0] == '/' && rest[1] == '/')
        rest.erase(0, 1);
    if (rest == "/")
        rest.clear();
    if (mountPoint == "/")
        return rest.empty() ? mountPoint : rest;
    return mountPoint + rest;
}

} // namespace rkm
