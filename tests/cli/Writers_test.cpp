// One writer at a time: rackmere-cli and the catalogue's writer lock, twenty
// adds at once, and the catalogue folder itself.
#include "catalog/CatalogStore.h"
#include "catalog/WriterLock.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <memory>
#include <set>
#include <sys/wait.h>
#include <unistd.h>

using namespace rkm;
using namespace rkm::test;
namespace fs = std::filesystem;

namespace {

class Writers : public ::testing::Test {
protected:
    void SetUp() override
    {
        WriteBytes(disk + "/sub/b.txt", "b");
        fs::create_directories(dir);
        listing = AddListing(dir, disk, "Backup", "", 0);
        bytes = ReadBytes(dir + listing);
    }
    StartedProgram *Start(const std::vector<std::string> &args)
    {
        std::vector<std::string> all{"--dir", dir};
        all.insert(all.end(), args.begin(), args.end());
        return m_processes.emplace_back(std::make_unique<StartedProgram>(CliProgram(), all)).get();
    }
    std::size_t Listings() const
    {
        return static_cast<std::size_t>(std::count_if(fs::directory_iterator(dir), {},
                                                      [](auto &e) { return e.path().extension() == ".rkm"; }));
    }

    TempDir tmp;
    const std::string disk = tmp.file("disk"), dir = tmp.file("catalog/");
    std::string listing, bytes;
    std::vector<std::unique_ptr<StartedProgram>> m_processes;
};

} // namespace

// While another program holds the lock, every command that writes changes
// nothing and ends with 4; every command that reads runs.
TEST_F(Writers, WriteCommandsWaitForNoOneAndReadCommandsRun)
{
    WriterLock held(dir); // as the desktop program holds it
    ASSERT_EQ(held.take(), WriterLock::State::Held);
    const std::string busy = "The catalogue in " + dir + " is in use by Rackmere (process " +
                             std::to_string(::getpid()) + ")";
    const std::vector<std::vector<std::string>> writers = {{"add", disk, "--name", "Other"},
                                                           {"update", "Backup"},
                                                           {"rename", "Backup", "New"},
                                                           {"describe", "Backup", "sub/b.txt", "--description",
                                                            "letter"},
                                                           {"delete", "Backup"},
                                                           {"update", "Backup", "--wait", "0.2"}};
    for (const auto &args : writers) {
        const CliResult r = RunCli(args, {.programDir = dir});
        EXPECT_EQ(r.status, 4) << args[0] << ": " << r.err;
        EXPECT_NE(r.err.find(busy), std::string::npos) << r.err;
    }
    for (const auto &args : std::vector<std::vector<std::string>>{
             {"list"}, {"show", "Backup"}, {"find", "b"}, {"print", "Backup", "--preview-png", tmp.file("p.png")}})
        EXPECT_EQ(RunCli(args, {.programDir = dir}).status, 0) << args[0];
    EXPECT_EQ(Listings(), 1u);
    EXPECT_EQ(ReadBytes(dir + listing), bytes);
    EXPECT_EQ(RunCli({"list", "--wait", "1"}, {.programDir = dir}).status, 2); // --wait is for writers
}

// --wait waits until the holder lets go; a lock whose process is gone is
// taken over at once.
TEST_F(Writers, WaitForTheLockAndTakeOverAStaleOne)
{
    auto held = std::make_unique<WriterLock>(dir);
    ASSERT_EQ(held->take(), WriterLock::State::Held);
    StartedProgram *rename = Start({"rename", "Backup", "Waited", "--wait", "60"});
    EXPECT_FALSE(rename->waitForFinished(1500)); // still waiting
    held.reset();
    ASSERT_TRUE(rename->waitForFinished(60000));
    EXPECT_EQ(rename->result().status, 0);

    const pid_t pid = ::fork(); // takes the lock and dies without letting go
    if (pid == 0)
        ::_exit(WriterLock(dir).take() == WriterLock::State::Held ? 0 : 1);
    int status = 1;
    ::waitpid(pid, &status, 0);
    ASSERT_EQ(status, 0);
    ASSERT_TRUE(fs::exists(dir + WriterLock::FILE_NAME));
    EXPECT_EQ(RunCli({"rename", "Waited", "Taken over"}, {.programDir = dir}).status, 0);
    EXPECT_NE(RunCli({"show", "Taken over"}, {.programDir = dir}).out.find("Taken over"), std::string::npos);
}

TEST_F(Writers, TwentyAddsAtOnceMakeTwentyListings)
{
    for (int i = 0; i < 20; ++i)
        Start({"add", disk, "--name", "Disk " + std::to_string(i), "--wait", "120"});
    std::set<std::string> names;
    for (auto &p : m_processes) {
        ASSERT_TRUE(p->waitForFinished(180000));
        EXPECT_EQ(p->result().status, 0) << p->result().err;
        names.insert(p->result().out.substr(0, p->result().out.find_last_not_of(" \n") + 1));
    }
    EXPECT_EQ(names.size(), 20u);
    EXPECT_EQ(Listings(), 21u);
}

// A catalogue folder named by --dir or RACKMERE_DIR must be a folder; only a
// command that writes makes a missing one.
TEST_F(Writers, TheCatalogueFolder)
{
    const std::string missing = tmp.file("missing/catalog"), file = tmp.file("hostname");
    WriteBytes(file, "host\n");
    struct Case {
        std::vector<std::string> args;
        std::string envDir;
        int status;
        std::string named;
    } cases[] = {
        {{"--dir", missing, "list"}, {}, 2, missing},
        {{"find", "x"}, missing, 2, missing},
        {{"list"}, file, 2, file},
        {{"--dir", file, "add", disk, "--name", "X"}, {}, 2, file},
        {{"--dir", missing, "add", disk, "--name", "X"}, {}, 0, ""},
    };
    for (const Case &c : cases) {
        const CliResult r = RunCli(c.args, {.env = {{"RACKMERE_DIR", c.envDir}}});
        EXPECT_EQ(r.status, c.status) << c.args.back() << ": " << r.err;
        EXPECT_NE(r.err.find(c.named), std::string::npos) << r.err;
        EXPECT_EQ(fs::is_directory(missing), c.status == 0);
    }
    EXPECT_EQ(ReadBytes(file), "host\n");
}

// A catalogue that cannot be written (a read-only folder, no lock file to be
// made): commands that write change nothing and end with 5; readers run.
TEST_F(Writers, ACatalogueThatCannotBeWrittenEndsWritersWithFive)
{
    struct Case {
        const char *what;
        std::function<void()> make, undo;
        bool asNobody;
    } cases[] = {
        {"lock file name taken by a folder", [&] { fs::create_directory(dir + WriterLock::FILE_NAME); },
         [&] { fs::remove(dir + WriterLock::FILE_NAME); }, false},
        {"read-only folder",
         [&] {
             for (const std::string &p : {tmp.path(), disk, disk + "/sub"})
                 fs::permissions(p, fs::perms(0755));
             fs::permissions(dir + listing, fs::perms(0644));
             fs::permissions(dir, fs::perms(0555));
         },
         [&] { fs::permissions(dir, fs::perms(0755)); }, true},
    };
    const std::vector<std::vector<std::string>> writers = {
        {"add", disk, "--name", "Other"}, {"update", "Backup"}, {"rename", "Backup", "New"}, {"delete", "Backup"}};
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        c.make();
        for (const auto &args : writers) {
            const CliResult r = RunCli(args, {.programDir = dir, .asNobody = c.asNobody});
            EXPECT_EQ(r.status, 5) << args[0] << ": " << r.err;
            EXPECT_NE(r.err.find("The catalogue in " + dir + " cannot be written: "), std::string::npos) << r.err;
        }
        const CliResult list = RunCli({"list"}, {.programDir = dir, .asNobody = c.asNobody});
        EXPECT_EQ(list.status, 0) << list.err;
        EXPECT_NE(list.out.find("Backup"), std::string::npos);
        c.undo();
        EXPECT_EQ(Listings(), 1u);
        EXPECT_EQ(ReadBytes(dir + listing), bytes);
    }
}

// Updates in a loop in one program, listings in a loop in another: every
// list shows the disk exactly once.
TEST_F(Writers, ReadersRacingUpdatesSeeEachDiskOnce)
{
    const std::string loop = "end=$(( $(date +%s) + 5 )); while [ $(date +%s) -lt $end ]; do \"$0\" --dir \"$1\" "
                             "update Backup >/dev/null || exit 1; done";
    StartedProgram updates("/bin/sh", {"-c", loop, CliProgram(), dir});
    int lists = 0;
    while (!updates.waitForFinished(0)) {
        const CliResult r = RunCli({"list", "--json"}, {.programDir = dir});
        ASSERT_EQ(r.status, 0) << r.err;
        std::size_t seen = 0;
        for (std::size_t at = r.out.find("\"Backup\""); at != std::string::npos; at = r.out.find("\"Backup\"", at + 1))
            ++seen;
        ASSERT_EQ(seen, 1u) << "list " << lists << ":\n" << r.out;
        ++lists;
    }
    EXPECT_EQ(updates.result().status, 0) << updates.result().err;
    EXPECT_GT(lists, 5);
    EXPECT_EQ(Listings(), 1u);
}
