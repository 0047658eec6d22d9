#include "shop/own_prize.h"

#include "connection/connection.h"
#include "platform/services.h"
#include "settlement/settlement_state.h"
#include "shop/reward_sequence.h"
#include "shop/shop_context.h"
#include "table/main_form.h"

#include <algorithm>
#include <cmath>

namespace qv::shop {
namespace {

constexpr int kPrizeDigits = 11;
constexpr int kPrizeInterval = 200;
constexpr int kSlowFlicker = 100;
constexpr int kFastFlicker = 50;
constexpr std::uint32_t kSlowFlickerMs = 1000;
constexpr std::uint32_t kFastFlickerMs = 2000;
constexpr std::uint32_t kAmountShownMs = 5000;
constexpr int kRandomFrames = 9;

enum RollState : std::int16_t { SetUp = 0, Slow = 1, Fast = 5, Settle = 10, Shown = 11 };

void showPrizePicture(controls::APNG& prize) {
    prize.setVisible(true);
    prize.zOrder(0);
    prize.Start(-1, kPrizeInterval);
}

/// The amount's sprites, rightmost first: the sprite of digit position i is element U - i.
controls::APNG& digitSprite(table::MainForm& form, int position) {
    return form.APNG_prizenum(form.APNG_prizenum.uBound() - position);
}

/// The amount as far as the table's sprites hold it.
QString shownAmount(const ShopContext& ctx) {
    return MyPrizeText(ctx.state.NewMyPrize).right(ctx.form.APNG_prizenum.uBound() + 1);
}

void hideDigits(table::MainForm& form) {
    for (controls::APNG* digit : form.APNG_prizenum.elements()) {
        digit->Pause();
        if (digit->visible()) {
            digit->setVisible(false);
        }
    }
}

void setUp(ShopContext& ctx, const QString& amount) {
    ShopState& state = ctx.state;
    table::MainForm& form = ctx.form;
    if (!form.APNG_prize.visible()) {
        showPrizePicture(form.APNG_prize);
    }
    for (int i = state.MyPrizeStartDigit; i < amount.size(); ++i) {
        controls::APNG& digit = digitSprite(form, i);
        if (!digit.visible()) {
            const int frame =
                std::clamp(static_cast<int>(state.Rnd() * kRandomFrames), 0, kRandomFrames - 1);
            digit.Pause(frame);
            digit.setVisible(true);
            digit.zOrder(0);
        }
        digit.Start(-1, kSlowFlicker);
    }
}

} // namespace

QString MyPrizeText(double prize) {
    if (!std::isfinite(prize)) {
        return QStringLiteral("0");
    }
    return QString::number(std::trunc(prize), 'f', 0).right(kPrizeDigits);
}

int DigitFrame(QChar character) {
    return character >= u'0' && character <= u'9' ? character.unicode() - u'0' : 0;
}

void StepMyPrizeAnimation(ShopContext& ctx) {
    ShopState& state = ctx.state;
    if (!state.MyPrizePending) {
        state.MyPrizeRolling = false;
        return;
    }
    table::MainForm& form = ctx.form;
    const QString amount = shownAmount(ctx);
    const std::uint32_t now = ctx.conn.services.time.tickMs();
    // Unsigned, so the tick's wrap does not matter.
    const std::uint32_t since = now - state.RefreshMyPrizeTime;
    const auto enter = [&state, now](RollState next) {
        state.ReMyPrizeWeiState = next;
        state.RefreshMyPrizeTime = now;
    };
    switch (state.ReMyPrizeWeiState) {
    case SetUp:
        setUp(ctx, amount);
        enter(Slow);
        break;
    case Slow:
    case 2:
    case 3:
    case 4:
        if (since > kSlowFlickerMs) {
            for (int i = 0; i < amount.size(); ++i) {
                digitSprite(form, i).Start(-1, kFastFlicker);
            }
            enter(Fast);
        }
        break;
    case Fast:
        if (since > kFastFlickerMs) {
            enter(Settle);
        }
        break;
    case Settle:
        for (int i = 0; i < amount.size(); ++i) {
            digitSprite(form, i).Pause(DigitFrame(amount.at(amount.size() - 1 - i)));
        }
        enter(Shown);
        break;
    case Shown:
        if (since > kAmountShownMs) {
            HideMyPrize(ctx);
            state.MyPrizePending = false;
            if (ctx.sheet.ShowScoreAfter) {
                ShowScoreWindow(ctx);
            }
        }
        break;
    default:
        break;
    }
}

void StartMyPrizeAnimation(ShopContext& ctx) {
    ShopState& state = ctx.state;
    state.RefreshMyPrizeTime = 0;
    state.MyPrizeStartDigit = 0;
    state.ReMyPrizeWeiState = SetUp;
    state.MyPrizeRolling = true;
    showPrizePicture(ctx.form.APNG_prize);
}

void ShowFinalPrizeDigits(ShopContext& ctx) {
    table::MainForm& form = ctx.form;
    if (!form.APNG_prize.visible()) {
        showPrizePicture(form.APNG_prize);
    }
    const QString amount = shownAmount(ctx);
    hideDigits(form);
    for (int i = 0; i < amount.size(); ++i) {
        controls::APNG& digit = digitSprite(form, i);
        digit.Pause(DigitFrame(amount.at(amount.size() - 1 - i)));
        if (!digit.visible()) {
            digit.setVisible(true);
            digit.zOrder(0);
        }
    }
}

void HideMyPrize(ShopContext& ctx) {
    table::MainForm& form = ctx.form;
    hideDigits(form);
    form.APNG_prize.Pause();
    form.APNG_prize.setVisible(false);
    ctx.state.MyPrizeRolling = false;
}

} // namespace qv::shop
