// The search over the catalogue and the substring test under it.
//
// A search that matches nothing visits every entry of every folder, so the
// file entries are not tested one by one: the pattern is looked for in the
// folder's whole text buffer (all five texts of all entries, back to back),
// and only the entries where something turns up are tested properly.
//
// Without case sensitivity the texts are compared Unicode lower-cased. For a
// pattern that is ASCII after lower-casing, an ASCII-folded scan of the raw
// bytes finds every match but two kinds: the only characters whose lower
// case holds an ASCII letter are U+0130 (lower case "i", UTF-8 C4 B0) and the
// Kelvin sign U+212A ("k", UTF-8 E2 84 AA); every other character lowers to
// bytes above 0x7F, so it can neither make nor break an ASCII match. Texts
// holding a C4 or E2 byte are therefore tested the slow way as well. For a
// pattern with other characters only texts with a byte above 0x7F can hold
// it at all.

#include "search/Finder.h"

#include "platform/Text.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <utility>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace rkm {

namespace {

constexpr std::size_t npos = std::string_view::npos;

constexpr std::array<unsigned char, 256> MakeFold()
{
    std::array<unsigned char, 256> t{};
    for (int i = 0; i < 256; ++i)
        t[static_cast<std::size_t>(i)] = static_cast<unsigned char>(i >= 'A' && i <= 'Z' ? i - 'A' + 'a' : i);
    return t;
}
constexpr std::array<unsigned char, 256> kFold = MakeFold();

inline unsigned char Fold(char c)
{
    return kFold[static_cast<unsigned char>(c)];
}

// The first byte at or after `from` that is above 0x7F, or npos.
std::size_t FindHighByte(std::string_view hay, std::size_t from)
{
    const char *p = hay.data() + from;
    const char *end = hay.data() + hay.size();
    while (end - p >= 8) {
        uint64_t w;
        std::memcpy(&w, p, 8);
        if (w & 0x8080808080808080ull)
            break;
        p += 8;
    }
    for (; p < end; ++p)
        if (static_cast<unsigned char>(*p) & 0x80)
            return static_cast<std::size_t>(p - hay.data());
    return npos;
}

// The bytes whose characters lower-case into ASCII (see the top of the file).
constexpr unsigned char kSpecialA = 0xC4;
constexpr unsigned char kSpecialB = 0xE2;

inline bool IsSpecial(char c)
{
    const auto b = static_cast<unsigned char>(c);
    return b == kSpecialA || b == kSpecialB;
}

inline bool IsLowerLetter(char c)
{
    return c >= 'a' && c <= 'z';
}

} // namespace

// ---- SearchPattern ----------------------------------------------------------

SearchPattern::SearchPattern(std::string_view pattern, bool caseSensitive)
    : m_text(caseSensitive ? platform::Utf8Text(pattern) : platform::LowerText(pattern)), m_caseSensitive(caseSensitive)
{
    m_ascii = platform::IsAscii(m_text);
    if (m_caseSensitive && !m_ascii) {
        // A text that is not UTF-8 is Windows-1252, one byte a character: it
        // holds the pattern exactly when it holds these bytes.
        if (auto cp = platform::Cp1252Text(m_text))
            m_cp1252 = std::move(*cp);
    }
}

std::size_t SearchPattern::findEitherForm(std::string_view hay, std::size_t from) const
{
    if (m_cp1252.empty())
        return findRaw(hay, from);
    // Both forms in one pass: a position is looked at closely only when its
    // byte starts one of them.
    const std::size_t n = hay.size();
    const unsigned char a = static_cast<unsigned char>(m_text[0]);
    const unsigned char b = static_cast<unsigned char>(m_cp1252[0]);
    for (std::size_t i = from; i < n; ++i) {
        const auto c = static_cast<unsigned char>(hay[i]);
        if (c == a && hay.compare(i, m_text.size(), m_text) == 0)
            return i;
        if (c == b && hay.compare(i, m_cp1252.size(), m_cp1252) == 0)
            return i;
    }
    return npos;
}

std::size_t SearchPattern::findRaw(std::string_view hay, std::size_t from) const
{
    return scan(hay, from, false, false);
}

std::size_t SearchPattern::findFolded(std::string_view hay, std::size_t from, bool stopAtSpecial) const
{
    return scan(hay, from, true, stopAtSpecial);
}

// The pattern (not empty) in `hay`; with `fold`, the pattern is ASCII lower
// case and A to Z in `hay` count as lower case. Sixteen start positions are
// tried at once: a position is looked at more closely only when both the
// first and the last byte of the pattern fit there (or, with
// `stopAtSpecial`, when it holds a special byte).
std::size_t SearchPattern::scan(std::string_view hay, std::size_t from, bool fold, bool stopAtSpecial) const
{
    const std::size_t m = m_text.size();
    if (from > hay.size())
        return npos;
    if (m == 0)
        return from;
    const std::size_t n = hay.size();
    const char *h = hay.data();
    const char *pat = m_text.data();
    const auto matchesAt = [&](std::size_t i) {
        if (n - i < m)
            return false;
        if (!fold)
            return std::memcmp(h + i, pat, m) == 0;
        for (std::size_t j = 0; j < m; ++j)
            if (Fold(h[i + j]) != static_cast<unsigned char>(pat[j]))
                return false;
        return true;
    };
    std::size_t i = from;
#if defined(__SSE2__)
    // A letter of the pattern fits a byte when the byte with bit 0x20 set
    // equals it: only the two cases of that letter do. Other bytes must equal.
    const char first = pat[0];
    const char last = pat[m - 1];
    const __m128i firstOr = _mm_set1_epi8(fold && IsLowerLetter(first) ? 0x20 : 0);
    const __m128i lastOr = _mm_set1_epi8(fold && IsLowerLetter(last) ? 0x20 : 0);
    const __m128i firstV = _mm_set1_epi8(first);
    const __m128i lastV = _mm_set1_epi8(last);
    const __m128i specialA = _mm_set1_epi8(static_cast<char>(kSpecialA));
    const __m128i specialB = _mm_set1_epi8(static_cast<char>(kSpecialB));
    while (i < n && n - i >= m - 1 + 16) {
        const __m128i a = _mm_loadu_si128(reinterpret_cast<const __m128i *>(h + i));
        const __m128i b = _mm_loadu_si128(reinterpret_cast<const __m128i *>(h + i + m - 1));
        __m128i hits = _mm_and_si128(_mm_cmpeq_epi8(_mm_or_si128(a, firstOr), firstV),
                                     _mm_cmpeq_epi8(_mm_or_si128(b, lastOr), lastV));
        if (stopAtSpecial)
            hits = _mm_or_si128(hits, _mm_or_si128(_mm_cmpeq_epi8(a, specialA), _mm_cmpeq_epi8(a, specialB)));
        unsigned mask = static_cast<unsigned>(_mm_movemask_epi8(hits));
        while (mask) {
            const std::size_t p = i + static_cast<std::size_t>(__builtin_ctz(mask));
            if ((stopAtSpecial && IsSpecial(h[p])) || matchesAt(p))
                return p;
            mask &= mask - 1;
        }
        i += 16;
    }
#endif
    for (; i < n; ++i)
        if ((stopAtSpecial && IsSpecial(h[i])) || matchesAt(i))
            return i;
    return npos;
}

bool SearchPattern::foundIn(std::string_view text) const
{
    if (m_text.empty())
        return true;
    if (m_caseSensitive) {
        // ASCII means the same in both encodings; other characters are
        // compared as the text decodes (its Windows-1252 bytes where it is
        // not UTF-8).
        if (m_ascii || platform::IsUtf8(text))
            return findRaw(text, 0) != npos;
        return !m_cp1252.empty() && text.find(m_cp1252) != npos;
    }
    if (m_ascii) {
        // A match before any special byte settles it; a special byte first
        // needs the whole text lower-cased.
        const std::size_t p = findFolded(text, 0, true);
        if (p == npos)
            return false;
        if (!IsSpecial(text[p]))
            return true;
    } else if (platform::IsAscii(text)) {
        return false; // ASCII lowers to ASCII; the pattern has other bytes
    }
    return platform::LowerText(text).find(m_text) != npos;
}

std::size_t SearchPattern::nextCandidate(std::string_view hay, std::size_t from) const
{
    if (m_text.empty())
        return from <= hay.size() ? from : npos;
    if (m_caseSensitive)
        return m_ascii ? findRaw(hay, from) : findEitherForm(hay, from);
    if (m_ascii)
        return findFolded(hay, from, true);
    return FindHighByte(hay, from);
}

// ---- Finder -----------------------------------------------------------------

namespace {

// What the folder buffers are scanned for: the search text, or for a name
// pattern its longest plain run (already lower-cased where case does not
// count, and lower-casing it again changes nothing).
SearchPattern PrescanPattern(const SearchOptions &o)
{
    if (o.wildcards && HasWildcards(o.text))
        return SearchPattern(GlobPattern(o.text, o.caseSensitive).longestLiteral(), o.caseSensitive);
    return SearchPattern(o.text, o.caseSensitive);
}

} // namespace

const TreeNode *NextInDisk(const TreeNode *disk, const TreeNode *node)
{
    if (node->childCount() > 0)
        return node->child(0);
    for (const TreeNode *n = node; n != disk; n = n->parent()) {
        const TreeNode *p = n->parent();
        if (n->row() + 1 < p->childCount())
            return p->child(n->row() + 1);
    }
    return nullptr;
}

Finder::Finder(SearchOptions options)
    : m_options(std::move(options)), m_pattern(PrescanPattern(m_options)),
      m_categoryUtf8(platform::Utf8Text(m_options.category)), m_noText(m_options.text.empty())
{
    if (m_options.wildcards && HasWildcards(m_options.text))
        m_glob.emplace(m_options.text, m_options.caseSensitive);
    if (!platform::IsAscii(m_categoryUtf8))
        m_category1252 = platform::Cp1252Text(m_categoryUtf8);
}

bool Finder::categoryMatches(std::string_view category) const
{
    if (category == m_categoryUtf8)
        return true;
    // The same text in Windows-1252 (a listing made on Windows); bytes that
    // are UTF-8 mean what they say in UTF-8.
    return m_category1252 && category == *m_category1252 && !platform::IsUtf8(category);
}

bool Finder::textMatches(std::string_view text, bool isName) const
{
    if (m_glob)
        return isName ? m_glob->matches(text) : m_glob->matchesPart(text);
    return m_pattern.foundIn(text);
}

bool Finder::filesFilterPass(const FileEntryView &e, platform::DateOrder order) const
{
    if (m_options.minSize || m_options.maxSize) {
        const std::optional<platform::SizeSpan> size = platform::ReadSizeText(e[FT_SIZE]);
        if (!size || (m_options.minSize && size->high < *m_options.minSize) ||
            (m_options.maxSize && size->low > *m_options.maxSize))
            return false;
    }
    if (m_options.fromDate.isValid() || m_options.toDate.isValid()) {
        const QDate d = platform::ReadDateText(e[FT_DATE], order);
        if (!d.isValid() || (m_options.fromDate.isValid() && d < m_options.fromDate) ||
            (m_options.toDate.isValid() && d > m_options.toDate))
            return false;
    }
    return true;
}

platform::DateOrder Finder::dateOrder(const TreeNode &node) const
{
    const TreeNode *disk = DiskOf(&node);
    const auto it = m_dateOrders.find(disk);
    if (it != m_dateOrders.end())
        return it->second;
    const platform::DateOrder order = DateOrderOfListing(*disk);
    m_dateOrders.emplace(disk, order);
    return order;
}

bool Finder::nameMatches(const TreeNode &node) const
{
    return m_options.folderNames && !m_noText && !m_options.filtersFiles() && textMatches(node.text(), true);
}

bool Finder::entryMatches(const FileList &files, int index, platform::DateOrder order) const
{
    const FileEntryView e = files.entry(index);
    // The category restriction comes first, then the file name, then the
    // description, then the size and date ranges.
    if (m_options.categoryOnly) {
        if (!categoryMatches(e[FT_CATEGORY]))
            return false;
        if (m_noText)
            return filesFilterPass(e, order);
    }
    if (!(m_options.fileNames && textMatches(e[FT_NAME], true)) &&
        !(m_options.descriptions && textMatches(e[FT_DESCRIPTION], false)))
        return false;
    return filesFilterPass(e, order);
}

int Finder::findEntry(const TreeNode &node, int first) const
{
    const bool dates = m_options.fromDate.isValid() || m_options.toDate.isValid();
    return findEntry(node.disk().Files, first, dates ? dateOrder(node) : platform::DateOrder::DayMonthYear);
}

int Finder::findEntry(const FileList &files, int first, platform::DateOrder order) const
{
    const int n = files.count();
    first = std::max(first, 0);
    if (first >= n)
        return -1;
    const bool anyText = m_options.fileNames || m_options.descriptions;
    const bool categoryWalk = m_options.categoryOnly && m_noText;
    if (!anyText && !categoryWalk)
        return -1;
    if (categoryWalk && files.inListOrder()) {
        // Entries lie back to back, so the category, an entry's last text,
        // ends just before the next entry starts: each entry is one compare
        // (two for a category that has a Windows-1252 form).
        if (m_categoryUtf8.find('\n') != std::string::npos)
            return -1; // no stored text holds a line break
        const bool filtered = m_options.filtersFiles();
        const std::string_view data = files.rawData();
        const auto endsWith = [&](std::size_t start, std::size_t end, const std::string &cat) {
            const std::size_t L = cat.size();
            return end - start >= L + 2 && data[end - 2 - L] == '\n' && data.compare(end - 1 - L, L, cat) == 0;
        };
        for (int k = first; k < n; ++k) {
            const std::size_t start = files.rawOffset(k);
            const std::size_t end = k + 1 < n ? files.rawOffset(k + 1) : data.size();
            const bool sameCategory = endsWith(start, end, m_categoryUtf8) ||
                                      (m_category1252 && endsWith(start, end, *m_category1252) &&
                                       !platform::IsUtf8(files.text(k, FT_CATEGORY)));
            if (sameCategory && (!filtered || filesFilterPass(files.entry(k), order)))
                return k;
        }
        return -1;
    }
    if (m_pattern.empty() || !files.inListOrder()) {
        for (int i = first; i < n; ++i)
            if (entryMatches(files, i, order))
                return i;
        return -1;
    }

    // Scan the folder's buffer for places where a match may be and test the
    // entries they fall into. A place in the date, size or category text
    // does not count; since the name and description come first in an entry,
    // a first place there means the entry holds none in its name or
    // description, and the scan goes on with the next entry.
    const std::string_view data = files.rawData();
    std::size_t pos = files.rawOffset(first);
    int lo = first;
    while (true) {
        pos = m_pattern.nextCandidate(data, pos);
        if (pos == npos)
            return -1;
        const int k = files.entryAtOffset(pos, lo);
        const std::size_t start = files.rawOffset(k);
        const std::size_t nameEnd = data.find('\n', start);
        const std::size_t descEnd = data.find('\n', nameEnd + 1);
        if (pos < descEnd && entryMatches(files, k, order))
            return k;
        if (k + 1 >= n)
            return -1;
        lo = k + 1;
        pos = files.rawOffset(lo);
    }
}

SearchHit Finder::scanFrom(const Catalog &tree, const TreeNode *node, bool testName, int firstEntry) const
{
    for (TreeNode *n = const_cast<TreeNode *>(node); n; n = NextInPreOrder(tree, n)) {
        // With one listing only, the walk ends at the next disk.
        if (m_options.listing && n != node && !n->parent())
            break;
        if (testName && nameMatches(*n))
            return {n, -1};
        const int k = findEntry(*n, firstEntry);
        if (k >= 0)
            return {n, k};
        testName = true;
        firstEntry = 0;
    }
    return {};
}

namespace {

bool InCatalog(const Catalog &tree, const TreeNode *disk)
{
    const int row = disk->row();
    return row >= 0 && row < tree.diskCount() && tree.disk(row) == disk;
}

} // namespace

SearchHit Finder::findFirst(const Catalog &tree) const
{
    if (tree.empty())
        return {};
    if (const TreeNode *only = m_options.listing)
        return InCatalog(tree, only) ? scanFrom(tree, only, true, 0) : SearchHit{};
    return scanFrom(tree, tree.disk(0), true, 0);
}

SearchHit Finder::findNext(const Catalog &tree, const TreeNode *node, int firstEntry) const
{
    if (!node)
        return findFirst(tree);
    if (const TreeNode *only = m_options.listing) {
        const TreeNode *disk = DiskOf(node);
        if (disk != only) {
            // The listing's turn comes only if it lies after the position.
            if (!InCatalog(tree, only) || only->row() < disk->row())
                return {};
            return scanFrom(tree, only, true, 0);
        }
    }
    return scanFrom(tree, node, false, firstEntry);
}

void Finder::findAll(const std::vector<const TreeNode *> &disks, const std::function<void(const SearchHit &)> &found,
                     const std::atomic<bool> *stop) const
{
    const bool dates = m_options.fromDate.isValid() || m_options.toDate.isValid();
    for (const TreeNode *disk : disks) {
        if (m_options.listing && disk != m_options.listing)
            continue;
        const platform::DateOrder order = dates ? dateOrder(*disk) : platform::DateOrder::DayMonthYear;
        for (const TreeNode *n = disk; n; n = NextInDisk(disk, n)) {
            if (stop && stop->load(std::memory_order_relaxed))
                return;
            auto *node = const_cast<TreeNode *>(n);
            if (nameMatches(*n))
                found({node, -1});
            const FileList &files = n->disk().Files;
            for (int k = findEntry(files, 0, order); k >= 0; k = findEntry(files, k + 1, order))
                found({node, k});
        }
    }
}

void Finder::findAll(const Catalog &tree, const std::function<void(const SearchHit &)> &found) const
{
    findAll(DiskNodes(tree), found);
}

std::vector<const TreeNode *> DiskNodes(const Catalog &tree)
{
    std::vector<const TreeNode *> disks;
    disks.reserve(static_cast<std::size_t>(tree.diskCount()));
    for (int i = 0; i < tree.diskCount(); ++i)
        disks.push_back(tree.disk(i));
    return disks;
}

platform::DateOrder DateOrderOfListing(const TreeNode &disk, platform::DateOrder fallback)
{
    platform::DateOrderGuess guess(fallback);
    for (const TreeNode *n = &disk; n; n = NextInDisk(&disk, n)) {
        const FileList &files = n->disk().Files;
        for (int i = 0; i < files.count(); ++i)
            if (guess.add(files.text(i, FT_DATE)))
                return guess.order();
    }
    return guess.order();
}

const TreeNode *DiskOf(const TreeNode *node)
{
    while (node->parent())
        node = node->parent();
    return node;
}

TreeNode *NextInPreOrder(const Catalog &tree, const TreeNode *node)
{
    if (node->childCount() > 0)
        return node->child(0);
    for (const TreeNode *n = node; n; n = n->parent()) {
        const TreeNode *p = n->parent();
        const int next = n->row() + 1;
        if (p) {
            if (next < p->childCount())
                return p->child(next);
        } else if (next < tree.diskCount()) {
            return tree.disk(next);
        }
    }
    return nullptr;
}

} // namespace rkm
