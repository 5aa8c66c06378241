#pragma once

// The orders lists are shown in: a folder's entries as a Windows (NTFS)
// volume lists them, and disk names and the texts of sorted lists in natural
// order. The values of size and date texts are read in TextValues.

#include <string>
#include <string_view>

namespace rkm::platform {

// The key by which an NTFS volume orders a name: the name decoded (UTF-8,
// else Windows-1252), upper-cased code point by code point with the simple
// mapping, written as UTF-8 (whose byte order is the order of the code
// points). An ASCII name is its own bytes upper-cased.
std::string VolumeOrderKey(std::string_view name);
void AppendVolumeOrderKey(std::string &out, std::string_view name);
// Negative, zero or positive as `a` comes before, with or after `b`: by
// their keys, and names with equal keys by their bytes.
int CompareVolumeOrder(std::string_view a, std::string_view b);

// The key of natural order: the decoded text with letter case folded, and
// each run of digits as its value, so that "Disk 2" comes before "Disk 10"
// and "disk 3" between them. Keys compare byte by byte.
std::string NaturalOrderKey(std::string_view text);
void AppendNaturalOrderKey(std::string &out, std::string_view text);
// By natural order, and texts of equal keys by their bytes.
int CompareNatural(std::string_view a, std::string_view b);

} // namespace rkm::platform
