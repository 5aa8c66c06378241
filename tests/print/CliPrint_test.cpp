// rackmere-cli print, end to end: a catalogued folder printed to PDF and to
// the preview image.
#include "print/PageLayout.h"
#include "print/PrintSettings.h"
#include "service/Settings.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <QRegularExpression>
#include <QStandardPaths>

using namespace rkm;
using rkm::test::CliResult;
using rkm::test::MakeDirs;
using rkm::test::ReadBytes;
using rkm::test::RunProgram;
using rkm::test::TempDir;
using rkm::test::WriteBytes;

namespace {

uint32_t BigEndian(const std::string &b, std::size_t at)
{
    return uint32_t(uint8_t(b[at])) << 24 | uint32_t(uint8_t(b[at + 1])) << 16 | uint32_t(uint8_t(b[at + 2])) << 8 |
           uint32_t(uint8_t(b[at + 3]));
}

class CliPrint : public ::testing::Test {
protected:
    void SetUp() override
    {
        options = {.programDir = dir.file("cat"), .env = {{"XDG_CONFIG_HOME", dir.file("config")}}};
        qputenv("XDG_CONFIG_HOME", dir.file("config").c_str());
        MakeDirs(dir.file("disk/Games/Setup"));
        MakeDirs(dir.file("cat"));
        WriteBytes(dir.file("disk/readme.txt"), "r");
        WriteBytes(dir.file("disk/Games/doom.zip"), "d");
        WriteBytes(dir.file("disk/Games/Setup/INSTALL.EXE"), "i");
        if (cli({"print", "--help"}).status != 0)
            GTEST_SKIP() << "rackmere-cli was built without the desktop code and has no print command";
        const CliResult add = cli({"add", dir.file("disk"), "--name", "Backup 3"});
        ASSERT_EQ(add.status, 0) << add.err;
    }
    CliResult cli(const std::vector<std::string> &args) const { return test::RunCli(args, options); }
    std::string pdfText(const std::string &pdf)
    {
        const CliResult r = RunProgram("pdftotext", {pdf, "-"}, options);
        EXPECT_EQ(r.status, 0);
        return r.out;
    }
    TempDir dir;
    test::RunOptions options;
};

} // namespace

TEST_F(CliPrint, PreviewPngIsThePreviewImage)
{
    const CliResult r = cli({"print", "Backup 3", "--preview-png", dir.file("p.png"), "--layout", "back", "--frame"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.err, "");
    const std::string png = ReadBytes(dir.file("p.png"));
    ASSERT_GT(png.size(), 24u);
    EXPECT_EQ(png.substr(0, 8), std::string("\x89PNG\r\n\x1a\n", 8));
    EXPECT_EQ(png.substr(12, 4), "IHDR");
    EXPECT_EQ(BigEndian(png, 16), 540u);
    EXPECT_EQ(BigEndian(png, 20), 470u);
}

TEST_F(CliPrint, PdfPageAt600DpiWithTitleAndLines)
{
    if (QStandardPaths::findExecutable("pdftotext").isEmpty() || QStandardPaths::findExecutable("pdfinfo").isEmpty())
        GTEST_SKIP() << "poppler-utils missing";
    const std::string pdf = dir.file("p.pdf");
    const CliResult r = cli({"print", "Backup 3", "--pdf", pdf, "--layout", "cover"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(ReadBytes(pdf).substr(0, 5), "%PDF-");
    const CliResult run = RunProgram("pdfinfo", {pdf}, options);
    const QString info = QString::fromStdString(run.out);
    EXPECT_TRUE(info.contains(QRegularExpression("Pages:\\s+1\\n"))) << run.out;
    EXPECT_TRUE(info.contains(QRegularExpression("Title:\\s+Rackmere - Backup 3\\n"))) << run.out;
    const std::string text = pdfText(pdf);
    for (const char *line : {"Backup 3", "Games", "Setup", "readme.txt", "doom.zip", "INSTALL.EXE"})
        EXPECT_NE(text.find(line), std::string::npos) << line << " in\n" << text;
}

TEST_F(CliPrint, ListOfContentsRunsOnOverPages)
{
    if (QStandardPaths::findExecutable("pdftotext").isEmpty() || QStandardPaths::findExecutable("pdfinfo").isEmpty())
        GTEST_SKIP() << "poppler-utils missing";
    // One name wider than half the page keeps the list in one column of
    // about 80 rows a page; 200 files and one in a folder of its own, whose
    // file is the last line of the list, make three pages.
    MakeDirs(dir.file("long/Last"));
    WriteBytes(dir.file("long/" + std::string(100, 'n') + ".txt"), "x");
    for (int i = 0; i < 199; ++i)
        WriteBytes(dir.file("long/line-" + std::to_string(1000 + i) + ".txt"), "x");
    WriteBytes(dir.file("long/Last/the-last-line.txt"), "x");
    ASSERT_EQ(cli({"add", dir.file("long"), "--name", "Long list"}).status, 0);
    const std::string pdf = dir.file("long.pdf");
    const CliResult r = cli({"print", "Long list", "--pdf", pdf, "--layout", "list"});
    ASSERT_EQ(r.status, 0) << r.err;
    const CliResult info = RunProgram("pdfinfo", {pdf}, options);
    EXPECT_TRUE(QString::fromStdString(info.out).contains(QRegularExpression("Pages:\\s+3\\n"))) << info.out;
    std::size_t lines = 0;
    for (int page = 1; page <= 3; ++page) {
        SCOPED_TRACE(page);
        const std::string number = std::to_string(page);
        const std::string text = RunProgram("pdftotext", {"-layout", "-f", number, "-l", number, pdf, "-"}, options).out;
        // The disk's name at the top, the page number at the foot.
        EXPECT_EQ(text.find("Long list"), text.find_first_not_of(" \n")) << text;
        const std::string foot = "Page " + number + " of 3";
        ASSERT_NE(text.find(foot), std::string::npos) << text;
        EXPECT_EQ(text.find_first_not_of(" \n\f", text.find(foot) + foot.size()), std::string::npos) << text;
        EXPECT_EQ(text.find("the-last-line.txt") != std::string::npos, page == 3) << text;
        for (std::size_t at = text.find(".txt"); at != std::string::npos; at = text.find(".txt", at + 1))
            ++lines;
    }
    EXPECT_EQ(lines, 201u); // every file once, none lost between pages

    // The preview pages through the same list, a screenful at a time.
    EXPECT_EQ(cli({"print", "Long list", "--preview-png", dir.file("page.png"), "--layout", "list", "--page", "2"}).status,
              0);
    EXPECT_EQ(ReadBytes(dir.file("page.png")).substr(1, 3), "PNG");
}

TEST_F(CliPrint, StoredDefaultsAndFilterFilesAreUsed)
{
    if (QStandardPaths::findExecutable("pdftotext").isEmpty())
        GTEST_SKIP() << "poppler-utils missing";
    // Files: only names containing ".zip" (from the filter file); folders: none.
    SetSettingInt("PrFSpec", 1);
    SetSettingInt("PrFFilter", 1);
    SetSettingInt("PrFoNo", 1);
    SetSettingString("PrFCheckList", "01");
    WriteBytes(dir.file("cat/FILES.FLT"), ".EXE\n.ZIP\n");
    const std::string pdf = dir.file("f.pdf");
    const CliResult r = cli({"print", "Backup 3", "--pdf", pdf});
    ASSERT_EQ(r.status, 0) << r.err;
    const std::string text = pdfText(pdf);
    EXPECT_NE(text.find("doom.zip"), std::string::npos) << text;
    for (const char *absent : {"Games", "Setup", "readme.txt", "INSTALL.EXE"})
        EXPECT_EQ(text.find(absent), std::string::npos) << absent << " in\n" << text;
}

TEST_F(CliPrint, OverflowingCoverRunsOnWithoutAQuestion)
{
    for (int i = 0; i < 4000; ++i)
        WriteBytes(dir.file("disk/Games/file-with-a-long-name-" + std::to_string(i) + ".txt"), "x");
    ASSERT_EQ(cli({"add", dir.file("disk"), "--name", "Big"}).status, 0);
    const CliResult r = cli({"print", "Big", "--pdf", dir.file("big.pdf"), "--layout", "cover"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(ReadBytes(dir.file("big.pdf")).substr(0, 5), "%PDF-");
}

TEST_F(CliPrint, EveryTextStaysInsideThePaperAndItsFrame)
{
    if (QStandardPaths::findExecutable("pdftotext").isEmpty())
        GTEST_SKIP() << "poppler-utils missing";
    // Names as long as a file system allows: 250 characters, 240 bytes of
    // wide characters, letters with combining accents, emoji; a folder's long
    // name, a long description and a long disk name.
    std::string cjk, accents, emoji;
    for (int i = 0; i < 80; ++i) {
        cjk += "\xE6\xBC\xA2";
        accents += "e\xCC\x81";
        emoji += i < 60 ? "\xF0\x9F\x98\x80" : "";
    }
    for (const std::string &name : {std::string(246, 'n') + ".txt", cjk + ".txt", accents + ".doc", emoji + ".png",
                                    std::string(250, 'F') + "/a.txt"})
        WriteBytes(dir.file("wide/" + name), "x");
    std::string description;
    for (int i = 0; i < 30; ++i)
        description += "Holiday " + std::to_string(i) + " ";
    WriteBytes(dir.file("wide/" + std::string(250, 'F') + "/descript.ion"), "a.txt " + description + "end.\r\n");
    const std::string diskName = "Backup " + std::string(300, 'x') + " 2631";
    ASSERT_EQ(cli({"add", dir.file("wide"), "--name", diskName}).status, 0);
    // Every file and folder and the descriptions.
    SetSettingInt("PrFSpec", 1);
    SetSettingInt("PrFFilter", 1);
    SetSettingInt("PrFDesc", 1);
    SetSettingString("PrFCheckList", "1");
    WriteBytes(dir.file("cat/FILES.FLT"), ".\n");

    // Points on A4 with margins of 10 mm at 600 dots per inch; pdftotext's
    // boxes are the font's, a few dots taller than the cell that is laid out.
    constexpr double margin = 10 / 25.4 * 72, oneMm = 72 / 25.4, fontBox = 0.5;
    const auto pt = [&](int dots) { return margin + dots * 72 / 600.0; };
    const std::vector<std::pair<PrintLayout, bool>> layouts = {
        {PrintLayout::List, false},     {PrintLayout::Cover, true},      {PrintLayout::Cover, false},
        {PrintLayout::BackCover, true}, {PrintLayout::BackCover, false},
    };
    static const QRegularExpression word(R"re(<word xMin="(\S+)" yMin="(\S+)" xMax="(\S+)" yMax="(\S+)">([^<]*)<)re");
    for (const auto &[layout, frame] : layouts) {
        const char *name = layout == PrintLayout::List ? "list" : layout == PrintLayout::Cover ? "cover" : "back";
        SCOPED_TRACE(std::string(name) + (frame ? ", framed" : ""));
        const std::string pdf = dir.file("wide.pdf");
        const CliResult r = cli({"print", diskName, "--pdf", pdf, "--layout", name, frame ? "--frame" : "--no-frame"});
        ASSERT_EQ(r.status, 0) << r.err;
        const PageFrame f = LayoutFrame(layout, frame, 600, 600, static_cast<int>((595 - 2 * margin) / 72 * 600));
        const double bottom = layout == PrintLayout::List ? 842 - margin : pt(f.area.bottom);
        int shortenedNames = 0, titleEnds = 0;
        const QString html = QString::fromStdString(RunProgram("pdftotext", {"-bbox", pdf, "-"}, options).out);
        EXPECT_TRUE(html.contains(QStringLiteral(">Holiday<")));
        for (auto it = word.globalMatch(html); it.hasNext();) {
            const QRegularExpressionMatch m = it.next();
            const double x1 = m.captured(1).toDouble(), y1 = m.captured(2).toDouble();
            const double x2 = m.captured(3).toDouble(), y2 = m.captured(4).toDouble();
            const std::string text = m.captured(5).toStdString();
            SCOPED_TRACE(text);
            // Inside a spine (with the name's ends a millimetre or more from
            // its ends), else inside the panel a millimetre or more from its sides.
            const PrintArea *spine = nullptr;
            if (f.spines)
                for (const PrintArea *rect : {&f.rects.front(), &f.rects.back()})
                    if (pt(rect->left) < (x1 + x2) / 2 && (x1 + x2) / 2 < pt(rect->right))
                        spine = rect;
            const PrintArea box = spine ? PrintArea{spine->left + 1, spine->top, spine->right - 1, spine->bottom}
                                        : f.area;
            EXPECT_GE(x1, spine ? pt(box.left) - fontBox : pt(box.left) + oneMm);
            EXPECT_LE(x2, spine ? pt(box.right) + fontBox : std::min(pt(box.right), 595 - margin) - oneMm);
            EXPECT_GE(y1, spine ? pt(box.top) + oneMm : pt(box.top) - fontBox);
            EXPECT_LE(y2, spine ? pt(box.bottom) - oneMm : bottom);
            if (text.starts_with("nnnn")) {
                ++shortenedNames;
                EXPECT_NE(text.find("\xE2\x80\xA6"), std::string::npos);
                EXPECT_TRUE(text.ends_with("n.txt"));
            }
            // The disk's name keeps its start and its end, on the spines too.
            titleEnds += text == "Backup" || text == "2631";
        }
        EXPECT_EQ(shortenedNames, 1);
        EXPECT_EQ(titleEnds, f.spines ? 6 : 2);
    }
}

TEST_F(CliPrint, RefusedArguments)
{
    const std::string out = dir.file("x.pdf");
    struct Case {
        std::vector<std::string> args;
        int status;
    };
    const std::vector<Case> cases = {
        {{"print", "Backup 3"}, 2},
        {{"print", "Backup 3", "--pdf", out, "--preview-png", out}, 2},
        {{"print", "Backup 3", "--pdf", out, "--layout", "poster"}, 2},
        {{"print", "Backup 3", "--pdf", out, "--frame", "--no-frame"}, 2},
        {{"print", "--pdf", out}, 2},
        {{"print", "No such disk", "--pdf", out}, 1},
        {{"print", "Backup 3", "--pdf", dir.file("no/such/folder/x.pdf")}, 1},
        {{"print", "Backup 3", "--pdf", out, "--page", "1"}, 2},
        {{"print", "Backup 3", "--preview-png", out, "--page", "0"}, 2},
        {{"print", "Backup 3", "--preview-png", out, "--page", "two"}, 2},
        {{"print", "Backup 3", "--preview-png", out, "--page", "2"}, 1}, // one page only
    };
    for (const Case &c : cases) {
        const CliResult r = cli(c.args);
        EXPECT_EQ(r.status, c.status) << testing::PrintToString(c.args) << "\n" << r.err;
        EXPECT_TRUE(r.err.starts_with("rackmere-cli print: ")) << r.err;
    }
}
