#pragma once

#include "scan/ScanOptions.h"

#include <QDialog>

#include <functional>
#include <memory>
#include <string>

namespace Ui {
class TfrmAddNew;
}

namespace rkm {

class MessageLine;

// "Add new listing": the drive or folder to catalogue, the listing's name
// (its description), a comment, and what is read beyond names, dates and
// sizes. OK is refused with the warning beep and
// the reason on the message line while the description is empty or only
// spaces, the folder cannot be entered, or a text is longer than a listing
// holds. "~" in the folder box is the home folder.
class TfrmAddNew final : public QDialog {
    Q_OBJECT

public:
    explicit TfrmAddNew(QWidget *parent = nullptr);
    ~TfrmAddNew() override;

    // The absolute folder chosen, known once the dialog closed with OK.
    const std::string &scanRoot() const { return m_root; }
    // The texts typed, as stored (line breaks become spaces).
    std::string description() const;
    std::string comment() const;
    // What the walk is to read beyond names, dates and sizes (the reading
    // check boxes, set to the defaults at every showing).
    ScanOptions scanOptions() const;
    // What the message line says (why OK was refused, or the room left).
    QString message() const;

    // Where the volume label of a folder comes from (tests put their own).
    std::function<std::string(const std::string &folder)> labelSource;
    // Whether a listing has a name (as stored): the description is then taken
    // with a warning on the message line.
    std::function<bool(const std::string &stored)> nameTaken;

    // Fills the folder and the description at the next showing only (Add to
    // catalogue of a disk just mounted: its mount point and its label).
    void presetOnce(const QString &folder, const QString &description)
    {
        m_presetFolder = folder;
        m_presetDescription = description;
    }

    void FormShow();
    void txtFolderExit();
    void cmdBrowseClick();
    void cmdOKClick();
    void FillDescription(const QString &folder);

protected:
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    std::unique_ptr<Ui::TfrmAddNew> m_ui;
    MessageLine *m_message;
    std::string m_root;
    QString m_presetFolder, m_presetDescription;
};

} // namespace rkm
