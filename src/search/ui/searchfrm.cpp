#include "search/ui/searchfrm.h"

#include "gui/Help.h"
#include "platform/Text.h"

#include "ui_searchfrm.h"
#include "gui/PlainText.h"

namespace rkm {

TfrmSearch::TfrmSearch(QWidget *parent) : QDialog(parent), m_ui(std::make_unique<Ui::TfrmSearch>())
{
    m_ui->setupUi(this);
    ShowLabelsAsPlainText(this);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    connect(m_ui->OKBtn, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_ui->CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
    for (QCheckBox *c : {m_ui->chkFilename, m_ui->chkDescription, m_ui->chkFolderNames})
        connect(c, &QCheckBox::toggled, this, &TfrmSearch::OnSearchItemClick);
    connect(m_ui->chkCategory, &QCheckBox::toggled, this, &TfrmSearch::chkCategoryClick);
    SetHelpContext(this, HELP_SEARCH);
    OnSearchItemClick();
    chkCategoryClick();
}

TfrmSearch::~TfrmSearch() = default;

void TfrmSearch::setCategories(const std::vector<std::string> &categories)
{
    m_ui->cboCategories->clear();
    // Each item keeps the stored bytes: the restriction compares them exactly,
    // also for a category written in Windows-1252.
    for (const std::string &c : categories)
        m_ui->cboCategories->addItem(platform::DecodeText(c), QByteArray(c.data(), static_cast<qsizetype>(c.size())));
    m_ui->cboCategories->setCurrentIndex(-1);
}

std::string TfrmSearch::categoryText() const
{
    const int i = m_ui->cboCategories->currentIndex();
    if (i < 0)
        return {};
    return m_ui->cboCategories->itemData(i).toByteArray().toStdString();
}

std::string TfrmSearch::searchText() const
{
    return m_ui->txtSearch->text().toUtf8().toStdString();
}

SearchOptions TfrmSearch::options() const
{
    SearchOptions o;
    o.text = searchText();
    o.caseSensitive = m_ui->chkCS->isChecked();
    o.folderNames = m_ui->chkFolderNames->isChecked();
    o.fileNames = m_ui->chkFilename->isChecked();
    o.descriptions = m_ui->chkDescription->isChecked();
    o.categoryOnly = m_ui->chkCategory->isChecked();
    o.category = categoryText();
    return o;
}

bool TfrmSearch::hasSearch() const
{
    return !m_ui->txtSearch->text().isEmpty() ||
           (m_ui->chkCategory->isChecked() && !m_ui->cboCategories->currentText().isEmpty());
}

void TfrmSearch::clearCategoryRestriction()
{
    m_ui->chkCategory->setChecked(false);
}

void TfrmSearch::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    FormShow();
}

void TfrmSearch::FormShow()
{
    m_ui->txtSearch->setFocus();
    m_ui->txtSearch->selectAll();
    OnSearchItemClick();
    chkCategoryClick();
}

void TfrmSearch::OnSearchItemClick()
{
    m_ui->OKBtn->setEnabled(m_ui->chkFilename->isChecked() || m_ui->chkDescription->isChecked() || m_ui->chkFolderNames->isChecked());
}

void TfrmSearch::chkCategoryClick()
{
    m_ui->cboCategories->setEnabled(m_ui->chkCategory->isChecked());
}

} // namespace rkm
