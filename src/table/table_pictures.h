#pragma once

namespace qv::forms {
class Image;
}

namespace qv::table {

/// Puts picture resource `resId` (type "GIF") into `image`: 1 on success; 0 on failure, which
/// leaves the image's picture as it was.
int LoadTablePicture(int resId, forms::Image& image);

} // namespace qv::table
