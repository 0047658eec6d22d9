#pragma once

#include "shop/rewards.h"

#include <functional>

namespace qv::shop {

struct ShopContext;
struct ShopState;

/// Puts the hand's jade reward on screen: the jade animation, its frame and the amount's
/// rightmost ten digits, for five seconds.
void ShowJadeReward(ShopContext& ctx);
/// Takes the jade reward down five seconds after it showed, for the own prize or the sheet.
void EndJadeReward(ShopContext& ctx);
/// Shows the settled hand's sheet from 2001 ms after the result, once no reward display is
/// pending, or starts the own prize when it is due first.
void PostGameSequence(ShopContext& ctx);
/// The start button: the jade's digits, or else the own prize's final digits, shown at once;
/// the steps towards the ready message armed in every case.
void ShowRewardDigits(ShopContext& ctx);
/// One step every 2000 ms after the press: the prize, then the sheet, then everything down and
/// the ready message queued.
void FinishRewardDisplay(ShopContext& ctx);

/// The jade animation, its frame and its digits hidden.
void HideJadeDisplay(ShopContext& ctx);
/// The Score window centred on the table window and shown, no longer waiting.
void ShowScoreWindow(ShopContext& ctx);

/// The reward sequence on the table window, while the window is there.
class TableRewards final : public Rewards {
public:
    explicit TableRewards(std::function<ShopContext*()> shop) : shop_(std::move(shop)) {}

    void ShowRewardDigits() override;

private:
    std::function<ShopContext*()> shop_;
};

} // namespace qv::shop
