#include "chat/emoticon_picker.h"

#include "chat/chat_context.h"
#include "chat/chat_frame.h"
#include "chat/chat_sending.h"
#include "chat/emoticons.h"
#include "common/picture_resources.h"
#include "table/main_form.h"
#include "table/system_ticker.h"
#include "table/window_pictures.h"

namespace qv::chat {
namespace {

constexpr double kWidthTwips = 5220;
constexpr double kHeightTwips = 3195;
constexpr int kTiles = 8;
constexpr int kFirstTilePicture = 668;
constexpr double kLeastCoins = 1000;
constexpr std::int64_t kCoolDownMs = 7000;

// The page buttons' pictures.
constexpr int kPrevNormal = 769;
constexpr int kPrevHover = 770;
constexpr int kPrevGrey = 772;
constexpr int kNextNormal = 773;
constexpr int kNextHover = 774;
constexpr int kNextGrey = 776;

void setPicture(forms::Image& button, int resId) {
    common::LoadGifRes(static_cast<std::int16_t>(resId), u"GIF"_s, button);
}

void clearTiles(frmBiaoqing& picker) {
    for (controls::ucAniGIF* tile : picker.ucAni_DBQ.elements()) {
        tile->setAnimatedGIF({});
    }
}

/// Tiles from `first` on show emoticons `firstNumber` onward, up to the last one.
void fillTiles(frmBiaoqing& picker, int firstNumber) {
    for (int i = 0; i < kTiles && IsEmoticonNumber(firstNumber + i); ++i) {
        const auto bytes = common::PictureResourceBytes(
            static_cast<std::int16_t>(kFirstTilePicture + firstNumber - 1 + i), u"GIF"_s);
        if (bytes) {
            picker.ucAni_DBQ(i).LoadAnimatedGIF_Array(*bytes);
        }
    }
}

void showPage(frmBiaoqing& picker, ChatState& chat, int page) {
    clearTiles(picker);
    fillTiles(picker, (page - 1) * kTiles + 1);
    chat.EmoticonPage = page;
    picker.Lbl_Dcp.setCaption(QString::number(page));
    picker.Cmd_Dpp.setEnabled(page > 1);
    picker.Cmd_Dnp.setEnabled(page < 3);
    setPicture(picker.Cmd_Dpp, page > 1 ? kPrevNormal : kPrevGrey);
    setPicture(picker.Cmd_Dnp, page < 3 ? kNextNormal : kNextGrey);
}

void hover(forms::Image& button, int picture) {
    if (button.enabled() && button.tag() == u"0"_s) {
        button.setTag(u"1"_s);
        setPicture(button, picture);
    }
}

void rest(forms::Image& button, int picture) {
    if (button.enabled() && button.tag() == u"1"_s) {
        button.setTag(u"0"_s);
        setPicture(button, picture);
    }
}

/// The private prefix goes from the chat box too, so the typed text stays and the next Enter
/// cannot send it publicly with the prefix still in it.
void dropPrivatePrefix(ChatContext& ctx) {
    forms::TextBox& box = ctx.form.Chat;
    if (HoldsPrivatePrefix(ctx, box.text())) {
        const QString typed = box.text().mid(ctx.chat.ChatTargetPrefix.size());
        ctx.chat.ChatTargetPrefix.clear();
        box.setText(typed);
        box.setSelStart(static_cast<int>(typed.size()));
    }
    ctx.chat.ChatTargetPrefix.clear();
}

} // namespace

frmBiaoqing::frmBiaoqing(forms::FormHost& host, platform::TimeService& time,
                         platform::HttpClient& http)
    : forms::Form(host, u"frmBiaoqing"_s), time_(time), http_(http) {
    setCaption(u"FormBQ"_s);
    setBorderStyle(0);
    move(left(), top(), kWidthTwips, kHeightTwips);
    const table::WindowPictures pictures(name());
    setPicture(pictures.stored(u"background"_s, -1));
    forms::applyDesign(design(), pictures);
}

void frmBiaoqing_Form_Load(frmBiaoqing& picker, ChatState& chat) {
    setPicture(picker.Cmd_Dpp, kPrevGrey);
    picker.Cmd_Dpp.setTag(u"0"_s);
    setPicture(picker.Cmd_Dnp, kNextNormal);
    picker.Cmd_Dnp.setTag(u"0"_s);
    fillTiles(picker, 1);
    chat.EmoticonPage = 1;
    picker.Lbl_Dcp.setCaption(u"1"_s);
    picker.Cmd_Dpp.setEnabled(false);
}

void Cmd_Dnp_Click(frmBiaoqing& picker, ChatState& chat) {
    if (picker.Cmd_Dnp.enabled() && chat.EmoticonPage < 3) {
        showPage(picker, chat, chat.EmoticonPage + 1);
    }
}

void Cmd_Dpp_Click(frmBiaoqing& picker, ChatState& chat) {
    if (picker.Cmd_Dpp.enabled() && chat.EmoticonPage > 1) {
        showPage(picker, chat, chat.EmoticonPage - 1);
    }
}

void ucAni_DBQ_Click(ChatContext& ctx, frmBiaoqing& picker, int tile) {
    ChatState& chat = ctx.chat;
    if (ctx.conn.Detail[0].coins <= kLeastCoins) {
        QString notice = u"您的金币低于1000，不能发送表情!"_s;
        table::AddSystemMessage(ctx.form, notice);
        return;
    }
    const std::int64_t now = ctx.services.time.monotonicMs();
    if (chat.DBQ_click_time && now - *chat.DBQ_click_time < kCoolDownMs) {
        return;
    }
    chat.DBQ_click_time = now;
    connection::GameMessage msg = ChatMessageFrom(ctx.hand.custom[0].seat);
    msg.setU8(kChatKindByte, kEmoticon);
    const int number = (chat.EmoticonPage - 1) * kTiles + tile + 1;
    if (!IsEmoticonNumber(number)) {
        return;
    }
    msg.setU8(kChatEmoticonByte, static_cast<std::uint8_t>(number));
    // One zero character, so that the message is not dropped as empty.
    chat.ChatSendText = QString(QChar(u'\0'));
    dropPrivatePrefix(ctx);
    ShowOwnEmoticon(ctx, number);
    connection::QueueFrame(ctx.conn, msg);
    picker.hide();
}

void Cmd_Dpp_MouseMove(frmBiaoqing& picker) {
    hover(picker.Cmd_Dpp, kPrevHover);
}

void Cmd_Dnp_MouseMove(frmBiaoqing& picker) {
    hover(picker.Cmd_Dnp, kNextHover);
}

void frmBiaoqing_Form_MouseMove(frmBiaoqing& picker) {
    rest(picker.Cmd_Dnp, kNextNormal);
    rest(picker.Cmd_Dpp, kPrevNormal);
}

} // namespace qv::chat
