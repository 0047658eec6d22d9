#include "hand/deal.h"

#include "common/picture_resources.h"
#include "common/sound.h"
#include "hand/card_pictures.h"
#include "hand/deal_animation.h"
#include "hand/hand_context.h"
#include "hand/hand_layout.h"
#include "hand/seat_card_layout.h"
#include "table/main_form.h"

using namespace Qt::StringLiterals;

namespace qv::hand {
namespace {

constexpr int kFullHand = 27;
/// Element of the face-down hand tables that shows a full hand.
constexpr std::size_t kFullHandBack = 3;
constexpr std::array kDealLegs = {0, 3, 2, 1};

void playDealSound(HandContext& ctx) {
    common::Sound& sound = ctx.sound;
    if (!sound.g_bEffectOn) {
        return;
    }
    ctx.hand.g_WavFile = ctx.services.appFolder.path() + u"/../common/voices/sys010.wav"_s;
    sound.PlaySoundFile(ctx.hand.g_WavFile, false);
    sound.SetSoundVolume(common::kFullVolume);
}

void fillOwnHand(PlayerInfo& own, std::span<const rules::CardCode> cards) {
    for (std::size_t i = 0; i < cards.size() && own.sum < kHandSlots; ++i) {
        const CardSlot slot{cards[i], static_cast<std::int16_t>(i)};
        own.pai.at(static_cast<std::size_t>(own.sum)) = slot;
        ++own.sum;
        own.bakPai.at(static_cast<std::size_t>(own.sum - 1)) = slot;
        own.bakSum = own.sum;
    }
}

void showFaceDownHands(HandContext& ctx) {
    const std::array<const std::array<QString, 4>*, 3> pictures = {
        &ctx.imageRes.HandBackRes1, &ctx.imageRes.HandBackRes2, &ctx.imageRes.HandBackRes3};
    for (std::size_t k = 0; k < 3; ++k) {
        forms::Image& back = ctx.form.shanImage(static_cast<int>(k));
        common::LoadGifRes(static_cast<std::int16_t>(pictures[k]->at(kFullHandBack).toInt()),
                           u"GIF"_s, back);
        PlaceFaceDownPile(ctx, static_cast<int>(k), kFullHandBack);
    }
    for (int k = 0; k < 3; ++k) {
        ctx.form.shanImage(k).zOrder(0);
        ctx.form.shanImage(k).setVisible(true);
    }
    for (forms::Control* control : std::initializer_list<forms::Control*>{
             &ctx.form.imgLocation, &ctx.form.Location, &ctx.form.imgword1, &ctx.form.imgword2,
             &ctx.form.Bank}) {
        control->zOrder(0);
    }
}

} // namespace

void PlaceFaceDownPile(HandContext& ctx, int k, std::size_t size) {
    const float sx = ctx.table.ScaleX;
    const float sy = ctx.table.ScaleY;
    const std::array<const std::array<int, 8>*, 3> sizes = {
        &ctx.table.HandBackSize1, &ctx.table.HandBackSize2, &ctx.table.HandBackSize3};
    forms::Image& pile = ctx.form.shanImage(k);
    const auto& design = *sizes.at(static_cast<std::size_t>(k));
    if (sx != 1.0F) {
        pile.setWidth(design.at(2 * size) * sx);
        pile.setHeight(design.at(2 * size + 1) * sy);
    }
    const double tableWidth = ctx.form.Pic1.width() / table::kTwipsPerPixel;
    switch (k) {
    case 0:
    case 2: {
        const double c = sx == 1.0F ? 30 : 70;
        const double floor = ctx.form.imgDilan.top() + ctx.form.imgDilan.height();
        pile.setLeft(k == 0 ? 0 : tableWidth - pile.width());
        pile.setTop(((floor - pile.height()) * 0.5 - c) / sy);
        break;
    }
    default:
        pile.setTop(ctx.form.imgDinglan.top() + ctx.form.imgDinglan.height());
        pile.setLeft((tableWidth - pile.width()) * 0.5);
        break;
    }
}

void PlaceOwnHand(HandContext& ctx) {
    const PlayerInfo& own = ctx.hand.custom[0];
    const HandLayout row =
        ComputeHandLayout(ctx.form.cardImage0(0).width(), own.sum,
                          ctx.form.Pic1.width() / table::kTwipsPerPixel, ctx.table.ScaleX);
    for (int i = 0; i < own.sum; ++i) {
        const CardSlot& slot = own.pai.at(static_cast<std::size_t>(i));
        if (slot.Ind < 0 || slot.Ind >= kHandSlots) {
            continue;
        }
        ctx.form.cardImage0(slot.Ind).move(i * row.spacing + row.left, ctx.hand.g_HandBaseTop);
    }
}

void OnDealCards(HandContext& ctx, std::span<const rules::CardCode> cards) {
    playDealSound(ctx);
    PlayerInfo& own = ctx.hand.custom[0];
    fillOwnHand(own, cards);
    if (cards.size() == kFullHand) {
        for (const int leg : kDealLegs) {
            PlayDealAnimation(ctx, leg);
        }
    }
    PlaceOwnHand(ctx);
    for (int i = 0; i < own.sum; ++i) {
        const CardSlot& slot = own.pai.at(static_cast<std::size_t>(i));
        if (slot.Ind < 0 || slot.Ind >= kHandSlots || !IsDeckCard(slot.code)) {
            continue;
        }
        forms::Image& image = ctx.form.cardImage0(slot.Ind);
        image.setStretch(true);
        ShowSmallCard(ctx, 0, slot.Ind, rules::picCodeOf(slot.code));
        image.setVisible(true);
        image.zOrder(0);
    }
    LayoutSeatCards(ctx, 0, own.sum);
    for (std::size_t s = 1; s <= 3; ++s) {
        PlayerInfo& other = ctx.hand.custom.at(s);
        other.sum = kFullHand;
        for (std::size_t i = 0; i < cards.size() && i < kHandSlots; ++i) {
            other.pai.at(i).Ind = static_cast<std::int16_t>(i);
        }
    }
    showFaceDownHands(ctx);
}

} // namespace qv::hand
