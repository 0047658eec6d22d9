#pragma once

#include "match/match_context.h"
#include "match/match_messages.h"

namespace qv::match {

/// The champion of a run and the changes of gold: commands 89, 91 and 92.
void MsgChampion(MatchContext& ctx, const Champion& champion);
void MsgMyGold(MatchContext& ctx, const GoldChange& change);
void MsgOtherGold(MatchContext& ctx, const GoldChange& change);

/// The standing of a tournament table: command 47.
void MsgDecode_47(MatchContext& ctx, const TableScores& scores);

} // namespace qv::match
