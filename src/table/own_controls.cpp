#include "table/own_controls.h"

#include "common/picture_resources.h"
#include "table/main_form.h"
#include "table/play_hovers.h"
#include "table/seat_popup.h"
#include "table/table_context.h"
#include "table/table_hovers.h"
#include "table/table_state.h"
#include "table/web_views.h"

namespace qv::table {

using namespace Qt::StringLiterals;

namespace {

/// Caption colour of the picture buttons: red 255, green 204, blue 50.
constexpr forms::OleColor kButtonCaptionColor = 3329279;

void setUpButton(controls::inode_pic& button, int normal, int hover, const QString& caption) {
    button.init();
    button.setIState(0);
    button.setMouseOriPic(common::LoadGifPicture(static_cast<std::int16_t>(normal), u"GIF"_s));
    if (hover != 0) {
        button.setMouseInPic(common::LoadGifPicture(static_cast<std::int16_t>(hover), u"GIF"_s));
    }
    // The size is stored before the caption, whose store draws it, so that the caption is drawn
    // in one size only and no font is loaded for the other.
    button.setIFontSize(12);
    button.setICaption(caption);
    button.setIColor(kButtonCaptionColor);
    button.setTag(u"0"_s);
    button.refresh();
}

SeatDetail detailAt(MainForm& form, int seat) {
    return form.seatHooks.detail ? form.seatHooks.detail(seat) : SeatDetail{};
}

} // namespace

void SetUpOwnControls(MainForm& form) {
    setUpButton(form.ImgShowMatch, 1510, 1511, u"Quorvale"_s);
    setUpButton(form.ImgShowSort, 1512, 1513, u" "_s);
    setUpButton(form.ImgMatchListName, 1520, 0, u"Quorvale"_s);
    PlaceBanner(form);
}

void PlaceBanner(MainForm& form) {
    const TableState& table = form.context().state;
    form.moveWord1.move(156 * table.ScaleX, 97 * table.ScaleY, 728 * table.ScaleX,
                        25 * table.ScaleY);
    form.moveWord1.setFontSize(table.ScaleX >= 1.0F ? 12 : 10);
}

void wireSeatsAndDecoration(MainForm& form) {
    const auto seatMove = [&form](int index, int, int, double, double) {
        Tou_MouseMove(form, index, detailAt(form, index));
    };
    form.Tou.events.mouseMove = seatMove;
    form.Nid.events.mouseMove = seatMove;
    form.Cash.events.mouseMove = seatMove;
    form.Level.events.mouseMove = seatMove;
    form.Bank.events.mouseMove = [&form](int, int, double, double) {
        Bank_MouseMove(form);
    };
    form.imgLocation.events.mouseMove = [&form](int, int, double, double) {
        imgLocation_MouseMove(form);
    };
    form.Imgwealth.events.mouseMove = [&form](int, int, double, double) {
        Imgwealth_MouseMove(form);
    };
    form.lbwealth.events.mouseMove = form.Imgwealth.events.mouseMove;
    form.imgDilan.events.mouseMove = [&form](int, int, double, double) {
        imgDilan_MouseMove(form);
    };
    form.imgDinglan.events.mouseMove = [&form](int, int, double, double) {
        imgDinglan_MouseMove(form);
    };
    form.img_vip.events.click = [&form](int index) {
        img_vip_Click(form, index);
    };
    form.Pic1.events.mouseMove = [&form](int, int, double, double) {
        ResetTableHovers(form);
        form.ImgShowMatch.MouseOut();
        form.ImgShowSort.MouseOut();
        HideInformation(form);
    };
    form.Operation.events.mouseMove = [&form](int index, int, int, double, double) {
        Operation_MouseMove(form, index);
    };
    form.btnJiaopai.events.mouseMove = [&form](int index, int, int, double, double) {
        btnJiaopai_MouseMove(form, index);
    };
    form.Pic_matchDetail.events.mouseMove = [&form](int, int, double, double) {
        form.ImgMatchListName.MouseOut();
    };
    wireWebViews(form);
}

} // namespace qv::table
