// export: listings as CSV, JSON or an HTML page.
#include "cli/Cli.h"

#include "export/Export.h"

#include <QFileInfo>

#include <algorithm>

namespace rkm::cli {

namespace {

int runExport(Context &ctx);

const Command exportCmd{
    "export", Access::Read, QT_TRANSLATE_NOOP("rkm::cli::Say", "write listings as CSV, JSON or an HTML page"),
    QT_TRANSLATE_NOOP("rkm::cli::Say",
                      "Usage: rackmere-cli export [LISTING...] [--format csv|json|html] [--pictures]\n"
                      "                         -o FILE\n"
                      "\n"
                      "Writes the listings named, or the whole catalogue when none is named, with\n"
                      "every folder and every file. LISTING is a listing file's bare name (1234.rkm)\n"
                      "or a disk name. One record per folder (the listing's root folder included)\n"
                      "and per file: listing, path, name, kind (file or folder), size in bytes\n"
                      "(only where the size text gives it exactly, \"N bytes\"), size text, date,\n"
                      "description, category, comment. Texts are written as UTF-8; texts of\n"
                      "listings made on Windows are converted from Windows-1252.\n"
                      "\n"
                      "  --format csv    comma-separated values (RFC 4180), UTF-8 with a byte-order\n"
                      "                  mark, a header line, one row per record\n"
                      "  --format json   one object: the listings, each with its records\n"
                      "  --format html   one page that needs no other file and no network: the\n"
                      "                  listings as a collapsible tree, a table of files per folder,\n"
                      "                  a search box that filters as you type\n"
                      "  --pictures      the HTML page shows the picture kept of each file that has\n"
                      "                  one (listings read with --pictures), inside the page itself\n"
                      "  -o, --output FILE\n"
                      "                  the file to write, - for standard output\n"
                      "\n"
                      "Without --format, the format is FILE's extension (.csv, .json, .html). The\n"
                      "file is written whole or not at all; a failed export keeps an older file of\n"
                      "that name. Exit status 1 when a listing is not found (nothing is written)\n"
                      "or a listing file could not be loaded (the rest is written), 2 for a wrong\n"
                      "command line.\n"),
    runExport};
const Registrar exportReg(exportCmd);

int runExport(Context &ctx)
{
    const Command &self = exportCmd;
    // The short form of --output.
    std::vector<std::string> args = ctx.args;
    for (std::string &a : args)
        if (a == "-o")
            a = "--output";
    Args a(args, {"--format", "--output"}, {"--pictures"});
    if (!a.ok())
        return Usage(ctx, a.error(), self);
    const std::string *output = a.value("--output");
    if (!output || output->empty())
        return Usage(ctx, Utf8(Say::tr("name the file to write with -o FILE (- for standard output)")), self);

    std::optional<ExportFormat> format;
    if (const std::string *name = a.value("--format")) {
        format = ExportFormatFromName(*name);
        if (!format)
            return Usage(ctx, Fill(Say::tr("unknown format '%1' (csv, json or html)"), {*name}), self);
    } else {
        format = ExportFormatFromName(QFileInfo(QString::fromStdString(*output)).suffix().toStdString());
        if (!format)
            return Usage(ctx, Utf8(Say::tr("name the format with --format csv|json|html")), self);
    }

    CatalogStore store(ctx.programDir);
    const bool loaded = Load(ctx, store);
    std::vector<const TreeNode *> disks;
    if (a.positional().empty()) {
        for (int i = 0; i < store.Tree().diskCount(); ++i)
            disks.push_back(store.Tree().disk(i));
    }
    for (const std::string &which : a.positional()) {
        int status = EXIT_OK;
        const TreeNode *n = ListingArgument(ctx, self, store, which, status);
        if (!n)
            return status;
        if (std::find(disks.begin(), disks.end(), n) == disks.end())
            disks.push_back(n);
    }
    std::fflush(ctx.out);
    ExportOptions options;
    options.shelf = [&store](const TreeNode &disk) { return ShelfOf(store.ExtrasOf(&disk)); };
    if (a.has("--pictures")) {
        if (*format != ExportFormat::Html)
            return Usage(ctx, Utf8(Say::tr("--pictures goes with --format html")), self);
        options.picture = [&store](const TreeNode &disk, std::string_view path) {
            return store.PictureOf(&disk, path).value_or(std::string());
        };
    }
    ExportToFile(disks, *format, *output, &store.Tree(), options);
    if (options.picture && !store.storeProblem().empty()) {
        Print(ctx.err,
              Fill(Say::tr("rackmere-cli export: the pictures could not be read: %1"), {store.storeProblem()}) + "\n");
        return EXIT_FAILED;
    }
    return loaded ? EXIT_OK : EXIT_FAILED;
}

} // namespace

} // namespace rkm::cli
