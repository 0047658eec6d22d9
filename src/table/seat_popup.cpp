#include "table/seat_popup.h"

#include "forms/form_host.h"
#include "table/main_form.h"
#include "table/table_context.h"
#include "table/table_state.h"
#include "table/window_pictures.h"

#include <cmath>

namespace qv::table {

using namespace Qt::StringLiterals;

namespace {

constexpr int kFields = 9;

/// The Double as the runtime turns it into text: its shortest form, up to 15 digits.
QString numberText(double value) {
    return QString::number(value, 'g', 15);
}

} // namespace

Information::Information(forms::FormHost& host) : forms::Form(host, u"Information"_s) {
    setBorderStyle(0);
    applyWindowDesign(*this);
    events.load = [this] {
        Form_Load();
    };
}

void Information::Form_Load() {
    for (int i = 0; i < kFields; ++i) {
        forms::Label& label = Inf(i);
        label.setAutoSize(true);
        label.setFontSize(10);
        label.setBackStyle(0);
    }
}

void Tou_MouseMove(MainForm& form, int index, const SeatDetail& detail) {
    Information& popup = form.host().get<Information>();
    if (popup.visible() || detail.username.isEmpty()) {
        return;
    }
    const double width = form.width();
    const double height = form.height();
    if (index == 0) {
        double top = form.Pic1.top() + form.top() + height * 0.42;
        if (form.context().state.ScaleX < 1) {
            top = height * 0.3;
        }
        popup.move(form.Pic1.left() + form.left(), top);
    } else {
        const auto third = std::lrint((index - 1) * width) / 3;
        popup.move(form.Pic1.left() + form.left() + static_cast<double>(third),
                   form.Pic1.top() + form.top() + height * 0.11);
    }
    popup.Inf(0).setCaption(detail.username);
    popup.Inf(1).setCaption(detail.sex == 0 ? u"女"_s : u"男"_s);
    popup.Inf(2).setCaption(detail.location);
    popup.Inf(3).setCaption(numberText(detail.score));
    // A level outside the names shows nothing rather than the previous seat's name.
    popup.Inf(4).setCaption(detail.membership);
    popup.Inf(5).setCaption(QString::number(detail.logins));
    popup.Inf(6).setCaption(QString::number(detail.disconnects));
    popup.Inf(7).setCaption(QString::number(detail.wins));
    popup.Inf(8).setCaption(QString::number(detail.losses));
    popup.show();
}

void HideInformation(MainForm& form) {
    if (Information* popup = form.host().find<Information>();
        popup != nullptr && popup->visible()) {
        popup->hide();
    }
}

} // namespace qv::table
