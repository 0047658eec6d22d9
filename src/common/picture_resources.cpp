#include "common/picture_resources.h"

#include "common/decoded_picture_cache.h"
#include "common/gif_still.h"
#include "common/palette_image.h"
#include "common/picture_header.h"
#include "common/pictures/embedded_pictures.h"

#include <QBuffer>
#include <QImageReader>
#include <QResource>

using namespace Qt::StringLiterals;

namespace qv::common {

namespace {

// Windows matches resource type names without regard to case; the store holds one type.
constexpr auto kPictureType = u"GIF";

// The resource store holds GIF and JPEG pictures.
QByteArray resourceFormat(QByteArrayView bytes) {
    QByteArray format = PictureFormat(bytes);
    return format == "gif" || format == "jpeg" ? format : QByteArray();
}

// A GIF is a palette picture whatever form the decoder gives it; other formats stay as decoded.
QImage decoded(QImage picture, const QByteArray& format) {
    return format.compare("gif", Qt::CaseInsensitive) == 0 ? toPaletteImage(picture) : picture;
}

// Reads with the one decoder that reads `format`. Left to guess, the platform's loader would
// load every picture plug-in it has to ask each of them.
QImage readAs(const QByteArray& bytes, const QByteArray& format) {
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, format);
    reader.setAutoDetectImageFormat(false);
    return reader.read();
}

QImage decodeAs(const QByteArray& bytes, const QByteArray& format) {
    return decoded(readAs(bytes, format), format);
}

QImage decodeResource(const QByteArray& bytes) {
    const QByteArray format = resourceFormat(bytes);
    if (format.isEmpty()) {
        return {};
    }
    QImage still = DecodeGifStill(bytes);
    return still.isNull() ? decodeAs(bytes, format) : still;
}

// A resource's bytes; the embedded ones are read in place, as they live as long as the program.
QByteArray resourceBytes(const QResource& resource) {
    if (resource.compressionAlgorithm() == QResource::NoCompression) {
        return QByteArray::fromRawData(reinterpret_cast<const char*>(resource.data()),
                                       static_cast<qsizetype>(resource.size()));
    }
    return resource.uncompressedData();
}

QString designResource(const QString& path) {
    return u":/design/"_s + path;
}

QByteArray designBytes(const QString& path) {
    const QResource resource(designResource(path));
    return resource.isValid() ? resourceBytes(resource) : QByteArray();
}

// GIFs and icons stored as PNG are decoded without the platform's picture plug-ins, whose loading
// costs more than the decoding.
QImage decodeDesignPicture(const QString& path) {
    const QByteArray bytes = designBytes(path);
    QImage still = DecodeGifStill(bytes);
    if (!still.isNull()) {
        return still;
    }
    if (const QByteArrayView png = IconPngImage(bytes); !png.isEmpty()) {
        return decodeAs(png.toByteArray(), "png");
    }
    if (const QByteArray format = PictureFormat(bytes); !format.isEmpty()) {
        return decodeAs(bytes, format);
    }
    QImageReader reader(designResource(path));
    return decoded(reader.read(), reader.format());
}

} // namespace

std::optional<QByteArray> PictureResourceBytes(std::int16_t resId, const QString& resType) {
    if (resId <= 0 || resType.compare(kPictureType, Qt::CaseInsensitive) != 0) {
        return std::nullopt;
    }
    registerEmbeddedPictures();
    const QResource resource(u":/GIF/"_s + QString::number(resId));
    if (!resource.isValid()) {
        return std::nullopt;
    }
    return resourceBytes(resource);
}

QImage LoadGifPicture(std::int16_t resId, const QString& resType) {
    if (resType.compare(kPictureType, Qt::CaseInsensitive) != 0) {
        return {};
    }
    static DecodedPictureCache<std::int16_t> cache;
    return cache.get(resId, [&] {
        const std::optional<QByteArray> bytes = PictureResourceBytes(resId, resType);
        return bytes ? decodeResource(*bytes) : QImage();
    });
}

QImage LoadSheetPicture(std::int16_t resId) {
    static DecodedPictureCache<std::int16_t> cache;
    return cache.get(resId, [&] {
        const std::optional<QByteArray> bytes =
            PictureResourceBytes(resId, QString::fromUtf16(kPictureType));
        const QByteArray format = bytes ? PictureFormat(*bytes) : QByteArray();
        return format.isEmpty()
                   ? QImage()
                   : readAs(*bytes, format).convertToFormat(QImage::Format_ARGB32_Premultiplied);
    });
}

QSize SheetPictureSize(std::int16_t resId) {
    const std::optional<QByteArray> bytes =
        PictureResourceBytes(resId, QString::fromUtf16(kPictureType));
    return bytes ? PictureHeaderSize(*bytes) : QSize();
}

QSize PictureResourceSize(std::int16_t resId, const QString& resType) {
    const std::optional<QByteArray> bytes = PictureResourceBytes(resId, resType);
    return bytes && !resourceFormat(*bytes).isEmpty() ? PictureHeaderSize(*bytes) : QSize();
}

QSize DesignPictureSize(const QString& path) {
    registerEmbeddedPictures();
    const QSize size = PictureHeaderSize(designBytes(path));
    return size.isEmpty() ? QImageReader(designResource(path)).size() : size;
}

QImage LoadDesignPicture(const QString& path) {
    registerEmbeddedPictures();
    static DecodedPictureCache<QString> cache;
    return cache.get(path, [&] { return decodeDesignPicture(path); });
}

} // namespace qv::common
