// Linked into every widget test: the texts read as the program shows them
// in English, its plural forms included ("1 match", "2 matches"), which the
// program's own start installs from rackmere_en.
#include "service/Language.h"

#include <QCoreApplication>

namespace {

void installEnglish()
{
    rkm::InstallTranslations(QStringLiteral("en"));
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(installEnglish)
