#pragma once

#include "catalog/CatalogStore.h"
#include "cli/Args.h"
#include "cli/Lines.h"
#include "platform/Translated.h"
#include "scan/ScanOptions.h"

#include <QDate>
#include <QString>

#include <cstdint>
#include <cstdio>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

class QCoreApplication;

namespace rkm::cli {

// Say, Said and Fill (cli/Lines.h): what rackmere-cli says to people, in
// the user's language.

// Prints a text made for people (translated, UTF-8) to `f`.
inline void Print(std::FILE *f, const std::string &text)
{
    std::fputs(text.c_str(), f);
}
inline void Print(std::FILE *f, const QString &text)
{
    Print(f, Utf8(text));
}

// Exit statuses shared by the commands.
// EXIT_WRONG_DISK: the disk in the drive is another one than the listing's
// (update and verify without --force). EXIT_READ_ONLY: a command that writes
// found the catalogue's lock file impossible to make (a folder it cannot
// write, a full disk), so the catalogue cannot be written.
enum Exit : int {
    EXIT_OK = 0,
    EXIT_FAILED = 1,
    EXIT_USAGE = 2,
    EXIT_WRONG_DISK = 3,
    EXIT_BUSY = 4,
    EXIT_READ_ONLY = 5
};

// What a command does to the catalogue. A command that writes holds the
// catalogue's writer lock while it runs (and may wait for it with --wait
// SECONDS); one that only reads never waits. Its folder is made when missing
// only for a command that writes.
enum class Access { Read, Write };

struct Context {
    std::string programDir;        // ends with '/'
    std::vector<std::string> args; // the command's own arguments
    std::FILE *out = stdout;
    std::FILE *err = stderr;
    bool writes = false; // the command holds the writer lock
};

// The synopsis, help and helpEnd are English texts marked
// QT_TRANSLATE_NOOP("rkm::cli::Say", ...): they are translated where printed.
struct Command {
    const char *name;
    Access access;        // declared by every command: whether it writes
    const char *synopsis; // one line for the program's --help
    const char *help;     // the command's --help text
    int (*run)(Context &);
    const char *helpEnd = ""; // printed after `help` (options several commands share)
};

// Each command file registers its commands with a static Registrar.
std::vector<Command> &Commands();
struct Registrar {
    explicit Registrar(Command c) { Commands().push_back(c); }
};

// A command that draws pages needs Qt's GUI services, not only its core; it
// names itself here with a maker of its application object. Every other
// command runs on a QCoreApplication, without a display.
using AppMaker = QCoreApplication *(*)(int &argc, char **argv);
std::map<std::string, AppMaker> &AppMakers();
// The application object for this command line.
QCoreApplication *MakeApplication(int &argc, char **argv);

// "rackmere-cli NAME: MESSAGE", then the command's help, on standard error;
// returns EXIT_USAGE. `message` is already in the user's language.
int Usage(Context &ctx, const std::string &message, const Command &cmd);
// A command's --help text in the user's language (the command's `help` and
// `helpEnd`, marked QT_TRANSLATE_NOOP("rkm::cli::Say", ...) in its table);
// a command that writes tells of --wait and exit 4.
std::string HelpText(const Command &cmd);

// Update's work on one listing, for update and watch --update-known: the
// disk checked (--force: `force`), read again with `options` and the listing
// replaced. Why it was not is told on standard error as "rackmere-cli WHO:
// ..."; returns update's exit status, and the new listing in `made`.
// `readAt`: the mount point of now of a disk whose volume was recognised
// mounted elsewhere than the listing's root path; it is read there, with
// no check of the root path.
int UpdateOne(Context &ctx, const char *who, CatalogStore &store, TreeNode *old, const ScanOptions &options,
              bool force, bool reread, const TreeNode **made = nullptr, const std::string &readAt = {});

// The reading choices of add and update: --archives, --descriptions, --tags
// turn one on, --no-archives, --no-descriptions, --no-tags turn it off; a
// choice not named keeps its value in `options`. False, with `error` set,
// when one is both turned on and off.
extern const std::vector<std::string> READING_FLAGS;
bool ApplyReadingFlags(const Args &args, ScanOptions &options, std::string &error);
// The help text of those flags (marked for translation; show it with Said()).
extern const char READING_FLAGS_HELP[];

// Loads the catalogue as the desktop program does at start: errors go to
// standard error, one line each. Returns false when any listing failed.
bool Load(Context &ctx, CatalogStore &store);
// Brings the search index up to date with the listings when it goes: a
// command that writes makes one right after its store, so the index follows
// what it saved (or deleted), whichever way the command ends. Quiet: the
// index is a cache, and a failure to write it costs nothing else.
class IndexRefresh final {
public:
    IndexRefresh(const Context &ctx, const CatalogStore &store) : m_ctx(ctx), m_store(store) {}
    ~IndexRefresh();
    IndexRefresh(const IndexRefresh &) = delete;
    IndexRefresh &operator=(const IndexRefresh &) = delete;

private:
    const Context &m_ctx;
    const CatalogStore &m_store;
};
// What a listing named on the command line is: its file's bare name
// (2631.rkm), the name the listing is shown by ("Archives (2631.rkm)"), or a
// disk name. Names are matched as texts, letter case counting: a name typed
// in UTF-8 finds the same name stored in Windows-1252 (a listing made on
// Windows). `found` is the listing, or null; `candidates` every listing of
// the name when several have it (found is then null).
struct ListingMatch {
    TreeNode *found = nullptr;
    std::vector<TreeNode *> candidates;
};
ListingMatch MatchListing(const CatalogStore &store, const std::string &which);
// The listing an argument names. When there is none, it says so on standard
// error, sets `status` to `notFound` and returns null; when the name fits
// several listings, it lists them by their files on standard error, sets
// `status` to EXIT_USAGE and returns null.
TreeNode *ListingArgument(Context &ctx, const Command &cmd, const CatalogStore &store, const std::string &which,
                          int &status, int notFound = EXIT_FAILED);
// The child folder of `folder` of that name (matched as texts, as a disk name is), or null.
TreeNode *FindFolder(const TreeNode &folder, std::string_view name);
// The index of the file entry of `folder` of that name, or -1.
int FindFileEntry(const TDisk &folder, std::string_view name);

// A text typed on the command line as it is stored: UTF-8 (bytes that are not
// UTF-8 are read as Windows-1252).
std::string Typed(std::string_view text);
// Refuses a typed text longer than a listing holds: tells so on standard
// error and returns false.
bool FitsListing(Context &ctx, const Command &cmd, const char *what, std::string_view text);
// Tells, on standard error, which texts the saves of `store` cut because
// they were longer than a listing holds.
void ReportShortened(Context &ctx, const Command &cmd, CatalogStore &store);

// The names disks are shown by (Catalog::displayName: a name that repeats
// with its listing file), each worked out once: a search prints a disk's
// name for every match in it.
class DiskNames final {
public:
    explicit DiskNames(const Catalog &catalog) : m_catalog(catalog) {}
    const std::string &of(const TreeNode &disk);

private:
    const Catalog &m_catalog;
    std::unordered_map<const TreeNode *, std::string> m_names;
};

// A disk or folder node (entry -1) or a file entry as a line: the disk's
// name as `names` shows it and the folder names joined by '/' and ending in
// '/', then the file name.
std::string EntryLine(DiskNames &names, const TreeNode *node, int entry);
// The same as a JSON object with the keys listing, disk, folders (names
// below the disk), file and index (null for a disk or folder).
std::string EntryJson(const TreeNode *node, int entry);

} // namespace rkm::cli
