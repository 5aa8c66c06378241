#include "gui/LocaleText.h"

#include "platform/TextValues.h"

#include <QCoreApplication>
#include <QLocale>

namespace rkm {

QString SizeForPeople(uint64_t bytes)
{
    const QLocale locale;
    if (bytes < 1024) {
        const int n = static_cast<int>(bytes);
        return QCoreApplication::translate("rkm::LocaleText", "%Ln bytes", nullptr, n);
    }
    // The units the grid and the command line show ("KB", not Qt's "kB"),
    // with the locale's decimal sign.
    const platform::ScaledSize s = platform::ScaleSize(bytes);
    return locale.toString(s.value, 'f', s.value < 99.95 ? 1 : 0) + QLatin1Char(' ') + QLatin1String(s.unit);
}

} // namespace rkm
