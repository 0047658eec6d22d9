#pragma once

#include "connection/partner_call.h"

namespace qv::hand {

struct HandContext;

/// The banker calls his partner with the one card he raised (`CallCard`): a card of face 3 to 9
/// is sent as command 2, anything else is refused with the notice and changes nothing.
void CallCard(HandContext& ctx);

/// Queues command 2 naming `face` and `suitFlag` for the own seat.
void QueueCall(HandContext& ctx, int face, int suitFlag);

/// The call announced (command 2): the call phase ends on the table, the caller and the card are
/// kept, and the called card shows in its frame for the rest of the hand.
void OnPartnerCall(HandContext& ctx, const connection::PartnerCall& call);

} // namespace qv::hand
