#pragma once

#include "catalog/Disks.h"
#include "platform/TextValues.h"

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace rkm {

// The sort keys of every sorted list of entries: the file grid and the Find
// all panel sort by these and by the one rule below, so a column orders its
// rows alike in both.
//
// Size and date sort by the value their texts stand for (ReadSizeText: the
// least size the text allows; ReadDateText: the day, read in the order of
// the listing's texts); a text that is no size or date has no key. Other
// texts sort in natural order (NaturalOrderKey: letter case aside, numbers
// by value), texts of equal keys by their bytes.
std::optional<uint64_t> SizeSortKey(std::string_view sizeText);
std::optional<int64_t> DateSortKey(std::string_view dateText, platform::DateOrder order);
// Negative, zero or positive as the text of natural order key `keyA` and
// bytes `a` comes before, with or after that of `keyB` and `b`.
int CompareTextKeys(std::string_view keyA, std::string_view a, std::string_view keyB, std::string_view b);

// The one rule of a sorted list: rows with a key by their keys, ascending or
// descending; rows without one (a text that is no size or date, a folder's
// row) last, in either direction. Rows whose keys compare equal keep their
// order (the caller breaks the tie by position). Negative when `a`'s row
// goes first, positive when `b`'s does, zero for a tie.
template <class Key, class Compare>
int CompareRows(const std::optional<Key> &a, const std::optional<Key> &b, bool descending, Compare compare)
{
    if (!a || !b)
        return (a ? -1 : 0) + (b ? 1 : 0);
    const int c = compare(*a, *b);
    return descending ? -c : c;
}
template <class Key> int CompareRows(const std::optional<Key> &a, const std::optional<Key> &b, bool descending)
{
    return CompareRows(a, b, descending, [](const Key &x, const Key &y) { return x < y ? -1 : y < x ? 1 : 0; });
}

// The order the file grid shows a folder's entries in when a column is
// chosen: the entry indices, sorted by that column's keys (above; dates read
// in `dateOrder`, the order of the listing's date texts, DateOrderOfListing).
// Entries that sort alike keep their stored order. The list itself is not
// touched.
std::vector<int> SortedEntries(const FileList &files, int column, bool descending,
                               platform::DateOrder dateOrder = platform::SystemDateOrder());

} // namespace rkm
