// From a disk's mount, as udisks2 tells it on the bus, to its mark in the
// desktop program's tree: a fake udisks2 on a private bus, a catalogue of
// 1,000 listings each known by its file system's UUID, and the time from the
// mount's D-Bus call to the tree model's change of the disk's row. Run under
// QT_QPA_PLATFORM=offscreen.
#include "support/FakeUdisks.h"
#include "support/GuiTestSupport.h"

#include "app/CatalogTreeModel.h"
#include "app/Mainfrm.h"
#include "catalog/Presence.h"
#include "mounts/DiskPresence.h"

#include <QApplication>
#include <QElapsedTimer>

#include <benchmark/benchmark.h>

#include <cstdio>

using namespace rkm;

namespace {

constexpr int LISTINGS = 1000;

std::string UuidOf(int i)
{
    char text[16];
    std::snprintf(text, sizeof text, "%04X-%04X", i, 0xBEEF);
    return text;
}

void BM_MountToTreeMark(benchmark::State &state)
{
    test::FakeUdisks fake;
    if (!fake.ready()) {
        state.SkipWithError("the fake udisks2 did not start");
        return;
    }
    test::Sandbox sandbox; // gives a follower of its own, replaced here
    TfrmMainTestAccess::setFollowerFactory([&fake] { return FollowUdisks(fake.bus()); });
    for (int i = 0; i < LISTINGS; ++i) {
        // Each the listing of a whole volume (a serial), known by its UUID.
        std::unique_ptr<TreeNode> disk = test::MakeDisk("Disk " + std::to_string(i), 3);
        disk->disk().SerialNumber = 0x10000u + static_cast<uint32_t>(i);
        test::WriteDisk(sandbox.programDir, std::to_string(1000 + i) + ".rkm", *disk);
    }
    TfrmMain &w = sandbox.Open();
    for (int i = 0; i < LISTINGS; ++i) {
        TreeNode *disk = sandbox.store->Tree().disk(i);
        sandbox.store->SetExtras(disk, {{EXTRA_VOLUME_UUID, UuidOf(i)}});
    }
    w.presence()->catalogChanged();
    const int chosen = LISTINGS / 2;
    TreeNode *target = sandbox.store->Tree().disk(chosen);
    const QModelIndex row = w.treeModel()->indexOf(target);
    bool marked = false;
    QObject::connect(w.treeModel(), &QAbstractItemModel::dataChanged, &w,
                     [&](const QModelIndex &from, const QModelIndex &to) {
                         if (from.row() <= row.row() && row.row() <= to.row() && !from.parent().isValid())
                             marked = w.presence()->volumeOf(target) != nullptr;
                     });
    fake.addVolume("sdb1", {UuidOf(chosen), "DISK", "vfat", 8'000'000'000});
    int round = 0;
    for (auto _ : state) {
        marked = false;
        QElapsedTimer t;
        t.start();
        fake.mount("sdb1", "/media/bench/DISK" + std::to_string(round++));
        if (!test::RunUntil([&] { return marked; }, 5000)) {
            state.SkipWithError("the mark never came");
            break;
        }
        state.SetIterationTime(static_cast<double>(t.nsecsElapsed()) / 1e9);
        state.PauseTiming();
        fake.unmount("sdb1");
        test::RunUntil([&] { return w.presence()->volumeOf(target) == nullptr; }, 5000);
        state.ResumeTiming();
    }
    sandbox.main.reset();
}
BENCHMARK(BM_MountToTreeMark)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20);

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
