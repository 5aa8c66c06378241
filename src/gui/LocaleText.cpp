#include "gui/LocaleText.h"

#include <QLocale>

#include <algorithm>
#include <limits>

namespace rkm {

QString SizeForPeople(uint64_t bytes)
{
    const auto clamped = static_cast<qint64>(std::min<uint64_t>(bytes, std::numeric_limits<qint64>::max()));
    return QLocale().formattedDataSize(clamped, clamped < 1024 ? 0 : 1, QLocale::DataSizeTraditionalFormat);
}

} // namespace rkm
