#include "app/main_form_view.h"
#include "chat/speak_box.h"
#include "chat_fixture.h"
#include "forms/qt/render_to_image.h"

#include <QDir>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace qv::chat {
namespace {

using testing_support::ChatTable;

class ChatRender : public testing::TestWithParam<QSize> {};

TEST_P(ChatRender, TablePictureShowsABubbleAndAnEmoticon) {
    ChatTable t(GetParam());
    // The start-up hides the prize bar until the prize pool comes.
    app::MainFormView(t.client, t.form).hidePrizePanel();
    OpenSpeakBox(*t.ctx, 0);
    showMe(*t.ctx, 0, u"大家好"_s, 210, 8, 4, 2000);
    t.platform.time.advance(kSpeakBoxTickMs * 30);
    t.client.chatReceiver.OnChatMessage(testing_support::chatFromServer({{6, 4}, {9, 3}, {12, 3}}));
    const QImage table = forms::qt::renderToImage(t.form);
    ASSERT_FALSE(table.isNull());
    const QString out = QDir::temp().filePath(u"chat-table-%1.png"_s.arg(GetParam().width()));
    EXPECT_TRUE(table.save(out));
    const QRectF bubble = t.form.frmSpeakBox(0).pixelRect();
    const QRgb inside = table.pixel(bubble.center().toPoint());
    EXPECT_NE(inside, qRgb(0, 128, 0)) << "the bubble covers the table there";
}

INSTANTIATE_TEST_SUITE_P(Screens, ChatRender, testing::Values(QSize(1024, 768), QSize(800, 600)));

} // namespace
} // namespace qv::chat
