#pragma once

namespace qv::between {

struct BetweenContext;

/// The nine table buttons `AnNiu(0..8)`: send, chat log, start/continue, settings, hide, score,
/// history, rules, exit. Any other index does nothing.
void AnNiu_Click(BetweenContext& ctx, int index);
/// The button under the mouse shows its hover picture, once until the table surface resets it.
void AnNiu_MouseMove(BetweenContext& ctx, int index);

/// The table surface's keys: Esc closes the open panels in order or toggles the exit dialog; F1
/// is the boss key with automatic play; Alt and C in either order open the chat log.
void Pic1_KeyDown(BetweenContext& ctx, int keyCode);
/// A character typed on the table surface sends the focus to the chat box (without the
/// character).
void Pic1_KeyPress(BetweenContext& ctx, int& keyAscii);
/// The window's own keys: F1 to F6 to the item plug-in, F1 the boss key without automatic play.
void Form_KeyDown(BetweenContext& ctx, int keyCode);

/// Wires the buttons, keys and surface clicks of the table window to their handlers.
void WireTableActions(BetweenContext& ctx);

} // namespace qv::between
