#pragma once
// Helpers shared by the scan commands' widget tests: a catalogue folder, a
// disk to catalogue, and the main window over them.

#include "support/GuiTestSupport.h"
#include "app/CatalogTreeModel.h"
#include "catalog/CatalogStore.h"
#include "catalog/Errors.h"
#include "scan/Scanner.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QtTest>

#include <algorithm>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace rkm::test {

// The listing files of a folder, sorted.
inline std::vector<std::string> ListingFiles(const std::string &dir)
{
    std::vector<std::string> names;
    for (const QString &n : QDir(QString::fromStdString(dir)).entryList({"*.rkm"}, QDir::Files))
        names.push_back(n.toStdString());
    std::sort(names.begin(), names.end());
    return names;
}

// A temporary world: the catalogue folder and the settings of a sandbox, and
// a disk folder beside them. The store's serial numbers are
// `presentSerial`, 0 unless a test says otherwise.
class World : public Sandbox {
public:
    World() : root(m_tmp.path()), disk(root + "disk") { presentSerial = 0; }

    // Files below the disk folder, each holding its own name.
    void MakeDisk(const std::vector<std::string> &files)
    {
        for (const std::string &f : files)
            WriteBytes(disk + "/" + f, f);
    }

    // Writes a listing of `path` as the program would, before the window starts.
    std::string SaveListing(const std::string &path, const std::string &name, uint32_t serial,
                            const std::function<void(TreeNode &)> &annotate = {})
    {
        return AddListing(programDir, path, name, "comment of " + name, serial, annotate);
    }

private:
    TempDir m_tmp;

public:
    const std::string root;
    std::string disk; // another folder may be put in its place
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

} // namespace rkm::test
