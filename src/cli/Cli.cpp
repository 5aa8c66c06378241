#include "cli/Cli.h"

#include "catalog/ListingFile.h"
#include "catalog/Summary.h"
#include "platform/Text.h"
#include "platform/TextValues.h"
#include "search/IndexWriter.h"

#include <QCoreApplication>

#include <algorithm>
#include <cstring>

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

const std::vector<std::string> READING_FLAGS = {"--archives",     "--no-archives",     "--descriptions",
                                                 "--no-descriptions", "--tags",        "--no-tags",
                                                 "--fingerprints", "--no-fingerprints", "--pictures",
                                                 "--no-pictures"};

const char READING_FLAGS_HELP[] =
    QT_TRANSLATE_NOOP("rkm::cli::Say",
                      "  --archives         list the contents of archives (zip, 7z, rar, tar.gz and\n"
                      "                     other tar files, cab, ISO images) as folders named like\n"
                      "                     them; nothing is unpacked\n"
                      "  --descriptions     read descriptions from descript.ion and file_id.diz\n"
                      "  --tags             describe music, photos and videos from their tags\n"
                      "  --fingerprints     read every file's contents once and keep its fingerprint\n"
                      "                     (XXH3-128, as xxhsum -H2 prints it), for verify --contents\n"
                      "                     and duplicates --contents\n"
                      "  --pictures         keep a small picture (256 pixels) of each photo, video and\n"
                      "                     music file with cover art\n"
                      "  --no-archives, --no-descriptions, --no-tags, --no-fingerprints, --no-pictures\n"
                      "                     do not read that\n"
                      "\n"
                      "A file whose contents cannot be read (an I/O error on a failing disc, no\n"
                      "permission) is named on standard error with the system's reason and listed\n"
                      "without a fingerprint; the others are read all the same.\n");

bool ApplyReadingFlags(const Args &args, ScanOptions &options, std::string &error)
{
    struct Choice {
        const char *on, *off;
        bool ScanOptions::*member;
    };
    static constexpr Choice choices[] = {{"--archives", "--no-archives", &ScanOptions::archives},
                                         {"--descriptions", "--no-descriptions", &ScanOptions::descriptions},
                                         {"--tags", "--no-tags", &ScanOptions::tags},
                                         {"--fingerprints", "--no-fingerprints", &ScanOptions::fingerprints},
                                         {"--pictures", "--no-pictures", &ScanOptions::pictures}};
    for (const Choice &c : choices) {
        const bool on = args.has(c.on), off = args.has(c.off);
        if (on && off) {
            error = Fill(Say::tr("%1 and %2 contradict each other"), {c.on, c.off});
            return false;
        }
        if (on || off)
            options.*(c.member) = on;
    }
    return true;
}

int Usage(Context &ctx, const std::string &message, const Command &cmd)
{
    Print(ctx.err, Fill(Say::tr("rackmere-cli %1: %2"), {cmd.name, message}) + "\n\n" + HelpText(cmd));
    return EXIT_USAGE;
}

namespace {

// The paragraphs the help of several commands ends with.
const char LISTING_NAMES_HELP[] =
    QT_TRANSLATE_NOOP("rkm::cli::Say", "\n"
                                       "Two listings may have one disk name (two scans of one folder do). A name that\n"
                                       "several listings have is refused with exit status 2, the listings listed on\n"
                                       "standard error by their files; name the one meant by its listing file\n"
                                       "(1234.rkm), or as the desktop program shows it (\"Backup (1234.rkm)\"), which\n"
                                       "is also how the lines printed name such a listing.\n");
const char WRITER_LOCK_HELP[] =
    QT_TRANSLATE_NOOP("rkm::cli::Say", "\n"
                                       "One program at a time writes the catalogue. While the desktop program runs\n"
                                       "(or another command writes), this command changes nothing and ends with exit\n"
                                       "status 4: \"The catalogue in DIR is in use by Rackmere (process N)\".\n"
                                       "When the catalogue cannot be written at all (its folder is read-only, the\n"
                                       "disk is full, no permission), it changes nothing and ends with exit status 5:\n"
                                       "\"The catalogue in DIR cannot be written: REASON\".\n"
                                       "\n"
                                       "  --wait SECONDS  wait up to SECONDS for the catalogue to be free first\n");

} // namespace

std::string HelpText(const Command &cmd)
{
    std::string text = Said(cmd.help);
    text += Said(cmd.helpEnd);
    // The English help tells whether the command names a listing.
    const std::string_view help = cmd.help, helpEnd = cmd.helpEnd;
    if (help.find("LISTING") != help.npos || helpEnd.find("LISTING") != helpEnd.npos ||
        std::strcmp(cmd.name, "diff") == 0)
        text += Said(LISTING_NAMES_HELP);
    if (cmd.access == Access::Write)
        text += Said(WRITER_LOCK_HELP);
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

IndexRefresh::~IndexRefresh()
{
    try {
        index::RefreshIndex(m_ctx.programDir, m_store.Tree());
    } catch (...) {
        // A cache that cannot be written is left as it is; the next search loads.
    }
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
        Print(ctx.err, Fill(Say::tr("rackmere-cli %1: no listing named '%2'"), {cmd.name, which}) + "\n");
        status = notFound;
        return nullptr;
    }
    std::vector<std::string> lines;
    for (const TreeNode *d : match.candidates)
        lines.push_back(Shown(d->disk().FileName) + "  " + Shown(d->text()) + "  " + Shown(d->disk().RootPath));
    const int count = static_cast<int>(match.candidates.size());
    Print(ctx.err, Fill(Say::tr("rackmere-cli %1: %n listings are named '%2'; name the one meant by its listing file:",
                                nullptr, count),
                        {cmd.name, which}) +
                       "\n");
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
    // One sentence per text named, so that a translation may reorder it.
    static constexpr std::pair<std::string_view, const char *> sentences[] = {
        {"name", QT_TRANSLATE_NOOP("rkm::cli::Say", "rackmere-cli %1: the name is %2 bytes long; a listing holds at "
                                                    "most %3 bytes of a text. Nothing was changed.")},
        {"new name", QT_TRANSLATE_NOOP("rkm::cli::Say", "rackmere-cli %1: the new name is %2 bytes long; a listing "
                                                        "holds at most %3 bytes of a text. Nothing was changed.")},
        {"comment", QT_TRANSLATE_NOOP("rkm::cli::Say", "rackmere-cli %1: the comment is %2 bytes long; a listing "
                                                       "holds at most %3 bytes of a text. Nothing was changed.")},
        {"root path", QT_TRANSLATE_NOOP("rkm::cli::Say", "rackmere-cli %1: the root path is %2 bytes long; a "
                                                         "listing holds at most %3 bytes of a text. Nothing was "
                                                         "changed.")},
        {"description", QT_TRANSLATE_NOOP("rkm::cli::Say", "rackmere-cli %1: the description is %2 bytes long; a "
                                                           "listing holds at most %3 bytes of a text. Nothing was "
                                                           "changed.")},
        {"category", QT_TRANSLATE_NOOP("rkm::cli::Say", "rackmere-cli %1: the category is %2 bytes long; a listing "
                                                        "holds at most %3 bytes of a text. Nothing was changed.")},
    };
    const std::string size = std::to_string(text.size()), most = std::to_string(MAX_TEXT_BYTES);
    for (const auto &[name, sentence] : sentences)
        if (name == what) {
            Print(ctx.err, Fill(Say::tr(sentence), {cmd.name, size, most}) + "\n");
            return false;
        }
    Print(ctx.err, Fill(Say::tr("rackmere-cli %1: the %2 is %3 bytes long; a listing holds at most %4 bytes of a "
                                "text. Nothing was changed."),
                        {cmd.name, what, size, most}) +
                       "\n");
    return false;
}

void ReportShortened(Context &ctx, const Command &cmd, CatalogStore &store)
{
    const std::vector<ShortenedListing> shortened = store.TakeShortened();
    if (shortened.empty())
        return;
    // The desktop program's summary: a few thousand cut texts make a few lines.
    Print(ctx.err, Fill(Say::tr("rackmere-cli %1: texts longer than %2 bytes were shortened to fit:"),
                        {cmd.name, std::to_string(MAX_TEXT_BYTES)}) +
                       "\n");
    for (const std::string &line : SummarizeShortened(shortened))
        std::fprintf(ctx.err, "  %s\n", line.c_str());
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

namespace {

std::vector<std::string_view> FolderNames(const TreeNode *node)
{
    std::vector<std::string_view> names;
    for (const TreeNode *f : FolderChain(node))
        names.push_back(f->text());
    return names;
}

} // namespace

std::string EntryLine(DiskNames &names, const TreeNode *node, int entry)
{
    return MatchLine(names.of(*DiskNodeOf(node)), FolderNames(node),
                     entry >= 0 ? node->disk().Files.text(entry, FT_NAME) : std::string_view());
}

std::string EntryJson(const TreeNode *node, int entry)
{
    const TreeNode *disk = DiskNodeOf(node);
    return MatchJson(disk->disk().FileName, disk->text(), FolderNames(node),
                     entry >= 0 ? node->disk().Files.text(entry, FT_NAME) : std::string_view(), entry);
}

} // namespace rkm::cli
