#pragma once

#include "shared_data.h"

#include <cstdint>

namespace qv {

/// The smallest positive `SeatWealth` of the four seats, or 0 when none is positive.
[[nodiscard]] std::int32_t MinPositiveSeat(const SharedData& shared);

} // namespace qv
