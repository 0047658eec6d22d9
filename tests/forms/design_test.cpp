#include "test_form.h"

#include <atomic>
#include <gmock/gmock.h>
#include <mutex>
#include <stdexcept>
#include <thread>
#include <utility>
#include <vector>

namespace qv::forms::test {
namespace {

using namespace Qt::StringLiterals;

/// Pictures that count their decodes, and the names they were asked for.
class CountingPictures : public DesignPictures {
public:
    [[nodiscard]] DeferredPicture stored(const QString& name, int index) const override {
        asked.append(name + u'(' + QString::number(index) + u')');
        return {QSize(30, 20), [this] {
                    ++decodes;
                    return solidPicture(30, 20);
                }};
    }
    [[nodiscard]] QImage pointer() const override { return solidPicture(32, 32); }
    [[nodiscard]] QImage resource(int resId) const override {
        return resId == 7 ? solidPicture(12, 12, Qt::blue) : QImage();
    }

    mutable QStringList asked;
    mutable int decodes = 0;
};

/// A small window declared with its design rows.
class DesignedForm : public Form {
public:
    explicit DesignedForm(FormHost& host) : Form(host, u"DesignedForm"_s) {
        setScaleMode(ScaleMode::Pixels);
    }

    // clang-format off
    PictureBox panel{*this, u"panel"_s, {.left = 10, .top = 20, .width = 300, .height = 150, .unit = DesignUnit::UserTwips15, .picture = true}};
    ControlArray<Image> marks{panel, u"marks"_s, {{.firstIndex = 0, .lastIndex = 1, .width = 8, .height = 8, .visible = false, .picture = true}, {.firstIndex = 2, .lastIndex = 2, .left = 40, .width = 8, .height = 8, .stretch = true, .pictureRes = 7}}};
    Label title{panel, u"title"_s, {.left = 5, .top = 6, .width = 90, .height = 17, .text = u"标题", .fontSize = 12, .bold = true, .foreColor = rgb(0, 255, 0), .alignment = DesignAlign::Centre}};
    TextBox entry{*this, u"entry"_s, {.width = 60, .height = 20, .text = u"x", .customCursor = true, .maxLength = 4, .readOnly = true}};
    // clang-format on
};

struct DesignFixture {
    platform::fake::FakeTimeService time;
    FormHost host{time};
    DesignedForm& form = host.get<DesignedForm>();
    CountingPictures pictures;
};

TEST(DesignTest, EachControlTakesWhatItsKindHasFromItsRow) {
    DesignFixture f;
    DesignedForm& form = f.form;
    ASSERT_EQ(form.design().size(), 6U);
    applyDesign(form.design(), f.pictures);

    EXPECT_EQ(form.panel.pixelRect(), QRectF(10, 20, 300, 150));
    EXPECT_DOUBLE_EQ(form.panel.scaleWidth(), 300);
    EXPECT_EQ(form.marks(1).container().component().name(), u"panel"_s);
    EXPECT_FALSE(form.marks(1).visible());
    // Unstretched marks take their picture's size; the stretched one keeps its row's.
    EXPECT_EQ(form.marks(1).pixelRect(), QRectF(0, 0, 30, 20));
    EXPECT_EQ(form.marks(2).pixelRect(), QRectF(40, 0, 8, 8));
    EXPECT_EQ(form.marks(2).picture().pixelColor(0, 0), QColor(Qt::blue));
    EXPECT_EQ(form.title.caption(), u"标题"_s);
    EXPECT_EQ(form.title.alignment(), alignment::kCenter);
    EXPECT_TRUE(form.title.fontBold());
    EXPECT_EQ(form.title.foreColor(), rgb(0, 255, 0));
    EXPECT_EQ(form.entry.text(), u"x"_s);
    EXPECT_EQ(form.entry.maxLength(), 4);
    EXPECT_TRUE(form.entry.locked());
    EXPECT_EQ(form.entry.mousePointer(), pointer::kCustom);
}

// Only the flagged controls ask for a stored picture, and none is decoded before it is read.
TEST(DesignTest, AsksOnlyFlaggedControlsForPicturesAndDecodesThemWhenRead) {
    DesignFixture f;
    DesignedForm& form = f.form;
    applyDesign(form.design(), f.pictures);
    EXPECT_EQ(f.pictures.asked, QStringList({u"panel(-1)"_s, u"marks(0)"_s, u"marks(1)"_s}));
    EXPECT_EQ(f.pictures.decodes, 0);
    EXPECT_FALSE(form.marks(0).heldPicture().decoded());

    // A loaded element shares its model's picture: one decode serves both.
    Image& copy = form.marks.load(5);
    EXPECT_EQ(copy.heldPicture(), form.marks(0).heldPicture());
    EXPECT_EQ(copy.picture().size(), QSize(30, 20));
    EXPECT_EQ(f.pictures.decodes, 1);
    EXPECT_TRUE(form.marks(0).heldPicture().decoded());
    EXPECT_EQ(form.marks(0).picture().size(), QSize(30, 20));
    EXPECT_EQ(f.pictures.decodes, 1);
}

// A picture read ahead is decoded once, on a thread of its own, and what that made is what is then
// read; reading ahead a picture that is read or being read does nothing.
TEST(DesignTest, APictureReadAheadIsDecodedOnceOnAThreadOfItsOwn) {
    std::atomic<int> decodes = 0;
    std::thread::id decodedOn;
    const DeferredPicture picture(QSize(3, 2), [&] {
        ++decodes;
        decodedOn = std::this_thread::get_id();
        return solidPicture(3, 2, Qt::red);
    });
    picture.prefetch();
    picture.prefetch();
    EXPECT_FALSE(picture.decoded());
    EXPECT_EQ(picture.image().pixelColor(2, 1), QColor(Qt::red));
    EXPECT_TRUE(picture.decoded());
    picture.prefetch();
    EXPECT_EQ(picture.image().size(), QSize(3, 2));
    EXPECT_EQ(decodes, 1);
    EXPECT_NE(decodedOn, std::this_thread::get_id());
}

TEST(DesignTest, PicturesReadAheadInTurnAreEachDecodedOnceInTheirOrderOnOneOtherThread) {
    std::mutex lock;
    std::vector<std::pair<int, std::thread::id>> reads;
    const auto picture = [&](int number) {
        return DeferredPicture(QSize(2, 2), [&lock, &reads, number] {
            const std::scoped_lock guard(lock);
            reads.emplace_back(number, std::this_thread::get_id());
            return solidPicture(2, 2, number == 2 ? Qt::red : Qt::blue);
        });
    };
    const DeferredPicture first = picture(1);
    const DeferredPicture second = picture(2);
    const DeferredPicture readBefore = picture(3);
    const DeferredPicture unreadable(QSize(1, 1),
                                     []() -> QImage { throw std::runtime_error("unreadable"); });
    (void)readBefore.image();

    DeferredPicture::prefetchInTurn(
        {first, second, readBefore, second, unreadable, DeferredPicture(), DeferredPicture()});
    EXPECT_EQ(second.image().pixelColor(1, 1), QColor(Qt::red));
    EXPECT_EQ(first.image().size(), QSize(2, 2));
    EXPECT_THROW((void)unreadable.image(), std::runtime_error);

    const std::thread::id here = std::this_thread::get_id();
    ASSERT_EQ(reads.size(), 3U);
    EXPECT_EQ(reads[0], std::pair(3, here));
    EXPECT_EQ(reads[1].first, 1);
    EXPECT_EQ(reads[2].first, 2);
    EXPECT_NE(reads[1].second, here);
    EXPECT_EQ(reads[1].second, reads[2].second);
}

} // namespace
} // namespace qv::forms::test
