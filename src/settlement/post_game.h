#pragma once

namespace qv::settlement {

struct SettlementContext;

/// Arms the post-game sequence from now: the sheet waits for it from 2001 ms later on.
void ArmPostGame(SettlementContext& ctx);

} // namespace qv::settlement
