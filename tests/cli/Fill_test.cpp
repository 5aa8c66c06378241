// rackmere-cli's messages in the user's language: what varies is put in as
// bytes, where the translation puts it.
#include "cli/Cli.h"
#include "cli/Fill.h"

#include <QCoreApplication>
#include <QTranslator>

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(CliFill, PutsTheValuesInAsBytesInOnePass)
{
    const struct {
        const char *text; // UTF-8, as a translation gives it
        std::string first, second;
        std::string expected;
    } cases[] = {
        // A path that is not UTF-8 keeps its bytes.
        {"no folder '%1' in '%2'", "Fotos\xE9/2019", "Backup", "no folder 'Fotos\xE9/2019' in 'Backup'"},
        {"%2, then %1", "a", "b", "b, then a"},
        // A value is not read for markers again.
        {"%1 and %2", "%2", "x", "%2 and x"},
        {"%1 of %3 and %0", "a", "b", "a of %3 and %0"},
        {"100% of %1", "a", "b", "100% of a"},
        {"Gr\xC3\xB6\xC3\x9F" "e %1: %2%", "\xC3\xA4", "7", "Gr\xC3\xB6\xC3\x9F" "e \xC3\xA4: 7%"},
        {"%1%2", "", "b", "b"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(rkm::cli::Fill(QString::fromUtf8(c.text), {c.first, c.second}), c.expected) << c.text;
    EXPECT_EQ(rkm::cli::SerialText(0x1A2Bu), "00001A2B");
    EXPECT_EQ(rkm::cli::SerialText(0xFFFFFFFFu), "FFFFFFFF");
}

// A language that puts the folder before the disk.
class FolderLastTranslator final : public QTranslator {
public:
    bool isEmpty() const override { return false; }
    QString translate(const char *context, const char *sourceText, const char *, int) const override
    {
        if (QByteArray(context) == "rkm::cli::Say" && QByteArray(sourceText) == "no folder '%1' in '%2'")
            return QString::fromUtf8("in \xE2\x80\x9E%2\xE2\x80\x9C kein Ordner \xE2\x80\x9E%1\xE2\x80\x9C");
        return {};
    }
};

TEST(CliFill, ATranslationPutsTheValuesWhereItWants)
{
    int argc = 1;
    char name[] = "cli_tests";
    char *argv[] = {name, nullptr};
    QCoreApplication app(argc, argv);
    const std::string english = rkm::cli::Fill(rkm::cli::Say::tr("no folder '%1' in '%2'"), {"Docs\xE9", "Backup"});
    EXPECT_EQ(english, "no folder 'Docs\xE9' in 'Backup'");
    FolderLastTranslator german;
    QCoreApplication::installTranslator(&german);
    const std::string translated = rkm::cli::Fill(rkm::cli::Say::tr("no folder '%1' in '%2'"), {"Docs\xE9", "Backup"});
    QCoreApplication::removeTranslator(&german);
    EXPECT_EQ(translated, "in \xE2\x80\x9E" "Backup\xE2\x80\x9C kein Ordner \xE2\x80\x9E" "Docs\xE9\xE2\x80\x9C");
}

} // namespace
