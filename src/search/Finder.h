#pragma once

#include "catalog/Disks.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

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

    bool nameMatches(const TreeNode &node) const;
    bool entryMatches(const FileList &files, int index) const;
    // The first matching entry of `files` at or after `first`, or -1.
    int findEntry(const FileList &files, int first) const;

private:
    bool categoryMatches(std::string_view category) const;
    SearchHit scanFrom(const Catalog &tree, const TreeNode *node, bool testName, int firstEntry) const;

    SearchOptions m_options;
    SearchPattern m_pattern;
    // The category in its two encodings: as UTF-8, and in Windows-1252 (for
    // texts that are not UTF-8) when it has such a form and is not ASCII.
    std::string m_categoryUtf8;
    std::optional<std::string> m_category1252;
};

// The node after `node` in pre-order over the whole catalogue, or null.
TreeNode *NextInPreOrder(const Catalog &tree, const TreeNode *node);

} // namespace rkm
