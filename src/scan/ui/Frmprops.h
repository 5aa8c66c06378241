#pragma once

#include "catalog/Disks.h"
#include "catalog/Shelf.h"

#include <QDateTime>
#include <QDialog>

#include "scan/ScanOptions.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

namespace Ui {
class TfrmProps;
}

namespace rkm {

class MessageLine;

namespace platform {
class SystemView;
}

// The properties of a disk or folder node: its counts and full path, its
// comment, and the drive (mounted volume) its listing's root path lies on.
class TfrmProps final : public QDialog {
    Q_OBJECT

public:
    explicit TfrmProps(QWidget *parent = nullptr);
    ~TfrmProps() override;

    // The system whose mounted volumes are offered (tests put a fixture).
    void setSystem(const platform::SystemView *system) { m_system = system; }

    void SetPropsNode(TreeNode *node);
    // The reading choices kept for the node's listing (none: not recorded).
    void setReading(const std::optional<ScanOptions> &kept) { m_reading = kept; }
    // About how many bytes the store beside the listings takes for it.
    void setStoreRoom(uint64_t bytes) { m_storeRoom = bytes; }
    // The reading choices as the boxes show them: changed ones are kept with
    // the listing and read at its next Update.
    ScanOptions reading() const;
    // Whether the last showing closed with OK and other choices than those
    // shown at first.
    bool readingChanged() const { return m_readingChanged; }
    // Where the listing's disk is kept, to whom it is lent and what to do
    // when it is mounted, as kept beside the listing.
    void setShelf(const Shelf &kept) { m_shelf = kept; }
    // The same as the fields show them (texts on one line, trimmed).
    Shelf shelf() const;
    // Whether the last showing closed with OK and another shelf than shown.
    bool shelfChanged() const { return m_shelfChanged; }
    // When the listing's disk was last read (invalid: not kept).
    void setLastRead(const QDateTime &read) { m_lastRead = read; }
    // Fills the dialog from the node; warns when the listing's drive is not
    // among the drives present. Run before each showing.
    void FormShow();
    void m_pDriveChange(int index);
    // Stores what changed and marks the listing modified; true when anything did.
    bool OKBtnClick();
    // Whether the last showing closed with OK and stored anything.
    bool stored() const { return m_stored; }
    // The comment to store: the bytes it came with while unchanged, else the
    // typed text as UTF-8, line breaks as spaces.
    std::string commentText() const;
    // What the message line says (the room left, or why OK was refused).
    QString message() const;

private:
    std::unique_ptr<Ui::TfrmProps> m_ui;
    MessageLine *m_message;
    const platform::SystemView *m_system;
    TreeNode *m_node = nullptr;
    TDisk *m_disk = nullptr;
    std::string m_prefix;   // the drive part of the root path
    std::string m_fullPath; // the node's full path as stored
    bool m_stored = false;
    std::optional<ScanOptions> m_reading;
    ScanOptions m_shownReading;
    bool m_readingChanged = false;
    Shelf m_shelf;
    bool m_shelfChanged = false;
    uint64_t m_storeRoom = 0;
    QDateTime m_lastRead;
};

} // namespace rkm
