#include "common/min_positive_seat.h"

namespace qv {

std::int32_t MinPositiveSeat(const std::array<std::int32_t, 4>& SeatWealth) {
    std::int32_t smallest = 0;
    for (const std::int32_t wealth : SeatWealth) {
        if (wealth > 0 && (smallest == 0 || wealth < smallest)) {
            smallest = wealth;
        }
    }
    return smallest;
}

} // namespace qv
