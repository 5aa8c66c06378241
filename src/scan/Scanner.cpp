#include "scan/Scanner.h"

#include "catalog/Errors.h"
#include "platform/SystemView.h"
#include "platform/Translated.h"
#include "platform/UniqueFd.h"
#include "scan/WalkPool.h"

#include <cerrno>
#include <cstdlib>
#include <thread>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace rkm {

ScanControl::Progress ScanControl::progress() const
{
    Progress p;
    p.folders = m_folders.load(std::memory_order_relaxed);
    p.files = m_files.load(std::memory_order_relaxed);
    p.bytes = m_bytes.load(std::memory_order_relaxed);
    p.contentBytes = m_contentBytes.load(std::memory_order_relaxed);
    {
        std::lock_guard lock(m_mutex);
        p.folder = m_folder;
        p.file = m_file;
    }
    m_asked.fetch_add(1, std::memory_order_relaxed);
    return p;
}

void ScanControl::readingFolder(std::string_view path)
{
    std::lock_guard lock(m_mutex);
    m_folder.assign(path);
}

void ScanControl::found(uint64_t folders, uint64_t files, uint64_t bytes, std::string_view lastFile)
{
    m_folders.fetch_add(folders, std::memory_order_relaxed);
    m_files.fetch_add(files, std::memory_order_relaxed);
    m_bytes.fetch_add(bytes, std::memory_order_relaxed);
    if (!lastFile.empty()) {
        std::lock_guard lock(m_mutex);
        m_file.assign(lastFile);
    }
}

void ScanControl::handIn(uint64_t folders, uint64_t files, uint64_t bytes, std::string_view folder,
                         std::string_view lastFile)
{
    m_folders.fetch_add(folders, std::memory_order_relaxed);
    m_files.fetch_add(files, std::memory_order_relaxed);
    m_bytes.fetch_add(bytes, std::memory_order_relaxed);
    std::lock_guard lock(m_mutex);
    m_folder.assign(folder);
    if (!lastFile.empty())
        m_file.assign(lastFile);
}

int ScanThreadCount(int requested, platform::VolumeKind kind)
{
    if (requested > 0)
        return requested;
    switch (kind) {
    case platform::VolumeKind::Network:
        return kNetworkScanThreads;
    case platform::VolumeKind::Rotating:
        return 2;
    case platform::VolumeKind::Optical:
        return 1;
    case platform::VolumeKind::Memory:
        break;
    case platform::VolumeKind::SolidState:
    case platform::VolumeKind::Unknown:
        return kSolidStateScanThreads;
    }
    const unsigned cores = std::thread::hardware_concurrency();
    return cores < 2 ? 2 : cores > 8 ? 8 : static_cast<int>(cores);
}

int ScanStartThreadCount(int requested, platform::VolumeKind kind)
{
    if (requested > 0)
        return requested;
    if (kind == platform::VolumeKind::SolidState || kind == platform::VolumeKind::Unknown)
        return ScanThreadCount(0, platform::VolumeKind::Memory);
    return ScanThreadCount(0, kind);
}

bool IsPathOfThisSystem(std::string_view rootPath)
{
    return !rootPath.empty() && rootPath[0] == '/';
}

std::string ResolveScanRoot(const std::string &path, int *error)
{
    const auto fail = [error](int e) {
        if (error)
            *error = e;
        return std::string();
    };
    if (path.empty())
        return fail(ENOENT);
    char *resolved = ::realpath(path.c_str(), nullptr);
    if (!resolved)
        return fail(errno);
    std::string root(resolved);
    std::free(resolved);
    if (!platform::UniqueFd(::open(root.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC)))
        return fail(errno);
    return root;
}

std::unique_ptr<TreeNode> ScanDisk(const std::string &path, const std::string &name, const std::string &comment,
                                   ScanControl *control, int threads, const ScanOptions &options,
                                   ContentSink *contents)
{
    const std::string root = ResolveScanRoot(path);
    const platform::UniqueFd fd(root.empty() ? -1 : ::open(root.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!fd)
        throw RackmereError(Utf8(rkm::Core::tr("The folder %1 cannot be opened."), {path}));
    struct stat st {};
    ::fstat(fd.get(), &st);

    auto disk = MakeDiskNode(name);
    TDisk &d = disk->disk();
    d.RootPath = root;
    d.DriveType = platform::System().driveType(root);
    d.Comment = comment;

    const platform::VolumeKind kind = platform::System().volumeKind(root);
    walk::WalkPool(fd.get(), control, options, contents)
        .run(*disk, st.st_dev, ScanStartThreadCount(threads, kind), ScanThreadCount(threads, kind));
    return disk;
}

} // namespace rkm
