#pragma once

#include <QGuiApplication>

namespace rkm {

// The hourglass for as long as it lives; the previous cursor comes back
// however the work ends.
class WaitCursor final {
public:
    WaitCursor() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QGuiApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor &) = delete;
    WaitCursor &operator=(const WaitCursor &) = delete;
};

} // namespace rkm
