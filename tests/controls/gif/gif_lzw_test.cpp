#include "common/gif_lzw_decoder.h"

#include <QByteArray>

#include <algorithm>
#include <gtest/gtest.h>
#include <vector>

namespace qv::controls {
namespace {

// An image block of `width` x `height` whose data are `codes`, each packed at its given width.
QByteArray imageBlock(int width, int height, int minCodeSize,
                      const std::vector<std::pair<int, int>>& codes) {
    QByteArray block("\x2C\0\0\0\0", 5);
    block.append(static_cast<char>(width));
    block.append('\0');
    block.append(static_cast<char>(height));
    block.append('\0');
    block.append('\0');
    block.append(static_cast<char>(minCodeSize));
    QByteArray data;
    std::uint32_t accumulator = 0;
    int bits = 0;
    for (const auto& [code, codeWidth] : codes) {
        accumulator |= static_cast<std::uint32_t>(code) << bits;
        bits += codeWidth;
        while (bits >= 8) {
            data.append(static_cast<char>(accumulator & 0xFF));
            accumulator >>= 8;
            bits -= 8;
        }
    }
    if (bits > 0) {
        data.append(static_cast<char>(accumulator & 0xFF));
    }
    block.append(static_cast<char>(data.size()));
    block.append(data);
    block.append('\0');
    return block;
}

// Decodes into a buffer with guard bytes around it, which must stay untouched.
std::vector<int> decode(const QByteArray& block, int width, int height, bool* ok = nullptr) {
    constexpr int kGuard = 16;
    std::vector<std::uint8_t> buffer(static_cast<std::size_t>(width * height + 2 * kGuard), 0xEE);
    std::fill_n(buffer.begin() + kGuard, width * height, 0);
    const bool decoded = common::DecodeGifImage(block, buffer.data() + kGuard, width);
    if (ok != nullptr) {
        *ok = decoded;
    }
    for (int i = 0; i < kGuard; ++i) {
        EXPECT_EQ(buffer[static_cast<std::size_t>(i)], 0xEE);
        EXPECT_EQ(buffer[buffer.size() - 1 - static_cast<std::size_t>(i)], 0xEE);
    }
    return {buffer.begin() + kGuard, buffer.end() - kGuard};
}

TEST(GifLzwTest, DecodesLiteralsAndGrownCodesIncludingTheCodeNotYetInTheTable) {
    // Code size 2: clear 4, end 5. "1, 1 1, 1 1 1" via codes 1, 6 (= 1 1), 7 (= 1 1 1, not yet
    // known when read).
    const QByteArray block = imageBlock(6, 1, 2, {{4, 3}, {1, 3}, {6, 3}, {7, 3}, {5, 3}});
    EXPECT_EQ(decode(block, 6, 1), (std::vector<int>{1, 1, 1, 1, 1, 1}));
}

TEST(GifLzwTest, CodeWidthGrowsWhenTheTableReachesItsLimit) {
    // Code size 2: after codes 6 and 7 are added the width becomes 4 bits.
    const QByteArray block =
        imageBlock(6, 1, 2, {{4, 3}, {0, 3}, {1, 3}, {2, 3}, {3, 4}, {6, 4}, {5, 4}});
    EXPECT_EQ(decode(block, 6, 1), (std::vector<int>{0, 1, 2, 3, 0, 1}));
}

struct RogueCase {
    const char* name;
    QByteArray block;
    int width;
    int height;
    bool decodes;
    std::vector<int> pixels;
};

class RogueData : public testing::TestWithParam<RogueCase> {};

TEST_P(RogueData, StaysInsideTheImage) {
    const RogueCase& c = GetParam();
    bool ok = false;
    EXPECT_EQ(decode(c.block, c.width, c.height, &ok), c.pixels);
    EXPECT_EQ(ok, c.decodes);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RogueData,
    testing::Values(
        RogueCase{"CodeSizeZero", imageBlock(2, 1, 0, {{1, 1}}), 2, 1, false, {0, 0}},
        RogueCase{"CodeSizeNine", imageBlock(2, 1, 9, {{3, 10}}), 2, 1, false, {0, 0}},
        RogueCase{"CodeSizeTwelve", imageBlock(2, 1, 12, {{3, 13}}), 2, 1, false, {0, 0}},
        RogueCase{
            "FirstCodeNotALiteral", imageBlock(3, 1, 2, {{4, 3}, {7, 3}}), 3, 1, true, {0, 0, 0}},
        RogueCase{"CodeBeyondTheTable",
                  imageBlock(4, 1, 2, {{4, 3}, {2, 3}, {7, 3}, {1, 3}}),
                  4,
                  1,
                  true,
                  {2, 0, 0, 0}},
        RogueCase{"StringLongerThanTheImage",
                  imageBlock(2, 1, 2, {{4, 3}, {1, 3}, {6, 3}, {7, 3}}),
                  2,
                  1,
                  true,
                  {1, 1}},
        RogueCase{"DataEndsEarly", imageBlock(4, 1, 2, {{4, 3}, {3, 3}}), 4, 1, true, {3, 0, 0, 0}},
        RogueCase{
            "NoDataAtAll", QByteArray("\x2C\0\0\0\0\x02\0\x01\0\0\x02", 11), 2, 1, true, {0, 0}},
        RogueCase{
            "BlockCutInTheDescriptor", QByteArray("\x2C\0\0\0\0\x02", 6), 2, 1, false, {0, 0}},
        RogueCase{"SubBlockLongerThanTheBlock",
                  QByteArray("\x2C\0\0\0\0\x02\0\x01\0\0\x02\x7F\x0C", 13),
                  2,
                  1,
                  true,
                  {1, 0}},
        RogueCase{"LocalTableMissing",
                  QByteArray("\x2C\0\0\0\0\x02\0\x01\0\x87\x02", 11),
                  2,
                  1,
                  false,
                  {0, 0}}),
    [](const testing::TestParamInfo<RogueCase>& c) { return std::string(c.param.name); });

TEST(GifLzwTest, InterlacedRowsLandInTheirPlaces) {
    // Five rows of one pixel: stored in the order 0, 4, 2, 1, 3.
    QByteArray block = imageBlock(1, 5, 3, {{8, 4}, {0, 4}, {4, 4}, {2, 4}, {1, 4}, {3, 4}});
    block[9] = '\x40';
    EXPECT_EQ(decode(block, 1, 5), (std::vector<int>{0, 1, 2, 3, 4}));
}

TEST(GifLzwTest, InterlacedPicturesLandInOrderWhateverTheStrideAndWhereverTheDataEnds) {
    // Eleven rows of two pixels, each pixel its row * 10 + its column, stored in the interlaced
    // order: rows 0 and 8, then 4, then 2, 6 and 10, then the odd rows.
    constexpr int kWidth = 2;
    constexpr int kHeight = 11;
    const std::vector<int> stored{0, 8, 4, 2, 6, 10, 1, 3, 5, 7, 9};
    const auto blockOf = [&](std::size_t storedRows) {
        std::vector<std::pair<int, int>> codes{{128, 8}};
        for (std::size_t i = 0; i < storedRows; ++i) {
            for (int column = 0; column < kWidth; ++column) {
                codes.emplace_back(stored[i] * 10 + column, 8);
            }
        }
        QByteArray block = imageBlock(kWidth, kHeight, 7, codes);
        block[9] = '\x40';
        return block;
    };
    for (const int stride : {kWidth, kWidth + 3}) {
        for (const std::size_t storedRows : {stored.size(), std::size_t{7}}) {
            std::vector<std::uint8_t> picture(static_cast<std::size_t>(stride * kHeight), 0xEE);
            ASSERT_TRUE(common::DecodeGifImage(blockOf(storedRows), picture.data(), stride));
            for (int row = 0; row < kHeight; ++row) {
                const bool reached =
                    std::find(stored.begin(), stored.begin() + static_cast<long>(storedRows),
                              row) != stored.begin() + static_cast<long>(storedRows);
                for (int column = 0; column < stride; ++column) {
                    const int expected =
                        column >= kWidth ? 0xEE : (reached ? row * 10 + column : 0);
                    EXPECT_EQ(picture[static_cast<std::size_t>(row * stride + column)], expected)
                        << "stride " << stride << ", " << storedRows << " rows stored, row " << row
                        << ", column " << column;
                }
            }
        }
    }
}

} // namespace
} // namespace qv::controls
