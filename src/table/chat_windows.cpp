#include "table/chat_windows.h"

#include "table/window_pictures.h"

namespace qv::table {

namespace {

// Both windows are 317 x 170 pixels, filled by their background pictures.
constexpr double kWidthTwips = 4755;
constexpr double kHeightTwips = 2550;

void frame(forms::Form& window, const WindowPictures& pictures) {
    window.setBorderStyle(0);
    window.move(window.left(), window.top(), kWidthTwips, kHeightTwips);
    window.setPicture(pictures.stored(u"background"_s, -1));
}

} // namespace

Talk::Talk(forms::FormHost& host) : forms::Form(host, u"Talk"_s) {
    setCaption(u"聊天"_s);
    const WindowPictures pictures(name());
    frame(*this, pictures);
    forms::applyDesign(design(), pictures);
}

huifu::huifu(forms::FormHost& host) : forms::Form(host, u"huifu"_s) {
    const WindowPictures pictures(name());
    frame(*this, pictures);
    forms::applyDesign(design(), pictures);
}

} // namespace qv::table
