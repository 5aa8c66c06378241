#include "search/ui/Frmsavedsearches.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace rkm {

TfrmSavedSearches::TfrmSavedSearches(std::vector<SavedSearch> searches, QWidget *parent)
    : QDialog(parent), m_searches(std::move(searches))
{
    setObjectName(QStringLiteral("frmSavedSearches"));
    setWindowTitle(tr("Saved searches"));
    auto *layout = new QVBoxLayout(this);
    auto *label = new QLabel(tr("&Saved searches:"));
    layout->addWidget(label);
    auto *listRow = new QHBoxLayout;
    m_list = new QListWidget;
    m_list->setObjectName(QStringLiteral("lstSaved"));
    m_list->setAccessibleName(tr("Saved searches"));
    label->setBuddy(m_list);
    listRow->addWidget(m_list, 1);
    m_remove = new QPushButton(tr("&Remove"));
    m_remove->setObjectName(QStringLiteral("cmdRemove"));
    m_remove->setAutoDefault(false);
    auto *side = new QVBoxLayout;
    side->addWidget(m_remove);
    side->addStretch();
    listRow->addLayout(side);
    layout->addLayout(listRow);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close);
    buttons->button(QDialogButtonBox::Close)->setObjectName(QStringLiteral("cmdClose"));
    buttons->button(QDialogButtonBox::Close)->setText(tr("&Close"));
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::accept);
    connect(m_remove, &QPushButton::clicked, this, [this] {
        const int row = m_list->currentRow();
        if (row < 0 || row >= static_cast<int>(m_searches.size()))
            return;
        m_searches.erase(m_searches.begin() + row);
        fill();
        m_list->setCurrentRow(std::min(row, m_list->count() - 1));
    });
    fill();
    if (m_list->count() > 0)
        m_list->setCurrentRow(0);
    resize(420, 260);
}

void TfrmSavedSearches::fill()
{
    m_list->clear();
    for (const SavedSearch &s : m_searches) {
        auto *item = new QListWidgetItem(s.name + QStringLiteral("    ") + s.query);
        item->setToolTip(s.query);
        m_list->addItem(item);
    }
    m_remove->setEnabled(!m_searches.empty());
}

} // namespace rkm
