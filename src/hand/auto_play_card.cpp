#include "hand/card_pictures.h"
#include "hand/hand_context.h"
#include "hand/own_finish.h"
#include "hand/own_play.h"
#include "hand/play_received.h"
#include "table/main_form.h"

namespace qv::hand {

void ApplyAutoPlayCard(HandContext& ctx, int imageIndex, int suitFlag, int face) {
    const float sx = ctx.table.ScaleX;
    const float sy = ctx.table.ScaleY;
    HandState& hand = ctx.hand;
    PlayerInfo& own = hand.custom[0];
    forms::Image& image = ctx.form.cardImage0(imageIndex);
    image.setVisible(false);
    image.move(own.playX - 45 * sx + 24 * sx, own.playY + 24 * sy, 80 * sx, 108 * sx);
    image.setStretch(true);
    ShowCard(ctx, 0, imageIndex, face + 16 * rules::IntLog2(suitFlag));
    image.zOrder(0);
    image.setVisible(true);
    hand.PlayedImg[0][0] = static_cast<std::int16_t>(imageIndex);
    ctx.rules.LastPlayCards[0] = rules::makeCard(face, suitFlag);
    hand.PlayedImg[0][kHandSlots] = 1;
    own.bakPai = own.pai;
    own.bakSum = own.sum;
    // The card leaves the hand by its image; raised cards stay.
    for (int k = 0; k < own.sum; ++k) {
        if (own.pai.at(static_cast<std::size_t>(k)).Ind == imageIndex) {
            for (int j = k; j + 1 < own.sum; ++j) {
                own.pai.at(static_cast<std::size_t>(j)) =
                    own.pai.at(static_cast<std::size_t>(j + 1));
            }
            --own.sum;
            break;
        }
    }
    RelayOwnHandOnAnchor(ctx);
    if (own.sum == 0) {
        ctx.services.time.sleep(1000);
    }
    HideChuPai(ctx);
    // As the player's own last card does: the badge and the place.
    RecordOwnFinish(ctx);
    SettleBombsEarly(ctx);
}

} // namespace qv::hand
