#include "hand/table_reset.h"

#include "forms/form_host.h"
#include "hand/hand_context.h"
#include "hand/hand_layout.h"
#include "table/chat_windows.h"
#include "table/main_form.h"

#include <array>

using namespace Qt::StringLiterals;

namespace qv::hand {
namespace {

struct Anchor {
    double x;
    double y;
};
constexpr std::array<Anchor, 4> kPlayAnchors = {{{500, 430}, {170, 300}, {300, 195}, {550, 300}}};
constexpr double kHandBaseTop = 545;
constexpr int kCardImages = 33;

struct Rect {
    double left;
    double top;
};
constexpr std::array<Rect, 3> kFaceDownHands = {{{0, 240}, {400, 110}, {800, 240}}};

void hideCards(HandContext& ctx, float sx, float sy) {
    for (int i = 0; i < kCardImages; ++i) {
        forms::Image& card = ctx.form.cardImage0(i);
        card.setVisible(false);
        card.setEnabled(true);
        card.setWidth(90 * sx);
        card.setHeight(120 * sy);
    }
    for (int i = 0; i < kCardImages; ++i) {
        ctx.form.cardImage1(i).setVisible(false);
        ctx.form.cardImage2(i).setVisible(false);
        ctx.form.cardImage3(i).setVisible(false);
    }
}

void hideMarks(HandContext& ctx) {
    for (int k = 0; k < 3; ++k) {
        ctx.form.shanImage(k).setVisible(false);
    }
    ctx.form.imgFaPai.setVisible(false);
    for (int i = 0; i <= 4; ++i) {
        ctx.form.Operation(i).setVisible(false);
    }
    ctx.form.Time_Img.setVisible(false);
    ctx.form.Number.setVisible(false);
    ctx.form.imgDizhu.setVisible(false);
    ctx.form.ImgJiaopai(0).setVisible(false);
    ctx.form.imgBaopai.setVisible(false);
    const forms::Image& bar = ctx.form.imgDinglan;
    ctx.form.imgBaopai.move(bar.left() + bar.width() - ctx.form.imgBaopai.width(),
                            bar.top() + bar.height());
    for (int i = 0; i < 4; ++i) {
        ctx.form.first(i).setVisible(false);
    }
}

void clearRecords(HandContext& ctx) {

    ctx.hand.PlayedImg = {};
    ctx.hand.PrevPlayedImg = {};
    ctx.hand.Oper1_Flag = false;
    ctx.conn.g_CallTicks = 0;
    ctx.conn.g_TurnCount = 0;
    ctx.conn.TurnTime = 15;
    ctx.hand.paiUsed = {};
    ctx.conn.ReconnectCount = 0;
    ctx.conn.ReconnectTime = 0;
    for (PlayerInfo& player : ctx.hand.custom) {
        player.sum = 0;
    }
    ctx.hand.BombTable = {};
    ctx.hand.BombLog = {};
    ctx.hand.g_bFirstDone = false;
    ctx.hand.idiyiming_st = kNoFinisher;
    ctx.hand.idierming_st = kNoFinisher;
    ctx.hand.g_bSecondDone = false;
    ctx.hand.g_CallerSeat = 0;
    ctx.hand.g_CallerCopies = 0;
}

void placeFaceDownHands(HandContext& ctx, float sx, float sy) {
    for (std::size_t k = 0; k < kFaceDownHands.size(); ++k) {
        forms::Image& back = ctx.form.shanImage(static_cast<int>(k));
        back.move(kFaceDownHands[k].left * sx, kFaceDownHands[k].top * sy, 200 * sx, 200 * sy);
        back.setVisible(false);
    }
    if (sy != 1.0F) {
        for (int k = 0; k < 3; ++k) {
            forms::Image& back = ctx.form.shanImage(k);
            back.setStretch(true);
            back.setWidth(90 * sx);
            back.setHeight(80 * sy);
        }
    }
    forms::Image& pile = ctx.form.imgFaPai;
    if (sx < 1.0F) {
        pile.setStretch(true);
    }
    pile.move(462 * sx, 280 * sy, 100 * sx, 140 * sy);
    pile.setVisible(false);
}

} // namespace

void ResetTable(HandContext& ctx) {
    const float sx = ctx.table.ScaleX;
    const float sy = ctx.table.ScaleY;

    for (int i = 0; i < 4; ++i) {
        ctx.form.Speak(i).setVisible(false);
    }
    ctx.form.host().get<table::Talk>().hide();
    for (std::size_t seat = 0; seat < kPlayAnchors.size(); ++seat) {
        PlayerInfo& player = ctx.hand.custom.at(seat);
        player.playX = static_cast<std::int16_t>(RoundHalfEven(kPlayAnchors[seat].x * sx));
        player.playY = static_cast<std::int16_t>(RoundHalfEven(kPlayAnchors[seat].y * sy));
    }
    ctx.hand.g_HandBaseTop = static_cast<std::int16_t>(RoundHalfEven(kHandBaseTop * sy));
    hideCards(ctx, sx, sy);
    hideMarks(ctx);
    clearRecords(ctx);
    placeFaceDownHands(ctx, sx, sy);
    for (int i = 0; i < 11; ++i) {
        ctx.form.imgCardMove(i).setVisible(false);
    }
    for (int i = 0; i < 3; ++i) {
        ctx.form.lbfont(i).setVisible(false);
    }
    if (ctx.conn.WealthMultiple == 0) {
        ctx.form.lbwealth.setCaption(u"1"_s);
        ctx.form.lbwealth.setVisible(false);
        ctx.form.Imgwealth.setVisible(false);
    }
    ctx.conn.g_bPropExitDeferred = false;
    ctx.conn.ResultStage = 0;
    ctx.form.Bank.setVisible(true);
    ctx.form.Bank.zOrder(0);
}

} // namespace qv::hand
