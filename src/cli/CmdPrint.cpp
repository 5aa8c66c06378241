// print: a disk's listing as a PDF page or as the preview image.
#include "cli/Cli.h"

#include "catalog/Errors.h"
#include "print/PrintSelection.h"
#include "print/PrintSettings.h"
#include "print/render/PrintToFile.h"

#include <algorithm>

namespace rkm::cli {

namespace {

int runPrint(Context &ctx);

const Command printCmd{
    "print", Access::Read,
    QT_TRANSLATE_NOOP("rkm::cli::Say", "print a listing to a PDF file or its preview to a PNG image"),
    QT_TRANSLATE_NOOP("rkm::cli::Say",
                      "Usage: rackmere-cli print LISTING (--pdf FILE | --preview-png FILE [--page N])\n"
                      "                          [--layout list|cover|back] [--frame | --no-frame]\n"
                      "\n"
                      "Lays out the listing's page as the desktop program's Print command does, with\n"
                      "the stored print defaults and the filter files FILES.FLT and FOLDERS.FLT of\n"
                      "the catalogue folder (the level boxes at 0). LISTING is a listing file's bare\n"
                      "name or a disk name.\n"
                      "\n"
                      "  --pdf FILE          print to a PDF file (A4) at 600 dots per inch; a list of\n"
                      "                      contents takes as many pages as it needs, each with the\n"
                      "                      disk's name at the top and \"Page n of m\" at the foot;\n"
                      "                      lines that do not fit a cover run on below it\n"
                      "  --preview-png FILE  write the preview image (540 x 470 pixels) as PNG\n"
                      "  --page N            the page of the preview to write (from 1; default 1); a\n"
                      "                      list of contents longer than the image has several\n"
                      "  --layout L          list (list of contents), cover (CD cover, 12 x 12 cm) or\n"
                      "                      back (CD back cover with spines); default: the stored one\n"
                      "  --frame, --no-frame draw the chosen cover's frame or not; default: stored\n"),
    runPrint};
const Registrar printReg(printCmd);

const struct MakerReg {
    MakerReg() { AppMakers()["print"] = &MakeOffscreenGuiApplication; }
} makerReg;

int runPrint(Context &ctx)
{
    const Command &self = printCmd;
    Args a(ctx.args, {"--pdf", "--preview-png", "--layout", "--page"}, {"--frame", "--no-frame"});
    if (!a.ok())
        return Usage(ctx, a.error(), self);
    if (a.positional().size() != 1)
        return Usage(ctx, Utf8(Say::tr("name one listing")), self);
    const std::string *pdf = a.value("--pdf");
    const std::string *png = a.value("--preview-png");
    if (!pdf == !png)
        return Usage(ctx, Utf8(Say::tr("give one of --pdf FILE and --preview-png FILE")), self);
    if ((pdf && pdf->empty()) || (png && png->empty()))
        return Usage(ctx, Utf8(Say::tr("the output file needs a name")), self);
    if (a.has("--frame") && a.has("--no-frame"))
        return Usage(ctx, Utf8(Say::tr("give --frame or --no-frame, not both")), self);
    int page = 0;
    if (const std::string *p = a.value("--page")) {
        if (!png)
            return Usage(ctx, Utf8(Say::tr("--page goes with --preview-png")), self);
        const bool digits = !p->empty() && p->size() <= 6 &&
                            std::all_of(p->begin(), p->end(), [](char c) { return c >= '0' && c <= '9'; });
        if (!digits || std::stoi(*p) < 1)
            return Usage(ctx, Fill(Say::tr("--page is a page number from 1, not '%1'"), {*p}), self);
        page = std::stoi(*p) - 1;
    }
    const std::string *layout = a.value("--layout");
    if (layout && *layout != "list" && *layout != "cover" && *layout != "back")
        return Usage(ctx, Fill(Say::tr("--layout is list, cover or back, not '%1'"), {*layout}), self);

    CatalogStore store(ctx.programDir);
    const bool loaded = Load(ctx, store);
    int status = EXIT_OK;
    const TreeNode *disk = ListingArgument(ctx, self, store, a.positional()[0], status);
    if (!disk)
        return status;

    PrintOptions options;
    LoadPrintDefaults(options, ctx.programDir, ProgramSettings());
    if (layout) {
        options.LayoutList = *layout == "list";
        options.LayoutCover = *layout == "cover";
        options.LayoutBack = *layout == "back";
    }
    if (a.has("--frame") || a.has("--no-frame")) {
        const bool frame = a.has("--frame");
        if (ChosenLayout(options) == PrintLayout::Cover)
            options.CoverFrame = frame;
        else if (ChosenLayout(options) == PrintLayout::BackCover)
            options.BackFrame = frame;
    }
    if (!SelectionIsComplete(options)) {
        Print(ctx.err, Utf8(Say::tr("rackmere-cli print: Nothing to print - please make your selections. (The "
                                    "stored defaults choose \"Specify:\" with none of its boxes checked.)")) +
                           "\n");
        return EXIT_FAILED;
    }
    const TPrintSelection selection = ReadPrintSelection(options);
    std::vector<std::string> fileLines, folderLines;
    CollectPrintLines(*disk, fileLines, folderLines, selection);

    const PageRequest request{ChosenLayout(options), ChosenFrame(options), png != nullptr,
                              PageTitle(&store.Tree(), *disk, ChosenLayout(options)), page};
    if (pdf) {
        PrintPdfFile(*pdf, request, folderLines, fileLines);
    } else {
        WritePreviewPng(*png, request, folderLines, fileLines);
    }
    return loaded ? EXIT_OK : EXIT_FAILED;
}

} // namespace

} // namespace rkm::cli
