// duplicates --contents, have, picture and export --pictures over listings
// whose fingerprints and pictures are kept in the store.
#include "catalog/CatalogStore.h"
#include "catalog/Contents.h"
#include "scan/Scanner.h"
#include "search/Finder.h"
#include "support/TestSupport.h"

#include <QByteArray>

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <fcntl.h>
#include <unistd.h>

using namespace rkm;

namespace {

// An 8 x 6 red JPEG.
const std::string kJpeg = QByteArray::fromHex(
                              "ffd8ffe000104a46494600010200000100010000fffe00104c61766335392e33372e31303000ffdb00430008"
                              "14141714171b1b1b1b1b1b201e20212121202020202121212424242a2a2a2424242121242428282a2a2e2f2e"
                              "2b2b2a2b2f2f3232323c3c3939464648565667ffc4004c000101000000000000000000000000000000060101"
                              "0100000000000000000000000000000607100100000000000000000000000000000000110100000000000000"
                              "000000000000000000ffc00011080006000803012200021100031100ffda000c03010002110311003f008b00"
                              "517f7fffd9")
                              .toStdString();

class CliCopies : public test::FourFileDiskTest {
protected:
    // Catalogues `folder` as `name` with the fingerprint of every file read
    // from the files themselves, and a picture for the paths in `pictures`.
    void AddWithContents(const std::string &folder, const std::string &name,
                         const std::vector<std::string> &pictures = {})
    {
        std::unique_ptr<TreeNode> disk = ScanDisk(folder, name, "");
        ContentRecords records;
        for (const TreeNode *n = disk.get(); n; n = NextInDisk(disk.get(), n))
            for (int i = 0; i < n->disk().Files.count(); ++i) {
                ContentRecord r;
                r.path = ContentPath(*n, i);
                const int fd = ::open((folder + "/" + r.path).c_str(), O_RDONLY | O_CLOEXEC);
                ASSERT_GE(fd, 0) << r.path;
                int error = 0;
                r.fingerprint = FingerprintOfFile(fd, error);
                r.size = static_cast<uint64_t>(::lseek(fd, 0, SEEK_END));
                ::close(fd);
                if (std::find(pictures.begin(), pictures.end(), r.path) != pictures.end())
                    r.picture = kJpeg;
                records.push_back(std::move(r));
            }
        CatalogStore store(programDir);
        store.AddListing(std::move(disk), {}, {}, std::make_shared<MemoryContents>(records));
    }
};

} // namespace

TEST_F(CliCopies, DuplicatesByContentsWhateverTheNames)
{
    const std::string a = test::ReadBytes(src + "/a.txt");
    test::WriteBytes(src + "/renamed.dat", a);
    const std::string other = tmp.path() + "other";
    test::WriteBytes(other + "/deep/copy.bin", a);
    test::WriteBytes(other + "/b.txt", "B.TXT"); // the size and name of One's b.txt, not its bytes
    AddWithContents(src, "One");
    AddWithContents(other, "Two");
    struct Case {
        std::vector<std::string> args;
        int status;
        std::vector<std::string> wanted; // in the output, in this order
    };
    const std::vector<Case> cases = {
        {{"--contents", "--min-size", "0"},
         0,
         {"a.txt, 5 bytes, 3 copies (10 bytes wasted)\n  One/a.txt\n  One/renamed.dat\n  Two/deep/copy.bin\n",
          "1 group, 3 files"}},
        {{"--contents", "--min-size", "0", "--listing", "One", "--json"},
         0,
         {"\"bytes\": 5, \"copies\": 2, \"wasted\": 5", "\"file\": \"a.txt\"", "\"file\": \"renamed.dat\""}},
        {{"--contents", "--min-size", "6"}, 1, {}},
        // By name and size, b.txt of One and of Two are a group; by contents they differ.
        {{"--min-size", "0"}, 0, {"b.txt, 5 bytes, 2 copies"}},
    };
    for (const Case &c : cases) {
        std::vector<std::string> args{"duplicates"};
        args.insert(args.end(), c.args.begin(), c.args.end());
        const test::CliResult r = Cli(args);
        EXPECT_EQ(r.status, c.status) << r.err << r.out;
        std::size_t at = 0;
        for (const std::string &w : c.wanted) {
            const std::size_t found = r.out.find(w, at);
            EXPECT_NE(found, std::string::npos) << w << " in\n" << r.out;
            at = found == std::string::npos ? at : found + w.size();
        }
        if (c.status == 1) {
            EXPECT_NE(r.err.find("No duplicates were found"), std::string::npos) << r.err;
        }
    }
}

TEST_F(CliCopies, HaveTellsWhereEachFileIsHeld)
{
    AddWithContents(src, "Backup");
    const std::string local = tmp.path() + "local/";
    test::WriteBytes(local + "held.txt", test::ReadBytes(src + "/sub/d.txt"));
    test::WriteBytes(local + "altered.txt", "sub/e.txt"); // one byte off d.txt's, the same size
    test::WriteBytes(local + "folder/new.txt", "never catalogued");
    test::WriteBytes(local + "folder/inner/a-again.txt", test::ReadBytes(src + "/a.txt"));
    ASSERT_EQ(::symlink((src + "/b.txt").c_str(), (local + "folder/link.txt").c_str()), 0);
    ASSERT_EQ(::mkfifo((local + "fifo").c_str(), 0600), 0);
    struct Case {
        std::vector<std::string> paths;
        int status;
        std::string out;
        std::string err = {}; // what stderr says of a file that could not be read
    };
    const std::vector<Case> cases = {
        {{"held.txt"}, 0, "held.txt: held in Backup: sub/d.txt\n"},
        {{"altered.txt"}, 1, "altered.txt: not archived\n"},
        {{"held.txt", "altered.txt"}, 1, "held.txt: held in Backup: sub/d.txt\naltered.txt: not archived\n"},
        // A folder: every file below it in name order, the link left out.
        {{"folder"}, 1, "folder/inner/a-again.txt: held in Backup: a.txt\nfolder/new.txt: not archived\n"},
        {{"missing.txt"}, 1, "missing.txt: not archived\n", "No such file or directory"},
        {{"fifo"}, 1, "fifo: not archived\n", "fifo: not a regular file (a FIFO, socket or device)"},
    };
    for (const Case &c : cases) {
        std::vector<std::string> args{"have"};
        for (const std::string &p : c.paths)
            args.push_back(local + p);
        const test::CliResult r = test::RunCli(args, {.programDir = programDir});
        EXPECT_EQ(r.status, c.status) << r.err;
        std::string out = r.out;
        for (std::size_t at; (at = out.find(local)) != std::string::npos;)
            out.erase(at, local.size());
        EXPECT_EQ(out, c.out);
        if (c.err.empty())
            EXPECT_EQ(r.err, "");
        else
            EXPECT_NE(r.err.find(c.err), std::string::npos) << r.err;
    }
    const test::CliResult json = Cli({"have", local + "held.txt", local + "altered.txt", "--json"});
    EXPECT_EQ(json.status, 1);
    EXPECT_NE(json.out.find("\"held\": [{\"listing\": \"Backup\", \"file\": \""), std::string::npos) << json.out;
    EXPECT_NE(json.out.find("\"path\": \"sub/d.txt\"}]}"), std::string::npos) << json.out;
    EXPECT_NE(json.out.find("altered.txt\", \"held\": []}"), std::string::npos) << json.out;
    EXPECT_EQ(Cli({"have"}).status, 2);

    // A store that cannot be read is told of, not taken for one that holds nothing.
    test::WriteBytes(programDir + "Rackmere.db", std::string(4096, 'x'));
    for (const std::vector<std::string> &args :
         {std::vector<std::string>{"have", local + "held.txt"}, {"duplicates", "--contents", "--min-size", "0"}}) {
        const test::CliResult r = Cli(args);
        EXPECT_EQ(r.status, 1) << args[0];
        EXPECT_NE(r.err.find("the store beside the listings could not be read: "), std::string::npos) << r.err;
    }
}

TEST_F(CliCopies, PictureAndExportWithPictures)
{
    AddWithContents(src, "Photos", {"sub/d.txt"});
    const std::string png = tmp.file("d.png"), jpg = tmp.file("d.jpg");
    struct Case {
        std::vector<std::string> args;
        int status;
        std::string file;  // written, starting with `start`
        std::string start;
    };
    const std::vector<Case> cases = {
        {{"Photos", "sub/d.txt", "-o", png}, 0, png, "\x89PNG\r\n"},
        {{"Photos", "Photos/sub/d.txt", "-o", jpg}, 0, jpg, kJpeg}, // as find prints it; kept as it is
        {{"Photos", "a.txt", "-o", png + "2"}, 1, "", ""},
        {{"Nowhere", "sub/d.txt", "-o", png + "3"}, 2, "", ""},
        {{"Photos", "sub/d.txt"}, 2, "", ""},
    };
    for (const Case &c : cases) {
        std::vector<std::string> args{"picture"};
        args.insert(args.end(), c.args.begin(), c.args.end());
        const test::CliResult r = Cli(args);
        EXPECT_EQ(r.status, c.status) << r.err;
        if (!c.file.empty()) {
            EXPECT_EQ(test::ReadBytes(c.file).substr(0, c.start.size()), c.start);
        }
    }
    EXPECT_FALSE(std::filesystem::exists(png + "2"));
    EXPECT_EQ(Cli({"picture", "Photos", "sub/d.txt", "-o", "-"}).out.substr(0, 4), "\x89PNG");

    const std::string img = "<img class=\"pic\" loading=\"lazy\" alt=\"\" src=\"data:image/jpeg;base64," +
                            QByteArray::fromStdString(kJpeg).toBase64().toStdString() + "\">d.txt<";
    test::CliResult r = Cli({"export", "Photos", "--pictures", "-o", tmp.file("with.html")});
    EXPECT_EQ(r.status, 0) << r.err;
    const std::string with = test::ReadBytes(tmp.file("with.html"));
    EXPECT_NE(with.find(img), std::string::npos);
    EXPECT_EQ(with.find("<img"), with.find(img)) << "one picture only";
    EXPECT_NE(with.find("img-src data:"), std::string::npos);
    r = Cli({"export", "Photos", "-o", tmp.file("without.html")});
    EXPECT_EQ(r.status, 0) << r.err;
    const std::string without = test::ReadBytes(tmp.file("without.html"));
    EXPECT_EQ(without.find("<img"), std::string::npos);
    EXPECT_EQ(without.find("img-src"), std::string::npos);
    EXPECT_EQ(Cli({"export", "Photos", "--pictures", "-o", tmp.file("x.csv")}).status, 2);
}
