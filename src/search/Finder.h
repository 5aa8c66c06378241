#pragma once

#include "catalog/Disks.h"
#include "platform/TextValues.h"
#include "search/Glob.h"

#include <QDate>

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace rkm {

// A search text prepared once for many tests: lower-cased when case does not
// matter, with what a scan over a whole folder buffer needs.
class SearchPattern final {
public:
    SearchPattern(std::string_view pattern, bool caseSensitive);

    bool empty() const { return m_text.empty(); }
    // The pattern as it is compared: lower-cased unless case-sensitive.
    const std::string &text() const { return m_text; }
    bool caseSensitive() const { return m_caseSensitive; }

    // Whether `text` contains the pattern (what TextContains answers).
    bool foundIn(std::string_view text) const;

    // The first position at or after `from` in `hay` where a text holding
    // the pattern may be: a match of the raw bytes or, without case
    // sensitivity, a byte whose character could lower-case into one. Every
    // text that contains the pattern has such a position inside it; a
    // position may still turn out to be no match. npos when there is none.
    std::size_t nextCandidate(std::string_view hay, std::size_t from) const;

private:
    std::size_t findRaw(std::string_view hay, std::size_t from) const;
    // With `stopAtSpecial`, also stops at a byte that starts a character
    // lower-casing into ASCII.
    std::size_t findFolded(std::string_view hay, std::size_t from, bool stopAtSpecial) const;
    std::size_t scan(std::string_view hay, std::size_t from, bool fold, bool stopAtSpecial) const;
    // Either the pattern or its Windows-1252 form, whichever comes first.
    std::size_t findEitherForm(std::string_view hay, std::size_t from) const;

    std::string m_text;
    bool m_caseSensitive;
    bool m_ascii = true; // the compared pattern has no byte above 0x7F
    // Case-sensitive and not ASCII: the pattern in Windows-1252, which is what
    // a text that is not UTF-8 holds it as; empty when it has no such form.
    std::string m_cp1252;
};

struct SearchOptions {
    std::string text;           // as typed
    bool caseSensitive = false;
    bool folderNames = true;    // test the text of every tree node
    bool fileNames = true;      // test each entry's file name
    bool descriptions = true;   // test each entry's description
    bool categoryOnly = false;  // restrict file entries to one category
    std::string category;       // the same text exactly (in any encoding); empty: entries without one

    // Narrowing. With `wildcards`, a text holding '*' or '?' is a name
    // pattern: a file, folder or disk name must fit it whole, a description
    // in some part; a text without them keeps the substring rule.
    bool wildcards = false;
    // File entries whose size text may stand for a size in this range (both
    // ends included): "1 Kb" is 1025 to 2047 bytes, so it is within a range
    // from 2000 bytes, and within one up to 1 KB is not.
    std::optional<uint64_t> minSize, maxSize;
    // File entries whose date text is a day in this range (both ends
    // included; an invalid date leaves that end open). A date text is read in
    // the order its listing's texts were written in (DateOrderOfListing).
    QDate fromDate, toDate;
    // Only the listing of this disk node (null: every listing).
    const TreeNode *listing = nullptr;

    // Whether a size or date range is given: folder and disk names, which
    // have neither, then match nothing.
    bool filtersFiles() const { return minSize || maxSize || fromDate.isValid() || toDate.isValid(); }
};

// A match: a node whose own name matched (entry -1), or a file entry of a node.
struct SearchHit {
    TreeNode *node = nullptr;
    int entry = -1;
    explicit operator bool() const { return node != nullptr; }
};

// The search over the whole catalogue, in pre-order: a node's name, then its
// files in list order, then its sub-folders, then the next node; expanded or
// not makes no difference. It keeps no state between calls.
class Finder final {
public:
    explicit Finder(SearchOptions options);

    const SearchOptions &options() const { return m_options; }

    // A new search from the first disk on.
    SearchHit findFirst(const Catalog &tree) const;
    // Goes on from a position: the name of `node` is not tested again, its
    // files from `firstEntry` on are, then every node after it. Without a node
    // this is a new search. After a match at entry i continue with i + 1;
    // after a name match with 0.
    SearchHit findNext(const Catalog &tree, const TreeNode *node, int firstEntry) const;

    // Every match from the first disk on, in the order findFirst and
    // repeated findNext visit them, each handed to `found`. Goes over the
    // disks of `disks` (the catalogue's, taken once) and reads nothing else
    // of the catalogue, so a disk added meanwhile is no concern; it stops
    // early when `stop` is set (checked at every folder).
    void findAll(const std::vector<const TreeNode *> &disks, const std::function<void(const SearchHit &)> &found,
                 const std::atomic<bool> *stop = nullptr) const;
    void findAll(const Catalog &tree, const std::function<void(const SearchHit &)> &found) const;

    bool nameMatches(const TreeNode &node) const;
    bool entryMatches(const FileList &files, int index,
                      platform::DateOrder order = platform::DateOrder::DayMonthYear) const;
    // The first matching entry of `files` at or after `first`, or -1. The
    // dates are read in `order` (only a date range needs it).
    int findEntry(const FileList &files, int first,
                  platform::DateOrder order = platform::DateOrder::DayMonthYear) const;
    // The same for the files of a node, with the date order of its listing.
    int findEntry(const TreeNode &node, int first) const;

private:
    bool categoryMatches(std::string_view category) const;
    SearchHit scanFrom(const Catalog &tree, const TreeNode *node, bool testName, int firstEntry) const;
    bool textMatches(std::string_view text, bool isName) const;
    bool filesFilterPass(const FileEntryView &e, platform::DateOrder order) const;
    platform::DateOrder dateOrder(const TreeNode &node) const;

    SearchOptions m_options;
    std::optional<GlobPattern> m_glob;
    // The search text, or with a name pattern its longest plain run: the
    // folder buffers are scanned for it to find the entries worth a test.
    SearchPattern m_pattern;
    // The category in its two encodings: as UTF-8, and in Windows-1252 (for
    // texts that are not UTF-8) when it has such a form and is not ASCII.
    std::string m_categoryUtf8;
    std::optional<std::string> m_category1252;
    bool m_noText;
    mutable std::unordered_map<const TreeNode *, platform::DateOrder> m_dateOrders;
};

// The node after `node` in pre-order within the disk `disk`, or null. Only
// folder positions are read, which never change while the disk lives (a
// disk's own position changes when others come and go).
const TreeNode *NextInDisk(const TreeNode *disk, const TreeNode *node);

// The disk nodes of the catalogue, in order.
std::vector<const TreeNode *> DiskNodes(const Catalog &tree);

// The order the date texts of a disk's listing were written in, told from
// the texts (DateOrderGuess), the system's short format where they cannot
// tell.
platform::DateOrder DateOrderOfListing(const TreeNode &disk,
                                       platform::DateOrder fallback = platform::SystemDateOrder());

// The disk node above a node (the node itself for a disk).
const TreeNode *DiskOf(const TreeNode *node);

// The node after `node` in pre-order over the whole catalogue, or null.
TreeNode *NextInPreOrder(const Catalog &tree, const TreeNode *node);

} // namespace rkm
