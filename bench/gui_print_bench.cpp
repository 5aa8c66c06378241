// Printing a large disk: gathering the lines, laying out the preview image,
// and printing to a PDF file at 600 dpi (a cover, and a list of contents on
// many pages).
#include "SyntheticCatalog.h"

#include "print/PrintSelection.h"
#include "print/render/PrintToFile.h"
#include "print/render/QtPrintSurface.h"

#include <QGuiApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

using namespace rkm;

namespace {

std::vector<std::string> Lines(int64_t n)
{
    std::vector<std::string> out;
    for (int64_t i = 0; i < n; ++i)
        out.push_back("file" + std::to_string(i) + "_backup.zip");
    return out;
}

// A disk of 100 000 files in 1 000 folders: every folder and file name.
void BM_CollectPrintLines(benchmark::State &state)
{
    std::mt19937 rng(1);
    const auto disk = bench::SyntheticDisk(0, 1000, 100, rng);
    PrintOptions o;
    if (state.range(0)) { // a file filter instead of all names
        o.AllFiles = false;
        o.SpecifyFiles = o.FilterFiles = true;
        o.FileFilter = {{".ZIP", true}, {".EXE", true}};
    }
    for (auto _ : state) {
        std::vector<std::string> files, folders;
        CollectPrintLines(*disk, files, folders, ReadPrintSelection(o));
        benchmark::DoNotOptimize(files.data());
    }
}
BENCHMARK(BM_CollectPrintLines)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_PreviewImage(benchmark::State &state)
{
    const auto lines = Lines(state.range(0));
    for (auto _ : state)
        benchmark::DoNotOptimize(RenderPreviewImage({PrintLayout::Cover, true, true, "Disk"}, {}, lines));
}
BENCHMARK(BM_PreviewImage)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

void BM_PdfPage(benchmark::State &state)
{
    QTemporaryDir dir;
    const auto lines = Lines(state.range(0));
    for (auto _ : state)
        PrintPdfFile(dir.filePath("page.pdf").toStdString(), {PrintLayout::BackCover, true, false, "Disk"}, {}, lines);
}
BENCHMARK(BM_PdfPage)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

// Turning to a page of the preview of a long list of contents: the whole
// list is laid out again, one page drawn.
void BM_PreviewListPage(benchmark::State &state)
{
    const auto lines = Lines(state.range(0));
    PageRequest r{PrintLayout::List, false, true, "Disk"};
    r.page = 5;
    for (auto _ : state)
        benchmark::DoNotOptimize(RenderPreviewImage(r, {}, lines));
}
BENCHMARK(BM_PreviewListPage)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

// A list of contents on as many A4 pages as it takes (10,000 lines: some twenty).
void BM_PdfListPages(benchmark::State &state)
{
    QTemporaryDir dir;
    const auto lines = Lines(state.range(0));
    for (auto _ : state)
        PrintPdfFile(dir.filePath("list.pdf").toStdString(), {PrintLayout::List, false, false, "Disk"}, {}, lines);
}
BENCHMARK(BM_PdfListPages)->Arg(10000)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
