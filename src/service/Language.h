#pragma once

#include <QString>
#include <QStringList>

namespace rkm {

// The setting that chooses the desktop program's language: a code ("de",
// "fr", ...), or none to follow the system.
inline constexpr char SETTING_LANGUAGE[] = "Language";

// The folder of the program's translations (rackmere_<code>.qm): beside
// the installed program's share folder, else the build's.
QString TranslationsFolder();

// The codes of the languages the program is translated into, sorted.
QStringList TranslatedLanguages();

// The language to show, from `chosen` (a code; empty follows the system)
// and the system's languages in order of preference (LANGUAGE, then
// LC_ALL, LC_MESSAGES, LANG): the first that is English or translated.
// "en" when none is.
QString LanguageToUse(const QString &chosen, const QStringList &systemLanguages);

// Installs the translations of the program and of Qt for LanguageToUse
// with the system's languages, replacing any installed before. Returns the
// code of the language now shown.
QString InstallTranslations(const QString &chosen);

// The language InstallTranslations last installed ("en" before it ran).
QString ShownLanguage();

} // namespace rkm
