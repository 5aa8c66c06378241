// What names a volume: its serial number (a data CD's from its volume
// descriptor, else the file system UUID, else the statfs id) and its label.

#include "platform/SystemView.h"
#include "platform/SystemFiles.h"
#include "platform/UniqueFd.h"

#include <QStorageInfo>
#include <QString>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/statfs.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <string>

namespace rkm::platform {

using namespace detail;

uint32_t SystemView::volumeSerial(const std::string &path) const
{
    try {
        const std::string p = ResolvePath(m_root, path);
        if (p.empty())
            return 0;
        const auto all = mounts();
        const Mount *mount = nullptr;
        for (const Mount &m : all) {
            if (Normalize(m.mountPoint, false) == p)
                mount = &m; // the later one wins
        }
        if (!mount)
            return 0;
        if ((mount->fsType == "iso9660" || mount->fsType == "udf") && StartsWith(mount->source, "/")) {
            if (const auto serial = DiscSerial(m_root + mount->source))
                return *serial;
            // A loop device that cannot be read (it needs more rights than
            // its image): the image it shows.
            if (StartsWith(mount->source, "/dev/loop")) {
                const std::string backing =
                    ReadFirstLine(m_root + "/sys/block/" + BaseName(mount->source) + "/loop/backing_file");
                if (StartsWith(backing, "/")) {
                    if (const auto serial = DiscSerial(m_root + backing))
                        return *serial;
                }
            }
        }
        const std::string uuid = FindLinkFor(m_root, m_root + "/dev/disk/by-uuid", *mount);
        if (!uuid.empty())
            return SerialFromUuid(DecodeHexEscapes(uuid));
        if (m_root.empty()) {
            struct statfs st {};
            if (::statfs(p.c_str(), &st) != 0)
                return 0;
            int val[2];
            static_assert(sizeof(val) == sizeof(st.f_fsid));
            std::memcpy(val, &st.f_fsid, sizeof(val));
            return static_cast<uint32_t>(val[0]) ^ static_cast<uint32_t>(val[1]);
        }
        return 0;
    } catch (...) {
        return 0;
    }
}

std::string SystemView::volumeLabel(const std::string &path) const
{
    try {
        const std::string p = ResolvePath(m_root, path);
        if (p.empty())
            return {};
        if (m_root.empty()) {
            const QStorageInfo info(QString::fromStdString(p));
            if (info.isValid()) {
                const QString name = info.name();
                if (!name.isEmpty())
                    return name.toStdString();
            }
        }
        const auto m = HoldingMount(mounts(), p);
        if (!m)
            return {};
        return DecodeHexEscapes(FindLinkFor(m_root, m_root + "/dev/disk/by-label", *m));
    } catch (...) {
        return {};
    }
}

std::string SystemView::volumeUuid(const std::string &path) const
{
    try {
        const std::string p = ResolvePath(m_root, path);
        if (p.empty())
            return {};
        const auto m = HoldingMount(mounts(), p);
        if (!m)
            return {};
        return DecodeHexEscapes(FindLinkFor(m_root, m_root + "/dev/disk/by-uuid", *m));
    } catch (...) {
        return {};
    }
}

std::optional<uint32_t> DiscSerial(const std::string &deviceOrImage)
{
    constexpr std::size_t kSector = 2048;
    constexpr int kFirst = 16;    // the volume descriptors start here
    constexpr int kMostSets = 64; // a disc has a handful; a runaway set ends here
    // Without blocking: a drive without a disc, or a FIFO, answers at once.
    const UniqueFd device(::open(deviceOrImage.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (!device)
        return std::nullopt;
    const int fd = device.get();
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !(S_ISREG(st.st_mode) || S_ISBLK(st.st_mode)))
        return std::nullopt;
    std::array<unsigned char, kSector> sector {}, primary {}, joliet {};
    bool havePrimary = false, haveJoliet = false;
    for (int i = 0; i < kMostSets; ++i) {
        const auto offset = static_cast<off_t>(kFirst + i) * static_cast<off_t>(kSector);
        if (::pread(fd, sector.data(), kSector, offset) != static_cast<ssize_t>(kSector))
            break;
        if (std::memcmp(sector.data() + 1, "CD001", 5) != 0 || sector[0] == 255)
            break; // not a volume descriptor, or the set's terminator
        if (sector[0] == 1 && !havePrimary) {
            primary = sector;
            havePrimary = true;
        }
        // A supplementary descriptor is Joliet when its escape sequence names
        // UCS-2 level 1, 2 or 3.
        if (sector[0] == 2 && !haveJoliet && sector[88] == '%' && sector[89] == '/' &&
            (sector[90] == '@' || sector[90] == 'C' || sector[90] == 'E')) {
            joliet = sector;
            haveJoliet = true;
        }
    }
    if (!havePrimary && !haveJoliet)
        return std::nullopt;
    const auto &used = haveJoliet ? joliet : primary;
    std::array<unsigned char, 4> sums {};
    for (std::size_t i = 0; i < kSector; ++i)
        sums[i % 4] = static_cast<unsigned char>(sums[i % 4] + used[i]);
    return uint32_t(sums[0]) | uint32_t(sums[1]) << 8 | uint32_t(sums[2]) << 16 | uint32_t(sums[3]) << 24;
}

namespace {

bool AllHex(std::string_view s)
{
    return std::all_of(s.begin(), s.end(), [](char c) { return HexValue(c) >= 0; });
}

uint32_t Hex32(std::string_view s)
{
    uint32_t v = 0;
    for (char c : s)
        v = (v << 4) | static_cast<uint32_t>(HexValue(c));
    return v;
}

} // namespace

// FAT/exFAT "XXXX-XXXX": that number. NTFS (16 hex digits): the low 32 bits.
// A 128-bit UUID (32 hex digits, dashes anywhere): the XOR of its four
// 32-bit words, read big-endian as written. Anything else (ISO 9660 dates
// such as "2023-01-15-10-20-30-00", odd lengths): the 32-bit FNV-1a hash of
// the lower-cased text. Empty gives 0.
uint32_t SerialFromUuid(std::string_view uuid)
{
    while (!uuid.empty() && (uuid.back() == ' ' || uuid.back() == '\n' || uuid.back() == '\t'))
        uuid.remove_suffix(1);
    while (!uuid.empty() && (uuid.front() == ' ' || uuid.front() == '\t'))
        uuid.remove_prefix(1);
    if (uuid.empty())
        return 0;
    if (uuid.size() == 9 && uuid[4] == '-' && AllHex(uuid.substr(0, 4)) && AllHex(uuid.substr(5)))
        return (Hex32(uuid.substr(0, 4)) << 16) | Hex32(uuid.substr(5));
    if (uuid.size() == 16 && AllHex(uuid))
        return Hex32(uuid.substr(8));
    std::string digits;
    digits.reserve(uuid.size());
    for (char c : uuid) {
        if (c != '-')
            digits.push_back(c);
    }
    if (digits.size() == 32 && AllHex(digits)) {
        uint32_t v = 0;
        for (int i = 0; i < 4; ++i)
            v ^= Hex32(std::string_view(digits).substr(static_cast<std::size_t>(i) * 8, 8));
        return v;
    }
    uint32_t h = 2166136261u;
    for (char c : uuid) {
        const unsigned char b = static_cast<unsigned char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
        h = (h ^ b) * 16777619u;
    }
    return h;
}
} // namespace rkm::platform
