#pragma once

// What the views show of a disk whose volume is mounted now, and what the
// dialogs need to reach its files there. The main window knows where each
// disk is (DiskPresence); the dialogs and panels get it through the narrow
// functions below and never see the window.

#include <QIcon>
#include <QString>

#include <functional>
#include <string>

class QWidget;

namespace rkm {

class TreeNode;

// Where a listing's disk is mounted now, or "" when it is not.
using MountPointLookup = std::function<std::string(const TreeNode *disk)>;
// Where a file or folder of the listing (its path as the listing names it)
// is now, or "" when the listing's disk is not mounted.
using PathMapper = std::function<std::string(const std::string &path)>;

// `base` with the mark of a mounted disk painted over its lower right corner:
// a green disc ringed in white and a dark outline, seen on light and dark
// themes alike.
QIcon WithOnlineMark(const QIcon &base);
// The mark alone, for the listing column of the results panels.
QIcon OnlineMark();
// "Mounted at /media/ann/PHOTOS".
QString MountedAtText(const std::string &mountPoint);

// "Insert the disk “NAME”." with, on lines of their own, "It is kept at:
// LOCATION." and "It is lent to: WHOM." when those are known.
QString InsertDiskText(const QString &name, const std::string &location, const std::string &lentTo);

// Where a file of a listing is to be opened: `path` (as the listing names
// it) and the listing's root, both where the disk is now when `mapper` knows
// it, else as they stand. `online` tells which.
struct PathsNow {
    std::string path;
    std::string rootPath;
    bool online = false;
};
PathsNow WhereNow(const PathMapper &mapper, const std::string &path, const std::string &rootPath);
// Whether the disk is to be asked for: not mounted, and its root not there
// (a root that is there holds the disk, and a file missing from it is missing).
bool DiskAbsent(const PathsNow &now);

// Opens the folder holding the file `path` of a listing in the file manager,
// at the disk's mount point of now. A disk that is not there is asked for:
// `insertText` (InsertDiskText) when given, else the folder is said to be
// missing. True when the folder was opened.
bool OpenContainingFolder(QWidget *parent, const PathMapper &mapper, const std::string &path,
                          const std::string &rootPath, const QString &insertText);

} // namespace rkm
