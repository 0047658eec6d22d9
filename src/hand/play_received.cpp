#include "hand/play_received.h"

#include "common/picture_resources.h"
#include "connection/player_seated.h"
#include "hand/bomb_log.h"
#include "hand/card_pictures.h"
#include "hand/deal.h"
#include "hand/effect_sound.h"
#include "hand/hand_context.h"
#include "hand/hand_layout.h"
#include "hand/hand_selection.h"
#include "hand/own_finish.h"
#include "hand/own_play.h"
#include "hand/played_area.h"
#include "hand/played_images.h"
#include "table/main_form.h"

#include <QImage>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace qv::hand {
namespace {

constexpr rules::PlayType kLoggedBomb = 20;
constexpr rules::PlayType kAnyBomb = 15;
constexpr int kLastImage = 26;

std::int16_t placeState(const HandState& hand) {
    if (hand.g_bSecondDone) {
        return kSecondPlaceDecided;
    }
    return hand.g_bFirstDone ? kFirstPlaceDecided : kNobodyOut;
}

void recordFinish(HandState& hand, int seat) {
    if (!hand.g_bFirstDone) {
        hand.g_bFirstDone = true;
        hand.idiyiming_st = static_cast<std::int16_t>(seat);
    } else if (!hand.g_bSecondDone) {
        hand.g_bSecondDone = true;
        hand.idierming_st = static_cast<std::int16_t>(seat);
    }
}

void settleLog(HandContext& ctx, const connection::PlayMade& play, int next) {
    HandState& hand = ctx.hand;
    if (hand.g_bFirstDone) {
        SettleForFinishers(
            hand.BombLog, hand.BombTable,
            {hand.g_bFirstDone, hand.g_bSecondDone, hand.idiyiming_st, hand.idierming_st});
    } else if (play.trickState == connection::kTrickOver && LastBomber(hand.BombLog) == next) {
        MoveBombLog(hand.BombLog, hand.BombTable);
    }
}

/// The server's answer to the player's own one-card play, or a card it played for him.
void checkOwnCard(HandContext& ctx, const connection::PlayMade& play) {
    HandState& hand = ctx.hand;
    PlayerInfo& own = hand.custom[0];
    const connection::PlayedCard card = play.card(0);
    const rules::CardCode sent = hand.ownPKValue;
    if (card.face == rules::cardFace(sent) && card.suit == (sent & 0xFF) &&
        hand.OwnLastCount == 1) {
        return;
    }
    if (hand.OwnLastCount != 0) {
        own.pai = own.bakPai;
        own.sum = own.bakSum;
        RelayOwnHandOnAnchor(ctx);
    }
    if (own.sum == 0) {
        return;
    }
    LowerRaisedCards(ctx);
    for (int i = 0; i < own.sum; ++i) {
        const rules::CardCode code = own.pai.at(static_cast<std::size_t>(i)).code;
        if (rules::cardFace(code) == card.face && (code & 0xFF) == card.suit) {
            RaiseHandCard(ctx, i);
            if (SlotImage(ctx, i) != nullptr) {
                ApplyAutoPlayCard(ctx, own.pai.at(static_cast<std::size_t>(i)).Ind, card.suit,
                                  card.face);
            }
            return;
        }
    }
}

void placePile(HandContext& ctx, int seat) {
    const int size = PileSize(ctx.hand.custom.at(static_cast<std::size_t>(seat)).sum);
    forms::Image& pile = ctx.form.shanImage(seat - 1);
    pile.setVisible(false);
    const std::array<const std::array<QString, 4>*, 3> pictures = {
        &ctx.imageRes.HandBackRes1, &ctx.imageRes.HandBackRes2, &ctx.imageRes.HandBackRes3};
    if (size < 0) {
        pile.setPicture(QImage());
    } else {
        common::LoadGifRes(
            static_cast<std::int16_t>(pictures.at(static_cast<std::size_t>(seat - 1))
                                          ->at(static_cast<std::size_t>(size))
                                          .toInt()),
            u"GIF"_s, pile);
    }
    PlaceFaceDownPile(ctx, seat - 1, static_cast<std::size_t>(std::max(size, 0)));
    pile.setVisible(true);
}

/// Draws another seat's play in its played area; false when the seat has no card image left.
bool drawPlay(HandContext& ctx, const connection::PlayMade& play, int seat) {
    const float sx = ctx.table.ScaleX;
    const float sy = ctx.table.ScaleY;
    PlayerInfo& player = ctx.hand.custom.at(static_cast<std::size_t>(seat));
    auto& images = SeatCardImages(ctx, seat);
    const double width = images(0).width();
    constexpr int kTopSeat = 2;
    // Whole pixels, rounded as the table reset rounds the anchors.
    if (seat == kTopSeat) {
        player.playX = static_cast<std::int16_t>(RoundHalfEven(500 * sx));
    } else {
        player.playX =
            static_cast<std::int16_t>(RoundHalfEven(PlayedRowAnchorX(seat, play.count) * sx));
        player.playY = static_cast<std::int16_t>(RoundHalfEven(320 * sy));
    }
    const int firstImage = ctx.hand.paiUsed.at(static_cast<std::size_t>(seat - 1));
    for (int i = 0; i < play.count; ++i) {
        const int j = firstImage + i;
        if (j > kLastImage) {
            return false;
        }
        const connection::PlayedCard card = play.card(i);
        const int suit = card.suit & 0x0F;
        ctx.rules.LastPlayCards.at(static_cast<std::size_t>(i)) = rules::makeCard(card.face, suit);
        ShowCard(ctx, seat, j, card.face + 16 * rules::IntLog2(suit));
        const int slotImage = player.pai.at(static_cast<std::size_t>(j)).Ind;
        forms::Image& image = images(slotImage >= 0 && slotImage < kHandSlots ? slotImage : j);
        image.move(PlayedCardLeft(player.playX, play.count, i, width, sx),
                   seat == kTopSeat ? player.playY + 20 * sx : player.playY, 80 * sx, 108 * sy);
        image.setStretch(true);
        image.setVisible(true);
        image.zOrder(0);
        ctx.hand.PlayedImg.at(static_cast<std::size_t>(seat)).at(static_cast<std::size_t>(i)) =
            static_cast<std::int16_t>(j);
    }
    return true;
}

} // namespace

void OnPlayReceived(HandContext& ctx, const connection::PlayMade& play) {
    HandState& hand = ctx.hand;
    const std::uint8_t own = hand.custom[0].seat;
    const int seat = connection::DisplaySeat(play.mover, own);
    const int next = connection::DisplaySeat(play.nextSeatBits(), own);
    for (int s = 1; s <= 3; ++s) {
        ctx.form.Speak(s).setVisible(false);
    }
    if (play.type >= kLoggedBomb) {
        AppendBomb(hand.BombLog, seat, play.bombFace, play.count, placeState(hand));
    }
    const PlayerInfo& player = hand.custom.at(static_cast<std::size_t>(seat));
    // An own play still pending was placed when it was sent.
    if ((seat != 0 || hand.OwnLastCount == 0) && player.sum - play.count == 0) {
        recordFinish(hand, seat);
    }
    settleLog(ctx, play, next);
    if (play.type >= kAnyBomb && seat != 0) {
        forms::Image& bubble = ctx.form.Speak(seat);
        common::LoadGifRes(
            static_cast<std::int16_t>(
                ctx.imageRes.BubbleRes.at(static_cast<std::size_t>(11 + seat)).toInt()),
            u"GIF"_s, bubble);
        bubble.setVisible(true);
        bubble.zOrder(0);
    }
    PlayEffect(ctx, ProgramPath(ctx, u"/../common/pk/sys070.wav"_s));
    if (seat != 0) {
        RetirePlayed(ctx, seat);
    }
    ctx.rules.LastPlayType = play.type;
    ctx.rules.LastPlayCount = static_cast<std::int16_t>(play.count);
    if (seat == 0 && play.count == 1) {
        checkOwnCard(ctx, play);
    }
    hand.ownPKValue = -1;
    hand.OwnLastCount = 0;
    if (seat == 0 || !drawPlay(ctx, play, seat)) {
        return;
    }
    const auto s = static_cast<std::size_t>(seat);
    PlayerInfo& other = hand.custom.at(s);
    hand.PlayedImg.at(s).at(kHandSlots) = static_cast<std::int16_t>(play.count);
    other.sum = static_cast<std::int16_t>(other.sum - play.count);
    hand.paiUsed.at(s - 1) = static_cast<std::int16_t>(hand.paiUsed.at(s - 1) + play.count);
    if (other.sum == 0) {
        ShowFinishBadge(ctx, seat);
        ctx.form.shanImage(seat - 1).setVisible(false);
        return;
    }
    placePile(ctx, seat);
}

} // namespace qv::hand
