#pragma once

#include "scan/ScanOptions.h"

#include <QDialog>

#include <functional>
#include <memory>
#include <string>

namespace Ui {
class TfrmAddNew;
}

class QMenu;

namespace rkm {

class MessageLine;
namespace platform {
class SystemView;
}

// "Add new listing": the drive or folder to catalogue, the listing's name
// (its description), a comment, and what is read beyond names, dates and
// sizes. OK is refused with the warning beep and
// the reason on the message line while the description is empty or only
// spaces, the folder cannot be entered, or a text is longer than a listing
// holds. "~" in the folder box is the home folder. The box offers the
// mounted volumes (the button at its end), and Browse starts in the user's
// media folder while the box is empty. Leaving the box proposes the
// listing's name while none is typed: the volume's label when the folder is
// a volume's root, else the folder's own name.
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

    // The label of the volume whose root `folder` is, else empty (tests put
    // their own).
    std::function<std::string(const std::string &folder)> labelSource;
    // The system whose volumes are offered and labels read (tests give a
    // fixture's); the real one by default. Set before the dialog shows.
    void setSystem(const platform::SystemView *system);
    // The folder Browse starts in while the box is empty: the user's media
    // folder (/media/$USER or /run/media/$USER) where there is one, else
    // nothing (the file dialog's own choice). Looked for below `root`, the
    // root of the system the dialog sees ("" for the real one).
    static QString MediaFolder(const QString &root);
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
    void offerVolumes();

    MessageLine *m_message;
    std::string m_root;
    QString m_presetFolder, m_presetDescription;
    const platform::SystemView *m_system;
    QMenu *m_volumes;
};

} // namespace rkm
