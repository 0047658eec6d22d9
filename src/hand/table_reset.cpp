#include "hand/table_reset.h"

#include "client.h"
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

void hideCards(table::MainForm& form, float sx, float sy) {
    for (int i = 0; i < kCardImages; ++i) {
        forms::Image& card = form.cardImage0(i);
        card.setVisible(false);
        card.setEnabled(true);
        card.setWidth(90 * sx);
        card.setHeight(120 * sy);
    }
    for (int i = 0; i < kCardImages; ++i) {
        form.cardImage1(i).setVisible(false);
        form.cardImage2(i).setVisible(false);
        form.cardImage3(i).setVisible(false);
    }
}

void hideMarks(table::MainForm& form) {
    for (int k = 0; k < 3; ++k) {
        form.shanImage(k).setVisible(false);
    }
    form.imgFaPai.setVisible(false);
    for (int i = 0; i <= 4; ++i) {
        form.Operation(i).setVisible(false);
    }
    form.Time_Img.setVisible(false);
    form.Number.setVisible(false);
    form.imgDizhu.setVisible(false);
    form.ImgJiaopai(0).setVisible(false);
    form.imgBaopai.setVisible(false);
    const forms::Image& bar = form.imgDinglan;
    form.imgBaopai.move(bar.left() + bar.width() - form.imgBaopai.width(),
                        bar.top() + bar.height());
    for (int i = 0; i < 4; ++i) {
        form.first(i).setVisible(false);
    }
}

void clearRecords(Client& client) {
    HandState& hand = client.hand;
    hand.PlayedImg = {};
    hand.PrevPlayedImg = {};
    hand.Oper1_Flag = false;
    client.shared.g_CallTicks = 0;
    client.conn.TurnTime = 15;
    hand.paiUsed = {};
    client.conn.ReconnectCount = 0;
    client.conn.ReconnectTime = 0;
    for (PlayerInfo& player : client.shared.custom) {
        player.sum = 0;
    }
    hand.BombTable = {};
    hand.BombLog = {};
    hand.g_bFirstDone = false;
    hand.idiyiming_st = kNoFinisher;
    hand.idierming_st = kNoFinisher;
    hand.g_bSecondDone = false;
    hand.g_CallerSeat = 0;
    hand.g_CallerCopies = 0;
}

void placeFaceDownHands(table::MainForm& form, float sx, float sy) {
    for (std::size_t k = 0; k < kFaceDownHands.size(); ++k) {
        forms::Image& hand = form.shanImage(static_cast<int>(k));
        hand.move(kFaceDownHands[k].left * sx, kFaceDownHands[k].top * sy, 200 * sx, 200 * sy);
        hand.setVisible(false);
    }
    if (sy != 1.0F) {
        for (int k = 0; k < 3; ++k) {
            forms::Image& hand = form.shanImage(k);
            hand.setStretch(true);
            hand.setWidth(90 * sx);
            hand.setHeight(80 * sy);
        }
    }
    forms::Image& pile = form.imgFaPai;
    if (sx < 1.0F) {
        pile.setStretch(true);
    }
    pile.move(462 * sx, 280 * sy, 100 * sx, 140 * sy);
    pile.setVisible(false);
}

} // namespace

void ResetTable(table::MainForm& form) {
    Client& client = form.client();
    const float sx = client.shared.ScaleX;
    const float sy = client.shared.ScaleY;

    for (int i = 0; i < 4; ++i) {
        form.Speak(i).setVisible(false);
    }
    form.host().get<table::Talk>().hide();
    for (std::size_t seat = 0; seat < kPlayAnchors.size(); ++seat) {
        PlayerInfo& player = client.shared.custom.at(seat);
        player.playX = static_cast<std::int16_t>(RoundHalfEven(kPlayAnchors[seat].x * sx));
        player.playY = static_cast<std::int16_t>(RoundHalfEven(kPlayAnchors[seat].y * sy));
    }
    client.hand.g_HandBaseTop = static_cast<std::int16_t>(RoundHalfEven(kHandBaseTop * sy));
    hideCards(form, sx, sy);
    hideMarks(form);
    clearRecords(client);
    placeFaceDownHands(form, sx, sy);
    for (int i = 0; i < 11; ++i) {
        form.imgCardMove(i).setVisible(false);
    }
    for (int i = 0; i < 3; ++i) {
        form.lbfont(i).setVisible(false);
    }
    if (client.conn.WealthMultiple == 0) {
        form.lbwealth.setCaption(u"1"_s);
        form.lbwealth.setVisible(false);
        form.Imgwealth.setVisible(false);
    }
    client.shared.g_bPropExitDeferred = false;
    client.shared.ResultStage = 0;
    form.Bank.setVisible(true);
    form.Bank.zOrder(0);
}

} // namespace qv::hand
