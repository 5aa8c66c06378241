// rackmere-cli as the shell starts it: a small program that answers `find`
// from the search index, loading no more than Qt Core, the query and the
// index reader, and hands every other command line, unchanged, to the whole
// program (rackmere-cli-all, installed in libexec/rackmere/). A search the
// index cannot answer goes there too: it loads the listings and brings the
// index up to date.
#include "catalog/ProgramDir.h"
#include "cli/Find.h"
#include "cli/Lines.h"
#include "platform/Helpers.h"
#include "service/Language.h"
#include "service/Version.h"

#include <QCoreApplication>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <optional>
#include <exception>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

[[noreturn]] void RunWholeProgram(char **argv)
{
    const std::string path =
        rkm::platform::HelperProgramPath("rackmere-cli-all", "RACKMERE_CLI_ALL", RACKMERE_CLI_ALL_BUILD_PATH);
    if (!path.empty())
        ::execv(path.c_str(), argv);
    const int failure = errno;
    const std::string said =
        path.empty()
            ? rkm::cli::Fill(rkm::cli::Say::tr("rackmere-cli: cannot start %1: it is not installed"),
                             {"rackmere-cli-all"})
            : rkm::cli::Fill(rkm::cli::Say::tr("rackmere-cli: cannot start %1: %2"), {path, std::strerror(failure)});
    std::fprintf(stderr, "%s\n", said.c_str());
    std::_Exit(1);
}

// The exit status of a `find` the index answers, or nothing when the whole
// program must take the command line.
std::optional<int> Find(const std::vector<std::string> &args)
{
    std::string dir;
    bool dirGiven = false;
    std::size_t i = 0;
    for (; i < args.size(); ++i) {
        const std::string &a = args[i];
        if (a == "--dir" && i + 1 < args.size()) {
            dir = args[++i];
            dirGiven = true;
        } else if (a.rfind("--dir=", 0) == 0) {
            dir = a.substr(6);
            dirGiven = true;
        } else {
            break;
        }
    }
    if (i >= args.size() || args[i] != "find")
        return std::nullopt;
    std::vector<std::string> own(args.begin() + static_cast<std::ptrdiff_t>(i) + 1, args.end());
    // --dir may follow the command too; --help is the whole program's.
    for (std::size_t k = 0; k < own.size(); ++k) {
        if (own[k] == "--help" || own[k] == "-h")
            return std::nullopt;
        if (own[k] == "--")
            break;
        if (own[k] == "--dir" || own[k].rfind("--dir=", 0) == 0) {
            std::size_t used = 1;
            if (own[k].size() > 5) {
                dir = own[k].substr(6);
            } else if (k + 1 < own.size()) {
                dir = own[k + 1];
                used = 2;
            } else {
                return std::nullopt;
            }
            dirGiven = true;
            own.erase(own.begin() + static_cast<std::ptrdiff_t>(k),
                      own.begin() + static_cast<std::ptrdiff_t>(k + used));
            --k;
        }
    }
    rkm::cli::FindRequest request;
    std::string message;
    switch (rkm::cli::ParseFind(own, request, message, stderr)) {
    case rkm::cli::FindParse::Ok:
        break;
    case rkm::cli::FindParse::Usage:
        return std::nullopt; // the whole program says what is wrong, with the help
    case rkm::cli::FindParse::BadQuery:
        return 2;
    }
    // A folder that is missing or not one: the whole program says so.
    const std::string programDir = dirGiven ? rkm::NormalizeProgramDir(dir) : rkm::GetProgramDir();
    if (rkm::ProgramDirStateOf(programDir) != rkm::ProgramDirState::Folder)
        return std::nullopt;
    return rkm::cli::FindFromIndex(programDir, request, stdout, stderr);
}

} // namespace

int main(int argc, char **argv)
{
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (args.size() == 1 && args[0] == "--version") {
        std::printf("rackmere-cli %s\n", rkm::PROGRAM_VERSION);
        return 0;
    }
    // What find says to people is in their language, as the whole program's.
    QCoreApplication app(argc, argv);
    rkm::InstallTranslations(QString());
    std::optional<int> status;
    try {
        status = Find(args);
    } catch (const std::exception &) {
        // Whatever went wrong here, the whole program does it properly.
    }
    if (status)
        return *status;
    std::fflush(stdout);
    RunWholeProgram(argv);
}
