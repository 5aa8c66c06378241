#pragma once

#include "scan/Scanner.h"

#include <QElapsedTimer>
#include <QWidget>

#include <memory>
#include <string>

namespace Ui {
class TfrmAdding;
}

namespace rkm {

// The small window that shows the folder and the file being added while a
// scan runs. It cannot be closed by the user. Its labels follow every folder
// and file, but the window is painted at most every 50 ms, so that painting
// never costs more than the walk itself.
class TfrmAdding final : public QWidget, public ScanObserver {
    Q_OBJECT

public:
    explicit TfrmAdding(QWidget *parent = nullptr);
    ~TfrmAdding() override;

    static constexpr int REPAINT_MS = 50;

    // Shows the window with the hourglass over the whole program.
    void beginScan();
    // Shows the last names, hides the window and restores the cursor.
    void endScan();

    void enteringFolder(std::string_view name) override;
    void addingFile(std::string_view name) override;

    // How often the window was painted during the last scan.
    int repaints() const { return m_repaints; }


protected:
    void closeEvent(QCloseEvent *event) override;

private:
    std::unique_ptr<Ui::TfrmAdding> m_ui;
    void showNames();
    void tick();

    std::string m_dir, m_file;
    bool m_dirChanged = false, m_fileChanged = false;
    bool m_running = false;
    int m_repaints = 0;
    QElapsedTimer m_sincePaint;
};

// Shows the progress window for as long as it lives, also when the scan ends
// with an error.
class ScanProgress final {
public:
    explicit ScanProgress(TfrmAdding &window) : m_window(window) { m_window.beginScan(); }
    ~ScanProgress() { m_window.endScan(); }
    ScanProgress(const ScanProgress &) = delete;
    ScanProgress &operator=(const ScanProgress &) = delete;

private:
    TfrmAdding &m_window;
};

} // namespace rkm
