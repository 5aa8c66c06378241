// find and describe: searching every listing and annotating a file entry.
#include "cli/Cli.h"

#include "platform/Text.h"
#include "search/Annotations.h"
#include "search/Finder.h"

#include <exception>

namespace rkm::cli {

namespace {

int runFind(Context &ctx);
int runDescribe(Context &ctx);

const Command findCmd{"find", Access::Read, "search every listing for a file or folder name, description or category",
                      "Usage: rackmere-cli find TEXT [--case-sensitive] [--no-folder-names]\n"
                      "                         [--no-filenames] [--no-descriptions] [--category NAME]\n"
                      "                         [--glob] [--min-size SIZE] [--max-size SIZE]\n"
                      "                         [--after DATE] [--before DATE] [--listing LISTING]\n"
                      "                         [--json]\n"
                      "\n"
                      "Searches all listings as the desktop program's Find and repeated Find next\n"
                      "do (Find all lists the same), and prints every match in that order, one a\n"
                      "line: a disk or folder name as the disk name and folder names joined by '/'\n"
                      "and ending in '/', a file entry as that path followed by the file name.\n"
                      "Letter case does not count unless --case-sensitive is given; '*' and '?' are\n"
                      "plain characters unless --glob is given. An empty TEXT (\"\") matches every\n"
                      "file entry, so the filters alone choose.\n"
                      "\n"
                      "  --no-folder-names   do not test disk and folder names\n"
                      "  --no-filenames      do not test the file names of the entries\n"
                      "  --no-descriptions   do not test the descriptions of the entries\n"
                      "  --category NAME     only file entries of exactly this category (an empty\n"
                      "                      NAME: entries without one); with an empty TEXT every\n"
                      "                      entry of the category matches\n"
                      "  --glob              a TEXT holding '*' (any characters) or '?' (one\n"
                      "                      character) is a name pattern: a file, folder or disk\n"
                      "                      name must fit it whole ('*.avi'), a description in some\n"
                      "                      part; a TEXT without them is still looked for anywhere\n"
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
                      "\n"
                      "With a size or date range, disk and folder names (which have neither) do not\n"
                      "match.\n"
                      "\n"
                      "  --json              print an array of objects with the keys listing, disk,\n"
                      "                      folders (names below the disk), file and index (null\n"
                      "                      for a disk or folder name)\n"
                      "\n"
                      "Exit status 0 with matches, 1 with none (\"No matching entry was found\" on\n"
                      "standard error) or when a listing file could not be loaded (each is named\n"
                      "on standard error; the matches in the others are printed all the same), 2\n"
                      "for a size or date that cannot be read.\n",
                      runFind};
const Registrar findReg(findCmd);

const Command describeCmd{"describe", Access::Write, "set the description and category of a file entry",
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
                          "file cannot be written.\n",
                          runDescribe};
const Registrar describeReg(describeCmd);

std::string HitLine(DiskNames &names, const SearchHit &hit)
{
    return EntryLine(names, hit.node, hit.entry);
}

std::string HitJson(const SearchHit &hit)
{
    return EntryJson(hit.node, hit.entry);
}

int runFind(Context &ctx)
{
    const Command &self = findCmd;
    Args a(ctx.args, {"--category", "--min-size", "--max-size", "--after", "--before", "--listing"},
           {"--case-sensitive", "--no-folder-names", "--no-filenames", "--no-descriptions", "--glob", "--json"});
    if (!a.ok())
        return Usage(ctx, a.error(), self);
    if (a.positional().size() != 1)
        return Usage(ctx, "give one text to look for (\"\" for any)", self);
    SearchOptions o;
    o.text = a.positional()[0];
    o.caseSensitive = a.has("--case-sensitive");
    o.folderNames = !a.has("--no-folder-names");
    o.fileNames = !a.has("--no-filenames");
    o.descriptions = !a.has("--no-descriptions");
    if (const std::string *c = a.value("--category")) {
        o.categoryOnly = true;
        o.category = *c;
    }
    o.wildcards = a.has("--glob");
    std::string bad;
    if (!SizeOption(a, "--min-size", o.minSize, bad) || !SizeOption(a, "--max-size", o.maxSize, bad) ||
        !DateOption(a, "--after", 1, o.fromDate, bad) || !DateOption(a, "--before", -1, o.toDate, bad))
        return Usage(ctx, bad, self);
    CatalogStore store(ctx.programDir);
    // A listing that could not be read was not searched: the matches found
    // are printed, but the answer is incomplete and the status says so.
    const bool loaded = Load(ctx, store);
    if (const std::string *l = a.value("--listing")) {
        int status = EXIT_OK;
        o.listing = ListingArgument(ctx, self, store, *l, status);
        if (!o.listing)
            return status;
    }
    const Finder finder(std::move(o));
    DiskNames names(store.Tree());
    const bool json = a.has("--json");
    std::string out = json ? "[" : "";
    long count = 0;
    finder.findAll(store.Tree(), [&](const SearchHit &hit) {
        if (json)
            out += (count ? ",\n  " : "\n  ") + HitJson(hit);
        else
            out += HitLine(names, hit) + "\n";
        ++count;
        if (out.size() > (1u << 16)) {
            std::fwrite(out.data(), 1, out.size(), ctx.out);
            out.clear();
        }
    });
    if (json)
        out += count ? "\n]\n" : "]\n";
    std::fwrite(out.data(), 1, out.size(), ctx.out);
    if (count == 0) {
        std::fprintf(ctx.err, "No matching entry was found\n");
        return EXIT_FAILED;
    }
    return loaded ? EXIT_OK : EXIT_FAILED;
}

int runDescribe(Context &ctx)
{
    const Command &self = describeCmd;
    Args a(ctx.args, {"--description", "--category"}, {});
    if (!a.ok())
        return Usage(ctx, a.error(), self);
    if (a.positional().size() != 2)
        return Usage(ctx, "name a listing and a file entry's path", self);
    const std::string &which = a.positional()[0];
    const std::string &path = a.positional()[1];
    // Typed texts are stored as UTF-8 on one line; longer ones than a listing
    // holds are refused before anything is read.
    const std::string *desc = a.value("--description");
    const std::string *cat = a.value("--category");
    const std::string typedDescription = desc ? Typed(platform::OneLineText(*desc)) : std::string();
    const std::string typedCategory = cat ? Typed(platform::OneLineText(*cat)) : std::string();
    if (!FitsListing(ctx, self, "description", typedDescription) || !FitsListing(ctx, self, "category", typedCategory))
        return EXIT_USAGE;
    CatalogStore store(ctx.programDir);
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
            std::fprintf(ctx.err, "rackmere-cli describe: no folder '%s' in '%s'\n",
                         std::string(path, 0, slash).c_str(), Shown(disk->text()).c_str());
            return EXIT_FAILED;
        }
        folder = next;
        start = slash + 1;
    }
    const std::string_view fileName(path.data() + start, path.size() - start);
    TDisk &record = folder->disk();
    const int index = FindFileEntry(record, fileName);
    if (index < 0) {
        std::fprintf(ctx.err, "rackmere-cli describe: no file entry '%s' in '%s'\n", path.c_str(),
                     Shown(disk->text()).c_str());
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
