// Export as CSV, JSON and HTML, read back the way other programs read it:
// the CSV with Python's csv module, the JSON against its schema.
#include "catalog/Errors.h"
#include "export/Export.h"
#include "platform/Text.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

#include <csignal>
#include <map>
#include <sys/resource.h>

using namespace rkm;
using namespace rkm::test;

namespace {

using Record = std::array<std::string, 10>;

// Two listings: one made on Linux with texts that need quoting and escaping,
// one made on Windows whose texts are Windows-1252.
std::vector<std::unique_ptr<TreeNode>> Listings()
{
    std::vector<std::unique_ptr<TreeNode>> out;
    auto a = MakeDiskNode("Café \"A\", 1");
    a->disk().RootPath = "/media/cd";
    a->disk().Comment = "first, \"disc\"";
    a->disk().FileName = "1.rkm";
    a->disk().Files.append(FileEntry{"résumé.txt", "Notes, \"old\"", "05/12/1999", "512 bytes", "Text"});
    a->disk().Files.append(FileEntry{"big.iso", "", "01/01/2000", "700 Kb", ""});
    a->disk().Files.append(FileEntry{"<script>window.rkPwned=1</script>.txt", "a & b < c", "", "0 bytes", ""});
    a->disk().Files.append(FileEntry{"odd\rname", "tab\there", "", "1024 bytes", ""});
    TreeNode *docs = a->appendChild("Docs");
    docs->disk().Comment = "x";
    docs->disk().Files.append(FileEntry{"a.pdf", "", "", "1 Kb", "Docs"});
    docs->appendChild("Old");
    out.push_back(std::move(a));

    auto b = MakeDiskNode("Donn\xe9"
                          "es");
    b->disk().RootPath = "E:\\";
    b->disk().DriveType = 2;
    b->disk().SerialNumber = 0xDEADBEEF;
    b->disk().FileName = "2.rkm";
    b->disk().Files.append(FileEntry{"Caf\xe9.doc", "\x93quoted\x94", "1/2/1998", "1 Kb", "Cat\x92s"});
    b->appendChild("Mus\xe9"
                   "e")
        ->disk()
        .Files.append(FileEntry{"x.txt", "", "", "9 bytes", ""});
    out.push_back(std::move(b));
    return out;
}

// What every format carries for Listings(), in order: listing, path, name,
// kind, size, sizeText, date, description, category, comment.
const std::vector<Record> kRecords = {
    {"Café \"A\", 1", "/media/cd", "Café \"A\", 1", "folder", "", "", "", "", "", "first, \"disc\""},
    {"Café \"A\", 1", "/media/cd/résumé.txt", "résumé.txt", "file", "512", "512 bytes", "05/12/1999", "Notes, \"old\"",
     "Text", ""},
    {"Café \"A\", 1", "/media/cd/big.iso", "big.iso", "file", "", "700 Kb", "01/01/2000", "", "", ""},
    {"Café \"A\", 1", "/media/cd/<script>window.rkPwned=1</script>.txt", "<script>window.rkPwned=1</script>.txt",
     "file", "0", "0 bytes", "", "a & b < c", "", ""},
    {"Café \"A\", 1", "/media/cd/odd\rname", "odd\rname", "file", "1024", "1024 bytes", "", "tab\there", "", ""},
    {"Café \"A\", 1", "/media/cd/Docs", "Docs", "folder", "", "", "", "", "", "x"},
    {"Café \"A\", 1", "/media/cd/Docs/a.pdf", "a.pdf", "file", "", "1 Kb", "", "", "Docs", ""},
    {"Café \"A\", 1", "/media/cd/Docs/Old", "Old", "folder", "", "", "", "", "", ""},
    {"Données", "E:\\", "Données", "folder", "", "", "", "", "", ""},
    {"Données", "E:\\Café.doc", "Café.doc", "file", "", "1 Kb", "1/2/1998", "\u201Cquoted\u201D", "Cat\u2019s", ""},
    {"Données", "E:\\Musée", "Musée", "folder", "", "", "", "", "", ""},
    {"Données", "E:\\Musée\\x.txt", "x.txt", "file", "9", "9 bytes", "", "", "", ""},
};

const char *const kFields[] = {"listing",  "path", "name",        "kind",     "size",
                               "sizeText", "date", "description", "category", "comment"};

// Where each listing's disk is kept, by listing name: the first one's texts
// need quoting and escaping, the second has none.
const std::map<std::string, Shelf> kShelves = {
    {"Café \"A\", 1", Shelf{"Shelf B3, box \"2\"", "<b>Ann</b> & Bob, 3 May", OnMount::Ask}},
    {"Données", Shelf{}},
};

ExportOptions WithShelves()
{
    ExportOptions options;
    options.shelf = [](const TreeNode &disk) {
        const QString name = platform::DecodeText(disk.text());
        return kShelves.at(name.toStdString());
    };
    return options;
}

std::vector<const TreeNode *> Pointers(const std::vector<std::unique_ptr<TreeNode>> &disks)
{
    std::vector<const TreeNode *> out;
    for (const auto &d : disks)
        out.push_back(d.get());
    return out;
}

// Runs the Python helper that reads exports back; its standard output.
std::string Check(const std::vector<std::string> &args, int *status = nullptr)
{
    std::vector<std::string> all = {RACKMERE_SOURCE_DIR "/tests/export/export_check.py"};
    all.insert(all.end(), args.begin(), args.end());
    const CliResult r = RunProgram("/usr/bin/python3", all);
    EXPECT_TRUE(r.finished);
    if (status)
        *status = r.status;
    else
        EXPECT_EQ(r.status, 0) << r.err;
    return r.out;
}

std::string Exported(ExportFormat format, const std::string &path)
{
    const auto disks = Listings();
    ExportToFile(Pointers(disks), format, path, nullptr, WithShelves());
    return ReadBytes(path);
}

// Counts the pieces a sink is given.
struct PieceSink final : ExportSink {
    std::size_t pieces = 0, largest = 0, bytes = 0, lines = 0;
    void write(std::string_view b) override
    {
        ++pieces;
        largest = std::max(largest, b.size());
        bytes += b.size();
        lines += static_cast<std::size_t>(std::count(b.begin(), b.end(), '\n'));
    }
};

std::unique_ptr<TreeNode> BigDisk(int folders, int files)
{
    auto disk = MakeDiskNode("Big");
    disk->disk().RootPath = "/media/big";
    for (int f = 0; f < folders; ++f) {
        TreeNode *folder = disk->appendChild("folder" + std::to_string(f));
        for (int k = 0; k < files; ++k)
            folder->disk().Files.append(FileEntry{"file" + std::to_string(k) + ".txt", "", "01/02/2003",
                                                  std::to_string(k) + " Kb", ""});
    }
    return disk;
}

} // namespace

TEST(Export, CsvReadsBackWithPythonsCsvModule)
{
    TempDir dir;
    const std::string csv = Exported(ExportFormat::Csv, dir.file("out.csv"));
    EXPECT_EQ(csv.substr(0, 3), "\xEF\xBB\xBF");
    EXPECT_NE(csv.find("comment,location,lentTo\r\n"), std::string::npos) << "lines end with CR LF";

    const QJsonObject read = QJsonDocument::fromJson(QByteArray::fromStdString(Check({"csv", dir.file("out.csv")})))
                                 .object();
    EXPECT_TRUE(read["bom"].toBool());
    const QJsonArray rows = read["rows"].toArray();
    // A header, then one row per file entry and per folder (roots included).
    ASSERT_EQ(rows.size(), qsizetype(kRecords.size() + 1));
    for (std::size_t k = 0; k < 10; ++k)
        EXPECT_EQ(rows[0].toArray()[qsizetype(k)].toString().toStdString(), kFields[k]);
    EXPECT_EQ(rows[0].toArray()[10].toString(), QStringLiteral("location"));
    EXPECT_EQ(rows[0].toArray()[11].toString(), QStringLiteral("lentTo"));
    for (std::size_t r = 0; r < kRecords.size(); ++r) {
        const QJsonArray row = rows[qsizetype(r + 1)].toArray();
        ASSERT_EQ(row.size(), 12) << "row " << r;
        for (std::size_t k = 0; k < 10; ++k)
            EXPECT_EQ(row[qsizetype(k)].toString().toStdString(), kRecords[r][k]) << "row " << r << " " << kFields[k];
        // Every record carries its listing's place.
        const Shelf &shelf = kShelves.at(kRecords[r][0]);
        EXPECT_EQ(row[10].toString().toStdString(), shelf.location) << "row " << r;
        EXPECT_EQ(row[11].toString().toStdString(), shelf.lentTo) << "row " << r;
    }
}

TEST(Export, JsonFollowsItsSchemaAndCarriesTheSameRecords)
{
    TempDir dir;
    const std::string json = Exported(ExportFormat::Json, dir.file("out.json"));
    int status = -1;
    const std::string verdict =
        Check({"schema", dir.file("out.json"), RACKMERE_SOURCE_DIR "/docs/export.schema.json"}, &status);
    EXPECT_EQ(status, 0) << verdict;
    EXPECT_EQ(verdict, "valid\n");

    QJsonParseError error{};
    const QJsonObject doc = QJsonDocument::fromJson(QByteArray::fromStdString(json), &error).object();
    ASSERT_EQ(error.error, QJsonParseError::NoError);
    const QJsonArray listings = doc["listings"].toArray();
    ASSERT_EQ(listings.size(), 2);
    const QJsonObject windows = listings[1].toObject();
    EXPECT_EQ(windows["name"].toString(), QStringLiteral("Données"));
    EXPECT_EQ(windows["file"].toString(), QStringLiteral("2.rkm"));
    EXPECT_EQ(windows["serial"].toDouble(), 3735928559.0);
    EXPECT_EQ(windows["rootPath"].toString(), QStringLiteral("E:\\"));
    EXPECT_EQ(windows["driveType"].toInt(), 2);
    EXPECT_EQ(listings[0].toObject()["folders"].toInt(), 2);
    EXPECT_EQ(listings[0].toObject()["files"].toInt(), 5);
    for (const QJsonValue l : listings) {
        const Shelf &shelf = kShelves.at(l.toObject()["name"].toString().toStdString());
        EXPECT_EQ(l.toObject()["location"].toString().toStdString(), shelf.location);
        EXPECT_EQ(l.toObject()["lentTo"].toString().toStdString(), shelf.lentTo);
    }
    // The listing's own keys come before its records.
    EXPECT_LT(json.find("\"lentTo\""), json.find("\"records\""));

    std::vector<Record> records;
    for (const QJsonValue l : listings)
        for (const QJsonValue r : l.toObject()["records"].toArray()) {
            Record rec;
            for (std::size_t k = 0; k < 10; ++k) {
                const QJsonValue v = r.toObject()[QLatin1String(kFields[k])];
                rec[k] = v.isDouble() ? std::to_string(v.toInteger()) : v.toString().toStdString();
            }
            records.push_back(rec);
        }
    EXPECT_EQ(records, kRecords);
}

TEST(Export, HtmlShowsHostileNamesAsTextAndNeedsNothingElse)
{
    TempDir dir;
    const std::string html = Exported(ExportFormat::Html, dir.file("out.html"));
    // The page's own script is the only one; the file name shows as text.
    std::string lower = html;
    std::transform(lower.begin(), lower.end(), lower.begin(), [](unsigned char c) { return char(std::tolower(c)); });
    std::size_t scripts = 0;
    for (std::size_t at = lower.find("<script"); at != std::string::npos; at = lower.find("<script", at + 1))
        ++scripts;
    EXPECT_EQ(scripts, 1u);
    for (const char *shown : {"&lt;script&gt;window.rkPwned=1&lt;/script&gt;.txt", "a &amp; b &lt; c",
                              "Notes, &quot;old&quot;", "first, &quot;disc&quot;", "Café &quot;A&quot;, 1",
                              "odd\xEF\xBF\xBDname", "Données", "Cat\u2019s", "<span class=\"p\">E:\\</span>",
                              "Location: Shelf B3, box &quot;2&quot;", "Lent to: &lt;b&gt;Ann&lt;/b&gt; &amp; Bob, 3 May"})
        EXPECT_NE(html.find(shown), std::string::npos) << shown;
    EXPECT_EQ(html.find('\r'), std::string::npos);
    // Nothing is fetched: no address, no file beside it, and a policy that forbids both.
    for (const char *outside : {"src=", "href=", "url(", "@import", "http:", "https:"})
        EXPECT_EQ(lower.find(outside), std::string::npos) << outside;
    EXPECT_NE(html.find("Content-Security-Policy\" content=\"default-src 'none'"), std::string::npos);
}

TEST(Export, ExactSizeOnlyFromByteTexts)
{
    const std::vector<std::pair<std::string, std::optional<uint64_t>>> cases = {
        {"0 bytes", 0},
        {"1024 bytes", 1024},
        {"1,234 bytes", 1234},
        {"18446744073709551615 bytes", UINT64_MAX},
        {"18446744073709551616 bytes", std::nullopt},
        {"1 Kb", std::nullopt},
        {"5 MB", std::nullopt},
        {"-1294967296 bytes", 3000000000ull}, // a size over 2 GiB, once written as a signed number
        {"+5 bytes", std::nullopt},
        {" 5 bytes", 5},
        {"5 Bytes", 5},
        {" bytes", std::nullopt},
        {"", std::nullopt},
    };
    for (const auto &[text, size] : cases)
        EXPECT_EQ(ExactSize(text), size) << '"' << text << '"';
}

TEST(Export, EveryFormatIsStreamedInPieces)
{
    const auto disk = BigDisk(100, 1000);
    for (const ExportFormat format : {ExportFormat::Csv, ExportFormat::Json, ExportFormat::Html}) {
        PieceSink sink;
        ExportListings({disk.get()}, format, sink);
        EXPECT_GT(sink.bytes, std::size_t{4} << 20) << ExportFormatExtension(format);
        EXPECT_GT(sink.pieces, 3u);
        EXPECT_LE(sink.largest, (std::size_t{1} << 20) + (std::size_t{1} << 16)) << ExportFormatExtension(format);
        if (format != ExportFormat::Html) {
            // One line per record (files and folders, the root too), and the
            // header line of the CSV or the four lines that open and close the JSON.
            EXPECT_EQ(sink.lines, 100 * 1000 + 101u + (format == ExportFormat::Json ? 4u : 1u));
        }
    }
}

TEST(Export, AFailedExportKeepsTheOlderFile)
{
    TempDir dir;
    const std::string path = dir.file("catalogue.csv");
    WriteBytes(path, "older export");
    const auto disk = BigDisk(20, 1000);

    // The file system takes no more than 64 KiB, as a full disk would.
    struct rlimit old {};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &old), 0);
    struct rlimit limit = old;
    limit.rlim_cur = 64 * 1024;
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &limit), 0);
    std::string error;
    try {
        ExportToFile({disk.get()}, ExportFormat::Csv, path);
    } catch (const RackmereError &e) {
        error = e.what();
    }
    ::setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldHandler);

    EXPECT_NE(error.find("Cannot write file " + path), std::string::npos) << error;
    EXPECT_EQ(ReadBytes(path), "older export");
    EXPECT_EQ(QDir(QString::fromStdString(dir.path())).entryList(QDir::Files | QDir::Hidden),
              QStringList{QStringLiteral("catalogue.csv")});

    // A folder that is not there is named in the message.
    EXPECT_THROW(ExportToFile({disk.get()}, ExportFormat::Json, dir.file("no/such/folder.json")), RackmereError);
}

// A folder's path in an export is the one the program shows for it (less
// the separator that ends it there), whatever the root and the names hold.
TEST(Export, FolderPathsAreThoseTheProgramShows)
{
    struct Case {
        const char *root;
        const char *folder;
    } const cases[] = {
        {"/media/cd", "Docs"},
        {"/", "Docs"},
        {"/mnt/a\\b", "c\\d"}, // a root of this system may hold a backslash
        {"E:\\", "Docs"},
        {"C:\\Data", "Old"},
        {"\\\\server\\share", "Docs"},
    };
    for (const Case &c : cases) {
        auto disk = MakeDiskNode("Disk");
        disk->disk().RootPath = c.root;
        TreeNode *inner = disk->appendChild(c.folder)->appendChild("inner");
        struct StringSink final : ExportSink {
            std::string text;
            void write(std::string_view b) override { text += b; }
        } sink;
        ExportListings({disk.get()}, ExportFormat::Json, sink);
        const QJsonArray records =
            QJsonDocument::fromJson(QByteArray::fromStdString(sink.text)).object()["listings"][0]["records"].toArray();
        ASSERT_EQ(records.size(), 3) << c.root;
        std::string shown = inner->disk().GetFullPath();
        shown.pop_back();
        EXPECT_EQ(records[2].toObject()["path"].toString().toStdString(), shown) << c.root;
        EXPECT_EQ(records[0].toObject()["path"].toString().toStdString(), c.root);
    }
}
