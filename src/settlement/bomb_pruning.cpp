#include "settlement/bomb_pruning.h"

#include <algorithm>
#include <functional>

namespace qv::settlement {
namespace {

constexpr int kStateValue = 3;
constexpr std::int16_t kAfterSecondOut = 2;
constexpr int kSeatSum = 6;

bool isSeat(int seat) {
    return seat >= 0 && seat < 4;
}

/// Clears the row from its first record that `from` picks on; a row without one keeps all.
void cutFrom(BombRow& row, const std::function<bool(std::int16_t)>& from) {
    const int count = bombValues(row);
    for (int k = 0; k < count; k += kBombRecord) {
        if (from(row.at(static_cast<std::size_t>(k + kStateValue)))) {
            std::fill(row.begin() + k, row.begin() + kBombCount, std::int16_t{0});
            row[kBombCount] = static_cast<std::int16_t>(k);
            return;
        }
    }
}

} // namespace

int bombValues(const BombRow& row) {
    const int count = std::clamp<int>(row[kBombCount], 0, kBombCount);
    return count - count % kBombRecord;
}

void PruneBombs(BombTable& bombs, const std::array<SeatResult, 4>& rows, std::uint8_t ownSeatMask,
                const Finishers& finishers) {
    if (rows[0].solo) {
        return;
    }
    int s = 0;
    int p = 0;
    for (std::size_t i = 1; i < rows.size(); ++i) {
        s = displaySeat(rows[i].seatMask, ownSeatMask);
        p = displaySeat(rows[i].partnerMask, ownSeatMask);
        if (s != finishers.first && p != finishers.first) {
            break;
        }
    }
    if (finishers.second == s || finishers.second == p) {
        const int f = kSeatSum - finishers.first - s - p;
        if (isSeat(f)) {
            cutFrom(bombs.at(static_cast<std::size_t>(f)),
                    [](std::int16_t state) { return state == kAfterSecondOut; });
        }
    }
    for (const int seat : {s, p}) {
        cutFrom(bombs.at(static_cast<std::size_t>(seat)),
                [](std::int16_t state) { return state != 0; });
    }
}

} // namespace qv::settlement
