#pragma once

#include "forms/forms.h"
#include "platform/fake/fake_time_service.h"

#include <QImage>

namespace qv::forms::test {

/// A picture of the given size in one colour.
inline QImage solidPicture(int width, int height, QColor color = Qt::red) {
    QImage picture(width, height, QImage::Format_RGB32);
    picture.fill(color);
    return picture;
}

/// A bare 1024 x 768 pixel form (15360 x 11520 twips) on virtual time.
class TestForm : public Form {
public:
    explicit TestForm(FormHost& host) : Form(host, QStringLiteral("TestForm")) {
        move(0, 0, 15360, 11520);
    }
};

/// Virtual time and a host; each test builds its own.
struct FormFixture {
    platform::fake::FakeTimeService time;
    FormHost host{time};
    TestForm& form = host.get<TestForm>();
};

} // namespace qv::forms::test
