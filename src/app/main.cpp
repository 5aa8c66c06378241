#include "app/Application.h"
#include "app/Mainfrm.h"
#include "gui/ErrorReport.h"
#include "service/Language.h"
#include "service/Project.h"
#include "service/Settings.h"
#include "service/Version.h"
#include "service/ui/Service.h"

#include <QSocketNotifier>

#include <csignal>
#include <cstdio>
#include <string_view>

#include <sys/socket.h>
#include <unistd.h>

namespace {

int g_signalPipe[2] = {-1, -1};

void onTerminate(int)
{
    const char byte = 1;
    [[maybe_unused]] const ssize_t n = ::write(g_signalPipe[0], &byte, 1);
}

// Logging out or a plain `kill` ends the program as its Exit item does, so
// the window's place and every modified listing are saved.
void closeOnTermination(QWidget *window)
{
    if (::socketpair(AF_UNIX, SOCK_STREAM, 0, g_signalPipe) != 0)
        return;
    auto *notifier = new QSocketNotifier(g_signalPipe[1], QSocketNotifier::Read, window);
    QObject::connect(notifier, &QSocketNotifier::activated, window, [window] {
        char byte;
        [[maybe_unused]] const ssize_t n = ::read(g_signalPipe[1], &byte, 1);
        window->close();
    });
    struct sigaction sa {};
    sa.sa_handler = onTerminate;
    sigemptyset(&sa.sa_mask);
    sa.sa_flags = SA_RESTART;
    for (int sig : {SIGTERM, SIGINT, SIGHUP})
        ::sigaction(sig, &sa, nullptr);
}

// What --help prints.
const char HELP[] = QT_TRANSLATE_NOOP("rkm::Main",
    "Usage: rackmere [--help] [--version]\n"
    "\n"
    "Rackmere keeps a catalogue of your discs and drives: it walks a CD, a USB stick,\n"
    "a disk or any folder and keeps every folder and file of it as one listing. All\n"
    "listings show in one tree with a file grid: annotate files with a description\n"
    "and a category, search every listing at once, bring a listing up to date,\n"
    "print a disk's contents or a CD cover, and export listings as CSV, JSON or an\n"
    "HTML page, without the disk at hand.\n"
    "\n"
    "  --help      print this help\n"
    "  --version   print the program's version\n"
    "\n"
    "The catalogue is kept in the folder $RACKMERE_DIR, else\n"
    "~/.local/share/Rackmere/; window places and print defaults in\n"
    "~/.config/Rackmere/Rackmere.ini. One Rackmere runs at a time on a catalogue\n"
    "folder: starting it again on the same folder brings the running window to the\n"
    "front, and another folder opens in a window of its own. rackmere-cli works on\n"
    "the same catalogue from a terminal.\n");

// The program's only options of its own; they are answered before anything
// needs a display. Qt's own options (-platform, -style...) pass on to Qt.
bool answeredOption(int argc, char **argv)
{
    for (int i = 1; i < argc; ++i) {
        const std::string_view a = argv[i];
        if (a == "--version") {
            std::printf("rackmere %s\n", rkm::PROGRAM_VERSION);
            return true;
        }
        if (a == "--help" || a == "-h") {
            // In the user's language: a core application is enough to load it.
            QCoreApplication core(argc, argv);
            rkm::InstallTranslations(QString::fromStdString(rkm::GetSettingString(rkm::SETTING_LANGUAGE)));
            std::fputs(QCoreApplication::translate("rkm::Main", HELP).toLocal8Bit().constData(), stdout);
            return true;
        }
    }
    return false;
}

// A start that cannot go on says why, on standard error for a terminal and
// in a message box for a start from the desktop.
int cannotStart(const QString &reason)
{
    std::fprintf(stderr, "rackmere: %s\n", rkm::ErrorReportText(reason).toLocal8Bit().constData());
    rkm::ReportGeneralError(nullptr, reason);
    return 1;
}

} // namespace

int main(int argc, char **argv)
{
    if (answeredOption(argc, argv))
        return 0;
    rkm::RackmereApplication app(argc, argv);
    // The user's language, else the one chosen under View > Language.
    rkm::InstallTranslations(QString::fromStdString(rkm::GetSettingString(rkm::SETTING_LANGUAGE)));
    std::string dir;
    try {
        dir = rkm::GetProgramDir();
        rkm::PrepareProgramDir(dir);
    } catch (const std::exception &e) {
        return cannotStart(QString::fromUtf8(e.what()));
    }
    // One copy per catalogue folder: another copy running on this one comes
    // to the front, and this one ends.
    const rkm::InstanceCheck guard = rkm::EnsureOneInstance(QString::fromLatin1(rkm::APP_TITLE), dir);
    if (guard.outcome == rkm::InstanceCheck::Outcome::AnotherRaised)
        return 0;
    if (guard.outcome == rkm::InstanceCheck::Outcome::CannotStart)
        return cannotStart(guard.reason);
    int code = 0;
    {
        rkm::CatalogStore store(dir);
        rkm::TfrmMain frmMain(store);
        if (frmMain.startAbandoned()) {
            code = 1; // another program kept the catalogue, and the user did not wait
        } else {
            closeOnTermination(&frmMain);
            frmMain.show();
            code = app.exec();
        }
        // Nothing runs after the window: the catalogue need not be freed
        // entry by entry, the system takes the memory back at once.
        rkm::SetProcessEnding(true);
    } // the window stores its settings and the modified listings here
    // Only now may another copy start and read the listings.
    rkm::ReleaseInstanceGuard();
    return code;
}
