#include "chat/register_chat.h"

#include "chat/chat_context.h"
#include "chat/chat_panel.h"
#include "chat/chat_sending.h"
#include "chat/emoticon_picker.h"
#include "chat/emoticons.h"
#include "chat/quick_phrases.h"
#include "chat/talk_window.h"
#include "chat/video_panels.h"
#include "forms/form_host.h"
#include "table/chat_windows.h"
#include "table/main_form.h"

namespace qv::chat {
namespace {

/// A handler that runs `step` on the chat while the table window is there.
template <class... Args>
auto onChat(const ChatOnTable& chat, void (*step)(ChatContext&, Args...)) {
    return [chat, step](Args... args) {
        if (ChatContext* ctx = chat()) {
            step(*ctx, args...);
        }
    };
}

void wireTalk(table::Talk& talk, const ChatOnTable& chat) {
    talk.events.load = [&talk, chat] {
        if (const ChatContext* ctx = chat()) {
            Talk_Form_Load(*ctx, talk);
        }
    };
    talk.Label1.events.click = [&talk] {
        talk.hide();
    };
    talk.Text1.events.keyDown = [chat](int& keyCode, int shift) {
        if (ChatContext* ctx = chat()) {
            Talk_Text1_KeyDown(*ctx, keyCode, shift);
        }
    };
}

void wirePhrases(table::huifu& phrases, const ChatOnTable& chat) {
    phrases.events.load = [&phrases, chat] {
        if (const ChatContext* ctx = chat()) {
            huifu_Form_Load(*ctx, phrases);
        }
    };
    phrases.List1.events.dblClick = [&phrases, chat] {
        if (ChatContext* ctx = chat()) {
            List1_DblClick(*ctx, phrases);
        }
    };
    phrases.List2.events.dblClick = [&phrases, chat] {
        if (ChatContext* ctx = chat()) {
            List2_DblClick(*ctx, phrases);
        }
    };
    phrases.Picture1.events.click = [&phrases] {
        Picture1_Click(phrases);
    };
    phrases.Picture2.events.click = [&phrases] {
        Picture2_Click(phrases);
    };
    phrases.Picture1.events.mouseMove = [&phrases](int, int, double, double) {
        Picture1_MouseMove(phrases);
    };
    phrases.Picture2.events.mouseMove = [&phrases](int, int, double, double) {
        Picture2_MouseMove(phrases);
    };
    phrases.Label1.events.click = [&phrases] {
        phrases.hide();
    };
}

void wirePicker(frmBiaoqing& picker, const ChatOnTable& chat, ChatState* state) {
    // The picker's paging keeps to the chat's state, which outlives every window.
    picker.events.load = [&picker, state] {
        frmBiaoqing_Form_Load(picker, *state);
    };
    picker.Cmd_Dnp.events.click = [&picker, state] {
        Cmd_Dnp_Click(picker, *state);
    };
    picker.Cmd_Dpp.events.click = [&picker, state] {
        Cmd_Dpp_Click(picker, *state);
    };
    picker.ucAni_DBQ.events.click = [&picker, chat](int tile) {
        if (ChatContext* ctx = chat()) {
            ucAni_DBQ_Click(*ctx, picker, tile);
        }
    };
    picker.Cmd_Dpp.events.mouseMove = [&picker](int, int, double, double) {
        Cmd_Dpp_MouseMove(picker);
    };
    picker.Cmd_Dnp.events.mouseMove = [&picker](int, int, double, double) {
        Cmd_Dnp_MouseMove(picker);
    };
    picker.events.mouseMove = [&picker](int, int, double, double) {
        frmBiaoqing_Form_MouseMove(picker);
    };
}

} // namespace

void registerChatForms(forms::FormHost& host, platform::Services& services, ChatState& state,
                       ChatOnTable chat) {
    host.registerForm<table::Talk>([chat](forms::FormHost& formHost) {
        auto talk = std::make_unique<table::Talk>(formHost);
        wireTalk(*talk, chat);
        return talk;
    });
    host.registerForm<table::huifu>([chat](forms::FormHost& formHost) {
        auto phrases = std::make_unique<table::huifu>(formHost);
        wirePhrases(*phrases, chat);
        return phrases;
    });
    host.registerForm<frmBiaoqing>([chat, &services, &state](forms::FormHost& formHost) {
        auto picker = std::make_unique<frmBiaoqing>(formHost, services.time, services.http);
        wirePicker(*picker, chat, &state);
        return picker;
    });
}

void wireChatControls(table::MainForm& form, ChatOnTable chat) {
    form.Chat.events.keyPress = onChat(chat, &Chat_KeyPress);
    form.Chat.events.change = onChat(chat, &Chat_Change);
    form.Chat.events.keyDown = [chat](int& keyCode, int shift) {
        if (ChatContext* ctx = chat()) {
            Chat_KeyDown(*ctx, keyCode, shift);
        }
    };
    form.Chat.events.gotFocus = onChat(chat, &Chat_GotFocus);
    form.Chat.events.lostFocus = onChat(chat, &Chat_LostFocus);
    form.Tou.events.click = onChat(chat, &Tou_Click);
    form.TimerChat.events.timer = onChat(chat, &TimerChat_Timer);
    form.imgword1.events.click = onChat(chat, &imgword1_Click);
    form.imgword2.events.click = onChat(chat, &imgword2_Click);
    form.Lbchat.events.click = onChat(chat, &Lbchat_Click);
    form.imgword1.events.mouseMove = [chat](int, int, double, double) {
        onChat(chat, &imgword1_MouseMove)();
    };
    form.imgword2.events.mouseMove = [chat](int, int, double, double) {
        onChat(chat, &imgword2_MouseMove)();
    };

    form.Proponeself.events.mouseMove = [chat](int, int, double x, double y) {
        onChat(chat, &Proponeself_MouseMove)(x, y);
    };
    form.ImgShow.events.click = onChat(chat, &ImgShow_Click);
    form.ImCmd.events.click = onChat(chat, &ImCmd_Click);
    form.ImCmd.events.mouseMove = [chat](int index, int, int, double, double) {
        onChat(chat, &ImCmd_MouseMove)(index);
    };
    form.PicLocal.events.mouseMove = [chat](int, int, int, double, double) {
        onChat(chat, &PicLocal_MouseMove)();
    };
    // The zoom and video timers stop at their first tick.
    for (forms::Timer* timer :
         {&form.Timer_Zoom, &form.Timer_Vshow1, &form.Timer_Vshow2, &form.Timer_Vshow3}) {
        timer->events.timer = [timer] {
            timer->setEnabled(false);
        };
    }
}

void registerChatSteps(connection::Connection& conn, ChatOnTable chat) {
    conn.pumpSteps.on(connection::PumpStep::Plugin, onChat(chat, &EmoticonTimeout));
}

} // namespace qv::chat
