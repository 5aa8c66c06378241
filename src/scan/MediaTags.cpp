// The readers of media tags: TagLib for audio, Exiv2 for photos, MediaInfo
// for videos. Each reads a file that is already open, so nothing here opens
// a FIFO or a device, or follows a name that changed meanwhile.

#include "scan/Describe.h"

#include "platform/UniqueFd.h"

#include <QString>

#include <exiv2/exiv2.hpp>
// MediaInfo is loaded when the first video is read, not with the program: it
// brings some thirty libraries of its own (network, TLS, Kerberos), whose
// loading would cost every start of rackmere-cli 25 ms.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wunused-function"
#pragma GCC diagnostic ignored "-Wunused-parameter"
#pragma GCC diagnostic ignored "-Wconversion"
#pragma GCC diagnostic ignored "-Wsign-conversion"
#pragma GCC diagnostic ignored "-Wshadow"
#pragma GCC diagnostic ignored "-Wpedantic"
#pragma GCC diagnostic ignored "-Wold-style-cast"
#pragma GCC diagnostic ignored "-Wcast-function-type"
#include <MediaInfoDLL/MediaInfoDLL.h>
#pragma GCC diagnostic pop
#include <taglib/fileref.h>
#include <taglib/tfilestream.h>
#include <taglib/tpropertymap.h>
#include <taglib/tag.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <mutex>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace rkm {

namespace {

// A file of the folder opened for reading its tags: only a regular file, not
// touching its access time where the owner allows it.
class OpenMedia final {
public:
    OpenMedia(int folderFd, const std::string &name)
    {
        constexpr int flags = O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC;
        m_fd.reset(::openat(folderFd, name.c_str(), flags | O_NOATIME));
        if (!m_fd && errno == EPERM)
            m_fd.reset(::openat(folderFd, name.c_str(), flags));
        struct stat st {};
        if (m_fd && (::fstat(m_fd.get(), &st) != 0 || !S_ISREG(st.st_mode)))
            m_fd.reset();
        m_size = m_fd ? st.st_size : 0;
    }

    // A copy of a file already open, when it is a regular file.
    explicit OpenMedia(int fd)
    {
        struct stat st {};
        if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode))
            m_fd.reset(::fcntl(fd, F_DUPFD_CLOEXEC, 0));
        m_size = m_fd ? st.st_size : 0;
    }

    int fd() const { return m_fd.get(); }
    int64_t size() const { return m_size; }
    // A path that opens this very file again.
    std::string path() const { return "/proc/self/fd/" + std::to_string(m_fd.get()); }

private:
    platform::UniqueFd m_fd;
    int64_t m_size = 0;
};

std::string Utf8(const TagLib::String &s)
{
    return s.to8Bit(true);
}

// The most of one file TagLib reads. Where a file has no tag where its
// format puts one (an MP3 of zeros), TagLib searches the file for a frame
// or a tag; past this it finds the end instead.
constexpr unsigned long kMostTagBytesRead = 16UL * 1024 * 1024;

// TagLib's stream over an open file, under the file's own name, so TagLib
// picks its reader by the extension; it reads no more than
// kMostTagBytesRead in all.
class NamedStream final : public TagLib::IOStream {
public:
    NamedStream(int fd, const std::string &name) : m_file(fd, true), m_name(name) {}
    TagLib::FileName name() const override { return m_name.c_str(); }
    TagLib::ByteVector readBlock(unsigned long length) override
    {
        length = std::min(length, kMostTagBytesRead - m_read);
        if (length == 0)
            return {};
        TagLib::ByteVector block = m_file.readBlock(length);
        m_read += block.size();
        return block;
    }
    void writeBlock(const TagLib::ByteVector &) override {}
    void insert(const TagLib::ByteVector &, unsigned long, unsigned long) override {}
    void removeBlock(unsigned long, unsigned long) override {}
    bool readOnly() const override { return true; }
    bool isOpen() const override { return m_file.isOpen(); }
    void seek(long offset, Position p) override { m_file.seek(offset, p); }
    void clear() override { m_file.clear(); }
    long tell() const override { return m_file.tell(); }
    long length() override { return m_file.length(); }
    void truncate(long) override {}

private:
    TagLib::FileStream m_file;
    std::string m_name;
    unsigned long m_read = 0;
};

bool endsWithNoCase(std::string_view s, std::string_view suffix)
{
    if (s.size() < suffix.size())
        return false;
    s = s.substr(s.size() - suffix.size());
    for (std::size_t i = 0; i < s.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(s[i])) != suffix[i])
            return false;
    return true;
}

// Whether an MPEG audio file has something where its tags or frames are: an
// ID3v2 tag or a frame's sync bits within its first 64 KiB, an ID3v1 or APE
// tag at its end. A file without (an MP3 of zeros) is not handed to TagLib,
// which would search it through for a frame.
bool MayHoldMpegAudio(const OpenMedia &file)
{
    std::string head(64 * 1024, '\0');
    const ssize_t n = ::pread(file.fd(), head.data(), head.size(), 0);
    if (n <= 0)
        return false;
    head.resize(static_cast<std::size_t>(n));
    if (head.compare(0, 3, "ID3") == 0)
        return true;
    for (std::size_t i = 0; i + 1 < head.size(); ++i)
        if (static_cast<unsigned char>(head[i]) == 0xFF && (static_cast<unsigned char>(head[i + 1]) & 0xE0) == 0xE0)
            return true;
    char tail[160];
    if (file.size() < static_cast<int64_t>(sizeof tail))
        return false;
    if (::pread(file.fd(), tail, sizeof tail, file.size() - static_cast<int64_t>(sizeof tail)) !=
        static_cast<ssize_t>(sizeof tail))
        return false;
    const std::string_view end(tail, sizeof tail);
    return end.substr(32, 3) == "TAG" || end.substr(128, 8) == "APETAGEX" || end.substr(0, 8) == "APETAGEX";
}

std::string ReadAudio(const OpenMedia &file, const std::string &name)
{
    if ((endsWithNoCase(name, ".mp3") || endsWithNoCase(name, ".mp2")) && !MayHoldMpegAudio(file))
        return {};
    // TagLib's stream takes the handle over and closes it.
    const int fd = ::dup(file.fd());
    if (fd < 0)
        return {};
    NamedStream stream(fd, name);
    if (!stream.isOpen())
        return {};
    const TagLib::FileRef ref(&stream, true, TagLib::AudioProperties::Fast);
    if (ref.isNull() || !ref.file()->isValid())
        return {};
    AudioTags tags;
    if (const TagLib::Tag *tag = ref.tag()) {
        tags.artist = Utf8(tag->artist());
        tags.title = Utf8(tag->title());
        tags.album = Utf8(tag->album());
        tags.year = tag->year();
    }
    if (const TagLib::AudioProperties *audio = ref.audioProperties())
        tags.seconds = audio->lengthInSeconds();
    return AudioDescription(tags);
}

#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations" // Exiv2 0.27 hands out std::auto_ptr

std::string ExifText(const Exiv2::ExifData &exif, const char *key)
{
    const auto it = exif.findKey(Exiv2::ExifKey(key));
    return it == exif.end() ? std::string() : it->toString();
}

long ExifNumber(const Exiv2::ExifData &exif, const char *key)
{
    const auto it = exif.findKey(Exiv2::ExifKey(key));
    return it == exif.end() || it->count() == 0 ? 0 : static_cast<long>(it->toLong());
}

std::string ReadPhoto(const OpenMedia &file)
{
    try {
        Exiv2::Image::AutoPtr image = Exiv2::ImageFactory::open(file.path());
        if (!image.get())
            return {};
        image->readMetadata();
        const Exiv2::ExifData &exif = image->exifData();
        PhotoTags tags;
        tags.dateTime = ExifText(exif, "Exif.Photo.DateTimeOriginal");
        if (tags.dateTime.empty())
            tags.dateTime = ExifText(exif, "Exif.Image.DateTime");
        tags.model = ExifText(exif, "Exif.Image.Model");
        if (tags.model.empty())
            tags.model = ExifText(exif, "Exif.Image.Make");
        tags.width = image->pixelWidth();
        tags.height = image->pixelHeight();
        if (tags.width <= 0 || tags.height <= 0) {
            tags.width = ExifNumber(exif, "Exif.Photo.PixelXDimension");
            tags.height = ExifNumber(exif, "Exif.Photo.PixelYDimension");
        }
        return PhotoDescription(tags);
    } catch (...) {
        return {}; // Exiv2 throws on files it cannot read
    }
}

#pragma GCC diagnostic pop

std::string Utf8(const MediaInfoDLL::String &s)
{
    return QString::fromStdWString(s).toStdString();
}

long Number(const MediaInfoDLL::String &s)
{
    return s.empty() ? 0 : static_cast<long>(QString::fromStdWString(s).toDouble());
}

std::string ReadVideo(const OpenMedia &file)
{
    using namespace MediaInfoDLL;
    // Loaded once, before any thread makes a reader: the loading itself is
    // not safe from two threads at once.
    static std::once_flag loaded;
    std::call_once(loaded, [] { MediaInfoDLL_Load(); });
    MediaInfo info;
    if (!info.IsReady())
        return {}; // MediaInfo is not installed: videos stay undescribed
    info.Option(__T("ParseSpeed"), __T("0"));
    const auto size = static_cast<MediaInfo_int64u>(file.size());
    info.Open_Buffer_Init(size, 0);
    std::vector<unsigned char> buffer(64 * 1024);
    MediaInfo_int64u read = 0;
    // Bounded: a file whose headers do not tell its length within a few
    // MiB read is left without them.
    constexpr MediaInfo_int64u kMostRead = 16 * 1024 * 1024;
    for (;;) {
        const ssize_t n = ::read(file.fd(), buffer.data(), buffer.size());
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        read += static_cast<MediaInfo_int64u>(n);
        const std::size_t status = info.Open_Buffer_Continue(buffer.data(), static_cast<std::size_t>(n));
        if ((status & 0x08) || read > kMostRead) // finished
            break;
        const MediaInfo_int64u next = info.Open_Buffer_Continue_GoTo_Get();
        if (next != static_cast<MediaInfo_int64u>(-1)) {
            if (::lseek(file.fd(), static_cast<off_t>(next), SEEK_SET) < 0)
                break;
            info.Open_Buffer_Init(size, next);
        }
    }
    info.Open_Buffer_Finalize();
    if (info.Count_Get(Stream_Video) == 0)
        return {};
    VideoTags tags;
    tags.milliseconds = static_cast<int64_t>(QString::fromStdWString(info.Get(Stream_General, 0, __T("Duration"))).toDouble());
    tags.width = Number(info.Get(Stream_Video, 0, __T("Width")));
    tags.height = Number(info.Get(Stream_Video, 0, __T("Height")));
    tags.codec = Utf8(info.Get(Stream_Video, 0, __T("Format")));
    return VideoDescription(tags);
}

void InitialiseReaders()
{
    static std::once_flag once;
    std::call_once(once, [] {
        // Exiv2's XMP toolkit is set up once before threads use it; its
        // warnings about odd files go nowhere.
        Exiv2::XmpParser::initialize();
        Exiv2::LogMsg::setLevel(Exiv2::LogMsg::mute);
    });
}

std::string describe(const OpenMedia &file, const std::string &n, MediaKind kind)
{
    InitialiseReaders();
    if (file.fd() < 0)
        return {};
    switch (kind) {
    case MediaKind::Audio:
        return ReadAudio(file, n);
    case MediaKind::Photo:
        return ReadPhoto(file);
    case MediaKind::Video:
        return ReadVideo(file);
    case MediaKind::None:
        break;
    }
    return {};
}

} // namespace

std::string MediaDescription(int folderFd, std::string_view name, MediaKind kind)
{
    if (kind == MediaKind::None)
        return {};
    const std::string n(name);
    return describe(OpenMedia(folderFd, n), n, kind);
}

std::string MediaDescriptionOfFile(int fd, std::string_view name, MediaKind kind)
{
    if (kind == MediaKind::None)
        return {};
    const std::string n(name);
    return describe(OpenMedia(fd), n, kind);
}

} // namespace rkm
