// duplicates, diff and verify: questions about the listings as a whole.
#include "cli/Cli.h"

#include "platform/TextValues.h"
#include "scan/ListingOptions.h"
#include "scan/Update.h"
#include "scan/Verify.h"
#include "search/Compare.h"
#include "search/Duplicates.h"
#include "search/Finder.h"

#include <algorithm>
#include <cstring>
#include <exception>

namespace rkm::cli {

namespace {

int runDuplicates(Context &ctx);
int runDiff(Context &ctx);
int runVerify(Context &ctx);

const Command duplicatesCmd{"duplicates", Access::Read,
                            QT_TRANSLATE_NOOP("rkm::cli::Say",
                                              "list files that have copies, across all listings or within one"),
                            QT_TRANSLATE_NOOP("rkm::cli::Say",
                            "Usage: rackmere-cli duplicates [--contents] [--min-size SIZE]\n"
                            "                                [--listing LISTING] [--json]\n"
                            "\n"
                            "Groups the file entries that have the same name (letter case ignored, the\n"
                            "decoded text, so a name from a Windows listing meets its UTF-8 twin) and the\n"
                            "same size text, and prints each group: a line with the name, the size, the\n"
                            "number of copies and the space all but one of them take, then one line per\n"
                            "copy (disk name, folders and file name joined by '/'). The groups that waste\n"
                            "the most space come first; copies are in catalogue order. Entries whose size\n"
                            "text cannot be read are left out.\n"
                            "\n"
                            "  --contents          group by contents instead: the files whose fingerprints\n"
                            "                      are the same, whatever their names and dates, among the\n"
                            "                      listings read with --fingerprints; a group is named\n"
                            "                      by its first copy\n"
                            "  --min-size SIZE     leave out files smaller than SIZE (default 1m): a number\n"
                            "                      with an optional unit b, k, m, g (1 KB = 1024 bytes);\n"
                            "                      0 keeps every file\n"
                            "  --listing LISTING   copies within this listing only (a file's bare name such\n"
                            "                      as 1234.rkm, or a disk name)\n"
                            "  --json              print an array of groups with the keys name, size (the\n"
                            "                      size text), bytes, copies, wasted and entries (objects\n"
                            "                      with the keys listing, disk, folders, file and index)\n"
                            "\n"
                            "Exit status 0 with copies, 1 with none (\"No duplicates were found\" on\n"
                            "standard error), when the listing is not found, when a listing file could\n"
                            "not be loaded, or with --contents when the store beside the listings could\n"
                            "not be read; 2 for a size that cannot be read.\n"),
                            runDuplicates};
const Registrar duplicatesReg(duplicatesCmd);

const Command diffCmd{"diff", Access::Read,
                      QT_TRANSLATE_NOOP("rkm::cli::Say", "compare two listings: what only one holds and what changed"),
                      QT_TRANSLATE_NOOP("rkm::cli::Say",
                      "Usage: rackmere-cli diff A B [--json]\n"
                      "\n"
                      "A and B are listings (a file's bare name such as 1234.rkm, or a disk name).\n"
                      "Compares them by path from the root and prints a line per difference,\n"
                      "folder by folder (its files, then its folders). Letter case counts in names;\n"
                      "a name from a listing made on Windows is the same as its UTF-8 spelling.\n"
                      "Paths are printed as UTF-8. The lines:\n"
                      "\n"
                      "  - PATH                      only in A\n"
                      "  + PATH                      only in B\n"
                      "  ~ PATH: size X -> Y, date X -> Y   in both, with another size or date\n"
                      "\n"
                      "A folder that only one holds is one line, its path ending in '/', with the\n"
                      "number of folders and files in it. Sizes compare by what the size texts\n"
                      "stand for, dates by the day, each listing's dates read in its own order.\n"
                      "Descriptions, categories and comments do not count. A last line gives the\n"
                      "counts.\n"
                      "\n"
                      "  --json   print an object with the keys a and b (listing and disk), onlyInA,\n"
                      "           onlyInB and changed (arrays of objects with the keys path and\n"
                      "           folder, files and folders for a folder, size and date as [A, B]\n"
                      "           where they changed) and counts\n"
                      "\n"
                      "Exit status 0 when the listings are equal, 1 when they differ, 2 when a\n"
                      "listing is not found.\n"),
                      runDiff};
const Registrar diffReg(diffCmd);

const Command verifyCmd{"verify", Access::Read,
                        QT_TRANSLATE_NOOP("rkm::cli::Say",
                                          "scan a listing's disk again and tell what changed, changing nothing"),
                        QT_TRANSLATE_NOOP("rkm::cli::Say",
                        "Usage: rackmere-cli verify LISTING [--contents] [--force] [--json]\n"
                        "\n"
                        "LISTING is a listing file's bare name (1234.rkm) or a disk name. Walks the\n"
                        "listing's root path again, with the checks of update (the path can be\n"
                        "entered, the volume's serial number is the listing's), and compares what is\n"
                        "there with the listing, as diff does with the listing as A and the disk as B:\n"
                        "\n"
                        "  + PATH   added: on the disk, not in the listing\n"
                        "  - PATH   removed: in the listing, no longer on the disk\n"
                        "  ~ PATH: size X -> Y, date X -> Y   changed\n"
                        "\n"
                        "and a last line with the counts. Nothing is changed and nothing written:\n"
                        "this is how to check that an old backup is still whole.\n"
                        "\n"
                        "  --contents  read every file again and compare its fingerprint with the\n"
                        "           one kept (the listing was added or updated with --fingerprints);\n"
                        "           besides the lines above, tells each file whose size and date are\n"
                        "           the same but not its contents, and each file that could not be\n"
                        "           read, with the system's reason:\n"
                        "             ~ PATH: changed contents: a bit error or a silent overwrite\n"
                        "             ! PATH: could not be read: REASON\n"
                        "           An unreadable file does not stop the others being read.\n"
                        "  --force  verify even when the volume there has another serial number, or\n"
                        "           the root path is damaged or a removable disk's is now a system\n"
                        "           folder (as update)\n"
                        "  --json   print an object with the keys listing, disk, root, added, removed,\n"
                        "           changed (as diff's arrays) and counts; with --contents also\n"
                        "           contents (objects with path and, for an unreadable file, error)\n"
                        "\n"
                        "Exit status 0 when the disk matches its listing, 1 when it differs (with\n"
                        "--contents also when contents differ or a file could not be read), 2 when\n"
                        "the listing is not found, its root path cannot be entered, or --contents is\n"
                        "given for a listing without fingerprints, 3 when the volume's serial number\n"
                        "differs from the listing's or the root path is damaged or a system folder.\n"),
                        runVerify};
const Registrar verifyReg(verifyCmd);

void Flush(Context &ctx, std::string &out, bool force = false)
{
    if (force || out.size() > (1u << 16)) {
        std::fwrite(out.data(), 1, out.size(), ctx.out);
        out.clear();
    }
}

int runDuplicates(Context &ctx)
{
    const Command &self = duplicatesCmd;
    Args a(ctx.args, {"--min-size", "--listing"}, {"--contents", "--json"});
    if (!a.ok())
        return Usage(ctx, a.error(), self);
    if (!a.positional().empty())
        return Usage(ctx, Utf8(Say::tr("takes no positional arguments")), self);
    DuplicateOptions o;
    std::optional<uint64_t> minSize;
    std::string bad;
    if (!SizeOption(a, "--min-size", minSize, bad))
        return Usage(ctx, bad, self);
    if (minSize)
        o.minSize = *minSize;
    CatalogStore store(ctx.programDir);
    const bool loaded = Load(ctx, store);
    if (const std::string *l = a.value("--listing")) {
        int status = EXIT_OK;
        o.listing = ListingArgument(ctx, self, store, *l, status);
        if (!o.listing)
            return status;
    }
    const std::vector<DuplicateGroup> groups = a.has("--contents")
                                                   ? FindDuplicatesByContents(
                                                         ContentsForDuplicates(store, DiskNodes(store.Tree()), o), o)
                                                   : FindDuplicates(DiskNodes(store.Tree()), o);
    // Fingerprints that could not be read are copies not found.
    const bool contentsRead = !a.has("--contents") || store.storeProblem().empty();
    if (!contentsRead)
        std::fprintf(ctx.err, "rackmere-cli duplicates: %s\n",
                     Fill(Say::tr("the store beside the listings could not be read: %1"), {store.storeProblem()})
                         .c_str());
    DiskNames names(store.Tree());
    const bool json = a.has("--json");
    std::string out = json ? "[" : "";
    long files = 0;
    uint64_t wasted = 0;
    for (std::size_t g = 0; g < groups.size(); ++g) {
        const DuplicateGroup &group = groups[g];
        const EntryRef &first = group.entries.front();
        const FileEntryView e = first.node->disk().Files.entry(first.entry);
        files += static_cast<long>(group.entries.size());
        wasted += group.wasted;
        if (json) {
            out += g ? ",\n  " : "\n  ";
            out += "{\"name\": " + Json(e[FT_NAME]) + ", \"size\": " + Json(e[FT_SIZE]) +
                   ", \"bytes\": " + std::to_string(group.size) +
                   ", \"copies\": " + std::to_string(group.entries.size()) +
                   ", \"wasted\": " + std::to_string(group.wasted) + ", \"entries\": [";
            for (std::size_t i = 0; i < group.entries.size(); ++i)
                out += (i ? ", " : "") + EntryJson(group.entries[i].node, group.entries[i].entry);
            out += "]}";
        } else {
            //: A group of copies: the file's name, its size, how many copies, the space all but one take.
            out += Fill(Say::tr("%1, %2, %n copies (%3 wasted)", nullptr, static_cast<int>(group.entries.size())),
                        {Shown(e[FT_NAME]), Shown(e[FT_SIZE]), platform::ShortSize(group.wasted)}) +
                   "\n";
            for (const EntryRef &r : group.entries)
                out += "  " + EntryLine(names, r.node, r.entry) + "\n";
        }
        Flush(ctx, out);
    }
    if (json)
        out += groups.empty() ? "]\n" : "\n]\n";
    else if (!groups.empty())
        //: The groups of copies, the files in them, the space wasted: "3 groups", "7 files", a size.
        out += Fill(Say::tr("%1, %2, %3 wasted"),
                    {Utf8(Say::tr("%n groups", nullptr, static_cast<int>(groups.size()))),
                     Utf8(Say::tr("%n files", nullptr, static_cast<int>(files))), platform::ShortSize(wasted)}) +
               "\n";
    Flush(ctx, out, true);
    if (groups.empty()) {
        std::fprintf(ctx.err, "%s\n", Utf8(Say::tr("No duplicates were found")).c_str());
        return EXIT_FAILED;
    }
    return loaded && contentsRead ? EXIT_OK : EXIT_FAILED;
}

// The texts of the two functions below name their class in full: lupdate
// loses the namespace in a function that returns std::string.
std::string ChangeText(const DiffItem &d)
{
    std::string out;
    if (d.sizeChanged)
        out += Fill(rkm::cli::Say::tr("size %1 -> %2"), {Shown(d.sizeA), Shown(d.sizeB)});
    if (d.dateChanged)
        out += std::string(out.empty() ? "" : ", ") +
               Fill(rkm::cli::Say::tr("date %1 -> %2"), {Shown(d.dateA), Shown(d.dateB)});
    return out;
}

std::string DiffLine(const DiffItem &d)
{
    switch (d.kind) {
    case DiffKind::OnlyInA:
    case DiffKind::OnlyInB: {
        std::string line = std::string(d.kind == DiffKind::OnlyInA ? "- " : "+ ") + Shown(d.path);
        if (d.folder)
            //: What a folder holds: "2 folders", "5 files".
            line += "  " + Fill(rkm::cli::Say::tr("(%1, %2)"),
                                {Utf8(rkm::cli::Say::tr("%n folders", nullptr, static_cast<int>(d.foldersBelow))),
                                 Utf8(rkm::cli::Say::tr("%n files", nullptr, static_cast<int>(d.filesBelow)))});
        return line + "\n";
    }
    case DiffKind::Changed:
        return "~ " + Shown(d.path) + ": " + ChangeText(d) + "\n";
    }
    return {};
}

std::string DiffJson(const DiffItem &d)
{
    std::string out = "{\"path\": " + Json(d.path) + ", \"folder\": " + (d.folder ? "true" : "false");
    if (d.folder)
        out += ", \"folders\": " + std::to_string(d.foldersBelow) + ", \"files\": " + std::to_string(d.filesBelow);
    if (d.sizeChanged)
        out += ", \"size\": [" + Json(d.sizeA) + ", " + Json(d.sizeB) + "]";
    if (d.dateChanged)
        out += ", \"date\": [" + Json(d.dateA) + ", " + Json(d.dateB) + "]";
    return out + "}";
}

// The items of one kind as a JSON array.
std::string DiffArray(const ListingDiff &diff, DiffKind kind)
{
    std::string out = "[";
    bool first = true;
    for (const DiffItem &d : diff.items) {
        if (d.kind != kind)
            continue;
        out += (first ? "\n    " : ",\n    ") + DiffJson(d);
        first = false;
    }
    return out + (first ? "]" : "\n  ]");
}

std::string ListingJson(const TreeNode *disk)
{
    return "{\"listing\": " + Json(disk->disk().FileName) + ", \"disk\": " + Json(disk->text()) + "}";
}

void PrintDiffLines(Context &ctx, const ListingDiff &diff)
{
    std::string out;
    for (const DiffItem &d : diff.items) {
        out += DiffLine(d);
        Flush(ctx, out);
    }
    Flush(ctx, out, true);
}

int runDiff(Context &ctx)
{
    const Command &self = diffCmd;
    Args a(ctx.args, {}, {"--json"});
    if (!a.ok())
        return Usage(ctx, a.error(), self);
    if (a.positional().size() != 2)
        return Usage(ctx, Utf8(Say::tr("name two listings")), self);
    CatalogStore store(ctx.programDir);
    Load(ctx, store);
    const TreeNode *sides[2];
    for (int i = 0; i < 2; ++i) {
        int status = EXIT_OK;
        sides[i] = ListingArgument(ctx, self, store, a.positional()[static_cast<std::size_t>(i)], status, EXIT_USAGE);
        if (!sides[i])
            return status;
    }
    const ListingDiff diff = CompareListings(*sides[0], *sides[1]);
    if (a.has("--json")) {
        const std::string out = "{\n  \"a\": " + ListingJson(sides[0]) + ",\n  \"b\": " + ListingJson(sides[1]) +
                                ",\n  \"onlyInA\": " + DiffArray(diff, DiffKind::OnlyInA) +
                                ",\n  \"onlyInB\": " + DiffArray(diff, DiffKind::OnlyInB) +
                                ",\n  \"changed\": " + DiffArray(diff, DiffKind::Changed) +
                                ",\n  \"counts\": {\"onlyInA\": " + std::to_string(diff.onlyInA) +
                                ", \"onlyInB\": " + std::to_string(diff.onlyInB) +
                                ", \"changed\": " + std::to_string(diff.changed) + "}\n}\n";
        std::fwrite(out.data(), 1, out.size(), ctx.out);
    } else {
        PrintDiffLines(ctx, diff);
        std::fprintf(ctx.out, "%s\n",
                     Fill(Say::tr("%1 only in A (%2), %3 only in B (%4), %5 changed"),
                          {std::to_string(diff.onlyInA), Shown(store.Tree().displayName(*sides[0])),
                           std::to_string(diff.onlyInB), Shown(store.Tree().displayName(*sides[1])),
                           std::to_string(diff.changed)})
                         .c_str());
    }
    return diff.equal() ? EXIT_OK : EXIT_FAILED;
}

std::string ContentChangesJson(const std::vector<ContentChange> &changes)
{
    std::string out = "[";
    for (const ContentChange &c : changes) {
        out += (out.size() == 1 ? "\n    " : ",\n    ") + std::string("{\"path\": ") + Json(c.path);
        if (c.error)
            out += ", \"error\": " + Json(std::strerror(c.error));
        out += "}";
    }
    return out + (out.size() == 1 ? "]" : "\n  ]");
}

int runVerify(Context &ctx)
{
    const Command &self = verifyCmd;
    Args a(ctx.args, {}, {"--contents", "--force", "--json"});
    if (!a.ok())
        return Usage(ctx, a.error(), self);
    if (a.positional().size() != 1)
        return Usage(ctx, Utf8(Say::tr("name one listing")), self);
    const bool readContents = a.has("--contents");
    CatalogStore store(ctx.programDir);
    Load(ctx, store);
    int status = EXIT_OK;
    const TreeNode *disk = ListingArgument(ctx, self, store, a.positional()[0], status, EXIT_USAGE);
    if (!disk)
        return status;
    const TDisk &d = disk->disk();
    const DiskChecks forced = a.has("--force") ? ~DiskChecks(0) : 0;
    switch (CheckListingDisk(store, d, forced)) {
    case DiskCheck::RootUnreadable:
    case DiskCheck::SystemFolder:
        std::fprintf(ctx.err, "rackmere-cli verify: %s\n",
                     Fill(Say::tr("%1; this is probably not the disk of the listing (--force verifies all the same)."),
                          {DiskCheckReason(CheckListingDisk(store, d), d)})
                         .c_str());
        return EXIT_WRONG_DISK;
    case DiskCheck::NotFound:
        std::fprintf(ctx.err, "rackmere-cli verify: %s\n",
                     Fill(Say::tr("could not find the disk: '%1' cannot be entered"), {Shown(d.RootPath)}).c_str());
        return EXIT_USAGE;
    case DiskCheck::SerialDiffers:
        std::fprintf(ctx.err, "rackmere-cli verify: %s\n",
                     Fill(Say::tr("the serial number of the disk (%1) is %2, not %3 as that of the original one; this "
                                  "probably means that it is the wrong disk (--force verifies all the same)."),
                          {Shown(d.RootPath), SerialText(store.serialSource ? store.serialSource(d) : 0u),
                           SerialText(d.SerialNumber)})
                         .c_str());
        return EXIT_WRONG_DISK;
    case DiskCheck::Ready:
        break;
    }
    ContentRecords kept;
    if (readContents) {
        kept = store.ContentsOf(disk);
        const bool fingerprinted = ScanOptionsFor(store, disk).fingerprints ||
                                   std::any_of(kept.begin(), kept.end(),
                                               [](const ContentRecord &r) { return r.fingerprint.has_value(); });
        if (!fingerprinted) {
            std::fprintf(ctx.err, "rackmere-cli verify: %s\n",
                         Fill(Say::tr("%1 has no fingerprints: add or update it with --fingerprints"),
                              {Shown(a.positional()[0])})
                             .c_str());
            return EXIT_USAGE;
        }
    }
    ListingDiff diff;
    std::vector<ContentChange> changes;
    try {
        if (readContents) {
            ContentSink read({}, true);
            diff = VerifyListing(store, *disk, nullptr, &read);
            changes = CompareContents(kept, read);
        } else {
            diff = VerifyListing(store, *disk);
        }
    } catch (const std::exception &e) {
        std::fprintf(ctx.err, "rackmere-cli verify: %s\n", e.what());
        return EXIT_USAGE;
    }
    long changedContents = 0, unreadable = 0;
    for (const ContentChange &c : changes)
        ++(c.error ? unreadable : changedContents);
    if (a.has("--json")) {
        const std::string out = "{\n  \"listing\": " + Json(d.FileName) + ",\n  \"disk\": " + Json(disk->text()) +
                                ",\n  \"root\": " + Json(d.RootPath) +
                                ",\n  \"added\": " + DiffArray(diff, DiffKind::OnlyInB) +
                                ",\n  \"removed\": " + DiffArray(diff, DiffKind::OnlyInA) +
                                ",\n  \"changed\": " + DiffArray(diff, DiffKind::Changed) +
                                (readContents ? ",\n  \"contents\": " + ContentChangesJson(changes) : std::string()) +
                                ",\n  \"counts\": {\"added\": " + std::to_string(diff.onlyInB) +
                                ", \"removed\": " + std::to_string(diff.onlyInA) +
                                ", \"changed\": " + std::to_string(diff.changed) +
                                (readContents ? ", \"changedContents\": " + std::to_string(changedContents) +
                                                    ", \"unreadable\": " + std::to_string(unreadable)
                                              : std::string()) +
                                "}\n}\n";
        std::fwrite(out.data(), 1, out.size(), ctx.out);
    } else {
        PrintDiffLines(ctx, diff);
        std::string out;
        for (const ContentChange &c : changes) {
            out += (c.error ? "! " : "~ ") + Shown(c.path) + ": " + ContentChangeText(c) + "\n";
            Flush(ctx, out);
        }
        Flush(ctx, out, true);
        if (diff.equal() && changes.empty())
            std::fprintf(ctx.out, "%s\n", Utf8(Say::tr("The disk matches its listing")).c_str());
        else if (readContents)
            std::fprintf(ctx.out, "%s\n",
                         Fill(Say::tr("%1 added, %2 removed, %3 changed, %4 with changed contents, %5 unreadable"),
                              {std::to_string(diff.onlyInB), std::to_string(diff.onlyInA), std::to_string(diff.changed),
                               std::to_string(changedContents), std::to_string(unreadable)})
                             .c_str());
        else
            std::fprintf(ctx.out, "%s\n",
                         Fill(Say::tr("%1 added, %2 removed, %3 changed"),
                              {std::to_string(diff.onlyInB), std::to_string(diff.onlyInA),
                               std::to_string(diff.changed)})
                             .c_str());
    }
    return diff.equal() && changes.empty() ? EXIT_OK : EXIT_FAILED;
}

} // namespace

} // namespace rkm::cli
