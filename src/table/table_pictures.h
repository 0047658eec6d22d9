#pragma once

#include <QImage>
#include <QStringView>

namespace qv::forms {
class Image;
}

namespace qv::table {

/// Puts picture resource `resId` (type "GIF") into `image`: 1 on success; 0 on failure, which
/// leaves the image's picture as it was.
int LoadTablePicture(int resId, forms::Image& image);

/// The picture stored with the window design for `control` (element `index`, or -1 for a
/// control outside an array); null when the design holds none.
[[nodiscard]] QImage DesignPicture(QStringView control, int index);

} // namespace qv::table
