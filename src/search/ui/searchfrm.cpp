#include "search/ui/searchfrm.h"

#include "app/Help.h"
#include "platform/Platform.h"

#include "ui_searchfrm.h"

namespace rkm {

TfrmSearch::TfrmSearch(QWidget *parent) : QDialog(parent), m_ui(std::make_unique<Ui::TfrmSearch>())
{
    m_ui->setupUi(this);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    Bevel1 = m_ui->Bevel1;
    lblSearch = m_ui->lblSearch;
    Label1 = m_ui->Label1;
    txtSearch = m_ui->txtSearch;
    chkCS = m_ui->chkCS;
    chkFolderNames = m_ui->chkFolderNames;
    chkFilename = m_ui->chkFilename;
    chkDescription = m_ui->chkDescription;
    chkCategory = m_ui->chkCategory;
    cboCategories = m_ui->cboCategories;
    OKBtn = m_ui->OKBtn;
    CancelBtn = m_ui->CancelBtn;

    connect(OKBtn, &QPushButton::clicked, this, &QDialog::accept);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
    for (QCheckBox *c : {chkFilename, chkDescription, chkFolderNames})
        connect(c, &QCheckBox::toggled, this, &TfrmSearch::OnSearchItemClick);
    connect(chkCategory, &QCheckBox::toggled, this, &TfrmSearch::chkCategoryClick);
    SetHelpContext(this, HELP_SEARCH);
    OnSearchItemClick();
    chkCategoryClick();
}

TfrmSearch::~TfrmSearch() = default;

void TfrmSearch::setCategories(const std::vector<std::string> &categories)
{
    cboCategories->clear();
    // Each item keeps the stored bytes: the restriction compares them exactly,
    // also for a category written in Windows-1252.
    for (const std::string &c : categories)
        cboCategories->addItem(platform::DecodeText(c), QByteArray(c.data(), static_cast<qsizetype>(c.size())));
    cboCategories->setCurrentIndex(-1);
}

std::string TfrmSearch::categoryText() const
{
    const int i = cboCategories->currentIndex();
    if (i < 0)
        return {};
    return cboCategories->itemData(i).toByteArray().toStdString();
}

std::string TfrmSearch::searchText() const
{
    return txtSearch->text().toUtf8().toStdString();
}

SearchOptions TfrmSearch::options() const
{
    SearchOptions o;
    o.text = searchText();
    o.caseSensitive = chkCS->isChecked();
    o.folderNames = chkFolderNames->isChecked();
    o.fileNames = chkFilename->isChecked();
    o.descriptions = chkDescription->isChecked();
    o.categoryOnly = chkCategory->isChecked();
    o.category = categoryText();
    return o;
}

void TfrmSearch::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    FormShow();
}

void TfrmSearch::FormShow()
{
    txtSearch->setFocus();
    txtSearch->selectAll();
    OnSearchItemClick();
    chkCategoryClick();
}

void TfrmSearch::OnSearchItemClick()
{
    OKBtn->setEnabled(chkFilename->isChecked() || chkDescription->isChecked() || chkFolderNames->isChecked());
}

void TfrmSearch::chkCategoryClick()
{
    cboCategories->setEnabled(chkCategory->isChecked());
}

} // namespace rkm
