#pragma once

#include "forms/runtime_error.h"

namespace qv {

/// The one run-time error type of the client, so callers that ignore errors catch one type.
using RuntimeError = forms::RuntimeError;

/// The runtime's error number for a result that does not fit its type.
inline constexpr int kOverflowError = 6;

} // namespace qv
