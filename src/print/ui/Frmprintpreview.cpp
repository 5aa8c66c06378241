#include "print/ui/Frmprintpreview.h"

#include "ui_Frmprintpreview.h"
#include "gui/PlainText.h"

#include <QKeyEvent>
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
    connect(m_ui->cmdPrevious, &QPushButton::clicked, this, [this] { showPage(m_page - 1); });
    connect(m_ui->cmdNext, &QPushButton::clicked, this, [this] { showPage(m_page + 1); });
    updateButtons();
}

TfrmPrintPreview::~TfrmPrintPreview() = default;

void TfrmPrintPreview::setPages(int count, std::function<QImage(int page)> renderPage)
{
    m_pageCount = std::max(count, 1);
    m_renderPage = std::move(renderPage);
    m_page = 0;
    m_shown = QImage();
    updateButtons();
}

void TfrmPrintPreview::showPage(int page)
{
    if (page < 0 || page >= m_pageCount || page == m_page || !m_renderPage)
        return;
    m_shown = page == 0 ? QImage() : m_renderPage(page);
    m_page = page;
    updateButtons();
    update();
}

void TfrmPrintPreview::updateButtons()
{
    // A page of its own needs no buttons to turn it.
    const bool pages = m_pageCount > 1;
    m_ui->cmdPrevious->setVisible(pages);
    m_ui->cmdNext->setVisible(pages);
    m_ui->cmdPrevious->setEnabled(m_page > 0);
    m_ui->cmdNext->setEnabled(m_page + 1 < m_pageCount);
}

void TfrmPrintPreview::keyPressEvent(QKeyEvent *event)
{
    if (event->modifiers() == Qt::NoModifier || event->modifiers() == Qt::KeypadModifier) {
        if (event->key() == Qt::Key_PageUp) {
            showPage(m_page - 1);
            return;
        }
        if (event->key() == Qt::Key_PageDown) {
            showPage(m_page + 1);
            return;
        }
    }
    QDialog::keyPressEvent(event);
}

void TfrmPrintPreview::paintEvent(QPaintEvent *event)
{
    QDialog::paintEvent(event);
    const QImage *image = m_page == 0 ? PreviewBitmap : &m_shown;
    if (!image || image->isNull())
        return;
    QPainter p(this);
    // An image of more pixels than units (drawn for a scaled screen) is
    // painted at its size in units.
    p.drawImage(IMAGE_LEFT, IMAGE_TOP, *image);
}

} // namespace rkm
