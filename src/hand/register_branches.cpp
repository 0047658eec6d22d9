#include "hand/register_branches.h"

#include "connection/commands.h"
#include "connection/player_seated.h"
#include "connection/round_start.h"
#include "hand/hand_context.h"
#include "hand/per_hand_reset.h"
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
}

void HandTableExit::ClearTableState() {
    if (HandContext* ctx = table_()) {
        hand::ClearTableState(*ctx);
    }
}

void HandTableExit::ResetTable() {
    if (HandContext* ctx = table_()) {
        hand::ResetTable(*ctx);
    }
}

} // namespace qv::hand
