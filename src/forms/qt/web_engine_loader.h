#pragma once

#include "forms/qt/web_engine_module.h"

namespace qv::forms::qt {

/// Loads the web engine module the first time it is asked for (beside the program, else where
/// the build put it) and returns its entry point; null when it cannot be loaded. Run as root,
/// the engine is told to work without its sandbox, which refuses to start then.
[[nodiscard]] CreateEngineView loadWebEngine();

} // namespace qv::forms::qt
