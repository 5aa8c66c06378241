#pragma once

#include "print/PrintSettings.h"

#include <QDialog>

#include <memory>
#include <string>

class QLineEdit;
class QListWidget;
class QScrollBar;

namespace Ui {
class TfrmPrint;
}

namespace rkm {

// "Print disk": what of the current disk goes on the page, and how. It
// starts from the stored defaults and can store its state as the new ones.
class TfrmPrint final : public QDialog {
    Q_OBJECT

public:
    // The dialog's results: "Print", "Preview", "Cancel".
    enum Result : int { RESULT_PRINT = 1, RESULT_CANCEL = 2, RESULT_PREVIEW = 1000 };

    TfrmPrint(std::string programDir, PrintSettingsStore &settings, QWidget *parent = nullptr);
    ~TfrmPrint() override;

    // The error met while loading the defaults (a filter file that could
    // not be read), for the caller to report; empty when there was none.
    const QString &loadError() const { return m_loadError; }

    // Stores the current state as the new defaults. Throws RackmereError
    // when a filter file cannot be written.
    void SaveDefaults();
    bool saveAsDefault() const;

    // The state of every control.
    PrintOptions options() const;
    void setOptions(const PrintOptions &options);

    // Handlers.
    void FormCreate();
    void DoGrayItems();
    void PageControl1Change();
    void m_pOptBackCoverClick();
    void m_pCmdAddClick();
    void m_pCmdDeleteClick();
    void m_pLstFilterxClick();
    void m_pLstFilterFoldersxClick();
    void m_pCmdOKClick();

    void reject() override;

private:
    void addTo(QListWidget *list);
    void stepLevel(QLineEdit *edit, QScrollBar *arrows, int &position, int action);

    std::unique_ptr<Ui::TfrmPrint> m_ui;
    std::string m_programDir;
    PrintSettingsStore &m_settings;
    QString m_loadError;
    int m_filePosition = 0;
    int m_folderPosition = 0;
};

} // namespace rkm
