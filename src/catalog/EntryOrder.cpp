#include "catalog/EntryOrder.h"

#include "platform/Order.h"

#include <QDate>

#include <algorithm>
#include <cstdint>
#include <numeric>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>

namespace rkm {

namespace {

int Compare(uint64_t a, uint64_t b)
{
    return a < b ? -1 : a > b ? 1 : 0;
}

int Compare(int64_t a, int64_t b)
{
    return a < b ? -1 : a > b ? 1 : 0;
}

// A text by its natural order key, and texts of equal keys by their bytes.
struct Text {
    std::string_view key, bytes;
};

int Compare(const Text &a, const Text &b)
{
    return CompareTextKeys(a.key, a.bytes, b.key, b.bytes);
}

// The entry indices sorted by a key per entry by the rule of CompareRows:
// entries without a key last, entries of equal keys in stored order. The
// entries without a key are set apart first and the keys sorted next to
// their indices, so that the comparisons read memory in order.
template <class Key> std::vector<int> SortByKey(const std::vector<std::optional<Key>> &keys, bool descending)
{
    std::vector<std::pair<Key, int>> keyed;
    std::vector<int> order;
    keyed.reserve(keys.size());
    for (std::size_t i = 0; i < keys.size(); ++i)
        if (keys[i])
            keyed.emplace_back(*keys[i], static_cast<int>(i));
    std::sort(keyed.begin(), keyed.end(), [descending](const auto &a, const auto &b) {
        const int c = Compare(a.first, b.first);
        if (c != 0)
            return descending ? c > 0 : c < 0;
        return a.second < b.second;
    });
    order.reserve(keys.size());
    for (const auto &k : keyed)
        order.push_back(k.second);
    for (std::size_t i = 0; i < keys.size(); ++i)
        if (!keys[i])
            order.push_back(static_cast<int>(i));
    return order;
}

} // namespace

std::optional<uint64_t> SizeSortKey(std::string_view sizeText)
{
    if (const auto span = platform::ReadSizeText(sizeText))
        return span->low;
    return std::nullopt;
}

std::optional<int64_t> DateSortKey(std::string_view dateText, platform::DateOrder order)
{
    const QDate d = platform::ReadDateText(dateText, order);
    if (!d.isValid())
        return std::nullopt;
    return d.toJulianDay();
}

int CompareTextKeys(std::string_view keyA, std::string_view a, std::string_view keyB, std::string_view b)
{
    if (const int c = keyA.compare(keyB))
        return c < 0 ? -1 : 1;
    const int c = a.compare(b);
    return c < 0 ? -1 : c > 0 ? 1 : 0;
}

std::vector<int> SortedEntries(const FileList &files, int column, bool descending, platform::DateOrder dateOrder)
{
    const int n = files.count();
    if (column < 0 || column >= I_STRINGS_IN_LIST) {
        std::vector<int> order(static_cast<std::size_t>(n));
        std::iota(order.begin(), order.end(), 0);
        return order;
    }

    if (column == FT_SIZE) {
        std::vector<std::optional<uint64_t>> keys(static_cast<std::size_t>(n));
        for (int i = 0; i < n; ++i)
            keys[static_cast<std::size_t>(i)] = SizeSortKey(files.text(i, FT_SIZE));
        return SortByKey(keys, descending);
    }
    if (column == FT_DATE) {
        // A folder's files share few dates: each text is read once.
        std::unordered_map<std::string_view, std::optional<int64_t>> seen;
        std::vector<std::optional<int64_t>> keys(static_cast<std::size_t>(n));
        for (int i = 0; i < n; ++i) {
            const std::string_view text = files.text(i, FT_DATE);
            auto it = seen.find(text);
            if (it == seen.end())
                it = seen.emplace(text, DateSortKey(text, dateOrder)).first;
            keys[static_cast<std::size_t>(i)] = it->second;
        }
        return SortByKey(keys, descending);
    }
    // Natural order; ties of the key by the bytes, so the order does not
    // depend on how the list was stored. The keys lie back to back in one
    // buffer.
    std::string buffer;
    std::vector<std::size_t> start(static_cast<std::size_t>(n) + 1, 0);
    for (int i = 0; i < n; ++i) {
        platform::AppendNaturalOrderKey(buffer, files.text(i, column));
        start[static_cast<std::size_t>(i) + 1] = buffer.size();
    }
    std::vector<std::optional<Text>> keys(static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i) {
        const auto k = static_cast<std::size_t>(i);
        keys[k] = Text{std::string_view(buffer).substr(start[k], start[k + 1] - start[k]), files.text(i, column)};
    }
    return SortByKey(keys, descending);
}

} // namespace rkm
