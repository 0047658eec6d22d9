#include "between/between_context.h"
#include "between/leave_table.h"
#include "between/server_branches.h"
#include "connection/connection.h"
#include "connection/player_seated.h"
#include "platform/services.h"
#include "table/main_form.h"
#include "table/seat_display.h"
#include "table/table_animations.h"

#include <QVariant>

using namespace Qt::StringLiterals;

namespace qv::between {
namespace {

constexpr int kStateByte = 15;
constexpr int kRandomSeatsByte = 11;
constexpr int kShowNowByte = 13;
constexpr int kMultipleByte = 16;
constexpr std::uint8_t kSeatBits = 0x0F;

/// The countdown clock at the player's own seat and the seat-change display beside it.
void placeSeatChange(table::MainForm& form, float sx, float sy) {
    form.Time_Img.setLeft(875 * sx);
    form.Time_Img.setTop(550 * sy);
    form.Number.setLeft(form.Time_Img.left() + 48 * sx);
    form.Number.setTop(form.Time_Img.top() + 5 * sy);
    form.ImgShuffle.setLeft(form.Time_Img.left() + form.Time_Img.width() + 6 * sy);
    form.ImgShuffle.setTop(form.Number.top() + 2 * sy);
    form.LblShuffle.setLeft(form.ImgShuffle.left());
    form.LblShuffle.setTop(form.ImgShuffle.top() + 6 * sy);
    form.WebBrowser2.move(form.ImgShuffle.left(), form.ImgShuffle.top() + form.ImgShuffle.height(),
                          form.ImgShuffle.width(), 2 * form.ImgShuffle.height());
}

void showMultiple(BetweenContext& ctx, std::int32_t multiple) {
    table::MainForm& form = ctx.hand.form;
    connection::Connection& conn = ctx.hand.conn;
    if (conn.WealthMultiple == 0) {
        table::HideWealth(form);
        return;
    }
    conn.WealthMultiple = multiple;
    table::ShowWealthLabel(form, multiple,
                           table::WealthLabelStyleFor(multiple, ctx.hand.table.ScaleX));
}

void waitingForHand(BetweenContext& ctx, const TableStateMsg& msg) {
    connection::Connection& conn = ctx.hand.conn;
    if (conn.g_bTimeLimit) {
        conn.g_bTimeLimit = false;
        conn.g_bBuyDeferred = false;
        if (!conn.commandLine.g_bSpectator) {
            if (msg.byte11 == 1) {
                conn.g_bRandomSeats = true;
            }
            placeSeatChange(ctx.hand.form, ctx.hand.table.ScaleX, ctx.hand.table.ScaleY);
            conn.g_bSeatChangeArmed = true;
            if (msg.showSeatChangeNow) {
                table::ShowSeatChange(ctx.hand.form, conn.ShufflePageUrl);
                conn.g_bSeatChangeShown = true;
            }
        }
    }
    showMultiple(ctx, msg.multiple);
}

/// Display seat `j` emptied as its player goes for want of coins.
void emptyShortSeat(BetweenContext& ctx, int j) {
    ctx.hand.conn.Detail.at(static_cast<std::size_t>(j)).voiceId.clear();
    ctx.hand.conn.g_bTableReset = false;
    EmptySeat(ctx, j, [&ctx] { ctx.hand.form.Sysmsg(0).clear(); });
    ctx.records.ClearSeat(j);
}

/// The player himself is short of coins: the sheet and the notice, the other seats emptied, the
/// table closed and left.
void ownSeatShort(BetweenContext& ctx, const TableStateMsg& msg) {
    connection::Connection& conn = ctx.hand.conn;
    table::MainForm& form = ctx.hand.form;
    ctx.records.ShowScoreOverTable();
    const bool changeRoom = (msg.byte11 & ctx.hand.hand.custom[0].seat) != 0;
    const bool notice = form.windowState() != forms::window_state::kMinimized;
    ShowOtherExit(ctx,
                  changeRoom ? u"您的金币不够，请更换房间或充值后继续游戏！"_s
                             : u"您的金币不够，请领取低保或充值后继续游戏！"_s,
                  notice);
    if (notice) {
        ctx.records.ArmPostGame();
    }
    for (int j = 1; j <= 3; ++j) {
        if (!ctx.hand.hand.custom.at(static_cast<std::size_t>(j)).name.isEmpty()) {
            emptyShortSeat(ctx, j);
        }
    }
    conn.TimerKeepAlive.setEnabled(false);
    conn.slots.BongFlag[connection::kReadySlot] = false;
    conn.slots.disarm(connection::kCheckSlot);
    conn.g_bInGame = false;
    conn.g_bTableReset = false;
    CloseTable(ctx, notice);
    SendLeaveTable(ctx);
    if (conn.ResultStage == 1) {
        conn.g_bPropExitDeferred = true;
    } else if (ctx.hand.plugin.loaded()) {
        conn.propPlugin->ExitPropPlugin(0);
    }
}

void coinsShort(BetweenContext& ctx, const TableStateMsg& msg) {
    connection::Connection& conn = ctx.hand.conn;
    table::MainForm& form = ctx.hand.form;
    form.LblShuffle.setVisible(false);
    form.ImgShuffle.setVisible(false);
    conn.g_bSeatChangeArmed = false;
    conn.g_bTimeLimit = false;
    conn.g_bBuyDeferred = false;
    form.WebBrowser2.setVisible(false);
    for (int i = 0; i < 4; ++i) {
        const auto bit = static_cast<std::uint8_t>(1U << static_cast<unsigned>(i));
        if ((msg.shortMask & bit) == 0) {
            continue;
        }
        const int st = connection::DisplaySeat(bit, ctx.hand.hand.custom[0].seat);
        form.Sysmsg(0).clear();
        form.Sysmsg(0).addItem(u"玩家"_s + conn.Detail.at(static_cast<std::size_t>(st)).username +
                                   u"金币不够，退出游戏！"_s,
                               0);
        conn.g_bTableReset = false;
        conn.g_bInGame = false;
        if (st == 0) {
            ownSeatShort(ctx, msg);
        }
    }
    if (conn.commandLine.g_bSpectator) {
        conn.services.messageBox.show(u"有用户退出，旁观结束！"_s, {});
        conn.services.process.endNow();
    }
}

} // namespace

std::optional<TableStateMsg> DecodeTableState(const connection::GameMessage& m) {
    return TableStateMsg{.state = m.u8(kStateByte),
                         .shortMask =
                             static_cast<std::uint8_t>(m.u8(connection::kSeatMaskByte) & kSeatBits),
                         .byte11 = m.u8(kRandomSeatsByte),
                         .showSeatChangeNow = m.u8(kShowNowByte) == 1,
                         .multiple = static_cast<std::int32_t>(m.u32le(kMultipleByte))};
}

void OnTableState(BetweenContext& ctx, const TableStateMsg& msg) {
    table::StopCountdownAnimation(ctx.hand.form);
    switch (msg.state) {
    case 0:
        waitingForHand(ctx, msg);
        break;
    case 1:
        break;
    case 2:
        ctx.hand.form.WebBrowser2.setVisible(false);
        ctx.hand.conn.g_bTimeLimit = true;
        ctx.hand.conn.g_bBuyDeferred = true;
        break;
    default:
        coinsShort(ctx, msg);
        break;
    }
}

} // namespace qv::between
