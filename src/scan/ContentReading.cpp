#include "scan/ContentReading.h"

#include "catalog/Errors.h"
#include "platform/Translated.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace rkm {

namespace {

// An unnamed file in the temporary folder: gone when closed, whatever way
// the program ends.
int openUnnamedFile()
{
    const char *tmp = std::getenv("TMPDIR");
    const std::string folder = tmp && *tmp ? tmp : "/tmp";
    int fd = ::open(folder.c_str(), O_RDWR | O_TMPFILE | O_CLOEXEC, 0600);
    if (fd >= 0)
        return fd;
    // A file system without O_TMPFILE: a named file, unlinked at once.
    std::string name = folder + "/rackmere-pictures-XXXXXX";
    fd = ::mkostemp(name.data(), O_CLOEXEC);
    if (fd >= 0)
        ::unlink(name.c_str());
    return fd;
}

void writeAll(int fd, const std::string &bytes, uint64_t at)
{
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::pwrite(fd, bytes.data() + done, bytes.size() - done, static_cast<off_t>(at + done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            throw RackmereError(Utf8(rkm::Core::tr("Could not keep a picture in a temporary file: %1"),
                                     {std::strerror(n < 0 ? errno : ENOSPC)}));
        done += static_cast<std::size_t>(n);
    }
}

} // namespace

ContentSink::ContentSink(ContentRecords previous, bool reread) : m_previous(std::move(previous)), m_reread(reread)
{
    if (m_reread)
        return;
    m_previousByPath.reserve(m_previous.size());
    for (const ContentRecord &r : m_previous)
        m_previousByPath.emplace(r.path, &r);
}

ContentSink::~ContentSink()
{
    if (m_pictureFd >= 0)
        ::close(m_pictureFd);
}

const ContentRecord *ContentSink::unchanged(std::string_view path, uint64_t size, int64_t modifiedNs) const
{
    // Only read after construction: no lock needed.
    const auto found = m_previousByPath.find(path);
    if (found == m_previousByPath.end())
        return nullptr;
    const ContentRecord *r = found->second;
    return r->size == size && r->modifiedNs == modifiedNs ? r : nullptr;
}

void ContentSink::add(ContentRecord record, bool kept)
{
    Stored stored;
    std::string picture = std::move(record.picture);
    record.picture.clear();
    stored.record = std::move(record);
    stored.pictureBytes = static_cast<uint32_t>(picture.size());
    std::unique_lock lock(m_mutex);
    if (!picture.empty()) {
        if (m_pictureFd < 0) {
            m_pictureFd = openUnnamedFile();
            if (m_pictureFd < 0)
                throw RackmereError(Utf8(rkm::Core::tr("Could not make a temporary file for the pictures: %1"),
                                         {std::strerror(errno)}));
        }
        // The place is taken under the lock, the bytes written outside it.
        stored.pictureAt = m_pictureEnd;
        m_pictureEnd += picture.size();
        const int fd = m_pictureFd;
        lock.unlock();
        writeAll(fd, picture, stored.pictureAt);
        lock.lock();
    }
    m_records.push_back(std::move(stored));
    if (kept)
        ++m_keptUnread;
}

void ContentSink::unreadable(std::string path, int error)
{
    const std::lock_guard lock(m_mutex);
    m_unreadable.push_back({std::move(path), error});
}

std::size_t ContentSink::size() const
{
    const std::lock_guard lock(m_mutex);
    return m_records.size();
}

void ContentSink::forEach(const std::function<void(const ContentRecord &)> &fn) const
{
    // The lock is not held while `fn` runs, which may ask for size().
    std::size_t count = 0;
    int pictureFd = -1;
    {
        const std::lock_guard lock(m_mutex);
        count = m_records.size();
        pictureFd = m_pictureFd;
    }
    ContentRecord record;
    for (std::size_t i = 0; i < count; ++i) {
        uint64_t at = 0;
        uint32_t bytes = 0;
        {
            const std::lock_guard lock(m_mutex);
            const Stored &s = m_records[i];
            record = s.record;
            at = s.pictureAt;
            bytes = s.pictureBytes;
        }
        record.picture.resize(bytes);
        std::size_t done = 0;
        while (done < bytes) {
            const ssize_t n = ::pread(pictureFd, record.picture.data() + done, bytes - done,
                                      static_cast<off_t>(at + done));
            if (n < 0 && errno == EINTR)
                continue;
            if (n <= 0)
                throw RackmereError(Utf8(rkm::Core::tr("Could not read a picture back from its temporary file: %1"),
                                         {std::strerror(n < 0 ? errno : EIO)}));
            done += static_cast<std::size_t>(n);
        }
        fn(record);
    }
}

std::vector<UnreadableFile> ContentSink::unreadableFiles() const
{
    std::vector<UnreadableFile> out;
    {
        const std::lock_guard lock(m_mutex);
        out = m_unreadable;
    }
    std::sort(out.begin(), out.end(), [](const UnreadableFile &a, const UnreadableFile &b) { return a.path < b.path; });
    return out;
}

uint64_t ContentSink::keptUnread() const
{
    const std::lock_guard lock(m_mutex);
    return m_keptUnread;
}

} // namespace rkm
