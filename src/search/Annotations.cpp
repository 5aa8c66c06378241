#include "search/Annotations.h"

#include "platform/Text.h"

namespace rkm {

bool SetEntryAnnotations(CatalogStore &store, TDisk &folder, int index, std::string_view description,
                         std::string_view category)
{
    const std::string desc = platform::OneLineText(description);
    const std::string cat = platform::OneLineText(category);
    bool changed = false;
    if (folder.Files.text(index, FT_DESCRIPTION) != desc) {
        folder.Files.setText(index, FT_DESCRIPTION, desc);
        changed = true;
    }
    if (folder.Files.text(index, FT_CATEGORY) != cat) {
        folder.Files.setText(index, FT_CATEGORY, cat);
        changed = true;
    }
    if (changed)
        folder.SetModified(true);
    store.AddCategoryIfMissing(std::string(folder.Files.text(index, FT_CATEGORY)));
    return changed;
}

} // namespace rkm
