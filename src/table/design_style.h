#pragma once

#include "forms/color.h"
#include "forms/design.h"

#include <QString>
#include <QStringView>

namespace qv::table {

// What the windows' design rows are written with.
using namespace Qt::StringLiterals;
using forms::rgb;
using Unit = forms::DesignUnit;
using Align = forms::DesignAlign;

inline constexpr QStringView kSong = u"宋体";
inline constexpr QStringView kSansSerif = u"MS Sans Serif";
inline constexpr forms::OleColor kCyan = rgb(128, 255, 255);
inline constexpr forms::OleColor kGreen = rgb(0, 255, 0);
inline constexpr forms::OleColor kYellow = rgb(255, 255, 0);
inline constexpr forms::OleColor kBlack = rgb(0, 0, 0);
inline constexpr forms::OleColor kWhite = rgb(255, 255, 255);
inline constexpr forms::OleColor kRed = rgb(255, 0, 0);

} // namespace qv::table
