#pragma once

// What several dialogs ask alike: a listing chosen from the catalogue's, a
// size typed with a unit.

#include "catalog/Disks.h"

#include <QString>

#include <cstdint>
#include <optional>
#include <vector>

class QComboBox;

namespace rkm {

// Fills a drop-down list with the disks' names as `catalog` shows them (a
// name that repeats there with its listing file), each item standing for its
// disk node. The one chosen before stays chosen if it is still there, or
// else one of the same name (an updated listing is a new node); failing
// both, `preferred`, else the first.
void SetListingChoices(QComboBox *box, const std::vector<const TreeNode *> &disks, const TreeNode *preferred,
                       const Catalog *catalog = nullptr);
// The disk node of the chosen item, or null.
const TreeNode *ChosenListing(const QComboBox *box);

// Fills a drop-down list with the units bytes, KB, MB and GB (SizeUnit
// order), `unit` chosen.
void SetSizeUnits(QComboBox *box, int unit);
// A size typed as a number (this machine's decimal sign, or a point) of the
// unit chosen in `units`. Empty text gives no size; false when the text is
// no number of at least 0.
bool ReadTypedSize(const QString &typed, const QComboBox *units, std::optional<uint64_t> &bytes);

} // namespace rkm
