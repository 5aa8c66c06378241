#include "print/ui/Dlgaddfilter.h"

#include "ui_Dlgaddfilter.h"

namespace rkm {

TfrmAddFilter::TfrmAddFilter(QWidget *parent) : QDialog(parent), ui(std::make_unique<Ui::TfrmAddFilter>())
{
    ui->setupUi(this);
    setWindowFlags((windowFlags() | Qt::MSWindowsFixedSizeDialogHint) & ~Qt::WindowContextHelpButtonHint);
    connect(ui->Button1, &QPushButton::clicked, this, &QDialog::accept);
    connect(ui->cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
    ui->m_pTxtFilter->setFocus();
}

TfrmAddFilter::~TfrmAddFilter() = default;

QString TfrmAddFilter::text() const
{
    return ui->m_pTxtFilter->text();
}

} // namespace rkm
