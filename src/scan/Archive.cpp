#include "scan/Archive.h"

#include "platform/Order.h"
#include "platform/Text.h"
#include "scan/Scanner.h"

#include <archive.h>
#include <archive_entry.h>

#include <algorithm>
#include <cstring>
#include <fcntl.h>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>
#include <unordered_map>
#include <unordered_set>

namespace rkm {

namespace {

bool startsWith(std::string_view s, std::string_view prefix)
{
    return s.substr(0, prefix.size()) == prefix;
}

using namespace std::string_view_literals;

// A file_id.diz longer than this is not read (the classic ones are ten lines
// of 45 characters).
constexpr la_int64_t kMaxDizBytes = 64 * 1024;

struct ArchiveDeleter {
    void operator()(archive *a) const { archive_read_free(a); }
};

// The reader for the kinds of archive listed: each format and filter by
// name, never the catch-all "raw" or "empty" ones, so that a plain
// compressed file or an empty file is not taken for an archive.
std::unique_ptr<archive, ArchiveDeleter> newReader()
{
    std::unique_ptr<archive, ArchiveDeleter> a(archive_read_new());
    if (!a)
        return a;
    archive *r = a.get();
    archive_read_support_filter_gzip(r);
    archive_read_support_filter_bzip2(r);
    archive_read_support_filter_xz(r);
    archive_read_support_filter_zstd(r);
    archive_read_support_format_zip(r);
    archive_read_support_format_7zip(r);
    archive_read_support_format_rar(r);
    archive_read_support_format_rar5(r);
    archive_read_support_format_tar(r);
    archive_read_support_format_cab(r);
    archive_read_support_format_iso9660(r);
    return a;
}

// The path of an entry: UTF-8 where the archive says what its names are,
// else the bytes it holds; no longer than a listing holds, cut before a
// UTF-8 continuation byte.
std::string entryPath(archive_entry *e)
{
    const char *path = archive_entry_pathname_utf8(e);
    if (!path)
        path = archive_entry_pathname(e);
    if (!path)
        return {};
    std::size_t n = ::strnlen(path, MAX_ARCHIVE_PATH_BYTES + 1);
    if (n > MAX_ARCHIVE_PATH_BYTES) {
        n = MAX_ARCHIVE_PATH_BYTES;
        while (n > 0 && (static_cast<unsigned char>(path[n]) & 0xC0) == 0x80)
            --n;
    }
    return std::string(path, n);
}

// The folder names of a path, without empty, "." and ".." parts (an
// archive cannot reach above its own root in a listing).
void splitPath(std::string_view path, std::vector<std::string_view> &parts)
{
    parts.clear();
    while (!path.empty()) {
        const std::size_t slash = path.find('/');
        const std::string_view part = path.substr(0, slash);
        if (!part.empty() && part != "."sv && part != ".."sv)
            parts.push_back(part);
        if (slash == std::string_view::npos)
            break;
        path.remove_prefix(slash + 1);
    }
}

bool isFileIdDiz(std::string_view path)
{
    std::vector<std::string_view> parts;
    splitPath(path, parts);
    if (parts.size() != 1 || parts[0].size() != 11)
        return false;
    std::string lower(parts[0]);
    for (char &c : lower)
        c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    return lower == "file_id.diz";
}

} // namespace

bool MayBeIsoImage(uint64_t size)
{
    return size >= ISO_DESCRIPTOR_OFFSET + 2048 && size % 2048 == 0;
}

bool IsIsoDescriptor(std::string_view bytes)
{
    return bytes.size() >= 6 && bytes.substr(1, 5) == "CD001"sv;
}

bool LooksLikeArchive(std::string_view head)
{
    static constexpr std::string_view kMagic[] = {
        "PK\x03\x04"sv,                 // zip
        "PK\x05\x06"sv,                 // an empty zip
        "PK\x07\x08PK\x03\x04"sv,       // a zip written as one part of a spanned set
        "7z\xBC\xAF\x27\x1C"sv,         // 7z
        "Rar!\x1A\x07"sv,               // rar 1.5 to 4 and rar 5
        "MSCF\0\0\0\0"sv,               // cab
        "\x1F\x8B\x08"sv,               // gzip
        "BZh"sv,                        // bzip2
        "\xFD" "7zXZ\0"sv,              // xz
        "\x28\xB5\x2F\xFD"sv,           // zstd
    };
    for (std::string_view magic : kMagic)
        if (startsWith(head, magic))
            return true;
    // tar (POSIX and GNU): "ustar" in the first header block.
    if (head.size() >= 262 && head.substr(257, 5) == "ustar"sv)
        return true;
    return false;
}

std::optional<ArchiveContents> ReadArchive(int fd, const ArchiveLimits &limits, const std::function<bool()> &stop)
{
    if (::lseek(fd, 0, SEEK_SET) != 0)
        return std::nullopt;
    std::unique_ptr<archive, ArchiveDeleter> reader = newReader();
    if (!reader || archive_read_open_fd(reader.get(), fd, 64 * 1024) != ARCHIVE_OK)
        return std::nullopt;
    archive *a = reader.get();
    const auto start = std::chrono::steady_clock::now();
    ArchiveContents contents;
    uint64_t nameBytes = 0;
    archive_entry *e = nullptr;
    for (;;) {
        if (stop && stop())
            return std::nullopt;
        const int r = archive_read_next_header(a, &e);
        if (r == ARCHIVE_EOF)
            break;
        // A warning (a name in another character set, say) still gives the
        // entry; anything worse means the list cannot be trusted.
        if (r != ARCHIVE_OK && r != ARCHIVE_WARN)
            return std::nullopt;
        if (contents.entries.size() >= limits.maxEntries) {
            contents.incomplete = ARCHIVE_TOO_MANY_ENTRIES;
            break;
        }
        ArchiveContents::Entry entry;
        entry.path = entryPath(e);
        nameBytes += entry.path.size();
        if (nameBytes > limits.maxNameBytes) {
            contents.incomplete = ARCHIVE_NAMES_TOO_LONG;
            break;
        }
        entry.folder = archive_entry_filetype(e) == AE_IFDIR || (!entry.path.empty() && entry.path.back() == '/');
        entry.size = archive_entry_size_is_set(e) && archive_entry_size(e) > 0
                         ? static_cast<uint64_t>(archive_entry_size(e))
                         : 0;
        entry.modified = archive_entry_mtime_is_set(e) ? static_cast<int64_t>(archive_entry_mtime(e)) : 0;
        if (!entry.folder && !contents.fileIdDiz && isFileIdDiz(entry.path) && !archive_entry_is_encrypted(e) &&
            entry.size <= static_cast<uint64_t>(kMaxDizBytes)) {
            std::string bytes(static_cast<std::size_t>(entry.size), '\0');
            const la_ssize_t n = bytes.empty() ? 0 : archive_read_data(a, bytes.data(), bytes.size());
            if (n >= 0) {
                bytes.resize(static_cast<std::size_t>(n));
                contents.fileIdDiz = std::move(bytes);
            }
        }
        contents.entries.push_back(std::move(entry));
        // The data is passed over, never unpacked (a solid archive's is not
        // even decompressed).
        if (archive_read_data_skip(a) == ARCHIVE_FATAL)
            return std::nullopt;
        if (std::chrono::steady_clock::now() - start > limits.maxTime) {
            contents.incomplete = ARCHIVE_TOO_SLOW;
            break;
        }
    }
    return contents;
}

platform::UniqueFd OpenIfArchive(int dirFd, const char *name)
{
    platform::UniqueFd fd(::openat(dirFd, name, O_RDONLY | O_NOFOLLOW | O_CLOEXEC | O_NOCTTY | O_NONBLOCK));
    if (!fd)
        return fd;
    struct stat st {};
    bool archive = false;
    if (::fstat(fd.get(), &st) == 0 && S_ISREG(st.st_mode)) {
        char head[4096];
        const ssize_t n = ::pread(fd.get(), head, sizeof head, 0);
        archive = n > 0 && LooksLikeArchive(std::string_view(head, static_cast<std::size_t>(n)));
        if (!archive && n > 0 && MayBeIsoImage(static_cast<uint64_t>(st.st_size))) {
            char descriptor[8];
            const ssize_t m = ::pread(fd.get(), descriptor, sizeof descriptor,
                                      static_cast<off_t>(ISO_DESCRIPTOR_OFFSET));
            archive = m > 0 && IsIsoDescriptor(std::string_view(descriptor, static_cast<std::size_t>(m)));
        }
    }
    if (!archive)
        fd.reset();
    return fd;
}

ArchiveCounts BuildArchiveFolder(TreeNode &node, const ArchiveContents &contents, int maxDepth)
{
    // The folders as their paths name them, then each built in volume order.
    struct Folder {
        std::string_view name;
        std::string key;
        std::vector<std::size_t> folders; // in `all`
        std::vector<std::size_t> files;   // in contents.entries
        std::unordered_map<std::string_view, std::size_t> byName;
        std::unordered_set<std::string_view> fileNames;
    };
    std::vector<Folder> all(1);
    std::vector<std::string_view> fileName(contents.entries.size());
    std::vector<std::string> fileKey(contents.entries.size());
    std::vector<std::string_view> parts;
    for (std::size_t i = 0; i < contents.entries.size(); ++i) {
        const ArchiveContents::Entry &e = contents.entries[i];
        splitPath(e.path, parts);
        if (parts.empty())
            continue;
        const std::size_t folderParts = e.folder ? parts.size() : parts.size() - 1;
        if (folderParts > static_cast<std::size_t>(std::max(maxDepth, 0)))
            continue;
        std::size_t at = 0;
        for (std::size_t p = 0; p < folderParts; ++p) {
            auto found = all[at].byName.find(parts[p]);
            if (found != all[at].byName.end()) {
                at = found->second;
                continue;
            }
            const std::size_t made = all.size();
            all[at].byName.emplace(parts[p], made);
            all[at].folders.push_back(made);
            all.push_back(Folder {});
            all.back().name = parts[p];
            all.back().key = platform::VolumeOrderKey(parts[p]);
            at = made;
        }
        if (!e.folder && all[at].fileNames.insert(parts.back()).second) {
            all[at].files.push_back(i);
            fileName[i] = parts.back();
            fileKey[i] = platform::VolumeOrderKey(parts.back());
        }
    }

    // The order of an NTFS volume: by key, names of equal keys by their bytes.
    auto byVolumeOrder = [](std::string_view ka, std::string_view a, std::string_view kb, std::string_view b) {
        return ka != kb ? ka < kb : a < b;
    };
    ArchiveCounts counts;
    // Depth first with a stack of its own: an archive may name folders
    // thousands deep.
    std::vector<std::pair<std::size_t, TreeNode *>> stack {{0, &node}};
    while (!stack.empty()) {
        const auto [index, target] = stack.back();
        stack.pop_back();
        Folder &f = all[index];
        std::sort(f.files.begin(), f.files.end(),
                  [&](std::size_t a, std::size_t b) {
                      return byVolumeOrder(fileKey[a], fileName[a], fileKey[b], fileName[b]);
                  });
        std::sort(f.folders.begin(), f.folders.end(),
                  [&](std::size_t a, std::size_t b) {
                      return byVolumeOrder(all[a].key, all[a].name, all[b].key, all[b].name);
                  });
        FileList &files = target->disk().Files;
        for (std::size_t i : f.files) {
            const ArchiveContents::Entry &e = contents.entries[i];
            const std::string name = StoredName(fileName[i]);
            const std::string date = platform::DateText(e.modified);
            const std::string size = platform::SizeText(e.size);
            files.append(FileEntryView {name, std::string_view(), date, size, std::string_view()});
        }
        files.shrinkToFit();
        counts.files += f.files.size();
        target->reserveChildren(f.folders.size());
        std::vector<std::pair<std::size_t, TreeNode *>> children;
        for (std::size_t sub : f.folders)
            children.emplace_back(sub, target->appendChild(StoredName(all[sub].name)));
        counts.folders += f.folders.size();
        for (auto it = children.rbegin(); it != children.rend(); ++it)
            stack.push_back(*it);
    }
    return counts;
}

bool IsArchiveFolder(const TreeNode &node)
{
    const TreeNode *parent = node.parent();
    if (!parent)
        return false;
    const FileList &files = parent->disk().Files;
    const std::string_view name = node.text();
    const std::string key = platform::VolumeOrderKey(name);
    auto before = [&](int i) { // entry i comes before `name`
        const std::string_view other = files.text(i, 0);
        const std::string otherKey = platform::VolumeOrderKey(other);
        return otherKey != key ? otherKey < key : other < name;
    };
    int lo = 0, hi = files.count();
    while (lo < hi) {
        const int mid = lo + (hi - lo) / 2;
        if (before(mid))
            lo = mid + 1;
        else
            hi = mid;
    }
    if (lo < files.count() && files.text(lo, 0) == name)
        return true;
    constexpr int kLookThrough = 4096;
    if (files.count() > kLookThrough)
        return false;
    for (int i = 0; i < files.count(); ++i)
        if (files.text(i, 0) == name)
            return true;
    return false;
}

} // namespace rkm
