#include "shop/button_hover.h"

#include "common/picture_resources.h"
#include "forms/image.h"

using namespace Qt::StringLiterals;

namespace qv::shop {

void ShowHover(forms::Image& button, std::int16_t picture) {
    button.setTag(u"1"_s);
    common::LoadGifRes(picture, u"GIF"_s, button);
}

} // namespace qv::shop
