#include "scan/FolderBuilder.h"

#include "catalog/Disks.h"
#include "catalog/ListingFile.h"
#include "platform/Text.h"
#include "scan/Archive.h"
#include "scan/Describe.h"
#include "scan/Sandbox.h"
#include "scan/Scanner.h"

#include <optional>
#include <string>

namespace rkm {

namespace {

void addFile(FileList &files, std::string_view name, uint64_t size, int64_t modified)
{
    // FileList stores a line feed as '?'; a carriage return is mended here.
    std::string mended;
    std::string_view stored(name);
    if (name.find('\r') != std::string_view::npos) {
        mended = StoredName(name);
        stored = mended;
    }
    const std::string date = platform::DateText(modified);
    const std::string sizeText = platform::SizeText(size);
    files.append(FileEntryView{stored, std::string_view(), date, sizeText, std::string_view()});
}

} // namespace

std::string StoredName(std::string_view name)
{
    std::string s(name);
    for (char &c : s)
        if (c == '\r' || c == '\n')
            c = '?';
    return s;
}

namespace walk {

bool FolderBuilder::stopping() const
{
    return m_control && m_control->cancelled();
}

void FolderBuilder::build(const FolderTask &task, const FolderContents &contents, std::vector<FolderTask> &found) const
{
    TreeNode &node = *task.node;
    FileList &files = node.disk().Files;
    node.reserveChildren(static_cast<std::size_t>(contents.folders));
    for (const FolderContents::Entry &e : contents.entries) {
        const std::string_view name = contents.name(e);
        if (e.folder) {
            TreeNode *child = node.appendChild(StoredName(name));
            if (task.depth + 1 < MAX_FOLDER_DEPTH)
                found.push_back(FolderTask{child,
                                           task.path.empty() ? std::string(name) : task.path + '/' + std::string(name),
                                           contents.device, task.depth + 1, contents.attributes, contents.pastMount});
            continue;
        }
        addFile(files, name, e.size, e.modified);
        // An archive is a folder too, among the others in their order.
        if (m_options.archives && e.regular && contents.dirFd && task.depth + 1 < MAX_FOLDER_DEPTH)
            listArchive(task, contents.dirFd.get(), name, node);
    }
    files.shrinkToFit();
}

// Lists an archive of the folder as a folder node named like it, when it is
// one that can be read; nothing is unpacked. An archive that cannot be read
// stays a file only; one whose reader stopped or took too long is an empty
// folder that says so.
void FolderBuilder::listArchive(const FolderTask &task, int dirFd, std::string_view name, TreeNode &node) const
{
    const std::string file(name);
    std::optional<ArchiveContents> contents;
    std::string note;
    {
        const platform::UniqueFd fd = OpenIfArchive(dirFd, file.c_str());
        if (!fd)
            return;
        if (m_control)
            m_control->readingFolder(task.path.empty() ? file : task.path + '/' + file);
        contents = SandboxReadArchive(fd.get(), name, m_control, note);
    }
    if (!contents && !note.empty() && !stopping()) {
        node.appendChild(StoredName(name))->disk().Comment = note;
        if (m_control)
            m_control->found(1, 0, 0, std::string_view());
        return;
    }
    if (!contents)
        return;
    TreeNode *folder = node.appendChild(StoredName(name));
    const int depth = task.depth + 1;
    const ArchiveCounts counts = BuildArchiveFolder(*folder, *contents, MAX_FOLDER_DEPTH - 1 - depth);
    folder->disk().Comment = contents->incomplete;
    // A file_id.diz at the archive's root describes the archive, unless the
    // list is incomplete: that note comes first.
    if (m_options.descriptions && contents->fileIdDiz && folder->disk().Comment.empty())
        folder->disk().Comment = FileIdDizComment(*contents->fileIdDiz);
    if (m_control)
        m_control->found(counts.folders + 1, counts.files, 0, std::string_view());
}

} // namespace walk
} // namespace rkm
