#include "search/Holding.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unordered_map>
#include <unistd.h>

namespace rkm {

namespace {

bool Stopped(const std::atomic<bool> *stop)
{
    return stop && stop->load(std::memory_order_relaxed);
}

// Reads the file at `path`; links are followed only when `follow`.
LocalFile ReadFile(const std::string &path, bool follow, const std::atomic<bool> *stop)
{
    LocalFile f{path, std::nullopt, 0};
    // O_NONBLOCK: a FIFO put in place of the file does not hang the read.
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | (follow ? 0 : O_NOFOLLOW));
    if (fd < 0) {
        f.error = errno;
        return f;
    }
    struct stat st {};
    if (::fstat(fd, &st) != 0)
        f.error = errno;
    else if (!S_ISREG(st.st_mode))
        f.error = S_ISDIR(st.st_mode) ? EISDIR : NOT_A_REGULAR_FILE;
    else if (::fcntl(fd, F_SETFL, 0) != 0)
        f.error = errno;
    else
        f.fingerprint = FingerprintOfFile(fd, f.error, nullptr, stop);
    ::close(fd);
    return f;
}

// `follow`: the folder named by the user may be a link; those below it are
// not followed, even one put in a folder's place while it is read.
void ReadFolder(const std::string &folder, std::vector<LocalFile> &out, const std::atomic<bool> *stop, bool follow)
{
    const int fd = ::open(folder.c_str(), O_RDONLY | O_CLOEXEC | O_DIRECTORY | (follow ? 0 : O_NOFOLLOW));
    DIR *dir = fd >= 0 ? ::fdopendir(fd) : nullptr;
    if (!dir) {
        out.push_back({folder, std::nullopt, errno});
        if (fd >= 0)
            ::close(fd);
        return;
    }
    std::vector<std::pair<std::string, unsigned char>> names;
    errno = 0;
    while (const dirent *e = ::readdir(dir)) {
        const std::string name = e->d_name;
        if (name != "." && name != "..")
            names.emplace_back(name, e->d_type);
    }
    const int readError = errno;
    ::closedir(dir);
    if (readError)
        out.push_back({folder, std::nullopt, readError});
    std::sort(names.begin(), names.end());
    const std::string base = folder.ends_with('/') ? folder : folder + "/";
    for (const auto &[name, type] : names) {
        if (Stopped(stop))
            return;
        const std::string path = base + name;
        unsigned char kind = type;
        if (kind == DT_UNKNOWN) {
            struct stat st {};
            if (::lstat(path.c_str(), &st) != 0) {
                out.push_back({path, std::nullopt, errno});
                continue;
            }
            kind = S_ISDIR(st.st_mode) ? DT_DIR : S_ISREG(st.st_mode) ? DT_REG : DT_LNK;
        }
        if (kind == DT_DIR)
            ReadFolder(path, out, stop, false);
        else if (kind == DT_REG)
            out.push_back(ReadFile(path, false, stop));
        // Links, devices, sockets and pipes are no files' contents.
    }
}

} // namespace

std::string LocalFileProblem(const LocalFile &file)
{
    if (file.error == NOT_A_REGULAR_FILE)
        return "not a regular file (a FIFO, socket or device)";
    return std::strerror(file.error);
}

std::vector<LocalFile> FingerprintLocalFiles(const std::vector<std::string> &paths, const std::atomic<bool> *stop)
{
    std::vector<LocalFile> out;
    for (const std::string &path : paths) {
        if (Stopped(stop))
            break;
        struct stat st {};
        if (::stat(path.c_str(), &st) != 0)
            out.push_back({path, std::nullopt, errno});
        else if (S_ISDIR(st.st_mode))
            ReadFolder(path, out, stop, true);
        else
            out.push_back(ReadFile(path, true, stop));
    }
    if (Stopped(stop))
        std::erase_if(out, [](const LocalFile &f) { return f.error == ECANCELED; });
    return out;
}

std::vector<HeldFile> WhereHeld(CatalogStore &store, std::vector<LocalFile> files)
{
    // The copies in the order of the tree, then by path.
    std::unordered_map<const TreeNode *, int> place;
    for (int i = 0; i < store.Tree().diskCount(); ++i)
        place.emplace(store.Tree().disk(i), i);
    std::vector<HeldFile> out;
    out.reserve(files.size());
    for (LocalFile &f : files) {
        HeldFile h{std::move(f), {}};
        if (h.file.fingerprint)
            h.copies = store.Holding(*h.file.fingerprint);
        std::sort(h.copies.begin(), h.copies.end(),
                  [&](const CatalogStore::HeldCopy &a, const CatalogStore::HeldCopy &b) {
                      if (a.disk != b.disk)
                          return place[a.disk] < place[b.disk];
                      return a.path < b.path;
                  });
        out.push_back(std::move(h));
    }
    return out;
}

} // namespace rkm
