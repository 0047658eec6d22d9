#include "hand/played_images.h"

#include "hand/hand_context.h"
#include "table/main_form.h"

namespace qv::hand {
namespace {

template <typename Visit>
void forEachListed(const PlayedImages& list, Visit visit) {
    const int count = list.at(kHandSlots);
    if (count <= 0 || count >= kHandSlots) {
        return;
    }
    for (int k = 0; k < count; ++k) {
        const int index = list.at(static_cast<std::size_t>(k));
        if (index >= 0 && index < kHandSlots) {
            visit(k, index);
        }
    }
}

} // namespace

forms::ControlArray<forms::Image>& SeatCardImages(HandContext& ctx, int seat) {
    switch (seat) {
    case 1:
        return ctx.form.cardImage1;
    case 2:
        return ctx.form.cardImage2;
    case 3:
        return ctx.form.cardImage3;
    default:
        return ctx.form.cardImage0;
    }
}

void HidePlayed(HandContext& ctx, int seat, const PlayedImages& list) {
    auto& images = SeatCardImages(ctx, seat);
    forEachListed(list, [&images](int, int index) {
        if (images.exists(index)) {
            images(index).setVisible(false);
        }
    });
}

void ShowPlayed(HandContext& ctx, int seat, const PlayedImages& list) {
    auto& images = SeatCardImages(ctx, seat);
    forEachListed(list, [&images](int, int index) {
        if (images.exists(index)) {
            images(index).setVisible(true);
            images(index).zOrder(0);
        }
    });
}

void RetirePlayed(HandContext& ctx, int seat) {
    const auto s = static_cast<std::size_t>(seat);
    PlayedImages& previous = ctx.hand.PrevPlayedImg.at(s);
    const PlayedImages& current = ctx.hand.PlayedImg.at(s);
    HidePlayed(ctx, seat, previous);
    HidePlayed(ctx, seat, current);
    previous.at(kHandSlots) = current.at(kHandSlots);
    forEachListed(current, [&previous](int k, int index) {
        previous.at(static_cast<std::size_t>(k)) = static_cast<std::int16_t>(index);
    });
}

} // namespace qv::hand
