#include "reader/Pictures.h"

#include <QBuffer>
#include <QByteArray>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QImageWriter>
#include <QTransform>

#include <exiv2/exiv2.hpp>
#include <libffmpegthumbnailer/videothumbnailer.h>
#include <taglib/apefile.h>
#include <taglib/apetag.h>
#include <taglib/asffile.h>
#include <taglib/attachedpictureframe.h>
#include <taglib/fileref.h>
#include <taglib/flacfile.h>
#include <taglib/id3v2tag.h>
#include <taglib/mp4file.h>
#include <taglib/mpegfile.h>
#include <taglib/tfilestream.h>
#include <taglib/wavfile.h>
#include <taglib/aifffile.h>
#include <taglib/xiphcomment.h>

#include <algorithm>
#include <cstdint>
#include <dlfcn.h>
#include <exception>
#include <string>
#include <unistd.h>
#include <utility>
#include <vector>

namespace rkm::reader {

namespace {

// The most memory one decoded image may take (Qt's own check, made before
// it decodes); a file declaring more is refused.
constexpr int kAllocationLimitMb = 128;
constexpr int kJpegQuality = 80;

std::string procPath(int fd)
{
    return "/proc/self/fd/" + std::to_string(fd);
}

// The image the camera meant to be seen, from its stored one and the
// orientation of its Exif data (1 to 8).
QImage oriented(QImage image, long orientation)
{
    switch (orientation) {
    case 2:
        return image.mirrored(true, false);
    case 3:
        return image.transformed(QTransform().rotate(180));
    case 4:
        return image.mirrored(false, true);
    case 5:
        return image.transformed(QTransform().rotate(90)).mirrored(true, false);
    case 6:
        return image.transformed(QTransform().rotate(90));
    case 7:
        return image.transformed(QTransform().rotate(270)).mirrored(true, false);
    case 8:
        return image.transformed(QTransform().rotate(270));
    default:
        return image;
    }
}

// The JPEG of `image`, at most kPictureSize on its long side; what is
// transparent is drawn on white.
std::string jpegOf(QImage image)
{
    if (image.isNull())
        return {};
    if (std::max(image.width(), image.height()) > kPictureSize)
        image = image.scaled(kPictureSize, kPictureSize, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    if (image.hasAlphaChannel()) {
        image = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
        for (int y = 0; y < image.height(); ++y) {
            auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
            for (int x = 0; x < image.width(); ++x) {
                const QRgb c = line[x];
                const int white = 255 - qAlpha(c);
                line[x] = qRgb(qRed(c) + white, qGreen(c) + white, qBlue(c) + white);
            }
        }
        image.reinterpretAsFormat(QImage::Format_RGB32);
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "jpeg");
    writer.setQuality(kJpegQuality);
    if (!writer.write(image))
        return {};
    return bytes.toStdString();
}

// The picture of the image `device` holds. Its declared size is looked at
// first: what would take more memory than a picture is worth is refused
// before a pixel is decoded. A JPEG is decoded at an eighth, a quarter or a
// half of its size when that is still large enough.
PictureAnswer pictureOfImage(QIODevice &device, bool autoTransform, long orientation = 1)
{
    QImageReader reader(&device);
    reader.setAutoTransform(autoTransform);
    const QSize size = reader.size();
    if (size.isValid()) {
        const int longSide = std::max(size.width(), size.height());
        const bool jpeg = reader.format() == "jpeg";
        int shrink = 1;
        if (jpeg)
            while (shrink < 8 && longSide / (shrink * 2) >= kPictureSize)
                shrink *= 2;
        const double bytes = double(size.width()) * double(size.height()) * 4 / (double(shrink) * shrink);
        if (bytes > double(kAllocationLimitMb) * 1024 * 1024)
            return {{}, PICTURE_TOO_LARGE};
        if (jpeg && shrink > 1) {
            // Exactly the size the decoder makes at 1/shrink, so that Qt
            // scales no further; the fast inverse DCT (what Qt picks below
            // quality 50) is as good as the slow one at a fraction.
            reader.setScaledSize(QSize((size.width() + shrink - 1) / shrink, (size.height() + shrink - 1) / shrink));
            reader.setQuality(49);
        } else if (!jpeg && longSide > kPictureSize) {
            reader.setScaledSize(size.scaled(kPictureSize, kPictureSize, Qt::KeepAspectRatio));
        }
    }
    QImage image;
    if (!reader.read(&image))
        return {{}, PICTURE_UNREADABLE};
    std::string jpeg = jpegOf(oriented(std::move(image), orientation));
    if (jpeg.empty())
        return {{}, PICTURE_UNREADABLE};
    return {std::move(jpeg), {}};
}

PictureAnswer pictureOfBytes(const char *data, std::size_t size, bool autoTransform, long orientation = 1)
{
    if (size == 0 || size > std::size_t(INT32_MAX))
        return {};
    QByteArray bytes = QByteArray::fromRawData(data, static_cast<qsizetype>(size));
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    return pictureOfImage(buffer, autoTransform, orientation);
}

PictureAnswer imagePicture(int fd)
{
    QFile file;
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::DontCloseHandle))
        return {};
    return pictureOfImage(file, true);
}

// A camera RAW file: of the previews the camera put in it, the smallest
// that is still as large as a picture (the list goes from small to large),
// else the largest; turned as the camera was held.
PictureAnswer rawPicture(int fd)
{
    try {
        Exiv2::Image::AutoPtr image = Exiv2::ImageFactory::open(procPath(fd));
        if (!image.get())
            return {};
        image->readMetadata();
        Exiv2::PreviewManager previews(*image);
        const Exiv2::PreviewPropertiesList list = previews.getPreviewProperties();
        if (list.empty())
            return {};
        const Exiv2::PreviewProperties *chosen = &list.back();
        for (const Exiv2::PreviewProperties &p : list)
            if (std::max(p.width_, p.height_) >= uint32_t(kPictureSize)) {
                chosen = &p;
                break;
            }
        const Exiv2::PreviewImage preview = previews.getPreviewImage(*chosen);
        long orientation = 1;
        const Exiv2::ExifData &exif = image->exifData();
        const auto it = exif.findKey(Exiv2::ExifKey("Exif.Image.Orientation"));
        if (it != exif.end() && it->count() > 0)
            orientation = it->toLong();
        return pictureOfBytes(reinterpret_cast<const char *>(preview.pData()), preview.size(), false, orientation);
    } catch (const std::exception &) {
        return {};
    }
}

// The front cover among a file's ID3v2 pictures, else the first.
PictureAnswer id3Cover(TagLib::ID3v2::Tag *tag)
{
    if (!tag)
        return {};
    const TagLib::ID3v2::FrameList &frames = tag->frameListMap()["APIC"];
    const TagLib::ID3v2::AttachedPictureFrame *chosen = nullptr;
    for (const TagLib::ID3v2::Frame *frame : frames)
        if (const auto *picture = dynamic_cast<const TagLib::ID3v2::AttachedPictureFrame *>(frame))
            if (!chosen || picture->type() == TagLib::ID3v2::AttachedPictureFrame::FrontCover) {
                if (chosen && chosen->type() == TagLib::ID3v2::AttachedPictureFrame::FrontCover)
                    continue;
                chosen = picture;
            }
    if (!chosen)
        return {};
    const TagLib::ByteVector data = chosen->picture();
    return pictureOfBytes(data.data(), data.size(), true);
}

PictureAnswer flacCover(const TagLib::List<TagLib::FLAC::Picture *> &pictures)
{
    const TagLib::FLAC::Picture *chosen = nullptr;
    for (const TagLib::FLAC::Picture *p : pictures)
        if (!chosen ||
            (p->type() == TagLib::FLAC::Picture::FrontCover && chosen->type() != TagLib::FLAC::Picture::FrontCover))
            chosen = p;
    if (!chosen)
        return {};
    const TagLib::ByteVector data = chosen->data();
    return pictureOfBytes(data.data(), data.size(), true);
}

// The most of one file TagLib reads for a cover. Where a file has no tag
// where its format puts one (an MP3 of zeros), TagLib searches the file for
// a frame or a tag; past this it finds the end instead.
constexpr unsigned long kMostCoverBytesRead = 32UL * 1024 * 1024;

// TagLib's stream over an open file (a copy of the handle, closed with the
// stream) under the file's own name, by whose extension TagLib picks its
// reader; it reads no more than kMostCoverBytesRead in all.
class NamedStream final : public TagLib::FileStream {
public:
    NamedStream(int fd, std::string name) : TagLib::FileStream(fd, true), m_name(std::move(name)) {}
    TagLib::FileName name() const override { return m_name.c_str(); }
    TagLib::ByteVector readBlock(unsigned long length) override
    {
        length = std::min(length, kMostCoverBytesRead - m_read);
        if (length == 0)
            return {};
        TagLib::ByteVector block = TagLib::FileStream::readBlock(length);
        m_read += block.size();
        return block;
    }

private:
    std::string m_name;
    unsigned long m_read = 0;
};

// The cover of a music file, wherever its format keeps one.
PictureAnswer audioPicture(int fd, std::string_view name)
{
    // An MP3's cover is in the ID3v2 tag at its start. Without one, TagLib
    // would search the file for a tag, a kilobyte at a time.
    if (name.size() >= 4 && QByteArray(name.data() + name.size() - 4, 4).toLower() == ".mp3") {
        char head[3];
        if (::pread(fd, head, sizeof head, 0) != ssize_t(sizeof head) || std::string_view(head, 3) != "ID3")
            return {};
    }
    const int copy = ::dup(fd);
    if (copy < 0)
        return {};
    NamedStream stream(copy, std::string(name));
    if (!stream.isOpen())
        return {};
    const TagLib::FileRef ref(&stream, false);
    if (ref.isNull() || !ref.file()->isValid())
        return {};
    TagLib::File *file = ref.file();
    if (auto *mpeg = dynamic_cast<TagLib::MPEG::File *>(file))
        return id3Cover(mpeg->ID3v2Tag());
    if (auto *flac = dynamic_cast<TagLib::FLAC::File *>(file)) {
        PictureAnswer cover = flacCover(flac->pictureList());
        return cover.jpeg.empty() && flac->hasID3v2Tag() ? id3Cover(flac->ID3v2Tag()) : cover;
    }
    if (auto *wav = dynamic_cast<TagLib::RIFF::WAV::File *>(file))
        return wav->hasID3v2Tag() ? id3Cover(wav->ID3v2Tag()) : PictureAnswer{};
    if (auto *aiff = dynamic_cast<TagLib::RIFF::AIFF::File *>(file))
        return aiff->hasID3v2Tag() ? id3Cover(aiff->tag()) : PictureAnswer{};
    if (auto *mp4 = dynamic_cast<TagLib::MP4::File *>(file)) {
        if (!mp4->tag() || !mp4->tag()->contains("covr"))
            return {};
        const TagLib::MP4::CoverArtList covers = mp4->tag()->item("covr").toCoverArtList();
        if (covers.isEmpty())
            return {};
        const TagLib::ByteVector data = covers.front().data();
        return pictureOfBytes(data.data(), data.size(), true);
    }
    if (auto *asf = dynamic_cast<TagLib::ASF::File *>(file)) {
        if (!asf->tag() || !asf->tag()->contains("WM/Picture"))
            return {};
        const TagLib::ASF::AttributeList &list = asf->tag()->attribute("WM/Picture");
        if (list.isEmpty())
            return {};
        const TagLib::ByteVector data = list.front().toPicture().picture();
        return pictureOfBytes(data.data(), data.size(), true);
    }
    if (auto *ape = dynamic_cast<TagLib::APE::File *>(file)) {
        // "Cover Art (Front)": a file name, a zero byte, the image.
        if (!ape->APETag() || !ape->APETag()->itemListMap().contains("COVER ART (FRONT)"))
            return {};
        const TagLib::ByteVector item = ape->APETag()->itemListMap()["COVER ART (FRONT)"].binaryData();
        const int zero = item.find('\0');
        if (zero < 0)
            return {};
        return pictureOfBytes(item.data() + zero + 1, item.size() - static_cast<unsigned>(zero) - 1, true);
    }
    if (auto *xiph = dynamic_cast<TagLib::Ogg::XiphComment *>(file->tag()))
        return flacCover(xiph->pictureList());
    return {};
}

// A frame a tenth into the video, as ffmpegthumbnailer picks it; made
// smaller here if need be.
PictureAnswer videoPicture(int fd)
{
    try {
        ffmpegthumbnailer::VideoThumbnailer thumbnailer(kPictureSize, false, true, kJpegQuality, false);
        thumbnailer.setLogCallback([](ThumbnailerLogLevel, const std::string &) {});
        std::vector<uint8_t> jpeg;
        thumbnailer.generateThumbnail(procPath(fd), Jpeg, jpeg);
        if (jpeg.empty())
            return {{}, PICTURE_UNREADABLE};
        QImage image;
        if (!image.loadFromData(jpeg.data(), static_cast<int>(jpeg.size()), "jpeg"))
            return {{}, PICTURE_UNREADABLE};
        if (std::max(image.width(), image.height()) <= kPictureSize)
            return {std::string(jpeg.begin(), jpeg.end()), {}};
        return {jpegOf(std::move(image)), {}};
    } catch (const std::exception &e) {
        // A file ffmpeg does not take for a video at all (a TypeScript
        // source named .ts) or one with sound only has no picture to make;
        // a video whose frames cannot be decoded gets a note.
        const std::string_view why = e.what();
        for (std::string_view none :
             {"Could not open input file", "Could not find stream information", "Could not find video stream"})
            if (why.substr(0, none.size()) == none)
                return {};
        return {{}, PICTURE_UNREADABLE};
    }
}

} // namespace

void PreparePictures()
{
    // Qt's warnings about odd files go nowhere, as the other libraries' do.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &) {});
    QImageReader::setAllocationLimit(kAllocationLimitMb);
    // Each format's plugin is loaded now, with the libraries it needs.
    for (const QByteArray &format : QImageReader::supportedImageFormats()) {
        QBuffer empty;
        empty.open(QIODevice::ReadOnly);
        QImageReader(&empty, format).canRead();
    }
    QImageWriter::supportedImageFormats();
    Exiv2::XmpParser::initialize();
    Exiv2::LogMsg::setLevel(Exiv2::LogMsg::mute);
    // ffmpeg's own messages about odd files go nowhere (its library is
    // loaded with ffmpegthumbnailer's, whose headers do not reach it).
    using SetLevel = void (*)(int);
    if (auto setLevel = reinterpret_cast<SetLevel>(::dlsym(RTLD_DEFAULT, "av_log_set_level")))
        setLevel(-8); // AV_LOG_QUIET
}

PictureAnswer MakePicture(int fd, std::string_view name, PictureKind kind)
{
    switch (kind) {
    case PictureKind::Image:
        return imagePicture(fd);
    case PictureKind::Raw:
        return rawPicture(fd);
    case PictureKind::Video:
        return videoPicture(fd);
    case PictureKind::Audio:
        return audioPicture(fd, name);
    case PictureKind::None:
        break;
    }
    return {};
}

} // namespace rkm::reader
