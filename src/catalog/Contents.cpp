#include "catalog/Contents.h"

#include "catalog/Disks.h"

#include <xxhash.h>
#if defined(__x86_64__)
// The library's entry points that choose the widest vector unit the
// processor has (AVX2, AVX-512) when first called, not the SSE2 it was built
// for: twice as fast where there is one.
#include <xxh_x86dispatch.h>
#endif

#include <cerrno>
#include <cstdio>
#include <unistd.h>

namespace rkm {

std::string FingerprintText(const Fingerprint &f)
{
    char text[33];
    std::snprintf(text, sizeof text, "%016llx%016llx", static_cast<unsigned long long>(f.high),
                  static_cast<unsigned long long>(f.low));
    return text;
}

std::optional<Fingerprint> ParseFingerprintText(std::string_view text)
{
    if (text.size() != 32)
        return std::nullopt;
    uint64_t halves[2] = {0, 0};
    for (std::size_t i = 0; i < 32; ++i) {
        const char c = text[i];
        int digit = c >= '0' && c <= '9' ? c - '0' : c >= 'a' && c <= 'f' ? c - 'a' + 10 : c >= 'A' && c <= 'F' ? c - 'A' + 10 : -1;
        if (digit < 0)
            return std::nullopt;
        halves[i / 16] = (halves[i / 16] << 4) | static_cast<uint64_t>(digit);
    }
    return Fingerprint{halves[1], halves[0]};
}

std::string ContentPath(const TreeNode &folder, int entry)
{
    std::vector<const TreeNode *> chain;
    for (const TreeNode *n = &folder; n && n->parent(); n = n->parent())
        chain.push_back(n);
    std::string path;
    for (auto it = chain.rbegin(); it != chain.rend(); ++it) {
        path += (*it)->text();
        path += '/';
    }
    path += folder.disk().Files.text(entry, 0);
    return path;
}

EntryAt EntryOfPath(TreeNode &disk, std::string_view path)
{
    TreeNode *folder = &disk;
    for (;;) {
        const std::size_t slash = path.find('/');
        if (slash == std::string_view::npos)
            break;
        const std::string_view part = path.substr(0, slash);
        TreeNode *next = nullptr;
        for (int i = 0; i < folder->childCount() && !next; ++i)
            if (folder->child(i)->text() == part)
                next = folder->child(i);
        if (!next)
            return {};
        folder = next;
        path.remove_prefix(slash + 1);
    }
    const FileList &files = folder->disk().Files;
    for (int i = 0; i < files.count(); ++i)
        if (files.text(i, 0) == path)
            return {folder, i};
    return {};
}

std::optional<Fingerprint> FingerprintOfFile(int fd, int &error, std::atomic<uint64_t> *bytesRead,
                                             const std::atomic<bool> *stop)
{
    // Pieces small enough that what read() copies is still in the core's
    // cache when it is hashed; one buffer a thread, used again for every file.
    constexpr std::size_t kPiece = std::size_t(64) << 10;
    thread_local const std::unique_ptr<char[]> buffer(new char[kPiece]);
    XXH3_state_t *state = XXH3_createState();
    if (!state) {
        error = ENOMEM;
        return std::nullopt;
    }
    XXH3_128bits_reset(state);
    std::optional<Fingerprint> out;
    for (;;) {
        if (stop && stop->load(std::memory_order_relaxed)) {
            error = ECANCELED;
            break;
        }
        const ssize_t n = ::read(fd, buffer.get(), kPiece);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            error = errno;
            break;
        }
        if (n == 0) {
            const XXH128_hash_t h = XXH3_128bits_digest(state);
            out = Fingerprint{h.low64, h.high64};
            break;
        }
        XXH3_128bits_update(state, buffer.get(), static_cast<std::size_t>(n));
        if (bytesRead)
            bytesRead->fetch_add(static_cast<uint64_t>(n), std::memory_order_relaxed);
    }
    XXH3_freeState(state);
    return out;
}

} // namespace rkm
