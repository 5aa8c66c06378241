// Any bytes given to the listing reader give a disk or an error, never a
// crash, a hang or a huge allocation; a disk read writes back to bytes that
// read as the same disk.
#include "catalog/Errors.h"
#include "catalog/ListingFile.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    using namespace rkm;
    try {
        ListingContents c = ReadListing(std::string_view(reinterpret_cast<const char *>(data), size));
        if (c.disk) {
            const std::string again = WriteListing(*c.disk, c.serialNumber);
            ListingContents d = ReadListing(again);
            if (!d.disk || WriteListing(*d.disk, d.serialNumber) != again)
                std::abort();
        }
    } catch (const RackmereError &) {
    }
    return 0;
}
