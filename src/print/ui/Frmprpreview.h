#pragma once

#include <QDialog>

#include <memory>

class QImage;

namespace Ui {
class TfrmPrintPreview;
}

namespace rkm {

// "Print preview": the preview image with "Print" and "Cancel".
class TfrmPrintPreview final : public QDialog {
    Q_OBJECT

public:
    explicit TfrmPrintPreview(QWidget *parent = nullptr);
    ~TfrmPrintPreview() override;

    // The image shown at (10, 25); not owned. None when the window is made.
    const QImage *PreviewBitmap = nullptr;

    static constexpr int CLIENT_WIDTH = 632;
    static constexpr int CLIENT_HEIGHT = 504;
    static constexpr int IMAGE_LEFT = 10;
    static constexpr int IMAGE_TOP = 25;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    std::unique_ptr<Ui::TfrmPrintPreview> m_ui;
};

} // namespace rkm
