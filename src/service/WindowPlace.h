#pragma once

#include <QRect>

#include <vector>

namespace rkm {

// Where a window stored at `saved` (its outer rectangle, frame included)
// opens, given the available areas of the screens present (the primary
// screen's first): on the screen it overlaps most, else on the primary one;
// no larger than that screen's area, and moved only as far as it must to lie
// inside it. A place stored on a larger monitor or at another scale thus
// never leaves the window's edges or its status line off the screen.
QRect PlaceWindow(const QRect &saved, const std::vector<QRect> &areas);

} // namespace rkm
