#pragma once

// Helpers for the widget tests: reaching a window's controls by their object
// names, as a user reaches them by what they show; answering the modal
// windows a command opens; a program folder of the test's own with the main
// window over it. The prompter double comes with them.

#include "app/Mainfrm.h"
#include "app/PrintCommands.h"
#include "catalog/CatalogStore.h"
#include "gui/QueuedPrompter.h"
#include "mounts/MountFollower.h"
#include "search/IndexWriter.h"
#include "support/TestSupport.h"

#include <QAction>
#include <QAnyStringView>
#include <QCoreApplication>
#include <QDialog>
#include <QMenu>
#include <QObject>
#include <QSplitter>
#include <QStringList>
#include <QTableView>
#include <QTimer>
#include <QTreeView>
#include <QUrl>
#include <QtGlobal>

#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <string>

namespace rkm {

// What a test does to the main window that a user cannot: shorten the
// autosave and the wait for another program's writer lock (for every window
// opened after), and give the print command a settings store and a PDF file
// of the test's own.
struct TfrmMainTestAccess {
    static void setAutosaveMilliseconds(int ms) { TfrmMain::s_autosaveMs = ms; }
    static void setLockWaitMilliseconds(int ms) { TfrmMain::s_lockWaitMs = ms; }
    static PrintCommands &printCommands(TfrmMain &main) { return *main.m_print; }
    static void setIndexDelayMilliseconds(int ms) { TfrmMain::s_indexDelayMs = ms; }
    // The keeper of the search index (null until the window was first shown).
    static index::IndexKeeper *indexKeeper(TfrmMain &main) { return main.m_indexKeeper.get(); }
    // Makes the follower of the mounts for every window opened after (the
    // Sandbox gives one that never hears of a mount).
    static void setFollowerFactory(std::function<std::unique_ptr<MountFollower>()> factory)
    {
        TfrmMain::s_followerFactory = std::move(factory);
    }
};

} // namespace rkm

namespace rkm::test {

// A control, menu item or window below `parent` by its object name; ends the
// test program when there is none (a renamed control is a broken test).
template <class T>
T *Find(const QObject *parent, QAnyStringView name, Qt::FindChildOptions options = Qt::FindChildrenRecursively)
{
    T *w = parent->findChild<T *>(name.toString(), options);
    if (!w)
        qFatal("no %s named %s", T::staticMetaObject.className(), qPrintable(name.toString()));
    return w;
}

// The main window's views, menu items and pop-up menus.
inline QTreeView *Tree(const QObject &main) { return Find<QTreeView>(&main, "TreeView1"); }
inline QTableView *Grid(const QObject &main) { return Find<QTableView>(&main, "StringGrid1"); }
inline QSplitter *Splitter(const QObject &main) { return Find<QSplitter>(&main, "Splitter1"); }
inline QAction *Action(const QObject *main, QAnyStringView name) { return Find<QAction>(main, name); }
inline QMenu *Menu(const QObject *main, QAnyStringView name) { return Find<QMenu>(main, name); }
// Chooses a menu item as a user does; an item that is greyed out does nothing.
inline void TriggerAction(const QObject &main, QAnyStringView name) { Action(&main, name)->trigger(); }
// The one window of class T below `main` (a command's dialog or panel).
template <class T> T &Child(const QObject &main)
{
    const QList<T *> found = main.findChildren<T *>();
    if (found.size() != 1)
        qFatal("%d windows of class %s", int(found.size()), T::staticMetaObject.className());
    return *found.first();
}

// Answers modal windows in order: each step names the class of the window it
// expects and acts on it (normally closing it). A window that no step expects
// is recorded and closed, so a wrong flow fails instead of hanging.
//
//   ModalScript script;
//   script.then("rkm::TfrmPrint", [](QDialog *d) { Find<QPushButton>(d, "m_pCmdOK")->click(); });
//   ... run the command ...
//   QVERIFY(script.done());
class ModalScript final : public QObject {
public:
    ModalScript();
    void then(const char *className, std::function<void(QDialog *)> act);
    // Windows of this class are left to the test (a progress window it stops
    // itself), neither acted on nor counted as unexpected.
    void leaveAlone(const char *className) { m_leftAlone.push_back(className); }
    // Every step was taken.
    bool done() const { return m_steps.empty(); }

    QStringList unexpected; // class names of the windows no step expected
    QStringList seen;       // class names of the windows the steps acted on

private:
    struct Step {
        const char *className;
        std::function<void(QDialog *)> act;
    };
    void poll();

    QTimer m_timer;
    std::deque<Step> m_steps;
    std::vector<const char *> m_leftAlone;
    bool m_busy = false;
};

// Fails the running test when the script met a window it did not expect.
void ReportUnexpected(const ModalScript &script);

// Runs `command`; if it opens a modal dialog of class D, `answer` is called
// with it (and closes it). Returns whether that dialog was shown. A modal
// window of another class is closed and fails the test.
template <class D> bool WithDialog(const std::function<void()> &command, const std::function<void(D &)> &answer)
{
    ModalScript script;
    script.then(D::staticMetaObject.className(), [&](QDialog *d) {
        answer(*qobject_cast<D *>(d));
        // A failed check inside `answer` returns early: close the dialog all
        // the same, so the test reports instead of waiting forever.
        if (d->isVisible())
            d->reject();
    });
    command();
    QCoreApplication::processEvents();
    ReportUnexpected(script);
    return script.done();
}

// The desktop program that was built with the tests.
QString DesktopProgram();

// Shows `dialog`, presses F1 where its focus is and returns the page the help
// window opened (empty when none did); the help window is closed again.
QUrl HelpPageOnF1(QWidget &dialog);

// A mount follower the test tells of mounts: volumes() is `mountedNow`, and
// mount()/unmount() change it and say so as a real follower does.
class ManualFollower final : public MountFollower {
public:
    std::vector<MountedVolume> volumes() const override { return mountedNow; }
    const char *how() const override { return "manual"; }
    void mount(const MountedVolume &volume);
    void unmount(const MountedVolume &volume);
    std::vector<MountedVolume> mountedNow;
};

// A program folder, a config folder and a cache folder of the test's own, which the program
// and its settings use while this lives (the splash is shortened), and the
// main window over the program folder once the test opens it.
class Sandbox {
public:
    Sandbox();
    Sandbox(const Sandbox &) = delete;
    Sandbox &operator=(const Sandbox &) = delete;

    // The store and the main window over the listings in the program folder.
    // With `presentSerial` set, every disk the store saves takes that serial
    // number instead of its volume's.
    TfrmMain &Open();

private:
    TempDir m_program;
    TempDir m_config;
    TempDir m_cache;

public:
    const std::string programDir; // ends with '/'
    std::optional<uint32_t> presentSerial;
    std::unique_ptr<CatalogStore> store;
    std::unique_ptr<TfrmMain> main; // closed before the store and the folders go
};

} // namespace rkm::test
