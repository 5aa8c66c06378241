#include "search/ui/Frmduplicates.h"

#include "gui/Focus.h"
#include "gui/Choices.h"
#include "gui/Help.h"
#include "gui/Prompter.h"
#include "platform/TextValues.h"

#include "ui_Frmduplicates.h"

namespace rkm {

TfrmDuplicates::TfrmDuplicates(QWidget *parent) : QDialog(parent), m_ui(std::make_unique<Ui::TfrmDuplicates>())
{
    m_ui->setupUi(this);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    SetSizeUnits(m_ui->cboMinSizeUnit, static_cast<int>(platform::SizeUnit::MB));
    connect(m_ui->optOneListing, &QRadioButton::toggled, m_ui->cboListings, &QWidget::setEnabled);
    connect(m_ui->chkByContents, &QCheckBox::toggled, this, [this](bool contents) {
        m_ui->Label1->setText(contents ? tr("Files with the same contents, whatever their names:")
                                       : tr("Files with the same name (in any letter case) and the same size:"));
    });
    connect(m_ui->OKBtn, &QPushButton::clicked, this, &TfrmDuplicates::OKBtnClick);
    connect(m_ui->CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
    SetHelpContext(this, HELP_DUPLICATES);
}

TfrmDuplicates::~TfrmDuplicates() = default;

void TfrmDuplicates::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    m_ui->lblMessage->clear();
    m_ui->lblMessage->hide();
    m_ui->txtMinSize->selectAll();
    FocusFirstField(this);
}

void TfrmDuplicates::setListings(const std::vector<const TreeNode *> &disks, const TreeNode *preferred,
                                 const Catalog *catalog)
{
    SetListingChoices(m_ui->cboListings, disks, preferred, catalog);
    m_ui->optOneListing->setEnabled(m_ui->cboListings->count() > 0);
    if (m_ui->cboListings->count() == 0)
        m_ui->optAllListings->setChecked(true);
}

bool TfrmDuplicates::readSize(uint64_t &bytes) const
{
    std::optional<uint64_t> size;
    if (!ReadTypedSize(m_ui->txtMinSize->text(), m_ui->cboMinSizeUnit, size))
        return false;
    bytes = size.value_or(0);
    return true;
}

DuplicateOptions TfrmDuplicates::options() const
{
    DuplicateOptions o;
    uint64_t bytes = 0;
    if (readSize(bytes))
        o.minSize = bytes;
    if (m_ui->optOneListing->isChecked())
        o.listing = ChosenListing(m_ui->cboListings);
    o.byContents = m_ui->chkByContents->isChecked();
    return o;
}

QString TfrmDuplicates::message() const
{
    return m_ui->lblMessage->text();
}

void TfrmDuplicates::OKBtnClick()
{
    uint64_t bytes;
    if (!readSize(bytes)) {
        m_ui->lblMessage
            ->setText(tr("The size \"%1\" is not a number.").arg(
m_ui->txtMinSize->text().trimmed()));
        m_ui->lblMessage->show();
        prompter().beep();
        m_ui->txtMinSize->setFocus();
        return;
    }
    accept();
}

} // namespace rkm
