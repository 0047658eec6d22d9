#include "shop/number_text.h"

#include <cmath>
#include <limits>

namespace qv::shop {

QString WholeText(double value) {
    // Adding 0 turns a negative zero into the zero it shows as.
    return QString::number(std::trunc(value) + 0.0, 'f', 0);
}

std::int32_t SaturatedWhole(double value) {
    const double whole = std::trunc(value);
    if (whole >= std::numeric_limits<std::int32_t>::max()) {
        return std::numeric_limits<std::int32_t>::max();
    }
    if (whole <= std::numeric_limits<std::int32_t>::min()) {
        return std::numeric_limits<std::int32_t>::min();
    }
    return static_cast<std::int32_t>(whole);
}

} // namespace qv::shop
