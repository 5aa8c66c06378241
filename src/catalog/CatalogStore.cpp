#include "catalog/CatalogStore.h"

#include "catalog/AtomicFile.h"

#include "catalog/Errors.h"
#include "catalog/ListingFile.h"
#include "platform/Order.h"
#include "platform/SystemView.h"
#include "platform/Text.h"

#include <QDir>
#include <QStandardPaths>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace rkm {

namespace {

std::string withSlash(std::string dir)
{
    if (dir.empty() || dir.back() != '/')
        dir.push_back('/');
    return dir;
}

bool endsWithListingSuffix(std::string_view name)
{
    constexpr std::string_view suffix = ".rkm";
    if (name.size() <= suffix.size())
        return false;
    std::string_view tail = name.substr(name.size() - suffix.size());
    for (std::size_t i = 0; i < suffix.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(tail[i])) != suffix[i])
            return false;
    return true;
}

bool fileExists(const std::string &path)
{
    struct stat st {};
    return ::lstat(path.c_str(), &st) == 0;
}

} // namespace

std::string NormalizeProgramDir(const std::string &dir)
{
    QString abs = QDir(QString::fromStdString(dir)).absolutePath();
    return withSlash(QDir::cleanPath(abs).toStdString());
}

std::string GetProgramDir()
{
    QByteArray env = qgetenv("RACKMERE_DIR");
    std::string dir;
    if (!env.isEmpty()) {
        dir = NormalizeProgramDir(env.toStdString());
    } else {
        QString base = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
        if (base.isEmpty())
            base = QDir::homePath() + QStringLiteral("/.local/share");
        dir = withSlash(base.toStdString() + "/Rackmere");
    }
    QDir().mkpath(QString::fromStdString(dir));
    return dir;
}

uint32_t GetDiskSerial(const TDisk &disk)
{
    const std::string &root = disk.GetRootDisk()->RootPath;
    if (root.empty() || root[0] != '/')
        return 0; // not a path of this system (a listing made on Windows)
    return platform::System().volumeSerial(root);
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

CatalogStore::CatalogStore(std::string programDir)
    : m_programDir(withSlash(std::move(programDir))),
      m_rng(static_cast<uint32_t>(std::chrono::duration_cast<std::chrono::seconds>(
                                      std::chrono::system_clock::now().time_since_epoch())
                                      .count()))
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
    const std::string catPath = m_programDir + CATEGORY_FILE;
    if (fileExists(catPath)) {
        std::string data;
        if (!ReadWholeFile(catPath, data))
            throw RackmereError("Cannot read the category file " + catPath + ": " + std::strerror(errno));
        m_categories = ParseCategories(data);
    }

    DIR *dir = ::opendir(m_programDir.c_str());
    if (!dir)
        return errors;
    std::vector<std::unique_ptr<TreeNode>> loaded;
    std::string data;
    while (const dirent *e = ::readdir(dir)) {
        const std::string_view name(e->d_name);
        if (name.empty() || name[0] == '.' || !endsWithListingSuffix(name))
            continue;
        if (e->d_type != DT_REG && e->d_type != DT_UNKNOWN && e->d_type != DT_LNK)
            continue;
        const std::string path = m_programDir + std::string(name);
        try {
            if (!ReadWholeFile(path, data)) {
                if (e->d_type != DT_REG) {
                    struct stat st {};
                    if (::stat(path.c_str(), &st) == 0 && !S_ISREG(st.st_mode))
                        continue; // not a file: nothing to load
                }
                throw RackmereError("cannot read");
            }
            ListingContents c = ReadListing(data);
            if (!c.disk)
                continue; // not five texts per entry: skipped without a word
            TDisk &d = c.disk->disk();
            d.FileName = std::string(name);
            d.SerialNumber = c.serialNumber;
            loaded.push_back(std::move(c.disk));
        } catch (const RackmereError &) {
            errors.push_back("Error loading file: " + std::string(name));
        } catch (const std::bad_alloc &) {
            errors.push_back("Error loading file: " + std::string(name));
        }
    }
    ::closedir(dir);

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
    return errors;
}

std::string CatalogStore::FindFreeFileName()
{
    std::uniform_int_distribution<int> dist(0, 32767);
    for (int attempt = 0; attempt < 1000; ++attempt) {
        std::string candidate = std::to_string(dist(m_rng)) + LISTING_SUFFIX;
        if (!fileExists(m_programDir + candidate))
            return candidate;
    }
    throw RackmereError("Unable to find unused filename.!");
}

void CatalogStore::SaveListing(TreeNode *node, std::string name)
{
    if (!node)
        throw RackmereError("NULL node in save");
    TDisk &d = node->disk();
    const bool first = name.empty();
    if (first)
        name = FindFreeFileName();
    const uint32_t serial = first ? (serialSource ? serialSource(d) : 0) : d.SerialNumber;
    std::vector<LongText> cut;
    WriteFileAtomically(PathOf(name), WriteListing(*node, serial, &cut));
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
    std::string firstError;
    for (int i = 0; i < m_tree.diskCount(); ++i) {
        TreeNode *n = m_tree.disk(i);
        if (!n->disk().IsModified())
            continue;
        try {
            SaveListing(n, n->disk().FileName);
        } catch (const RackmereError &e) {
            if (firstError.empty())
                firstError = e.what();
        }
    }
    if (!firstError.empty())
        throw RackmereError(firstError);
}

void CatalogStore::SaveCategories() const
{
    WriteFileAtomically(m_programDir + CATEGORY_FILE, FormatCategories(m_categories));
}

bool CatalogStore::AddCategoryIfMissing(const std::string &category)
{
    const std::string wanted = platform::LowerText(category);
    for (const std::string &c : m_categories)
        if (platform::LowerText(c) == wanted)
            return false;
    m_categories.push_back(category);
    SaveCategories();
    return true;
}

bool CatalogStore::DeleteListingFile(const std::string &fileName) const
{
    return ::unlink(PathOf(fileName).c_str()) == 0;
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
    const std::string &fileName = disk->disk().FileName;
    if (!fileName.empty() && !DeleteListingFile(fileName))
        return false;
    m_tree.removeDisk(disk->row());
    return true;
}

} // namespace rkm
