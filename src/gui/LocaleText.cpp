#include "gui/LocaleText.h"

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
    static const char *const units[] = {"KB", "MB", "GB", "TB", "PB", "EB"};
    double v = static_cast<double>(bytes) / 1024.0;
    int u = 0;
    while (v >= 1024.0 && u < 5) {
        v /= 1024.0;
        ++u;
    }
    // 1023.96 KB would read "1,024 KB": it is 1.0 MB.
    if (v >= 1023.5 && u < 5) {
        v /= 1024.0;
        ++u;
    }
    return locale.toString(v, 'f', v < 99.95 ? 1 : 0) + QLatin1Char(' ') + QLatin1String(units[u]);
}

} // namespace rkm
