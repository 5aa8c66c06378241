#include "app/Mainfrm.h"

#include "app/ExportCommands.h"
#include "app/DisksOverview.h"
#include "app/MountOffers.h"
#include "mounts/DiskPresence.h"
#include "app/PictureView.h"
#include "app/PrintCommands.h"
#include "app/ScanCommands.h"
#include "app/SearchCommands.h"
#include "search/ui/SearchBox.h"
#include "gui/Help.h"
#include "service/Project.h"
#include "gui/Prompter.h"
#include "service/Language.h"
#include "service/Settings.h"
#include "service/ui/Service.h"

#include <QAction>
#include <QActionGroup>
#include <QCoreApplication>
#include <QLocale>
#include <QLineEdit>
#include <QVBoxLayout>
#include <QGuiApplication>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QStyle>
#include <QTableView>
#include <QTreeView>

// The main window's pictures, its commands and its menus.

namespace rkm {

namespace {

// The standard 16-colour palette, for the pictures of low-colour displays.
QList<QRgb> sixteenColours()
{
    return {qRgb(0, 0, 0),       qRgb(128, 0, 0),   qRgb(0, 128, 0),   qRgb(128, 128, 0),
            qRgb(0, 0, 128),     qRgb(128, 0, 128), qRgb(0, 128, 128), qRgb(192, 192, 192),
            qRgb(128, 128, 128), qRgb(255, 0, 0),   qRgb(0, 255, 0),   qRgb(255, 255, 0),
            qRgb(0, 0, 255),     qRgb(255, 0, 255), qRgb(0, 255, 255), qRgb(255, 255, 255)};
}

} // namespace

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

void TfrmMain::buildCommands()
{
    m_scan = std::make_unique<ScanCommands>(m_store, *this);
    m_search = std::make_unique<SearchCommands>(m_store, *this);
    // The search box sits above the tree and the grid, first in the Tab order.
    m_centralLayout->insertWidget(0, &m_search->searchBox());
    QWidget::setTabOrder(&m_search->searchBox().edit(), TreeView1);
    m_print = std::make_unique<PrintCommands>(m_store, *this);
    m_export = std::make_unique<ExportCommand>(m_store, *this);
    m_own = std::make_unique<CommandList>(this);
    using N = CommandNeeds;
    using K = CommandKind;
    m_own->add("mnuExit", QT_TRANSLATE_NOOP("Commands", "E&xit"), N::Nothing, K::Reads, [this] { mnuExitClick(); },
               {QKeySequence(Qt::CTRL | Qt::Key_Q)});
    m_own->add("mnuPictures", QT_TRANSLATE_NOOP("Commands", "&Pictures"), N::Nothing, K::Reads, [this] {
        mnuPicturesClick(commandAction("mnuPictures")->isChecked());
    })->setCheckable(true);
    m_own->add("mnuDisks", QT_TRANSLATE_NOOP("Commands", "&Disks"), N::Nothing, K::Reads, [this] { mnuDisksClick(); });
    m_own->add("mnuOfferOnMount", QT_TRANSLATE_NOOP("Commands", "&Offer what to do when a disk is mounted"), N::Nothing, K::Reads, [this] {
        const bool offer = commandAction("mnuOfferOnMount")->isChecked();
        SetSettingInt("OfferOnMount", offer ? 1 : 0);
        if (m_offers)
            m_offers->setOffering(offer);
    })->setCheckable(true);
    m_own->add("mnuHelpTopics", QT_TRANSLATE_NOOP("Commands", "&Help Topics"), N::Nothing, K::Reads, [this] { mnuHelpTopicsClick(); });
    m_own->add("Tarnwellwebsite1", QT_TRANSLATE_NOOP("Commands", "&Tarnwell website"), N::Nothing, K::Reads, [this] { Tarnwellwebsite1Click(); });
    m_own->add("Emailsupport1", QT_TRANSLATE_NOOP("Commands", "&Email support"), N::Nothing, K::Reads, [this] { Emailsupport1Click(); });
    m_own->add("About2", QT_TRANSLATE_NOOP("Commands", "&About"), N::Nothing, K::Reads, [this] { About1Click(); });

    const CommandList *lists[] = {&m_scan->commands(), &m_search->commands(), &m_print->commands(),
                                  &m_export->commands(), m_own.get()};
    for (const CommandList *list : lists)
        for (const Command &c : list->commands()) {
            m_commands.push_back(&c);
            connect(c.action, &QAction::triggered, this, [this, &c] { runCommand(c); });
        }
}

void TfrmMain::runCommand(const Command &command)
{
    // The searches read the catalogue on threads of their own: nothing
    // changes it while they run, and none starts while an edit's dialogs
    // are up.
    runGuarded(command.kind, command.run);
}

void TfrmMain::runGuarded(CommandKind kind, const std::function<void()> &work)
{
    const bool edits = kind == CommandKind::Edits;
    if (edits) {
        stopSearches();
        if (m_search)
            m_search->holdSearches(true);
    }
    guarded(work);
    if (edits) {
        if (m_search)
            m_search->holdSearches(false);
        // What the edit wrote, the search index and the presence take in.
        listingsChanged();
        catalogChangedLater();
    }
}

void TfrmMain::stopSearches()
{
    if (m_search)
        m_search->stopSearches();
    if (m_scan)
        m_scan->stopSearches();
}

void TfrmMain::enableCommands()
{
    const CommandState state{CurrentNode != nullptr, !m_store.Tree().empty()};
    for (const Command *c : m_commands)
        c->action->setEnabled(CommandEnabled(c->needs, state));
}

QAction *TfrmMain::commandAction(const char *name) const
{
    for (const Command *c : m_commands)
        if (c->action->objectName() == QLatin1String(name))
            return c->action;
    qFatal("no command %s", name);
}

void TfrmMain::buildMenus()
{
    auto menu = [this](const char *name, const char *caption) {
        QMenu *m = menuBar()->addMenu(QCoreApplication::translate("Commands", caption));
        m->setObjectName(QString::fromLatin1(name));
        return m;
    };
    auto place = [this](QMenu *m, std::initializer_list<const char *> names) {
        for (const char *name : names) {
            if (name[0] == '-')
                m->addSeparator()->setObjectName(QString::fromLatin1(name + 1));
            else
                m->addAction(commandAction(name));
        }
    };

    place(menu("Disk1", QT_TRANSLATE_NOOP("Commands", "&Disk")), {"Addnew1", "mnuUpdate", "mnuDelete", "mnuRename", "mnuPrint", "mnuExport",
                                   "mnuProperties", "mnuCompare", "mnuVerify", "-N1", "mnuExit"});
    QMenu *search = menu("Search1", QT_TRANSLATE_NOOP("Commands", "&Search"));
    place(search, {"mnuSearchBox", "mnuFind", "mnuFindNext", "mnuFindDuplicates", "mnuIsArchived", "-N4"});
    search->addMenu(m_search->savedSearchesMenu())->setObjectName(QStringLiteral("mnuSavedSearchesItem"));
    QMenu *view = menu("View1", QT_TRANSLATE_NOOP("Commands", "&View"));
    place(view, {"mnuPictures", "mnuDisks", "-N5", "mnuOfferOnMount", "-N6"});
    buildLanguageMenu(*view);
    place(menu("About1", QT_TRANSLATE_NOOP("Commands", "&Help")), {"mnuHelpTopics", "-N3", "Tarnwellwebsite1", "Emailsupport1", "-N2", "About2"});
    // A build with no web site or support address has no items for them.
    commandAction("Tarnwellwebsite1")->setVisible(PROJECT_WEB_ADDRESS[0] != '\0');
    commandAction("Emailsupport1")->setVisible(SUPPORT_MAIL_ADDRESS[0] != '\0');

    // The pop-up menus' short cuts work while their control has the focus.
    popTree = new QMenu(this);
    popTree->setObjectName(QStringLiteral("popTree"));
    place(popTree,
          {"Addnew2", "popUpdate", "popRename", "popDelete", "popPrint", "popProperties", "popCompare", "popVerify"});
    for (QAction *a : popTree->actions()) {
        a->setShortcutContext(Qt::WidgetShortcut);
        TreeView1->addAction(a);
    }

    popList = new QMenu(this);
    popList->setObjectName(QStringLiteral("popList"));
    place(popList, {"popLstProperties", "popLstOpenFolder"});
    for (QAction *a : popList->actions()) {
        a->setShortcutContext(Qt::WidgetShortcut);
        StringGrid1->addAction(a);
        m_pictures->addAction(a);
    }
}

// View > Language: the system's language, or one the program is translated
// into, each under its own name; the choice is kept and shown from the next
// start.
void TfrmMain::buildLanguageMenu(QMenu &view)
{
    QMenu *languages = view.addMenu(QCoreApplication::translate("Commands", "&Language"));
    languages->setObjectName(QStringLiteral("mnuLanguage"));
    languages->menuAction()->setObjectName(QStringLiteral("mnuLanguageItem"));
    auto *group = new QActionGroup(languages);
    const QString chosen = QString::fromStdString(GetSettingString(SETTING_LANGUAGE));
    QStringList codes = TranslatedLanguages();
    codes.prepend(QStringLiteral("en"));
    codes.prepend(QString());
    QString taken; // the Alt letters given so far
    for (const QString &code : codes) {
        QString name = QCoreApplication::translate("Commands", "&System language");
        if (!code.isEmpty()) {
            name = QLocale(code).nativeLanguageName();
            name = name.left(1).toUpper() + name.mid(1);
            for (qsizetype i = 0; i < name.size(); ++i)
                if (name[i].isLetter() && !taken.contains(name[i].toLower())) {
                    name.insert(i, QLatin1Char('&'));
                    break;
                }
        }
        const qsizetype amp = name.indexOf(QLatin1Char('&'));
        if (amp >= 0 && amp + 1 < name.size())
            taken += name[amp + 1].toLower();
        QAction *a = languages->addAction(name);
        a->setObjectName(QStringLiteral("mnuLanguage_") + (code.isEmpty() ? QStringLiteral("system") : code));
        a->setCheckable(true);
        a->setChecked(code == chosen);
        group->addAction(a);
        connect(a, &QAction::triggered, this, [this, code] {
            if (code == QString::fromStdString(GetSettingString(SETTING_LANGUAGE)))
                return;
            if (code.isEmpty())
                RemoveSetting(SETTING_LANGUAGE);
            else
                SetSettingString(SETTING_LANGUAGE, code.toStdString());
            prompter().message(this, QMessageBox::Information, QString::fromLatin1(APP_TITLE),
                               QCoreApplication::translate("Commands",
                                                           "Rackmere shows the chosen language from its next start."),
                               QMessageBox::Ok);
        });
    }
}

void TfrmMain::mnuExitClick()
{
    close();
}

void TfrmMain::mnuDisksClick()
{
    if (!m_disks) {
        m_disks = new DisksOverview(m_store, this);
        connect(m_disks, &DisksOverview::diskChosen, this, [this](TreeNode *disk) {
            selectNode(disk);
            activateWindow();
        });
        m_disks->setOnline([this](const TreeNode *disk) {
            const MountedVolume *volume = m_presence ? m_presence->volumeOf(disk) : nullptr;
            return volume ? QString::fromStdString(volume->mountPoint) : QString();
        });
        if (m_presence)
            connect(m_presence.get(), &DiskPresence::changed, m_disks, &DisksOverview::refreshOnline);
    }
    m_disks->refresh();
    m_disks->show();
    m_disks->raise();
    m_disks->activateWindow();
}

void TfrmMain::mnuHelpTopicsClick()
{
    ShowHelp(this, HELP_CONTENTS);
}

void TfrmMain::Tarnwellwebsite1Click()
{
    GotoURL(QString::fromLatin1(PROJECT_WEB_ADDRESS));
}

void TfrmMain::Emailsupport1Click()
{
    MailToSupport();
}

void TfrmMain::About1Click()
{
    ShowAboutBox(this, QString::fromLatin1(PROJECT_WEB_ADDRESS));
}

} // namespace rkm
