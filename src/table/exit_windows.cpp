#include "table/exit_windows.h"

#include "table/window_pictures.h"

namespace qv::table {
namespace {

constexpr double kExitWidthPx = 320;
constexpr double kExitHeightPx = 180;
/// Both notices are translucent.
constexpr int kExitOpacity = 200;

void designDialog(forms::Form& form) {
    form.setCaption(u"退出"_s);
    form.setBorderStyle(0);
    form.move(form.left(), form.top(), kExitWidthPx * forms::kTwipsPerPixel,
              kExitHeightPx * forms::kTwipsPerPixel);
    form.setOpacity(kExitOpacity);
    const WindowPictures pictures(form.name());
    form.setPicture(pictures.stored(u"background"_s, -1));
    forms::applyDesign(form.design(), pictures);
}

} // namespace

frmExit::frmExit(forms::FormHost& host) : forms::Form(host, u"frmExit"_s) {
    designDialog(*this);
}

frmOtherExit::frmOtherExit(forms::FormHost& host) : forms::Form(host, u"frmOtherExit"_s) {
    designDialog(*this);
}

void CentreOver(forms::Form& form, const forms::Form& over) {
    form.setTop(over.top() + (over.height() - form.height()) / 2);
    form.setLeft(over.left() + (over.width() - form.width()) / 2);
}

} // namespace qv::table
