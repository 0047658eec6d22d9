#include "hand/hand_layout.h"

#include <cmath>

namespace qv::hand {

int RoundHalfEven(double value) {
    return static_cast<int>(std::nearbyint(value));
}

HandLayout ComputeHandLayout(double cardWidth, int sum, double tableWidth, float scaleX) {
    constexpr double kFullScaleStep = 0.22;
    constexpr double kSmallScaleStep = 0.19;
    HandLayout layout{};
    layout.spacing = RoundHalfEven(cardWidth * (scaleX == 1.0F ? kFullScaleStep : kSmallScaleStep));
    layout.total = RoundHalfEven((sum - 1) * layout.spacing + cardWidth);
    layout.left = RoundHalfEven((tableWidth - layout.total) * 0.5);
    return layout;
}

} // namespace qv::hand
