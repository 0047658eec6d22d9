#include "controls/gif/gif_blit.h"

#include <algorithm>
#include <array>
#include <utility>

namespace qv::controls {

namespace {

constexpr QRgb kRgb = 0x00FFFFFF;
constexpr QRgb kOpaque = 0xFF000000;

// Reads source colours as 0x00RRGGBB, through the colour table of an 8-bit image.
class SourcePixels {
public:
    explicit SourcePixels(const QImage& image) : image_(image) {
        indexed_ = image.format() == QImage::Format_Indexed8;
        if (indexed_) {
            const QList<QRgb> colours = image.colorTable();
            const auto count = std::min<qsizetype>(colours.size(), 256);
            for (qsizetype i = 0; i < count; ++i) {
                table_[static_cast<std::size_t>(i)] = colours[i] & kRgb;
            }
        }
    }

    [[nodiscard]] QRgb at(int x, int y) const {
        if (indexed_) {
            return table_[image_.constScanLine(y)[x]];
        }
        return reinterpret_cast<const QRgb*>(image_.constScanLine(y))[x] & kRgb;
    }

private:
    const QImage& image_;
    std::array<QRgb, 256> table_{};
    bool indexed_ = false;
};

// Combines one source colour into one target pixel.
class TargetPixels {
public:
    TargetPixels(QImage& image, RasterOp op) : image_(image), op_(op) {
        mask_ = image.format() == QImage::Format_Indexed8;
        tracksAlpha_ = image.format() == QImage::Format_ARGB32;
    }

    void put(int x, int y, QRgb source) {
        if (mask_) {
            std::uint8_t& bit = image_.scanLine(y)[x];
            const std::uint8_t white = source == kRgb ? 1 : 0;
            bit = op_ == RasterOp::Copy  ? white
                  : op_ == RasterOp::And ? static_cast<std::uint8_t>(bit & white)
                                         : static_cast<std::uint8_t>(bit | white);
            return;
        }
        QRgb& pixel = reinterpret_cast<QRgb*>(image_.scanLine(y))[x];
        QRgb alpha = tracksAlpha_ ? pixel & kOpaque : kOpaque;
        QRgb rgb = pixel & kRgb;
        switch (op_) {
        case RasterOp::Copy:
            rgb = source;
            alpha = kOpaque;
            break;
        case RasterOp::And:
            rgb &= source;
            alpha = source == kRgb ? alpha : kOpaque;
            break;
        case RasterOp::Paint:
            rgb |= source;
            alpha = source == 0 ? alpha : kOpaque;
            break;
        }
        pixel = alpha | rgb;
    }

private:
    QImage& image_;
    RasterOp op_;
    bool mask_ = false;
    bool tracksAlpha_ = false;
};

void blitOneToOne(TargetPixels& target, const QRect& targetBounds, const QRect& to,
                  const SourcePixels& source, const QRect& sourceBounds, const QRect& from) {
    const int width = std::min(to.width(), from.width());
    const int height = std::min(to.height(), from.height());
    for (int j = 0; j < height; ++j) {
        const int ty = to.y() + j;
        const int sy = from.y() + j;
        if (ty < targetBounds.top() || ty > targetBounds.bottom() || sy < sourceBounds.top() ||
            sy > sourceBounds.bottom()) {
            continue;
        }
        const int first =
            std::max({0, targetBounds.left() - to.x(), sourceBounds.left() - from.x()});
        const int last = std::min(
            {width, targetBounds.right() + 1 - to.x(), sourceBounds.right() + 1 - from.x()});
        for (int i = first; i < last; ++i) {
            target.put(to.x() + i, ty, source.at(from.x() + i, sy));
        }
    }
}

// The source span [begin, end) that target pixel `i` of `targetSize` covers.
std::pair<int, int> coveredSpan(int i, int targetSize, int sourceStart, int sourceSize) {
    const auto scaled = [&](int t) {
        return sourceStart + static_cast<int>(std::int64_t{t} * sourceSize / targetSize);
    };
    const int begin = scaled(i);
    return {begin, std::max(begin + 1, scaled(i + 1))};
}

void blitHalftone(TargetPixels& target, const QRect& targetBounds, const QRect& to,
                  const SourcePixels& source, const QRect& sourceBounds, const QRect& from) {
    for (int j = 0; j < to.height(); ++j) {
        const int ty = to.y() + j;
        if (ty < targetBounds.top() || ty > targetBounds.bottom()) {
            continue;
        }
        auto [y0, y1] = coveredSpan(j, to.height(), from.y(), from.height());
        y0 = std::max(y0, sourceBounds.top());
        y1 = std::min(y1, sourceBounds.bottom() + 1);
        for (int i = 0; i < to.width(); ++i) {
            const int tx = to.x() + i;
            if (tx < targetBounds.left() || tx > targetBounds.right()) {
                continue;
            }
            auto [x0, x1] = coveredSpan(i, to.width(), from.x(), from.width());
            x0 = std::max(x0, sourceBounds.left());
            x1 = std::min(x1, sourceBounds.right() + 1);
            if (x0 >= x1 || y0 >= y1) {
                continue;
            }
            std::array<unsigned, 3> sum{};
            for (int y = y0; y < y1; ++y) {
                for (int x = x0; x < x1; ++x) {
                    const QRgb c = source.at(x, y);
                    sum[0] += qRed(c);
                    sum[1] += qGreen(c);
                    sum[2] += qBlue(c);
                }
            }
            const auto count = static_cast<unsigned>((x1 - x0) * (y1 - y0));
            const auto mean = [&](std::size_t k) {
                return (sum[k] + count / 2) / count;
            };
            target.put(tx, ty, (mean(0) << 16U) | (mean(1) << 8U) | mean(2));
        }
    }
}

} // namespace

void BlitImage(QImage& target, const QRect& to, const QImage& source, const QRect& from,
               RasterOp op, bool halftone) {
    if (to.width() <= 0 || to.height() <= 0 || from.width() <= 0 || from.height() <= 0) {
        return;
    }
    TargetPixels writer(target, op);
    const SourcePixels reader(source);
    if (halftone) {
        blitHalftone(writer, target.rect(), to, reader, source.rect(), from);
    } else {
        blitOneToOne(writer, target.rect(), to, reader, source.rect(), from);
    }
}

void MirrorArea(QImage& image, const QRect& area, bool leftRight, bool topBottom) {
    const QRect inside = area & image.rect();
    if (inside.isEmpty()) {
        return;
    }
    const int bytesPerPixel = image.depth() / 8;
    if (leftRight) {
        for (int y = inside.top(); y <= inside.bottom(); ++y) {
            std::uint8_t* line = image.scanLine(y);
            for (int a = inside.left(), b = inside.right(); a < b; ++a, --b) {
                std::swap_ranges(line + a * bytesPerPixel, line + (a + 1) * bytesPerPixel,
                                 line + b * bytesPerPixel);
            }
        }
    }
    if (topBottom) {
        const auto offset = static_cast<std::size_t>(inside.left() * bytesPerPixel);
        const auto length = static_cast<std::size_t>(inside.width() * bytesPerPixel);
        for (int a = inside.top(), b = inside.bottom(); a < b; ++a, --b) {
            std::swap_ranges(image.scanLine(a) + offset, image.scanLine(a) + offset + length,
                             image.scanLine(b) + offset);
        }
    }
}

} // namespace qv::controls
