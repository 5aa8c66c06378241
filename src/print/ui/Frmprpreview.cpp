#include "print/ui/Frmprpreview.h"

#include "ui_Frmprpreview.h"
#include "gui/PlainText.h"

#include <QImage>
#include <QPainter>

namespace rkm {

TfrmPrintPreview::TfrmPrintPreview(QWidget *parent) : QDialog(parent), m_ui(std::make_unique<Ui::TfrmPrintPreview>())
{
    m_ui->setupUi(this);
    ShowLabelsAsPlainText(this);
    setWindowFlags((windowFlags() | Qt::MSWindowsFixedSizeDialogHint) & ~Qt::WindowContextHelpButtonHint);
    // The image has a fixed size in pixels, so the window does too.
    setFixedSize(CLIENT_WIDTH, CLIENT_HEIGHT);
    connect(m_ui->cmdOk, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_ui->cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
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
