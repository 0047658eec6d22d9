#include "common/picture_resources.h"
#include "control_fixture.h"
#include "controls/sprite_animation.h"
#include "forms/qt/render_to_image.h"

#include <QPainter>

#include <gmock/gmock.h>

namespace qv::controls::test {
namespace {

using namespace Qt::StringLiterals;

/// A sprite control over the whole green surface.
struct SpriteFixture : ControlFixture {
    SpriteFixture() { sprite.move(0, 0, 300, 200); }

    APNG sprite{form.pic1, u"APNG_prizenum"_s};
};

QImage sheet(int resId) {
    return QImage::fromData(
               *common::PictureResourceBytes(static_cast<std::int16_t>(resId), u"GIF"_s))
        .convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

/// Cell `frame` of a one-column sheet of `rows` drawn over green at (left, top), as the form
/// should show it.
QImage expectedCell(int resId, int rows, int frame, QPoint at) {
    const QImage strip = sheet(resId);
    const int height = strip.height() / rows;
    QImage expected(300, 200, QImage::Format_ARGB32_Premultiplied);
    expected.fill(QColor(0, 128, 0));
    QPainter painter(&expected);
    painter.drawImage(at, strip, QRect(0, frame * height, strip.width(), height));
    return expected;
}

TEST(SpriteAnimationTest, PauseOnAFrameBeyondTheGridShowsItsRemainder) {
    SpriteFixture f;
    f.sprite.LoadAnimation(801, 5, 7, 1, 10);
    f.sprite.Pause(12);
    EXPECT_EQ(f.sprite.frameCounter(), 2);
    EXPECT_EQ(forms::qt::renderToImage(f.form), expectedCell(801, 10, 2, {5, 7}));
}

TEST(SpriteAnimationTest, TransparentPixelsOfTheFrameShowTheWindowBehind) {
    SpriteFixture f;
    f.sprite.LoadAnimation(804, 0, 0, 1, 10);
    f.sprite.Pause(0);
    const QImage cell = sheet(804).copy(0, 0, 22, 29);
    const QImage grab = forms::qt::renderToImage(f.form);
    int transparent = 0;
    for (int y = 0; y < cell.height(); ++y) {
        for (int x = 0; x < cell.width(); ++x) {
            if (qAlpha(cell.pixel(x, y)) == 0) {
                ++transparent;
                EXPECT_EQ(grab.pixelColor(x, y), QColor(0, 128, 0)) << x << "," << y;
            }
        }
    }
    EXPECT_GT(transparent, 0) << "the digit sheet has see-through pixels";
}

TEST(SpriteAnimationTest, StartWithoutArgumentsStepsEveryFortyMillisecondsFromTheCounter) {
    SpriteFixture f;
    f.sprite.LoadAnimation(801, 0, 0, 1, 10);
    f.sprite.Pause(3);
    f.sprite.Start();
    f.time.advance(39);
    EXPECT_EQ(f.sprite.frameCounter(), 3);
    f.time.advance(1);
    EXPECT_EQ(f.sprite.frameCounter(), 4);
    f.time.advance(40 * 7);
    EXPECT_EQ(f.sprite.frameCounter(), 1) << "eleven steps on ten frames";

    f.sprite.Pause();
    f.time.advance(1000);
    EXPECT_EQ(f.sprite.frameCounter(), 1);
    f.sprite.Start(-1, 0);
    f.time.advance(40);
    EXPECT_EQ(f.sprite.frameCounter(), 2) << "interval 0 keeps the last one";
}

TEST(SpriteAnimationTest, PauseWithoutFrameStopsWithoutRepainting) {
    SpriteFixture f;
    f.sprite.LoadAnimation(802, 0, 0, 1, 3);
    f.sprite.Start(1, 200);
    const auto revision = f.sprite.revision();
    f.sprite.Pause();
    EXPECT_FALSE(f.sprite.playing());
    EXPECT_EQ(f.sprite.revision(), revision);
    EXPECT_EQ(f.sprite.frameCounter(), 1);
}

TEST(SpriteAnimationTest, ANewSheetKeepsTimerAndCounterUntilTheNextStep) {
    SpriteFixture f;
    f.sprite.LoadAnimation(801, 0, 0, 1, 10);
    f.sprite.Start(7, 100);
    f.sprite.LoadAnimation(802, 0, 0, 1, 3);
    EXPECT_EQ(f.sprite.frameCounter(), 7);
    EXPECT_TRUE(f.sprite.playing());
    f.time.advance(100);
    EXPECT_EQ(f.sprite.frameCounter(), 2) << "8 on three frames";
}

TEST(SpriteAnimationTest, AWrongGridOrResourceChangesNothing) {
    SpriteFixture f;
    f.sprite.LoadAnimation(801, 3, 4, 1, 10);
    f.sprite.Pause(5);
    const QImage before = forms::qt::renderToImage(f.form);
    for (const auto& [resId, columns, rows] : {std::tuple(802, 0, 3), std::tuple(802, 1, -1),
                                               std::tuple(30000, 1, 1), std::tuple(450, 0, 0)}) {
        f.sprite.LoadAnimation(resId, 0, 0, columns, rows);
        f.sprite.Pause(5);
        EXPECT_EQ(forms::qt::renderToImage(f.form), before) << resId;
    }
}

TEST(SpriteAnimationTest, NothingShowsBeforeASheetIsLoaded) {
    SpriteFixture f;
    f.sprite.Start(3);
    f.time.advance(400);
    const QImage grab = forms::qt::renderToImage(f.form);
    EXPECT_EQ(countNear(grab, QRect(0, 0, 300, 200), QColor(0, 128, 0)), 300 * 200);
    EXPECT_EQ(f.form.hitTest({150, 100}), &f.sprite) << "the whole rectangle takes the mouse";
}

} // namespace
} // namespace qv::controls::test
