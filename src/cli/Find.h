#pragma once

// The find command's arguments, its answer from the search index and the
// printing of its matches: shared by the whole rackmere-cli and its lean
// front, so both print the same bytes and end with the same status.

#include "search/Query.h"

#include <cstdint>
#include <cstdio>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace rkm::cli {

struct FindRequest {
    std::optional<Query> query; // the QUERY and the options, joined by AND
    std::optional<std::string> listing; // --listing, as typed
    bool json = false, count = false, nul = false;
    int64_t limit = -1; // --limit N; -1 for every match
};

enum class FindParse {
    Ok,
    Usage,    // `message` says what is wrong with the arguments
    BadQuery, // the QUERY cannot be read; said on standard error already
};
FindParse ParseFind(const std::vector<std::string> &args, FindRequest &request, std::string &message,
                    std::FILE *err);

// Tells why a query cannot be read: the position (counted in characters from
// 1) and the reason, then the query with a caret under that place.
void ReportBadQuery(std::FILE *err, std::string_view query, const QueryError &error);

// Prints matches as find does (lines, NUL-ended lines, JSON or only their
// number), keeping at most --limit of them.
class MatchPrinter final {
public:
    MatchPrinter(const FindRequest &request, std::FILE *out);
    // One match; false once the limit is reached (this one is then not kept).
    bool add(std::string_view listingFile, std::string_view diskName, std::string_view shownDisk,
             const std::vector<std::string_view> &folders, std::string_view fileName, int entry);
    bool full() const { return m_request.limit >= 0 && m_count >= m_request.limit; }
    // Whether some of the output has been written already.
    bool wrote() const { return m_wrote; }
    // Writes what is left; the exit status: 0 with matches (1 when
    // `complete` is false: a listing could not be searched), else 1 with
    // "No matching entry was found" on `err`.
    int finish(std::FILE *err, bool complete = true);

private:
    void flushIfBig();
    const FindRequest &m_request;
    std::FILE *m_out;
    std::string m_buffer;
    int64_t m_count = 0;
    bool m_wrote = false;
};

// Answers the request from the search index of the catalogue in
// `programDir`: the exit status, or nothing when the index cannot answer
// (nothing printed then). A --listing is answered here only when it names a
// listing file there (1234.rkm); a disk name needs the listings loaded.
std::optional<int> FindFromIndex(const std::string &programDir, const FindRequest &request, std::FILE *out,
                                 std::FILE *err);

} // namespace rkm::cli
