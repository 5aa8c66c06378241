#include "app/SearchCommands.h"

#include "app/MainView.h"
#include "app/MountOffers.h"
#include "catalog/CatalogStore.h"
#include "gui/Online.h"
#include "gui/Prompter.h"
#include "mounts/DiskPresence.h"
#include "gui/WaitCursor.h"
#include "search/Annotations.h"
#include "search/Duplicates.h"
#include "search/Finder.h"
#include "search/ui/Frmarchived.h"
#include "search/ui/Frmduplicatelist.h"
#include "search/ui/Frmduplicates.h"
#include "search/ui/Frmlistproperties.h"
#include "search/ui/Frmresults.h"
#include "search/ui/Frmsearch.h"
#include "search/ui/SearchBox.h"
#include "service/Settings.h"

#include <QAbstractItemView>
#include <QTableView>
#include <QTreeView>
#include <QAction>
#include <QDir>
#include <QInputDialog>
#include <QMenu>

namespace rkm {

SearchCommands::SearchCommands(CatalogStore &store, MainView &view)
    : m_store(store), m_view(view), m_commands(view.dialogParent()),
      m_frmSearch(std::make_unique<TfrmSearch>(view.dialogParent())),
      m_frmListProperties(std::make_unique<TfrmListProperties>(view.dialogParent())),
      m_results(new TfrmResults(view.dialogParent())), m_duplicates(new TfrmDuplicates(view.dialogParent())),
      m_duplicateList(new TfrmDuplicateList(view.dialogParent())), m_box(new SearchBox(view.dialogParent())),
      m_savedMenu(new QMenu(QCoreApplication::translate("Commands", "Saved searc&hes"), view.dialogParent())),
      m_context(std::make_unique<QObject>())
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

    // The search box: each valid query runs at once into the Find all panel.
    m_box->setHistory(LoadSearchHistory());
    QObject::connect(m_box, &SearchBox::historyChanged, m_context.get(),
                     [](const QStringList &h) { StoreSearchHistory(h); });
    QObject::connect(m_box, &SearchBox::queryChanged, m_context.get(),
                     [this](const QString &text) { boxQueryChanged(text); });
    QObject::connect(m_box, &SearchBox::queryConfirmed, m_context.get(), [this] { boxQueryConfirmed(); });
    QObject::connect(m_box, &SearchBox::queryCleared, m_context.get(), [this] { boxQueryCleared(); });
    QObject::connect(m_results, &TfrmResults::progressed, m_context.get(), [this](int matches, bool running) {
        if (!m_boxSearch)
            return;
        m_box->showCount(matches, running);
        if (m_jumpPending && (matches > 0 || !running)) {
            m_jumpPending = false;
            jumpToFirstMatch();
        }
    });
    addPanelMenu(m_results->view(), [this]() -> std::pair<const TreeNode *, int> {
        const QModelIndex i = m_results->view().currentIndex();
        if (!i.isValid() || i.row() >= m_results->model().matchCount())
            return {nullptr, -1};
        const SearchHit hit = m_results->model().hitAt(i.row());
        return {hit.node, hit.entry};
    });
    addPanelMenu(m_duplicateList->view(), [this]() -> std::pair<const TreeNode *, int> {
        const EntryRef r = m_duplicateList->model().entryAt(m_duplicateList->view().currentIndex());
        return {r.node, r.entry};
    });
    m_savedMenu->setObjectName(QStringLiteral("mnuSavedSearches"));
    m_saved = LoadSavedSearches();
    fillSavedSearchesMenu();
    QObject::connect(m_savedMenu, &QMenu::aboutToShow, m_context.get(), [this] { fillSavedSearchesMenu(); });

    using N = CommandNeeds;
    using K = CommandKind;
    CommandList &c = m_commands;
    // Ctrl+K, and / where no text is typed (a text field keeps its /).
    c.add("mnuSearchBox", QT_TRANSLATE_NOOP("Commands", "Search &names"), N::Nothing, K::Reads, [this] { m_box->focusBox(); },
          {QKeySequence(Qt::CTRL | Qt::Key_K), QKeySequence(Qt::Key_Slash)});
    c.add("mnuFind", QT_TRANSLATE_NOOP("Commands", "&Find..."), N::Listings, K::Reads, [this] { find(); }, {QKeySequence(Qt::CTRL | Qt::Key_F)});
    c.add("mnuFindNext", QT_TRANSLATE_NOOP("Commands", "Find ne&xt"), N::Listings, K::Reads, [this] { findNext(); }, {QKeySequence(Qt::Key_F3)});
    c.add("mnuFindDuplicates", QT_TRANSLATE_NOOP("Commands", "Find &duplicates..."), N::Listings, K::Reads, [this] { findDuplicates(); });
    c.add("mnuIsArchived", QT_TRANSLATE_NOOP("Commands", "Is this &archived?..."), N::Listings, K::Reads, [this] { isArchived(); });
    // The grid's pop-up menu item, also a double click on a row; the
    // entry's texts may change.
    c.add("popLstProperties", QT_TRANSLATE_NOOP("Commands", "&Properties"), N::Nothing, K::Edits, [this] { editFileEntry(); },
          {QKeySequence(Qt::Key_Enter), QKeySequence(Qt::Key_Return)});
    c.add("popLstOpenFolder", QT_TRANSLATE_NOOP("Commands", "Open containing &folder"), N::Nothing, K::Reads, [this] { openContainingFolder(); });
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
            prompter().message(m_view.dialogParent(), QMessageBox::NoIcon, tr("Search"),
                               tr("No matching entry was found"), QMessageBox::Ok);
            return;
        }
        m_view.showMatch(hit.node, hit.entry);
    });
}

void SearchCommands::findAll()
{
    m_boxSearch = false;
    m_jumpPending = false;
    m_box->showCount(-1, false);
    const SearchOptions options = m_frmSearch->options();
    const std::string listing = options.listing ? std::string(options.listing->text()) : std::string();
    m_results->start(options, DiskNodes(m_store.Tree()), listing);
    m_view.showPanel(m_results);
}

void SearchCommands::holdSearches(bool hold)
{
    m_hold = std::max(m_hold + (hold ? 1 : -1), 0);
    if (m_hold > 0 || m_heldQuery.isEmpty())
        return;
    const QString text = m_heldQuery;
    m_heldQuery.clear();
    // Only what the box still holds runs.
    if (text == m_box->text())
        boxQueryChanged(text);
}

void SearchCommands::boxQueryChanged(const QString &text)
{
    if (m_hold > 0) {
        m_heldQuery = text;
        return;
    }
    m_boxSearch = true;
    m_jumpPending = false;
    // The box checked the query; the panel parses it again for its thread.
    if (!m_results->startQuery(text, DiskNodes(m_store.Tree())))
        return;
    m_view.showPanel(m_results);
}

void SearchCommands::boxQueryConfirmed()
{
    if (!m_boxSearch)
        return;
    if (m_results->model().rowCount() > 0)
        jumpToFirstMatch();
    else if (m_results->running())
        m_jumpPending = true; // the first match is shown when it comes
    else
        prompter().beep();
}

void SearchCommands::boxQueryCleared()
{
    m_jumpPending = false;
    m_heldQuery.clear();
    m_box->showCount(-1, false);
    if (!m_boxSearch)
        return;
    m_boxSearch = false;
    m_results->clear();
}

void SearchCommands::jumpToFirstMatch()
{
    const SearchHit hit = m_results->model().hitAt(0);
    if (!hit) {
        prompter().beep();
        return;
    }
    m_view.showMatch(hit.node, hit.entry);
}

void SearchCommands::fillSavedSearchesMenu()
{
    QMenu &m = *m_savedMenu;
    m.clear();
    QAction *save = m.addAction(QCoreApplication::translate("Commands", "&Save this search..."), m_context.get(),
                                [this] { saveSearch(); });
    save->setObjectName(QStringLiteral("mnuSaveSearch"));
    save->setEnabled(!m_box->text().trimmed().isEmpty());
    if (!m_saved.empty())
        m.addSeparator();
    int n = 0;
    for (const SavedSearch &s : m_saved) {
        QString caption = s.name;
        caption.replace(QLatin1Char('&'), QStringLiteral("&&"));
        const QString query = s.query;
        QAction *a = m.addAction(caption, m_context.get(), [this, query] { m_box->runText(query); });
        a->setObjectName(QStringLiteral("mnuSavedSearch%1").arg(++n));
        a->setToolTip(query);
        a->setStatusTip(query);
    }
    m.addSeparator();
    QAction *manage = m.addAction(QCoreApplication::translate("Commands", "&Manage..."), m_context.get(),
                                  [this] { manageSavedSearches(); });
    manage->setObjectName(QStringLiteral("mnuManageSearches"));
    manage->setEnabled(!m_saved.empty());
}

void SearchCommands::saveSearch()
{
    const QString query = m_box->text().trimmed();
    if (query.isEmpty())
        return;
    if (!m_box->errorText().isEmpty()) {
        prompter().message(m_view.dialogParent(), QMessageBox::Warning, tr("Save this search"),
                           tr("The search box holds no query that can run:\n%1").arg(m_box->errorText()),
                           QMessageBox::Ok);
        return;
    }
    QInputDialog d(m_view.dialogParent());
    d.setObjectName(QStringLiteral("frmSaveSearch"));
    d.setWindowTitle(tr("Save this search"));
    d.setLabelText(tr("Save the search\n%1\nunder the name:").arg(query));
    d.setTextValue(query);
    if (d.exec() != QDialog::Accepted)
        return;
    const QString name = d.textValue().simplified();
    if (name.isEmpty())
        return;
    // A name saved before now stands for the new query.
    const auto same = std::find_if(m_saved.begin(), m_saved.end(),
                                   [&](const SavedSearch &s) { return s.name == name; });
    if (same != m_saved.end())
        same->query = query;
    else
        m_saved.push_back({name, query});
    StoreSavedSearches(m_saved);
    // The menu is made anew once the item that asked has done its work.
    QMetaObject::invokeMethod(
        m_context.get(), [this] { fillSavedSearchesMenu(); }, Qt::QueuedConnection);
}

void SearchCommands::manageSavedSearches()
{
    TfrmSavedSearches d(m_saved, m_view.dialogParent());
    d.exec();
    if (d.searches() == m_saved)
        return;
    m_saved = d.searches();
    StoreSavedSearches(m_saved);
    QMetaObject::invokeMethod(
        m_context.get(), [this] { fillSavedSearchesMenu(); }, Qt::QueuedConnection);
}

QStringList LoadSearchHistory()
{
    QStringList history;
    for (int i = 1; i <= SearchBox::HISTORY_SIZE; ++i) {
        const std::string key = "SearchHistory" + std::to_string(i);
        if (HasSetting(key))
            history << QString::fromStdString(GetSettingString(key));
    }
    return history;
}

void StoreSearchHistory(const QStringList &history)
{
    for (int i = 1; i <= SearchBox::HISTORY_SIZE; ++i) {
        const std::string key = "SearchHistory" + std::to_string(i);
        if (i <= history.size())
            SetSettingString(key, history[i - 1].toStdString());
        else if (HasSetting(key))
            RemoveSetting(key);
    }
}

std::vector<SavedSearch> LoadSavedSearches()
{
    std::vector<SavedSearch> out;
    const int n = std::clamp(GetSettingInt("SavedSearches", 0), 0, 1000);
    for (int i = 1; i <= n; ++i) {
        const std::string name = GetSettingString("SavedSearchName" + std::to_string(i));
        const std::string query = GetSettingString("SavedSearchQuery" + std::to_string(i));
        if (!name.empty() && !query.empty())
            out.push_back({QString::fromStdString(name), QString::fromStdString(query)});
    }
    return out;
}

void StoreSavedSearches(const std::vector<SavedSearch> &searches)
{
    const int before = std::max(GetSettingInt("SavedSearches", 0), 0);
    const int n = static_cast<int>(searches.size());
    for (int i = 1; i <= n; ++i) {
        SetSettingString("SavedSearchName" + std::to_string(i),
                         searches[static_cast<std::size_t>(i - 1)].name.toStdString());
        SetSettingString("SavedSearchQuery" + std::to_string(i),
                         searches[static_cast<std::size_t>(i - 1)].query.toStdString());
    }
    for (int i = n + 1; i <= before; ++i) {
        RemoveSetting("SavedSearchName" + std::to_string(i));
        RemoveSetting("SavedSearchQuery" + std::to_string(i));
    }
    SetSettingInt("SavedSearches", n);
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
        const DuplicateOptions options = d.options();
        std::vector<DiskContents> contents;
        if (options.byContents) {
            // The store is read here, on its own thread; the matching runs
            // on the panel's.
            {
                WaitCursor wait;
                contents = ContentsForDuplicates(m_store, DiskNodes(m_store.Tree()), options);
            }
            if (!m_store.storeProblem().empty()) {
                prompter().message(m_view.dialogParent(), QMessageBox::Warning, tr("Find duplicates"),
                                   tr("The fingerprints could not be read: %1")
                                       .arg(QString::fromStdString(m_store.storeProblem())),
                                   QMessageBox::Ok);
                return;
            }
            if (contents.empty()) {
                prompter().message(m_view.dialogParent(), QMessageBox::Information, tr("Find duplicates"),
                                   tr("No listing holds fingerprints of files of that size. Choose "
                                      "\"Fingerprints\" when adding a disk, or in a listing's "
                                      "properties before its next Update."),
                                   QMessageBox::Ok);
                return;
            }
        }
        m_duplicateList->search(DiskNodes(m_store.Tree()), options, std::move(contents));
        m_view.showPanel(m_duplicateList);
    });
}

void SearchCommands::isArchived()
{
    const QStringList files =
        prompter().openFileNames(m_view.dialogParent(), tr("Is this archived?"), QDir::homePath());
    if (files.isEmpty())
        return;
    TfrmArchived d(m_store, m_view.dialogParent());
    d.check(files);
    d.exec();
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
    d.setWhereabouts(PathMapperOf(m_presence, folder.GetRootDisk()->Node),
                     InsertTextOf(m_store, folder.GetRootDisk()->Node));
    ShowEntryContents(d, m_store, *node, index);
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

void SearchCommands::openContainingFolder()
{
    TreeNode *node = m_view.currentNode();
    const int index = m_view.gridEntryIndex();
    if (node && index >= 0 && index < node->disk().Files.count())
        openFolderOf(node, index);
}

void SearchCommands::openFolderOf(const TreeNode *node, int entry)
{
    // A file entry's folder, or the folder that holds a folder.
    const TDisk &folder = node->disk();
    const TreeNode *disk = folder.GetRootDisk()->Node;
    std::string path = folder.GetFullPath();
    if (entry >= 0) {
        if (!path.empty() && path.back() != '/' && path.back() != '\\')
            path += '/';
        path += folder.Files.text(entry, FT_NAME);
    }
    OpenContainingFolder(m_view.dialogParent(), PathMapperOf(m_presence, disk), path, folder.GetRootDisk()->RootPath,
                         InsertTextOf(m_store, disk));
}

void SearchCommands::addPanelMenu(QAbstractItemView &view, std::function<std::pair<const TreeNode *, int>()> current)
{
    // The panel's pop-up menu: Open containing folder of the row under the pointer.
    auto *menu = new QMenu(&view);
    menu->setObjectName(QStringLiteral("popPanel"));
    QAction *open = menu->addAction(QCoreApplication::translate("Commands", "Open containing &folder"));
    open->setObjectName(QStringLiteral("popPanelOpenFolder"));
    view.setContextMenuPolicy(Qt::CustomContextMenu);
    QObject::connect(open, &QAction::triggered, m_context.get(), [this, current] {
        const auto [node, entry] = current();
        if (node)
            m_view.guarded([&] { openFolderOf(node, entry); });
    });
    QObject::connect(&view, &QWidget::customContextMenuRequested, m_context.get(), [&view, menu](const QPoint &pos) {
        if (view.indexAt(pos).isValid()) {
            view.setCurrentIndex(view.indexAt(pos));
            menu->popup(view.viewport()->mapToGlobal(pos));
        }
    });
}

void SearchCommands::setPresence(const DiskPresence *presence)
{
    m_presence = presence;
    MountPointLookup lookup;
    if (presence)
        lookup = [presence](const TreeNode *disk) {
            const MountedVolume *volume = presence->volumeOf(disk);
            return volume ? volume->mountPoint : std::string();
        };
    m_results->model().setOnline(lookup);
    m_duplicateList->model().setOnline(lookup);
}

void SearchCommands::onlineChanged()
{
    m_results->model().onlineChanged();
    m_duplicateList->model().onlineChanged();
}

} // namespace rkm
