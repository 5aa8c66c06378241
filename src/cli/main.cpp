#include "cli/Cli.h"
#include "service/Language.h"
#include "service/Version.h"

#include "catalog/WriterLock.h"
#include "platform/SystemView.h"

#include <QCoreApplication>

#include <algorithm>
#include <memory>
#include <cstdlib>
#include <cstring>

using namespace rkm;
using namespace rkm::cli;

namespace {

void programHelp(std::FILE *f)
{
    Print(f, Say::tr("Usage: rackmere-cli [--dir DIR] COMMAND [ARGS...]\n"
                     "\n"
                     "Rackmere's disk catalogue from a terminal. The catalogue is the folder DIR,\n"
                     "else $RACKMERE_DIR, else ~/.local/share/Rackmere/. A folder named by --dir or\n"
                     "$RACKMERE_DIR that is missing or not a folder ends a command that reads with\n"
                     "exit status 2; a command that writes makes a missing one. The mount table,\n"
                     "/sys and /dev are read below $RACKMERE_SYSROOT when it is set (default /).\n"
                     "\n"
                     "A listing is named by its listing file (1234.rkm) or by its disk name. A disk\n"
                     "name that several listings have ends a command with exit status 2 and lists\n"
                     "them by file on standard error.\n"
                     "\n"
                     "  --help      print this help\n"
                     "  --version   print the program's version\n"
                     "\n"
                     "Commands:\n"));
    auto cmds = Commands();
    std::sort(cmds.begin(), cmds.end(), [](const Command &a, const Command &b) { return std::strcmp(a.name, b.name) < 0; });
    for (const Command &c : cmds)
        std::fprintf(f, "  %-10s %s\n", c.name, Said(c.synopsis).c_str());
    Print(f, Say::tr("\n'rackmere-cli COMMAND --help' describes a command.\n"));
}

} // namespace

int main(int argc, char **argv)
{
    // Qt's core services (locale, file system) without a GUI; print draws
    // and gets Qt's GUI services on the offscreen platform.
    std::unique_ptr<QCoreApplication> app(MakeApplication(argc, argv));
    // Messages in the user's language (LANGUAGE, LC_ALL, LC_MESSAGES, LANG).
    InstallTranslations(QString());
    // The root below which /proc, /sys and /dev are read (mounts, drive
    // types, serial numbers), so a fixture tree can stand in for the system.
    if (const QByteArray sysroot = qgetenv("RACKMERE_SYSROOT"); !sysroot.isEmpty())
        rkm::platform::SetSystemRoot(sysroot.toStdString());
    std::vector<std::string> args(argv + 1, argv + argc);

    std::string dir;
    bool dirGiven = false;
    std::size_t i = 0;
    for (; i < args.size(); ++i) {
        const std::string &a = args[i];
        if (a == "--help" || a == "-h") {
            programHelp(stdout);
            return EXIT_OK;
        }
        if (a == "--version") {
            std::printf("rackmere-cli %s\n", PROGRAM_VERSION);
            return EXIT_OK;
        }
        if (a == "--dir" || a.rfind("--dir=", 0) == 0) {
            if (a == "--dir") {
                if (i + 1 >= args.size()) {
                    Print(stderr, Utf8(Say::tr("rackmere-cli: --dir needs a folder")) + "\n");
                    return EXIT_USAGE;
                }
                dir = args[++i];
            } else {
                dir = a.substr(6);
            }
            dirGiven = true;
            continue;
        }
        break;
    }
    if (i >= args.size()) {
        programHelp(stderr);
        return EXIT_USAGE;
    }
    const std::string name = args[i];
    auto &cmds = Commands();
    auto it = std::find_if(cmds.begin(), cmds.end(), [&](const Command &c) { return name == c.name; });
    if (it == cmds.end()) {
        Print(stderr, Fill(Say::tr("rackmere-cli: unknown command '%1'"), {name}) + "\n\n");
        programHelp(stderr);
        return EXIT_USAGE;
    }
    Context ctx;
    ctx.args.assign(args.begin() + static_cast<std::ptrdiff_t>(i) + 1, args.end());
    const bool writes = it->access == Access::Write;
    std::string wait;
    bool waitGiven = false;
    // --dir may also follow the command, and so may --wait of a command that writes.
    for (std::size_t k = 0; k < ctx.args.size(); ++k) {
        if (ctx.args[k] == "--help" || ctx.args[k] == "-h") {
            std::fputs(HelpText(*it).c_str(), stdout);
            return EXIT_OK;
        }
        if (ctx.args[k] == "--")
            break;
        std::string *target = nullptr;
        bool *given = nullptr;
        if (ctx.args[k] == "--dir" || ctx.args[k].rfind("--dir=", 0) == 0) {
            target = &dir;
            given = &dirGiven;
        } else if (writes && (ctx.args[k] == "--wait" || ctx.args[k].rfind("--wait=", 0) == 0)) {
            target = &wait;
            given = &waitGiven;
        }
        if (!target)
            continue;
        const std::string option = ctx.args[k].substr(0, ctx.args[k].find('='));
        std::size_t used = 1;
        if (ctx.args[k].size() > option.size()) {
            *target = ctx.args[k].substr(option.size() + 1);
        } else if (k + 1 < ctx.args.size()) {
            *target = ctx.args[k + 1];
            used = 2;
        } else {
            Context usage;
            return Usage(usage, Fill(Say::tr("option %1 needs a value"), {option}), *it);
        }
        *given = true;
        ctx.args.erase(ctx.args.begin() + static_cast<std::ptrdiff_t>(k),
                       ctx.args.begin() + static_cast<std::ptrdiff_t>(k + used));
        --k;
    }
    int waitMs = 0;
    if (waitGiven) {
        char *end = nullptr;
        const double seconds = std::strtod(wait.c_str(), &end);
        if (wait.empty() || *end != '\0' || !(seconds >= 0) || seconds > 24 * 3600) {
            Context usage;
            return Usage(usage, Fill(Say::tr("--wait takes a number of seconds, not '%1'"), {wait}), *it);
        }
        waitMs = static_cast<int>(seconds * 1000);
    }
    try {
        // A folder named by --dir or RACKMERE_DIR must be one; only a command
        // that writes makes it when it is missing. The usual folder of a user
        // who has catalogued nothing yet reads as an empty catalogue.
        const bool named = dirGiven || !qEnvironmentVariableIsEmpty("RACKMERE_DIR");
        ctx.programDir = dirGiven ? NormalizeProgramDir(dir) : GetProgramDir();
        const std::string shownDir = ctx.programDir.size() > 1 ? ctx.programDir.substr(0, ctx.programDir.size() - 1)
                                                               : ctx.programDir;
        switch (ProgramDirStateOf(ctx.programDir)) {
        case ProgramDirState::Folder:
            break;
        case ProgramDirState::NotAFolder:
            Print(stderr,
                  Fill(Say::tr("rackmere-cli %1: the catalogue folder %2 is not a folder"), {name, shownDir}) + "\n");
            return EXIT_USAGE;
        case ProgramDirState::Missing:
            if (writes) {
                PrepareProgramDir(ctx.programDir);
            } else if (named) {
                Print(stderr,
                      Fill(Say::tr("rackmere-cli %1: there is no catalogue folder %2"), {name, shownDir}) + "\n");
                return EXIT_USAGE;
            }
            break;
        }
        WriterLock lock(ctx.programDir);
        const WriterLock::State state = writes ? lock.take(waitMs) : WriterLock::State::Unavailable;
        if (state == WriterLock::State::Busy) {
            const qint64 pid = lock.holderPid();
            // One sentence each, with the process and without.
            Print(stderr,
                  (pid > 0 ? Fill(Say::tr("rackmere-cli %1: The catalogue in %2 is in use by Rackmere (process %3)"),
                                  {name, ctx.programDir, std::to_string(pid)})
                           : Fill(Say::tr("rackmere-cli %1: The catalogue in %2 is in use by Rackmere"),
                                  {name, ctx.programDir})) +
                      "\n");
            return EXIT_BUSY;
        }
        // A lock file that cannot be made: no one could be kept out while
        // this command writes, and its writes would fail anyway.
        if (writes && state == WriterLock::State::Unavailable) {
            Print(stderr, Fill(Say::tr("rackmere-cli %1: The catalogue in %2 cannot be written: %3"),
                               {name, ctx.programDir, lock.reason()}) +
                              "\n");
            return EXIT_READ_ONLY;
        }
        // The command is all this process does: the catalogue it loads is
        // left to the system at the end rather than freed entry by entry.
        SetProcessEnding(true);
        ctx.writes = writes;
        return it->run(ctx);
    } catch (const std::exception &e) {
        Print(stderr, Fill(Say::tr("rackmere-cli %1: %2"), {name, e.what()}) + "\n");
        return EXIT_FAILED;
    }
}
