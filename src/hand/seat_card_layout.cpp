#include "hand/seat_card_layout.h"

#include "hand/card_pictures.h"
#include "hand/hand_context.h"
#include "hand/hand_layout.h"
#include "table/main_form.h"

#include <algorithm>
#include <utility>

namespace qv::hand {
namespace {

constexpr int kMaxCards = 27;
constexpr int kCloseRowFrom = 21;

void exchangeCodes(CardSlot& a, CardSlot& b) {
    std::swap(a.code, b.code);
}

/// The own hand's image of a slot, when the slot has one.
forms::Image* ownImage(HandContext& ctx, const CardSlot& slot) {
    if (slot.Ind < 0 || slot.Ind >= kHandSlots) {
        return nullptr;
    }
    return &ctx.form.cardImage0(slot.Ind);
}

void showOwnHand(HandContext& ctx, std::span<const CardSlot> slots) {
    for (const CardSlot& slot : slots) {
        forms::Image* image = ownImage(ctx, slot);
        if (image == nullptr || !IsDeckCard(slot.code)) {
            continue;
        }
        ShowSmallCard(ctx, 0, slot.Ind, rules::picCodeOf(slot.code));
        image->zOrder(0);
        image->setVisible(true);
    }
}

void showOtherSeat(HandContext& ctx, int seat, std::span<const CardSlot> slots) {

    forms::ControlArray<forms::Image>& images =
        seat == 1 ? ctx.form.cardImage1 : (seat == 2 ? ctx.form.cardImage2 : ctx.form.cardImage3);
    const forms::Image& model = ctx.form.cardImage0(0);
    const double barBottom = ctx.form.imgDinglan.top() + ctx.form.imgDinglan.height();
    const double top = SeatRowTop(seat, static_cast<int>(slots.size()), barBottom, model.height(),
                                  ctx.table.ScaleX, ctx.table.ScaleY);
    const auto shown = [&](const CardSlot& slot) {
        return IsDeckCard(slot.code) && slot.Ind >= 0 && slot.Ind < kHandSlots;
    };
    for (const CardSlot& slot : slots) {
        if (!shown(slot)) {
            continue;
        }
        ShowCard(ctx, seat, slot.Ind, rules::picCodeOf(slot.code));
        images(slot.Ind).setVisible(false);
        images(slot.Ind).setTop(top);
    }
    const double tableWidth = ctx.form.Pic1.width() / table::kTwipsPerPixel;
    const HandLayout row = ComputeHandLayout(model.width(), static_cast<int>(slots.size()),
                                             tableWidth, ctx.table.ScaleX);
    const int left = SeatRowLeft(seat, row.total, tableWidth);
    for (std::size_t i = 0; i < slots.size(); ++i) {
        if (!shown(slots[i])) {
            continue;
        }
        forms::Image& image = images(slots[i].Ind);
        image.setLeft(left + static_cast<int>(i) * row.spacing);
        image.zOrder(0);
        image.setVisible(true);
    }
}

} // namespace

void SortSeatCards(std::span<CardSlot> slots) {
    for (std::size_t i = 0; i < slots.size(); ++i) {
        for (std::size_t j = i + 1; j < slots.size(); ++j) {
            if (rules::cardFace(slots[j].code) > rules::cardFace(slots[i].code)) {
                exchangeCodes(slots[i], slots[j]);
            }
        }
    }
    for (std::size_t i = 0; i < slots.size(); ++i) {
        for (std::size_t j = i + 1; j < slots.size(); ++j) {
            if (rules::cardFace(slots[j].code) == rules::cardFace(slots[i].code) &&
                rules::cardSuit(slots[j].code) > rules::cardSuit(slots[i].code)) {
                exchangeCodes(slots[i], slots[j]);
            }
        }
    }
}

double SeatRowTop(int seat, int count, double barBottom, double cardHeight, float scaleX,
                  float scaleY) {
    switch (seat) {
    case 1:
        if (scaleX == 1.0F && count >= kCloseRowFrom) {
            return barBottom + cardHeight + 50 * scaleY;
        }
        return barBottom + 2 * cardHeight + 50 * scaleY;
    case 2:
        return barBottom + 10;
    default:
        return barBottom + 2 * cardHeight + 30 * scaleY;
    }
}

int SeatRowLeft(int seat, int total, double tableWidth) {
    switch (seat) {
    case 1:
        return 0;
    case 2:
        return RoundHalfEven((tableWidth - total) / 2);
    default:
        return RoundHalfEven(tableWidth - total);
    }
}

void LayoutSeatCards(HandContext& ctx, int seat, int count) {
    if (seat < 0 || seat > 3) {
        return;
    }
    count = std::clamp(count, 0, kMaxCards);
    PlayerInfo& player = ctx.hand.custom.at(static_cast<std::size_t>(seat));
    const std::span<CardSlot> slots(player.pai.data(), static_cast<std::size_t>(count));
    if (seat == 0) {
        for (const CardSlot& slot : slots) {
            if (forms::Image* image = ownImage(ctx, slot)) {
                image->setVisible(false);
            }
        }
    }
    SortSeatCards(slots);
    if (seat == 0) {
        showOwnHand(ctx, slots);
    } else {
        showOtherSeat(ctx, seat, slots);
    }
    for (forms::Control* control : std::initializer_list<forms::Control*>{
             &ctx.form.imgLocation, &ctx.form.Location, &ctx.form.imgword1, &ctx.form.imgword2,
             &ctx.form.Bank}) {
        control->zOrder(0);
    }
}

} // namespace qv::hand
