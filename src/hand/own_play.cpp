#include "hand/own_play.h"

#include "connection/commands.h"
#include "connection/connection.h"
#include "hand/card_pictures.h"
#include "hand/deal.h"
#include "hand/hand_context.h"
#include "hand/hand_selection.h"
#include "hand/own_finish.h"
#include "hand/played_area.h"
#include "rules/can_beat.h"
#include "rules/classify_play.h"
#include "table/main_form.h"

#include <vector>

namespace qv::hand {
namespace {

constexpr int kPlayStateByte = 15;
constexpr std::uint8_t kPassState = 1;
constexpr std::uint8_t kPlayState = 2;
constexpr int kPartnerShownByte = 16;
constexpr int kCountByte = 17;
constexpr int kTypeByte = 18;
constexpr int kFirstIndexByte = 20;
constexpr double kPlayedRise = 15;

/// The raised cards in slot order, with a copy the recogniser does not rearrange.
struct Selection {
    std::vector<rules::CardCode> cards;
    std::vector<rules::CardCode> orig;
    std::vector<std::int16_t> imgs;
};

Selection collect(HandContext& ctx) {
    Selection selection;
    const PlayerInfo& own = ctx.hand.custom[0];
    for (int i = 0; i < own.sum; ++i) {
        if (IsRaised(ctx, i)) {
            const CardSlot& slot = own.pai.at(static_cast<std::size_t>(i));
            selection.cards.push_back(slot.code);
            selection.orig.push_back(slot.code);
            selection.imgs.push_back(slot.Ind);
        }
    }
    return selection;
}

/// Whether a played card reveals the partnership of the called card: always for another
/// player, for the caller at his second copy.
bool revealsPartner(HandContext& ctx, rules::CardCode card) {
    HandState& hand = ctx.hand;
    const rules::CardCode called = hand.g_CalledCard;
    if (rules::cardFace(card) != rules::cardFace(called) ||
        rules::cardSuit(card) != rules::cardSuit(called)) {
        return false;
    }
    if (hand.custom[0].seat != hand.g_CallerSeat) {
        return true;
    }
    if (hand.g_CallerCopies == 1) {
        hand.g_CallerCopies = 2;
        return true;
    }
    hand.g_CallerCopies = 1;
    return false;
}

void showPlayed(HandContext& ctx, const std::vector<CardSlot>& played) {
    const PlayerInfo& own = ctx.hand.custom[0];
    const int n = static_cast<int>(played.size());
    const forms::Image& model = ctx.form.cardImage1(0);
    for (int i = 0; i < n; ++i) {
        const CardSlot& slot = played[static_cast<std::size_t>(i)];
        forms::Image& image = ctx.form.cardImage0(slot.Ind);
        image.setVisible(false);
        image.setWidth(model.width());
        image.setHeight(model.height());
        image.setTop(own.playY - kPlayedRise * ctx.table.ScaleY);
        image.setLeft(PlayedCardLeft(own.playX, n, i, image.width(), ctx.table.ScaleX));
        image.setVisible(true);
        ShowCard(ctx, 0, slot.Ind, rules::picCodeOf(slot.code));
        image.zOrder(0);
        ctx.hand.PlayedImg[0].at(static_cast<std::size_t>(i)) = slot.Ind;
        ctx.rules.LastPlayCards.at(static_cast<std::size_t>(i)) =
            rules::makeCard(rules::cardFace(slot.code), rules::cardSuit(slot.code));
    }
    ctx.hand.PlayedImg[0].at(kHandSlots) = static_cast<std::int16_t>(n);
}

/// Takes every raised card out of the hand: the played cards now stand above the base line.
void removeRaised(HandContext& ctx) {
    PlayerInfo& own = ctx.hand.custom[0];
    int k = 0;
    while (k < own.sum) {
        if (IsRaised(ctx, k)) {
            for (int j = k; j + 1 < own.sum; ++j) {
                own.pai.at(static_cast<std::size_t>(j)) =
                    own.pai.at(static_cast<std::size_t>(j + 1));
            }
            --own.sum;
        } else {
            ++k;
        }
    }
}

} // namespace

void StopOwnTurn(HandContext& ctx) {
    ctx.conn.CountDown = ctx.conn.CountDownStart;
    ctx.hand.g_bMyTurn = false;
    ctx.conn.slots.BongFlag.at(connection::kTurnSlot) = false;
    ctx.form.Number.setVisible(false);
    ctx.form.Time_Img.setVisible(false);
    for (int k = 0; k < 3; ++k) {
        ctx.form.Operation(k).setVisible(false);
        ctx.form.Operation(k).setEnabled(false);
    }
}

void QueuePass(HandContext& ctx) {
    connection::GameMessage pass;
    pass.setCommand(connection::MsgPlayCards);
    pass.setU8(connection::kSeatMaskByte, ctx.hand.custom[0].seat);
    pass.setU8(kPlayStateByte, kPassState);
    connection::QueueFrame(ctx.conn, pass);
}

void RelayOwnHand(HandContext& ctx) {
    const PlayerInfo& own = ctx.hand.custom[0];
    for (int i = 0; i < own.sum; ++i) {
        if (forms::Image* image = SlotImage(ctx, i)) {
            image->setVisible(false);
        }
    }
    PlaceOwnHand(ctx);
    for (int i = 0; i < own.sum; ++i) {
        if (forms::Image* image = SlotImage(ctx, i)) {
            image->setVisible(true);
        }
    }
}

void RelayOwnHandOnAnchor(HandContext& ctx) {
    const PlayerInfo& own = ctx.hand.custom[0];
    const float sx = ctx.table.ScaleX;
    constexpr double kStep = 0.22;
    for (int i = 0; i < own.sum; ++i) {
        if (forms::Image* image = SlotImage(ctx, i)) {
            image->setVisible(false);
            image->setLeft(PlayedCardLeft(own.playX, own.sum, 0, 0, sx) +
                           i * kStep * image->width() * sx);
        }
    }
    for (int i = 0; i < own.sum; ++i) {
        if (forms::Image* image = SlotImage(ctx, i)) {
            image->setVisible(true);
        }
    }
}

void JudgeChuPai(HandContext& ctx) {
    // Without the right to send, nothing may change: the play is neither shown nor recorded.
    if (!ctx.hand.Oper_Flag) {
        return;
    }
    Selection selection = collect(ctx);
    const int n = static_cast<int>(selection.cards.size());
    if (n == 0) {
        return;
    }
    rules::RulesState& rules = ctx.rules;
    const rules::PlayType type = rules::ClassifyPlay(rules, rules.LastPlayType, n, selection.cards);
    if (type == rules::PlayNone) {
        ShowChuPai(ctx, true);
        return;
    }
    if (rules.LastPlayType != rules::PlayNone &&
        !rules::CanBeat(selection.cards, n, type, rules.LastPlayCards, rules.LastPlayCount,
                        rules.LastPlayType)) {
        ShowChuPai(ctx, false);
        return;
    }
    StopOwnTurn(ctx);

    connection::GameMessage play;
    play.setCommand(connection::MsgPlayCards);
    play.setU8(connection::kSeatMaskByte, ctx.hand.custom[0].seat);
    play.setU8(kPlayStateByte, kPlayState);
    play.setU8(kCountByte, static_cast<std::uint8_t>(n));
    play.setU8(kTypeByte, static_cast<std::uint8_t>(type));
    std::vector<bool> used(static_cast<std::size_t>(n), false);
    std::vector<CardSlot> realOrder;
    for (int i = 0; i < n; ++i) {
        for (int j = 0; j < n; ++j) {
            const auto uj = static_cast<std::size_t>(j);
            if (used[uj] || selection.orig[uj] != selection.cards[static_cast<std::size_t>(i)]) {
                continue;
            }
            play.setU8(kFirstIndexByte + i,
                       static_cast<std::uint8_t>(rules::cardDeckIndex(selection.orig[uj])));
            realOrder.push_back({selection.orig[uj], selection.imgs[uj]});
            used[uj] = true;
            if (revealsPartner(ctx, selection.orig[uj])) {
                play.setU8(kPartnerShownByte, 1);
            }
            ctx.hand.ownPKValue = selection.orig[uj];
            break;
        }
    }
    ctx.hand.OwnLastCount = static_cast<std::int16_t>(n);

    ctx.hand.Oper_Flag = false;
    connection::QueueFrame(ctx.conn, play);
    rules.LastPlayType = type;
    rules.LastPlayCount = static_cast<std::int16_t>(n);

    showPlayed(ctx, realOrder);
    PlayerInfo& own = ctx.hand.custom[0];
    own.bakPai = own.pai;
    own.bakSum = own.sum;
    removeRaised(ctx);
    RelayOwnHand(ctx);
    RecordOwnFinish(ctx);
    HideChuPai(ctx);
    SettleBombsEarly(ctx);
}

} // namespace qv::hand
