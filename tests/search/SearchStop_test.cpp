// Find duplicates and Compare with end early when asked, from another
// thread too, as the desktop program's Cancel asks them.

#include "search/Compare.h"
#include "search/Duplicates.h"

#include <gtest/gtest.h>

#include <atomic>
#include <functional>
#include <string>
#include <thread>

using namespace rkm;

namespace {

// A disk of `folders` folders of 50 files, the same names in every disk and
// every folder, the sizes and dates told apart by `variant`.
std::unique_ptr<TreeNode> Disk(const std::string &name, int folders, int variant)
{
    auto disk = MakeDiskNode(name);
    for (int f = 0; f < folders; ++f) {
        TreeNode *folder = disk->appendChild("folder" + std::to_string(f));
        for (int k = 0; k < 50; ++k)
            folder->disk().Files.append(FileEntry{"file" + std::to_string(k) + ".txt", "", "01.02.2024",
                                                  std::to_string(k + variant * (f % 2)) + " Kb", ""});
    }
    return disk;
}

struct Work {
    const char *name;
    // Runs the search with `stop`; answers how many results it gave.
    std::function<std::size_t(const TreeNode &, const TreeNode &, const std::atomic<bool> *)> run;
};

const Work kWorks[] = {
    {"duplicates",
     [](const TreeNode &a, const TreeNode &b, const std::atomic<bool> *stop) {
         DuplicateOptions o;
         o.minSize = 0;
         return FindDuplicates({&a, &b}, o, stop).size();
     }},
    {"compare", [](const TreeNode &a, const TreeNode &b,
                   const std::atomic<bool> *stop) { return CompareListings(a, b, stop).items.size(); }},
};

} // namespace

TEST(SearchStop, EndsEarlyWithNothingWhenAsked)
{
    const auto a = Disk("A", 400, 0), b = Disk("B", 400, 1);
    for (const Work &w : kWorks) {
        SCOPED_TRACE(w.name);
        const std::atomic<bool> go{false}, stopped{true};
        const std::size_t all = w.run(*a, *b, &go);
        EXPECT_GT(all, 0u);
        EXPECT_EQ(w.run(*a, *b, nullptr), all);
        EXPECT_EQ(w.run(*a, *b, &stopped), 0u);
        // Asked from another thread while it runs: it ends, with all it found
        // (it came to its end first) or nothing.
        std::atomic<bool> stop{false};
        std::size_t found = 1;
        std::thread worker([&] { found = w.run(*a, *b, &stop); });
        stop = true;
        worker.join();
        EXPECT_TRUE(found == 0 || found == all) << found;
    }
}
