#pragma once

// What names a volume beside its label (SystemView::volumeSerial, volumeLabel).

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace rkm::platform {

// The volume serial number Windows gives a data CD, read from a device or an
// image file: the volume descriptor it uses (the Joliet supplementary one
// when there is one, else the primary one, from sector 16 on), its 2,048
// bytes added up position by position in groups of four (bytes 0, 4, 8, ...;
// 1, 5, 9, ...), each sum modulo 256, the four sums read as a little-endian
// number. Nothing when there is no ISO 9660 volume descriptor.
std::optional<uint32_t> DiscSerial(const std::string &deviceOrImage);

// A file system UUID as a 32-bit volume serial number: FAT "XXXX-XXXX" is that
// number, NTFS "0123456789ABCDEF" its low 32 bits, any other UUID a stable fold.
uint32_t SerialFromUuid(std::string_view uuid);

} // namespace rkm::platform
