#pragma once

// What the system's own files say, read below a root path (SystemView's):
// small files of /sys, the links of /dev/disk, and paths matched against
// the mount table. Shared by the mount table, device kind and volume
// identity parts of SystemView; none of these throws.

#include "platform/MountTable.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace rkm::platform::detail {

bool StartsWith(std::string_view s, std::string_view prefix);
// The first line of a small file, trimmed; empty when it cannot be read.
std::string ReadFirstLine(const std::string &path);
bool Exists(const std::string &path);
// The real path of an existing file, or empty.
std::string Canonical(const std::string &path);
std::string BaseName(std::string_view path);
std::string ParentOf(std::string_view path);
// The value of a hexadecimal digit, or -1.
int HexValue(char c);
// Decodes the \xHH escapes udev uses in /dev/disk/by-label names.
std::string DecodeHexEscapes(std::string_view s);

// Lexically normalised absolute path: no ".", "..", doubled or trailing
// slashes ("/" stays "/"). A relative path is taken from the current folder
// when `realSystem`, else from "/". Empty stays empty.
std::string Normalize(const std::string &path, bool realSystem);
// Does mount point `mp` hold `path` (both normalised)? On component
// boundaries only: "/media/usb" holds "/media/usb/x" but not "/media/usb2".
bool Holds(const std::string &mp, const std::string &path);
// The path as the lookups use it: normalised, and on the real system with
// symbolic links resolved when it exists (so a link to a mount point counts
// as that mount point).
std::string ResolvePath(const std::string &root, const std::string &path);
// The mount of `mounts` that holds the resolved `path`: the longest mount
// point that holds it; of two on the same point the later one.
std::optional<Mount> HoldingMount(const std::vector<Mount> &mounts, const std::string &path);

// The sysfs folder (real path, root prefix included) of the block device of a
// mount, or empty: by major:minor through sys/dev/block, else by the source
// device's name through sys/class/block.
std::string BlockDeviceDir(const std::string &root, const Mount &m);
// The name (as udev wrote it) of the first link in `dir` (a /dev/disk/by-*
// folder) that points at the mount's device, in name order; empty when there
// is none.
std::string FindLinkFor(const std::string &root, const std::string &dir, const Mount &m);

} // namespace rkm::platform::detail
