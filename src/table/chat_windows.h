#pragma once

#include "forms/control_array.h"
#include "forms/form.h"
#include "forms/image.h"
#include "forms/label.h"
#include "forms/list_box.h"
#include "table/design_style.h"

namespace qv::table {

/// The chat log window "聊天": its log list `Text1`, kept while the window is hidden or was
/// never shown, and the close control `Label1`. The chat wires its handlers.
class Talk : public forms::Form {
public:
    explicit Talk(forms::FormHost& host);

    // clang-format off
    forms::ListBox Text1{*this, u"Text1"_s, {.left = 16, .top = 24, .width = 290, .height = 134}};
    forms::Label Label1{*this, u"Label1"_s, {.left = 292, .width = 25, .height = 20}};
    // clang-format on
};

/// The quick-phrase window: the voiced phrases `List2` and the plain ones `List1` on one spot,
/// the two tabs that switch them and the close strip along the top. The chat wires its
/// handlers.
class huifu : public forms::Form {
public:
    explicit huifu(forms::FormHost& host);

    // clang-format off
    forms::Label Label1{*this, u"Label1"_s, {.left = 8, .width = 305, .height = 17, .customCursor = true}};
    forms::Image Picture1{*this, u"Picture1"_s, {.left = 16, .top = 1, .width = 56, .height = 19, .pictureRes = 516}};
    forms::Image Picture2{*this, u"Picture2"_s, {.left = 88, .top = 1, .width = 56, .height = 19, .pictureRes = 517}};
    forms::ListBox List1{*this, u"List1"_s, {.left = 9, .top = 23, .width = 293, .height = 135, .fontName = kSong, .fontSize = 14.25, .backColor = rgb(192, 255, 255)}};
    forms::ListBox List2{*this, u"List2"_s, {.left = 9, .top = 23, .width = 293, .height = 135, .fontName = kSong, .fontSize = 14.25, .backColor = rgb(192, 255, 255), .toolTip = u"双击后发送你想说的话"}};
    // clang-format on
};

} // namespace qv::table
