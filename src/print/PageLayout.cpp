#include "print/PageLayout.h"

#include "print/ShortenText.h"

#include <algorithm>
#include <cmath>

namespace rkm {

namespace {

// A length in centimetres in device units of a resolution, with its fraction.
double Units(double cm, double dpi)
{
    return cm / 2.54 * dpi;
}

int Trunc(double v)
{
    return static_cast<int>(v); // toward zero
}

constexpr int TITLE_POINTS = 14;
constexpr int OVERFLOW_POINTS = 10;

// A text as it fits `maxWidth` units in the surface's current font.
std::string Fitted(PrintSurface &surface, std::string_view text, int maxWidth)
{
    return ShortenToWidth(text, maxWidth, [&](std::string_view t) { return surface.textExtent(t).cx; });
}

// Calls `f` for every line of both lists in order, with the number of lines
// still to come after it; stops when `f` answers false.
template <class F> void ForEachLine(const std::vector<std::string> &first, const std::vector<std::string> &second, F f)
{
    std::size_t left = first.size() + second.size();
    for (const auto *list : {&first, &second})
        for (const std::string &line : *list)
            if (!f(line, --left))
                return;
}

// Columns and their width for the widest line's width `w`, between the gaps
// at both sides of the area. A line wider than that still gets one column,
// as wide as the room; it is shortened as it is drawn.
void SetColumns(GridFit &g, const PrintArea &a, int w)
{
    g.widest = w;
    const int width = std::max(a.right - a.left - 2 * g.gap, 1);
    g.columns = width / w;
    if (g.columns < 1) {
        g.columns = 1;
        g.columnWidth = width;
        return;
    }
    g.columnWidth = width / g.columns;
}

} // namespace

PageFrame LayoutFrame(PrintLayout layout, bool frame, double dpiX, double dpiY, int printableWidth)
{
    PageFrame f;
    PrintArea &a = f.area;
    switch (layout) {
    case PrintLayout::Cover:
        a = {10, 20, Trunc(Units(12, dpiX) + 10), Trunc(Units(12, dpiY) + 20)};
        if (frame)
            f.rects.push_back(a);
        break;
    case PrintLayout::BackCover:
        if (frame) {
            const double s = Units(0.7, dpiX);
            const double m = s + 10;
            a = {Trunc(m), 20, Trunc(Units(13.7, dpiX) + m), Trunc(Units(11.8, dpiY) + 20)};
            f.rects.push_back({Trunc(a.left - s), a.top, a.left + 1, a.bottom});
            f.rects.push_back(a);
            f.rects.push_back({a.right - 1, a.top, Trunc(a.right + s), a.bottom});
            f.spines = true;
        } else {
            a = {10, 20, Trunc(Units(13.7, dpiX) + 10), Trunc(Units(11.8, dpiY) + 20)};
        }
        break;
    case PrintLayout::List:
        a = {10, 20, printableWidth, LIST_BOTTOM};
        break;
    }
    return f;
}

int TextGap(double dpi)
{
    return std::max(5, Trunc(Units(0.15, dpi)));
}

int SpineFontHeight(double fontDpiY, int points)
{
    return static_cast<int>(std::lround(points * fontDpiY / 72.0));
}

FittedTitle FitTitle(PrintSurface &surface, const std::string &title, int points, int maxWidth,
                     const std::function<void(int points)> &setFont)
{
    FittedTitle f;
    for (f.points = points;; --f.points) {
        setFont(f.points);
        f.extent = surface.textExtent(title);
        if (f.extent.cx <= maxWidth) {
            f.text = title;
            return f;
        }
        if (f.points <= SMALLEST_TITLE_POINTS)
            break;
    }
    // Too wide even at the smallest size: shortened in the middle.
    f.text = Fitted(surface, title, maxWidth);
    f.extent = surface.textExtent(f.text);
    return f;
}

ListPages PaginateList(const PrintArea &area, int firstRow, double lineHeight, int footTop, std::size_t lineCount,
                       int columns)
{
    ListPages p;
    int rows = 0;
    for (int y = firstRow; area.top + y + lineHeight <= footTop; y = Trunc(y + lineHeight))
        ++rows;
    // A page too small for one row still takes one: the page runs over.
    p.rowsPerPage = std::max(rows, 1);
    const std::size_t cols = static_cast<std::size_t>(std::max(columns, 1));
    const std::size_t allRows = (lineCount + cols - 1) / cols;
    const std::size_t perPage = static_cast<std::size_t>(p.rowsPerPage);
    p.pages = std::max(1, static_cast<int>((allRows + perPage - 1) / perPage));
    return p;
}

std::string PageFootText(int page, int pages)
{
    return Utf8(rkm::Core::tr("Page %1 of %2").arg(page).arg(pages));
}

bool GridFits(const PrintArea &area, std::size_t lineCount, const GridFit &grid)
{
    const auto rows = static_cast<double>(lineCount / static_cast<std::size_t>(grid.columns));
    return area.bottom >= rows * grid.lineHeight;
}

GridFit FitFont(PrintSurface &surface, const PrintArea &area, const std::vector<std::string> &folderLines,
                const std::vector<std::string> &fileLines)
{
    GridFit g;
    g.gap = TextGap(surface.dpiX());
    surface.setFont(g.fontPoints);
    // The first of the widest lines: a later one replaces it only when wider.
    const std::string *widest = nullptr;
    TextExtent wide;
    for (const auto *list : {&folderLines, &fileLines})
        for (const std::string &line : *list) {
            const TextExtent e = surface.textExtent(line);
            if (!widest || e.cx > wide.cx) {
                widest = &line;
                wide = e;
            }
        }
    if (!widest)
        wide = surface.textExtent({});
    g.lineHeight = wide.cy + 2;
    if (wide.cx == 0)
        return g;
    SetColumns(g, area, wide.cx);
    const std::size_t n = folderLines.size() + fileLines.size();
    while (!GridFits(area, n, g) && g.fontPoints > SMALLEST_FONT_POINTS) {
        --g.fontPoints;
        surface.setFont(g.fontPoints);
        wide = surface.textExtent(*widest);
        g.lineHeight = wide.cy + 2;
        if (wide.cx == 0) { // nothing left to measure at this size
            g.columns = 2;
            g.columnWidth = 0;
            break;
        }
        SetColumns(g, area, wide.cx);
    }
    return g;
}

namespace {

// Writes one line into its place in the grid, shortened when it is wider
// than its column (lines are measured again only when the widest is).
void DrawGridLine(PrintSurface &surface, const PrintArea &a, const GridFit &g, int column, int yOffset,
                  const std::string &line)
{
    const int x = a.left + g.gap + column * g.columnWidth;
    if (g.widest <= g.columnWidth || g.columnWidth <= 0 || surface.textExtent(line).cx <= g.columnWidth)
        surface.drawText(x, a.top + yOffset, line);
    else
        surface.drawText(x, a.top + yOffset, Fitted(surface, line, g.columnWidth));
}

} // namespace

bool DrawLines(const std::vector<std::string> &lines, PrintSurface &surface, const PrintArea &area, const GridFit &grid,
               bool preview, int &column, int &yOffset)
{
    for (const std::string &line : lines) {
        // What runs past the paper is lost: it is not drawn at all.
        if (!preview && area.top + yOffset + grid.lineHeight > surface.printableHeight())
            return true;
        DrawGridLine(surface, area, grid, column, yOffset, line);
        if (++column < grid.columns)
            continue;
        column = 0;
        yOffset = Trunc(yOffset + grid.lineHeight);
        if (preview && 2 * grid.lineHeight > area.bottom - yOffset) {
            surface.setFont(OVERFLOW_POINTS, true);
            surface.drawText(area.left + grid.gap, area.top + yOffset, Utf8(rkm::Core::tr(OVERFLOW_LINE)));
            return false;
        }
    }
    return true;
}

namespace {

// The room inside a spine's outline, across it.
int Across(const PrintArea &spine)
{
    return spine.right - spine.left - 2;
}

// The disk's name along both spines of a framed back cover, set smaller or
// shortened where it is longer or wider than the spine, centred across each
// spine. Both names are centred on half the area's height from the page's
// top. When either turned font cannot be made there are no spine titles.
void DrawSpineTitles(PrintSurface &surface, const PageFrame &f, const std::string &title)
{
    const PrintArea &a = f.area, &left = f.rects.front(), &right = f.rects.back();
    const double fontDpi = surface.fontDpiY();
    int height = SpineFontHeight(fontDpi);
    if (!surface.setRotatedFont(height, 270) || !surface.setRotatedFont(height, 90))
        return;
    const int middle = (a.bottom - a.top) / 2;
    const int room = 2 * std::min(middle - a.top, a.bottom - middle) - 2 * TextGap(surface.dpiY());
    const auto setFont = [&](int points) {
        height = SpineFontHeight(fontDpi, points);
        surface.setRotatedFont(height, 90);
    };
    // The name's height lies across the spine: a spine narrower than the
    // font (a printer of a coarser resolution across than down) takes a
    // smaller one.
    const int across = std::min(Across(left), Across(right));
    int points = TITLE_POINTS;
    for (setFont(points); points > SMALLEST_TITLE_POINTS && surface.textExtent(title).cy > across;)
        setFont(--points);
    const FittedTitle spine = FitTitle(surface, title, points, room, setFont);
    const int w = spine.extent.cx;
    // The upward name's cell spans x .. x + its height, the downward one's
    // x - its height .. x.
    surface.drawText(left.left + 1 + (Across(left) - spine.extent.cy) / 2, middle + w / 2, spine.text);
    surface.setRotatedFont(height, 270);
    const int th = surface.textExtent(spine.text).cy;
    surface.drawText(right.left + 1 + (Across(right) - th) / 2 + th, middle - w / 2, spine.text);
}

// The title, centred over the area and kept inside it; answers its height.
int DrawTitle(PrintSurface &surface, const PrintArea &a, const std::string &title)
{
    const FittedTitle t = FitTitle(surface, title, TITLE_POINTS, a.right - a.left - 2 * TextGap(surface.dpiX()),
                                   [&](int points) { surface.setFont(points); });
    surface.drawText(a.left + (a.right - a.left) / 2 - t.extent.cx / 2, a.top + 5, t.text);
    return t.extent.cy;
}

// A list of contents: the grid runs on over as many pages as it needs, each
// with the title at the top and "Page n of m" at the foot.
int RenderList(PrintSurface &surface, const PageRequest &r, const PrintArea &a,
               const std::vector<std::string> &folderLines, const std::vector<std::string> &fileLines)
{
    // The title's height, measured as it is drawn, starts the rows.
    const FittedTitle title = FitTitle(surface, r.title, TITLE_POINTS, a.right - a.left - 2 * TextGap(surface.dpiX()),
                                       [&](int points) { surface.setFont(points); });
    const int firstRow = title.extent.cy + 3;
    const GridFit g = FitFont(surface, a, folderLines, fileLines);
    // The foot mirrors the title: as far above the page's bottom edge as
    // the area's top is below its top edge.
    const int footHeight = surface.textExtent(PageFootText(1, 1)).cy;
    const int footTop = surface.printableHeight() - a.top - footHeight;
    const ListPages pages = PaginateList(a, firstRow, g.lineHeight, footTop, folderLines.size() + fileLines.size(),
                                         g.columns);
    const int first = r.page < 0 ? 0 : std::min(r.page, pages.pages - 1);
    const int last = r.page < 0 ? pages.pages - 1 : first;

    const auto drawHead = [&](int page) {
        surface.setFont(title.points);
        surface.drawText(a.left + (a.right - a.left) / 2 - title.extent.cx / 2, a.top + 5, title.text);
        surface.setFont(g.fontPoints);
        const std::string foot = PageFootText(page + 1, pages.pages);
        const int cx = surface.textExtent(foot).cx;
        surface.drawText(a.left + (a.right - a.left) / 2 - cx / 2, footTop, foot);
    };
    int page = 0, row = 0, column = 0, yOffset = firstRow;
    if (page >= first)
        drawHead(page);
    ForEachLine(folderLines, fileLines, [&](const std::string &line, std::size_t linesLeft) {
        if (page >= first)
            DrawGridLine(surface, a, g, column, yOffset, line);
        if (++column < g.columns)
            return true;
        column = 0;
        yOffset = Trunc(yOffset + g.lineHeight);
        if (++row < pages.rowsPerPage || linesLeft == 0)
            return true;
        if (++page > last)
            return false;
        row = 0;
        yOffset = firstRow;
        if (r.page < 0)
            surface.newPage();
        if (page >= first)
            drawHead(page);
        return true;
    });
    return pages.pages;
}

} // namespace

bool RenderPage(PrintSurface &surface, const PageRequest &r, const std::vector<std::string> &folderLines,
                const std::vector<std::string> &fileLines, const std::function<bool()> &askAbort, int *pageCount)
{
    const PageFrame f = LayoutFrame(r.layout, r.frame, surface.dpiX(), surface.dpiY(), surface.printableWidth());
    const PrintArea &a = f.area;
    if (r.layout == PrintLayout::List) {
        const int pages = RenderList(surface, r, a, folderLines, fileLines);
        if (pageCount)
            *pageCount = pages;
        return true;
    }
    if (pageCount)
        *pageCount = 1;
    for (const PrintArea &rect : f.rects)
        surface.drawRect(rect.left, rect.top, rect.right, rect.bottom);
    if (f.spines)
        DrawSpineTitles(surface, f, r.title);
    int yOffset = DrawTitle(surface, a, r.title) + 3;

    const GridFit g = FitFont(surface, a, folderLines, fileLines);
    if (!r.preview && askAbort && !GridFits(a, folderLines.size() + fileLines.size(), g) && askAbort())
        return false;

    int column = 0;
    if (DrawLines(folderLines, surface, a, g, r.preview, column, yOffset))
        DrawLines(fileLines, surface, a, g, r.preview, column, yOffset);
    return true;
}

std::string PageTitle(const Catalog *catalog, const TreeNode &disk, PrintLayout layout)
{
    return layout == PrintLayout::List ? DisplayName(catalog, disk) : disk.text();
}

} // namespace rkm
