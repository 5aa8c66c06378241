#pragma once

#include "catalog/Contents.h"
#include "catalog/Disks.h"
#include "gui/Online.h"

#include <QDialog>

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace Ui {
class TfrmListProperties;
}

class QCompleter;

namespace rkm {

class CatalogStore;
class MessageLine;

// The file entry properties dialog: a file's name, size and date, and its
// description and category to edit. It lives for the whole run; setEntry
// fills it afresh before each showing.
class TfrmListProperties final : public QDialog {
    Q_OBJECT

public:
    explicit TfrmListProperties(QWidget *parent = nullptr);
    ~TfrmListProperties() override;

    // Fills the dialog from a file entry, the category list and the full
    // path of the entry's folder.
    void setEntry(const FileEntryView &entry, const std::vector<std::string> &categories, std::string folderPath);
    // What the store keeps of the file's contents: its picture (JPEG bytes)
    // and its fingerprint, each shown only when there is one. Call after setEntry.
    void setContents(const std::optional<std::string> &picture, const std::optional<Fingerprint> &fingerprint);
    // The texts to store, as bytes with no line break. A text left as shown
    // keeps the bytes it was filled from (a listing from Windows keeps its
    // Windows-1252 bytes); a category picked from the list keeps the list's.
    std::string descriptionText() const;
    std::string categoryText() const;
    // The root path of the entry's listing as it stands: Launch opens only
    // files below it.
    void setRootPath(std::string rootPath) { m_rootPath = std::move(rootPath); }
    // Where the listing's files are now (the disk mounted elsewhere than its
    // root path), and which disk to ask for when it is not mounted: Launch
    // and Open containing folder use both. Set before each showing.
    void setWhereabouts(PathMapper mapper, QString insertText)
    {
        m_pathNow = std::move(mapper);
        m_insertText = std::move(insertText);
    }
    // The path of the file on its disk.
    std::string filePath() const;
    const std::string &folderPath() const { return m_folderPath; }
    // What the message line says (the room left, or why OK was refused).
    QString message() const;

    void cmdLaunchClick();
    void cmdOpenFolderClick();

protected:
    void showEvent(QShowEvent *event) override;

private:
    std::unique_ptr<Ui::TfrmListProperties> m_ui;
    MessageLine *m_message;
    QCompleter *m_completer;
    std::string m_folderPath;
    std::string m_rootPath;
    PathMapper m_pathNow;
    QString m_insertText;
    std::string m_fileName;
    std::string m_description; // as filled in, to keep its bytes when unchanged
    std::string m_category;
    std::vector<std::string> m_categories;
};

// Fills the dialog with what `store` keeps of the contents of the file
// entry `entry` of the folder node `folder` (TfrmListProperties::setContents).
void ShowEntryContents(TfrmListProperties &dialog, CatalogStore &store, const TreeNode &folder, int entry);

} // namespace rkm
