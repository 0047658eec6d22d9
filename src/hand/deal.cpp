#include "hand/deal.h"

#include "client.h"
#include "common/picture_resources.h"
#include "hand/card_pictures.h"
#include "hand/deal_animation.h"
#include "hand/hand_layout.h"
#include "hand/seat_card_layout.h"
#include "table/main_form.h"

using namespace Qt::StringLiterals;

namespace qv::hand {
namespace {

constexpr int kFullHand = 27;
constexpr int kFullVolume = 3000;
/// Element of the face-down hand tables that shows a full hand.
constexpr std::size_t kFullHandBack = 3;
constexpr std::array kDealLegs = {0, 3, 2, 1};

void playDealSound(Client& client) {
    common::Sound& sound = client.sound;
    if (!sound.g_bEffectOn) {
        return;
    }
    client.shared.g_WavFile = client.services.appFolder.path() + u"/../common/voices/sys010.wav"_s;
    sound.PlaySoundFile(client.shared.g_WavFile, false);
    sound.SetSoundVolume(kFullVolume);
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

void showFaceDownHands(table::MainForm& form) {
    Client& client = form.client();
    const SharedData& shared = client.shared;
    const float sx = shared.ScaleX;
    const float sy = shared.ScaleY;
    const std::array<const std::array<QString, 4>*, 3> pictures = {&client.imageRes.HandBackRes1,
                                                                   &client.imageRes.HandBackRes2,
                                                                   &client.imageRes.HandBackRes3};
    const std::array<const std::array<int, 8>*, 3> sizes = {
        &shared.HandBackSize1, &shared.HandBackSize2, &shared.HandBackSize3};
    for (std::size_t k = 0; k < 3; ++k) {
        forms::Image& hand = form.shanImage(static_cast<int>(k));
        common::LoadGifRes(static_cast<std::int16_t>(pictures[k]->at(kFullHandBack).toInt()),
                           u"GIF"_s, hand);
        if (sx != 1.0F) {
            hand.setWidth(sizes[k]->at(6) * sx);
            hand.setHeight(sizes[k]->at(7) * sy);
        }
    }
    const double tableWidth = form.Pic1.width() / table::kTwipsPerPixel;
    const double c = sx == 1.0F ? 30 : 70;
    const double floor = form.imgDilan.top() + form.imgDilan.height();
    forms::Image& left = form.shanImage(0);
    forms::Image& top = form.shanImage(1);
    forms::Image& right = form.shanImage(2);
    left.setLeft(0);
    top.setTop(form.imgDinglan.top() + form.imgDinglan.height());
    top.setLeft((tableWidth - top.width()) * 0.5);
    right.setLeft(tableWidth - right.width());
    for (forms::Image* side : {&left, &right}) {
        side->setTop(((floor - side->height()) * 0.5 - c) / sy);
    }
    for (int k = 0; k < 3; ++k) {
        form.shanImage(k).zOrder(0);
        form.shanImage(k).setVisible(true);
    }
    for (forms::Control* control : std::initializer_list<forms::Control*>{
             &form.imgLocation, &form.Location, &form.imgword1, &form.imgword2, &form.Bank}) {
        control->zOrder(0);
    }
}

} // namespace

void PlaceOwnHand(table::MainForm& form) {
    Client& client = form.client();
    const PlayerInfo& own = client.shared.custom[0];
    const HandLayout row =
        ComputeHandLayout(form.cardImage0(0).width(), own.sum,
                          form.Pic1.width() / table::kTwipsPerPixel, client.shared.ScaleX);
    for (int i = 0; i < own.sum; ++i) {
        const CardSlot& slot = own.pai.at(static_cast<std::size_t>(i));
        if (slot.Ind < 0 || slot.Ind >= kHandSlots) {
            continue;
        }
        form.cardImage0(slot.Ind).move(i * row.spacing + row.left, client.hand.g_HandBaseTop);
    }
}

void OnDealCards(table::MainForm& form, std::span<const rules::CardCode> cards) {
    Client& client = form.client();
    playDealSound(client);
    PlayerInfo& own = client.shared.custom[0];
    fillOwnHand(own, cards);
    if (cards.size() == kFullHand) {
        for (const int leg : kDealLegs) {
            PlayDealAnimation(form, leg);
        }
    }
    PlaceOwnHand(form);
    for (int i = 0; i < own.sum; ++i) {
        const CardSlot& slot = own.pai.at(static_cast<std::size_t>(i));
        if (slot.Ind < 0 || slot.Ind >= kHandSlots || !IsDeckCard(slot.code)) {
            continue;
        }
        forms::Image& image = form.cardImage0(slot.Ind);
        image.setStretch(true);
        ShowSmallCard(form, 0, slot.Ind, rules::picCodeOf(slot.code));
        image.setVisible(true);
        image.zOrder(0);
    }
    LayoutSeatCards(form, 0, own.sum);
    for (std::size_t s = 1; s <= 3; ++s) {
        PlayerInfo& other = client.shared.custom.at(s);
        other.sum = kFullHand;
        for (std::size_t i = 0; i < cards.size() && i < kHandSlots; ++i) {
            other.pai.at(i).Ind = static_cast<std::int16_t>(i);
        }
    }
    showFaceDownHands(form);
}

} // namespace qv::hand
