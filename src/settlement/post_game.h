#pragma once

namespace qv::settlement {

struct SettlementContext;

/// The post-game step of each pump tick, as far as the sheet needs it until the prize displays
/// are built: once a settled hand's sheet is waiting, from 2001 ms after the settlement on, the
/// Score window is centred on the table window and shown.
void PostGameSequence(SettlementContext& ctx);

/// Arms the post-game sequence from now: it runs 2001 ms later.
void ArmPostGame(SettlementContext& ctx);

} // namespace qv::settlement
