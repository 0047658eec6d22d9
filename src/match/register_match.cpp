#include "match/register_match.h"

#include "connection/commands.h"
#include "connection/connection.h"
#include "match/config_download.h"
#include "match/match_clock.h"
#include "match/match_list.h"
#include "match/match_messages.h"
#include "match/match_notices.h"
#include "match/match_runs.h"

namespace qv::match {
namespace {

/// Registers `command`: decoded by `decode`, applied by `apply` on the table's tournament model.
template <typename Decode, typename Apply>
void onTable(connection::Connection& conn, std::uint8_t command, Decode decode,
             const std::function<MatchContext*()>& table, Apply apply) {
    conn.dispatcher.on(command, decode, [table, apply](const auto& value) {
        if (MatchContext* ctx = table()) {
            apply(*ctx, value);
        }
    });
}

} // namespace

void RegisterMatch(connection::Connection& conn, ConfigDownload& download,
                   const std::function<MatchContext*()>& table) {
    onTable(conn, connection::MsgSignUp, DecodeSignUpReply, table, MsgSignUp);
    onTable(conn, connection::MsgCancelSignUp, DecodeCancelReply, table, MsgCancelSignUp);
    onTable(conn, connection::MsgMyMatchList, DecodeMyMatchList, table, MsgMyMatchList);
    onTable(conn, connection::MsgMatchState, DecodeRunState, table, MsgMatchState);
    onTable(conn, connection::MsgMatchPlace, DecodeRunPlace, table,
            [](MatchContext& ctx, const RunPlace& place) { MsgMatchPlace(ctx, place, false); });
    onTable(conn, connection::MsgMatchFinalPlace, DecodeRunPlace, table,
            [](MatchContext& ctx, const RunPlace& place) { MsgMatchPlace(ctx, place, true); });
    onTable(conn, connection::MsgMatchConfig, DecodeMatchConfig, table,
            [&download](MatchContext& ctx, const MatchConfig& config) {
                download.MsgMatchConfig(ctx, config);
            });
    onTable(conn, connection::MsgServerTime, DecodeServerTime, table, MsgServerTime);
    onTable(conn, connection::MsgMatchList, DecodeMatchList, table, MsgMatchList);
    onTable(conn, connection::MsgNextRun, DecodeNextRun, table, MsgNextRun);
    onTable(conn, connection::MsgSignUpCount, DecodeSignUpCount, table, MsgSignUpCount);
    onTable(conn, connection::MsgMatchJade, DecodeRunJade, table, MsgMatchJade);
    onTable(conn, connection::MsgChampion, DecodeChampion, table, MsgChampion);
    onTable(conn, connection::MsgAutoSignUp, DecodeAutoSignUp, table,
            [](MatchContext& ctx, std::int32_t window) { MsgAutoSignUp(ctx.state, window); });
    onTable(conn, connection::MsgMyGold, DecodeMyGold, table, MsgMyGold);
    onTable(conn, connection::MsgOtherGold, DecodeOtherGold, table, MsgOtherGold);
    onTable(conn, connection::MsgMatchScores, DecodeTableScores, table, MsgDecode_47);
    conn.pumpSteps.on(connection::PumpStep::Panels, [table] {
        if (MatchContext* ctx = table()) {
            MatchTimerTick(*ctx);
        }
    });
}

} // namespace qv::match
