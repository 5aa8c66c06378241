#include "cli/Cli.h"

#include "catalog/ListingFile.h"
#include "catalog/Summary.h"
#include "platform/Text.h"
#include "platform/TextValues.h"

#include <QCoreApplication>

#include <algorithm>

namespace rkm::cli {

std::vector<Command> &Commands()
{
    static std::vector<Command> commands;
    return commands;
}

std::map<std::string, AppMaker> &AppMakers()
{
    static std::map<std::string, AppMaker> makers;
    return makers;
}

QCoreApplication *MakeApplication(int &argc, char **argv)
{
    // The command is the first argument that is not --dir and its folder.
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        if (a == "--dir") {
            ++i;
            continue;
        }
        if (a.rfind("--dir=", 0) == 0)
            continue;
        const auto it = AppMakers().find(a);
        if (it != AppMakers().end())
            return it->second(argc, argv);
        break;
    }
    return new QCoreApplication(argc, argv);
}

Args::Args(const std::vector<std::string> &args, std::vector<std::string> valued, std::vector<std::string> flags)
{
    bool onlyPositional = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string &a = args[i];
        if (onlyPositional || a.size() < 2 || a[0] != '-' || (a[1] != '-' && a != "-h")) {
            m_positional.push_back(a);
            continue;
        }
        if (a == "--") {
            onlyPositional = true;
            continue;
        }
        std::string opt = a;
        std::string val;
        bool inlineValue = false;
        if (auto eq = a.find('='); eq != std::string::npos) {
            opt = a.substr(0, eq);
            val = a.substr(eq + 1);
            inlineValue = true;
        }
        if (std::find(valued.begin(), valued.end(), opt) != valued.end()) {
            if (!inlineValue) {
                if (i + 1 >= args.size()) {
                    m_error = "option " + opt + " needs a value";
                    return;
                }
                val = args[++i];
            }
            m_values.emplace_back(opt, val);
        } else if (std::find(flags.begin(), flags.end(), opt) != flags.end() && !inlineValue) {
            m_flags.push_back(opt);
        } else {
            m_error = "unknown option " + a;
            return;
        }
    }
}

bool Args::has(std::string_view option) const
{
    return std::find(m_flags.begin(), m_flags.end(), option) != m_flags.end() || value(option);
}

const std::string *Args::value(std::string_view option) const
{
    // The last one given counts.
    for (auto it = m_values.rbegin(); it != m_values.rend(); ++it)
        if (it->first == option)
            return &it->second;
    return nullptr;
}

const std::vector<std::string> READING_FLAGS = {"--archives",     "--no-archives", "--descriptions",
                                                 "--no-descriptions", "--tags",     "--no-tags"};

const char READING_FLAGS_HELP[] =
    "  --archives         list the contents of archives (zip, 7z, rar, tar.gz and\n"
    "                     other tar files, cab, ISO images) as folders named like\n"
    "                     them; nothing is unpacked\n"
    "  --descriptions     read descriptions from descript.ion and file_id.diz\n"
    "  --tags             describe music, photos and videos from their tags\n"
    "  --no-archives, --no-descriptions, --no-tags\n"
    "                     do not read that\n";

bool ApplyReadingFlags(const Args &args, ScanOptions &options, std::string &error)
{
    struct Choice {
        const char *on, *off;
        bool ScanOptions::*member;
    };
    static constexpr Choice choices[] = {{"--archives", "--no-archives", &ScanOptions::archives},
                                         {"--descriptions", "--no-descriptions", &ScanOptions::descriptions},
                                         {"--tags", "--no-tags", &ScanOptions::tags}};
    for (const Choice &c : choices) {
        const bool on = args.has(c.on), off = args.has(c.off);
        if (on && off) {
            error = std::string(c.on) + " and " + c.off + " contradict each other";
            return false;
        }
        if (on || off)
            options.*(c.member) = on;
    }
    return true;
}

int Usage(Context &ctx, const std::string &message, const Command &cmd)
{
    std::fprintf(ctx.err, "rackmere-cli %s: %s\n\n%s", cmd.name, message.c_str(), HelpText(cmd).c_str());
    return EXIT_USAGE;
}

std::string HelpText(const Command &cmd)
{
    std::string text = cmd.help;
    text += cmd.helpEnd;
    if (text.find("LISTING") != std::string::npos || std::string_view(cmd.name) == "diff")
        text += "\n"
                "Two listings may have one disk name (two scans of one folder do). A name that\n"
                "several listings have is refused with exit status 2, the listings listed on\n"
                "standard error by their files; name the one meant by its listing file\n"
                "(1234.rkm), or as the desktop program shows it (\"Backup (1234.rkm)\"), which\n"
                "is also how the lines printed name such a listing.\n";
    if (cmd.access == Access::Write)
        text += "\n"
                "One program at a time writes the catalogue. While the desktop program runs\n"
                "(or another command writes), this command changes nothing and ends with exit\n"
                "status 4: \"The catalogue in DIR is in use by Rackmere (process N)\".\n"
                "When the catalogue cannot be written at all (its folder is read-only, the\n"
                "disk is full, no permission), it changes nothing and ends with exit status 5:\n"
                "\"The catalogue in DIR cannot be written: REASON\".\n"
                "\n"
                "  --wait SECONDS  wait up to SECONDS for the catalogue to be free first\n";
    return text;
}

bool Load(Context &ctx, CatalogStore &store)
{
    store.writer = ctx.writes;
    const std::vector<std::string> errors = store.LoadCatalog();
    for (const std::string &e : errors)
        std::fprintf(ctx.err, "%s\n", Shown(e).c_str());
    return errors.empty();
}

ListingMatch MatchListing(const CatalogStore &store, const std::string &which)
{
    const Catalog &tree = store.Tree();
    ListingMatch match;
    if ((match.found = tree.findByFileName(which)))
        return match;
    for (int i = 0; i < tree.diskCount(); ++i)
        if (platform::SameText(tree.disk(i)->disk().FileName, which))
            return {tree.disk(i), {}};
    for (int i = 0; i < tree.diskCount(); ++i)
        if (platform::SameText(tree.disk(i)->text(), which))
            match.candidates.push_back(tree.disk(i));
    if (match.candidates.size() == 1)
        return {match.candidates.front(), {}};
    if (!match.candidates.empty())
        return match;
    // "Name (file.rkm)", as the tree shows a name that repeats.
    const std::size_t open = which.rfind(" (");
    if (open != std::string::npos && which.size() > open + 3 && which.back() == ')') {
        const std::string file = which.substr(open + 2, which.size() - open - 3);
        const std::string name = which.substr(0, open);
        for (int i = 0; i < tree.diskCount(); ++i) {
            TreeNode *d = tree.disk(i);
            if (platform::SameText(d->disk().FileName, file) && platform::SameText(d->text(), name))
                return {d, {}};
        }
    }
    return match;
}

TreeNode *ListingArgument(Context &ctx, const Command &cmd, const CatalogStore &store, const std::string &which,
                          int &status, int notFound)
{
    const ListingMatch match = MatchListing(store, which);
    if (match.found)
        return match.found;
    if (match.candidates.empty()) {
        std::fprintf(ctx.err, "rackmere-cli %s: no listing named '%s'\n", cmd.name, which.c_str());
        status = notFound;
        return nullptr;
    }
    std::vector<std::string> lines;
    for (const TreeNode *d : match.candidates)
        lines.push_back(Shown(d->disk().FileName) + "  " + Shown(d->text()) + "  " + Shown(d->disk().RootPath));
    std::fprintf(ctx.err, "rackmere-cli %s: %zu listings are named '%s'; name the one meant by its listing file:\n",
                 cmd.name, match.candidates.size(), which.c_str());
    for (const std::string &line : SummarizeList(lines))
        std::fprintf(ctx.err, "  %s\n", line.c_str());
    status = EXIT_USAGE;
    return nullptr;
}

TreeNode *FindFolder(const TreeNode &folder, std::string_view name)
{
    for (int i = 0; i < folder.childCount(); ++i)
        if (folder.child(i)->text() == name)
            return folder.child(i);
    for (int i = 0; i < folder.childCount(); ++i)
        if (platform::SameText(folder.child(i)->text(), name))
            return folder.child(i);
    return nullptr;
}

int FindFileEntry(const TDisk &folder, std::string_view name)
{
    for (int i = 0; i < folder.Files.count(); ++i)
        if (folder.Files.text(i, FT_NAME) == name)
            return i;
    for (int i = 0; i < folder.Files.count(); ++i)
        if (platform::SameText(folder.Files.text(i, FT_NAME), name))
            return i;
    return -1;
}

std::string Typed(std::string_view text)
{
    return platform::Utf8Text(text);
}

bool FitsListing(Context &ctx, const Command &cmd, const char *what, std::string_view text)
{
    if (text.size() <= MAX_TEXT_BYTES)
        return true;
    std::fprintf(ctx.err,
                 "rackmere-cli %s: the %s is %zu bytes long; a listing holds at most %zu bytes of a text. "
                 "Nothing was changed.\n",
                 cmd.name, what, text.size(), MAX_TEXT_BYTES);
    return false;
}

void ReportShortened(Context &ctx, const Command &cmd, CatalogStore &store)
{
    const std::vector<ShortenedListing> shortened = store.TakeShortened();
    if (shortened.empty())
        return;
    // The desktop program's summary: a few thousand cut texts make a few lines.
    std::fprintf(ctx.err, "rackmere-cli %s: texts longer than %zu bytes were shortened to fit:\n", cmd.name,
                 MAX_TEXT_BYTES);
    for (const std::string &line : SummarizeShortened(shortened))
        std::fprintf(ctx.err, "  %s\n", line.c_str());
}

bool SizeOption(const Args &a, const char *option, std::optional<uint64_t> &out, std::string &error)
{
    const std::string *v = a.value(option);
    if (!v)
        return true;
    out = platform::ReadSizeInput(*v);
    if (!out)
        error = std::string(option) + ": '" + *v + "' is no size (a number, and b, k, m or g if not bytes)";
    return out.has_value();
}

bool DateOption(const Args &a, const char *option, int shift, QDate &out, std::string &error)
{
    const std::string *v = a.value(option);
    if (!v)
        return true;
    // YYYY-MM-DD first: a four-digit number first can only be a year.
    const bool iso = v->size() >= 8 &&
                     std::all_of(v->begin(), v->begin() + 4, [](char c) { return c >= '0' && c <= '9'; }) &&
                     (*v)[4] == '-';
    out = platform::ReadDateText(*v, iso ? platform::DateOrder::YearMonthDay : platform::SystemDateOrder());
    if (!out.isValid()) {
        error = std::string(option) + ": '" + *v + "' is no date (YYYY-MM-DD, or this machine's short format)";
        return false;
    }
    out = out.addDays(shift);
    return true;
}

namespace {

// The folder names from below the disk down to `node`.
std::vector<const TreeNode *> FolderChain(const TreeNode *node)
{
    std::vector<const TreeNode *> chain;
    for (const TreeNode *n = node; n->parent(); n = n->parent())
        chain.push_back(n);
    std::reverse(chain.begin(), chain.end());
    return chain;
}

const TreeNode *DiskNodeOf(const TreeNode *node)
{
    while (node->parent())
        node = node->parent();
    return node;
}

} // namespace

const std::string &DiskNames::of(const TreeNode &disk)
{
    const auto it = m_names.find(&disk);
    if (it != m_names.end())
        return it->second;
    return m_names.emplace(&disk, Shown(m_catalog.displayName(disk))).first->second;
}

std::string EntryLine(DiskNames &names, const TreeNode *node, int entry)
{
    std::string line = names.of(*DiskNodeOf(node)) + "/";
    for (const TreeNode *f : FolderChain(node))
        line += Shown(f->text()) + "/";
    if (entry >= 0)
        line += Shown(node->disk().Files.text(entry, FT_NAME));
    return line;
}

std::string EntryJson(const TreeNode *node, int entry)
{
    const TreeNode *disk = DiskNodeOf(node);
    std::string out = "{\"listing\": " + Json(disk->disk().FileName) + ", \"disk\": " + Json(disk->text()) +
                      ", \"folders\": [";
    bool first = true;
    for (const TreeNode *f : FolderChain(node)) {
        out += first ? "" : ", ";
        out += Json(f->text());
        first = false;
    }
    out += "], \"file\": ";
    if (entry >= 0)
        out += Json(node->disk().Files.text(entry, FT_NAME)) + ", \"index\": " + std::to_string(entry);
    else
        out += "null, \"index\": null";
    out += "}";
    return out;
}

std::string Shown(std::string_view bytes)
{
    if (platform::IsUtf8(bytes))
        return std::string(bytes);
    return platform::DecodeText(bytes).toStdString();
}

std::string Json(std::string_view bytes)
{
    const std::string s = Shown(bytes);
    std::string out;
    out.reserve(s.size() + 2);
    out.push_back('"');
    for (const char ch : s) {
        const auto c = static_cast<unsigned char>(ch);
        switch (c) {
        case '"': out += "\\\""; break;
        case '\\': out += "\\\\"; break;
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        case '\t': out += "\\t"; break;
        case '\b': out += "\\b"; break;
        case '\f': out += "\\f"; break;
        default:
            if (c < 0x20) {
                char buf[8];
                std::snprintf(buf, sizeof buf, "\\u%04x", c);
                out += buf;
            } else {
                out.push_back(static_cast<char>(c));
            }
        }
    }
    out.push_back('"');
    return out;
}

} // namespace rkm::cli
