#include "hand_result.h"

#include <algorithm>

namespace qv::tools::table {
namespace {

constexpr int kSoloFactor = 2;
constexpr int kSoloWeight = 3;
constexpr int kBombBase = 5;
constexpr int kBombBaseCards = 5;

int placeFactor(const Hand& hand, const std::array<int, kSeats>& places, int winner) {
    if (hand.solo()) {
        return kSoloFactor;
    }
    for (int seat = 0; seat < kSeats; ++seat) {
        if (seat != winner && hand.sameSide(seat, winner)) {
            return kSeats + 1 - places[static_cast<std::size_t>(seat)];
        }
    }
    return 1;
}

} // namespace

HandResult settleHand(const Hand& hand, std::uint32_t stake, std::array<int, kSeats> levels) {
    HandResult result;
    const auto places = hand.places();
    const int winner =
        static_cast<int>(std::find(places.begin(), places.end(), 1) - places.begin());
    const int factor = placeFactor(hand, places, winner);
    result.shared = {stake, hand.solo(), factor};
    const auto weight = [&hand](int seat) {
        return hand.solo() && seat == hand.banker() ? kSoloWeight : 1;
    };

    std::array<std::int64_t, kSeats> placeScores{};
    std::array<std::int64_t, kSeats> bombScores{};
    for (int seat = 0; seat < kSeats; ++seat) {
        const bool won = hand.sameSide(seat, winner);
        placeScores[static_cast<std::size_t>(seat)] =
            (won ? 1 : -1) * std::int64_t{weight(seat)} * factor * stake;
        for (int bomber = 0; bomber < kSeats; ++bomber) {
            for (const int cards : hand.bombs()[static_cast<std::size_t>(bomber)]) {
                const std::int64_t value = std::int64_t{kBombBase} << (cards - kBombBaseCards);
                bombScores[static_cast<std::size_t>(seat)] +=
                    (hand.sameSide(seat, bomber) ? 1 : -1) * weight(seat) * value * stake;
            }
        }
        result.won[static_cast<std::size_t>(seat)] = won;
        result.totals[static_cast<std::size_t>(seat)] =
            placeScores[static_cast<std::size_t>(seat)] +
            bombScores[static_cast<std::size_t>(seat)];
        int& level = levels[static_cast<std::size_t>(seat)];
        level = won ? std::min(level + 1, kMaxLevel) : level;
    }
    result.levels = levels;

    std::vector<int> order{hand.banker()};
    const int second = hand.partner().value_or((hand.banker() + 1) % kSeats);
    order.push_back(second);
    for (int k = 1; k < kSeats; ++k) {
        const int seat = (hand.banker() + k) % kSeats;
        if (seat != second) {
            order.push_back(seat);
        }
    }
    for (std::size_t row = 0; row < order.size(); ++row) {
        const int seat = order[row];
        const auto s = static_cast<std::size_t>(seat);
        ResultRecord& record = result.rows[row];
        record.seatMask = seatMask(seat);
        record.cardsLeft = hand.cards(seat);
        record.total = result.totals[s];
        record.bombTotal = bombScores[s];
        record.placeScoreSign = signByte(placeScores[s]);
        record.level = levels[s];
        record.place = places[s];
        if (!hand.solo()) {
            for (int other = 0; other < kSeats; ++other) {
                if (other != seat && hand.sameSide(other, seat)) {
                    record.partnerMask = seatMask(other);
                }
            }
        }
    }
    return result;
}

} // namespace qv::tools::table
