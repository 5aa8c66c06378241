#include "search/Annotations.h"

#include "platform/Text.h"

namespace rkm {

bool SetEntryAnnotations(CatalogStore &store, TDisk &folder, int index, std::string_view description,
                         std::string_view category)
{
    // What is typed is stored as UTF-8; a text that reads the same as the
    // stored one keeps its bytes (which may be Windows-1252).
    const std::string desc = platform::Utf8Text(platform::OneLineText(description));
    const std::string cat = platform::Utf8Text(platform::OneLineText(category));
    bool changed = false;
    if (!platform::SameText(folder.Files.text(index, FT_DESCRIPTION), desc)) {
        folder.Files.setText(index, FT_DESCRIPTION, desc);
        changed = true;
    }
    if (!platform::SameText(folder.Files.text(index, FT_CATEGORY), cat)) {
        folder.Files.setText(index, FT_CATEGORY, cat);
        changed = true;
    }
    if (changed)
        folder.SetModified(true);
    store.AddCategoryIfMissing(std::string(folder.Files.text(index, FT_CATEGORY)));
    return changed;
}

} // namespace rkm
