#include "gui/Notification.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QStringList>
#include <QVariantMap>

namespace rkm {

void SendDesktopNotification(const QString &summary, const QString &body)
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return;
    QDBusMessage call = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.Notifications"), QStringLiteral("/org/freedesktop/Notifications"),
        QStringLiteral("org.freedesktop.Notifications"), QStringLiteral("Notify"));
    // app_name, replaces_id, app_icon, summary, body, actions, hints, expire_timeout (-1: the server's).
    call << QStringLiteral("Rackmere") << 0u << QStringLiteral("rackmere") << summary << body << QStringList()
         << QVariantMap() << -1;
    // Fire and forget: the answer (or the error of a bus with no such service) is not waited for.
    bus.send(call);
}

} // namespace rkm
