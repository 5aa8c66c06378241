// rackmere-cli's texts for people in the user's language: texts marked in
// the commands' tables, shown through Said(), and what varies put in by Fill().
#include "cli/Lines.h"
#include "support/FakeUdisks.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QTranslator>

#include <initializer_list>
#include <string>
#include <string_view>

using namespace rkm::cli;

namespace {

// A translation that brackets every text of rackmere-cli's context and
// puts the number last in a plural text.
class BracketTranslator final : public QTranslator {
public:
    QString translate(const char *context, const char *sourceText, const char *, int n) const override
    {
        if (std::string_view(context) != "rkm::cli::Say")
            return QString();
        QString text = QLatin1Char('[') + QString::fromUtf8(sourceText) + QLatin1Char(']');
        if (n >= 0)
            text += QStringLiteral(" (%n)");
        return text;
    }
    bool isEmpty() const override { return false; }
};

TEST(CliSay, TranslatesMarkedTextsAndFillsInBytesAsTheyAre)
{
    rkm::test::EnsureApplication();
    BracketTranslator translator;
    ASSERT_TRUE(QCoreApplication::installTranslator(&translator));
    const char *marked = QT_TRANSLATE_NOOP("rkm::cli::Say", "name one listing");
    struct Case {
        const char *what;
        std::string got, expected;
    } cases[] = {
        {"a marked text", Said(marked), "[name one listing]"},
        {"an empty text stays empty", Said(""), ""},
        {"no text", Said(nullptr), ""},
        {"arguments in their places", Fill(Say::tr("%2 before %1"), {"one", "two"}), "[two before one]"},
        // Windows-1252 bytes and a '%1' in a name are put in unchanged.
        {"bytes and percent signs kept", Fill(Say::tr("no listing named '%1' in %2"), {"Caf\xE9 %2", "%1"}),
         "[no listing named 'Caf\xE9 %2' in %1]"},
        {"a placeholder without an argument stays", Fill(Say::tr("%1 of %3"), {"a"}), "[a of %3]"},
        {"a count", Fill(Say::tr("%1: %n listings", nullptr, 3), {"find"}), "[find: 3 listings] (3)"},
    };
    for (const Case &c : cases)
        EXPECT_EQ(c.got, c.expected) << c.what;
    QCoreApplication::removeTranslator(&translator);
    // Without a translation the English text is shown as written.
    EXPECT_EQ(Fill(Say::tr("%1 and %2 contradict each other"), {"--tags", "--no-tags"}),
              "--tags and --no-tags contradict each other");
    EXPECT_EQ(Said(marked), "name one listing");
}

} // namespace
