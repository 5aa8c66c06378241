#pragma once

#include "catalog/Disks.h"

#include <vector>

namespace rkm {

// The order the file grid shows a folder's entries in when a column is
// chosen: the entry indices, sorted by that column's texts. Size and Date
// sort by the value their texts stand for (SizeTextValue, DateTextReader),
// texts that are no size or date last in either direction; the other
// columns sort in natural order (NaturalOrderKey). Entries that sort alike
// keep their stored order. The list itself is not touched.
std::vector<int> SortedEntries(const FileList &files, int column, bool descending);

} // namespace rkm
