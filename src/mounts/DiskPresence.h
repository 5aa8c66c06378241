#pragma once

// Which listings of a catalogue are online (their volume mounted now) and
// where, kept up to date from a mount follower. The desktop program shows it
// in its tree and offers what to do when a disk arrives; `rackmere-cli
// online` and `watch` print it.

#include "catalog/Disks.h" // moc wants the whole type of the signals' TreeNode pointers
#include "catalog/Presence.h"
#include "mounts/MountFollower.h"

#include <QObject>

#include <map>
#include <memory>
#include <string>
#include <vector>

namespace rkm {

class CatalogStore;

class DiskPresence final : public QObject {
    Q_OBJECT
public:
    // Follows `follower` (owned) for the catalogue of `store`.
    DiskPresence(CatalogStore &store, std::unique_ptr<MountFollower> follower, QObject *parent = nullptr);
    ~DiskPresence() override;

    MountFollower &follower() const { return *m_follower; }
    // The listings changed (added, updated, deleted, loaded): tells them
    // again. Emits changed() when the online listings are not the same.
    void catalogChanged();
    // The volume a disk's listing is on now; nullptr when it is not online.
    const MountedVolume *volumeOf(const TreeNode *disk) const;
    // Where a file or folder `path` of the disk's listing (its full path as
    // the listing names it) is now: on its volume's current mount point for
    // a listing of a whole volume, as it stands for a sub-folder listing.
    // Empty when the disk is not online.
    std::string pathNow(const TreeNode *disk, const std::string &path) const;
    // The listings on `volume` (see DiskMatcher::match).
    std::vector<const TreeNode *> listingsOn(const MountedVolume &volume) const;
    // Every online listing with its volume, in the catalogue's order.
    std::vector<std::pair<const TreeNode *, MountedVolume>> online() const;

signals:
    // The set of online listings (or their mount points) changed.
    void changed();
    // A volume was mounted: `disks` are its listings (none for a disk the
    // catalogue does not know).
    void volumeMounted(const rkm::MountedVolume &volume, const std::vector<const rkm::TreeNode *> &disks);
    void volumeUnmounted(const rkm::MountedVolume &volume);

private:
    void recompute(bool tell);

    CatalogStore &m_store;
    std::unique_ptr<MountFollower> m_follower;
    DiskMatcher m_matcher;
    std::map<const TreeNode *, MountedVolume> m_online;
};

} // namespace rkm
