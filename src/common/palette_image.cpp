#include "common/palette_image.h"

#include <QList>

#include <array>
#include <cstddef>

namespace qv::common {

namespace {

constexpr int kMaxPaletteColours = 256;

/// Colour to palette index by open addressing: the pictures change colour every few pixels, and
/// a general hash table would cost more than the decode.
class ColourIndex {
public:
    /// The colour's index, added when new; -1 when the palette is full.
    int indexOf(QRgb colour) {
        std::size_t slot = (colour * 2654435761U) >> (32 - kBits);
        while (used_[slot]) {
            if (colours_[slot] == colour) {
                return indices_[slot];
            }
            slot = (slot + 1) & (kSlots - 1);
        }
        if (palette_.size() == kMaxPaletteColours) {
            return -1;
        }
        used_[slot] = true;
        colours_[slot] = colour;
        indices_[slot] = static_cast<uchar>(palette_.size());
        palette_.append(colour);
        return indices_[slot];
    }

    [[nodiscard]] const QList<QRgb>& palette() const { return palette_; }

private:
    static constexpr int kBits = 10;
    static constexpr std::size_t kSlots = std::size_t{1} << kBits;
    std::array<bool, kSlots> used_{};
    std::array<QRgb, kSlots> colours_{};
    std::array<uchar, kSlots> indices_{};
    QList<QRgb> palette_;
};

} // namespace

QImage toPaletteImage(const QImage& picture) {
    if (picture.isNull() || picture.format() == QImage::Format_Indexed8) {
        return picture;
    }
    // Non-premultiplied ARGB, so a transparent pixel keeps its colour in the palette.
    const QImage source = picture.hasAlphaChannel() ? picture.convertToFormat(QImage::Format_ARGB32)
                                                    : picture.convertToFormat(QImage::Format_RGB32);
    QImage indexed(source.size(), QImage::Format_Indexed8);
    ColourIndex colours;
    for (int y = 0; y < source.height(); ++y) {
        const auto* in = reinterpret_cast<const QRgb*>(source.constScanLine(y));
        uchar* out = indexed.scanLine(y);
        // Runs of one colour spare most look-ups.
        QRgb last = in[0];
        int index = colours.indexOf(last);
        for (int x = 0; x < source.width(); ++x) {
            if (in[x] != last) {
                last = in[x];
                index = colours.indexOf(last);
            }
            if (index < 0) {
                return picture;
            }
            out[x] = static_cast<uchar>(index);
        }
    }
    indexed.setColorTable(colours.palette());
    return indexed;
}

} // namespace qv::common
