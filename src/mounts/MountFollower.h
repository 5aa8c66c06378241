#pragma once

// Follows the volumes mounted on this system: through the desktop's disk
// service (udisks2, on the system D-Bus) where it runs, else by watching the
// kernel's mount table (/proc/self/mountinfo, woken by poll when it changes;
// no timer). Qt Core and Qt D-Bus only: the desktop program and
// `rackmere-cli watch` share it.

#include "catalog/Presence.h"

#include <QObject>

#include <memory>
#include <string>
#include <vector>

class QDBusConnection;

namespace rkm {

class MountFollower : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    // The volumes mounted now, in no particular order.
    virtual std::vector<MountedVolume> volumes() const = 0;
    // "udisks2" or "mountinfo": how it follows them.
    virtual const char *how() const = 0;

signals:
    // A volume was mounted (or is mounted at another place too).
    void mounted(const rkm::MountedVolume &volume);
    // A volume was unmounted; `volume` is as it was while mounted.
    void unmounted(const rkm::MountedVolume &volume);
};

// Follows the mounts through udisks2 when its service answers on the system
// bus (DBUS_SYSTEM_BUS_ADDRESS is honoured), else through the mount table of
// the system view (platform::System()).
std::unique_ptr<MountFollower> FollowMounts(QObject *parent = nullptr);
// Through udisks2 on `bus`; nullptr when its service does not answer there.
std::unique_ptr<MountFollower> FollowUdisks(const QDBusConnection &bus, QObject *parent = nullptr);
// Through the mount table read below `sysRoot` ("" for the real system).
// rescan() reads it again at once (a fixture file gives no wake-up).
class MountInfoFollower;
std::unique_ptr<MountInfoFollower> FollowMountInfo(const std::string &sysRoot, QObject *parent = nullptr);

class MountInfoFollower : public MountFollower {
    Q_OBJECT
public:
    using MountFollower::MountFollower;
    virtual void rescan() = 0;
};

} // namespace rkm
