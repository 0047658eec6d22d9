#include "controls/gif/uc_ani_gif.h"
#include "forms/forms.h"
#include "gif_builder.h"
#include "platform/fake/fake_http_client.h"
#include "platform/fake/fake_time_service.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace qv::controls {
namespace {

using namespace test;

class PlainForm : public forms::Form {
public:
    explicit PlainForm(forms::FormHost& host) : Form(host, u"PlainForm"_s) {
        move(0, 0, 15360, 11520);
    }
};

// Three frames of 2 x 1 pixels: red|green, green|blue, blue|red, with the given delays (in
// hundredths of a second).
QByteArray threeFrames(int delay1 = 0, int delay2 = 0, int delay3 = 0, int loops = -1) {
    std::vector<TestFrame> frames{{.width = 2, .height = 1, .pixels = {1, 2}, .delay = delay1},
                                  {.width = 2, .height = 1, .pixels = {2, 3}, .delay = delay2},
                                  {.width = 2, .height = 1, .pixels = {3, 1}, .delay = delay3}};
    return MakeGif(kPalette, frames, loops);
}

class AniGifTest : public testing::Test {
protected:
    AniGifTest() {
        gif.move(0, 0, 2 * 15, 1 * 15);
        gif.gifEvents.LoopsEnded = [this] {
            ++loopsEnded;
        };
        gif.gifEvents.RemoteLoadFailure = [this] {
            ++failures;
        };
        gif.gifEvents.RemoteLoadComplete = [this](double w, double h, bool& /*cancel*/) {
            completed = {w, h};
        };
        gif.gifEvents.reportOver = [this](int frame) {
            reported.push_back(frame);
        };
    }

    // The first pixel's colour on screen, or 0 when nothing is painted there.
    [[nodiscard]] QRgb shown(int x = 0) const {
        return gif.surface().isNull() ? 0 : gif.surface().pixel(x, 0);
    }
    // The frame on screen after each `step` ms for `count` steps.
    std::vector<int> framesEvery(int step, int count) {
        std::vector<int> seen;
        for (int i = 0; i < count; ++i) {
            time.advance(step);
            seen.push_back(gif.currentFrame());
        }
        return seen;
    }

    platform::fake::FakeTimeService time;
    platform::fake::FakeHttpClient http;
    forms::FormHost host{time};
    PlainForm& form = host.get<PlainForm>();
    ucAniGIF gif{form, u"ucAni_BBQS"_s, time, http};
    int loopsEnded = 0;
    int failures = 0;
    std::pair<double, double> completed{-1, -1};
    std::vector<int> reported;
};

TEST_F(AniGifTest, LoadShowsFrameOneAndBuildsTheRestOnTheDeferredTimer) {
    ASSERT_TRUE(gif.LoadAnimatedGIF_Array(threeFrames()));
    EXPECT_EQ(gif.currentFrame(), 1);
    EXPECT_EQ(gif.action(), ucAniGIF::kPlay);
    EXPECT_EQ(gif.frameCount(), 3);
    time.advance(20);
    EXPECT_EQ(gif.currentFrame(), 1);
    EXPECT_EQ(framesEvery(50, 4), (std::vector<int>{2, 3, 1, 2}));
    EXPECT_EQ(shown(0), kGreen);
    EXPECT_EQ(shown(1), kBlue);
}

TEST_F(AniGifTest, FrameDelaysHaveMinFrameDelayAsTheirFloor) {
    gif.setMinFrameDelay(100);
    ASSERT_TRUE(gif.LoadAnimatedGIF_Array(threeFrames(8, 12, 8)));
    time.advance(20);
    // Frame 1 shows 100 ms (80 raised), frame 2 its own 120 ms.
    EXPECT_EQ(framesEvery(10, 25), (std::vector<int>{1, 1, 1, 1, 1, 1, 1, 1, 1, 2, 2, 2, 2,
                                                     2, 2, 2, 2, 2, 2, 2, 2, 3, 3, 3, 3}));
}

TEST_F(AniGifTest, OneLoopPlaysEachFrameOnceThenEmptiesTheControl) {
    ASSERT_TRUE(gif.LoadAnimatedGIF_Array(threeFrames(0, 0, 0, 1)));
    EXPECT_EQ(gif.loops(), 1);
    time.advance(20);
    EXPECT_EQ(framesEvery(50, 3), (std::vector<int>{2, 3, 0}));
    EXPECT_EQ(loopsEnded, 1);
    EXPECT_EQ(gif.action(), ucAniGIF::kStop);
    EXPECT_EQ(gif.frameCount(), 0);
    EXPECT_EQ(shown(), 0U);
    EXPECT_EQ(time.activeTimers(), 0U);
}

TEST_F(AniGifTest, AOneFrameGifStartsNoTimer) {
    ASSERT_TRUE(gif.LoadAnimatedGIF_Array(MakeGif(kPalette, {SolidFrame(0, 0, 2, 1, 3)})));
    EXPECT_EQ(gif.action(), ucAniGIF::kStop);
    EXPECT_EQ(time.activeTimers(), 0U);
    EXPECT_EQ(shown(), kBlue);
    gif.setAction(ucAniGIF::kPlay);
    EXPECT_EQ(gif.action(), ucAniGIF::kStop);
}

TEST_F(AniGifTest, ActionValuesStepPauseRewindAndStop) {
    ASSERT_TRUE(gif.LoadAnimatedGIF_Array(threeFrames()));
    time.advance(20);
    gif.setAction(ucAniGIF::kStep);
    EXPECT_EQ(gif.currentFrame(), 2);
    EXPECT_EQ(gif.action(), ucAniGIF::kPause);
    time.advance(500);
    EXPECT_EQ(gif.currentFrame(), 2);
    gif.setAction(ucAniGIF::kPlay);
    EXPECT_EQ(framesEvery(50, 1), std::vector<int>{3});
    gif.setAction(ucAniGIF::kRewind);
    EXPECT_EQ(gif.currentFrame(), 1);
    EXPECT_EQ(gif.action(), ucAniGIF::kPlay);
    gif.setAction(ucAniGIF::kStop);
    EXPECT_EQ(gif.currentFrame(), 0);
    EXPECT_EQ(gif.loopsRemaining(), -1);
    gif.setAction(ucAniGIF::kPlay);
    EXPECT_EQ(gif.currentFrame(), 0);
    EXPECT_EQ(shown(), 0U);
}

TEST_F(AniGifTest, APauseBeforeTheDeferredBuildStillBuildsEveryFrame) {
    ASSERT_TRUE(gif.LoadAnimatedGIF_Array(threeFrames()));
    time.advance(5);
    gif.setAction(ucAniGIF::kPause);
    EXPECT_EQ(gif.action(), ucAniGIF::kPause);
    gif.setAction(ucAniGIF::kStep);
    EXPECT_EQ(shown(0), kGreen);
    gif.setAction(ucAniGIF::kStep);
    EXPECT_EQ(shown(0), kBlue);
}

TEST_F(AniGifTest, PropertyRangesAndLoopsRemaining) {
    gif.setMinFrameDelay(5);
    EXPECT_EQ(gif.minFrameDelay(), 10);
    gif.setMinFrameDelay(40000);
    EXPECT_EQ(gif.minFrameDelay(), 32700);
    gif.setMinFrameDelay(50);
    gif.setLoops(-3);
    EXPECT_EQ(gif.loops(), 3);
    gif.setStretch(7);
    EXPECT_EQ(gif.stretch(), 1);
    gif.setMirrored(4);
    EXPECT_EQ(gif.mirrored(), 0);
    ASSERT_TRUE(gif.LoadAnimatedGIF_Array(threeFrames(0, 0, 0, 2)));
    EXPECT_EQ(gif.loopsRemaining(), 2);
    time.advance(20 + 150);
    EXPECT_EQ(gif.currentFrame(), 1);
    EXPECT_EQ(gif.loopsRemaining(), 1);
}

TEST_F(AniGifTest, MirroringIsAppliedOnceToEveryFrameAcrossTheDeferredBuild) {
    gif.setMirrored(1);
    ASSERT_TRUE(gif.LoadAnimatedGIF_Array(threeFrames()));
    EXPECT_EQ(shown(0), kGreen);
    time.advance(20);
    std::vector<std::pair<QRgb, QRgb>> seen;
    for (int i = 0; i < 3; ++i) {
        gif.setAction(ucAniGIF::kStep);
        seen.emplace_back(shown(0), shown(1));
    }
    EXPECT_EQ(seen,
              (std::vector<std::pair<QRgb, QRgb>>{{kBlue, kGreen}, {kRed, kBlue}, {kGreen, kRed}}));
    gif.setMirrored(0);
    EXPECT_EQ(shown(0), kRed);
}

TEST_F(AniGifTest, StretchModesSizeTheControl) {
    const QByteArray square =
        MakeGif(kPalette, {SolidFrame(0, 0, 4, 4, 1), SolidFrame(0, 0, 4, 4, 2)});
    struct Case {
        int stretch;
        QSizeF size;
    };
    for (const Case& c :
         {Case{0, {4, 4}}, Case{1, {6, 6}}, Case{2, {9, 7}}, Case{3, {4, 4}}, Case{4, {4, 4}}}) {
        gif.setStretch(c.stretch);
        gif.move(0, 0, 8 * 15, 6 * 15);
        ASSERT_TRUE(gif.LoadAnimatedGIF_Array(square));
        if (c.stretch == 0 || c.stretch == 2) {
            gif.move(0, 0, 9 * 15, 7 * 15);
        }
        EXPECT_EQ(gif.pixelRect().size(), c.size) << c.stretch;
        EXPECT_EQ(gif.surface().pixel(3, 3), kRed) << c.stretch;
    }
}

TEST_F(AniGifTest, ChangingStretchOfAStoppedAnimationKeepsIt) {
    ASSERT_TRUE(gif.LoadAnimatedGIF_Array(MakeGif(kPalette, {SolidFrame(0, 0, 2, 1, 3)})));
    gif.setStretch(4);
    EXPECT_EQ(gif.currentFrame(), 1);
    EXPECT_EQ(shown(), kBlue);
}

TEST_F(AniGifTest, AMissingFileLeavesTheAnimationShown) {
    QTemporaryDir dir;
    const QString path = dir.filePath(u"a.gif"_s);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(threeFrames());
    file.close();
    ASSERT_TRUE(gif.LoadAnimatedGIF_File(path));
    time.advance(20);
    EXPECT_FALSE(gif.LoadAnimatedGIF_File(dir.filePath(u"missing.gif"_s)));
    EXPECT_EQ(gif.frameCount(), 3);
    EXPECT_EQ(shown(), kRed);
}

TEST_F(AniGifTest, BytesThatAreNoGifLeaveTheControlEmpty) {
    ASSERT_TRUE(gif.LoadAnimatedGIF_Array(threeFrames()));
    EXPECT_FALSE(
        gif.LoadAnimatedGIF_Array(QByteArray("GIF89a\x01\x00\x01\x00\x00\x00\x00\x3B", 14)));
    EXPECT_EQ(gif.currentFrame(), 0);
    EXPECT_EQ(gif.frameCount(), 0);
    EXPECT_EQ(time.activeTimers(), 0U);
}

TEST_F(AniGifTest, EveryPaintBeforeALoadReportsFrameZero) {
    gif.refresh();
    gif.setAction(ucAniGIF::kStep);
    ASSERT_TRUE(gif.LoadAnimatedGIF_Array(threeFrames()));
    time.advance(20 + 100);
    EXPECT_EQ(reported.back(), 3);
    EXPECT_EQ(reported.front(), 0);
}

TEST_F(AniGifTest, TheCurrentFrameComesBackAsAOneFrameGif) {
    EXPECT_TRUE(gif.animatedGIF().isNull());
    ASSERT_TRUE(gif.LoadAnimatedGIF_Array(threeFrames()));
    time.advance(20 + 50);
    const GifPicture picture = gif.animatedGIF();
    ASSERT_FALSE(picture.isNull());
    EXPECT_EQ(picture.image.size(), QSize(2, 1));
    EXPECT_EQ(picture.image.pixel(0, 0), kGreen);
    EXPECT_EQ(picture.image.pixel(1, 0), kBlue);

    ucAniGIF other{form, u"other"_s, time, http};
    other.move(0, 0, 2 * 15, 1 * 15);
    other.setAnimatedGIF(picture);
    EXPECT_EQ(other.frameCount(), 1);
    EXPECT_EQ(other.surface().pixel(1, 0), kBlue);
    other.setAnimatedGIF({});
    EXPECT_EQ(other.frameCount(), 0);
}

TEST_F(AniGifTest, RemoteLoadsReportTooShortNotAGifAndTheLogicalScreen) {
    gif.LoadAnimatedGIF_Remote(u"http://host/a.gif"_s);
    http.complete(http.lastRequest(), QByteArray("GIF89a\x55\x00\x2A\x00\x00\x00\x00\x3B", 14));
    EXPECT_EQ(failures, 1);
    gif.LoadAnimatedGIF_Remote(u"http://host/a.gif"_s);
    http.complete(http.lastRequest(), QByteArray("PNG89a\x55\x00\x2A\x00\x00\x00\x00\x3B\x00", 15));
    EXPECT_EQ(failures, 2);
    gif.LoadAnimatedGIF_Remote(u"http://host/a.gif"_s);
    http.fail(http.lastRequest());
    EXPECT_EQ(failures, 3);
    http.refuseRequests(true);
    gif.LoadAnimatedGIF_Remote(u"http://host/a.gif"_s);
    EXPECT_EQ(failures, 4);
    http.refuseRequests(false);
    gif.LoadAnimatedGIF_Remote(u""_s);
    EXPECT_EQ(http.pendingCount(), 0U);

    gif.LoadAnimatedGIF_Remote(u"http://host/a.gif"_s);
    http.complete(http.lastRequest(), QByteArray("GIF89a\x55\x00\x2A\x00\x00\x00\x00\x3B\x00", 15));
    EXPECT_EQ(failures, 4);
    // Twips on the form: 85 and 42 pixels.
    EXPECT_EQ(completed, std::make_pair(85.0 * 15, 42.0 * 15));

    gif.LoadAnimatedGIF_Remote(u"http://host/b.gif"_s);
    http.complete(http.lastRequest(), threeFrames());
    EXPECT_EQ(gif.frameCount(), 3);
}

} // namespace
} // namespace qv::controls
