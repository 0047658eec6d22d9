#include "common/picture_header.h"

#include <QtEndian>

#include <cstdint>
#include <limits>

namespace qv::common {

namespace {

constexpr QByteArrayView kPngSignature("\x89PNG\r\n\x1a\n");
constexpr qsizetype kPngSizeEnd = 24;
constexpr qsizetype kIconEntry = 6;
constexpr qsizetype kIconEntrySize = 16;
// An icon's width or height byte of 0 stands for 256.
constexpr int kIconFullSide = 256;
constexpr qsizetype kBmpInfoSize = 14;
constexpr std::uint32_t kBmpCoreHeaderSize = 12;
constexpr std::uint8_t kMarker = 0xFF;

struct Bytes {
    QByteArrayView data;

    [[nodiscard]] bool has(qsizetype end) const { return end <= data.size(); }
    [[nodiscard]] std::uint32_t byte(qsizetype at) const {
        return static_cast<std::uint8_t>(data[at]);
    }
    [[nodiscard]] std::uint32_t le16(qsizetype at) const {
        return qFromLittleEndian<quint16>(data.data() + at);
    }
    [[nodiscard]] std::uint32_t le32(qsizetype at) const {
        return qFromLittleEndian<quint32>(data.data() + at);
    }
    [[nodiscard]] std::uint32_t be16(qsizetype at) const {
        return qFromBigEndian<quint16>(data.data() + at);
    }
    [[nodiscard]] std::uint32_t be32(qsizetype at) const {
        return qFromBigEndian<quint32>(data.data() + at);
    }
};

QSize sized(std::int64_t width, std::int64_t height) {
    constexpr std::int64_t kLargest = std::numeric_limits<int>::max();
    return width > 0 && height > 0 && width <= kLargest && height <= kLargest
               ? QSize(static_cast<int>(width), static_cast<int>(height))
               : QSize();
}

bool isIcon(const Bytes& b) {
    return b.has(kIconEntry + kIconEntrySize) && b.le16(0) == 0 && b.le16(2) == 1 && b.le16(4) > 0;
}

QSize jpegSize(const Bytes& b) {
    qsizetype at = 2;
    while (b.has(at + 2)) {
        if (b.byte(at) != kMarker) {
            return {};
        }
        const std::uint32_t marker = b.byte(at + 1);
        if (marker == kMarker) {
            ++at; // fill byte
            continue;
        }
        // Markers without a length: the start of image, restarts and the temporary marker.
        if (marker == 0xD8 || marker == 0x01 || (marker >= 0xD0 && marker <= 0xD7)) {
            at += 2;
            continue;
        }
        if (!b.has(at + 4)) {
            return {};
        }
        const bool frame =
            marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
        if (frame) {
            return b.has(at + 9) ? sized(b.be16(at + 7), b.be16(at + 5)) : QSize();
        }
        if (marker == 0xD9 || marker == 0xDA) {
            return {}; // the image data or its end, and no frame header before it
        }
        at += 2 + b.be16(at + 2);
    }
    return {};
}

QSize bmpSize(const Bytes& b) {
    if (!b.has(kBmpInfoSize + 4)) {
        return {};
    }
    if (b.le32(kBmpInfoSize) == kBmpCoreHeaderSize) {
        return b.has(22) ? sized(b.le16(18), b.le16(20)) : QSize();
    }
    if (!b.has(26)) {
        return {};
    }
    // A negative height is a picture stored top row first.
    const auto height = static_cast<std::int32_t>(b.le32(22));
    return sized(static_cast<std::int32_t>(b.le32(18)),
                 height < 0 ? -static_cast<std::int64_t>(height) : height);
}

} // namespace

QByteArray PictureFormat(QByteArrayView bytes) {
    if (bytes.startsWith("GIF87a") || bytes.startsWith("GIF89a")) {
        return "gif";
    }
    if (bytes.startsWith(kPngSignature)) {
        return "png";
    }
    if (bytes.startsWith("\xFF\xD8\xFF")) {
        return "jpeg";
    }
    if (bytes.startsWith("BM")) {
        return "bmp";
    }
    return isIcon(Bytes{bytes}) ? "ico" : QByteArray();
}

QSize PictureHeaderSize(QByteArrayView bytes) {
    const Bytes b{bytes};
    const QByteArray format = PictureFormat(bytes);
    if (format == "gif") {
        return b.has(10) ? sized(b.le16(6), b.le16(8)) : QSize();
    }
    if (format == "png") {
        return b.has(kPngSizeEnd) && bytes.sliced(12, 4) == "IHDR" ? sized(b.be32(16), b.be32(20))
                                                                   : QSize();
    }
    if (format == "jpeg") {
        return jpegSize(b);
    }
    if (format == "bmp") {
        return bmpSize(b);
    }
    if (format == "ico") {
        const auto side = [&](qsizetype at) {
            return b.byte(at) == 0 ? kIconFullSide : static_cast<int>(b.byte(at));
        };
        return {side(kIconEntry), side(kIconEntry + 1)};
    }
    return {};
}

QByteArrayView IconPngImage(QByteArrayView bytes) {
    const Bytes b{bytes};
    if (!isIcon(b)) {
        return {};
    }
    const std::uint32_t size = b.le32(kIconEntry + 8);
    const std::uint32_t offset = b.le32(kIconEntry + 12);
    if (offset > static_cast<std::uint64_t>(bytes.size()) ||
        size > static_cast<std::uint64_t>(bytes.size()) - offset) {
        return {};
    }
    const QByteArrayView image = bytes.sliced(offset, size);
    return image.startsWith(kPngSignature) ? image : QByteArrayView();
}

} // namespace qv::common
