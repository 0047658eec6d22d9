#include "hand/hand_records.h"

#include <algorithm>

namespace qv::hand {
namespace {

constexpr int kClearedImages = 6;

} // namespace

bool HandHasImage(const PlayerInfo& own, int imageIndex) {
    const int valid = std::clamp<int>(own.sum, 0, kHandSlots);
    for (int i = 0; i < valid; ++i) {
        if (own.pai.at(static_cast<std::size_t>(i)).Ind == imageIndex) {
            return true;
        }
    }
    return false;
}

void ClearHandRecords(HandState& hand) {
    for (std::size_t seat = 0; seat < hand.custom.size(); ++seat) {
        PlayerInfo& player = hand.custom.at(seat);
        for (int i = 0; i < kClearedImages; ++i) {
            player.pai.at(static_cast<std::size_t>(i)).Ind = -1;
        }
        player.sum = 0;
        hand.g_SeatScore.at(seat) = 0;
    }
    hand.g_FinishCount = 0;
}

} // namespace qv::hand
