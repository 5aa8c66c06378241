#pragma once

// The main window over a program folder of the test's own, with the
// listings the main window tests share.

#include "support/GuiTestSupport.h"

#include "app/Mainfrm.h"
#include "gui/QueuedPrompter.h"

#include <QAbstractItemModel>
#include <QAction>
#include <QApplication>
#include <QTableView>
#include <QTest>

#include <memory>

namespace rkm::test {

class MainWindowFixture {
protected:
    void setUp()
    {
        m_prompter = std::make_unique<QueuedPrompter>();
        m_sandbox = std::make_unique<Sandbox>();
    }
    void tearDown()
    {
        closePopups();
        m_sandbox.reset();
        m_prompter.reset();
    }

    std::unique_ptr<QueuedPrompter> m_prompter;
    std::unique_ptr<Sandbox> m_sandbox;

    // A program directory with two disks: "Alpha" (2 root files; folders
    // "Docs" with 3 files, "Empty" with none, "Many" with 8) and "Beta".
    void writeTwoDisks()
    {
        const std::string dir = m_sandbox->programDir;
        WriteDisk(dir, "100.rkm", *MakeDisk("Alpha", 2, {{"Docs", 3}, {"Empty", 0}, {"Many", 8}}));
        WriteDisk(dir, "200.rkm", *MakeDisk("Beta", 1, {}, 5));
    }
    TfrmMain &start(bool show = true)
    {
        TfrmMain &w = m_sandbox->Open();
        if (show) {
            w.show();
            if (!QTest::qWaitForWindowExposed(&w))
                qWarning("main window not exposed");
        }
        return w;
    }
    TreeNode *disk(const char *name) const { return m_sandbox->store->Tree().findByName(name); }
    TreeNode *folder(const char *diskName, const char *folderName) const
    {
        TreeNode *d = disk(diskName);
        for (int i = 0; d && i < d->childCount(); ++i)
            if (d->child(i)->text() == folderName)
                return d->child(i);
        return nullptr;
    }
    QList<QAction *> selectionCommands() const
    {
        TfrmMain &w = *m_sandbox->main;
        return {Action(&w, "mnuRename"),     Action(&w, "popRename"),     Action(&w, "mnuDelete"),
                Action(&w, "popDelete"),     Action(&w, "mnuUpdate"),     Action(&w, "popUpdate"),
                Action(&w, "mnuProperties"), Action(&w, "popProperties"), Action(&w, "mnuPrint"),
                Action(&w, "popPrint")};
    }
    QStringList gridRow(int row) const
    {
        QStringList out;
        QAbstractItemModel *m = Grid(*m_sandbox->main)->model();
        for (int c = 0; c < m->columnCount(); ++c)
            out << m->index(row, c).data().toString();
        return out;
    }
    static void closePopups()
    {
        while (QWidget *w = QApplication::activePopupWidget())
            w->close();
    }
};

} // namespace rkm::test
