#pragma once

namespace qv::shop {

struct ShopContext;

/// The jade feature's set-up at start-up and when the player leaves a table: the reward
/// sprites laid out and hidden, the reward sequence's flags cleared, the task panel hidden.
void InitJadeTask(ShopContext& ctx);
/// The jade task panel hidden.
void HideJadeTask(ShopContext& ctx);

} // namespace qv::shop
