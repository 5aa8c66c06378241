#include "export/ui/Frmexport.h"

#include "ui_Frmexport.h"

#include "gui/Help.h"

namespace rkm {

TfrmExport::TfrmExport(QWidget *parent) : QDialog(parent), m_ui(std::make_unique<Ui::TfrmExport>())
{
    m_ui->setupUi(this);
    setWindowFlags((windowFlags() | Qt::MSWindowsFixedSizeDialogHint) & ~Qt::WindowContextHelpButtonHint);
    connect(m_ui->cboFormat, &QComboBox::currentIndexChanged, this,
            [this] { m_ui->chkPictures->setEnabled(format() == ExportFormat::Html); });
    connect(m_ui->cmdOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_ui->cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
    SetHelpContext(this, HELP_EXPORT);
}

TfrmExport::~TfrmExport() = default;

void TfrmExport::setChoices(const QString &listingName, int listingCount)
{
    const bool selected = !listingName.isEmpty();
    m_ui->optListing->setEnabled(selected);
    // An ampersand of the name is shown, not taken for a mnemonic.
    QString shown = listingName;
    shown.replace(QLatin1Char('&'), QStringLiteral("&&"));
    m_ui->optListing->setText(selected ? tr("The selected &listing: %1").arg(shown) : tr("The selected &listing"));
    m_ui->optCatalogue->setText(tr("The whole &catalogue (%Ln listings)", nullptr, listingCount));
    (selected ? m_ui->optListing : m_ui->optCatalogue)->setChecked(true);
}

void TfrmExport::setFormat(ExportFormat format)
{
    m_ui->cboFormat->setCurrentIndex(static_cast<int>(format));
}

bool TfrmExport::wholeCatalogue() const
{
    return m_ui->optCatalogue->isChecked();
}

bool TfrmExport::pictures() const
{
    return format() == ExportFormat::Html && m_ui->chkPictures->isChecked();
}

ExportFormat TfrmExport::format() const
{
    switch (m_ui->cboFormat->currentIndex()) {
    case 1:
        return ExportFormat::Json;
    case 2:
        return ExportFormat::Html;
    default:
        return ExportFormat::Csv;
    }
}

} // namespace rkm
