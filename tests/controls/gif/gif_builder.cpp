#include "gif_builder.h"

#include <algorithm>

namespace qv::controls::test {

namespace {

void putWord(QByteArray& out, int value) {
    out.append(static_cast<char>(value & 0xFF));
    out.append(static_cast<char>((value >> 8) & 0xFF));
}

// Writes a colour table padded to a power of two; returns its size bits (count = 2^(bits+1)).
int putPalette(QByteArray& out, const std::vector<QRgb>& palette) {
    int bits = 0;
    while ((2U << bits) < palette.size()) {
        ++bits;
    }
    for (std::size_t i = 0; i < (2U << bits); ++i) {
        const QRgb c = i < palette.size() ? palette[i] : 0;
        out.append(static_cast<char>(qRed(c)));
        out.append(static_cast<char>(qGreen(c)));
        out.append(static_cast<char>(qBlue(c)));
    }
    return bits;
}

QByteArray literalCodes(const std::vector<std::uint8_t>& pixels) {
    QByteArray data;
    std::uint32_t accumulator = 0;
    int bits = 0;
    const auto put = [&](int code) {
        accumulator |= static_cast<std::uint32_t>(code) << bits;
        bits += 9;
        while (bits >= 8) {
            data.append(static_cast<char>(accumulator & 0xFF));
            accumulator >>= 8;
            bits -= 8;
        }
    };
    put(256);
    int sinceClear = 0;
    for (const std::uint8_t p : pixels) {
        if (sinceClear == 250) {
            put(256);
            sinceClear = 0;
        }
        put(p);
        ++sinceClear;
    }
    put(257);
    if (bits > 0) {
        data.append(static_cast<char>(accumulator & 0xFF));
    }
    QByteArray blocks;
    for (qsizetype at = 0; at < data.size(); at += 255) {
        const qsizetype size = std::min<qsizetype>(255, data.size() - at);
        blocks.append(static_cast<char>(size));
        blocks.append(data.mid(at, size));
    }
    blocks.append('\0');
    return blocks;
}

std::vector<std::uint8_t> interlace(const TestFrame& frame) {
    std::vector<std::uint8_t> out;
    const int starts[] = {0, 4, 2, 1};
    const int steps[] = {8, 8, 4, 2};
    for (int pass = 0; pass < 4; ++pass) {
        for (int row = starts[pass]; row < frame.height; row += steps[pass]) {
            const auto from = frame.pixels.begin() + row * frame.width;
            out.insert(out.end(), from, from + frame.width);
        }
    }
    return out;
}

} // namespace

QByteArray MakeGif(const std::vector<QRgb>& globalPalette, const std::vector<TestFrame>& frames,
                   int loops) {
    int screenWidth = 0;
    int screenHeight = 0;
    for (const TestFrame& f : frames) {
        screenWidth = std::max(screenWidth, f.left + f.width);
        screenHeight = std::max(screenHeight, f.top + f.height);
    }
    QByteArray out("GIF89a");
    putWord(out, screenWidth);
    putWord(out, screenHeight);
    const qsizetype flagsAt = out.size();
    out.append(3, '\0');
    if (!globalPalette.empty()) {
        out[flagsAt] = static_cast<char>(0x80 | putPalette(out, globalPalette));
    }
    if (loops >= 0) {
        out.append("\x21\xFF\x0BNETSCAPE2.0\x03\x01", 16);
        putWord(out, loops);
        out.append('\0');
    }
    for (const TestFrame& f : frames) {
        if (f.withControlExtension) {
            out.append("\x21\xF9\x04", 3);
            out.append(static_cast<char>((f.disposal << 2) | (f.transparent >= 0 ? 1 : 0)));
            putWord(out, f.delay);
            out.append(static_cast<char>(std::max(f.transparent, 0)));
            out.append('\0');
        }
        out.append('\x2C');
        putWord(out, f.left);
        putWord(out, f.top);
        putWord(out, f.width);
        putWord(out, f.height);
        const qsizetype imageFlagsAt = out.size();
        out.append(static_cast<char>(f.interlaced ? 0x40 : 0));
        if (!f.localPalette.empty()) {
            out[imageFlagsAt] =
                static_cast<char>(out[imageFlagsAt] | 0x80 | putPalette(out, f.localPalette));
        }
        out.append('\x08');
        out.append(literalCodes(f.interlaced ? interlace(f) : f.pixels));
    }
    out.append('\x3B');
    return out;
}

TestFrame SolidFrame(int left, int top, int width, int height, std::uint8_t index) {
    return TestFrame{.left = left,
                     .top = top,
                     .width = width,
                     .height = height,
                     .pixels = std::vector<std::uint8_t>(static_cast<std::size_t>(width) *
                                                             static_cast<std::size_t>(height),
                                                         index)};
}

} // namespace qv::controls::test
