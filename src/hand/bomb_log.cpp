#include "hand/bomb_log.h"

namespace qv::hand {
namespace {

constexpr int kStateOffset = 3;

std::int16_t& at(BombValues& values, int index) {
    return values.at(static_cast<std::size_t>(index));
}

std::int16_t& countOf(BombValues& values) {
    return at(values, kBombValueCount);
}

} // namespace

bool AppendBomb(BombValues& log, int seat, int face, int cards, std::int16_t placeState) {
    std::int16_t& count = countOf(log);
    if (count + kBombRecordSize > kBombValueCount) {
        return false;
    }
    for (const int value : {seat, face, cards, static_cast<int>(placeState), 0}) {
        at(log, count++) = static_cast<std::int16_t>(value);
    }
    return true;
}

std::optional<int> LastBomber(const BombValues& log) {
    const int count = log.at(kBombValueCount);
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
    const int count = countOf(log);
    if (state) {
        for (int k = 0; k < count; k += kBombRecordSize) {
            at(log, k + kStateOffset) = *state;
        }
    }
    BombValues& row = table.at(static_cast<std::size_t>(*bomber));
    for (int k = 0; k < count && countOf(row) < kBombValueCount; ++k) {
        at(row, countOf(row)++) = at(log, k);
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
