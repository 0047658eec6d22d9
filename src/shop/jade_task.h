#pragma once

namespace qv::shop {

struct ShopContext;

/// The sheet of the jade count's ten digits, which the task panel and the reward both show.
inline constexpr int kJadeDigitSheet = 804;

/// The jade feature's set-up at start-up and when the player leaves a table: the task file read
/// again, the reward sprites laid out and hidden, the reward sequence's flags cleared, the task
/// panel hidden.
void InitJadeTask(ShopContext& ctx);
/// The jade task panel hidden.
void HideJadeTask(ShopContext& ctx);
/// The exchange button shows its hover picture until the table surface puts it back.
void ImgJadeExch_MouseMove(ShopContext& ctx);
/// The exchange button hides the exchange window, or shows it centred on the table window.
void ImgJadeExch_MouseUp(ShopContext& ctx);

} // namespace qv::shop
