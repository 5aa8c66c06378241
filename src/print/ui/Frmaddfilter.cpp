#include "print/ui/Frmaddfilter.h"

#include "ui_Frmaddfilter.h"
#include "gui/PlainText.h"

namespace rkm {

TfrmAddFilter::TfrmAddFilter(QWidget *parent) : QDialog(parent), m_ui(std::make_unique<Ui::TfrmAddFilter>())
{
    m_ui->setupUi(this);
    ShowLabelsAsPlainText(this);
    setWindowFlags((windowFlags() | Qt::MSWindowsFixedSizeDialogHint) & ~Qt::WindowContextHelpButtonHint);
    connect(m_ui->Button1, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_ui->cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
    m_ui->m_pTxtFilter->setFocus();
}

TfrmAddFilter::~TfrmAddFilter() = default;

QString TfrmAddFilter::text() const
{
    return m_ui->m_pTxtFilter->text();
}

} // namespace rkm
