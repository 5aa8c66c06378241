#include "app/ScanCommands.h"

#include "app/CatalogTreeModel.h"
#include "app/Mainfrm.h"
#include "gui/Prompter.h"
#include "gui/WaitCursor.h"
#include "platform/SystemView.h"
#include "platform/Text.h"
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
#include "gui/WaitCursor.h"

#include <QLocale>

#include <cerrno>
#include <cstring>

namespace rkm {

namespace {

const QString RACKMERE = QStringLiteral("Rackmere");

} // namespace

// The windows are children of the main window, which deletes them.
ScanCommands::ScanCommands(TfrmMain &main)
    : m_main(main), m_addNew(new TfrmAddNew(&main)), m_adding(new TfrmAdding(&main)), m_props(new TfrmProps(&main)),
      m_differences(new TfrmDifferences(&main))
{
    m_differences->hide();
    QObject::connect(m_differences, &TfrmDifferences::itemActivated, &main,
                     [this](TreeNode *node, int entry) { m_main.showMatch(node, entry); });
}

ScanCommands::~ScanCommands() = default;

void ScanCommands::addListing()
{
    if (m_addNew->exec() != QDialog::Accepted)
        return;
    m_main.guarded([&] {
        const std::string root = m_addNew->scanRoot();
        const std::string name = m_addNew->description();
        const std::string comment = m_addNew->comment();
        const ScanOptions options = m_addNew->scanOptions();
        std::unique_ptr<TreeNode> scanned = m_adding->runScan(
            root, [&](ScanControl &control) { return ScanDisk(root, name, comment, &control, 0, options); });
        if (!scanned)
            return; // cancelled: nothing was added and nothing written
        const WaitCursor wait;
        // Shown at once; a listing that cannot be written stays modified and
        // is written at the end of the run with the others.
        TreeNode *node = m_main.store().AddDisk(std::move(scanned));
        m_main.selectNode(node);
        m_main.store().SaveListing(node);
        // Update reads the disk again the same way.
        RememberScanOptions(node->disk().FileName, options);
        m_main.tellShortenedTexts();
    });
}

bool ScanCommands::diskReady(TDisk *root, const char *verb)
{
    if (prompter().message(&m_main, QMessageBox::Question, RACKMERE,
                           UpdatePrompt(root->Node->text(), root->RootPath, platform::System()),
                           QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Ok) != QMessageBox::Ok)
        return false;
    switch (CheckListingDisk(m_main.store(), *root)) {
    case DiskCheck::NotFound: {
        int error = ENOENT;
        ResolveScanRoot(root->GetFullPath(), &error);
        prompter().message(&m_main, QMessageBox::Warning, m_main.windowTitle(),
                           DiskNotFoundText(root->GetFullPath(), error), QMessageBox::Ok);
        return false;
    }
    case DiskCheck::SerialDiffers:
        return prompter().message(&m_main, QMessageBox::Question, m_main.windowTitle(),
                                  QStringLiteral("The serial number of the disk (%1) is not the same as that of the "
                                                 "original one, this probably means that you inserted the wrong disk. "
                                                 "Abort %2?")
                                      .arg(platform::DecodeText(root->RootPath), QString::fromLatin1(verb)),
                                  QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes) == QMessageBox::No;
    case DiskCheck::Ready:
        break;
    }
    return true;
}

void ScanCommands::updateListing()
{
    if (!m_main.currentNode())
        return;
    TDisk *root = m_main.currentNode()->disk().GetRootDisk();
    TreeNode *old = root->Node;
    if (!diskReady(root, "update"))
        return;
    m_main.guarded([&] {
        const std::string rootPath = root->RootPath;
        const std::string name = old->text();
        const std::string comment = root->Comment;
        // Read as the listing was made.
        const ScanOptions options = ScanOptionsFor(root->FileName);
        std::unique_ptr<TreeNode> fresh = m_adding->runScan(rootPath, [&](ScanControl &control) {
            return ScanDisk(rootPath, name, comment, &control, 0, options);
        });
        if (!fresh)
            return; // cancelled: the old listing and its file stay as they were
        const WaitCursor wait;
        // Written before the old file goes; a failure leaves all as it was.
        fresh = CompleteUpdate(m_main.store(), *old, std::move(fresh), options);
        m_main.selectNode(m_main.store().ReplaceDisk(old, std::move(fresh)));
        m_main.tellShortenedTexts();
    });
}

void ScanCommands::verifyListing()
{
    if (!m_main.currentNode())
        return;
    TDisk *root = m_main.currentNode()->disk().GetRootDisk();
    const TreeNode *disk = root->Node;
    if (!diskReady(root, "verify"))
        return;
    m_main.guarded([&] {
        const std::string rootPath = root->RootPath;
        const std::string diskName = disk->text();
        const std::string comment = root->Comment;
        const ScanOptions options = VerifyScanOptions(root->FileName);
        // The walk of Add new and Update, with its progress window and Cancel.
        const std::unique_ptr<TreeNode> now = m_adding->runScan(rootPath, [&](ScanControl &control) {
            return ScanDisk(rootPath, diskName, comment, &control, 0, options);
        });
        if (!now)
            return; // cancelled: nothing to show
        ListingDiff diff = CompareWithWalk(*disk, *now);
        const QString name = platform::DecodeText(disk->text());
        const QLocale l;
        const QString title = diff.equal() ? QStringLiteral("Verify '%1': the disk matches its listing").arg(name)
                                           : QStringLiteral("Verify '%1': %2 added, %3 removed, %4 changed")
                                                 .arg(name, l.toString(diff.onlyInB), l.toString(diff.onlyInA),
                                                      l.toString(diff.changed));
        m_differences->showDiff(title, std::move(diff),
                                {QStringLiteral("Removed from the disk"), QStringLiteral("Added to the disk"),
                                 QStringLiteral("Changed")});
        m_main.showPanel(m_differences);
    });
}

void ScanCommands::compareListing()
{
    if (!m_main.currentDisk())
        return;
    const TreeNode *disk = m_main.currentDisk()->Node;
    std::vector<const TreeNode *> others;
    for (const TreeNode *d : DiskNodes(m_main.store().Tree()))
        if (d != disk)
            others.push_back(d);
    if (others.empty()) {
        prompter().message(&m_main, QMessageBox::Information, RACKMERE,
                           QStringLiteral("There is no other listing to compare this one with."), QMessageBox::Ok);
        return;
    }
    TfrmCompare dialog(&m_main);
    dialog.setListings(disk, others);
    if (dialog.exec() != QDialog::Accepted || !dialog.chosen())
        return;
    const TreeNode *other = dialog.chosen();
    m_main.guarded([&] {
        ListingDiff diff;
        {
            const WaitCursor wait;
            diff = CompareListings(*disk, *other);
        }
        const QString a = platform::DecodeText(disk->text()), b = platform::DecodeText(other->text());
        const QLocale l;
        const QString title = diff.equal() ? QStringLiteral("Compare '%1' with '%2': the listings are equal").arg(a, b)
                                           : QStringLiteral("Compare '%1' with '%2': %3 only in '%1', %4 only in '%2', "
                                                            "%5 changed")
                                                 .arg(a, b, l.toString(diff.onlyInA), l.toString(diff.onlyInB),
                                                      l.toString(diff.changed));
        m_differences->showDiff(title, std::move(diff),
                                {QStringLiteral("Only in '%1'").arg(a), QStringLiteral("Only in '%1'").arg(b),
                                 QStringLiteral("Changed")});
        m_main.showPanel(m_differences);
    });
}

void ScanCommands::forgetDisk(const TreeNode *disk)
{
    m_differences->forgetDisk(disk);
}

void ScanCommands::deleteListing()
{
    if (!m_main.currentNode())
        return;
    if (prompter().message(&m_main, QMessageBox::Question, RACKMERE,
                           QStringLiteral("Are you sure you wish to delete this disk listing?"),
                           QMessageBox::Yes | QMessageBox::No, QMessageBox::No) != QMessageBox::Yes)
        return;
    TDisk *root = m_main.currentNode()->disk().GetRootDisk();
    const std::string fileName = root->FileName;
    const QString path = platform::DecodeText(m_main.store().PathOf(fileName));
    if (!m_main.store().DeleteListing(root->Node)) {
        const int error = errno;
        prompter().message(&m_main, QMessageBox::Warning, path,
                           QStringLiteral("Error deleting file %1: %2.")
                               .arg(path, QString::fromLocal8Bit(std::strerror(error))),
                           QMessageBox::Ok);
        return;
    }
    ForgetScanOptions(fileName);
    m_main.selectNode(nullptr);
    if (m_main.store().Tree().empty())
        m_main.TreeView1Change(nullptr);
}

void ScanCommands::renameListing()
{
    if (!m_main.currentDisk())
        return;
    TDisk *disk = m_main.currentDisk();
    TFormRename dialog(&m_main);
    dialog.setStoredName(disk->Node->text());
    if (dialog.exec() != QDialog::Accepted)
        return;
    // OK without a change keeps the stored bytes (which may be another
    // encoding than the one typed).
    if (!dialog.changed())
        return;
    // The disk moves to the place of its new name and stays selected.
    m_main.store().RenameDisk(disk->Node, dialog.storedName());
    m_main.listingEdited(*disk);
    m_main.treeModel()->nodeChanged(disk->Node);
}

void ScanCommands::showProperties()
{
    TreeNode *node = m_main.currentNode();
    if (!node)
        return;
    m_props->SetPropsNode(node);
    m_props->FormShow();
    if (m_props->exec() == QDialog::Accepted && m_props->stored())
        m_main.listingEdited(node->disk());
}

} // namespace rkm
