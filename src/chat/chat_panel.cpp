#include "chat/chat_panel.h"

#include "chat/chat_context.h"
#include "chat/emoticon_picker.h"
#include "common/picture_resources.h"
#include "forms/form_host.h"
#include "table/chat_windows.h"
#include "table/main_form.h"

namespace qv::chat {
namespace {

constexpr int kEmoticonHover = 662;
constexpr int kPhraseHover = 666;

/// Where a pop-up stands over the table: shares of the table surface at full size, of the
/// whole window on the small table.
struct Placement {
    double topShare;
    double leftShare;
    double smallTopShare;
    double smallLeftShare;
};
constexpr Placement kPickerPlace = {0.575, 0.275, 0.52, 0.27};
constexpr Placement kPhrasesPlace = {0.63, 0.305, 0.5, 0.29};
constexpr Placement kTalkPlace = {0.63, 0.305, 0.595, 0.22};

void place(const ChatContext& ctx, forms::Form& window, const Placement& at, float scale) {
    const table::MainForm& table = ctx.form;
    const bool full = scale == 1.0F;
    const double height = full ? table.Pic1.height() : table.height();
    const double width = full ? table.Pic1.width() : table.width();
    window.setTop(table.top() + table.Pic1.top() +
                  (full ? at.topShare : at.smallTopShare) * height);
    window.setLeft(table.left() + table.Pic1.left() +
                   (full ? at.leftShare : at.smallLeftShare) * width);
}

void hideIfShown(forms::Form& window) {
    if (window.visible()) {
        window.hide();
    }
}

void hover(forms::Image& button, const QString& tag, int picture) {
    button.setTag(tag);
    common::LoadGifRes(static_cast<std::int16_t>(picture), u"GIF"_s, button);
}

} // namespace

void imgword1_Click(ChatContext& ctx) {
    forms::FormHost& host = ctx.form.host();
    hideIfShown(host.get<table::Talk>());
    hideIfShown(host.get<table::huifu>());
    auto& picker = host.get<frmBiaoqing>();
    if (!picker.visible()) {
        picker.setVisible(true);
        picker.setTopmost(true);
        place(ctx, picker, kPickerPlace, ctx.table.ScaleX);
    } else {
        picker.hide();
    }
}

void imgword2_Click(ChatContext& ctx) {
    forms::FormHost& host = ctx.form.host();
    hideIfShown(host.get<table::Talk>());
    hideIfShown(host.get<frmBiaoqing>());
    auto& phrases = host.get<table::huifu>();
    if (!phrases.visible()) {
        phrases.setVisible(true);
        phrases.setTopmost(true);
        place(ctx, phrases, kPhrasesPlace, ctx.table.ScaleX);
        phrases.List1.setVisible(false);
        phrases.List2.setVisible(true);
        phrases.show();
    } else if (phrases.List2.visible()) {
        phrases.hide();
    } else {
        phrases.List2.setVisible(true);
        phrases.List1.setVisible(false);
    }
}

void Lbchat_Click(ChatContext& ctx) {
    forms::FormHost& host = ctx.form.host();
    auto& talk = host.get<table::Talk>();
    if (talk.visible()) {
        talk.hide();
        return;
    }
    place(ctx, talk, kTalkPlace, ctx.table.ScaleY);
    host.get<table::huifu>().hide();
    talk.show();
}

void imgword1_MouseMove(ChatContext& ctx) {
    if (ctx.form.imgword1.tag() == u"0"_s) {
        hover(ctx.form.imgword1, u"1"_s, kEmoticonHover);
    }
}

void imgword2_MouseMove(ChatContext& ctx) {
    if (ctx.form.imgword2.tag() == u"0"_s) {
        hover(ctx.form.imgword2, u"1"_s, kPhraseHover);
    }
}

} // namespace qv::chat
