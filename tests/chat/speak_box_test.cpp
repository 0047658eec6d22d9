#include "chat/speak_box.h"
#include "chat_fixture.h"
#include "common/picture_resources.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace qv::chat {
namespace {

using testing_support::ChatTable;

TEST(SpeakBox, FadesInHoldsFadesOutAndParks) {
    ChatTable t;
    OpenSpeakBox(*t.ctx, 2);
    showMe(*t.ctx, 2, u"再见"_s, 210, 8, 4, 2000);
    const table::SpeakBoxOverlay& box = t.form.frmSpeakBox(2);
    EXPECT_TRUE(box.visible());
    EXPECT_EQ(box.alpha(), 255) << "opaque before its first tick";
    t.platform.time.advance(kSpeakBoxTickMs * 26);
    EXPECT_EQ(box.alpha(), 208);
    t.platform.time.advance(kSpeakBoxTickMs * 250);
    EXPECT_EQ(box.alpha(), 208);
    t.platform.time.advance(kSpeakBoxTickMs);
    EXPECT_EQ(box.alpha(), 206) << "tick 277";
    t.platform.time.advance(kSpeakBoxTickMs * 51);
    EXPECT_EQ(box.alpha(), 2) << "tick 328";
    EXPECT_TRUE(box.visible());
    t.platform.time.advance(kSpeakBoxTickMs);
    EXPECT_FALSE(box.visible()) << "parked at tick 329";
    EXPECT_EQ(box.phrase(), QString());
    EXPECT_EQ(box.alpha(), 2);
}

TEST(SpeakBox, OneOverlayPerSeatReusedWithTheOutlineOfItsPicture) {
    ChatTable t;
    OpenSpeakBox(*t.ctx, 2);
    const QRegion first = t.form.frmSpeakBox(2).shape();
    EXPECT_NEAR(t.form.frmSpeakBox(2).width(), 208, 0.01);
    EXPECT_NEAR(t.form.frmSpeakBox(2).height(), 104, 0.01);
    EXPECT_FALSE(first.contains(QPoint(0, 0)));
    EXPECT_TRUE(first.contains(QPoint(104, 52)));
    showMe(*t.ctx, 2, u"一"_s, 210, 8, 4, 2000);
    t.platform.time.advance(kSpeakBoxTickMs * 100);
    OpenSpeakBox(*t.ctx, 2);
    showMe(*t.ctx, 2, u"二"_s, 210, 8, 4, 2000);
    t.platform.time.advance(kSpeakBoxTickMs);
    EXPECT_EQ(t.form.frmSpeakBox(2).alpha(), 8) << "a new phrase fades in again";
    EXPECT_EQ(t.form.frmSpeakBox(2).phrase(), u"二"_s);
}

TEST(SpeakBoxRegion, RowsOfNonKeyPixelsEndBeforeTheLastColumn) {
    QImage picture(5, 3, QImage::Format_RGB32);
    picture.fill(Qt::magenta);
    picture.setPixel(1, 0, qRgb(255, 255, 255));
    picture.setPixel(2, 0, qRgb(255, 255, 255));
    for (int x = 2; x < 5; ++x) {
        picture.setPixel(x, 2, qRgb(0, 0, 0));
    }
    picture.setPixel(4, 1, qRgb(0, 0, 0));
    const QRegion region = SpeakBoxRegion(picture, 0);
    EXPECT_EQ(region, QRegion(1, 0, 2, 1) + QRegion(2, 2, 2, 1));
}

} // namespace
} // namespace qv::chat
