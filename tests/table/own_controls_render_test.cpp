#include "common/picture_resources.h"
#include "forms/qt/render_to_image.h"
#include "table/table_fixture.h"

#include <QDir>

#include <gmock/gmock.h>

namespace qv::table {
namespace {

using namespace Qt::StringLiterals;
using testing_support::TableFixture;

/// Pixels of `image` inside `rect` that differ from `other` there.
int changedPixels(const QImage& image, const QImage& other, const QRect& rect) {
    int count = 0;
    for (int y = rect.top(); y <= rect.bottom(); ++y) {
        for (int x = rect.left(); x <= rect.right(); ++x) {
            count += image.pixel(x, y) != other.pixel(x, y) ? 1 : 0;
        }
    }
    return count;
}

class OwnControlsRender : public ::testing::TestWithParam<QSize> {};

TEST_P(OwnControlsRender, BannerPictureButtonAndSpriteShowOnTheTable) {
    TableFixture f(GetParam());
    MainForm& form = f.loaded();
    const QImage before = forms::qt::renderToImage(form);

    form.moveWord1.setVisible(true);
    form.moveWord1.zOrder(0);
    form.moveWord1.Add(u"冠军赛报名开始"_s, forms::rgb(255, 255, 0));
    form.ImgShowMatch.setVisible(true);
    form.ImgShowMatch.zOrder(0);
    form.APNG_prize.move(300 * f.table.ScaleX, 150 * f.table.ScaleY, 603, 115);
    form.APNG_prize.LoadAnimation(802, 0, 0, 1, 3);
    form.APNG_prize.Pause(1);
    form.APNG_prize.setVisible(true);
    form.APNG_prize.zOrder(0);
    f.platform.time.advance(3000);
    const QImage after = forms::qt::renderToImage(form);
    if (const QByteArray keep = qgetenv("QV_KEEP_RENDER"); !keep.isEmpty()) {
        after.save(QDir(QString::fromLocal8Bit(keep))
                       .filePath(u"own-controls-%1.png"_s.arg(GetParam().width())));
    }

    const auto shownRect = [](const forms::Control& control) {
        return control.pixelRect().translated(control.container().originInForm()).toRect();
    };
    const QRect banner = shownRect(form.moveWord1);
    EXPECT_EQ(form.moveWord1.pixelRect().size(), QSizeF(728, 25) * f.table.ScaleX);
    EXPECT_GT(changedPixels(after, before, banner), 50) << "the text scrolls in";
    EXPECT_LT(changedPixels(after, before, banner), banner.width() * banner.height() / 2)
        << "the red ground shows the table";
    EXPECT_GT(changedPixels(after, before, shownRect(form.ImgShowMatch)), 100);
    EXPECT_GT(changedPixels(after, before, shownRect(form.APNG_prize)), 1000);
}

INSTANTIATE_TEST_SUITE_P(BothScales, OwnControlsRender,
                         ::testing::Values(QSize(1024, 768), QSize(800, 600)));

} // namespace
} // namespace qv::table
