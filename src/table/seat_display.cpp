#include "table/seat_display.h"

#include "common/picture_tables.h"
#include "plugin/plugin.h"
#include "table/main_form.h"
#include "table/table_context.h"
#include "table/table_pictures.h"
#include "table/table_state.h"

#include <array>

namespace qv::table {

std::optional<forms::OleColor> VipNameColor(int vip) {
    static constexpr std::array<forms::OleColor, 7> kColors = {
        forms::rgb(128, 255, 255), forms::rgb(112, 245, 137), forms::rgb(2, 101, 237),
        forms::rgb(255, 255, 0),   forms::rgb(235, 36, 36),   forms::rgb(181, 46, 238),
        forms::rgb(255, 132, 0)};
    if (vip < 0 || vip >= static_cast<int>(kColors.size())) {
        return std::nullopt;
    }
    return kColors.at(static_cast<std::size_t>(vip));
}

std::optional<int> VipBadgePicture(int vip) {
    constexpr int kFirstBadge = 906;
    constexpr int kBadgeFrames = 4;
    if (vip < 1 || vip > 6) {
        return std::nullopt;
    }
    return kFirstBadge + kBadgeFrames * vip;
}

void ShowSeatPlayer(MainForm& form, int seat, const SeatPlayer& player) {
    TableContext& context = form.context();
    const auto s = static_cast<std::size_t>(seat);
    if (player.showHead) {
        form.Tou(seat).setVisible(true);
    }
    Image& ready = form.OK(seat);
    LoadTablePicture(player.readyPicture, ready);
    if (player.ready) {
        ready.setVisible(true);
        ready.zOrder(0);
    }
    LoadTablePicture(player.headPicture, form.Tou(seat));
    Label& name = form.Nid(seat);
    name.setCaption(u"["_s + player.nameTag + u"] "_s + player.nickname);
    form.Cash(seat).setCaption(QString::number(player.coins, 'g', 15) + u"金币"_s);
    form.Level(seat).setCaption(player.levelName);
    name.zOrder(0);
    form.Cash(seat).zOrder(0);
    form.Level(seat).zOrder(0);
    if (const auto color = VipNameColor(player.vip)) {
        name.setForeColor(*color);
    }
    Image& badge = form.img_vip(seat);
    if (const auto picture = VipBadgePicture(player.vip)) {
        LoadTablePicture(*picture, badge);
        badge.setVisible(true);
        badge.zOrder(0);
        context.plugin.VipAnimTicks.at(s) = 0;
        context.plugin.VipAnimFrame.at(s) = 1;
        context.plugin.g_bVipAnim = true;
    } else {
        badge.setVisible(false);
        context.plugin.VipAnimTicks.at(s) = 0;
    }
}

WealthLabelStyle WealthLabelStyleFor(std::int32_t shown, float scaleX) {
    constexpr std::int32_t kThreeDigits = 100;
    const bool big = shown >= kThreeDigits;
    if (scaleX == 1.0F) {
        return big ? WealthLabelStyle{13, 51, 535} : WealthLabelStyle{18, 55, 533};
    }
    return big ? WealthLabelStyle{13, 65, 528} : WealthLabelStyle{18, 67, 522};
}

void ShowWealthLabel(MainForm& form, std::int32_t shown, const WealthLabelStyle& style) {
    const TableState& state = form.context().state;
    Label& label = form.lbwealth;
    label.setCaption(QString::number(shown));
    label.setFontSize(style.fontSize);
    label.move(style.left * state.ScaleX, style.top * state.ScaleY);
    form.Imgwealth.setVisible(true);
    label.setVisible(true);
}

void ShowWealth(MainForm& form, std::int32_t shown) {
    for (int i = 0; i < 3; ++i) {
        form.lbfont(i).setVisible(true);
    }
    ShowWealthLabel(form, shown, WealthLabelStyleFor(shown, form.context().state.ScaleX));
}

void HideWealth(MainForm& form) {
    form.Imgwealth.setVisible(false);
    form.lbwealth.setVisible(false);
}

} // namespace qv::table
