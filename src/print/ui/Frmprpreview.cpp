#include "print/ui/Frmprpreview.h"

#include "ui_Frmprpreview.h"

#include <QImage>
#include <QPainter>

namespace rkm {

TfrmPrintPreview::TfrmPrintPreview(QWidget *parent) : QDialog(parent), ui(std::make_unique<Ui::TfrmPrintPreview>())
{
    ui->setupUi(this);
    setWindowFlags((windowFlags() | Qt::MSWindowsFixedSizeDialogHint) & ~Qt::WindowContextHelpButtonHint);
    // The image has a fixed size in pixels, so the window does too.
    setFixedSize(CLIENT_WIDTH, CLIENT_HEIGHT);
    connect(ui->cmdOk, &QPushButton::clicked, this, &QDialog::accept);
    connect(ui->cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
}

TfrmPrintPreview::~TfrmPrintPreview() = default;

void TfrmPrintPreview::paintEvent(QPaintEvent *event)
{
    QDialog::paintEvent(event);
    if (!PreviewBitmap)
        return;
    QPainter p(this);
    p.drawImage(IMAGE_LEFT, IMAGE_TOP, *PreviewBitmap);
}

} // namespace rkm
