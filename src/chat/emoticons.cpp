#include "chat/emoticons.h"

#include "chat/chat_context.h"
#include "common/picture_resources.h"
#include "table/main_form.h"
#include "table/system_ticker.h"

#include <array>

using namespace Qt::StringLiterals;

namespace qv::chat {
namespace {

constexpr int kFirstEmoticonPicture = 667;
constexpr int kShowTicks = 60;
constexpr double kSize = 65;

struct Spot {
    double left;
    double top;
};
// The places over seats 0 to 2 for a received emoticon; seat 3 keeps the table layout's.
constexpr std::array<Spot, 3> kReceivedSpots = {{{510, 400}, {115, 280}, {810, 280}}};
constexpr Spot kOwnSpot = {510, 441};

void place(ChatContext& ctx, controls::ucAniGIF& player, Spot spot) {
    const double sx = ctx.table.ScaleX;
    const double sy = ctx.table.ScaleY;
    player.move(spot.left * sx, spot.top * sy, kSize * sx, kSize * sy);
}

bool play(controls::ucAniGIF& player, int number) {
    const auto bytes = common::PictureResourceBytes(
        static_cast<std::int16_t>(kFirstEmoticonPicture + number), u"GIF"_s);
    return bytes && player.LoadAnimatedGIF_Array(*bytes);
}

void startShowing(ChatState& chat) {
    chat.EmoticonShowing = true;
    chat.EmoticonShowTicks = 0;
}

} // namespace

bool IsEmoticonNumber(int number) {
    return number >= 1 && number <= 18;
}

void ShowReceivedEmoticon(ChatContext& ctx, int seat, int number) {
    if (seat == 0) {
        QString notice = u"您使用动态表情，消耗50金币!"_s;
        table::AddSystemMessage(ctx.form, notice);
    }
    for (std::size_t i = 0; i < kReceivedSpots.size(); ++i) {
        place(ctx, ctx.form.ucAni_BBQS(static_cast<int>(i)), kReceivedSpots[i]);
    }
    if (!IsEmoticonNumber(number)) {
        return;
    }
    controls::ucAniGIF& player = ctx.form.ucAni_BBQS(seat);
    play(player, number);
    player.setVisible(true);
    startShowing(ctx.chat);
    if (seat > 0) {
        ctx.chat.TalkBlinkCount = kTalkBlinks;
    }
}

void ShowOwnEmoticon(ChatContext& ctx, int number) {
    controls::ucAniGIF& player = ctx.form.ucAni_BBQS(0);
    place(ctx, player, kOwnSpot);
    player.setAnimatedGIF({});
    play(player, number);
    // Shown at once rather than when the server's echo arrives.
    player.setVisible(true);
    startShowing(ctx.chat);
}

void EmoticonTimeout(ChatContext& ctx) {
    ChatState& chat = ctx.chat;
    ++chat.EmoticonShowTicks;
    if (!chat.EmoticonShowing || chat.EmoticonShowTicks < kShowTicks) {
        return;
    }
    for (controls::ucAniGIF* player : ctx.form.ucAni_BBQS.elements()) {
        player->setAnimatedGIF({});
        player->setVisible(false);
    }
    chat.EmoticonShowing = false;
    chat.EmoticonShowTicks = 0;
}

} // namespace qv::chat
