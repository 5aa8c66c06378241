#pragma once

#include <QString>

#include <string>

class QWidget;

namespace rkm {

// What the single-instance guard found at start-up.
struct InstanceCheck {
    enum class Outcome {
        First,         // this copy holds the guard: it goes on
        AnotherRaised, // a copy runs on the same catalogue and was asked to come to the front
        CannotStart,   // the guard cannot be had: `reason` says why
    };
    Outcome outcome = Outcome::First;
    QString reason;
};

// The single-instance guard of one catalogue folder: one copy of the
// program per folder, so two catalogues open in two windows at once. A
// later copy on the same folder (however the folder is named: the guard
// goes by its canonical path) asks the running one to bring its window to
// the front. The first copy holds a lock file and listens for later copies
// until it ends; both live in a folder only this user can enter.
InstanceCheck EnsureOneInstance(const QString &title, const std::string &programDir);

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

// The local server name and lock file of the guard of a catalogue folder
// (per user and folder); empty when the user has no folder of their own
// for them.
QString InstanceServerName(const std::string &programDir);
QString InstanceLockPath(const std::string &programDir);

} // namespace rkm
