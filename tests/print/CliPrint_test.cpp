// rackmere-cli print, end to end: a catalogued folder printed to PDF and to
// the preview image.
#include "print/PrintSettings.h"
#include "service/Settings.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>

using namespace rkm;
using rkm::test::MakeDirs;
using rkm::test::ReadBytes;
using rkm::test::TempDir;
using rkm::test::WriteBytes;

namespace {

struct Outcome {
    int status = -1;
    QString out, err;
};

Outcome Exec(const QString &program, const QStringList &args, const QProcessEnvironment &env)
{
    QProcess p;
    p.setProcessEnvironment(env);
    p.start(program, args);
    p.waitForFinished(60000);
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, QString::fromUtf8(p.readAllStandardOutput()),
            QString::fromUtf8(p.readAllStandardError())};
}

uint32_t BigEndian(const std::string &b, std::size_t at)
{
    return uint32_t(uint8_t(b[at])) << 24 | uint32_t(uint8_t(b[at + 1])) << 16 | uint32_t(uint8_t(b[at + 2])) << 8 |
           uint32_t(uint8_t(b[at + 3]));
}

class CliPrint : public ::testing::Test {
protected:
    void SetUp() override
    {
        env = QProcessEnvironment::systemEnvironment();
        env.insert("XDG_CONFIG_HOME", QString::fromStdString(dir.file("config")));
        env.remove("RACKMERE_DIR");
        qputenv("XDG_CONFIG_HOME", dir.file("config").c_str());
        MakeDirs(dir.file("disk/Games/Setup"));
        MakeDirs(dir.file("cat"));
        WriteBytes(dir.file("disk/readme.txt"), "r");
        WriteBytes(dir.file("disk/Games/doom.zip"), "d");
        WriteBytes(dir.file("disk/Games/Setup/INSTALL.EXE"), "i");
        if (cli({"print", "--help"}).status != 0)
            GTEST_SKIP() << "rackmere-cli was built without the desktop code and has no print command";
        const Outcome add = cli({"add", QString::fromStdString(dir.file("disk")), "--name", "Backup 3"});
        ASSERT_EQ(add.status, 0) << add.err.toStdString();
    }
    Outcome cli(QStringList args)
    {
        args.prepend(QString::fromStdString(dir.file("cat")));
        args.prepend("--dir");
        return Exec(RACKMERE_CLI, args, env);
    }
    std::string pdfText(const std::string &pdf)
    {
        const Outcome r = Exec("pdftotext", {QString::fromStdString(pdf), "-"}, env);
        EXPECT_EQ(r.status, 0);
        return r.out.toStdString();
    }
    TempDir dir;
    QProcessEnvironment env;
};

} // namespace

TEST_F(CliPrint, PreviewPngIsThePreviewImage)
{
    const Outcome r = cli({"print", "Backup 3", "--preview-png", QString::fromStdString(dir.file("p.png")), "--layout",
                       "back", "--frame"});
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_EQ(r.err, "");
    const std::string png = ReadBytes(dir.file("p.png"));
    ASSERT_GT(png.size(), 24u);
    EXPECT_EQ(png.substr(0, 8), std::string("\x89PNG\r\n\x1a\n", 8));
    EXPECT_EQ(png.substr(12, 4), "IHDR");
    EXPECT_EQ(BigEndian(png, 16), 540u);
    EXPECT_EQ(BigEndian(png, 20), 470u);
}

TEST_F(CliPrint, PdfPageAt600DpiWithTitleAndLines)
{
    if (QStandardPaths::findExecutable("pdftotext").isEmpty() || QStandardPaths::findExecutable("pdfinfo").isEmpty())
        GTEST_SKIP() << "poppler-utils missing";
    const std::string pdf = dir.file("p.pdf");
    const Outcome r = cli({"print", "Backup 3", "--pdf", QString::fromStdString(pdf), "--layout", "cover"});
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_EQ(ReadBytes(pdf).substr(0, 5), "%PDF-");
    const Outcome info = Exec("pdfinfo", {QString::fromStdString(pdf)}, env);
    EXPECT_TRUE(info.out.contains(QRegularExpression("Pages:\\s+1\\n"))) << info.out.toStdString();
    EXPECT_TRUE(info.out.contains(QRegularExpression("Title:\\s+Rackmere - Backup 3\\n"))) << info.out.toStdString();
    const std::string text = pdfText(pdf);
    for (const char *line : {"Backup 3", "Games", "Setup", "readme.txt", "doom.zip", "INSTALL.EXE"})
        EXPECT_NE(text.find(line), std::string::npos) << line << " in\n" << text;
}

TEST_F(CliPrint, StoredDefaultsAndFilterFilesAreUsed)
{
    if (QStandardPaths::findExecutable("pdftotext").isEmpty())
        GTEST_SKIP() << "poppler-utils missing";
    // Files: only names containing ".zip" (from the filter file); folders: none.
    SetSettingInt("PrFSpec", 1);
    SetSettingInt("PrFFilter", 1);
    SetSettingInt("PrFoNo", 1);
    SetSettingString("PrFCheckList", "01");
    WriteBytes(dir.file("cat/FILES.FLT"), ".EXE\n.ZIP\n");
    const std::string pdf = dir.file("f.pdf");
    const Outcome r = cli({"print", "Backup 3", "--pdf", QString::fromStdString(pdf)});
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    const std::string text = pdfText(pdf);
    EXPECT_NE(text.find("doom.zip"), std::string::npos) << text;
    for (const char *absent : {"Games", "Setup", "readme.txt", "INSTALL.EXE"})
        EXPECT_EQ(text.find(absent), std::string::npos) << absent << " in\n" << text;
}

TEST_F(CliPrint, OverflowingCoverRunsOnWithoutAQuestion)
{
    for (int i = 0; i < 4000; ++i)
        WriteBytes(dir.file("disk/Games/file-with-a-long-name-" + std::to_string(i) + ".txt"), "x");
    ASSERT_EQ(cli({"add", QString::fromStdString(dir.file("disk")), "--name", "Big"}).status, 0);
    const Outcome r = cli({"print", "Big", "--pdf", QString::fromStdString(dir.file("big.pdf")), "--layout", "cover"});
    EXPECT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_EQ(ReadBytes(dir.file("big.pdf")).substr(0, 5), "%PDF-");
}

TEST_F(CliPrint, RefusedArguments)
{
    const QString out = QString::fromStdString(dir.file("x.pdf"));
    struct Case {
        QStringList args;
        int status;
    };
    const std::vector<Case> cases = {
        {{"print", "Backup 3"}, 2},
        {{"print", "Backup 3", "--pdf", out, "--preview-png", out}, 2},
        {{"print", "Backup 3", "--pdf", out, "--layout", "poster"}, 2},
        {{"print", "Backup 3", "--pdf", out, "--frame", "--no-frame"}, 2},
        {{"print", "--pdf", out}, 2},
        {{"print", "No such disk", "--pdf", out}, 1},
        {{"print", "Backup 3", "--pdf", QString::fromStdString(dir.file("no/such/folder/x.pdf"))}, 1},
    };
    for (const Case &c : cases) {
        const Outcome r = cli(c.args);
        EXPECT_EQ(r.status, c.status) << c.args.join(' ').toStdString() << "\n" << r.err.toStdString();
        EXPECT_TRUE(r.err.startsWith("rackmere-cli print: ")) << r.err.toStdString();
    }
}
