#pragma once

// The query language of the search box, Find all and `rackmere-cli find`:
// words that must all occur in a name, phrases, wildcards, OR / NOT /
// parentheses, and fields (ext:, size:, date:, cat:, desc:, comment:, disk:,
// path:, type:, regex:). docs/SEARCH.md describes it for users. A quoted
// phrase is taken literally ('*' and '?' too); outside quotes a backslash
// makes the next character plain ("live\ 2*", "\-x").
//
// A query is parsed once and then tested against items: a disk, a folder or
// a file entry, each offering its stored texts (QueryItem). The catalogue
// walk (FindAllMatching) and the search index both test items this way, so an
// answer is the same whichever of them gives it.

#include "catalog/Disks.h"
#include "search/Finder.h"
#include "platform/TextValues.h"

#include <atomic>
#include <cstddef>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace rkm {

enum class ItemKind { Disk, Folder, File };

// One thing a query is tested against, as its listing stores it (bytes in
// UTF-8 or Windows-1252). Texts an item does not have are empty.
struct QueryItem {
    ItemKind kind = ItemKind::File;
    std::string_view name;
    std::string_view description; // files
    std::string_view category;    // files
    std::string_view size;        // files: the stored size text ("12 Kb")
    std::string_view date;        // files: the stored date text
    std::string_view comment;     // disks and folders
    std::string_view diskName;    // the listing's disk name
    // The folder path: the disk name and the folder names down to the item's
    // folder, each followed by '/' ("Archives/Photos/2019/"); for a disk or
    // folder its own path. Each name is decoded on its own (platform::Utf8Text),
    // so the path is UTF-8 even where the names' encodings differ. Only
    // filled when the query asks (usesPath()).
    std::string_view path;
    platform::DateOrder dateOrder = platform::DateOrder::DayMonthYear; // of the listing's date texts
};

// Why a query text cannot be used: the byte offset in the text where the
// fault lies and the reason in plain English ("')' without '('").
struct QueryError {
    std::size_t position = 0;
    std::string reason;
};

struct QueryOptions {
    // Words, phrases, globs and text fields compare letter case too.
    bool caseSensitive = false;
};

class QueryNode;

class Query final {
public:
    // Parses `text`; on failure returns nothing and fills `error`.
    static std::optional<Query> Parse(std::string_view text, QueryError &error, QueryOptions options = {});

    Query(Query &&) noexcept;
    Query &operator=(Query &&) noexcept;
    ~Query();

    // An empty query (no words, no fields) matches nothing.
    bool empty() const;
    bool matches(const QueryItem &item) const;

    // What testing an item needs beyond its own texts.
    bool usesPath() const;
    bool usesDiskName() const;
    bool usesDate() const; // dates are read in the listing's order

    // For an index of name trigrams: alternatives of which at least one
    // holds for every matching item, each a set of texts that must all occur
    // in the item's name as lower-cased by platform::LowerText (decoded
    // UTF-8). Nothing when the query cannot be narrowed by the name (a NOT
    // at the top, a field other than ext:, a word of fewer than three
    // bytes...). Texts shorter than three bytes may appear and narrow
    // nothing. An empty query gives no alternatives: it matches nothing.
    std::optional<std::vector<std::vector<std::string>>> nameLiterals() const;

    // The query written back as text (normalised: one space between terms).
    std::string text() const;

    // Texts of which every file name the query matches holds one (words,
    // glob's plain runs, extensions), as a folder's whole text buffer can be
    // scanned for them (Finder does the same); none when the query has no
    // such texts. Only narrows: matches() decides.
    std::vector<SearchPattern> prescanPatterns() const;

private:
    Query();
    std::unique_ptr<QueryNode> m_root;
    QueryOptions m_options;
    bool m_usesPath = false, m_usesDiskName = false, m_usesDate = false;
};

// The query that the search dialog's choices describe (Find all shows it):
// the text as a word, phrase or glob over the names it is tested on (and
// desc: for descriptions), type:file without folder names, cat:= for the
// category restriction, size: and date: for the ranges, disk: for one
// listing (with its disk name). Case sensitivity goes in QueryOptions.
std::string QueryTextOf(const SearchOptions &options, std::string_view listingName = {});

// A match of a query over a loaded catalogue: a disk or folder (entry -1)
// or a file entry of a node, as SearchHit.
// Every match over `disks`, in the order Find all visits them (a node, its
// files in list order, its sub-folders, then the next node), each handed to
// `found`; stops early when `stop` is set (checked at every folder).
void FindAllMatching(const Query &query, const std::vector<const TreeNode *> &disks,
                     const std::function<void(TreeNode *node, int entry)> &found,
                     const std::atomic<bool> *stop = nullptr);

} // namespace rkm
