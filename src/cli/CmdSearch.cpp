// find and describe: searching every listing and annotating a file entry.
#include "cli/Cli.h"
#include "cli/Find.h"

#include "platform/Text.h"
#include "search/Annotations.h"
#include "search/IndexWriter.h"
#include "search/Query.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <atomic>

#include <exception>

#include <fcntl.h>
#include <sys/resource.h>
#include <unistd.h>

namespace rkm::cli {

namespace {

int runFind(Context &ctx);
int runDescribe(Context &ctx);

const Command findCmd{"find", Access::Read, QT_TRANSLATE_NOOP("rkm::cli::Say", "search every listing with a query"),
                      QT_TRANSLATE_NOOP("rkm::cli::Say",
                      "Usage: rackmere-cli find QUERY [--case-sensitive] [--no-folder-names]\n"
                      "                         [--no-filenames] [--category NAME] [--min-size SIZE]\n"
                      "                         [--max-size SIZE] [--after DATE] [--before DATE]\n"
                      "                         [--listing LISTING] [--limit N] [--count] [--json | -0]\n"
                      "\n"
                      "Searches all listings for disks, folders and file entries that QUERY\n"
                      "matches, and prints every match in the order the desktop program's Find all\n"
                      "lists them, one a line: a disk or folder as the disk name and folder names\n"
                      "joined by '/' and ending in '/', a file entry as that path followed by the\n"
                      "file name. The answer comes from the search index (a cache under\n"
                      "$XDG_CACHE_HOME/rackmere/) when it is up to date with the listing files,\n"
                      "else from the listings themselves, which then bring the index up to date;\n"
                      "either way the output is the same.\n"
                      "\n"
                      "QUERY is the language of the desktop program's search box: every word must\n"
                      "occur in the name (letter case does not count), \"a phrase\" with spaces,\n"
                      "'*' and '?' make a word a pattern over the whole name (*.avi), OR (or |),\n"
                      "NOT (or a leading -), parentheses, and fields: ext:mp3;flac, size:>10MB,\n"
                      "size:1MB..5MB, date:2019, date:>=2019-03, cat:, desc:, comment:, disk:,\n"
                      "path:, type:file, type:folder, regex:. A query that cannot be read ends the\n"
                      "command with exit status 2, naming the position (in characters from 1) and\n"
                      "the reason. An empty QUERY (\"\") stands for every file entry, so the options\n"
                      "alone choose. A QUERY that starts with '-' is read as a query (-tmp: names\n"
                      "without tmp); put -- before one that starts with '--' or is -0.\n"
                      "\n"
                      "The options are joined to QUERY by AND:\n"
                      "  --case-sensitive    letter case counts in words and text fields\n"
                      "  --no-folder-names   only file entries (type:file)\n"
                      "  --no-filenames      only disks and folders (type:folder)\n"
                      "  --category NAME     only file entries of exactly this category (cat:=NAME;\n"
                      "                      an empty NAME: entries without one)\n"
                      "  --min-size SIZE     only files of at least SIZE, --max-size of at most SIZE:\n"
                      "                      a number with an optional unit b, k, m, g (KB, MB, GB;\n"
                      "                      1 KB = 1024 bytes), as in 700m or 1.5g. Sizes are read\n"
                      "                      from the size texts: \"1 Kb\" is any size from 1025 to\n"
                      "                      2047 bytes and is kept when that span meets the range\n"
                      "  --after DATE        only files dated after DATE, --before before DATE (the\n"
                      "                      day itself not included); DATE is YYYY-MM-DD or a date\n"
                      "                      in this machine's short format. A listing's dates are\n"
                      "                      read in the order its own texts show (a day above 12\n"
                      "                      tells day from month), else in this machine's order\n"
                      "  --listing LISTING   only in this listing (a file's bare name such as\n"
                      "                      1234.rkm, or a disk name)\n"
                      "  --glob, --no-descriptions\n"
                      "                      kept for scripts and change nothing: words are tested\n"
                      "                      on names only (desc: looks in descriptions), and '*'\n"
                      "                      or '?' always make a word a pattern\n"
                      "\n"
                      "What is printed:\n"
                      "  --limit N           only the first N matches\n"
                      "  --count             only the number of matches\n"
                      "  --json              an array of objects with the keys listing, disk,\n"
                      "                      folders (names below the disk), file and index (null\n"
                      "                      for a disk or folder)\n"
                      "  -0                  each line ended by a NUL byte instead of a line end,\n"
                      "                      for xargs -0\n"
                      "\n"
                      "Exit status 0 with matches, 1 with none (\"No matching entry was found\" on\n"
                      "standard error) or when a listing file could not be loaded (each is named\n"
                      "on standard error; the matches in the others are printed all the same), 2\n"
                      "for a query, size or date that cannot be read.\n"),
                      runFind};
const Registrar findReg(findCmd);

const Command describeCmd{"describe", Access::Write,
                          QT_TRANSLATE_NOOP("rkm::cli::Say", "set the description and category of a file entry"),
                          QT_TRANSLATE_NOOP("rkm::cli::Say",
                          "Usage: rackmere-cli describe LISTING PATH [--description TEXT] [--category TEXT]\n"
                          "\n"
                          "LISTING is a listing file's bare name (1234.rkm) or a disk name. PATH is the\n"
                          "folder names below the disk and the file name, joined by '/' (readme.txt,\n"
                          "Docs/Old/readme.txt). Sets what is given, a line break becoming a space, and\n"
                          "saves the listing. As in the desktop program's file entry properties, the\n"
                          "entry's category is added to DATA.CAT unless it is there in some letter case.\n"
                          "Names match as they read, also in a listing made on Windows; a text that\n"
                          "reads as the stored one is left as it is stored.\n"
                          "\n"
                          "Exit status 2 when a TEXT is longer than the 510 bytes a listing holds of a\n"
                          "text (nothing is changed), 1 when the listing or the entry is not there or a\n"
                          "file cannot be written.\n"),
                          runDescribe};
const Registrar describeReg(describeCmd);

// From how many file entries a search that had to load leaves indexing to
// a process of its own: RACKMERE_INDEX_BACKGROUND_ENTRIES, else 500,000
// (about a second of indexing).
std::size_t BackgroundRefreshFrom()
{
    if (const char *v = std::getenv("RACKMERE_INDEX_BACKGROUND_ENTRIES")) {
        char *end = nullptr;
        const unsigned long long n = std::strtoull(v, &end, 10);
        if (end != v && *end == '\0')
            return static_cast<std::size_t>(n);
    }
    return 500000;
}

std::size_t EntryCount(const Catalog &tree)
{
    std::size_t n = 0;
    for (int i = 0; i < tree.diskCount(); ++i)
        for (const TreeNode *node = tree.disk(i); node; node = NextInDisk(tree.disk(i), node))
            n += static_cast<std::size_t>(node->disk().Files.count());
    return n;
}

// Indexes the catalogue from its files in a child process that outlives this
// one, at the lowest priority, with no terminal: the user's shell gets its
// prompt back at once. The load's threads have all ended by now, so the
// child starts with nothing half done.
void RefreshInBackground(const Context &ctx)
{
    std::fflush(ctx.out);
    std::fflush(ctx.err);
    const pid_t child = ::fork();
    if (child != 0)
        return; // the parent (or no child: the next search loads again)
    ::setsid();
    if (const int null = ::open("/dev/null", O_RDWR | O_CLOEXEC); null >= 0) {
        ::dup2(null, STDIN_FILENO);
        ::dup2(null, STDOUT_FILENO);
        ::dup2(null, STDERR_FILENO);
        if (null > STDERR_FILENO)
            ::close(null);
    }
    ::setpriority(PRIO_PROCESS, 0, 19);
    bool done = false;
    try {
        done = index::RefreshIndex(ctx.programDir);
    } catch (const std::exception &) {
    }
    ::_exit(done ? 0 : 1);
}

int runFind(Context &ctx)
{
    const Command &self = findCmd;
    FindRequest request;
    std::string message;
    switch (ParseFind(ctx.args, request, message, ctx.err)) {
    case FindParse::Ok:
        break;
    case FindParse::Usage:
        return Usage(ctx, message, self);
    case FindParse::BadQuery:
        return EXIT_USAGE;
    }
    if (const std::optional<int> status = FindFromIndex(ctx.programDir, request, ctx.out, ctx.err))
        return *status;

    CatalogStore store(ctx.programDir);
    // A listing that could not be read was not searched: the matches found
    // are printed, but the answer is incomplete and the status says so.
    const bool loaded = Load(ctx, store);
    std::vector<const TreeNode *> disks;
    if (request.listing) {
        int status = EXIT_OK;
        const TreeNode *only = ListingArgument(ctx, self, store, *request.listing, status);
        if (!only)
            return status;
        disks.push_back(only);
    } else {
        for (int i = 0; i < store.Tree().diskCount(); ++i)
            disks.push_back(store.Tree().disk(i));
    }
    DiskNames names(store.Tree());
    MatchPrinter printer(request, ctx.out);
    std::atomic<bool> stop = false;
    std::vector<std::string_view> folders;
    FindAllMatching(*request.query, disks, [&](TreeNode *node, int entry) {
        if (stop)
            return;
        folders.clear();
        const TreeNode *disk = node;
        for (; disk->parent(); disk = disk->parent())
            folders.push_back(disk->text());
        std::reverse(folders.begin(), folders.end());
        const std::string_view file = entry >= 0 ? node->disk().Files.text(entry, FT_NAME) : std::string_view();
        if (!printer.add(disk->disk().FileName, disk->text(), names.of(*disk), folders, file, entry))
            stop = true;
    }, &stop);
    const int status = printer.finish(ctx.err, loaded);
    // What was loaded brings the index up to date for the next search; the
    // index is a cache, so a failure to write it costs nothing else.
    if (EntryCount(store.Tree()) >= BackgroundRefreshFrom()) {
        // A big catalogue takes seconds to index: the answer is out, so the
        // command ends now and a process of its own builds the index.
        RefreshInBackground(ctx);
        return status;
    }
    try {
        index::RefreshIndex(ctx.programDir, store.Tree());
    } catch (const std::exception &) {
    }
    return status;
}

int runDescribe(Context &ctx)
{
    const Command &self = describeCmd;
    Args a(ctx.args, {"--description", "--category"}, {});
    if (!a.ok())
        return Usage(ctx, a.error(), self);
    if (a.positional().size() != 2)
        return Usage(ctx, Utf8(Say::tr("name a listing and a file entry's path")), self);
    const std::string &which = a.positional()[0];
    const std::string &path = a.positional()[1];
    // Typed texts are stored as UTF-8 on one line; longer ones than a listing
    // holds are refused before anything is read.
    const std::string *desc = a.value("--description");
    const std::string *cat = a.value("--category");
    const std::string typedDescription = desc ? Typed(platform::OneLineText(*desc)) : std::string();
    const std::string typedCategory = cat ? Typed(platform::OneLineText(*cat)) : std::string();
    if (!FitsListing(ctx, self, QT_TRANSLATE_NOOP("rkm::cli::Say", "description"), typedDescription) ||
        !FitsListing(ctx, self, QT_TRANSLATE_NOOP("rkm::cli::Say", "category"), typedCategory))
        return EXIT_USAGE;
    CatalogStore store(ctx.programDir);
    const IndexRefresh refresh(ctx, store);
    Load(ctx, store);
    int status = EXIT_OK;
    TreeNode *disk = ListingArgument(ctx, self, store, which, status);
    if (!disk)
        return status;
    // Folder names down to the last part, which is the file name.
    TreeNode *folder = disk;
    std::size_t start = 0;
    std::size_t slash;
    while ((slash = path.find('/', start)) != std::string::npos) {
        const std::string_view name(path.data() + start, slash - start);
        TreeNode *next = FindFolder(*folder, name);
        if (!next) {
            std::fprintf(ctx.err, "rackmere-cli describe: %s\n",
                         Fill(Say::tr("no folder '%1' in '%2'"), {std::string(path, 0, slash), Shown(disk->text())})
                             .c_str());
            return EXIT_FAILED;
        }
        folder = next;
        start = slash + 1;
    }
    const std::string_view fileName(path.data() + start, path.size() - start);
    TDisk &record = folder->disk();
    const int index = FindFileEntry(record, fileName);
    if (index < 0) {
        std::fprintf(ctx.err, "rackmere-cli describe: %s\n",
                     Fill(Say::tr("no file entry '%1' in '%2'"), {path, Shown(disk->text())}).c_str());
        return EXIT_FAILED;
    }
    const std::string description = desc ? typedDescription : std::string(record.Files.text(index, FT_DESCRIPTION));
    const std::string category = cat ? typedCategory : std::string(record.Files.text(index, FT_CATEGORY));
    status = EXIT_OK;
    try {
        SetEntryAnnotations(store, record, index, description, category);
    } catch (const std::exception &e) {
        // The entry has its new texts; the listing is still saved below.
        std::fprintf(ctx.err, "rackmere-cli describe: %s\n", e.what());
        status = EXIT_FAILED;
    }
    if (record.IsModified()) {
        try {
            store.SaveListing(disk, disk->disk().FileName);
            ReportShortened(ctx, self, store);
        } catch (const std::exception &e) {
            std::fprintf(ctx.err, "rackmere-cli describe: %s\n", e.what());
            status = EXIT_FAILED;
        }
    }
    return status;
}

} // namespace

} // namespace rkm::cli
