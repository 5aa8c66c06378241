#include "app/SearchCommands.h"

#include "app/Mainfrm.h"
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

SearchCommands::SearchCommands(TfrmMain &main)
    : m_main(main), m_frmSearch(std::make_unique<TfrmSearch>(&main)),
      m_frmListProperties(std::make_unique<TfrmListProperties>(&main)), m_results(new TfrmResults(&main)),
      m_duplicates(new TfrmDuplicates(&main)), m_duplicateList(new TfrmDuplicateList(&main))
{
    m_results->hide();
    m_duplicateList->hide();
    QObject::connect(m_results, &TfrmResults::matchActivated, &main,
                     [this](TreeNode *node, int entry) { m_main.showMatch(node, entry); });
    QObject::connect(m_duplicateList, &TfrmDuplicateList::entryActivated, &main,
                     [this](TreeNode *node, int entry) { m_main.showMatch(node, entry); });
}

SearchCommands::~SearchCommands()
{
    m_results->stop();
}

void SearchCommands::stopFindAll()
{
    m_results->stop();
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
    const int row = m_main.gridEntryIndex();
    return row < 0 ? 0 : row + 1;
}

void SearchCommands::search(bool next)
{
    TfrmSearch &d = *m_frmSearch;
    // The listings offered are those of now (one may have gone or been
    // replaced since the dialog was last shown).
    d.setListings(DiskNodes(m_main.store().Tree()), m_main.currentDisk() ? m_main.currentDisk()->Node : nullptr);
    const bool continued = next && d.hasSearch();
    if (!continued) {
        d.clearCategoryRestriction();
        d.setCategories(m_main.Categories());
        if (d.exec() != QDialog::Accepted)
            return;
        if (d.findAllChosen()) {
            findAll();
            return;
        }
    }
    m_main.guarded([&] {
        const Finder finder(d.options());
        const Catalog &tree = m_main.store().Tree();
        SearchHit hit;
        {
            const WaitCursor wait;
            if (continued && m_main.currentNode())
                hit = finder.findNext(tree, m_main.currentNode(), continuationEntry());
            else
                hit = finder.findFirst(tree);
        }
        if (!hit) {
            prompter().message(&m_main, QMessageBox::NoIcon, QStringLiteral("Search"),
                               QStringLiteral("No matching entry was found"), QMessageBox::Ok);
            return;
        }
        m_main.showMatch(hit.node, hit.entry);
    });
}

void SearchCommands::findAll()
{
    m_results->start(m_frmSearch->options(), DiskNodes(m_main.store().Tree()));
    m_main.showPanel(m_results);
}

void SearchCommands::findDuplicates()
{
    TfrmDuplicates &d = *m_duplicates;
    d.setListings(DiskNodes(m_main.store().Tree()), m_main.currentDisk() ? m_main.currentDisk()->Node : nullptr);
    if (d.exec() != QDialog::Accepted)
        return;
    m_main.guarded([&] {
        std::vector<DuplicateGroup> groups;
        {
            const WaitCursor wait;
            groups = FindDuplicates(DiskNodes(m_main.store().Tree()), d.options());
        }
        m_duplicateList->setGroups(std::move(groups));
        m_main.showPanel(m_duplicateList);
    });
}

void SearchCommands::editFileEntry()
{
    stopFindAll(); // the entry's texts may change
    TreeNode *node = m_main.currentNode();
    if (!node)
        return;
    const int index = m_main.gridEntryIndex();
    TDisk &folder = node->disk();
    if (index < 0 || index >= folder.Files.count())
        return;
    TfrmListProperties &d = *m_frmListProperties;
    d.setEntry(folder.Files.entry(index), m_main.Categories(), folder.GetFullPath());
    d.setRootPath(folder.GetRootDisk()->RootPath);
    if (d.exec() != QDialog::Accepted)
        return;
    m_main.guarded([&] {
        const std::string description(folder.Files.text(index, FT_DESCRIPTION));
        const std::string category(folder.Files.text(index, FT_CATEGORY));
        // A changed entry is a listing edit, also when DATA.CAT cannot be
        // written afterwards.
        const auto edited = [&] {
            if (folder.Files.text(index, FT_DESCRIPTION) != description ||
                folder.Files.text(index, FT_CATEGORY) != category)
                m_main.listingEdited(folder);
        };
        try {
            SetEntryAnnotations(m_main.store(), folder, index, d.descriptionText(), d.categoryText());
        } catch (...) {
            // The new texts stay in memory; show them before the error.
            edited();
            m_main.refreshGridEntry(index);
            throw;
        }
        edited();
        m_main.refreshGridEntry(index);
    });
}

} // namespace rkm
