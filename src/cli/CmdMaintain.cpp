// update, rename and delete: keeping the listings of the catalogue.
#include "cli/Cli.h"

#include "catalog/Errors.h"
#include "platform/SystemView.h"
#include "platform/Text.h"
#include "scan/ListingOptions.h"
#include "scan/Scanner.h"
#include "scan/Update.h"

#include <cstring>

namespace rkm::cli {

namespace {

int runUpdate(Context &ctx);
int runRename(Context &ctx);
int runDelete(Context &ctx);

const Command updateCmd{"update", Access::Write,
                           QT_TRANSLATE_NOOP("rkm::cli::Say", "rescan a listing's disk, keeping its annotations"),
                           QT_TRANSLATE_NOOP("rkm::cli::Say",
                           "Usage: rackmere-cli update LISTING [--force] [--reread] [--archives]\n"
                           "                           [--descriptions] [--tags] [--fingerprints]\n"
                           "                           [--pictures] [--no-archives] [--no-descriptions]\n"
                           "                           [--no-tags] [--no-fingerprints] [--no-pictures]\n"
                           "\n"
                           "LISTING is a listing file's bare name (1234.rkm) or a disk name. Walks the\n"
                           "listing's root path again, carries the descriptions, categories and comments\n"
                           "over by name, writes the new listing under a new file name and then deletes\n"
                           "the old file, exactly as the desktop program's Update does. Prints the new\n"
                           "listing file's name.\n"
                           "\n"
                           "  --force  update even when the volume there has another serial number, the\n"
                           "           root path holds a NUL byte or is no full path, or a removable\n"
                           "           disk's root path is now a folder of the system (/, /usr, /home...)\n"
                           "\n"
                           "A listing made on Windows (root path E:\\...) names a drive, not a folder here:\n"
                           "set its drive in the desktop program's Properties first.\n"
                           "\n"
                           "Exit status 2 when the root path cannot be entered (the message names the\n"
                           "drive or mount point the disk is needed in), 3 when the volume's serial\n"
                           "number differs from the listing's or the root path is damaged or a system\n"
                           "folder (nothing is changed), 1 when the listing is\n"
                           "not found or the new listing cannot be written (the old file is kept).\n"
                           "\n"
                           "The disk is read as it was when the listing was made or last updated (the\n"
                           "choices remembered for the listing; for a listing without any, descriptions\n"
                           "only). Each choice named below turns that one on or off, for this update and\n"
                           "the ones after it; the others stay as remembered.\n"
                           "\n"
                           "A file whose size and date are those it had keeps its fingerprint and picture\n"
                           "without being read again;\n"
                           "  --reread  reads every file's contents again all the same\n"
                           "\n"),
                           runUpdate, READING_FLAGS_HELP};
const Registrar updateReg(updateCmd);

const Command renameCmd{"rename", Access::Write, QT_TRANSLATE_NOOP("rkm::cli::Say", "give a listing another disk name"),
                           QT_TRANSLATE_NOOP("rkm::cli::Say",
                           "Usage: rackmere-cli rename LISTING NEWNAME\n"
                           "\n"
                           "Renames the disk of a listing and rewrites its listing file under the same\n"
                           "file name. An empty NEWNAME, or one longer than the 510 bytes a listing\n"
                           "holds of a text, is refused with exit status 2 and nothing is changed; the\n"
                           "same name as before changes nothing either.\n"),
                           runRename};
const Registrar renameReg(renameCmd);

const Command deleteCmd{"delete", Access::Write, QT_TRANSLATE_NOOP("rkm::cli::Say", "delete a listing and its file"),
                           QT_TRANSLATE_NOOP("rkm::cli::Say",
                           "Usage: rackmere-cli delete LISTING\n"
                           "\n"
                           "Deletes the listing file of a disk from the catalogue. Exit status 1 when the\n"
                           "listing is not found or its file cannot be deleted.\n"),
                           runDelete};
const Registrar deleteReg(deleteCmd);

int runUpdate(Context &ctx)
{
    const Command &self = updateCmd;
    std::vector<std::string> flags = READING_FLAGS;
    flags.push_back("--force");
    flags.push_back("--reread");
    Args a(ctx.args, {}, flags);
    if (!a.ok())
        return Usage(ctx, a.error(), self);
    if (a.positional().size() != 1)
        return Usage(ctx, Utf8(Say::tr("name one listing")), self);
    ScanOptions check;
    if (std::string error; !ApplyReadingFlags(a, check, error))
        return Usage(ctx, error, self);
    CatalogStore store(ctx.programDir);
    const IndexRefresh refresh(ctx, store);
    Load(ctx, store);
    int status = EXIT_OK;
    TreeNode *old = ListingArgument(ctx, self, store, a.positional()[0], status);
    if (!old)
        return status;
    ScanOptions options = ScanOptionsFor(store, old);
    std::string unused;
    ApplyReadingFlags(a, options, unused);
    const TreeNode *fresh = nullptr;
    status = UpdateOne(ctx, self.name, store, old, options, a.has("--force"), a.has("--reread"), &fresh);
    if (fresh) {
        std::fprintf(ctx.out, "%s\n", fresh->disk().FileName.c_str());
        ReportShortened(ctx, self, store);
    }
    return status;
}

} // namespace

int UpdateOne(Context &ctx, const char *who, CatalogStore &store, TreeNode *old, const ScanOptions &options,
              bool force, bool reread, const TreeNode **made, const std::string &readAt)
{
    const TDisk &d = old->disk();
    // --force takes every answer but a root that cannot be entered.
    const DiskChecks forced = force ? ~DiskChecks(0) : 0;
    switch (readAt.empty() ? CheckListingDisk(store, d, forced) : DiskCheck::Ready) {
    case DiskCheck::RootUnreadable:
    case DiskCheck::SystemFolder:
        std::fprintf(ctx.err, "rackmere-cli %s: %s\n", who,
                     Fill(Say::tr("%1; this is probably not the disk of the listing. Nothing was changed (--force "
                                  "updates all the same)."),
                          {DiskCheckReason(CheckListingDisk(store, d), d)})
                         .c_str());
        return EXIT_WRONG_DISK;
    case DiskCheck::NotFound:
        // Names the volume it needs: a drive letter for a listing made on
        // Windows, else the mount point (or where the volume was mounted).
        std::fprintf(ctx.err, "rackmere-cli %s: %s\n", who,
                     Fill(Say::tr("could not find the disk: please make sure that the disk '%1' is in drive %2 (the "
                                  "listing's root path %3 cannot be entered)"),
                          {Shown(old->text()), Shown(UpdateDriveText(d.RootPath, platform::System())),
                           Shown(d.RootPath)})
                         .c_str());
        return EXIT_USAGE;
    case DiskCheck::SerialDiffers: {
        std::fprintf(ctx.err, "rackmere-cli %s: %s\n", who,
                     Fill(Say::tr("the serial number of the disk (%1) is %2, not %3 as that of the original one; this "
                                  "probably means that it is the wrong disk. Nothing was changed (--force updates all "
                                  "the same)."),
                          {Shown(d.RootPath), SerialText(store.serialSource ? store.serialSource(d) : 0u),
                           SerialText(d.SerialNumber)})
                         .c_str());
        return EXIT_WRONG_DISK;
    }
    case DiskCheck::Ready:
        break;
    }
    std::vector<UnreadableFile> unreadable;
    try {
        const TreeNode *fresh = UpdateListing(store, old, nullptr, options, reread, &unreadable, readAt);
        for (const UnreadableFile &u : unreadable)
            std::fprintf(ctx.err, "rackmere-cli %s: %s\n", who,
                         Fill(Say::tr("%1: could not be read: %2"), {Shown(u.path), std::strerror(u.error)}).c_str());
        if (made)
            *made = fresh;
    } catch (const std::exception &e) {
        std::fprintf(ctx.err, "rackmere-cli %s: %s\n", who, e.what());
        return EXIT_FAILED;
    }
    return EXIT_OK;
}

namespace {

int runRename(Context &ctx)
{
    const Command &self = renameCmd;
    Args a(ctx.args, {}, {});
    if (!a.ok())
        return Usage(ctx, a.error(), self);
    if (a.positional().size() != 2)
        return Usage(ctx, Utf8(Say::tr("name one listing and its new name")), self);
    // Stored as typed, in UTF-8; a line break becomes '?'.
    const std::string newName = Typed(StoredName(a.positional()[1]));
    if (newName.empty()) {
        // The listing reader refuses a disk without a name.
        std::fprintf(ctx.err, "rackmere-cli rename: %s\n", Utf8(Say::tr("the new name must not be empty")).c_str());
        return EXIT_USAGE;
    }
    if (!FitsListing(ctx, self, QT_TRANSLATE_NOOP("rkm::cli::Say", "new name"), newName))
        return EXIT_USAGE;
    CatalogStore store(ctx.programDir);
    const IndexRefresh refresh(ctx, store);
    Load(ctx, store);
    int status = EXIT_OK;
    TreeNode *n = ListingArgument(ctx, self, store, a.positional()[0], status);
    if (!n)
        return status;
    // The same name, perhaps stored in another encoding, is no change.
    if (platform::SameText(n->text(), newName))
        return EXIT_OK;
    try {
        store.RenameDisk(n, newName);
        store.SaveListing(n, n->disk().FileName);
        ReportShortened(ctx, self, store);
    } catch (const std::exception &e) {
        std::fprintf(ctx.err, "rackmere-cli rename: %s\n", e.what());
        return EXIT_FAILED;
    }
    return EXIT_OK;
}

int runDelete(Context &ctx)
{
    const Command &self = deleteCmd;
    Args a(ctx.args, {}, {});
    if (!a.ok())
        return Usage(ctx, a.error(), self);
    if (a.positional().size() != 1)
        return Usage(ctx, Utf8(Say::tr("name one listing")), self);
    CatalogStore store(ctx.programDir);
    const IndexRefresh refresh(ctx, store);
    Load(ctx, store);
    int status = EXIT_OK;
    TreeNode *n = ListingArgument(ctx, self, store, a.positional()[0], status);
    if (!n)
        return status;
    const std::string fileName = n->disk().FileName;
    const std::string path = store.PathOf(fileName);
    if (!store.DeleteListing(n)) {
        std::fprintf(ctx.err, "rackmere-cli delete: %s\n", Fill(Say::tr("error deleting file %1"), {path}).c_str());
        return EXIT_FAILED;
    }
    return EXIT_OK;
}

} // namespace

} // namespace rkm::cli
