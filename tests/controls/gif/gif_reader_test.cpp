#include "common/gif_reader.h"
#include "gif_builder.h"

#include <gtest/gtest.h>
#include <vector>

namespace qv::controls {
namespace {

using namespace test;

TestFrame withDisposal(TestFrame frame, int disposal) {
    frame.disposal = disposal;
    return frame;
}

struct ReaderCase {
    const char* name;
    QByteArray gif;
    int frames;
    int canvasWidth;
    int canvasHeight;
    int loops;
};

QByteArray twoControlExtensions() {
    // The first extension says disposal 1, delay 7; the second, nearer the image, disposal 2.
    QByteArray gif = MakeGif(kPalette, {withDisposal(SolidFrame(0, 0, 2, 2, 1), 2)});
    const qsizetype at = gif.indexOf("\x21\xF9");
    gif.insert(at, QByteArray("\x21\xF9\x04\x04\x07\x00\x00\x00", 8));
    return gif;
}

QByteArray loopBlockOfSize(int size) {
    QByteArray gif("GIF89a\x01\x00\x01\x00\x80\x00\x00", 13);
    gif.append(QByteArray(6, '\0'));
    gif.append("\x21\xFF\x0BNETSCAPE2.0", 14);
    gif.append(static_cast<char>(size));
    gif.append(QByteArray(size, '\x05'));
    gif.append('\0');
    gif.append(MakeGif(kPalette, {SolidFrame(0, 0, 1, 1, 0)}).mid(13 + 12));
    return gif;
}

class ReaderTable : public testing::TestWithParam<ReaderCase> {};

TEST_P(ReaderTable, FindsFramesCanvasAndLoops) {
    const ReaderCase& c = GetParam();
    const common::GifBlocks blocks = common::ParseGifBlocks(c.gif);
    EXPECT_EQ(blocks.frameCount(), c.frames);
    EXPECT_EQ(blocks.canvasWidth, c.canvasWidth);
    EXPECT_EQ(blocks.canvasHeight, c.canvasHeight);
    EXPECT_EQ(blocks.loops, c.loops);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ReaderTable,
    testing::Values(
        ReaderCase{"HeaderAndTrailerOnly", QByteArray("GIF89a\x01\x00\x01\x00\x00\x00\x00\x3B", 14),
                   0, 0, 0, 0},
        ReaderCase{"LowerCaseSignature", MakeGif(kPalette, {SolidFrame(0, 0, 3, 2, 1)}).replace(
                                             0, 6, "gif87a"),
                   1, 3, 2, 0},
        ReaderCase{"NotAGif", QByteArray("PNG89a\x01\x00\x01\x00\x00\x00\x00\x3B", 14), 0, 0, 0, 0},
        ReaderCase{"ShorterThanTheSignature", QByteArray("GIF8"), 0, 0, 0, 0},
        ReaderCase{"UnionOfFrameRectangles",
                   MakeGif(kPalette, {SolidFrame(10, 10, 20, 20, 1), SolidFrame(0, 0, 5, 5, 2)}), 2,
                   30, 30, 0},
        ReaderCase{"LoopCount", MakeGif(kPalette, {SolidFrame(0, 0, 1, 1, 1)}, 7), 1, 1, 1, 7},
        ReaderCase{"LoopBlockOfTwoBytes", loopBlockOfSize(2), 1, 1, 1, 0},
        ReaderCase{"LoopBlockOfFourBytes", loopBlockOfSize(4), 1, 1, 1, 0},
        ReaderCase{"NoColourTableAtAll", MakeGif({}, {SolidFrame(0, 0, 2, 2, 0)}), 0, 0, 0, 0},
        ReaderCase{"LocalTableOnly",
                   MakeGif({}, {TestFrame{.width = 2, .height = 1, .pixels = {0, 1},
                                          .localPalette = kPalette}}),
                   1, 2, 1, 0},
        ReaderCase{"CanvasOverTheCap",
                   MakeGif(kPalette, {SolidFrame(0, 0, 1, 1, 0), SolidFrame(4000, 4000, 1, 1, 0)}),
                   0, 0, 0, 0},
        ReaderCase{"StripOverTheCap",
                   [] {
                       // 300 frames of 200 x 300: a small canvas but a 18-megapixel strip.
                       std::vector<TestFrame> frames(300, TestFrame{.width = 200, .height = 300});
                       for (TestFrame& f : frames) {
                           f.pixels.assign(200 * 300, 0);
                       }
                       return MakeGif(kPalette, frames);
                   }(),
                   0, 0, 0, 0}),
    [](const testing::TestParamInfo<ReaderCase>& c) { return std::string(c.param.name); });

TEST(GifReaderTest, DisposalsOutsideTheFourMethodsAndAFirstRestoreReadAsNone) {
    std::vector<TestFrame> frames;
    for (int disposal : {3, 1, 2, 3, 4, 5, 6, 7}) {
        frames.push_back(withDisposal(SolidFrame(0, 0, 1, 1, 0), disposal));
    }
    const common::GifBlocks blocks = common::ParseGifBlocks(MakeGif(kPalette, frames));
    std::vector<int> disposals;
    for (const common::GifFrame& f : blocks.frames) {
        disposals.push_back(f.Disposal);
    }
    EXPECT_EQ(disposals, (std::vector<int>{0, 1, 2, 3, 0, 0, 0, 0}));
}

TEST(GifReaderTest, TheSecondControlExtensionBeforeAnImageWins) {
    const common::GifBlocks blocks = common::ParseGifBlocks(twoControlExtensions());
    ASSERT_EQ(blocks.frameCount(), 1);
    EXPECT_EQ(blocks.frames[0].Disposal, 2);
    EXPECT_EQ(blocks.frames[0].Delay, 0);
}

TEST(GifReaderTest, FrameRecordCarriesDelayTransparencyPaletteAndPlace) {
    TestFrame second = SolidFrame(1, 2, 3, 4, 1);
    second.delay = 65535;
    second.transparent = 3;
    second.localPalette = kPalette;
    const QByteArray gif = MakeGif(kPalette, {SolidFrame(0, 0, 1, 1, 0), second});
    const common::GifBlocks blocks = common::ParseGifBlocks(gif);
    ASSERT_EQ(blocks.frameCount(), 2);
    const common::GifFrame& f = blocks.frames[1];
    EXPECT_EQ(f, (common::GifFrame{.Left = 1,
                                   .Top = 2,
                                   .Width = 3,
                                   .Height = 4,
                                   .Delay = 655350,
                                   .Palette = 1,
                                   .DataStart = f.DataStart,
                                   .TransparentIndex = 3,
                                   .Transparent = 1,
                                   .Disposal = 0}));
    EXPECT_EQ(gif.at(f.DataStart), '\x21');
    EXPECT_EQ(gif.at(blocks.blocks[1].ImageStart), '\x2C');
    EXPECT_EQ(gif.at(blocks.blocks[1].ImageStart + blocks.blocks[1].Length - 1), '\0');
    EXPECT_EQ(blocks.palettes.size(), 2U);
    EXPECT_EQ(blocks.palettes[1][1], 0xFF0000U);
    EXPECT_EQ(blocks.palettes[1][256], 4U);
}

TEST(GifReaderTest, AControlExtensionTooShortForItsFieldsIsSkipped) {
    QByteArray gif = MakeGif(kPalette, {SolidFrame(0, 0, 1, 1, 0)});
    const qsizetype at = gif.indexOf("\x21\xF9");
    gif.replace(at, 8, QByteArray("\x21\xF9\x01\x05\x00", 5));
    const common::GifBlocks blocks = common::ParseGifBlocks(gif);
    ASSERT_EQ(blocks.frameCount(), 1);
    EXPECT_EQ(blocks.frames[0].Transparent, 0);
    EXPECT_EQ(blocks.frames[0].DataStart, blocks.blocks[0].ImageStart);
}

TEST(GifReaderTest, ACutFileKeepsTheFramesCompletedBeforeTheCut) {
    const QByteArray gif = MakeGif(
        kPalette, {SolidFrame(0, 0, 2, 2, 1), SolidFrame(0, 0, 4, 3, 2), SolidFrame(0, 0, 1, 1, 3)},
        0);
    const common::GifBlocks whole = common::ParseGifBlocks(gif);
    ASSERT_EQ(whole.frameCount(), 3);
    // The image descriptor is 10 bytes; the frames use the global table.
    const auto codeSize = [&](int frame) {
        return whole.blocks.at(static_cast<std::size_t>(frame)).ImageStart + 10;
    };
    const auto terminator = [&](int frame) {
        const auto& block = whole.blocks.at(static_cast<std::size_t>(frame));
        return block.ImageStart + block.Length - 1;
    };
    struct Case {
        const char* what;
        qsizetype size;
        int frames;
    };
    const std::vector<Case> cases{
        {"inside frame 1's data", codeSize(0) + 3, 0},
        {"after frame 2's code size", codeSize(1) + 1, 1},
        {"before frame 2's terminator", terminator(1), 1},
        {"after frame 2's terminator", terminator(1) + 1, 2},
        {"before the trailer", gif.size() - 1, 3},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(common::ParseGifBlocks(QByteArrayView(gif).first(c.size)).frameCount(), c.frames)
            << c.what;
    }
    for (qsizetype size = 0; size <= gif.size(); ++size) {
        int complete = 0;
        for (const common::FrameBlock& block : whole.blocks) {
            complete += block.ImageStart + block.Length <= size ? 1 : 0;
        }
        EXPECT_EQ(common::ParseGifBlocks(QByteArrayView(gif).first(size)).frameCount(), complete)
            << size;
    }
}

} // namespace
} // namespace qv::controls
