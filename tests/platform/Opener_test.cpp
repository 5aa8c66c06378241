// Which program opens a file: the desktop's lists of default and added
// programs, then what the installed programs say they open.
#include "platform/Opener.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

using namespace rkm::platform;
using rkm::test::MakeDirs;
using rkm::test::TempDir;
using rkm::test::WriteBytes;

namespace {

void Put(const std::string &path, const std::string &text)
{
    MakeDirs(path.substr(0, path.rfind('/')));
    WriteBytes(path, text);
}

} // namespace

TEST(PlatformOpener, DefaultProgramOfAFileType)
{
    TempDir tmp;
    const std::string config = tmp.file("config"), home = tmp.file("home-data"), system = tmp.file("usr-share");
    for (const std::string &app : {home + "/applications/editor.desktop", system + "/applications/viewer.desktop",
                                   system + "/applications/kde/office.desktop", system + "/applications/player.desktop",
                                   system + "/applications/gnome.desktop"})
        Put(app, "[Desktop Entry]\nType=Application\n");
    Put(config + "/mimeapps.list", "[Default Applications]\n"
                                   "text/plain=gone.desktop;editor.desktop;\n"
                                   "image/png=viewer.desktop\n"
                                   "[Removed Associations]\n"
                                   "audio/mpeg=player.desktop;\n");
    Put(config + "/gnome-mimeapps.list", "[Default Applications]\nimage/png=gnome.desktop\n");
    Put(system + "/applications/mimeapps.list", "[Added Associations]\n"
                                                "application/vnd.oasis.opendocument.text=kde-office.desktop\n");
    Put(system + "/applications/mimeinfo.cache", "[MIME Cache]\n"
                                                 "audio/mpeg=player.desktop;\n"
                                                 "video/mp4=player.desktop;\n"
                                                 "application/pdf=missing.desktop;\n");
    OpenerDirs dirs{{config}, {home, system}, {}};
    struct Case {
        const char *type;
        const char *program;
    };
    const Case cases[] = {
        {"text/plain", "editor.desktop"},  // the first one installed
        {"text/x-csrc", "editor.desktop"}, // a kind of text/plain
        {"image/png", "viewer.desktop"},
        {"application/vnd.oasis.opendocument.text", "kde-office.desktop"}, // kde/office.desktop
        {"video/mp4", "player.desktop"},
        {"audio/mpeg", ""},      // the user took it away
        {"application/pdf", ""}, // named, but not installed
        {"application/x-rackmere-unknown", ""},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.type);
        EXPECT_EQ(DefaultApplication(c.type, dirs), c.program);
    }
    // The desktop's own list comes first.
    dirs.desktops = {"gnome"};
    EXPECT_EQ(DefaultApplication("image/png", dirs), "gnome.desktop");

    // A file: its type from its name.
    Put(tmp.file("notes.txt"), "hello\n");
    Put(tmp.file("paper.pdf"), "%PDF-1.4\n");
    EXPECT_EQ(DefaultApplicationForFile(tmp.file("notes.txt"), dirs), "editor.desktop");
    EXPECT_EQ(DefaultApplicationForFile(tmp.file("paper.pdf"), dirs), "");
}
