#include "service/WindowPlace.h"

#include <algorithm>

namespace rkm {

namespace {

qint64 Overlap(const QRect &a, const QRect &b)
{
    const QRect both = a.intersected(b);
    return both.isEmpty() ? 0 : qint64(both.width()) * both.height();
}

} // namespace

QRect PlaceWindow(const QRect &saved, const std::vector<QRect> &areas)
{
    if (areas.empty())
        return saved;
    QRect area = areas.front();
    qint64 most = 0;
    for (const QRect &a : areas)
        if (const qint64 o = Overlap(saved, a); o > most) {
            most = o;
            area = a;
        }
    const int width = std::min(saved.width(), area.width());
    const int height = std::min(saved.height(), area.height());
    const int x = std::clamp(saved.x(), area.x(), area.x() + area.width() - width);
    const int y = std::clamp(saved.y(), area.y(), area.y() + area.height() - height);
    return QRect(x, y, width, height);
}

} // namespace rkm
