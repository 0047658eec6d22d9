#include "hand/hand_end.h"

#include <algorithm>

namespace qv::hand {
namespace {

constexpr int kRecordSize = 5;
constexpr int kSeatValue = 0;

} // namespace

void LeastHandEnd::MoveBombLog() {
    auto& log = hand_.BombLog;
    const int count = std::clamp<int>(log[kBombCountSlot], 0, kBombCountSlot);
    if (count < kRecordSize) {
        return;
    }
    const int seat = log.at(static_cast<std::size_t>(count - kRecordSize + kSeatValue));
    if (seat >= 0 && seat < static_cast<int>(hand_.BombTable.size())) {
        auto& row = hand_.BombTable.at(static_cast<std::size_t>(seat));
        for (int k = 0; k < count && row[kBombCountSlot] < kBombCountSlot; ++k) {
            row.at(static_cast<std::size_t>(row[kBombCountSlot])) =
                log.at(static_cast<std::size_t>(k));
            ++row[kBombCountSlot];
        }
    }
    log.fill(0);
}

} // namespace qv::hand
