#include "hand/deal_animation.h"

#include "client.h"
#include "common/general.h"
#include "table/main_form.h"

namespace qv::hand {
namespace {

constexpr double kMiddleLeft = 472;
constexpr double kMiddleTop = 285;
constexpr int kLegDown = 0;
constexpr int kLegLeft = 1;
constexpr int kLegUp = 2;
constexpr int kLegRight = 3;

void pause(table::MainForm& form, int k) {
    const SharedData& shared = form.client().shared;
    if (const int ms = DealPauseMs(k, shared.ScaleX); ms > 0) {
        WaitMs(form.client().services.time, static_cast<std::int16_t>(ms));
    }
}

} // namespace

CardSpot DealCardSpot(int step, int k, float scaleX, float scaleY) {
    const double left = kMiddleLeft * scaleX;
    const double top = kMiddleTop * scaleY;
    switch (step) {
    case kLegDown:
        return {left, top + 24 * k * scaleY};
    case kLegLeft:
        return {left - 32 * k * scaleY, top};
    case kLegUp:
        return {left, top - 15 * k * scaleY};
    case kLegRight:
        return {left + 32 * k * scaleY, top};
    default:
        return {left, top};
    }
}

int DealPauseMs(int k, float scaleX) {
    constexpr int kFullScalePause = 10;
    constexpr int kSmallScaleEvery = 4;
    if (scaleX == 1.0F) {
        return kFullScalePause;
    }
    return k % kSmallScaleEvery == 0 ? 1 : 0;
}

void PlayDealAnimation(table::MainForm& form, int step) {
    const SharedData& shared = form.client().shared;
    const CardSpot middle = DealCardSpot(step, 0, shared.ScaleX, shared.ScaleY);
    form.imgCardMove(0).move(middle.left, middle.top);
    if (step < kLegDown || step > kLegRight) {
        return;
    }
    if (step == kLegDown) {
        form.imgFaPai.setVisible(true);
        form.imgFaPai.zOrder(0);
    }
    for (int k = kMovingCards - 1; k >= 1; --k) {
        const CardSpot spot = DealCardSpot(step, k, shared.ScaleX, shared.ScaleY);
        form.imgCardMove(k).move(spot.left, spot.top);
    }
    for (int k = 0; k < kMovingCards; ++k) {
        form.imgCardMove(k).setVisible(true);
        pause(form, k);
    }
    for (int k = 0; k < kMovingCards; ++k) {
        form.imgCardMove(k).setVisible(false);
        pause(form, k);
    }
    if (step == kLegLeft) {
        form.imgFaPai.setVisible(false);
    }
}

} // namespace qv::hand
