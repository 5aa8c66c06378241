// The category file reader takes any bytes; what it reads writes back to a
// file that reads as the same list.
#include "catalog/CatalogStore.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const auto names = rkm::ParseCategories(std::string_view(reinterpret_cast<const char *>(data), size));
    bool clean = true;
    for (const std::string &n : names)
        clean = clean && n.find_first_of("\r\n") == std::string::npos;
    if (!clean || rkm::ParseCategories(rkm::FormatCategories(names)) != names)
        std::abort();
    return 0;
}
