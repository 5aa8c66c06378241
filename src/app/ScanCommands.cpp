#include "app/ScanCommands.h"
#include "service/Project.h"

#include "app/MainView.h"
#include "catalog/CatalogStore.h"
#include "catalog/Contents.h"
#include "gui/Prompter.h"
#include "gui/WaitCursor.h"
#include "platform/SystemView.h"
#include "platform/Text.h"
#include "scan/ContentReading.h"
#include "scan/ListingOptions.h"
#include "scan/Scanner.h"
#include "scan/Update.h"
#include "scan/Verify.h"
#include "scan/ui/Frmaddnew.h"
#include "scan/ui/Frmadding.h"
#include "scan/ui/Frmcompare.h"
#include "scan/ui/Frmdifferences.h"
#include "scan/ui/Frmprops.h"
#include "scan/ui/Formrename.h"
#include "search/Compare.h"
#include "search/Finder.h"

#include <QFile>
#include <QLocale>

#include <algorithm>

#include <cerrno>
#include <cstring>

namespace rkm {

namespace {

const QString RACKMERE = QStringLiteral("Rackmere");

// A walk that reads the files' contents collects them here; none else.
std::shared_ptr<ContentSink> SinkFor(const ScanOptions &options, ContentRecords previous = {}, bool reread = false)
{
    if (!options.fingerprints && !options.pictures)
        return nullptr;
    return std::make_shared<ContentSink>(std::move(previous), reread);
}

// Whether the store holds a fingerprint of any file of the listing.
bool HasFingerprints(CatalogStore &store, const TreeNode *disk)
{
    const WaitCursor wait;
    return store.HasFingerprints(disk);
}

} // namespace

// The windows and actions are children of the main window, which deletes them.
ScanCommands::ScanCommands(CatalogStore &store, MainView &view)
    : m_store(store), m_view(view), m_commands(view.dialogParent()), m_addNew(new TfrmAddNew(view.dialogParent())),
      m_adding(new TfrmAdding(view.dialogParent())), m_props(new TfrmProps(view.dialogParent())),
      m_differences(new TfrmDifferences(view.dialogParent()))
{
    m_differences->hide();
    m_addNew->nameTaken = [this](const std::string &name) { return m_store.Tree().nameTaken(name); };
    QObject::connect(m_differences, &TfrmDifferences::itemActivated, view.dialogParent(),
                     [this](TreeNode *node, int entry) { m_view.showMatch(node, entry); });
    QObject::connect(m_differences, &TfrmDifferences::searchFailed, view.dialogParent(),
                     [this](const QString &message) { m_view.reportError(message); });

    using N = CommandNeeds;
    using K = CommandKind;
    CommandList &c = m_commands;
    // The Disk menu's items.
    c.add("Addnew1", QT_TRANSLATE_NOOP("Commands", "&Add new..."), N::Nothing, K::Edits, [this] { addListing(); });
    c.add("mnuUpdate", QT_TRANSLATE_NOOP("Commands", "&Update..."), N::Selection, K::Edits, [this] { updateListing(); });
    c.add("mnuDelete", QT_TRANSLATE_NOOP("Commands", "&Delete"), N::Selection, K::Edits, [this] { deleteListing(); });
    c.add("mnuRename", QT_TRANSLATE_NOOP("Commands", "&Rename..."), N::Selection, K::Edits, [this] { renameListing(); }, {QKeySequence(Qt::Key_F2)});
    c.add("mnuProperties", QT_TRANSLATE_NOOP("Commands", "Pr&operties..."), N::Selection, K::Edits, [this] { showProperties(); });
    c.add("mnuCompare", QT_TRANSLATE_NOOP("Commands", "&Compare with..."), N::Selection, K::Reads, [this] { compareListing(); });
    c.add("mnuVerify", QT_TRANSLATE_NOOP("Commands", "&Verify..."), N::Selection, K::Reads, [this] { verifyListing(); });
    // The tree's pop-up menu items.
    c.add("Addnew2", QT_TRANSLATE_NOOP("Commands", "&Add new..."), N::Nothing, K::Edits, [this] { addListing(); }, {QKeySequence(Qt::Key_Insert)});
    c.add("popUpdate", QT_TRANSLATE_NOOP("Commands", "&Update..."), N::Selection, K::Edits, [this] { updateListing(); });
    c.add("popRename", QT_TRANSLATE_NOOP("Commands", "&Rename"), N::Selection, K::Edits, [this] { renameListing(); });
    c.add("popDelete", QT_TRANSLATE_NOOP("Commands", "&Delete"), N::Selection, K::Edits, [this] { deleteListing(); }, {QKeySequence(Qt::Key_Delete)});
    c.add("popProperties", QT_TRANSLATE_NOOP("Commands", "Pr&operties..."), N::Selection, K::Edits, [this] { showProperties(); },
          {QKeySequence(Qt::Key_Enter), QKeySequence(Qt::Key_Return)});
    c.add("popCompare", QT_TRANSLATE_NOOP("Commands", "&Compare with..."), N::Selection, K::Reads, [this] { compareListing(); });
    c.add("popVerify", QT_TRANSLATE_NOOP("Commands", "&Verify..."), N::Selection, K::Reads, [this] { verifyListing(); });
}

ScanCommands::~ScanCommands()
{
    stopSearches();
}

void ScanCommands::stopSearches()
{
    m_differences->cancel();
}

void ScanCommands::addListing()
{
    if (m_addNew->exec() != QDialog::Accepted)
        return;
    m_view.guarded([&] {
        const std::string root = m_addNew->scanRoot();
        const std::string name = m_addNew->description();
        const std::string comment = m_addNew->comment();
        const ScanOptions options = m_addNew->scanOptions();
        const std::shared_ptr<ContentSink> contents = SinkFor(options);
        std::unique_ptr<TreeNode> scanned = m_adding->runScan(
            root,
            [&](ScanControl &control) { return ScanDisk(root, name, comment, &control, 0, options, contents.get()); },
            options.fingerprints);
        if (!scanned)
            return; // cancelled: nothing was added and nothing written
        const WaitCursor wait;
        // Added and written with its reading choices, so that Update reads the
        // disk again the same way. A listing that cannot be written is shown
        // all the same, stays modified and is written later with its choices.
        m_store.AddListing(
            std::move(scanned), WithScanOptions({}, options), [this](TreeNode *node) { m_view.selectNode(node); },
            contents);
        m_view.tellShortenedTexts();
    });
}

void ScanCommands::addListingOf(const std::string &folder, const std::string &name)
{
    m_addNew->presetOnce(QFile::decodeName(QByteArray::fromStdString(folder)), platform::DecodeText(name));
    addListing();
}

bool ScanCommands::diskReady(TDisk *root, Reading reading)
{
    // A disk that is there and is the volume the listing was made of is read
    // at once; the user is asked to put it in only when it is not.
    if (CheckListingDisk(m_store, *root) != DiskCheck::Ready &&
        prompter().message(m_view.dialogParent(), QMessageBox::Question, RACKMERE,
                           UpdatePrompt(root->Node->text(), root->RootPath, platform::System()),
                           QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Ok) != QMessageBox::Ok)
        return false;
    // Each doubt is asked once; a Yes takes it, and the checks go on.
    for (DiskChecks accepted = 0;;) {
        const DiskCheck check = CheckListingDisk(m_store, *root, accepted);
        QString question;
        switch (check) {
        case DiskCheck::NotFound: {
            int error = ENOENT;
            ResolveScanRoot(root->GetFullPath(), &error);
            prompter().message(m_view.dialogParent(), QMessageBox::Warning, QString::fromLatin1(APP_TITLE),
                               DiskNotFoundText(root->GetFullPath(), error), QMessageBox::Ok);
            return false;
        }
        case DiskCheck::RootUnreadable:
        case DiskCheck::SystemFolder: {
            QString reason = QString::fromStdString(DiskCheckReason(check, *root));
            reason[0] = reason[0].toUpper();
            question = reading == Reading::Update
                           ? tr("%1. This is probably not the disk of the listing. Update all the same?").arg(reason)
                           : tr("%1. This is probably not the disk of the listing. Verify all the same?").arg(reason);
            break;
        }
        case DiskCheck::SerialDiffers:
            // Asked the other way round, as it always was: Yes aborts.
            if (prompter().message(m_view.dialogParent(), QMessageBox::Question, QString::fromLatin1(APP_TITLE),
                                   (reading == Reading::Update
                                        ? tr("The serial number of the disk (%1) is not the same as that of the "
                                             "original one, this probably means that you inserted the wrong disk. "
                                             "Abort update?")
                                        : tr("The serial number of the disk (%1) is not the same as that of the "
                                             "original one, this probably means that you inserted the wrong disk. "
                                             "Abort verify?"))
                                       .arg(platform::DecodeText(root->RootPath)),
                                   QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes) != QMessageBox::No)
                return false;
            accepted |= Accepted(check);
            continue;
        case DiskCheck::Ready:
            return true;
        }
        if (prompter().message(m_view.dialogParent(), QMessageBox::Question, QString::fromLatin1(APP_TITLE),
                               question, QMessageBox::Yes | QMessageBox::No, QMessageBox::No) != QMessageBox::Yes)
            return false;
        accepted |= Accepted(check);
    }
}

void ScanCommands::updateListing()
{
    if (!m_view.currentNode())
        return;
    TDisk *root = m_view.currentNode()->disk().GetRootDisk();
    TreeNode *old = root->Node;
    // A disk the presence knows by its volume is read where it is mounted
    // now; the others are looked for and asked for as always.
    const std::string mountedAt = m_whereNow ? m_whereNow(root->Node) : std::string();
    if (mountedAt.empty() && !diskReady(root, Reading::Update))
        return;
    m_view.guarded([&] {
        const std::string rootPath = mountedAt.empty() ? root->RootPath : mountedAt;
        const std::string name = old->text();
        const std::string comment = root->Comment;
        // Read as the listing was made.
        const ScanOptions options = ScanOptionsFor(m_store, old);
        // A file whose size and date did not change keeps what was read of
        // it; its picture only while pictures are still chosen.
        std::shared_ptr<ContentSink> contents;
        if (options.fingerprints || options.pictures) {
            const WaitCursor wait;
            contents = UpdateContentSink(m_store, old, options);
        }
        std::unique_ptr<TreeNode> fresh = m_adding->runScan(
            rootPath,
            [&](ScanControl &control) {
                return ScanDisk(rootPath, name, comment, &control, 0, options, contents.get());
            },
            options.fingerprints);
        if (!fresh)
            return; // cancelled: the old listing and its file stay as they were
        const WaitCursor wait;
        // Written before the old file goes; a failure leaves all as it was.
        m_view.selectNode(CompleteUpdate(m_store, old, std::move(fresh), options, contents));
        m_view.tellShortenedTexts();
    });
}

void ScanCommands::verifyListing()
{
    if (!m_view.currentNode())
        return;
    TDisk *root = m_view.currentNode()->disk().GetRootDisk();
    const TreeNode *disk = root->Node;
    // A disk the presence knows by its volume is read where it is mounted
    // now; the others are looked for and asked for as always.
    const std::string mountedAt = m_whereNow ? m_whereNow(root->Node) : std::string();
    if (mountedAt.empty() && !diskReady(root, Reading::Verify))
        return;
    // Offered only for a listing whose files have fingerprints.
    bool contentsToo = false;
    if (HasFingerprints(m_store, disk)) {
        const auto answer = prompter().message(
            m_view.dialogParent(), QMessageBox::Question, RACKMERE,
            tr("Compare contents (fingerprints) too?\n\nEvery file is read again and its fingerprint "
               "compared with the one kept: a file whose contents changed while its size and date "
               "stayed the same is found. This takes as long as reading the whole disk."),
            QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::No);
        if (answer == QMessageBox::Cancel)
            return;
        contentsToo = answer == QMessageBox::Yes;
    }
    m_view.guarded([&] {
        const std::string rootPath = mountedAt.empty() ? root->RootPath : mountedAt;
        const std::string diskName = disk->text();
        const std::string comment = root->Comment;
        ScanOptions options = VerifyScanOptions(ScanOptionsFor(m_store, disk));
        options.fingerprints = contentsToo;
        options.pictures = false;
        const std::shared_ptr<ContentSink> read = SinkFor(options, {}, true);
        // The walk of Add new and Update, with its progress window and Cancel.
        std::shared_ptr<const TreeNode> now = m_adding->runScan(
            rootPath,
            [&](ScanControl &control) {
                return ScanDisk(rootPath, diskName, comment, &control, 0, options, read.get());
            },
            contentsToo);
        if (!now)
            return; // cancelled: nothing to show
        DifferencesContents contents;
        if (read) {
            const WaitCursor wait;
            contents.compared = true;
            contents.disk = disk;
            contents.changes = CompareContents(m_store.ContentsOf(disk), *read);
        }
        const long contentChanges = static_cast<long>(contents.changes.size());
        // The walk, detached from the catalogue, goes with the comparison.
        const QString name = platform::DecodeText(m_store.Tree().displayName(*disk));
        m_differences->compare(
            tr("Verify '%1'").arg(name),
            [disk, now](const std::atomic<bool> &stop) { return CompareWithWalk(*disk, *now, &stop); },
            [name, contentChanges](const ListingDiff &diff) {
                const QLocale l;
                if (diff.equal() && contentChanges == 0)
                    return tr("Verify '%1': the disk matches its listing").arg(name);
                if (contentChanges > 0)
                    return tr("Verify '%1': %2 added, %3 removed, %4 changed, %5 with changed or unreadable "
                              "contents")
                        .arg(name, l.toString(diff.onlyInB), l.toString(diff.onlyInA), l.toString(diff.changed),
                             l.toString(contentChanges));
                return tr("Verify '%1': %2 added, %3 removed, %4 changed")
                    .arg(name, l.toString(diff.onlyInB), l.toString(diff.onlyInA), l.toString(diff.changed));
            },
            {tr("Removed from the disk"), tr("Added to the disk"), tr("Changed")},
            std::move(contents));
        m_view.showPanel(m_differences);
    });
}

void ScanCommands::compareListing()
{
    if (!m_view.currentDisk())
        return;
    const TreeNode *disk = m_view.currentDisk()->Node;
    std::vector<const TreeNode *> others;
    for (const TreeNode *d : DiskNodes(m_store.Tree()))
        if (d != disk)
            others.push_back(d);
    if (others.empty()) {
        prompter().message(m_view.dialogParent(), QMessageBox::Information, RACKMERE,
                           tr("There is no other listing to compare this one with."), QMessageBox::Ok);
        return;
    }
    TfrmCompare dialog(m_view.dialogParent());
    dialog.setListings(disk, others, &m_store.Tree());
    if (dialog.exec() != QDialog::Accepted || !dialog.chosen())
        return;
    const TreeNode *other = dialog.chosen();
    m_view.guarded([&] {
        const QString a = platform::DecodeText(m_store.Tree().displayName(*disk)),
                      b = platform::DecodeText(m_store.Tree().displayName(*other));
        // The panel shows at once and the differences come when found; the
        // window goes on meanwhile.
        m_differences->compare(
            tr("Compare '%1' with '%2'").arg(a, b),
            [disk, other](const std::atomic<bool> &stop) { return CompareListings(*disk, *other, &stop); },
            [a, b](const ListingDiff &diff) {
                const QLocale l;
                return diff.equal() ? tr("Compare '%1' with '%2': the listings are equal").arg(a, b)
                                    : tr("Compare '%1' with '%2': %3 only in '%1', %4 only in '%2', %5 changed")
                                          .arg(a, b, l.toString(diff.onlyInA), l.toString(diff.onlyInB),
                                               l.toString(diff.changed));
            },
            {tr("Only in '%1'").arg(a), tr("Only in '%1'").arg(b), tr("Changed")});
        m_view.showPanel(m_differences);
    });
}

void ScanCommands::forgetDisk(const TreeNode *disk)
{
    m_differences->forgetDisk(disk);
}

void ScanCommands::deleteListing()
{
    if (!m_view.currentNode())
        return;
    TDisk *root = m_view.currentNode()->disk().GetRootDisk();
    // The question names the listing: a deep folder may be selected, and two
    // listings may share a name.
    const QString listing = platform::DecodeText(m_store.Tree().displayName(*root->Node));
    if (prompter().message(m_view.dialogParent(), QMessageBox::Question, RACKMERE,
                           tr("Are you sure you wish to delete this disk listing?\n\n%1").arg(listing),
                           QMessageBox::Yes | QMessageBox::No, QMessageBox::No) != QMessageBox::Yes)
        return;
    const std::string fileName = root->FileName;
    const QString path = platform::DecodeText(m_store.PathOf(fileName));
    if (!m_store.DeleteListing(root->Node)) {
        const int error = errno;
        prompter().message(m_view.dialogParent(), QMessageBox::Warning, path,
                           tr("Error deleting file %1: %2.")
                               .arg(path, QString::fromLocal8Bit(std::strerror(error))),
                           QMessageBox::Ok);
        return;
    }
    m_view.selectNode(nullptr);
}

void ScanCommands::renameListing()
{
    if (!m_view.currentDisk())
        return;
    TDisk *disk = m_view.currentDisk();
    TFormRename dialog(m_view.dialogParent());
    dialog.setStoredName(disk->Node->text());
    dialog.setNameTaken([this, disk](const std::string &name) { return m_store.Tree().nameTaken(name, disk->Node); });
    if (dialog.exec() != QDialog::Accepted)
        return;
    // OK without a change keeps the stored bytes (which may be another
    // encoding than the one typed).
    if (!dialog.changed())
        return;
    // The disk moves to the place of its new name and stays selected.
    m_store.RenameDisk(disk->Node, dialog.storedName());
    m_view.listingEdited(*disk);
}

void ScanCommands::showProperties()
{
    TreeNode *node = m_view.currentNode();
    if (!node)
        return;
    TreeNode *disk = node->disk().GetRootDisk()->Node;
    m_props->SetPropsNode(node);
    m_props->setReading(RememberedScanOptions(m_store, node));
    m_props->setLastRead(m_store.LastRead(disk));
    m_props->setStoreRoom(m_store.StoreRoomOf(disk));
    m_props->setShelf(ShelfOf(m_store.ExtrasOf(disk)));
    m_props->FormShow();
    if (m_props->exec() != QDialog::Accepted)
        return;
    // Changed choices are kept with the listing and read at its next Update;
    // the place of the disk is kept with it too.
    if (m_props->readingChanged() || m_props->shelfChanged()) {
        ListingExtras extras = m_store.ExtrasOf(disk);
        if (m_props->readingChanged())
            extras = WithScanOptions(std::move(extras), m_props->reading());
        if (m_props->shelfChanged())
            extras = WithShelf(std::move(extras), m_props->shelf());
        m_store.SetExtras(disk, std::move(extras));
    }
    if (m_props->stored() || m_props->readingChanged() || m_props->shelfChanged())
        m_view.listingEdited(node->disk());
}

} // namespace rkm
