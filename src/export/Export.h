#pragma once

#include "catalog/Disks.h"
#include "catalog/Shelf.h"
#include "platform/TextValues.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace rkm {

// The forms a catalogue leaves the program in. Every form carries the same
// records: one per folder (the listing's root folder included) and one per
// file entry, with the listing's name, the full path, the name, the kind,
// the size in bytes where the size text tells it, the size text, the date
// text, the description, the category and the comment; with each listing
// where its disk is kept and to whom it is lent. Texts are written as
// UTF-8; a text that is not UTF-8 was written on Windows and is converted
// from Windows-1252.
enum class ExportFormat { Csv, Json, Html };

// "csv", "json", "html" (or "htm"), in any letter case; nothing when unknown.
std::optional<ExportFormat> ExportFormatFromName(std::string_view name);
// The file name extension of a format, without the dot.
const char *ExportFormatExtension(ExportFormat format);

// The size in bytes a size text tells exactly (platform::ExactSize, the one
// reader of size texts): "N bytes", not "N Kb", which only bounds the size.
using platform::ExactSize;

// Where exported bytes go, in large pieces. A failure throws.
class ExportSink {
public:
    virtual ~ExportSink() = default;
    virtual void write(std::string_view bytes) = 0;
};

// What an export may add to the listings' own texts.
struct ExportOptions {
    // The HTML page shows each file's picture, when this gives one (a JPEG),
    // inline in the page. It is asked with the disk node and the file's path
    // below it (ContentPath); empty when the file has none. Other formats
    // leave pictures out.
    std::function<std::string(const TreeNode &disk, std::string_view path)> picture;
    // Where each disk is kept and to whom it is lent (CatalogStore::ExtrasOf);
    // without it every listing's are empty.
    std::function<Shelf(const TreeNode &disk)> shelf;
};

// Writes the listings (disk nodes, in the order given) in the format. The
// output is streamed to the sink a megabyte at a time, never held whole.
// Each listing goes by the name `catalog` shows it by (Catalog::displayName:
// a name that repeats there comes with its listing file), or by its disk
// name without a catalogue. The JSON form keeps the disk name and the file
// apart as well.
void ExportListings(const std::vector<const TreeNode *> &disks, ExportFormat format, ExportSink &sink,
                    const Catalog *catalog = nullptr, const ExportOptions &options = {});

// Exports to a file: through a temporary file renamed into place, so a
// failed export leaves no cut file and keeps an older file of that name.
// "-" writes to standard output. Throws RackmereError with the reason.
void ExportToFile(const std::vector<const TreeNode *> &disks, ExportFormat format, const std::string &path,
                  const Catalog *catalog = nullptr, const ExportOptions &options = {});

} // namespace rkm
