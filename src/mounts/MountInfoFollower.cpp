// The mounts as the kernel's mount table tells them, where udisks2 does not
// run. The kernel wakes a poll on /proc/self/mountinfo (POLLPRI) when the
// table changes; the table is read again then, and only then.
#include "mounts/MountFollower.h"

#include "platform/SystemView.h"

#include <QSocketNotifier>

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>

namespace rkm {

namespace {

bool IsUserMountPoint(const std::string &mountPoint)
{
    for (const char *top : {"/media/", "/run/media/", "/mnt/"})
        if (mountPoint.rfind(top, 0) == 0 && mountPoint.size() > std::char_traits<char>::length(top))
            return true;
    return false;
}

class MountTableFollower final : public MountInfoFollower {
    Q_OBJECT
public:
    MountTableFollower(const std::string &sysRoot, QObject *parent) : MountInfoFollower(parent), m_system(sysRoot)
    {
        const std::string table = m_system.root() + "/proc/self/mountinfo";
        m_fd = ::open(table.c_str(), O_RDONLY | O_CLOEXEC);
        if (m_fd >= 0) {
            // Exception: POLLPRI, which the kernel raises on a change of the
            // table; a plain file (a fixture) never raises it.
            auto *notifier = new QSocketNotifier(static_cast<qintptr>(m_fd), QSocketNotifier::Exception, this);
            connect(notifier, &QSocketNotifier::activated, this, &MountTableFollower::rescan);
        }
        m_volumes = read();
    }
    ~MountTableFollower() override
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }

    std::vector<MountedVolume> volumes() const override { return m_volumes; }
    const char *how() const override { return "mountinfo"; }

    void rescan() override
    {
        std::vector<MountedVolume> now = read();
        const std::vector<MountedVolume> before = std::exchange(m_volumes, now);
        auto in = [](const std::vector<MountedVolume> &list, const MountedVolume &v) {
            return std::any_of(list.begin(), list.end(), [&](const MountedVolume &w) {
                return w.mountPoint == v.mountPoint && w.uuid == v.uuid;
            });
        };
        for (const MountedVolume &v : before)
            if (!in(now, v))
                emit unmounted(v);
        for (const MountedVolume &v : now)
            if (!in(before, v))
                emit mounted(v);
    }

private:
    std::vector<MountedVolume> read() const
    {
        const std::vector<platform::Mount> mounts = m_system.mounts();
        std::vector<MountedVolume> list;
        for (const platform::Volume &volume : m_system.volumes()) {
            MountedVolume v{volume.mountPoint, volume.uuid, volume.label, volume.fsType, {}, volume.bytes, 0,
                            IsUserMountPoint(volume.mountPoint)};
            for (const platform::Mount &m : mounts)
                if (m.mountPoint == volume.mountPoint && m.source.rfind("/dev/", 0) == 0)
                    v.device = m.source; // the later one, as the volume's file system
            v.serial = SerialOfVolume(v);
            list.push_back(std::move(v));
        }
        return list;
    }

    platform::SystemView m_system;
    int m_fd = -1;
    std::vector<MountedVolume> m_volumes;
};

} // namespace

std::unique_ptr<MountInfoFollower> FollowMountInfo(const std::string &sysRoot, QObject *parent)
{
    return std::make_unique<MountTableFollower>(sysRoot, parent);
}

} // namespace rkm

#include "MountInfoFollower.moc"
