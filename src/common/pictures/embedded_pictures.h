#pragma once

namespace qv::common {

/// Registers the embedded artwork with Qt's resource system; later calls do nothing.
void registerEmbeddedPictures();

} // namespace qv::common
