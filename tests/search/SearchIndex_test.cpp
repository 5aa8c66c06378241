// The search index answers as a search of the loaded catalogue does, and
// never from a listing it no longer holds or from a damaged file of its own.
#include "catalog/CatalogStore.h"
#include "catalog/ListingFile.h"
#include "search/IndexFormat.h"
#include "search/IndexWriter.h"
#include "search/Query.h"
#include "search/SearchIndex.h"
#include "platform/Text.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fcntl.h>
#include <random>
#include <sys/stat.h>
#include <unistd.h>

namespace rkm {
namespace {

using test::TempDir;

class SearchIndexTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        programDir = tmp.path() + "catalog/";
        test::MakeDirs(programDir);
        ::setenv("XDG_CACHE_HOME", (tmp.path() + "cache").c_str(), 1);
    }

    static Query parse(const std::string &text)
    {
        QueryError error;
        std::optional<Query> q = Query::Parse(text, error);
        EXPECT_TRUE(q) << text << ": " << error.reason;
        return std::move(*q);
    }

    // Every hit as "shown disk|folder/folder|file#entry", or nothing when the
    // index cannot answer.
    std::optional<std::vector<std::string>> fromIndex(const Query &q) const
    {
        std::vector<std::string> hits;
        const auto answer = index::AnswerFromIndex(programDir, q, [&](const index::IndexHit &h) {
            std::string s = std::string(h.shownDisk) + std::string("|");
            for (std::string_view f : h.folders)
                s += std::string(f) + "/";
            s += "|" + std::string(h.fileName) + "#" + std::to_string(h.entry);
            hits.push_back(s);
            return true;
        });
        if (answer == index::IndexAnswer::Unusable)
            return std::nullopt;
        return hits;
    }

    // The same from the catalogue loaded from the listing files.
    std::vector<std::string> fromLoad(const Query &q, CatalogStore &store) const
    {
        std::vector<std::string> hits;
        FindAllMatching(q, DiskNodes(store.Tree()), [&](TreeNode *node, int entry) {
            std::vector<std::string> chain;
            for (const TreeNode *n = node; n->parent(); n = n->parent())
                chain.insert(chain.begin(), n->text());
            std::string s = store.Tree().displayName(*DiskOf(node)) + "|";
            for (const std::string &f : chain)
                s += f + "/";
            s += "|" + (entry >= 0 ? std::string(node->disk().Files.text(entry, FT_NAME)) : std::string()) + "#" +
                 std::to_string(entry);
            hits.push_back(s);
        });
        return hits;
    }

    std::unique_ptr<CatalogStore> load() const
    {
        auto store = std::make_unique<CatalogStore>(programDir);
        store->LoadCatalog();
        return store;
    }

    TempDir tmp;
    std::string programDir;
};

// Names in both encodings and letter cases, so that folding and decoding
// count; shared parts, so that queries find several.
const char *const kWords[] = {"report", "Report", "caf\xC3\xA9", "CAF\xC3\x89", "caf\xE9", "\xC9t\xE9", "photo",
                              "holiday", "a", "x1", "readme", "na\xC3\xAFve", "2019", "draft", "Zo\xEB"};
const char *const kExts[] = {".txt", ".mp3", ".flac", ".JPG", "", ".tar.gz"};

std::string randomName(std::mt19937 &rng)
{
    std::string name;
    const int parts = 1 + static_cast<int>(rng() % 3);
    for (int i = 0; i < parts; ++i) {
        if (i)
            name += (rng() % 2) ? " " : "_";
        name += kWords[rng() % std::size(kWords)];
    }
    return name + kExts[rng() % std::size(kExts)];
}

void fillFolder(TreeNode *node, std::mt19937 &rng, int depth, bool dayFirst)
{
    const int files = static_cast<int>(rng() % 12);
    for (int i = 0; i < files; ++i) {
        const auto day = static_cast<unsigned>(1 + rng() % 28), month = static_cast<unsigned>(1 + rng() % 12),
                   year = static_cast<unsigned>(2015 + rng() % 8);
        char date[16];
        if (dayFirst)
            std::snprintf(date, sizeof date, "%02u.%02u.%u", day, month, year);
        else
            std::snprintf(date, sizeof date, "%u/%u/%u", month, day, year);
        const std::string size = std::to_string(rng() % 5000) + ((rng() % 3) ? " Kb" : " MB");
        node->disk().Files.append(FileEntryView{randomName(rng), (rng() % 4) ? "" : randomName(rng), date, size,
                                                (rng() % 5) ? "" : "Music"});
    }
    if (rng() % 3 == 0)
        node->disk().Comment = randomName(rng);
    if (depth < 3)
        for (int c = static_cast<int>(rng() % 4); c > 0; --c)
            fillFolder(node->appendChild(randomName(rng)), rng, depth + 1, dayFirst);
}

std::string randomQuery(std::mt19937 &rng)
{
    static const char *const fields[] = {"ext:mp3;flac", "size:>1MB",      "size:10KB..2MB", "date:2019",
                                         "date:>=2017-03", "type:file",     "type:folder",    "cat:Music",
                                         "desc:report",    "comment:photo", "disk:Archive",   "path:holiday",
                                         "regex:^[rR]e",   "ext:txt",       "disk:caf\xC3\xA9",
                                         "path:\xC3\x89t\xC3\xA9"};
    std::string q;
    const int terms = 1 + static_cast<int>(rng() % 3);
    for (int t = 0; t < terms; ++t) {
        if (t)
            q += (rng() % 4 == 0) ? " OR " : " ";
        if (rng() % 6 == 0)
            q += "-";
        switch (rng() % 4) {
        case 0:
            q += fields[rng() % std::size(fields)];
            break;
        case 1: {
            const std::string w = kWords[rng() % std::size(kWords)];
            q += w.substr(0, 1 + rng() % w.size()); // a start of a word, too short at times
            break;
        }
        case 2:
            q += std::string("\"") + kWords[rng() % std::size(kWords)] + " " + kWords[rng() % std::size(kWords)] +
                 "\"";
            break;
        default:
            q += std::string(kWords[rng() % std::size(kWords)]) + ((rng() % 2) ? "*" : "");
        }
    }
    return q;
}

std::string utf8(const std::string &bytes) { return platform::Utf8Text(bytes); }

TEST_F(SearchIndexTest, AnswersAsTheLoadedCatalogueOverRandomQueries)
{
    const uint32_t seed = test::FreshTestSeed();
    std::mt19937 rng(seed);
    // Repeated names (also in the other encoding), one listing of day-first
    // dates and one whose dates cannot tell.
    const char *const diskNames[] = {"Archive", "Archive", "caf\xC3\xA9", "caf\xE9", "Photos 10", "photos 2"};
    for (std::size_t i = 0; i < std::size(diskNames); ++i) {
        auto disk = MakeDiskNode(diskNames[i]);
        disk->disk().Comment = i % 2 ? "holiday photos" : "";
        fillFolder(disk.get(), rng, 0, i % 2 == 0);
        if (i == 0) // enough blocks for the narrowing and the blocks' dictionary to count
            for (int k = 0; k < 40; ++k)
                fillFolder(disk->appendChild(randomName(rng)), rng, 3, true);
        test::WriteDisk(programDir, std::to_string(100 + 17 * i) + ".rkm", *disk);
    }
    auto store = load();
    ASSERT_TRUE(index::RefreshIndex(programDir, store->Tree()));

    int compared = 0, nonEmpty = 0;
    for (int i = 0; i < 300; ++i) {
        const std::string text = randomQuery(rng);
        QueryError error;
        std::optional<Query> q = Query::Parse(text, error);
        if (!q)
            continue;
        const auto indexed = fromIndex(*q);
        ASSERT_TRUE(indexed) << text;
        const std::vector<std::string> loaded = fromLoad(*q, *store);
        ASSERT_EQ(*indexed, loaded) << "query " << utf8(text) << " (seed " << seed << ")";
        ++compared;
        nonEmpty += !loaded.empty();
    }
    EXPECT_GT(compared, 200);
    EXPECT_GT(nonEmpty, 50);
}

// A listing replaced behind the index's back, each way a file comes to be
// different: it is not answered from until the index is refreshed.
TEST_F(SearchIndexTest, AListingChangedBehindItsBackIsNotAnsweredFrom)
{
    const auto diskWith = [](const std::string &fileName) {
        auto disk = MakeDiskNode("Backup");
        disk->disk().Files.append(FileEntryView{fileName, "", "01.02.2020", "1 Kb", ""});
        return disk;
    };
    struct Case {
        const char *what;
        std::function<void(const std::string &path, const std::string &bytes)> replace;
    };
    const Case cases[] = {
        {"written over in place, same size", [](const std::string &path, const std::string &bytes) {
             test::WriteBytes(path, bytes);
         }},
        {"copied in under its name", [](const std::string &path, const std::string &bytes) {
             test::WriteBytes(path + ".new", bytes);
             ASSERT_EQ(::rename((path + ".new").c_str(), path.c_str()), 0);
         }},
        {"restored from a backup with an older time", [](const std::string &path, const std::string &bytes) {
             struct stat before {};
             ASSERT_EQ(::stat(path.c_str(), &before), 0);
             test::WriteBytes(path, bytes);
             const timespec times[2] = {before.st_atim, before.st_mtim};
             ASSERT_EQ(::utimensat(AT_FDCWD, path.c_str(), times, 0), 0);
         }},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        const std::string path = programDir + "7.rkm";
        test::WriteDisk(programDir, "7.rkm", *diskWith("apple.txt"));
        ASSERT_TRUE(index::RefreshIndex(programDir));
        const Query apple = parse("apple"), pear = parse("pear");
        EXPECT_EQ(fromIndex(apple), std::vector<std::string>{"Backup||apple.txt#0"});
        auto stale = load(); // what a program loaded before the change

        const std::string other = WriteListing(*diskWith("pear0.txt"), 0);
        ASSERT_EQ(other.size(), test::ReadBytes(path).size());
        c.replace(path, other);
        EXPECT_FALSE(fromIndex(apple));
        EXPECT_FALSE(fromIndex(pear));

        // A catalogue loaded before the change cannot vouch for the file.
        ASSERT_TRUE(index::RefreshIndex(programDir, stale->Tree()));
        EXPECT_EQ(fromIndex(apple), std::vector<std::string>{});
        EXPECT_EQ(fromIndex(pear), std::vector<std::string>{"Backup||pear0.txt#0"});
        ASSERT_EQ(::unlink(path.c_str()), 0);
    }
}

std::string flipped(std::string bytes, std::size_t at)
{
    if (at < bytes.size())
        bytes.replace(at, 1, 1, static_cast<char>(bytes[at] ^ 0x10));
    return bytes;
}

TEST_F(SearchIndexTest, ADamagedOrMissingIndexFileIsUnusable)
{
    auto disk = MakeDiskNode("Damaged");
    TreeNode *folder = disk->appendChild("Folder");
    for (int i = 0; i < 200; ++i)
        folder->disk().Files.append(
            FileEntryView{"name" + std::to_string(i) + ".txt", "", "01.02.2020", std::to_string(i) + " Kb", ""});
    test::WriteDisk(programDir, "1.rkm", *disk);
    const std::string indexFile = index::IndexFolderOf(programDir) + "1.rkm" + index::INDEX_SUFFIX;
    const Query everything = parse("type:file"), word = parse("name19");
    struct Case {
        const char *what;
        std::function<std::string(std::string)> damage;
    };
    const Case cases[] = {
        {"missing", [](std::string) { return std::string(); }},
        {"cut short", [](std::string b) { return b.substr(0, b.size() - 100); }},
        {"header only", [](std::string b) { return b.substr(0, index::HEADER_BYTES); }},
        {"a header byte changed", [](std::string b) { return flipped(std::move(b), 40); }},
        {"a record byte changed", [](std::string b) { return flipped(std::move(b), b.size() - 30); }},
        {"a byte more", [](std::string b) { return b + '\0'; }},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        ASSERT_TRUE(index::RefreshIndex(programDir));
        ASSERT_EQ(fromIndex(everything)->size(), 200u);
        const std::string damaged = c.damage(test::ReadBytes(indexFile));
        ASSERT_EQ(::unlink(indexFile.c_str()), 0);
        if (!damaged.empty())
            test::WriteBytes(indexFile, damaged);
        EXPECT_FALSE(fromIndex(everything));
        // Refreshing finds it damaged and writes it again.
        ASSERT_TRUE(index::RefreshIndex(programDir));
        EXPECT_EQ(fromIndex(word)->size(), 11u);
    }
}

TEST_F(SearchIndexTest, AnUpdateCutShortIsAnsweredAsTheLoadSeesIt)
{
    test::WriteDisk(programDir, "1.rkm", *test::MakeDisk("Old", 2));
    {
        CatalogStore writer(programDir);
        writer.writer = true;
        writer.LoadCatalog();
        writer.betweenReplaceSteps = [] { throw std::runtime_error("killed"); };
        EXPECT_ANY_THROW(writer.ReplaceListing(writer.Tree().disk(0), test::MakeDisk("New", 2)));
    }
    ASSERT_EQ(test::ListingFileNames(programDir).size(), 2u);
    ASSERT_TRUE(index::RefreshIndex(programDir));
    auto store = load();
    ASSERT_EQ(store->Tree().diskCount(), 1);
    const Query q = parse("file");
    EXPECT_EQ(fromIndex(q), fromLoad(q, *store));
}

TEST_F(SearchIndexTest, RefreshRemovesTheIndexOfAListingGoneAndTheKeeperRefreshes)
{
    test::WriteDisk(programDir, "1.rkm", *test::MakeDisk("One", 3));
    test::WriteDisk(programDir, "2.rkm", *test::MakeDisk("Two", 3));
    const std::string indexDir = index::IndexFolderOf(programDir);
    {
        index::IndexKeeper keeper(programDir);
        keeper.listingsChanged();
        keeper.waitIdle();
        EXPECT_EQ(fromIndex(parse("file1"))->size(), 2u);
        ASSERT_EQ(::unlink((programDir + "2.rkm").c_str()), 0);
        test::WriteDisk(programDir, "3.rkm", *test::MakeDisk("Three", 3));
        EXPECT_FALSE(fromIndex(parse("file1")));
        keeper.listingsChanged();
        keeper.listingsChanged();
        keeper.waitIdle();
        EXPECT_EQ(fromIndex(parse("file1")),
                  (std::vector<std::string>{"One||One-file1.txt#1", "Three||Three-file1.txt#1"}));
        EXPECT_EQ(::access((indexDir + "2.rkm.idx").c_str(), F_OK), -1);
        keeper.listingsChanged(); // the keeper goes while it may run
    }
}

} // namespace
} // namespace rkm
