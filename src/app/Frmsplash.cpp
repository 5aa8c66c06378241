#include "app/Frmsplash.h"

#include <QGuiApplication>
#include <QIcon>
#include <QImage>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QPalette>
#include <QPixmap>
#include <QScreen>

namespace rkm {

namespace {
int g_minimumMs = 2000;
}

QPixmap TfrmSplash::picture(QSize size, qreal pixelRatio, bool highColour)
{
    const qreal ratio = pixelRatio > 0 ? pixelRatio : 1.0;
    QImage image(qRound(size.width() * ratio), qRound(size.height() * ratio), QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    // Night blue fading into black, the program's picture, and its name.
    QLinearGradient sky(0, 0, 0, size.height());
    sky.setColorAt(0, QColor(0x1d, 0x2f, 0x4d));
    sky.setColorAt(1, QColor(0x02, 0x04, 0x0a));
    p.fillRect(QRect(QPoint(0, 0), size), sky);
    QIcon(QStringLiteral(":/icons/rackmere.png")).paint(&p, QRect(22, 42, 112, 112));
    QFont title = p.font();
    title.setPixelSize(30);
    title.setBold(true);
    p.setFont(title);
    p.setPen(Qt::white);
    p.drawText(QRect(148, 60, size.width() - 150, 40), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Rackmere"));
    QFont line = p.font();
    line.setPixelSize(15);
    line.setBold(false);
    p.setFont(line);
    p.setPen(QColor(0xc8, 0xd8, 0xf0));
    p.drawText(QRect(152, 104, size.width() - 154, 24), Qt::AlignLeft | Qt::AlignVCenter,
               tr("Disk catalogue  V1.0"));
    p.end();
    if (!highColour) {
        QImage few =
            image.convertToFormat(QImage::Format_RGB32).convertToFormat(QImage::Format_Indexed8, Qt::DiffuseDither);
        few.setDevicePixelRatio(ratio);
        return QPixmap::fromImage(few);
    }
    return QPixmap::fromImage(image);
}

int TfrmSplash::minimumMilliseconds()
{
    return g_minimumMs;
}

void TfrmSplash::setMinimumMillisecondsForTests(int ms)
{
    g_minimumMs = ms;
}

TfrmSplash::TfrmSplash(QWidget *owner)
    : QWidget(owner, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
{
    setObjectName(QStringLiteral("frmSplash"));
    setAttribute(Qt::WA_QuitOnClose, false);
    setFixedSize(330, 220);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::black);
    pal.setColor(QPalette::WindowText, Qt::white);
    setPalette(pal);

    // A splash of fixed size with fixed places: no layout needed.
    m_pImage16m = new QLabel(this);
    m_pImage16m->setObjectName(QStringLiteral("m_pImage16m"));
    m_pImage16m->setGeometry(4, 4, 325, 198);
    m_pImage16m->setAlignment(Qt::AlignCenter);
    // Drawn for the screen's pixel ratio: sharp on a screen scaled to 200 %.
    const QScreen *screen = QGuiApplication::primaryScreen();
    const qreal ratio = screen ? screen->devicePixelRatio() : 1.0;
    m_pImage16m->setPixmap(picture(QSize(325, 198), ratio, true));

    m_pImage256 = new QLabel(this);
    m_pImage256->setObjectName(QStringLiteral("m_pImage256"));
    m_pImage256->setGeometry(4, 4, 322, 198);
    m_pImage256->setAlignment(Qt::AlignCenter);
    m_pImage256->setPixmap(picture(QSize(322, 198), ratio, false));

    Label1 = new QLabel(tr("Loading..."), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setGeometry(8, 204, 317, 17);
    Label1->setAlignment(Qt::AlignCenter);

    if (QScreen *s = QGuiApplication::primaryScreen())
        move(s->geometry().center() - rect().center());
}

void TfrmSplash::useColourDepth(int bitsPerPixel)
{
    const bool high = bitsPerPixel > 8;
    m_pImage16m->setVisible(high);
    m_pImage256->setVisible(!high);
}

} // namespace rkm
