#pragma once

#include "match/match_context.h"
#include "match/match_messages.h"

namespace qv::match {

/// The runs of this game and the player's sign-ups: commands 82, 74, 83, 72, 73, 87 and 90.
void MsgMatchList(MatchContext& ctx, const MatchList& list);
void MsgMyMatchList(MatchContext& ctx, const MyMatchList& list);
void MsgNextRun(MatchContext& ctx, const ScheduledRun& next);
void MsgSignUp(MatchContext& ctx, const SignUpReply& reply);
void MsgCancelSignUp(MatchContext& ctx, const CancelReply& reply);
void MsgSignUpCount(MatchContext& ctx, const SignUpCount& count);
void MsgAutoSignUp(MatchState& state, std::int32_t window);

} // namespace qv::match
