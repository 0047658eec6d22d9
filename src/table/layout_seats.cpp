#include "table/layout_seats.h"

#include "match/match.h"
#include "plugin/plugin.h"
#include "table/main_form.h"
#include "table/table_buttons.h"
#include "table/table_context.h"
#include "table/table_state.h"
#include "table/video_panels.h"

#include <array>

namespace qv::table {

namespace {

struct Spot {
    float left;
    float top;
};

constexpr std::array<Spot, 4> kAvatar = {{{10, 668}, {7, 15}, {350, 15}, {693, 15}}};
constexpr std::array<float, 4> kNameLeft = {181, 165, 509, 852};
constexpr std::array<float, 4> kNameTop = {700, 15, 15, 15};
constexpr std::array<float, 4> kMoneyTop = {724, 40, 40, 40};
constexpr std::array<float, 4> kLevelTop = {744, 64, 64, 64};
constexpr std::array<Spot, 4> kVipBadge = {{{68, 730}, {50, 60}, {394, 60}, {740, 60}}};
constexpr std::array<Spot, 4> kReadyMark = {{{460, 600}, {80, 280}, {460, 130}, {880, 280}}};
constexpr std::array<Spot, 4> kPlaceBadge = {{{460, 600}, {60, 320}, {460, 120}, {900, 320}}};
constexpr std::array<Spot, 4> kEmoticon = {{{510, 441}, {197, 341}, {452, 165}, {752, 262}}};
constexpr float kSmallLabelFont = 8;
constexpr double kRoomBaseAtStart = 200;

void place(forms::Control& control, Spot spot, float sx, float sy) {
    control.setLeft(spot.left * sx);
    control.setTop(spot.top * sy);
}

} // namespace

void LayoutSeats(MainForm& form) {
    TableContext& context = form.context();
    const float sx = context.state.ScaleX;
    const float sy = context.state.ScaleY;
    const bool small = sx < 1.0F;

    form.Tou(0).setTop(kAvatar[0].top * sy);
    form.Tou(0).setLeft(kAvatar[0].left * sx);
    form.Tou(0).setWidth(85 * sx);
    form.Tou(0).setHeight(90 * sy);
    form.Tou(0).zOrder(0);
    for (int i = 1; i <= 3; ++i) {
        Image& avatar = form.Tou.load(i);
        avatar.setWidth(70 * sx);
        avatar.setHeight(62 * sy);
        avatar.setVisible(true);
        avatar.zOrder(0);
    }
    for (int i = 1; i <= 3; ++i) {
        place(form.Tou(i), kAvatar[static_cast<std::size_t>(i)], sx, sy);
    }

    LayoutButtonRow(form);

    for (int i = 1; i <= 3; ++i) {
        form.Nid.load(i).setVisible(true);
        form.Cash.load(i).setVisible(true);
        form.Level.load(i).setVisible(true);
        form.lbl_score.load(i);
        form.lbl_sort.load(i);
        if (small) {
            form.Cash(i).setFontSize(kSmallLabelFont);
            form.Level(i).setFontSize(kSmallLabelFont);
            form.Level(0).setFontSize(kSmallLabelFont);
        }
    }

    for (std::size_t i = 0; i < 4; ++i) {
        place(form.img_vip(static_cast<int>(i)), kVipBadge[i], sx, sy);
    }
    for (std::size_t i = 0; i < 4; ++i) {
        Image& badge = form.img_vip(static_cast<int>(i));
        badge.setVisible(false);
        badge.zOrder(0);
        context.plugin.VipAnimTicks[i] = 0;
        context.plugin.VipAnimFrame[i] = 0;
    }
    context.plugin.g_bVipAnim = false;

    LayoutCountdownFrames(form);

    for (std::size_t i = 0; i < 4; ++i) {
        controls::ucAniGIF& spot = form.ucAni_BBQS(static_cast<int>(i));
        spot.setLeft(kEmoticon[i].left * sx);
        spot.setTop(kEmoticon[i].top * sy);
        spot.setHeight(65 * sy);
        spot.setWidth(65 * sx);
        spot.zOrder(0);
    }

    LayoutChatTools(form);

    for (std::size_t i = 0; i < 4; ++i) {
        const int seat = static_cast<int>(i);
        place(form.lbl_score(seat), {kNameLeft[i], kMoneyTop[i]}, sx, sy);
        place(form.lbl_sort(seat), {kNameLeft[i], kLevelTop[i]}, sx, sy);
    }
    for (std::size_t i = 0; i < 4; ++i) {
        const int seat = static_cast<int>(i);
        place(form.Nid(seat), {kNameLeft[i], kNameTop[i]}, sx, sy);
        place(form.Cash(seat), {kNameLeft[i], kMoneyTop[i]}, sx, sy);
        place(form.Level(seat), {kNameLeft[i], kLevelTop[i]}, sx, sy);
    }

    LayoutLocation(form);

    for (int i = 1; i <= 3; ++i) {
        form.OK.load(i).setVisible(false);
    }
    for (int i = 1; i <= 3; ++i) {
        form.first.load(i).setVisible(false);
    }
    for (std::size_t i = 0; i < 4; ++i) {
        place(form.OK(static_cast<int>(i)), kReadyMark[i], sx, sy);
        place(form.first(static_cast<int>(i)), kPlaceBadge[i], sx, sy);
    }

    LayoutVideoPanels(form);

    LayoutStoreButton(form);

    context.match.RoomBase = kRoomBaseAtStart;
    context.match.RoomDirection = 0;
}

} // namespace qv::table
