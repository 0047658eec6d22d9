#pragma once

#include "controls/gif/uc_ani_gif.h"
#include "controls/picture_button.h"
#include "controls/scrolling_banner.h"
#include "controls/sprite_animation.h"
#include "forms/control_array.h"
#include "forms/form.h"
#include "forms/image.h"
#include "forms/label.h"
#include "forms/list_box.h"
#include "forms/picture_box.h"
#include "forms/text_box.h"
#include "forms/timer.h"
#include "forms/web_browser.h"
#include "table/design_style.h"
#include "table/screen_fit.h"
#include "table/seat_popup.h"
#include "table/speak_box_overlay.h"
#include "table/spread_control_array.h"

#include <functional>

namespace qv::table {

struct TableContext;

using forms::ControlArray;
using forms::Image;
using forms::Label;
using forms::ListBox;
using forms::PictureBox;
using forms::TextBox;
using forms::Timer;

/// The steps of the start-up that belong to other parts of the client. `Form_Load` runs them
/// where the start-up order puts them; an empty hook is skipped.
struct FormLoadHooks {
    /// Start flags of the sound and the web views, before the screen fit.
    std::function<void()> beforeScreenFit;
    /// Sound start, after the scale is set.
    std::function<void()> startSound;
    /// After the seats are laid out: the seat-change texts, the connection prepared and opened.
    std::function<void()> openConnection;
    /// After the table layout: the lobby window link.
    std::function<void()> installLobbyLink;
    /// A run-time failure anywhere in the start-up: restore the lobby and end.
    std::function<void(const std::exception&)> startupFailed;
};

/// What the seat widgets need of other parts of the client.
struct SeatHooks {
    /// The player shown at a display seat (0 the player); an empty nickname for nobody.
    std::function<SeatDetail(int seat)> detail;
    /// Opens the VIP window at `level` (1 to 6), owned by the table window.
    std::function<void(int level)> showVip;
};

/// The parts of restoring the window that belong to other parts of the client.
struct FormResizeHooks {
    /// Hides the exchange catalogue window (loading it hidden the first time).
    std::function<void()> hideExchangeWindow;
    std::function<void()> minimizeLobby;
    /// Ends automatic play: its flag off, the countdown back to the turn time, the time-out
    /// count 0 (the boss-key flags the window clears itself).
    std::function<void()> endAutoPlay;
    /// Tells the item plug-in, when one is loaded, to place its buffs again.
    std::function<void()> fixBuffPos;
};

/// The table window: every control through which the player sees the game, laid out for the
/// screen. Other parts of the client set its controls directly by name. Each control is declared
/// with its design row (pixels in its container), the window's one record of its design.
class MainForm : public forms::Form {
    // First, so the controls that work on the services can be made.
    TableContext* context_;

public:
    MainForm(forms::FormHost& host, TableContext& context);

    // clang-format off
    // The window frame (on the window itself, in twips).
    PictureBox Pic1{*this, u"Pic1"_s, {.width = 1024, .height = 768, .backColor = rgb(0, 128, 0), .picture = true}};
    PictureBox pic3{*this, u"pic3"_s, {.left = 184, .top = 400, .width = 1024, .height = 768, .visible = false, .picture = true}};
    PictureBox pic4{*this, u"pic4"_s, {.left = 136, .top = 400, .width = 1028, .height = 772, .visible = false, .picture = true}};
    Image Skin{*this, u"Skin"_s, {.left = 32, .top = 40, .width = 46, .height = 220, .visible = false, .picture = true}};
    Image ImgIcon{*this, u"ImgIcon"_s, {.left = 208, .top = 48, .width = 25, .height = 17}};
    Label lcaption{*this, u"lcaption"_s, {.left = 160, .top = 48, .width = 60, .height = 14, .text = u"Quorvale", .fontName = kSong, .fontSize = 10.5, .bold = true, .foreColor = rgb(255, 0, 0), .autoSize = true}};
    Label LbMove{*this, u"LbMove"_s, {.width = 209, .height = 23}};
    ControlArray<Image> ImgClose{*this, u"ImgClose"_s, {
        {.firstIndex = 0, .lastIndex = 0, .width = 16, .height = 16, .toolTip = u"关闭", .customCursor = true},
        {.firstIndex = 1, .lastIndex = 3, .width = 16, .height = 16, .visible = false, .picture = true}}};
    ControlArray<Image> ImgMin{*this, u"ImgMin"_s, {
        {.firstIndex = 0, .lastIndex = 0, .width = 16, .height = 16, .toolTip = u"最小化", .customCursor = true},
        {.firstIndex = 1, .lastIndex = 3, .width = 16, .height = 16, .visible = false, .picture = true}}};

    // Table decoration, banner and seat change.
    Image imgDinglan{Pic1, u"imgDinglan"_s, {.left = 40, .width = 1024, .height = 90, .picture = true}};
    Image imgDilan{Pic1, u"imgDilan"_s, {.left = 8, .top = 680, .width = 1024, .height = 117, .picture = true}};
    PictureBox Pic2{Pic1, u"Pic2"_s, {.left = 840, .top = 780, .width = 804, .height = 604, .visible = false, .picture = true}};
    Image imgLocation{Pic1, u"imgLocation"_s, {.left = 656, .top = 600, .width = 394, .height = 39, .picture = true}};
    Label Location{Pic1, u"Location"_s, {.left = 760, .top = 664, .width = 161, .height = 25, .fontName = kSong, .fontSize = 12, .foreColor = kGreen, .ampersandLiteral = true}};
    Image Bird{Pic1, u"Bird"_s, {.left = 936, .top = 680, .width = 82, .height = 80, .stretch = true, .picture = true}};
    forms::WebBrowser WebBrowser1{Pic1, u"WebBrowser1"_s, {.left = 760, .top = 536, .width = 57, .height = 33}};
    forms::WebBrowser WebBrowser2{Pic1, u"WebBrowser2"_s, {.left = 880, .top = 504, .width = 41, .height = 49}};
    Label LblShuffle{Pic1, u"LblShuffle"_s, {.left = 624, .top = 472, .width = 185, .height = 25, .visible = false, .text = u"正在进入游戏.......", .fontName = kSong, .fontSize = 14.25, .foreColor = rgb(192, 0, 0), .alignment = Align::Centre}};
    Image ImgShuffle{Pic1, u"ImgShuffle"_s, {.left = 624, .top = 320, .width = 185, .height = 35, .visible = false, .picture = true}};

    // Seats, indexed by the relative seat (0 the player).
    ControlArray<Image> Tou{Pic1, u"Tou"_s, {{.firstIndex = 0, .lastIndex = 0, .left = 6, .top = 12, .width = 70, .height = 62, .stretch = true}}};
    ControlArray<Label> Nid{Pic1, u"Nid"_s, {{.firstIndex = 0, .lastIndex = 0, .left = 184, .top = 16, .width = 161, .height = 25, .foreColor = kCyan, .ampersandLiteral = true}}};
    ControlArray<Label> Cash{Pic1, u"Cash"_s, {{.firstIndex = 0, .lastIndex = 0, .left = 192, .top = 32, .width = 161, .height = 17, .foreColor = kCyan}}};
    ControlArray<Label> Level{Pic1, u"Level"_s, {{.firstIndex = 0, .lastIndex = 0, .left = 160, .top = 56, .width = 161, .height = 17, .fontName = kSong, .fontSize = 10.5, .foreColor = kCyan}}};
    ControlArray<Label> lbl_score{Pic1, u"lbl_score"_s, {{.firstIndex = 0, .lastIndex = 0, .left = 560, .top = 328, .width = 145, .height = 25, .visible = false}}};
    ControlArray<Label> lbl_sort{Pic1, u"lbl_sort"_s, {{.firstIndex = 0, .lastIndex = 0, .left = 520, .top = 312, .width = 161, .height = 17, .visible = false}}};
    ControlArray<Image> img_vip{Pic1, u"img_vip"_s, {{.firstIndex = 0, .lastIndex = 3, .width = 41, .height = 35, .picture = true}}};
    ControlArray<Image> OK{Pic1, u"OK"_s, {{.firstIndex = 0, .lastIndex = 0, .left = 152, .top = 256, .width = 70, .height = 29, .visible = false, .pictureRes = 282}}};
    ControlArray<Image> first{Pic1, u"first"_s, {{.firstIndex = 0, .lastIndex = 0, .left = 408, .top = 600, .width = 70, .height = 29, .visible = false, .picture = true}}};
    ControlArray<Image> Speak{Pic1, u"Speak"_s, {{.firstIndex = 0, .lastIndex = 3, .width = 81, .height = 81, .visible = false}}};
    ControlArray<controls::ucAniGIF> ucAni_BBQS{Pic1, u"ucAni_BBQS"_s, {{.firstIndex = 0, .lastIndex = 3, .width = 73, .height = 57, .visible = false}}, aniGifElements()};
    /// The speech bubbles beside the seats, one per seat, made when its first phrase arrives.
    ControlArray<SpeakBoxOverlay> frmSpeakBox{Pic1, u"frmSpeakBox"_s, {{.firstIndex = 0, .lastIndex = 3, .visible = false}}};
    ControlArray<Image> shanImage{Pic1, u"shanImage"_s, {{.firstIndex = 0, .lastIndex = 2, .width = 81, .height = 89, .visible = false}}};
    ControlArray<Image> cardImage1{Pic1, u"cardImage1"_s, {{.firstIndex = 0, .lastIndex = 0, .width = 81, .height = 97, .stretch = true}}};
    ControlArray<Image> cardImage2{Pic1, u"cardImage2"_s, {{.firstIndex = 0, .lastIndex = 0, .width = 81, .height = 97, .stretch = true}}};
    ControlArray<Image> cardImage3{Pic1, u"cardImage3"_s, {{.firstIndex = 0, .lastIndex = 0, .width = 81, .height = 97, .stretch = true}}};
    ControlArray<Image> ImgKuang{Pic1, u"ImgKuang"_s, {{.firstIndex = 1, .lastIndex = 3, .width = 126, .height = 105, .stretch = true, .picture = true}}};
    ControlArray<Image> ImgShow{Pic1, u"ImgShow"_s, {{.firstIndex = 1, .lastIndex = 3, .width = 16, .height = 14, .stretch = true, .toolTip = u"打开视频", .picture = true}}};
    ControlArray<PictureBox> PicLocal{Pic1, u"PicLocal"_s, {
        {.firstIndex = 0, .lastIndex = 0, .width = 87, .height = 18, .picture = true},
        {.firstIndex = 1, .lastIndex = 3, .width = 145, .height = 17, .picture = true}}};
    SpreadControlArray<Image> ImCmd{u"ImCmd"_s, {
        {&PicLocal(0), {.firstIndex = 0, .lastIndex = 0, .left = 10.0 / 3.0, .width = 16, .height = 14, .picture = true, .customCursor = true}},
        {&PicLocal(0), {.firstIndex = 1, .lastIndex = 1, .left = 24, .width = 16, .height = 14, .pictureRes = 851}},
        {&PicLocal(0), {.firstIndex = 2, .lastIndex = 2, .left = 136.0 / 3.0, .width = 16, .height = 14, .pictureRes = 852}},
        {&PicLocal(0), {.firstIndex = 3, .lastIndex = 3, .left = 64, .width = 16, .height = 14, .picture = true}},
        {&PicLocal(1), {.firstIndex = 4, .lastIndex = 4, .left = 8, .width = 16, .height = 14, .toolTip = u"屏蔽", .picture = true}},
        {&PicLocal(1), {.firstIndex = 5, .lastIndex = 5, .left = 40, .width = 16, .height = 14, .toolTip = u"放大", .pictureRes = 851}},
        {&PicLocal(1), {.firstIndex = 6, .lastIndex = 6, .left = 72, .width = 16, .height = 14, .toolTip = u"照相", .pictureRes = 852}},
        {&PicLocal(1), {.firstIndex = 7, .lastIndex = 7, .left = 104, .width = 16, .height = 14, .toolTip = u"加为好友", .picture = true}},
        {&PicLocal(2), {.firstIndex = 8, .lastIndex = 8, .left = 8, .width = 16, .height = 14, .toolTip = u"屏蔽", .picture = true}},
        {&PicLocal(2), {.firstIndex = 9, .lastIndex = 9, .left = 40, .width = 16, .height = 14, .toolTip = u"放大", .pictureRes = 851}},
        {&PicLocal(2), {.firstIndex = 10, .lastIndex = 10, .left = 72, .width = 16, .height = 14, .toolTip = u"照相", .pictureRes = 852}},
        {&PicLocal(2), {.firstIndex = 11, .lastIndex = 11, .left = 104, .width = 16, .height = 14, .toolTip = u"加为好友", .picture = true}},
        {&PicLocal(3), {.firstIndex = 12, .lastIndex = 12, .left = 8, .width = 16, .height = 14, .toolTip = u"屏蔽", .picture = true}},
        {&PicLocal(3), {.firstIndex = 13, .lastIndex = 13, .left = 40, .width = 16, .height = 14, .toolTip = u"放大", .pictureRes = 851}},
        {&PicLocal(3), {.firstIndex = 14, .lastIndex = 14, .left = 72, .width = 16, .height = 14, .toolTip = u"照相", .pictureRes = 852}},
        {&PicLocal(3), {.firstIndex = 15, .lastIndex = 15, .left = 104, .width = 16, .height = 14, .toolTip = u"加为好友", .picture = true}}}};
    TextBox Tiplbl{Pic1, u"Tiplbl"_s, {.left = 240, .top = 336, .width = 54, .height = 14, .visible = false, .text = u"中国人民", .backColor = rgb(255, 224, 192), .readOnly = true}};
    Label Proponeself{Pic1, u"Proponeself"_s, {.left = 224, .top = 472, .width = 113, .height = 121, .enabled = false}};
    Image Bank{Pic1, u"Bank"_s, {.left = 720, .top = 672, .width = 54, .height = 31, .visible = false, .stretch = true, .toolTip = u"单击打开您的道具仓库", .picture = true, .customCursor = true}};

    // Own hand, play and countdown.
    ControlArray<Image> cardImage0{Pic1, u"cardImage0"_s, {{.firstIndex = 0, .lastIndex = 0, .left = 360, .top = 432, .width = 81, .height = 97, .visible = false, .stretch = true, .customCursor = true}}};
    ControlArray<Image> imgCardMove{Pic1, u"imgCardMove"_s, {{.firstIndex = 0, .lastIndex = 10, .width = 80, .height = 108, .visible = false, .stretch = true, .picture = true}}};
    Image imgFaPai{Pic1, u"imgFaPai"_s, {.left = 264, .top = 168, .width = 110, .height = 146, .visible = false, .stretch = true, .picture = true}};
    ControlArray<Image> Operation{Pic1, u"Operation"_s, {{.firstIndex = 0, .lastIndex = 0, .left = 448, .top = 440, .width = 65, .height = 41, .visible = false, .stretch = true, .customCursor = true}}};
    ControlArray<Image> btnJiaopai{Pic1, u"btnJiaopai"_s, {{.firstIndex = 0, .lastIndex = 0, .left = 416, .top = 464, .width = 87, .height = 29, .stretch = true}}};
    ControlArray<Image> ImgJiaopai{Pic1, u"ImgJiaopai"_s, {{.firstIndex = 0, .lastIndex = 0, .left = 312, .top = 336, .width = 89, .height = 89}}};
    Image imgDizhu{Pic1, u"imgDizhu"_s, {.left = 24, .top = 576, .width = 50, .height = 50, .visible = false, .picture = true}};
    Image imgBaopai{Pic1, u"imgBaopai"_s, {.left = 944, .top = 88, .width = 73, .height = 129, .picture = true}};
    Image words{Pic1, u"words"_s, {.left = 424, .top = 432, .width = 49, .height = 73}};
    Image Time_Img{Pic1, u"Time_Img"_s, {.left = 16, .top = 240, .width = 81, .height = 38, .visible = false, .stretch = true, .picture = true}};
    Label Number{Pic1, u"Number"_s, {.left = 64, .top = 248, .width = 24, .height = 24, .visible = false, .text = u"9", .fontName = kSong, .fontSize = 18, .foreColor = kGreen, .alignment = Align::Centre}};
    ControlArray<Image> Picture_ani{Pic1, u"Picture_ani"_s, {
        {.firstIndex = 0, .lastIndex = 0, .width = 100, .height = 137, .visible = false, .picture = true},
        {.firstIndex = 1, .lastIndex = 1, .width = 111, .height = 133, .visible = false, .picture = true},
        {.firstIndex = 2, .lastIndex = 2, .width = 80, .height = 134, .visible = false, .picture = true}}};
    ControlArray<Label> lbfont{Pic1, u"lbfont"_s, {
        {.firstIndex = 0, .lastIndex = 0, .width = 179, .height = 27, .visible = false, .fontName = kSong, .fontSize = 14.25, .bold = true, .foreColor = kYellow, .alignment = Align::Centre, .toolTip = u"骰子点数加倍"},
        {.firstIndex = 1, .lastIndex = 1, .width = 179, .height = 27, .visible = false, .text = u"最少金币定倍数", .fontName = kSong, .fontSize = 14.25, .bold = true, .foreColor = kYellow, .alignment = Align::Centre, .toolTip = u"最少金币定倍数"},
        {.firstIndex = 2, .lastIndex = 2, .width = 179, .height = 27, .visible = false, .text = u"个人金币数封顶", .fontName = kSong, .fontSize = 14.25, .bold = true, .foreColor = kYellow, .alignment = Align::Centre, .toolTip = u"个人金币数封顶"}}};
    Image Imgwealth{Pic1, u"Imgwealth"_s, {.left = 72, .top = 512, .width = 120, .height = 32, .visible = false, .picture = true}};
    Label lbwealth{Pic1, u"lbwealth"_s, {.left = 168, .top = 512, .width = 60, .height = 28, .visible = false, .text = u"10", .fontName = kSong, .fontSize = 18, .foreColor = kGreen, .alignment = Align::Centre}};
    ControlArray<Image> AnNiu{Pic1, u"AnNiu"_s, {{.firstIndex = 0, .lastIndex = 0, .left = 48, .top = 408, .width = 65, .height = 33, .stretch = true, .customCursor = true}}};

    // Chat and notices.
    TextBox Chat{Pic1, u"Chat"_s, {.left = 314, .top = 732, .width = 250, .height = 29, .visible = false, .fontName = kSong, .fontSize = 15.75, .foreColor = kCyan, .backColor = kBlack, .maxLength = 100}};
    Label Lbchat{Pic1, u"Lbchat"_s, {.left = 594, .top = 695, .width = 25, .height = 33, .customCursor = true}};
    /// The two-line system ticker: (0) the older notice, (1) the newest.
    ControlArray<ListBox> Sysmsg{Pic1, u"Sysmsg"_s, {{.firstIndex = 0, .lastIndex = 1, .width = 281, .height = 14, .visible = false, .foreColor = rgb(128, 255, 128), .backColor = kBlack}}};
    Image imgword1{Pic1, u"imgword1"_s, {.left = 632, .top = 656, .width = 25, .height = 37, .customCursor = true}};
    Image imgword2{Pic1, u"imgword2"_s, {.left = 656, .top = 656, .width = 25, .height = 37, .customCursor = true}};
    Label LbProp{Pic1, u"LbProp"_s, {.left = 384, .top = 656, .width = 177, .height = 33, .visible = false, .text = u"LbProp", .fontName = kSong, .fontSize = 15, .bold = true, .foreColor = rgb(0, 0, 192)}};
    ControlArray<Image> ImgProp{Pic1, u"ImgProp"_s, {{.firstIndex = 0, .lastIndex = 0, .left = 480, .top = 560, .width = 105, .height = 65, .visible = false, .customCursor = true}}};

    // Tournaments.
    PictureBox pic_matchinfo{Pic1, u"pic_matchinfo"_s, {.left = 112, .top = 680, .width = 526, .height = 34, .visible = false, .picture = true}};
    ControlArray<Label> lbl_matchinfo{pic_matchinfo, u"lbl_matchinfo"_s, {
        {.firstIndex = 0, .lastIndex = 0, .width = 80, .height = 17, .text = u"比赛倒计时", .fontName = kSong, .fontSize = 10.5, .foreColor = kCyan},
        {.firstIndex = 1, .lastIndex = 1, .width = 80, .height = 17, .text = u"4000", .fontName = kSong, .fontSize = 10.5, .foreColor = kCyan},
        {.firstIndex = 2, .lastIndex = 2, .width = 80, .height = 17, .text = u"10000", .fontName = kSong, .fontSize = 10.5, .foreColor = kCyan}}};
    Label lbl_matchtime{Pic1, u"lbl_matchtime"_s, {.left = 424, .top = 448, .width = 141, .height = 19, .visible = false, .text = u"个人金币数封顶", .fontName = kSong, .fontSize = 14.25, .bold = true, .foreColor = kYellow, .alignment = Align::Centre, .autoSize = true, .toolTip = u"个人金币数封顶"}};
    controls::inode_pic ImgShowMatch{Pic1, u"ImgShowMatch"_s, {.left = 600, .top = 304, .width = 25, .height = 49, .visible = false}};
    controls::inode_pic ImgShowSort{Pic1, u"ImgShowSort"_s, {.left = 656, .top = 304, .width = 17, .height = 41, .visible = false}};
    Image ImgOpenMatchBtn{Pic1, u"ImgOpenMatchBtn"_s, {.left = 472, .top = 400, .width = 25, .height = 17, .visible = false}};
    controls::moveWord moveWord1{Pic1, u"moveWord1"_s, {.left = 600, .top = 352, .width = 89, .height = 33, .visible = false}};
    PictureBox Pic_matchDetail{Pic1, u"Pic_matchDetail"_s, {.left = 672, .top = 184, .width = 278, .height = 57, .visible = false, .unit = Unit::UserTwips15, .picture = true}};
    controls::inode_pic ImgMatchListName{Pic_matchDetail, u"ImgMatchListName"_s, {.width = 105, .height = 65}};
    PictureBox LMatchShow{Pic_matchDetail, u"LMatchShow"_s, {.width = 324, .height = 166, .picture = true}};
    ControlArray<Label> LblInfoLMatch{LMatchShow, u"LblInfoLMatch"_s, {{.firstIndex = 0, .lastIndex = 0, .width = 80, .height = 17, .fontName = kSansSerif}}};
    ControlArray<Label> LblPrizeInfo{Pic_matchDetail, u"LblPrizeInfo"_s, {{.firstIndex = 0, .lastIndex = 0, .width = 80, .height = 17, .autoSize = true}}};
    Label LblPrizeTip{Pic_matchDetail, u"LblPrizeTip"_s, {.width = 80, .height = 17, .foreColor = kWhite, .autoSize = true}};
    Label LblNote{Pic_matchDetail, u"LblNote"_s, {.width = 80, .height = 17, .foreColor = rgb(0xC0, 0xC0, 0x00)}};
    ControlArray<Label> LblShowInfo{Pic_matchDetail, u"LblShowInfo"_s, {{.firstIndex = 0, .lastIndex = 0, .width = 80, .height = 17, .autoSize = true}}};
    ControlArray<Label> LblShowTip{Pic_matchDetail, u"LblShowTip"_s, {{.firstIndex = 0, .lastIndex = 0, .width = 80, .height = 17, .autoSize = true}}};
    Label LblShowName{Pic_matchDetail, u"LblShowName"_s, {.width = 80, .height = 17, .fontName = kSansSerif, .fontSize = 13.5, .bold = true, .foreColor = kYellow}};
    ControlArray<Label> LblMathNum{Pic_matchDetail, u"LblMathNum"_s, {{.firstIndex = 0, .lastIndex = 0, .width = 96, .height = 17, .foreColor = kWhite}}};
    ControlArray<Label> LblMathLeft{Pic_matchDetail, u"LblMathLeft"_s, {{.firstIndex = 0, .lastIndex = 0, .width = 80, .height = 17, .foreColor = kWhite}}};
    ControlArray<Label> LblMathStart{Pic_matchDetail, u"LblMathStart"_s, {{.firstIndex = 0, .lastIndex = 0, .width = 80, .height = 17, .foreColor = kWhite, .autoSize = true}}};
    ControlArray<Label> LblMathName{Pic_matchDetail, u"LblMathName"_s, {{.firstIndex = 0, .lastIndex = 0, .width = 80, .height = 17, .fontName = kSansSerif, .fontSize = 13.5, .bold = true, .foreColor = kYellow}}};
    ControlArray<Image> ImgMatch{Pic_matchDetail, u"ImgMatch"_s, {{.firstIndex = 0, .lastIndex = 0, .width = 16, .height = 16}}};
    Image ImgShowSign{Pic_matchDetail, u"ImgShowSign"_s, {.width = 16, .height = 16, .visible = false}};
    Image ImgSign{Pic_matchDetail, u"ImgSign"_s, {.width = 16, .height = 16, .visible = false}};
    Label LblShowLeftTime{Pic_matchDetail, u"LblShowLeftTime"_s, {.width = 80, .height = 17, .fontName = kSansSerif, .foreColor = kWhite, .alignment = Align::Centre}};
    Label LblServerTime{Pic_matchDetail, u"LblServerTime"_s, {.width = 80, .height = 17, .fontName = kSansSerif, .fontSize = 13.5, .foreColor = kRed, .autoSize = true}};
    PictureBox Pic_sortDetail{Pic1, u"Pic_sortDetail"_s, {.left = 696, .top = 144, .width = 222, .height = 33, .visible = false, .picture = true}};
    ListBox ListSort{Pic_sortDetail, u"ListSort"_s, {.width = 100, .height = 100, .visible = false}};
    Label LblSortTime{Pic_sortDetail, u"LblSortTime"_s, {.width = 80, .height = 17, .fontName = kSansSerif, .fontSize = 13.5, .foreColor = kRed, .autoSize = true}};
    Image ImgRefresh{Pic_sortDetail, u"ImgRefresh"_s, {.width = 16, .height = 16}};
    ControlArray<Label> LblSortInfo{Pic_sortDetail, u"LblSortInfo"_s, {
        {.firstIndex = 0, .lastIndex = 2, .width = 80, .height = 17, .fontName = kSansSerif, .fontSize = 12},
        {.firstIndex = 3, .lastIndex = 3, .width = 80, .height = 17, .fontName = kSansSerif, .fontSize = 12, .foreColor = kWhite},
        {.firstIndex = 4, .lastIndex = 4, .width = 80, .height = 17, .fontName = kSansSerif, .fontSize = 12}}};
    // Element 0 of each in the match panel, element 1 in the ranking panel.
    SpreadControlArray<Image> ImgCloseList{u"ImgCloseList"_s, {
        {&Pic_matchDetail, {.firstIndex = 0, .lastIndex = 0, .width = 16, .height = 16}},
        {&Pic_sortDetail, {.firstIndex = 1, .lastIndex = 1, .width = 16, .height = 16}}}};
    SpreadControlArray<Image> ImgUppage{u"ImgUppage"_s, {
        {&Pic_matchDetail, {.firstIndex = 0, .lastIndex = 0, .width = 16, .height = 16}},
        {&Pic_sortDetail, {.firstIndex = 1, .lastIndex = 1, .width = 16, .height = 16}}}};
    SpreadControlArray<Image> ImgDownpage{u"ImgDownpage"_s, {
        {&Pic_matchDetail, {.firstIndex = 0, .lastIndex = 0, .width = 16, .height = 16}},
        {&Pic_sortDetail, {.firstIndex = 1, .lastIndex = 1, .width = 16, .height = 16}}}};
    SpreadControlArray<Label> LblshowPage{u"LblshowPage"_s, {
        {&Pic_matchDetail, {.firstIndex = 0, .lastIndex = 0, .width = 50, .height = 17, .fontName = kSansSerif, .fontSize = 12, .foreColor = kWhite, .alignment = Align::Centre}},
        {&Pic_sortDetail, {.firstIndex = 1, .lastIndex = 1, .width = 80, .height = 17, .fontName = kSansSerif, .fontSize = 12, .foreColor = kWhite}}}};

    // Prizes, chips, shop and jade tasks.
    PictureBox Pic_prize{Pic1, u"Pic_prize"_s, {.left = 112, .top = 656, .width = 525, .height = 36, .unit = Unit::Twips, .picture = true}};
    TextBox Txt_chip{Pic_prize, u"Txt_chip"_s, {.left = 253, .top = 8, .width = 40, .height = 15}};
    Label Lb_mysmoke{Pic_prize, u"Lb_mysmoke"_s, {.left = 182, .top = 9, .width = 48, .height = 17, .text = u"100000", .foreColor = kYellow}};
    Image Img_add_bt{Pic_prize, u"Img_add_bt"_s, {.left = 293, .top = 7, .width = 19, .height = 19, .picture = true}};
    Image Img_reduce_bt{Pic_prize, u"Img_reduce_bt"_s, {.left = 232, .top = 7, .width = 19, .height = 19, .picture = true}};
    Image Img_chip_bt{Pic_prize, u"Img_chip_bt"_s, {.left = 312, .top = 3, .width = 47, .height = 25, .picture = true}};
    Image Img_buy_bt{Pic_prize, u"Img_buy_bt"_s, {.left = 364, .top = 3, .width = 24, .height = 26, .picture = true}};
    ControlArray<Label> Lb_prize{Pic_prize, u"Lb_prize"_s, {{.firstIndex = 0, .lastIndex = 11, .width = 12, .height = 17, .fontSize = 12, .bold = true, .foreColor = kGreen}}};
    Image Img_yan{Pic_prize, u"Img_yan"_s, {.left = 150, .top = 1, .width = 28, .height = 30, .picture = true}};
    Image bt_prizesort{Pic1, u"bt_prizesort"_s, {.left = 920, .top = 616, .width = 96, .height = 30, .visible = false, .picture = true}};
    PictureBox Pic_prizesort{Pic1, u"Pic_prizesort"_s, {.left = 560, .top = 160, .width = 264, .height = 46, .visible = false, .unit = Unit::Twips, .picture = true}};
    PictureBox Pic_chipinfo{Pic1, u"Pic_chipinfo"_s, {.left = 624, .top = 200, .width = 416, .height = 68, .visible = false, .unit = Unit::Twips, .picture = true}};
    Label lb_chipinfo{Pic_chipinfo, u"lb_chipinfo"_s, {.width = 400, .height = 60, .fontSize = 18}};
    PictureBox Pic_buy{Pic1, u"Pic_buy"_s, {.left = 496, .top = 224, .width = 337, .height = 249, .visible = false, .unit = Unit::Twips, .picture = true}};
    TextBox Txt_buy_num{Pic_buy, u"Txt_buy_num"_s, {.width = 80, .height = 27, .fontName = kSong, .fontSize = 18}};
    ControlArray<Image> img_chzhi{Pic_buy, u"img_chzhi"_s, {{.firstIndex = 1, .lastIndex = 2, .width = 95, .height = 63, .picture = true}}};
    Label Lb_buy_my{Pic_buy, u"Lb_buy_my"_s, {.width = 120, .height = 20, .fontName = kSong, .fontSize = 14.25, .alignment = Align::Centre}};
    Label Lb_buy_all{Pic_buy, u"Lb_buy_all"_s, {.width = 120, .height = 20, .fontName = kSong, .fontSize = 14.25, .alignment = Align::Centre}};
    Image Img_buy_close_bt{Pic_buy, u"Img_buy_close_bt"_s, {.width = 31, .height = 31, .picture = true}};
    Image Img_buy_reduce_bt{Pic_buy, u"Img_buy_reduce_bt"_s, {.width = 31, .height = 31, .picture = true}};
    Image Img_buy_add_bt{Pic_buy, u"Img_buy_add_bt"_s, {.width = 31, .height = 31, .picture = true}};
    Image Img_buy_buy_bt{Pic_buy, u"Img_buy_buy_bt"_s, {.width = 80, .height = 36, .picture = true}};
    controls::APNG APNG_prize{Pic1, u"APNG_prize"_s, {.left = 584, .top = 400, .width = 25, .height = 25, .visible = false}};
    ControlArray<controls::APNG> APNG_prizenum{Pic1, u"APNG_prizenum"_s, {{.firstIndex = 0, .lastIndex = 0, .left = 624, .top = 416, .width = 49, .height = 41, .visible = false}}};
    Image ImgJadeTask{Pic1, u"ImgJadeTask"_s, {.left = 672, .top = 400, .width = 137, .height = 37, .visible = false}};
    Image ImgJadeExch{Pic1, u"ImgJadeExch"_s, {.left = -24, .top = 616, .width = 137, .height = 29}};
    PictureBox Pic_Jadetask{Pic1, u"Pic_Jadetask"_s, {.left = 784, .top = 248, .width = 201, .height = 72, .visible = false, .unit = Unit::Twips, .picture = true}};
    Label LbJadeprize{Pic_Jadetask, u"LbJadeprize"_s, {.width = 180, .height = 17, .text = u"翡翠任务描述"}};
    Label LbJadedesk{Pic_Jadetask, u"LbJadedesk"_s, {.width = 180, .height = 17, .visible = false, .text = u"最后一张牌出单3并获胜可获得"}};
    Label laJadetaskname{Pic_Jadetask, u"laJadetaskname"_s, {.width = 180, .height = 17, .visible = false, .text = u"翡翠任务名称"}};
    controls::APNG APNG_Jadefinish{Pic1, u"APNG_Jadefinish"_s, {.left = 720, .top = 416, .width = 65, .height = 49, .visible = false}};
    controls::APNG APNG_JadeKuang{Pic1, u"APNG_JadeKuang"_s, {.left = 520, .top = 392, .width = 25, .height = 25, .visible = false}};
    ControlArray<controls::APNG> APNG_JadeNum{Pic1, u"APNG_JadeNum"_s, {{.firstIndex = 0, .lastIndex = 0, .left = 544, .top = 392, .width = 33, .height = 33, .visible = false}}};

    // Timers.
    Timer TimerBong{Pic1, u"TimerBong"_s, {.intervalMs = 50}};
    Timer TimerKeepAlive{Pic1, u"TimerKeepAlive"_s, {.intervalMs = 5000}};
    Timer TimerChat{Pic1, u"TimerChat"_s, {.intervalMs = 800}};
    Timer TimerProp{Pic1, u"TimerProp"_s, {.intervalMs = 50}};
    Timer Timer_Zoom{Pic1, u"Timer_Zoom"_s, {.intervalMs = 100}};
    Timer Timer_Vshow1{Pic1, u"Timer_Vshow1"_s, {.intervalMs = 30}};
    Timer Timer_Vshow2{Pic1, u"Timer_Vshow2"_s, {.intervalMs = 0}};
    Timer Timer_Vshow3{Pic1, u"Timer_Vshow3"_s, {.intervalMs = 0}};
    Timer TimerShuffle{Pic1, u"TimerShuffle"_s, {.intervalMs = 1000}};
    Timer Timerformer{Pic1, u"Timerformer"_s, {.intervalMs = 3000}};
    Timer TimerMusic{Pic1, u"TimerMusic"_s, {.intervalMs = 500}};
    Timer Timer_ani{Pic1, u"Timer_ani"_s, {.intervalMs = 0, .enabled = true}};
    // clang-format on

    /// Both drawn title-bar buttons show their normal pictures.
    bool ChromeAtRest = true;
    /// The item-store button `Bank` shows its hover picture.
    bool BankHover = false;

    /// The start-up steps of other parts of the client, run by `Form_Load`.
    FormLoadHooks loadHooks;
    FormResizeHooks resizeHooks;
    SeatHooks seatHooks;

    /// The start-up as far as the table window goes, with the hooks of the other parts in
    /// their places; any failure goes to `loadHooks.startupFailed`.
    void Form_Load();
    /// Sizes and places the window and the table surface for a screen of the given pixel
    /// size, sets `ScaleX` and `ScaleY` and paints the skin where the window keeps it.
    void FitToScreen(QSize screenPx);
    /// Shows the window, then places the controls that wait for it (the table layout).
    void ShowTable();
    /// Focus to the chat box each time the window becomes active; failures are ignored.
    void Form_Activate();
    /// Minimising hides the exchange window; restoring brings the table forward and ends the
    /// boss key and automatic play.
    void Form_Resize();

    [[nodiscard]] TableContext& context() const { return *context_; }

private:
    /// Makes the animated GIF players of the window on the client's services.
    [[nodiscard]] forms::ControlArray<controls::ucAniGIF>::ElementFactory aniGifElements() const;
};

/// Teaches `host` to make the table window on `context`; `created` runs on every new window, so
/// other parts can attach their handlers to its controls.
void registerTableForms(forms::FormHost& host, TableContext& context,
                        std::function<void(MainForm&)> created = {});

} // namespace qv::table
