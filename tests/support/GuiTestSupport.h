#pragma once

// Helpers for the widget tests: reaching a window's controls by their object
// names, as a user reaches them by what they show.

#include <QAction>
#include <QMenu>
#include <QObject>
#include <QSplitter>
#include <QTableView>
#include <QTreeView>
#include <QtGlobal>

namespace rkm::test {

// A control, menu item or window below `parent` by its object name; ends the
// test program when there is none (a renamed control is a broken test).
template <class T> T *Find(const QObject *parent, const char *name)
{
    T *w = parent->findChild<T *>(QString::fromLatin1(name));
    if (!w)
        qFatal("no %s named %s", T::staticMetaObject.className(), name);
    return w;
}

// The main window's views, menu items and pop-up menus.
inline QTreeView *Tree(const QObject &main) { return Find<QTreeView>(&main, "TreeView1"); }
inline QTableView *Grid(const QObject &main) { return Find<QTableView>(&main, "StringGrid1"); }
inline QSplitter *Splitter(const QObject &main) { return Find<QSplitter>(&main, "Splitter1"); }
inline QAction *Action(const QObject *main, const char *name) { return Find<QAction>(main, name); }
inline QMenu *Menu(const QObject *main, const char *name) { return Find<QMenu>(main, name); }

} // namespace rkm::test
