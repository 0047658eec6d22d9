#pragma once

#include "connection/play_made.h"

namespace qv::hand {

struct HandContext;

/// Applies the cards of a play made (`OnPlayReceived`): bombs of five or more cards are logged,
/// finishing places recorded and the log settled; the bomb bubble and the card sound; the play
/// becomes the play to beat; the echo of the player's own one-card play is checked and a card
/// the server played for him applied; another seat's cards are drawn in its played area, its
/// count lowered, its badge or its smaller face-down pile shown.
void OnPlayReceived(HandContext& ctx, const connection::PlayMade& play);

/// Moves the own hand card on image `imageIndex`, which the server played for the player, to his
/// played area (`ApplyAutoPlayCard`) and does the bookkeeping his own play would.
void ApplyAutoPlayCard(HandContext& ctx, int imageIndex, int suitFlag, int face);

} // namespace qv::hand
