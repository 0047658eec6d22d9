#pragma once

#include "settlement/score_window.h"

#include <functional>

namespace qv::settlement {

/// Opens the sheet of hand `juNum` in the Score window, centred and in front.
using SheetOpener = std::function<void(int juNum)>;

/// The hands played at this table ("英雄榜"): the hand numbers `Num`, every seat's result of
/// each hand `Grade(i)` and running total `sunScore(i)`. The lists move together; a double-click
/// on a hand opens its sheet.
class Hero : public forms::Form {
public:
    Hero(forms::FormHost& host, TableWindow tableWindow, SheetOpener openSheet);

    void Form_Load();
    void Num_Click();
    void Grade_Click(int n);
    void Num_DblClick();
    void Grade_DblClick(int n);
    void centreOverTable();

    // clang-format off
    Label Label1{*this, u"Label1"_s, {.left = 32, .top = 32, .width = 38, .height = 14, .text = u"局 数", .fontName = kSong, .fontSize = 10.5, .bold = true, .foreColor = kNameYellow}};
    ListBox Num{*this, u"Num"_s, {.left = 8, .top = 72, .width = 113, .height = 310, .fontName = kSong, .fontSize = 10.5, .bold = true, .backColor = kListBack}};
    ControlArray<Image> Tou{*this, u"Tou"_s, {
        {.firstIndex = 0, .lastIndex = 0, .left = 133, .top = 10, .width = 41, .height = 41, .stretch = true},
        {.firstIndex = 1, .lastIndex = 1, .left = 262, .top = 10, .width = 41, .height = 41, .stretch = true},
        {.firstIndex = 2, .lastIndex = 2, .left = 392, .top = 10, .width = 41, .height = 41, .stretch = true},
        {.firstIndex = 3, .lastIndex = 3, .left = 525, .top = 10, .width = 41, .height = 41, .stretch = true}}};
    // The names reach to the next column: a name of three characters in the designed face is
    // wider than the 38 pixels first laid out for it.
    ControlArray<Label> ID{*this, u"ID"_s, {
        {.firstIndex = 0, .lastIndex = 0, .left = 176, .top = 30, .width = 80, .height = 14, .text = u"玩家0", .fontName = kSong, .fontSize = 10.5, .bold = true, .foreColor = kNameYellow},
        {.firstIndex = 1, .lastIndex = 1, .left = 304, .top = 30, .width = 80, .height = 14, .text = u"玩家1", .fontName = kSong, .fontSize = 10.5, .bold = true, .foreColor = kNameYellow},
        {.firstIndex = 2, .lastIndex = 2, .left = 432, .top = 30, .width = 80, .height = 14, .text = u"玩家2", .fontName = kSong, .fontSize = 10.5, .bold = true, .foreColor = kNameYellow},
        {.firstIndex = 3, .lastIndex = 3, .left = 568, .top = 30, .width = 80, .height = 14, .text = u"玩家3", .fontName = kSong, .fontSize = 10.5, .bold = true, .foreColor = kNameYellow}}};
    ControlArray<ListBox> Grade{*this, u"Grade"_s, {
        {.firstIndex = 0, .lastIndex = 0, .left = 133, .top = 72, .width = 120, .height = 310, .fontName = kSong, .fontSize = 10.5, .bold = true, .backColor = kListBack},
        {.firstIndex = 1, .lastIndex = 1, .left = 263, .top = 72, .width = 120, .height = 310, .fontName = kSong, .fontSize = 10.5, .bold = true, .backColor = kListBack},
        {.firstIndex = 2, .lastIndex = 2, .left = 395, .top = 72, .width = 121, .height = 310, .fontName = kSong, .fontSize = 10.5, .bold = true, .backColor = kListBack},
        {.firstIndex = 3, .lastIndex = 3, .left = 525, .top = 72, .width = 121, .height = 310, .fontName = kSong, .fontSize = 10.5, .bold = true, .backColor = kListBack}}};
    Label Label2{*this, u"Label2"_s, {.left = 16, .top = 408, .width = 97, .height = 25, .text = u"输赢总分：", .fontName = kSong, .fontSize = 12, .bold = true, .foreColor = kTotalRed}};
    ControlArray<Label> sunScore{*this, u"sunScore"_s, {
        {.firstIndex = 0, .lastIndex = 0, .left = 136, .top = 408, .width = 113, .height = 25, .fontName = kSong, .fontSize = 12, .bold = true, .foreColor = kTotalRed},
        {.firstIndex = 1, .lastIndex = 1, .left = 264, .top = 408, .width = 113, .height = 25, .fontName = kSong, .fontSize = 12, .bold = true, .foreColor = kTotalRed},
        {.firstIndex = 2, .lastIndex = 2, .left = 392, .top = 408, .width = 113, .height = 25, .fontName = kSong, .fontSize = 12, .bold = true, .foreColor = kTotalRed},
        {.firstIndex = 3, .lastIndex = 3, .left = 528, .top = 408, .width = 113, .height = 25, .fontName = kSong, .fontSize = 12, .bold = true, .foreColor = kTotalRed}}};
    ControlArray<Image> Image1{*this, u"Image1"_s, {
        {.firstIndex = 0, .lastIndex = 0, .left = 616, .top = 8, .width = 18, .height = 18, .picture = true},
        {.firstIndex = 1, .lastIndex = 1, .left = 632, .top = 8, .width = 18, .height = 18, .picture = true}}};
    // clang-format on

private:
    /// `list` selects line `index` and scrolls to line `top`.
    static void follow(ListBox& list, int index, int top);

    TableWindow tableWindow_;
    SheetOpener openSheet_;
    /// The lists are being moved together: the clicks that selecting raises are not followed.
    bool following_ = false;
    CloseButtons buttons_{*this, Image1};
};

/// Lets the host create the settlement's two windows.
void registerSettlementForms(forms::FormHost& host, const TableWindow& tableWindow,
                             const SheetOpener& openSheet);

} // namespace qv::settlement
