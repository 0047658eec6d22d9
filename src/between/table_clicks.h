#pragma once

namespace qv::between {

struct BetweenContext;

/// A press on the table surface: the chat windows and the play notice go; the right button in
/// the player's turn plays the raised cards; the score sheet and the history go last.
void Pic1_MouseDown(BetweenContext& ctx, int button);
/// A click on the table surface: every window over the table is hidden, then the prize ranking
/// and the chip panel.
void Pic1_Click(BetweenContext& ctx);

} // namespace qv::between
