#pragma once

namespace qv::hand {

struct HandContext;

/// Plays the raised cards (`JudgeChuPai`): nothing while the player may not send a play or
/// nothing is raised; a selection that is no play, or does not beat the play to beat, is refused
/// with the notice and changes nothing. An accepted play is queued as command 7, shown at once in
/// the own played area and taken out of the hand, which is laid out again; a copy of the hand as
/// it stood lets the server's answer undo it.
void JudgeChuPai(HandContext& ctx);

/// The play and hint buttons, the pass button and the clock go away and the turn countdown
/// stops, as a play or pass of the player's own does.
void StopOwnTurn(HandContext& ctx);

/// Queues the pass: command 7 with the own seat and byte 15 = 1.
void QueuePass(HandContext& ctx);

/// Lays the own hand out again on `g_HandBaseTop`: every card image hidden, placed, shown.
void RelayOwnHand(HandContext& ctx);

/// Lays the own hand out again centred on the own played-area anchor, Tops kept, as the
/// server's corrections of the hand do: every card image hidden, placed, shown.
void RelayOwnHandOnAnchor(HandContext& ctx);

} // namespace qv::hand
