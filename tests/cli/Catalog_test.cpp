// rackmere-cli list, show and add, end to end on temporary program folders.
#include "catalog/ListingStore.h"
#include "catalog/CatalogStore.h"
#include "catalog/ListingFile.h"
#include "platform/SystemView.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

#include <functional>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace rkm;
using namespace rkm::test;

namespace {

void touch(const std::string &path, off_t size)
{
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(::ftruncate(fd, size), 0);
    ::close(fd);
}

QJsonDocument parse(const std::string &text)
{
    QJsonParseError e{};
    QJsonDocument d = QJsonDocument::fromJson(QByteArray::fromStdString(text), &e);
    EXPECT_EQ(e.error, QJsonParseError::NoError) << text;
    return d;
}

// The files in the folder beside the store of the listings' extras.
int fileCount(const std::string &dir)
{
    const QStringList files = QDir(QString::fromStdString(dir)).entryList(QDir::Files | QDir::Hidden);
    return static_cast<int>(files.size() - files.count(QLatin1String(ListingStore::FILE_NAME)));
}

} // namespace

TEST(CliCatalog, AddThenListAndShow)
{
    TempDir data, prog;
    MakeDirs(data.file("Docs/Old"));
    touch(data.file("readme.txt"), 10);
    touch(data.file("Docs/a.pdf"), 5000);
    touch(data.file("Docs/Old/b.pdf"), 0);

    CliResult add = RunCli({"--dir", prog.path(), "add", data.path(), "--name", "Backup", "--comment", "first"});
    ASSERT_EQ(add.status, 0) << add.err;
    const std::string file = add.out.substr(0, add.out.find('\n'));
    EXPECT_TRUE(QFile::exists(QString::fromStdString(prog.file(file)))) << file;
    EXPECT_EQ(fileCount(prog.path()), 1);

    CliResult list = RunCli({"--dir", prog.path(), "list"});
    ASSERT_EQ(list.status, 0) << list.err;
    std::string root = data.path();
    root.pop_back();
    EXPECT_EQ(list.out, file + "\t00000000\tBackup\t" + root + "\t" +
                            std::to_string(platform::System().driveType(root)) + "\t2\t3\n");

    CliResult json = RunCli({"--dir", prog.path(), "list", "--json"});
    ASSERT_EQ(json.status, 0);
    const QJsonArray arr = parse(json.out).array();
    ASSERT_EQ(arr.size(), 1);
    const QJsonObject o = arr[0].toObject();
    EXPECT_EQ(o["file"].toString().toStdString(), file);
    EXPECT_EQ(o["serial"].toInt(-1), 0);
    EXPECT_EQ(o["name"].toString(), QStringLiteral("Backup"));
    EXPECT_EQ(o["rootPath"].toString().toStdString(), root);
    EXPECT_EQ(o["comment"].toString(), QStringLiteral("first"));
    EXPECT_EQ(o["folders"].toInt(), 2);
    EXPECT_EQ(o["files"].toInt(), 3);

    // By file name and by disk name alike.
    for (const std::string &which : {file, std::string("Backup")}) {
        CliResult show = RunCli({"--dir", prog.path(), "show", which, "--json"});
        ASSERT_EQ(show.status, 0) << show.err;
        const QJsonObject s = parse(show.out).object();
        EXPECT_EQ(s["name"].toString(), QStringLiteral("Backup"));
        const QJsonArray files = s["files"].toArray();
        ASSERT_EQ(files.size(), 1);
        EXPECT_EQ(files[0].toArray().size(), 5);
        EXPECT_EQ(files[0].toArray()[0].toString(), QStringLiteral("readme.txt"));
        EXPECT_EQ(files[0].toArray()[3].toString(), QStringLiteral("10 bytes"));
        const QJsonArray folders = s["folders"].toArray();
        ASSERT_EQ(folders.size(), 1);
        const QJsonObject docs = folders[0].toObject();
        EXPECT_EQ(docs["name"].toString(), QStringLiteral("Docs"));
        EXPECT_EQ(docs["files"].toArray()[0].toArray()[3].toString(), QStringLiteral("4 Kb"));
        EXPECT_EQ(docs["folders"].toArray()[0].toObject()["name"].toString(), QStringLiteral("Old"));
    }
    CliResult text = RunCli({"--dir", prog.path(), "show", "Backup"});
    EXPECT_NE(text.out.find("Old/"), std::string::npos) << text.out;
    EXPECT_EQ(RunCli({"--dir", prog.path(), "show", "Nope"}).status, 1);
}

TEST(CliCatalog, AddRefusesBadInputAndWritesNothing)
{
    TempDir data, prog;
    touch(data.file("plain.txt"), 1);
    struct Case {
        std::vector<std::string> args;
        const char *why;
    } cases[] = {
        {{"add", data.path(), "--name", ""}, "empty name"},
        {{"add", data.path()}, "no name"},
        {{"add", data.file("missing"), "--name", "X"}, "missing folder"},
        {{"add", data.file("plain.txt"), "--name", "X"}, "a file"},
        {{"add", "--name", "X"}, "no folder"},
        {{"add", data.path(), "--name", "X", "--threads", "0"}, "no threads"},
        {{"add", data.path(), "--name", "X", "--threads", "257"}, "too many threads"},
        {{"add", data.path(), "--name", "X", "--threads", "4x"}, "threads not a number"},
    };
    for (const Case &c : cases) {
        std::vector<std::string> args = {"--dir", prog.path()};
        args.insert(args.end(), c.args.begin(), c.args.end());
        CliResult r = RunCli(args);
        EXPECT_EQ(r.status, 2) << c.why;
        EXPECT_FALSE(r.err.empty()) << c.why;
        EXPECT_EQ(fileCount(prog.path()), 0) << c.why;
    }
}

// A DATA.CAT that cannot be read no longer stops every command: the
// catalogue loads without categories, and the message says why.
TEST(CliCatalog, BadCategoryFileLeavesTheCategoriesEmpty)
{
    const struct {
        const char *what;
        std::function<void(const std::string &)> make;
        const char *reason;
    } cases[] = {
        {"a FIFO", [](const std::string &p) { ASSERT_EQ(::mkfifo(p.c_str(), 0600), 0); }, "not a regular file"},
        {"a link to /dev/zero", [](const std::string &p) { ASSERT_EQ(::symlink("/dev/zero", p.c_str()), 0); },
         "not a regular file"},
        {"a folder", [](const std::string &p) { MakeDirs(p); }, "Is a directory"},
        {"5 MB", [](const std::string &p) { WriteBytes(p, std::string(5 << 20, 'c')); }, "larger than 4 MB"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        TempDir prog;
        WriteDisk(prog.path(), "1.rkm", *MakeDisk("Good", 2));
        c.make(prog.file("DATA.CAT"));
        const CliResult r = RunCli({"--dir", prog.path(), "list"});
        EXPECT_NE(r.out.find("Good"), std::string::npos) << r.out;
        EXPECT_EQ(r.err.rfind("Cannot read the category file " + prog.file("DATA.CAT"), 0), 0u) << r.err;
        EXPECT_NE(r.err.find(c.reason), std::string::npos) << r.err;
        EXPECT_NE(r.err.find("the categories are left empty"), std::string::npos) << r.err;
    }
}

TEST(CliCatalog, LoadErrorsAreReportedAndTheRestListed)
{
    TempDir prog;
    auto disk = MakeDiskNode("Good");
    disk->disk().RootPath = "C:\\Data";
    disk->disk().DriveType = 3;
    WriteBytes(prog.file("1.rkm"), WriteListing(*disk, 0x00ABCDEF));
    const std::string whole = WriteListing(*disk, 1);
    WriteBytes(prog.file("2.rkm"), whole.substr(0, whole.size() - 1));
    auto win = MakeDiskNode("Caf\xe9");  // a listing made on Windows
    win->disk().RootPath = "E:\\";
    WriteBytes(prog.file("3.rkm"), WriteListing(*win, 7));

    CliResult r = RunCli({"--dir", prog.path(), "list"});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "Error loading file: 2.rkm (at byte " + std::to_string(whole.size() - 4) +
                         ": the file ends inside a number)\n");
    EXPECT_NE(r.out.find("1.rkm\t00ABCDEF\tGood\tC:\\Data\t3\t0\t0\n"), std::string::npos) << r.out;

    CliResult j = RunCli({"--dir", prog.path(), "list", "--json"});
    EXPECT_EQ(j.status, 1);
    const QJsonArray arr = parse(j.out).array();
    ASSERT_EQ(arr.size(), 2);
    QStringList names;
    for (const auto &v : arr)
        names << v.toObject()["name"].toString();
    EXPECT_TRUE(names.contains(QStringLiteral("Caf\u00e9"))) << names.join(',').toStdString();
}

TEST(CliCatalog, ListIsInTheNaturalOrderOfTheDiskNames)
{
    TempDir prog;
    // File names in another order than the disk names.
    const std::pair<const char *, const char *> listings[] = {
        {"1.rkm", "Disk 10"}, {"2.rkm", "disk 9"}, {"3.rkm", "CD 1"}, {"4.rkm", "Disk 2"}, {"5.rkm", "\xc9t\xe9"}};
    for (const auto &[file, name] : listings) {
        auto disk = MakeDiskNode(name);
        disk->disk().RootPath = "/media/x";
        WriteBytes(prog.file(file), WriteListing(*disk, 0));
    }
    CliResult r = RunCli({"--dir", prog.path(), "list"});
    ASSERT_EQ(r.status, 0) << r.err;
    std::vector<std::string> files;
    for (std::size_t at = 0; at < r.out.size(); at = r.out.find('\n', at) + 1)
        files.push_back(r.out.substr(at, r.out.find('\t', at) - at));
    EXPECT_EQ(files, (std::vector<std::string>{"3.rkm", "4.rkm", "2.rkm", "1.rkm", "5.rkm"})) << r.out;
}

TEST(CliCatalog, ProgramFolderFromTheEnvironmentAndHelp)
{
    TempDir data, prog;
    const RunOptions env{.env = {{"RACKMERE_DIR", prog.path()}}};
    CliResult add = RunCli({"add", data.path(), "--name", "Env"}, env);
    ASSERT_EQ(add.status, 0) << add.err;
    EXPECT_EQ(fileCount(prog.path()), 1);
    EXPECT_NE(RunCli({"list"}, env).out.find("\tEnv\t"), std::string::npos);

    for (const char *cmd : {"list", "show", "add"}) {
        CliResult h = RunCli({cmd, "--help"});
        EXPECT_EQ(h.status, 0) << cmd;
        EXPECT_NE(h.out.find("Usage: rackmere-cli"), std::string::npos) << cmd;
    }
    CliResult h = RunCli({"--help"});
    EXPECT_EQ(h.status, 0);
    EXPECT_NE(h.out.find("list"), std::string::npos);
    EXPECT_EQ(RunCli({"frobnicate"}).status, 2);
    EXPECT_EQ(RunCli({"list", "--bogus"}).status, 2);
}
