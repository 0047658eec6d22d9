#pragma once

#include "forms/form.h"
#include "forms/image.h"
#include "forms/label.h"
#include "table/design_style.h"

namespace qv::table {

/// The leave confirmation: "您真的要退出吗？", the in-hand and the start-countdown warnings
/// (hidden at design), OK and Cancel. What its buttons do is the leaving's.
class frmExit : public forms::Form {
public:
    explicit frmExit(forms::FormHost& host);

    // clang-format off
    forms::Label Label1{*this, u"Label1"_s, {.left = 40, .top = 48, .width = 240, .height = 20, .text = u"您真的要退出吗？", .fontName = kSong, .fontSize = 12, .foreColor = kYellow, .alignment = Align::Centre}};
    forms::Label Label2{*this, u"Label2"_s, {.left = 20, .top = 80, .width = 280, .height = 20, .visible = false, .text = u"游戏正在进行，逃跑会扣分！", .fontName = kSong, .fontSize = 10.5, .foreColor = kYellow, .alignment = Align::Centre}};
    forms::Label Label3{*this, u"Label3"_s, {.left = 20, .top = 64, .width = 280, .height = 40, .visible = false, .text = u"游戏马上开始，请不要退出，退出会被托管扣分！", .fontName = kSong, .fontSize = 10.5, .foreColor = kYellow, .alignment = Align::Centre}};
    forms::Image pbCloseMe{*this, u"pbCloseMe"_s, {.left = 72, .top = 128, .width = 65, .height = 30, .stretch = true, .pictureRes = 170}};
    forms::Image pbCancel{*this, u"pbCancel"_s, {.left = 184, .top = 128, .width = 65, .height = 30, .stretch = true, .pictureRes = 172}};
    // clang-format on
};

/// The notice of an exit forced by the server or the lost connection: the caller's text in
/// `Label1`, OK back to the lobby, Cancel stays at the table between hands.
class frmOtherExit : public forms::Form {
public:
    explicit frmOtherExit(forms::FormHost& host);

    // clang-format off
    forms::Label Label1{*this, u"Label1"_s, {.left = 20, .top = 44, .width = 280, .height = 60, .fontName = kSong, .fontSize = 12, .foreColor = kYellow, .alignment = Align::Centre}};
    forms::Image imgOK{*this, u"imgOK"_s, {.left = 64, .top = 128, .width = 70, .height = 30, .stretch = true, .picture = true}};
    forms::Image imgCancel{*this, u"imgCancel"_s, {.left = 186, .top = 128, .width = 70, .height = 30, .stretch = true, .picture = true}};
    // clang-format on
};

/// Centres `form` on `over`, Top first.
void CentreOver(forms::Form& form, const forms::Form& over);

} // namespace qv::table
