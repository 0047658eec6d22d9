#include "forms/image.h"
#include "forms/picture_box.h"
#include "forms/qt/render_to_image.h"
#include "table_fixture.h"

#include <QDir>

#include <gtest/gtest.h>
#include <ostream>
#include <vector>

using namespace Qt::StringLiterals;

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
    /// The pictures the start-up itself reads: the frame that the skin paints, and the small
    /// table's background.
    QStringList readByTheLayout;
};

void PrintTo(const Screen& screen, std::ostream* out) {
    *out << screen.size.width() << 'x' << screen.size.height();
}

class DesignPictures : public testing::TestWithParam<Screen> {
protected:
    TableFixture fixture{GetParam().size};
    std::vector<DesignedPicture> pictures = designedPictures(fixture.form);
};

TEST_P(DesignPictures, AreDecodedOnlyWhenTheirControlIsFirstShown) {
    EXPECT_EQ(decodedNames(pictures), QStringList());
    MainForm& form = fixture.loaded();
    EXPECT_EQ(decodedNames(pictures), GetParam().readByTheLayout);

    (void)forms::qt::renderToImage(form);
    for (const DesignedPicture& designed : pictures) {
        const forms::Control& control = *designed.control;
        SCOPED_TRACE(nameOf(control).toStdString());
        const bool shown = drawn(control) && designed.held();
        EXPECT_EQ(designed.picture.decoded(),
                  shown || GetParam().readByTheLayout.contains(nameOf(control)));
    }
    // The other scale's backgrounds, which only other windows use, stay as stored.
    EXPECT_FALSE(form.pic3.heldPicture().decoded());
    EXPECT_FALSE(form.pic4.heldPicture().decoded());
}

// The table looks as it did when every design picture was decoded at load.
TEST_P(DesignPictures, DrawTheTableAsBefore) {
    const QSize size = GetParam().size;
    const QString fixtureFile =
        QDir(QStringLiteral(QV_TABLE_FIXTURES))
            .filePath(u"table-%1x%2.png"_s.arg(size.width()).arg(size.height()));
    const QImage before = QImage(fixtureFile).convertToFormat(QImage::Format_ARGB32);
    ASSERT_FALSE(before.isNull()) << fixtureFile.toStdString();
    const QImage now =
        forms::qt::renderToImage(fixture.loaded()).convertToFormat(QImage::Format_ARGB32);
    EXPECT_EQ(now.size(), before.size());
    EXPECT_TRUE(now == before);
}

INSTANTIATE_TEST_SUITE_P(Scales, DesignPictures,
                         testing::Values(Screen{{1024, 768}, {}}, Screen{{800, 600}, {u"Pic2"_s}}),
                         [](const testing::TestParamInfo<Screen>& param) {
                             return param.param.size.width() < 1024 ? "Small" : "Full";
                         });

} // namespace
} // namespace qv::table
