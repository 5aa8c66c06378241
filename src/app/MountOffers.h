#pragma once

#include "catalog/Presence.h"
#include "gui/Online.h"

#include <QFrame>
#include <QObject>

#include <functional>
#include <string>
#include <vector>

class QLabel;
class QPushButton;

namespace rkm {

class CatalogStore;
class DiskPresence;
class TreeNode;

// The bar above the grid that offers what to do when a disk is mounted: for
// a disk of the catalogue, Update, Verify, Open folder or Not now; for a
// disk it does not know, Add to catalogue or Not now. A listing whose disk
// is to be updated whenever it comes ("on-mount" update) is updated at once;
// one whose disk is to be let be ("ignore") is offered nothing. The bar shows
// the latest mount still offered; Not now or the disk's going takes its
// offer away and shows the one before. When the window is not the active
// one, a desktop notification says the same. Nothing is done to a listing
// but what the user chose.
class MountOffers final : public QFrame {
    Q_OBJECT

public:
    // What the bar's buttons run, as their menu items do.
    struct Actions {
        std::function<void(TreeNode *disk)> update;
        std::function<void(TreeNode *disk)> verify;
        // Add new over `folder`, with `name` offered as the listing's name.
        std::function<void(const std::string &folder, const std::string &name)> add;
        // Whether the window is the active one (else a notification is sent).
        std::function<bool()> windowActive;
        // Whether a modal window is up: a listing to be updated at once is
        // then offered on the bar instead.
        std::function<bool()> busy;
    };

    MountOffers(CatalogStore &store, DiskPresence &presence, Actions actions, QWidget *parent = nullptr);

    // The View menu's switch: with it off, no offer is made and the bar goes.
    void setOffering(bool offer);
    bool offering() const { return m_offering; }
    // The offers still open, the one shown last (tests and the screenshot).
    int offerCount() const { return static_cast<int>(m_offers.size()); }
    QString text() const;

    // Sends a notification (tests put their own; by default the session bus).
    std::function<void(const QString &summary, const QString &body)> notify;

private:
    struct Offer {
        MountedVolume volume;
        bool known = false; // a volume of the catalogue's listings
    };
    void mounted(const MountedVolume &volume, const std::vector<const TreeNode *> &disks);
    void unmounted(const MountedVolume &volume);
    // Shows the latest offer, or hides the bar when there is none.
    void showLatest();
    // The listing the shown offer names, as the catalogue has it now (null:
    // gone, or no longer on that volume).
    TreeNode *offeredDisk() const;
    TreeNode *diskOf(const Offer &offer) const;
    // What the bar (and the notification) says of an offer.
    QString textOf(const Offer &offer) const;
    void take(); // the shown offer was answered
    QString diskName(const TreeNode *disk) const;

    CatalogStore &m_store;
    DiskPresence &m_presence;
    Actions m_actions;
    bool m_offering = true;
    std::vector<Offer> m_offers; // the latest last
    QLabel *m_text;
    QPushButton *m_update, *m_verify, *m_open, *m_add, *m_notNow;
};

// Where the files of a listing are now (DiskPresence::pathNow), for the
// dialogs; null presence: nowhere known.
PathMapper PathMapperOf(const DiskPresence *presence, const TreeNode *disk);
// The message that asks for a listing's disk, with where it is kept and to
// whom it is lent.
QString InsertTextOf(CatalogStore &store, const TreeNode *disk);

} // namespace rkm
