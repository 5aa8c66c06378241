#include "search/ui/SearchCommands.h"

#include "app/CatalogTreeModel.h"
#include "app/Frmlistpr.h"
#include "app/Mainfrm.h"
#include "app/Prompter.h"
#include "search/Annotations.h"
#include "search/Finder.h"
#include "search/ui/searchfrm.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QTableView>
#include <QTreeView>

namespace rkm {

namespace {

// The hourglass for as long as it lives.
class WaitCursor final {
public:
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor &) = delete;
    WaitCursor &operator=(const WaitCursor &) = delete;
};

} // namespace

SearchCommands::SearchCommands(TfrmMain &main)
    : m_main(main), m_frmSearch(std::make_unique<TfrmSearch>(&main)),
      m_frmListProperties(std::make_unique<TfrmListProperties>(&main))
{
}

SearchCommands::~SearchCommands() = default;

void SearchCommands::mnuFindClick()
{
    find(false);
}

void SearchCommands::mnuFindNextClick()
{
    find(true);
}

int SearchCommands::continuationEntry() const
{
    // After a file entry match, or on a row the user picked, the search goes
    // on with the next entry. A folder match and a fresh selection leave no
    // grid row current: the search starts with the first entry.
    const int row = m_main.gridEntryIndex();
    return row < 0 ? 0 : row + 1;
}

void SearchCommands::find(bool next)
{
    TfrmSearch &d = *m_frmSearch;
    const bool continued = next && (!d.txtSearch->text().isEmpty() ||
                                    (d.chkCategory->isChecked() && !d.cboCategories->currentText().isEmpty()));
    if (!continued) {
        d.chkCategory->setChecked(false);
        d.setCategories(m_main.Categories());
        if (d.exec() != QDialog::Accepted)
            return;
    }
    m_main.guarded([&] {
        const Finder finder(d.options());
        const Catalog &tree = m_main.store().tree();
        SearchHit hit;
        {
            const WaitCursor wait;
            if (continued && m_main.CurrentNode)
                hit = finder.findNext(tree, m_main.CurrentNode, continuationEntry());
            else
                hit = finder.findFirst(tree);
        }
        if (!hit) {
            prompter().message(&m_main, QMessageBox::NoIcon, QStringLiteral("Search"),
                               QStringLiteral("No matching entry was found"), QMessageBox::Ok);
            return;
        }
        m_main.selectNode(hit.node);
        m_main.setGridEntryIndex(hit.entry);
        if (hit.entry < 0)
            m_main.TreeView1->setFocus();
        else
            m_main.StringGrid1->setFocus();
    });
}

void SearchCommands::StringGrid1DblClick()
{
    TreeNode *node = m_main.CurrentNode;
    if (!node)
        return;
    const int index = m_main.gridEntryIndex();
    TDisk &folder = node->disk();
    if (index < 0 || index >= folder.Files.count())
        return;
    TfrmListProperties &d = *m_frmListProperties;
    d.setEntry(folder.Files.entry(index), m_main.Categories(), folder.GetFullPath());
    if (d.exec() != QDialog::Accepted)
        return;
    m_main.guarded([&] {
        try {
            SetEntryAnnotations(m_main.store(), folder, index, d.descriptionText(), d.categoryText());
        } catch (...) {
            // The new texts stay in memory; show them before the error.
            m_main.refreshGridEntry(index);
            throw;
        }
        m_main.refreshGridEntry(index);
    });
}

} // namespace rkm
