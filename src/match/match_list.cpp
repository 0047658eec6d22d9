#include "match/match_list.h"

#include "match/match_screen.h"
#include "match/time_texts.h"
#include "table/main_form.h"

namespace qv::match {
namespace {

bool configured(const MatchState& s) {
    return !s.Md5_Server.isEmpty() && !s.MatchConfigUrl.isEmpty();
}

bool inUse(const MatchState& s) {
    return s.g_bMatchOn || s.g_bMatchDownloading;
}

CurMatchRec* runOf(MatchState& s, std::int32_t id) {
    const int i = GetCurMatchIndex(s, id);
    return i == 0 ? nullptr : &s.CurMatch.at(i);
}

/// A start that no run is scheduled at reads as empty.
StartText scheduled(const MatchContext& ctx, const std::optional<std::int64_t>& start) {
    return start ? StartOf(ctx, *start) : StartText{};
}

/// The run takes the signed-up start `s`.
void signUpAt(MatchContext& ctx, CurMatchRec& r, const SignUpReply& reply, const StartText& s) {
    r.StratTime = s;
    r.CPstate = 1;
    r.SignUpNum = reply.count;
    r.RunState = 0;
    r.SignTick = Now(ctx);
    SetCurMatchPrize(ctx.state, r.CId, reply.base, s.text);
}

} // namespace

void MsgMatchList(MatchContext& ctx, const MatchList& list) {
    MatchState& s = ctx.state;
    if (list.runs.empty() || !configured(s) || !inUse(s)) {
        SwitchOff(ctx);
        return;
    }
    s.CurMatch.clear();
    for (const ScheduledRun& entry : list.runs) {
        CurMatchRec r;
        r.CId = entry.id;
        r.StratTime = scheduled(ctx, entry.start);
        r.Duration = entry.duration;
        r.StrDuration = TimeNumToStr(entry.duration, false);
        r.JadeBase = entry.jadeBase;
        r.LastPrizeTable = EmptyPrizeTable();
        r.PrizeTable = EmptyPrizeTable();
        s.CurMatch.push_back(std::move(r));
    }
}

void MsgMyMatchList(MatchContext& ctx, const MyMatchList& list) {
    MatchState& s = ctx.state;
    if (!inUse(s)) {
        return;
    }
    if (!configured(s)) {
        SwitchOff(ctx);
        return;
    }
    s.g_bMyMatchList = true;
    for (const MyMatchList::Entry& entry : list.entries) {
        CurMatchRec* r = runOf(s, entry.id);
        if (r == nullptr) {
            continue;
        }
        r->CPstate = 1;
        r->SignTick = Now(ctx);
        r->RunState = entry.running ? 1 : 0;
        const StartText t = StartOf(ctx, entry.start);
        if (r->StratTime.isEmpty()) {
            r->StratTime = t;
        } else if (t != r->StratTime) {
            if (r->StratTime.seconds > t.seconds) {
                r->NextTime = r->StratTime;
                r->StratTime = t;
            } else {
                r->NextTime = t;
            }
            r->NextDuration = r->Duration;
            r->NextStrDuration = r->StrDuration;
        }
        if (r->RunState == 1 && !ctx.form.ImgShowSort.visible()) {
            ShowRankingButton(ctx, r->CId);
        }
    }
    if (s.g_bMatchDownloading || !s.g_bMatchLoaded) {
        return;
    }
    BuildCurMatchShow(s);
    int page = 1;
    if (ctx.panels.InitCurMatchShow(page)) {
        ShowMatchButtons(ctx);
    } else {
        s.g_bMatchOn = false;
        s.g_bMatchListShown = false;
    }
}

void MsgNextRun(MatchContext& ctx, const ScheduledRun& next) {
    MatchState& s = ctx.state;
    if (!inUse(s)) {
        SwitchOff(ctx);
        return;
    }
    CurMatchRec* r = runOf(s, next.id);
    if (r == nullptr) {
        return;
    }
    r->NextTime = scheduled(ctx, next.start);
    r->NextDuration = next.duration;
    r->NextStrDuration = TimeNumToStr(next.duration, false);
    if (s.MatchState != 1) {
        r->StratTime = r->NextTime;
        r->Duration = r->NextDuration;
        r->StrDuration = r->NextStrDuration;
        r->NextTime = {};
        r->NextDuration = 0;
        r->NextStrDuration.clear();
        r->RunState = 0;
        r->SignUpNum = 0;
        r->CPstate = 0;
        r->SignTick = 0;
        SetCurMatchPrize(s, r->CId, 0, QString());
    }
    s.MatchState = 0;
    BuildCurMatchShow(s);
    RefreshOpenList(ctx);
}

void MsgSignUp(MatchContext& ctx, const SignUpReply& reply) {
    MatchState& s = ctx.state;
    if (!s.g_bMatchOn || !s.g_bMatchListShown) {
        SwitchOff(ctx);
        return;
    }
    CurMatchRec* r = runOf(s, reply.id);
    if (r == nullptr) {
        return;
    }
    const StartText start = StartOf(ctx, reply.start);
    if (reply.accepted) {
        if (start == r->StratTime) {
            r->SignUpNum = reply.count;
            r->CPstate = 1;
            r->SignTick = Now(ctx);
            SetCurMatchPrize(s, r->CId, reply.base, start.text);
            BuildCurMatchShow(s);
            RefreshOpenDetail(ctx, reply.id);
        } else if (start == r->NextTime ||
                   (!r->StratTime.isEmpty() && start.seconds > r->StratTime.seconds)) {
            signUpAt(ctx, *r, reply, start);
        }
    }
    Notice(ctx, QStringLiteral("报名(") + start.text + QStringLiteral(")：") + reply.text);
}

void MsgCancelSignUp(MatchContext& ctx, const CancelReply& reply) {
    MatchState& s = ctx.state;
    if (!s.g_bMatchOn || !s.g_bMatchListShown) {
        SwitchOff(ctx);
        return;
    }
    CurMatchRec* r = runOf(s, reply.id);
    if (r == nullptr) {
        return;
    }
    if (reply.cancelled) {
        r->CPstate = 0;
        r->SignTick = Now(ctx);
        BuildCurMatchShow(s);
        RefreshOpenDetail(ctx, reply.id);
    }
    Notice(ctx, reply.text);
}

void MsgSignUpCount(MatchContext& ctx, const SignUpCount& count) {
    MatchState& s = ctx.state;
    CurMatchRec* r = runOf(s, count.id);
    if (r == nullptr) {
        return;
    }
    const StartText start = StartOf(ctx, count.start);
    if (start != r->StratTime) {
        r->NextSignUpNum = count.count;
    } else {
        r->SignUpNum = count.count;
        SetCurMatchPrize(s, r->CId, count.base, start.text);
    }
    BuildCurMatchShow(s);
    RefreshPageAndFirstRow(ctx);
}

void MsgAutoSignUp(MatchState& state, std::int32_t window) {
    state.AutoSignUpWindow = window;
}

} // namespace qv::match
