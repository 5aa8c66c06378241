#pragma once

#include <QCursor>
#include <QGuiApplication>

namespace rkm {

// The hourglass for as long as it lives; the previous cursor comes back
// however the work ends. Work on a thread of its own, while the window still
// answers, shows Qt::BusyCursor: the hourglass beside the arrow.
class WaitCursor final {
public:
    explicit WaitCursor(Qt::CursorShape shape = Qt::WaitCursor) { QGuiApplication::setOverrideCursor(shape); }
    ~WaitCursor() { QGuiApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor &) = delete;
    WaitCursor &operator=(const WaitCursor &) = delete;
};

} // namespace rkm
