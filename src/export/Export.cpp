// Export of listings: the folder walk, the CSV and JSON forms, and the
// output to a file or to standard output.
#include "export/Export.h"

#include "catalog/Errors.h"
#include "export/ExportWriter.h"
#include "platform/Text.h"
#include "platform/Translated.h"
#include "scan/Props.h"
#include "service/Version.h"

#include <QSaveFile>
#include <QString>

#include <algorithm>
#include <array>
#include <cerrno>
#include <charconv>
#include <cstring>
#include <unistd.h>

namespace rkm {

namespace exporting {

std::string_view Utf8Text::operator()(std::string_view bytes)
{
    if (platform::IsUtf8(bytes))
        return bytes;
    m_converted = platform::Utf8Text(bytes);
    return m_converted;
}

void AppendCsvField(std::string &out, std::string_view text)
{
    const auto plain = [](char c) { return c != ',' && c != '"' && c != '\r' && c != '\n'; };
    if (std::all_of(text.begin(), text.end(), plain)) {
        out += text;
        return;
    }
    out.push_back('"');
    for (const char c : text) {
        if (c == '"')
            out.push_back('"');
        out.push_back(c);
    }
    out.push_back('"');
}

void AppendJsonString(std::string &out, std::string_view text)
{
    out.push_back('"');
    std::size_t plain = 0; // start of the run not yet copied
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c >= 0x20 && c != '"' && c != '\\')
            continue;
        out.append(text.substr(plain, i - plain));
        plain = i + 1;
        switch (c) {
        case '"':
            out += "\\\"";
            break;
        case '\\':
            out += "\\\\";
            break;
        case '\t':
            out += "\\t";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\n':
            out += "\\n";
            break;
        default: {
            static constexpr char hex[] = "0123456789abcdef";
            out += "\\u00";
            out.push_back(hex[c >> 4]);
            out.push_back(hex[c & 15]);
        }
        }
    }
    out.append(text.substr(plain));
    out.push_back('"');
}

void AppendHtmlText(std::string &out, std::string_view text)
{
    std::size_t plain = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        const char *replacement;
        switch (c) {
        case '&':
            replacement = "&amp;";
            break;
        case '<':
            replacement = "&lt;";
            break;
        case '>':
            replacement = "&gt;";
            break;
        case '"':
            replacement = "&quot;";
            break;
        case '\'':
            replacement = "&#39;";
            break;
        case '\t':
            continue;
        default:
            // Control characters have no place in an HTML page: they show
            // as the replacement character.
            if (c >= 0x20 && c != 0x7F)
                continue;
            replacement = "\xEF\xBF\xBD";
        }
        out.append(text.substr(plain, i - plain));
        out += replacement;
        plain = i + 1;
    }
    out.append(text.substr(plain));
}

namespace {

void AppendNumber(std::string &out, uint64_t n)
{
    std::array<char, 24> digits{};
    const auto r = std::to_chars(digits.data(), digits.data() + digits.size(), n);
    out.append(digits.data(), r.ptr);
}

void AppendSize(std::string &out, std::string_view sizeText)
{
    if (const auto size = ExactSize(sizeText))
        AppendNumber(out, *size);
}

// listing,path,name,kind,size,sizeText,date,description,category,comment,location,lentTo
class CsvWriter final : public Writer {
public:
    explicit CsvWriter(Output &out) : m_out(out) {}

    void begin(const std::vector<ListingInfo> &) override
    {
        // The byte-order mark tells spreadsheet programs the file is UTF-8.
        m_out += "\xEF\xBB\xBF"
                 "listing,path,name,kind,size,sizeText,date,description,category,comment,location,lentTo\r\n";
    }
    void beginListing(const ListingInfo &listing) override
    {
        m_listing.clear();
        AppendCsvField(m_listing, listing.name);
        m_listing.push_back(',');
        m_end.clear();
        m_end.push_back(',');
        AppendCsvField(m_end, listing.location);
        m_end.push_back(',');
        AppendCsvField(m_end, listing.lentTo);
        m_end += "\r\n";
    }
    void folder(const TreeNode &node, std::string_view path, std::string_view name) override
    {
        std::string &o = beginRecord(path, name);
        o += ",folder,,,,,,";
        AppendCsvField(o, m_utf8(node.disk().Comment));
        o += m_end;
        m_out.flushIfFull();
    }
    void file(const FileEntryView &e, std::string_view path, std::string_view name) override
    {
        std::string &o = beginRecord(path, name);
        o += ",file,";
        AppendSize(o, e[FT_SIZE]);
        for (const int k : {FT_SIZE, FT_DATE, FT_DESCRIPTION, FT_CATEGORY}) {
            o.push_back(',');
            AppendCsvField(o, m_utf8(e[static_cast<std::size_t>(k)]));
        }
        o.push_back(',');
        o += m_end;
        m_out.flushIfFull();
    }
    void endFolder() override {}
    void endListing() override {}
    void end() override {}

private:
    // The listing, path and name that begin every record.
    std::string &beginRecord(std::string_view path, std::string_view name)
    {
        std::string &o = m_out.text();
        o += m_listing;
        AppendCsvField(o, path);
        o.push_back(',');
        AppendCsvField(o, name);
        return o;
    }

    Output &m_out;
    Utf8Text m_utf8;
    std::string m_listing; // the escaped listing name and its comma
    std::string m_end;     // the listing's location and lent to, with the line end
};

// {"format": "rackmere-export", "version": 1, "generator": ..., "listings": [
//  {name, file, serial, rootPath, driveType, comment, folders, files, location, lentTo, "records": [
//   {listing, path, name, kind, size, sizeText, date, description, category, comment}, ...]}, ...]}
class JsonWriter final : public Writer {
public:
    explicit JsonWriter(Output &out) : m_out(out) {}

    void begin(const std::vector<ListingInfo> &) override
    {
        m_out += "{\"format\": \"rackmere-export\", \"version\": 1, \"generator\": ";
        AppendJsonString(m_out.text(), std::string("Rackmere ") + PROGRAM_VERSION);
        m_out += ", \"listings\": [";
    }
    void beginListing(const ListingInfo &l) override
    {
        const TDisk &d = l.disk->disk();
        std::string &o = m_out.text();
        o += m_listings++ ? ",\n {\"name\": " : "\n {\"name\": ";
        AppendJsonString(o, m_utf8(l.disk->text()));
        o += ", \"file\": ";
        AppendJsonString(o, m_utf8(d.FileName));
        o += ", \"serial\": ";
        AppendNumber(o, d.SerialNumber);
        o += ", \"rootPath\": ";
        AppendJsonString(o, m_utf8(d.RootPath));
        o += ", \"driveType\": ";
        o += std::to_string(d.DriveType);
        o += ", \"comment\": ";
        AppendJsonString(o, m_utf8(d.Comment));
        o += ", \"folders\": ";
        AppendNumber(o, static_cast<uint64_t>(l.folders));
        o += ", \"files\": ";
        AppendNumber(o, static_cast<uint64_t>(l.files));
        o += ", \"location\": ";
        AppendJsonString(o, l.location);
        o += ", \"lentTo\": ";
        AppendJsonString(o, l.lentTo);
        o += ", \"records\": [";
        m_listing = "\n  {\"listing\": ";
        AppendJsonString(m_listing, l.name);
        m_listing += ", \"path\": ";
        m_records = 0;
    }
    void folder(const TreeNode &node, std::string_view path, std::string_view name) override
    {
        std::string &o = start(path, name);
        o += ", \"kind\": \"folder\", \"size\": null, \"sizeText\": \"\", \"date\": \"\", \"description\": \"\", "
             "\"category\": \"\", \"comment\": ";
        AppendJsonString(o, m_utf8(node.disk().Comment));
        o.push_back('}');
        m_out.flushIfFull();
    }
    void file(const FileEntryView &e, std::string_view path, std::string_view name) override
    {
        std::string &o = start(path, name);
        o += ", \"kind\": \"file\", \"size\": ";
        if (const auto size = ExactSize(e[FT_SIZE]))
            AppendNumber(o, *size);
        else
            o += "null";
        o += ", \"sizeText\": ";
        AppendJsonString(o, m_utf8(e[FT_SIZE]));
        o += ", \"date\": ";
        AppendJsonString(o, m_utf8(e[FT_DATE]));
        o += ", \"description\": ";
        AppendJsonString(o, m_utf8(e[FT_DESCRIPTION]));
        o += ", \"category\": ";
        AppendJsonString(o, m_utf8(e[FT_CATEGORY]));
        o += ", \"comment\": \"\"}";
        m_out.flushIfFull();
    }
    void endFolder() override {}
    void endListing() override { m_out += m_records ? "\n ]}" : "]}"; }
    void end() override { m_out += m_listings ? "\n]}\n" : "]}\n"; }

private:
    std::string &start(std::string_view path, std::string_view name)
    {
        std::string &o = m_out.text();
        if (m_records++)
            o.push_back(',');
        o += m_listing;
        AppendJsonString(o, path);
        o += ", \"name\": ";
        AppendJsonString(o, name);
        return o;
    }

    Output &m_out;
    Utf8Text m_utf8;
    std::string m_listing; // the start of every record of the listing
    long m_listings = 0;
    long m_records = 0;
};

// The walk over one listing: each folder's path is built as the walk goes
// down, in UTF-8, with the listing's own separator (a listing made on
// Windows has a root such as E:\ and keeps its backslashes).
class Walk final {
public:
    Walk(Writer &writer, char separator, const ExportOptions &options)
        : m_writer(writer), m_separator(separator), m_options(options)
    {
    }

    void run(const TreeNode &disk, std::string_view diskName)
    {
        m_disk = &disk;
        m_path = m_names(disk.disk().RootPath);
        m_stored.clear();
        folder(disk, diskName);
    }

private:
    void join(std::string_view name)
    {
        if (!m_path.empty() && m_path.back() != m_separator)
            m_path.push_back(m_separator);
        m_path += name;
    }

    void folder(const TreeNode &node, std::string_view name)
    {
        m_writer.folder(node, m_path, name);
        const std::size_t base = m_path.size();
        // The path below the disk in stored bytes (ContentPath), for pictures.
        const std::size_t storedBase = m_stored.size();
        const FileList &files = node.disk().Files;
        for (int i = 0; i < files.count(); ++i) {
            const FileEntryView e = files.entry(i);
            if (m_options.picture) {
                m_stored.append(e[FT_NAME]);
                m_picture = m_options.picture(*m_disk, m_stored);
                m_stored.resize(storedBase);
                if (!m_picture.empty())
                    m_writer.picture(m_picture);
            }
            const std::string_view fileName = m_names(e[FT_NAME]);
            join(fileName);
            m_writer.file(e, m_path, fileName);
            m_path.resize(base);
        }
        for (int i = 0; i < node.childCount(); ++i) {
            const TreeNode &child = *node.child(i);
            // The name is kept: the view of m_names lasts only until its next use.
            const std::string childName(m_names(child.text()));
            join(childName);
            m_stored.append(child.text()).push_back('/');
            folder(child, childName);
            m_path.resize(base);
            m_stored.resize(storedBase);
        }
        m_writer.endFolder();
    }

    Writer &m_writer;
    const char m_separator;
    const ExportOptions &m_options;
    const TreeNode *m_disk = nullptr;
    Utf8Text m_names;
    std::string m_path, m_stored, m_picture;
};

// The separator TDisk::GetFullPath joins a listing's folders with: '\' for
// a root of a listing made on Windows (C:\Data), '/' for a root of this
// system, whatever its names hold.
char SeparatorOf(const std::string &root)
{
    const bool windows = !root.empty() && root[0] != '/' &&
                         ((root.size() >= 2 && root[1] == ':') || root.find('\\') != std::string::npos);
    return windows ? '\\' : '/';
}

// Standard output, written through without a buffer of its own.
class StdoutSink final : public ExportSink {
public:
    void write(std::string_view bytes) override
    {
        while (!bytes.empty()) {
            const ssize_t n = ::write(STDOUT_FILENO, bytes.data(), bytes.size());
            if (n < 0 && errno == EINTR)
                continue;
            if (n <= 0)
                throw RackmereError(Utf8(rkm::Core::tr("Cannot write to standard output: %1"), {std::strerror(errno)}));
            bytes.remove_prefix(static_cast<std::size_t>(n));
        }
    }
};

// A file written to a temporary file that only a complete export renames
// into place. Unbuffered, so that a full disk is seen at the write.
class SaveFileSink final : public ExportSink {
public:
    explicit SaveFileSink(const std::string &path) : m_path(path), m_file(QString::fromStdString(path))
    {
        if (!m_file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
            throw RackmereError(Utf8(rkm::Core::tr("Cannot create file %1: %2"),
                                     {m_path, m_file.errorString().toStdString()}));
    }
    ~SaveFileSink() override
    {
        if (m_file.isOpen())
            m_file.cancelWriting();
    }
    void write(std::string_view bytes) override
    {
        while (!bytes.empty()) {
            const qint64 n = m_file.write(bytes.data(), static_cast<qint64>(bytes.size()));
            if (n <= 0)
                throw RackmereError(Utf8(rkm::Core::tr("Cannot write file %1: %2"),
                                         {m_path, m_file.errorString().toStdString()}));
            bytes.remove_prefix(static_cast<std::size_t>(n));
        }
    }
    void commit()
    {
        if (!m_file.commit())
            throw RackmereError(Utf8(rkm::Core::tr("Cannot write file %1: %2"),
                                     {m_path, m_file.errorString().toStdString()}));
    }

private:
    std::string m_path;
    QSaveFile m_file;
};

} // namespace

} // namespace exporting

using namespace exporting;

std::optional<ExportFormat> ExportFormatFromName(std::string_view name)
{
    std::string lower(name);
    for (char &c : lower)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    if (lower == "csv")
        return ExportFormat::Csv;
    if (lower == "json")
        return ExportFormat::Json;
    if (lower == "html" || lower == "htm")
        return ExportFormat::Html;
    return std::nullopt;
}

const char *ExportFormatExtension(ExportFormat format)
{
    switch (format) {
    case ExportFormat::Csv:
        return "csv";
    case ExportFormat::Json:
        return "json";
    case ExportFormat::Html:
        return "html";
    }
    return "";
}

void ExportListings(const std::vector<const TreeNode *> &disks, ExportFormat format, ExportSink &sink,
                    const Catalog *catalog, const ExportOptions &options)
{
    Output out(sink);
    std::unique_ptr<Writer> writer;
    switch (format) {
    case ExportFormat::Csv:
        writer = std::make_unique<CsvWriter>(out);
        break;
    case ExportFormat::Json:
        writer = std::make_unique<JsonWriter>(out);
        break;
    case ExportFormat::Html:
        writer = MakeHtmlWriter(out, bool(options.picture));
        break;
    }

    std::vector<ListingInfo> listings;
    listings.reserve(disks.size());
    Utf8Text utf8;
    for (const TreeNode *disk : disks) {
        ListingInfo info;
        info.disk = disk;
        info.name = std::string(utf8(DisplayName(catalog, *disk)));
        CountSubtree(*disk, info.folders, info.files);
        if (options.shelf) {
            const Shelf shelf = options.shelf(*disk);
            info.location = std::string(utf8(shelf.location));
            info.lentTo = std::string(utf8(shelf.lentTo));
        }
        listings.push_back(std::move(info));
    }

    // Only the page shows pictures.
    const ExportOptions none;
    const ExportOptions &used = format == ExportFormat::Html ? options : none;
    writer->begin(listings);
    for (const ListingInfo &l : listings) {
        writer->beginListing(l);
        Walk(*writer, SeparatorOf(l.disk->disk().RootPath), used).run(*l.disk, l.name);
        writer->endListing();
    }
    writer->end();
    out.flush();
}

void ExportToFile(const std::vector<const TreeNode *> &disks, ExportFormat format, const std::string &path,
                  const Catalog *catalog, const ExportOptions &options)
{
    if (path == "-") {
        StdoutSink sink;
        ExportListings(disks, format, sink, catalog, options);
        return;
    }
    SaveFileSink sink(path);
    ExportListings(disks, format, sink, catalog, options);
    sink.commit();
}

} // namespace rkm
