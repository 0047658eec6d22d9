#pragma once

#include <QString>

namespace qv::shop {

struct ShopContext;

/// The own prize as the eleven digit sprites show it: a whole number in plain decimal, its
/// rightmost eleven digits.
[[nodiscard]] QString MyPrizeText(double prize);
/// The sprite frame of one character of an amount: its digit, 0 for anything else.
[[nodiscard]] int DigitFrame(QChar character);

/// One step of the own prize rolling in: the digits flicker, flicker faster, settle on the
/// amount and, five seconds later, go with the prize picture for the waiting sheet.
void StepMyPrizeAnimation(ShopContext& ctx);
/// Starts the own prize from its set-up.
void StartMyPrizeAnimation(ShopContext& ctx);
/// The prize picture and the amount's final digits at once.
void ShowFinalPrizeDigits(ShopContext& ctx);
/// The prize picture and its digits hidden, the animation stopped.
void HideMyPrize(ShopContext& ctx);

} // namespace qv::shop
