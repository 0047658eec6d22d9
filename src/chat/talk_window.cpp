#include "chat/talk_window.h"

#include "chat/chat_context.h"
#include "forms/form_host.h"
#include "table/chat_windows.h"
#include "table/main_form.h"

namespace qv::chat {
namespace {

constexpr int kAlt = 18;
constexpr int kC = 67;
constexpr int kTranslucent = 200;

} // namespace

forms::ListBox& TalkLog(ChatContext& ctx) {
    return ctx.form.host().get<table::Talk>().Text1;
}

void Talk_Form_Load(const ChatContext& ctx, forms::Form& talk) {
    talk.setOpacity(kTranslucent);
    talk.setTop(ctx.form.height() * 0.67);
    talk.setLeft(ctx.form.width() * 0.3);
}

void Talk_Text1_KeyDown(ChatContext& ctx, int keyCode, int /*shift*/) {
    auto& keys = ctx.table.AltCState;
    if (keyCode == kAlt) {
        keys[0] = 1;
    } else if (keyCode == kC) {
        keys[1] = 1;
    } else {
        keys = {};
    }
    if (keys[0] == 1 && keys[1] == 1) {
        keys = {};
        ctx.form.host().get<table::Talk>().hide();
    }
}

} // namespace qv::chat
