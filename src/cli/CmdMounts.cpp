// online and watch: the listings whose disks are mounted now, and the disks
// as they come and go.
#include "cli/Cli.h"

#include "catalog/Presence.h"
#include "catalog/WriterLock.h"
#include "mounts/DiskPresence.h"
#include "mounts/MountFollower.h"
#include "scan/ListingOptions.h"

#include <QCoreApplication>
#include <QSocketNotifier>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <sys/signalfd.h>
#include <unistd.h>

namespace rkm::cli {

namespace {

int runOnline(Context &ctx);
int runWatch(Context &ctx);

const Command onlineCmd{"online", Access::Read,
                        QT_TRANSLATE_NOOP("rkm::cli::Say", "list the listings whose disks are mounted now"),
                        QT_TRANSLATE_NOOP("rkm::cli::Say",
                        "Usage: rackmere-cli online [--json]\n"
                        "\n"
                        "Prints every listing whose disk is mounted now, one a line: the name the\n"
                        "listing is shown by, a tab and where its disk is mounted. A disk is known\n"
                        "again by its file system's UUID (kept with the listing when it was added or\n"
                        "last updated), or, for a listing made on Windows, by its serial number; a\n"
                        "label never tells it. The mounts are asked of udisks2 where it runs, else\n"
                        "read from the mount table.\n"
                        "\n"
                        "  --json   print an array of objects with the keys name, file, mountPoint,\n"
                        "           uuid and label\n"),
                        runOnline};
const Registrar onlineReg(onlineCmd);

const Command watchCmd{"watch", Access::Read,
                       QT_TRANSLATE_NOOP("rkm::cli::Say", "follow disks as they are mounted and unmounted"),
                       QT_TRANSLATE_NOOP("rkm::cli::Say",
                       "Usage: rackmere-cli watch [--update-known] [--json]\n"
                       "\n"
                       "Follows the volumes as they are mounted and unmounted until it is ended\n"
                       "(Ctrl+C, or the signal TERM), and prints a line for each:\n"
                       "\n"
                       "  mounted MOUNTPOINT (LABEL): LISTING, LISTING\n"
                       "  mounted MOUNTPOINT (LABEL): not catalogued\n"
                       "  unmounted MOUNTPOINT\n"
                       "\n"
                       "  --update-known   update at once a listing of a mounted disk that is set to\n"
                       "                   be updated when its disk is mounted (on-mount: update,\n"
                       "                   set in the desktop program's listing properties), as\n"
                       "                   'rackmere-cli update' does, and print 'updated LISTING'\n"
                       "                   (or 'not updated LISTING', the reason on standard error).\n"
                       "                   Each update takes the catalogue's writer lock while it\n"
                       "                   runs, waiting up to a minute for it.\n"
                       "  --json           print one JSON object a line instead, with the keys event\n"
                       "                   (mounted, unmounted, updated, not-updated), mountPoint,\n"
                       "                   uuid and label, and listings (objects with the keys name\n"
                       "                   and file) for mounted, name and file for an update\n"
                       "\n"
                       "Nothing is read while nothing changes: the mounts are told by udisks2, or by\n"
                       "the kernel when it runs without udisks2. A listing added meanwhile is known\n"
                       "at the next mount.\n"),
                       runWatch};
const Registrar watchReg(watchCmd);

// The catalogue's disks are left to the system at the end of a command;
// watch loads it again and again, so it frees what it loads.
class FreeingListings final {
public:
    FreeingListings() : m_was(ProcessEnding()) { SetProcessEnding(false); }
    ~FreeingListings() { SetProcessEnding(m_was); }
    FreeingListings(const FreeingListings &) = delete;
    FreeingListings &operator=(const FreeingListings &) = delete;

private:
    bool m_was;
};

std::string VolumeText(const MountedVolume &volume)
{
    std::string text = Shown(volume.mountPoint);
    if (!volume.label.empty())
        text += " (" + Shown(volume.label) + ")";
    return text;
}

std::string VolumeJson(const char *event, const MountedVolume &volume)
{
    return std::string("{\"event\":\"") + event + "\",\"mountPoint\":" + Json(volume.mountPoint) +
           ",\"uuid\":" + Json(volume.uuid) + ",\"label\":" + Json(volume.label);
}

void PrintLine(Context &ctx, const std::string &line)
{
    std::fprintf(ctx.out, "%s\n", line.c_str());
    std::fflush(ctx.out);
}

int runOnline(Context &ctx)
{
    const Command &self = onlineCmd;
    Args a(ctx.args, {}, {"--json"});
    if (!a.ok())
        return Usage(ctx, a.error(), self);
    if (!a.positional().empty())
        return Usage(ctx, Utf8(Say::tr("online takes no listing")), self);
    CatalogStore store(ctx.programDir);
    Load(ctx, store);
    const DiskPresence presence(store, FollowMounts());
    DiskNames names(store.Tree());
    const bool json = a.has("--json");
    std::string text = json ? "[" : "";
    bool first = true;
    for (const auto &[disk, volume] : presence.online()) {
        if (json) {
            text += std::string(first ? "\n  " : ",\n  ") + "{\"name\":" + Json(names.of(*disk)) +
                    ",\"file\":" + Json(disk->disk().FileName) + ",\"mountPoint\":" + Json(volume.mountPoint) +
                    ",\"uuid\":" + Json(volume.uuid) + ",\"label\":" + Json(volume.label) + "}";
        } else {
            text += Shown(names.of(*disk)) + "\t" + Shown(volume.mountPoint) + "\n";
        }
        first = false;
    }
    if (json)
        text += first ? "]\n" : "\n]\n";
    std::fputs(text.c_str(), ctx.out);
    return EXIT_OK;
}

class Watcher final {
public:
    Watcher(Context &ctx, bool json, bool updateKnown) : m_ctx(ctx), m_json(json), m_updateKnown(updateKnown) {}

    void mounted(const MountedVolume &volume)
    {
        const FreeingListings freeing;
        // The catalogue as it is now: the desktop program may have added a
        // listing since the last mount.
        CatalogStore store(m_ctx.programDir);
        Load(m_ctx, store);
        DiskMatcher matcher;
        const Catalog &tree = store.Tree();
        for (int i = 0; i < tree.diskCount(); ++i)
            matcher.add(tree.disk(i), IdentityOf(tree.disk(i)->disk(), store.ExtrasOf(tree.disk(i))));
        const std::vector<const TreeNode *> disks = matcher.match(volume);
        DiskNames names(tree);
        // For people the line names the listings, for scripts (--json) the listings' names and files.
        std::string listings;
        for (std::size_t i = 0; i < disks.size(); ++i) {
            const std::string &name = names.of(*disks[i]);
            if (m_json)
                listings += std::string(i ? "," : "") + "{\"name\":" + Json(name) +
                            ",\"file\":" + Json(disks[i]->disk().FileName) + "}";
            else
                listings += (i ? ", " : "") + Shown(name);
        }
        if (m_json)
            PrintLine(m_ctx, VolumeJson("mounted", volume) + ",\"listings\":[" + listings + "]}");
        else if (disks.empty())
            PrintLine(m_ctx, Fill(Say::tr("mounted %1: not catalogued"), {VolumeText(volume)}));
        else
            PrintLine(m_ctx, Fill(Say::tr("mounted %1: %2"), {VolumeText(volume), listings}));
        if (!m_updateKnown)
            return;
        for (const TreeNode *disk : disks)
            if (OnMountOf(store.ExtrasOf(disk)) == OnMount::Update)
                update(disk->disk().FileName, names.of(*disk), volume);
    }

    void unmounted(const MountedVolume &volume)
    {
        PrintLine(m_ctx, m_json ? VolumeJson("unmounted", volume) + "}"
                                : Fill(Say::tr("unmounted %1"), {Shown(volume.mountPoint)}));
    }

private:
    // Updates the listing in file `file` as update does, under the writer
    // lock, taken for this update alone.
    void update(const std::string &file, const std::string &name, const MountedVolume &volume)
    {
        Context ctx = m_ctx;
        ctx.writes = true;
        WriterLock lock(ctx.programDir);
        bool updated = false;
        const WriterLock::State state = lock.take(60'000);
        if (state == WriterLock::State::Busy) {
            const qint64 pid = lock.holderPid();
            const std::string why =
                pid > 0 ? Fill(Say::tr("%1 was not updated: the catalogue in %2 is in use by Rackmere (process %3)"),
                               {Shown(name), ctx.programDir, std::to_string(pid)})
                        : Fill(Say::tr("%1 was not updated: the catalogue in %2 is in use by Rackmere"),
                               {Shown(name), ctx.programDir});
            std::fprintf(ctx.err, "rackmere-cli watch: %s\n", why.c_str());
        } else if (state == WriterLock::State::Unavailable) {
            std::fprintf(ctx.err, "rackmere-cli watch: %s\n",
                         Fill(Say::tr("%1 was not updated: the catalogue in %2 cannot be written: %3"),
                              {Shown(name), ctx.programDir, lock.reason()})
                             .c_str());
        } else {
            updated = updateLocked(ctx, file, name, volume);
        }
        if (m_json)
            PrintLine(m_ctx, std::string("{\"event\":\"") + (updated ? "updated" : "not-updated") +
                                 "\",\"name\":" + Json(name) + ",\"file\":" + Json(file) + "}");
        else
            PrintLine(m_ctx, Fill(updated ? Say::tr("updated %1") : Say::tr("not updated %1"), {Shown(name)}));
    }

    bool updateLocked(Context &ctx, const std::string &file, const std::string &name, const MountedVolume &volume)
    {
        CatalogStore store(ctx.programDir);
        const IndexRefresh refresh(ctx, store);
        Load(ctx, store);
        const ListingMatch match = MatchListing(store, file);
        if (!match.found) {
            std::fprintf(ctx.err, "rackmere-cli watch: %s\n",
                         Fill(Say::tr("%1 was not updated: its listing %2 is gone"), {Shown(name), file}).c_str());
            return false;
        }
        TreeNode *old = match.found;
        // A listing of a whole volume is read where its disk is mounted now,
        // wherever that is: the volume was recognised by its identity. A
        // sub-folder listing is read at its own path, which lies on it.
        std::string root = old->disk().RootPath;
        while (root.size() > 1 && root.back() == '/')
            root.pop_back();
        const bool elsewhere = old->disk().SerialNumber != 0 && root != volume.mountPoint;
        const TreeNode *fresh = nullptr;
        UpdateOne(ctx, "watch", store, old, ScanOptionsFor(store, old), false, false, &fresh,
                  elsewhere ? volume.mountPoint : std::string());
        if (fresh)
            ReportShortened(ctx, watchCmd, store);
        return fresh != nullptr;
    }

    Context &m_ctx;
    bool m_json, m_updateKnown;
};

int runWatch(Context &ctx)
{
    const Command &self = watchCmd;
    Args a(ctx.args, {}, {"--json", "--update-known"});
    if (!a.ok())
        return Usage(ctx, a.error(), self);
    if (!a.positional().empty())
        return Usage(ctx, Utf8(Say::tr("watch takes no listing")), self);
    // INT and TERM end the loop below, read from a signalfd: blocked before
    // any thread of the follower starts, so that none of them takes them.
    sigset_t ending;
    sigemptyset(&ending);
    sigaddset(&ending, SIGINT);
    sigaddset(&ending, SIGTERM);
    sigaddset(&ending, SIGHUP);
    pthread_sigmask(SIG_BLOCK, &ending, nullptr);
    const int endings = ::signalfd(-1, &ending, SFD_CLOEXEC | SFD_NONBLOCK);
    if (endings < 0) {
        const std::string reason = std::strerror(errno);
        std::fprintf(ctx.err, "rackmere-cli watch: %s\n",
                     Fill(Say::tr("cannot wait for the signals that end it: %1"), {reason}).c_str());
        return EXIT_FAILED;
    }
    QSocketNotifier endNotifier(static_cast<qintptr>(endings), QSocketNotifier::Read);
    QObject::connect(&endNotifier, &QSocketNotifier::activated, [endings] {
        signalfd_siginfo info{};
        while (::read(endings, &info, sizeof info) == static_cast<ssize_t>(sizeof info)) {
        }
        QCoreApplication::quit();
    });

    const std::unique_ptr<MountFollower> follower = FollowMounts();
    Watcher watcher(ctx, a.has("--json"), a.has("--update-known"));
    QObject::connect(follower.get(), &MountFollower::mounted, follower.get(),
                     [&](const MountedVolume &volume) {
                         // A catalogue that cannot be read now is told; the next mount reads it again.
                         try {
                             watcher.mounted(volume);
                         } catch (const std::exception &e) {
                             std::fprintf(ctx.err, "rackmere-cli watch: %s\n", e.what());
                         }
                     });
    QObject::connect(follower.get(), &MountFollower::unmounted, follower.get(),
                     [&](const MountedVolume &volume) { watcher.unmounted(volume); });
    QCoreApplication::exec();
    ::close(endings);
    return EXIT_OK;
}

} // namespace

} // namespace rkm::cli
