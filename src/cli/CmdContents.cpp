// have and picture: what the store keeps of the files' contents.
#include "cli/Cli.h"

#include "catalog/AtomicFile.h"
#include "platform/Text.h"
#include "print/render/PictureFile.h"
#include "search/Holding.h"

#include <cstring>

namespace rkm::cli {

namespace {

int runHave(Context &ctx);
int runPicture(Context &ctx);

const Command haveCmd{
    "have", Access::Read,
    QT_TRANSLATE_NOOP("rkm::cli::Say", "tell whether local files are archived in a listing, by their contents"),
    QT_TRANSLATE_NOOP("rkm::cli::Say", "Usage: rackmere-cli have PATH... [--json]\n"
                                       "\n"
                                       "Reads each local file named (a folder: every regular file below it,\n"
                                       "recursively, without following links), works out its fingerprint and\n"
                                       "prints where the catalogue holds the same contents, whatever the name there:\n"
                                       "\n"
                                       "  PATH: held in LISTING: path/in/listing   one line per copy held\n"
                                       "  PATH: not archived\n"
                                       "\n"
                                       "Only listings read with fingerprints (add or update with --fingerprints)\n"
                                       "can hold a file. A file that cannot be read is told on standard error with\n"
                                       "the system's reason and counts as not archived.\n"
                                       "\n"
                                       "  --json   print an array of objects with the keys path and held (an array\n"
                                       "           of objects with the keys listing, file and path), and error for\n"
                                       "           a file that could not be read\n"
                                       "\n"
                                       "Exit status 0 when every file is held somewhere, 1 otherwise, 2 for a wrong\n"
                                       "command line.\n"),
    runHave};
const Registrar haveReg(haveCmd);

const Command pictureCmd{
    "picture", Access::Read, QT_TRANSLATE_NOOP("rkm::cli::Say", "write the picture kept of a file in a listing"),
    QT_TRANSLATE_NOOP("rkm::cli::Say", "Usage: rackmere-cli picture LISTING PATH -o FILE\n"
                                       "\n"
                                       "LISTING is a listing file's bare name (1234.rkm) or a disk name; PATH is the\n"
                                       "file's path below the listing's root (folders and name joined by '/'), or\n"
                                       "the line find prints for it (the disk's name first). Writes the small\n"
                                       "picture kept of the file when the listing was read with --pictures.\n"
                                       "\n"
                                       "  -o, --output FILE   the file to write: PNG, or JPEG when its name ends in\n"
                                       "                      .jpg or .jpeg; - writes PNG to standard output\n"
                                       "\n"
                                       "Exit status 1 when the listing holds no picture of that file, 2 for a wrong\n"
                                       "command line or a listing that is not found.\n"),
    runPicture};
const Registrar pictureReg(pictureCmd);

int runHave(Context &ctx)
{
    const Command &self = haveCmd;
    Args a(ctx.args, {}, {"--json"});
    if (!a.ok())
        return Usage(ctx, a.error(), self);
    if (a.positional().empty())
        return Usage(ctx, Utf8(Say::tr("name the files or folders to look for")), self);
    CatalogStore store(ctx.programDir);
    Load(ctx, store);
    DiskNames names(store.Tree());
    const std::vector<HeldFile> files = WhereHeld(store, FingerprintLocalFiles(a.positional()));
    // A store that cannot be read holds nothing: say so rather than let
    // every file pass for not archived unexplained.
    if (!store.storeProblem().empty())
        Print(ctx.err, Fill(Say::tr("rackmere-cli have: the store beside the listings could not be read: %1"),
                            {store.storeProblem()}) +
                           "\n");
    if (files.empty())
        Print(ctx.err, Utf8(Say::tr("rackmere-cli have: no file was found to read")) + "\n");
    const bool json = a.has("--json");
    // The lines for people; --json is the form for scripts.
    const QString notArchived = Say::tr("%1: not archived"), heldIn = Say::tr("%1: held in %2: %3");
    bool all = !files.empty();
    std::string out = json ? "[" : "";
    for (std::size_t i = 0; i < files.size(); ++i) {
        const HeldFile &f = files[i];
        const std::string path = Shown(f.file.path);
        if (!f.file.fingerprint)
            Print(ctx.err, Fill(Say::tr("rackmere-cli have: %1: %2"), {path, LocalFileProblem(f.file)}) + "\n");
        all = all && !f.copies.empty();
        if (json) {
            out += (i ? ",\n  " : "\n  ") + std::string("{\"path\": ") + Json(f.file.path) + ", \"held\": [";
            for (std::size_t k = 0; k < f.copies.size(); ++k) {
                const CatalogStore::HeldCopy &c = f.copies[k];
                out += (k ? ", " : "") + std::string("{\"listing\": ") + Json(names.of(*c.disk)) +
                       ", \"file\": " + Json(c.disk->disk().FileName) + ", \"path\": " + Json(c.path) + "}";
            }
            out += "]";
            if (!f.file.fingerprint)
                out += ", \"error\": " + Json(LocalFileProblem(f.file));
            out += "}";
        } else if (f.copies.empty()) {
            out += Fill(notArchived, {path}) + "\n";
        } else {
            for (const CatalogStore::HeldCopy &c : f.copies)
                out += Fill(heldIn, {path, Shown(names.of(*c.disk)), Shown(c.path)}) + "\n";
        }
    }
    if (json)
        out += files.empty() ? "]\n" : "\n]\n";
    std::fwrite(out.data(), 1, out.size(), ctx.out);
    return all ? EXIT_OK : EXIT_FAILED;
}

int runPicture(Context &ctx)
{
    const Command &self = pictureCmd;
    std::vector<std::string> args = ctx.args;
    for (std::string &a : args)
        if (a == "-o")
            a = "--output";
    Args a(args, {"--output"}, {});
    if (!a.ok())
        return Usage(ctx, a.error(), self);
    if (a.positional().size() != 2)
        return Usage(ctx, Utf8(Say::tr("name one listing and one file's path")), self);
    const std::string *output = a.value("--output");
    if (!output || output->empty())
        return Usage(ctx, Utf8(Say::tr("name the file to write with -o FILE (- for standard output)")), self);
    CatalogStore store(ctx.programDir);
    Load(ctx, store);
    int status = EXIT_OK;
    const TreeNode *disk = ListingArgument(ctx, self, store, a.positional()[0], status, EXIT_USAGE);
    if (!disk)
        return status;
    const std::string typed = Typed(a.positional()[1]);
    std::optional<std::string> jpeg = store.PictureOf(disk, typed);
    // The form find prints: the disk's name, then the path below it.
    const std::string shownDisk = store.Tree().displayName(*disk) + "/";
    if (!jpeg && typed.starts_with(shownDisk))
        jpeg = store.PictureOf(disk, std::string_view(typed).substr(shownDisk.size()));
    if (!jpeg && !store.storeProblem().empty()) {
        Print(ctx.err, Fill(Say::tr("rackmere-cli picture: the store beside the listings could not be read: %1"),
                            {store.storeProblem()}) +
                           "\n");
        return EXIT_FAILED;
    }
    if (!jpeg) {
        Print(ctx.err, Fill(Say::tr("rackmere-cli picture: %1 holds no picture of '%2'"),
                            {Shown(store.Tree().displayName(*disk)), Shown(a.positional()[1])}) +
                           "\n");
        return EXIT_FAILED;
    }
    const std::string lower = platform::LowerText(*output);
    const bool asJpeg = *output != "-" && (lower.ends_with(".jpg") || lower.ends_with(".jpeg"));
    std::string error;
    const std::optional<std::string> bytes = EncodePicture(*jpeg, asJpeg ? "jpg" : "png", error);
    if (!bytes) {
        Print(ctx.err, Fill(Say::tr("rackmere-cli picture: %1"), {error}) + "\n");
        return EXIT_FAILED;
    }
    if (*output == "-") {
        std::fwrite(bytes->data(), 1, bytes->size(), ctx.out);
        std::fflush(ctx.out);
    } else {
        WriteFileAtomically(*output, *bytes);
    }
    return EXIT_OK;
}

} // namespace

} // namespace rkm::cli
