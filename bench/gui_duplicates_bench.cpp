// Find duplicates and Compare with in the desktop program over a catalogue of
// a million file entries, 20 listings of 2,500 folders of 20 files, every
// name and size ten times (100,000 groups of copies): the time from OK to the first groups
// (or differences) shown in the panel and painted, and the longest the
// window's event loop went without a turn meanwhile (a timer asked for every
// millisecond). Run under QT_QPA_PLATFORM=offscreen. The targets: first
// groups within 0.5 s of OK, the window never held for more than 50 ms.
#include "catalog/CatalogStore.h"

#include "app/Application.h"
#include "app/Frmsplash.h"
#include "app/Mainfrm.h"
#include "catalog/AtomicFile.h"
#include "catalog/ListingFile.h"
#include "scan/ui/Frmdifferences.h"
#include "search/Compare.h"
#include "search/Finder.h"
#include "search/ui/Frmduplicatelist.h"

#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTimer>
#include <QTreeView>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <functional>

using namespace rkm;

namespace {

const std::string &catalogDir()
{
    static QTemporaryDir tmp;
    static const std::string dir = [] {
        const std::string d = tmp.path().toStdString() + "/catalog";
        QDir().mkpath(QString::fromStdString(d));
        for (int i = 0; i < 20; ++i) {
            auto disk = MakeDiskNode("Disk " + std::to_string(i));
            disk->disk().RootPath = "/media/disk" + std::to_string(i);
            for (int f = 0; f < 2500; ++f) {
                TreeNode *folder = disk->appendChild("folder" + std::to_string(f));
                for (int k = 0; k < 20; ++k) {
                    const int id = (i * 50000 + f * 20 + k) % 100000;
                    char name[32], size[24];
                    std::snprintf(name, sizeof name, "file%05d.jpg", id);
                    std::snprintf(size, sizeof size, "%d Kb", id % 4000);
                    folder->disk().Files.append(FileEntryView{name, "", "01/02/2024", size, ""});
                }
            }
            WriteFileAtomically(d + "/" + std::to_string(1000 + i) + ".rkm", WriteListing(*disk, 0));
        }
        return d;
    }();
    return dir;
}

// Runs `start` (what OK does) and turns the event loop until `running` says
// no more, then paints `view`. Adds the time to the first rows shown and the
// longest gap between two turns of the event loop, in milliseconds.
void TimeToShown(const std::function<void()> &start, const std::function<bool()> &running, QTreeView &view,
                 double &shownMs, double &stallMs)
{
    QElapsedTimer t, gap;
    double longest = 0;
    QTimer tick;
    tick.setInterval(1);
    QObject::connect(&tick, &QTimer::timeout, [&] {
        longest = std::max(longest, static_cast<double>(gap.nsecsElapsed()) / 1e6);
        gap.restart();
    });
    t.start();
    gap.start();
    tick.start();
    start();
    while (running())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    longest = std::max(longest, static_cast<double>(gap.nsecsElapsed()) / 1e6);
    tick.stop();
    view.viewport()->repaint();
    shownMs = static_cast<double>(t.nsecsElapsed()) / 1e6;
    stallMs = longest;
}

void BM_DuplicatesTenthOfAMillionGroups(benchmark::State &state)
{
    TfrmSplash::setMinimumMillisecondsForTests(0);
    CatalogStore store(catalogDir());
    TfrmMain window(store);
    window.show();
    QCoreApplication::processEvents();
    TfrmDuplicateList &list = *window.findChild<TfrmDuplicateList *>();
    DuplicateOptions o;
    o.minSize = 0;
    double shown = 0, most = 0, stall = 0;
    int iterations = 0;
    for (auto _ : state) {
        double ms = 0, longest = 0;
        TimeToShown(
            [&] {
                list.search(DiskNodes(store.Tree()), o);
                window.showPanel(&list);
            },
            [&] { return list.running(); }, list.view(), ms, longest);
        state.SetIterationTime(ms / 1000);
        shown += ms;
        most = std::max(most, ms);
        stall = std::max(stall, longest);
        ++iterations;
    }
    state.counters["groups"] = list.model().rowCount();
    state.counters["first_groups_ms"] = shown / iterations;
    state.counters["slowest_ms"] = most;
    state.counters["longest_stall_ms"] = stall;
}
BENCHMARK(BM_DuplicatesTenthOfAMillionGroups)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(5);

// Two listings of 50,000 entries each, every file of one against the other.
void BM_CompareTwoListings(benchmark::State &state)
{
    TfrmSplash::setMinimumMillisecondsForTests(0);
    CatalogStore store(catalogDir());
    TfrmMain window(store);
    window.show();
    QCoreApplication::processEvents();
    TfrmDifferences &panel = *window.findChild<TfrmDifferences *>();
    const TreeNode *a = store.Tree().disk(0), *b = store.Tree().disk(1);
    double shown = 0, stall = 0;
    int iterations = 0;
    for (auto _ : state) {
        double ms = 0, longest = 0;
        TimeToShown(
            [&] {
                panel.compare(
                    QStringLiteral("Compare"),
                    [a, b](const std::atomic<bool> &stop) { return CompareListings(*a, *b, &stop); },
                    [](const ListingDiff &) { return QStringLiteral("Compared"); },
                    {QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("Changed")});
                window.showPanel(&panel);
            },
            [&] { return panel.running(); }, panel.view(), ms, longest);
        state.SetIterationTime(ms / 1000);
        shown += ms;
        stall = std::max(stall, longest);
        ++iterations;
    }
    state.counters["items"] = static_cast<double>(panel.model().diff().items.size());
    state.counters["shown_ms"] = shown / iterations;
    state.counters["longest_stall_ms"] = stall;
}
BENCHMARK(BM_CompareTwoListings)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(5);

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(config.path()));
    RackmereApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
