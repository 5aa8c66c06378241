#include "support/FakeUdisks.h"

#include <QCoreApplication>
#include <QDBusArgument>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDeadlineTimer>
#include <QFile>

#include <gtest/gtest.h>

#include <csignal>
#include <sys/prctl.h>

namespace rkm::test {

namespace {

const QString SERVICE = QStringLiteral("org.freedesktop.UDisks2");

// A bus of the test's own, open to everyone on it, without activation.
const char BUS_CONFIG[] = R"(<!DOCTYPE busconfig PUBLIC "-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN"
 "http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd">
<busconfig>
  <type>session</type>
  <listen>unix:dir=%1</listen>
  <auth>EXTERNAL</auth>
  <policy context="default">
    <allow send_destination="*" eavesdrop="true"/>
    <allow eavesdrop="true"/>
    <allow own="*"/>
  </policy>
</busconfig>
)";

// The children end when the test process does, however it ends.
void EndWithParent(QProcess &process)
{
    process.setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGTERM); });
}

void Stop(QProcess &process)
{
    if (process.state() == QProcess::NotRunning)
        return;
    process.terminate();
    if (!process.waitForFinished(3000)) {
        process.kill();
        process.waitForFinished(3000);
    }
}

} // namespace

void EnsureApplication()
{
    if (QCoreApplication::instance())
        return;
    static int argc = 1;
    static char name[] = "rackmere-tests";
    static char *argv[] = {name, nullptr};
    // Kept to the end of the process: connections may still refer to it.
    new QCoreApplication(argc, argv);
}

bool RunUntil(const std::function<bool()> &done, int ms)
{
    EnsureApplication();
    const QDeadlineTimer deadline(ms);
    while (!done()) {
        if (deadline.hasExpired())
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        QCoreApplication::sendPostedEvents();
    }
    return true;
}

FakeUdisks::FakeUdisks()
{
    EnsureApplication();
    if (!m_dir.isValid()) {
        ADD_FAILURE() << "FakeUdisks: no temporary folder";
        return;
    }
    const QString config = m_dir.filePath(QStringLiteral("bus.conf"));
    QFile file(config);
    if (!file.open(QIODevice::WriteOnly) ||
        file.write(QString::fromLatin1(BUS_CONFIG).arg(m_dir.path()).toUtf8()) < 0) {
        ADD_FAILURE() << "FakeUdisks: cannot write " << config.toStdString();
        return;
    }
    file.close();

    EndWithParent(m_daemon);
    // As root it says it cannot raise its file limit: kept for a failure.
    const QString log = m_dir.filePath(QStringLiteral("bus.log"));
    m_daemon.setStandardErrorFile(log);
    m_daemon.start(QStringLiteral("dbus-daemon"),
                   {QStringLiteral("--config-file=") + config, QStringLiteral("--nofork"), QStringLiteral("--nopidfile"),
                    QStringLiteral("--print-address=1")});
    QByteArray line;
    const QDeadlineTimer started(10000);
    while (!line.contains('\n') && !started.hasExpired() && m_daemon.waitForReadyRead(1000))
        line += m_daemon.readAllStandardOutput();
    m_address = line.trimmed().toStdString();
    if (m_address.empty()) {
        QFile messages(log);
        messages.open(QIODevice::ReadOnly);
        ADD_FAILURE() << "FakeUdisks: dbus-daemon did not start: " << m_daemon.errorString().toStdString() << "\n"
                      << messages.readAll().toStdString();
        return;
    }
    m_hadAddress = qEnvironmentVariableIsSet("DBUS_SYSTEM_BUS_ADDRESS");
    m_previousAddress = qgetenv("DBUS_SYSTEM_BUS_ADDRESS");
    qputenv("DBUS_SYSTEM_BUS_ADDRESS", QByteArray::fromStdString(m_address));

    EndWithParent(m_service);
    m_service.setStandardOutputFile(QProcess::nullDevice()); // its log of every call
    m_service.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    m_service.start(QStringLiteral("/usr/bin/python3"),
                    {QStringLiteral("-m"), QStringLiteral("dbusmock"), QStringLiteral("--system"),
                     QStringLiteral("--template"), QStringLiteral(RACKMERE_UDISKS2_TEMPLATE)});

    m_connectionName = "rackmere-fake-udisks-" + m_address;
    const QDBusConnection connection = bus();
    if (!connection.isConnected()) {
        ADD_FAILURE() << "FakeUdisks: cannot connect to " << m_address;
        return;
    }
    const QDeadlineTimer deadline(20000);
    while (!connection.interface()->isServiceRegistered(SERVICE).value()) {
        if (deadline.hasExpired() || m_service.state() == QProcess::NotRunning) {
            ADD_FAILURE() << "FakeUdisks: python3-dbusmock did not start as udisks2";
            return;
        }
        m_service.waitForFinished(50);
    }
    m_ready = true;
}

FakeUdisks::~FakeUdisks()
{
    if (!m_connectionName.empty())
        QDBusConnection::disconnectFromBus(QString::fromStdString(m_connectionName));
    Stop(m_service);
    Stop(m_daemon);
    if (!m_address.empty()) {
        if (m_hadAddress)
            qputenv("DBUS_SYSTEM_BUS_ADDRESS", m_previousAddress);
        else
            qunsetenv("DBUS_SYSTEM_BUS_ADDRESS");
    }
}

QDBusConnection FakeUdisks::bus() const
{
    return QDBusConnection::connectToBus(QString::fromStdString(m_address), QString::fromStdString(m_connectionName));
}

int FakeUdisks::objectsAsked()
{
    QDBusMessage message = QDBusMessage::createMethodCall(SERVICE, QStringLiteral("/org/freedesktop/UDisks2"),
                                                          QStringLiteral("org.freedesktop.DBus.Mock"),
                                                          QStringLiteral("GetMethodCalls"));
    message.setArguments({QStringLiteral("GetManagedObjects")});
    const QDBusMessage reply = bus().call(message, QDBus::Block, 10000);
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty())
        return -1;
    // a(tav): one entry a call.
    const QDBusArgument calls = reply.arguments().at(0).value<QDBusArgument>();
    int count = 0;
    calls.beginArray();
    while (!calls.atEnd()) {
        calls.asVariant();
        ++count;
    }
    calls.endArray();
    return count;
}

bool FakeUdisks::call(const char *method, const QList<QVariant> &args)
{
    if (!m_ready) {
        ADD_FAILURE() << "FakeUdisks::" << method << ": the fake udisks2 is not running";
        return false;
    }
    QDBusMessage message = QDBusMessage::createMethodCall(SERVICE, QStringLiteral("/org/freedesktop/UDisks2"),
                                                          QStringLiteral("org.freedesktop.DBus.Mock"),
                                                          QString::fromLatin1(method));
    message.setArguments(args);
    const QDBusMessage reply = bus().call(message, QDBus::Block, 10000);
    if (reply.type() == QDBusMessage::ReplyMessage)
        return true;
    ADD_FAILURE() << "FakeUdisks::" << method << ": " << reply.errorName().toStdString() << ": "
                  << reply.errorMessage().toStdString();
    return false;
}

void FakeUdisks::addVolume(const std::string &name, const Volume &volume)
{
    const std::string device = volume.device.empty() ? "/dev/" + name : volume.device;
    call("AddVolume", {QString::fromStdString(name), QString::fromStdString(volume.uuid),
                       QString::fromStdString(volume.label), QString::fromStdString(volume.fsType),
                       QVariant::fromValue(static_cast<qulonglong>(volume.bytes)), QString::fromStdString(device),
                       volume.hintSystem, volume.hintIgnore});
}

void FakeUdisks::mount(const std::string &name, const std::string &mountPoint)
{
    call("Mount", {QString::fromStdString(name), QString::fromStdString(mountPoint)});
}

void FakeUdisks::unmount(const std::string &name)
{
    call("Unmount", {QString::fromStdString(name)});
}

void FakeUdisks::remove(const std::string &name)
{
    call("RemoveVolume", {QString::fromStdString(name)});
}

} // namespace rkm::test
