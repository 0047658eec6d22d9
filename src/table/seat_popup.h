#pragma once

#include "forms/control_array.h"
#include "forms/form.h"
#include "forms/label.h"
#include "table/design_style.h"

#include <QString>

#include <cstdint>

namespace qv::table {

class MainForm;

/// What the seat pop-up shows of the player at a seat; an empty nickname means nobody sits
/// there.
struct SeatDetail {
    QString username;
    /// 0 female, anything else male.
    std::uint8_t sex = 0;
    QString location;
    double score = 0;
    /// The name of the membership level; empty for a level without one.
    QString membership;
    std::int32_t logins = 0;
    std::int32_t disconnects = 0;
    std::int32_t wins = 0;
    std::int32_t losses = 0;
    /// 1 to 6 open the VIP window from the seat's badge.
    std::int16_t vip = 0;
};

/// The seat information pop-up: nine values beside the titles of its background picture.
class Information : public forms::Form {
public:
    explicit Information(forms::FormHost& host);

    // clang-format off
    forms::ControlArray<forms::Label> Inf{*this, u"Inf"_s, {
        {.firstIndex = 0, .lastIndex = 0, .left = 128, .top = 32, .width = 68, .height = 15},
        {.firstIndex = 1, .lastIndex = 1, .left = 128, .top = 64, .width = 68, .height = 15},
        {.firstIndex = 2, .lastIndex = 2, .left = 128, .top = 96, .width = 68, .height = 15},
        {.firstIndex = 3, .lastIndex = 3, .left = 128, .top = 132, .width = 68, .height = 15},
        {.firstIndex = 4, .lastIndex = 4, .left = 128, .top = 162, .width = 68, .height = 15},
        {.firstIndex = 5, .lastIndex = 5, .left = 128, .top = 195, .width = 68, .height = 15},
        {.firstIndex = 6, .lastIndex = 6, .left = 128, .top = 228, .width = 68, .height = 15},
        {.firstIndex = 7, .lastIndex = 7, .left = 128, .top = 262, .width = 68, .height = 15},
        {.firstIndex = 8, .lastIndex = 8, .left = 128, .top = 296, .width = 68, .height = 15}}};
    // clang-format on

    /// Each label sizes itself to its text, in 10 points on a transparent background.
    void Form_Load();
};

/// The mouse over seat `index`'s avatar, nickname, money or level: unless the pop-up is shown
/// already or nobody sits there, the pop-up opens beside the seat filled with `detail`.
void Tou_MouseMove(MainForm& form, int index, const SeatDetail& detail);
/// Hides the pop-up when it is shown.
void HideInformation(MainForm& form);

} // namespace qv::table
