#pragma once

// Shared by the search and file entry properties tests: a catalogue of two
// disks, the main window over it, and answering a modal dialog.

#include "app/AppTestSupport.h"
#include "app/Mainfrm.h"
#include "gui/QueuedPrompter.h"
#include "catalog/CatalogStore.h"

#include <QApplication>
#include <QTest>
#include <QTimer>

#include <functional>
#include <memory>

namespace rkm::searchtest {

inline void AddFile(TreeNode *n, std::string name, std::string desc = {}, std::string cat = {})
{
    n->disk().Files.append(FileEntry{std::move(name), std::move(desc), "01/02/2020", "12 Kb", std::move(cat)});
}

// Work/                 notes.txt "meeting notes" (Docs), song.mp3 (Music)
//   Readings/           readme.txt, other.doc "about READ" (Docs)
//     Deep/             ReadMe.TXT (Music)
//   Empty/
// Photos/               pic.jpg "holiday" (Photos)
// Categories: Docs, Music, Photos. Work's root path is `workRoot`.
inline void WriteSample(const std::string &dir, const std::string &workRoot)
{
    auto work = MakeDiskNode("Work");
    work->disk().RootPath = workRoot;
    AddFile(work.get(), "notes.txt", "meeting notes", "Docs");
    AddFile(work.get(), "song.mp3", "", "Music");
    TreeNode *readings = work->appendChild("Readings");
    AddFile(readings, "readme.txt");
    AddFile(readings, "other.doc", "about READ", "Docs");
    AddFile(readings->appendChild("Deep"), "ReadMe.TXT", "", "Music");
    work->appendChild("Empty");
    apptest::WriteDisk(dir, "100.rkm", *work);
    auto photos = MakeDiskNode("Photos");
    photos->disk().RootPath = "/media/Photos";
    AddFile(photos.get(), "pic.jpg", "holiday", "Photos");
    apptest::WriteDisk(dir, "200.rkm", *photos);
    apptest::WriteFile(dir + "DATA.CAT", "Docs\r\nMusic\r\nPhotos\r\n");
}

// Runs `command`; if it opens a modal dialog of type D, `answer` is called
// with it (and closes it). Returns whether the dialog was shown.
template <class D> bool WithDialog(const std::function<void()> &command, const std::function<void(D &)> &answer)
{
    bool shown = false;
    QTimer::singleShot(0, [&] {
        if (auto *d = qobject_cast<D *>(QApplication::activeModalWidget())) {
            shown = true;
            answer(*d);
            // A failed check inside `answer` returns early: close the dialog
            // all the same, so the test reports instead of waiting forever.
            if (d->isVisible())
                d->reject();
        }
    });
    command();
    QCoreApplication::processEvents();
    return shown;
}

// A node of the catalogue by its path of names ("Work/Readings/Deep").
inline TreeNode *NodeAt(const Catalog &tree, const QString &path)
{
    const QStringList parts = path.split('/');
    TreeNode *n = tree.findByName(parts[0].toStdString());
    for (int p = 1; n && p < parts.size(); ++p) {
        TreeNode *next = nullptr;
        for (int i = 0; i < n->childCount() && !next; ++i)
            if (n->child(i)->text() == parts[p].toStdString())
                next = n->child(i);
        n = next;
    }
    return n;
}

} // namespace rkm::searchtest
