// Copies of a file across listings.
//
// A million entries must not cost a million strings: the first pass keeps
// only a 64-bit hash of each entry's name and size with the entry's place
// (16 bytes), sorting brings equal hashes together, and only entries that
// share a hash are compared by their real names.

#include "search/Duplicates.h"

#include "platform/Text.h"
#include "platform/TextValues.h"
#include "search/Finder.h"

#include <QString>

#include <algorithm>
#include <cstring>

namespace rkm {

namespace {

// 64-bit FNV-1a, folding A to Z when asked.
uint64_t Hash(std::string_view text, bool fold, uint64_t h = 14695981039346656037ull)
{
    for (char c : text) {
        if (fold && c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
        h ^= static_cast<unsigned char>(c);
        h *= 1099511628211ull;
    }
    return h;
}

uint64_t Mix(uint64_t h, uint64_t v)
{
    h ^= v + 0x9E3779B97F4A7C15ull + (h << 6) + (h >> 2);
    return h;
}

uint64_t NameHash(std::string_view name)
{
    if (platform::IsAscii(name))
        return Hash(name, true);
    return Hash(DuplicateNameKey(name), false);
}

bool Stopped(const std::atomic<bool> *stop)
{
    return stop && stop->load(std::memory_order_relaxed);
}

struct Record {
    uint64_t hash;
    uint32_t folder; // index into the folders met
    uint32_t entry;
};
static_assert(sizeof(Record) == 16);

} // namespace

std::string DuplicateNameKey(std::string_view name)
{
    if (platform::IsAscii(name))
        return platform::LowerText(name);
    return platform::DecodeText(name).normalized(QString::NormalizationForm_C).toLower().toStdString();
}

std::vector<DuplicateGroup> FindDuplicates(const std::vector<const TreeNode *> &disks, const DuplicateOptions &options,
                                           const std::atomic<bool> *stop)
{
    std::vector<const TreeNode *> folders;
    std::vector<Record> records;
    // Room for every entry at once: growing by doubling would hold the old
    // and the new array at the same time, three times the room.
    std::size_t entries = 0;
    for (const TreeNode *disk : disks)
        if (!options.listing || disk == options.listing)
            for (const TreeNode *n = disk; n; n = NextInDisk(disk, n))
                entries += static_cast<std::size_t>(n->disk().Files.count());
    records.reserve(entries);
    for (const TreeNode *disk : disks) {
        if (options.listing && disk != options.listing)
            continue;
        for (const TreeNode *n = disk; n; n = NextInDisk(disk, n)) {
            if (Stopped(stop))
                return {};
            const FileList &files = n->disk().Files;
            if (files.empty())
                continue;
            const auto folder = static_cast<uint32_t>(folders.size());
            bool used = false;
            for (int i = 0; i < files.count(); ++i) {
                const FileEntryView e = files.entry(i);
                const std::optional<platform::SizeSpan> size = platform::ReadSizeText(e[FT_SIZE]);
                if (!size || size->low < options.minSize)
                    continue;
                const uint64_t h = Mix(Mix(NameHash(e[FT_NAME]), size->low), size->high);
                records.push_back({h, folder, static_cast<uint32_t>(i)});
                used = true;
            }
            if (used)
                folders.push_back(n);
        }
    }
    // Equal hashes together, each run in catalogue order.
    std::sort(records.begin(), records.end(), [](const Record &a, const Record &b) {
        if (a.hash != b.hash)
            return a.hash < b.hash;
        if (a.folder != b.folder)
            return a.folder < b.folder;
        return a.entry < b.entry;
    });

    struct Candidate {
        std::string name;
        platform::SizeSpan size;
        EntryRef ref;
        uint64_t place; // folder and entry: the catalogue order
    };
    std::vector<DuplicateGroup> groups;
    std::vector<std::string> groupNames;
    std::vector<uint64_t> groupPlaces;
    std::vector<Candidate> run;
    for (std::size_t i = 0, looked = 0; i < records.size();) {
        if (i >= looked) {
            if (Stopped(stop))
                return {};
            looked = i + 4096;
        }
        std::size_t j = i + 1;
        while (j < records.size() && records[j].hash == records[i].hash)
            ++j;
        if (j - i >= 2) {
            // Within a run of one hash, group by the real name and size (a
            // stable sort keeps catalogue order within each).
            run.clear();
            for (std::size_t k = i; k < j; ++k) {
                auto *node = const_cast<TreeNode *>(folders[records[k].folder]);
                const int entry = static_cast<int>(records[k].entry);
                const FileEntryView e = node->disk().Files.entry(entry);
                run.push_back({DuplicateNameKey(e[FT_NAME]),
                               *platform::ReadSizeText(e[FT_SIZE]),
                               {node, entry},
                               (uint64_t(records[k].folder) << 32) | records[k].entry});
            }
            std::stable_sort(run.begin(), run.end(), [](const Candidate &a, const Candidate &b) {
                if (a.name != b.name)
                    return a.name < b.name;
                if (a.size.low != b.size.low)
                    return a.size.low < b.size.low;
                return a.size.high < b.size.high;
            });
            for (std::size_t a = 0; a < run.size();) {
                std::size_t b = a + 1;
                while (b < run.size() && run[b].name == run[a].name && run[b].size.low == run[a].size.low &&
                       run[b].size.high == run[a].size.high)
                    ++b;
                if (b - a >= 2) {
                    DuplicateGroup g;
                    for (std::size_t k = a; k < b; ++k)
                        g.entries.push_back(run[k].ref);
                    g.size = run[a].size.low;
                    g.wasted = g.size * (g.entries.size() - 1);
                    groups.push_back(std::move(g));
                    groupNames.push_back(run[a].name);
                    groupPlaces.push_back(run[a].place);
                }
                a = b;
            }
        }
        i = j;
    }

    if (Stopped(stop))
        return {};
    std::vector<std::size_t> order(groups.size());
    for (std::size_t i = 0; i < order.size(); ++i)
        order[i] = i;
    std::sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        if (groups[a].wasted != groups[b].wasted)
            return groups[a].wasted > groups[b].wasted;
        if (groupNames[a] != groupNames[b])
            return groupNames[a] < groupNames[b];
        return groupPlaces[a] < groupPlaces[b];
    });
    std::vector<DuplicateGroup> sorted;
    sorted.reserve(groups.size());
    for (const std::size_t i : order)
        sorted.push_back(std::move(groups[i]));
    return sorted;
}

} // namespace rkm
