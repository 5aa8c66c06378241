#include "scan/Describe.h"

#include "catalog/ListingFile.h"
#include "platform/Text.h"
#include "platform/UniqueFd.h"
#include "scan/Sandbox.h"
#include "scan/Scanner.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <unordered_map>

namespace rkm {

namespace {

bool IsBlank(char c)
{
    return c == ' ' || c == '\t';
}

// A text as a one-line field holds it: control characters (tabs, breaks)
// become spaces, runs of spaces become one, none at either end.
std::string OneSpaced(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    bool space = false;
    for (const char c : text) {
        const bool blank = static_cast<unsigned char>(c) < 0x20 || c == 0x7f || c == ' ';
        if (blank) {
            space = !out.empty();
            continue;
        }
        if (space)
            out += ' ';
        space = false;
        out += c;
    }
    return out;
}

// The text of a description file without what comes before and after the
// lines: a UTF-8 byte order mark, and the DOS end-of-file mark with
// anything after it.
std::string_view Body(std::string_view bytes)
{
    if (bytes.substr(0, 3) == "\xEF\xBB\xBF")
        bytes.remove_prefix(3);
    if (const auto eof = bytes.find('\x1A'); eof != std::string_view::npos)
        bytes = bytes.substr(0, eof);
    return bytes;
}

template <class F> void ForEachLine(std::string_view bytes, F &&f)
{
    while (!bytes.empty()) {
        const auto end = bytes.find('\n');
        std::string_view line = bytes.substr(0, end);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        f(line);
        if (end == std::string_view::npos)
            break;
        bytes.remove_prefix(end + 1);
    }
}

bool NameIs(std::string_view name, std::string_view lowerAscii)
{
    if (name.size() != lowerAscii.size())
        return false;
    for (std::size_t i = 0; i < name.size(); ++i) {
        char c = name[i];
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
        if (c != lowerAscii[i])
            return false;
    }
    return true;
}

std::string Fit(std::string text)
{
    if (text.size() > MAX_TEXT_BYTES)
        text.resize(platform::CutText(text, MAX_TEXT_BYTES).size());
    return text;
}

std::string TwoDigits(long n)
{
    char buf[24];
    std::snprintf(buf, sizeof buf, "%02ld", n);
    return buf;
}

std::string Dimensions(long width, long height)
{
    if (width <= 0 || height <= 0)
        return {};
    return std::to_string(width) + " \xC3\x97 " + std::to_string(height); // ×
}

void AppendPart(std::string &out, std::string_view part, std::string_view separator)
{
    if (part.empty())
        return;
    if (!out.empty())
        out += separator;
    out += part;
}

} // namespace

std::vector<DescriptionLine> ParseDescriptIon(std::string_view bytes)
{
    std::vector<DescriptionLine> lines;
    ForEachLine(Body(bytes), [&](std::string_view line) {
        while (!line.empty() && IsBlank(line.front()))
            line.remove_prefix(1);
        std::string_view name;
        if (!line.empty() && line.front() == '"') {
            const auto close = line.find('"', 1);
            if (close == std::string_view::npos)
                return;
            name = line.substr(1, close - 1);
            line.remove_prefix(close + 1);
        } else {
            std::size_t end = 0;
            while (end < line.size() && !IsBlank(line[end]))
                ++end;
            name = line.substr(0, end);
            line.remove_prefix(end);
        }
        if (name.empty())
            return;
        // A description of several lines ends in 04 C2, its breaks written
        // as \n; other programs keep data of their own after an 04 byte.
        std::string text;
        const auto mark = line.find('\x04');
        if (mark != std::string_view::npos) {
            const bool severalLines = line.substr(mark, 2) == "\x04\xC2";
            line = line.substr(0, mark);
            if (severalLines) {
                for (std::size_t i = 0; i < line.size(); ++i) {
                    if (line[i] == '\\' && i + 1 < line.size() && line[i + 1] == 'n') {
                        text += ' ';
                        ++i;
                    } else if (line[i] == '\\' && i + 1 < line.size() && line[i + 1] == '\\') {
                        text += '\\';
                        ++i;
                    } else {
                        text += line[i];
                    }
                }
                line = text;
            }
        }
        std::string description = OneSpaced(line);
        if (description.empty())
            return;
        lines.push_back(DescriptionLine{std::string(name), Fit(std::move(description))});
    });
    return lines;
}

std::string FileIdDizComment(std::string_view bytes)
{
    std::string comment;
    ForEachLine(Body(bytes), [&](std::string_view line) { AppendPart(comment, OneSpaced(line), " "); });
    return Fit(std::move(comment));
}

int FillDescriptions(FileList &files, const std::vector<DescriptionLine> &lines)
{
    if (lines.empty())
        return 0;
    // The first line of a name counts, as DOS programs read them.
    std::unordered_map<std::string_view, const std::string *> byName, byText;
    for (const DescriptionLine &l : lines)
        byName.emplace(l.name, &l.description);
    std::vector<std::string> lowered; // keeps the keys of byText
    lowered.reserve(lines.size());
    bool textIndexed = false;
    int filled = 0;
    for (int i = 0; i < files.count(); ++i) {
        if (!files.text(i, FT_DESCRIPTION).empty())
            continue;
        const std::string_view name = files.text(i, FT_NAME);
        const std::string *found = nullptr;
        if (const auto it = byName.find(name); it != byName.end()) {
            found = it->second;
        } else {
            if (!textIndexed) {
                for (const DescriptionLine &l : lines) {
                    lowered.push_back(platform::LowerText(l.name));
                    byText.emplace(lowered.back(), &l.description);
                }
                textIndexed = true;
            }
            if (const auto t = byText.find(platform::LowerText(name)); t != byText.end())
                found = t->second;
        }
        if (found) {
            files.setText(i, FT_DESCRIPTION, *found);
            ++filled;
        }
    }
    return filled;
}

MediaKind MediaKindOf(std::string_view fileName)
{
    const auto dot = fileName.rfind('.');
    if (dot == std::string_view::npos || dot == 0 || fileName.size() - dot > 6)
        return MediaKind::None;
    std::string ext(fileName.substr(dot + 1));
    for (char &c : ext)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    static const std::unordered_map<std::string_view, MediaKind> kinds = {
        {"mp3", MediaKind::Audio},  {"mp2", MediaKind::Audio},  {"flac", MediaKind::Audio},
        {"ogg", MediaKind::Audio},  {"oga", MediaKind::Audio},  {"opus", MediaKind::Audio},
        {"spx", MediaKind::Audio},  {"m4a", MediaKind::Audio},  {"m4b", MediaKind::Audio},
        {"aac", MediaKind::Audio},  {"wma", MediaKind::Audio},  {"asf", MediaKind::Audio},
        {"wav", MediaKind::Audio},  {"aif", MediaKind::Audio},  {"aiff", MediaKind::Audio},
        {"ape", MediaKind::Audio},  {"mpc", MediaKind::Audio},  {"wv", MediaKind::Audio},
        {"tta", MediaKind::Audio},  {"jpg", MediaKind::Photo},  {"jpeg", MediaKind::Photo},
        {"jpe", MediaKind::Photo},  {"tif", MediaKind::Photo},  {"tiff", MediaKind::Photo},
        {"png", MediaKind::Photo},  {"heic", MediaKind::Photo}, {"heif", MediaKind::Photo},
        {"webp", MediaKind::Photo}, {"dng", MediaKind::Photo},  {"cr2", MediaKind::Photo},
        {"crw", MediaKind::Photo},  {"nef", MediaKind::Photo},  {"arw", MediaKind::Photo},
        {"orf", MediaKind::Photo},  {"rw2", MediaKind::Photo},  {"raf", MediaKind::Photo},
        {"pef", MediaKind::Photo},  {"srw", MediaKind::Photo},  {"mrw", MediaKind::Photo},
        {"psd", MediaKind::Photo},  {"mp4", MediaKind::Video},  {"m4v", MediaKind::Video},
        {"mkv", MediaKind::Video},  {"webm", MediaKind::Video}, {"avi", MediaKind::Video},
        {"mov", MediaKind::Video},  {"wmv", MediaKind::Video},  {"mpg", MediaKind::Video},
        {"mpeg", MediaKind::Video}, {"vob", MediaKind::Video},  {"ts", MediaKind::Video},
        {"mts", MediaKind::Video},  {"m2ts", MediaKind::Video}, {"flv", MediaKind::Video},
        {"3gp", MediaKind::Video},  {"ogv", MediaKind::Video},
    };
    const auto it = kinds.find(ext);
    return it == kinds.end() ? MediaKind::None : it->second;
}

std::string AudioDescription(const AudioTags &tags)
{
    std::string text = OneSpaced(tags.artist);
    AppendPart(text, OneSpaced(tags.title), " \xE2\x80\x93 "); // –
    std::string more = OneSpaced(tags.album);
    if (tags.year > 0)
        AppendPart(more, std::to_string(tags.year), ", ");
    if (!more.empty())
        AppendPart(text, "(" + more + ")", " ");
    if (tags.seconds > 0)
        AppendPart(text, std::to_string(tags.seconds / 60) + ':' + TwoDigits(tags.seconds % 60), " ");
    return Fit(std::move(text));
}

std::string PhotoDescription(const PhotoTags &tags)
{
    std::string text;
    // "2021:07:14 10:22:31" reads as 2021-07-14 10:22; a date alone stays a date.
    const std::string stamp = OneSpaced(tags.dateTime);
    if (stamp.size() >= 10 && stamp[4] == ':' && stamp[7] == ':') {
        text = stamp.substr(0, 4) + '-' + stamp.substr(5, 2) + '-' + stamp.substr(8, 2);
        if (stamp.size() >= 16 && stamp[10] == ' ' && stamp[13] == ':')
            text += ' ' + stamp.substr(11, 5);
        if (text.find_first_not_of("0123456789-: ") != std::string::npos || text.compare(0, 4, "0000") == 0)
            text.clear(); // a camera with no clock set writes zeros or blanks
    }
    AppendPart(text, OneSpaced(tags.model), ", ");
    AppendPart(text, Dimensions(tags.width, tags.height), ", ");
    return Fit(std::move(text));
}

std::string VideoDescription(const VideoTags &tags)
{
    std::string text;
    if (tags.milliseconds > 0) {
        const int64_t s = tags.milliseconds / 1000;
        text = std::to_string(s / 3600) + ':' + TwoDigits(static_cast<long>(s / 60 % 60)) + ':' +
               TwoDigits(static_cast<long>(s % 60));
    }
    AppendPart(text, Dimensions(tags.width, tags.height), ", ");
    AppendPart(text, OneSpaced(tags.codec), ", ");
    return Fit(std::move(text));
}

std::optional<std::string> ReadSmallFile(int folderFd, std::string_view name, std::size_t limit)
{
    const std::string n(name);
    const platform::UniqueFd file(::openat(folderFd, n.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (!file)
        return std::nullopt;
    const int fd = file.get();
    struct stat st {};
    std::optional<std::string> bytes;
    if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && static_cast<uint64_t>(st.st_size) <= limit) {
        std::string data(static_cast<std::size_t>(st.st_size), '\0');
        std::size_t got = 0;
        while (got < data.size()) {
            const ssize_t r = ::read(fd, data.data() + got, data.size() - got);
            if (r < 0 && errno == EINTR)
                continue;
            if (r <= 0)
                break;
            got += static_cast<std::size_t>(r);
        }
        data.resize(got); // a file that shrank meanwhile gives what is left
        bytes = std::move(data);
    }
    return bytes;
}

void DescribeFolder(int rootFd, const std::string &path, bool mayHideFiles, TreeNode &folderNode,
                    const ScanOptions &options, const ScanControl *control)
{
    TDisk &folder = folderNode.disk();
    FileList &files = folder.Files;
    // What there is to read, from the names alone.
    std::string descriptIon, fileIdDiz;
    bool media = false;
    for (int i = 0; i < files.count(); ++i) {
        const std::string_view name = files.text(i, FT_NAME);
        if (options.descriptions && NameIs(name, "descript.ion"))
            descriptIon = name;
        else if (options.descriptions && NameIs(name, "file_id.diz"))
            fileIdDiz = name;
        else if (options.tags && !media && files.text(i, FT_DESCRIPTION).empty() && MediaKindOf(name) != MediaKind::None)
            media = true;
    }
    const bool hiddenMayBeThere = options.descriptions && mayHideFiles;
    if (descriptIon.empty() && fileIdDiz.empty() && !media && !hiddenMayBeThere)
        return;
    const platform::UniqueFd folderFd(path.empty() ? ::dup(rootFd) : OpenFolderBeneath(rootFd, path));
    if (!folderFd)
        return;
    const int fd = folderFd.get();

    if (options.descriptions) {
        // A hidden description file is not listed; DOS wrote the names in
        // capitals, Linux file systems mostly show them in small letters.
        // Read and parsed by a worker (scan/Sandbox.h); one it could not
        // read gets the note in its own description.
        auto read = [&](const std::string &listed, const char *lower, const char *upper,
                        bool diz) -> std::optional<std::string> {
            SandboxResult r;
            r.status = SandboxResult::Status::Skipped;
            std::string name = listed;
            if (!listed.empty())
                r = SandboxReadDescriptionFile(fd, listed, diz, control);
            else if (mayHideFiles) {
                r = SandboxReadDescriptionFile(fd, name = lower, diz, control);
                if (r.status == SandboxResult::Status::Skipped)
                    r = SandboxReadDescriptionFile(fd, name = upper, diz, control);
            }
            if (r.status == SandboxResult::Status::Done)
                return r.bytes;
            if (r.status != SandboxResult::Status::Skipped && r.status != SandboxResult::Status::Cancelled)
                for (int i = 0; i < files.count(); ++i)
                    if (files.text(i, FT_NAME) == name && files.text(i, FT_DESCRIPTION).empty())
                        files.setText(i, FT_DESCRIPTION, DESCRIPTIONS_READER_STOPPED);
            return std::nullopt;
        };
        const auto packed = read(descriptIon, "descript.ion", "DESCRIPT.ION", false);
        if (const auto lines = packed ? UnpackDescriptIon(*packed) : std::nullopt) {
            FillDescriptions(files, *lines);
            // 4DOS describes the sub-folders too: their comments.
            if (!lines->empty() && folderNode.childCount() > 0) {
                FileList names;
                for (int c = 0; c < folderNode.childCount(); ++c)
                    names.append(FileEntryView{folderNode.child(c)->text(), folderNode.child(c)->disk().Comment,
                                               std::string_view(), std::string_view(), std::string_view()});
                if (FillDescriptions(names, *lines) > 0)
                    for (int c = 0; c < folderNode.childCount(); ++c)
                        folderNode.child(c)->disk().Comment = std::string(names.text(c, FT_DESCRIPTION));
            }
        }
        if (folder.Comment.empty())
            if (const auto comment = read(fileIdDiz, "file_id.diz", "FILE_ID.DIZ", true))
                folder.Comment = *comment;
    }

    if (media) {
        std::vector<int> at;
        std::vector<std::string> names;
        for (int i = 0; i < files.count(); ++i) {
            const std::string_view name = files.text(i, FT_NAME);
            if (files.text(i, FT_DESCRIPTION).empty() && MediaKindOf(name) != MediaKind::None) {
                at.push_back(i);
                names.emplace_back(name);
            }
        }
        // Read by workers (scan/Sandbox.h), never here.
        if (const auto descriptions = SandboxMediaDescriptions(fd, names, control))
            for (std::size_t k = 0; k < at.size(); ++k)
                if (!(*descriptions)[k].empty())
                    files.setText(at[k], FT_DESCRIPTION, (*descriptions)[k]);
    }
}

} // namespace rkm
