#include "control_fixture.h"
#include "controls/count_picture.h"
#include "forms/qt/render_to_image.h"

#include <gmock/gmock.h>

namespace qv::controls::test {
namespace {

using namespace Qt::StringLiterals;

/// A blue 60 x 40 tile whose left 10 columns are pure red, at (20, 20).
struct TileFixture : ControlFixture {
    TileFixture() { tile.move(20, 20, 10, 10); }
    static QImage back() {
        QImage image = picture({60, 40}, Qt::blue);
        for (int y = 0; y < 40; ++y) {
            for (int x = 0; x < 10; ++x) {
                image.setPixelColor(x, y, Qt::red);
            }
        }
        return image;
    }
    [[nodiscard]] QImage grab() { return forms::qt::renderToImage(form); }

    iPic tile{form.pic1, u"iPic1"_s};
};

TEST(CountPictureTest, FontSizeIsKeptWithinEightAndTwelveAndEachStoreRepaints) {
    TileFixture f;
    for (const auto& [stored, kept] : {std::pair(20, 12), std::pair(13, 12), std::pair(12, 12),
                                       std::pair(10, 10), std::pair(8, 8), std::pair(6, 8)}) {
        const auto revision = f.tile.revision();
        f.tile.setFontSize(static_cast<std::int16_t>(stored));
        EXPECT_EQ(f.tile.FontSize(), kept) << stored;
        EXPECT_NE(f.tile.revision(), revision) << stored;
    }
}

TEST(CountPictureTest, WithoutBackPictureNothingShowsWhateverTheText) {
    TileFixture f;
    f.tile.setText(u"99"_s);
    EXPECT_EQ(countNear(f.grab(), QRect(20, 20, 10, 10), QColor(0, 128, 0)), 100);
}

TEST(CountPictureTest, BackPictureSizesTheTileAndItsRedPixelsShowNothing) {
    TileFixture f;
    f.tile.setBackPic(TileFixture::back());
    EXPECT_EQ(f.tile.pixelRect(), QRectF(20, 20, 60, 40));
    const QImage grab = f.grab();
    EXPECT_EQ(countNear(grab, QRect(20, 20, 10, 40), QColor(0, 128, 0)), 10 * 40);
    EXPECT_EQ(countNear(grab, QRect(30, 20, 50, 40), Qt::blue), 50 * 40);
    EXPECT_EQ(f.form.hitTest({25, 30}), &f.form.pic1);
    EXPECT_EQ(f.form.hitTest({50, 30}), &f.tile);
}

TEST(CountPictureTest, TextStandsWhiteAtTheBottomRightAndEmptyTextRestoresThePictureShape) {
    TileFixture f;
    f.tile.setBackPic(TileFixture::back());
    f.tile.setText(u"12"_s);
    QImage grab = f.grab();
    EXPECT_GT(countNear(grab, QRect(60, 40, 20, 20), Qt::white), 5);
    EXPECT_EQ(countNear(grab, QRect(20, 20, 30, 15), Qt::white), 0);
    EXPECT_EQ(countNear(grab, QRect(20, 20, 10, 40), QColor(0, 128, 0)), 10 * 40);

    f.tile.setText(u""_s);
    grab = f.grab();
    EXPECT_EQ(countNear(grab, QRect(20, 20, 60, 40), Qt::white), 0);
    EXPECT_EQ(countNear(grab, QRect(20, 20, 10, 40), QColor(0, 128, 0)), 10 * 40);
}

TEST(CountPictureTest, TextWiderThanTheTileIsCutAtItsLeftEdge) {
    TileFixture f;
    f.tile.setBackPic(picture({20, 20}, Qt::blue));
    f.tile.setText(u"123456789"_s);
    const QImage grab = f.grab();
    EXPECT_GT(countNear(grab, QRect(20, 20, 20, 20), Qt::white), 5);
    EXPECT_EQ(countNear(grab, QRect(0, 20, 20, 20), Qt::white), 0);
}

TEST(CountPictureTest, HandlerErrorsOfMouseMoveAreIgnored) {
    TileFixture f;
    f.tile.setBackPic(picture({20, 20}, Qt::blue));
    int moves = 0;
    f.tile.events.mouseMove = [&moves](int, int, double, double) {
        ++moves;
        throw std::runtime_error("host");
    };
    f.input.mouseMove({25, 25}, 0, 0);
    EXPECT_EQ(moves, 1);
}

} // namespace
} // namespace qv::controls::test
