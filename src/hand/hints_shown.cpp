#include "hand/hints_shown.h"

#include "common/picture_resources.h"
#include "hand/effect_sound.h"
#include "hand/hand_context.h"
#include "hand/hand_selection.h"
#include "hand/own_finish.h"
#include "hand/own_play.h"
#include "rules/prompt.h"
#include "table/main_form.h"

#include <vector>

using namespace Qt::StringLiterals;

namespace qv::hand {
namespace {

std::vector<rules::CardCode> ownCards(const HandContext& ctx) {
    const PlayerInfo& own = ctx.hand.custom[0];
    std::vector<rules::CardCode> cards;
    for (int i = 0; i < own.sum; ++i) {
        cards.push_back(own.pai.at(static_cast<std::size_t>(i)).code);
    }
    return cards;
}

} // namespace

void PrepareHints(HandContext& ctx) {
    rules::HintState& hints = ctx.hints;
    const rules::RulesState& rules = ctx.rules;
    if (hints.g_bPromptReady) {
        return;
    }
    const std::vector<rules::CardCode> hand = ownCards(ctx);
    if (rules.LastPlayType == rules::PlayNone) {
        rules::PromptLead(hints, hand);
    } else {
        const auto count = static_cast<std::size_t>(rules.LastPlayCount);
        rules::PromptFollow(hints, hand, rules.LastPlayType, rules.LastPlayCount,
                            std::span(rules.LastPlayCards).first(count));
    }
    hints.g_bPromptReady = true;
}

bool ShowHint(HandContext& ctx) {
    PrepareHints(ctx);
    if (ctx.hints.g_PromptCount == 0) {
        return false;
    }
    LowerRaisedCards(ctx);
    RaiseHint(ctx, ctx.hints.row(0));
    return true;
}

void AutoPass(HandContext& ctx) {
    ctx.conn.slots.BongFlag.at(connection::kTurnSlot) = false;
    ctx.form.Number.setVisible(false);
    ctx.form.Time_Img.setVisible(false);
    ctx.hand.g_bMyTurn = false;
    for (int i = 0; i < 3; ++i) {
        forms::Image& button = ctx.form.Operation(i);
        button.setVisible(false);
        common::LoadGifRes(
            static_cast<std::int16_t>(
                ctx.imageRes.OperationRes.at(static_cast<std::size_t>(3 * i)).toInt()),
            u"GIF"_s, button);
        button.setEnabled(false);
    }
    LowerRaisedCards(ctx);
    QueuePass(ctx);
    HideChuPai(ctx);
}

void PressHint(HandContext& ctx) {
    PlayEffect(ctx, ctx.sound.VoicePath1 + u"sys110.wav"_s);
    rules::HintState& hints = ctx.hints;
    if (ctx.rules.LastPlayType == rules::PlayNone && !hints.g_bPromptReady) {
        LowerRaisedCards(ctx);
    }
    PrepareHints(ctx);
    if (hints.g_PromptCount == 0) {
        AutoPass(ctx);
        return;
    }
    LowerRaisedCards(ctx);
    if (hints.g_PromptIndex < hints.g_PromptCount) {
        RaiseHint(ctx, hints.row(hints.g_PromptIndex));
    }
    hints.g_PromptIndex =
        static_cast<std::int16_t>((hints.g_PromptIndex + 1) % hints.g_PromptCount);
}

} // namespace qv::hand
