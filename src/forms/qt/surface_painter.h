#pragma once

class QPainter;

namespace qv::forms {
class Container;
}

namespace qv::forms::qt {

/// Paints a container's inner area as the platform does: background colour, picture, what was
/// painted on it, then its visible windowless controls back to front.
void paintSurface(QPainter& painter, const Container& container);

} // namespace qv::forms::qt
