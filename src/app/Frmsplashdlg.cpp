#include "app/Frmsplashdlg.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPalette>
#include <QPixmap>
#include <QScreen>

namespace rkm {

namespace {
int g_minimumMs = 2000;
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
    m_pImage16m->setPixmap(QPixmap(QStringLiteral(":/icons/splash.png")));

    m_pImage256 = new QLabel(this);
    m_pImage256->setObjectName(QStringLiteral("m_pImage256"));
    m_pImage256->setGeometry(4, 4, 322, 198);
    m_pImage256->setAlignment(Qt::AlignCenter);
    m_pImage256->setPixmap(QPixmap(QStringLiteral(":/icons/splash256.png")));

    Label1 = new QLabel(QStringLiteral("Loading..."), this);
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
