#pragma once

#include <QString>

class QWidget;

namespace rkm {

// The single-instance guard: true when another copy of the program already
// runs for this user; that copy is then asked to bring its window to the
// front. The first copy holds a lock file and listens for later copies until
// it ends. `flags` is reserved and must be 0.
bool EnsureOneInstance(const QString &title, int flags);

// Sets up the service functions for the program: its name, its key and the
// window that a later copy brings to the front.
void Initialize(const QString &appName, const QString &appKey, QWidget *mainWindow);

// The about box, showing the program's name, version and web address.
void ShowAboutBox(QWidget *parent, const QString &webAddress);
// Opens a web address in the user's browser; a clear message when it cannot.
void GotoURL(const QString &webAddress);
// Starts a mail to the project's support in the user's mail program.
void MailToSupport();

// Lets go of the guard (at the end of the run; tests).
void ReleaseInstanceGuard();

// The local server name and lock file the guard uses (per user).
QString InstanceServerName();
QString InstanceLockPath();

} // namespace rkm
