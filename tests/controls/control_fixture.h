#pragma once

#include "forms/forms.h"
#include "forms/input_router.h"
#include "forms/small_table.h"
#include "platform/fake/fake_time_service.h"

#include <QImage>

namespace qv::controls::test {

/// A 300 x 200 pixel form whose green surface `pic1` counts in pixels, on virtual time.
class ControlForm : public forms::Form {
public:
    explicit ControlForm(forms::FormHost& host) : Form(host, QStringLiteral("ControlForm")) {
        move(0, 0, 300 * 15, 200 * 15);
        pic1.move(0, 0, 300 * 15, 200 * 15);
        pic1.setScaleMode(forms::ScaleMode::Pixels);
        pic1.setBackColor(forms::rgb(0, 128, 0));
    }
    forms::PictureBox pic1{*this, QStringLiteral("pic1")};
};

struct ControlFixture {
    platform::fake::FakeTimeService time;
    forms::FormHost host{time};
    ControlForm& form = host.get<ControlForm>();
    forms::InputRouter input{form};
};

/// A picture of `size` in `color`, with its left `whiteColumns` columns pure white.
inline QImage picture(QSize size, QColor color, int whiteColumns = 0) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(color);
    for (int y = 0; y < size.height(); ++y) {
        for (int x = 0; x < whiteColumns; ++x) {
            image.setPixelColor(x, y, Qt::white);
        }
    }
    return image;
}

using forms::test::countNear;

} // namespace qv::controls::test
