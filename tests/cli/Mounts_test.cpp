#include "catalog/CatalogStore.h"
#include "catalog/Presence.h"
#include "support/FakeUdisks.h"
#include "support/TestSupport.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <map>

namespace rkm {
namespace {

// Two listings of the four-file disk, Holiday set to be updated on mount and
// Asked to ask, known again by the UUID of the volume the fake udisks2 mounts
// at the disk's parent folder (a sub-folder listing: its folder is there whenever the volume is).
class CliMounts : public test::FourFileDiskTest {
protected:
    void SetUp() override
    {
        FourFileDiskTest::SetUp();
        ASSERT_TRUE(fake.ready());
        mountPoint = tmp.path().substr(0, tmp.path().size() - 1);
        ASSERT_EQ(Cli({"add", src, "--name", "Holiday"}).status, 0);
        ASSERT_EQ(Cli({"add", src, "--name", "Asked"}).status, 0);
        CatalogStore store(programDir);
        store.LoadCatalog();
        for (int i = 0; i < store.Tree().diskCount(); ++i) {
            TreeNode *disk = store.Tree().disk(i);
            ListingExtras extras = store.ExtrasOf(disk);
            extras[EXTRA_VOLUME_UUID] = "1A2B-3C4D";
            extras[EXTRA_ON_MOUNT] = disk->text() == "Holiday" ? "update" : "ask";
            store.SetExtras(disk, extras);
            store.SaveListing(disk, disk->disk().FileName);
            files[disk->text()] = disk->disk().FileName;
        }
        fake.addVolume("sdb1", {"1A2B-3C4D", "HOLIDAY", "vfat", 4096});
    }

    // Runs `watch` with the arguments until it follows the fake, then `act`,
    // and gives its output lines once there are `count` (or after ten
    // seconds). Ended as Ctrl+C does, it must end at once, cleanly.
    std::vector<std::string> watch(std::vector<std::string> args, const std::function<void()> &act, std::size_t count)
    {
        const int before = fake.objectsAsked();
        args.insert(args.begin(), {"--dir", programDir, "watch"});
        test::StartedProgram p(test::CliProgram(), args);
        for (int i = 0; i < 100 && fake.objectsAsked() == before; ++i)
            p.waitForFinished(100);
        EXPECT_GT(fake.objectsAsked(), before) << p.result().err;
        act();
        const std::string &out = p.result().out;
        for (int i = 0; i < 100 && std::size_t(std::count(out.begin(), out.end(), '\n')) < count; ++i)
            p.waitForFinished(100);
        p.signal(SIGINT);
        EXPECT_TRUE(p.waitForFinished(10000));
        EXPECT_EQ(p.result().status, 0) << p.result().err;
        std::vector<std::string> lines;
        for (std::string_view rest = out; rest.find('\n') != rest.npos; rest.remove_prefix(rest.find('\n') + 1))
            lines.emplace_back(rest.substr(0, rest.find('\n')));
        return lines;
    }

    test::FakeUdisks fake;
    std::string mountPoint;
    std::map<std::string, std::string> files; // by disk name
};

TEST_F(CliMounts, OnlineListsTheListingsOfMountedDisks)
{
    EXPECT_EQ(Cli({"online", "--json"}).out, "[]\n");
    fake.mount("sdb1", mountPoint);
    const test::CliResult text = Cli({"online"});
    EXPECT_EQ(text.status, 0) << text.err;
    EXPECT_EQ(text.out, "Asked\t" + mountPoint + "\nHoliday\t" + mountPoint + "\n");
    const test::CliResult json = Cli({"online", "--json"});
    EXPECT_EQ(json.status, 0) << json.err;
    const auto entry = [&](const char *name) {
        return QJsonObject{{"name", name}, {"file", QString::fromStdString(files[name])},
                           {"mountPoint", QString::fromStdString(mountPoint)}, {"uuid", "1A2B-3C4D"},
                           {"label", "HOLIDAY"}};
    };
    EXPECT_EQ(QJsonDocument::fromJson(QByteArray::fromStdString(json.out)).array(),
              (QJsonArray{entry("Asked"), entry("Holiday")})) << json.out;
}

// One line an event, known disk or not.
TEST_F(CliMounts, WatchPrintsMountsAndUnmounts)
{
    const auto events = [&] {
        fake.addVolume("sdc1", {"7777-8888", "", "exfat", 100});
        fake.mount("sdb1", mountPoint);
        fake.mount("sdc1", "/media/u/stranger");
        fake.unmount("sdb1");
        fake.remove("sdc1");
    };
    EXPECT_EQ(watch({}, events, 4),
              (std::vector<std::string>{"mounted " + mountPoint + " (HOLIDAY): Asked, Holiday",
                                        "mounted /media/u/stranger: not catalogued", "unmounted " + mountPoint,
                                        "unmounted /media/u/stranger"}));
    const std::string listings = R"([{"name":"Asked","file":")" + files["Asked"] + R"("},{"name":"Holiday","file":")" +
                                 files["Holiday"] + R"("}])";
    EXPECT_EQ(watch({"--json"}, events, 4),
              (std::vector<std::string>{
                  R"({"event":"mounted","mountPoint":")" + mountPoint +
                      R"(","uuid":"1A2B-3C4D","label":"HOLIDAY","listings":)" + listings + "}",
                  R"({"event":"mounted","mountPoint":"/media/u/stranger","uuid":"7777-8888","label":"","listings":[]})",
                  R"({"event":"unmounted","mountPoint":")" + mountPoint + R"(","uuid":"1A2B-3C4D","label":"HOLIDAY"})",
                  R"({"event":"unmounted","mountPoint":"/media/u/stranger","uuid":"7777-8888","label":""})"}));
}

// The listing set to be updated on mount is updated at once (a new listing
// file, the new file read); the one set to ask is left as it is.
TEST_F(CliMounts, WatchUpdatesKnownListingsMarkedUpdate)
{
    test::WriteBytes(src + "/new.txt", "new");
    EXPECT_EQ(watch({"--update-known"}, [&] { fake.mount("sdb1", mountPoint); }, 2),
              (std::vector<std::string>{"mounted " + mountPoint + " (HOLIDAY): Asked, Holiday", "updated Holiday"}));
    const std::vector<std::string> after = test::ListingFileNames(programDir);
    ASSERT_EQ(after.size(), 2u);
    EXPECT_NE(std::find(after.begin(), after.end(), files["Asked"]), after.end()) << "the listing set to ask changed";
    EXPECT_EQ(std::find(after.begin(), after.end(), files["Holiday"]), after.end()) << "not updated";
    const std::string found = Cli({"find", "new.txt"}).out;
    EXPECT_NE(found.find("Holiday"), std::string::npos) << found;
    EXPECT_EQ(found.find("Asked"), std::string::npos) << found;
}

// A listing of a whole volume whose disk comes back at another mount point
// is read there: the volume is known by its identity, not by its old path.
TEST_F(CliMounts, WatchUpdatesAWholeDiskMountedElsewhere)
{
    {
        CatalogStore store(programDir);
        store.LoadCatalog();
        TreeNode *holiday = store.Tree().disk(0)->text() == "Holiday" ? store.Tree().disk(0) : store.Tree().disk(1);
        holiday->disk().SerialNumber = 0x1A2B3C4D;
        holiday->disk().RootPath = "/media/u/HOLIDAY/";
        store.SaveListing(holiday, holiday->disk().FileName);
    }
    test::WriteBytes(src + "/new.txt", "new");
    const std::string at = src.back() == '/' ? src.substr(0, src.size() - 1) : src;
    EXPECT_EQ(watch({"--update-known"}, [&] { fake.mount("sdb1", at); }, 2),
              (std::vector<std::string>{"mounted " + at + " (HOLIDAY): Asked, Holiday", "updated Holiday"}));
    const std::string found = Cli({"find", "new.txt"}).out;
    EXPECT_NE(found.find("Holiday"), std::string::npos) << found;
}

} // namespace
} // namespace rkm
