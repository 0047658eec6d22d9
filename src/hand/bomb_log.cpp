#include "hand/bomb_log.h"

#include <algorithm>

namespace qv::hand {
namespace {

constexpr int kStateOffset = 3;

std::int16_t& at(BombValues& values, int index) {
    return values.at(static_cast<std::size_t>(index));
}

/// The values a log or row holds, as far as it can hold them: a count out of range reads as
/// the nearest that is not.
int storedCount(const BombValues& values) {
    return std::clamp<int>(values.at(kBombValueCount), 0, kBombValueCount);
}

} // namespace

bool AppendBomb(BombValues& log, int seat, int face, int cards, std::int16_t placeState) {
    int count = storedCount(log);
    if (count + kBombRecordSize > kBombValueCount) {
        return false;
    }
    for (const int value : {seat, face, cards, static_cast<int>(placeState), 0}) {
        at(log, count++) = static_cast<std::int16_t>(value);
    }
    at(log, kBombValueCount) = static_cast<std::int16_t>(count);
    return true;
}

std::optional<int> LastBomber(const BombValues& log) {
    const int count = storedCount(log);
    if (count < kBombRecordSize) {
        return std::nullopt;
    }
    return log.at(static_cast<std::size_t>(count - kBombRecordSize));
}

void MoveBombLog(BombValues& log, BombRows& table, std::optional<std::int16_t> state) {
    const std::optional<int> bomber = LastBomber(log);
    if (!bomber) {
        return;
    }
    const int count = storedCount(log);
    if (state) {
        for (int k = 0; k + kStateOffset < count; k += kBombRecordSize) {
            at(log, k + kStateOffset) = *state;
        }
    }
    // A seat that is none of the four takes nothing; the log is emptied all the same.
    if (*bomber >= 0 && *bomber < static_cast<int>(table.size())) {
        BombValues& row = table.at(static_cast<std::size_t>(*bomber));
        int stored = storedCount(row);
        for (int k = 0; k < count && stored < kBombValueCount; ++k) {
            at(row, stored++) = at(log, k);
        }
        at(row, kBombValueCount) = static_cast<std::int16_t>(stored);
    }
    log.fill(0);
}

bool SettleForFinishers(BombValues& log, BombRows& table, const Finishers& finishers) {
    const std::optional<int> bomber = LastBomber(log);
    if (!bomber || !(finishers.firstDone || finishers.secondDone)) {
        return false;
    }
    if (finishers.firstDone && *bomber == finishers.first) {
        MoveBombLog(log, table, kMovedToFirst);
        return true;
    }
    if (finishers.secondDone && *bomber == finishers.second) {
        MoveBombLog(log, table, kMovedToSecond);
        return true;
    }
    return false;
}

} // namespace qv::hand
