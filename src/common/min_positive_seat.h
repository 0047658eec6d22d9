#pragma once

#include <array>
#include <cstdint>

namespace qv {

/// The smallest positive `SeatWealth` of the four seats, or 0 when none is positive.
[[nodiscard]] std::int32_t MinPositiveSeat(const std::array<std::int32_t, 4>& SeatWealth);

} // namespace qv
