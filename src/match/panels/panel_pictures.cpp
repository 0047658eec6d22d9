#include "match/panels/panel_pictures.h"

#include "common/picture_resources.h"
#include "forms/image.h"

#include <cstdint>

namespace qv::match::panels {

using namespace Qt::StringLiterals;

void LoadPanelPicture(forms::Image& image, int id) {
    common::LoadGifRes(static_cast<std::int16_t>(id), u"GIF"_s, image);
}

void ShowButtonPicture(forms::Image& image, int id, const QString& tag) {
    LoadPanelPicture(image, id);
    image.setTag(tag);
}

} // namespace qv::match::panels
