#include "between/table_clicks.h"

#include "between/between_context.h"
#include "chat/emoticon_picker.h"
#include "forms/events.h"
#include "forms/form_host.h"
#include "hand/own_finish.h"
#include "hand/own_play.h"
#include "shop/vip_window.h"
#include "table/chat_windows.h"
#include "table/exit_windows.h"
#include "table/main_form.h"
#include "table/rules_window.h"
#include "table/vos_set.h"

namespace qv::between {

void Pic1_MouseDown(BetweenContext& ctx, int button) {
    hand::HandContext& hand = ctx.hand;
    ctx.forms.hideIfLoaded<table::huifu>();
    ctx.forms.hideIfLoaded<table::Talk>();
    hand::HideChuPai(hand);
    if (button == forms::mouse::kRight && hand.hand.g_bMyTurn && hand.hand.Oper_Flag) {
        // Before the login the press ends here, and the records keep their state.
        if (!hand.conn.g_bLoggedIn) {
            return;
        }
        hand.conn.TimeoutCount = 0;
        hand::JudgeChuPai(hand);
    }
    ctx.records.HideRecords();
}

void Pic1_Click(BetweenContext& ctx) {
    forms::FormHost& host = ctx.forms;
    host.hideIfLoaded<table::Talk>();
    host.hideIfLoaded<table::huifu>();
    ctx.records.HideRecords();
    host.hideIfLoaded<table::VosSet>();
    host.hideIfLoaded<table::frmExit>();
    host.hideIfLoaded<table::rule>();
    host.hideIfLoaded<shop::FrmVip>();
    host.hideIfLoaded<chat::frmBiaoqing>();
    table::MainForm& form = ctx.hand.form;
    for (forms::PictureBox* panel : {&form.Pic_prizesort, &form.Pic_chipinfo}) {
        if (panel->visible()) {
            panel->setVisible(false);
        }
    }
}

} // namespace qv::between
