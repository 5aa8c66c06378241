// Copies of a file across listings.
//
// A million entries must not cost a million strings: the first pass keeps
// only a 64-bit hash of each entry's name and size with the entry's place
// (16 bytes), sorting brings equal hashes together, and only entries that
// share a hash are compared by their real names.

#include "search/Duplicates.h"

#include "catalog/CatalogStore.h"
#include "catalog/Contents.h"

#include "platform/Text.h"
#include "platform/TextValues.h"
#include "search/Finder.h"

#include <QString>

#include <algorithm>
#include <cstring>
#include <iterator>
#include <thread>
#include <unordered_map>

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
    // Equal hashes together, each run in catalogue order: two halves sorted
    // at once, then merged.
    const auto before = [](const Record &a, const Record &b) {
        if (a.hash != b.hash)
            return a.hash < b.hash;
        if (a.folder != b.folder)
            return a.folder < b.folder;
        return a.entry < b.entry;
    };
    // A small catalogue is not worth a thread.
    const bool twoThreads = records.size() >= 65536;
    const auto half = records.begin() + static_cast<std::ptrdiff_t>(twoThreads ? records.size() / 2 : 0);
    {
        std::thread first;
        if (twoThreads)
            first = std::thread([&] { std::sort(records.begin(), half, before); });
        std::sort(half, records.end(), before);
        if (first.joinable())
            first.join();
    }
    std::inplace_merge(records.begin(), half, records.end(), before);

    // The runs of equal hashes are grouped in two halves at once: looking
    // up each entry of a run is a read from anywhere in memory, and two
    // threads wait for two at a time.
    struct Found {
        std::vector<DuplicateGroup> groups;
        std::vector<std::string> names;
        std::vector<uint64_t> places; // folder and entry: the catalogue order
    };
    const auto groupRuns = [&](std::size_t from, std::size_t to, Found &out) {
        struct Candidate {
            std::string name;
            platform::SizeSpan size;
            EntryRef ref;
            uint64_t place;
        };
        std::vector<Candidate> run;
        const auto place = [&](std::size_t k) { return (uint64_t(records[k].folder) << 32) | records[k].entry; };
        const auto entryOf = [&](std::size_t k) {
            return folders[records[k].folder]->disk().Files.entry(static_cast<int>(records[k].entry));
        };
        for (std::size_t i = from, looked = from; i < to;) {
            if (i >= looked) {
                if (Stopped(stop))
                    return;
                looked = i + 4096;
            }
            std::size_t j = i + 1;
            while (j < to && records[j].hash == records[i].hash)
                ++j;
            if (j - i < 2) {
                i = j;
                continue;
            }
            // Most runs are copies of one name in the same bytes and one size
            // text: one group in catalogue order, with no key made.
            const FileEntryView first = entryOf(i);
            bool same = true;
            for (std::size_t k = i + 1; k < j && same; ++k) {
                const FileEntryView e = entryOf(k);
                same = e[FT_NAME] == first[FT_NAME] && e[FT_SIZE] == first[FT_SIZE];
            }
            if (same) {
                DuplicateGroup g;
                g.entries.reserve(j - i);
                for (std::size_t k = i; k < j; ++k)
                    g.entries.push_back({const_cast<TreeNode *>(folders[records[k].folder]), int(records[k].entry)});
                g.size = platform::ReadSizeText(first[FT_SIZE])->low;
                g.wasted = g.size * (g.entries.size() - 1);
                out.groups.push_back(std::move(g));
                out.names.push_back(DuplicateNameKey(first[FT_NAME]));
                out.places.push_back(place(i));
                i = j;
                continue;
            }
            // Else by the real name and size, each group in catalogue order
            // (the place breaks ties).
            run.clear();
            for (std::size_t k = i; k < j; ++k) {
                const FileEntryView e = entryOf(k);
                run.push_back({DuplicateNameKey(e[FT_NAME]),
                               *platform::ReadSizeText(e[FT_SIZE]),
                               {const_cast<TreeNode *>(folders[records[k].folder]), int(records[k].entry)},
                               place(k)});
            }
            std::sort(run.begin(), run.end(), [](const Candidate &a, const Candidate &b) {
                if (a.name != b.name)
                    return a.name < b.name;
                if (a.size.low != b.size.low)
                    return a.size.low < b.size.low;
                if (a.size.high != b.size.high)
                    return a.size.high < b.size.high;
                return a.place < b.place;
            });
            for (std::size_t a = 0; a < run.size();) {
                std::size_t b = a + 1;
                while (b < run.size() && run[b].name == run[a].name && run[b].size == run[a].size)
                    ++b;
                if (b - a >= 2) {
                    DuplicateGroup g;
                    for (std::size_t k = a; k < b; ++k)
                        g.entries.push_back(run[k].ref);
                    g.size = run[a].size.low;
                    g.wasted = g.size * (g.entries.size() - 1);
                    out.groups.push_back(std::move(g));
                    out.names.push_back(run[a].name);
                    out.places.push_back(run[a].place);
                }
                a = b;
            }
            i = j;
        }
    };
    // The halves meet between two runs.
    std::size_t middle = twoThreads ? records.size() / 2 : records.size();
    while (middle > 0 && middle < records.size() && records[middle].hash == records[middle - 1].hash)
        ++middle;
    Found halves[2];
    {
        std::thread second;
        if (middle < records.size())
            second = std::thread(groupRuns, middle, records.size(), std::ref(halves[1]));
        groupRuns(0, middle, halves[0]);
        if (second.joinable())
            second.join();
    }
    std::vector<DuplicateGroup> groups = std::move(halves[0].groups);
    std::vector<std::string> groupNames = std::move(halves[0].names);
    std::vector<uint64_t> groupPlaces = std::move(halves[0].places);
    std::move(halves[1].groups.begin(), halves[1].groups.end(), std::back_inserter(groups));
    std::move(halves[1].names.begin(), halves[1].names.end(), std::back_inserter(groupNames));
    groupPlaces.insert(groupPlaces.end(), halves[1].places.begin(), halves[1].places.end());

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

std::vector<DiskContents> ContentsForDuplicates(CatalogStore &store, const std::vector<const TreeNode *> &disks,
                                                const DuplicateOptions &options)
{
    std::vector<DiskContents> out;
    for (const TreeNode *disk : disks) {
        if (options.listing && disk != options.listing)
            continue;
        ContentRecords records = store.ContentsOf(disk);
        std::erase_if(records, [&](const ContentRecord &r) { return !r.fingerprint || r.size < options.minSize; });
        if (!records.empty())
            out.push_back({disk, std::move(records)});
    }
    return out;
}

std::vector<DuplicateGroup> FindDuplicatesByContents(const std::vector<DiskContents> &contents,
                                                     const DuplicateOptions &options, const std::atomic<bool> *stop)
{
    struct Copy {
        Fingerprint fingerprint;
        uint64_t size;
        uint32_t folder; // index into the folders met: catalogue order
        uint32_t entry;
    };
    std::vector<const TreeNode *> folders;
    std::vector<Copy> copies;
    for (const auto &[disk, records] : contents) {
        if (options.listing && disk != options.listing)
            continue;
        if (Stopped(stop))
            return {};
        // The records by path, then one walk of the listing that spells each
        // entry's path once: no lookup from the root per record.
        std::unordered_map<std::string_view, const ContentRecord *> byPath;
        byPath.reserve(records.size());
        for (const ContentRecord &r : records)
            if (r.fingerprint && r.size >= options.minSize)
                byPath.emplace(r.path, &r);
        if (byPath.empty())
            continue;
        std::string path;
        for (const TreeNode *n = disk; n; n = NextInDisk(disk, n)) {
            if (Stopped(stop))
                return {};
            const FileList &files = n->disk().Files;
            if (files.empty())
                continue;
            path.clear();
            std::vector<const TreeNode *> chain;
            for (const TreeNode *f = n; f != disk; f = f->parent())
                chain.push_back(f);
            for (auto it = chain.rbegin(); it != chain.rend(); ++it)
                path.append((*it)->text()).push_back('/');
            const std::size_t prefix = path.size();
            bool used = false;
            for (int i = 0; i < files.count(); ++i) {
                path.resize(prefix);
                path.append(files.text(i, FT_NAME));
                const auto found = byPath.find(path);
                if (found == byPath.end())
                    continue;
                copies.push_back({*found->second->fingerprint, found->second->size,
                                  static_cast<uint32_t>(folders.size()), static_cast<uint32_t>(i)});
                used = true;
            }
            if (used)
                folders.push_back(n);
        }
    }
    std::sort(copies.begin(), copies.end(), [](const Copy &a, const Copy &b) {
        if (a.fingerprint != b.fingerprint)
            return a.fingerprint < b.fingerprint;
        if (a.folder != b.folder)
            return a.folder < b.folder;
        return a.entry < b.entry;
    });
    struct Found {
        DuplicateGroup group;
        std::string name;
        uint64_t place;
    };
    std::vector<Found> found;
    for (std::size_t i = 0; i < copies.size();) {
        std::size_t j = i + 1;
        while (j < copies.size() && copies[j].fingerprint == copies[i].fingerprint)
            ++j;
        if (j - i >= 2) {
            Found f;
            for (std::size_t k = i; k < j; ++k)
                f.group.entries.push_back({const_cast<TreeNode *>(folders[copies[k].folder]), int(copies[k].entry)});
            f.group.size = copies[i].size;
            f.group.wasted = f.group.size * (j - i - 1);
            const EntryRef &first = f.group.entries.front();
            f.name = DuplicateNameKey(first.node->disk().Files.text(first.entry, FT_NAME));
            f.place = (uint64_t(copies[i].folder) << 32) | copies[i].entry;
            found.push_back(std::move(f));
        }
        i = j;
    }
    if (Stopped(stop))
        return {};
    std::sort(found.begin(), found.end(), [](const Found &a, const Found &b) {
        if (a.group.wasted != b.group.wasted)
            return a.group.wasted > b.group.wasted;
        if (a.name != b.name)
            return a.name < b.name;
        return a.place < b.place;
    });
    std::vector<DuplicateGroup> groups;
    groups.reserve(found.size());
    for (Found &f : found)
        groups.push_back(std::move(f.group));
    return groups;
}

} // namespace rkm
