#pragma once

#include "scan/ScanOptions.h"

#include <optional>
#include <string>
#include <string_view>

namespace rkm {

// The reading choices of each listing, kept in the settings store under the
// listing's file name ("Reading-1234.rkm"), so that Update reads the disk
// again as it was read when the listing was made. Nothing of them is stored
// in the listing file itself.

// The choices remembered for a listing file, or nullopt when none are (a
// listing made before they were remembered, or copied in from elsewhere).
std::optional<ScanOptions> RememberedScanOptions(std::string_view fileName);
// What Update of the listing reads: the remembered choices, else those Add
// new offers.
ScanOptions ScanOptionsFor(std::string_view fileName);
void RememberScanOptions(std::string_view fileName, const ScanOptions &options);
void ForgetScanOptions(std::string_view fileName);

// The choices as a short text ("archives descriptions", "" for none), and
// back; words not known are passed over.
std::string ScanOptionsText(const ScanOptions &options);
ScanOptions ParseScanOptions(std::string_view text);

} // namespace rkm
