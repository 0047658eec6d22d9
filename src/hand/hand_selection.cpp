#include "hand/hand_selection.h"

#include "hand/hand_context.h"
#include "table/main_form.h"

#include <array>

namespace qv::hand {

forms::Image* SlotImage(HandContext& ctx, int slot) {
    const PlayerInfo& own = ctx.hand.custom[0];
    if (slot < 0 || slot >= own.sum || slot >= kHandSlots) {
        return nullptr;
    }
    const int index = own.pai.at(static_cast<std::size_t>(slot)).Ind;
    if (!ctx.form.cardImage0.exists(index)) {
        return nullptr;
    }
    return &ctx.form.cardImage0(index);
}

bool IsRaisedImage(const HandContext& ctx, const forms::Image& image) {
    return static_cast<float>(image.top()) < static_cast<float>(ctx.hand.g_HandBaseTop);
}

bool IsRaised(HandContext& ctx, int slot) {
    const forms::Image* image = SlotImage(ctx, slot);
    return image != nullptr && IsRaisedImage(ctx, *image);
}

void RaiseHandCard(HandContext& ctx, int slot) {
    if (forms::Image* image = SlotImage(ctx, slot)) {
        constexpr double kRaiseFraction = 5;
        image->setTop(ctx.hand.g_HandBaseTop - image->height() / kRaiseFraction);
    }
}

void LowerRaisedCards(HandContext& ctx) {
    for (int slot = 0; slot < ctx.hand.custom[0].sum; ++slot) {
        if (IsRaised(ctx, slot)) {
            SlotImage(ctx, slot)->setTop(ctx.hand.g_HandBaseTop);
        }
    }
}

void RaiseHint(HandContext& ctx, const rules::HintRow& hint) {
    const PlayerInfo& own = ctx.hand.custom[0];
    std::array<bool, kHandSlots> taken{};
    const auto take = [&](int slot) {
        RaiseHandCard(ctx, slot);
        taken.at(static_cast<std::size_t>(slot)) = true;
    };
    int nextFree = 0;
    for (int i = 0; i < hint.count; ++i) {
        int found = -1;
        for (int j = 0; j < own.sum && found < 0; ++j) {
            if (!taken.at(static_cast<std::size_t>(j)) &&
                rules::cardFace(own.pai.at(static_cast<std::size_t>(j)).code) == hint.face(i)) {
                found = j;
            }
        }
        while (found < 0 && nextFree < own.sum) {
            if (!taken.at(static_cast<std::size_t>(nextFree))) {
                found = nextFree;
            }
            ++nextFree;
        }
        if (found >= 0) {
            take(found);
        }
    }
}

} // namespace qv::hand
