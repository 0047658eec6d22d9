#include "hand/partner_call.h"

#include "common/picture_resources.h"
#include "connection/commands.h"
#include "connection/connection.h"
#include "hand/hand_context.h"
#include "hand/hand_selection.h"
#include "hand/own_finish.h"
#include "table/main_form.h"

#include <vector>

using namespace Qt::StringLiterals;

namespace qv::hand {
namespace {

constexpr int kCallerByte = 8;
constexpr int kCallFlagByte = 9;
constexpr int kFaceByte = 12;
constexpr int kSuitByte = 13;
constexpr int kHighestCallFace = 9;

void hideCallButton(HandContext& ctx) {
    forms::Image& button = ctx.form.btnJiaopai(0);
    button.setVisible(false);
    button.setEnabled(false);
}

} // namespace

void QueueCall(HandContext& ctx, int face, int suitFlag) {
    const std::uint8_t own = ctx.hand.custom[0].seat;
    connection::GameMessage call;
    call.setCommand(connection::MsgCallCard);
    call.setU8(connection::kSeatMaskByte, own);
    call.setU8(kCallerByte, own);
    call.setU8(kCallFlagByte, 1);
    call.setU8(kFaceByte, static_cast<std::uint8_t>(face));
    call.setU8(kSuitByte, static_cast<std::uint8_t>(suitFlag));
    connection::QueueFrame(ctx.conn, call);
}

void CallCard(HandContext& ctx) {
    std::vector<rules::CardCode> raised;
    const PlayerInfo& own = ctx.hand.custom[0];
    for (int i = 0; i < own.sum; ++i) {
        if (IsRaised(ctx, i)) {
            raised.push_back(own.pai.at(static_cast<std::size_t>(i)).code);
        }
    }
    if (raised.size() != 1 || rules::cardFace(raised[0]) > kHighestCallFace) {
        ShowChuPai(ctx, false);
        return;
    }
    ctx.hand.g_bMyTurn = false;
    ctx.conn.slots.BongFlag.at(connection::kTurnSlot) = false;
    ctx.form.Number.setVisible(false);
    ctx.form.Time_Img.setVisible(false);
    hideCallButton(ctx);
    LowerRaisedCards(ctx);
    if (ctx.hand.Oper1_Flag) {
        ctx.hand.Oper1_Flag = false;
        ctx.conn.g_CallTicks = 0;
        QueueCall(ctx, rules::cardFace(raised[0]), rules::cardSuit(raised[0]));
    }
}

void OnPartnerCall(HandContext& ctx, const connection::PartnerCall& call) {
    table::MainForm& form = ctx.form;
    hideCallButton(ctx);
    form.Time_Img.setVisible(false);
    form.Number.setVisible(false);
    ctx.conn.slots.disarm(connection::kTurnSlot);
    ctx.conn.slots.disarm(connection::kReadySlot);
    ctx.conn.g_bOwnCountdown = false;
    for (int s = 1; s <= 3; ++s) {
        form.Speak(s).setVisible(false);
    }
    ctx.hand.g_CallerSeat = call.caller;
    ctx.hand.g_CalledCard = call.calledCard();
    forms::Image& card = form.ImgJiaopai(0);
    common::LoadGifRes(static_cast<std::int16_t>(call.face + 16 * rules::IntLog2(call.suit)),
                       u"GIF"_s, card);
    hideCallButton(ctx);
    card.setVisible(false);
    card.setEnabled(false);
    const forms::Image& frame = form.imgBaopai;
    const float sx = ctx.table.ScaleX;
    const bool full = sx == 1.0F;
    card.move(frame.left() + (full ? 15 : 20) * sx, frame.top() + (full ? 55 : 80) * sx);
    card.setVisible(true);
    card.zOrder(0);
}

} // namespace qv::hand
