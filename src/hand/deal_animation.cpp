#include "hand/deal_animation.h"

#include "common/general.h"
#include "hand/hand_context.h"
#include "table/main_form.h"

namespace qv::hand {
namespace {

constexpr double kMiddleLeft = 472;
constexpr double kMiddleTop = 285;
constexpr int kLegDown = 0;
constexpr int kLegLeft = 1;
constexpr int kLegUp = 2;
constexpr int kLegRight = 3;

void pause(HandContext& ctx, int k) {

    if (const int ms = DealPauseMs(k, ctx.table.ScaleX); ms > 0) {
        WaitMs(ctx.services.time, static_cast<std::int16_t>(ms));
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

void PlayDealAnimation(HandContext& ctx, int step) {

    const CardSpot middle = DealCardSpot(step, 0, ctx.table.ScaleX, ctx.table.ScaleY);
    ctx.form.imgCardMove(0).move(middle.left, middle.top);
    if (step < kLegDown || step > kLegRight) {
        return;
    }
    if (step == kLegDown) {
        ctx.form.imgFaPai.setVisible(true);
        ctx.form.imgFaPai.zOrder(0);
    }
    for (int k = kMovingCards - 1; k >= 1; --k) {
        const CardSpot spot = DealCardSpot(step, k, ctx.table.ScaleX, ctx.table.ScaleY);
        ctx.form.imgCardMove(k).move(spot.left, spot.top);
    }
    for (int k = 0; k < kMovingCards; ++k) {
        ctx.form.imgCardMove(k).setVisible(true);
        pause(ctx, k);
    }
    for (int k = 0; k < kMovingCards; ++k) {
        ctx.form.imgCardMove(k).setVisible(false);
        pause(ctx, k);
    }
    if (step == kLegLeft) {
        ctx.form.imgFaPai.setVisible(false);
    }
}

} // namespace qv::hand
