#include "common/picture_resources.h"
#include "forms/image.h"
#include "forms/picture_box.h"
#include "forms/qt/render_to_image.h"
#include "table/table_pictures.h"
#include "table_fixture.h"

#include <QDir>

#include <gtest/gtest.h>
#include <ostream>
#include <vector>

using namespace Qt::StringLiterals;

// In the sanitizer build the leak checker's own thread crashes at exit while it scans the
// dynamic thread-local blocks that the offscreen renders leave behind ("Tracer caught signal 11",
// a fault of the checker with this C library); memory errors are still caught.
extern "C" const char* __asan_default_options() {
    return "detect_leaks=0";
}

namespace qv::table {
namespace {

using testing_support::TableFixture;

/// A control with a picture stored with the design, and that picture as the design gave it.
struct DesignedPicture {
    const forms::Control* control;
    forms::DeferredPicture picture;

    /// The control still holds the design's picture (the layout may have given it another).
    [[nodiscard]] bool held() const {
        if (const auto* image = dynamic_cast<const forms::Image*>(control)) {
            return image->heldPicture() == picture;
        }
        return dynamic_cast<const forms::PictureBox&>(*control).heldPicture() == picture;
    }
};

std::vector<DesignedPicture> designedPictures(const forms::Form& form) {
    std::vector<DesignedPicture> pictures;
    for (const forms::DesignedControl& entry : form.design()) {
        if (!entry.design.picture) {
            continue;
        }
        const forms::Control* control = entry.control;
        if (const auto* image = dynamic_cast<const forms::Image*>(control)) {
            pictures.push_back({control, image->heldPicture()});
        } else {
            pictures.push_back(
                {control, dynamic_cast<const forms::PictureBox&>(*control).heldPicture()});
        }
    }
    return pictures;
}

/// Shown, and some of it inside the window and every container around it: what painting draws.
bool drawn(const forms::Control& control) {
    if (!control.shownInForm()) {
        return false;
    }
    const forms::Form& form = control.form();
    QRectF visible = QRectF(control.pixelRect()).translated(control.container().originInForm());
    visible &= QRectF(QPointF(), form.innerPixelSize());
    for (const forms::Container* outer = &control.container(); outer != &form;) {
        const auto& box = dynamic_cast<const forms::PictureBox&>(*outer);
        visible &= QRectF(box.originInForm(), box.innerPixelSize());
        outer = &box.container();
    }
    return !visible.isEmpty();
}

QString nameOf(const forms::Control& control) {
    return control.index() < 0 ? control.name()
                               : control.name() + u'(' + QString::number(control.index()) + u')';
}

QStringList decodedNames(const std::vector<DesignedPicture>& pictures) {
    QStringList names;
    for (const DesignedPicture& designed : pictures) {
        if (designed.picture.decoded()) {
            names.append(nameOf(*designed.control));
        }
    }
    return names;
}

struct Screen {
    QSize size;
    /// The hidden pictures painted on a shown control, read when that control is drawn: the
    /// small table's background.
    QStringList paintedOnTheTable;
};

void PrintTo(const Screen& screen, std::ostream* out) {
    *out << screen.size.width() << 'x' << screen.size.height();
}

class DesignPictures : public testing::TestWithParam<Screen> {
protected:
    TableFixture fixture{GetParam().size};
    std::vector<DesignedPicture> pictures = designedPictures(fixture.form);
};

QImage tableBefore(QSize size) {
    const QString file = QDir(QStringLiteral(QV_TABLE_FIXTURES))
                             .filePath(u"table-%1x%2.png"_s.arg(size.width()).arg(size.height()));
    return QImage(file).convertToFormat(QImage::Format_ARGB32);
}

// Each design picture is decoded when its control is first drawn (or the control it is painted
// on), never before; the table looks as it did when every design picture was decoded at load
// (the fixtures are renderings from then).
TEST_P(DesignPictures, AreDecodedWhenTheirControlIsFirstDrawnAndDrawAsBefore) {
    EXPECT_TRUE(decodedNames(pictures).isEmpty());
    MainForm& form = fixture.loaded();
    EXPECT_TRUE(decodedNames(pictures).isEmpty());

    const QImage before = tableBefore(GetParam().size);
    ASSERT_FALSE(before.isNull());
    const QImage now = forms::qt::renderToImage(form).convertToFormat(QImage::Format_ARGB32);
    EXPECT_EQ(now.size(), before.size());
    EXPECT_TRUE(now == before);

    QStringList drawnOrRead;
    for (const DesignedPicture& designed : pictures) {
        const QString name = nameOf(*designed.control);
        if ((drawn(*designed.control) && designed.held()) ||
            GetParam().paintedOnTheTable.contains(name)) {
            drawnOrRead.append(name);
        }
    }
    EXPECT_EQ(decodedNames(pictures).join(u' ').toStdString(),
              drawnOrRead.join(u' ').toStdString());
    // The other scale's backgrounds, which only other windows use, stay as stored.
    EXPECT_FALSE(form.pic3.heldPicture().decoded());
    EXPECT_FALSE(form.pic4.heldPicture().decoded());
}

// Many of the table's pictures from the resource store wait hidden until a player sits down.
TEST(TablePictures, AreReadWhenFirstDrawnAndAFailedLoadKeepsThePicture) {
    TableFixture fixture{{1024, 768}};
    forms::Image probe(fixture.loaded().Pic1, u"probe"_s);
    ASSERT_EQ(LoadTablePicture(303, probe), 1);
    EXPECT_FALSE(probe.heldPicture().decoded());
    const QImage card = common::LoadGifPicture(303, u"GIF"_s);
    EXPECT_EQ(probe.heldPicture().size(), card.size());
    EXPECT_EQ(probe.picture().constBits(), card.constBits());

    const forms::DeferredPicture held = probe.heldPicture();
    for (const int id : {0, 34, 5000}) {
        EXPECT_EQ(LoadTablePicture(id, probe), 0) << id;
        EXPECT_TRUE(probe.heldPicture() == held) << id;
    }
}

INSTANTIATE_TEST_SUITE_P(Scales, DesignPictures,
                         testing::Values(Screen{{1024, 768}, {}}, Screen{{800, 600}, {u"Pic2"_s}}),
                         [](const testing::TestParamInfo<Screen>& param) {
                             return param.param.size.width() < 1024 ? "Small" : "Full";
                         });

} // namespace
} // namespace qv::table
