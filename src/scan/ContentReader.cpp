#include "scan/ContentReader.h"

#include "platform/UniqueFd.h"
#include "scan/ContentReading.h"
#include "scan/Sandbox.h"
#include "scan/Scanner.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>

namespace rkm::walk {

namespace {

bool stopping(const ScanControl *control)
{
    return control && control->cancelled();
}

// A record waiting for its picture.
struct Waiting {
    ContentRecord record;
    bool kept = false;
    std::string name; // in the folder; empty when no picture is to be made
};

} // namespace

void ReadFolderContents(const FolderTask &task, const FolderContents &contents, const ScanOptions &options,
                        ContentSink &sink, ScanControl *control)
{
    const int dirFd = contents.dirFd.get();
    if (dirFd < 0 || !(options.fingerprints || options.pictures))
        return;
    const std::string prefix = task.path.empty() ? std::string() : StoredName(task.path) + '/';
    std::vector<Waiting> waiting;
    std::vector<std::string> pictureNames;
    for (const FolderContents::Entry &e : contents.entries) {
        if (e.folder || !e.regular)
            continue;
        if (stopping(control))
            return;
        const std::string_view name = contents.name(e);
        const bool wantsPicture = options.pictures && PictureKindOf(name) != PictureKind::None;
        if (!options.fingerprints && !wantsPicture)
            continue;
        const std::string file(name);
        std::string path = prefix + StoredName(name);
        const platform::UniqueFd fd(::openat(dirFd, file.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
        struct stat st {};
        if (!fd || ::fstat(fd.get(), &st) != 0) {
            const int error = errno;
            sink.unreadable(std::move(path), error);
            continue;
        }
        if (!S_ISREG(st.st_mode))
            continue; // replaced since it was listed
        Waiting w;
        w.record.path = std::move(path);
        w.record.size = static_cast<uint64_t>(st.st_size);
        w.record.modifiedNs = static_cast<int64_t>(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec;
        if (const ContentRecord *before = sink.unchanged(w.record.path, w.record.size, w.record.modifiedNs)) {
            if (options.fingerprints && before->fingerprint) {
                w.record.fingerprint = before->fingerprint;
                w.kept = true;
                if (control)
                    control->contentRead(w.record.size); // counted as read, for the progress
            }
            if (wantsPicture && (!before->picture.empty() || before->pictureKept)) {
                w.record.picture = before->picture;
                w.record.pictureKept = before->pictureKept;
                w.kept = true;
            }
        }
        if (options.fingerprints && !w.record.fingerprint) {
            int error = 0;
            w.record.fingerprint = FingerprintOfFile(fd.get(), error, control ? control->contentCounter() : nullptr,
                                                     control ? control->stopFlag() : nullptr);
            if (!w.record.fingerprint) {
                if (error == ECANCELED || stopping(control))
                    return;
                // An I/O error ends this file only.
                sink.unreadable(std::move(w.record.path), error);
                continue;
            }
        }
        if (wantsPicture && w.record.picture.empty() && !w.record.pictureKept) {
            w.name = file;
            pictureNames.push_back(file);
        }
        if (w.name.empty()) {
            if (w.record.fingerprint || !w.record.picture.empty() || w.record.pictureKept)
                sink.add(std::move(w.record), w.kept);
        } else {
            waiting.push_back(std::move(w));
        }
    }
    if (waiting.empty())
        return;
    const std::optional<std::vector<PictureAnswer>> answers = SandboxPictures(dirFd, pictureNames, control);
    if (!answers || stopping(control))
        return;
    for (std::size_t i = 0; i < waiting.size(); ++i) {
        Waiting &w = waiting[i];
        if (i < answers->size())
            w.record.picture = std::move((*answers)[i].jpeg);
        if (w.record.fingerprint || !w.record.picture.empty() || w.record.pictureKept)
            sink.add(std::move(w.record), w.kept);
    }
}

} // namespace rkm::walk
