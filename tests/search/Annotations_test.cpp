#include "catalog/ListingStore.h"
#include "catalog/CatalogStore.h"
#include "platform/Text.h"
#include "catalog/Errors.h"
#include "search/Annotations.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <QDir>

#include <sys/stat.h>

using namespace rkm;
using rkm::test::TempDir;

namespace {

ino_t InodeOf(const std::string &path)
{
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 ? st.st_ino : 0;
}

QStringList FilesIn(const std::string &dir)
{
    return QDir(QString::fromStdString(dir)).entryList(QDir::Files | QDir::Hidden, QDir::Name);
}

struct Fixture {
    TempDir dir;
    CatalogStore store{dir.path()};
    TreeNode *disk;
    Fixture(std::vector<std::string> categories = {"Docs", "Music"})
    {
        store.Categories() = std::move(categories);
        store.SaveCategories();
        store.serialSource = [](const TDisk &) { return 0u; };
        disk = store.Tree().appendDisk("Disk");
        disk->disk().Files.append(FileEntry{"a.txt", "old text", "01/02/2020", "1 bytes", "Docs"});
        disk->disk().Files.append(FileEntry{"b.txt", "", "01/02/2020", "2 bytes", ""});
        store.SaveListing(disk);
        disk->disk().Modified = false;
    }
    std::string catFile() const { return dir.file(CATEGORY_FILE); }
    const FileList &files() const { return disk->disk().Files; }
};

} // namespace

TEST(OneLineText, LineBreaksBecomeOneSpaceEach)
{
    const std::pair<std::string, std::string> cases[] = {
        {"plain", "plain"},       {"a\r\nb", "a b"},   {"a\nb\rc", "a b c"},  {"a\n\nb", "a  b"},
        {"\r\n", " "},            {"end\r", "end "},   {"", ""},              {"\n\r", "  "},
    };
    for (const auto &[in, out] : cases)
        EXPECT_EQ(platform::OneLineText(in), out) << in;
}

TEST(SetEntryAnnotations, OkWithoutChangeKeepsListingAndCategoryFile)
{
    Fixture f;
    const ino_t before = InodeOf(f.catFile());
    EXPECT_FALSE(SetEntryAnnotations(f.store, f.disk->disk(), 0, "old text", "Docs"));
    EXPECT_FALSE(f.disk->disk().IsModified());
    EXPECT_EQ(f.store.Categories(), (std::vector<std::string>{"Docs", "Music"}));
    EXPECT_EQ(InodeOf(f.catFile()), before);
}

TEST(SetEntryAnnotations, CategoryInOtherLetterCaseIsStoredAsTypedButNotAddedTwice)
{
    Fixture f;
    const ino_t before = InodeOf(f.catFile());
    EXPECT_TRUE(SetEntryAnnotations(f.store, f.disk->disk(), 0, "old text", "MUSIC"));
    EXPECT_EQ(f.files().text(0, FT_CATEGORY), "MUSIC");
    EXPECT_TRUE(f.disk->disk().IsModified());
    EXPECT_EQ(f.store.Categories(), (std::vector<std::string>{"Docs", "Music"}));
    EXPECT_EQ(InodeOf(f.catFile()), before);
}

TEST(SetEntryAnnotations, NewCategoryIsAppendedAndWrittenAtOnceByReplacingTheFile)
{
    Fixture f;
    const ino_t before = InodeOf(f.catFile());
    EXPECT_TRUE(SetEntryAnnotations(f.store, f.disk->disk(), 0, "new text", "Games"));
    EXPECT_EQ(f.files().text(0, FT_DESCRIPTION), "new text");
    EXPECT_EQ(f.store.Categories(), (std::vector<std::string>{"Docs", "Music", "Games"}));
    EXPECT_EQ(test::ReadBytes(f.catFile()), "Docs\r\nMusic\r\nGames\r\n");
    // Written beside and renamed over the old file: a new file, nothing left over.
    EXPECT_NE(InodeOf(f.catFile()), before);
    for (const QString &name : FilesIn(f.dir.path()))
        EXPECT_TRUE(name == "DATA.CAT" || name == ListingStore::FILE_NAME || name.endsWith(".rkm"))
            << name.toStdString();
}

TEST(SetEntryAnnotations, EmptyCategoryIsAddedOnceAndReadsBack)
{
    Fixture f;
    EXPECT_FALSE(SetEntryAnnotations(f.store, f.disk->disk(), 1, "", ""));
    EXPECT_FALSE(f.disk->disk().IsModified());
    EXPECT_EQ(f.store.Categories(), (std::vector<std::string>{"Docs", "Music", ""}));
    EXPECT_EQ(ParseCategories(test::ReadBytes(f.catFile())), f.store.Categories());
    SetEntryAnnotations(f.store, f.disk->disk(), 1, "", "");
    EXPECT_EQ(f.store.Categories().size(), 3u);
}

TEST(SetEntryAnnotations, LineBreaksAreStoredAsSpacesAndTheListingReadsBack)
{
    Fixture f;
    EXPECT_TRUE(SetEntryAnnotations(f.store, f.disk->disk(), 1, "two\r\nlines", "new\ncat"));
    EXPECT_EQ(f.files().text(1, FT_DESCRIPTION), "two lines");
    EXPECT_EQ(f.files().text(1, FT_CATEGORY), "new cat");
    EXPECT_EQ(f.store.Categories().back(), "new cat");
    f.store.SaveModifiedListings();

    CatalogStore again(f.dir.path());
    EXPECT_TRUE(again.LoadCatalog().empty());
    ASSERT_EQ(again.Tree().diskCount(), 1);
    const FileList &files = again.Tree().disk(0)->disk().Files;
    ASSERT_EQ(files.count(), 2);
    EXPECT_EQ(files.entryCopy(1), (FileEntry{"b.txt", "two lines", "01/02/2020", "2 bytes", "new cat"}));
    EXPECT_EQ(again.Categories(), f.store.Categories());
}

TEST(SetEntryAnnotations, UnwritableCategoryFileKeepsTheEditInMemory)
{
    Fixture f;
    // A folder where the file should go cannot be replaced by a file, not even by root.
    ASSERT_EQ(std::remove(f.catFile().c_str()), 0);
    ASSERT_TRUE(QDir().mkdir(QString::fromStdString(f.catFile())));
    EXPECT_THROW(SetEntryAnnotations(f.store, f.disk->disk(), 0, "kept", "Games"), RackmereError);
    EXPECT_EQ(f.files().text(0, FT_DESCRIPTION), "kept");
    EXPECT_EQ(f.files().text(0, FT_CATEGORY), "Games");
    EXPECT_TRUE(f.disk->disk().IsModified());
    EXPECT_EQ(f.store.Categories().back(), "Games");
}
