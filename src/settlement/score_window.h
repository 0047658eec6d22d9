#pragma once

#include "forms/control_array.h"
#include "forms/form.h"
#include "forms/image.h"
#include "forms/label.h"
#include "forms/list_box.h"
#include "table/design_style.h"

#include <functional>

namespace qv::table {
class MainForm;
}

namespace qv::settlement {

using namespace Qt::StringLiterals;
using forms::ControlArray;
using forms::Image;
using forms::Label;
using forms::ListBox;
using table::kSong;
using table::rgb;

/// The table window the pop-ups centre on; null while it is not loaded.
using TableWindow = std::function<const table::MainForm*()>;

inline constexpr forms::OleColor kNameYellow = rgb(255, 255, 128);
inline constexpr forms::OleColor kListBack = rgb(255, 192, 128);
inline constexpr forms::OleColor kTotalRed = rgb(255, 0, 0);

/// Centres `window` over the table window's table surface; nothing while there is no table
/// window.
void centreOverTable(forms::Form& window, const table::MainForm* tableWindow);

/// The picture buttons in a pop-up's top-right corner: the bar and the cross, each with its
/// hover picture and its hover mark in its tag. Both hide the window.
class CloseButtons {
public:
    CloseButtons(forms::Form& window, ControlArray<Image>& buttons);

    /// The hover picture of the button under the mouse, loaded again on every move.
    void Image1_MouseMove(int index);
    /// The window background under the mouse: the buttons that show their hover picture show
    /// their normal one again.
    void restore();

private:
    forms::Form& window_;
    ControlArray<Image>& buttons_;
};

/// The settlement sheet of one hand ("战绩板"): per display seat the head picture, the name, the
/// column of settlement lines `State(i)` and the final-score line `State(i + 4)`. It centres
/// itself over the table when it loads and moves with a left-button press on its background.
class Score : public forms::Form {
public:
    Score(forms::FormHost& host, TableWindow tableWindow);

    void Form_Load();
    void Form_MouseDown(int button);
    void centreOverTable();

    // clang-format off
    ControlArray<Image> Tou{*this, u"Tou"_s, {
        {.firstIndex = 0, .lastIndex = 0, .left = 8, .top = 10, .width = 45, .height = 41, .stretch = true},
        {.firstIndex = 1, .lastIndex = 1, .left = 168, .top = 10, .width = 45, .height = 41, .stretch = true},
        {.firstIndex = 2, .lastIndex = 2, .left = 328, .top = 10, .width = 45, .height = 41, .stretch = true},
        {.firstIndex = 3, .lastIndex = 3, .left = 488, .top = 10, .width = 45, .height = 41, .stretch = true}}};
    // The names reach to the next column: a name of three characters in the designed face is
    // wider than the 38 pixels first laid out for it.
    ControlArray<Label> ID{*this, u"ID"_s, {
        {.firstIndex = 0, .lastIndex = 0, .left = 56, .top = 30, .width = 96, .height = 14, .text = u"玩家0", .fontName = kSong, .fontSize = 10.5, .bold = true, .foreColor = kNameYellow},
        {.firstIndex = 1, .lastIndex = 1, .left = 216, .top = 30, .width = 96, .height = 14, .text = u"玩家1", .fontName = kSong, .fontSize = 10.5, .bold = true, .foreColor = kNameYellow},
        {.firstIndex = 2, .lastIndex = 2, .left = 376, .top = 30, .width = 96, .height = 14, .text = u"玩家2", .fontName = kSong, .fontSize = 10.5, .bold = true, .foreColor = kNameYellow},
        {.firstIndex = 3, .lastIndex = 3, .left = 536, .top = 30, .width = 96, .height = 14, .text = u"玩家3", .fontName = kSong, .fontSize = 10.5, .bold = true, .foreColor = kNameYellow}}};
    ControlArray<ListBox> State{*this, u"State"_s, {
        {.firstIndex = 0, .lastIndex = 0, .left = 8, .top = 88, .width = 150, .height = 326, .fontName = kSong, .fontSize = 9, .bold = true, .backColor = kListBack},
        {.firstIndex = 1, .lastIndex = 1, .left = 168, .top = 88, .width = 150, .height = 326, .fontName = kSong, .fontSize = 9, .bold = true, .backColor = kListBack},
        {.firstIndex = 2, .lastIndex = 2, .left = 328, .top = 88, .width = 150, .height = 326, .fontName = kSong, .fontSize = 9, .bold = true, .backColor = kListBack},
        {.firstIndex = 3, .lastIndex = 3, .left = 488, .top = 88, .width = 150, .height = 326, .fontName = kSong, .fontSize = 9, .bold = true, .backColor = kListBack},
        {.firstIndex = 4, .lastIndex = 4, .left = 10, .top = 423, .width = 145, .height = 50, .fontName = kSong, .fontSize = 9, .bold = true, .backColor = kListBack},
        {.firstIndex = 5, .lastIndex = 5, .left = 166, .top = 424, .width = 150, .height = 50, .fontName = kSong, .fontSize = 9, .bold = true, .backColor = kListBack},
        {.firstIndex = 6, .lastIndex = 6, .left = 328, .top = 424, .width = 150, .height = 50, .fontName = kSong, .fontSize = 9, .bold = true, .backColor = kListBack},
        {.firstIndex = 7, .lastIndex = 7, .left = 488, .top = 424, .width = 150, .height = 50, .fontName = kSong, .fontSize = 9, .bold = true, .backColor = kListBack}}};
    ControlArray<Image> Image1{*this, u"Image1"_s, {
        {.firstIndex = 0, .lastIndex = 0, .left = 608, .top = 8, .width = 18, .height = 18, .picture = true},
        {.firstIndex = 1, .lastIndex = 1, .left = 624, .top = 8, .width = 18, .height = 18, .picture = true}}};
    // clang-format on

private:
    TableWindow tableWindow_;
    CloseButtons buttons_{*this, Image1};
};

} // namespace qv::settlement
