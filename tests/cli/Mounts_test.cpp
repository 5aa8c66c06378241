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

using test::FakeUdisks;

// A listing of the four-file disk, known again by the UUID of the volume the
// fake udisks2 mounts at the disk's parent folder (a sub-folder listing: its
// folder is there whenever the volume is).
class CliMounts : public test::FourFileDiskTest {
protected:
    void SetUp() override
    {
        FourFileDiskTest::SetUp();
        ASSERT_TRUE(fake.ready());
        mountPoint = tmp.path().substr(0, tmp.path().size() - 1);
        ASSERT_EQ(Cli({"add", src, "--name", "Holiday"}).status, 0);
        ASSERT_EQ(Cli({"add", src, "--name", "Asked"}).status, 0);
        mark("Holiday", "update");
        mark("Asked", "ask");
        fake.addVolume("sdb1", {"1A2B-3C4D", "HOLIDAY", "vfat", 4096});
    }

    void mark(const std::string &name, const char *onMount)
    {
        CatalogStore store(programDir);
        store.LoadCatalog();
        for (int i = 0; i < store.Tree().diskCount(); ++i) {
            TreeNode *disk = store.Tree().disk(i);
            if (disk->text() != name)
                continue;
            ListingExtras extras = store.ExtrasOf(disk);
            extras[EXTRA_VOLUME_UUID] = "1A2B-3C4D";
            extras[EXTRA_ON_MOUNT] = onMount;
            store.SetExtras(disk, extras);
            store.SaveListing(disk, disk->disk().FileName);
            files[name] = disk->disk().FileName;
        }
    }

    // Starts `watch` with the arguments and waits until it follows the fake.
    std::unique_ptr<test::StartedProgram> watch(const std::vector<std::string> &args)
    {
        const int before = fake.objectsAsked();
        std::vector<std::string> all{"--dir", programDir, "watch"};
        all.insert(all.end(), args.begin(), args.end());
        auto p = std::make_unique<test::StartedProgram>(test::CliProgram(), all);
        for (int i = 0; i < 100 && fake.objectsAsked() == before; ++i)
            p->waitForFinished(100);
        EXPECT_GT(fake.objectsAsked(), before) << p->result().err;
        return p;
    }

    // Its output once it holds `lines` lines (or after ten seconds).
    static std::vector<std::string> Lines(test::StartedProgram &p, std::size_t lines)
    {
        for (int i = 0; i < 100; ++i) {
            const std::string &out = p.result().out;
            if (static_cast<std::size_t>(std::count(out.begin(), out.end(), '\n')) >= lines)
                break;
            p.waitForFinished(100);
        }
        std::vector<std::string> list;
        std::string_view out = p.result().out;
        for (std::size_t end; (end = out.find('\n')) != std::string_view::npos; out.remove_prefix(end + 1))
            list.emplace_back(out.substr(0, end));
        return list;
    }

    // Ends it as Ctrl+C does; it must end at once, cleanly.
    static void End(test::StartedProgram &p)
    {
        p.signal(SIGINT);
        ASSERT_TRUE(p.waitForFinished(10000));
        EXPECT_EQ(p.result().status, 0) << p.result().err;
    }

    FakeUdisks fake;
    std::string mountPoint;
    std::map<std::string, std::string> files; // by disk name
};

TEST_F(CliMounts, OnlineListsTheListingsOfMountedDisks)
{
    const test::CliResult none = Cli({"online", "--json"});
    EXPECT_EQ(none.status, 0) << none.err;
    EXPECT_EQ(none.out, "[]\n");

    fake.mount("sdb1", mountPoint);
    const test::CliResult text = Cli({"online"});
    EXPECT_EQ(text.status, 0) << text.err;
    EXPECT_EQ(text.out, "Asked\t" + mountPoint + "\nHoliday\t" + mountPoint + "\n");

    const test::CliResult json = Cli({"online", "--json"});
    ASSERT_EQ(json.status, 0) << json.err;
    const QJsonArray list = QJsonDocument::fromJson(QByteArray::fromStdString(json.out)).array();
    ASSERT_EQ(list.size(), 2) << json.out;
    const QJsonObject holiday = list[1].toObject();
    EXPECT_EQ(holiday["name"].toString(), "Holiday");
    EXPECT_TRUE(holiday["file"].toString().endsWith(".rkm"));
    EXPECT_EQ(holiday["mountPoint"].toString().toStdString(), mountPoint);
    EXPECT_EQ(holiday["uuid"].toString(), "1A2B-3C4D");
    EXPECT_EQ(holiday["label"].toString(), "HOLIDAY");
}

// One line an event, known disk or not, until Ctrl+C ends it.
TEST_F(CliMounts, WatchPrintsMountsAndUnmounts)
{
    fake.addVolume("sdc1", {"7777-8888", "", "exfat", 100});
    for (const bool json : {false, true}) {
        const std::unique_ptr<test::StartedProgram> p = watch(json ? std::vector<std::string>{"--json"}
                                                                   : std::vector<std::string>{});
        fake.mount("sdb1", mountPoint);
        fake.mount("sdc1", "/media/u/stranger");
        fake.unmount("sdb1");
        fake.remove("sdc1");
        const std::vector<std::string> lines = Lines(*p, 4);
        End(*p);
        fake.addVolume("sdc1", {"7777-8888", "", "exfat", 100});
        const std::vector<std::string> expected =
            json ? std::vector<std::string>{
                       R"({"event":"mounted","mountPoint":")" + mountPoint +
                           R"(","uuid":"1A2B-3C4D","label":"HOLIDAY","listings":[{"name":"Asked","file":")" +
                           files["Asked"] + R"("},{"name":"Holiday","file":")" + files["Holiday"] + R"("}]})",
                       R"({"event":"mounted","mountPoint":"/media/u/stranger","uuid":"7777-8888","label":"","listings":[]})",
                       R"({"event":"unmounted","mountPoint":")" + mountPoint + R"(","uuid":"1A2B-3C4D","label":"HOLIDAY"})",
                       R"({"event":"unmounted","mountPoint":"/media/u/stranger","uuid":"7777-8888","label":""})"}
                 : std::vector<std::string>{"mounted " + mountPoint + " (HOLIDAY): Asked, Holiday",
                                            "mounted /media/u/stranger: not catalogued",
                                            "unmounted " + mountPoint + " (HOLIDAY)",
                                            "unmounted /media/u/stranger"};
        EXPECT_EQ(lines, expected) << "json " << json;
    }
}

// A listing set to be updated on mount is updated at once (a new listing
// file, the new file read), one set to ask is left as it is.
TEST_F(CliMounts, WatchUpdatesKnownListingsMarkedUpdate)
{
    test::WriteBytes(src + "/new.txt", "new");
    const std::unique_ptr<test::StartedProgram> p = watch({"--update-known"});
    fake.mount("sdb1", mountPoint);
    const std::vector<std::string> lines = Lines(*p, 2);
    End(*p);
    EXPECT_EQ(lines, (std::vector<std::string>{"mounted " + mountPoint + " (HOLIDAY): Asked, Holiday", "updated Holiday"}))
        << p->result().err;
    const std::vector<std::string> after = test::ListingFileNames(programDir);
    ASSERT_EQ(after.size(), 2u);
    EXPECT_NE(std::find(after.begin(), after.end(), files["Asked"]), after.end()) << "the listing set to ask changed";
    EXPECT_EQ(std::find(after.begin(), after.end(), files["Holiday"]), after.end()) << "not updated";
    const test::CliResult found = Cli({"find", "new.txt"});
    EXPECT_NE(found.out.find("Holiday"), std::string::npos) << found.out;
    EXPECT_EQ(found.out.find("Asked"), std::string::npos) << found.out;
}

} // namespace
} // namespace rkm
