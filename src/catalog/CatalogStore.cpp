#include "catalog/CatalogStore.h"

#include "catalog/AtomicFile.h"

#include "catalog/Errors.h"
#include "catalog/ListingFile.h"
#include "catalog/WriterLock.h"
#include "platform/Order.h"
#include "platform/SystemView.h"
#include "platform/Translated.h"
#include "platform/Text.h"

#include <QDir>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <ctime>
#include <exception>
#include <new>
#include <stdexcept>
#include <system_error>
#include <thread>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace rkm {

namespace {

bool fileExists(const std::string &path)
{
    struct stat st {};
    return ::lstat(path.c_str(), &st) == 0;
}

// Seeded from the system's random source, mixed with the clock and the
// process id: two programs started in the same second draw differently.
uint32_t randomSeed()
{
    std::random_device device;
    const auto now = static_cast<uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count());
    std::seed_seq seq{device(), device(), static_cast<uint32_t>(now), static_cast<uint32_t>(now >> 32),
                      static_cast<uint32_t>(::getpid())};
    uint32_t seed = 0;
    seq.generate(&seed, &seed + 1);
    return seed;
}

// Why a file named like a listing is not read: a header that is not a
// listing's is told before the rest of the file is read.
bool looksLikeListing(std::string_view head)
{
    if (head.size() < 12)
        return false; // shorter than any listing's header
    ListingReader r(head);
    const int32_t first = r.ReadInt();
    return first == LISTING_VERSION || first == I_STRINGS_IN_LIST;
}

} // namespace

ListingOutcome ReadListingFile(const std::string &dir, const std::string &name, std::string &data)
{
    ListingOutcome out;
    const auto error = [&](const std::string &reason) {
        return Utf8(rkm::Core::tr("Error loading file: %1 (%2)"), {name, reason});
    };
    InputFile file(dir + name);
    if (!file.ok()) {
        if (file.reason() != std::strerror(EISDIR))
            out.error = error(file.reason());
        return out;
    }
    // The header first: a file that is not a listing is not read whole.
    data.clear();
    if (!file.read(12, data)) {
        out.error = error(file.reason());
        return out;
    }
    if (!looksLikeListing(data)) {
        out.error = error(Utf8(rkm::Core::tr("not a disk listing file")));
        return out;
    }
    // Then piece by piece, as far as the listing goes: a file that cannot be
    // a listing is refused at the first thing that cannot be (a text longer
    // than any listing holds, more entries than bytes left), not once it has
    // been read whole, and trailing bytes are never read.
    StampBuilder stamp;
    stamp.add(data);
    const uint64_t unread = file.size() > data.size() ? file.size() - data.size() : 0;
    try {
        ListingReader reader(data, unread, [&](std::size_t count, std::string &buffer, std::string &why) {
            const std::size_t before = buffer.size();
            if (!file.read(count, buffer)) {
                why = file.reason();
                return false;
            }
            stamp.add(std::string_view(buffer).substr(before));
            return true;
        });
        ListingContents c = ReadListing(reader);
        out.stamp = stamp.stamp();
        TDisk &d = c.disk->disk();
        d.FileName = name;
        d.SerialNumber = c.serialNumber;
        out.disk = std::move(c.disk);
    } catch (const ListingError &e) {
        out.disk.reset();
        out.error = error(e.reason());
    } catch (const std::bad_alloc &) {
        out.disk.reset();
        out.error = error(Utf8(rkm::Core::tr("not enough memory for what it holds")));
    } catch (const std::exception &e) {
        // Anything else: this listing is named, and the others load (on any
        // thread).
        out.disk.reset();
        out.error = error(e.what());
    }
    return out;
}

std::vector<ListingOutcome> ReadListingFiles(const std::string &dir, const std::vector<std::string> &names, int threads)
{
    std::vector<ListingOutcome> outcomes(names.size());
    const auto readFrom = [&](std::atomic<std::size_t> &next) {
        std::string buffer;
        for (std::size_t i = next++; i < names.size(); i = next++)
            outcomes[i] = ReadListingFile(dir, names[i], buffer);
    };
    std::atomic<std::size_t> next{0};
    const std::size_t helpers = std::min(names.size(), static_cast<std::size_t>(std::max(threads, 1))) -
                                (names.empty() ? 0 : 1);
    std::vector<std::thread> pool;
    pool.reserve(helpers);
    try {
        for (std::size_t t = 0; t < helpers; ++t)
            pool.emplace_back(readFrom, std::ref(next));
    } catch (const std::system_error &) {
        // No more threads to be had: the ones started and this one do it all.
    }
    readFrom(next);
    for (std::thread &t : pool)
        t.join();
    return outcomes;
}

int DefaultLoadThreads()
{
    // Reading a listing is mostly parsing bytes the page cache holds: one
    // thread a core, at most 8, since each thread's allocator keeps memory of
    // its own.
    const unsigned cores = std::thread::hardware_concurrency();
    return static_cast<int>(std::clamp(cores, 1u, 8u));
}

void PrepareProgramDir(const std::string &dir)
{
    std::string shown = dir;
    while (shown.size() > 1 && shown.back() == '/')
        shown.pop_back();
    switch (ProgramDirStateOf(dir)) {
    case ProgramDirState::Folder:
        return;
    case ProgramDirState::NotAFolder:
        throw RackmereError(Utf8(rkm::Core::tr("The catalogue folder %1 is not a folder"), {shown}));
    case ProgramDirState::Missing:
        if (!QDir().mkpath(QString::fromStdString(dir)) || ProgramDirStateOf(dir) != ProgramDirState::Folder)
            throw RackmereError(Utf8(rkm::Core::tr("Cannot make the catalogue folder %1: %2"),
                                     {shown, std::strerror(errno)}));
        return;
    }
}

uint32_t GetDiskSerial(const TDisk &disk)
{
    const std::string &root = disk.GetRootDisk()->RootPath;
    if (root.empty() || root[0] != '/')
        return 0; // not a path of this system (a listing made on Windows)
    return platform::System().volumeSerial(root);
}

std::optional<platform::Volume> VolumeOfRoot(const std::string &rootPath)
{
    if (rootPath.empty() || rootPath[0] != '/')
        return std::nullopt; // not a path of this system (a listing made on Windows)
    return platform::System().volumeOf(rootPath);
}

std::vector<std::string> ParseCategories(std::string_view data)
{
    return platform::SplitLines(data);
}

std::string FormatCategories(const std::vector<std::string> &categories)
{
    std::string out;
    for (const std::string &c : categories) {
        out += c;
        out += "\r\n";
    }
    return out;
}

std::string ReadCategoryFile(const std::string &dir, std::vector<std::string> &categories)
{
    categories.clear();
    const std::string path = WithSlash(dir) + CATEGORY_FILE;
    if (!fileExists(path))
        return {};
    try {
        categories = ParseCategories(ReadRegularFile(path, MAX_CATEGORY_FILE_BYTES,
                                                     rkm::Core::tr("Cannot read the category file %1: %2")));
    } catch (const std::exception &e) {
        categories.clear();
        return Utf8(rkm::Core::tr("%1; the categories are left empty"), {e.what()});
    }
    return {};
}

CatalogStore::CatalogStore(std::string programDir)
    : m_programDir(WithSlash(std::move(programDir))), m_extras(m_programDir), m_rng(randomSeed())
{
}

std::string CatalogStore::PathOf(const std::string &fileName) const
{
    // A name with a folder in it is a path already.
    if (fileName.find('/') != std::string::npos)
        return fileName;
    return m_programDir + fileName;
}

std::vector<std::string> CatalogStore::LoadCatalog()
{
    std::vector<std::string> errors;
    m_categories.clear();
    m_categoriesUnread = false;
    if (std::string problem = ReadCategoryFile(m_programDir, m_categories); !problem.empty()) {
        errors.push_back(std::move(problem));
        m_categoriesUnread = true;
    }

    // The writer first clears what writers killed in the middle left: their
    // temporary files, and an Update between its two steps. Anyone else
    // lists and reads the folder under the readers' lock, so an Update is
    // seen before or after its replace, never halfway.
    std::optional<ReadersLock> readers;
    m_extras.setWriter(writer);
    if (writer) {
        RemoveLeftoverTemporaryFiles();
        finishPendingReplaces();
    } else {
        readers.emplace(m_programDir, false);
    }

    // The listing files in the order the folder lists them; each is read on
    // its own, possibly on another thread, and the results are then taken in
    // that order, so the disks and the messages come out as a one-by-one
    // load gives them.
    std::vector<std::string> names;
    if (DIR *dir = ::opendir(m_programDir.c_str())) {
        while (const dirent *e = ::readdir(dir)) {
            const std::string_view name(e->d_name);
            if (name.empty() || name[0] == '.' || !EndsWithListingSuffix(name))
                continue;
            if (e->d_type == DT_DIR)
                continue; // a folder is no listing file, whatever its name
            names.emplace_back(name);
        }
        ::closedir(dir);
    }
    if (!writer) {
        // An Update cut short whose new listing is there: its old one is as
        // good as deleted (the next writer deletes it).
        for (const PendingReplace &p : m_extras.Pending())
            if (std::find(names.begin(), names.end(), p.newFile) != names.end())
                names.erase(std::remove(names.begin(), names.end(), p.oldFile), names.end());
    }
    std::vector<ListingOutcome> outcomes = ReadListingFiles(m_programDir, names, loadThreads);
    std::vector<std::unique_ptr<TreeNode>> loaded;
    loaded.reserve(outcomes.size());
    for (ListingOutcome &o : outcomes) {
        if (!o.error.empty())
            errors.push_back(std::move(o.error));
        else if (o.disk) {
            m_stamps[o.disk->disk().FileName] = o.stamp;
            loaded.push_back(std::move(o.disk));
        }
    }

    // By name, and disks of one name by file name, so the order is the same
    // whatever order the folder lists its files in.
    struct Keyed {
        std::string name, file;
        std::unique_ptr<TreeNode> disk;
    };
    std::vector<Keyed> keyed;
    keyed.reserve(loaded.size());
    for (auto &d : loaded)
        keyed.push_back(Keyed{platform::NaturalOrderKey(d->text()), platform::NaturalOrderKey(d->disk().FileName),
                              std::move(d)});
    std::sort(keyed.begin(), keyed.end(), [](const Keyed &a, const Keyed &b) {
        if (const int c = a.name.compare(b.name))
            return c < 0;
        if (const int c = a.disk->text().compare(b.disk->text()))
            return c < 0;
        return a.file < b.file || (a.file == b.file && a.disk->disk().FileName < b.disk->disk().FileName);
    });
    const bool wasEmpty = m_tree.empty();
    for (Keyed &k : keyed) {
        const int place = wasEmpty ? m_tree.diskCount() : PlaceFor(k.disk->text());
        m_tree.insertDisk(place, std::move(k.disk));
    }
    if (writer)
        tidyStore(names);
    return errors;
}

std::string CatalogStore::FindFreeFileName(const ByteSource &listing, const std::function<void()> &beforeClaim)
{
    std::uniform_int_distribution<int> dist(0, 32767);
    return WriteNewFile(
        m_programDir, listing, [&] { return std::to_string(dist(m_rng)) + LISTING_SUFFIX; }, 1000,
        Utf8(rkm::Core::tr("Unable to find unused filename.!")), beforeClaim);
}

void CatalogStore::SaveListing(TreeNode *node, std::string name)
{
    if (!node)
        throw RackmereError("NULL node in save");
    refuseWhenReadOnly();
    TDisk &d = node->disk();
    const bool first = name.empty();
    const uint32_t serial = first ? (serialSource ? serialSource(d) : 0) : d.SerialNumber;
    std::vector<LongText> cut;
    StampBuilder stamp;
    const ByteSource bytes = [&](const ByteSink &sink) {
        cut.clear(); // written once, but noted afresh if ever written again
        stamp = StampBuilder();
        WriteListing(
            *node, serial,
            [&](std::string_view piece) {
                stamp.add(piece);
                sink(piece);
            },
            &cut);
    };
    const auto pending = m_pending.find(node);
    const std::optional<ListingExtras> given = pending != m_pending.end()
                                                   ? std::optional<ListingExtras>(pending->second)
                                                   : std::nullopt;
    if (first) {
        // An Update's new listing is known to the store before its name is
        // claimed, so that a kill after the claim is undone by the next writer.
        bool intended = false;
        try {
            name = FindFreeFileName(bytes, [&] {
                if (m_replacing.empty())
                    return;
                m_extras.Intend(m_replacing, stamp.stamp());
                intended = true;
            });
        } catch (...) {
            if (intended)
                m_extras.ForgetIntent(m_replacing);
            throw;
        }
        // The extras with the file: should they fail, the file goes again.
        try {
            const auto contents = m_pendingContents.find(node);
            m_extras.Put(name, stamp.stamp(), given.value_or(ListingExtras{}), m_replacing,
                         contents != m_pendingContents.end() ? contents->second.get() : nullptr);
        } catch (...) {
            DeleteListingFile(name);
            throw;
        }
    } else {
        const auto known = m_stamps.find(name);
        const std::optional<ListingStamp> now = known != m_stamps.end() ? std::optional<ListingStamp>(known->second)
                                                                        : std::nullopt;
        // The store knows the new state before the file takes it.
        WriteFileAtomically(PathOf(name), bytes, [&] { m_extras.Prepare(name, now, stamp.stamp(), given); });
    }
    m_stamps[name] = stamp.stamp();
    if (pending != m_pending.end())
        m_pending.erase(pending);
    if (first)
        m_pendingContents.erase(node);
    if (first) {
        d.FileName = name;
        d.SerialNumber = serial;
    }
    d.Modified = false;
    if (!cut.empty()) {
        ShortenedListing record{name, platform::Utf8Text(platform::CutText(node->text(), MAX_TEXT_BYTES)), {}};
        for (const LongText &t : cut)
            record.entries.push_back(DescribeLongText(t));
        // Memory as the file now is, so the next save has nothing to cut.
        CutLongTexts(*node);
        m_shortened.push_back(std::move(record));
    }
}

std::vector<ShortenedListing> CatalogStore::TakeShortened()
{
    std::vector<ShortenedListing> out;
    out.swap(m_shortened);
    return out;
}

void CatalogStore::SaveModifiedListings()
{
    // One listing that cannot be written does not keep the others from being
    // saved; the first failure is reported when all were tried.
    const std::vector<SaveFailure> failures = TrySaveModifiedListings();
    if (!failures.empty())
        throw RackmereError(failures.front().reason);
}

std::vector<CatalogStore::SaveFailure> CatalogStore::TrySaveModifiedListings()
{
    std::vector<SaveFailure> failures;
    for (int i = 0; i < m_tree.diskCount(); ++i) {
        TreeNode *n = m_tree.disk(i);
        if (!n->disk().IsModified())
            continue;
        try {
            SaveListing(n, n->disk().FileName);
        } catch (const RackmereError &e) {
            failures.push_back({n, e.what()});
        }
    }
    return failures;
}

void CatalogStore::refuseWhenReadOnly() const
{
    if (readOnly)
        throw RackmereError(Utf8(rkm::Core::tr("The catalogue in %1 is open read-only: %2"),
                                 {m_programDir, readOnlyReason}));
}

void CatalogStore::SaveCategories() const
{
    refuseWhenReadOnly();
    const std::string path = m_programDir + CATEGORY_FILE;
    if (m_categoriesUnread) {
        // What could not be read is never written over: it is kept under
        // another name for the user to look at.
        const std::string aside = path + ".unread-" + std::to_string(std::time(nullptr));
        if (fileExists(path) && ::rename(path.c_str(), aside.c_str()) != 0)
            throw RackmereError(Utf8(rkm::Core::tr("Cannot put aside the category file %1: %2"),
                                     {path, std::strerror(errno)}));
        m_categoriesUnread = false;
    }
    WriteFileAtomically(path, FormatCategories(m_categories));
}

bool CatalogStore::AddCategoryIfMissing(const std::string &category)
{
    refuseWhenReadOnly();
    const std::string wanted = platform::LowerText(category);
    for (const std::string &c : m_categories)
        if (platform::LowerText(c) == wanted)
            return false;
    m_categories.push_back(category);
    SaveCategories();
    return true;
}

void CatalogStore::RemoveLeftoverTemporaryFiles() const
{
    DIR *dir = ::opendir(m_programDir.c_str());
    if (!dir)
        return;
    const std::string_view prefix(TEMPORARY_PREFIX);
    while (const dirent *e = ::readdir(dir)) {
        const std::string_view name(e->d_name);
        if (name.substr(0, prefix.size()) == prefix)
            ::unlinkat(::dirfd(dir), e->d_name, 0);
    }
    ::closedir(dir);
}

bool CatalogStore::DeleteListingFile(const std::string &fileName) const
{
    return !readOnly && ::unlink(PathOf(fileName).c_str()) == 0;
}

int CatalogStore::PlaceFor(std::string_view name, const TreeNode *skip) const
{
    const std::string key = platform::NaturalOrderKey(name);
    int place = 0;
    for (int i = 0; i < m_tree.diskCount(); ++i) {
        const TreeNode *d = m_tree.disk(i);
        if (d == skip)
            continue;
        const int c = platform::NaturalOrderKey(d->text()).compare(key);
        if (c < 0 || (c == 0 && std::string_view(d->text()) <= name))
            ++place;
    }
    return place;
}

TreeNode *CatalogStore::AddDisk(std::unique_ptr<TreeNode> disk)
{
    disk->disk().Modified = true;
    const int place = PlaceFor(disk->text());
    return m_tree.insertDisk(place, std::move(disk));
}

TreeNode *CatalogStore::ReplaceDisk(TreeNode *old, std::unique_ptr<TreeNode> fresh)
{
    // An update keeps the name, and the disk keeps its row among disks of
    // the same name.
    const int row = old->row();
    const bool sameName = old->text() == fresh->text();
    m_pending.erase(old);
    m_pendingContents.erase(old);
    m_tree.removeDisk(row);
    const int place = sameName ? row : PlaceFor(fresh->text());
    return m_tree.insertDisk(place, std::move(fresh));
}

void CatalogStore::RenameDisk(TreeNode *disk, std::string name)
{
    disk->disk().SetName(name);
    m_tree.moveDisk(disk->row(), PlaceFor(disk->text(), disk));
}

bool CatalogStore::DeleteListing(TreeNode *disk)
{
    const std::string fileName = disk->disk().FileName;
    if (!fileName.empty()) {
        if (!DeleteListingFile(fileName))
            return false;
        m_extras.Remove(fileName);
        m_stamps.erase(fileName);
    }
    m_pending.erase(disk);
    m_pendingContents.erase(disk);
    m_tree.removeDisk(disk->row());
    return true;
}

} // namespace rkm
