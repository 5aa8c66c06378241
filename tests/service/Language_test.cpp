#include "service/Language.h"

#include <QCoreApplication>

#include <gtest/gtest.h>

using namespace rkm;

// The language shown: the chosen one, else the first of the system's that
// is English or translated; "C" is English, and so is a system with none.
TEST(Language, TheFirstWantedLanguageThatIsEnglishOrTranslated)
{
    ASSERT_EQ(TranslatedLanguages(), (QStringList{"de", "es", "fr"}));
    struct Row {
        const char *chosen;
        QStringList system;
        const char *shown;
    } rows[] = {
        {"", {"de-DE", "en-US"}, "de"},
        {"", {"en-GB", "de"}, "en"},
        {"", {"pt-BR", "es-ES"}, "es"},
        {"", {"pt-BR"}, "en"},
        {"", {"C"}, "en"},
        {"", {}, "en"},
        {"", {"fr_FR.UTF-8"}, "fr"},
        {"fr", {"de"}, "fr"},
        {"en", {"de"}, "en"},
        {"xx", {"de_AT"}, "de"},
    };
    for (const Row &r : rows) {
        SCOPED_TRACE(r.chosen + (QStringLiteral(" / ") + r.system.join(u',')).toStdString());
        EXPECT_EQ(LanguageToUse(QString::fromLatin1(r.chosen), r.system).toStdString(), r.shown);
    }
}
