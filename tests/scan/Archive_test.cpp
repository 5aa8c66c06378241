// Archive contents in a listing: archives made here by Python and bsdtar,
// walked with archives listed, and what becomes of each.
#include "catalog/ListingFile.h"
#include "platform/Text.h"
#include "scan/Archive.h"
#include "scan/Scanner.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <unistd.h>

using namespace rkm;

namespace {

// Runs a Python script (Debian's python3, with zipfile and tarfile) with the
// archive's path as its argument `p` and the folder `d` to use for scraps.
void MakeWithPython(const std::string &path, const std::string &script)
{
    const std::string prelude = "import sys, os, io, zipfile, tarfile, subprocess, gzip\n"
                                "p = sys.argv[1]; d = sys.argv[2]\n"
                                "def src(files):\n"
                                "    s = os.path.join(d, 'src'); os.makedirs(s, exist_ok=True)\n"
                                "    for n, b in files.items():\n"
                                "        os.makedirs(os.path.dirname(os.path.join(s, n)), exist_ok=True)\n"
                                "        open(os.path.join(s, n), 'wb').write(b)\n"
                                "    return s\n";
    const test::TempDir scraps;
    const test::CliResult r = test::RunProgram("/usr/bin/python3", {"-c", prelude + script, path, scraps.path()});
    ASSERT_EQ(r.status, 0) << r.err;
}

// A folder and all below it, one line per entry: files with their size
// texts, folders with a slash, each folder's entries indented.
void Render(const TreeNode &n, std::string &out, int indent = 0)
{
    const std::string pad(static_cast<std::size_t>(indent) * 2, ' ');
    if (!n.disk().Comment.empty())
        out += pad + "# " + n.disk().Comment + "\n";
    for (int i = 0; i < n.disk().Files.count(); ++i)
        out += pad + std::string(n.disk().Files.text(i, FT_NAME)) + " " + std::string(n.disk().Files.text(i, FT_SIZE)) +
               "\n";
    for (int i = 0; i < n.childCount(); ++i) {
        out += pad + n.child(i)->text() + "/\n";
        Render(*n.child(i), out, indent + 1);
    }
}

const TreeNode *ChildNamed(const TreeNode &n, std::string_view name)
{
    for (int i = 0; i < n.childCount(); ++i)
        if (n.child(i)->text() == name)
            return n.child(i);
    return nullptr;
}

struct Case {
    const char *what;
    const char *file;
    const char *script;
    bool archives;        // listed with archives on
    const char *expected; // the archive's folder rendered; nullptr: no folder
};

const Case kCases[] = {
    {"zip: implied and empty folders, one entry twice, a zip inside, ./ dropped", "pack.zip",
     "z = zipfile.ZipFile(p, 'w')\n"
     "inner = io.BytesIO(); zipfile.ZipFile(inner, 'w').writestr('deep.txt', 'x')\n"
     "z.writestr('docs/readme.txt', b'r' * 10)\n"
     "z.writestr('b.txt', b'b' * 2000)\n"
     "z.writestr('Zeta/', b'')\n"
     "z.writestr('./c.txt', b'c')\n"
     "import warnings; warnings.simplefilter('ignore')\n"
     "z.writestr('docs/readme.txt', b'second' * 10)\n"
     "z.writestr('inner.zip', inner.getvalue())\n",
     true,
     "b.txt 1 Kb\nc.txt 1 bytes\ninner.zip 1xx\ndocs/\n  readme.txt 10 bytes\nZeta/\n"},
    {"tar.gz: folders only implied by paths", "backup.tar.gz",
     "t = tarfile.open(p, 'w:gz')\n"
     "for n, b in [('dir/sub/deep.txt', b'd' * 5), ('top.txt', b't' * 1025)]:\n"
     "    i = tarfile.TarInfo(n); i.size = len(b); i.mtime = 1000000000; t.addfile(i, io.BytesIO(b))\n",
     true, "top.txt 1 Kb\ndir/\n  sub/\n    deep.txt 5 bytes\n"},
    {"7z made by bsdtar", "photos.7z",
     "s = src({'a.jpg': b'a' * 3000, 'trip/b.jpg': b'b' * 7})\n"
     "subprocess.run(['bsdtar', '--format', '7zip', '-cf', p, '-C', s, 'a.jpg', 'trip'], check=True)\n",
     true, "a.jpg 2 Kb\ntrip/\n  b.jpg 7 bytes\n"},
    {"zip with encrypted data: the names are still there", "secret.zip",
     "s = src({'plan.txt': b'p' * 100})\n"
     "subprocess.run(['bsdtar', '--format', 'zip', '--options', 'zip:encryption=zipcrypt', '--passphrase', 'pw',"
     " '-cf', p, '-C', s, 'plan.txt'], check=True)\n",
     true, "plan.txt 100 bytes\n"},
    {"ISO 9660 image", "disc.iso",
     "s = src({'setup.exe': b's' * 4096, 'docs/manual.txt': b'm' * 20})\n"
     "subprocess.run(['genisoimage', '-quiet', '-R', '-o', p, s], check=True)\n",
     true, "setup.exe 4 Kb\ndocs/\n  manual.txt 20 bytes\n"},
    {"damaged zip: a plain file", "broken.zip", "open(p, 'wb').write(b'PK\\x03\\x04' + b'\\xff' * 200)\n", true,
     nullptr},
    {"cut-off tar.gz: a plain file", "cut.tar.gz",
     "b = io.BytesIO(); t = tarfile.open(fileobj=b, mode='w:gz')\n"
     "for k in range(50):\n"
     "    i = tarfile.TarInfo('f%d.bin' % k); data = os.urandom(4000); i.size = len(data); t.addfile(i, "
     "io.BytesIO(data))\n"
     "t.close(); open(p, 'wb').write(b.getvalue()[:len(b.getvalue()) // 2])\n",
     true, nullptr},
    {"gzip of a text, no tar in it: a plain file", "notes.txt.gz",
     "open(p, 'wb').write(gzip.compress(b'just text\\n' * 100))\n", true, nullptr},
    {"named like a zip, holds text: a plain file", "fake.zip", "open(p, 'wb').write(b'hello')\n", true, nullptr},
    {"archives not asked for: a plain file", "pack.zip", "zipfile.ZipFile(p, 'w').writestr('a.txt', 'a')\n", false,
     nullptr},
};

TEST(ArchiveContents, EachArchiveBecomesAFolderOrStaysAFile)
{
    for (const Case &c : kCases) {
        SCOPED_TRACE(c.what);
        test::TempDir tmp;
        const std::string disk = tmp.file("disk");
        test::MakeDirs(disk);
        MakeWithPython(disk + "/" + c.file, c.script);
        test::WriteBytes(disk + "/readme.txt", "plain");

        ScanControl control;
        ScanOptions options;
        options.archives = c.archives;
        const auto root = ScanDisk(disk, "Disk", "", &control, 2, options);

        // The archive's own file entry stays, whatever it held.
        int archiveEntries = 0;
        for (int i = 0; i < root->disk().Files.count(); ++i)
            archiveEntries += root->disk().Files.text(i, FT_NAME) == c.file ? 1 : 0;
        EXPECT_EQ(archiveEntries, 1);
        const TreeNode *folder = ChildNamed(*root, c.file);
        if (!c.expected) {
            EXPECT_EQ(folder, nullptr);
            EXPECT_EQ(root->childCount(), 0);
            continue;
        }
        ASSERT_NE(folder, nullptr);
        EXPECT_TRUE(IsArchiveFolder(*folder));
        std::string shown;
        Render(*folder, shown);
        // The size of a zip made on the fly is not fixed: "1xx" stands for
        // any size text.
        std::string expected = c.expected;
        if (const std::size_t x = expected.find("1xx"); x != std::string::npos) {
            const std::size_t at = shown.find("inner.zip ");
            ASSERT_NE(at, std::string::npos) << shown;
            const std::size_t end = shown.find('\n', at);
            expected.replace(x, 3, shown.substr(at + 10, end - at - 10));
        }
        EXPECT_EQ(shown, expected);
        // The progress window was shown the archive being read.
        EXPECT_EQ(control.progress().folder, c.file);
    }
}

TEST(ArchiveContents, DatesAreThoseTheArchiveHolds)
{
    test::TempDir tmp;
    const std::string disk = tmp.file("disk");
    test::MakeDirs(disk);
    MakeWithPython(disk + "/old.tar",
                   "t = tarfile.open(p, 'w')\n"
                   "i = tarfile.TarInfo('x.txt'); i.size = 0; i.mtime = 946728000; t.addfile(i)\n");
    ScanOptions options;
    options.archives = true;
    const auto root = ScanDisk(disk, "Disk", "", nullptr, 2, options);
    const TreeNode *folder = ChildNamed(*root, "old.tar");
    ASSERT_NE(folder, nullptr);
    ASSERT_EQ(folder->disk().Files.count(), 1);
    EXPECT_EQ(folder->disk().Files.text(0, FT_DATE), platform::DateText(946728000));
    EXPECT_EQ(folder->disk().Files.text(0, FT_SIZE), "0 bytes");
}

// An archive folder sits among the real sub-folders in volume order.
TEST(ArchiveContents, ArchiveFoldersTakeTheirPlaceAmongTheFolders)
{
    test::TempDir tmp;
    const std::string disk = tmp.file("disk");
    test::MakeDirs(disk + "/alpha");
    test::MakeDirs(disk + "/zulu");
    MakeWithPython(disk + "/Mike.zip", "zipfile.ZipFile(p, 'w').writestr('m.txt', 'm')\n");
    ScanOptions options;
    options.archives = true;
    const auto root = ScanDisk(disk, "Disk", "", nullptr, 2, options);
    ASSERT_EQ(root->childCount(), 3);
    std::vector<std::string> names;
    for (int i = 0; i < root->childCount(); ++i)
        names.push_back(root->child(i)->text());
    EXPECT_EQ(names, (std::vector<std::string> {"alpha", "Mike.zip", "zulu"}));
    EXPECT_FALSE(IsArchiveFolder(*root->child(0)));
    EXPECT_TRUE(IsArchiveFolder(*root->child(1)));
}

// The bounds: what was read is kept, and the folder says the list is cut
// (the walk puts the note in the folder's comment). Cancel stops inside an
// archive too.
TEST(ArchiveContents, BoundsAndCancel)
{
    test::TempDir tmp;
    test::MakeDirs(tmp.file("disk"));
    const std::string path = tmp.file("disk/many.tar.gz");
    // 200,000 empty files, their headers written straight (tarfile takes
    // long for so many).
    MakeWithPython(path, "h = bytearray(512)\n"
                         "for at, size, v in [(100, 8, 0o644), (108, 8, 0), (116, 8, 0), (124, 12, 0), (136, 12, 0)]:\n"
                         "    h[at:at + size] = b'%0*o\\0' % (size - 1, v)\n"
                         "h[156:157] = b'0'; h[257:265] = b'ustar\\x0000'\n"
                         "base = sum(h) + 8 * 32\n"
                         "with gzip.open(p, 'wb', 1) as f:\n"
                         "    out = []\n"
                         "    for k in range(200000):\n"
                         "        name = b'f%06d' % k; e = bytearray(h); e[0:7] = name\n"
                         "        e[148:156] = b'%06o\\0 ' % (base + sum(name)); out.append(bytes(e))\n"
                         "    f.write(b''.join(out)); f.write(bytes(1024))\n");
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    ASSERT_GE(fd, 0);
    struct Row {
        const char *what;
        ArchiveLimits limits;
        bool stop;
        std::optional<std::size_t> entries;
        std::string incomplete;
    };
    const Row rows[] = {
        {"200,000 entries: the first 100,000", ArchiveLimits {}, false, 100000, ARCHIVE_TOO_MANY_ENTRIES},
        {"out of time", ArchiveLimits {100000, std::chrono::milliseconds(0)}, false, 1, ARCHIVE_TOO_SLOW},
        {"cancelled", ArchiveLimits {}, true, std::nullopt, ""},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.what);
        int asked = 0;
        const auto contents = ReadArchive(fd, row.limits, [&] { return row.stop && ++asked > 10; });
        ASSERT_EQ(contents.has_value(), row.entries.has_value());
        if (!contents)
            continue;
        EXPECT_EQ(contents->entries.size(), *row.entries);
        EXPECT_EQ(contents->incomplete, row.incomplete);
    }
    ::close(fd);

    ScanOptions options;
    options.archives = true;
    const auto root = ScanDisk(tmp.file("disk"), "Disk", "", nullptr, 2, options);
    const TreeNode *folder = ChildNamed(*root, "many.tar.gz");
    ASSERT_NE(folder, nullptr);
    EXPECT_EQ(folder->disk().Files.count(), 100000);
    EXPECT_EQ(folder->disk().Comment, ARCHIVE_TOO_MANY_ENTRIES);
}

} // namespace
