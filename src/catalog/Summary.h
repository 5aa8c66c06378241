#pragma once

#include "catalog/CatalogStore.h"

#include <cstddef>
#include <string>
#include <vector>

namespace rkm {

// How many items a message lists before it counts the rest.
inline constexpr std::size_t SUMMARY_ITEMS = 20;
// How many bytes of one item a message shows (a whole character more at most).
inline constexpr std::size_t SUMMARY_ITEM_BYTES = 160;

// A count as the user reads it: "2,980".
std::string GroupedCount(std::size_t count);
// One item as a message shows it: cut at a whole character within
// SUMMARY_ITEM_BYTES, with "…" where it was cut.
std::string SummaryItem(const std::string &item);
// The lines a message lists `items` in: the first `most` items (SummaryItem),
// then "… and 2,980 more" for the rest. A list of `most` items or fewer is
// shown whole.
std::vector<std::string> SummarizeList(const std::vector<std::string> &items, std::size_t most = SUMMARY_ITEMS);

// The lines that tell which texts were shortened: per listing a line
// "Listing 'Disk' (12.rkm):", then its texts indented by four spaces; at
// most `most` lines in all, then "… and N more" for the texts left out.
std::vector<std::string> SummarizeShortened(const std::vector<ShortenedListing> &listings,
                                            std::size_t most = SUMMARY_ITEMS);

} // namespace rkm
