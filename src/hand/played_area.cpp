#include "hand/played_area.h"

namespace qv::hand {

double PlayedCardLeft(double anchorX, int count, int i, double cardWidth, float scaleX) {
    constexpr double kRowPerCard = 0.11;
    constexpr double kRowBase = 0.39;
    constexpr double kCardDesignWidth = 90;
    constexpr double kFullScaleStep = 0.22;
    constexpr double kSmallScaleStep = 0.19;
    const double step = scaleX == 1.0F ? kFullScaleStep : kSmallScaleStep;
    return anchorX - (kRowPerCard * count + kRowBase) * kCardDesignWidth * scaleX +
           i * step * cardWidth;
}

int PlayedRowAnchorX(int seat, int count) {
    constexpr int kShortRow = 5;
    constexpr int kLongRow = 10;
    constexpr int kLeftSeat = 1;
    if (count <= kShortRow) {
        return seat == kLeftSeat ? 300 : 700;
    }
    if (count < kLongRow) {
        return seat == kLeftSeat ? 320 : 680;
    }
    return seat == kLeftSeat ? 390 : 750;
}

int PileSize(int cardsLeft) {
    if (cardsLeft < 0) {
        return -1;
    }
    if (cardsLeft > 19) {
        return 3;
    }
    if (cardsLeft >= 15) {
        return 2;
    }
    return cardsLeft >= 9 ? 1 : 0;
}

} // namespace qv::hand
