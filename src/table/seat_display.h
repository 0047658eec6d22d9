#pragma once

#include "forms/color.h"

#include <QString>

#include <cstdint>
#include <optional>

namespace qv::table {

class MainForm;

/// What a seat shows of the player sitting there.
struct SeatPlayer {
    /// Picture resources of the head picture and of the ready mark.
    int headPicture = 0;
    int readyPicture = 0;
    /// The ready mark is shown; otherwise it keeps its visibility.
    bool ready = false;
    /// The head picture is shown (it stays as it was otherwise).
    bool showHead = false;
    QString nameTag{};
    QString nickname{};
    double coins = 0;
    QString levelName{};
    int vip = 0;
};

/// The nickname's colour for a VIP level; none from 7 on (the colour stays as it was).
[[nodiscard]] std::optional<forms::OleColor> VipNameColor(int vip);
/// The first picture of the animated VIP badge of levels 1 to 6; none for the others.
[[nodiscard]] std::optional<int> VipBadgePicture(int vip);

/// Paints display seat `seat` (0 the player): head picture, ready mark, "[tag] nickname" in the
/// VIP colour, coins in "金币", the level name and the VIP badge, whose animation starts.
void ShowSeatPlayer(MainForm& form, int seat, const SeatPlayer& player);

/// How the table's wealth multiple is shown: font size and unscaled position of `lbwealth`.
struct WealthLabelStyle {
    double fontSize;
    double left;
    double top;
};
[[nodiscard]] WealthLabelStyle WealthLabelStyleFor(std::int32_t shown, float scaleX);

/// Shows the wealth picture and `shown` in its label with the font and unscaled place of `style`.
void ShowWealthLabel(MainForm& form, std::int32_t shown, const WealthLabelStyle& style);
/// Shows the wealth multiple `shown` (the table's smallest positive one) with its texts.
void ShowWealth(MainForm& form, std::int32_t shown);
/// Hides the wealth multiple's picture and label.
void HideWealth(MainForm& form);

} // namespace qv::table
