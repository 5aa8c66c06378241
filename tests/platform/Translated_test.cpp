#include "platform/Translated.h"
#include "print/PageLayout.h"

#include <QCoreApplication>
#include <QTranslator>

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <string_view>
#include <vector>

using namespace rkm;

namespace {

// A translation of the core's texts with the parts in another order, as a
// translator may write them.
class ReorderingTranslator final : public QTranslator {
public:
    QString translate(const char *context, const char *source, const char *, int) const override
    {
        static const std::map<std::string, QString> kGerman = {
            {"Cannot write file %1: %2", QStringLiteral("%2 – die Datei %1 kann nicht geschrieben werden")},
            {"Page %1 of %2", QStringLiteral("Seite %1 von %2")},
        };
        if (std::string_view(context) != "rkm::Core")
            return {};
        const auto it = kGerman.find(source);
        return it == kGerman.end() ? QString() : it->second;
    }
    bool isEmpty() const override { return false; }
};

} // namespace

// The core's messages in another language keep the bytes of what goes into
// them (a path that is not UTF-8 stays as it is), take each text given once,
// whatever it holds, and leave a %N that has no text.
TEST(Translated, TextsGoIntoTheTranslationAsBytes)
{
    int argc = 1;
    char name[] = "translated_test";
    char *argv[] = {name, nullptr};
    QCoreApplication app(argc, argv);
    ReorderingTranslator german;

    const std::string latin1Path = "/media/cd/caf\xE9.txt"; // Windows-1252, not UTF-8
    struct Row {
        bool translated;
        const char *text;
        std::vector<std::string> args;
        std::string expected;
    } rows[] = {
        {false,
         "Cannot write file %1: %2",
         {latin1Path, "No space left on device"},
         "Cannot write file " + latin1Path + ": No space left on device"},
        {true,
         "Cannot write file %1: %2",
         {latin1Path, "Kein Platz"},
         "Kein Platz – die Datei " + latin1Path + " kann nicht geschrieben werden"},
        {true,
         "Cannot write file %1: %2",
         {"/tmp/%2%1", "%1"},
         "%1 – die Datei /tmp/%2%1 kann nicht geschrieben werden"},
        {false, "%1 and %3 of 100%", {"one"}, "one and %3 of 100%"},
    };
    for (const Row &r : rows) {
        SCOPED_TRACE(r.expected);
        if (r.translated) {
            ASSERT_TRUE(QCoreApplication::installTranslator(&german));
        }
        const std::string got = r.args.size() == 1 ? Utf8(Core::tr(r.text), {r.args[0]})
                                                   : Utf8(Core::tr(r.text), {r.args[0], r.args[1]});
        QCoreApplication::removeTranslator(&german);
        EXPECT_EQ(got, r.expected);
    }

    // A text the core composes, under the context lupdate gives it.
    EXPECT_EQ(PageFootText(2, 7), "Page 2 of 7");
    ASSERT_TRUE(QCoreApplication::installTranslator(&german));
    EXPECT_EQ(PageFootText(2, 7), "Seite 2 von 7");
    QCoreApplication::removeTranslator(&german);
}
