// list, show and add: reading the catalogue and adding a listing.
#include "cli/Cli.h"

#include "catalog/Errors.h"
#include "catalog/Shelf.h"
#include "platform/Text.h"
#include "scan/ContentReading.h"
#include "scan/ListingOptions.h"
#include "scan/Props.h"
#include "scan/Scanner.h"

#include <QDir>

#include <cerrno>
#include <cstdlib>
#include <cstring>

namespace rkm::cli {

namespace {

int runList(Context &ctx);
int runShow(Context &ctx);
int runAdd(Context &ctx);

const Command listCmd{
    "list", Access::Read, QT_TRANSLATE_NOOP("rkm::cli::Say", "list every listing of the catalogue"),
    QT_TRANSLATE_NOOP("rkm::cli::Say",
                      "Usage: rackmere-cli list [--json]\n"
                      "\n"
                      "Loads the catalogue as the desktop program does at start and prints one line\n"
                      "per listing, in the order of the desktop program's tree (by disk name, numbers\n"
                      "by their value: \"Disk 2\" before \"Disk 10\", letter case ignored), the fields\n"
                      "separated by tabs: listing file, volume serial number (8 hex digits), disk\n"
                      "name, root path, drive type, number of folders, number of files.\n"
                      "\n"
                      "  --json   print a JSON array of objects with the keys file, serial, name,\n"
                      "           rootPath, driveType, comment, folders, files, location, lentTo\n"
                      "           (where the disk is kept and to whom it is lent, \"\" when not\n"
                      "           said; see set) and onMount (ask, update or ignore)\n"
                      "\n"
                      "Exit status 1 when a listing file could not be loaded (each is named on\n"
                      "standard error); the listings that did load are printed all the same.\n"),
    runList};
const Registrar listReg(listCmd);

const Command showCmd{
    "show", Access::Read, QT_TRANSLATE_NOOP("rkm::cli::Say", "print the folders and files of one listing"),
    QT_TRANSLATE_NOOP("rkm::cli::Say",
                      "Usage: rackmere-cli show LISTING [--json]\n"
                      "\n"
                      "LISTING is a listing file's bare name (1234.rkm) or a disk name. Prints the\n"
                      "disk's folders and files, each folder's in the order they were stored, after\n"
                      "a line each for where the disk is kept, to whom it is lent and what is done\n"
                      "when it is mounted, when set (see set).\n"
                      "\n"
                      "  --json   print one object: file, serial, name, rootPath, driveType, comment,\n"
                      "           location, lentTo, onMount (as list --json prints them),\n"
                      "           files (arrays of the five texts: name, description, date, size,\n"
                      "           category), folders (objects with name, comment, files, folders)\n"),
    runShow};
const Registrar showReg(showCmd);

const Command addCmd{"add",
                     Access::Write,
                     QT_TRANSLATE_NOOP("rkm::cli::Say", "catalogue a folder or drive as a new listing"),
                     QT_TRANSLATE_NOOP("rkm::cli::Say",
                                       "Usage: rackmere-cli add PATH --name NAME [--comment TEXT] [--threads N]\n"
                                       "                        [--archives] [--no-descriptions] [--tags]\n"
                                       "                        [--fingerprints] [--pictures]\n"
                                       "\n"
                                       "Walks the folder PATH and saves it as a new listing named NAME, exactly as\n"
                                       "the desktop program's Add new does, then prints the new listing file's name.\n"
                                       "A line break in TEXT becomes a space. An empty NAME, a PATH that is not a\n"
                                       "folder that can be entered, or a NAME, TEXT or folder path longer than the\n"
                                       "510 bytes a listing holds of a text, is refused with exit status 2 and\n"
                                       "nothing is written.\n"
                                       "\n"
                                       "The walk keeps as many requests waiting on the volume as it serves best: 64\n"
                                       "on a network or FUSE file system, 32 on a solid-state disk, 2 on a hard\n"
                                       "disk, 1 on an optical drive. --threads N (1 to 256) walks with N threads\n"
                                       "instead; the listing is the same either way.\n"
                                       "\n"
                                       "What is read beyond names, dates and sizes (as Add new's check boxes; by\n"
                                       "default descriptions only). The choices are remembered for the listing and\n"
                                       "used again by update.\n"
                                       "\n"),
                     runAdd,
                     READING_FLAGS_HELP};

const Registrar addReg(addCmd);

// "location": ..., "lentTo": ..., "onMount": ...
std::string ShelfJson(const Shelf &shelf)
{
    return "\"location\": " + Json(shelf.location) + ", \"lentTo\": " + Json(shelf.lentTo) +
           ", \"onMount\": " + Json(OnMountWord(shelf.onMount));
}

void printListLine(Context &ctx, const TreeNode &n)
{
    const TDisk &d = n.disk();
    long folders = 0, files = 0;
    CountSubtree(n, folders, files);
    std::fprintf(ctx.out, "%s\t%08X\t%s\t%s\t%d\t%ld\t%ld\n", Shown(d.FileName).c_str(), d.SerialNumber,
                 Shown(n.text()).c_str(), Shown(d.RootPath).c_str(), d.DriveType, folders, files);
}

int runList(Context &ctx)
{
    Args a(ctx.args, {}, {"--json"});
    if (!a.ok())
        return Usage(ctx, a.error(), listCmd);
    if (!a.positional().empty())
        return Usage(ctx, Fill(Say::tr("unexpected argument %1"), {a.positional()[0]}), listCmd);
    CatalogStore store(ctx.programDir);
    const bool loaded = Load(ctx, store);
    const bool json = a.has("--json");
    if (json)
        std::fputs("[", ctx.out);
    for (int i = 0; i < store.Tree().diskCount(); ++i) {
        const TreeNode &n = *store.Tree().disk(i);
        if (!json) {
            printListLine(ctx, n);
            continue;
        }
        const TDisk &d = n.disk();
        long folders = 0, files = 0;
        CountSubtree(n, folders, files);
        std::fprintf(ctx.out,
                     "%s\n  {\"file\": %s, \"serial\": %u, \"name\": %s, \"rootPath\": %s, \"driveType\": %d, "
                     "\"comment\": %s, \"folders\": %ld, \"files\": %ld, %s}",
                     i ? "," : "", Json(d.FileName).c_str(), d.SerialNumber, Json(n.text()).c_str(),
                     Json(d.RootPath).c_str(), d.DriveType, Json(d.Comment).c_str(), folders, files,
                     ShelfJson(ShelfOf(store.ExtrasOf(&n))).c_str());
    }
    if (json)
        std::fputs(store.Tree().empty() ? "]\n" : "\n]\n", ctx.out);
    return loaded ? EXIT_OK : EXIT_FAILED;
}

void showText(Context &ctx, const TreeNode &n, int indent)
{
    const std::string pad(static_cast<std::size_t>(indent) * 2, ' ');
    const TDisk &d = n.disk();
    if (!d.Comment.empty())
        std::fprintf(ctx.out, "%s  # %s\n", pad.c_str(), Shown(d.Comment).c_str());
    for (int i = 0; i < d.Files.count(); ++i) {
        FileEntryView e = d.Files.entry(i);
        std::fprintf(ctx.out, "%s  %s\t%s\t%s\t%s\t%s\n", pad.c_str(), Shown(e[0]).c_str(), Shown(e[2]).c_str(),
                     Shown(e[3]).c_str(), Shown(e[1]).c_str(), Shown(e[4]).c_str());
    }
    for (int i = 0; i < n.childCount(); ++i) {
        const TreeNode &c = *n.child(i);
        std::fprintf(ctx.out, "%s  %s/\n", pad.c_str(), Shown(c.text()).c_str());
        showText(ctx, c, indent + 1);
    }
}

void showJsonFiles(std::string &out, const FileList &files)
{
    out += "[";
    for (int i = 0; i < files.count(); ++i) {
        FileEntryView e = files.entry(i);
        out += i ? ", [" : "[";
        for (std::size_t k = 0; k < e.size(); ++k) {
            if (k)
                out += ", ";
            out += Json(e[k]);
        }
        out += "]";
    }
    out += "]";
}

void showJsonFolders(std::string &out, const TreeNode &n)
{
    out += "[";
    for (int i = 0; i < n.childCount(); ++i) {
        const TreeNode &c = *n.child(i);
        if (i)
            out += ", ";
        out += "{\"name\": " + Json(c.text()) + ", \"comment\": " + Json(c.disk().Comment) + ", \"files\": ";
        showJsonFiles(out, c.disk().Files);
        out += ", \"folders\": ";
        showJsonFolders(out, c);
        out += "}";
    }
    out += "]";
}

int runShow(Context &ctx)
{
    const Command &self = showCmd;
    Args a(ctx.args, {}, {"--json"});
    if (!a.ok())
        return Usage(ctx, a.error(), self);
    if (a.positional().size() != 1)
        return Usage(ctx, Utf8(Say::tr("name one listing")), self);
    CatalogStore store(ctx.programDir);
    const bool loaded = Load(ctx, store);
    int status = EXIT_OK;
    const TreeNode *n = ListingArgument(ctx, self, store, a.positional()[0], status);
    if (!n)
        return status;
    const TDisk &d = n->disk();
    const Shelf shelf = ShelfOf(store.ExtrasOf(n));
    if (a.has("--json")) {
        std::string out = "{\"file\": " + Json(d.FileName) + ", \"serial\": " + std::to_string(d.SerialNumber) +
                          ", \"name\": " + Json(n->text()) + ", \"rootPath\": " + Json(d.RootPath) +
                          ", \"driveType\": " + std::to_string(d.DriveType) + ", \"comment\": " + Json(d.Comment) +
                          ", " + ShelfJson(shelf) + ", \"files\": ";
        showJsonFiles(out, d.Files);
        out += ", \"folders\": ";
        showJsonFolders(out, *n);
        out += "}\n";
        std::fwrite(out.data(), 1, out.size(), ctx.out);
    } else {
        std::fprintf(ctx.out, "%s  (%s, %s)\n", Shown(n->text()).c_str(), Shown(d.FileName).c_str(),
                     Shown(d.RootPath).c_str());
        // The header's lines start at the margin; the folders and files below are indented.
        if (!shelf.location.empty())
            Print(ctx.out, Fill(Say::tr("Location: %1"), {Shown(shelf.location)}) + "\n");
        if (!shelf.lentTo.empty())
            Print(ctx.out, Fill(Say::tr("Lent to: %1"), {Shown(shelf.lentTo)}) + "\n");
        if (shelf.onMount != OnMount::Ask)
            Print(ctx.out, Fill(Say::tr("When the disk is mounted: %1"), {OnMountWord(shelf.onMount)}) + "\n");
        showText(ctx, *n, 0);
    }
    return loaded ? EXIT_OK : EXIT_FAILED;
}

int runAdd(Context &ctx)
{
    const Command &self = addCmd;
    Args a(ctx.args, {"--name", "--comment", "--threads"}, READING_FLAGS);
    if (!a.ok())
        return Usage(ctx, a.error(), self);
    if (a.positional().size() != 1)
        return Usage(ctx, Utf8(Say::tr("name one folder to catalogue")), self);
    int threads = 0; // as the volume serves best
    if (const std::string *given = a.value("--threads")) {
        char *end = nullptr;
        errno = 0;
        const long n = std::strtol(given->c_str(), &end, 10);
        if (given->empty() || *end != '\0' || errno != 0 || n < 1 || n > 256)
            return Usage(ctx, Utf8(Say::tr("--threads takes a number from 1 to 256")), self);
        threads = static_cast<int>(n);
    }
    const std::string &path = a.positional()[0];
    const std::string *givenName = a.value("--name");
    if (!givenName || givenName->empty()) {
        Print(ctx.err, Utf8(Say::tr("rackmere-cli add: the listing needs a name (--name NAME)")) + "\n");
        return EXIT_USAGE;
    }
    ScanOptions options;
    if (std::string error; !ApplyReadingFlags(a, options, error))
        return Usage(ctx, error, self);
    const std::string root = ResolveScanRoot(path);
    if (root.empty()) {
        Print(ctx.err, Fill(Say::tr("rackmere-cli add: '%1' is not a folder that can be entered"), {path}) + "\n");
        return EXIT_USAGE;
    }
    // Typed texts are stored as UTF-8 on one line: a line break in a name
    // becomes '?', in a comment a space.
    const std::string name = Typed(StoredName(*givenName));
    const std::string *givenComment = a.value("--comment");
    const std::string comment = givenComment ? Typed(platform::OneLineText(*givenComment)) : std::string();
    if (!FitsListing(ctx, self, "name", name) || !FitsListing(ctx, self, "comment", comment) ||
        !FitsListing(ctx, self, "root path", root))
        return EXIT_USAGE;
    CatalogStore store(ctx.programDir);
    const IndexRefresh refresh(ctx, store);
    QDir().mkpath(QString::fromStdString(ctx.programDir));
    // Fingerprints and pictures are written with the listing, all or none.
    std::shared_ptr<ContentSink> contents;
    if (options.fingerprints || options.pictures)
        contents = std::make_shared<ContentSink>();
    std::unique_ptr<TreeNode> walked = ScanDisk(root, name, comment, nullptr, threads, options, contents.get());
    if (contents)
        for (const UnreadableFile &u : contents->unreadableFiles())
            Print(ctx.err, Fill(Say::tr("rackmere-cli add: %1: could not be read: %2"),
                                {Shown(u.path), std::strerror(u.error)}) +
                               "\n");
    TreeNode *disk = store.AddListing(std::move(walked), WithScanOptions({}, options), {}, contents);
    ReportShortened(ctx, self, store);
    std::fprintf(ctx.out, "%s\n", disk->disk().FileName.c_str());
    return EXIT_OK;
}

} // namespace

} // namespace rkm::cli
