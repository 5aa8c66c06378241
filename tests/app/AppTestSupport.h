#pragma once

// Helpers for the desktop program's tests: a program directory and a config
// folder of their own, and listing files made with the catalogue's writer.

#include "app/Frmsplashdlg.h"
#include "gui/Help.h"
#include "catalog/Disks.h"
#include "catalog/ListingFile.h"
#include "support/GuiTestSupport.h"

#include <QApplication>
#include <QByteArray>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QUrl>

#include <string>
#include <vector>

namespace rkm::apptest {

// Points the program's directory, settings and runtime folder at fresh
// temporary folders and shortens the splash. Call in initTestCase or init.
class Sandbox {
public:
    Sandbox()
    {
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_config.path()));
        qputenv("RACKMERE_DIR", QFile::encodeName(m_program.path()));
        TfrmSplash::setMinimumMillisecondsForTests(0);
    }
    std::string programDir() const { return m_program.path().toStdString() + "/"; }
    QString configDir() const { return m_config.path(); }

private:
    QTemporaryDir m_program;
    QTemporaryDir m_config;
};

// Shows `dialog`, presses F1 where its focus is and returns the page the help
// window opened (empty when none did); the help window is closed again.
inline QUrl HelpPageOnF1(QWidget &dialog)
{
    dialog.show();
    QApplication::setActiveWindow(&dialog);
    if (!QTest::qWaitForWindowActive(&dialog))
        return {};
    QWidget *focus = QApplication::focusWidget();
    if (!focus || focus->window() != &dialog)
        return {};
    QTest::keyClick(focus, Qt::Key_F1);
    const QUrl page = HelpBrowser() ? HelpBrowser()->source() : QUrl();
    CloseHelp();
    return page;
}

struct FolderSpec {
    std::string name;
    int files = 0;
};

// A disk named `name` with `rootFiles` files in its root and the given folders.
inline std::unique_ptr<TreeNode> MakeDisk(const std::string &name, int rootFiles,
                                          const std::vector<FolderSpec> &folders = {}, int driveType = 3)
{
    auto disk = MakeDiskNode(name);
    disk->disk().DriveType = driveType;
    disk->disk().RootPath = "/media/" + name;
    auto addFiles = [](TreeNode *node, int n) {
        for (int i = 0; i < n; ++i) {
            const std::string f = node->text() + "-file" + std::to_string(i) + ".txt";
            node->disk().Files.append(FileEntry{f, "", "1/2/2024", std::to_string(i + 1) + " Kb", ""});
        }
    };
    addFiles(disk.get(), rootFiles);
    for (const FolderSpec &f : folders)
        addFiles(disk->appendChild(f.name), f.files);
    return disk;
}

inline void WriteFile(const std::string &path, const std::string &bytes)
{
    QFile f(QString::fromStdString(path));
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes.data(), qint64(bytes.size())) != qint64(bytes.size()))
        qFatal("cannot write %s", path.c_str());
}

inline void WriteDisk(const std::string &dir, const std::string &fileName, const TreeNode &disk)
{
    WriteFile(dir + fileName, WriteListing(disk, 0x1234abcd));
}

} // namespace rkm::apptest
