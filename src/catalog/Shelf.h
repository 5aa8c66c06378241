#pragma once

// Where a disk is kept, to whom it is lent and what to do when it is
// mounted: texts the user types, kept beside the listing (EXTRA_LOCATION,
// EXTRA_LENT_TO, EXTRA_ON_MOUNT), never in the listing file.

#include "catalog/ListingStore.h"
#include "catalog/Presence.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace rkm {

// The longest location or "lent to" text kept, in bytes of UTF-8.
inline constexpr std::size_t MAX_SHELF_TEXT_BYTES = 1000;

// What the user says about a disk's place, as kept.
struct Shelf {
    std::string location;
    std::string lentTo;
    OnMount onMount = OnMount::Ask;
    bool operator==(const Shelf &) const = default;
};

Shelf ShelfOf(const ListingExtras &extras);
// `extras` with the shelf in place of what they held: an empty text and the
// choice Ask leave their key out.
ListingExtras WithShelf(ListingExtras extras, const Shelf &shelf);

// A typed text as it is kept: on one line (a line break becomes a space),
// without spaces at either end.
std::string ShelfTextOf(std::string_view typed);
// Why a text cannot be kept as `what` ("location", "lent to"), or empty when
// it can: "The location is 1,204 bytes long; at most 1,000 bytes are kept."
std::string ShelfTextProblem(const char *what, std::string_view text);

} // namespace rkm
