#include "table/table_pictures.h"

#include "common/picture_resources.h"
#include "forms/image.h"

using namespace Qt::StringLiterals;

namespace qv::table {

int LoadTablePicture(int resId, forms::Image& image) {
    return common::LoadGifRes(static_cast<std::int16_t>(resId), u"GIF"_s, image);
}

} // namespace qv::table
