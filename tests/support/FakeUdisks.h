#pragma once

// A udisks2 of the test's own: a private D-Bus daemon with python-dbusmock
// playing org.freedesktop.UDisks2 on it (tests/support/udisks2_template.py).
// While it lives, DBUS_SYSTEM_BUS_ADDRESS names its bus, so the test process
// and the programs it starts find it as their system bus; the machine's own
// bus is never used. Both processes end with it (and with the test process,
// should it die first).
//
//   FakeUdisks fake;
//   fake.addVolume("sdb1", {"1A2B-3C4D", "USB DISK", "vfat", 8'000'000'000});
//   fake.mount("sdb1", "/media/u/USB DISK");
//   RunUntil([&] { return seen; });
//   fake.unmount("sdb1");
//   fake.remove("sdb1");

#include <QDBusConnection>
#include <QProcess>
#include <QTemporaryDir>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

namespace rkm::test {

class FakeUdisks final {
public:
    struct Volume {
        std::string uuid;
        std::string label;
        std::string fsType = "vfat";
        uint64_t bytes = 0;
        std::string device = {}; // "/dev/<name>" when empty
        bool hintSystem = false;
        bool hintIgnore = false;
    };

    // Starts the bus and the service; ready() tells whether they run (the
    // test fails with the reason when they do not).
    FakeUdisks();
    ~FakeUdisks();
    FakeUdisks(const FakeUdisks &) = delete;
    FakeUdisks &operator=(const FakeUdisks &) = delete;

    bool ready() const { return m_ready; }
    // The bus's address, as DBUS_SYSTEM_BUS_ADDRESS holds it now.
    const std::string &address() const { return m_address; }
    // A connection of the test process to that bus.
    QDBusConnection bus() const;

    // Each call fails the test when the service refuses it.
    // A block device `name` ("sdb1") holding a file system, not mounted.
    void addVolume(const std::string &name, const Volume &volume);
    // Mounts it at `mountPoint` too.
    void mount(const std::string &name, const std::string &mountPoint);
    // Takes all its mount points away.
    void unmount(const std::string &name);
    // The device goes (pulled out).
    void remove(const std::string &name);
    // How many times a client asked for all of udisks2's objects: a program
    // follows the mounts once it has (it listens first, then asks).
    int objectsAsked();

private:
    bool call(const char *method, const QList<QVariant> &args);

    QTemporaryDir m_dir;
    QProcess m_daemon, m_service;
    std::string m_address, m_connectionName;
    QByteArray m_previousAddress;
    bool m_hadAddress = false;
    bool m_ready = false;
};

// Runs the event loop until `done` holds, at most `ms`; returns whether it
// holds. Makes the test's QCoreApplication when there is none yet.
bool RunUntil(const std::function<bool()> &done, int ms = 5000);
// The application object the event loop needs (made once, when missing).
void EnsureApplication();

} // namespace rkm::test
