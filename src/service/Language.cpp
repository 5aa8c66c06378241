#include "service/Language.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <memory>

namespace rkm {

namespace {

const QString kPrefix = QStringLiteral("rackmere_");
QString g_shown = QStringLiteral("en");

// "de-DE", "de_DE.UTF-8" and "de" all name German.
QString languageOf(const QString &name)
{
    QString code = name.section(QLatin1Char('.'), 0, 0).section(QLatin1Char('@'), 0, 0);
    code.replace(QLatin1Char('-'), QLatin1Char('_'));
    return code.section(QLatin1Char('_'), 0, 0).toLower();
}

} // namespace

QString TranslationsFolder()
{
    const QString here = QCoreApplication::instance() ? QCoreApplication::applicationDirPath() : QString();
    // bin/ of the program, libexec/rackmere/ of the whole rackmere-cli.
    for (const char *up : {"/../share/rackmere/translations", "/../../share/rackmere/translations"}) {
        const QString folder = QDir::cleanPath(here + QLatin1String(up));
        if (!here.isEmpty() && QFileInfo(folder).isDir())
            return folder;
    }
    return QStringLiteral(RACKMERE_TRANSLATIONS_BUILD_DIR);
}

QStringList TranslatedLanguages()
{
    QStringList codes;
    const QStringList files = QDir(TranslationsFolder()).entryList({kPrefix + QStringLiteral("*.qm")}, QDir::Files);
    for (const QString &file : files)
        codes << file.mid(kPrefix.size()).chopped(3);
    // rackmere_en holds only the English plural forms of the source texts.
    codes.removeAll(QStringLiteral("en"));
    codes.sort();
    return codes;
}

QString LanguageToUse(const QString &chosen, const QStringList &systemLanguages)
{
    const QStringList translated = TranslatedLanguages();
    QStringList wanted = systemLanguages;
    if (!chosen.isEmpty())
        wanted.prepend(chosen);
    for (const QString &name : wanted) {
        const QString code = languageOf(name);
        // "C" and "POSIX" are the programs' own texts: English.
        if (code == QLatin1String("en") || code == QLatin1String("c") || code == QLatin1String("posix"))
            return QStringLiteral("en");
        if (translated.contains(code))
            return code;
    }
    return QStringLiteral("en");
}

QString ShownLanguage()
{
    return g_shown;
}

QString InstallTranslations(const QString &chosen)
{
    g_shown = QStringLiteral("en");
    static std::unique_ptr<QTranslator> own, qt;
    for (auto *t : {&own, &qt})
        if (*t) {
            QCoreApplication::removeTranslator(t->get());
            t->reset();
        }
    // QLocale reads LANGUAGE first, then LC_ALL, LC_MESSAGES and LANG.
    const QString code = LanguageToUse(chosen, QLocale::system().uiLanguages());
    own = std::make_unique<QTranslator>();
    if (!own->load(kPrefix + code, TranslationsFolder())) {
        own.reset();
        return QStringLiteral("en");
    }
    QCoreApplication::installTranslator(own.get());
    // English needs only its own plural forms ("1 file", "2 files").
    if (code == QLatin1String("en"))
        return code;
    g_shown = code;
    // Qt's own texts (the buttons of message boxes, file dialogs), where
    // they are installed.
    qt = std::make_unique<QTranslator>();
    if (qt->load(QStringLiteral("qtbase_") + code, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qt.get());
    else
        qt.reset();
    return code;
}

} // namespace rkm
