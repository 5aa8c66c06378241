#include "scan/ui/ScanCommands.h"

#include "app/CatalogTreeModel.h"
#include "app/Mainfrm.h"
#include "app/Prompter.h"
#include "platform/Platform.h"
#include "scan/Scanner.h"
#include "scan/Update.h"
#include "scan/ui/Addfrm.h"
#include "scan/ui/Frmaddprogress.h"
#include "scan/ui/Frmpr.h"
#include "scan/ui/Frmrename.h"

#include "ui_Frmrename.h"

namespace rkm {

namespace {

const QString RACKMERE = QStringLiteral("Rackmere");

} // namespace

// The windows are children of the main window, which deletes them.
ScanCommands::ScanCommands(TfrmMain &main)
    : m_main(main), m_addNew(new TfrmAddNew(&main)), m_adding(new TfrmAdding(&main)), m_props(new TfrmProps(&main))
{
}

ScanCommands::~ScanCommands() = default;

void ScanCommands::Addnew1Click()
{
    if (m_addNew->exec() != QDialog::Accepted)
        return;
    m_main.guarded([&] {
        std::unique_ptr<TreeNode> scanned;
        {
            ScanProgress progress(*m_adding);
            scanned = ScanDisk(m_addNew->scanRoot(), m_addNew->description(), m_addNew->comment(), m_adding);
        }
        TreeNode *node = m_main.treeModel()->appendDisk(std::move(scanned));
        TDisk &d = node->disk();
        try {
            m_main.store().SaveListing(node);
        } catch (...) {
            // Not written: it has no file yet, and is written at the end of
            // the run with the other modified listings.
            d.FileName.clear();
            d.SerialNumber = 0;
            d.Modified = true;
            m_main.selectNode(node);
            throw;
        }
        m_main.selectNode(node);
    });
}

void ScanCommands::popUpdateClick()
{
    if (!m_main.CurrentNode)
        return;
    TDisk *root = m_main.CurrentNode->disk().GetRootDisk();
    TreeNode *old = root->Node;
    const QString drive = platform::DecodeText(UpdateDriveText(root->RootPath, platform::System()));
    if (prompter().message(&m_main, QMessageBox::Question, RACKMERE,
                           QStringLiteral("Please make sure that the disk '%1' is inserted in drive %2")
                               .arg(platform::DecodeText(old->text()), drive),
                           QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Ok) != QMessageBox::Ok)
        return;
    switch (CheckListingDisk(m_main.store(), *root)) {
    case DiskCheck::NotFound:
        prompter().message(&m_main, QMessageBox::Warning, m_main.windowTitle(),
                           QStringLiteral("Could not find the disk!"), QMessageBox::Ok);
        return;
    case DiskCheck::SerialDiffers:
        if (prompter().message(&m_main, QMessageBox::Question, m_main.windowTitle(),
                               QStringLiteral("The serial number of the disk (%1) is not the same as that of the "
                                              "original one, this probably means that you inserted the wrong disk. "
                                              "Abort update?")
                                   .arg(platform::DecodeText(root->RootPath)),
                               QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes) != QMessageBox::No)
            return;
        break;
    case DiskCheck::Ready:
        break;
    }
    m_main.guarded([&] {
        std::unique_ptr<TreeNode> fresh;
        {
            ScanProgress progress(*m_adding);
            // Written before the old file goes; a failure leaves all as it was.
            fresh = UpdateListing(m_main.store(), *old, m_adding);
        }
        // The updated disk comes last, as a newly added one does.
        m_main.treeModel()->removeDisk(old);
        TreeNode *node = m_main.treeModel()->appendDisk(std::move(fresh));
        m_main.selectNode(node);
    });
}

void ScanCommands::popDeleteClick()
{
    if (!m_main.CurrentNode)
        return;
    if (prompter().message(&m_main, QMessageBox::Question, RACKMERE,
                           QStringLiteral("Are you sure you wish to delete this disk listing?"),
                           QMessageBox::Yes | QMessageBox::No, QMessageBox::No) != QMessageBox::Yes)
        return;
    TDisk *root = m_main.CurrentNode->disk().GetRootDisk();
    // A listing that was never written has no file to delete.
    if (!root->FileName.empty() && !m_main.store().DeleteListingFile(root->FileName)) {
        prompter().message(&m_main, QMessageBox::Warning,
                           platform::DecodeText(m_main.store().PathOf(root->FileName)),
                           QStringLiteral("Error deleting file"), QMessageBox::Ok);
        return;
    }
    m_main.treeModel()->removeDisk(root->Node);
    m_main.selectNode(nullptr);
    if (m_main.store().tree().empty())
        m_main.TreeView1Change(nullptr);
}

void ScanCommands::mnuRenameClick()
{
    if (!m_main.CurrentDisk)
        return;
    TDisk *disk = m_main.CurrentDisk;
    const QString before = platform::DecodeText(disk->Node->text());
    TFormRename dialog(&m_main);
    dialog.ui->txtName->setText(before);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const QString name = dialog.ui->txtName->text();
    // OK without a change keeps the stored bytes (which may be another
    // encoding than the one typed).
    if (name == before)
        return;
    disk->SetName(StoredName(name.toStdString()));
    m_main.treeModel()->nodeChanged(disk->Node);
}

void ScanCommands::mnuPropertiesClick()
{
    TreeNode *node = m_main.CurrentNode;
    if (!node)
        return;
    m_props->SetPropsNode(node);
    m_props->FormShow();
    m_props->exec();
}

} // namespace rkm
