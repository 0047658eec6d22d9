#include "hand/register_branches.h"

#include "connection/commands.h"
#include "connection/player_seated.h"
#include "connection/round_start.h"
#include "hand/countdowns.h"
#include "hand/hand_context.h"
#include "hand/partner_call.h"
#include "hand/per_hand_reset.h"
#include "hand/play_made_branch.h"
#include "hand/round_start_branch.h"
#include "hand/seating.h"
#include "hand/table_reset.h"

#include <optional>

namespace qv::hand {

void RegisterBranches(connection::Connection& conn, std::function<HandContext*()> table) {
    conn.dispatcher.on(
        connection::MsgPlayerSeated,
        [](const connection::GameMessage& m) {
            return std::optional(connection::DecodePlayerSeated(m));
        },
        [table](const connection::PlayerSeated& seated) {
            if (HandContext* ctx = table()) {
                OnPlayerSeated(*ctx, seated);
            }
        });
    conn.dispatcher.on(
        connection::MsgRoundStart,
        [](const connection::GameMessage& m) {
            return std::optional(connection::DecodeRoundStart(m));
        },
        [table](const connection::RoundStart& start) {
            if (HandContext* ctx = table()) {
                OnRoundStart(*ctx, start);
            }
        });
    conn.dispatcher.on(
        connection::MsgCallCard,
        [](const connection::GameMessage& m) {
            return std::optional(connection::DecodePartnerCall(m));
        },
        [table](const connection::PartnerCall& call) {
            if (HandContext* ctx = table()) {
                OnPartnerCall(*ctx, call);
            }
        });
    conn.dispatcher.on(
        connection::MsgPlayMade,
        [](const connection::GameMessage& m) {
            return std::optional(connection::DecodePlayMade(m));
        },
        [table](const connection::PlayMade& play) {
            if (HandContext* ctx = table()) {
                OnPlayMade(*ctx, play);
            }
        });
    // The call, turn and ready countdowns, in this order.
    for (void (*step)(HandContext&) : {&CallCountdown, &TurnCountdown, &ReadyCountdown}) {
        conn.pumpSteps.on(connection::PumpStep::Countdowns, [table, step] {
            if (HandContext* ctx = table()) {
                step(*ctx);
            }
        });
    }
}

} // namespace qv::hand
