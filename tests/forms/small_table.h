#pragma once

#include "test_form.h"

#include <cstdlib>

namespace qv::forms::test {

// Pixels of `image` inside `rect` that are close to `color`.
inline int countNear(const QImage& image, const QRect& rect, QColor color) {
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
    explicit SmallTable(FormHost& host) : Form(host, QStringLiteral("SmallTable")) {
        move(0, 0, 200 * 15, 120 * 15);
        pic1.move(0, 0, 200 * 15, 120 * 15);
        pic1.setScaleMode(ScaleMode::Pixels);
        pic1.setBackColor(rgb(0, 128, 0));
        card.move(10, 10);
        card.setPicture(test::solidPicture(40, 60, Qt::red));
        caption.move(60, 10, 130, 30);
        caption.setFontName(QStringLiteral("宋体"));
        caption.setFontSize(18);
        caption.setForeColor(rgb(255, 255, 0));
        caption.setCaption(QStringLiteral("正在进入游戏"));
    }
    PictureBox pic1{*this, QStringLiteral("Pic1")};
    Image card{pic1, QStringLiteral("card")};
    Label caption{pic1, QStringLiteral("caption")};
    ListBox ticker{pic1, QStringLiteral("Sysmsg")};
};

struct RenderFixture {
    platform::fake::FakeTimeService time;
    FormHost host{time};
    SmallTable& form = host.get<SmallTable>();
};

} // namespace qv::forms::test
