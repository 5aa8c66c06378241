#pragma once

#include <QDialog>
#include <QImage>

#include <functional>
#include <memory>

namespace Ui {
class TfrmPrintPreview;
}

namespace rkm {

// "Print preview": the preview image with "Print" and "Cancel". A list of
// contents longer than the image is shown a page at a time: "Previous" and
// "Next" (Page Up and Page Down) turn the pages.
class TfrmPrintPreview final : public QDialog {
    Q_OBJECT

public:
    explicit TfrmPrintPreview(QWidget *parent = nullptr);
    ~TfrmPrintPreview() override;

    // The image shown at (10, 25); not owned. None when the window is made.
    // It is the first page; the others come from `renderPage`.
    const QImage *PreviewBitmap = nullptr;

    // The number of pages, and where the image of a page (from 0) comes
    // from; set before the window is shown.
    void setPages(int count, std::function<QImage(int page)> renderPage);
    int pageCount() const { return m_pageCount; }
    int currentPage() const { return m_page; }
    // Turns to a page (from 0); pages out of range are not there to turn to.
    void showPage(int page);

    static constexpr int CLIENT_WIDTH = 632;
    static constexpr int CLIENT_HEIGHT = 504;
    static constexpr int IMAGE_LEFT = 10;
    static constexpr int IMAGE_TOP = 25;

protected:
    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void updateButtons();

    std::unique_ptr<Ui::TfrmPrintPreview> m_ui;
    std::function<QImage(int)> m_renderPage;
    int m_pageCount = 1;
    int m_page = 0;
    QImage m_shown; // the page shown when it is not the first
};

} // namespace rkm
