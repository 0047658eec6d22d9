#include "chat_fixture.h"

#include <QDir>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace qv::chat {
namespace {

using testing_support::ChatTable;

struct VideoTable : ChatTable {
    VideoTable() {
        client.plugin.Prop_GameDll = plugin;
        client.plugin.Prop_GameDllState = 1;
        plugin->script.showVideo = true;
    }
    std::shared_ptr<platform::fake::RecordingPlugin> plugin =
        std::make_shared<platform::fake::RecordingPlugin>();
};

TEST(VideoPanels, OwnVideoIsAskedOncePerVisit) {
    VideoTable t;
    t.form.Proponeself.raiseMouseMove(0, 0, 0, 5);
    EXPECT_TRUE(t.plugin->callsOf("ShowVmVideo").empty()) << "the left edge asks nothing";
    t.form.Proponeself.raiseMouseMove(0, 0, 5, 5);
    t.form.Proponeself.raiseMouseMove(0, 0, 6, 6);
    ASSERT_EQ(t.plugin->callsOf("ShowVmVideo").size(), 1U);
    EXPECT_EQ(t.client.table.VideoHoverSeat, 1);
    t.form.Pic1.raiseMouseMove(0, 0, 500, 300);
    const auto calls = t.plugin->callsOf("ShowVmVideo");
    ASSERT_EQ(calls.size(), 2U);
    EXPECT_EQ(calls[1].args[1], "0");
    t.form.Proponeself.raiseMouseMove(0, 0, 5, 5);
    EXPECT_EQ(t.plugin->callsOf("ShowVmVideo").size(), 3U);
}

TEST(VideoPanels, SeatPanelOpensSwitchesOffOnceAndOpensAgain) {
    VideoTable t;
    t.form.ImgShow(2).raiseClick();
    EXPECT_TRUE(t.form.ImgKuang(2).visible());
    EXPECT_TRUE(t.form.PicLocal(2).visible());
    t.form.ImCmd(8).raiseClick();
    EXPECT_FALSE(t.form.ImgKuang(2).visible());
    EXPECT_TRUE(t.form.ImgShow(2).visible());
    EXPECT_TRUE(t.client.chat.SeatVideoBlocked[1]);
    t.form.ImCmd(8).raiseClick();
    EXPECT_EQ(t.plugin->callsOf("rec_state").size(), 2U) << "the second switch-off is a no-op";
    t.form.ImgShow(2).raiseClick();
    EXPECT_FALSE(t.client.chat.SeatVideoBlocked[1]);
}

TEST(VideoPanels, StripHoverShowsTheTipUntilTheStripBackground) {
    VideoTable t;
    t.form.ImCmd(3).raiseMouseMove(0, 0, 1, 1);
    EXPECT_TRUE(t.form.Tiplbl.visible());
    EXPECT_EQ(t.form.Tiplbl.text(), u"月光宝盒"_s);
    EXPECT_TRUE(t.client.chat.ImCmdHover[3]);
    t.form.PicLocal(0).raiseMouseMove(0, 0, 1, 1);
    EXPECT_FALSE(t.form.Tiplbl.visible());
    EXPECT_FALSE(t.client.chat.ImCmdHover[3]);
}

TEST(VideoPanels, PhotoOfAnEmptyBufferSaysNothingAndAFullOneIsSaved) {
    VideoTable t;
    const QString album = t.platform.appFolder.path() + u"/photo"_s;
    t.form.ImCmd(6).raiseClick();
    EXPECT_EQ(t.form.Sysmsg(0).listCount(), 0);
    EXPECT_TRUE(QDir(album).isEmpty());
    t.client.chat.PhotoBuffers[1] = "BM....";
    t.form.ImCmd(6).raiseClick();
    EXPECT_EQ(t.form.Sysmsg(0).list(0), u"照相成功,照片保存在本机相册中。"_s);
    EXPECT_EQ(QDir(album).entryList(QDir::Files).size(), 1);
    t.form.ImCmd(0).raiseClick();
    EXPECT_EQ(t.platform.shell.opened_.back(), album);
}

} // namespace
} // namespace qv::chat
