#include "hand/seating.h"

#include "common/min_positive_seat.h"
#include "connection/connection.h"
#include "hand/hand_context.h"
#include "hand/per_hand_reset.h"
#include "hand/table_reset.h"
#include "table/main_form.h"
#include "table/seat_display.h"

#include <random>

using namespace Qt::StringLiterals;

namespace qv::hand {
namespace {

constexpr int kFullTable = 4;
constexpr int kVoiceAssignmentAt = 3;

bool pluginRunning(HandContext& ctx) {
    return ctx.plugin.Prop_GameDllState > 0 && ctx.plugin.Prop_GameDll;
}

/// Whether the plug-in may run at this table. A table that forbids it switches it off for good,
/// leaving a running one as it is.
void gatePlugin(HandContext& ctx, bool allowed) {

    if (allowed && ctx.plugin.Prop_swicth == 1) {
        if (ctx.plugin.Prop_GameDllState == 0) {
            ctx.conn.propPlugin->InitGameDll();
        }
        return;
    }
    ctx.plugin.Prop_GameDllState = -1;
}

/// Introduces the player at display seat `t` to the plug-in's object, whatever its state; a
/// refusal closes it for good.
/// Returns whether the introduction took place.
bool introduce(HandContext& ctx, int t) {

    const auto s = static_cast<std::size_t>(t);
    const connection::PlayerDetail& d = ctx.conn.Detail.at(s);
    if (d.coins <= 0 || !ctx.plugin.Prop_GameDll) {
        return false;
    }
    const PlayerInfo& player = ctx.hand.custom.at(s);
    if (ctx.plugin.Prop_GameDll->SetUserinfo(d.username.toStdString(), player.name.toStdString(),
                                             player.seat, static_cast<std::int16_t>(t),
                                             d.memberLevel != 0, d.sex, d.nameTag.toStdString(),
                                             d.face.toStdString())) {
        return true;
    }
    ctx.conn.propPlugin->ExitPropPlugin(0);
    ctx.plugin.Prop_GameDllState = -1;
    return true;
}

void endSeatChange(HandContext& ctx) {

    if (ctx.form.TimerShuffle.enabled() || ctx.form.LblShuffle.visible() ||
        ctx.conn.g_bSeatChangeArmed) {
        ctx.form.TimerShuffle.setEnabled(false);
        ctx.form.LblShuffle.setVisible(false);
        ctx.form.ImgShuffle.setVisible(false);
        ctx.conn.g_bSeatChangeArmed = false;
        ctx.conn.g_bSeatChangeShown = false;
    }
    ctx.form.WebBrowser2.setVisible(false);
    ctx.conn.g_bLeaveOnStart = false;
}

void prepareTable(HandContext& ctx) {
    ResetTable(ctx);
    ClearTableState(ctx);
    ctx.conn.g_bTableReset = true;
}

void showWealth(HandContext& ctx, int t, std::int32_t multiple) {

    ctx.conn.WealthMultiple = multiple;
    if (multiple == 0) {
        table::HideWealth(ctx.form);
        return;
    }
    ctx.table.SeatWealth.at(static_cast<std::size_t>(t)) = multiple;
    table::ShowWealth(ctx.form, MinPositiveSeat(ctx.table.SeatWealth));
}

/// Hands the quick-phrase voices out: each seat a slot of its sex's pool, different from the
/// others' while the pool has free slots.
void assignVoices(HandContext& ctx) {

    ctx.conn.SeatMsgCount = kVoiceAssignmentAt + 1;
    ctx.table.AnNiuLocked[5] = false;
    ctx.table.AnNiuLocked[6] = false;
    ctx.conn.ManVoiceTaken = {};
    ctx.conn.WomanVoiceTaken = {};
    std::minstd_rand random(
        static_cast<unsigned>(ctx.services.time.localDateTime().time().msecsSinceStartOfDay()));
    std::uniform_int_distribution<int> slot(0, 3);
    static const std::array<QString, 4> kVoiceIds = {u"10"_s, u"20"_s, u"30"_s, u"40"_s};
    for (connection::PlayerDetail& d : ctx.conn.Detail) {
        std::array<bool, 4>* pool = nullptr;
        if (d.sex == 0) {
            pool = &ctx.conn.WomanVoiceTaken;
        } else if (d.sex == 1) {
            pool = &ctx.conn.ManVoiceTaken;
        }
        if (pool != nullptr) {
            auto j = static_cast<std::size_t>(slot(random));
            if (pool->at(j)) {
                const auto* free = std::find(pool->begin(), pool->end(), false);
                if (free != pool->end()) {
                    j = static_cast<std::size_t>(free - pool->begin());
                }
            }
            pool->at(j) = true;
            d.voiceSet = u"27"_s;
            d.voiceId = kVoiceIds.at(j);
        }
    }
    for (connection::PlayerDetail& d : ctx.conn.Detail) {
        d.voiceKind = d.sex == 0 ? 2 : 3;
    }
}

} // namespace

void OnPlayerSeated(HandContext& ctx, const connection::PlayerSeated& seated) {

    if (ctx.hand.custom[0].seat == 0 && seated.ownSeat == 0) {
        throw connection::MessageError("first seating message without the own seat");
    }
    endSeatChange(ctx);
    ++ctx.conn.SeatMsgCount;
    if (ctx.hand.custom[0].seat == 0) {
        ctx.hand.custom[0].seat = seated.ownSeat;
    }
    const int t = connection::DisplaySeat(seated.seat, ctx.hand.custom[0].seat);
    const auto s = static_cast<std::size_t>(t);
    if (t == 0) {
        ctx.table.AnNiuLocked[2] = false;
    }
    ++ctx.conn.SeatedCount;
    if (ctx.conn.SeatedCount == kFullTable && ctx.conn.g_bFirstDealDone == 0) {
        ctx.form.setWindowState(forms::window_state::kNormal);
        connection::MinimizeLobby(ctx.conn);
        ctx.form.show();
    }
    if (t > 0 && pluginRunning(ctx)) {
        ctx.plugin.Prop_GameDll->ClearUser(static_cast<std::int16_t>(t));
    }
    ctx.hand.custom.at(s).name = seated.detail.account;
    if (t != 0) {
        ctx.hand.custom.at(s).seat = seated.seat;
    }
    connection::PlayerDetail& detail = ctx.conn.Detail.at(s);
    const std::uint8_t voiceKind = detail.voiceKind;
    detail = seated.detail;
    detail.voiceKind = voiceKind;
    const int tier = connection::ReadyTier(detail.coins);
    gatePlugin(ctx, seated.pluginAllowed);
    const bool introduced = introduce(ctx, t);

    const int head = connection::HeadPictureIndex(detail.face, tier);
    table::ShowSeatPlayer(
        ctx.form, t,
        {.headPicture = ctx.imageRes.HeadRes.at(static_cast<std::size_t>(head)).toInt(),
         .readyPicture = ctx.imageRes.ReadyRes.at(static_cast<std::size_t>(tier)).toInt(),
         .ready = seated.ready,
         .showHead = introduced,
         .nameTag = detail.nameTag,
         .nickname = detail.username,
         .coins = detail.coins,
         .levelName = detail.levelName,
         .vip = detail.vip});
    if (ctx.form.OK(1).visible() && ctx.form.OK(2).visible() && ctx.form.OK(3).visible() &&
        ctx.conn.g_bFirstDealDone == 0) {
        prepareTable(ctx);
    }
    ctx.conn.SheetSeats.at(s) = {detail.username, QString::number(head)};
    ctx.seatRecords.ShowSeat(t);
    if (ctx.conn.SeatedCount == kFullTable && !ctx.conn.g_bTableReset) {
        prepareTable(ctx);
        ctx.form.Sysmsg(0).clear();
        ctx.form.Sysmsg(0).addItem(u"游戏将在15秒内开始"_s);
    }
    showWealth(ctx, t, seated.wealthMultiple);
    if (ctx.conn.SeatMsgCount == kVoiceAssignmentAt) {
        assignVoices(ctx);
    }
    if (ctx.plugin.Prop_GameDllState == -1) {
        for (int i = 0; i < 4; ++i) {
            ctx.form.Tou(i).setVisible(true);
        }
    }
}

} // namespace qv::hand
