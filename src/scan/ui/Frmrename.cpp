#include "scan/ui/Frmrename.h"

#include "ui_Frmrename.h"

#include "app/Prompter.h"

#include <QKeyEvent>

namespace rkm {

TFormRename::TFormRename(QWidget *parent) : QDialog(parent), ui(std::make_unique<Ui::TFormRename>())
{
    ui->setupUi(this);
    setWindowFlags((windowFlags() | Qt::MSWindowsFixedSizeDialogHint) & ~Qt::WindowContextHelpButtonHint);
    connect(ui->cmdOK, &QPushButton::clicked, this, &TFormRename::cmdOKClick);
    connect(ui->cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
    ui->txtName->setFocus();
}

TFormRename::~TFormRename() = default;

void TFormRename::cmdOKClick()
{
    if (ui->txtName->text().isEmpty()) {
        prompter().beep();
        return;
    }
    accept();
}

void TFormRename::keyPressEvent(QKeyEvent *event)
{
    // Cancel is a button to press; Esc does not close this dialog.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

} // namespace rkm
