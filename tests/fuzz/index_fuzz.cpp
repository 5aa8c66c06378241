// Any bytes given as a listing's index file give hits or Unusable, never a
// crash, an over-read, a hang or a huge allocation. The header's check sum
// and file size are made right first (unless the input's first byte is odd),
// so that changed bytes reach the tables, the postings, the folders and the
// blocks behind it.
#include "search/IndexFormat.h"
#include "search/Query.h"
#include "search/SearchIndex.h"

#include <cstdlib>
#include <string>
#include <vector>

namespace {

const std::vector<rkm::Query> &Queries()
{
    static const std::vector<rkm::Query> queries = [] {
        std::vector<rkm::Query> out;
        for (const char *text : {"name", "type:file", "-zzz", "path:a desc:b", "abc OR fil", "caf\xC3\xA9 ext:txt"}) {
            rkm::QueryError error;
            if (auto q = rkm::Query::Parse(text, error))
                out.push_back(std::move(*q));
        }
        return out;
    }();
    return queries;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    using namespace rkm::index;
    std::string bytes(reinterpret_cast<const char *>(data), size);
    if (bytes.size() >= HEADER_BYTES && !(bytes[0] & 1)) {
        std::memcpy(bytes.data(), INDEX_MAGIC, sizeof INDEX_MAGIC);
        std::string fixed;
        PutU64(fixed, bytes.size());
        bytes.replace(64, 8, fixed);
        fixed.clear();
        PutU32(fixed, HeaderSum(std::string_view(bytes).substr(0, HEADER_BYTES - 4)));
        bytes.replace(HEADER_BYTES - 4, 4, fixed);
    }
    std::size_t seen = 0;
    for (const rkm::Query &q : Queries()) {
        AnswerFromIndexBytes(bytes, q, [&](const IndexHit &hit) {
            // Every view is read, so one pointing outside is found.
            for (std::string_view f : hit.folders)
                for (char c : f)
                    seen += static_cast<unsigned char>(c);
            for (char c : hit.fileName)
                seen += static_cast<unsigned char>(c);
            seen += hit.diskName.size() + hit.shownDisk.size() + hit.listingFile.size();
            return seen < (std::size_t(1) << 30);
        });
    }
    return 0;
}
