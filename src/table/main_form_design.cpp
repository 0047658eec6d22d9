#include "table/main_form_design.h"

#include <array>

namespace qv::table {

namespace {

using K = ControlKind;
using U = DesignUnit;
using A = DesignAlign;
using forms::rgb;

constexpr QStringView kSong = u"宋体";
constexpr forms::OleColor kCyan = rgb(128, 255, 255);
constexpr forms::OleColor kGreen = rgb(0, 255, 0);
constexpr forms::OleColor kYellow = rgb(255, 255, 0);
constexpr forms::OleColor kBlack = rgb(0, 0, 0);

// clang-format off
constexpr auto kControls = std::to_array<ControlDesign>({
    // The window frame: controls on the window itself.
    {.name = u"Pic1", .kind = K::PictureBox, .width = 1024, .height = 768, .backColor = rgb(0, 128, 0), .designPicture = true},
    {.name = u"pic3", .kind = K::PictureBox, .left = 184, .top = 400, .width = 1024, .height = 768, .visible = false, .designPicture = true},
    {.name = u"pic4", .kind = K::PictureBox, .left = 136, .top = 400, .width = 1028, .height = 772, .visible = false, .designPicture = true},
    {.name = u"Skin", .left = 32, .top = 40, .width = 46, .height = 220, .visible = false, .designPicture = true},
    {.name = u"ImgIcon", .left = 208, .top = 48, .width = 25, .height = 17},
    {.name = u"lcaption", .kind = K::Label, .left = 160, .top = 48, .width = 60, .height = 14, .text = u"Quorvale", .fontName = kSong, .fontSize = 10.5, .bold = true, .foreColor = rgb(255, 0, 0), .autoSize = true},
    {.name = u"LbMove", .kind = K::Label, .width = 209, .height = 23},
    {.name = u"ImgClose", .firstIndex = 0, .lastIndex = 0, .width = 16, .height = 16, .toolTip = u"关闭", .customCursor = true},
    {.name = u"ImgClose", .firstIndex = 1, .lastIndex = 3, .width = 16, .height = 16, .visible = false, .designPicture = true},
    {.name = u"ImgMin", .firstIndex = 0, .lastIndex = 0, .width = 16, .height = 16, .toolTip = u"最小化", .customCursor = true},
    {.name = u"ImgMin", .firstIndex = 1, .lastIndex = 3, .width = 16, .height = 16, .visible = false, .designPicture = true},

    // Table decoration, banner and seat change.
    {.name = u"imgDinglan", .container = u"Pic1", .left = 40, .width = 1024, .height = 90, .designPicture = true},
    {.name = u"imgDilan", .container = u"Pic1", .left = 8, .top = 680, .width = 1024, .height = 117, .designPicture = true},
    {.name = u"Pic2", .kind = K::PictureBox, .container = u"Pic1", .left = 840, .top = 780, .width = 804, .height = 604, .visible = false, .designPicture = true},
    {.name = u"imgLocation", .container = u"Pic1", .left = 656, .top = 600, .width = 394, .height = 39, .designPicture = true},
    {.name = u"Location", .kind = K::Label, .container = u"Pic1", .left = 760, .top = 664, .width = 161, .height = 25, .fontName = kSong, .fontSize = 12, .foreColor = kGreen, .ampersandLiteral = true},
    {.name = u"Bird", .container = u"Pic1", .left = 936, .top = 680, .width = 82, .height = 80, .stretch = true, .designPicture = true},
    {.name = u"WebBrowser1", .kind = K::WebBrowser, .container = u"Pic1", .left = 760, .top = 536, .width = 57, .height = 33},
    {.name = u"WebBrowser2", .kind = K::WebBrowser, .container = u"Pic1", .left = 880, .top = 504, .width = 41, .height = 49},
    {.name = u"LblShuffle", .kind = K::Label, .container = u"Pic1", .left = 624, .top = 472, .width = 185, .height = 25, .visible = false, .text = u"正在进入游戏.......", .fontName = kSong, .fontSize = 14.25, .foreColor = rgb(192, 0, 0), .alignment = A::Centre},
    {.name = u"ImgShuffle", .container = u"Pic1", .left = 624, .top = 320, .width = 185, .height = 35, .visible = false, .designPicture = true},

    // Seats.
    {.name = u"Tou", .container = u"Pic1", .firstIndex = 0, .lastIndex = 0, .left = 6, .top = 12, .width = 70, .height = 62, .stretch = true},
    {.name = u"Nid", .kind = K::Label, .container = u"Pic1", .firstIndex = 0, .lastIndex = 0, .left = 184, .top = 16, .width = 161, .height = 25, .foreColor = kCyan, .ampersandLiteral = true},
    {.name = u"Cash", .kind = K::Label, .container = u"Pic1", .firstIndex = 0, .lastIndex = 0, .left = 192, .top = 32, .width = 161, .height = 17, .foreColor = kCyan},
    {.name = u"Level", .kind = K::Label, .container = u"Pic1", .firstIndex = 0, .lastIndex = 0, .left = 160, .top = 56, .width = 161, .height = 17, .fontName = kSong, .fontSize = 10.5, .foreColor = kCyan},
    {.name = u"lbl_score", .kind = K::Label, .container = u"Pic1", .firstIndex = 0, .lastIndex = 0, .left = 560, .top = 328, .width = 145, .height = 25, .visible = false},
    {.name = u"lbl_sort", .kind = K::Label, .container = u"Pic1", .firstIndex = 0, .lastIndex = 0, .left = 520, .top = 312, .width = 161, .height = 17, .visible = false},
    {.name = u"img_vip", .container = u"Pic1", .firstIndex = 0, .lastIndex = 3, .width = 41, .height = 35, .designPicture = true},
    {.name = u"OK", .container = u"Pic1", .firstIndex = 0, .lastIndex = 0, .left = 152, .top = 256, .width = 70, .height = 29, .visible = false, .pictureRes = 282},
    {.name = u"first", .container = u"Pic1", .firstIndex = 0, .lastIndex = 0, .left = 408, .top = 600, .width = 70, .height = 29, .visible = false, .designPicture = true},
    {.name = u"Speak", .container = u"Pic1", .firstIndex = 0, .lastIndex = 3, .width = 81, .height = 81, .visible = false},
    {.name = u"ucAni_BBQS", .kind = K::AniGif, .container = u"Pic1", .firstIndex = 0, .lastIndex = 3, .width = 73, .height = 57, .visible = false},
    {.name = u"shanImage", .container = u"Pic1", .firstIndex = 0, .lastIndex = 2, .width = 81, .height = 89, .visible = false},
    {.name = u"cardImage1", .container = u"Pic1", .firstIndex = 0, .lastIndex = 0, .width = 81, .height = 97, .stretch = true},
    {.name = u"cardImage2", .container = u"Pic1", .firstIndex = 0, .lastIndex = 0, .width = 81, .height = 97, .stretch = true},
    {.name = u"cardImage3", .container = u"Pic1", .firstIndex = 0, .lastIndex = 0, .width = 81, .height = 97, .stretch = true},
    {.name = u"ImgKuang", .container = u"Pic1", .firstIndex = 1, .lastIndex = 3, .width = 126, .height = 105, .stretch = true, .designPicture = true},
    {.name = u"ImgShow", .container = u"Pic1", .firstIndex = 1, .lastIndex = 3, .width = 16, .height = 14, .stretch = true, .toolTip = u"打开视频", .designPicture = true},
    {.name = u"PicLocal", .kind = K::PictureBox, .container = u"Pic1", .firstIndex = 0, .lastIndex = 0, .width = 87, .height = 18, .designPicture = true},
    {.name = u"PicLocal", .kind = K::PictureBox, .container = u"Pic1", .firstIndex = 1, .lastIndex = 3, .width = 145, .height = 17, .designPicture = true},
    {.name = u"ImCmd", .container = u"PicLocal(0)", .firstIndex = 0, .lastIndex = 0, .left = 10.0 / 3.0, .width = 16, .height = 14, .designPicture = true, .customCursor = true},
    {.name = u"ImCmd", .container = u"PicLocal(0)", .firstIndex = 1, .lastIndex = 1, .left = 24, .width = 16, .height = 14, .pictureRes = 851},
    {.name = u"ImCmd", .container = u"PicLocal(0)", .firstIndex = 2, .lastIndex = 2, .left = 136.0 / 3.0, .width = 16, .height = 14, .pictureRes = 852},
    {.name = u"ImCmd", .container = u"PicLocal(0)", .firstIndex = 3, .lastIndex = 3, .left = 64, .width = 16, .height = 14, .designPicture = true},
    {.name = u"ImCmd", .container = u"PicLocal(1)", .firstIndex = 4, .lastIndex = 4, .left = 8, .width = 16, .height = 14, .toolTip = u"屏蔽", .designPicture = true},
    {.name = u"ImCmd", .container = u"PicLocal(1)", .firstIndex = 5, .lastIndex = 5, .left = 40, .width = 16, .height = 14, .toolTip = u"放大", .pictureRes = 851},
    {.name = u"ImCmd", .container = u"PicLocal(1)", .firstIndex = 6, .lastIndex = 6, .left = 72, .width = 16, .height = 14, .toolTip = u"照相", .pictureRes = 852},
    {.name = u"ImCmd", .container = u"PicLocal(1)", .firstIndex = 7, .lastIndex = 7, .left = 104, .width = 16, .height = 14, .toolTip = u"加为好友", .designPicture = true},
    {.name = u"ImCmd", .container = u"PicLocal(2)", .firstIndex = 8, .lastIndex = 8, .left = 8, .width = 16, .height = 14, .toolTip = u"屏蔽", .designPicture = true},
    {.name = u"ImCmd", .container = u"PicLocal(2)", .firstIndex = 9, .lastIndex = 9, .left = 40, .width = 16, .height = 14, .toolTip = u"放大", .pictureRes = 851},
    {.name = u"ImCmd", .container = u"PicLocal(2)", .firstIndex = 10, .lastIndex = 10, .left = 72, .width = 16, .height = 14, .toolTip = u"照相", .pictureRes = 852},
    {.name = u"ImCmd", .container = u"PicLocal(2)", .firstIndex = 11, .lastIndex = 11, .left = 104, .width = 16, .height = 14, .toolTip = u"加为好友", .designPicture = true},
    {.name = u"ImCmd", .container = u"PicLocal(3)", .firstIndex = 12, .lastIndex = 12, .left = 8, .width = 16, .height = 14, .toolTip = u"屏蔽", .designPicture = true},
    {.name = u"ImCmd", .container = u"PicLocal(3)", .firstIndex = 13, .lastIndex = 13, .left = 40, .width = 16, .height = 14, .toolTip = u"放大", .pictureRes = 851},
    {.name = u"ImCmd", .container = u"PicLocal(3)", .firstIndex = 14, .lastIndex = 14, .left = 72, .width = 16, .height = 14, .toolTip = u"照相", .pictureRes = 852},
    {.name = u"ImCmd", .container = u"PicLocal(3)", .firstIndex = 15, .lastIndex = 15, .left = 104, .width = 16, .height = 14, .toolTip = u"加为好友", .designPicture = true},
    {.name = u"Tiplbl", .kind = K::TextBox, .container = u"Pic1", .left = 240, .top = 336, .width = 54, .height = 14, .visible = false, .text = u"中国人民", .backColor = rgb(255, 224, 192), .readOnly = true},
    {.name = u"Proponeself", .kind = K::Label, .container = u"Pic1", .left = 224, .top = 472, .width = 113, .height = 121, .enabled = false},
    {.name = u"Bank", .container = u"Pic1", .left = 720, .top = 672, .width = 54, .height = 31, .visible = false, .stretch = true, .toolTip = u"单击打开您的道具仓库", .designPicture = true, .customCursor = true},

    // Own hand, play and countdown.
    {.name = u"cardImage0", .container = u"Pic1", .firstIndex = 0, .lastIndex = 0, .left = 360, .top = 432, .width = 81, .height = 97, .visible = false, .stretch = true, .customCursor = true},
    {.name = u"imgCardMove", .container = u"Pic1", .firstIndex = 0, .lastIndex = 10, .width = 80, .height = 108, .visible = false, .stretch = true, .designPicture = true},
    {.name = u"imgFaPai", .container = u"Pic1", .left = 264, .top = 168, .width = 110, .height = 146, .visible = false, .stretch = true, .designPicture = true},
    {.name = u"Operation", .container = u"Pic1", .firstIndex = 0, .lastIndex = 0, .left = 448, .top = 440, .width = 65, .height = 41, .visible = false, .stretch = true, .customCursor = true},
    {.name = u"btnJiaopai", .container = u"Pic1", .firstIndex = 0, .lastIndex = 0, .left = 416, .top = 464, .width = 87, .height = 29, .stretch = true},
    {.name = u"ImgJiaopai", .container = u"Pic1", .firstIndex = 0, .lastIndex = 0, .left = 312, .top = 336, .width = 89, .height = 89},
    {.name = u"imgDizhu", .container = u"Pic1", .left = 24, .top = 576, .width = 50, .height = 50, .visible = false, .designPicture = true},
    {.name = u"imgBaopai", .container = u"Pic1", .left = 944, .top = 88, .width = 73, .height = 129, .designPicture = true},
    {.name = u"words", .container = u"Pic1", .left = 424, .top = 432, .width = 49, .height = 73},
    {.name = u"Time_Img", .container = u"Pic1", .left = 16, .top = 240, .width = 81, .height = 38, .visible = false, .stretch = true, .designPicture = true},
    {.name = u"Number", .kind = K::Label, .container = u"Pic1", .left = 64, .top = 248, .width = 24, .height = 24, .visible = false, .text = u"9", .fontName = kSong, .fontSize = 18, .foreColor = kGreen, .alignment = A::Centre},
    {.name = u"Picture_ani", .container = u"Pic1", .firstIndex = 0, .lastIndex = 0, .width = 100, .height = 137, .visible = false, .designPicture = true},
    {.name = u"Picture_ani", .container = u"Pic1", .firstIndex = 1, .lastIndex = 1, .width = 111, .height = 133, .visible = false, .designPicture = true},
    {.name = u"Picture_ani", .container = u"Pic1", .firstIndex = 2, .lastIndex = 2, .width = 80, .height = 134, .visible = false, .designPicture = true},
    {.name = u"lbfont", .kind = K::Label, .container = u"Pic1", .firstIndex = 0, .lastIndex = 0, .width = 179, .height = 27, .visible = false, .fontName = kSong, .fontSize = 14.25, .bold = true, .foreColor = kYellow, .alignment = A::Centre, .toolTip = u"骰子点数加倍"},
    {.name = u"lbfont", .kind = K::Label, .container = u"Pic1", .firstIndex = 1, .lastIndex = 1, .width = 179, .height = 27, .visible = false, .text = u"最少金币定倍数", .fontName = kSong, .fontSize = 14.25, .bold = true, .foreColor = kYellow, .alignment = A::Centre, .toolTip = u"最少金币定倍数"},
    {.name = u"lbfont", .kind = K::Label, .container = u"Pic1", .firstIndex = 2, .lastIndex = 2, .width = 179, .height = 27, .visible = false, .text = u"个人金币数封顶", .fontName = kSong, .fontSize = 14.25, .bold = true, .foreColor = kYellow, .alignment = A::Centre, .toolTip = u"个人金币数封顶"},
    {.name = u"Imgwealth", .container = u"Pic1", .left = 72, .top = 512, .width = 120, .height = 32, .visible = false, .designPicture = true},
    {.name = u"lbwealth", .kind = K::Label, .container = u"Pic1", .left = 168, .top = 512, .width = 60, .height = 28, .visible = false, .text = u"10", .fontName = kSong, .fontSize = 18, .foreColor = kGreen, .alignment = A::Centre},
    {.name = u"AnNiu", .container = u"Pic1", .firstIndex = 0, .lastIndex = 0, .left = 48, .top = 408, .width = 65, .height = 33, .stretch = true, .customCursor = true},

    // Chat and notices.
    {.name = u"Chat", .kind = K::TextBox, .container = u"Pic1", .left = 314, .top = 732, .width = 250, .height = 29, .visible = false, .fontName = kSong, .fontSize = 15.75, .foreColor = kCyan, .backColor = kBlack, .maxLength = 100},
    {.name = u"Lbchat", .kind = K::Label, .container = u"Pic1", .left = 594, .top = 695, .width = 25, .height = 33, .customCursor = true},
    {.name = u"Sysmsg", .kind = K::ListBox, .container = u"Pic1", .firstIndex = 0, .lastIndex = 1, .width = 281, .height = 14, .visible = false, .foreColor = rgb(128, 255, 128), .backColor = kBlack},
    {.name = u"imgword1", .container = u"Pic1", .left = 632, .top = 656, .width = 25, .height = 37, .customCursor = true},
    {.name = u"imgword2", .container = u"Pic1", .left = 656, .top = 656, .width = 25, .height = 37, .customCursor = true},
    {.name = u"LbProp", .kind = K::Label, .container = u"Pic1", .left = 384, .top = 656, .width = 177, .height = 33, .visible = false, .text = u"LbProp", .fontName = kSong, .fontSize = 15, .bold = true, .foreColor = rgb(0, 0, 192)},
    {.name = u"ImgProp", .container = u"Pic1", .firstIndex = 0, .lastIndex = 0, .left = 480, .top = 560, .width = 105, .height = 65, .visible = false, .customCursor = true},

    // Tournaments.
    {.name = u"pic_matchinfo", .kind = K::PictureBox, .container = u"Pic1", .left = 112, .top = 680, .width = 526, .height = 34, .visible = false, .designPicture = true},
    {.name = u"lbl_matchinfo", .kind = K::Label, .container = u"pic_matchinfo", .firstIndex = 0, .lastIndex = 0, .width = 80, .height = 17, .text = u"比赛倒计时", .fontName = kSong, .fontSize = 10.5, .foreColor = kCyan},
    {.name = u"lbl_matchinfo", .kind = K::Label, .container = u"pic_matchinfo", .firstIndex = 1, .lastIndex = 1, .width = 80, .height = 17, .text = u"4000", .fontName = kSong, .fontSize = 10.5, .foreColor = kCyan},
    {.name = u"lbl_matchinfo", .kind = K::Label, .container = u"pic_matchinfo", .firstIndex = 2, .lastIndex = 2, .width = 80, .height = 17, .text = u"10000", .fontName = kSong, .fontSize = 10.5, .foreColor = kCyan},
    {.name = u"lbl_matchtime", .kind = K::Label, .container = u"Pic1", .left = 424, .top = 448, .width = 141, .height = 19, .visible = false, .text = u"个人金币数封顶", .fontName = kSong, .fontSize = 14.25, .bold = true, .foreColor = kYellow, .alignment = A::Centre, .autoSize = true, .toolTip = u"个人金币数封顶"},
    {.name = u"ImgShowMatch", .kind = K::PictureButton, .container = u"Pic1", .left = 600, .top = 304, .width = 25, .height = 49, .visible = false},
    {.name = u"ImgShowSort", .kind = K::PictureButton, .container = u"Pic1", .left = 656, .top = 304, .width = 17, .height = 41, .visible = false},
    {.name = u"ImgOpenMatchBtn", .container = u"Pic1", .left = 472, .top = 400, .width = 25, .height = 17, .visible = false},
    {.name = u"moveWord1", .kind = K::Banner, .container = u"Pic1", .left = 600, .top = 352, .width = 89, .height = 33, .visible = false},
    {.name = u"Pic_matchDetail", .kind = K::PictureBox, .container = u"Pic1", .left = 672, .top = 184, .width = 278, .height = 57, .visible = false, .unit = U::UserTwips15, .designPicture = true},
    {.name = u"ImgMatchListName", .kind = K::PictureButton, .container = u"Pic_matchDetail", .width = 16, .height = 16},
    {.name = u"LMatchShow", .kind = K::PictureBox, .container = u"Pic_matchDetail", .width = 324, .height = 166, .designPicture = true},
    {.name = u"LblInfoLMatch", .kind = K::Label, .container = u"LMatchShow", .firstIndex = 0, .lastIndex = 0, .width = 80, .height = 17},
    {.name = u"LblPrizeInfo", .kind = K::Label, .container = u"Pic_matchDetail", .firstIndex = 0, .lastIndex = 0, .width = 80, .height = 17},
    {.name = u"LblPrizeTip", .kind = K::Label, .container = u"Pic_matchDetail", .width = 80, .height = 17},
    {.name = u"LblNote", .kind = K::Label, .container = u"Pic_matchDetail", .width = 80, .height = 17},
    {.name = u"LblShowInfo", .kind = K::Label, .container = u"Pic_matchDetail", .firstIndex = 0, .lastIndex = 0, .width = 80, .height = 17},
    {.name = u"LblShowTip", .kind = K::Label, .container = u"Pic_matchDetail", .firstIndex = 0, .lastIndex = 0, .width = 80, .height = 17},
    {.name = u"LblShowName", .kind = K::Label, .container = u"Pic_matchDetail", .width = 80, .height = 17},
    {.name = u"LblMathNum", .kind = K::Label, .container = u"Pic_matchDetail", .firstIndex = 0, .lastIndex = 0, .width = 80, .height = 17},
    {.name = u"LblMathLeft", .kind = K::Label, .container = u"Pic_matchDetail", .firstIndex = 0, .lastIndex = 0, .width = 80, .height = 17},
    {.name = u"LblMathStart", .kind = K::Label, .container = u"Pic_matchDetail", .firstIndex = 0, .lastIndex = 0, .width = 80, .height = 17},
    {.name = u"LblMathName", .kind = K::Label, .container = u"Pic_matchDetail", .firstIndex = 0, .lastIndex = 0, .width = 80, .height = 17},
    {.name = u"ImgMatch", .container = u"Pic_matchDetail", .firstIndex = 0, .lastIndex = 0, .width = 16, .height = 16},
    {.name = u"ImgShowSign", .container = u"Pic_matchDetail", .width = 16, .height = 16, .visible = false},
    {.name = u"ImgSign", .container = u"Pic_matchDetail", .width = 16, .height = 16, .visible = false},
    {.name = u"LblShowLeftTime", .kind = K::Label, .container = u"Pic_matchDetail", .width = 80, .height = 17},
    {.name = u"ImgCloseList", .container = u"Pic_matchDetail", .firstIndex = 0, .lastIndex = 0, .width = 16, .height = 16},
    {.name = u"ImgUppage", .container = u"Pic_matchDetail", .firstIndex = 0, .lastIndex = 0, .width = 16, .height = 16},
    {.name = u"ImgDownpage", .container = u"Pic_matchDetail", .firstIndex = 0, .lastIndex = 0, .width = 16, .height = 16},
    {.name = u"LblshowPage", .kind = K::Label, .container = u"Pic_matchDetail", .firstIndex = 0, .lastIndex = 0, .width = 80, .height = 17},
    {.name = u"LblServerTime", .kind = K::Label, .container = u"Pic_matchDetail", .width = 80, .height = 17},
    {.name = u"Pic_sortDetail", .kind = K::PictureBox, .container = u"Pic1", .left = 696, .top = 144, .width = 222, .height = 33, .visible = false, .designPicture = true},
    {.name = u"ListSort", .kind = K::ListBox, .container = u"Pic_sortDetail", .width = 100, .height = 100, .visible = false},
    {.name = u"LblSortTime", .kind = K::Label, .container = u"Pic_sortDetail", .width = 80, .height = 17},
    {.name = u"ImgRefresh", .container = u"Pic_sortDetail", .width = 16, .height = 16},
    {.name = u"ImgCloseList", .container = u"Pic_sortDetail", .firstIndex = 1, .lastIndex = 1, .width = 16, .height = 16},
    {.name = u"LblshowPage", .kind = K::Label, .container = u"Pic_sortDetail", .firstIndex = 1, .lastIndex = 1, .width = 80, .height = 17},
    {.name = u"ImgDownpage", .container = u"Pic_sortDetail", .firstIndex = 1, .lastIndex = 1, .width = 16, .height = 16},
    {.name = u"ImgUppage", .container = u"Pic_sortDetail", .firstIndex = 1, .lastIndex = 1, .width = 16, .height = 16},
    {.name = u"LblSortInfo", .kind = K::Label, .container = u"Pic_sortDetail", .firstIndex = 0, .lastIndex = 4, .width = 80, .height = 17},

    // Prizes, chips, shop and jade tasks.
    {.name = u"Pic_prize", .kind = K::PictureBox, .container = u"Pic1", .left = 112, .top = 656, .width = 525, .height = 36, .unit = U::Twips, .designPicture = true},
    {.name = u"Txt_chip", .kind = K::TextBox, .container = u"Pic_prize", .width = 40, .height = 20},
    {.name = u"Lb_mysmoke", .kind = K::Label, .container = u"Pic_prize", .width = 60, .height = 17, .text = u"100000"},
    {.name = u"Img_add_bt", .container = u"Pic_prize", .width = 19, .height = 19, .designPicture = true},
    {.name = u"Img_reduce_bt", .container = u"Pic_prize", .width = 19, .height = 19, .designPicture = true},
    {.name = u"Img_chip_bt", .container = u"Pic_prize", .width = 47, .height = 25, .designPicture = true},
    {.name = u"Img_buy_bt", .container = u"Pic_prize", .width = 24, .height = 26, .designPicture = true},
    {.name = u"Lb_prize", .kind = K::Label, .container = u"Pic_prize", .firstIndex = 0, .lastIndex = 11, .width = 12, .height = 17, .fontSize = 12, .bold = true, .foreColor = kGreen},
    {.name = u"Img_yan", .container = u"Pic_prize", .width = 28, .height = 30, .designPicture = true},
    {.name = u"bt_prizesort", .container = u"Pic1", .left = 920, .top = 616, .width = 96, .height = 30, .visible = false, .designPicture = true},
    {.name = u"Pic_prizesort", .kind = K::PictureBox, .container = u"Pic1", .left = 560, .top = 160, .width = 264, .height = 46, .visible = false, .unit = U::Twips, .designPicture = true},
    {.name = u"Pic_chipinfo", .kind = K::PictureBox, .container = u"Pic1", .left = 624, .top = 200, .width = 416, .height = 68, .visible = false, .unit = U::Twips, .designPicture = true},
    {.name = u"lb_chipinfo", .kind = K::Label, .container = u"Pic_chipinfo", .width = 400, .height = 60, .fontSize = 18},
    {.name = u"Pic_buy", .kind = K::PictureBox, .container = u"Pic1", .left = 496, .top = 224, .width = 337, .height = 249, .visible = false, .unit = U::Twips, .designPicture = true},
    {.name = u"Txt_buy_num", .kind = K::TextBox, .container = u"Pic_buy", .width = 80, .height = 27, .fontName = kSong, .fontSize = 18},
    {.name = u"img_chzhi", .container = u"Pic_buy", .firstIndex = 1, .lastIndex = 2, .width = 95, .height = 63, .designPicture = true},
    {.name = u"Lb_buy_my", .kind = K::Label, .container = u"Pic_buy", .width = 120, .height = 20, .fontName = kSong, .fontSize = 14.25, .alignment = A::Centre},
    {.name = u"Lb_buy_all", .kind = K::Label, .container = u"Pic_buy", .width = 120, .height = 20, .fontName = kSong, .fontSize = 14.25, .alignment = A::Centre},
    {.name = u"Img_buy_close_bt", .container = u"Pic_buy", .width = 31, .height = 31, .designPicture = true},
    {.name = u"Img_buy_reduce_bt", .container = u"Pic_buy", .width = 31, .height = 31, .designPicture = true},
    {.name = u"Img_buy_add_bt", .container = u"Pic_buy", .width = 31, .height = 31, .designPicture = true},
    {.name = u"Img_buy_buy_bt", .container = u"Pic_buy", .width = 80, .height = 36, .designPicture = true},
    {.name = u"APNG_prize", .kind = K::Sprite, .container = u"Pic1", .left = 584, .top = 400, .width = 25, .height = 25, .visible = false},
    {.name = u"APNG_prizenum", .kind = K::Sprite, .container = u"Pic1", .firstIndex = 0, .lastIndex = 0, .left = 624, .top = 416, .width = 49, .height = 41, .visible = false},
    {.name = u"ImgJadeTask", .container = u"Pic1", .left = 672, .top = 400, .width = 137, .height = 37, .visible = false},
    {.name = u"ImgJadeExch", .container = u"Pic1", .left = -24, .top = 616, .width = 137, .height = 29},
    {.name = u"Pic_Jadetask", .kind = K::PictureBox, .container = u"Pic1", .left = 784, .top = 248, .width = 201, .height = 72, .visible = false, .unit = U::Twips, .designPicture = true},
    {.name = u"LbJadeprize", .kind = K::Label, .container = u"Pic_Jadetask", .width = 180, .height = 17, .text = u"翡翠任务描述"},
    {.name = u"LbJadedesk", .kind = K::Label, .container = u"Pic_Jadetask", .width = 180, .height = 17, .visible = false, .text = u"最后一张牌出单3并获胜可获得"},
    {.name = u"laJadetaskname", .kind = K::Label, .container = u"Pic_Jadetask", .width = 180, .height = 17, .visible = false, .text = u"翡翠任务名称"},
    {.name = u"APNG_Jadefinish", .kind = K::Sprite, .container = u"Pic1", .left = 720, .top = 416, .width = 65, .height = 49, .visible = false},
    {.name = u"APNG_JadeKuang", .kind = K::Sprite, .container = u"Pic1", .left = 520, .top = 392, .width = 25, .height = 25, .visible = false},
    {.name = u"APNG_JadeNum", .kind = K::Sprite, .container = u"Pic1", .firstIndex = 0, .lastIndex = 0, .left = 544, .top = 392, .width = 33, .height = 33, .visible = false},
});

constexpr auto kTimers = std::to_array<TimerDesign>({
    {.name = u"TimerBong", .intervalMs = 50},
    {.name = u"TimerKeepAlive", .intervalMs = 5000},
    {.name = u"TimerChat", .intervalMs = 800},
    {.name = u"TimerProp", .intervalMs = 50},
    {.name = u"Timer_Zoom", .intervalMs = 100},
    {.name = u"Timer_Vshow1", .intervalMs = 30},
    {.name = u"Timer_Vshow2", .intervalMs = 0},
    {.name = u"Timer_Vshow3", .intervalMs = 0},
    {.name = u"TimerShuffle", .intervalMs = 1000},
    {.name = u"Timerformer", .intervalMs = 3000},
    {.name = u"TimerMusic", .intervalMs = 500},
    {.name = u"Timer_ani", .intervalMs = 0, .enabled = true},
});

constexpr auto kLoadedArrays = std::to_array<ArrayRange>({
    {u"cardImage0", 0, 32}, {u"cardImage1", 0, 32}, {u"cardImage2", 0, 32},
    {u"cardImage3", 0, 32}, {u"Operation", 0, 4},   {u"AnNiu", 0, 8},
    {u"Tou", 0, 3},         {u"Nid", 0, 3},         {u"Cash", 0, 3},
    {u"Level", 0, 3},       {u"lbl_score", 0, 3},   {u"lbl_sort", 0, 3},
    {u"OK", 0, 3},          {u"first", 0, 3},
});
// clang-format on

} // namespace

std::span<const ControlDesign> mainFormControls() {
    return kControls;
}
std::span<const TimerDesign> mainFormTimers() {
    return kTimers;
}
std::span<const ArrayRange> mainFormLoadedArrays() {
    return kLoadedArrays;
}

} // namespace qv::table
