#include "table/banker_mark.h"

#include "common/picture_resources.h"
#include "common/picture_tables.h"
#include "plugin/plugin.h"
#include "table/main_form.h"
#include "table/table_context.h"
#include "table/table_state.h"

namespace qv::table {

void PlaceClock(MainForm& form, int seat) {
    const TableState& state = form.context().state;
    const float sx = state.ScaleX;
    const float sy = state.ScaleY;
    Image& clock = form.Time_Img;
    switch (seat) {
    case 0:
        clock.move(875 * sx, 550 * sy);
        break;
    case 1:
        clock.move(0.2 * clock.width(), 210 * sy);
        break;
    case 2:
        if (sx == 1.0F) {
            clock.move(600, 110);
        } else {
            clock.move(450, 85);
        }
        break;
    default: {
        const Image& frame = form.imgBaopai;
        clock.move(form.Pic1.width() / kTwipsPerPixel - frame.width() - clock.width(),
                   frame.top() + frame.height() - clock.height());
        break;
    }
    }
    form.Number.move(clock.left() + 48 * sx, clock.top() + 5 * sy);
}

void PlaceBankerMark(MainForm& form, int bankerSeat) {
    const TableState& state = form.context().state;
    const float sx = state.ScaleX;
    const float sy = state.ScaleY;
    Image& mark = form.imgDizhu;
    switch (bankerSeat) {
    case 0:
        mark.move(10, form.imgDilan.top() - 80 * sx);
        break;
    case 1:
        mark.move(30 * sx, 110 * sy);
        break;
    case 2:
        mark.move(350 * sx, 110 * sy);
        break;
    default:
        mark.move(850 * sx, 110 * sy);
        break;
    }
    PlaceClock(form, bankerSeat);
}

void ShowCallButton(MainForm& form) {
    TableContext& context = form.context();
    Image& call = form.btnJiaopai(0);
    common::LoadGifResAt(static_cast<std::int16_t>(context.imageRes.JiaopaiRes[0].toInt()),
                         u"GIF"_s, QString(), call, 0, context.imageRes.BtnValue, std::nullopt,
                         485 * context.state.ScaleX);
    call.setEnabled(true);
    call.setVisible(true);
}

void ShowBankerClock(MainForm& form, int seconds) {
    form.Number.setForeColor(kGreen);
    form.Number.setCaption(QString::number(seconds));
    for (forms::Control* control :
         std::initializer_list<forms::Control*>{&form.Time_Img, &form.Number, &form.imgDizhu}) {
        control->setVisible(true);
        control->zOrder(0);
    }
    form.imgBaopai.setVisible(true);
    form.imgBaopai.zOrder(0);
}

} // namespace qv::table
