#pragma once

#include "print/PageLayout.h"

#include <QFont>
#include <QImage>

#include <functional>
#include <string>
#include <vector>

class QPagedPaintDevice;
class QPaintDevice;
class QPainter;

namespace rkm {

// The layout's surface over a paint device: a printer's page or the
// preview image. Fonts are made at the device's resolution. Without a
// painter it only measures (to settle questions before a job begins).
class QtPrintSurface final : public PrintSurface {
public:
    // `paged` is the device again when it takes more than one page (a
    // printer or a PDF writer), else null.
    QtPrintSurface(QPaintDevice &device, QPainter *painter, double dpiX, double dpiY, int printableWidth,
                   int printableHeight, QPagedPaintDevice *paged = nullptr);

    double dpiX() const override { return m_dpiX; }
    double dpiY() const override { return m_dpiY; }
    double fontDpiY() const override;
    int printableWidth() const override { return m_printableWidth; }
    int printableHeight() const override { return m_printableHeight; }
    void newPage() override;
    void setFont(int points, bool red) override;
    bool setRotatedFont(int charHeight, int angle) override;
    TextExtent textExtent(std::string_view text) override;
    void drawText(int x, int y, std::string_view text) override;
    void drawRect(int x1, int y1, int x2, int y2) override;

private:
    QPaintDevice &m_device;
    QPainter *m_painter;
    QPagedPaintDevice *m_paged;
    QFont m_font;
    bool m_red = false;
    double m_dpiX, m_dpiY;
    int m_printableWidth;
    int m_printableHeight;
    int m_angle = 0;
};

// The face every printed text uses; fontconfig maps it to Liberation Serif.
QFont PrintFont();

// The preview image: 540 × 470 units, white with a one-unit black outline,
// the page laid out at 85 dots per inch. It holds `pixelRatio` pixels per
// unit (the screen's device pixel ratio), so it stays sharp on a screen
// scaled to 200 %. A list of contents longer than the image shows page
// `request.page` (from 0) of it; `pageCount`, when given, receives the number
// of pages.
QImage RenderPreviewImage(const PageRequest &request, const std::vector<std::string> &folderLines,
                          const std::vector<std::string> &fileLines, qreal pixelRatio = 1.0, int *pageCount = nullptr);

// Prints on a paged device (a printer that is set up and chosen, or a PDF
// writer): a cover on one page, a list of contents on as many as it takes.
// When the lines do not fit a cover, `askAbort` is asked before the job
// begins; when it answers true nothing is printed and the answer is false.
// Throws RackmereError when the device cannot start the job.
bool PrintPage(QPagedPaintDevice &device, const PageRequest &request, const std::vector<std::string> &folderLines,
               const std::vector<std::string> &fileLines, const std::function<bool()> &askAbort);

// The print job's title for a disk.
QString JobTitle(const std::string &diskName);

} // namespace rkm
