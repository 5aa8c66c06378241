// set: where a listing's disk is kept, to whom it is lent and what the
// desktop program does when it is mounted.
#include "cli/Cli.h"

#include "catalog/Shelf.h"

#include <cctype>

namespace rkm::cli {

namespace {

int runSet(Context &ctx);

const Command setCmd{
    "set", Access::Write,
    QT_TRANSLATE_NOOP("rkm::cli::Say", "say where a listing's disk is kept and to whom it is lent"),
    QT_TRANSLATE_NOOP("rkm::cli::Say",
                      "Usage: rackmere-cli set LISTING [--location TEXT] [--lent-to TEXT]\n"
                      "                        [--on-mount ask|update|ignore]\n"
                      "\n"
                      "LISTING is a listing file's bare name (1234.rkm) or a disk name. Keeps what is\n"
                      "given beside the listing, as the desktop program's listing properties do; what\n"
                      "is not given stays as it was.\n"
                      "\n"
                      "  --location TEXT   where the disk is kept (\"Shelf B3, box 2\"); \"\" clears it\n"
                      "  --lent-to TEXT    to whom it is lent, with a date if you like (\"Ann, 3 May\");\n"
                      "                    \"\" clears it\n"
                      "  --on-mount WORD   what the desktop program does when the disk is mounted:\n"
                      "                    ask (the default), update (updates the listing at once) or\n"
                      "                    ignore\n"
                      "\n"
                      "A line break in TEXT becomes a space, and spaces at either end go. `list --json`\n"
                      "and `show` print what is kept.\n"
                      "\n"
                      "Exit status 2 when nothing is given, a TEXT is longer than 1,000 bytes or WORD\n"
                      "is none of the three (nothing is changed), 1 when the listing is not there or\n"
                      "cannot be written.\n"),
    runSet};
const Registrar setReg(setCmd);

// "The location is ..." as a line of this command: "the location is ...".
std::string Lowered(std::string message)
{
    if (!message.empty())
        message[0] = static_cast<char>(std::tolower(static_cast<unsigned char>(message[0])));
    return message;
}

int runSet(Context &ctx)
{
    const Command &self = setCmd;
    Args a(ctx.args, {"--location", "--lent-to", "--on-mount"}, {});
    if (!a.ok())
        return Usage(ctx, a.error(), self);
    if (a.positional().size() != 1)
        return Usage(ctx, Utf8(Say::tr("name one listing")), self);
    const std::string *location = a.value("--location");
    const std::string *lentTo = a.value("--lent-to");
    const std::string *onMount = a.value("--on-mount");
    if (!location && !lentTo && !onMount)
        return Usage(ctx, Utf8(Say::tr("say what to set: --location, --lent-to or --on-mount")), self);
    // Checked before anything is read: a refused argument changes nothing.
    const std::string typedLocation = location ? ShelfTextOf(Typed(*location)) : std::string();
    const std::string typedLentTo = lentTo ? ShelfTextOf(Typed(*lentTo)) : std::string();
    for (const auto &[what, text] : {std::pair<const char *, const std::string *>{"location", &typedLocation},
                                     std::pair<const char *, const std::string *>{"lent to", &typedLentTo}}) {
        if (const std::string problem = ShelfTextProblem(what, *text); !problem.empty()) {
            Print(ctx.err, Fill(Say::tr("rackmere-cli set: %1 Nothing was changed."), {Lowered(problem)}) + "\n");
            return EXIT_USAGE;
        }
    }
    OnMount choice = OnMount::Ask;
    if (onMount && !ParseOnMount(*onMount, choice))
        return Usage(ctx, Fill(Say::tr("--on-mount takes ask, update or ignore, not '%1'"), {*onMount}), self);

    CatalogStore store(ctx.programDir);
    const IndexRefresh refresh(ctx, store);
    Load(ctx, store);
    int status = EXIT_OK;
    TreeNode *disk = ListingArgument(ctx, self, store, a.positional()[0], status);
    if (!disk)
        return status;
    const ListingExtras extras = store.ExtrasOf(disk);
    Shelf shelf = ShelfOf(extras);
    if (location)
        shelf.location = typedLocation;
    if (lentTo)
        shelf.lentTo = typedLentTo;
    if (onMount)
        shelf.onMount = choice;
    const ListingExtras changed = WithShelf(extras, shelf);
    if (changed == extras)
        return EXIT_OK;
    try {
        store.SetExtras(disk, changed);
        store.SaveListing(disk, disk->disk().FileName);
        ReportShortened(ctx, self, store);
    } catch (const std::exception &e) {
        Print(ctx.err, Fill(Say::tr("rackmere-cli set: %1"), {e.what()}) + "\n");
        return EXIT_FAILED;
    }
    return EXIT_OK;
}

} // namespace

} // namespace rkm::cli
