// Adding and updating the synthetic tree of a million files through the
// desktop commands (progress window shown, offscreen platform), against
// `rackmere-cli add` of the same tree, in one run.
//
// usage: gui_add_bench [TREE_DIR] [benchmark options]
// TREE_DIR defaults to $RACKMERE_BENCH_TREE, else /tmp/rackmere-bench/tree;
// make it with `python3 bench/make_tree.py DIR`. The targets: the desktop add
// at most 1.15 times the CLI add, the desktop update at most 1.3 times it.
#include "app/CatalogTreeModel.h"
#include "app/Frmsplash.h"
#include "app/Mainfrm.h"
#include "gui/QueuedPrompter.h"
#include "scan/Scanner.h"
#include "scan/ui/Frmaddnew.h"
#include "scan/ui/Frmadding.h"
#include <QAction>

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>

using namespace rkm;

namespace {

std::string g_tree;
double g_cli = 0, g_add = 0, g_update = 0;
int g_repaints = 0;

void clearListings(const QString &dir)
{
    for (const QString &f : QDir(dir).entryList({"*.rkm"}, QDir::Files))
        QFile::remove(dir + "/" + f);
}

void BM_CliAdd(benchmark::State &state)
{
    const QString cli = QCoreApplication::applicationDirPath() + "/../rackmere-cli";
    QTemporaryDir dir;
    for (auto _ : state) {
        QProcess p;
        QElapsedTimer t;
        t.start();
        p.start(cli, {"--dir", dir.path(), "add", QString::fromStdString(g_tree), "--name", "Bench"});
        if (!p.waitForFinished(-1) || p.exitCode() != 0) {
            state.SkipWithError("rackmere-cli add failed");
            return;
        }
        g_cli = static_cast<double>(t.nsecsElapsed()) / 1e9;
        state.SetIterationTime(g_cli);
        state.PauseTiming();
        clearListings(dir.path());
        state.ResumeTiming();
    }
}

// The main window over an empty catalogue folder.
struct Desktop {
    QTemporaryDir dir;
    std::unique_ptr<CatalogStore> store;
    std::unique_ptr<TfrmMain> main;
    Desktop()
    {
        qputenv("XDG_CONFIG_HOME", (dir.path() + "/config").toUtf8());
        TfrmSplash::setMinimumMillisecondsForTests(0);
        store = std::make_unique<CatalogStore>(dir.path().toStdString() + "/catalog");
        QDir().mkpath(QString::fromStdString(store->ProgramDir()));
        main = std::make_unique<TfrmMain>(*store);
        main->show();
    }
    void add()
    {
        QTimer::singleShot(0, [this] {
            TfrmAddNew &dlg = *main->findChild<TfrmAddNew *>();
            dlg.findChild<QLineEdit *>("txtFolder")->setText(QString::fromStdString(g_tree));
            dlg.findChild<QLineEdit *>("txtDescription")->setText("Bench");
            dlg.findChild<QPushButton *>("cmdOK")->click();
        });
        main->findChild<QAction *>(QStringLiteral("Addnew1"))->trigger();
    }
};

void BM_DesktopAdd(benchmark::State &state)
{
    Desktop d;
    QueuedPrompter prompter;
    for (auto _ : state) {
        QElapsedTimer t;
        t.start();
        d.add();
        g_add = static_cast<double>(t.nsecsElapsed()) / 1e9;
        state.SetIterationTime(g_add);
        if (d.store->Tree().diskCount() != 1 || !prompter.messages().isEmpty()) {
            state.SkipWithError("the desktop add failed");
            return;
        }
        g_repaints = d.main->findChild<TfrmAdding *>()->repaints();
        state.PauseTiming();
        d.store->Tree().removeDisk(0);
        clearListings(QString::fromStdString(d.store->ProgramDir()));
        state.ResumeTiming();
    }
    state.counters["repaints"] = g_repaints;
}

void BM_DesktopUpdate(benchmark::State &state)
{
    Desktop d;
    QueuedPrompter prompter;
    d.add();
    for (auto _ : state) {
        d.main->selectNode(d.store->Tree().disk(0));
        prompter.answers.enqueue(QMessageBox::Ok);
        QElapsedTimer t;
        t.start();
        d.main->findChild<QAction *>(QStringLiteral("mnuUpdate"))->trigger();
        g_update = static_cast<double>(t.nsecsElapsed()) / 1e9;
        state.SetIterationTime(g_update);
        if (d.store->Tree().diskCount() != 1 || prompter.messages().size() != 1) {
            state.SkipWithError("the desktop update failed");
            return;
        }
        prompter.clear();
    }
}

BENCHMARK(BM_CliAdd)->Iterations(1)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DesktopAdd)->Iterations(1)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DesktopUpdate)->Iterations(1)->UseManualTime()->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    g_tree = qEnvironmentVariableIsEmpty("RACKMERE_BENCH_TREE") ? "/tmp/rackmere-bench/tree"
                                                               : qEnvironmentVariable("RACKMERE_BENCH_TREE").toStdString();
    if (argc > 1 && argv[1][0] != '-') {
        g_tree = argv[1];
        --argc;
        ++argv;
    }
    if (!QFileInfo(QString::fromStdString(g_tree)).isDir()) {
        std::fprintf(stderr, "no tree at %s: make it with python3 bench/make_tree.py %s\n", g_tree.c_str(),
                     g_tree.c_str());
        return 2;
    }
    // One walk first, so that every timed run finds the page cache warm.
    ScanDisk(g_tree, "warm", "");
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    if (g_cli > 0 && g_add > 0 && g_update > 0)
        std::printf("desktop add / cli add: %.2f (target 1.15), desktop update / cli add: %.2f (target 1.30)\n",
                    g_add / g_cli, g_update / g_cli);
    return 0;
}
