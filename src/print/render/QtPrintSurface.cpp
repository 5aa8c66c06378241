#include "print/render/QtPrintSurface.h"

#include "catalog/Errors.h"
#include "platform/Text.h"
#include "platform/Translated.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPagedPaintDevice>

namespace rkm {

namespace {

QString Shown(std::string_view text)
{
    return platform::DecodeText(text);
}

} // namespace

QFont PrintFont()
{
    QFont f(QStringLiteral("Times New Roman"));
    f.setStyleHint(QFont::Serif, QFont::PreferOutline);
    f.setWeight(QFont::Normal);
    return f;
}

QtPrintSurface::QtPrintSurface(QPaintDevice &device, QPainter *painter, double dpiX, double dpiY, int printableWidth,
                               int printableHeight, QPagedPaintDevice *paged)
    : m_device(device), m_painter(painter), m_paged(paged), m_font(PrintFont()), m_dpiX(dpiX), m_dpiY(dpiY),
      m_printableWidth(printableWidth), m_printableHeight(printableHeight)
{
    if (m_painter)
        m_painter->setBackgroundMode(Qt::TransparentMode);
}

double QtPrintSurface::fontDpiY() const
{
    return m_device.logicalDpiY();
}

void QtPrintSurface::setFont(int points, bool red)
{
    m_font = PrintFont();
    m_font.setPointSize(points);
    m_red = red;
    m_angle = 0;
}

bool QtPrintSurface::setRotatedFont(int charHeight, int angle)
{
    if (charHeight <= 0)
        return false;
    m_font = PrintFont();
    m_font.setPixelSize(charHeight);
    m_red = false;
    m_angle = angle;
    return true;
}

TextExtent QtPrintSurface::textExtent(std::string_view text)
{
    const QFontMetrics fm(m_font, &m_device);
    return {fm.horizontalAdvance(Shown(text)), fm.height()};
}

void QtPrintSurface::drawText(int x, int y, std::string_view text)
{
    if (!m_painter)
        return;
    const QFontMetrics fm(m_font, &m_device);
    m_painter->save();
    m_painter->setFont(m_font);
    m_painter->setPen(m_red ? Qt::red : Qt::black);
    m_painter->translate(x, y);
    // The painter turns clockwise; a text at 90 degrees reads upward.
    if (m_angle)
        m_painter->rotate(-m_angle);
    m_painter->drawText(0, fm.ascent(), Shown(text));
    m_painter->restore();
}

void QtPrintSurface::drawRect(int x1, int y1, int x2, int y2)
{
    if (!m_painter || x2 <= x1 || y2 <= y1)
        return;
    // A one-unit outline on the rectangle's outermost units, x1 .. x2 - 1,
    // filled as four bars so that it is one unit wide at any pixel ratio.
    m_painter->fillRect(QRect(x1, y1, x2 - x1, y2 - y1), Qt::white);
    const int w = x2 - x1, h = y2 - y1;
    m_painter->fillRect(QRect(x1, y1, w, 1), Qt::black);
    m_painter->fillRect(QRect(x1, y2 - 1, w, 1), Qt::black);
    m_painter->fillRect(QRect(x1, y1, 1, h), Qt::black);
    m_painter->fillRect(QRect(x2 - 1, y1, 1, h), Qt::black);
}

void QtPrintSurface::newPage()
{
    if (m_painter && m_paged)
        m_paged->newPage();
}

QImage RenderPreviewImage(const PageRequest &request, const std::vector<std::string> &folderLines,
                          const std::vector<std::string> &fileLines, qreal pixelRatio, int *pageCount)
{
    const qreal ratio = pixelRatio > 0 ? pixelRatio : 1.0;
    QImage image(qRound(PREVIEW_WIDTH * ratio), qRound(PREVIEW_HEIGHT * ratio), QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::white);
    QPainter painter(&image);
    QtPrintSurface surface(image, &painter, PREVIEW_DPI, PREVIEW_DPI, PREVIEW_WIDTH, PREVIEW_HEIGHT);
    surface.drawRect(0, 0, PREVIEW_WIDTH, PREVIEW_HEIGHT);
    PageRequest r = request;
    r.preview = true;
    if (r.page < 0)
        r.page = 0;
    RenderPage(surface, r, folderLines, fileLines, nullptr, pageCount);
    painter.end();
    return image;
}

QString JobTitle(const std::string &diskName)
{
    return QStringLiteral("Rackmere - ") + Shown(diskName);
}

bool PrintPage(QPagedPaintDevice &device, const PageRequest &request, const std::vector<std::string> &folderLines,
               const std::vector<std::string> &fileLines, const std::function<bool()> &askAbort)
{
    PageRequest r = request;
    r.preview = false;
    const double dpiX = device.logicalDpiX(), dpiY = device.logicalDpiY();
    // A job once begun cannot always be taken back (a PDF file or a CUPS
    // queue gets the page all the same), so the fit question is settled by
    // measuring alone, before the job begins.
    if (askAbort) {
        QtPrintSurface measure(device, nullptr, dpiX, dpiY, device.width(), device.height());
        if (!RenderPage(measure, r, folderLines, fileLines, askAbort))
            return false;
    }
    QPainter painter;
    if (!painter.begin(&device))
        throw RackmereError(Utf8(rkm::Core::tr("The printer could not start the print job")));
    QtPrintSurface surface(device, &painter, dpiX, dpiY, device.width(), device.height(), &device);
    r.page = -1;
    RenderPage(surface, r, folderLines, fileLines, nullptr);
    painter.end();
    return true;
}

} // namespace rkm
