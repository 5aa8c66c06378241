#pragma once

#include "catalog/AtomicFile.h"
#include "catalog/Disks.h"
#include "catalog/ListingStore.h"
#include "catalog/ProgramDir.h"
#include "platform/MountTable.h"

#include <QDateTime>

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <random>
#include <string>
#include <string_view>
#include <vector>

namespace rkm {

// Makes sure the program directory can be used: a missing one is made (with
// its parents), anything but a folder under its name is refused. Throws
// RackmereError naming the folder.
void PrepareProgramDir(const std::string &dir);

// The volume serial number of the volume whose root is the disk's RootPath, or 0.
uint32_t GetDiskSerial(const TDisk &disk);
// The volume that holds a root path of this system (none for a root such as
// E:\ of a listing made on Windows).
std::optional<platform::Volume> VolumeOfRoot(const std::string &rootPath);

// Category list file: one name a line, read by the rule of SplitLines.
std::vector<std::string> ParseCategories(std::string_view data);
std::string FormatCategories(const std::vector<std::string> &categories);
// Reads the category list of the catalogue folder `dir` into `categories`
// (none when there is no DATA.CAT). A DATA.CAT that cannot be read (no
// regular file, larger than MAX_CATEGORY_FILE_BYTES, unreadable) leaves the
// list empty, and its message is returned; else the result is empty.
std::string ReadCategoryFile(const std::string &dir, std::vector<std::string> &categories);

inline constexpr char CATEGORY_FILE[] = "DATA.CAT";
// DATA.CAT is refused beyond this size (it holds a few names a line each).
inline constexpr std::size_t MAX_CATEGORY_FILE_BYTES = std::size_t(4) << 20;
inline constexpr char LISTING_SUFFIX[] = ".rkm";

// What reading one listing file gave: its disk (FileName and SerialNumber
// set), nothing for a folder named like a listing, or the message that names
// it and why ("Error loading file: " + name + " (" + reason + ")").
struct ListingOutcome {
    std::unique_ptr<TreeNode> disk;
    std::string error;
    ListingStamp stamp; // of the file as it was read
};
// Reads the listing file `name` of the folder `dir` (ending with '/'), its
// header first, then piece by piece as far as the listing goes (trailing
// bytes are not read), so a file that cannot be a listing is refused at the
// first thing that cannot be, whatever its size; `buffer` is scratch room one
// caller reuses from file to file.
ListingOutcome ReadListingFile(const std::string &dir, const std::string &name, std::string &buffer);
// Reads the listing files on up to `threads` threads (the caller's among
// them), each file into a subtree of its own; the outcomes are in the order
// of `names`, whatever the threads' timing.
std::vector<ListingOutcome> ReadListingFiles(const std::string &dir, const std::vector<std::string> &names,
                                             int threads);
// How many threads a load uses unless told otherwise: one a core, at most 8.
int DefaultLoadThreads();

// A listing whose texts were cut when it was written, because they were
// longer than a listing holds (an earlier program wrote them whole).
struct ShortenedListing {
    std::string fileName;             // the listing file's bare name
    std::string diskName;             // as the user reads it (UTF-8)
    std::vector<std::string> entries; // which texts, as DescribeLongText tells them
};

// The catalogue of one program directory: the tree, the category list and the
// directory's files. The desktop program and the CLI both work through this.
class CatalogStore final {
public:
    explicit CatalogStore(std::string programDir);

    const std::string &ProgramDir() const { return m_programDir; }
    Catalog &Tree() { return m_tree; }
    const Catalog &Tree() const { return m_tree; }
    std::vector<std::string> &Categories() { return m_categories; }
    const std::vector<std::string> &Categories() const { return m_categories; }

    // Loads DATA.CAT and every *.rkm listing, and puts the disks in the
    // order of their names (disks of one name in the order of their file
    // names). A listing that fails to read is left out whole and its error
    // ("Error loading file: " + name) is returned; loading goes on with the
    // next. A DATA.CAT that cannot be read leaves the categories empty and
    // its message comes first.
    // The files are read on `loadThreads` threads; the tree, the observer's
    // news and the messages are the same as when read one by one, the
    // messages in the order the folder lists the files.
    std::vector<std::string> LoadCatalog();
    // How many listing files LoadCatalog reads at once (1: one after another).
    int loadThreads = DefaultLoadThreads();

    // Writes the listing of a disk node, all or nothing. An empty name marks
    // the first save: the file gets a new name "N.rkm" (N from 0 to 32767),
    // claimed in the same step that makes the file, so two programs saving
    // at once never take the same one; the disk takes the name and the
    // volume's serial number only once the file is written. A written
    // listing is no longer modified. Throws RackmereError, and then nothing
    // of the disk changed.
    //
    // A text longer than a listing holds is cut, in the file and then in
    // memory, at the last whole character within MAX_TEXT_BYTES; the store
    // remembers which until TakeShortened() is asked.
    void SaveListing(TreeNode *node, std::string name = {});
    // What the saves since the last call cut, one record per save that cut
    // something, oldest first. Asking forgets them, so each is told once.
    std::vector<ShortenedListing> TakeShortened();
    // Writes every modified listing under its own file name (a listing never
    // saved gets a new one). A failure is thrown after the others were written.
    void SaveModifiedListings();
    // The same, telling every listing that could not be written and why;
    // those stay modified.
    struct SaveFailure {
        TreeNode *disk;
        std::string reason;
    };
    std::vector<SaveFailure> TrySaveModifiedListings();
    // Writes the whole category list at once.
    void SaveCategories() const;
    // Adds a category unless one of that name (in any letter case) is there;
    // writes the list when it grew. Returns whether it did.
    bool AddCategoryIfMissing(const std::string &category);
    // Deletes a listing's file; false when it could not be deleted.
    bool DeleteListingFile(const std::string &fileName) const;

    // The disks are kept in the natural order of their names ("Disk 2"
    // before "Disk 10", letter case ignored; CompareNatural). The three
    // operations below are the only ones that decide where a disk goes.
    //
    // A newly scanned disk joins the tree at the place of its name, after
    // the disks of the same name, marked modified until it is written.
    // Returns it.
    TreeNode *AddDisk(std::unique_ptr<TreeNode> disk);
    // The disk `old` leaves the tree and its updated listing `fresh` takes
    // its place (the place of its name, should that differ). Returns the
    // fresh node.
    TreeNode *ReplaceDisk(TreeNode *old, std::unique_ptr<TreeNode> fresh);
    // Renames a disk (SetName: marked modified) and moves it to the place of
    // its new name.
    void RenameDisk(TreeNode *disk, std::string name);
    // Deletes a listing's file (a listing never written has none) and what
    // the store beside it keeps of it, and takes the disk out of the tree;
    // false, with the tree and the file as they were, when the file could
    // not be deleted.
    bool DeleteListing(TreeNode *disk);

    // The life of a listing with what is kept beside it (ListingExtras: the
    // reading choices and the like), each in one call, the file and its
    // extras all or nothing: a kill at any moment leaves a listing its own
    // extras or its previous ones, never another listing's.
    //
    // A newly scanned disk joins the tree (AddDisk) and is written with
    // `extras`. Should the write fail, the error is thrown and the disk stays
    // in the tree, modified, its extras waiting to be written with it by the
    // next save. `added`, when given, is told of the disk once it is in the
    // tree, before it is written. Returns the disk.
    // `contents`, when given: the fingerprints and pictures its walk read,
    // kept in the store with the listing (all or nothing with it).
    TreeNode *AddListing(std::unique_ptr<TreeNode> disk, ListingExtras extras,
                         const std::function<void(TreeNode *)> &added = {},
                         std::shared_ptr<const ContentSet> contents = nullptr);
    // Update: `fresh` (the annotations already carried over) is written under
    // a new file name with the extras of `old`, or `extras` when given; then
    // the old file and its extras go, and `fresh` takes the place of `old` in
    // the tree (ReplaceDisk). Should the write fail, the error is thrown and
    // nothing changed. Returns the fresh node.
    // `contents`: what the fresh walk read of the files' contents (with what
    // it kept of the old listing's); without them the fresh listing has none.
    TreeNode *ReplaceListing(TreeNode *old, std::unique_ptr<TreeNode> fresh,
                             const std::optional<ListingExtras> &extras = std::nullopt,
                             std::shared_ptr<const ContentSet> contents = nullptr);
    // What the store keeps of the contents of a disk's files (waiting for its
    // next save, else in the store): fingerprints, and pictures when
    // `withPictures`.
    ContentRecords ContentsOf(const TreeNode *disk, bool withPictures = false);
    // What is kept of the disk's file at `path` (ContentPath), its picture
    // with it; nullopt when nothing is.
    std::optional<ContentRecord> ContentOf(const TreeNode *disk, std::string_view path);
    // Whether any file of the disk has a fingerprint kept.
    bool HasFingerprints(const TreeNode *disk);
    // The picture kept for a disk's file at `path` (ContentPath), or nullopt.
    std::optional<std::string> PictureOf(const TreeNode *disk, std::string_view path);
    // The loaded disks and paths whose file has the fingerprint `fingerprint`.
    struct HeldCopy {
        TreeNode *disk = nullptr;
        std::string path;
        uint64_t size = 0;
    };
    std::vector<HeldCopy> Holding(const Fingerprint &fingerprint);
    // About how many bytes the store takes for what it keeps of a disk's
    // listing (its contents and extras).
    uint64_t StoreRoomOf(const TreeNode *disk);
    // What is kept beside a disk's listing: extras waiting for its next save,
    // else those the store holds for its file.
    ListingExtras ExtrasOf(const TreeNode *disk);
    // When a disk's listing was last read from its disk (AddListing and
    // ReplaceListing keep the time); invalid when that was not kept.
    QDateTime LastRead(const TreeNode *disk);
    // Changes what is kept beside a disk's listing; written with the listing
    // at its next save (the disk is marked modified).
    void SetExtras(TreeNode *disk, ListingExtras extras);
    // Why the store beside the listings could not be read the last time it
    // was asked (empty when it could).
    const std::string &storeProblem() const { return m_extras.readProblem(); }
    // Set by the holder of the writer lock before LoadCatalog: the load then
    // also drops what the store keeps of listing files that are gone, and
    // takes in the reading choices earlier versions kept in the settings.
    bool writer = false;

    // Set when the writer lock cannot be had because its file cannot be made
    // (a read-only folder, a full disk): every write then throws
    // RackmereError("The catalogue in DIR is open read-only: " + readOnlyReason)
    // and deletes report failure, so nothing is written without the lock.
    bool readOnly = false;
    std::string readOnlyReason;

    // Tests only: runs in an Update between writing the new listing and
    // deleting the old one; throwing there leaves the catalogue as a kill
    // at that moment does.
    std::function<void()> betweenReplaceSteps;

    std::string PathOf(const std::string &fileName) const;
    // Removes the temporary files that writers killed in the middle of a
    // write left behind. Only for the holder of the writer lock: no one else
    // writes then.
    void RemoveLeftoverTemporaryFiles() const;

    // Seeds the generator of listing file names (by default from the
    // system's random source, so programs started in the same second draw
    // different names).
    void Seed(uint32_t seed) { m_rng.seed(seed); }
    // Tests may decide what the volume serial of a root path is.
    std::function<uint32_t(const TDisk &)> serialSource = GetDiskSerial;
    // The volume that holds a root path of this system (the system's mount
    // table by default; tests give their own). AddListing and ReplaceListing
    // keep what it answers with the listing (EXTRA_VOLUME_UUID and the rest).
    std::function<std::optional<platform::Volume>(const std::string &rootPath)> volumeSource = VolumeOfRoot;

private:
    // The row a disk named `name` goes to: after every disk (but `skip`)
    // whose name comes before it or is the same.
    int PlaceFor(std::string_view name, const TreeNode *skip = nullptr) const;
    // Writes a new listing file under a name not taken yet, drawn at random
    // and claimed exclusively (1000 draws at most); returns the name.
    std::string FindFreeFileName(const ByteSource &listing, const std::function<void()> &beforeClaim = {});

    // After a load by the writer: what the store keeps of files gone is
    // dropped, and choices kept in the settings ("Reading-N.rkm") move in.
    void tidyStore(const std::vector<std::string> &files);
    // Before a load by the writer: an Update cut short between writing its
    // new listing and deleting the old one is finished (the old one goes);
    // one whose new listing is gone keeps the old one.
    void finishPendingReplaces();
    // `extras` with the volume the disk's root path is on now in place of
    // the one kept before.
    ListingExtras withVolume(ListingExtras extras, const TreeNode *disk) const;
    // Throws when the catalogue is open read-only.
    void refuseWhenReadOnly() const;

    std::string m_programDir;
    Catalog m_tree;
    ListingStore m_extras;
    // The stamp of each listing file as this program last read or wrote it.
    std::map<std::string, ListingStamp> m_stamps;
    // Extras given or changed since the disk's last save.
    std::map<const TreeNode *, ListingExtras> m_pending;
    // Contents given with a disk and not yet written with its listing.
    std::map<const TreeNode *, std::shared_ptr<const ContentSet>> m_pendingContents;
    std::vector<std::string> m_categories;
    // DATA.CAT was there but could not be read: the first write of the
    // categories puts it aside rather than over it.
    mutable bool m_categoriesUnread = false;
    std::vector<ShortenedListing> m_shortened;
    // The listing file an Update's first save replaces (recorded with it).
    std::string m_replacing;
    std::minstd_rand m_rng;
};

} // namespace rkm
