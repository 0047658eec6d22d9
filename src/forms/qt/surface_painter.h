#pragma once

#include "forms/deferred_picture.h"

#include <vector>

class QPainter;

namespace qv::forms {
class Container;
}

namespace qv::forms::qt {

/// Paints a container's inner area as the platform does: background colour, picture, what was
/// painted on it, then its visible windowless controls back to front.
void paintSurface(QPainter& painter, const Container& container);

/// The pictures that painting `container` reads, and painting the containers shown on it: each
/// surface's picture, then its images, in the order they are painted.
[[nodiscard]] std::vector<DeferredPicture> picturesToPaint(const Container& container);

} // namespace qv::forms::qt
