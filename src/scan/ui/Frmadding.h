#pragma once

#include "scan/Scanner.h"

#include <QDialog>
#include <QElapsedTimer>
#include <QTimer>

#include <functional>
#include <memory>
#include <string>

namespace Ui {
class TfrmAdding;
}

namespace rkm {

// The window that shows a scan's progress: the folder being read, the last
// file found, the number of folders and files and their bytes so far, and
// the time the scan has taken. The walk runs on threads of its own; the
// window shows what it has done at most every 50 ms, and its Cancel button
// (Esc too) stops it.
class TfrmAdding final : public QDialog {
    Q_OBJECT

public:
    explicit TfrmAdding(QWidget *parent = nullptr);
    ~TfrmAdding() override;

    static constexpr int REPAINT_MS = 50;

    using Walk = std::function<std::unique_ptr<TreeNode>(ScanControl &)>;
    // Runs `walk` of the folder `root` on a thread of its own and shows its
    // progress until it ends. The window is modal: the rest of the program
    // takes no input meanwhile (nothing typed there waits to be replayed).
    // Returns what the walk made, or null when the user cancelled; the walk's
    // error is thrown here once the window is closed.
    // `readsContents`: the walk reads every file's bytes (fingerprints), and
    // the window shows how much of them it has read.
    std::unique_ptr<TreeNode> runScan(const std::string &root, const Walk &walk, bool readsContents = false);

    // "Read 1.2 GB of 3.4 GB": the bytes read of the files' contents, of
    // those of the files found so far, as the grid shows sizes.
    static QString ContentProgressText(uint64_t read, uint64_t toRead);

    // The scan that runs, or null.
    ScanControl *control() const { return m_control; }
    // Called with each scan's control before its walk starts (tests hold a
    // walk there).
    std::function<void(ScanControl &)> scanStarting;
    // How often the window showed new progress during the last scan.
    int repaints() const { return m_repaints; }

    void cmdCancelClick();

protected:
    // Esc and Cancel stop the walk; the window closes once it has stopped.
    void reject() override;
    void closeEvent(QCloseEvent *event) override;

private:
    void showProgress();
    void walkEnded(int run);

    std::unique_ptr<Ui::TfrmAdding> m_ui;
    QTimer m_timer;
    QElapsedTimer m_elapsed;
    QString m_root;
    ScanControl *m_control = nullptr;
    int m_run = 0;
    bool m_ended = false;
    bool m_cancelled = false;
    bool m_readsContents = false;
    int m_repaints = 0;
};

} // namespace rkm
