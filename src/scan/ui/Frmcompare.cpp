#include "scan/ui/Frmcompare.h"

#include "gui/Choices.h"
#include "gui/Help.h"
#include "platform/Text.h"

#include "ui_Frmcompare.h"

namespace rkm {

TfrmCompare::TfrmCompare(QWidget *parent) : QDialog(parent), m_ui(std::make_unique<Ui::TfrmCompare>())
{
    m_ui->setupUi(this);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    connect(m_ui->OKBtn, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_ui->CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
    SetHelpContext(this, HELP_COMPARE);
}

TfrmCompare::~TfrmCompare() = default;

void TfrmCompare::setListings(const TreeNode *disk, const std::vector<const TreeNode *> &others, const Catalog *catalog)
{
    m_ui->lblCompare->setText(tr("Compare '%1' &with:")
                                  .arg(platform::DecodeText(DisplayName(catalog, *disk))
                                           .replace(QLatin1Char('&'), QStringLiteral("&&"))));
    SetListingChoices(m_ui->cboListings, others, nullptr, catalog);
    m_ui->OKBtn->setEnabled(m_ui->cboListings->count() > 0);
}

const TreeNode *TfrmCompare::chosen() const
{
    return ChosenListing(m_ui->cboListings);
}

} // namespace rkm
