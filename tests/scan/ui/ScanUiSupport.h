#pragma once
// Helpers shared by the scan commands' widget tests: a catalogue folder, a
// disk to catalogue, and the main window over them.

#include "app/AppTestSupport.h"
#include "support/GuiTestSupport.h"
#include "app/CatalogTreeModel.h"
#include "app/Frmsplashdlg.h"
#include "app/Mainfrm.h"
#include "gui/QueuedPrompter.h"
#include "catalog/CatalogStore.h"
#include "catalog/Errors.h"
#include "scan/Scanner.h"
#include "app/ScanCommands.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <algorithm>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace rkm::test {

inline void WriteFile(const std::string &path, const std::string &bytes)
{
    QDir().mkpath(QFileInfo(QString::fromStdString(path)).absolutePath());
    QFile f(QString::fromStdString(path));
    if (!f.open(QIODevice::WriteOnly))
        qFatal("cannot write %s", path.c_str());
    f.write(bytes.data(), static_cast<qint64>(bytes.size()));
}

inline std::string ReadFile(const std::string &path)
{
    QFile f(QString::fromStdString(path));
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll().toStdString();
}

// The listing files of a folder, sorted.
inline std::vector<std::string> ListingFiles(const std::string &dir)
{
    std::vector<std::string> names;
    for (const QString &n : QDir(QString::fromStdString(dir)).entryList({"*.rkm"}, QDir::Files))
        names.push_back(n.toStdString());
    std::sort(names.begin(), names.end());
    return names;
}

// A temporary world: the catalogue folder, the settings, a disk folder.
class World {
public:
    World()
    {
        if (!tmp.isValid())
            qFatal("no temporary folder");
        root = tmp.path().toStdString() + "/";
        programDir = root + "catalog/";
        disk = root + "disk";
        QDir().mkpath(QString::fromStdString(programDir));
        qputenv("XDG_CONFIG_HOME", QByteArray::fromStdString(root + "config"));
        qputenv("RACKMERE_DIR", QByteArray::fromStdString(programDir));
        TfrmSplash::setMinimumMillisecondsForTests(0);
    }

    // Files below the disk folder, each holding its own name.
    void MakeDisk(const std::vector<std::string> &files)
    {
        for (const std::string &f : files)
            WriteFile(disk + "/" + f, f);
    }

    // Writes a listing of `path` as the program would, before the window starts.
    std::string SaveListing(const std::string &path, const std::string &name, uint32_t serial,
                            const std::function<void(TreeNode &)> &annotate = {})
    {
        CatalogStore s(programDir);
        s.serialSource = [serial](const TDisk &) { return serial; };
        TreeNode *n = s.Tree().appendDisk(ScanDisk(path, name, "comment of " + name));
        if (annotate)
            annotate(*n);
        s.SaveListing(n);
        return n->disk().FileName;
    }

    // The main window over the catalogue folder; the store's serial numbers
    // are `serial` unless a test says otherwise.
    TfrmMain &Open()
    {
        store = std::make_unique<CatalogStore>(programDir);
        store->serialSource = [this](const TDisk &) { return presentSerial; };
        main = std::make_unique<TfrmMain>(*store);
        return *main;
    }

    QTemporaryDir tmp;
    std::string root, programDir, disk;
    uint32_t presentSerial = 0;
    std::unique_ptr<CatalogStore> store;
    std::unique_ptr<TfrmMain> main;
};

inline TreeNode *Child(TreeNode *n, const std::string &name)
{
    for (int i = 0; i < n->childCount(); ++i)
        if (n->child(i)->text() == name)
            return n->child(i);
    return nullptr;
}

inline int FileIndex(const TDisk &d, std::string_view name)
{
    for (int i = 0; i < d.Files.count(); ++i)
        if (d.Files.text(i, FT_NAME) == name)
            return i;
    return -1;
}

// Runs `f` once the modal dialog that the next command opens is up.
inline void WhenModal(std::function<void(QWidget *)> f)
{
    QTimer::singleShot(0, [f] {
        QWidget *w = QApplication::activeModalWidget();
        QVERIFY2(w, "no modal dialog is up");
        f(w);
        // Close it whatever happened, so the command can end.
        if (QApplication::activeModalWidget() == w)
            if (auto *d = qobject_cast<QDialog *>(w))
                d->reject();
    });
}

} // namespace rkm::test
