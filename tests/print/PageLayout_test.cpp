#include "print/PageLayout.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

using namespace rkm;

namespace {

// A surface with simple metrics that records everything drawn. In the plain
// font a text is `points` units wide per character and 2 × points high; in
// a turned font half the character height per character and the height.
class FakeSurface final : public PrintSurface {
public:
    struct Op {
        char kind; // 'T' text, 'R' rectangle, 'P' page break
        int x, y, x2, y2;
        std::string text;
        int points;
        bool red;
        int angle;
        bool operator==(const Op &) const = default;
    };

    FakeSurface(double dx, double dy, double fontDpi = 96, int printable = 540, int height = 470)
        : m_dx(dx), m_dy(dy), m_fontDpi(fontDpi), m_printable(printable), m_pageHeight(height)
    {
    }
    double dpiX() const override { return m_dx; }
    double dpiY() const override { return m_dy; }
    double fontDpiY() const override { return m_fontDpi; }
    int printableWidth() const override { return m_printable; }
    int printableHeight() const override { return m_pageHeight; }
    void newPage() override { ops.push_back({'P', 0, 0, 0, 0, {}, 0, false, 0}); }
    void setFont(int points, bool red) override
    {
        m_points = points;
        m_red = red;
        m_angle = 0;
        fontsSet.push_back(points);
    }
    bool setRotatedFont(int charHeight, int angle) override
    {
        rotatedHeights.push_back(charHeight);
        if (!canRotate)
            return false;
        m_height = charHeight;
        m_angle = angle;
        return true;
    }
    TextExtent textExtent(std::string_view t) override
    {
        const int n = static_cast<int>(t.size());
        if (m_angle)
            return {n * m_height / 2, m_height};
        return {n * m_points, 2 * m_points};
    }
    void drawText(int x, int y, std::string_view t) override
    {
        ops.push_back({'T', x, y, 0, 0, std::string(t), m_angle ? 0 : m_points, m_red, m_angle});
    }
    void drawRect(int x1, int y1, int x2, int y2) override { ops.push_back({'R', x1, y1, x2, y2, {}, 0, false, 0}); }

    std::vector<Op> texts() const
    {
        std::vector<Op> out;
        for (const Op &o : ops)
            if (o.kind == 'T')
                out.push_back(o);
        return out;
    }
    std::vector<PrintArea> rects() const
    {
        std::vector<PrintArea> out;
        for (const Op &o : ops)
            if (o.kind == 'R')
                out.push_back({o.x, o.y, o.x2, o.y2});
        return out;
    }

    std::vector<Op> ops;
    std::vector<int> fontsSet;
    std::vector<int> rotatedHeights;
    bool canRotate = true;

private:
    double m_dx, m_dy, m_fontDpi;
    int m_printable, m_pageHeight;
    int m_points = 0, m_height = 0, m_angle = 0;
    bool m_red = false;
};

// A grid of `columns` of `columnWidth` units, rows `lineHeight` apart, 5
// units inside the area (the preview's gap).
GridFit Grid(int columns, double lineHeight, int columnWidth)
{
    GridFit g;
    g.columns = columns;
    g.lineHeight = lineHeight;
    g.columnWidth = columnWidth;
    return g;
}

std::vector<std::string> Lines(int n, const std::string &stem = "L")
{
    std::vector<std::string> out;
    for (int i = 0; i < n; ++i)
        out.push_back(stem + std::to_string(i));
    return out;
}

} // namespace

struct AreaCase {
    const char *name;
    PrintLayout layout;
    bool frame;
    double dpi;
    int printable;
    PrintArea area;
    std::vector<PrintArea> rects;
};

TEST(PageLayout, AreasAtPreviewAndPrinterResolutions)
{
    const std::vector<AreaCase> cases = {
        {"preview cover, framed", PrintLayout::Cover, true, 85, 540, {10, 20, 411, 421}, {{10, 20, 411, 421}}},
        {"preview cover, no frame", PrintLayout::Cover, false, 85, 540, {10, 20, 411, 421}, {}},
        {"preview back cover, framed", PrintLayout::BackCover, true, 85, 540, {33, 20, 491, 414},
         {{9, 20, 34, 414}, {33, 20, 491, 414}, {490, 20, 514, 414}}},
        {"preview back cover, no frame", PrintLayout::BackCover, false, 85, 540, {10, 20, 468, 414}, {}},
        {"preview list", PrintLayout::List, true, 85, 540, {10, 20, 540, 999999}, {}},
        {"600 dpi cover", PrintLayout::Cover, true, 600, 4800, {10, 20, 2844, 2854}, {{10, 20, 2844, 2854}}},
        {"600 dpi back cover, framed", PrintLayout::BackCover, true, 600, 4800, {175, 20, 3411, 2807},
         {{9, 20, 176, 2807}, {175, 20, 3411, 2807}, {3410, 20, 3576, 2807}}},
        {"600 dpi back cover, no frame", PrintLayout::BackCover, false, 600, 4800, {10, 20, 3246, 2807}, {}},
        {"600 dpi list", PrintLayout::List, false, 600, 4800, {10, 20, 4800, 999999}, {}},
    };
    for (const AreaCase &c : cases) {
        SCOPED_TRACE(c.name);
        const PageFrame f = LayoutFrame(c.layout, c.frame, c.dpi, c.dpi, c.printable);
        EXPECT_EQ(f.area, c.area);
        EXPECT_EQ(f.rects, c.rects);
        EXPECT_EQ(f.spines, c.layout == PrintLayout::BackCover && c.frame);
        // And the renderer draws exactly these outlines.
        FakeSurface s(c.dpi, c.dpi, c.dpi, c.printable);
        RenderPage(s, {c.layout, c.frame, true, "Disk"}, {}, {}, nullptr);
        EXPECT_EQ(s.rects(), c.rects);
        if (c.dpi == 85 && c.layout != PrintLayout::List) {
            for (const PrintArea &r : c.rects) {
                EXPECT_GE(r.left, 0);
                EXPECT_LE(r.right, PREVIEW_WIDTH);
                EXPECT_LE(r.bottom, PREVIEW_HEIGHT);
            }
        }
    }
}

TEST(PageLayout, DifferentResolutionsAcrossAndDownKeepTheSizes)
{
    for (const auto &[dx, dy] : std::vector<std::pair<double, double>>{{300, 600}, {600, 300}, {720, 360}}) {
        SCOPED_TRACE(std::to_string(dx) + " x " + std::to_string(dy));
        const PrintArea cover = LayoutFrame(PrintLayout::Cover, true, dx, dy, 0).area;
        EXPECT_NEAR(cover.right - cover.left, 12 / 2.54 * dx, 1.0);
        EXPECT_NEAR(cover.bottom - cover.top, 12 / 2.54 * dy, 1.0);
        for (bool frame : {true, false}) {
            const PrintArea back = LayoutFrame(PrintLayout::BackCover, frame, dx, dy, 0).area;
            EXPECT_NEAR(back.right - back.left, 13.7 / 2.54 * dx, 1.0);
            EXPECT_NEAR(back.bottom - back.top, 11.8 / 2.54 * dy, 1.0);
        }
        const auto rects = LayoutFrame(PrintLayout::BackCover, true, dx, dy, 0).rects;
        ASSERT_EQ(rects.size(), 3u);
        // Each spine is 0.7 cm across and shares its inner edge with the panel.
        EXPECT_NEAR(rects[0].right - 1 - rects[0].left, 0.7 / 2.54 * dx, 1.0);
        EXPECT_NEAR(rects[2].right - rects[2].left - 1, 0.7 / 2.54 * dx, 1.0);
        // The spine titles' height lies across the spines, inside them.
        FakeSurface s(dx, dy, dy);
        RenderPage(s, {PrintLayout::BackCover, true, false, "Backup 3"}, {}, {}, nullptr);
        ASSERT_GE(s.texts().size(), 2u);
        const int height = s.rotatedHeights.back();
        EXPECT_GT(s.texts()[0].x, rects[0].left);
        EXPECT_LT(s.texts()[0].x + height, rects[0].right - 1);
        EXPECT_GT(s.texts()[1].x - height, rects[2].left);
        EXPECT_LT(s.texts()[1].x, rects[2].right - 1);
    }
}

TEST(PageLayout, SpineTitlesAt600Dpi)
{
    EXPECT_EQ(SpineFontHeight(600), 117);
    EXPECT_EQ(SpineFontHeight(96), 19);

    FakeSurface s(600, 600, 600, 4800);
    RenderPage(s, {PrintLayout::BackCover, true, false, "Backup 3"}, {}, {}, nullptr);
    const auto t = s.texts();
    ASSERT_GE(t.size(), 3u);
    // 8 characters at 117 units: 468 wide, 117 high, centred across the
    // spines' insides (10 .. 175 and 3411 .. 3575).
    const int w = 8 * 117 / 2, mid = (2807 - 20) / 2;
    EXPECT_EQ(t[0], (FakeSurface::Op{'T', 10 + (165 - 117) / 2, mid + w / 2, 0, 0, "Backup 3", 0, false, 90}));
    EXPECT_EQ(t[1], (FakeSurface::Op{'T', 3411 + (164 - 117) / 2 + 117, mid - w / 2, 0, 0, "Backup 3", 0, false, 270}));
    for (int h : s.rotatedHeights)
        EXPECT_EQ(h, 117);
    // The title follows in the upright 14-point font, centred over the panel.
    EXPECT_EQ(t[2], (FakeSurface::Op{'T', 175 + (3411 - 175) / 2 - 8 * 14 / 2, 25, 0, 0, "Backup 3", 14, false, 0}));
}

TEST(PageLayout, NoSpineTitlesWithoutTurnedFonts)
{
    FakeSurface s(85, 85);
    s.canRotate = false;
    RenderPage(s, {PrintLayout::BackCover, true, true, "Disk"}, {}, {}, nullptr);
    EXPECT_EQ(s.rects().size(), 3u);
    ASSERT_EQ(s.texts().size(), 1u);
    EXPECT_EQ(s.texts()[0].angle, 0);
}

TEST(PageLayout, EmptyListsGiveTheTitleAlone)
{
    FakeSurface s(85, 85);
    RenderPage(s, {PrintLayout::Cover, true, true, "Empty"}, {}, {}, nullptr);
    ASSERT_EQ(s.texts().size(), 1u);
    EXPECT_EQ(s.texts()[0].text, "Empty");
    EXPECT_EQ(s.rects().size(), 1u);
}

TEST(PageLayout, FontFitting)
{
    const PrintArea cover = LayoutFrame(PrintLayout::Cover, true, 85, 85, 540).area; // 401 wide, bottom 421
    struct Case {
        const char *name;
        PrintArea area;
        int lines;
        int points;
    };
    // At p points a line "Lnn" is 3p wide, 2p + 2 high: columns = (401 - 2 × 5) / 3p.
    const std::vector<Case> cases = {
        {"few lines stay at 8 points", cover, 10, 8},
        // 8 pt: 16 columns, 18 high: 300 / 16 = 18 rows = 324 <= 421 fits.
        {"300 lines fit at 8 points", cover, 300, 8},
        // 8 pt: 900/16 = 56 rows × 18 > 421; 7 pt: 18 cols, 50 × 16 > 421; 6 pt: 21 cols, 42 × 14 = 588;
        // 5 pt: 26 cols, 34 × 12 = 408 fits.
        {"900 lines shrink to 5 points", cover, 900, 5},
        {"a flood stops at 2 points", cover, 99999, 2},
        {"a list of contents never shrinks", LayoutFrame(PrintLayout::List, false, 85, 85, 540).area, 99999, 8},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        FakeSurface s(85, 85);
        std::vector<std::string> lines(static_cast<std::size_t>(c.lines), "Lnn");
        const GridFit g = FitFont(s, c.area, lines, {});
        EXPECT_EQ(g.fontPoints, c.points);
        EXPECT_EQ(s.fontsSet.back(), c.points);
        EXPECT_EQ(g.lineHeight, 2 * c.points + 2);
        EXPECT_EQ(g.gap, 5);
        EXPECT_EQ(g.columns, (c.area.right - c.area.left - 10) / (3 * c.points));
        EXPECT_EQ(g.columnWidth, (c.area.right - c.area.left - 10) / g.columns);
    }
}

TEST(PageLayout, WidestLineIsTheFirstOfTheWidestAcrossBothLists)
{
    FakeSurface s(85, 85);
    const PrintArea a{10, 20, 110, 999999};
    // Folder "abcde" (40 wide at 8 pt) against file "vwxyz": the folder's
    // counts; 100 less two gaps of 5 / 40 = 2 columns.
    const GridFit g = FitFont(s, a, {"ab", "abcde"}, {"vwxyz", "x"});
    EXPECT_EQ(g.columns, 2);
    EXPECT_EQ(g.columnWidth, 45);
    EXPECT_EQ(g.widest, 40);
    // No lines at all: two columns of width 0.
    const GridFit none = FitFont(s, a, {}, {});
    EXPECT_EQ(none.columns, 2);
    EXPECT_EQ(none.columnWidth, 0);
}

TEST(PageLayout, LineWiderThanTheAreaGetsOneColumn)
{
    FakeSurface s(85, 85);
    const PrintArea a{10, 20, 90, 999999};
    const std::string wide = std::string(20, 'w') + ".txt";
    const GridFit g = FitFont(s, a, {wide}, {"a"});
    EXPECT_EQ(g.columns, 1);
    EXPECT_EQ(g.columnWidth, 70);
    int column = 0, y = 0;
    EXPECT_TRUE(DrawLines({wide, "a"}, s, a, g, false, column, y));
    ASSERT_EQ(s.texts().size(), 2u);
    // 70 units hold 8 bytes at 8 points: one letter, the ellipsis, the extension.
    EXPECT_EQ(s.texts()[0].text, "w\xE2\x80\xA6.txt");
    EXPECT_EQ(s.texts()[0].x, 15);
    EXPECT_EQ(s.texts()[1].text, "a");
    EXPECT_EQ(s.texts()[1].x, 15);
    EXPECT_EQ(s.texts()[1].y, 20 + 18);
}

TEST(PageLayout, DrawLinesFillsRowByRow)
{
    FakeSurface s(85, 85);
    const PrintArea a{10, 20, 400, 999999};
    int column = 0, y = 7;
    EXPECT_TRUE(DrawLines({"A", "B", "C"}, s, a, Grid(2, 12.5, 100), false, column, y));
    auto t = s.texts();
    ASSERT_EQ(t.size(), 3u);
    EXPECT_EQ(std::make_pair(t[0].x, t[0].y), std::make_pair(15, 27));
    EXPECT_EQ(std::make_pair(t[1].x, t[1].y), std::make_pair(115, 27));
    EXPECT_EQ(std::make_pair(t[2].x, t[2].y), std::make_pair(15, 39)); // 7 + 12.5 truncated
    EXPECT_EQ(column, 1);
    EXPECT_EQ(y, 19);

    // Folders F1 F2 F3 then file X go on from where the folders ended.
    FakeSurface p(85, 85);
    column = 0;
    y = 0;
    ASSERT_TRUE(DrawLines({"F1", "F2", "F3"}, p, a, Grid(2, 10, 100), false, column, y));
    ASSERT_TRUE(DrawLines({"X"}, p, a, Grid(2, 10, 100), false, column, y));
    t = p.texts();
    ASSERT_EQ(t.size(), 4u);
    EXPECT_EQ(t[3].text, "X");
    EXPECT_EQ(std::make_pair(t[3].x, t[3].y), std::make_pair(115, 30));
    EXPECT_EQ(std::make_pair(t[2].x, t[2].y), std::make_pair(15, 30));
}

TEST(PageLayout, FitTestCountsWholeRowsOnly)
{
    GridFit g;
    g.columns = 2;
    g.lineHeight = 10;
    const PrintArea a{0, 0, 100, 20};
    EXPECT_TRUE(GridFits(a, 5, g));  // 5 / 2 = 2 rows = 20
    EXPECT_FALSE(GridFits(a, 6, g)); // 3 rows = 30
    EXPECT_TRUE(GridFits(a, 0, g));
}

TEST(PageLayout, PreviewOverflowEndsWithTheRedLine)
{
    FakeSurface s(85, 85);
    const PrintArea a{10, 20, 400, 100};
    int column = 0, y = 0;
    // One column, lines 20 high: after row 4, y = 80 and 2 × 20 > 100 - 80.
    const bool done = DrawLines(Lines(10, "F"), s, a, Grid(1, 20, 100), true, column, y);
    EXPECT_FALSE(done);
    auto t = s.texts();
    ASSERT_EQ(t.size(), 5u);
    EXPECT_EQ(t[3].text, "F3");
    EXPECT_EQ(t[4], (FakeSurface::Op{'T', 15, 100, 0, 0, OVERFLOW_LINE, 10, true, 0}));

    // Through the whole page: no file line follows an overflow in the folders,
    // and on paper (a long one, so that the lines run on upon it) there is no
    // such line.
    for (bool preview : {true, false}) {
        FakeSurface r(85, 85, 96, 540, preview ? 470 : 999999);
        RenderPage(r, {PrintLayout::Cover, false, preview, "D"}, Lines(5000, "F"), {"FILE"}, [] { return false; });
        bool sawFile = false, sawWarning = false;
        for (const auto &o : r.texts()) {
            sawFile |= o.text == "FILE";
            sawWarning |= o.text == OVERFLOW_LINE;
        }
        EXPECT_EQ(sawFile, !preview);
        EXPECT_EQ(sawWarning, preview);
    }
    // On paper, the rows that would run past the page are left out.
    FakeSurface paper(85, 85, 96, 540, 470);
    RenderPage(paper, {PrintLayout::Cover, false, false, "D"}, Lines(5000, "F"), {}, nullptr);
    ASSERT_GT(paper.texts().size(), 100u);
    for (const auto &o : paper.texts())
        EXPECT_LE(o.y + 2 * o.points + 2, 470) << o.text;
}

TEST(PageLayout, FitQuestionOnPaperOnly)
{
    struct Case {
        const char *name;
        PrintLayout layout;
        bool preview;
        int lines;
        bool answer;
        bool asked;
        bool result;
        bool linesDrawn;
    };
    const std::vector<Case> cases = {
        {"cover that fits", PrintLayout::Cover, false, 10, true, false, true, true},
        {"cover too full, abort", PrintLayout::Cover, false, 100000, true, true, false, false},
        {"cover too full, go on", PrintLayout::Cover, false, 100000, false, true, true, true},
        {"preview never asks", PrintLayout::Cover, true, 100000, true, false, true, true},
        {"a list never asks", PrintLayout::List, false, 100000, true, false, true, true},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        FakeSurface s(600, 600, 600, 4800);
        int asked = 0;
        const bool r = RenderPage(s, {c.layout, false, c.preview, "D"}, Lines(c.lines, "Line of text "), {}, [&] {
            ++asked;
            return c.answer;
        });
        EXPECT_EQ(asked, c.asked ? 1 : 0);
        EXPECT_EQ(r, c.result);
        EXPECT_EQ(s.texts().size() > 1, c.linesDrawn);
    }
}

TEST(PageLayout, TitleAndFirstRow)
{
    FakeSurface s(85, 85);
    RenderPage(s, {PrintLayout::Cover, false, true, "Title"}, {"a", "b", "c"}, {}, nullptr);
    const auto t = s.texts();
    ASSERT_EQ(t.size(), 4u);
    // Title: 5 × 14 wide, 28 high, centred on 10 .. 411.
    EXPECT_EQ(t[0], (FakeSurface::Op{'T', 10 + 401 / 2 - 70 / 2, 25, 0, 0, "Title", 14, false, 0}));
    // Lines at 8 points, 401 / 8 = 50 columns of 8, first row at 28 + 3.
    EXPECT_EQ(std::make_pair(t[1].x, t[1].y), std::make_pair(15, 51));
    EXPECT_EQ(std::make_pair(t[2].x, t[2].y), std::make_pair(23, 51));
    EXPECT_EQ(t[3].points, 8);
}

namespace {

// The operations of each page, split at the page breaks.
std::vector<std::vector<FakeSurface::Op>> Pages(const FakeSurface &s)
{
    std::vector<std::vector<FakeSurface::Op>> pages(1);
    for (const auto &o : s.ops) {
        if (o.kind == 'P')
            pages.emplace_back();
        else
            pages.back().push_back(o);
    }
    return pages;
}

} // namespace

TEST(PageLayout, ListOfContentsRunsOnOverPages)
{
    // Preview-sized pages: 470 high. Title "Disk" 28 high, rows from 31;
    // lines of 40 characters are 320 wide at 8 points, so one column of
    // rows 18 high; the foot "Page 1 of 1" is 16 high at 470 - 20 - 16 = 434.
    // Rows fit while 20 + y + 18 <= 434: y = 31, 49, .. 391, 21 rows a page.
    const std::vector<std::string> folders = Lines(30, std::string(38, 'F'));
    const std::vector<std::string> files = Lines(20, std::string(38, 'f'));
    FakeSurface s(85, 85, 96, 540, 470);
    int pageCount = 0;
    ASSERT_TRUE(RenderPage(s, {PrintLayout::List, false, false, "Disk"}, folders, files, nullptr, &pageCount));
    EXPECT_EQ(pageCount, 3);
    const auto pages = Pages(s);
    ASSERT_EQ(pages.size(), 3u);
    const std::vector<std::size_t> linesOnPage = {21, 21, 8};
    for (std::size_t p = 0; p < pages.size(); ++p) {
        SCOPED_TRACE("page " + std::to_string(p + 1));
        const auto &ops = pages[p];
        ASSERT_EQ(ops.size(), linesOnPage[p] + 2);
        // The disk's name at the top, the page number at the foot, both centred.
        EXPECT_EQ(ops[0], (FakeSurface::Op{'T', 10 + 530 / 2 - 56 / 2, 25, 0, 0, "Disk", 14, false, 0}));
        const std::string foot = "Page " + std::to_string(p + 1) + " of 3";
        EXPECT_EQ(ops[1], (FakeSurface::Op{'T', 10 + 530 / 2 - 88 / 2, 434, 0, 0, foot, 8, false, 0}));
        // The rows start under the title on every page and stay above the foot.
        EXPECT_EQ(std::make_pair(ops[2].x, ops[2].y), std::make_pair(15, 51));
        EXPECT_LE(ops.back().y + 18, 434);
    }
    // Folders run on into the files without a gap; the last line is on the last page.
    EXPECT_EQ(pages[1][2].text, folders[21]);
    EXPECT_EQ(pages[1].back().text, files[11]);
    EXPECT_EQ(pages[2][2].text, files[12]);
    EXPECT_EQ(pages[2].back().text, files.back());
    EXPECT_EQ(std::make_pair(pages[2].back().x, pages[2].back().y), std::make_pair(15, 51 + 7 * 18));

    // The preview draws one page of them, with no page break.
    for (int page : {0, 2, 7}) {
        SCOPED_TRACE("preview page " + std::to_string(page));
        FakeSurface one(85, 85, 96, 540, 470);
        RenderPage(one, {PrintLayout::List, false, true, "Disk", page}, folders, files, nullptr, &pageCount);
        EXPECT_EQ(pageCount, 3);
        EXPECT_EQ(one.ops, pages[static_cast<std::size_t>(std::min(page, 2))]);
    }
}

TEST(PageLayout, PagesOfAList)
{
    struct Case {
        const char *name;
        int firstRow, footTop;
        double lineHeight;
        std::size_t lines;
        int columns;
        ListPages expected;
    };
    const PrintArea a{10, 20, 540, LIST_BOTTOM};
    const std::vector<Case> cases = {
        {"nothing is one page", 31, 434, 18, 0, 2, {21, 1}},
        {"a full page", 31, 434, 18, 42, 2, {21, 1}},
        {"one line more", 31, 434, 18, 43, 2, {21, 2}},
        {"a page too small for a row still takes one", 31, 60, 18, 3, 1, {1, 3}},
        {"fractional heights add up truncated", 0, 60, 12.5, 10, 1, {3, 4}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        const ListPages p = PaginateList(a, c.firstRow, c.lineHeight, c.footTop, c.lines, c.columns);
        EXPECT_EQ(p.rowsPerPage, c.expected.rowsPerPage);
        EXPECT_EQ(p.pages, c.expected.pages);
    }
}

TEST(PageLayout, LongTitlesStayInsideTheFrame)
{
    // In the fake font a title is 1 unit per byte per point wide: the cover
    // leaves 401 - 10 units, so 28 bytes fit at 13 points, 40 at 9 points,
    // 48 at 8 points; longer ones are cut in the middle with "…" (3 bytes)
    // at 8 points.
    struct Case {
        const char *name;
        std::size_t length;
        int points;
        bool shortened;
    };
    const std::vector<Case> cases = {
        {"fits at 14 points", 27, 14, false}, {"a size smaller", 30, 13, false}, {"at 9 points", 43, 9, false},
        {"at 8 points", 48, 8, false},        {"shortened", 49, 8, true},        {"very long", 400, 8, true},
    };
    const PrintArea cover = LayoutFrame(PrintLayout::Cover, true, 85, 85, 540).area;
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        const std::string title(c.length, 'T');
        FakeSurface s(85, 85);
        RenderPage(s, {PrintLayout::Cover, true, true, title}, {}, {}, nullptr);
        ASSERT_EQ(s.texts().size(), 1u);
        const auto t = s.texts()[0];
        EXPECT_EQ(t.points, c.points);
        const int width = static_cast<int>(t.text.size()) * t.points;
        EXPECT_GE(t.x, cover.left + 5);
        EXPECT_LE(t.x + width, cover.right - 5);
        if (c.shortened) {
            const auto kept = static_cast<std::size_t>((cover.right - cover.left - 10) / 8 - 3);
            EXPECT_EQ(t.text, std::string((kept + 1) / 2, 'T') + "\xE2\x80\xA6" + std::string(kept / 2, 'T'));
        } else {
            EXPECT_EQ(t.text, title);
        }
    }

    // The spines of a framed back cover: the name runs along them within the frame.
    const PageFrame back = LayoutFrame(PrintLayout::BackCover, true, 85, 85, 540);
    for (std::size_t length : {std::size_t(10), std::size_t(60), std::size_t(500)}) {
        SCOPED_TRACE(length);
        FakeSurface s(85, 85);
        // A title of a Windows listing keeps its letters when it is cut.
        const std::string title = std::string(length, 'S') + "\xe9";
        RenderPage(s, {PrintLayout::BackCover, true, true, title}, {}, {}, nullptr);
        const auto t = s.texts();
        ASSERT_EQ(t.size(), 3u);
        for (int i : {0, 1}) {
            const int height = s.rotatedHeights.back();
            const int w = static_cast<int>(t[static_cast<std::size_t>(i)].text.size()) * height / 2;
            // Upward text spans y - w .. y, downward y .. y + w.
            const int top = i == 0 ? t[0].y - w : t[1].y;
            EXPECT_GE(top, back.area.top);
            EXPECT_LE(top + w, back.area.bottom);
        }
        EXPECT_EQ(t[0].text, t[1].text);
        if (length > 60) {
            EXPECT_NE(t[0].text.find("S\xE2\x80\xA6S"), std::string::npos);
            EXPECT_EQ(t[0].text.substr(t[0].text.size() - 3), "S\xC3\xA9");
        } else
            EXPECT_EQ(t[0].text, title);
    }
}
