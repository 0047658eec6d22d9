#pragma once

#include "forms/control_array.h"
#include "forms/form.h"
#include "forms/image.h"
#include "forms/label.h"
#include "forms/list_box.h"
#include "forms/picture_box.h"
#include "forms/text_box.h"
#include "forms/timer.h"
#include "table/screen_fit.h"
#include "table/spread_control_array.h"
#include "table/stand_in_controls.h"

#include <functional>

namespace qv::table {

struct TableContext;

using namespace Qt::StringLiterals;
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
/// screen. Other parts of the client set its controls directly by name.
class MainForm : public forms::Form {
public:
    MainForm(forms::FormHost& host, TableContext& context);

    // The window frame (on the window itself, in twips).
    PictureBox Pic1{*this, u"Pic1"_s};
    PictureBox pic3{*this, u"pic3"_s};
    PictureBox pic4{*this, u"pic4"_s};
    Image Skin{*this, u"Skin"_s};
    Image ImgIcon{*this, u"ImgIcon"_s};
    Label lcaption{*this, u"lcaption"_s};
    Label LbMove{*this, u"LbMove"_s};
    ControlArray<Image> ImgClose{*this, u"ImgClose"_s, {0, 1, 2, 3}};
    ControlArray<Image> ImgMin{*this, u"ImgMin"_s, {0, 1, 2, 3}};

    // Table decoration, banner and seat change.
    Image imgDinglan{Pic1, u"imgDinglan"_s};
    Image imgDilan{Pic1, u"imgDilan"_s};
    PictureBox Pic2{Pic1, u"Pic2"_s};
    Image imgLocation{Pic1, u"imgLocation"_s};
    Label Location{Pic1, u"Location"_s};
    Image Bird{Pic1, u"Bird"_s};
    WebBrowserStandIn WebBrowser1{Pic1, u"WebBrowser1"_s};
    WebBrowserStandIn WebBrowser2{Pic1, u"WebBrowser2"_s};
    Label LblShuffle{Pic1, u"LblShuffle"_s};
    Image ImgShuffle{Pic1, u"ImgShuffle"_s};

    // Seats, indexed by the relative seat (0 the player).
    ControlArray<Image> Tou{Pic1, u"Tou"_s};
    ControlArray<Label> Nid{Pic1, u"Nid"_s};
    ControlArray<Label> Cash{Pic1, u"Cash"_s};
    ControlArray<Label> Level{Pic1, u"Level"_s};
    ControlArray<Label> lbl_score{Pic1, u"lbl_score"_s};
    ControlArray<Label> lbl_sort{Pic1, u"lbl_sort"_s};
    ControlArray<Image> img_vip{Pic1, u"img_vip"_s, {0, 1, 2, 3}};
    ControlArray<Image> OK{Pic1, u"OK"_s};
    ControlArray<Image> first{Pic1, u"first"_s};
    ControlArray<Image> Speak{Pic1, u"Speak"_s, {0, 1, 2, 3}};
    ControlArray<AniGifStandIn> ucAni_BBQS{Pic1, u"ucAni_BBQS"_s, {0, 1, 2, 3}};
    ControlArray<Image> shanImage{Pic1, u"shanImage"_s, {0, 1, 2}};
    ControlArray<Image> cardImage1{Pic1, u"cardImage1"_s};
    ControlArray<Image> cardImage2{Pic1, u"cardImage2"_s};
    ControlArray<Image> cardImage3{Pic1, u"cardImage3"_s};
    ControlArray<Image> ImgKuang{Pic1, u"ImgKuang"_s, {1, 2, 3}};
    ControlArray<Image> ImgShow{Pic1, u"ImgShow"_s, {1, 2, 3}};
    ControlArray<PictureBox> PicLocal{Pic1, u"PicLocal"_s, {0, 1, 2, 3}};
    SpreadControlArray<Image> ImCmd{u"ImCmd"_s, videoCommandSlots()};
    TextBox Tiplbl{Pic1, u"Tiplbl"_s};
    Label Proponeself{Pic1, u"Proponeself"_s};
    Image Bank{Pic1, u"Bank"_s};

    // Own hand, play and countdown.
    ControlArray<Image> cardImage0{Pic1, u"cardImage0"_s};
    ControlArray<Image> imgCardMove{Pic1, u"imgCardMove"_s, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10}};
    Image imgFaPai{Pic1, u"imgFaPai"_s};
    ControlArray<Image> Operation{Pic1, u"Operation"_s};
    ControlArray<Image> btnJiaopai{Pic1, u"btnJiaopai"_s};
    ControlArray<Image> ImgJiaopai{Pic1, u"ImgJiaopai"_s};
    Image imgDizhu{Pic1, u"imgDizhu"_s};
    Image imgBaopai{Pic1, u"imgBaopai"_s};
    Image words{Pic1, u"words"_s};
    Image Time_Img{Pic1, u"Time_Img"_s};
    Label Number{Pic1, u"Number"_s};
    ControlArray<Image> Picture_ani{Pic1, u"Picture_ani"_s, {0, 1, 2}};
    ControlArray<Label> lbfont{Pic1, u"lbfont"_s, {0, 1, 2}};
    Image Imgwealth{Pic1, u"Imgwealth"_s};
    Label lbwealth{Pic1, u"lbwealth"_s};
    ControlArray<Image> AnNiu{Pic1, u"AnNiu"_s};

    // Chat and notices.
    TextBox Chat{Pic1, u"Chat"_s};
    Label Lbchat{Pic1, u"Lbchat"_s};
    /// The two-line system ticker: (0) the older notice, (1) the newest.
    ControlArray<ListBox> Sysmsg{Pic1, u"Sysmsg"_s, {0, 1}};
    Image imgword1{Pic1, u"imgword1"_s};
    Image imgword2{Pic1, u"imgword2"_s};
    Label LbProp{Pic1, u"LbProp"_s};
    ControlArray<Image> ImgProp{Pic1, u"ImgProp"_s};

    // Tournaments.
    PictureBox pic_matchinfo{Pic1, u"pic_matchinfo"_s};
    ControlArray<Label> lbl_matchinfo{pic_matchinfo, u"lbl_matchinfo"_s, {0, 1, 2}};
    Label lbl_matchtime{Pic1, u"lbl_matchtime"_s};
    PictureButtonStandIn ImgShowMatch{Pic1, u"ImgShowMatch"_s};
    PictureButtonStandIn ImgShowSort{Pic1, u"ImgShowSort"_s};
    Image ImgOpenMatchBtn{Pic1, u"ImgOpenMatchBtn"_s};
    BannerStandIn moveWord1{Pic1, u"moveWord1"_s};
    PictureBox Pic_matchDetail{Pic1, u"Pic_matchDetail"_s};
    PictureButtonStandIn ImgMatchListName{Pic_matchDetail, u"ImgMatchListName"_s};
    PictureBox LMatchShow{Pic_matchDetail, u"LMatchShow"_s};
    ControlArray<Label> LblInfoLMatch{LMatchShow, u"LblInfoLMatch"_s};
    ControlArray<Label> LblPrizeInfo{Pic_matchDetail, u"LblPrizeInfo"_s};
    Label LblPrizeTip{Pic_matchDetail, u"LblPrizeTip"_s};
    Label LblNote{Pic_matchDetail, u"LblNote"_s};
    ControlArray<Label> LblShowInfo{Pic_matchDetail, u"LblShowInfo"_s};
    ControlArray<Label> LblShowTip{Pic_matchDetail, u"LblShowTip"_s};
    Label LblShowName{Pic_matchDetail, u"LblShowName"_s};
    ControlArray<Label> LblMathNum{Pic_matchDetail, u"LblMathNum"_s};
    ControlArray<Label> LblMathLeft{Pic_matchDetail, u"LblMathLeft"_s};
    ControlArray<Label> LblMathStart{Pic_matchDetail, u"LblMathStart"_s};
    ControlArray<Label> LblMathName{Pic_matchDetail, u"LblMathName"_s};
    ControlArray<Image> ImgMatch{Pic_matchDetail, u"ImgMatch"_s};
    Image ImgShowSign{Pic_matchDetail, u"ImgShowSign"_s};
    Image ImgSign{Pic_matchDetail, u"ImgSign"_s};
    Label LblShowLeftTime{Pic_matchDetail, u"LblShowLeftTime"_s};
    Label LblServerTime{Pic_matchDetail, u"LblServerTime"_s};
    PictureBox Pic_sortDetail{Pic1, u"Pic_sortDetail"_s};
    ListBox ListSort{Pic_sortDetail, u"ListSort"_s};
    Label LblSortTime{Pic_sortDetail, u"LblSortTime"_s};
    Image ImgRefresh{Pic_sortDetail, u"ImgRefresh"_s};
    ControlArray<Label> LblSortInfo{Pic_sortDetail, u"LblSortInfo"_s, {0, 1, 2, 3, 4}};
    // Element 0 of each in the match panel, element 1 in the ranking panel.
    SpreadControlArray<Image> ImgCloseList{u"ImgCloseList"_s, panelSlots()};
    SpreadControlArray<Image> ImgUppage{u"ImgUppage"_s, panelSlots()};
    SpreadControlArray<Image> ImgDownpage{u"ImgDownpage"_s, panelSlots()};
    SpreadControlArray<Label> LblshowPage{u"LblshowPage"_s, panelSlots()};

    // Prizes, chips, shop and jade tasks.
    PictureBox Pic_prize{Pic1, u"Pic_prize"_s};
    TextBox Txt_chip{Pic_prize, u"Txt_chip"_s};
    Label Lb_mysmoke{Pic_prize, u"Lb_mysmoke"_s};
    Image Img_add_bt{Pic_prize, u"Img_add_bt"_s};
    Image Img_reduce_bt{Pic_prize, u"Img_reduce_bt"_s};
    Image Img_chip_bt{Pic_prize, u"Img_chip_bt"_s};
    Image Img_buy_bt{Pic_prize, u"Img_buy_bt"_s};
    ControlArray<Label> Lb_prize{Pic_prize, u"Lb_prize"_s, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}};
    Image Img_yan{Pic_prize, u"Img_yan"_s};
    Image bt_prizesort{Pic1, u"bt_prizesort"_s};
    PictureBox Pic_prizesort{Pic1, u"Pic_prizesort"_s};
    PictureBox Pic_chipinfo{Pic1, u"Pic_chipinfo"_s};
    Label lb_chipinfo{Pic_chipinfo, u"lb_chipinfo"_s};
    PictureBox Pic_buy{Pic1, u"Pic_buy"_s};
    TextBox Txt_buy_num{Pic_buy, u"Txt_buy_num"_s};
    ControlArray<Image> img_chzhi{Pic_buy, u"img_chzhi"_s, {1, 2}};
    Label Lb_buy_my{Pic_buy, u"Lb_buy_my"_s};
    Label Lb_buy_all{Pic_buy, u"Lb_buy_all"_s};
    Image Img_buy_close_bt{Pic_buy, u"Img_buy_close_bt"_s};
    Image Img_buy_reduce_bt{Pic_buy, u"Img_buy_reduce_bt"_s};
    Image Img_buy_add_bt{Pic_buy, u"Img_buy_add_bt"_s};
    Image Img_buy_buy_bt{Pic_buy, u"Img_buy_buy_bt"_s};
    SpriteStandIn APNG_prize{Pic1, u"APNG_prize"_s};
    ControlArray<SpriteStandIn> APNG_prizenum{Pic1, u"APNG_prizenum"_s};
    Image ImgJadeTask{Pic1, u"ImgJadeTask"_s};
    Image ImgJadeExch{Pic1, u"ImgJadeExch"_s};
    PictureBox Pic_Jadetask{Pic1, u"Pic_Jadetask"_s};
    Label LbJadeprize{Pic_Jadetask, u"LbJadeprize"_s};
    Label LbJadedesk{Pic_Jadetask, u"LbJadedesk"_s};
    Label laJadetaskname{Pic_Jadetask, u"laJadetaskname"_s};
    SpriteStandIn APNG_Jadefinish{Pic1, u"APNG_Jadefinish"_s};
    SpriteStandIn APNG_JadeKuang{Pic1, u"APNG_JadeKuang"_s};
    ControlArray<SpriteStandIn> APNG_JadeNum{Pic1, u"APNG_JadeNum"_s};

    // Timers.
    Timer TimerBong{Pic1, u"TimerBong"_s};
    Timer TimerKeepAlive{Pic1, u"TimerKeepAlive"_s};
    Timer TimerChat{Pic1, u"TimerChat"_s};
    Timer TimerProp{Pic1, u"TimerProp"_s};
    Timer Timer_Zoom{Pic1, u"Timer_Zoom"_s};
    Timer Timer_Vshow1{Pic1, u"Timer_Vshow1"_s};
    Timer Timer_Vshow2{Pic1, u"Timer_Vshow2"_s};
    Timer Timer_Vshow3{Pic1, u"Timer_Vshow3"_s};
    Timer TimerShuffle{Pic1, u"TimerShuffle"_s};
    Timer Timerformer{Pic1, u"Timerformer"_s};
    Timer TimerMusic{Pic1, u"TimerMusic"_s};
    Timer Timer_ani{Pic1, u"Timer_ani"_s};

    /// Both drawn title-bar buttons show their normal pictures.
    bool ChromeAtRest = true;

    /// The start-up steps of other parts of the client, run by `Form_Load`.
    FormLoadHooks loadHooks;
    FormResizeHooks resizeHooks;

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
    [[nodiscard]] std::vector<std::pair<forms::Container*, int>> videoCommandSlots() const;
    [[nodiscard]] std::vector<std::pair<forms::Container*, int>> panelSlots();
    TableContext* context_;
};

/// Teaches `host` to make the table window on `context`.
void registerTableForms(forms::FormHost& host, TableContext& context);

} // namespace qv::table
