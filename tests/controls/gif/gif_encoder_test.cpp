#include "common/gif_lzw_decoder.h"
#include "common/gif_reader.h"
#include "controls/gif/gif_lzw_encoder.h"

#include <QBuffer>
#include <QImageReader>

#include <gtest/gtest.h>
#include <random>

namespace qv::controls {
namespace {

constexpr qsizetype kImageAt = 781;

common::GifPalette paletteOf(std::initializer_list<std::uint32_t> colours) {
    common::GifPalette palette{};
    std::size_t i = 0;
    for (const std::uint32_t c : colours) {
        palette[i++] = c;
    }
    palette[common::kPaletteCount] = static_cast<std::uint32_t>(colours.size());
    return palette;
}

// A strip holding one frame at x offset 3, filled from `pixels`.
struct StripFrame {
    QImage strip;
    common::GifFrame frame;
};

StripFrame stripFrame(int width, int height, const std::vector<std::uint8_t>& pixels) {
    StripFrame s{QImage(width + 5, height, QImage::Format_Indexed8),
                 common::GifFrame{.Width = width, .Height = height, .DataStart = 3}};
    s.strip.fill(0xAB);
    for (int y = 0; y < height; ++y) {
        std::copy_n(pixels.begin() + y * width, width, s.strip.scanLine(y) + 3);
    }
    return s;
}

std::vector<std::uint8_t> randomPixels(std::size_t count, unsigned seed, int colours) {
    std::mt19937 random(seed);
    std::vector<std::uint8_t> pixels(count);
    for (std::uint8_t& p : pixels) {
        p = static_cast<std::uint8_t>(random() % static_cast<unsigned>(colours));
    }
    return pixels;
}

// The sizes of the data sub-blocks after the minimum code size byte.
std::vector<int> subBlockSizes(const QByteArray& gif, qsizetype dataAt) {
    std::vector<int> sizes;
    qsizetype at = dataAt;
    while (at < gif.size() && gif[at] != 0) {
        sizes.push_back(static_cast<std::uint8_t>(gif[at]));
        at += sizes.back() + 1;
    }
    return sizes;
}

TEST(GifEncoderTest, OnePixelFrameIsClearPixelEndInOneSubBlock) {
    const StripFrame s = stripFrame(1, 1, {5});
    const QByteArray gif = EncodeFrameGif(s.strip, s.frame, paletteOf({0x102030}));
    QByteArray expected("GIF89a\x01\x00\x01\x00\x87\x00\x00", 13);
    expected.append("\x10\x20\x30", 3);
    expected.append(QByteArray(765, '\0'));
    expected.append("\x2C\0\0\0\0\x01\0\x01\0\0\x08", 11);
    expected.append("\x04\x00\x0B\x04\x04\x00\x3B", 7);
    EXPECT_EQ(gif.toHex(), expected.toHex());
}

TEST(GifEncoderTest, DataOfExactly254BytesIsOneFullSubBlockAndNoEmptyOne) {
    const common::GifPalette palette = paletteOf({0, 0xFFFFFF});
    for (int width = 1; width < 2000; ++width) {
        const StripFrame s =
            stripFrame(width, 1, randomPixels(static_cast<std::size_t>(width), 7, 256));
        const QByteArray gif = EncodeFrameGif(s.strip, s.frame, palette);
        const std::vector<int> sizes = subBlockSizes(gif, kImageAt + 11);
        int total = 0;
        for (const int size : sizes) {
            total += size;
        }
        if (total == 254) {
            EXPECT_EQ(sizes, std::vector<int>{254});
            EXPECT_EQ(gif.right(2), QByteArray("\x00\x3B", 2));
            return;
        }
    }
    FAIL() << "no frame compressed to exactly 254 bytes";
}

TEST(GifEncoderTest, TransparentFrameGetsItsControlExtension) {
    StripFrame s = stripFrame(2, 1, {7, 1});
    s.frame.Transparent = 1;
    s.frame.TransparentIndex = 7;
    const QByteArray gif = EncodeFrameGif(s.strip, s.frame, paletteOf({1, 2, 3, 4, 5, 6, 7, 8}));
    EXPECT_EQ(gif.mid(kImageAt, 8).toHex(), QByteArray("21f9040100000700"));
    EXPECT_EQ(gif.at(kImageAt + 8), '\x2C');
}

TEST(GifEncoderTest, FourColourTableFillsTheFirstEntriesAndCodesStayEightBits) {
    const StripFrame s = stripFrame(2, 2, {0, 1, 2, 3});
    const QByteArray gif =
        EncodeFrameGif(s.strip, s.frame, paletteOf({0x112233, 0x445566, 0x778899, 0xAABBCC}));
    EXPECT_EQ(gif.mid(13, 12).toHex(), QByteArray("112233445566778899aabbcc"));
    EXPECT_EQ(gif.mid(25, 756), QByteArray(756, '\0'));
    EXPECT_EQ(gif.at(kImageAt + 10), '\x08');
}

struct RoundTrip {
    int width;
    int height;
    int colours;
};

class EncoderRoundTrip : public testing::TestWithParam<RoundTrip> {};

// Frames of every shape, including ones long enough for the table to be cleared, come back as
// they were through our decoder and through Qt's own reader.
TEST_P(EncoderRoundTrip, DecodingGivesTheFrameBack) {
    const auto [width, height, colours] = GetParam();
    const auto pixels = randomPixels(static_cast<std::size_t>(width * height), 11, colours);
    const StripFrame s = stripFrame(width, height, pixels);
    common::GifPalette palette{};
    for (std::uint32_t i = 0; i < 256; ++i) {
        palette[i] = (i * 0x010203U) & 0xFFFFFFU;
    }
    palette[common::kPaletteCount] = 256;
    const QByteArray gif = EncodeFrameGif(s.strip, s.frame, palette);

    const common::GifBlocks blocks = common::ParseGifBlocks(gif);
    ASSERT_EQ(blocks.frameCount(), 1);
    std::vector<std::uint8_t> decoded(pixels.size(), 0);
    ASSERT_TRUE(common::DecodeGifImage(
        QByteArrayView(gif).sliced(blocks.blocks[0].ImageStart, blocks.blocks[0].Length),
        decoded.data(), width));
    EXPECT_EQ(decoded, pixels);

    QBuffer buffer;
    buffer.setData(gif);
    QImageReader reader(&buffer, "gif");
    const QImage reference = reader.read().convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(reference.size(), QSize(width, height));
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            ASSERT_EQ(reference.pixel(x, y) & 0xFFFFFFU,
                      palette[pixels[static_cast<std::size_t>(y * width + x)]])
                << x << "," << y;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Shapes, EncoderRoundTrip,
                         testing::Values(RoundTrip{1, 1, 2}, RoundTrip{3, 7, 2},
                                         RoundTrip{85, 85, 16}, RoundTrip{200, 150, 256},
                                         RoundTrip{640, 8, 3}, RoundTrip{300, 300, 1}));

} // namespace
} // namespace qv::controls
