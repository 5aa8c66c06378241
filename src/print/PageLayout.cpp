#include "print/PageLayout.h"

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

// Columns and their width for the widest line's width `w`. A line wider than
// the area still gets one column, as wide as the area; it runs past the edge.
void SetColumns(GridFit &g, const PrintArea &a, int w)
{
    const int width = a.right - a.left;
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

int SpineFontHeight(double fontDpiY)
{
    return static_cast<int>(std::lround(14.0 * fontDpiY / 72.0));
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

bool DrawLines(const std::vector<std::string> &lines, PrintSurface &surface, const PrintArea &area, int columns,
               double lineHeight, bool preview, int columnWidth, int &column, int &yOffset)
{
    for (const std::string &line : lines) {
        surface.drawText(area.left + 5 + column * columnWidth, area.top + yOffset, line);
        if (++column < columns)
            continue;
        column = 0;
        yOffset = Trunc(yOffset + lineHeight);
        if (preview && 2 * lineHeight > area.bottom - yOffset) {
            surface.setFont(OVERFLOW_POINTS, true);
            surface.drawText(area.left + 5, area.top + yOffset, OVERFLOW_LINE);
            return false;
        }
    }
    return true;
}

bool RenderPage(PrintSurface &surface, const PageRequest &r, const std::vector<std::string> &folderLines,
                const std::vector<std::string> &fileLines, const std::function<bool()> &askAbort)
{
    const PageFrame f = LayoutFrame(r.layout, r.frame, surface.dpiX(), surface.dpiY(), surface.printableWidth());
    const PrintArea &a = f.area;
    for (const PrintArea &rect : f.rects)
        surface.drawRect(rect.left, rect.top, rect.right, rect.bottom);

    if (f.spines) {
        const int height = SpineFontHeight(surface.fontDpiY());
        // Both names are centred on half the area's height from the page's
        // top. When either turned font cannot be made there are no titles.
        if (surface.setRotatedFont(height, 270)) {
            const int th = surface.textExtent(r.title).cy;
            if (surface.setRotatedFont(height, 90)) {
                const int w = surface.textExtent(r.title).cx;
                surface.drawText(10, (a.bottom - a.top) / 2 + w / 2, r.title);
                surface.setRotatedFont(height, 270);
                surface.drawText(a.right + th, (a.bottom - a.top) / 2 - w / 2, r.title);
            }
        }
    }

    surface.setFont(TITLE_POINTS);
    const TextExtent t = surface.textExtent(r.title);
    surface.drawText(a.left + (a.right - a.left) / 2 - t.cx / 2, a.top + 5, r.title);
    int yOffset = t.cy + 3;

    const GridFit g = FitFont(surface, a, folderLines, fileLines);
    if (!r.preview && askAbort && !GridFits(a, folderLines.size() + fileLines.size(), g) && askAbort())
        return false;

    int column = 0;
    if (DrawLines(folderLines, surface, a, g.columns, g.lineHeight, r.preview, g.columnWidth, column, yOffset))
        DrawLines(fileLines, surface, a, g.columns, g.lineHeight, r.preview, g.columnWidth, column, yOffset);
    return true;
}

} // namespace rkm
