// rackmere-cli update, rename and delete, run as a user runs them.
#include "catalog/CatalogStore.h"
#include "catalog/ListingFile.h"
#include "catalog/ListingStore.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <sys/stat.h>

using namespace rkm;
using rkm::test::CliResult;
namespace fs = std::filesystem;

namespace {

class CliMaintain : public test::FourFileDiskTest {
protected:
    // Saves an annotated listing of `src` with the serial number given.
    std::string SaveListing(uint32_t serial, const std::string &name = "Backup")
    {
        return test::AddListing(programDir, src, name, "disk comment", serial, [](TreeNode &disk) {
            TDisk &d = disk.disk();
            for (int i = 0; i < d.Files.count(); ++i) {
                if (d.Files.text(i, FT_NAME) == "c.txt") {
                    d.Files.setText(i, FT_DESCRIPTION, "the c file");
                    d.Files.setText(i, FT_CATEGORY, "letters");
                }
            }
            disk.child(0)->disk().Comment = "sub comment";
        });
    }

    std::vector<std::string> Files() const
    {
        std::vector<std::string> names;
        // The store beside the listings aside: what is left of listings.
        for (const auto &e : fs::directory_iterator(programDir))
            if (e.path().filename() != ListingStore::FILE_NAME)
                names.push_back(e.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }
};

TEST_F(CliMaintain, UpdateRescansAndCarriesAnnotations)
{
    const std::string old = SaveListing(0);
    fs::remove(src + "/a.txt");
    test::WriteBytes(src + "/new.txt", "n");

    const CliResult r = Cli({"update", "Backup"});
    ASSERT_EQ(r.status, 0) << r.err;
    ASSERT_FALSE(r.out.empty());
    const std::string fresh = r.out.substr(0, r.out.find('\n'));
    EXPECT_NE(fresh, old);
    EXPECT_EQ(Files(), std::vector<std::string>{fresh});

    CatalogStore store(programDir);
    EXPECT_TRUE(store.LoadCatalog().empty());
    ASSERT_EQ(store.Tree().diskCount(), 1);
    const TreeNode *disk = store.Tree().disk(0);
    EXPECT_EQ(disk->text(), "Backup");
    EXPECT_EQ(disk->disk().Comment, "disk comment");
    std::vector<std::string> shown;
    for (int i = 0; i < disk->disk().Files.count(); ++i)
        shown.push_back(std::string(disk->disk().Files.text(i, FT_NAME)) + "=" +
                        std::string(disk->disk().Files.text(i, FT_DESCRIPTION)) + "/" +
                        std::string(disk->disk().Files.text(i, FT_CATEGORY)));
    std::sort(shown.begin(), shown.end());
    EXPECT_EQ(shown, (std::vector<std::string>{"b.txt=/", "c.txt=the c file/letters", "new.txt=/"}));
    ASSERT_EQ(disk->childCount(), 1);
    EXPECT_EQ(disk->child(0)->disk().Comment, "sub comment");
}

TEST_F(CliMaintain, UpdateRefusesAnotherDiskUnlessForced)
{
    // A folder that is no volume's root has serial number 0 here.
    const std::string old = SaveListing(0xDEADBEEF);
    const std::string before = test::ReadBytes(programDir + old);

    CliResult r = Cli({"update", old});
    EXPECT_EQ(r.status, 3);
    EXPECT_NE(r.err.find("serial number"), std::string::npos) << r.err;
    EXPECT_NE(r.err.find("DEADBEEF"), std::string::npos) << r.err;
    EXPECT_TRUE(r.out.empty());
    EXPECT_EQ(Files(), std::vector<std::string>{old});
    EXPECT_EQ(test::ReadBytes(programDir + old), before);

    r = Cli({"update", old, "--force"});
    ASSERT_EQ(r.status, 0) << r.err;
    const std::string fresh = r.out.substr(0, r.out.find('\n'));
    EXPECT_EQ(Files(), std::vector<std::string>{fresh});
    CatalogStore store(programDir);
    store.LoadCatalog();
    ASSERT_EQ(store.Tree().diskCount(), 1);
    EXPECT_EQ(store.Tree().disk(0)->disk().SerialNumber, 0u) << "takes on the serial number found";
}

TEST_F(CliMaintain, UpdateRefusals)
{
    const std::string old = SaveListing(0);
    const std::string before = test::ReadBytes(programDir + old);
    struct Case {
        const char *what;
        std::vector<std::string> args;
        int status;
        bool removeDisk;
    };
    const std::vector<Case> cases = {
        {"no such listing", {"update", "Nope"}, 1, false},
        {"no listing named", {"update"}, 2, false},
        {"two listings named", {"update", "Backup", "Other"}, 2, false},
        {"unknown option", {"update", "Backup", "--frce"}, 2, false},
        {"root path gone", {"update", "Backup"}, 2, true},
        {"root path gone, forced", {"update", "Backup", "--force"}, 2, true},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        if (c.removeDisk)
            fs::remove_all(src);
        const CliResult r = Cli(c.args);
        EXPECT_EQ(r.status, c.status) << r.err;
        EXPECT_FALSE(r.err.empty());
        EXPECT_EQ(Files(), std::vector<std::string>{old});
        EXPECT_EQ(test::ReadBytes(programDir + old), before);
    }
}

TEST_F(CliMaintain, UpdateThatCannotWriteKeepsTheOldFile)
{
    const std::string old = SaveListing(0);
    const std::string before = test::ReadBytes(programDir + old);
    for (const std::string &p : {tmp.path(), src, src + "/sub"})
        ::chmod(p.c_str(), 0755);
    ::chmod((programDir + old).c_str(), 0644);
    ASSERT_EQ(::chmod(programDir.c_str(), 0555), 0);
    const CliResult r = Cli({"update", "Backup"}, true);
    ::chmod(programDir.c_str(), 0755);
    EXPECT_EQ(r.status, 5) << r.err; // the catalogue cannot be written
    EXPECT_NE(r.err.find(programDir), std::string::npos) << "names the file: " << r.err;
    EXPECT_EQ(Files(), std::vector<std::string>{old});
    EXPECT_EQ(test::ReadBytes(programDir + old), before);
}

TEST_F(CliMaintain, RenameRewritesUnderTheSameFileName)
{
    const std::string old = SaveListing(0x42);
    const std::string before = test::ReadBytes(programDir + old);

    CliResult r = Cli({"rename", "Backup", ""});
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(test::ReadBytes(programDir + old), before);
    r = Cli({"rename", "Backup"});
    EXPECT_EQ(r.status, 2);
    r = Cli({"rename", "Nope", "X"});
    EXPECT_EQ(r.status, 1);

    r = Cli({"rename", old, "Photos 2024"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(Files(), std::vector<std::string>{old});
    CatalogStore store(programDir);
    EXPECT_TRUE(store.LoadCatalog().empty());
    ASSERT_EQ(store.Tree().diskCount(), 1);
    const TreeNode *disk = store.Tree().disk(0);
    EXPECT_EQ(disk->text(), "Photos 2024");
    EXPECT_EQ(disk->disk().SerialNumber, 0x42u);
    EXPECT_EQ(disk->disk().Comment, "disk comment");
    EXPECT_EQ(disk->child(0)->disk().Comment, "sub comment");
}

TEST_F(CliMaintain, DeleteRemovesTheListingFile)
{
    const std::string first = SaveListing(0, "First");
    const std::string second = SaveListing(0, "Second");
    CliResult r = Cli({"delete", "Nope"});
    EXPECT_EQ(r.status, 1);
    r = Cli({"delete"});
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(Files().size(), 2u);

    r = Cli({"delete", "First"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(Files(), std::vector<std::string>{second});
    r = Cli({"list"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out.find("First"), std::string::npos);
    EXPECT_NE(r.out.find("Second"), std::string::npos);
}

} // namespace

// A listing whose root path was damaged, or that names a system folder while
// it was made of a stick or a CD, is neither updated nor verified without
// --force: the walk would read another place than the disk.
TEST_F(CliMaintain, UpdateAndVerifyRefuseADoubtfulRoot)
{
    const struct {
        const char *what;
        std::string root;
        int driveType;
        const char *reason;
    } cases[] = {
        {"cut at a NUL byte", std::string("/\0media/stick", 13), 2, "NUL byte"},
        {"relative", "media/stick", 2, "not a full path"},
        {"the system's root for a stick", "/", 2, "system's folder /"},
        {"a system folder for a CD", "/usr/", 5, "system's folder /usr"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        fs::remove_all(programDir);
        fs::create_directories(programDir);
        auto disk = test::MakeDisk("Stick", 1, {}, c.driveType);
        disk->disk().RootPath = c.root;
        test::WriteDisk(programDir, "7.rkm", *disk);
        const std::string before = test::ReadBytes(programDir + "7.rkm");
        for (const char *command : {"update", "verify"}) {
            const CliResult r = Cli({command, "Stick"});
            EXPECT_EQ(r.status, 3) << command << ": " << r.err;
            EXPECT_NE(r.err.find(c.reason), std::string::npos) << r.err;
            EXPECT_NE(r.err.find("--force"), std::string::npos) << r.err;
        }
        EXPECT_EQ(Files(), std::vector<std::string>{"7.rkm"});
        EXPECT_EQ(test::ReadBytes(programDir + "7.rkm"), before);
    }
    // Forced, the path up to the NUL byte is read: here the disk's own folder.
    fs::remove_all(programDir);
    fs::create_directories(programDir);
    auto disk = test::MakeDisk("Stick", 1, {}, 2);
    disk->disk().RootPath = src + std::string("\0junk", 5);
    test::WriteDisk(programDir, "7.rkm", *disk);
    EXPECT_EQ(Cli({"update", "Stick"}).status, 3);
    const CliResult r = Cli({"update", "Stick", "--force"});
    ASSERT_EQ(r.status, 0) << r.err;
    CatalogStore store(programDir);
    store.LoadCatalog();
    ASSERT_EQ(store.Tree().diskCount(), 1);
    EXPECT_EQ(store.Tree().disk(0)->disk().Files.count(), 3) << "the four-file disk's root";
}

// Thousands of shortened texts make a few lines of summary, not a line each.
TEST_F(CliMaintain, ShortenedTextsAreSummarized)
{
    auto disk = test::MakeDisk("Long", 3000);
    const std::string fits(MAX_TEXT_BYTES, 'x');
    for (int i = 0; i < 3000; ++i)
        disk->disk().Files.setText(i, FT_DESCRIPTION, fits);
    // An earlier program wrote them longer than a listing holds now.
    const std::string written = WriteListing(*disk, 0);
    std::string bytes;
    for (std::size_t from = 0;;) {
        const std::size_t at = written.find(fits, from);
        bytes.append(written, from, at == std::string::npos ? std::string::npos : at - from);
        if (at == std::string::npos)
            break;
        bytes += std::string(600, 'x');
        from = at + fits.size();
    }
    test::WriteBytes(programDir + "5.rkm", bytes);
    const CliResult r = Cli({"rename", "Long", "Longer"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_LE(std::count(r.err.begin(), r.err.end(), '\n'), 23) << r.err;
    EXPECT_NE(r.err.find("Long-file0.txt (description)"), std::string::npos) << r.err;
    EXPECT_NE(r.err.find("and 2,981 more"), std::string::npos) << r.err;
}
