#pragma once

#include <QString>

#include <cstdint>

namespace rkm {

// A number of bytes as the user's locale writes it ("1.5 MB", "1,5 MB",
// "512 bytes", "1 byte"): powers of 1024, one decimal below 100, the units
// of platform::ShortSize with the locale's digits and decimal sign. For the
// texts the desktop program composes itself; a size stored in a listing is
// shown as it was stored.
QString SizeForPeople(uint64_t bytes);

} // namespace rkm
