#include "common/picture_resources.h"

#include "common/decoded_picture_cache.h"
#include "common/gif_still.h"
#include "common/palette_image.h"
#include "common/pictures/embedded_pictures.h"

#include <QImageReader>
#include <QResource>

using namespace Qt::StringLiterals;

namespace qv::common {

namespace {

// Windows matches resource type names without regard to case; the store holds one type.
constexpr auto kPictureType = u"GIF";

// The platform's picture loader reads GIF and JPEG and knows them by their first bytes; naming
// the format spares the decoder's own guessing.
const char* pictureFormat(const QByteArray& bytes) {
    if (bytes.startsWith("GIF87a") || bytes.startsWith("GIF89a")) {
        return "GIF";
    }
    if (bytes.startsWith("\xFF\xD8\xFF")) {
        return "JPEG";
    }
    return nullptr;
}

// A GIF is a palette picture whatever form the decoder gives it; other formats stay as decoded.
QImage decoded(QImage picture, const QByteArray& format) {
    return format.compare("gif", Qt::CaseInsensitive) == 0 ? toPaletteImage(picture) : picture;
}

QImage decodeResource(const QByteArray& bytes) {
    const char* format = pictureFormat(bytes);
    if (format == nullptr) {
        return {};
    }
    QImage still = DecodeGifStill(bytes);
    return still.isNull() ? decoded(QImage::fromData(bytes, format), format) : still;
}

QImage decodeDesignPicture(const QString& path) {
    const QResource resource(u":/design/"_s + path);
    if (resource.isValid() && resource.compressionAlgorithm() == QResource::NoCompression) {
        QImage still = DecodeGifStill(QByteArrayView(resource.data(), resource.size()));
        if (!still.isNull()) {
            return still;
        }
    }
    QImageReader reader(u":/design/"_s + path);
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
    if (resource.compressionAlgorithm() == QResource::NoCompression) {
        // The embedded bytes live as long as the program: no copy needed.
        return QByteArray::fromRawData(reinterpret_cast<const char*>(resource.data()),
                                       static_cast<qsizetype>(resource.size()));
    }
    return resource.uncompressedData();
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

QImage LoadDesignPicture(const QString& path) {
    registerEmbeddedPictures();
    static DecodedPictureCache<QString> cache;
    return cache.get(path, [&] { return decodeDesignPicture(path); });
}

} // namespace qv::common
