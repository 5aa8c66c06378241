#include "search/ui/Frmsearch.h"

#include "gui/Focus.h"
#include "gui/Choices.h"
#include "gui/Help.h"
#include "gui/Prompter.h"
#include "platform/Text.h"
#include "platform/TextValues.h"

#include "ui_Frmsearch.h"
#include "gui/PlainText.h"

#include <QDate>
#include <QLocale>

#include <tuple>

namespace rkm {

namespace {

// The short date format of this machine with the year in four digits.
QString LongYearFormat()
{
    QString f = QLocale().dateFormat(QLocale::ShortFormat);
    if (!f.contains(QStringLiteral("yyyy")))
        f.replace(QStringLiteral("yy"), QStringLiteral("yyyy"));
    return f;
}

} // namespace

TfrmSearch::TfrmSearch(QWidget *parent) : QDialog(parent), m_ui(std::make_unique<Ui::TfrmSearch>())
{
    m_ui->setupUi(this);
    ShowLabelsAsPlainText(this);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    for (QComboBox *c : {m_ui->cboSizeFromUnit, m_ui->cboSizeToUnit})
        SetSizeUnits(c, static_cast<int>(platform::SizeUnit::MB));
    const QDate today = QDate::currentDate();
    for (QDateEdit *d : {m_ui->dtpDateFrom, m_ui->dtpDateTo})
        d->setDisplayFormat(LongYearFormat());
    m_ui->dtpDateFrom->setDate(today.addYears(-1));
    m_ui->dtpDateTo->setDate(today);
    connect(m_ui->chkDateFrom, &QCheckBox::toggled, m_ui->dtpDateFrom, &QWidget::setEnabled);
    connect(m_ui->chkDateTo, &QCheckBox::toggled, m_ui->dtpDateTo, &QWidget::setEnabled);
    connect(m_ui->chkListing, &QCheckBox::toggled, m_ui->cboListings, &QWidget::setEnabled);
    connect(m_ui->OKBtn, &QPushButton::clicked, this, [this] { tryAccept(false); });
    connect(m_ui->cmdFindAll, &QPushButton::clicked, this, [this] { tryAccept(true); });
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
    o.wildcards = m_ui->chkWildcards->isChecked();
    readRanges(o);
    if (m_ui->chkListing->isChecked())
        o.listing = ChosenListing(m_ui->cboListings);
    return o;
}

bool TfrmSearch::readRanges(SearchOptions &o, QString *problem, QWidget **culprit) const
{
    const auto fail = [&](const QString &why, QWidget *w) {
        if (problem)
            *problem = why;
        if (culprit)
            *culprit = w;
        return false;
    };
    for (auto [edit, unit, bound] : {std::tuple{m_ui->txtSizeFrom, m_ui->cboSizeFromUnit, &o.minSize},
                                     std::tuple{m_ui->txtSizeTo, m_ui->cboSizeToUnit, &o.maxSize}}) {
        if (!ReadTypedSize(edit->text(), unit, *bound))
            return fail(tr("The size \"%1\" is not a number.").arg(edit->text().trimmed()), edit);
    }
    if (o.minSize && o.maxSize && *o.minSize > *o.maxSize)
        return fail(tr("The smallest size is larger than the largest."), m_ui->txtSizeFrom);
    o.fromDate = m_ui->chkDateFrom->isChecked() ? m_ui->dtpDateFrom->date() : QDate();
    o.toDate = m_ui->chkDateTo->isChecked() ? m_ui->dtpDateTo->date() : QDate();
    if (o.fromDate.isValid() && o.toDate.isValid() && o.fromDate > o.toDate)
        return fail(tr("The first date is later than the last."), m_ui->dtpDateFrom);
    return true;
}

bool TfrmSearch::hasSearch() const
{
    SearchOptions o;
    if (!readRanges(o))
        return false;
    return !m_ui->txtSearch->text().isEmpty() ||
           (m_ui->chkCategory->isChecked() && !m_ui->cboCategories->currentText().isEmpty()) || o.filtersFiles() ||
           (m_ui->chkListing->isChecked() && m_ui->cboListings->currentIndex() >= 0);
}

void TfrmSearch::tryAccept(bool findAll)
{
    SearchOptions o;
    QString problem;
    QWidget *culprit = nullptr;
    if (!readRanges(o, &problem, &culprit)) {
        showMessage(problem);
        prompter().beep();
        if (culprit)
            culprit->setFocus();
        return;
    }
    showMessage({});
    m_findAll = findAll;
    accept();
}

void TfrmSearch::showMessage(const QString &text)
{
    m_ui->lblMessage->setText(text);
    m_ui->lblMessage->setVisible(!text.isEmpty());
}

QString TfrmSearch::message() const
{
    return m_ui->lblMessage->text();
}

void TfrmSearch::setListings(const std::vector<const TreeNode *> &disks, const TreeNode *preferred,
                             const Catalog *catalog)
{
    SetListingChoices(m_ui->cboListings, disks, preferred, catalog);
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
    m_findAll = false;
    showMessage({});
    m_ui->txtSearch->selectAll();
    OnSearchItemClick();
    chkCategoryClick();
    FocusFirstField(this);
}

void TfrmSearch::OnSearchItemClick()
{
    m_ui->OKBtn->setEnabled(m_ui->chkFilename->isChecked() || m_ui->chkDescription->isChecked() || m_ui->chkFolderNames->isChecked());
    m_ui->cmdFindAll->setEnabled(m_ui->OKBtn->isEnabled());
}

void TfrmSearch::chkCategoryClick()
{
    m_ui->cboCategories->setEnabled(m_ui->chkCategory->isChecked());
}

} // namespace rkm
