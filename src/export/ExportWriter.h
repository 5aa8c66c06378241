#pragma once

// The parts the export formats share: the output buffer, UTF-8 texts, the
// escaping of each format, and the writer that the folder walk drives.
#include "catalog/Disks.h"
#include "export/Export.h"

#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace rkm::exporting {

// Collects the output and hands it to the sink a megabyte at a time.
class Output final {
public:
    explicit Output(ExportSink &sink) : m_sink(sink) { m_buffer.reserve(kChunk + kChunk / 4); }
    std::string &text() { return m_buffer; }
    void operator+=(std::string_view s) { m_buffer += s; }
    void operator+=(char c) { m_buffer.push_back(c); }
    // Called after each record: passes the buffer on once it is full.
    void flushIfFull()
    {
        if (m_buffer.size() >= kChunk)
            flush();
    }
    void flush()
    {
        if (!m_buffer.empty())
            m_sink.write(m_buffer);
        m_buffer.clear();
    }

private:
    static constexpr std::size_t kChunk = std::size_t{1} << 20;
    ExportSink &m_sink;
    std::string m_buffer;
};

// Stored bytes as UTF-8: the bytes themselves when they are UTF-8, else
// their Windows-1252 reading. The view lasts until the next call.
class Utf8Text final {
public:
    std::string_view operator()(std::string_view bytes);

private:
    std::string m_converted;
};

// Escaped forms of a UTF-8 text, appended to `out`.
void AppendCsvField(std::string &out, std::string_view text);   // quoted only when it must be
void AppendJsonString(std::string &out, std::string_view text); // with its quotes
void AppendHtmlText(std::string &out, std::string_view text);

// One listing as the writers see it.
struct ListingInfo {
    const TreeNode *disk = nullptr;
    std::string name; // the name the listing is shown by (Catalog::displayName), UTF-8
    long folders = 0; // below the root
    long files = 0;
    std::string location; // where the disk is kept, UTF-8
    std::string lentTo;   // to whom it is lent, UTF-8
};

// Told of every folder and file in the order of the tree: a folder, then
// its files, then its sub-folders, then the end of the folder. Paths and
// names are UTF-8; a file's texts are as stored.
class Writer {
public:
    virtual ~Writer() = default;
    virtual void begin(const std::vector<ListingInfo> &listings) = 0;
    // The picture (a JPEG) of the file told of next, when it has one and
    // pictures are asked for; the bytes last until that call.
    virtual void picture(std::string_view /*jpeg*/) {}
    virtual void beginListing(const ListingInfo &listing) = 0;
    virtual void folder(const TreeNode &node, std::string_view path, std::string_view name) = 0;
    virtual void file(const FileEntryView &entry, std::string_view path, std::string_view name) = 0;
    virtual void endFolder() = 0;
    virtual void endListing() = 0;
    virtual void end() = 0;
};

// `pictures`: the page may show pictures of files (Writer::picture).
std::unique_ptr<Writer> MakeHtmlWriter(Output &out, bool pictures = false);

} // namespace rkm::exporting
