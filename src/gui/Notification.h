#pragma once

// A desktop notification over the session bus (org.freedesktop.Notifications).

#include <QString>

namespace rkm {

// Sends the notification without waiting for an answer; with no session bus
// or no notification service it does nothing and says nothing.
void SendDesktopNotification(const QString &summary, const QString &body);

} // namespace rkm
