#include "search/Query.h"
#include "platform/Text.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <random>

using namespace rkm;
using rkm::test::HitPath;

namespace {

void Add(TreeNode *node, std::string name, std::string desc, std::string date, std::string size, std::string cat)
{
    node->disk().Files.append(FileEntry{std::move(name), std::move(desc), std::move(date), std::move(size), std::move(cat)});
}

// Music (comment "lossless rips")
//   Song.MP3 "live recording" 15/03/2019 5 Kb Audio; track.flac 01/01/2020
//   12,345 Kb Audio; café.txt "menu" 31/12/2018 100 bytes
//   Albums/ (comment "by year")
//     Café Noir.ogg (Windows-1252) 10/06/2019 2 MB Audio;
//     report (1).pdf "two words here" 20/07/2021 1 Kb Docs
//     Live 2019/
//       a*b.txt, no date or size
// Backup
//   notes.txt "Read me" 31/08/2019 1,048,576 bytes Docs;
//   photo.JPG "holiday" 12/08/2019 10,500 Kb
//   Docs/ (comment "old papers")
//   SoirÉes/ (Windows-1252)
struct Sample {
    Catalog tree;
    Sample()
    {
        TreeNode *music = tree.appendDisk("Music");
        music->disk().Comment = "lossless rips";
        Add(music, "Song.MP3", "live recording", "15/03/2019", "5 Kb", "Audio");
        Add(music, "track.flac", "", "01/01/2020", "12,345 Kb", "Audio");
        Add(music, "caf\xC3\xA9.txt", "menu", "31/12/2018", "100 bytes", "");
        TreeNode *albums = music->appendChild("Albums");
        albums->disk().Comment = "by year";
        Add(albums, "Caf\xC9 Noir.ogg", "", "10/06/2019", "2 MB", "Audio");
        Add(albums, "report (1).pdf", "two words here", "20/07/2021", "1 Kb", "Docs");
        TreeNode *live = albums->appendChild("Live 2019");
        Add(live, "a*b.txt", "", "", "", "");
        TreeNode *backup = tree.appendDisk("Backup");
        Add(backup, "notes.txt", "Read me", "31/08/2019", "1,048,576 bytes", "Docs");
        Add(backup, "photo.JPG", "holiday", "12/08/2019", "10,500 Kb", "");
        backup->appendChild("Docs")->disk().Comment = "old papers";
        backup->appendChild("Soir\xC9" "es"); // Windows-1252
    }
};

std::vector<std::string> Hits(const Catalog &tree, const Query &q)
{
    std::vector<std::string> out;
    FindAllMatching(q, DiskNodes(tree), [&](TreeNode *node, int entry) { out.push_back(HitPath({node, entry})); });
    return out;
}

struct QueryCase {
    const char *query;
    std::vector<std::string> expected;
    bool caseSensitive = false;
};

void PrintTo(const QueryCase &c, std::ostream *os)
{
    *os << c.query;
}

class QueryHits : public ::testing::TestWithParam<QueryCase> {};

const QueryCase kQueries[] = {
    // Words, AND, OR, NOT, parentheses.
    {"song", {"Music/Song.MP3"}},
    {"SONG AND mp3", {"Music/Song.MP3"}},
    {"txt -notes", {"Music/caf\xC3\xA9.txt", "Music/Albums/Live 2019/a*b.txt"}},
    {"txt NOT notes NOT caf", {"Music/Albums/Live 2019/a*b.txt"}},
    {"song OR photo | notes", {"Music/Song.MP3", "Backup/notes.txt", "Backup/photo.JPG"}},
    {"(flac OR pdf) r", {"Music/track.flac", "Music/Albums/report (1).pdf"}},
    {"flac OR pdf r", {"Music/track.flac", "Music/Albums/report (1).pdf"}},
    {"-(a OR o OR i)", {}},
    {"or", {"Music/Albums/report (1).pdf"}}, // lower-case or is a word
    // Folding: é finds É and a Windows-1252 name; case-sensitive keeps case.
    {"CAFÉ", {"Music/caf\xC3\xA9.txt", "Music/Albums/Caf\xC9 Noir.ogg"}},
    {"Caf\xC3\x89", {"Music/Albums/Caf\xC9 Noir.ogg"}, true},
    {"song", {}, true},
    // Phrases keep spaces, and their * is plain.
    {"\"noir.o\"", {"Music/Albums/Caf\xC9 Noir.ogg"}},
    {"\"a*b\"", {"Music/Albums/Live 2019/a*b.txt"}},
    {"\"port (1\"", {"Music/Albums/report (1).pdf"}},
    // Globs fit the whole name; a backslash makes a wildcard plain.
    {"*.txt", {"Music/caf\xC3\xA9.txt", "Music/Albums/Live 2019/a*b.txt", "Backup/notes.txt"}},
    {"caf?.txt", {"Music/caf\xC3\xA9.txt"}},
    {"a\\*b", {"Music/Albums/Live 2019/a*b.txt"}},
    {"live\\ 2*", {"Music/Albums/Live 2019/"}},
    // ext:
    {"ext:mp3;FLAC", {"Music/Song.MP3", "Music/track.flac"}},
    {"ext:.jpg", {"Backup/photo.JPG"}},
    // size: spans of stored texts overlap the range asked.
    {"size:2MB", {"Music/Albums/Caf\xC9 Noir.ogg"}},
    {"size:10MB", {"Backup/photo.JPG"}},
    {"size:>10MB", {"Music/track.flac", "Backup/photo.JPG"}},
    {"size:<=1KB", {"Music/caf\xC3\xA9.txt"}},
    {"size:<2KB", {"Music/caf\xC3\xA9.txt", "Music/Albums/report (1).pdf"}},
    {"size:1MB..5MB", {"Music/Albums/Caf\xC9 Noir.ogg", "Backup/notes.txt"}},
    {"size:1048576", {"Backup/notes.txt"}},
    {"size:12MB..", {"Music/track.flac"}},
    {"size:..100b", {"Music/caf\xC3\xA9.txt"}},
    {"size:5.5kb", {"Music/Song.MP3"}},
    {"size:>=1gb OR size:1TB.. OR size:<1b", {}},
    // date: a year or month stands for all its days.
    {"date:2019", {"Music/Song.MP3", "Music/Albums/Caf\xC9 Noir.ogg", "Backup/notes.txt", "Backup/photo.JPG"}},
    {"date:>=2019-08", {"Music/track.flac", "Music/Albums/report (1).pdf", "Backup/notes.txt", "Backup/photo.JPG"}},
    {"date:<2019", {"Music/caf\xC3\xA9.txt"}},
    {"date:>2019-12-31", {"Music/track.flac", "Music/Albums/report (1).pdf"}},
    {"date:2019-01..2019-06", {"Music/Song.MP3", "Music/Albums/Caf\xC9 Noir.ogg"}},
    {"date:2019-08-12", {"Backup/photo.JPG"}},
    // Text fields: substring, = for the whole text, quoted values.
    {"cat:aud", {"Music/Song.MP3", "Music/track.flac", "Music/Albums/Caf\xC9 Noir.ogg"}},
    {"cat:=docs", {"Music/Albums/report (1).pdf", "Backup/notes.txt"}},
    {"cat:= txt", {"Music/caf\xC3\xA9.txt", "Music/Albums/Live 2019/a*b.txt"}},
    {"desc:\"two words\"", {"Music/Albums/report (1).pdf"}},
    {"desc:=\"read ME\"", {"Backup/notes.txt"}},
    {"desc:*ord*", {"Music/Song.MP3", "Music/Albums/report (1).pdf"}},
    {"comment:year", {"Music/Albums/"}},
    {"comment:o", {"Music/", "Backup/Docs/"}},
    {"disk:=backup type:folder", {"Backup/", "Backup/Docs/", "Backup/Soir\xC9" "es/"}},
    {"path:up/soir\xC3\xA9", {"Backup/Soir\xC9" "es/"}},
    {"path:albums/live", {"Music/Albums/Live 2019/", "Music/Albums/Live 2019/a*b.txt"}},
    {"path:\"music/albums/\" -type:folder", {"Music/Albums/Caf\xC9 Noir.ogg", "Music/Albums/report (1).pdf",
                                              "Music/Albums/Live 2019/a*b.txt"}},
    {"type:disk", {"Music/", "Backup/"}},
    {"docs type:file", {}},
    // Files-only fields never match a folder or disk.
    {"(size:>0 OR cat:= OR desc:e OR date:2019 OR ext:pdf) -type:file", {}},
    {"comment:o type:file", {}},
    // regex: over the decoded name.
    {"regex:^caf.[\\s.]", {"Music/caf\xC3\xA9.txt", "Music/Albums/Caf\xC9 Noir.ogg"}},
    {"regex:\"^CAF. n\"", {"Music/Albums/Caf\xC9 Noir.ogg"}},
    {"regex:^CAF", {}, true},
    {"regex:\"[\\\\\\\"]\" OR regex:\"\\\\\\\\\"", {}}, // a backslash or a quote; two backslashes
    {"(regex:(mp3|flac)$)", {"Music/Song.MP3", "Music/track.flac"}},
};

TEST_P(QueryHits, FindsWhatTheQuerySays)
{
    const QueryCase &c = GetParam();
    QueryError error;
    std::optional<Query> q = Query::Parse(c.query, error, {c.caseSensitive});
    ASSERT_TRUE(q) << error.position << ": " << error.reason;
    Sample s;
    EXPECT_EQ(Hits(s.tree, *q), c.expected);
    // Written back, it reads the same.
    std::optional<Query> again = Query::Parse(q->text(), error, {c.caseSensitive});
    ASSERT_TRUE(again) << q->text() << " -> " << error.reason;
    EXPECT_EQ(Hits(s.tree, *again), c.expected) << q->text();
}

INSTANTIATE_TEST_SUITE_P(Table, QueryHits, ::testing::ValuesIn(kQueries));

struct BadQuery {
    std::string query;
    std::size_t position;
    const char *reason; // the start of it
};

TEST(Query, RefusesMalformedQueriesWithThePlaceAndTheReason)
{
    const BadQuery cases[] = {
        {"a b)", 3, "')' without '('"},
        {"(a b", 0, "'(' without ')'"},
        {"a \"b c", 2, "unfinished phrase"},
        {"size:big", 5, "'size:' needs a size such as >10MB"},
        {"size:10XB", 5, "'size:' needs a size"},
        {"size:5MB..1MB", 5, "'size:' needs a size"},
        {"x foo:bar", 2, "unknown field 'foo:'"},
        {"regex:a(b", 6, "bad regex: missing )"},
        {"date:2019-13", 5, "'date:' needs a date"},
        {"type:link", 5, "'type:' is file, folder or disk"},
        {"a OR", 2, "'OR' needs something after it"},
        {"| a", 0, "'OR' needs something before it"},
        {"a NOT", 2, "'NOT' needs something after it"},
        {"a ()", 2, "'()' holds nothing"},
        {"desc:", 5, "'desc:' needs a text"},
        {"ext:;", 4, "'ext:' needs an extension"},
        {std::string(200, '(') + "a", 100, "too many parentheses or NOTs"},
    };
    for (const BadQuery &c : cases) {
        QueryError error;
        EXPECT_FALSE(Query::Parse(c.query, error)) << c.query;
        EXPECT_EQ(error.position, c.position) << c.query;
        EXPECT_TRUE(error.reason.starts_with(c.reason)) << c.query << ": " << error.reason;
    }
}

TEST(Query, AnEmptyQueryMatchesNothing)
{
    QueryError error;
    std::optional<Query> q = Query::Parse("  ", error);
    ASSERT_TRUE(q);
    EXPECT_TRUE(q->empty());
    Sample s;
    EXPECT_TRUE(Hits(s.tree, *q).empty());
}

} // namespace

namespace {

SearchOptions Find(std::string text, bool folders = true, bool names = true, bool descs = true)
{
    SearchOptions o;
    o.text = std::move(text);
    o.folderNames = folders;
    o.fileNames = names;
    o.descriptions = descs;
    return o;
}

template <class F> SearchOptions With(SearchOptions o, F change)
{
    change(o);
    return o;
}

// The Find dialog's choices written as a query find what Finder finds.
TEST(QueryTextOf, FindsWhatTheFindDialogFinds)
{
    Sample s;
    const TreeNode *backup = s.tree.disk(1);
    const SearchOptions cases[] = {
        Find("a"),
        Find("o", true, false, false),
        Find("o", false, true, false),
        Find("re", false, false, true),
        Find("O", true, true, true),
        With(Find("*.txt"), [](SearchOptions &o) { o.wildcards = true; }),
        With(Find("*o*", false, false, true), [](SearchOptions &o) { o.wildcards = true; }),
        With(Find("Caf?*"), [](SearchOptions &o) { o.wildcards = o.caseSensitive = true; }),
        With(Find("live 2*"), [](SearchOptions &o) { o.wildcards = true; }),
        Find("a*b"),
        Find("report (1)"),
        Find("-x:y\"\\"),
        Find("CAF\xC3\x89"),
        With(Find("Caf\xC3\x89"), [](SearchOptions &o) { o.caseSensitive = true; }),
        With(Find("o"), [](SearchOptions &o) { o.categoryOnly = true, o.category = "Audio"; }),
        With(Find(""), [](SearchOptions &o) { o.categoryOnly = true; }),
        Find(""),
        With(Find(""), [](SearchOptions &o) { o.minSize = uint64_t(1) << 20; }),
        With(Find("o"), [](SearchOptions &o) { o.maxSize = 2000; }),
        With(Find("", false), [](SearchOptions &o) { o.fromDate = QDate(2019, 1, 1), o.toDate = QDate(2019, 6, 30); }),
        With(Find("o"), [&](SearchOptions &o) { o.listing = backup; }),
        With(Find("o", true, false, true), [&](SearchOptions &o) { o.listing = backup; }),
    };
    for (const SearchOptions &o : cases) {
        const std::string text = QueryTextOf(o);
        std::vector<std::string> expected;
        Finder(o).findAll(s.tree, [&](const SearchHit &h) { expected.push_back(HitPath(h)); });
        QueryError error;
        std::optional<Query> q = Query::Parse(text, error, {o.caseSensitive});
        ASSERT_TRUE(q) << text << ": " << error.position << " " << error.reason;
        EXPECT_EQ(Hits(s.tree, *q), expected) << o.text << " as " << text;
    }
}

// Random names and queries: letters whose lower case is ASCII (the Kelvin
// sign, dotted capital I), accented letters in UTF-8 and in Windows-1252.
struct RandomQueries {
    explicit RandomQueries(uint32_t seed) : rng(seed) {}
    std::mt19937 rng;
    std::size_t pick(std::size_t n) { return static_cast<std::size_t>(rng() % n); }

    // A name, or a word of a query (typed: UTF-8).
    std::string word(bool typed)
    {
        static const std::vector<std::string> pieces = {"a", "B", "c", "ab", "K", "\xE2\x84\xAA", "\xC4\xB0",
                                                        "i", "\xC3\xA9", "\xC3\x89", "\xE9", ".", "mp3", "x"};
        std::string w;
        for (std::size_t n = 1 + pick(3); n > 0; --n) {
            std::string p = pieces[pick(pieces.size())];
            if (typed && p == "\xE9")
                p = "e";
            w += p;
        }
        return w;
    }
    std::string name() { return pick(2) ? word(false) : word(false) + " " + word(false); }

    std::string query(int depth)
    {
        switch (depth > 0 ? pick(9) : pick(5)) {
        case 0:
        case 1:
            return word(true);
        case 2: {
            std::string g = word(true);
            g.insert(pick(g.size() + 1), pick(2) ? "*" : "?");
            return g;
        }
        case 3:
            return "ext:x" + word(true);
        case 4:
            return pick(2) ? "\"" + word(true) + " " + word(true) + "\"" : "size:>0";
        case 5:
            return "-" + query(depth - 1);
        case 6:
            return query(depth - 1) + " OR " + query(depth - 1);
        case 7:
            return "(" + query(depth - 1) + " " + query(depth - 1) + ")";
        default:
            return "(" + query(depth - 1) + " | " + query(depth - 1) + ") " + query(depth - 1);
        }
    }
};

// Every item a query matches holds every literal of one of the alternatives
// nameLiterals gives, in its lower-cased decoded name (what the index keeps).
TEST(Query, NameLiteralsHoldForEveryMatch)
{
    const uint32_t seed = rkm::test::FreshTestSeed();
    RandomQueries r(seed);
    int narrowed = 0, matched = 0;
    for (int round = 0; round < 400; ++round) {
        const std::string text = r.query(3);
        const bool caseSensitive = r.pick(4) == 0;
        QueryError error;
        std::optional<Query> q = Query::Parse(text, error, {caseSensitive});
        ASSERT_TRUE(q) << "seed " << seed << ": " << text << ": " << error.reason;
        const auto literals = q->nameLiterals();
        if (!literals)
            continue;
        ++narrowed;
        for (int i = 0; i < 300; ++i) {
            const std::string name = r.name();
            QueryItem item;
            item.name = name;
            item.size = "1 Kb";
            if (!q->matches(item))
                continue;
            ++matched;
            const std::string folded = platform::LowerText(platform::Utf8Text(name));
            const bool held = std::any_of(literals->begin(), literals->end(), [&](const auto &all) {
                return std::all_of(all.begin(), all.end(),
                                   [&](const std::string &l) { return folded.find(l) != std::string::npos; });
            });
            ASSERT_TRUE(held) << "seed " << seed << ": " << text << " matches " << name;
        }
    }
    EXPECT_GT(narrowed, 50) << "seed " << seed;
    EXPECT_GT(matched, 200) << "seed " << seed;
}

// The walk, which scans folder buffers for a required word, finds what
// testing every item finds.
TEST(FindAllMatching, FindsWhatTestingEveryItemFinds)
{
    const uint32_t seed = rkm::test::FreshTestSeed();
    RandomQueries r(seed);
    Catalog tree;
    for (int d = 0; d < 3; ++d) {
        TreeNode *disk = tree.appendDisk(r.name());
        std::vector<TreeNode *> nodes{disk};
        for (int f = 0; f < 6; ++f)
            nodes.push_back(nodes[r.pick(nodes.size())]->appendChild(r.name()));
        for (TreeNode *n : nodes)
            for (std::size_t k = r.pick(40); k > 0; --k)
                Add(n, r.name(), r.pick(3) ? "" : r.name(), "", r.pick(2) ? "1 Kb" : "", "");
    }
    long total = 0;
    for (int round = 0; round < 300; ++round) {
        const std::string text = r.query(2);
        const bool caseSensitive = r.pick(4) == 0;
        QueryError error;
        std::optional<Query> q = Query::Parse(text, error, {caseSensitive});
        ASSERT_TRUE(q) << "seed " << seed << ": " << text << ": " << error.reason;
        std::vector<std::string> expected;
        for (int d = 0; d < tree.diskCount(); ++d)
            tree.disk(d)->forEach([&](const TreeNode &n) {
                QueryItem item;
                item.kind = n.parent() ? ItemKind::Folder : ItemKind::Disk;
                item.name = n.text();
                item.diskName = tree.disk(d)->text();
                if (q->matches(item))
                    expected.push_back(HitPath({const_cast<TreeNode *>(&n), -1}));
                for (int k = 0; k < n.disk().Files.count(); ++k) {
                    const FileEntryView e = n.disk().Files.entry(k);
                    item.kind = ItemKind::File;
                    item.name = e[FT_NAME];
                    item.description = e[FT_DESCRIPTION];
                    item.size = e[FT_SIZE];
                    if (q->matches(item))
                        expected.push_back(HitPath({const_cast<TreeNode *>(&n), k}));
                }
            });
        ASSERT_EQ(Hits(tree, *q), expected) << "seed " << seed << ": " << text;
        total += static_cast<long>(expected.size());
    }
    EXPECT_GT(total, 1000) << "seed " << seed;
}

} // namespace

namespace {

// Any text at all is either refused at a place inside it, or read into a
// query whose written-back text reads as the same query.
TEST(Query, AnyTextIsReadOrRefusedInside)
{
    const uint32_t seed = rkm::test::FreshTestSeed();
    std::mt19937 rng(seed);
    const std::string alphabet = "ab *?\"\\()|-:=.;<>OR NOT ext:size:date:desc:cat:regex:type:file10MB2019\xC3\xA9\xE9";
    Sample s;
    int read = 0;
    for (int round = 0; round < 3000; ++round) {
        std::string text;
        for (std::size_t n = rng() % 24; n > 0; --n)
            text += alphabet[rng() % alphabet.size()];
        QueryError error;
        std::optional<Query> q = Query::Parse(text, error);
        if (!q) {
            EXPECT_LE(error.position, text.size()) << "seed " << seed << ": " << text;
            EXPECT_FALSE(error.reason.empty()) << "seed " << seed << ": " << text;
            continue;
        }
        ++read;
        std::optional<Query> again = Query::Parse(q->text(), error);
        ASSERT_TRUE(again) << "seed " << seed << ": " << text << " -> " << q->text() << ": " << error.reason;
        EXPECT_EQ(again->text(), q->text()) << "seed " << seed << ": " << text;
        EXPECT_EQ(Hits(s.tree, *again), Hits(s.tree, *q)) << "seed " << seed << ": " << text;
    }
    EXPECT_GT(read, 500) << "seed " << seed;
}

} // namespace

namespace {

// A stop asked for while matches come ends the walk at the next folder.
TEST(FindAllMatching, StopsAtTheNextFolder)
{
    Sample s;
    QueryError error;
    const std::optional<Query> q = Query::Parse("type:file", error);
    std::atomic<bool> stop{false};
    std::vector<std::string> hits;
    FindAllMatching(*q, DiskNodes(s.tree), [&](TreeNode *node, int entry) {
        hits.push_back(HitPath({node, entry}));
        stop = true;
    }, &stop);
    // The first folder's files all come; Albums/ is not entered.
    EXPECT_EQ(hits, (std::vector<std::string>{"Music/Song.MP3", "Music/track.flac", "Music/caf\xC3\xA9.txt"}));
}

} // namespace
