#include "table/table_pictures.h"

#include "forms/image.h"

namespace qv::table {

int LoadTablePicture(Client& /*client*/, int /*resId*/, forms::Image& /*image*/) {
    return 0;
}

QImage DesignPicture(QStringView /*control*/, int /*index*/) {
    return {};
}

} // namespace qv::table
