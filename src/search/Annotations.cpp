#include "search/Annotations.h"

namespace rkm {

std::string OneLineText(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\r' || c == '\n') {
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
            out.push_back(' ');
        } else {
            out.push_back(c);
        }
    }
    return out;
}

bool SetEntryAnnotations(CatalogStore &store, TDisk &folder, int index, std::string_view description,
                         std::string_view category)
{
    const std::string desc = OneLineText(description);
    const std::string cat = OneLineText(category);
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
