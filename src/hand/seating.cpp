#include "hand/seating.h"

#include "client.h"
#include "common/min_positive_seat.h"
#include "connection/connection.h"
#include "hand/per_hand_reset.h"
#include "hand/table_reset.h"
#include "table/main_form.h"
#include "table/seat_display.h"

#include <QVariant>

#include <random>

using namespace Qt::StringLiterals;

namespace qv::hand {
namespace {

constexpr int kFullTable = 4;
constexpr int kVoiceAssignmentAt = 3;

bool pluginRunning(const Client& client) {
    return client.shared.Prop_GameDllState > 0 && client.shared.Prop_GameDll;
}

/// The least the item plug-in's loader does: after the login, the component where one is
/// installed, introduced to the table; its acceptance loads it.
void InitGameDll(Client& client) {
    SharedData& shared = client.shared;
    if (!client.conn.g_bLoggedIn) {
        return;
    }
    if (!shared.Prop_GameDll) {
        shared.Prop_GameDll = client.services.plugins.create(
            client.services.appFolder.path() + u"/plugin/tools/Brivet.dll"_s, u"Ostrel.Brivet"_s);
    }
    if (!shared.Prop_GameDll) {
        return;
    }
    QVariantList args{
        shared.Prop_UserName, shared.Prop_UserCode,          u"DLL"_s,           0, u"vozevivor"_s,
        QVariant(),           shared.ScaleX == 1.0F ? 1 : 2, shared.Prop_InitArg};
    if (shared.Prop_GameDll->call(u"Initdll"_s, args).toBool()) {
        shared.Prop_GameDllState = 1;
    } else {
        shared.Prop_GameDllState = 0;
        shared.Prop_GameDll.reset();
    }
}

/// Whether the plug-in may run at this table; a table that forbids it closes a running one.
void gatePlugin(Client& client, bool allowed) {
    SharedData& shared = client.shared;
    if (allowed && shared.Prop_swicth == 1) {
        if (shared.Prop_GameDllState == 0) {
            InitGameDll(client);
        }
        return;
    }
    if (pluginRunning(client)) {
        client.conn.later->ExitPropPlugin(client, 0);
    }
    shared.Prop_GameDllState = -1;
}

/// Introduces the player at display seat `t` to a running plug-in; a refusal closes it for good.
/// Returns whether the introduction took place.
bool introduce(Client& client, int t) {
    SharedData& shared = client.shared;
    const auto s = static_cast<std::size_t>(t);
    const connection::PlayerDetail& d = shared.Detail.at(s);
    if (d.coins <= 0 || !pluginRunning(client)) {
        return false;
    }
    const PlayerInfo& player = shared.custom.at(s);
    QVariantList args{d.username,         player.name, player.seat, t,
                      d.memberLevel != 0, d.sex,       d.nameTag,   d.face};
    if (shared.Prop_GameDll->call(u"SetUserinfo"_s, args).toBool()) {
        return true;
    }
    client.conn.later->ExitPropPlugin(client, 0);
    shared.Prop_GameDllState = -1;
    return true;
}

void endSeatChange(table::MainForm& form) {
    connection::ConnectionState& conn = form.client().conn;
    if (form.TimerShuffle.enabled() || form.LblShuffle.visible() || conn.g_bSeatChangeArmed) {
        form.TimerShuffle.setEnabled(false);
        form.LblShuffle.setVisible(false);
        form.ImgShuffle.setVisible(false);
        conn.g_bSeatChangeArmed = false;
        conn.g_bSeatChangeShown = false;
    }
    form.WebBrowser2.setVisible(false);
    conn.g_bLeaveOnStart = false;
}

void prepareTable(table::MainForm& form) {
    ResetTable(form);
    ClearTableState(form);
    form.client().conn.g_bTableReset = true;
}

void showWealth(table::MainForm& form, int t, std::int32_t multiple) {
    SharedData& shared = form.client().shared;
    form.client().conn.WealthMultiple = multiple;
    if (multiple == 0) {
        table::HideWealth(form);
        return;
    }
    shared.SeatWealth.at(static_cast<std::size_t>(t)) = multiple;
    table::ShowWealth(form, MinPositiveSeat(shared));
}

/// Hands the quick-phrase voices out: each seat a slot of its sex's pool, different from the
/// others' while the pool has free slots.
void assignVoices(Client& client) {
    connection::ConnectionState& conn = client.conn;
    conn.SeatMsgCount = kVoiceAssignmentAt + 1;
    client.shared.AnNiuLocked[5] = false;
    client.shared.AnNiuLocked[6] = false;
    conn.ManVoiceTaken = {};
    conn.WomanVoiceTaken = {};
    std::minstd_rand random(
        static_cast<unsigned>(client.services.time.localDateTime().time().msecsSinceStartOfDay()));
    std::uniform_int_distribution<int> slot(0, 3);
    static const std::array<QString, 4> kVoiceIds = {u"10"_s, u"20"_s, u"30"_s, u"40"_s};
    for (connection::PlayerDetail& d : client.shared.Detail) {
        std::array<bool, 4>* pool = nullptr;
        if (d.sex == 0) {
            pool = &conn.WomanVoiceTaken;
        } else if (d.sex == 1) {
            pool = &conn.ManVoiceTaken;
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
    for (connection::PlayerDetail& d : client.shared.Detail) {
        d.voiceKind = d.sex == 0 ? 2 : 3;
    }
}

} // namespace

void OnPlayerSeated(table::MainForm& form, const connection::PlayerSeated& seated) {
    Client& client = form.client();
    SharedData& shared = client.shared;
    connection::ConnectionState& conn = client.conn;
    if (shared.custom[0].seat == 0 && seated.ownSeat == 0) {
        throw connection::MessageError("first seating message without the own seat");
    }
    endSeatChange(form);
    ++conn.SeatMsgCount;
    if (shared.custom[0].seat == 0) {
        shared.custom[0].seat = seated.ownSeat;
    }
    const int t = connection::DisplaySeat(seated.seat, shared.custom[0].seat);
    const auto s = static_cast<std::size_t>(t);
    if (t == 0) {
        shared.AnNiuLocked[2] = false;
    }
    ++conn.SeatedCount;
    if (conn.SeatedCount == kFullTable && conn.g_bFirstDealDone == 0) {
        form.setWindowState(forms::window_state::kNormal);
        connection::MinimizeLobby(client);
        form.show();
    }
    if (t > 0 && pluginRunning(client)) {
        QVariantList args{t};
        shared.Prop_GameDll->call(u"ClearUser"_s, args);
    }
    shared.custom.at(s).name = seated.detail.account;
    if (t != 0) {
        shared.custom.at(s).seat = seated.seat;
    }
    connection::PlayerDetail& detail = shared.Detail.at(s);
    const std::uint8_t voiceKind = detail.voiceKind;
    detail = seated.detail;
    detail.voiceKind = voiceKind;
    const int tier = connection::ReadyTier(detail.coins);
    gatePlugin(client, seated.pluginAllowed);
    const bool introduced = introduce(client, t);

    const int head = connection::HeadPictureIndex(detail.face, tier);
    table::ShowSeatPlayer(
        form, t,
        {.headPicture = client.imageRes.HeadRes.at(static_cast<std::size_t>(head)).toInt(),
         .readyPicture = client.imageRes.ReadyRes.at(static_cast<std::size_t>(tier)).toInt(),
         .ready = seated.ready,
         .showHead = introduced,
         .nameTag = detail.nameTag,
         .nickname = detail.username,
         .coins = detail.coins,
         .levelName = detail.levelName,
         .vip = detail.vip});
    if (form.OK(1).visible() && form.OK(2).visible() && form.OK(3).visible() &&
        conn.g_bFirstDealDone == 0) {
        prepareTable(form);
    }
    shared.SheetSeats.at(s) = {detail.username, QString::number(head)};
    if (conn.SeatedCount == kFullTable && !conn.g_bTableReset) {
        prepareTable(form);
        form.Sysmsg(0).clear();
        form.Sysmsg(0).addItem(u"游戏将在15秒内开始"_s);
    }
    showWealth(form, t, seated.wealthMultiple);
    if (conn.SeatMsgCount == kVoiceAssignmentAt) {
        assignVoices(client);
    }
    if (shared.Prop_GameDllState == -1) {
        for (int i = 0; i < 4; ++i) {
            form.Tou(i).setVisible(true);
        }
    }
}

} // namespace qv::hand
