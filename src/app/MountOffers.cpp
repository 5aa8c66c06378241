#include "app/MountOffers.h"

#include "catalog/CatalogStore.h"
#include "gui/Notification.h"
#include "gui/Prompter.h"
#include "mounts/DiskPresence.h"
#include "platform/Text.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QUrl>
#include <QFile>

#include <algorithm>

namespace rkm {

namespace {

// The same volume at the same place (a volume mounted twice is two offers).
bool SameMount(const MountedVolume &a, const MountedVolume &b)
{
    return a.mountPoint == b.mountPoint && a.uuid == b.uuid && a.device == b.device;
}

std::string ExtraOf(const ListingExtras &extras, const char *key)
{
    const auto it = extras.find(key);
    return it == extras.end() ? std::string() : it->second;
}

} // namespace

MountOffers::MountOffers(CatalogStore &store, DiskPresence &presence, Actions actions, QWidget *parent)
    : QFrame(parent), m_store(store), m_presence(presence), m_actions(std::move(actions))
{
    setObjectName(QStringLiteral("pnlMountOffer"));
    setFrameShape(QFrame::StyledPanel);
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::AlternateBase);
    notify = SendDesktopNotification;

    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(8, 4, 4, 4);
    m_text = new QLabel;
    m_text->setObjectName(QStringLiteral("lblMountOffer"));
    // The text colour that goes with the bar's colour, light on a dark one.
    m_text->setForegroundRole(QPalette::Text);
    m_text->setTextFormat(Qt::PlainText);
    m_text->setWordWrap(true);
    layout->addWidget(m_text, 1);
    const auto button = [&](const char *name, const char *caption) {
        auto *b = new QPushButton(tr(caption));
        b->setObjectName(QString::fromLatin1(name));
        b->setAutoDefault(false);
        layout->addWidget(b);
        return b;
    };
    m_update = button("cmdMountUpdate", QT_TR_NOOP("&Update"));
    m_verify = button("cmdMountVerify", QT_TR_NOOP("V&erify"));
    m_open = button("cmdMountOpen", QT_TR_NOOP("&Open folder"));
    m_add = button("cmdMountAdd", QT_TR_NOOP("&Add to catalogue"));
    m_notNow = button("cmdMountNotNow", QT_TR_NOOP("&Not now"));

    // Each answer takes the offer away first: what it runs may take a while
    // and show windows of its own.
    connect(m_update, &QPushButton::clicked, this, [this] {
        if (TreeNode *disk = offeredDisk()) {
            take();
            m_actions.update(disk);
        }
    });
    connect(m_verify, &QPushButton::clicked, this, [this] {
        if (TreeNode *disk = offeredDisk()) {
            take();
            m_actions.verify(disk);
        }
    });
    connect(m_open, &QPushButton::clicked, this, [this] {
        if (m_offers.empty())
            return;
        const std::string folder = m_offers.back().volume.mountPoint;
        take();
        prompter().openUrl(QUrl::fromLocalFile(QFile::decodeName(QByteArray::fromStdString(folder))));
    });
    connect(m_add, &QPushButton::clicked, this, [this] {
        if (m_offers.empty())
            return;
        const MountedVolume volume = m_offers.back().volume;
        take();
        m_actions.add(volume.mountPoint, volume.label);
    });
    connect(m_notNow, &QPushButton::clicked, this, &MountOffers::take);

    connect(&m_presence, &DiskPresence::volumeMounted, this, &MountOffers::mounted);
    connect(&m_presence, &DiskPresence::volumeUnmounted, this, &MountOffers::unmounted);
    // A listing deleted or updated meanwhile: the bar names what is there now.
    connect(&m_presence, &DiskPresence::changed, this, &MountOffers::showLatest);
    hide();
}

void MountOffers::setOffering(bool offer)
{
    m_offering = offer;
    if (!offer)
        m_offers.clear();
    showLatest();
}

QString MountOffers::text() const
{
    return isHidden() ? QString() : m_text->text();
}

QString MountOffers::diskName(const TreeNode *disk) const
{
    return platform::DecodeText(m_store.Tree().displayName(*disk));
}

void MountOffers::mounted(const MountedVolume &volume, const std::vector<const TreeNode *> &disks)
{
    QString message;
    if (!disks.empty()) {
        std::vector<const TreeNode *> ask, update;
        for (const TreeNode *disk : disks) {
            switch (OnMountOf(m_store.ExtrasOf(disk))) {
            case OnMount::Ask:
                ask.push_back(disk);
                break;
            case OnMount::Update:
                update.push_back(disk);
                break;
            case OnMount::Ignore:
                break;
            }
        }
        // Updated at once, the user's standing choice, once the signal has
        // been handled: the Update shows windows of its own. With another
        // window waiting for an answer, it is offered instead.
        if (!update.empty() && m_actions.busy && m_actions.busy()) {
            ask.insert(ask.begin(), update.begin(), update.end());
            update.clear();
        }
        if (!update.empty()) {
            message = tr("“%1” is mounted at %2. Its listing is being updated.")
                          .arg(diskName(update.front()), platform::DecodeText(volume.mountPoint));
            QTimer::singleShot(0, this, [this, volume, update] {
                // One after the other, each still the catalogue's and still
                // on that volume (an Update replaces its listing).
                for (const TreeNode *disk : update) {
                    const std::vector<const TreeNode *> now = m_presence.listingsOn(volume);
                    if (std::find(now.begin(), now.end(), disk) != now.end())
                        m_actions.update(const_cast<TreeNode *>(disk));
                }
            });
        }
        if (!ask.empty() && m_offering) {
            m_offers.push_back({volume, true});
            message = textOf(m_offers.back());
        }
    } else if (volume.userVolume && m_offering) {
        m_offers.push_back({volume, false});
        message = textOf(m_offers.back());
    }
    showLatest();
    if (!message.isEmpty() && notify && m_actions.windowActive && !m_actions.windowActive())
        notify(tr("Disk mounted"), message);
}

void MountOffers::unmounted(const MountedVolume &volume)
{
    m_offers.erase(std::remove_if(m_offers.begin(), m_offers.end(),
                                  [&](const Offer &o) { return SameMount(o.volume, volume); }),
                   m_offers.end());
    showLatest();
}

TreeNode *MountOffers::diskOf(const Offer &offer) const
{
    if (!offer.known)
        return nullptr;
    // The first listing on the volume that asks (the presence knows only
    // the catalogue's listings of now).
    for (const TreeNode *disk : m_presence.listingsOn(offer.volume))
        if (OnMountOf(m_store.ExtrasOf(disk)) != OnMount::Ignore)
            return const_cast<TreeNode *>(disk);
    return nullptr;
}

TreeNode *MountOffers::offeredDisk() const
{
    return m_offers.empty() ? nullptr : diskOf(m_offers.back());
}

QString MountOffers::textOf(const Offer &offer) const
{
    const QString mountPoint = platform::DecodeText(offer.volume.mountPoint);
    if (const TreeNode *disk = diskOf(offer))
        return tr("“%1” is mounted at %2.").arg(diskName(disk), mountPoint);
    if (offer.volume.label.empty())
        return tr("A disk that is not in the catalogue is mounted at %1.").arg(mountPoint);
    return tr("A disk that is not in the catalogue is mounted at %1 (%2).")
        .arg(mountPoint, platform::DecodeText(offer.volume.label));
}

void MountOffers::take()
{
    if (!m_offers.empty())
        m_offers.pop_back();
    showLatest();
}

void MountOffers::showLatest()
{
    // An offer of a listing that has gone since (deleted) goes with it.
    while (!m_offers.empty() && m_offers.back().known && !offeredDisk())
        m_offers.pop_back();
    if (m_offers.empty() || !m_offering) {
        hide();
        return;
    }
    const Offer &offer = m_offers.back();
    m_text->setText(textOf(offer));
    m_update->setVisible(offer.known);
    m_verify->setVisible(offer.known);
    m_open->setVisible(offer.known);
    m_add->setVisible(!offer.known);
    show();
}

PathMapper PathMapperOf(const DiskPresence *presence, const TreeNode *disk)
{
    if (!presence || !disk)
        return nullptr;
    return [presence, disk](const std::string &path) { return presence->pathNow(disk, path); };
}

QString InsertTextOf(CatalogStore &store, const TreeNode *disk)
{
    const ListingExtras extras = store.ExtrasOf(disk);
    return InsertDiskText(platform::DecodeText(store.Tree().displayName(*disk)), ExtraOf(extras, EXTRA_LOCATION),
                          ExtraOf(extras, EXTRA_LENT_TO));
}

} // namespace rkm
