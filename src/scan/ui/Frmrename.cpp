#include "scan/ui/Frmrename.h"

#include "ui_Frmrename.h"

#include "gui/Prompter.h"
#include "gui/PlainText.h"

namespace rkm {

TFormRename::TFormRename(QWidget *parent) : QDialog(parent), m_ui(std::make_unique<Ui::TFormRename>())
{
    m_ui->setupUi(this);
    ShowLabelsAsPlainText(this);
    setWindowFlags((windowFlags() | Qt::MSWindowsFixedSizeDialogHint) & ~Qt::WindowContextHelpButtonHint);
    connect(m_ui->cmdOK, &QPushButton::clicked, this, &TFormRename::cmdOKClick);
    connect(m_ui->cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
    m_ui->txtName->setFocus();
}

TFormRename::~TFormRename() = default;

void TFormRename::setName(const QString &name)
{
    m_ui->txtName->setText(name);
}

QString TFormRename::name() const
{
    return m_ui->txtName->text();
}

void TFormRename::cmdOKClick()
{
    if (m_ui->txtName->text().isEmpty()) {
        prompter().beep();
        return;
    }
    accept();
}

} // namespace rkm
