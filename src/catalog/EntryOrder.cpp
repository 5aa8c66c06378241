#include "catalog/EntryOrder.h"

#include "platform/Order.h"

#include <algorithm>
#include <cstdint>
#include <numeric>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>

namespace rkm {

namespace {

// Sorts the indices by a key per entry; entries without a key go last.
template <class Key>
void SortByKey(std::vector<int> &order, const std::vector<std::optional<Key>> &keys, bool descending)
{
    const auto last = std::stable_partition(order.begin(), order.end(),
                                            [&](int i) { return keys[static_cast<std::size_t>(i)].has_value(); });
    std::stable_sort(order.begin(), last, [&](int a, int b) {
        const Key &ka = *keys[static_cast<std::size_t>(a)];
        const Key &kb = *keys[static_cast<std::size_t>(b)];
        return descending ? kb < ka : ka < kb;
    });
}

} // namespace

std::vector<int> SortedEntries(const FileList &files, int column, bool descending)
{
    const int n = files.count();
    std::vector<int> order(static_cast<std::size_t>(n));
    std::iota(order.begin(), order.end(), 0);
    if (column < 0 || column >= I_STRINGS_IN_LIST)
        return order;

    if (column == FT_SIZE) {
        std::vector<std::optional<uint64_t>> keys(static_cast<std::size_t>(n));
        for (int i = 0; i < n; ++i)
            keys[static_cast<std::size_t>(i)] = platform::SizeTextValue(files.text(i, FT_SIZE));
        SortByKey(order, keys, descending);
        return order;
    }
    if (column == FT_DATE) {
        // A folder's files share few dates: each text is read once.
        const platform::DateTextReader reader;
        std::unordered_map<std::string_view, std::optional<int64_t>> seen;
        std::vector<std::optional<int64_t>> keys(static_cast<std::size_t>(n));
        for (int i = 0; i < n; ++i) {
            const std::string_view text = files.text(i, FT_DATE);
            auto it = seen.find(text);
            if (it == seen.end())
                it = seen.emplace(text, reader.day(text)).first;
            keys[static_cast<std::size_t>(i)] = it->second;
        }
        SortByKey(order, keys, descending);
        return order;
    }
    // Natural order; ties of the key by the bytes, so the order does not
    // depend on how the list was stored.
    struct Text {
        std::string key;
        std::string_view bytes;
        bool operator<(const Text &o) const { return key != o.key ? key < o.key : bytes < o.bytes; }
    };
    std::vector<std::optional<Text>> keys(static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i) {
        const std::string_view text = files.text(i, column);
        keys[static_cast<std::size_t>(i)] = Text{platform::NaturalOrderKey(text), text};
    }
    SortByKey(order, keys, descending);
    return order;
}

} // namespace rkm
