// The mounts as udisks2 tells them on the system D-Bus: its object manager's
// block devices, their file systems' mount points, and the signals it sends
// when they change. Nothing is polled.
#include "mounts/MountFollower.h"

#include "platform/SystemView.h"

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusObjectPath>
#include <QDBusServiceWatcher>

#include <algorithm>
#include <map>
#include <optional>

namespace rkm {

namespace {

const QString SERVICE = QStringLiteral("org.freedesktop.UDisks2");
const QString ROOT = QStringLiteral("/org/freedesktop/UDisks2");
const QString BLOCK_PREFIX = QStringLiteral("/org/freedesktop/UDisks2/block_devices/");
const QString BLOCK = QStringLiteral("org.freedesktop.UDisks2.Block");
const QString FILESYSTEM = QStringLiteral("org.freedesktop.UDisks2.Filesystem");
const QString OBJECT_MANAGER = QStringLiteral("org.freedesktop.DBus.ObjectManager");
const QString PROPERTIES = QStringLiteral("org.freedesktop.DBus.Properties");
const QString MOUNT_POINTS = QStringLiteral("MountPoints");
// The first answer may start udisks2 (D-Bus activation): a few seconds.
constexpr int FIRST_ANSWER_MS = 5000;

// udisks2 gives paths as NUL-terminated byte strings.
std::string PathText(const QByteArray &bytes)
{
    const qsizetype end = bytes.indexOf('\0');
    return bytes.left(end < 0 ? bytes.size() : end).toStdString();
}

std::vector<std::string> MountPointsOf(const QVariant &value)
{
    std::vector<std::string> paths;
    if (value.metaType() == QMetaType::fromType<QByteArrayList>()) {
        for (const QByteArray &b : value.value<QByteArrayList>())
            paths.push_back(PathText(b));
    } else if (value.metaType() == QMetaType::fromType<QDBusArgument>()) {
        const QDBusArgument arg = value.value<QDBusArgument>();
        if (arg.currentType() != QDBusArgument::ArrayType)
            return paths;
        arg.beginArray();
        while (!arg.atEnd()) {
            QByteArray b;
            arg >> b;
            paths.push_back(PathText(b));
        }
        arg.endArray();
    }
    paths.erase(std::remove(paths.begin(), paths.end(), std::string()), paths.end());
    return paths;
}

// a{sa{sv}}: an object's interfaces with their properties.
std::map<QString, QVariantMap> InterfacesOf(const QDBusArgument &arg)
{
    std::map<QString, QVariantMap> interfaces;
    arg.beginMap();
    while (!arg.atEnd()) {
        QString name;
        QVariantMap properties;
        arg.beginMapEntry();
        arg >> name >> properties;
        arg.endMapEntry();
        interfaces[name] = properties;
    }
    arg.endMap();
    return interfaces;
}

// What is known of one block device.
struct BlockObject {
    QVariantMap block;
    bool hasFilesystem = false;
    std::vector<std::string> mountPoints;
};

MountedVolume VolumeAt(const BlockObject &object, const std::string &mountPoint)
{
    MountedVolume v;
    v.mountPoint = mountPoint;
    v.uuid = object.block.value(QStringLiteral("IdUUID")).toString().toStdString();
    v.label = object.block.value(QStringLiteral("IdLabel")).toString().toStdString();
    v.fsType = object.block.value(QStringLiteral("IdType")).toString().toStdString();
    v.device = PathText(object.block.value(QStringLiteral("PreferredDevice")).toByteArray());
    if (v.device.empty())
        v.device = PathText(object.block.value(QStringLiteral("Device")).toByteArray());
    v.bytes = object.block.value(QStringLiteral("Size")).toULongLong();
    v.userVolume = !object.block.value(QStringLiteral("HintSystem")).toBool() &&
                   !object.block.value(QStringLiteral("HintIgnore")).toBool();
    v.serial = SerialOfVolume(v);
    return v;
}

std::vector<MountedVolume> VolumesOf(const BlockObject &object)
{
    std::vector<MountedVolume> list;
    if (object.hasFilesystem)
        for (const std::string &mp : object.mountPoints)
            list.push_back(VolumeAt(object, mp));
    return list;
}

class UdisksFollower final : public MountFollower {
    Q_OBJECT
public:
    UdisksFollower(const QDBusConnection &bus, QObject *parent) : MountFollower(parent), m_bus(bus)
    {
        // Listen first, then ask: a change in between is told twice, and
        // telling a state again changes nothing.
        m_bus.connect(SERVICE, ROOT, OBJECT_MANAGER, QStringLiteral("InterfacesAdded"), this,
                      SLOT(onInterfacesAdded(QDBusMessage)));
        m_bus.connect(SERVICE, ROOT, OBJECT_MANAGER, QStringLiteral("InterfacesRemoved"), this,
                      SLOT(onInterfacesRemoved(QDBusMessage)));
        m_bus.connect(SERVICE, QString(), PROPERTIES, QStringLiteral("PropertiesChanged"), this,
                      SLOT(onPropertiesChanged(QDBusMessage)));
        auto *watcher = new QDBusServiceWatcher(SERVICE, m_bus, QDBusServiceWatcher::WatchForOwnerChange, this);
        connect(watcher, &QDBusServiceWatcher::serviceOwnerChanged, this,
                [this](const QString &, const QString &, const QString &newOwner) {
                    // udisks2 went (or was started again): its disks with it.
                    const std::map<QString, BlockObject> before = std::move(m_objects);
                    m_objects.clear();
                    for (const auto &[path, object] : before)
                        tell(VolumesOf(object), {});
                    if (!newOwner.isEmpty())
                        askAll(false);
                });
    }

    bool askAll(bool first)
    {
        QDBusMessage call = QDBusMessage::createMethodCall(SERVICE, ROOT, OBJECT_MANAGER,
                                                           QStringLiteral("GetManagedObjects"));
        const QDBusMessage reply = m_bus.call(call, QDBus::Block, first ? FIRST_ANSWER_MS : -1);
        if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty())
            return false;
        const QDBusArgument arg = reply.arguments().at(0).value<QDBusArgument>();
        if (arg.currentSignature() != QLatin1String("a{oa{sa{sv}}}"))
            return false;
        arg.beginMap();
        while (!arg.atEnd()) {
            QDBusObjectPath path;
            arg.beginMapEntry();
            arg >> path;
            const std::map<QString, QVariantMap> interfaces = InterfacesOf(arg);
            arg.endMapEntry();
            added(path.path(), interfaces, !first);
        }
        arg.endMap();
        return true;
    }

    std::vector<MountedVolume> volumes() const override
    {
        std::vector<MountedVolume> list;
        for (const auto &[path, object] : m_objects)
            for (MountedVolume &v : VolumesOf(object))
                list.push_back(std::move(v));
        return list;
    }
    const char *how() const override { return "udisks2"; }

private slots:
    void onInterfacesAdded(const QDBusMessage &message)
    {
        const QList<QVariant> args = message.arguments();
        if (args.size() < 2)
            return;
        added(args[0].value<QDBusObjectPath>().path(), InterfacesOf(args[1].value<QDBusArgument>()), true);
    }

    void onInterfacesRemoved(const QDBusMessage &message)
    {
        const QList<QVariant> args = message.arguments();
        if (args.size() < 2)
            return;
        const QString path = args[0].value<QDBusObjectPath>().path();
        const auto it = m_objects.find(path);
        if (it == m_objects.end())
            return;
        BlockObject now = it->second;
        const QStringList gone = args[1].toStringList();
        if (gone.contains(BLOCK)) {
            change(path, std::nullopt);
            return;
        }
        if (gone.contains(FILESYSTEM)) {
            now.hasFilesystem = false;
            now.mountPoints.clear();
        }
        change(path, now);
    }

    void onPropertiesChanged(const QDBusMessage &message)
    {
        const QList<QVariant> args = message.arguments();
        if (args.size() < 2)
            return;
        const auto it = m_objects.find(message.path());
        if (it == m_objects.end())
            return;
        BlockObject now = it->second;
        const QString interface = args[0].toString();
        const QVariantMap changed = qdbus_cast<QVariantMap>(args[1]);
        if (interface == BLOCK) {
            for (auto p = changed.begin(); p != changed.end(); ++p)
                now.block.insert(p.key(), p.value());
        } else if (interface == FILESYSTEM && changed.contains(MOUNT_POINTS)) {
            now.hasFilesystem = true;
            now.mountPoints = MountPointsOf(changed.value(MOUNT_POINTS));
        } else {
            return;
        }
        change(message.path(), now);
    }

private:
    void added(const QString &path, const std::map<QString, QVariantMap> &interfaces, bool tellIt)
    {
        if (!path.startsWith(BLOCK_PREFIX))
            return;
        const auto it = m_objects.find(path);
        BlockObject now = it == m_objects.end() ? BlockObject{} : it->second;
        if (const auto b = interfaces.find(BLOCK); b != interfaces.end())
            now.block = b->second;
        if (const auto f = interfaces.find(FILESYSTEM); f != interfaces.end()) {
            now.hasFilesystem = true;
            now.mountPoints = MountPointsOf(f->second.value(MOUNT_POINTS));
        }
        if (now.block.isEmpty() && !now.hasFilesystem)
            return; // another interface of a device udisks2 did not tell of yet
        if (tellIt) {
            change(path, now);
        } else {
            m_objects[path] = std::move(now);
        }
    }

    // The object at `path` is now `now` (nothing: gone): tells the mount
    // points that went, then those that came.
    void change(const QString &path, std::optional<BlockObject> now)
    {
        const auto it = m_objects.find(path);
        std::vector<MountedVolume> before = it == m_objects.end() ? std::vector<MountedVolume>{} : VolumesOf(it->second);
        std::vector<MountedVolume> after = now ? VolumesOf(*now) : std::vector<MountedVolume>{};
        if (now)
            m_objects[path] = std::move(*now);
        else if (it != m_objects.end())
            m_objects.erase(it);
        tell(before, after);
    }

    void tell(const std::vector<MountedVolume> &before, const std::vector<MountedVolume> &after)
    {
        auto at = [](const std::vector<MountedVolume> &list, const std::string &mountPoint) {
            return std::any_of(list.begin(), list.end(),
                               [&](const MountedVolume &v) { return v.mountPoint == mountPoint; });
        };
        for (const MountedVolume &v : before)
            if (!at(after, v.mountPoint))
                emit unmounted(v);
        for (const MountedVolume &v : after)
            if (!at(before, v.mountPoint))
                emit mounted(v);
    }

    QDBusConnection m_bus;
    std::map<QString, BlockObject> m_objects;
};

bool Answers(const QDBusConnection &bus)
{
    if (!bus.isConnected())
        return false;
    QDBusConnectionInterface *names = bus.interface();
    if (!names)
        return false;
    if (names->isServiceRegistered(SERVICE).value())
        return true;
    const QDBusReply<QStringList> activatable = names->activatableServiceNames();
    return activatable.isValid() && activatable.value().contains(SERVICE);
}

} // namespace

std::unique_ptr<MountFollower> FollowUdisks(const QDBusConnection &bus, QObject *parent)
{
    if (!Answers(bus))
        return nullptr;
    auto follower = std::make_unique<UdisksFollower>(bus, parent);
    if (!follower->askAll(true))
        return nullptr;
    return follower;
}

std::unique_ptr<MountFollower> FollowMounts(QObject *parent)
{
    // A fixture tree in place of the system has its own mount table; udisks2
    // tells of the real one.
    const std::string &root = platform::System().root();
    if (root.empty()) {
        // DBUS_SYSTEM_BUS_ADDRESS is read now, not only at the first use of
        // the system bus, so a bus set up later (by a test) is the one asked.
        const QByteArray address = qgetenv("DBUS_SYSTEM_BUS_ADDRESS");
        const QDBusConnection bus =
            address.isEmpty() ? QDBusConnection::systemBus()
                              : QDBusConnection::connectToBus(QString::fromUtf8(address),
                                                              QStringLiteral("rackmere-system-") + QString::fromUtf8(address));
        if (std::unique_ptr<MountFollower> follower = FollowUdisks(bus, parent))
            return follower;
    }
    return FollowMountInfo(root, parent);
}

} // namespace rkm

#include "UdisksFollower.moc"
