#include "app/SearchCommands.h"

#include "app/MainView.h"
#include "catalog/CatalogStore.h"
#include "gui/Prompter.h"
#include "gui/WaitCursor.h"
#include "search/Annotations.h"
#include "search/Duplicates.h"
#include "search/Finder.h"
#include "search/ui/Frmduplicatelist.h"
#include "search/ui/Frmduplicates.h"
#include "search/ui/Frmlistproperties.h"
#include "search/ui/Frmresults.h"
#include "search/ui/Frmsearch.h"

namespace rkm {

SearchCommands::SearchCommands(CatalogStore &store, MainView &view)
    : m_store(store), m_view(view), m_commands(view.dialogParent()),
      m_frmSearch(std::make_unique<TfrmSearch>(view.dialogParent())),
      m_frmListProperties(std::make_unique<TfrmListProperties>(view.dialogParent())),
      m_results(new TfrmResults(view.dialogParent())), m_duplicates(new TfrmDuplicates(view.dialogParent())),
      m_duplicateList(new TfrmDuplicateList(view.dialogParent()))
{
    m_results->hide();
    m_duplicateList->hide();
    m_results->model().setCatalog(&store.Tree());
    m_duplicateList->model().setCatalog(&store.Tree());
    QObject::connect(m_results, &TfrmResults::matchActivated, view.dialogParent(),
                     [this](TreeNode *node, int entry) { m_view.showMatch(node, entry); });
    QObject::connect(m_duplicateList, &TfrmDuplicateList::entryActivated, view.dialogParent(),
                     [this](TreeNode *node, int entry) { m_view.showMatch(node, entry); });
    QObject::connect(m_duplicateList, &TfrmDuplicateList::searchFailed, view.dialogParent(),
                     [this](const QString &message) { m_view.reportError(message); });

    using N = CommandNeeds;
    using K = CommandKind;
    CommandList &c = m_commands;
    c.add("mnuFind", "&Find...", N::Listings, K::Reads, [this] { find(); }, {QKeySequence(Qt::CTRL | Qt::Key_F)});
    c.add("mnuFindNext", "Find ne&xt", N::Listings, K::Reads, [this] { findNext(); }, {QKeySequence(Qt::Key_F3)});
    c.add("mnuFindDuplicates", "Find &duplicates...", N::Listings, K::Reads, [this] { findDuplicates(); });
    // The grid's pop-up menu item, also a double click on a row; the
    // entry's texts may change.
    c.add("popLstProperties", "Properties", N::Nothing, K::Edits, [this] { editFileEntry(); },
          {QKeySequence(Qt::Key_Enter), QKeySequence(Qt::Key_Return)});
}

SearchCommands::~SearchCommands()
{
    stopSearches();
}

void SearchCommands::stopSearches()
{
    m_results->stop();
    m_duplicateList->cancel();
}

void SearchCommands::forgetDisk(const TreeNode *disk)
{
    m_results->forgetDisk(disk);
    m_duplicateList->forgetDisk(disk);
}

void SearchCommands::find()
{
    search(false);
}

void SearchCommands::findNext()
{
    search(true);
}

int SearchCommands::continuationEntry() const
{
    // After a file entry match, or on a row the user picked, the search goes
    // on with the next entry. A folder match and a fresh selection leave no
    // grid row current: the search starts with the first entry.
    const int row = m_view.gridEntryIndex();
    return row < 0 ? 0 : row + 1;
}

void SearchCommands::search(bool next)
{
    TfrmSearch &d = *m_frmSearch;
    // The listings offered are those of now (one may have gone or been
    // replaced since the dialog was last shown).
    d.setListings(DiskNodes(m_store.Tree()), m_view.currentDisk() ? m_view.currentDisk()->Node : nullptr,
                  &m_store.Tree());
    const bool continued = next && d.hasSearch();
    if (!continued) {
        d.clearCategoryRestriction();
        d.setCategories(m_store.Categories());
        if (d.exec() != QDialog::Accepted)
            return;
        if (d.findAllChosen()) {
            findAll();
            return;
        }
    }
    m_view.guarded([&] {
        const Finder finder(d.options());
        const Catalog &tree = m_store.Tree();
        SearchHit hit;
        {
            const WaitCursor wait;
            if (continued && m_view.currentNode())
                hit = finder.findNext(tree, m_view.currentNode(), continuationEntry());
            else
                hit = finder.findFirst(tree);
        }
        if (!hit) {
            prompter().message(m_view.dialogParent(), QMessageBox::NoIcon, QStringLiteral("Search"),
                               QStringLiteral("No matching entry was found"), QMessageBox::Ok);
            return;
        }
        m_view.showMatch(hit.node, hit.entry);
    });
}

void SearchCommands::findAll()
{
    m_results->start(m_frmSearch->options(), DiskNodes(m_store.Tree()));
    m_view.showPanel(m_results);
}

void SearchCommands::findDuplicates()
{
    TfrmDuplicates &d = *m_duplicates;
    d.setListings(DiskNodes(m_store.Tree()), m_view.currentDisk() ? m_view.currentDisk()->Node : nullptr,
                  &m_store.Tree());
    if (d.exec() != QDialog::Accepted)
        return;
    // The panel shows at once and the groups come when found; the window
    // goes on meanwhile.
    m_view.guarded([&] {
        m_duplicateList->search(DiskNodes(m_store.Tree()), d.options());
        m_view.showPanel(m_duplicateList);
    });
}

void SearchCommands::editFileEntry()
{
    TreeNode *node = m_view.currentNode();
    if (!node)
        return;
    const int index = m_view.gridEntryIndex();
    TDisk &folder = node->disk();
    if (index < 0 || index >= folder.Files.count())
        return;
    TfrmListProperties &d = *m_frmListProperties;
    d.setEntry(folder.Files.entry(index), m_store.Categories(), folder.GetFullPath());
    d.setRootPath(folder.GetRootDisk()->RootPath);
    if (d.exec() != QDialog::Accepted)
        return;
    m_view.guarded([&] {
        const std::string description(folder.Files.text(index, FT_DESCRIPTION));
        const std::string category(folder.Files.text(index, FT_CATEGORY));
        // A changed entry is a listing edit, also when DATA.CAT cannot be
        // written afterwards.
        const auto edited = [&] {
            if (folder.Files.text(index, FT_DESCRIPTION) != description ||
                folder.Files.text(index, FT_CATEGORY) != category)
                m_view.listingEdited(folder);
        };
        try {
            SetEntryAnnotations(m_store, folder, index, d.descriptionText(), d.categoryText());
        } catch (...) {
            // The new texts stay in memory; show them before the error.
            edited();
            m_view.refreshGridEntry(index);
            throw;
        }
        edited();
        m_view.refreshGridEntry(index);
    });
}

} // namespace rkm
