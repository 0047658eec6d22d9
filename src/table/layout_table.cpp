#include "table/layout_table.h"

#include "common/picture_tables.h"
#include "table/main_form.h"
#include "table/table_context.h"
#include "table/table_pictures.h"
#include "table/table_state.h"

namespace qv::table {

namespace {

constexpr int kHandCards = 33;
constexpr int kFlyingCards = 11;
constexpr double kFormFontSize = 10;
constexpr double kSmallCountdownFont = 12;
constexpr double kWealthFont = 18;

/// Normal picture of play control `i` in `OperationRes`: play, hint and pass have three
/// pictures each, sort and previous trick two.
int playControlPicture(const TableContext& context, int i) {
    const int element = i < 3 ? 3 * i : 2 * i + 3;
    return context.imageRes.OperationRes.at(static_cast<std::size_t>(element)).toInt();
}

void layoutCountdown(MainForm& form, float sx, float sy) {
    form.Time_Img.setWidth(81 * sx);
    form.Time_Img.setHeight(38 * sy);
    form.Time_Img.setLeft(920 * sx);
    form.Time_Img.setTop(668 * sy + 90 * sy + 20 * sy);
    form.Number.setWidth(24 * sx);
    form.Number.setHeight(24 * sy);
    form.Number.setLeft(form.Time_Img.left() + 48 * sx);
    form.Number.setTop(form.Time_Img.top() + 5 * sy);
    if (sx < 1.0F) {
        form.Time_Img.setLeft(920 * sx);
        form.Number.setFontSize(kSmallCountdownFont);
        // The digits sit on the clock at every scale, where the turn handling puts them.
        form.Number.setLeft(form.Time_Img.left() + 48 * sx);
    }
}

void layoutPlayControls(MainForm& form, float sx, float sy, double tableWidth) {
    TableContext& context = form.context();
    LoadTablePicture(playControlPicture(context, 0), form.Operation(0));
    for (int i = 1; i <= 4; ++i) {
        form.Operation.load(i);
    }
    const bool fullScale = sx == 1.0F;
    for (int i = 0; i <= 4; ++i) {
        Image& button = form.Operation(i);
        context.state.OperationHover[static_cast<std::size_t>(i)] = false;
        const bool rowButton = i <= 2;
        if (fullScale) {
            button.setWidth((rowButton ? 60 : 62) * sx);
            button.setHeight((rowButton ? 40 : 25) * sy);
        } else {
            button.setWidth((rowButton ? 65 : 70) * sx);
            button.setHeight((rowButton ? 45 : 30) * sy);
        }
        if (i > 0) {
            LoadTablePicture(playControlPicture(context, i), button);
        }
        if (!rowButton) {
            button.setTop(form.imgLocation.top() - (i - 2) * button.height());
            button.setLeft(tableWidth - button.width() - 10);
        }
        button.setEnabled(false);
        button.setVisible(false);
    }
    Image& play = form.Operation(0);
    Image& hint = form.Operation(1);
    Image& pass = form.Operation(2);
    pass.setTop(470 * sx);
    pass.setLeft(tableWidth / 2 + 0.8 * pass.width());
    hint.setTop(pass.top());
    hint.setLeft(tableWidth / 2 - 0.5 * hint.width());
    play.setTop(pass.top());
    play.setLeft(tableWidth / 2 - 1.8 * play.width());
}

void layoutCardArrays(MainForm& form, float sx, float sy) {
    for (int i = 1; i < kHandCards; ++i) {
        form.cardImage0.load(i);
        form.cardImage1.load(i);
        form.cardImage2.load(i);
        form.cardImage3.load(i);
    }
    for (int i = 0; i < kHandCards; ++i) {
        for (ControlArray<Image>* played : {&form.cardImage1, &form.cardImage2, &form.cardImage3}) {
            Image& card = (*played)(i);
            card.setWidth(80 * sx);
            card.setHeight(108 * sy);
            card.setVisible(false);
        }
    }
}

void layoutCall(MainForm& form, float sx, float sy, double tableWidth) {
    Image& called = form.ImgJiaopai(0);
    if (sx == 1.0F) {
        called.setWidth(45 * sx);
        called.setHeight(60 * sx);
    } else {
        called.setWidth(55 * sx);
        called.setHeight(70 * sx);
    }
    called.setVisible(false);
    called.setStretch(true);

    Image& call = form.btnJiaopai(0);
    call.setWidth(66 * sx);
    call.setHeight(38 * sy);
    call.setEnabled(false);
    call.setVisible(false);
    call.setStretch(true);
    call.setTop(470 * sx);
    call.setLeft(tableWidth / 2 - 0.5 * call.width());
}

void layoutSpeechBubbles(MainForm& form, float sx, float sy) {
    form.Speak(0).setTop(513 * sy);
    form.Speak(0).setLeft(94 * sx);
    form.Speak(1).setTop(280 * sy);
    form.Speak(1).setLeft(8 * sx);
    const Image& opposite = form.Tou(2);
    form.Speak(2).setTop(opposite.top() + opposite.height() + 35 * sy);
    form.Speak(2).setLeft(opposite.left() + 1.2 * opposite.width());
    form.Speak(3).setTop(280 * sy);
    form.Speak(3).setLeft(886 * sx);
    for (int i = 0; i < 4; ++i) {
        form.Speak(i).setVisible(false);
    }
}

void layoutTicker(MainForm& form, float sx, float sy) {
    ListBox& older = form.Sysmsg(0);
    ListBox& newer = form.Sysmsg(1);
    if (sx < 1.0F) {
        older.setHeight((26 * sy + 4) / 2);
        older.setTop(696 * sy - 2);
        form.Lbchat.setHeight(33 * sy);
        form.Lbchat.setWidth(25 * sx);
        form.Lbchat.setTop(695 * sy);
        form.Lbchat.setLeft(594 * sx);
    } else {
        older.setHeight(13);
        older.setTop(696);
        form.Lbchat.setHeight(33);
        form.Lbchat.setWidth(25);
        form.Lbchat.setTop(695);
        form.Lbchat.setLeft(594);
    }
    newer.setHeight(older.height());
    newer.setTop(older.top() + older.height());
    older.setWidth(281 * sx);
    older.setLeft(312 * sx);
    newer.setWidth(older.width());
    newer.setLeft(older.left());
    older.setVisible(true);
    newer.setVisible(true);
}

void layoutBanner(MainForm& form, float sx, float sy) {
    form.Bird.setWidth(82 * sx);
    form.Bird.setHeight(80 * sy);
    form.Bird.setLeft(936 * sx);
    form.Bird.setTop(680 * sy);
    form.Bird.setVisible(true);
    form.Bird.zOrder(0);
    form.WebBrowser1.setVisible(false);
    form.WebBrowser1.setTop(form.Bird.top() + 2);
    form.WebBrowser1.setLeft(form.Bird.left() + 2);
    form.WebBrowser1.setWidth(82 * sx);
    form.WebBrowser1.setHeight(80 * sy);
}

void layoutWealthAndTexts(MainForm& form, float sx, float sy) {
    const bool small = sx < 1.0F;
    const Image& avatar = form.Tou(0);
    form.Proponeself.setTop(avatar.top() - 10);
    form.Proponeself.setLeft(avatar.left() - 10);
    form.Proponeself.setHeight(avatar.height() + 28);
    form.Proponeself.setWidth(avatar.width() + 15);
    form.Proponeself.setEnabled(true);
    form.Proponeself.zOrder(0);

    form.Imgwealth.setLeft(0);
    form.Imgwealth.setTop((small ? 533 : 530) * sy);
    form.Imgwealth.zOrder(0);
    form.Imgwealth.setVisible(false);
    form.lbwealth.setLeft((small ? 55 : 61) * sx);
    form.lbwealth.setFontSize(kWealthFont);
    form.lbwealth.setTop(521 * sy);
    form.lbwealth.zOrder(0);
    form.lbwealth.setVisible(false);

    const float tops[] = {280, 312, 344};
    for (int i = 0; i < 3; ++i) {
        Label& text = form.lbfont(i);
        text.setVisible(false);
        text.setTop(tops[i] * sy);
        text.setLeft(small ? 424 * sx - 10 : 424 * sx);
    }
}

} // namespace

void LayoutTable(MainForm& form) {
    TableState& table = form.context().state;
    const float sx = table.ScaleX;
    const float sy = table.ScaleY;
    const double tableWidth = form.Pic1.width() / kTwipsPerPixel;

    for (int i = 0; i < kFlyingCards; ++i) {
        Image& card = form.imgCardMove(i);
        card.setWidth(80 * sx);
        card.setHeight(108 * sy);
        card.setVisible(false);
        card.setStretch(true);
    }
    layoutCountdown(form, sx, sy);
    layoutPlayControls(form, sx, sy, tableWidth);
    layoutCardArrays(form, sx, sy);
    table.HandBackSize1 = {108, 200, 240, 200, 240, 200, 240, 200};
    table.HandBackSize2 = {146, 126, 220, 175, 220, 175, 220, 175};
    table.HandBackSize3 = {216, 200, 240, 200, 240, 200, 240, 200};
    layoutCall(form, sx, sy, tableWidth);
    layoutSpeechBubbles(form, sx, sy);
    layoutTicker(form, sx, sy);
    form.setFontSize(kFormFontSize);
    form.Chat.setVisible(true);
    form.Chat.setHeight(33 * sy);
    form.Chat.setWidth(250 * sx);
    form.Chat.setLeft(312 * sx);
    form.Chat.setTop(732 * sy);
    layoutBanner(form, sx, sy);
    layoutWealthAndTexts(form, sx, sy);
    table.SeatWealth = {};
}

} // namespace qv::table
