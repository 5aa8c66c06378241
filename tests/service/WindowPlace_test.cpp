#include "service/WindowPlace.h"

#include <gtest/gtest.h>

namespace rkm {
namespace {

TEST(WindowPlaceTest, StoredPlaceFitsTheScreenItOpensOn)
{
    const QRect small(0, 0, 1600, 1000);
    const QRect panelAtTop(0, 32, 1600, 968); // a panel takes the top 32 pixels
    const QRect right(1600, 0, 1280, 800);    // a second screen right of the first
    const struct Case {
        const char *name;
        QRect saved;
        std::vector<QRect> areas;
        QRect placed;
    } cases[] = {
        {"fits: kept as it is", {100, 80, 900, 500}, {small}, {100, 80, 900, 500}},
        {"from a larger monitor", {1500, 900, 2800, 1800}, {small}, {0, 0, 1600, 1000}},
        {"too wide only", {200, 100, 2000, 500}, {small}, {0, 100, 1600, 500}},
        {"overhangs the right and bottom: moved in", {1200, 800, 800, 400}, {small}, {800, 600, 800, 400}},
        {"above and left of the area", {-300, -50, 800, 400}, {panelAtTop}, {0, 32, 800, 400}},
        {"under the panel", {10, 0, 800, 400}, {panelAtTop}, {10, 32, 800, 400}},
        {"full height under the panel", {10, 0, 800, 1000}, {panelAtTop}, {10, 32, 800, 968}},
        {"on the second screen", {2000, 100, 2800, 1800}, {small, right}, {1600, 0, 1280, 800}},
        {"mostly on the second screen", {1500, 100, 600, 300}, {small, right}, {1600, 100, 600, 300}},
        {"on a screen now gone: the primary", {5000, 300, 640, 370}, {small, right}, {960, 300, 640, 370}},
        {"far off every screen", {9000, -9000, 640, 370}, {small}, {960, 0, 640, 370}},
        {"no screen known", {9000, -9000, 640, 370}, {}, {9000, -9000, 640, 370}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        const QRect placed = PlaceWindow(c.saved, c.areas);
        EXPECT_EQ(placed, c.placed) << placed.x() << "," << placed.y() << " " << placed.width() << "x"
                                    << placed.height();
    }
}

} // namespace
} // namespace rkm
