#pragma once

// Matching the items of two lists by name: Update carries annotations over
// from the old listing to the new scan, Compare with and Verify pair the
// folders and files of two listings. One rule for both, with one choice.

#include "platform/Text.h"

#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace rkm::platform {

// Whether an old item may be the match of more than one new item (two new
// names that are the same text in different encodings may then both take
// the annotations of one old entry), or is taken once and then passed over
// (a pairing: each old item pairs with at most one new item).
enum class OldItems { Reusable, TakenOnce };

// For each item of the new list, the index of the item of the old list with
// the same name, or -1: the same bytes, or else the same text in another
// encoding (a listing made on Windows holds Windows-1252, a volume mounted
// here gives UTF-8; SameText). Of several old items of one name the first
// (that is not taken) is chosen. The old item at the position the previous
// match predicts is tried first, so lists in the same order are matched in
// one pass and an insertion or removal resynchronises the rest after one
// look-up; the look-up goes through an index of the old names made on the
// first miss, and one of their decoded texts (names that are not ASCII) on
// the first miss of such a name, so a folder whose files all changed costs
// no more than one pass either. `oldName(j)` and `newName(i)` give the
// names as string views that stay valid while this runs.
template <class OldName, class NewName>
std::vector<int> MatchByName(int oldCount, int newCount, OldName oldName, NewName newName, OldItems rule)
{
    const bool once = rule == OldItems::TakenOnce;
    std::vector<int> match(static_cast<std::size_t>(newCount), -1);
    std::vector<char> taken(once ? static_cast<std::size_t>(oldCount) : 0, 0);
    const auto isTaken = [&](int j) { return once && taken[static_cast<std::size_t>(j)]; };
    // The first item of each name, and for each item the next of its name.
    std::unordered_map<std::string_view, int> firstOfName;
    std::unordered_map<std::string, int> firstOfText; // by decoded text, names that are not ASCII
    std::vector<int> nextOfName, nextOfText;
    bool indexed = false, textIndexed = false;
    const auto firstFree = [&](int j, const std::vector<int> &next) {
        while (j >= 0 && isTaken(j))
            j = next[static_cast<std::size_t>(j)];
        return j;
    };
    // Old items in reverse, so that each chain starts at the first of its name.
    const auto index = [&](auto &first, std::vector<int> &next, auto keyOf, bool (*wanted)(std::string_view)) {
        next.assign(static_cast<std::size_t>(oldCount), -1);
        for (int j = oldCount - 1; j >= 0; --j) {
            if (!wanted(oldName(j)))
                continue;
            auto [it, fresh] = first.emplace(keyOf(oldName(j)), j);
            if (!fresh) {
                next[static_cast<std::size_t>(j)] = it->second;
                it->second = j;
            }
        }
    };
    int offset = 0;
    for (int i = 0; i < newCount; ++i) {
        const std::string_view name = newName(i);
        const int candidate = i + offset;
        const bool inRange = candidate >= 0 && candidate < oldCount && !isTaken(candidate);
        int found = -1;
        if (inRange && oldName(candidate) == name) {
            found = candidate;
        } else {
            if (!indexed) {
                firstOfName.reserve(static_cast<std::size_t>(oldCount));
                index(
                    firstOfName, nextOfName, [](std::string_view n) { return n; },
                    [](std::string_view) { return true; });
                indexed = true;
            }
            if (const auto it = firstOfName.find(name); it != firstOfName.end())
                found = firstFree(it->second, nextOfName);
            if (found < 0 && !IsAscii(name)) {
                if (inRange && SameText(oldName(candidate), name)) {
                    found = candidate;
                } else {
                    if (!textIndexed) {
                        index(
                            firstOfText, nextOfText, [](std::string_view n) { return Utf8Text(n); },
                            [](std::string_view n) { return !IsAscii(n); });
                        textIndexed = true;
                    }
                    if (const auto t = firstOfText.find(Utf8Text(name)); t != firstOfText.end())
                        found = firstFree(t->second, nextOfText);
                }
            }
            if (found >= 0)
                offset = found - i;
        }
        if (found >= 0) {
            match[static_cast<std::size_t>(i)] = found;
            if (once)
                taken[static_cast<std::size_t>(found)] = 1;
        }
    }
    return match;
}

} // namespace rkm::platform
