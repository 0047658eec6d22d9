#include "match/panels/init_match_ui.h"

#include "common/picture_resources.h"
#include "forms/color.h"
#include "forms/label.h"
#include "match/panels/panel_layout.h"
#include "match/panels/panel_pictures.h"
#include "table/main_form.h"
#include "table/table_context.h"
#include "table/table_state.h"

#include <optional>

namespace qv::match::panels {

using namespace Qt::StringLiterals;
using forms::Label;
using forms::rgb;
namespace align = forms::alignment;

namespace {

constexpr int kRows = 5;
constexpr double kRowStep = 65;
constexpr double kDetailStep = 18;
/// Labels that sit 2 pixels lower on a small screen, where their fonts come out shorter.
constexpr double kSmallScreenDrop = 2;

constexpr forms::OleColor kCaptionGold = rgb(0xFF, 0xCC, 0x32);
constexpr forms::OleColor kDetailText = rgb(0xF8, 0xCE, 0xB2);
constexpr forms::OleColor kBoxText = rgb(0xD9, 0x90, 0x4E);
constexpr forms::OleColor kRulesText = rgb(0xFF, 0xC5, 0x60);
constexpr forms::OleColor kRankingBack = rgb(0x1A, 0x0C, 0x00);
constexpr forms::OleColor kWhite = rgb(0xFF, 0xFF, 0xFF);
constexpr forms::OleColor kRed = rgb(0xFF, 0x00, 0x00);

struct ButtonLook {
    int normal;
    std::optional<int> hover;
    QString caption;
    /// The caption's size and colour; none keeps what `init` gives.
    bool ownCaptionStyle;
};

void prepareButton(controls::inode_pic& button, const ButtonLook& look) {
    button.init();
    button.setIState(0);
    button.setMouseOriPic(common::LoadGifPicture(static_cast<std::int16_t>(look.normal), u"GIF"_s));
    if (look.hover) {
        button.setMouseInPic(
            common::LoadGifPicture(static_cast<std::int16_t>(*look.hover), u"GIF"_s));
    }
    button.setICaption(look.caption);
    if (look.ownCaptionStyle) {
        button.setIFontSize(12);
        button.setIColor(kCaptionGold);
    }
    button.setTag(u"0"_s);
    button.refresh();
}

void fixedCentred(Label& label) {
    label.setAutoSize(false);
    label.setAlignment(align::kCenter);
}

/// Where the tournament button and its arrow sit on the table surface.
void placeTableButtons(table::MainForm& form, const table::TableState& table) {
    form.ImgShowMatch.move(3 * table.ScaleX, 445 * table.ScaleY);
    // The arrow's offset is not scaled.
    form.ImgOpenMatchBtn.move(form.ImgShowMatch.left() + 94, form.ImgShowMatch.top());
}

void buildTableButtons(table::MainForm& form, const table::TableState& table) {
    form.Pic_matchDetail.setVisible(false);
    form.Pic_sortDetail.setVisible(false);
    form.ImgCloseList(0).move(584, 3);
    form.ImgCloseList(1).move(584, 3);

    prepareButton(form.ImgShowMatch,
                  {picture::kShowMatch, picture::kShowMatchHover, u"Quorvale"_s, true});
    prepareButton(form.ImgShowSort, {picture::kShowSort, picture::kShowSortHover, u" "_s, false});
    placeTableButtons(form, table);
    form.ImgShowSort.move(form.ImgShowMatch.left(),
                          form.ImgShowMatch.top() + form.ImgShowMatch.height() + 2 * table.ScaleY);
    form.ImgShowMatch.setVisible(false);
    form.ImgShowSort.setVisible(false);
    form.ImgShowSort.zOrder(0);
    form.ImgShowMatch.zOrder(0);

    form.ImgMatchListName.move(5, 5);
    prepareButton(form.ImgMatchListName, {picture::kListTitle, std::nullopt, u"Quorvale"_s, true});
    form.LblServerTime.move(128, 16);
    form.LblServerTime.setCaption({});
    form.LblSortTime.move(344, 16);
    form.LblSortTime.setCaption({});
}

void buildRows(table::MainForm& form, const table::TableState& table) {
    form.ImgMatch(0).move(15, 55);
    form.ImgMatch(0).setVisible(false);
    Label& name = form.LblMathName(0);
    name.move(25, 60, 175, 25);
    fixedCentred(name);
    Label& start = form.LblMathStart(0);
    start.move(name.left() + name.width() + 2, name.top() + (name.height() - start.height()) / 2);
    Label& left = form.LblMathLeft(0);
    left.move(name.left(),
              name.top() + name.height() + (table.ScaleY < 1.0F ? kSmallScreenDrop : 0.0));
    left.setWidth(name.width());
    fixedCentred(left);
    form.LblMathNum(0).move(start.left(), left.top());

    for (int k = 1; k < kRows; ++k) {
        forms::Image& image = form.ImgMatch.load(k);
        image.zOrder(0);
        Label& rowName = form.LblMathName.load(k);
        rowName.zOrder(0);
        Label& rowStart = form.LblMathStart.load(k);
        rowStart.zOrder(0);
        Label& rowLeft = form.LblMathLeft.load(k);
        rowLeft.zOrder(0);
        Label& rowNum = form.LblMathNum.load(k);
        rowNum.zOrder(0);

        image.move(form.ImgMatch(0).left(), form.ImgMatch(k - 1).top() + kRowStep);
        fixedCentred(rowName);
        rowName.move(name.left(), form.LblMathName(k - 1).top() + kRowStep, name.width(),
                     name.height());
        rowStart.move(start.left(), form.LblMathStart(k - 1).top() + kRowStep);
        fixedCentred(rowLeft);
        rowLeft.move(left.left(), form.LblMathLeft(k - 1).top() + kRowStep, left.width());
        rowNum.move(form.LblMathNum(0).left(), form.LblMathNum(k - 1).top() + kRowStep);
    }
}

void buildDetail(table::MainForm& form, const table::TableState& table) {
    Label& name = form.LblShowName;
    name.move(377, 22, 196, 24);
    fixedCentred(name);
    static const std::array<QString, kDetailLines> kCaptions{u"开赛时间："_s, u"人数限制："_s,
                                                             u"比赛时长："_s, u"报名费用："_s};
    form.LblShowTip(0).setCaption(kCaptions[0]);
    form.LblShowTip(0).move(name.left(), 53);
    form.LblShowInfo(0).move(form.LblShowTip(0).left() + form.LblShowTip(0).width(),
                             form.LblShowTip(0).top());
    for (int k = 1; k < kDetailLines; ++k) {
        Label& tip = form.LblShowTip.load(k);
        Label& info = form.LblShowInfo.load(k);
        tip.move(form.LblShowTip(0).left(), form.LblShowTip(k - 1).top() + kDetailStep);
        tip.setCaption(kCaptions.at(static_cast<std::size_t>(k)));
        info.move(tip.left() + tip.width(), tip.top());
    }
    // The widths above are those of the captions in the window's design font.
    for (int k = 0; k < kDetailLines; ++k) {
        for (Label* label : {&form.LblShowTip(k), &form.LblShowInfo(k)}) {
            label->setForeColor(kDetailText);
            label->setFontSize(10);
            label->setFontName(kSong.toString());
        }
    }

    const double drop = table.ScaleY < 1.0F ? kSmallScreenDrop : 0.0;
    Label& note = form.LblNote;
    note.setFontName(kSong.toString());
    note.move(name.left() + 3, form.LblShowTip(3).top() + form.LblShowTip(3).height() + 20 + drop,
              name.width(), 78);
    note.setFontSize(10);
    note.setAutoSize(false);
    note.setWordWrap(true);

    form.LblPrizeTip.setCaption(u"比赛奖励："_s);
    form.LblPrizeTip.move(name.left(), note.top() + note.height() + 5);
    Label& prize = form.LblPrizeInfo(0);
    prize.setFontSize(10);
    prize.setFontName(kSong.toString());
    prize.setForeColor(kDetailText);
    prize.setCaption({});
    prize.move(name.left(), note.top() + note.height() + 9 + drop);
    prize.setAutoSize(true);

    form.LblShowLeftTime.setFontSize(18);
    form.LblShowLeftTime.move(352, 326, 265, 29);
    form.ImgSign.move(496, 360);
    form.ImgShowSign.move(464, 16);
}

void buildPagingAndRanking(table::MainForm& form) {
    form.ImgUppage(0).move(177, 372);
    form.LblshowPage(0).move(228, 376);
    form.ImgDownpage(0).move(280, 372);
    form.ImgUppage(1).move(310, 256);
    form.LblshowPage(1).move(280, 282, 50, 45);
    form.LblshowPage(1).setAlignment(align::kRight);
    form.ImgDownpage(1).move(310, 310);

    form.ListSort.setForeColor(kWhite);
    form.ListSort.setFontSize(10);
    form.ListSort.move(23, 68, 300, 320);
    form.ListSort.setBackColor(kRankingBack);

    Label& place = form.LblSortInfo(0);
    place.move(486, 80);
    place.setAutoSize(true);
    place.setForeColor(kRed);
    Label& score = form.LblSortInfo(1);
    score.move(place.left(), 130);
    score.setAutoSize(true);
    score.setForeColor(kRed);
    Label& gap = form.LblSortInfo(2);
    gap.setAutoSize(false);
    gap.move(place.left(), 185, 58, 20);
    gap.setForeColor(kRed);
    gap.setAlignment(align::kCenter);
    Label& rules = form.LblSortInfo(4);
    rules.setAutoSize(false);
    rules.move(356, 244, 241, 96);
    rules.setFontName(kSong.toString());
    rules.setFontSize(10);
    rules.setForeColor(kRulesText);
    rules.setAlignment(align::kLeft);
    rules.setWordWrap(true);
    Label& timeLeft = form.LblSortInfo(3);
    timeLeft.setAutoSize(false);
    timeLeft.move(355, 365, 240, 45);
    timeLeft.setAlignment(align::kCenter);

    // The ranking is painted over the panel's own background, which the surface keeps.
    forms::PictureBox& ranking = form.Pic_sortDetail;
    ranking.setAutoRedraw(true);
    ranking.cls();
    ranking.paintPicture(ranking.heldPicture(), 0, 0);
    form.ImgRefresh.move(560, 368);
    form.LMatchShow.setWidth(324);
    form.LMatchShow.setHeight(166);
}

void buildChampionBox(table::MainForm& form) {
    for (int n = 1; n < kBoxLabels; ++n) {
        form.LblInfoLMatch.load(n);
    }
    const forms::Image& row = form.ImgMatch(0);
    const std::array<const Label*, 3> sources{&form.LblMathName(0), &form.LblMathStart(0),
                                              &form.LblMathLeft(0)};
    for (int n = 0; n < 3; ++n) {
        const Label& source = *sources.at(static_cast<std::size_t>(n));
        Label& label = form.LblInfoLMatch(n);
        label.setAlignment(source.alignment());
        label.setAutoSize(source.autoSize());
        label.move(source.left() - row.left(), source.top() - row.top(), source.width(),
                   source.height());
        label.setFontSize(source.fontSize());
        label.setForeColor(source.foreColor());
    }
    for (int n = 3; n < kBoxLabels; ++n) {
        Label& label = form.LblInfoLMatch(n);
        label.move(96, 60 + 27 * (n - 3));
        label.setForeColor(kBoxText);
        label.setAutoSize(true);
        label.setFontSize(14);
        label.setFontName(kSong.toString());
    }
}

void resetPanels(table::MainForm& form, const table::TableState& table) {
    placeTableButtons(form, table);
    form.ImgOpenMatchBtn.setVisible(false);
    form.ImgOpenMatchBtn.setEnabled(false);

    form.LMatchShow.setVisible(false);
    for (Label* label : form.LblInfoLMatch.elements()) {
        label->setCaption({});
        label->setVisible(false);
    }

    for (forms::Image* arrow : {&form.ImgUppage(1), &form.ImgDownpage(1)}) {
        arrow->setEnabled(false);
        arrow->setVisible(false);
    }
    form.LblshowPage(1).setCaption({});
    form.LblshowPage(1).setVisible(false);
    form.ImgSign.setVisible(false);
    form.ImgShowSign.setVisible(false);

    form.ImgUppage(0).setEnabled(false);
    form.ImgDownpage(0).setEnabled(false);
    ShowButtonPicture(form.ImgUppage(0), picture::kListUpOff, u"0"_s);
    ShowButtonPicture(form.ImgDownpage(0), picture::kListDownOff, u"0"_s);
    form.LblshowPage(0).setCaption(u"1/1"_s);
    ShowButtonPicture(form.ImgUppage(1), picture::kSortUp, u"0"_s);
    ShowButtonPicture(form.ImgDownpage(1), picture::kSortDown, u"0"_s);
    form.LblshowPage(1).setCaption(u"1/1"_s);

    ShowButtonPicture(form.ImgCloseList(0), picture::kClose, u"0"_s);
    ShowButtonPicture(form.ImgCloseList(1), picture::kClose, u"0"_s);

    form.LblSortInfo(0).setTag({});
    form.ImgMatchListName.setVisible(true);

    for (int k = 0; k < kRows; ++k) {
        form.LblMathName(k).setTag({});
        for (Label* label : {&form.LblMathName(k), &form.LblMathStart(k), &form.LblMathLeft(k),
                             &form.LblMathNum(k)}) {
            label->setCaption({});
        }
        ShowButtonPicture(form.ImgMatch(k), picture::kRow, u"0"_s);
    }

    form.LblShowName.setCaption({});
    for (int k = 0; k < kDetailLines; ++k) {
        form.LblShowTip(k).setVisible(false);
        form.LblShowInfo(k).setCaption({});
    }

    for (Label* label : form.LblPrizeInfo.elements()) {
        label->setCaption({});
        label->setVisible(false);
    }
    form.LblPrizeTip.setVisible(false);
    form.LblNote.setCaption({});
    form.LblShowLeftTime.setCaption({});
    form.Pic_matchDetail.setTag({});

    form.ListSort.setVisible(false);
    form.ListSort.clear();
    form.ListSort.setTag({});
    for (int k = 0; k <= 4; ++k) {
        form.LblSortInfo(k).setCaption({});
    }

    ShowButtonPicture(form.ImgRefresh, picture::kRefreshOff, u"2"_s);
    form.ImgRefresh.setEnabled(false);
    form.ImgRefresh.setVisible(false);

    form.moveWord1.move(156 * table.ScaleX, 97 * table.ScaleY, 728 * table.ScaleX,
                        25 * table.ScaleY);
    form.moveWord1.setFontSize(table.ScaleX >= 1.0F ? 12 : 10);
}

} // namespace

void initMatchUI(table::MainForm& form) {
    const table::TableState& table = form.context().state;
    // The row array is grown by the first run only, so its size tells whether this is it.
    if (form.ImgMatch.count() == 1) {
        buildTableButtons(form, table);
        buildRows(form, table);
        buildDetail(form, table);
        buildPagingAndRanking(form);
        buildChampionBox(form);
    }
    resetPanels(form, table);
}

} // namespace qv::match::panels
