#include "cli/Cli.h"

#include "platform/SystemView.h"

#include <QCoreApplication>

#include <algorithm>
#include <memory>
#include <cstring>

using namespace rkm;
using namespace rkm::cli;

namespace {

void programHelp(std::FILE *f)
{
    std::fprintf(f,
                 "Usage: rackmere-cli [--dir DIR] COMMAND [ARGS...]\n"
                 "\n"
                 "Rackmere's disk catalogue from a terminal. The catalogue is the folder DIR,\n"
                 "else $RACKMERE_DIR, else ~/.local/share/Rackmere/. The mount table, /sys and\n"
                 "/dev are read below $RACKMERE_SYSROOT when it is set (default /).\n"
                 "\n"
                 "Commands:\n");
    auto cmds = Commands();
    std::sort(cmds.begin(), cmds.end(), [](const Command &a, const Command &b) { return std::strcmp(a.name, b.name) < 0; });
    for (const Command &c : cmds)
        std::fprintf(f, "  %-10s %s\n", c.name, c.synopsis);
    std::fprintf(f, "\n'rackmere-cli COMMAND --help' describes a command.\n");
}

} // namespace

int main(int argc, char **argv)
{
    // Qt's core services (locale, file system) without a GUI; print draws
    // and gets Qt's GUI services on the offscreen platform.
    std::unique_ptr<QCoreApplication> app(MakeApplication(argc, argv));
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
        if (a == "--dir" || a.rfind("--dir=", 0) == 0) {
            if (a == "--dir") {
                if (i + 1 >= args.size()) {
                    std::fprintf(stderr, "rackmere-cli: --dir needs a folder\n");
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
        std::fprintf(stderr, "rackmere-cli: unknown command '%s'\n\n", name.c_str());
        programHelp(stderr);
        return EXIT_USAGE;
    }
    Context ctx;
    ctx.args.assign(args.begin() + static_cast<std::ptrdiff_t>(i) + 1, args.end());
    // --dir may also follow the command.
    for (std::size_t k = 0; k < ctx.args.size(); ++k) {
        if (ctx.args[k] == "--help" || ctx.args[k] == "-h") {
            std::fprintf(stdout, "%s", it->help);
            return EXIT_OK;
        }
        if (ctx.args[k] == "--") 
            break;
        if (ctx.args[k] == "--dir" && k + 1 < ctx.args.size()) {
            dir = ctx.args[k + 1];
            dirGiven = true;
            ctx.args.erase(ctx.args.begin() + static_cast<std::ptrdiff_t>(k), ctx.args.begin() + static_cast<std::ptrdiff_t>(k) + 2);
            --k;
        }
    }
    try {
        ctx.programDir = dirGiven ? NormalizeProgramDir(dir) : GetProgramDir();
        return it->run(ctx);
    } catch (const std::exception &e) {
        std::fprintf(stderr, "rackmere-cli %s: %s\n", name.c_str(), e.what());
        return EXIT_FAILED;
    }
}
