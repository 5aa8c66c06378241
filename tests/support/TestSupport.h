#pragma once

#include "catalog/Disks.h"
#include "search/Finder.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <sys/types.h>
#include <utility>
#include <vector>

namespace rkm::test {

// A temporary folder that goes away with the test.
class TempDir final {
public:
    TempDir();
    // The folder's path, ending with '/'.
    std::string path() const;
    std::string file(std::string_view name) const { return path() + std::string(name); }

private:
    QTemporaryDir m_dir;
};

// Writes a file whole, making the folders above it when missing.
void WriteBytes(const std::string &path, std::string_view bytes);
std::string ReadBytes(const std::string &path);
void MakeDirs(const std::string &path);

// Little-endian 32-bit word as four bytes, for spelling out file contents.
std::string Word(int32_t value);
// A counted text: length word then the bytes.
std::string Counted(std::string_view text);

// Running a program as a user would, from a shell.
struct RunOptions {
    // rackmere-cli only: the program folder, given as --dir before the arguments.
    std::string programDir{};
    // Set for the program, over the test's own environment. RACKMERE_DIR is
    // never passed on unless it is given here.
    std::vector<std::pair<std::string, std::string>> env{};
    // Gives up root first, so that a read-only folder is read-only.
    bool asNobody = false;
    // The folder the program starts in (the test's own when empty).
    std::string workingDirectory{};
};

struct CliResult {
    int status = -1;        // -1 when the program crashed or did not end
    bool finished = false;  // ended within two minutes
    std::string out;
    std::string err;
};

CliResult RunProgram(const std::string &program, const std::vector<std::string> &args,
                     const RunOptions &options = {});

// A program started and not waited for yet, for tests that run several at
// once. It is killed if it still runs when this goes.
class StartedProgram final {
public:
    StartedProgram(const std::string &program, const std::vector<std::string> &args, const RunOptions &options = {});
    ~StartedProgram();
    StartedProgram(const StartedProgram &) = delete;
    StartedProgram &operator=(const StartedProgram &) = delete;
    // Reads its output while waiting up to `ms` for it to end; true once it has.
    bool waitForFinished(int ms);
    // Sends it a signal (SIGINT, SIGTERM) while it runs.
    void signal(int sig);
    // What it wrote so far; the status once it has ended (-1 while it runs, and
    // when it crashed or could not be started).
    const CliResult &result() const { return m_result; }

private:
    pid_t m_pid = -1;
    int m_out = -1, m_err = -1, m_pidfd = -1;
    bool m_outOpen = true, m_errOpen = true;
    CliResult m_result;
};
// The rackmere-cli that was built with the tests.
CliResult RunCli(const std::vector<std::string> &args, const RunOptions &options = {});
// Its path, for a test that starts several at once.
std::string CliProgram();

// ---- Seeds of randomised tests and the CLI tests' four-file disk ----

// The seed of a randomised test: RACKMERE_TEST_SEED when it is set (to repeat
// a failed run), else `fallback`. The seed is printed and kept as the test's
// "seed" property in its XML report.
uint32_t TestSeed(uint32_t fallback);
// As TestSeed, but a new seed each run unless RACKMERE_TEST_SEED is set.
uint32_t FreshTestSeed();

// A folder `src` of four files to catalogue (a.txt, b.txt, c.txt and
// sub/d.txt, each holding its own name) and an empty program folder
// `programDir` (ending with '/'), both in a temporary folder.
class FourFileDiskTest : public ::testing::Test {
protected:
    void SetUp() override;
    // rackmere-cli over the program folder, as nobody when `unprivileged`; it
    // must end within two minutes.
    CliResult Cli(const std::vector<std::string> &args, bool unprivileged = false) const;

    TempDir tmp;
    std::string src, programDir;
};

// ---- end of the seeds and the four-file disk ----

// Listings written by the catalogue's own writer.
struct FolderSpec {
    std::string name;
    int files = 0;
};

// A disk named `name` mounted at /media/<name> with `rootFiles` files in its
// root and the given folders; file i of a node is "<node>-file<i>.txt".
std::unique_ptr<TreeNode> MakeDisk(const std::string &name, int rootFiles, const std::vector<FolderSpec> &folders = {},
                                   int driveType = 3);
void AddFile(TreeNode *n, std::string name, std::string desc = {}, std::string cat = {});
// Writes the listing of `disk` to `dir` + `fileName`.
void WriteDisk(const std::string &dir, const std::string &fileName, const TreeNode &disk);
// Catalogues `folder` into the program folder as Add new does, with the
// serial number given; `annotate` may edit the disk before it is written.
// Returns the listing's file name.
std::string AddListing(const std::string &programDir, const std::string &folder, const std::string &name,
                       const std::string &comment, uint32_t serial,
                       const std::function<void(TreeNode &)> &annotate = {});

// The listing files (*.rkm) of a folder, in name order.
std::vector<std::string> ListingFileNames(const std::string &dir);

// A match as "Disk/Folder/name" (a folder's path ends with '/').
std::string HitPath(const SearchHit &hit);
// Every match that a new search and repeated Find next visit, in order (at
// most 100, so that a search that does not move on ends).
std::vector<std::string> FindNextPaths(const Catalog &tree, const SearchOptions &options);

} // namespace rkm::test

// --- A fake system for SystemView ------------------------------------------

namespace rkm::test {

// One line of a fake mount table.
struct FakeMount {
    std::string mountPoint; // as the user sees it (escaped when written)
    std::string fsType;
    std::string source;
    std::string device = "0:0"; // major:minor
};

// A system tree below a folder, for a SystemView (or SetSystemRoot) to read
// instead of the real one: the mount table, the folders a test looks at, and
// the files and links of /sys and /dev/disk.
class FakeSystemRoot final {
public:
    explicit FakeSystemRoot(std::string root);
    const std::string &root() const { return m_root; }

    // proc/self/mountinfo: the mounts in order, the first the parent of the
    // others; or the table's text as it is.
    void mounts(const std::vector<FakeMount> &table) const;
    void mountInfo(std::string_view text) const;
    // Folders, files and symbolic links below the root (`path` absolute in it).
    void folders(const std::vector<std::string> &paths) const;
    void file(const std::string &path, std::string_view text) const;
    void link(const std::string &path, const std::string &target) const;
    // A block device `disk` (dev "major:minor") at the sysfs folder `host`,
    // with its removable flag and partitions (name, dev), reachable as
    // /sys/block, /sys/class/block and /sys/dev/block show it.
    void disk(const std::string &host, const std::string &disk, const std::string &dev, const std::string &removable,
              const std::vector<std::pair<std::string, std::string>> &parts = {}) const;

private:
    std::string m_root;
};

} // namespace rkm::test
