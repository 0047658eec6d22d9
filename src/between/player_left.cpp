#include "between/between_context.h"
#include "between/leave_table.h"
#include "between/server_branches.h"
#include "common/min_positive_seat.h"
#include "connection/connection.h"
#include "connection/server_text.h"
#include "hand/countdowns.h"
#include "platform/services.h"
#include "table/main_form.h"
#include "table/seat_display.h"
#include "table/table_animations.h"

#include <QTime>
#include <QVariant>

using namespace Qt::StringLiterals;

namespace qv::between {
namespace {

constexpr int kAntiCheatByte = 8;
constexpr int kShortCountdownByte = 11;
constexpr int kAccountByte = 16;
constexpr int kAccountBytes = 16;
constexpr int kReadyCountdown = 15;
constexpr int kShortReadyCountdown = 10;
/// At the small scale a departure puts a two-digit multiple a little lower than a seating does.
constexpr double kSmallScaleTop = 525;

void emptySeat(BetweenContext& ctx, int i) {
    connection::Connection& conn = ctx.hand.conn;
    table::MainForm& form = ctx.hand.form;
    const auto s = static_cast<std::size_t>(i);
    conn.g_bTableReset = false;
    --conn.SeatedCount;
    EmptySeat(ctx, i, [&] {
        const QTime now = conn.services.time.localDateTime().time();
        form.Sysmsg(0).clear();
        form.Sysmsg(0).addItem(conn.Detail.at(s).username + u"退出了游戏 "_s +
                               QString::number(now.hour()) + u':' + QString::number(now.minute()) +
                               u':' + QString::number(now.second()));
        form.Sysmsg(1).clear();
    });
    table::TableState& table = ctx.hand.table;
    if (conn.WealthMultiple == 0) {
        table::HideWealth(form);
        return;
    }
    table.SeatWealth.at(s) = 0;
    const std::int32_t shown = MinPositiveSeat(table.SeatWealth);
    auto style = table::WealthLabelStyleFor(shown, table.ScaleX);
    if (table.ScaleX != 1.0F && style.fontSize > 13) {
        style.top = kSmallScaleTop;
    }
    table::ShowWealthLabel(form, shown, style);
}

/// The hand running or about to run is given up and the ready countdown starts again.
void abandonHand(BetweenContext& ctx, const PlayerLeft& msg) {
    connection::Connection& conn = ctx.hand.conn;
    table::TableState& table = ctx.hand.table;
    conn.g_bTimeLimit = false;
    table.AnNiuLocked[2] = false;
    conn.g_bInGame = false;
    conn.g_bTableReset = false;
    conn.g_bBuyDeferred = false;
    if (conn.commandLine.g_bSpectator) {
        return;
    }
    hand::StartReadyCountdown(ctx.hand,
                              msg.shortCountdown ? kShortReadyCountdown : kReadyCountdown);
}

} // namespace

std::optional<PlayerLeft> DecodePlayerLeft(const connection::GameMessage& m) {
    const bool antiCheat = m.u8(kAntiCheatByte) == 1;
    int first = m.u8(kAccountByte);
    if (antiCheat) {
        --first;
    }
    PlayerLeft left{.account = std::nullopt, .shortCountdown = m.u8(kShortCountdownByte) == 1};
    // A first byte that names no character (0, or 0 before the anti-cheat shift) is an account
    // no seat holds.
    if (first > 0) {
        left.account = QString(QChar(first)) +
                       connection::SingleByteText(m, kAccountByte + 1, kAccountBytes - 1);
    }
    return left;
}

void OnPlayerLeft(BetweenContext& ctx, const PlayerLeft& msg) {
    connection::Connection& conn = ctx.hand.conn;
    table::MainForm& form = ctx.hand.form;
    conn.g_bLeaveOnStart = true;
    form.LblShuffle.setVisible(false);
    form.ImgShuffle.setVisible(false);
    conn.g_bSeatChangeArmed = false;
    conn.g_bSeatChangeShown = false;
    form.WebBrowser2.setVisible(false);
    if (msg.account && ctx.hand.hand.custom[0].name == *msg.account) {
        conn.services.process.endNow();
    }
    for (int i = 1; i <= 3; ++i) {
        if (msg.account && !msg.account->isEmpty() &&
            ctx.hand.hand.custom.at(static_cast<std::size_t>(i)).name == *msg.account) {
            emptySeat(ctx, i);
        }
    }
    if (conn.g_bTimeLimit) {
        abandonHand(ctx, msg);
    }
    if (!conn.TimerKeepAlive.Enabled()) {
        conn.TimerKeepAlive.setEnabled(true);
    }
    if (ctx.hand.table.g_bCountdownAnim) {
        table::StopCountdownAnimation(form);
    }
    if (conn.commandLine.g_bSpectator) {
        conn.services.messageBox.show(u"有用户退出，旁观结束！"_s, {});
        conn.services.process.endNow();
    }
}

} // namespace qv::between
