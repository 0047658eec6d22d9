#pragma once

namespace qv::shop {

struct ShopContext;

/// Lays out and resets the prize bar, the chip information box, the purchase and winners
/// panels, the own-prize sprites and the banner, with the state of the pool, the own prize and
/// the winners list.
void InitPrizePanel(ShopContext& ctx);
/// One step of the pool's digit roll, or the whole amount at once while no roll runs.
void StepPrizePoolRoll(ShopContext& ctx);
/// Asks the server for the prize pool; a tournament table asks nothing.
void Send95(ShopContext& ctx);
/// The pointer over a pool digit opens the chip information box.
void Lb_prize_MouseMove(ShopContext& ctx);
/// The pointer over the bar at (x, y) twips: the box follows the digit area, and the bar's
/// buttons leave their hover look.
void Pic_prize_MouseMove(ShopContext& ctx, double x, double y);

} // namespace qv::shop
