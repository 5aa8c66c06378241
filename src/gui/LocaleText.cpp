#include "gui/LocaleText.h"

#include "platform/TextValues.h"

#include <QLocale>

namespace rkm {

QString SizeForPeople(uint64_t bytes)
{
    const QLocale locale;
    if (bytes < 1024)
        return locale.toString(static_cast<qulonglong>(bytes)) +
               (bytes == 1 ? QStringLiteral(" byte") : QStringLiteral(" bytes"));
    // The units the grid and the command line show ("KB", not Qt's "kB"),
    // with the locale's decimal sign.
    const platform::ScaledSize s = platform::ScaleSize(bytes);
    return locale.toString(s.value, 'f', s.value < 99.95 ? 1 : 0) + QLatin1Char(' ') + QLatin1String(s.unit);
}

} // namespace rkm
