#pragma once

#include "catalog/CatalogStore.h"

#include <string>
#include <string_view>

namespace rkm {

// Sets the description and category of file entry `index` of `folder` as the
// file entry properties dialog does on OK: a text that differs is stored (line
// breaks made spaces, as UTF-8; a text that reads the same as the stored one
// keeps the stored bytes) and marks the listing modified; then, changed or not,
// the entry's category is added to the category list unless it is there in
// some letter case, and DATA.CAT is written at once. Returns whether the
// entry changed. A failure to write DATA.CAT throws; the entry keeps its new
// texts and the list its new category.
bool SetEntryAnnotations(CatalogStore &store, TDisk &folder, int index, std::string_view description,
                         std::string_view category);

} // namespace rkm
