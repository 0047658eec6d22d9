#include "chat/video_panels.h"

#include "chat/chat_context.h"
#include "chat/photo_file.h"
#include "chat/plugin_calls.h"
#include "common/picture_resources.h"
#include "table/main_form.h"
#include "table/system_ticker.h"

#include <QDir>

#include <array>

using namespace Qt::StringLiterals;

namespace qv::chat {
namespace {

constexpr int kButtons = 16;
constexpr int kAlbum = 0;
constexpr int kHideOwn = 3;

struct ButtonPictures {
    int normal;
    int hover;
};
// The own strip's buttons, then the role of a seat strip's button by its place in the strip.
constexpr std::array<ButtonPictures, 4> kOwnStrip = {
    {{863, 864}, {851, 855}, {852, 856}, {853, 857}}};
constexpr std::array<ButtonPictures, 4> kSeatStrip = {
    {{850, 854}, {851, 855}, {852, 856}, {858, 859}}};

struct Tip {
    QStringView text;
    double width;
};
constexpr std::array<Tip, 4> kOwnTips = {
    {{u"像册", 28}, {u"放大", 28}, {u"拍照", 28}, {u"月光宝盒", 54}}};

ButtonPictures picturesOf(int index) {
    const auto role = static_cast<std::size_t>(index % 4);
    return index < 4 ? kOwnStrip.at(role) : kSeatStrip.at(role);
}

void load(forms::Image& button, int resId) {
    common::LoadGifRes(static_cast<std::int16_t>(resId), u"GIF"_s, button);
}

QString photoFolder(const ChatContext& ctx) {
    return ctx.services.appFolder.path() + u"/photo"_s;
}

void openAlbum(ChatContext& ctx) {
    const QString folder = photoFolder(ctx);
    QDir().mkpath(folder);
    ctx.services.shell.openFolder(folder);
}

void takePhoto(ChatContext& ctx, int panel) {
    const PhotoResult result = SavePhoto(photoFolder(ctx), ctx.services.time.localDateTime(),
                                         ctx.chat.PhotoBuffers.at(static_cast<std::size_t>(panel)));
    if (result == PhotoResult::Saved) {
        table::PostToTicker(ctx.form, u"照相成功,照片保存在本机相册中。"_s);
    } else if (result == PhotoResult::Failed) {
        table::PostToTicker(ctx.form, u"照相失败,照片没有保存。"_s);
    }
}

void switchSeatOff(ChatContext& ctx, int k) {
    bool& blocked = ctx.chat.SeatVideoBlocked.at(static_cast<std::size_t>(k - 1));
    if (blocked) {
        return;
    }
    blocked = true;
    ctx.form.PicLocal(k).setVisible(false);
    ctx.form.ImgKuang(k).setVisible(false);
    rec_state(ctx.plugin, 2, true, k);
    ctx.form.ImgShow(k).setVisible(true);
}

void hideOwnVideo(ChatContext& ctx) {
    if (!ctx.table.OwnVideoOn) {
        return;
    }
    ctx.form.PicLocal(0).setVisible(false);
    ctx.form.Tiplbl.setVisible(false);
    ctx.form.Tou(0).setVisible(true);
    ctx.form.Tou(0).zOrder(0);
    if (ctx.plugin.loaded()) {
        ctx.form.Tou(0).setVisible(false);
        rec_state(ctx.plugin, 2, true, 0);
    }
}

} // namespace

void Proponeself_MouseMove(ChatContext& ctx, double x, double y) {
    const forms::Label& area = ctx.form.Proponeself;
    if (x <= 0 || x >= area.width() || y <= 0 || y >= area.height() || !ctx.plugin.loaded() ||
        ctx.table.VideoHoverOn) {
        return;
    }
    ctx.table.VideoHoverOn = true;
    if (ShowVmVideo(ctx.plugin, 0, true)) {
        ctx.table.VideoHoverSeat = 1;
    }
}

void ImgShow_Click(ChatContext& ctx, int k) {
    if (k < 1 || k > 3) {
        return;
    }
    ctx.chat.SeatVideoBlocked.at(static_cast<std::size_t>(k - 1)) = false;
    rec_state(ctx.plugin, 2, false, k);
    ctx.form.ImgKuang(k).setVisible(true);
    ctx.form.PicLocal(k).setVisible(true);
    const std::array<forms::Timer*, 3> shows = {&ctx.form.Timer_Vshow1, &ctx.form.Timer_Vshow2,
                                                &ctx.form.Timer_Vshow3};
    shows.at(static_cast<std::size_t>(k - 1))->setEnabled(true);
}

void ImCmd_Click(ChatContext& ctx, int index) {
    if (index < 0 || index >= kButtons) {
        return;
    }
    const int role = index % 4;
    const int panel = index / 4;
    if (index == kAlbum) {
        openAlbum(ctx);
    } else if (role == 1) {
        ctx.chat.VideoZoomSeat = panel;
        ctx.form.Timer_Zoom.setEnabled(true);
    } else if (role == 2) {
        takePhoto(ctx, panel);
    } else if (index == kHideOwn) {
        hideOwnVideo(ctx);
    } else if (role == 0) {
        switchSeatOff(ctx, panel);
    }
}

void ImCmd_MouseMove(ChatContext& ctx, int index) {
    if (index < 0 || index >= kButtons) {
        return;
    }
    bool& hover = ctx.chat.ImCmdHover.at(static_cast<std::size_t>(index));
    if (!hover) {
        hover = true;
        load(ctx.form.ImCmd(index), picturesOf(index).hover);
    }
    if (index >= 4) {
        return;
    }
    const Tip& tip = kOwnTips.at(static_cast<std::size_t>(index));
    forms::TextBox& box = ctx.form.Tiplbl;
    const forms::Image& button = ctx.form.ImCmd(index);
    box.setWidth(tip.width * ctx.table.ScaleX);
    box.setText(tip.text.toString());
    box.setLeft(ctx.form.PicLocal(0).left() + button.left() + button.width());
    box.setTop(ctx.form.PicLocal(0).top() + 10 * ctx.table.ScaleY);
    box.setVisible(true);
    box.zOrder(0);
}

void PicLocal_MouseMove(ChatContext& ctx) {
    if (ctx.form.Tiplbl.visible()) {
        ctx.form.Tiplbl.setVisible(false);
    }
    for (int i = 0; i < kButtons; ++i) {
        bool& hover = ctx.chat.ImCmdHover.at(static_cast<std::size_t>(i));
        if (hover) {
            hover = false;
            load(ctx.form.ImCmd(i), picturesOf(i).normal);
        }
    }
}

void ShowOwnVideo(ChatContext& ctx, int show) {
    if (show == 0) {
        return;
    }
    ctx.form.Tou(0).setVisible(true);
    ctx.form.Tou(0).zOrder(0);
    ctx.form.PicLocal(0).setVisible(false);
    ctx.form.Tiplbl.setVisible(false);
    rec_state(ctx.plugin, 2, true, 0);
}

void ClearSeatVideo(ChatContext& ctx, int k) {
    if (k < 1 || k > 3) {
        return;
    }
    ctx.form.PicLocal(k).setVisible(false);
    ctx.form.ImgKuang(k).setVisible(false);
    ctx.form.ImgShow(k).setVisible(false);
    ctx.chat.SeatVideoBlocked.at(static_cast<std::size_t>(k - 1)) = false;
    ctx.chat.PhotoBuffers.at(static_cast<std::size_t>(k)).clear();
}

} // namespace qv::chat
