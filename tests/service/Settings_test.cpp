#include "service/Settings.h"

#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <QFile>

#include <cstdlib>

namespace rkm {
namespace {

class SettingsTest : public ::testing::Test {
protected:
    void SetUp() override { ::setenv("XDG_CONFIG_HOME", m_dir.path().c_str(), 1); }
    test::TempDir m_dir;
};

TEST_F(SettingsTest, MissingKeysGiveTheDefault)
{
    EXPECT_EQ(GetSettingInt("Top", 0), 0);
    EXPECT_EQ(GetSettingInt("Width", 640), 640);
    EXPECT_EQ(GetSettingInt("Width", -7), -7);
    EXPECT_EQ(GetSettingString("PrFilter", "none"), "none");
    EXPECT_EQ(GetSettingString("PrFilter"), "");
}

TEST_F(SettingsTest, IntegersRoundTripThroughTheFile)
{
    const struct {
        const char *key;
        int32_t value;
    } cases[] = {{"Top", 0}, {"Left", -120}, {"Width", 1920}, {"ColW4", INT32_MAX}, {"ColW0", INT32_MIN}};
    for (const auto &c : cases)
        SetSettingInt(c.key, c.value);
    EXPECT_TRUE(QFile::exists(QString::fromStdString(SettingsFilePath())));
    EXPECT_EQ(SettingsFilePath(), m_dir.path() + "Rackmere/Rackmere.ini");
    for (const auto &c : cases)
        EXPECT_EQ(GetSettingInt(c.key, 12345), c.value) << c.key;
    SetSettingInt("Top", 99);
    EXPECT_EQ(GetSettingInt("Top", 0), 99);
    EXPECT_TRUE(LastSettingWriteSucceeded());
}

TEST_F(SettingsTest, StringsKeepTheirBytes)
{
    const std::string cases[] = {
        "plain",
        "",
        std::string("caf\xE9 na\xEFve", 10), // Windows-1252, not UTF-8
        "caf\xC3\xA9",                        // UTF-8
        "a=b;c\\d,\"e\" [f] #g",
        "two\r\nlines",
        std::string("nul\0inside", 10),
        std::string(3000, 'x'),
    };
    int n = 0;
    for (const std::string &value : cases) {
        const std::string key = "Str" + std::to_string(n++);
        SetSettingString(key, value);
        EXPECT_EQ(GetSettingString(key, "default"), value) << key;
    }
}

TEST_F(SettingsTest, KeysDoNotReachIntoEachOther)
{
    // Keys that mean something to an INI file or to QSettings stay plain keys.
    SetSettingInt("General", 1);
    SetSettingInt("a/b", 2);
    SetSettingInt("a", 3);
    SetSettingString("Top", "text");
    EXPECT_EQ(GetSettingInt("General", 0), 1);
    EXPECT_EQ(GetSettingInt("a/b", 0), 2);
    EXPECT_EQ(GetSettingInt("a", 0), 3);
    // A text that is no number reads as the default.
    EXPECT_EQ(GetSettingInt("Top", 42), 42);
}

TEST_F(SettingsTest, EachConfigFolderHasItsOwnStore)
{
    SetSettingInt("Height", 500);
    test::TempDir other;
    ::setenv("XDG_CONFIG_HOME", other.path().c_str(), 1);
    EXPECT_EQ(GetSettingInt("Height", 370), 370);
    ::setenv("XDG_CONFIG_HOME", m_dir.path().c_str(), 1);
    EXPECT_EQ(GetSettingInt("Height", 370), 500);
}

} // namespace
} // namespace rkm
