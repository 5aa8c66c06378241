#pragma once

#include "catalog/Disks.h"
#include "platform/Translated.h"
#include "print/PrintSettings.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace rkm {

// The size of a text's cell in device units.
struct TextExtent {
    int cx = 0;
    int cy = 0;
};

// What the layout draws on: the printer's page or the preview image. Every
// position and length is in whole device units from the top-left corner.
class PrintSurface {
public:
    virtual ~PrintSurface() = default;
    // The resolution lengths in centimetres are measured in (85 in the preview).
    virtual double dpiX() const = 0;
    virtual double dpiY() const = 0;
    // The vertical resolution fonts are made in (the display's in the preview).
    virtual double fontDpiY() const = 0;
    // The width of the printable area: the right edge of a list of contents.
    virtual int printableWidth() const = 0;
    // The height of one page: a list of contents continues on the next page
    // before its foot.
    virtual int printableHeight() const = 0;
    // Ends the page and starts the next one (a list of contents longer than a page).
    virtual void newPage() = 0;
    // Selects "Times New Roman" at a point size, black or red.
    virtual void setFont(int points, bool red = false) = 0;
    // Selects "Times New Roman" with a character height in device units,
    // turned by `angle` degrees: 90 reads upward, 270 downward. False when
    // such a font cannot be made.
    virtual bool setRotatedFont(int charHeight, int angle) = 0;
    // The cell of a text in the selected font, measured along its baseline.
    virtual TextExtent textExtent(std::string_view text) = 0;
    // Writes a text with the top-left corner of its cell (before turning) at (x, y).
    virtual void drawText(int x, int y, std::string_view text) = 0;
    // An outline rectangle covering x1 .. x2 - 1 and y1 .. y2 - 1, white inside.
    virtual void drawRect(int x1, int y1, int x2, int y2) = 0;
};

struct PrintArea {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    bool operator==(const PrintArea &) const = default;
};

// The area of a layout and the outline rectangles around it, in drawing order.
struct PageFrame {
    PrintArea area;
    std::vector<PrintArea> rects;
    bool spines = false; // the disk's name along both spines
};

inline constexpr int PREVIEW_WIDTH = 540;
inline constexpr int PREVIEW_HEIGHT = 470;
inline constexpr double PREVIEW_DPI = 85;
inline constexpr int LIST_BOTTOM = 999999;
inline constexpr int FIRST_FONT_POINTS = 8;
inline constexpr int SMALLEST_FONT_POINTS = 2;
inline constexpr char OVERFLOW_LINE[] = QT_TRANSLATE_NOOP("rkm::Core", "[Printing will exceed bounds!]");

PageFrame LayoutFrame(PrintLayout layout, bool frame, double dpiX, double dpiY, int printableWidth);

// The spine titles' character height: 14 points (or `points`) at the font
// resolution, rounded.
int SpineFontHeight(double fontDpiY, int points = 14);

// The room kept between a text and the edge of the box it is drawn in (a
// frame line, the edge of the printable area): 1.5 mm at a resolution, and
// never less than 5 units (the preview's).
int TextGap(double dpi);

// The grid the lines are laid out in. The columns start `gap` units inside
// the area's left edge and end `gap` units inside its right edge.
struct GridFit {
    int fontPoints = FIRST_FONT_POINTS;
    int columns = 2;
    int columnWidth = 0;
    double lineHeight = 0;
    int gap = 5;
    int widest = 0; // the widest line's width: a line wider than a column is shortened
};

// Whether `lineCount` lines in the grid stay above `bottom` (whole rows only:
// a part row does not count).
bool GridFits(const PrintArea &area, std::size_t lineCount, const GridFit &grid);

// Chooses the font size (8 points down to 2) and the grid for the lines,
// leaving the surface's font at the size chosen. A line wider than the area
// gets one column as wide as the area.
GridFit FitFont(PrintSurface &surface, const PrintArea &area, const std::vector<std::string> &folderLines,
                const std::vector<std::string> &fileLines);

// Writes `lines` into the grid row by row, from `column` and `yOffset`
// (relative to the area's top), which it moves on; a line wider than its
// column is shortened in the middle (ShortenToWidth). In the preview, a row
// that would leave less than two lines' room ends the drawing with the red
// overflow line and answers false. On paper, rows that would run past the
// page's printable height are not drawn.
bool DrawLines(const std::vector<std::string> &lines, PrintSurface &surface, const PrintArea &area, const GridFit &grid,
               bool preview, int &column, int &yOffset);

struct PageRequest {
    PrintLayout layout = PrintLayout::List;
    bool frame = false;
    bool preview = false;
    std::string title; // the disk's name
    // Only this page (counted from 0) of a list of contents is drawn, with no
    // page break, as the preview shows one page at a time; -1 draws them all.
    int page = -1;
};

// The title of a disk's pages: a list of contents is headed by the name the
// listing is shown by in `catalog` (Catalog::displayName), so that the pages
// of two listings of one name are told apart; a cover bears the disk's name.
std::string PageTitle(const Catalog *catalog, const TreeNode &disk, PrintLayout layout);

// The smallest size a title is set in before it is shortened with an ellipsis.
inline constexpr int SMALLEST_TITLE_POINTS = 8;

// A title as it is set into `maxWidth` units: the largest size from
// `points` down to 8 points at which it fits, else at 8 points shortened in
// the middle with "…" (ShortenToWidth). `setFont` selects the font of a size
// on the surface; the surface is left with the size chosen selected.
struct FittedTitle {
    int points = 0;
    std::string text; // the title, or its shortened form (UTF-8)
    TextExtent extent;
};
FittedTitle FitTitle(PrintSurface &surface, const std::string &title, int points, int maxWidth,
                     const std::function<void(int points)> &setFont);

// The rows of a list of contents on one page, and the pages `lineCount`
// lines take in a grid of `columns`: each page has the title at the top
// (rows start at `firstRow`, relative to the area's top) and the page
// number at its foot, above `footTop`.
struct ListPages {
    int rowsPerPage = 1;
    int pages = 1;
};
ListPages PaginateList(const PrintArea &area, int firstRow, double lineHeight, int footTop, std::size_t lineCount,
                       int columns);

// The text at the foot of a page of a list of contents.
std::string PageFootText(int page, int pages);

// Lays out the page: a cover on one page, a list of contents on as many as it
// takes. On paper, when the lines do not fit a cover, `askAbort` is asked
// whether to give up (null: never asked, the lines run on); when it answers
// true nothing more is drawn and the answer is false. `pageCount`, when
// given, receives the number of pages.
bool RenderPage(PrintSurface &surface, const PageRequest &request, const std::vector<std::string> &folderLines,
                const std::vector<std::string> &fileLines, const std::function<bool()> &askAbort,
                int *pageCount = nullptr);

} // namespace rkm
