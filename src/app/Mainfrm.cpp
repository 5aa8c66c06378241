#include "app/Mainfrm.h"

#include "app/CatalogTreeModel.h"
#include "app/DisksOverview.h"
#include "app/ExportCommands.h"
#include "app/Frmsplash.h"
#include "app/MountOffers.h"
#include "app/PictureView.h"
#include "app/PrintCommands.h"
#include "app/ScanCommands.h"
#include "app/SearchCommands.h"
#include "app/Welcome.h"
#include "catalog/Contents.h"
#include "catalog/ListingFile.h"
#include "catalog/ProgramDir.h"
#include "catalog/Summary.h"
#include "catalog/WriterLock.h"
#include "gui/ErrorReport.h"
#include "gui/Help.h"
#include "gui/Prompter.h"
#include "gui/WaitCursor.h"
#include "mounts/DiskPresence.h"
#include "mounts/MountFollower.h"
#include "search/IndexWriter.h"
#include "platform/Text.h"
#include "platform/Translated.h"
#include "service/Project.h"
#include "service/Settings.h"
#include "service/WindowPlace.h"
#include "service/ui/Service.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDockWidget>
#include <QElapsedTimer>
#include <QHeaderView>
#include <QLocale>
#include <QMenu>
#include <QMouseEvent>
#include <QScreen>
#include <QSplitter>
#include <QStatusBar>
#include <QTableView>
#include <QThread>
#include <QTimer>
#include <QTreeView>
#include <QVBoxLayout>

namespace rkm {

namespace {

constexpr int GRID_COLUMNS = I_STRINGS_IN_LIST;
const QString RACKMERE = QStringLiteral("Rackmere");

// One line per listing that could not be written.
QString failureLines(const std::vector<CatalogStore::SaveFailure> &failures)
{
    QStringList lines;
    for (const CatalogStore::SaveFailure &f : failures)
        lines << TfrmMain::tr("The listing '%1' could not be saved: %2")
                     .arg(platform::DecodeText(f.disk->text()), platform::DecodeText(f.reason));
    return lines.join(QLatin1Char('\n'));
}

// The catalogue folder as the title names it: without the closing '/'.
std::string FolderOfTitle(std::string dir)
{
    while (dir.size() > 1 && dir.back() == '/')
        dir.pop_back();
    return dir;
}

} // namespace

int TfrmMain::s_autosaveMs = 2000;
int TfrmMain::s_lockWaitMs = 5000;
int TfrmMain::s_indexDelayMs = 500;
std::function<std::unique_ptr<MountFollower>()> TfrmMain::s_followerFactory = [] { return FollowMounts(); };

TfrmMain::TfrmMain(CatalogStore &store, QWidget *parent) : QMainWindow(parent), m_store(store)
{
    // FormCreate. The generator of listing file names is seeded by the store.
    InitResources();
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QString::fromLatin1(APP_TITLE));
    // A catalogue in another folder than the usual one (two may be open at
    // once) is told apart by its folder.
    if (!IsDefaultProgramDir(m_store.ProgramDir()))
        setWindowTitle(RACKMERE + QStringLiteral(" \u2013 ") +
                       platform::DecodeText(FolderOfTitle(m_store.ProgramDir())));
    setWindowIcon(QIcon(QStringLiteral(":/icons/rackmere.png")));
    Initialize(QString::fromLatin1(APP_TITLE), QString::fromLatin1(APP_KEY), this);

    m_splash = new TfrmSplash(this);
    const QScreen *screen = QGuiApplication::primaryScreen();
    const int depth = screen ? screen->depth() : 32;
    m_splash->useColourDepth(depth);
    m_splash->show();
    QElapsedTimer splashTime;
    splashTime.start();
    QCoreApplication::processEvents();

    buildImages(depth);
    buildWindow();
    buildCommands();
    buildMenus();
    m_welcome = new WelcomePanel(commandAction("Addnew1"));
    Splitter1->widget(1)->layout()->addWidget(m_welcome);
    m_autosave = new QTimer(this);
    m_autosave->setSingleShot(true);
    m_autosave->setInterval(s_autosaveMs);
    connect(m_autosave, &QTimer::timeout, this, [this] { saveModifiedListings(); });

    CurrentNode = nullptr;
    CurrentDisk = nullptr;
    m_abandoned = !takeWriterLock();
    loadCatalog();
    if (!m_abandoned)
        startFollowing();

    // The splash stays up for its least time, counted from when it appeared.
    const qint64 least = m_abandoned ? 0 : TfrmSplash::minimumMilliseconds();
    while (splashTime.elapsed() < least) {
        QCoreApplication::processEvents();
        QThread::msleep(static_cast<unsigned long>(std::min<qint64>(100, least - splashTime.elapsed())));
    }

    restoreGeometry();
    TreeView1Change(nullptr);
    SetHelpContext(this, HELP_MAIN_WINDOW);
}

TfrmMain::~TfrmMain()
{
    // A search reads the catalogue until it is stopped.
    stopSearches();
    m_indexKeeper.reset();
    // Nothing asks where the disks are once the presence has gone.
    delete m_offers;
    m_offers = nullptr;
    if (m_search)
        m_search->setPresence(nullptr);
    if (m_treeModel)
        m_treeModel->setOnline({}, {});
    m_presence.reset();
    FormDestroy();
    delete m_splash;
    // The views let go of the models before the catalogue's owner goes.
    TreeView1->setModel(nullptr);
    m_pictures->setModel(nullptr);
    StringGrid1->setModel(nullptr);
}

void TfrmMain::buildWindow()
{
    TreeView1 = new QTreeView;
    TreeView1->setObjectName(QStringLiteral("TreeView1"));
    TreeView1->setAccessibleName(tr("Disks and folders"));
    TreeView1->setHeaderHidden(true);
    TreeView1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    TreeView1->setSelectionMode(QAbstractItemView::SingleSelection);
    TreeView1->setIndentation(19);
    TreeView1->setUniformRowHeights(true);
    TreeView1->setIconSize(QSize(16, 16));
    TreeView1->setContextMenuPolicy(Qt::CustomContextMenu);
    TreeView1->viewport()->installEventFilter(this);
    // The selection stays visible when the tree loses focus.
    QPalette pal = TreeView1->palette();
    pal.setColor(QPalette::Inactive, QPalette::Highlight, pal.color(QPalette::Active, QPalette::Highlight));
    pal.setColor(QPalette::Inactive, QPalette::HighlightedText, pal.color(QPalette::Active, QPalette::HighlightedText));
    TreeView1->setPalette(pal);

    StringGrid1 = new QTableView;
    StringGrid1->setObjectName(QStringLiteral("StringGrid1"));
    StringGrid1->setAccessibleName(tr("Files"));
    StringGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    StringGrid1->setSelectionBehavior(QAbstractItemView::SelectRows);
    StringGrid1->setSelectionMode(QAbstractItemView::SingleSelection);
    StringGrid1->setShowGrid(true);
    StringGrid1->setWordWrap(false);
    // Tab leaves the grid for the next control, as it leaves the tree; the
    // arrow keys move between the cells.
    StringGrid1->setTabKeyNavigation(false);
    StringGrid1->setContextMenuPolicy(Qt::CustomContextMenu);
    StringGrid1->verticalHeader()->hide();
    StringGrid1->verticalHeader()->setMinimumSectionSize(1);
    StringGrid1->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    StringGrid1->verticalHeader()->setDefaultSectionSize(16);
    StringGrid1->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    StringGrid1->horizontalHeader()->setStretchLastSection(false);
    StringGrid1->horizontalHeader()->setHighlightSections(false);
    StringGrid1->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    StringGrid1->viewport()->installEventFilter(this);
    m_gridModel = new FileGridModel(this);
    StringGrid1->setModel(m_gridModel);
    // A click on a column's header sorts by it, a second click reverses, a
    // third shows the stored order again. Only the grid's rows move.
    StringGrid1->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
    StringGrid1->horizontalHeader()->setSortIndicatorClearable(true);
    StringGrid1->setSortingEnabled(true);

    Splitter1 = new QSplitter(Qt::Horizontal);
    Splitter1->setObjectName(QStringLiteral("Splitter1"));
    Splitter1->setHandleWidth(10);
    Splitter1->setChildrenCollapsible(false);
    // View > Pictures: the same rows and the same current entry as the grid.
    m_pictures = new PictureView(m_gridModel);
    m_pictures->setSelectionModel(StringGrid1->selectionModel());
    m_pictures->setPictureSource([this](int entry) -> std::optional<std::string> {
        const TreeNode *folder = m_gridModel->node();
        if (!folder)
            return std::nullopt;
        return m_store.PictureOf(folder->disk().GetRootDisk()->Node, ContentPath(*folder, entry));
    });
    m_pictures->hide();
    auto *files = new QWidget;
    files->setObjectName(QStringLiteral("pnlFiles"));
    auto *filesLayout = new QVBoxLayout(files);
    filesLayout->setContentsMargins(0, 0, 0, 0);
    filesLayout->addWidget(StringGrid1);
    filesLayout->addWidget(m_pictures);

    Splitter1->addWidget(TreeView1);
    Splitter1->addWidget(files);
    Splitter1->setStretchFactor(0, 0);
    Splitter1->setStretchFactor(1, 1);
    // The search box goes above the tree and the grid (buildCommands).
    auto *central = new QWidget;
    central->setObjectName(QStringLiteral("pnlCentral"));
    m_centralLayout = new QVBoxLayout(central);
    m_centralLayout->setContentsMargins(0, 0, 0, 0);
    m_centralLayout->setSpacing(0);
    m_centralLayout->addWidget(Splitter1, 1);
    setCentralWidget(central);

    StatusBar1 = new QStatusBar;
    StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
    StatusBar1->setSizeGripEnabled(true);
    StatusBar1->setMinimumHeight(25);
    setStatusBar(StatusBar1);

    connect(TreeView1, &QWidget::customContextMenuRequested, this,
            [this](const QPoint &pos) { popTree->popup(TreeView1->viewport()->mapToGlobal(pos)); });
    connect(StringGrid1, &QWidget::customContextMenuRequested, this,
            [this](const QPoint &pos) { popList->popup(StringGrid1->viewport()->mapToGlobal(pos)); });
    // A double click on a row is the grid's pop-up menu's Properties.
    connect(StringGrid1, &QAbstractItemView::doubleClicked, this,
            [this](const QModelIndex &) { commandAction("popLstProperties")->trigger(); });
    // The pictures act as the grid does.
    connect(m_pictures, &QWidget::customContextMenuRequested, this,
            [this](const QPoint &pos) { popList->popup(m_pictures->viewport()->mapToGlobal(pos)); });
    connect(m_pictures, &QAbstractItemView::doubleClicked, this,
            [this](const QModelIndex &) { commandAction("popLstProperties")->trigger(); });
    connect(Splitter1, &QSplitter::splitterMoved, this, [this] { m_treeWidth = TreeView1->width(); });
}

void TfrmMain::startFollowing()
{
    m_presence = std::make_unique<DiskPresence>(m_store, s_followerFactory());
    m_treeModel->setOnline(
        [this](const TreeNode *disk) {
            const MountedVolume *volume = m_presence->volumeOf(disk);
            return volume ? volume->mountPoint : std::string();
        },
        [this](const TreeNode *disk) { return ShelfText(m_store.ExtrasOf(disk)); });
    m_search->setPresence(m_presence.get());
    m_scan->setWhereNow([this](const TreeNode *disk) {
        return m_presence ? m_presence->pathNow(disk, disk->disk().RootPath) : std::string();
    });
    connect(m_presence.get(), &DiskPresence::changed, this, [this] {
        m_treeModel->onlineChanged();
        m_search->onlineChanged();
    });
    // The presence follows every change of the list of disks; a disk that
    // goes is forgotten at once.
    connect(m_treeModel, &QAbstractItemModel::rowsRemoved, this, [this](const QModelIndex &parent) {
        if (!parent.isValid())
            m_presence->catalogChanged();
    });
    connect(m_treeModel, &QAbstractItemModel::rowsInserted, this, [this](const QModelIndex &parent) {
        if (!parent.isValid())
            catalogChangedLater();
    });
    connect(m_treeModel, &QAbstractItemModel::rowsMoved, this, &TfrmMain::catalogChangedLater);
    connect(m_treeModel, &QAbstractItemModel::modelReset, this, &TfrmMain::catalogChangedLater);

    MountOffers::Actions actions;
    const auto runOn = [this](const char *command) {
        return [this, command](TreeNode *disk) {
            // As the menu item does on the selected disk.
            selectNode(disk);
            if (CurrentNode == disk)
                commandAction(command)->trigger();
        };
    };
    actions.update = runOn("mnuUpdate");
    actions.verify = runOn("mnuVerify");
    actions.add = [this](const std::string &folder, const std::string &name) {
        runGuarded(CommandKind::Edits, [&] { m_scan->addListingOf(folder, name); });
    };
    actions.windowActive = [this] { return isActiveWindow(); };
    actions.busy = [] { return QApplication::activeModalWidget() != nullptr; };
    m_offers = new MountOffers(m_store, *m_presence, std::move(actions));
    m_centralLayout->insertWidget(m_centralLayout->indexOf(Splitter1), m_offers);
    const bool offer = GetSettingInt("OfferOnMount", 1) != 0;
    commandAction("mnuOfferOnMount")->setChecked(offer);
    m_offers->setOffering(offer);
}

void TfrmMain::catalogChangedLater()
{
    if (m_presenceDue || !m_presence)
        return;
    m_presenceDue = true;
    QTimer::singleShot(0, this, [this] {
        m_presenceDue = false;
        if (m_presence)
            m_presence->catalogChanged();
    });
}

bool TfrmMain::takeWriterLock()
{
    // The catalogue is read once and written back from memory: while a
    // command of rackmere-cli writes it, it is not read. Such commands are
    // mostly short, so start-up waits a little with the hourglass, then asks.
    m_writerLock = std::make_unique<WriterLock>(m_store.ProgramDir());
    for (;;) {
        WriterLock::State state;
        {
            const WaitCursor wait;
            state = m_writerLock->take(s_lockWaitMs, [] { QCoreApplication::processEvents(); });
        }
        if (state == WriterLock::State::Held)
            m_store.writer = true; // the load removes what killed writers left
        // A folder where no lock file can be made cannot be written either:
        // the catalogue is shown read-only, and every write is refused.
        if (state == WriterLock::State::Unavailable) {
            m_store.readOnly = true;
            m_store.readOnlyReason =
                Utf8(tr("the lock file cannot be made (%1)").arg(QString::fromStdString(m_writerLock->reason())));
            setWindowTitle(tr("%1 (read-only)").arg(windowTitle()));
        }
        if (state != WriterLock::State::Busy)
            return true;
        const std::string holder = m_writerLock->holderName();
        if (m_splash)
            m_splash->hide();
        const QString text =
            tr("The catalogue in %1 is in use by %2 (process %3).\n\n"
               "Rackmere opens it once that program has finished. Retry waits for it again; "
               "Cancel closes Rackmere without changing anything.")
                .arg(platform::DecodeText(m_store.ProgramDir()),
                     holder.empty() ? tr("another program") : QString::fromStdString(holder))
                .arg(m_writerLock->holderPid());
        if (prompter().message(this, QMessageBox::Warning, RACKMERE, text, QMessageBox::Retry | QMessageBox::Cancel,
                               QMessageBox::Retry) != QMessageBox::Retry)
            return false;
        if (m_splash)
            m_splash->show();
    }
}

void TfrmMain::loadCatalog()
{
    std::vector<std::string> errors;
    try {
        if (!m_abandoned)
            errors = m_store.LoadCatalog();
    } catch (const std::exception &e) {
        errors.emplace_back(e.what());
    }
    // The views meet the catalogue only once it is loaded.
    m_treeModel = new CatalogTreeModel(m_store.Tree(), this);
    m_treeModel->setImages(m_images);
    m_treeModel->setArchiveImage(m_archiveImage);
    TreeView1->setModel(m_treeModel);
    connect(TreeView1->selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] {
        const QModelIndexList sel = TreeView1->selectionModel()->selectedIndexes();
        TreeView1Change(sel.isEmpty() ? nullptr : m_treeModel->nodeOf(sel.first()));
    });
    connect(m_treeModel, &QAbstractItemModel::rowsAboutToBeRemoved, this,
            [this](const QModelIndex &parent, int first, int last) {
                if (!parent.isValid())
                    diskAboutToGo(first, last);
            });
    // The commands that need a listing follow the list of disks.
    connect(m_treeModel, &QAbstractItemModel::rowsInserted, this, &TfrmMain::enableCommands);
    connect(m_treeModel, &QAbstractItemModel::rowsRemoved, this, &TfrmMain::enableCommands);
    connect(m_treeModel, &QAbstractItemModel::modelReset, this, &TfrmMain::enableCommands);
    // The welcome goes with the first listing and comes back with the last one gone.
    connect(m_treeModel, &QAbstractItemModel::rowsInserted, this, &TfrmMain::showWelcomeWhenEmpty);
    connect(m_treeModel, &QAbstractItemModel::rowsRemoved, this, &TfrmMain::showWelcomeWhenEmpty);
    connect(m_treeModel, &QAbstractItemModel::modelReset, this, &TfrmMain::showWelcomeWhenEmpty);

    // Said first, however many listings could not be read.
    if (m_store.readOnly)
        errors.insert(errors.begin(), Utf8(tr("The catalogue in %1 is open read-only: %2. Changes cannot be saved.")
                                               .arg(QString::fromStdString(m_store.ProgramDir()),
                                                    QString::fromStdString(m_store.readOnlyReason))));
    if (!errors.empty()) {
        m_splash->hide();
        QStringList lines;
        for (const std::string &line : SummarizeList(errors))
            lines << QString::fromStdString(line);
        prompter().message(this, QMessageBox::Warning, QString::fromLatin1(APP_TITLE), lines.join(QLatin1Char('\n')), QMessageBox::Ok);
    }
}

void TfrmMain::restoreGeometry()
{
    const int top = GetSettingInt("Top", 0);
    const int left = GetSettingInt("Left", 0);
    // The first start opens on two thirds of the screen, no less than
    // 960 x 600 where the screen has the room, in its middle; the size the
    // user left the window at is kept.
    const QScreen *screen = QGuiApplication::primaryScreen();
    const QRect area = screen ? screen->availableGeometry() : QRect(0, 0, 960, 600);
    const bool placed = HasSetting("Width") || HasSetting("Height");
    const int width = GetSettingInt("Width", std::min(std::max(area.width() * 2 / 3, 960), area.width()));
    const int height = GetSettingInt("Height", std::min(std::max(area.height() * 2 / 3, 600), area.height()));
    const QPoint middle(area.x() + (area.width() - width) / 2, area.y() + (area.height() - height) / 2);
    placeOnScreen(QRect(placed ? QPoint(left, top) : middle, QSize(std::max(width, 100), std::max(height, 100))));
    m_treeWidth = std::max(GetSettingInt("TWidth", 188), 0);
    Splitter1->setSizes({m_treeWidth, std::max(width - m_treeWidth - Splitter1->handleWidth(), 1)});
    for (int c = 0; c < GRID_COLUMNS; ++c)
        StringGrid1->setColumnWidth(c, std::max(GetSettingInt("ColW" + std::to_string(c), 85), 0));
    const int sortColumn = GetSettingInt("SortCol", -1);
    const bool descending = GetSettingInt("SortOrder", 0) == 1;
    StringGrid1->sortByColumn(sortColumn >= 0 && sortColumn < GRID_COLUMNS ? sortColumn : -1,
                              descending ? Qt::DescendingOrder : Qt::AscendingOrder);
    const bool pictures = GetSettingInt("Pictures", 0) == 1;
    commandAction("mnuPictures")->setChecked(pictures);
    mnuPicturesClick(pictures);
}

bool TfrmMain::showsPictures() const
{
    return m_picturesChosen;
}

void TfrmMain::showWelcomeWhenEmpty()
{
    const bool empty = m_store.Tree().diskCount() == 0;
    const bool hadFocus = m_welcome->isAncestorOf(QApplication::focusWidget());
    m_welcome->setVisible(empty);
    StringGrid1->setVisible(!empty && !m_picturesChosen);
    m_pictures->setVisible(!empty && m_picturesChosen);
    if (hadFocus && !empty)
        TreeView1->setFocus();
}

void TfrmMain::mnuPicturesClick(bool shown)
{
    const bool hadFocus = StringGrid1->hasFocus() || m_pictures->hasFocus();
    m_picturesChosen = shown;
    showWelcomeWhenEmpty();
    if (hadFocus)
        (shown ? static_cast<QWidget *>(m_pictures) : StringGrid1)->setFocus();
    if (shown && StringGrid1->currentIndex().isValid())
        m_pictures->scrollTo(StringGrid1->currentIndex());
}

void TfrmMain::placeOnScreen(const QRect &stored)
{
    // A place stored on a larger monitor, at another scale or on a screen
    // that is gone is fitted into the available area of the screen the
    // window opens on, frame included where it is known.
    std::vector<QRect> areas;
    if (const QScreen *primary = QGuiApplication::primaryScreen())
        areas.push_back(primary->availableGeometry());
    for (const QScreen *s : QGuiApplication::screens())
        if (s != QGuiApplication::primaryScreen())
            areas.push_back(s->availableGeometry());
    const QMargins frame(geometry().left() - frameGeometry().left(), geometry().top() - frameGeometry().top(),
                         frameGeometry().right() - geometry().right(),
                         frameGeometry().bottom() - geometry().bottom());
    const QRect placed = PlaceWindow(QRect(stored.topLeft(), stored.size().grownBy(frame)), areas);
    resize(placed.size().shrunkBy(frame));
    move(placed.topLeft());
}

void TfrmMain::diskAboutToGo(int first, int last)
{
    // The panels let go of the disks, once the running searches have stopped.
    stopSearches();
    for (int row = first; row <= last && row < m_store.Tree().diskCount(); ++row) {
        if (m_search)
            m_search->forgetDisk(m_store.Tree().disk(row));
        if (m_scan)
            m_scan->forgetDisk(m_store.Tree().disk(row));
    }
    // The selected node's disk is about to go: nothing may point into it.
    if (!CurrentNode)
        return;
    const TreeNode *root = CurrentNode;
    while (root->parent())
        root = root->parent();
    const int row = root->row();
    if (row >= first && row <= last && row < m_store.Tree().diskCount() && m_store.Tree().disk(row) == root)
        TreeView1Change(nullptr);
}

void TfrmMain::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TfrmMain::FormShow()
{
    const bool first = !m_shown;
    m_shown = true;
    if (m_splash) {
        m_splash->close();
        m_splash->deleteLater();
        m_splash = nullptr;
    }
    // The frame is known once the window is shown: the whole window, frame
    // and all, opens on the screen.
    if (first)
        placeOnScreen(QRect(pos(), size()));
    FormResize();
    // The search index is checked against the listing files once the
    // window is up; it reads the files on a thread of its own.
    if (first && !m_abandoned) {
        m_indexKeeper = std::make_unique<index::IndexKeeper>(m_store.ProgramDir());
        QTimer::singleShot(s_indexDelayMs, this, [this] { listingsChanged(); });
    }
}

void TfrmMain::listingsChanged()
{
    if (m_indexKeeper)
        m_indexKeeper->listingsChanged();
    if (m_disks && m_disks->isVisible())
        m_disks->refresh();
}

void TfrmMain::closeEvent(QCloseEvent *event)
{
    saveBeforeClosing();
    FormClose();
    QMainWindow::closeEvent(event);
}

bool TfrmMain::saveBeforeClosing()
{
    // The window stays until every modified listing is written or the user
    // gives it up.
    m_autosave->stop();
    stopSearches();
    for (;;) {
        const std::vector<CatalogStore::SaveFailure> failures = m_store.TrySaveModifiedListings();
        tellShortenedTexts();
        if (failures.empty())
            return true;
        const QString text = failureLines(failures) +
                             QStringLiteral("\n\n") +
                             tr("Retry tries again. Discard closes Rackmere, and the changes made to these listings "
                                "since it was last saved are lost.",
                                nullptr, static_cast<int>(failures.size()));
        if (prompter().message(this, QMessageBox::Warning, RACKMERE, text, QMessageBox::Retry | QMessageBox::Discard,
                               QMessageBox::Retry) == QMessageBox::Discard) {
            for (const CatalogStore::SaveFailure &f : failures)
                f.disk->disk().SetModified(false);
            return false;
        }
    }
}

void TfrmMain::listingEdited(TDisk &record)
{
    record.SetModified(true);
    // A name or a comment shown in the tree may have changed.
    if (m_treeModel && record.Node)
        m_treeModel->nodeChanged(record.Node);
    m_autosave->start(s_autosaveMs);
}

bool TfrmMain::saveModifiedListings()
{
    // While the report of a failed try is up, a second try waits for the next edit.
    if (m_saving)
        return false;
    m_autosave->stop();
    // A save may cut a listing's over-long texts in memory too.
    stopSearches();
    const std::vector<CatalogStore::SaveFailure> failures = m_store.TrySaveModifiedListings();
    m_saving = true;
    tellShortenedTexts();
    if (!failures.empty())
        prompter().message(this, QMessageBox::Warning, RACKMERE,
                           failureLines(failures) +
                               QStringLiteral("\n\n") +
                               tr("Your changes are kept. Rackmere tries again after your next change and when it "
                                  "closes."),
                           QMessageBox::Ok);
    m_saving = false;
    listingsChanged();
    return failures.empty();
}

void TfrmMain::tellShortenedTexts()
{
    const std::vector<ShortenedListing> shortened = m_store.TakeShortened();
    if (shortened.empty())
        return;
    QStringList lines;
    for (const std::string &line : SummarizeShortened(shortened))
        lines << QString::fromStdString(line);
    prompter().message(this, QMessageBox::Information, RACKMERE,
                       tr("A listing holds at most %L1 bytes of a text. These longer texts were shortened to fit "
                          "when their listing was saved:")
                               .arg(MAX_TEXT_BYTES) +
                           QStringLiteral("\n\n") +
                           lines.join(QLatin1Char('\n')),
                       QMessageBox::Ok);
}

void TfrmMain::FormClose()
{
    CloseHelp();
}

void TfrmMain::FormDestroy()
{
    if (m_destroyed || m_abandoned)
        return;
    m_destroyed = true;
    SetSettingInt("Top", y());
    SetSettingInt("Left", x());
    SetSettingInt("Width", width());
    SetSettingInt("Height", height());
    SetSettingInt("TWidth", m_shown ? TreeView1->width() : m_treeWidth);
    for (int c = 0; c < GRID_COLUMNS; ++c)
        SetSettingInt("ColW" + std::to_string(c), StringGrid1->columnWidth(c));
    SetSettingInt("SortCol", m_gridModel->sortColumn());
    SetSettingInt("SortOrder", m_gridModel->sortOrder() == Qt::DescendingOrder ? 1 : 0);
    SetSettingInt("Pictures", showsPictures() ? 1 : 0);
    try {
        m_store.SaveModifiedListings();
    } catch (const std::exception &e) {
        ReportGeneralError(nullptr, QString::fromUtf8(e.what()));
    }
    m_store.Categories().clear();
}

bool TfrmMain::event(QEvent *event)
{
    // The status line holds the listing's item count; menu hints must not wipe it.
    if (event->type() == QEvent::StatusTip)
        return true;
    return QMainWindow::event(event);
}

bool TfrmMain::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonPress) {
        auto *me = static_cast<QMouseEvent *>(event);
        if (watched == TreeView1->viewport())
            TreeView1MouseDown(me->button(), me->position().toPoint());
        else if (watched == StringGrid1->viewport())
            StringGrid1MouseDown(me->button(), me->position().toPoint());
    } else if (event->type() == QEvent::Resize && watched == StringGrid1->viewport()) {
        FormResize();
    }
    return QMainWindow::eventFilter(watched, event);
}

void TfrmMain::FormResize()
{
    // The Description column takes the room the others leave.
    int sum = 0;
    for (int c = 0; c < GRID_COLUMNS; ++c)
        sum += c == FT_DESCRIPTION ? 0 : StringGrid1->columnWidth(c);
    const int gridWidth = StringGrid1->viewport()->width();
    // Within the last 10 pixels the rule would give the column no width at
    // all, and a column of no width cannot be found again to widen it: it
    // keeps the header's least width there.
    if (sum < gridWidth)
        StringGrid1->setColumnWidth(FT_DESCRIPTION, std::max(gridWidth - sum - 10,
                                                             StringGrid1->horizontalHeader()->minimumSectionSize()));
}

void TfrmMain::fitNameColumn()
{
    // The names of the folder shown take the room they need, up to half the
    // grid (a longer name is cut, whole in its tooltip); a folder with no
    // files leaves the column as it is. The view measures at most a
    // thousand rows, those in sight first.
    if (m_gridModel->entryCount() == 0)
        return;
    const QAbstractItemView *view = StringGrid1; // QTableView hides the measure
    const int need = std::max(view->sizeHintForColumn(FT_NAME),
                              StringGrid1->horizontalHeader()->sectionSizeHint(FT_NAME));
    StringGrid1->setColumnWidth(FT_NAME, std::min(need, std::max(StringGrid1->viewport()->width() / 2, 85)));
    FormResize();
}

void TfrmMain::TreeView1MouseDown(Qt::MouseButton button, const QPoint &pos)
{
    if (button != Qt::RightButton)
        return;
    const QModelIndex i = TreeView1->indexAt(pos);
    if (i.isValid())
        selectNode(m_treeModel->nodeOf(i));
}

void TfrmMain::StringGrid1MouseDown(Qt::MouseButton button, const QPoint &pos)
{
    if (button != Qt::RightButton)
        return;
    const QModelIndex i = StringGrid1->indexAt(pos);
    if (i.isValid()) {
        StringGrid1->selectionModel()->setCurrentIndex(m_gridModel->index(i.row(), 0),
                                                       QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    }
}

QString TfrmMain::statusText() const
{
    return StatusBar1->currentMessage();
}

void TfrmMain::TreeView1Change(TreeNode *node)
{
    m_gridModel->setNode(node);
    fitNameColumn();
    QString status;
    if (node) {
        status = tr("%Ln items listed", nullptr, static_cast<int>(node->disk().Files.count()));
        // A refilled grid has no current row until the user or a search picks
        // one: Find next then starts with the first file.
    }
    StatusBar1->showMessage(status);
    CurrentNode = node;
    CurrentDisk = node ? node->disk().GetRootDisk() : nullptr;
    if (m_treeModel)
        m_treeModel->setSelectedNode(node);
    enableCommands();
}

void TfrmMain::selectNode(TreeNode *node)
{
    QItemSelectionModel *sel = TreeView1->selectionModel();
    const QModelIndex i = m_treeModel->indexOf(node);
    if (!i.isValid()) {
        const bool hadSelection = sel->hasSelection();
        sel->clearSelection();
        sel->setCurrentIndex(QModelIndex(), QItemSelectionModel::NoUpdate);
        if (!hadSelection)
            TreeView1Change(nullptr);
        return;
    }
    for (QModelIndex p = i.parent(); p.isValid(); p = p.parent())
        TreeView1->expand(p);
    sel->setCurrentIndex(i, QItemSelectionModel::ClearAndSelect);
    TreeView1->scrollTo(i);
}

int TfrmMain::gridEntryIndex() const
{
    const QModelIndex i = StringGrid1->currentIndex();
    return i.isValid() ? m_gridModel->entryAt(i.row()) : -1;
}

void TfrmMain::setGridEntryIndex(int index)
{
    QItemSelectionModel *sel = StringGrid1->selectionModel();
    const int row = m_gridModel->rowOf(index);
    if (row < 0) {
        sel->clearSelection();
        sel->setCurrentIndex(QModelIndex(), QItemSelectionModel::NoUpdate);
        return;
    }
    const QModelIndex i = m_gridModel->index(row, 0);
    sel->setCurrentIndex(i, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    StringGrid1->scrollTo(i);
    m_pictures->scrollTo(i);
}

void TfrmMain::showMatch(TreeNode *node, int entry)
{
    selectNode(node);
    setGridEntryIndex(entry);
    if (entry < 0)
        TreeView1->setFocus();
    else if (showsPictures())
        m_pictures->setFocus();
    else
        StringGrid1->setFocus();
}

void TfrmMain::refreshGridEntry(int index)
{
    m_gridModel->entryChanged(index);
}

void TfrmMain::showPanel(QDockWidget *panel)
{
    if (std::find(m_panels.begin(), m_panels.end(), panel) == m_panels.end()) {
        addDockWidget(Qt::BottomDockWidgetArea, panel);
        // Beside a panel already there, as a tab of its own.
        for (QDockWidget *other : m_panels) {
            if (other->isVisible() && !other->isFloating() && dockWidgetArea(other) == Qt::BottomDockWidgetArea) {
                tabifyDockWidget(other, panel);
                break;
            }
        }
        m_panels.push_back(panel);
        panel->show();
        if (m_panels.size() == 1)
            resizeDocks({panel}, {std::max(height() / 3, 120)}, Qt::Vertical);
    }
    panel->show();
    panel->raise();
}

void TfrmMain::reportError(const QString &message)
{
    ReportGeneralError(this, message);
}

} // namespace rkm
