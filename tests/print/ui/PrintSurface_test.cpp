// The Qt surface: the preview image as drawn, and the printer's resolutions.
#include "print/render/QtPrintSurface.h"

#include <QFontInfo>
#include <QPainter>
#include <QPrinter>
#include <QTemporaryDir>
#include <QtTest>

using namespace rkm;

namespace {

bool Dark(const QImage &img, int x, int y)
{
    return qGray(img.pixel(x, y)) < 128;
}

bool White(const QImage &img, int x, int y)
{
    return img.pixel(x, y) == qRgb(255, 255, 255);
}

int RedPixels(const QImage &img)
{
    int n = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) {
            const QColor c = img.pixelColor(x, y);
            n += c.red() > 200 && c.green() < 80 && c.blue() < 80;
        }
    return n;
}

} // namespace

class PrintSurfaceTest : public QObject {
    Q_OBJECT

private slots:
    void timesNewRomanIsLiberationSerif()
    {
        const QFontInfo info(PrintFont());
        if (!info.family().contains("Liberation"))
            QSKIP("fonts-liberation is not installed");
        QCOMPARE(info.family(), QStringLiteral("Liberation Serif"));
    }

    void previewOfAFramedBackCover()
    {
        const QImage img = RenderPreviewImage({PrintLayout::BackCover, true, true, "Backup 3"}, {"Games"}, {"a.txt"});
        QCOMPARE(img.size(), QSize(540, 470));
        // The image's own outline, white inside.
        for (const QPoint p : {QPoint(0, 0), QPoint(539, 0), QPoint(0, 469), QPoint(539, 469), QPoint(270, 469)})
            QVERIFY2(Dark(img, p.x(), p.y()), qPrintable(QString("%1,%2").arg(p.x()).arg(p.y())));
        QVERIFY(White(img, 1, 1));
        QVERIFY(White(img, 520, 450));
        // Left spine 9 .. 33, panel 33 .. 490, right spine 490 .. 513, rows 20 .. 413.
        const int y = 60;
        for (int x : {9, 33, 490, 513})
            QVERIFY2(Dark(img, x, y), qPrintable(QString::number(x)));
        for (int x : {8, 20, 34, 300, 489, 500, 514})
            QVERIFY2(White(img, x, y), qPrintable(QString::number(x)));
        QVERIFY(Dark(img, 200, 20));
        QVERIFY(Dark(img, 200, 413));
        QVERIFY(White(img, 200, 414));
        // The spine titles lie inside the spines, around half the height.
        int leftInk = 0, rightInk = 0;
        for (int yy = 100; yy < 300; ++yy) {
            for (int x = 10; x < 33; ++x)
                leftInk += Dark(img, x, yy);
            for (int x = 491; x < 513; ++x)
                rightInk += Dark(img, x, yy);
        }
        QVERIFY(leftInk > 50);
        QVERIFY(rightInk > 50);
        QCOMPARE(RedPixels(img), 0);
    }

    void previewAtTwiceThePixels()
    {
        // For a screen scaled to 200 %: the same page in units, twice the pixels.
        const PageRequest r{PrintLayout::Cover, true, true, "Backup 3"};
        const QImage one = RenderPreviewImage(r, {"Games"}, {"a.txt"});
        const QImage two = RenderPreviewImage(r, {"Games"}, {"a.txt"}, 2.0);
        QCOMPARE(two.size(), QSize(1080, 940));
        QCOMPARE(two.devicePixelRatio(), 2.0);
        QCOMPARE(two.deviceIndependentSize(), QSizeF(540, 470));
        // The frame is one unit wide: two pixels, at twice the places.
        for (const QPoint p : {QPoint(10, 60), QPoint(410, 60), QPoint(200, 20), QPoint(200, 420)}) {
            QVERIFY(Dark(one, p.x(), p.y()));
            for (const QPoint d : {QPoint(0, 0), QPoint(1, 1)})
                QVERIFY2(Dark(two, 2 * p.x() + d.x(), 2 * p.y() + d.y()),
                         qPrintable(QString("%1,%2").arg(p.x()).arg(p.y())));
        }
        QVERIFY(White(two, 2 * 10 + 2, 120));
        // Text is drawn with the finer pixels, not enlarged from the coarse ones.
        int inkOne = 0, inkTwo = 0;
        for (int y = 0; y < 470; ++y)
            for (int x = 0; x < 540; ++x)
                inkOne += Dark(one, x, y);
        for (int y = 0; y < 940; ++y)
            for (int x = 0; x < 1080; ++x)
                inkTwo += Dark(two, x, y);
        QVERIFY2(inkTwo > 3 * inkOne && inkTwo < 5 * inkOne, qPrintable(QString("%1 %2").arg(inkOne).arg(inkTwo)));
    }

    void previewOverflowIsMarkedInRed()
    {
        std::vector<std::string> lines;
        for (int i = 0; i < 20000; ++i)
            lines.push_back("line-" + std::to_string(i));
        const QImage img = RenderPreviewImage({PrintLayout::Cover, false, true, "Big"}, lines, {});
        QVERIFY(RedPixels(img) > 20);
    }

    void printerResolutions()
    {
        QTemporaryDir dir;
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(dir.filePath("x.pdf"));
        printer.setResolution(600);
        QtPrintSurface s(printer, nullptr, printer.logicalDpiX(), printer.logicalDpiY(), printer.width(),
                         printer.height());
        QCOMPARE(s.fontDpiY(), 600.0);
        QCOMPARE(SpineFontHeight(s.fontDpiY()), 117);
        // 14 points at 600 dpi: a text about as high as 117 dots and a bit.
        s.setFont(14, false);
        const int cy = s.textExtent("Backup").cy;
        QVERIFY2(cy >= 117 && cy < 160, qPrintable(QString::number(cy)));
        const PrintArea cover = LayoutFrame(PrintLayout::Cover, true, s.dpiX(), s.dpiY(), s.printableWidth()).area;
        QCOMPARE(cover, (PrintArea{10, 20, 2844, 2854}));
    }
};

QTEST_MAIN(PrintSurfaceTest)
#include "PrintSurface_test.moc"
