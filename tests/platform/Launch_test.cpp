#include "platform/Launch.h"

#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

using namespace rkm;
using namespace rkm::platform;
using namespace rkm::test;

// A crafted listing can name any path; Launch opens only what lies below the
// listing's root as it stands, and tells programs and launchers apart.
TEST(Launch, OnlyFilesBelowTheRootAndProgramsAskFirst)
{
    TempDir tmp;
    const std::string root = tmp.file("disk");
    MakeDirs(root + "/docs");
    MakeDirs(tmp.file("elsewhere"));
    WriteBytes(root + "/docs/a.txt", "a");
    WriteBytes(root + "/tool", "#!/bin/sh\n");
    ::chmod((root + "/tool").c_str(), 0750);
    WriteBytes(root + "/Start.DESKTOP", "[Desktop Entry]\n");
    WriteBytes(tmp.file("secret.txt"), "s");
    WriteBytes(tmp.file("elsewhere/x.desktop"), "[Desktop Entry]\n");
    ASSERT_EQ(::symlink((root + "/docs/a.txt").c_str(), (root + "/link-in.txt").c_str()), 0);
    ASSERT_EQ(::symlink(tmp.file("secret.txt").c_str(), (root + "/link-out.txt").c_str()), 0);
    ASSERT_EQ(::symlink(tmp.file("elsewhere").c_str(), (root + "/folder-out").c_str()), 0);
    ASSERT_EQ(::symlink((root + "/Start.DESKTOP").c_str(), (root + "/harmless.txt").c_str()), 0);
    ASSERT_EQ(::mkfifo((root + "/pipe").c_str(), 0644), 0);
    ASSERT_EQ(::symlink(root.c_str(), tmp.file("root-link").c_str()), 0);

    struct Case {
        std::string root, path;
        LaunchVerdict verdict;
    } cases[] = {
        {root, root + "/docs/a.txt", LaunchVerdict::Open},
        {root + "/", root + "/docs/a.txt", LaunchVerdict::Open},
        {tmp.file("root-link"), tmp.file("root-link") + "/docs/a.txt", LaunchVerdict::Open},
        {root, root + "/link-in.txt", LaunchVerdict::Open},
        {root, root + "/docs/../docs/a.txt", LaunchVerdict::Open},
        {root, root + "/../secret.txt", LaunchVerdict::Outside},
        {root, root + "/docs/../../secret.txt", LaunchVerdict::Outside},
        {root, root + "/link-out.txt", LaunchVerdict::Outside},
        {root, root + "/folder-out/x.desktop", LaunchVerdict::Outside},
        {root + "/docs", root + "/tool", LaunchVerdict::Outside},
        {root, root + "/tool", LaunchVerdict::AskFirst},
        {root, root + "/Start.DESKTOP", LaunchVerdict::AskFirst},
        {root, root + "/harmless.txt", LaunchVerdict::AskFirst},
        {root, root + "/pipe", LaunchVerdict::NotAFile},
        {root, root + "/docs", LaunchVerdict::NotAFile},
        {root, root + "/missing.txt", LaunchVerdict::Missing},
        {tmp.file("gone"), tmp.file("gone") + "/a.txt", LaunchVerdict::Missing},
        {"E:\\Data", "E:\\Data\\a.txt", LaunchVerdict::Missing},
        {"", root + "/docs/a.txt", LaunchVerdict::Missing},
    };
    for (const Case &c : cases) {
        const LaunchCheck check = CheckLaunch(c.root, c.path);
        EXPECT_EQ(check.verdict, c.verdict) << c.root << " | " << c.path;
        if (c.verdict == LaunchVerdict::Open || c.verdict == LaunchVerdict::AskFirst) {
            EXPECT_EQ(check.resolved.rfind(root + "/", 0), 0u) << check.resolved;
        }
    }
}
