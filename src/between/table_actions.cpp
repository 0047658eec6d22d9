#include "between/table_actions.h"

#include "between/between_context.h"
#include "between/boss_key.h"
#include "between/leave_table.h"
#include "between/table_clicks.h"
#include "chat/plugin_calls.h"
#include "common/picture_resources.h"
#include "connection/commands.h"
#include "connection/connection.h"
#include "forms/form_host.h"
#include "hand/countdowns.h"
#include "hand/per_hand_reset.h"
#include "hand/table_reset.h"
#include "table/chat_windows.h"
#include "table/exit_windows.h"
#include "table/main_form.h"
#include "table/rules_window.h"
#include "table/table_animations.h"
#include "table/vos_set.h"

using namespace Qt::StringLiterals;

namespace qv::between {
namespace {

constexpr int kKeyAlt = 18;
constexpr int kKeyC = 67;
constexpr int kKeyF1 = 112;
constexpr int kKeyF6 = 117;
constexpr int kContinuePicture = 6;

void setbankstate(BetweenContext& ctx) {
    if (ctx.hand.plugin.loaded()) {
        ctx.hand.plugin.Prop_GameDll->setbankstate(2);
    }
}

void loadButton(BetweenContext& ctx, int index, int picture) {
    common::LoadGifRes(
        static_cast<std::int16_t>(
            ctx.hand.imageRes.AnNiuRes.at(static_cast<std::size_t>(picture)).toInt()),
        u"GIF"_s, ctx.hand.form.AnNiu(index));
}

void toggleTalk(BetweenContext& ctx) {
    auto& talk = ctx.forms.get<table::Talk>();
    if (talk.visible()) {
        talk.hide();
        return;
    }
    const table::MainForm& form = ctx.hand.form;
    talk.show();
    talk.setTopmost(true);
    talk.move(form.left() + 0.305 * form.width(), form.top() + 0.635 * form.height());
    if (ctx.hand.table.ScaleY < 1.0F) {
        talk.move(0.22 * form.width(), 0.6 * form.height());
    }
}

/// The start button: ready for the next hand (the reward sequence ends in the ready message), or
/// back to the lobby after a player left.
void startPressed(BetweenContext& ctx) {
    connection::Connection& conn = ctx.hand.conn;
    table::TableState& table = ctx.hand.table;
    table::MainForm& form = ctx.hand.form;
    table.g_bFirstStart = false;
    if (conn.g_bLeaveOnStart) {
        LeaveToLobby(ctx);
        ReturnToLobby(ctx);
        return;
    }
    if (table.AnNiuLocked[2]) {
        return;
    }
    loadButton(ctx, 2, kContinuePicture);
    form.OK(0).setVisible(true);
    form.OK(0).zOrder(0);
    conn.slots.BongFlag[connection::kReadySlot] = false;
    form.Time_Img.setVisible(false);
    form.Number.setVisible(false);
    table.AnNiuLocked[2] = true;
    if (!conn.g_bTableReset) {
        hand::ResetTable(ctx.hand);
        hand::ClearHandState(ctx.hand);
        conn.g_bTableReset = true;
    }
    conn.chips->RefreshForced();
    conn.rewards->ShowRewardDigits();
    hand::ShowArmedSeatChange(ctx.hand);
}

void toggleSettings(BetweenContext& ctx) {
    setbankstate(ctx);
    auto& settings = ctx.forms.get<table::VosSet>();
    if (settings.visible()) {
        settings.hide();
        return;
    }
    const table::MainForm& form = ctx.hand.form;
    settings.move(form.left() + form.Pic1.width() - 1.1 * settings.width(),
                  form.top() + form.Pic1.height() - 1.35 * settings.height() + 15);
    settings.show();
}

void toggleRules(BetweenContext& ctx) {
    auto& rules = ctx.forms.get<table::rule>();
    if (rules.visible()) {
        rules.hide();
        return;
    }
    rules.show();
    table::CentreOver(rules, ctx.hand.form);
}

void openTalkByKeys(BetweenContext& ctx) {
    auto& talk = ctx.forms.get<table::Talk>();
    const table::MainForm& form = ctx.hand.form;
    talk.show();
    talk.setTopmost(true);
    talk.move(0.305 * form.width(), 0.63 * form.height());
}

} // namespace

void AnNiu_Click(BetweenContext& ctx, int index) {
    switch (index) {
    case 0:
        ctx.chatSender.SendFromChatBox();
        break;
    case 1:
        toggleTalk(ctx);
        break;
    case 2:
        startPressed(ctx);
        break;
    case 3:
        toggleSettings(ctx);
        break;
    case 4:
        Form_KeyDown(ctx, kKeyF1);
        break;
    case 5:
        ctx.records.ToggleScore();
        setbankstate(ctx);
        break;
    case 6:
        ctx.records.ToggleHero();
        setbankstate(ctx);
        break;
    case 7:
        toggleRules(ctx);
        setbankstate(ctx);
        break;
    case 8:
        setbankstate(ctx);
        if (auto* dialog = ctx.forms.find<table::frmExit>();
            dialog == nullptr || !dialog->visible()) {
            ctx.forms.hideIfLoaded<table::rule>();
        }
        ToggleExitDialog(ctx);
        break;
    default:
        break;
    }
}

void AnNiu_MouseMove(BetweenContext& ctx, int index) {
    table::TableState& table = ctx.hand.table;
    auto& hover = table.AnNiuHover.at(static_cast<std::size_t>(index));
    if (hover) {
        return;
    }
    hover = true;
    int picture = 2 * index + 3;
    if (index < 2) {
        picture = 2 * index + 1;
    } else if (index == 2) {
        picture = ctx.match.juNum < 1 && table.g_bFirstStart ? 5 : 7;
    }
    loadButton(ctx, index, picture);
}

void Pic1_KeyDown(BetweenContext& ctx, int keyCode) {
    table::MainForm& form = ctx.hand.form;
    table::TableState& table = ctx.hand.table;
    if (keyCode == forms::key::kEscape) {
        setbankstate(ctx);
        form.Pic_matchDetail.setVisible(false);
        form.Pic_sortDetail.setVisible(false);
        for (auto* panel : {&form.Pic_buy, &form.Pic_chipinfo, &form.Pic_prizesort}) {
            if (panel->visible()) {
                panel->setVisible(false);
                return;
            }
        }
        ToggleExitDialog(ctx);
        return;
    }
    if (keyCode == kKeyF1) {
        PressBossKey(ctx, table::BossKeyFrom::TableSurface);
    }
    if (keyCode == kKeyAlt) {
        table.AltCState[0] = 1;
    } else if (keyCode == kKeyC) {
        table.AltCState[1] = 1;
    } else {
        table.AltCState = {};
    }
    if (table.AltCState[0] == 1 && table.AltCState[1] == 1) {
        table.AltCState = {};
        openTalkByKeys(ctx);
    }
}

void Pic1_KeyPress(BetweenContext& ctx, int& keyAscii) {
    table::MainForm& form = ctx.hand.form;
    if (keyAscii == forms::key::kEscape || form.windowState() != forms::window_state::kNormal) {
        return;
    }
    form.Chat.setSelStart(static_cast<int>(form.Chat.text().size()));
    form.setFocusTo(form.Chat);
    keyAscii = 0;
}

void Form_KeyDown(BetweenContext& ctx, int keyCode) {
    const bool chatHasFocus = ctx.hand.form.activeControl() == &ctx.hand.form.Chat;
    if ((keyCode == kKeyF1 || !chatHasFocus) && keyCode >= kKeyF1 && keyCode <= kKeyF6) {
        chat::SetKeyDown(ctx.hand.plugin, keyCode);
    }
    if (keyCode == kKeyF1) {
        PressBossKey(ctx, table::BossKeyFrom::Window);
    }
}

void WireTableActions(BetweenContext& ctx) {
    table::MainForm& form = ctx.hand.form;
    form.AnNiu.events.click = [&ctx](int index) {
        AnNiu_Click(ctx, index);
    };
    form.AnNiu.events.mouseMove = [&ctx](int index, int, int, double, double) {
        AnNiu_MouseMove(ctx, index);
    };
    form.Pic1.events.mouseDown = [&ctx](int button, int, double, double) {
        Pic1_MouseDown(ctx, button);
    };
    form.Pic1.events.click = [&ctx] {
        Pic1_Click(ctx);
    };
    form.Pic1.events.keyDown = [&ctx](int& keyCode, int) {
        Pic1_KeyDown(ctx, keyCode);
    };
    form.Pic1.events.keyPress = [&ctx](int& keyAscii) {
        Pic1_KeyPress(ctx, keyAscii);
    };
}

} // namespace qv::between
