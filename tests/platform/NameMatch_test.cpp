// Matching two lists by name, with old items reusable (Update's carry-over)
// or taken once (Compare's pairing).

#include "platform/NameMatch.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace rkm::platform;

namespace {

TEST(MatchByName, BothRules)
{
    struct Case {
        const char *what;
        std::vector<std::string> oldNames, newNames;
        std::vector<int> reusable, takenOnce;
    };
    const Case cases[] = {
        {"same order", {"a", "b", "c"}, {"a", "b", "c"}, {0, 1, 2}, {0, 1, 2}},
        {"one inserted, one removed", {"a", "b", "c", "d"}, {"a", "x", "c", "d"}, {0, -1, 2, 3}, {0, -1, 2, 3}},
        {"moved", {"a", "b", "c"}, {"c", "a", "b"}, {2, 0, 1}, {2, 0, 1}},
        {"nothing in common", {"a", "b"}, {"c", "d"}, {-1, -1}, {-1, -1}},
        // Windows-1252 against UTF-8: the same text.
        {"other encoding", {"caf\xE9", "b"}, {"b", "caf\xC3\xA9"}, {1, 0}, {1, 0}},
        // One old name, two new items of that text: reused, or taken once.
        {"one old for two new", {"caf\xE9"}, {"caf\xC3\xA9", "caf\xC3\xA9"}, {0, 0}, {0, -1}},
        {"repeated names pair in order", {"a", "a", "b"}, {"b", "a", "a"}, {2, 0, 1}, {2, 0, 1}},
        {"one old for two new of one name", {"a", "b"}, {"b", "a", "a"}, {1, 0, 0}, {1, 0, -1}},
        {"letter case counts", {"A"}, {"a"}, {-1}, {-1}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        const auto oldName = [&](int j) -> std::string_view { return c.oldNames[static_cast<std::size_t>(j)]; };
        const auto newName = [&](int i) -> std::string_view { return c.newNames[static_cast<std::size_t>(i)]; };
        const int oldCount = static_cast<int>(c.oldNames.size()), newCount = static_cast<int>(c.newNames.size());
        EXPECT_EQ(MatchByName(oldCount, newCount, oldName, newName, OldItems::Reusable), c.reusable);
        EXPECT_EQ(MatchByName(oldCount, newCount, oldName, newName, OldItems::TakenOnce), c.takenOnce);
    }
}

} // namespace
