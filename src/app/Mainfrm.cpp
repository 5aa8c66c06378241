#include "app/Mainfrm.h"

#include "app/CatalogTreeModel.h"
#include "app/ExportCommands.h"
#include "app/Frmsplash.h"
#include "app/PrintCommands.h"
#include "app/ScanCommands.h"
#include "app/SearchCommands.h"
#include "catalog/ListingFile.h"
#include "catalog/WriterLock.h"
#include "gui/ErrorReport.h"
#include "gui/Help.h"
#include "gui/Prompter.h"
#include "gui/WaitCursor.h"
#include "platform/Text.h"
#include "service/Project.h"
#include "service/Settings.h"
#include "service/ui/Service.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDockWidget>
#include <QElapsedTimer>
#include <QHeaderView>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QScreen>
#include <QSplitter>
#include <QStatusBar>
#include <QStyle>
#include <QTableView>
#include <QThread>
#include <QTimer>
#include <QTreeView>

namespace rkm {

namespace {

constexpr int GRID_COLUMNS = I_STRINGS_IN_LIST;
const QString RACKMERE = QStringLiteral("Rackmere");

int g_autosaveMs = 2000;
int g_lockWaitMs = 5000;

// One line per listing that could not be written.
QString failureLines(const std::vector<CatalogStore::SaveFailure> &failures)
{
    QStringList lines;
    for (const CatalogStore::SaveFailure &f : failures)
        lines << QStringLiteral("The listing '%1' could not be saved: %2")
                     .arg(platform::DecodeText(f.disk->text()), platform::DecodeText(f.reason));
    return lines.join(QLatin1Char('\n'));
}

// The standard 16-colour palette, for the pictures of low-colour displays.
QList<QRgb> sixteenColours()
{
    return {qRgb(0, 0, 0),       qRgb(128, 0, 0),   qRgb(0, 128, 0),   qRgb(128, 128, 0),
            qRgb(0, 0, 128),     qRgb(128, 0, 128), qRgb(0, 128, 128), qRgb(192, 192, 192),
            qRgb(128, 128, 128), qRgb(255, 0, 0),   qRgb(0, 255, 0),   qRgb(255, 255, 0),
            qRgb(0, 0, 255),     qRgb(255, 0, 255), qRgb(0, 255, 255), qRgb(255, 255, 255)};
}

} // namespace

TfrmMain::TfrmMain(CatalogStore &store, QWidget *parent) : QMainWindow(parent), m_store(store)
{
    // FormCreate. The generator of listing file names is seeded by the store.
    InitResources();
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QString::fromLatin1(APP_TITLE));
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
    buildMenus();
    m_autosave = new QTimer(this);
    m_autosave->setSingleShot(true);
    m_autosave->setInterval(g_autosaveMs);
    connect(m_autosave, &QTimer::timeout, this, [this] { saveModifiedListings(); });

    CurrentNode = nullptr;
    CurrentDisk = nullptr;
    m_abandoned = !takeWriterLock();
    loadCatalog();

    // The splash stays up for its least time, counted from when it appeared.
    const qint64 least = m_abandoned ? 0 : TfrmSplash::minimumMilliseconds();
    while (splashTime.elapsed() < least) {
        QCoreApplication::processEvents();
        QThread::msleep(static_cast<unsigned long>(std::min<qint64>(100, least - splashTime.elapsed())));
    }

    restoreGeometry();
    TreeView1Change(nullptr);
    SetHelpContext(this, HELP_MAIN_WINDOW);

    m_scan = std::make_unique<ScanCommands>(*this);
    m_search = std::make_unique<SearchCommands>(*this);
    m_print = std::make_unique<PrintCommands>(*this);
}

TfrmMain::~TfrmMain()
{
    // A Find all reads the catalogue until it is stopped.
    if (m_search)
        m_search->stopFindAll();
    FormDestroy();
    delete m_splash;
    // The views let go of the models before the catalogue's owner goes.
    TreeView1->setModel(nullptr);
    StringGrid1->setModel(nullptr);
}

void TfrmMain::buildImages(int bitsPerPixel)
{
    QStyle *st = style();
    m_highColour = bitsPerPixel > 8;
    const QList<QRgb> table = sixteenColours();
    // Each picture at 16 × 16 units for every pixel ratio a screen here has
    // (and 1 and 2), so that it stays sharp when the screen is scaled.
    QList<qreal> ratios{1.0, 2.0};
    for (const QScreen *screen : QGuiApplication::screens())
        if (!ratios.contains(screen->devicePixelRatio()))
            ratios << screen->devicePixelRatio();
    const auto picture = [&](const QIcon &source, QIcon::Mode mode) {
        if (m_highColour && mode == QIcon::Normal)
            return source; // the style's own, in all its sizes
        QIcon icon;
        for (const qreal ratio : ratios) {
            QPixmap pm = source.pixmap(QSize(16, 16), ratio, mode);
            if (!m_highColour) {
                QImage img = pm.toImage().convertToFormat(QImage::Format_Indexed8, table);
                img.setDevicePixelRatio(pm.devicePixelRatio());
                pm = QPixmap::fromImage(img);
            }
            icon.addPixmap(pm);
        }
        return icon;
    };
    // By index: closed folder, plain drive, floppy, hard disk, network drive,
    // CD-ROM, open folder.
    const QIcon drive = st->standardIcon(QStyle::SP_DriveHDIcon);
    m_images = {
        picture(st->standardIcon(QStyle::SP_DirClosedIcon), QIcon::Normal),
        picture(drive, QIcon::Disabled),
        picture(st->standardIcon(QStyle::SP_DriveFDIcon), QIcon::Normal),
        picture(drive, QIcon::Normal),
        picture(st->standardIcon(QStyle::SP_DriveNetIcon), QIcon::Normal),
        picture(st->standardIcon(QStyle::SP_DriveCDIcon), QIcon::Normal),
        picture(st->standardIcon(QStyle::SP_DirOpenIcon), QIcon::Normal),
    };
    // An archive's contents: the theme's package picture, else our own box.
    QIcon box;
    box.addFile(QStringLiteral(":/icons/archive-16.png"));
    box.addFile(QStringLiteral(":/icons/archive-32.png"));
    m_archiveImage = picture(QIcon::fromTheme(QStringLiteral("package-x-generic"), box), QIcon::Normal);
}

void TfrmMain::buildWindow()
{
    TreeView1 = new QTreeView;
    TreeView1->setObjectName(QStringLiteral("TreeView1"));
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
    pal.setColor(QPalette::Inactive, QPalette::HighlightedText,
                 pal.color(QPalette::Active, QPalette::HighlightedText));
    TreeView1->setPalette(pal);

    StringGrid1 = new QTableView;
    StringGrid1->setObjectName(QStringLiteral("StringGrid1"));
    StringGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    StringGrid1->setSelectionBehavior(QAbstractItemView::SelectRows);
    StringGrid1->setSelectionMode(QAbstractItemView::SingleSelection);
    StringGrid1->setShowGrid(true);
    StringGrid1->setWordWrap(false);
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
    Splitter1->addWidget(TreeView1);
    Splitter1->addWidget(StringGrid1);
    Splitter1->setStretchFactor(0, 0);
    Splitter1->setStretchFactor(1, 1);
    setCentralWidget(Splitter1);

    StatusBar1 = new QStatusBar;
    StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
    StatusBar1->setSizeGripEnabled(true);
    StatusBar1->setMinimumHeight(25);
    setStatusBar(StatusBar1);

    connect(TreeView1, &QWidget::customContextMenuRequested, this,
            [this](const QPoint &pos) { popTree->popup(TreeView1->viewport()->mapToGlobal(pos)); });
    connect(StringGrid1, &QWidget::customContextMenuRequested, this,
            [this](const QPoint &pos) { popList->popup(StringGrid1->viewport()->mapToGlobal(pos)); });
    connect(StringGrid1, &QAbstractItemView::doubleClicked, this, [this](const QModelIndex &) { StringGrid1DblClick(); });
    connect(Splitter1, &QSplitter::splitterMoved, this, [this] { m_treeWidth = TreeView1->width(); });
}

void TfrmMain::buildMenus()
{
    // A command that may change the catalogue waits for a running Find all
    // to stop first: the search reads the catalogue on a thread of its own.
    auto item = [this](QAction *&member, const char *name, const char *caption, void (TfrmMain::*handler)(),
                       bool enabled = true, bool edits = false) {
        member = new QAction(QString::fromUtf8(caption), this);
        member->setObjectName(QString::fromLatin1(name));
        member->setEnabled(enabled);
        connect(member, &QAction::triggered, this, [this, handler, edits] {
            if (edits && m_search)
                m_search->stopFindAll();
            guarded([this, handler] { (this->*handler)(); });
        });
        return member;
    };
    auto menu = [this](const char *name, const char *caption) {
        QMenu *m = menuBar()->addMenu(QString::fromUtf8(caption));
        m->setObjectName(QString::fromLatin1(name));
        return m;
    };
    auto separator = [](QMenu *m, const char *name) { m->addSeparator()->setObjectName(QString::fromLatin1(name)); };

    QMenu *disk = menu("Disk1", "&Disk");
    disk->addAction(item(Addnew1, "Addnew1", "&Add new...", &TfrmMain::Addnew1Click, true, true));
    disk->addAction(item(mnuUpdate, "mnuUpdate", "&Update...", &TfrmMain::popUpdateClick, false, true));
    disk->addAction(item(mnuDelete, "mnuDelete", "&Delete", &TfrmMain::popDeleteClick, false, true));
    disk->addAction(item(mnuRename, "mnuRename", "&Rename...", &TfrmMain::mnuRenameClick, false, true));
    mnuRename->setShortcut(QKeySequence(Qt::Key_F2));
    disk->addAction(item(mnuPrint, "mnuPrint", "&Print...", &TfrmMain::mnuPrintClick, false));
    disk->addAction(item(mnuExport, "mnuExport", "&Export...", &TfrmMain::mnuExportClick, false));
    disk->addAction(item(mnuProperties, "mnuProperties", "Properties...", &TfrmMain::mnuPropertiesClick, false, true));
    disk->addAction(item(mnuCompare, "mnuCompare", "&Compare with...", &TfrmMain::mnuCompareClick, false));
    disk->addAction(item(mnuVerify, "mnuVerify", "&Verify...", &TfrmMain::mnuVerifyClick, false));
    separator(disk, "N1");
    disk->addAction(item(mnuExit, "mnuExit", "E&xit", &TfrmMain::mnuExitClick));
    mnuExit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));

    QMenu *search = menu("Search1", "&Search");
    search->addAction(item(mnuFind, "mnuFind", "&Find...", &TfrmMain::mnuFindClick));
    mnuFind->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F));
    search->addAction(item(mnuFindNext, "mnuFindNext", "Find ne&xt", &TfrmMain::mnuFindNextClick));
    mnuFindNext->setShortcut(QKeySequence(Qt::Key_F3));
    search->addAction(item(mnuFindDuplicates, "mnuFindDuplicates", "Find &duplicates...",
                           &TfrmMain::mnuFindDuplicatesClick));

    QMenu *help = menu("About1", "&Help");
    help->addAction(item(mnuHelpTopics, "mnuHelpTopics", "&Help Topics", &TfrmMain::mnuHelpTopicsClick));
    separator(help, "N3");
    help->addAction(item(Tarnwellwebsite1, "Tarnwellwebsite1", "&Tarnwell website", &TfrmMain::Tarnwellwebsite1Click));
    help->addAction(item(Emailsupport1, "Emailsupport1", "&Email support", &TfrmMain::Emailsupport1Click));
    separator(help, "N2");
    help->addAction(item(About2, "About2", "&About", &TfrmMain::About1Click));

    // The pop-up menus' short cuts work while their control has the focus.
    const QList<QKeySequence> enter = {QKeySequence(Qt::Key_Enter), QKeySequence(Qt::Key_Return)};
    popTree = new QMenu(this);
    popTree->setObjectName(QStringLiteral("popTree"));
    popTree->addAction(item(Addnew2, "Addnew2", "Add new...", &TfrmMain::Addnew1Click, true, true));
    Addnew2->setShortcut(QKeySequence(Qt::Key_Insert));
    popTree->addAction(item(popUpdate, "popUpdate", "Update...", &TfrmMain::popUpdateClick, false, true));
    popTree->addAction(item(popRename, "popRename", "&Rename", &TfrmMain::mnuRenameClick, false, true));
    popTree->addAction(item(popDelete, "popDelete", "Delete", &TfrmMain::popDeleteClick, false, true));
    popDelete->setShortcut(QKeySequence(Qt::Key_Delete));
    popTree->addAction(item(popPrint, "popPrint", "&Print...", &TfrmMain::mnuPrintClick, false));
    popTree->addAction(item(popProperties, "popProperties", "Properties...", &TfrmMain::mnuPropertiesClick, false,
                            true));
    popTree->addAction(item(popCompare, "popCompare", "Compare with...", &TfrmMain::mnuCompareClick, false));
    popTree->addAction(item(popVerify, "popVerify", "Verify...", &TfrmMain::mnuVerifyClick, false));
    popProperties->setShortcuts(enter);
    for (QAction *a : popTree->actions()) {
        a->setShortcutContext(Qt::WidgetShortcut);
        TreeView1->addAction(a);
    }

    popList = new QMenu(this);
    popList->setObjectName(QStringLiteral("popList"));
    popList->addAction(item(popLstProperties, "popLstProperties", "Properties", &TfrmMain::StringGrid1DblClick, true,
                            true));
    popLstProperties->setShortcuts(enter);
    popLstProperties->setShortcutContext(Qt::WidgetShortcut);
    StringGrid1->addAction(popLstProperties);
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
            state = m_writerLock->take(g_lockWaitMs, [] { QCoreApplication::processEvents(); });
        }
        if (state == WriterLock::State::Held)
            m_store.RemoveLeftoverTemporaryFiles();
        // A folder where no lock file can be made cannot be written either;
        // its writes report that.
        if (state != WriterLock::State::Busy)
            return true;
        const std::string holder = m_writerLock->holderName();
        if (m_splash)
            m_splash->hide();
        const QString text =
            QStringLiteral("The catalogue in %1 is in use by %2 (process %3).\n\n"
                           "Rackmere opens it once that program has finished. Retry waits for it again; "
                           "Cancel closes Rackmere without changing anything.")
                .arg(platform::DecodeText(m_store.ProgramDir()),
                     holder.empty() ? QStringLiteral("another program") : QString::fromStdString(holder))
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
    QStringList errors;
    try {
        if (!m_abandoned)
            for (const std::string &e : m_store.LoadCatalog())
                errors.append(QString::fromStdString(e));
    } catch (const std::exception &e) {
        errors.append(QString::fromUtf8(e.what()));
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

    if (!errors.isEmpty()) {
        m_splash->hide();
        prompter().message(this, QMessageBox::Warning, windowTitle(), errors.join(QLatin1Char('\n')),
                           QMessageBox::Ok);
    }
}

void TfrmMain::restoreGeometry()
{
    const int top = GetSettingInt("Top", 0);
    const int left = GetSettingInt("Left", 0);
    const int width = GetSettingInt("Width", 640);
    const int height = GetSettingInt("Height", 370);
    resize(std::max(width, 100), std::max(height, 100));
    move(left, top);
    // A place stored on a screen that is gone would hide the window: it then
    // opens at the top left of the screen instead.
    bool onScreen = false;
    const QRect title(left, top, std::max(width, 100), 30);
    for (const QScreen *s : QGuiApplication::screens())
        onScreen = onScreen || s->availableGeometry().intersects(title);
    if (!onScreen && QGuiApplication::primaryScreen())
        move(QGuiApplication::primaryScreen()->availableGeometry().topLeft());
    m_treeWidth = std::max(GetSettingInt("TWidth", 188), 0);
    Splitter1->setSizes({m_treeWidth, std::max(width - m_treeWidth - Splitter1->handleWidth(), 1)});
    for (int c = 0; c < GRID_COLUMNS; ++c)
        StringGrid1->setColumnWidth(c, std::max(GetSettingInt("ColW" + std::to_string(c), 85), 0));
    const int sortColumn = GetSettingInt("SortCol", -1);
    const bool descending = GetSettingInt("SortOrder", 0) == 1;
    StringGrid1->sortByColumn(sortColumn >= 0 && sortColumn < GRID_COLUMNS ? sortColumn : -1,
                              descending ? Qt::DescendingOrder : Qt::AscendingOrder);
}

void TfrmMain::diskAboutToGo(int first, int last)
{
    // The panels let go of the disks (a running Find all stops first).
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
    m_shown = true;
    if (m_splash) {
        m_splash->close();
        m_splash->deleteLater();
        m_splash = nullptr;
    }
    FormResize();
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
    if (m_search)
        m_search->stopFindAll();
    for (;;) {
        const std::vector<CatalogStore::SaveFailure> failures = m_store.TrySaveModifiedListings();
        tellShortenedTexts();
        if (failures.empty())
            return true;
        const QString text = failureLines(failures) +
                             QStringLiteral("\n\nRetry tries again. Discard closes Rackmere, and the changes made "
                                            "to %1 since it was last saved are lost.")
                                 .arg(failures.size() == 1 ? QStringLiteral("this listing")
                                                           : QStringLiteral("these listings"));
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
    m_autosave->start(g_autosaveMs);
}

bool TfrmMain::saveModifiedListings()
{
    // While the report of a failed try is up, a second try waits for the next edit.
    if (m_saving)
        return false;
    m_autosave->stop();
    // A save may cut a listing's over-long texts in memory too.
    if (m_search)
        m_search->stopFindAll();
    const std::vector<CatalogStore::SaveFailure> failures = m_store.TrySaveModifiedListings();
    m_saving = true;
    tellShortenedTexts();
    if (!failures.empty())
        prompter().message(this, QMessageBox::Warning, RACKMERE,
                           failureLines(failures) +
                               QStringLiteral("\n\nYour changes are kept. Rackmere tries again after your next "
                                              "change and when it closes."),
                           QMessageBox::Ok);
    m_saving = false;
    return failures.empty();
}

void TfrmMain::tellShortenedTexts()
{
    const std::vector<ShortenedListing> shortened = m_store.TakeShortened();
    if (shortened.empty())
        return;
    QStringList lines;
    for (const ShortenedListing &l : shortened) {
        lines << QStringLiteral("Listing '%1' (%2):")
                     .arg(QString::fromStdString(l.diskName), platform::DecodeText(l.fileName));
        for (const std::string &e : l.entries)
            lines << QStringLiteral("    ") + QString::fromStdString(e);
    }
    prompter().message(this, QMessageBox::Information, RACKMERE,
                       QStringLiteral("A listing holds at most %1 bytes of a text. These longer texts were "
                                      "shortened to fit when their listing was saved:\n\n")
                               .arg(MAX_TEXT_BYTES) +
                           lines.join(QLatin1Char('\n')),
                       QMessageBox::Ok);
}

int TfrmMain::autosaveMilliseconds()
{
    return g_autosaveMs;
}

void TfrmMain::setAutosaveMillisecondsForTests(int ms)
{
    g_autosaveMs = ms;
}

void TfrmMain::setLockWaitMillisecondsForTests(int ms)
{
    g_lockWaitMs = ms;
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
    int sum = 0;
    for (int c = 0; c < GRID_COLUMNS - 1; ++c)
        sum += StringGrid1->columnWidth(c);
    const int gridWidth = StringGrid1->viewport()->width();
    // Within the last 10 pixels the rule would give the column no width at
    // all, and a column of no width cannot be found again to widen it: it
    // keeps the header's least width there.
    if (sum < gridWidth)
        StringGrid1->setColumnWidth(GRID_COLUMNS - 1, std::max(gridWidth - sum - 10,
                                                                StringGrid1->horizontalHeader()->minimumSectionSize()));
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
                                                       QItemSelectionModel::ClearAndSelect |
                                                           QItemSelectionModel::Rows);
    }
}

QString TfrmMain::statusText() const
{
    return StatusBar1->currentMessage();
}

void TfrmMain::TreeView1Change(TreeNode *node)
{
    m_gridModel->setNode(node);
    QString status;
    if (node) {
        status = QString::number(node->disk().Files.count()) + QStringLiteral(" items listed");
        // A refilled grid has no current row until the user or a search picks
        // one: Find next then starts with the first file.
    }
    StatusBar1->showMessage(status);
    CurrentNode = node;
    CurrentDisk = node ? node->disk().GetRootDisk() : nullptr;
    if (m_treeModel)
        m_treeModel->setSelectedNode(node);

    const bool selected = node != nullptr;
    for (QAction *a : {mnuRename, popRename, mnuDelete, popDelete, mnuUpdate, popUpdate, mnuProperties, popProperties,
                       mnuPrint, popPrint, mnuCompare, popCompare, mnuVerify, popVerify})
        a->setEnabled(selected);
    mnuFind->setEnabled(!m_store.Tree().empty());
    mnuFindNext->setEnabled(mnuFind->isEnabled());
    mnuExport->setEnabled(!m_store.Tree().empty());
    mnuFindDuplicates->setEnabled(mnuFind->isEnabled());
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
}

void TfrmMain::showMatch(TreeNode *node, int entry)
{
    selectNode(node);
    setGridEntryIndex(entry);
    if (entry < 0)
        TreeView1->setFocus();
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

void TfrmMain::Addnew1Click() { m_scan->addListing(); }
void TfrmMain::popUpdateClick() { m_scan->updateListing(); }
void TfrmMain::popDeleteClick() { m_scan->deleteListing(); }
void TfrmMain::mnuRenameClick() { m_scan->renameListing(); }
void TfrmMain::mnuPropertiesClick() { m_scan->showProperties(); }
void TfrmMain::mnuPrintClick() { m_print->print(); }
void TfrmMain::mnuExportClick() { ExportCommand(*this); }
void TfrmMain::mnuFindClick() { m_search->find(); }
void TfrmMain::mnuFindNextClick() { m_search->findNext(); }
void TfrmMain::StringGrid1DblClick() { m_search->editFileEntry(); }
void TfrmMain::mnuFindDuplicatesClick()
{
    m_search->findDuplicates();
}
void TfrmMain::mnuCompareClick()
{
    m_scan->compareListing();
}
void TfrmMain::mnuVerifyClick()
{
    m_scan->verifyListing();
}
void TfrmMain::mnuExitClick() { close(); }
void TfrmMain::mnuHelpTopicsClick() { ShowHelp(this, HELP_CONTENTS); }
void TfrmMain::Tarnwellwebsite1Click() { GotoURL(QString::fromLatin1(PROJECT_WEB_ADDRESS)); }
void TfrmMain::Emailsupport1Click() { MailToSupport(); }
void TfrmMain::About1Click() { ShowAboutBox(this, QString::fromLatin1(PROJECT_WEB_ADDRESS)); }

} // namespace rkm
