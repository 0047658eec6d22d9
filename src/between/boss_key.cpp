#include "between/boss_key.h"

#include "between/between_context.h"
#include "chat/emoticon_picker.h"
#include "chat/plugin_calls.h"
#include "connection/connection.h"
#include "forms/form_host.h"
#include "hand/chu_pai.h"
#include "table/chat_windows.h"
#include "table/exit_windows.h"
#include "table/main_form.h"
#include "table/rules_window.h"
#include "table/seat_popup.h"
#include "table/vos_set.h"

namespace qv::between {
namespace {

constexpr int kBossKeyCode = 112;

void closeWindows(BetweenContext& ctx) {
    forms::FormHost& host = ctx.forms;
    host.unload<table::Information>();
    host.hideIfLoaded<table::Talk>();
    host.hideIfLoaded<table::huifu>();
    host.unload<table::VosSet>();
    host.unload<table::frmExit>();
    host.hideIfLoaded<table::rule>();
    host.hideIfLoaded<chat::frmBiaoqing>();
    ctx.records.HideRecords();
    host.hideIfLoaded<table::frmOtherExit>();
    host.unload<hand::ChuPai>();
}

} // namespace

void PressBossKey(BetweenContext& ctx, table::BossKeyFrom from) {
    table::TableState& table = ctx.hand.table;
    connection::Connection& conn = ctx.hand.conn;
    const bool hidden = from != table::BossKeyFrom::Window;
    if (hidden) {
        table.g_bAutoPlay = true;
    }
    closeWindows(ctx);
    table.g_bBossKey = true;
    conn.CountDownStart = from == table::BossKeyFrom::ChatBox ? 1 : 0;
    if (hidden) {
        table.g_bHiddenPlay = true;
    }
    // The window's and the chat box's own key handlers pass every function key on themselves.
    if (from == table::BossKeyFrom::TableSurface) {
        chat::SetKeyDown(ctx.hand.plugin, kBossKeyCode);
    }
    ctx.hand.form.setWindowState(forms::window_state::kMinimized);
    connection::MinimizeLobby(conn);
}

void TableBossKey::Press(table::BossKeyFrom from) {
    if (BetweenContext* ctx = table_()) {
        PressBossKey(*ctx, from);
    }
}

} // namespace qv::between
