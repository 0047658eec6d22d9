#include "shop/vip_window.h"

#include "common/picture_resources.h"
#include "forms/units.h"

namespace qv::shop {

using namespace Qt::StringLiterals;

namespace {
constexpr int kFirstVipPicture = 524;
} // namespace

FrmVip::FrmVip(forms::FormHost& host) : forms::Form(host, u"FrmVip"_s) {
    setBorderStyle(0);
}

void FrmVip::initFrm(std::int16_t level) {
    if (level < 0 || level > 6) {
        return;
    }
    const QImage picture =
        common::LoadGifPicture(static_cast<std::int16_t>(kFirstVipPicture + level), u"GIF"_s);
    if (picture.isNull()) {
        return;
    }
    move(left(), top(), forms::pixelsToTwips(picture.width()),
         forms::pixelsToTwips(picture.height()));
    setPicture(picture);
}

} // namespace qv::shop
