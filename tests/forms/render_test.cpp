#include "forms/qt/form_widget.h"
#include "forms/qt/qt_window_system.h"
#include "forms/qt/render_to_image.h"
#include "test_form.h"

#include <QApplication>
#include <QFontMetrics>
#include <QListWidget>
#include <QMouseEvent>
#include <QTemporaryDir>

#include <gmock/gmock.h>

namespace qv::forms::test {
namespace {

using namespace Qt::StringLiterals;

// Pixels of `image` inside `rect` that are close to `color`.
int countNear(const QImage& image, const QRect& rect, QColor color) {
    int count = 0;
    for (int y = rect.top(); y <= rect.bottom(); ++y) {
        for (int x = rect.left(); x <= rect.right(); ++x) {
            const QColor pixel = image.pixelColor(x, y);
            if (std::abs(pixel.red() - color.red()) < 40 &&
                std::abs(pixel.green() - color.green()) < 40 &&
                std::abs(pixel.blue() - color.blue()) < 40) {
                ++count;
            }
        }
    }
    return count;
}

// A 200 x 120 pixel form on a green table surface with a card picture and a Chinese caption.
class SmallTable : public Form {
public:
    explicit SmallTable(FormHost& host) : Form(host, u"SmallTable"_s) {
        move(0, 0, 200 * 15, 120 * 15);
        pic1.move(0, 0, 200 * 15, 120 * 15);
        pic1.setScaleMode(ScaleMode::Pixels);
        pic1.setBackColor(rgb(0, 128, 0));
        card.move(10, 10);
        card.setPicture(test::solidPicture(40, 60, Qt::red));
        caption.move(60, 10, 130, 30);
        caption.setFontName(u"宋体"_s);
        caption.setFontSize(18);
        caption.setForeColor(rgb(255, 255, 0));
        caption.setCaption(u"正在进入游戏"_s);
    }
    PictureBox pic1{*this, u"Pic1"_s};
    Image card{pic1, u"card"_s};
    Label caption{pic1, u"caption"_s};
    ListBox ticker{pic1, u"Sysmsg"_s};
};

struct RenderFixture {
    platform::fake::FakeTimeService time;
    FormHost host{time};
    SmallTable& form = host.get<SmallTable>();
};

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
    EXPECT_GT(glyphPixels, 6 * 40) << "six CJK glyphs at 24 pixels leave many yellow pixels";
    EXPECT_EQ(countNear(image, QRect(0, 80, 200, 40), QColor(255, 255, 0)), 0);
    EXPECT_EQ(countNear(image, QRect(0, 80, 200, 40), QColor(0, 128, 0)), 200 * 40);
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

TEST(RenderTest, AShownFormFollowsTheModelAndTurnsMouseInputIntoEvents) {
    RenderFixture f;
    qt::QtWindowSystem windows(f.host);
    f.form.show();
    qt::FormWidget* window = windows.widgetOf(f.form);
    ASSERT_NE(window, nullptr);

    f.form.ticker.move(10, 80, 180, 30);
    f.form.ticker.addItem(u"第一行"_s);
    f.form.ticker.addItem(u"第二行"_s);
    QApplication::processEvents();
    auto* list = window->findChild<QListWidget*>();
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->count(), 2);
    EXPECT_EQ(list->geometry(), QRect(10, 80, 180, 30));
    list->setCurrentRow(1);
    EXPECT_EQ(f.form.ticker.listIndex(), 1);

    std::vector<QString> clicks;
    f.form.card.events.click = [&clicks] {
        clicks.emplace_back(u"card"_s);
    };
    f.form.pic1.events.click = [&clicks] {
        clicks.emplace_back(u"Pic1"_s);
    };
    QWidget* surface = window->childAt(QPoint(15, 15));
    ASSERT_NE(surface, nullptr);
    for (const QPoint at : {QPoint(15, 15), QPoint(100, 60)}) {
        const QPointF local = surface->mapFrom(window, at);
        QMouseEvent press(QEvent::MouseButtonPress, local, surface->mapToGlobal(local),
                          Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
        QMouseEvent release(QEvent::MouseButtonRelease, local, surface->mapToGlobal(local),
                            Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(surface, &press);
        QApplication::sendEvent(surface, &release);
    }
    EXPECT_THAT(clicks, testing::ElementsAre(u"card"_s, u"Pic1"_s));

    f.form.hide();
    QApplication::processEvents();
    EXPECT_FALSE(window->isVisible());
}

} // namespace
} // namespace qv::forms::test
