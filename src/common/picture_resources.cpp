#include "common/picture_resources.h"

#include "common/pictures/embedded_pictures.h"

#include <QResource>

using namespace Qt::StringLiterals;

namespace qv::common {

namespace {

// Windows matches resource type names without regard to case; the store holds one type.
constexpr auto kPictureType = u"GIF";

// The platform's picture loader reads GIF and JPEG; it knows the format by the first bytes.
bool isGifOrJpeg(const QByteArray& bytes) {
    return bytes.startsWith("GIF87a") || bytes.startsWith("GIF89a") ||
           bytes.startsWith("\xFF\xD8\xFF");
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
    const std::optional<QByteArray> bytes = PictureResourceBytes(resId, resType);
    if (!bytes || !isGifOrJpeg(*bytes)) {
        return {};
    }
    return QImage::fromData(*bytes);
}

} // namespace qv::common
