#pragma once

// Shared by the search and file entry properties tests: a catalogue of two
// disks.

#include "support/GuiTestSupport.h"

#include <QTest>

namespace rkm::searchtest {

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
    test::AddFile(work.get(), "notes.txt", "meeting notes", "Docs");
    test::AddFile(work.get(), "song.mp3", "", "Music");
    TreeNode *readings = work->appendChild("Readings");
    test::AddFile(readings, "readme.txt");
    test::AddFile(readings, "other.doc", "about READ", "Docs");
    test::AddFile(readings->appendChild("Deep"), "ReadMe.TXT", "", "Music");
    work->appendChild("Empty");
    test::WriteDisk(dir, "100.rkm", *work);
    auto photos = MakeDiskNode("Photos");
    photos->disk().RootPath = "/media/Photos";
    test::AddFile(photos.get(), "pic.jpg", "holiday", "Photos");
    test::WriteDisk(dir, "200.rkm", *photos);
    test::WriteBytes(dir + "DATA.CAT", "Docs\r\nMusic\r\nPhotos\r\n");
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
