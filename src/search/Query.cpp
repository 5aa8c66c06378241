// The query language: a lexer and a recursive-descent parser into a small
// tree, the test of one item against it, the literals an index of names can
// narrow by, and the walk over a loaded catalogue.
//
// Grammar (NOT binds tightest, then the implied AND, then OR):
//   query   := or
//   or      := and (('OR' | '|') and)*
//   and     := unary+            ('AND' between two terms is allowed and changes nothing)
//   unary   := ('NOT' | '-') unary | '(' or ')' | term
//   term    := word | "phrase" | field ':' value
//
// Texts are compared as Finder compares them (SearchPattern, GlobPattern):
// decoded (UTF-8, else Windows-1252) and, without case sensitivity, Unicode
// lower-cased.

#include "search/Query.h"

#include "platform/Text.h"
#include "platform/Translated.h"

#include <re2/re2.h>

#include <algorithm>
#include <charconv>
#include <cstring>
#include <limits>
#include <unordered_map>
#include <utility>

namespace rkm {

namespace {

constexpr std::size_t npos = std::string_view::npos;

enum class Op { And, Or, Not, Word, Glob, Ext, Size, Date, Text, Type, Regex };
enum class Field { Category, Description, Comment, Disk, Path };
enum class TextMatch { Substring, Glob, GlobWhole, Exact };

// Which items a term can match at all.
constexpr unsigned kDiskBit = 1, kFolderBit = 2, kFileBit = 4;

unsigned KindBit(ItemKind kind)
{
    switch (kind) {
    case ItemKind::Disk:
        return kDiskBit;
    case ItemKind::Folder:
        return kFolderBit;
    case ItemKind::File:
        return kFileBit;
    }
    return 0;
}

inline char FoldAscii(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// Whether the stored `text` lower-cased equals `lowered` (already lower-cased).
bool FoldedEquals(std::string_view text, const std::string &lowered)
{
    if (platform::IsAscii(text)) {
        if (text.size() != lowered.size())
            return false;
        for (std::size_t i = 0; i < text.size(); ++i)
            if (FoldAscii(text[i]) != lowered[i])
                return false;
        return true;
    }
    return platform::LowerText(text) == lowered;
}

// Whether the stored `text` lower-cased ends with `lowered` (ASCII fast path:
// a text with no byte above 0x7F lower-cases byte by byte).
bool FoldedEndsWith(std::string_view text, const std::string &lowered)
{
    if (platform::IsAscii(text)) {
        if (text.size() < lowered.size())
            return false;
        const std::size_t off = text.size() - lowered.size();
        for (std::size_t i = 0; i < lowered.size(); ++i)
            if (FoldAscii(text[off + i]) != lowered[i])
                return false;
        return true;
    }
    const std::string low = platform::LowerText(text);
    return low.size() >= lowered.size() && low.compare(low.size() - lowered.size(), lowered.size(), lowered) == 0;
}

} // namespace

class QueryNode {
public:
    Op op = Op::Word;
    std::vector<std::unique_ptr<QueryNode>> children;
    // A term as written (normalised), for text().
    std::string source;

    // Word (a substring of the name) and text fields.
    std::string literal; // unescaped, as typed
    std::optional<SearchPattern> pattern;
    std::optional<GlobPattern> glob;
    Field field = Field::Description;
    TextMatch textMatch = TextMatch::Substring;
    std::string exact; // Exact: lower-cased unless case-sensitive (UTF-8)
    std::vector<std::string> exts; // ".mp3", lower-cased
    uint64_t sizeLow = 0, sizeHigh = 0;
    QDate dateLow, dateHigh; // invalid: open
    unsigned kinds = kDiskBit | kFolderBit | kFileBit;
    std::unique_ptr<RE2> re;
};

namespace {

std::string_view FieldText(Field f, const QueryItem &item)
{
    switch (f) {
    case Field::Category:
        return item.category;
    case Field::Description:
        return item.description;
    case Field::Comment:
        return item.comment;
    case Field::Disk:
        return item.diskName;
    case Field::Path:
        return item.path;
    }
    return {};
}

bool Matches(const QueryNode &n, const QueryItem &item, bool caseSensitive)
{
    if (!(n.kinds & KindBit(item.kind)))
        return false;
    switch (n.op) {
    case Op::And:
        for (const auto &c : n.children)
            if (!Matches(*c, item, caseSensitive))
                return false;
        return true;
    case Op::Or:
        for (const auto &c : n.children)
            if (Matches(*c, item, caseSensitive))
                return true;
        return false;
    case Op::Not:
        return !Matches(*n.children[0], item, caseSensitive);
    case Op::Word:
        return n.pattern->foundIn(item.name);
    case Op::Glob:
        return n.glob->matches(item.name);
    case Op::Ext:
        for (const std::string &e : n.exts)
            if (FoldedEndsWith(item.name, e))
                return true;
        return false;
    case Op::Size: {
        const std::optional<platform::SizeSpan> span = platform::ReadSizeText(item.size);
        return span && span->high >= n.sizeLow && span->low <= n.sizeHigh;
    }
    case Op::Date: {
        const QDate d = platform::ReadDateText(item.date, item.dateOrder);
        return d.isValid() && (!n.dateLow.isValid() || d >= n.dateLow) && (!n.dateHigh.isValid() || d <= n.dateHigh);
    }
    case Op::Text: {
        const std::string_view text = FieldText(n.field, item);
        switch (n.textMatch) {
        case TextMatch::Substring:
            return n.pattern->foundIn(text);
        case TextMatch::Glob:
            return n.glob->matchesPart(text);
        case TextMatch::GlobWhole:
            return n.glob->matches(text);
        case TextMatch::Exact:
            if (caseSensitive)
                return text == n.exact || platform::Utf8Text(text) == n.exact;
            return FoldedEquals(text, n.exact);
        }
        return false;
    }
    case Op::Type:
        return true; // the kinds above decide
    case Op::Regex:
        return RE2::PartialMatch(platform::Utf8Text(item.name), *n.re);
    }
    return false;
}

// ---- Lexer and parser --------------------------------------------------------

struct ParseFailure {
    QueryError error;
};

[[noreturn]] void Fail(std::size_t position, std::string reason)
{
    throw ParseFailure{{position, std::move(reason)}};
}

bool IsSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '\v';
}

// Ends an unquoted word.
bool EndsWord(char c)
{
    return IsSpace(c) || c == '(' || c == ')' || c == '|' || c == '"';
}

// What a backslash makes plain in an unquoted word.
bool Escapable(char c)
{
    return IsSpace(c) || std::strchr("*?\"\\()|-:", c) != nullptr;
}

struct Word {
    std::string text;      // unescaped
    bool wildcards = false; // an unescaped '*' or '?'
    bool escapedWildcard = false;
    std::size_t end = 0;
};

struct Token {
    enum Kind { LParen, RParen, Or, And, Not, Term } kind;
    std::size_t pos;
    std::unique_ptr<QueryNode> node;
};

class Parser {
public:
    Parser(std::string_view text, QueryOptions options) : m_s(text), m_options(options) {}

    std::unique_ptr<QueryNode> run(bool &usesPath, bool &usesDisk, bool &usesDate)
    {
        lex();
        if (m_tokens.empty())
            return nullptr;
        auto root = parseOr();
        if (m_at < m_tokens.size()) {
            // Only a ')' can be left over.
            Fail(m_tokens[m_at].pos, Utf8(rkm::Core::tr("')' without '('")));
        }
        usesPath = m_usesPath;
        usesDisk = m_usesDisk;
        usesDate = m_usesDate;
        return root;
    }

private:
    // ---- lexing
    void lex()
    {
        std::size_t i = 0;
        const std::size_t n = m_s.size();
        while (i < n) {
            const char c = m_s[i];
            if (IsSpace(c)) {
                ++i;
                continue;
            }
            if (c == '(' || c == ')' || c == '|') {
                m_tokens.push_back({c == '(' ? Token::LParen : c == ')' ? Token::RParen : Token::Or, i, nullptr});
                ++i;
                continue;
            }
            if (c == '-' && i + 1 < n && !IsSpace(m_s[i + 1]) && m_s[i + 1] != ')' && m_s[i + 1] != '|') {
                m_tokens.push_back({Token::Not, i, nullptr});
                ++i;
                continue;
            }
            if (c == '"') {
                const std::size_t start = i;
                std::string text = readPhrase(i, true);
                if (text.empty())
                    Fail(start, Utf8(rkm::Core::tr("empty phrase")));
                auto node = makeWordNode(text, false);
                node->source = std::string(m_s.substr(start, i - start));
                m_tokens.push_back({Token::Term, start, std::move(node)});
                continue;
            }
            // A keyword is a whole word in capitals.
            const std::size_t start = i;
            std::size_t e = i;
            while (e < n && !EndsWord(m_s[e]))
                ++e;
            const std::string_view raw = m_s.substr(i, e - i);
            if (raw == "OR" || raw == "NOT" || raw == "AND") {
                m_tokens.push_back({raw == "OR" ? Token::Or : raw == "NOT" ? Token::Not : Token::And, i, nullptr});
                i = e;
                continue;
            }
            // A field: letters and a colon.
            std::size_t f = i;
            while (f < n && ((m_s[f] >= 'a' && m_s[f] <= 'z') || (m_s[f] >= 'A' && m_s[f] <= 'Z')))
                ++f;
            if (f > i && f < n && m_s[f] == ':') {
                auto node = parseField(i, f, i);
                node->source = std::string(m_s.substr(start, i - start));
                m_tokens.push_back({Token::Term, start, std::move(node)});
                continue;
            }
            Word w = readWord(i);
            auto node = makeWordNode(w.text, w.wildcards);
            if (w.wildcards && w.escapedWildcard)
                Fail(start,
                     Utf8(rkm::Core::tr("a word with wildcards cannot also hold an escaped '*' or '?': use regex:")));
            node->source = std::string(m_s.substr(start, w.end - start));
            i = w.end;
            m_tokens.push_back({Token::Term, start, std::move(node)});
        }
    }

    // A quoted text from the '"' at `i`; `i` ends past the closing quote.
    // With `unescape`, \" and \\ stand for " and \; otherwise both pairs
    // are kept as they are, for a regular expression to read (where they
    // mean the same).
    std::string readPhrase(std::size_t &i, bool unescape)
    {
        const std::size_t open = i;
        std::string out;
        ++i;
        while (i < m_s.size()) {
            const char c = m_s[i];
            if (c == '"') {
                ++i;
                return out;
            }
            if (c == '\\' && i + 1 < m_s.size() && (m_s[i + 1] == '"' || m_s[i + 1] == '\\')) {
                if (!unescape)
                    out += '\\';
                out += m_s[i + 1];
                i += 2;
                continue;
            }
            out += c;
            ++i;
        }
        Fail(open, Utf8(rkm::Core::tr("unfinished phrase")));
    }

    Word readWord(std::size_t from) const
    {
        Word w;
        std::size_t i = from;
        while (i < m_s.size() && !EndsWord(m_s[i])) {
            const char c = m_s[i];
            if (c == '\\' && i + 1 < m_s.size() && Escapable(m_s[i + 1])) {
                if (m_s[i + 1] == '*' || m_s[i + 1] == '?')
                    w.escapedWildcard = true;
                w.text += m_s[i + 1];
                i += 2;
                continue;
            }
            if (c == '*' || c == '?')
                w.wildcards = true;
            w.text += c;
            ++i;
        }
        w.end = i;
        return w;
    }

    std::unique_ptr<QueryNode> makeWordNode(const std::string &text, bool wildcards) const
    {
        auto node = std::make_unique<QueryNode>();
        node->literal = text;
        if (wildcards) {
            node->op = Op::Glob;
            node->glob.emplace(text, m_options.caseSensitive);
        } else {
            node->op = Op::Word;
            node->pattern.emplace(text, m_options.caseSensitive);
        }
        return node;
    }

    // A field term: the name runs from `start` to the colon at `colon`;
    // `i` ends past the value.
    std::unique_ptr<QueryNode> parseField(std::size_t start, std::size_t colon, std::size_t &i)
    {
        std::string name(m_s.substr(start, colon - start));
        for (char &c : name)
            c = FoldAscii(c);
        const std::size_t valuePos = colon + 1;
        i = valuePos;
        auto node = std::make_unique<QueryNode>();
        static const std::unordered_map<std::string, Field> textFields = {
            {"cat", Field::Category},    {"desc", Field::Description}, {"comment", Field::Comment},
            {"disk", Field::Disk},       {"path", Field::Path}};
        if (auto it = textFields.find(name); it != textFields.end()) {
            node->op = Op::Text;
            node->field = it->second;
            if (node->field == Field::Category || node->field == Field::Description)
                node->kinds = kFileBit;
            else if (node->field == Field::Comment)
                node->kinds = kDiskBit | kFolderBit;
            else if (node->field == Field::Disk)
                m_usesDisk = true;
            else
                m_usesPath = true;
            bool exact = false;
            if (i < m_s.size() && m_s[i] == '=') {
                exact = true;
                ++i;
            }
            std::string value;
            bool wildcards = false;
            if (i < m_s.size() && m_s[i] == '"') {
                value = readPhrase(i, true);
            } else {
                Word w = readWord(i);
                if (w.wildcards && w.escapedWildcard)
                    Fail(valuePos, Utf8(rkm::Core::tr("a text with wildcards cannot also hold an escaped '*' or '?'")));
                value = std::move(w.text);
                wildcards = w.wildcards;
                i = w.end;
            }
            if (wildcards) {
                node->textMatch = exact ? TextMatch::GlobWhole : TextMatch::Glob;
                node->glob.emplace(value, m_options.caseSensitive);
            } else if (exact) {
                node->textMatch = TextMatch::Exact;
                node->exact = m_options.caseSensitive ? platform::Utf8Text(value) : platform::LowerText(value);
            } else {
                if (value.empty())
                    Fail(valuePos, Utf8(rkm::Core::tr("'%1:' needs a text (%1:= finds an empty one)"), {name}));
                node->textMatch = TextMatch::Substring;
                node->pattern.emplace(value, m_options.caseSensitive);
            }
            node->literal = std::move(value);
            return node;
        }
        if (name == "ext") {
            node->op = Op::Ext;
            node->kinds = kFileBit;
            Word w = readWord(i);
            i = w.end;
            std::size_t p = 0;
            while (p <= w.text.size()) {
                std::size_t e = w.text.find(';', p);
                if (e == std::string::npos)
                    e = w.text.size();
                std::string_view one = std::string_view(w.text).substr(p, e - p);
                while (!one.empty() && one.front() == '.')
                    one.remove_prefix(1);
                if (!one.empty())
                    node->exts.push_back("." + platform::LowerText(one));
                p = e + 1;
            }
            if (node->exts.empty())
                Fail(valuePos, Utf8(rkm::Core::tr("'ext:' needs an extension such as ext:mp3;flac")));
            return node;
        }
        if (name == "size") {
            node->op = Op::Size;
            node->kinds = kFileBit;
            Word w = readWord(i);
            i = w.end;
            if (!ParseSizeRange(w.text, node->sizeLow, node->sizeHigh))
                Fail(valuePos, Utf8(rkm::Core::tr("'size:' needs a size such as >10MB")));
            return node;
        }
        if (name == "date") {
            node->op = Op::Date;
            node->kinds = kFileBit;
            m_usesDate = true;
            Word w = readWord(i);
            i = w.end;
            if (!ParseDateRange(w.text, node->dateLow, node->dateHigh))
                Fail(valuePos,
                     Utf8(rkm::Core::tr("'date:' needs a date such as 2019, >=2019-03 or 2019-01-01..2019-06-30")));
            return node;
        }
        if (name == "type") {
            node->op = Op::Type;
            Word w = readWord(i);
            i = w.end;
            std::string v = w.text;
            for (char &c : v)
                c = FoldAscii(c);
            if (v == "file")
                node->kinds = kFileBit;
            else if (v == "folder")
                node->kinds = kFolderBit | kDiskBit;
            else if (v == "disk")
                node->kinds = kDiskBit;
            else
                Fail(valuePos, Utf8(rkm::Core::tr("'type:' is file, folder or disk")));
            return node;
        }
        if (name == "regex") {
            node->op = Op::Regex;
            std::string pattern;
            if (i < m_s.size() && m_s[i] == '"') {
                pattern = readPhrase(i, false);
            } else {
                // Up to a space, or a ')' that closes no '(' of the pattern.
                int depth = 0;
                while (i < m_s.size() && !IsSpace(m_s[i])) {
                    if (m_s[i] == '\\' && i + 1 < m_s.size()) {
                        pattern += m_s.substr(i, 2);
                        i += 2;
                        continue;
                    }
                    if (m_s[i] == '(')
                        ++depth;
                    else if (m_s[i] == ')' && depth-- == 0)
                        break;
                    pattern += m_s[i++];
                }
            }
            if (pattern.empty())
                Fail(valuePos, Utf8(rkm::Core::tr("'regex:' needs a pattern")));
            RE2::Options o;
            o.set_case_sensitive(m_options.caseSensitive);
            o.set_log_errors(false);
            o.set_max_mem(8 << 20);
            node->re = std::make_unique<RE2>(pattern, o);
            if (!node->re->ok())
                Fail(valuePos, Utf8(rkm::Core::tr("bad regex: %1"), {node->re->error()}));
            node->literal = std::move(pattern);
            return node;
        }
        Fail(start, Utf8(rkm::Core::tr("unknown field '%1:'"), {m_s.substr(start, colon - start)}));
    }

    // ---- sizes and dates

    // A number with an optional fraction and unit: its bytes and the step of
    // its last digit (10MB: 10 MiB and 1 MiB; 1.5MB: 1.5 MiB and 0.1 MiB).
    static bool ParseSize(std::string_view t, uint64_t &bytes, uint64_t &step)
    {
        std::size_t i = 0;
        uint64_t whole = 0;
        std::size_t digits = 0;
        while (i < t.size() && t[i] >= '0' && t[i] <= '9') {
            if (whole > (std::numeric_limits<uint64_t>::max() - 9) / 10)
                return false;
            whole = whole * 10 + static_cast<uint64_t>(t[i] - '0');
            ++i;
            ++digits;
        }
        uint64_t frac = 0, fracScale = 1;
        if (i < t.size() && t[i] == '.') {
            ++i;
            while (i < t.size() && t[i] >= '0' && t[i] <= '9') {
                if (fracScale >= 1000000)
                    return false;
                frac = frac * 10 + static_cast<uint64_t>(t[i] - '0');
                fracScale *= 10;
                ++i;
                ++digits;
            }
        }
        if (digits == 0)
            return false;
        std::string unit(t.substr(i));
        for (char &c : unit)
            c = FoldAscii(c);
        uint64_t unitBytes = 0;
        if (unit.empty() || unit == "b")
            unitBytes = 1;
        else if (unit == "kb")
            unitBytes = uint64_t(1) << 10;
        else if (unit == "mb")
            unitBytes = uint64_t(1) << 20;
        else if (unit == "gb")
            unitBytes = uint64_t(1) << 30;
        else if (unit == "tb")
            unitBytes = uint64_t(1) << 40;
        else
            return false;
        if (whole > std::numeric_limits<uint64_t>::max() / unitBytes - 1)
            return false;
        bytes = whole * unitBytes + frac * unitBytes / fracScale;
        step = std::max<uint64_t>(unitBytes / fracScale, 1);
        return true;
    }

    static bool ParseSizeRange(std::string_view t, uint64_t &low, uint64_t &high)
    {
        constexpr uint64_t kMax = std::numeric_limits<uint64_t>::max();
        uint64_t v = 0, step = 0;
        if (const std::size_t dots = t.find(".."); dots != npos) {
            const std::string_view a = t.substr(0, dots), b = t.substr(dots + 2);
            if (a.empty() && b.empty())
                return false;
            low = 0;
            high = kMax;
            if (!a.empty() && !ParseSize(a, low, step))
                return false;
            if (!b.empty() && !ParseSize(b, high, step))
                return false;
            return low <= high;
        }
        if (t.starts_with(">=") || t.starts_with("<=")) {
            if (!ParseSize(t.substr(2), v, step))
                return false;
            low = t[0] == '>' ? v : 0;
            high = t[0] == '>' ? kMax : v;
            return true;
        }
        if (t.starts_with(">") || t.starts_with("<")) {
            if (!ParseSize(t.substr(1), v, step))
                return false;
            if (t[0] == '>') {
                if (v == kMax)
                    return false;
                low = v + 1;
                high = kMax;
            } else {
                if (v == 0)
                    return false; // nothing is smaller than nothing
                low = 0;
                high = v - 1;
            }
            return true;
        }
        if (!ParseSize(t, v, step))
            return false;
        low = v;
        high = v + (step - 1);
        return high >= low;
    }

    // YYYY, YYYY-MM or YYYY-MM-DD: its first and last day.
    static bool ParseDate(std::string_view t, QDate &first, QDate &last)
    {
        int parts[3] = {0, 0, 0};
        int count = 0;
        std::size_t i = 0;
        while (count < 3) {
            const std::size_t start = i;
            int v = 0;
            while (i < t.size() && t[i] >= '0' && t[i] <= '9' && i - start < 4)
                v = v * 10 + (t[i++] - '0');
            const std::size_t len = i - start;
            if (len == 0 || (count == 0 && len != 4) || (count > 0 && len > 2))
                return false;
            parts[count++] = v;
            if (i == t.size())
                break;
            if (t[i] != '-')
                return false;
            ++i;
        }
        if (i != t.size())
            return false;
        if (count == 1) {
            first = QDate(parts[0], 1, 1);
            last = QDate(parts[0], 12, 31);
        } else if (count == 2) {
            first = QDate(parts[0], parts[1], 1);
            last = first.isValid() ? first.addMonths(1).addDays(-1) : QDate();
        } else {
            first = last = QDate(parts[0], parts[1], parts[2]);
        }
        return first.isValid() && last.isValid();
    }

    static bool ParseDateRange(std::string_view t, QDate &low, QDate &high)
    {
        QDate first, last;
        if (const std::size_t dots = t.find(".."); dots != npos) {
            const std::string_view a = t.substr(0, dots), b = t.substr(dots + 2);
            if (a.empty() && b.empty())
                return false;
            QDate unused;
            if (!a.empty() && !ParseDate(a, low, unused))
                return false;
            if (!b.empty() && !ParseDate(b, unused, high))
                return false;
            return !low.isValid() || !high.isValid() || low <= high;
        }
        if (t.starts_with(">=") || t.starts_with("<=")) {
            if (!ParseDate(t.substr(2), first, last))
                return false;
            (t[0] == '>' ? low : high) = t[0] == '>' ? first : last;
            return true;
        }
        if (t.starts_with(">") || t.starts_with("<")) {
            if (!ParseDate(t.substr(1), first, last))
                return false;
            if (t[0] == '>')
                low = last.addDays(1);
            else
                high = first.addDays(-1);
            return true;
        }
        if (!ParseDate(t, first, last))
            return false;
        low = first;
        high = last;
        return true;
    }

    // ---- parsing
    bool atEnd() const { return m_at >= m_tokens.size(); }
    Token::Kind peek() const { return m_tokens[m_at].kind; }

    std::unique_ptr<QueryNode> parseOr()
    {
        std::vector<std::unique_ptr<QueryNode>> alts;
        if (!atEnd() && peek() == Token::Or)
            Fail(m_tokens[m_at].pos, Utf8(rkm::Core::tr("'OR' needs something before it")));
        alts.push_back(parseAnd());
        while (!atEnd() && peek() == Token::Or) {
            const std::size_t pos = m_tokens[m_at].pos;
            ++m_at;
            if (atEnd() || peek() == Token::RParen || peek() == Token::Or)
                Fail(pos, Utf8(rkm::Core::tr("'OR' needs something after it")));
            alts.push_back(parseAnd());
        }
        return Combine(Op::Or, std::move(alts));
    }

    std::unique_ptr<QueryNode> parseAnd()
    {
        std::vector<std::unique_ptr<QueryNode>> parts;
        while (!atEnd() && peek() != Token::Or && peek() != Token::RParen) {
            if (peek() == Token::And) {
                const std::size_t pos = m_tokens[m_at].pos;
                ++m_at;
                if (parts.empty() || atEnd() || peek() == Token::Or || peek() == Token::RParen ||
                    peek() == Token::And)
                    Fail(pos, Utf8(rkm::Core::tr("'AND' needs something on each side")));
                continue;
            }
            parts.push_back(parseUnary());
        }
        return Combine(Op::And, std::move(parts));
    }

    std::unique_ptr<QueryNode> parseUnary()
    {
        Token &t = m_tokens[m_at];
        // Parsing, testing and writing back go down one level per NOT or
        // '(': a query typed by hand never needs many.
        if (t.kind == Token::Not || t.kind == Token::LParen) {
            if (++m_depth > kMaxDepth)
                Fail(t.pos, Utf8(rkm::Core::tr("too many parentheses or NOTs inside each other")));
        }
        struct Leave {
            Parser *p;
            bool counted;
            ~Leave()
            {
                if (counted)
                    --p->m_depth;
            }
        } leave{this, t.kind == Token::Not || t.kind == Token::LParen};
        switch (t.kind) {
        case Token::Not: {
            ++m_at;
            if (atEnd() || peek() == Token::Or || peek() == Token::RParen || peek() == Token::And)
                Fail(t.pos, Utf8(rkm::Core::tr("'NOT' needs something after it")));
            auto node = std::make_unique<QueryNode>();
            node->op = Op::Not;
            node->children.push_back(parseUnary());
            return node;
        }
        case Token::LParen: {
            ++m_at;
            if (!atEnd() && peek() == Token::RParen)
                Fail(t.pos, Utf8(rkm::Core::tr("'()' holds nothing")));
            auto inner = parseOr();
            if (atEnd())
                Fail(t.pos, Utf8(rkm::Core::tr("'(' without ')'")));
            ++m_at; // the ')'
            return inner;
        }
        case Token::Term:
            ++m_at;
            return std::move(t.node);
        default:
            break;
        }
        Fail(t.pos, Utf8(rkm::Core::tr("unexpected text"))); // not reached: parseAnd stops at ')' and OR
    }

    static std::unique_ptr<QueryNode> Combine(Op op, std::vector<std::unique_ptr<QueryNode>> parts)
    {
        if (parts.size() == 1)
            return std::move(parts[0]);
        auto node = std::make_unique<QueryNode>();
        node->op = op;
        for (auto &p : parts) {
            if (p->op == op) // (a b) c is a b c
                for (auto &c : p->children)
                    node->children.push_back(std::move(c));
            else
                node->children.push_back(std::move(p));
        }
        return node;
    }

    std::string_view m_s;
    QueryOptions m_options;
    std::vector<Token> m_tokens;
    std::size_t m_at = 0;
    static constexpr int kMaxDepth = 100;
    int m_depth = 0;
    bool m_usesPath = false, m_usesDisk = false, m_usesDate = false;
};

void WriteNode(const QueryNode &n, std::string &out)
{
    switch (n.op) {
    case Op::And:
    case Op::Or:
        for (std::size_t i = 0; i < n.children.size(); ++i) {
            if (i > 0)
                out += n.op == Op::And ? " " : " OR ";
            const QueryNode &c = *n.children[i];
            const bool paren = n.op == Op::And && c.op == Op::Or;
            if (paren)
                out += '(';
            WriteNode(c, out);
            if (paren)
                out += ')';
        }
        return;
    case Op::Not: {
        const QueryNode &c = *n.children[0];
        const bool paren = c.op == Op::And || c.op == Op::Or;
        out += paren ? "-(" : "-";
        WriteNode(c, out);
        if (paren)
            out += ')';
        return;
    }
    default:
        out += n.source;
        return;
    }
}

} // namespace

Query::Query() = default;
Query::Query(Query &&) noexcept = default;
Query &Query::operator=(Query &&) noexcept = default;
Query::~Query() = default;

std::optional<Query> Query::Parse(std::string_view text, QueryError &error, QueryOptions options)
{
    Query q;
    q.m_options = options;
    try {
        Parser parser(text, options);
        q.m_root = parser.run(q.m_usesPath, q.m_usesDiskName, q.m_usesDate);
    } catch (ParseFailure &f) {
        error = std::move(f.error);
        return std::nullopt;
    }
    return q;
}

bool Query::empty() const
{
    return !m_root;
}

bool Query::matches(const QueryItem &item) const
{
    return m_root && Matches(*m_root, item, m_options.caseSensitive);
}

bool Query::usesPath() const
{
    return m_usesPath;
}

bool Query::usesDiskName() const
{
    return m_usesDiskName;
}

bool Query::usesDate() const
{
    return m_usesDate;
}

std::string Query::text() const
{
    std::string out;
    if (m_root)
        WriteNode(*m_root, out);
    return out;
}

// ---- Name literals -------------------------------------------------------------

namespace {

using Alternatives = std::vector<std::vector<std::string>>;

// At most this many alternatives come out of an AND's cross product, and of
// an OR; beyond it the AND drops its weakest children, the OR cannot narrow.
constexpr std::size_t kMaxAlternatives = 16;
constexpr std::size_t kMaxOrAlternatives = 64;

std::string Lowered(std::string_view text)
{
    return platform::LowerText(platform::Utf8Text(text));
}

std::optional<Alternatives> LiteralsOf(const QueryNode &n)
{
    switch (n.op) {
    case Op::Word: {
        std::string lit = Lowered(n.literal);
        if (lit.empty())
            return std::nullopt;
        return Alternatives{{std::move(lit)}};
    }
    case Op::Glob: {
        // Every run between wildcards occurs in a name that fits. A
        // case-sensitive pattern that is not UTF-8 is compared byte by byte
        // with UTF-8 names, so its runs may cut a character: no narrowing.
        if (!platform::IsUtf8(n.literal))
            return std::nullopt;
        std::vector<std::string> runs;
        std::size_t start = 0;
        const std::string &p = n.literal;
        while (start <= p.size()) {
            std::size_t e = p.find_first_of("*?", start);
            if (e == std::string::npos)
                e = p.size();
            if (e > start)
                runs.push_back(Lowered(std::string_view(p).substr(start, e - start)));
            start = e + 1;
        }
        if (runs.empty())
            return std::nullopt;
        return Alternatives{std::move(runs)};
    }
    case Op::Ext: {
        Alternatives alts;
        for (const std::string &e : n.exts)
            alts.push_back({e});
        return alts;
    }
    case Op::Or: {
        Alternatives alts;
        for (const auto &c : n.children) {
            std::optional<Alternatives> a = LiteralsOf(*c);
            if (!a)
                return std::nullopt;
            for (auto &one : *a)
                alts.push_back(std::move(one));
            if (alts.size() > kMaxOrAlternatives)
                return std::nullopt;
        }
        return alts;
    }
    case Op::And: {
        std::vector<Alternatives> parts;
        for (const auto &c : n.children)
            if (std::optional<Alternatives> a = LiteralsOf(*c))
                parts.push_back(std::move(*a));
        if (parts.empty())
            return std::nullopt;
        // The fewest alternatives narrow the most: keep those first, and
        // leave out what would make the product too big (leaving a child
        // out only widens the answer).
        std::stable_sort(parts.begin(), parts.end(),
                         [](const Alternatives &a, const Alternatives &b) { return a.size() < b.size(); });
        Alternatives product{{}};
        for (const Alternatives &p : parts) {
            if (product.size() * p.size() > kMaxAlternatives)
                continue;
            Alternatives next;
            for (const auto &left : product)
                for (const auto &right : p) {
                    std::vector<std::string> both = left;
                    both.insert(both.end(), right.begin(), right.end());
                    next.push_back(std::move(both));
                }
            product = std::move(next);
        }
        return product;
    }
    default:
        return std::nullopt;
    }
}

} // namespace

std::optional<std::vector<std::vector<std::string>>> Query::nameLiterals() const
{
    if (!m_root)
        return Alternatives{}; // matches nothing
    std::optional<Alternatives> alts = LiteralsOf(*m_root);
    if (!alts)
        return std::nullopt;
    for (auto &one : *alts) {
        std::sort(one.begin(), one.end());
        one.erase(std::unique(one.begin(), one.end()), one.end());
        if (one.empty())
            return std::nullopt;
    }
    return alts;
}

// ---- The walk over a loaded catalogue -----------------------------------------

namespace {

void AppendPathPart(std::string &path, std::string_view name)
{
    path += platform::Utf8Text(name);
    path += '/';
}

std::string PathOf(const TreeNode *node)
{
    std::vector<const TreeNode *> chain;
    for (const TreeNode *n = node; n; n = n->parent())
        chain.push_back(n);
    std::string path;
    for (auto it = chain.rbegin(); it != chain.rend(); ++it)
        AppendPathPart(path, (*it)->text());
    return path;
}

// Texts of which every file name the query matches holds one (a word, a
// glob's longest plain run, an extension), with whether their letter case
// counts: the folder buffers are scanned for them as Finder does. Nothing
// when the query has none that narrows.
using Prescan = std::vector<std::pair<std::string, bool>>;

constexpr std::size_t kMaxPrescanTexts = 8;

std::optional<Prescan> PrescanOf(const QueryNode &n, bool caseSensitive)
{
    switch (n.op) {
    case Op::Word:
        return Prescan{{n.literal, caseSensitive}};
    case Op::Glob:
        // A case-sensitive pattern that is not UTF-8 is compared byte by byte
        // (GlobPattern): its plain run may not be what a scan looks for.
        if (n.glob->longestLiteral().empty() || (caseSensitive && !platform::IsUtf8(n.literal)))
            return std::nullopt;
        return Prescan{{n.glob->longestLiteral(), caseSensitive}};
    case Op::Ext: {
        Prescan texts;
        for (const std::string &e : n.exts)
            texts.emplace_back(e, false); // extensions never count letter case
        return texts;
    }
    case Op::Or: {
        Prescan texts;
        for (const auto &c : n.children) {
            std::optional<Prescan> one = PrescanOf(*c, caseSensitive);
            if (!one || texts.size() + one->size() > kMaxPrescanTexts)
                return std::nullopt;
            texts.insert(texts.end(), one->begin(), one->end());
        }
        return texts;
    }
    case Op::And: {
        // The fewest texts, then the longest shortest one: fewest places to look.
        std::optional<Prescan> best;
        const auto shortest = [](const Prescan &p) {
            std::size_t m = std::string::npos;
            for (const auto &t : p)
                m = std::min(m, t.first.size());
            return m;
        };
        for (const auto &c : n.children) {
            std::optional<Prescan> one = PrescanOf(*c, caseSensitive);
            if (one && (!best || one->size() < best->size() ||
                        (one->size() == best->size() && shortest(*one) > shortest(*best))))
                best = std::move(one);
        }
        return best;
    }
    default:
        return std::nullopt;
    }
}

} // namespace

std::vector<SearchPattern> Query::prescanPatterns() const
{
    std::vector<SearchPattern> patterns;
    if (!m_root)
        return patterns;
    if (std::optional<Prescan> texts = PrescanOf(*m_root, m_options.caseSensitive))
        for (const auto &[text, caseSensitive] : *texts)
            patterns.emplace_back(text, caseSensitive);
    return patterns;
}

void FindAllMatching(const Query &query, const std::vector<const TreeNode *> &disks,
                     const std::function<void(TreeNode *node, int entry)> &found, const std::atomic<bool> *stop)
{
    if (query.empty())
        return;
    const bool usesPath = query.usesPath();
    const bool usesDate = query.usesDate();
    const std::vector<SearchPattern> prescan = query.prescanPatterns();
    std::vector<std::size_t> next(prescan.size());
    for (const TreeNode *disk : disks) {
        QueryItem item;
        item.diskName = disk->text();
        item.dateOrder = usesDate ? DateOrderOfListing(*disk) : platform::DateOrder::DayMonthYear;
        std::string path;
        for (const TreeNode *n = disk; n; n = NextInDisk(disk, n)) {
            if (stop && stop->load(std::memory_order_relaxed))
                return;
            auto *node = const_cast<TreeNode *>(n);
            if (usesPath) {
                path = PathOf(n);
                item.path = path;
            }
            item.kind = n->parent() ? ItemKind::Folder : ItemKind::Disk;
            item.name = n->text();
            item.comment = n->disk().Comment;
            item.description = item.category = item.size = item.date = {};
            if (query.matches(item))
                found(node, -1);
            item.kind = ItemKind::File;
            item.comment = {};
            const FileList &files = n->disk().Files;
            const int count = files.count();
            const auto test = [&](int k) {
                const FileEntryView e = files.entry(k);
                item.name = e[FT_NAME];
                item.description = e[FT_DESCRIPTION];
                item.date = e[FT_DATE];
                item.size = e[FT_SIZE];
                item.category = e[FT_CATEGORY];
                if (query.matches(item))
                    found(node, k);
            };
            if (prescan.empty() || !files.inListOrder()) {
                for (int k = 0; k < count; ++k)
                    test(k);
                continue;
            }
            // Places in the buffer where the name of an entry may hold one of
            // the texts (each text's next place kept until it is passed); a
            // place past an entry's name moves on to the next entry.
            const std::string_view data = files.rawData();
            std::size_t pos = 0;
            int lo = 0;
            std::fill(next.begin(), next.end(), npos);
            bool first = true;
            while (lo < count) {
                std::size_t at = npos;
                for (std::size_t t = 0; t < prescan.size(); ++t) {
                    if (first || (next[t] != npos && next[t] < pos))
                        next[t] = prescan[t].nextCandidate(data, pos);
                    at = std::min(at, next[t]);
                }
                first = false;
                pos = at;
                if (pos == npos)
                    break;
                const int a = files.entryAtOffset(pos, lo);
                const std::size_t nameEnd = data.find('\n', files.rawOffset(a));
                if (pos < nameEnd)
                    test(a);
                lo = a + 1;
                if (lo < count)
                    pos = files.rawOffset(lo);
            }
        }
    }
}

// ---- The Find dialog's choices as a query -------------------------------------

namespace {

// Whether `text` reads back as one plain word (no escapes needed).
bool IsPlainWord(std::string_view text)
{
    if (text.empty() || text == "OR" || text == "NOT" || text == "AND" || text[0] == '-')
        return false;
    for (char c : text)
        if (EndsWord(c) || c == '\\' || c == '*' || c == '?' || c == ':')
            return false;
    return true;
}

// A literal text as a phrase: "..." with \" and \\.
std::string Phrase(std::string_view text)
{
    std::string out = "\"";
    for (char c : text) {
        if (c == '"' || c == '\\')
            out += '\\';
        out += c;
    }
    out += '"';
    return out;
}

// A literal text as a word if it can be one, else a phrase.
std::string Literal(std::string_view text)
{
    return IsPlainWord(text) ? std::string(text) : Phrase(text);
}

// A name pattern as one word: its wildcards stay, everything else that a
// word would not take as itself gets a backslash.
std::string GlobWord(std::string_view pattern)
{
    std::string out;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const char c = pattern[i];
        if (c != '*' && c != '?' && Escapable(c))
            out += '\\';
        out += c;
    }
    return out;
}

std::string DateValue(const QDate &d)
{
    return d.toString(QStringLiteral("yyyy-MM-dd")).toStdString();
}

} // namespace

// Where the query and Finder differ (the test comparing them leaves these
// out): disk:= picks listings by name, so another listing of the same disk
// name (or, without case sensitivity, of the same name in other letter case)
// comes along; cat:= folds letter case unless the search is case-sensitive,
// where Finder always compares the category exactly.
std::string QueryTextOf(const SearchOptions &o, std::string_view listingName)
{
    const bool glob = o.wildcards && HasWildcards(o.text);
    const bool hasText = !o.text.empty();
    const std::string name = glob ? GlobWord(o.text) : Literal(o.text);
    const std::string desc = "desc:" + name;

    std::vector<std::string> filters;
    if (o.categoryOnly)
        filters.push_back("cat:=" + (o.category.empty() ? std::string() : Literal(o.category)));
    if (o.minSize || o.maxSize)
        filters.push_back("size:" + (o.minSize ? std::to_string(*o.minSize) : std::string()) + ".." +
                          (o.maxSize ? std::to_string(*o.maxSize) : std::string()));
    if (o.fromDate.isValid() || o.toDate.isValid())
        filters.push_back("date:" + (o.fromDate.isValid() ? DateValue(o.fromDate) : std::string()) + ".." +
                          (o.toDate.isValid() ? DateValue(o.toDate) : std::string()));

    // File entries: the text in the name or the description, and the filters.
    std::string files;
    bool filesAnyKind = false; // the name alone, no files-only term: folders too
    bool filesOr = false;      // files is an OR at its top
    if (!hasText) {
        if (o.categoryOnly || o.fileNames || o.descriptions)
            files = "type:file";
    } else if (o.fileNames && o.descriptions) {
        files = "(" + name + " OR " + desc + ")";
        filesAnyKind = true;
    } else if (o.fileNames) {
        files = name;
        filesAnyKind = true;
    } else if (o.descriptions) {
        files = desc;
    }
    if (!files.empty()) {
        for (const std::string &f : filters)
            files += " " + f;
        if (filesAnyKind && filters.empty()) {
            // The name alone would find folders as well: without folder
            // names, say files; with them, say nothing more.
            if (!o.folderNames)
                files += " type:file";
            else if (files.front() == '(') {
                files = files.substr(1, files.size() - 2);
                filesOr = true;
            }
        } else if (!filters.empty() && !hasText) {
            files = files.substr(std::string("type:file ").size());
        }
    }
    // Disk and folder names, which have no size or date.
    std::string folders;
    const bool namesOfFolders = o.folderNames && hasText && !o.filtersFiles();
    if (namesOfFolders && !(filesAnyKind && filters.empty()))
        folders = name + " type:folder";

    std::string query;
    bool topOr = false;
    if (!folders.empty() && !files.empty()) {
        query = folders + " OR " + files;
        topOr = true;
    } else {
        query = folders.empty() ? files : folders;
        topOr = filesOr;
    }
    if (query.empty())
        return {};
    if (o.listing) {
        const std::string disk = "disk:=" + Literal(listingName.empty() ? std::string_view(o.listing->text())
                                                                         : listingName);
        query = topOr ? disk + " (" + query + ")" : disk + " " + query;
    }
    return query;
}

} // namespace rkm
