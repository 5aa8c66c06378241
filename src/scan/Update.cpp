#include "scan/Update.h"

#include "catalog/Errors.h"
#include "platform/DriveType.h"
#include "platform/NameMatch.h"
#include "platform/SystemView.h"
#include "platform/Text.h"
#include "platform/Translated.h"
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
        return rkm::Core::tr("Please make sure that the disk '%1' is inserted in drive %2").arg(name, shownDrive);
    const QString folder = platform::DecodeText(rootPath);
    if (drive == "/" && rootPath != "/")
        return rkm::Core::tr("Please make sure that the folder %1 of the disk '%2' is there").arg(folder, name);
    if (drive != rootPath)
        return rkm::Core::tr("Please make sure that the disk '%1' is mounted at %2 with the folder %3")
            .arg(name, shownDrive, folder);
    return rkm::Core::tr("Please make sure that the disk '%1' is mounted at %2").arg(name, shownDrive);
}

QString DiskNotFoundText(const std::string &rootPath, int error)
{
    // A drive letter names no path here: there is no reason of the system's to give.
    if (rootPath.size() >= 2 && rootPath[1] == ':')
        return rkm::Core::tr("Could not find the disk at %1.").arg(platform::DecodeText(rootPath));
    return rkm::Core::tr("Could not find the disk at %1: %2.")
        .arg(platform::DecodeText(rootPath), QString::fromLocal8Bit(std::strerror(error)));
}

bool IsSystemFolder(std::string_view path)
{
    // The folders of the system's own tree, and everything below the pseudo
    // file systems; where removable disks are mounted (/media, /mnt,
    // /run/media) is not among them.
    static constexpr std::string_view kFolders[] = {
        "/",    "/bin",  "/boot", "/dev", "/etc",  "/home", "/lib", "/lib32", "/lib64", "/libx32",
        "/opt", "/proc", "/root", "/run", "/sbin", "/srv",  "/sys", "/tmp",   "/usr",   "/var",
    };
    static constexpr std::string_view kBelow[] = {"/proc/", "/sys/", "/dev/", "/usr/", "/etc/", "/boot/"};
    while (path.size() > 1 && path.back() == '/')
        path.remove_suffix(1);
    for (std::string_view f : kFolders)
        if (path == f)
            return true;
    for (std::string_view b : kBelow)
        if (path.substr(0, b.size()) == b)
            return true;
    return false;
}

bool IsReadableRootPath(std::string_view rootPath)
{
    if (rootPath.empty() || rootPath.find('\0') != std::string_view::npos)
        return false;
    const bool drive = rootPath.size() >= 2 && rootPath[1] == ':' &&
                       ((rootPath[0] >= 'A' && rootPath[0] <= 'Z') || (rootPath[0] >= 'a' && rootPath[0] <= 'z'));
    return drive || IsPathOfThisSystem(rootPath);
}

DiskCheck CheckListingDisk(const CatalogStore &store, const TDisk &rootDisk, DiskChecks accepted)
{
    const TDisk &root = *rootDisk.GetRootDisk();
    const auto open = [accepted](DiskCheck check) { return (accepted & Accepted(check)) == 0; };
    if (!IsReadableRootPath(root.RootPath) && open(DiskCheck::RootUnreadable))
        return DiskCheck::RootUnreadable;
    // A root such as E:\Data (a listing made on Windows) names a drive, never
    // a folder below the current one.
    const std::string resolved = IsPathOfThisSystem(root.RootPath) ? ResolveScanRoot(root.RootPath) : std::string();
    if (resolved.empty())
        return DiskCheck::NotFound;
    // A stick's listing whose folder is gone, or whose path was damaged,
    // would otherwise list the system's own files in its place.
    const bool removable = root.DriveType == DRIVE_REMOVABLE || root.DriveType == DRIVE_CDROM;
    if (removable && IsSystemFolder(resolved) && open(DiskCheck::SystemFolder))
        return DiskCheck::SystemFolder;
    if (root.SerialNumber != 0 && open(DiskCheck::SerialDiffers)) {
        const uint32_t present = store.serialSource ? store.serialSource(root) : 0;
        if (present != root.SerialNumber)
            return DiskCheck::SerialDiffers;
    }
    return DiskCheck::Ready;
}

namespace {
std::string shownPath(std::string_view path)
{
    std::string out;
    for (std::size_t from = 0;;) {
        const std::size_t nul = path.find('\0', from);
        out += platform::Utf8Text(path.substr(from, nul - from));
        if (nul == std::string_view::npos)
            return out;
        out += "\\0";
        from = nul + 1;
    }
}
} // namespace

std::string DiskCheckReason(DiskCheck check, const TDisk &rootDisk)
{
    const TDisk &root = *rootDisk.GetRootDisk();
    const std::string path = shownPath(root.RootPath);
    switch (check) {
    case DiskCheck::RootUnreadable:
        if (root.RootPath.empty())
            return Utf8(rkm::Core::tr("the listing's root path is empty"));
        if (root.RootPath.find('\0') != std::string::npos)
            return Utf8(rkm::Core::tr("the listing's root path %1 holds a NUL byte; read as a path it would be %2"),
                        {path, shownPath(root.RootPath.c_str())});
        return Utf8(rkm::Core::tr("the listing's root path %1 is not a full path"), {path});
    case DiskCheck::SystemFolder:
        return Utf8(
            root.DriveType == DRIVE_CDROM
                ? rkm::Core::tr("the listing is of a CD or DVD, but its root path %1 is the system's folder %2")
                : rkm::Core::tr("the listing is of a removable disk, but its root path %1 is the system's folder %2"),
            {path, shownPath(ResolveScanRoot(root.RootPath.c_str()))});
    case DiskCheck::Ready:
    case DiskCheck::NotFound:
    case DiskCheck::SerialDiffers:
        break;
    }
    return {};
}

std::shared_ptr<ContentSink> UpdateContentSink(CatalogStore &store, const TreeNode *oldDisk,
                                               const ScanOptions &options, bool reread)
{
    if (!options.fingerprints && !options.pictures)
        return nullptr;
    // Without the pictures themselves: those kept are copied by the store.
    return std::make_shared<ContentSink>(reread ? ContentRecords() : store.ContentsOf(oldDisk, false), reread);
}

TreeNode *UpdateListing(CatalogStore &store, TreeNode *oldDisk, ScanControl *control,
                        const std::optional<ScanOptions> &options, bool reread,
                        std::vector<UnreadableFile> *unreadable, const std::string &readAt)
{
    const TDisk &old = oldDisk->disk();
    const std::string &root = readAt.empty() ? old.RootPath : readAt;
    if (!IsPathOfThisSystem(root))
        throw RackmereError(Utf8(rkm::Core::tr("Could not find the disk!")));
    const ScanOptions used = options ? *options : ScanOptionsFor(store, oldDisk);
    const std::shared_ptr<ContentSink> contents = UpdateContentSink(store, oldDisk, used, reread);
    std::unique_ptr<TreeNode> fresh = ScanDisk(root, oldDisk->text(), old.Comment, control, 0, used,
                                               contents.get());
    if (contents && unreadable)
        *unreadable = contents->unreadableFiles();
    return CompleteUpdate(store, oldDisk, std::move(fresh), options, contents);
}

TreeNode *CompleteUpdate(CatalogStore &store, TreeNode *oldDisk, std::unique_ptr<TreeNode> fresh,
                         const std::optional<ScanOptions> &used, std::shared_ptr<const ContentSet> contents)
{
    CarryOver(*oldDisk, *fresh);
    // The extras go with the listing to its new file name; choices given
    // replace those kept.
    std::optional<ListingExtras> extras;
    if (used)
        extras = WithScanOptions(store.ExtrasOf(oldDisk), *used);
    return store.ReplaceListing(oldDisk, std::move(fresh), extras, std::move(contents));
}

} // namespace rkm
