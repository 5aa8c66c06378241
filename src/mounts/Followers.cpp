// Placeholder until the followers are written: the mount table read once.
#include "mounts/MountFollower.h"

#include "platform/SystemView.h"

#include <QDBusConnection>

namespace rkm {

namespace {

class OnceFollower final : public MountInfoFollower {
public:
    explicit OnceFollower(std::string sysRoot, QObject *parent) : MountInfoFollower(parent), m_system(std::move(sysRoot)) {}
    std::vector<MountedVolume> volumes() const override
    {
        std::vector<MountedVolume> list;
        for (const platform::Volume &v : m_system.volumes()) {
            MountedVolume m{v.mountPoint, v.uuid, v.label, v.fsType, {}, v.bytes, 0, false};
            m.serial = SerialOfVolume(m);
            list.push_back(std::move(m));
        }
        return list;
    }
    const char *how() const override { return "mountinfo"; }
    void rescan() override {}

private:
    platform::SystemView m_system;
};

} // namespace

std::unique_ptr<MountFollower> FollowMounts(QObject *parent)
{
    return FollowMountInfo(platform::System().root(), parent);
}

std::unique_ptr<MountFollower> FollowUdisks(const QDBusConnection &, QObject *)
{
    return nullptr;
}

std::unique_ptr<MountInfoFollower> FollowMountInfo(const std::string &sysRoot, QObject *parent)
{
    return std::make_unique<OnceFollower>(sysRoot, parent);
}

} // namespace rkm
