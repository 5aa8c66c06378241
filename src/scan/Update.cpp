#include "scan/Update.h"

#include "catalog/Errors.h"
#include "platform/NameMatch.h"
#include "platform/SystemView.h"
#include "platform/Text.h"
#include "scan/Archive.h"
#include "scan/ListingOptions.h"
#include "scan/Props.h"
#include "scan/Sandbox.h"

#include <cstring>
#include <string_view>
#include <vector>

namespace rkm {

namespace {

// An old text that an Update keeps: one the user wrote or the walk read,
// not a note of what it could not read.
bool carried(std::string_view text)
{
    return !text.empty() && !IsReaderNote(text);
}

void CarryFiles(const FileList &oldFiles, FileList &newFiles)
{
    const int count = newFiles.count();
    if (count == 0 || oldFiles.empty())
        return;
    const std::vector<int> match = platform::MatchByName(
        oldFiles.count(), count, [&](int j) { return oldFiles.text(j, FT_NAME); },
        [&](int i) { return newFiles.text(i, FT_NAME); }, platform::OldItems::Reusable);

    // Most entries carry nothing (no description, no category): only when one
    // does is the list written anew, in one pass.
    bool changes = false;
    std::size_t bytes = 0;
    for (int i = 0; i < count; ++i) {
        const FileEntryView e = newFiles.entry(i);
        const int j = match[static_cast<std::size_t>(i)];
        std::string_view description = e[FT_DESCRIPTION], category = e[FT_CATEGORY];
        if (j >= 0) {
            if (carried(oldFiles.text(j, FT_DESCRIPTION)))
                description = oldFiles.text(j, FT_DESCRIPTION);
            category = oldFiles.text(j, FT_CATEGORY);
            changes = changes || description != e[FT_DESCRIPTION] || category != e[FT_CATEGORY];
        }
        bytes += e[FT_NAME].size() + e[FT_DATE].size() + e[FT_SIZE].size() + description.size() + category.size() +
                 I_STRINGS_IN_LIST;
    }
    if (!changes)
        return;
    FileList fresh;
    fresh.reserve(static_cast<std::size_t>(count), bytes);
    for (int i = 0; i < count; ++i) {
        FileEntryView e = newFiles.entry(i);
        const int j = match[static_cast<std::size_t>(i)];
        if (j >= 0) {
            if (carried(oldFiles.text(j, FT_DESCRIPTION)))
                e[FT_DESCRIPTION] = oldFiles.text(j, FT_DESCRIPTION);
            e[FT_CATEGORY] = oldFiles.text(j, FT_CATEGORY);
        }
        fresh.append(e);
    }
    newFiles = std::move(fresh);
}

} // namespace

void CarryOver(const TreeNode &oldNode, TreeNode &newNode)
{
    // What the user wrote wins; where the old listing held nothing, what the
    // scan read from a description file or a tag stays. The note that an
    // archive's list was cut, or that a file could not be read, is the walk's
    // own: the new walk's note (or none) stands.
    const std::string &oldComment = oldNode.disk().Comment;
    if (carried(oldComment))
        newNode.disk().Comment = oldComment;
    CarryFiles(oldNode.disk().Files, newNode.disk().Files);

    const std::vector<int> match = platform::MatchByName(
        oldNode.childCount(), newNode.childCount(), [&](int j) -> const std::string & { return oldNode.child(j)->text(); },
        [&](int i) -> const std::string & { return newNode.child(i)->text(); }, platform::OldItems::Reusable);
    for (int i = 0; i < newNode.childCount(); ++i) {
        const int j = match[static_cast<std::size_t>(i)];
        if (j >= 0)
            CarryOver(*oldNode.child(j), *newNode.child(i));
    }
}

std::string UpdateDriveText(const std::string &rootPath, const platform::SystemView &system)
{
    // The drive as the properties dialog names it: for a volume that is not
    // mounted now, where it was mounted, not the volume that happens to hold
    // that folder name meanwhile (usually "/"), since this is where the user
    // is asked to put the disk.
    const RootDrive drive = DriveOfRoot(rootPath, system);
    if (!drive.prefix.empty())
        return drive.prefix;
    if (const auto mount = system.mountHolding(rootPath))
        return mount->mountPoint;
    return rootPath;
}

QString UpdatePrompt(std::string_view diskName, const std::string &rootPath, const platform::SystemView &system)
{
    const QString name = platform::DecodeText(diskName);
    const std::string drive = UpdateDriveText(rootPath, system);
    const QString shownDrive = platform::DecodeText(drive);
    if (rootPath.size() >= 2 && rootPath[1] == ':' && drive.size() == 2)
        return QStringLiteral("Please make sure that the disk '%1' is inserted in drive %2").arg(name, shownDrive);
    const QString folder = platform::DecodeText(rootPath);
    if (drive == "/" && rootPath != "/")
        return QStringLiteral("Please make sure that the folder %1 of the disk '%2' is there").arg(folder, name);
    QString text = QStringLiteral("Please make sure that the disk '%1' is mounted at %2").arg(name, shownDrive);
    if (drive != rootPath)
        text += QStringLiteral(" with the folder %1").arg(folder);
    return text;
}

QString DiskNotFoundText(const std::string &rootPath, int error)
{
    // A drive letter names no path here: there is no reason of the system's to give.
    if (rootPath.size() >= 2 && rootPath[1] == ':')
        return QStringLiteral("Could not find the disk at %1.").arg(platform::DecodeText(rootPath));
    return QStringLiteral("Could not find the disk at %1: %2.")
        .arg(platform::DecodeText(rootPath), QString::fromLocal8Bit(std::strerror(error)));
}

DiskCheck CheckListingDisk(const CatalogStore &store, const TDisk &rootDisk)
{
    const TDisk &root = *rootDisk.GetRootDisk();
    // A root such as E:\Data (a listing made on Windows) names a drive, never
    // a folder below the current one.
    if (!IsPathOfThisSystem(root.RootPath) || ResolveScanRoot(root.RootPath).empty())
        return DiskCheck::NotFound;
    if (root.SerialNumber != 0) {
        const uint32_t present = store.serialSource ? store.serialSource(root) : 0;
        if (present != root.SerialNumber)
            return DiskCheck::SerialDiffers;
    }
    return DiskCheck::Ready;
}

TreeNode *UpdateListing(CatalogStore &store, TreeNode *oldDisk, ScanControl *control,
                        const std::optional<ScanOptions> &options)
{
    const TDisk &old = oldDisk->disk();
    if (!IsPathOfThisSystem(old.RootPath))
        throw RackmereError("Could not find the disk!");
    const ScanOptions used = options ? *options : ScanOptionsFor(store, oldDisk);
    return CompleteUpdate(store, oldDisk, ScanDisk(old.RootPath, oldDisk->text(), old.Comment, control, 0, used),
                          options);
}

TreeNode *CompleteUpdate(CatalogStore &store, TreeNode *oldDisk, std::unique_ptr<TreeNode> fresh,
                         const std::optional<ScanOptions> &used)
{
    CarryOver(*oldDisk, *fresh);
    // The extras go with the listing to its new file name; choices given
    // replace those kept.
    std::optional<ListingExtras> extras;
    if (used)
        extras = WithScanOptions(store.ExtrasOf(oldDisk), *used);
    return store.ReplaceListing(oldDisk, std::move(fresh), extras);
}

} // namespace rkm
