#include "settlement/post_game.h"

#include "platform/services.h"
#include "settlement/settlement_context.h"

namespace qv::settlement {

void ArmPostGame(SettlementContext& ctx) {
    ctx.state.ShowScoreAfter = true;
    ctx.state.ResultShowTime = ctx.hand.services.time.tickMs();
}

} // namespace qv::settlement
