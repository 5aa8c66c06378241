#include "mounts/DiskPresence.h"

#include "catalog/CatalogStore.h"

namespace rkm {

DiskPresence::DiskPresence(CatalogStore &store, std::unique_ptr<MountFollower> follower, QObject *parent)
    : QObject(parent), m_store(store), m_follower(std::move(follower))
{
    m_follower->setParent(nullptr); // owned here, not by a Qt parent
    connect(m_follower.get(), &MountFollower::mounted, this, [this](const MountedVolume &volume) {
        recompute(true);
        const std::vector<const TreeNode *> disks = listingsOn(volume);
        emit volumeMounted(volume, disks);
    });
    connect(m_follower.get(), &MountFollower::unmounted, this, [this](const MountedVolume &volume) {
        recompute(true);
        emit volumeUnmounted(volume);
    });
    catalogChanged();
}

DiskPresence::~DiskPresence() = default;

void DiskPresence::catalogChanged()
{
    m_matcher.clear();
    const Catalog &tree = m_store.Tree();
    for (int i = 0; i < tree.diskCount(); ++i) {
        TreeNode *disk = tree.disk(i);
        m_matcher.add(disk, IdentityOf(disk->disk(), m_store.ExtrasOf(disk)));
    }
    recompute(true);
}

void DiskPresence::recompute(bool tell)
{
    std::map<const TreeNode *, MountedVolume> online;
    for (const MountedVolume &volume : m_follower->volumes())
        for (const TreeNode *disk : m_matcher.match(volume))
            online.emplace(disk, volume); // of two mounts of one volume, the first
    if (online == m_online)
        return;
    m_online = std::move(online);
    if (tell)
        emit changed();
}

const MountedVolume *DiskPresence::volumeOf(const TreeNode *disk) const
{
    const auto it = m_online.find(disk);
    return it == m_online.end() ? nullptr : &it->second;
}

std::string DiskPresence::pathNow(const TreeNode *disk, const std::string &path) const
{
    const MountedVolume *volume = volumeOf(disk);
    if (!volume)
        return {};
    const TDisk &record = disk->disk();
    if (record.SerialNumber == 0)
        return path;
    return PathOnVolume(record.RootPath, path, volume->mountPoint);
}

std::vector<const TreeNode *> DiskPresence::listingsOn(const MountedVolume &volume) const
{
    return m_matcher.match(volume);
}

std::vector<std::pair<const TreeNode *, MountedVolume>> DiskPresence::online() const
{
    std::vector<std::pair<const TreeNode *, MountedVolume>> list;
    const Catalog &tree = m_store.Tree();
    for (int i = 0; i < tree.diskCount(); ++i)
        if (const MountedVolume *volume = volumeOf(tree.disk(i)))
            list.emplace_back(tree.disk(i), *volume);
    return list;
}

} // namespace rkm
