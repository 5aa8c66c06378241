// rackmere-cli export and --version, end to end.
#include "catalog/ListingFile.h"
#include "support/TestSupport.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

#include <regex>
#include <string>

using namespace rkm;
using namespace rkm::test;

namespace {

// A catalogue of two listings: "Music" (two files, one folder) and "Photos"
// (one file).
void WriteCatalogue(const std::string &dir)
{
    auto music = MakeDiskNode("Music");
    music->disk().RootPath = "/media/music";
    music->disk().Files.append(FileEntry{"song.mp3", "", "1/1/2020", "4000 Kb", ""});
    music->appendChild("Live")->disk().Files.append(FileEntry{"gig.mp3", "", "1/1/2021", "100 bytes", ""});
    WriteBytes(dir + "10.rkm", WriteListing(*music, 0));
    auto photos = MakeDiskNode("Photos");
    photos->disk().RootPath = "/media/photos";
    photos->disk().Files.append(FileEntry{"cat.jpg", "our cat", "2/2/2022", "900 Kb", "Pets"});
    WriteBytes(dir + "20.rkm", WriteListing(*photos, 0));
}

// The listing names of a JSON export.
std::vector<std::string> ListingNames(const std::string &json)
{
    std::vector<std::string> names;
    for (const QJsonValue l : QJsonDocument::fromJson(QByteArray::fromStdString(json)).object()["listings"].toArray())
        names.push_back(l.toObject()["name"].toString().toStdString());
    return names;
}

} // namespace

TEST(CliExport, WhatIsWrittenWhere)
{
    struct Case {
        std::vector<std::string> args; // after "export"; OUT stands for the output file
        std::string file;              // the output file's name
        int status;
        std::string written;               // "" nothing written; else the start of the output
        std::vector<std::string> listings; // for JSON: the listings in it
    };
    const std::vector<Case> cases = {
        {{"--format", "json", "-o", "OUT"}, "all.json", 0, "{\"format\"", {"Music", "Photos"}},
        {{"Photos", "-o", "OUT"}, "photos.json", 0, "{\"format\"", {"Photos"}},
        {{"20.rkm", "Music", "Photos", "--output", "OUT"}, "two.JSON", 0, "{\"format\"", {"Photos", "Music"}},
        {{"Music", "-o", "OUT"}, "music.csv", 0, "\xEF\xBB\xBFlisting,path,", {}},
        {{"Music", "--format=html", "-o", "OUT"}, "music.txt", 0, "<!DOCTYPE html>", {}},
        {{"Nothing", "-o", "OUT"}, "none.csv", 1, "", {}},
        {{"-o", "OUT"}, "unknown.txt", 2, "", {}},
        {{"--format", "xml", "-o", "OUT"}, "x.xml", 2, "", {}},
        {{"Music"}, "", 2, "", {}},
    };
    TempDir prog, out;
    WriteCatalogue(prog.path());
    for (const Case &c : cases) {
        std::vector<std::string> args = {"--dir", prog.path(), "export"};
        for (const std::string &a : c.args)
            args.push_back(a == "OUT" ? out.file(c.file) : a);
        const CliResult r = RunCli(args);
        SCOPED_TRACE(c.file + " " + r.err);
        EXPECT_EQ(r.status, c.status);
        EXPECT_TRUE(r.out.empty());
        if (c.status != 0) {
            EXPECT_FALSE(r.err.empty());
        }
        const bool exists = !c.file.empty() && QFile::exists(QString::fromStdString(out.file(c.file)));
        EXPECT_EQ(exists, !c.written.empty());
        if (!exists)
            continue;
        const std::string text = ReadBytes(out.file(c.file));
        EXPECT_EQ(text.substr(0, c.written.size()), c.written);
        if (!c.listings.empty()) {
            EXPECT_EQ(ListingNames(text), c.listings);
        }
    }
}

TEST(CliExport, ToStandardOutput)
{
    TempDir prog;
    WriteCatalogue(prog.path());
    const CliResult r = RunCli({"--dir", prog.path(), "export", "--format", "csv", "-o", "-"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out.substr(0, 3), "\xEF\xBB\xBF");
    // A header, three files and three folders (two roots and Live).
    EXPECT_EQ(std::count(r.out.begin(), r.out.end(), '\n'), 1 + 3 + 3);
    EXPECT_NE(r.out.find("Music,/media/music/Live/gig.mp3,gig.mp3,file,100,100 bytes,1/1/2021,,,,,\r\n"),
              std::string::npos)
        << r.out;
}

namespace {

// The version in the project's CMakeLists.txt, read here on its own rather
// than through the header the programs print.
std::string ProjectVersion()
{
    const std::string cmake = ReadBytes(std::string(RACKMERE_SOURCE_DIR) + "/CMakeLists.txt");
    std::smatch m;
    if (!std::regex_search(cmake, m, std::regex(R"(project\(\s*Rackmere\s+VERSION\s+([0-9]+(\.[0-9]+)*))")))
        return {};
    return m[1];
}

} // namespace

TEST(CliExport, VersionIsTheProjects)
{
    const std::string version = ProjectVersion();
    ASSERT_FALSE(version.empty()) << "no project(Rackmere VERSION ...) in CMakeLists.txt";
    const CliResult r = RunCli({"--version"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "rackmere-cli " + version + "\n");
    // The help lists the new command.
    EXPECT_NE(RunCli({"--help"}).out.find("  export "), std::string::npos);

#ifdef RACKMERE_PROGRAM
    // The desktop program answers both without a display.
    const RunOptions noDisplay{{}, {{"DISPLAY", ""}, {"WAYLAND_DISPLAY", ""}, {"QT_QPA_PLATFORM", ""}}};
    const CliResult shown = RunProgram(RACKMERE_PROGRAM, {"--version"}, noDisplay);
    EXPECT_EQ(shown.status, 0);
    EXPECT_EQ(shown.out, "rackmere " + version + "\n");
    const CliResult help = RunProgram(RACKMERE_PROGRAM, {"--help"}, noDisplay);
    EXPECT_EQ(help.status, 0);
    EXPECT_EQ(help.out.rfind("Usage: rackmere ", 0), 0u) << help.out;
#endif
}
