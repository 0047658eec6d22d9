#include "table/table_pictures.h"

#include "common/picture_resources.h"
#include "forms/deferred_picture.h"
#include "forms/image.h"

using namespace Qt::StringLiterals;

namespace qv::table {

int LoadTablePicture(int resId, forms::Image& image) {
    const auto id = static_cast<std::int16_t>(resId);
    const QSize size = common::PictureResourceSize(id, u"GIF"_s);
    if (size.isEmpty()) {
        return 0;
    }
    // Read when first drawn: many of the table's pictures wait hidden until a player sits down.
    image.setPicture(
        forms::DeferredPicture(size, [id] { return common::LoadGifPicture(id, u"GIF"_s); }));
    return 1;
}

} // namespace qv::table
