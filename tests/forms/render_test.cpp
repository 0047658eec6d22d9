#include "forms/qt/form_widget.h"
#include "forms/qt/qt_window_system.h"
#include "forms/qt/render_to_image.h"
#include "small_table.h"

#include <QApplication>
#include <QFontMetrics>
#include <QListWidget>
#include <QMouseEvent>
#include <QTemporaryDir>

#include <gmock/gmock.h>

namespace qv::forms::test {
namespace {

using namespace Qt::StringLiterals;

TEST(RenderTest, PngOfAFormShowsThePictureAndChineseGlyphsInTheLabelBox) {
    RenderFixture f;
    f.form.ticker.setVisible(false);
    QTemporaryDir dir;
    const QString path = dir.filePath(u"table.png"_s);
    ASSERT_TRUE(qt::saveFormPng(f.form, path));
    const QImage image(path);
    ASSERT_EQ(image.size(), QSize(200, 120));
    if (const QByteArray keep = qgetenv("QV_KEEP_RENDER"); !keep.isEmpty()) {
        image.save(QString::fromLocal8Bit(keep));
    }

    EXPECT_EQ(countNear(image, QRect(10, 10, 40, 60), Qt::red), 40 * 60);
    // Real glyphs, not the boxes of a font without them.
    const QFontMetrics metrics(pixelFont(f.form.caption.font()));
    for (const QChar ch : f.form.caption.caption()) {
        EXPECT_TRUE(metrics.inFontUcs4(ch.unicode())) << static_cast<int>(ch.unicode());
    }
    const QRect labelBox(60, 10, 130, 30);
    const int glyphPixels = countNear(image, labelBox, QColor(255, 255, 0));
    EXPECT_GT(glyphPixels, 6 * 20)
        << "six CJK glyphs at 24 pixels, even in thin Song strokes, leave many yellow pixels";
    EXPECT_EQ(countNear(image, QRect(0, 80, 200, 40), QColor(255, 255, 0)), 0);
    EXPECT_EQ(countNear(image, QRect(0, 80, 200, 40), QColor(0, 128, 0)), 200 * 40);
}

TEST(RenderTest, AFontIsAskedForByAFamilyThisSystemHasAndSizedInPixels) {
    installFontSubstitutions();
    // The designed Chinese face is not installed here; its stand-in is.
    for (const auto& [designed, asked] :
         {std::pair(u"宋体"_s, u"AR PL UMing CN"_s), std::pair(u"DejaVu Sans"_s, u"DejaVu Sans"_s),
          std::pair(u"No Such Face"_s, u"No Such Face"_s)}) {
        QFont font(designed);
        font.setPointSizeF(12);
        const QFont sized = pixelFont(font);
        EXPECT_EQ(sized.family(), asked) << designed.toStdString();
        EXPECT_EQ(sized.pixelSize(), 16) << designed.toStdString();
        EXPECT_EQ(font.family(), designed);
    }
}

// The windows were laid out in a Song face whose Chinese characters are one em wide and whose
// Latin letters and digits are half an em; the stand-in keeps those widths.
TEST(RenderTest, TheSongStandInHasTheDesignedWidths) {
    installFontSubstitutions();
    struct Case {
        QString text;
        double points;
        bool bold;
        double pixels;
    };
    for (const Case& c : {Case{u"电脑甲"_s, 10.5, true, 42},
                          Case{u"游戏正在进行，逃跑会扣分！"_s, 10.5, false, 182},
                          Case{u"10"_s, 9, false, 12}, Case{u"12000金币"_s, 9, false, 54}}) {
        QFont font(u"宋体"_s);
        font.setPointSizeF(c.points);
        font.setBold(c.bold);
        EXPECT_NEAR(QFontMetricsF(pixelFont(font)).horizontalAdvance(c.text), c.pixels, 0.01)
            << c.text.toStdString();
    }
}

TEST(RenderTest, WindowedControlsCoverWindowlessOnesWhateverTheirOrder) {
    RenderFixture f;
    f.form.ticker.move(20, 20, 100, 30);
    f.form.ticker.setBackColor(rgb(0, 0, 255));
    f.form.card.zOrder(0);
    f.form.ticker.zOrder(1);
    const QImage image = qt::renderToImage(f.form);
    // The list box covers the card where they overlap (20..50, 20..50).
    EXPECT_EQ(countNear(image, QRect(20, 20, 30, 30), Qt::blue), 30 * 30);
    EXPECT_EQ(countNear(image, QRect(10, 52, 40, 10), Qt::red), 40 * 10);

    f.form.ticker.setVisible(false);
    EXPECT_EQ(countNear(qt::renderToImage(f.form), QRect(20, 20, 30, 30), Qt::red), 30 * 30);
}

} // namespace
} // namespace qv::forms::test
