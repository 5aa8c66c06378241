#include "app/Welcome.h"

#include <QAction>
#include <QHBoxLayout>
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

    auto *heading = new QLabel(tr("Welcome to Rackmere"));
    heading->setObjectName(QStringLiteral("lblWelcomeHeading"));
    QFont big = heading->font();
    big.setPointSizeF(big.pointSizeF() * 1.5);
    big.setBold(true);
    heading->setFont(big);

    auto *text = new QLabel(tr(
        "Rackmere keeps a listing of every disk you own: CDs and DVDs, USB sticks, external hard disks, "
        "memory cards and network folders. Each listing holds the names, sizes and dates of all the "
        "disk's folders and files, so you can browse and search them all without plugging anything in.\n\n"
        "Start with the disk or folder at hand: Rackmere reads it once and keeps its listing here."));
    text->setObjectName(QStringLiteral("lblWelcome"));
    text->setWordWrap(true);
    text->setTextFormat(Qt::PlainText);
    text->setAlignment(Qt::AlignHCenter);
    // The text colour that goes with the base colour, light on a dark one.
    for (QLabel *label : {heading, text})
        label->setForegroundRole(QPalette::Text);

    m_add = new QPushButton(tr("Add a d&isk\u2026"));
    m_add->setObjectName(QStringLiteral("cmdWelcomeAdd"));
    m_add->setDefault(true);
    connect(m_add, &QPushButton::clicked, addNew, &QAction::trigger);
    m_add->setEnabled(addNew->isEnabled());
    connect(addNew, &QAction::changed, m_add, [this, addNew] { m_add->setEnabled(addNew->isEnabled()); });

    // A column of a readable width in the middle; the text wraps within it.
    auto *column = new QWidget;
    column->setMaximumWidth(560);
    auto *columnLayout = new QVBoxLayout(column);
    columnLayout->setContentsMargins(0, 0, 0, 0);
    columnLayout->setSpacing(16);
    columnLayout->addWidget(heading, 0, Qt::AlignHCenter);
    columnLayout->addWidget(text);
    columnLayout->addWidget(m_add, 0, Qt::AlignHCenter);
    auto *row = new QHBoxLayout;
    row->addStretch(1);
    row->addWidget(column, 4);
    row->addStretch(1);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(32, 32, 32, 32);
    layout->addStretch(1);
    layout->addLayout(row);
    layout->addStretch(2);
}

} // namespace rkm
