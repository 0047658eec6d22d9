#include "common/picture_resources.h"
#include "controls/gif/gif_animation.h"
#include "gif_builder.h"

#include <QBuffer>
#include <QImageReader>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace qv::controls {
namespace {

using namespace test;

constexpr QRgb kClear = 0;

// Every frame built, then painted in order, each onto a fresh transparent surface as the
// control's host clears it before every paint.
std::vector<QImage> paintAll(GifAnimation& animation, const QByteArray& gif) {
    animation.setBlocks(common::ParseGifBlocks(gif));
    EXPECT_TRUE(animation.createBitmaps(false));
    for (int i = 1; i <= animation.frameCount(); ++i) {
        animation.buildFrame(i, gif);
    }
    std::vector<QImage> painted;
    for (int i = 1; i <= animation.frameCount(); ++i) {
        QImage surface(animation.blocks().canvasWidth, animation.blocks().canvasHeight,
                       QImage::Format_ARGB32);
        surface.fill(0);
        animation.PaintCurrentFrame(i, surface, 1.0F, 1.0F);
        painted.push_back(surface);
    }
    return painted;
}

// The surface as rows of colours.
std::vector<std::vector<QRgb>> pixels(const QImage& image) {
    std::vector<std::vector<QRgb>> rows;
    for (int y = 0; y < image.height(); ++y) {
        rows.emplace_back();
        for (int x = 0; x < image.width(); ++x) {
            rows.back().push_back(image.pixel(x, y));
        }
    }
    return rows;
}

using Rows = std::vector<std::vector<QRgb>>;

TestFrame transparentFrame(TestFrame frame, int index, int disposal) {
    frame.transparent = index;
    frame.disposal = disposal;
    return frame;
}

TEST(GifAnimationTest, FramesThatAllClearToTheBackgroundArePaintedAloneWithoutCanvas) {
    TestFrame first = SolidFrame(0, 0, 2, 2, 1);
    TestFrame second = SolidFrame(1, 1, 2, 1, 2);
    first.disposal = second.disposal = 2;
    GifAnimation animation;
    const auto painted = paintAll(animation, MakeGif(kPalette, {first, second}));
    EXPECT_EQ(animation.layout(), GifAnimation::Layout::NoCanvas);
    EXPECT_TRUE(animation.canvas().isNull());
    EXPECT_EQ(pixels(painted[0]), (Rows{{kRed, kRed, kClear}, {kRed, kRed, kClear}}));
    EXPECT_EQ(pixels(painted[1]), (Rows{{kClear, kClear, kClear}, {kClear, kGreen, kGreen}}));
}

TEST(GifAnimationTest, TransparentPixelsOfLaterFramesShowTheFramesBefore) {
    TestFrame second{.width = 3, .height = 1, .pixels = {3, 0, 2}};
    second = transparentFrame(second, 0, 1);
    TestFrame third{.left = 1, .width = 2, .height = 1, .pixels = {0, 3}};
    third = transparentFrame(third, 0, 1);
    GifAnimation animation;
    const auto painted =
        paintAll(animation, MakeGif(kPalette, {SolidFrame(0, 0, 3, 1, 1), second, third}));
    EXPECT_EQ(animation.layout(), GifAnimation::Layout::Canvas);
    EXPECT_TRUE(animation.mask().isNull());
    EXPECT_EQ(pixels(painted[0]), (Rows{{kRed, kRed, kRed}}));
    EXPECT_EQ(pixels(painted[1]), (Rows{{kBlue, kRed, kGreen}}));
    EXPECT_EQ(pixels(painted[2]), (Rows{{kBlue, kRed, kBlue}}));
}

TEST(GifAnimationTest, RestoringToPreviousBringsBackThePictureBeforeTheFrame) {
    TestFrame first{.width = 3, .height = 1, .pixels = {1, 0, 1}};
    first = transparentFrame(first, 0, 1);
    TestFrame restored = SolidFrame(0, 0, 2, 1, 3);
    restored.disposal = 3;
    TestFrame last{.left = 2, .width = 1, .height = 1, .pixels = {2}};
    GifAnimation animation;
    const auto painted = paintAll(animation, MakeGif(kPalette, {first, restored, last}));
    EXPECT_EQ(animation.layout(), GifAnimation::Layout::CanvasWithMask);
    EXPECT_EQ(pixels(painted[0]), (Rows{{kRed, kClear, kRed}}));
    EXPECT_EQ(pixels(painted[1]), (Rows{{kBlue, kBlue, kRed}}));
    EXPECT_EQ(pixels(painted[2]), (Rows{{kRed, kClear, kGreen}}));
}

TEST(GifAnimationTest, ClearingToTheBackgroundMakesTheAreaTransparentAgain) {
    TestFrame first = SolidFrame(0, 0, 2, 1, 1);
    first.disposal = 2;
    TestFrame second = SolidFrame(1, 0, 1, 1, 2);
    GifAnimation animation;
    const auto painted = paintAll(animation, MakeGif(kPalette, {first, second}));
    EXPECT_EQ(animation.layout(), GifAnimation::Layout::CanvasWithMask);
    EXPECT_EQ(pixels(painted[0]), (Rows{{kRed, kRed}}));
    EXPECT_EQ(pixels(painted[1]), (Rows{{kClear, kGreen}}));
}

TEST(GifAnimationTest, LocalTablesAndInterlacedFramesPaintInTheirOwnColours) {
    TestFrame local{.width = 1, .height = 3, .pixels = {0, 1, 0}};
    local.localPalette = {kGreen, kBlue};
    local.interlaced = true;
    GifAnimation animation;
    const auto painted = paintAll(animation, MakeGif(kPalette, {SolidFrame(0, 0, 1, 3, 1), local}));
    EXPECT_EQ(pixels(painted[1]), (Rows{{kGreen}, {kBlue}, {kGreen}}));
}

TEST(GifAnimationTest, HalftoneAtHalfScaleAveragesEachBlock) {
    TestFrame checker{.width = 4, .height = 2, .pixels = {1, 3, 2, 2, 3, 1, 2, 0}};
    GifAnimation animation;
    animation.setBlocks(common::ParseGifBlocks(MakeGif(kPalette, {checker})));
    ASSERT_TRUE(animation.createBitmaps(false));
    animation.buildFrame(1, MakeGif(kPalette, {checker}));
    QImage surface(2, 1, QImage::Format_ARGB32);
    surface.fill(0);
    animation.PaintCurrentFrame(1, surface, 0.5F, 0.5F);
    EXPECT_EQ(pixels(surface), (Rows{{qRgb(128, 0, 128), qRgb(0, 191, 0)}}));
}

TEST(GifAnimationTest, ComputeScaleForEachStretchMode) {
    GifAnimation animation;
    animation.setBlocks(common::ParseGifBlocks(MakeGif(kPalette, {SolidFrame(0, 0, 80, 40, 1)})));
    struct Case {
        int stretch;
        QSize inner;
        QSize size;
        float scaleX;
        float scaleY;
    };
    for (const Case& c :
         {Case{0, {100, 30}, {80, 30}, 1.0F, 1.0F}, Case{1, {160, 100}, {160, 80}, 2.0F, 2.0F},
          Case{1, {40, 100}, {40, 20}, 0.5F, 0.5F}, Case{2, {40, 80}, {40, 80}, 0.5F, 2.0F},
          Case{3, {160, 100}, {80, 40}, 1.0F, 1.0F}, Case{3, {40, 100}, {40, 20}, 0.5F, 0.5F},
          Case{4, {10, 10}, {80, 40}, 1.0F, 1.0F}}) {
        float scaleX = 0;
        float scaleY = 0;
        EXPECT_EQ(animation.ComputeScale(c.inner, c.stretch, scaleX, scaleY), c.size) << c.stretch;
        EXPECT_EQ(scaleX, c.scaleX) << c.stretch;
        EXPECT_EQ(scaleY, c.scaleY) << c.stretch;
    }
}

// Qt's own reader, as an independent reference: the composed frames of a GIF.
std::vector<QImage> qtFrames(const QByteArray& gif) {
    QBuffer buffer;
    buffer.setData(gif);
    QImageReader reader(&buffer, "gif");
    std::vector<QImage> frames;
    for (QImage frame = reader.read(); !frame.isNull(); frame = reader.read()) {
        frames.push_back(frame.convertToFormat(QImage::Format_ARGB32));
    }
    return frames;
}

TEST(GifAnimationTest, EveryEmoticonDecodesFrameByFrameAsQtsReaderDoes) {
    for (std::int16_t id = 668; id <= 685; ++id) {
        const std::optional<QByteArray> gif = common::PictureResourceBytes(id, u"GIF"_s);
        ASSERT_TRUE(gif.has_value()) << id;
        GifAnimation animation;
        const auto painted = paintAll(animation, *gif);
        const auto reference = qtFrames(*gif);
        ASSERT_EQ(painted.size(), reference.size()) << id;
        ASSERT_GE(painted.size(), 2U) << id;
        for (std::size_t f = 0; f < painted.size(); ++f) {
            ASSERT_EQ(painted[f].size(), reference[f].size()) << id;
            for (int y = 0; y < painted[f].height(); ++y) {
                for (int x = 0; x < painted[f].width(); ++x) {
                    const QRgb ours = painted[f].pixel(x, y);
                    const QRgb theirs = reference[f].pixel(x, y);
                    ASSERT_EQ(qAlpha(ours), qAlpha(theirs))
                        << id << " frame " << f + 1 << " at " << x << "," << y;
                    if (qAlpha(ours) != 0) {
                        ASSERT_EQ(ours, theirs)
                            << id << " frame " << f + 1 << " at " << x << "," << y;
                    }
                }
            }
        }
    }
}

} // namespace
} // namespace qv::controls
