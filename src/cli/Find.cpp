#include "cli/Find.h"

#include "cli/Args.h"
#include "cli/Lines.h"
#include "search/SearchIndex.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <exception>
#include <sys/stat.h>

namespace rkm::cli {

namespace {

// A text as one term of the query language: a phrase, with \" and \\ for
// a quote and a backslash.
std::string Quoted(std::string_view text)
{
    std::string out = "\"";
    for (const char c : text) {
        if (c == '"' || c == '\\')
            out += '\\';
        out += c;
    }
    return out + "\"";
}

std::string DayText(const QDate &day)
{
    return day.toString(QStringLiteral("yyyy-MM-dd")).toStdString();
}

// The options as terms of the query language, each ANDed with the QUERY.
std::string OptionTerms(const Args &a, std::string &error, bool &ok)
{
    std::string terms;
    const auto add = [&terms](const std::string &term) { terms += (terms.empty() ? "" : " ") + term; };
    if (a.has("--no-folder-names"))
        add("type:file");
    if (a.has("--no-filenames"))
        add("type:folder");
    if (const std::string *c = a.value("--category"))
        add("cat:=" + Quoted(*c));
    std::optional<uint64_t> minSize, maxSize;
    QDate after, before;
    ok = SizeOption(a, "--min-size", minSize, error) && SizeOption(a, "--max-size", maxSize, error) &&
         DateOption(a, "--after", 1, after, error) && DateOption(a, "--before", -1, before, error);
    // Ranges with both ends included, as the search dialog's. One with its
    // ends the wrong way round is no fault of the query: nothing is in it.
    if ((minSize && maxSize && *minSize > *maxSize) || (after.isValid() && before.isValid() && after > before)) {
        add("type:file type:folder");
        return terms;
    }
    if (minSize || maxSize)
        add("size:" + (minSize ? std::to_string(*minSize) : std::string()) + ".." +
            (maxSize ? std::to_string(*maxSize) : std::string()));
    if (after.isValid() || before.isValid())
        add("date:" + (after.isValid() ? DayText(after) : std::string()) + ".." +
            (before.isValid() ? DayText(before) : std::string()));
    return terms;
}

// The number of characters of UTF-8 text (bytes that are not UTF-8 read as
// one character each).
std::size_t CharacterCount(std::string_view text)
{
    std::size_t n = 0;
    for (const char c : text)
        n += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    return n;
}

} // namespace

FindParse ParseFind(const std::vector<std::string> &args, FindRequest &request, std::string &message, std::FILE *err)
{
    const Args a(args, {"--category", "--min-size", "--max-size", "--after", "--before", "--listing", "--limit"},
                 {"--case-sensitive", "--no-folder-names", "--no-filenames", "--no-descriptions", "--glob", "--json",
                  "--count", "-0"});
    if (!a.ok()) {
        message = a.error();
        return FindParse::Usage;
    }
    if (a.positional().size() != 1) {
        message = Utf8(Say::tr("give one query (\"\" for every file entry)"));
        return FindParse::Usage;
    }
    request.json = a.has("--json");
    request.count = a.has("--count");
    request.nul = a.has("-0");
    if (request.json && request.nul) {
        message = Utf8(Say::tr("--json and -0 are two ways of printing; give one"));
        return FindParse::Usage;
    }
    if (const std::string *n = a.value("--limit")) {
        char *end = nullptr;
        errno = 0;
        const long long limit = std::strtoll(n->c_str(), &end, 10);
        if (n->empty() || *end != '\0' || errno != 0 || limit < 1 || (*n)[0] == '+') {
            message = Fill(Say::tr("--limit takes a number of matches from 1 on, not '%1'"), {*n});
            return FindParse::Usage;
        }
        request.limit = limit;
    }
    if (const std::string *l = a.value("--listing"))
        request.listing = *l;
    bool optionsOk = true;
    const std::string terms = OptionTerms(a, message, optionsOk);
    if (!optionsOk)
        return FindParse::Usage;

    const QueryOptions options{.caseSensitive = a.has("--case-sensitive")};
    const std::string &typed = a.positional()[0];
    // The QUERY alone first, so that a fault is placed in what was typed.
    QueryError error;
    std::optional<Query> own = Query::Parse(typed, error, options);
    if (!own) {
        ReportBadQuery(err, typed, error);
        return FindParse::BadQuery;
    }
    // An empty QUERY stands for every file entry: the options alone choose.
    if (terms.empty() && !own->empty()) {
        request.query = std::move(own);
        return FindParse::Ok;
    }
    const std::string whole = (own->empty() ? std::string("type:file") : "(" + typed + " )") + " " + terms;
    request.query = Query::Parse(whole, error, options);
    if (!request.query) {
        // Only an option's text can be at fault here (a category name).
        message = Fill(Say::tr("the options make no query (%1): %2"), {error.reason, terms});
        return FindParse::Usage;
    }
    return FindParse::Ok;
}

void ReportBadQuery(std::FILE *err, std::string_view query, const QueryError &error)
{
    const std::size_t at = std::min(error.position, query.size());
    std::string before = Shown(query.substr(0, at));
    // The caret line keeps the tabs of the query so the caret stands under the place.
    std::string pad;
    for (const char c : before)
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80)
            pad += c == '\t' ? '\t' : ' ';
    std::string shown = Shown(query);
    for (char &c : shown)
        if (c == '\n' || c == '\r')
            c = ' ';
    const std::string said = Fill(Say::tr("rackmere-cli find: bad query at position %1: %2"),
                                  {std::to_string(CharacterCount(before) + 1), error.reason});
    std::fprintf(err, "%s\n  %s\n  %s^\n", said.c_str(), shown.c_str(), pad.c_str());
}

MatchPrinter::MatchPrinter(const FindRequest &request, std::FILE *out) : m_request(request), m_out(out)
{
    if (m_request.json && !m_request.count)
        m_buffer.push_back('['); // (assigning "[" trips GCC 12's -Wrestrict at -O3)
}

bool MatchPrinter::add(std::string_view listingFile, std::string_view diskName, std::string_view shownDisk,
                       const std::vector<std::string_view> &folders, std::string_view fileName, int entry)
{
    if (full())
        return false;
    if (m_request.count) {
        // nothing to print but the number
    } else if (m_request.json) {
        m_buffer += m_count ? ",\n  " : "\n  ";
        m_buffer += MatchJson(listingFile, diskName, folders, fileName, entry);
    } else {
        m_buffer += MatchLine(shownDisk, folders, fileName);
        m_buffer += m_request.nul ? '\0' : '\n';
    }
    ++m_count;
    flushIfBig();
    return !full();
}

void MatchPrinter::flushIfBig()
{
    if (m_buffer.size() > (1u << 16)) {
        m_wrote = true;
        std::fwrite(m_buffer.data(), 1, m_buffer.size(), m_out);
        m_buffer.clear();
    }
}

int MatchPrinter::finish(std::FILE *err, bool complete)
{
    if (m_request.count)
        m_buffer = std::to_string(m_count) + "\n";
    else if (m_request.json)
        m_buffer += m_count ? "\n]\n" : "]\n";
    std::fwrite(m_buffer.data(), 1, m_buffer.size(), m_out);
    m_buffer.clear();
    std::fflush(m_out);
    if (m_count == 0) {
        std::fprintf(err, "%s\n", Utf8(Say::tr("No matching entry was found")).c_str());
        return 1;
    }
    return complete ? 0 : 1;
}

std::optional<int> FindFromIndex(const std::string &programDir, const FindRequest &request, std::FILE *out,
                                 std::FILE *err)
{
    std::string only;
    if (request.listing) {
        // A listing file of the folder, by its bare name; any other name is
        // matched against the loaded listings' names.
        const std::string &l = *request.listing;
        struct stat st {};
        if (l.size() < 5 || l.compare(l.size() - 4, 4, ".rkm") != 0 || l.find('/') != std::string::npos ||
            l[0] == '.' || ::stat((programDir + l).c_str(), &st) != 0 || !S_ISREG(st.st_mode))
            return std::nullopt;
        only = l;
    }
    MatchPrinter printer(request, out);
    index::IndexAnswer answer = index::IndexAnswer::Unusable;
    try {
        answer = index::AnswerFromIndex(
            programDir, *request.query,
            [&printer](const index::IndexHit &hit) {
                return printer.add(hit.listingFile, hit.diskName, hit.shownDisk, hit.folders, hit.fileName,
                                   hit.entry);
            },
            only);
    } catch (const std::exception &e) {
        // Before the first line the listings can still answer; after it,
        // another answer would print lines twice.
        if (!printer.wrote())
            return std::nullopt;
        std::fflush(out);
        std::fprintf(err, "%s\n", Fill(Say::tr("rackmere-cli find: %1"), {e.what()}).c_str());
        return 1;
    }
    if (answer != index::IndexAnswer::Answered)
        return std::nullopt;
    return printer.finish(err);
}

} // namespace rkm::cli
