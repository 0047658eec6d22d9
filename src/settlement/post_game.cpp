#include "settlement/post_game.h"

#include "forms/form_host.h"
#include "platform/services.h"
#include "settlement/score_window.h"
#include "settlement/settlement_context.h"
#include "table/main_form.h"

namespace qv::settlement {
namespace {

constexpr std::uint32_t kSheetAfterMs = 2000;

} // namespace

void ArmPostGame(SettlementContext& ctx) {
    ctx.state.ShowScoreAfter = true;
    ctx.state.ResultShowTime = ctx.hand.services.time.tickMs();
}

void PostGameSequence(SettlementContext& ctx) {
    SettlementState& state = ctx.state;
    // Unsigned, so the tick's wrap does not matter.
    if (!state.ShowScoreAfter ||
        ctx.hand.services.time.tickMs() - state.ResultShowTime <= kSheetAfterMs) {
        return;
    }
    const table::MainForm& table = ctx.hand.form;
    Score& score = ctx.forms.get<Score>();
    score.setLeft(table.left() + (table.width() - score.width()) / 2);
    score.setTop(table.top() + (table.height() - score.height()) / 2);
    score.setVisible(true);
    score.show();
    state.ShowScoreAfter = false;
}

} // namespace qv::settlement
