#include "app/Welcome.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace rkm {

WelcomePanel::WelcomePanel(QAction *addNew, QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("pnlWelcome"));
    // The panel takes the grid's place: the base colour of a list behind it.
    setBackgroundRole(QPalette::Base);
    setAutoFillBackground(true);

    auto *heading = new QLabel(QStringLiteral("Welcome to Rackmere"));
    heading->setObjectName(QStringLiteral("lblWelcomeHeading"));
    QFont big = heading->font();
    big.setPointSizeF(big.pointSizeF() * 1.5);
    big.setBold(true);
    heading->setFont(big);

    auto *text = new QLabel(QStringLiteral(
        "Rackmere keeps a listing of every disk you own: CDs and DVDs, USB sticks, external hard disks, "
        "memory cards and network folders. Each listing holds the names, sizes and dates of all the "
        "disk's folders and files, so you can browse and search them all without plugging anything in.\n\n"
        "Start with the disk or folder at hand: Rackmere reads it once and keeps its listing here."));
    text->setObjectName(QStringLiteral("lblWelcome"));
    text->setWordWrap(true);
    text->setTextFormat(Qt::PlainText);
    text->setMaximumWidth(520);

    m_add = new QPushButton(QStringLiteral("Add a disk\u2026"));
    m_add->setObjectName(QStringLiteral("cmdWelcomeAdd"));
    m_add->setDefault(true);
    connect(m_add, &QPushButton::clicked, addNew, &QAction::trigger);
    m_add->setEnabled(addNew->isEnabled());
    connect(addNew, &QAction::changed, m_add, [this, addNew] { m_add->setEnabled(addNew->isEnabled()); });

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(32, 32, 32, 32);
    layout->setSpacing(16);
    layout->addStretch(1);
    layout->addWidget(heading, 0, Qt::AlignHCenter);
    layout->addWidget(text, 0, Qt::AlignHCenter);
    layout->addWidget(m_add, 0, Qt::AlignHCenter);
    layout->addStretch(2);
}

} // namespace rkm
