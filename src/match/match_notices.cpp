#include "match/match_notices.h"

#include "connection/connection.h"
#include "hand/hand_state.h"
#include "match/match_screen.h"
#include "table/main_form.h"

#include <cmath>

namespace qv::match {
namespace {

constexpr int kSignificantDigits = 15;

/// Adds `amount` to a seat's gold, never below 0, and shows it by the seat.
void changeGold(MatchContext& ctx, int seat, double amount) {
    connection::PlayerDetail& detail = ctx.conn.Detail.at(static_cast<std::size_t>(seat));
    detail.coins = std::max(0.0, detail.coins + amount);
    if (!ctx.form.Cash.exists(seat)) {
        return;
    }
    ctx.form.Cash(seat).setCaption(QString::number(detail.coins, 'g', kSignificantDigits) +
                                   QStringLiteral("金币"));
}

} // namespace

void MsgChampion(MatchContext& ctx, const Champion& champion) {
    MatchState& s = ctx.state;
    const int i = GetCurMatchIndex(s, champion.id);
    if (i == 0) {
        return;
    }
    CurMatchRec& r = s.CurMatch.at(i);
    r.LastRunTime = StartOf(ctx, champion.start);
    r.nike = champion.nickname;
    r.LFirstPri = champion.prize;
    r.CLastFlg = true;
    const QString& when = r.LastRunTime.text;
    Notice(ctx, QStringLiteral("冠军(") + when + QStringLiteral(")：") + r.nike);
    Notice(ctx, QStringLiteral("冠军奖励：") + r.LFirstPri);
    Notice(ctx, QStringLiteral("下一场比赛开始接受报名!"));
    ctx.form.moveWord1.Add(when + QStringLiteral("的比赛已经结束，玩家") + r.nike +
                           QStringLiteral("夺得了冠军，获得了") + r.LFirstPri +
                           QStringLiteral("奖励！"));
    if (r.LStratTime == r.LastRunTime && !r.StratTime.isEmpty()) {
        ctx.form.moveWord1.Add(r.StratTime.text +
                               QStringLiteral("的比赛开始接受报名，请大家点击左上按钮参与报名！"));
    }
    BuildCurMatchShow(s);
    RefreshPageAndFirstRow(ctx);
}

void MsgMyGold(MatchContext& ctx, const GoldChange& change) {
    changeGold(ctx, 0, change.amount);
    QString notice = change.text;
    notice.replace(QStringLiteral("%d"),
                   QString::number(std::abs(change.amount), 'g', kSignificantDigits),
                   Qt::CaseInsensitive);
    Notice(ctx, notice);
}

void MsgOtherGold(MatchContext& ctx, const GoldChange& change) {
    for (int seat = 1; seat <= 3; ++seat) {
        if (ctx.conn.Detail.at(static_cast<std::size_t>(seat)).account == change.text) {
            changeGold(ctx, seat, change.amount);
            return;
        }
    }
}

void MsgDecode_47(MatchContext& ctx, const TableScores& scores) {
    constexpr std::size_t kElapsedSlot = 8;
    if (ctx.state.G_MatchType > 1) {
        ctx.conn.slots.BongFlag.at(kElapsedSlot) = false;
        ctx.conn.TimerKeepAlive.setEnabled(false);
    }
    for (std::size_t k = 0; k < scores.players.size(); ++k) {
        ctx.state.MatchPlayers.at(k) = scores.players[k];
    }
    ctx.form.lbl_matchinfo(2).setCaption(QString::number(scores.number));
    ctx.conn.SeatMsgCount = 0;
    for (int seat = 0; seat <= 2; ++seat) {
        ctx.hand.custom.at(static_cast<std::size_t>(seat)).seat = 0;
    }
}

} // namespace qv::match
