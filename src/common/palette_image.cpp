#include "common/palette_image.h"

#include <QHash>

namespace qv::common {

namespace {

constexpr qsizetype kMaxPaletteColours = 256;

} // namespace

QImage toPaletteImage(const QImage& picture) {
    if (picture.isNull() || picture.format() == QImage::Format_Indexed8) {
        return picture;
    }
    // Non-premultiplied ARGB, so a transparent pixel keeps its colour in the palette.
    const QImage source = picture.hasAlphaChannel() ? picture.convertToFormat(QImage::Format_ARGB32)
                                                    : picture.convertToFormat(QImage::Format_RGB32);
    QImage indexed(source.size(), QImage::Format_Indexed8);
    QList<QRgb> palette;
    QHash<QRgb, uchar> indexOf;
    for (int y = 0; y < source.height(); ++y) {
        const auto* in = reinterpret_cast<const QRgb*>(source.constScanLine(y));
        uchar* out = indexed.scanLine(y);
        // Pictures come in runs of one colour: the previous pixel spares most look-ups.
        QRgb last = 0;
        uchar lastIndex = 0;
        bool haveLast = false;
        for (int x = 0; x < source.width(); ++x) {
            const QRgb colour = in[x];
            if (!haveLast || colour != last) {
                auto found = indexOf.constFind(colour);
                if (found == indexOf.constEnd()) {
                    if (palette.size() == kMaxPaletteColours) {
                        return picture;
                    }
                    found = indexOf.insert(colour, static_cast<uchar>(palette.size()));
                    palette.append(colour);
                }
                last = colour;
                lastIndex = *found;
                haveLast = true;
            }
            out[x] = lastIndex;
        }
    }
    indexed.setColorTable(palette);
    return indexed;
}

} // namespace qv::common
