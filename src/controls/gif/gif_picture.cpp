#include "controls/gif/gif_picture.h"

#include "controls/gif/gif_animation.h"

namespace qv::controls {

QImage DecodeGifPicture(QByteArrayView gif) {
    GifAnimation animation;
    animation.setBlocks(common::ParseGifBlocks(gif));
    if (animation.frameCount() == 0 || !animation.createBitmaps(true)) {
        return {};
    }
    animation.buildFrame(1, gif);
    QImage picture(animation.blocks().canvasWidth, animation.blocks().canvasHeight,
                   QImage::Format_ARGB32);
    if (picture.isNull()) {
        return {};
    }
    picture.fill(0);
    animation.PaintCurrentFrame(1, picture, 1.0F, 1.0F);
    return picture;
}

} // namespace qv::controls
