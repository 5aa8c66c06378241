#include "print/render/PictureFile.h"

#include "platform/Translated.h"
#include <QBuffer>
#include <QByteArray>
#include <QImage>
#include <QImageReader>

namespace rkm {

std::optional<std::string> EncodePicture(std::string_view jpeg, std::string_view format, std::string &error)
{
    if (format == "jpg" || format == "jpeg")
        return std::string(jpeg);
    QByteArray bytes = QByteArray::fromRawData(jpeg.data(), static_cast<qsizetype>(jpeg.size()));
    QBuffer in(&bytes);
    in.open(QIODevice::ReadOnly);
    QImageReader reader(&in, "jpeg");
    // The store keeps small pictures; anything larger is not one of them.
    reader.setAllocationLimit(64);
    const QImage image = reader.read();
    if (image.isNull()) {
        error = Utf8(rkm::Core::tr("the picture kept cannot be read (%1)").arg(reader.errorString()));
        return std::nullopt;
    }
    QByteArray encoded;
    QBuffer out(&encoded);
    out.open(QIODevice::WriteOnly);
    if (!image.save(&out, "PNG")) {
        error = Utf8(rkm::Core::tr("the picture could not be encoded as PNG"));
        return std::nullopt;
    }
    return encoded.toStdString();
}

} // namespace rkm
