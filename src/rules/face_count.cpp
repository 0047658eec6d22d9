#include "rules/face_count.h"

namespace qv::rules {

FaceCount countHand(std::span<const CardCode> hand) {
    FaceCount cnt{};
    for (CardCode card : hand) {
        const int face = cardFace(card);
        if (face < kLowestFace || face > kFaceBigJoker) {
            continue;
        }
        ++cnt[static_cast<std::size_t>(face)];
        if (isJoker(card)) {
            ++cnt[kJokerSlot];
        } else if (twinSlot(face) != face) {
            ++cnt[static_cast<std::size_t>(twinSlot(face))];
        }
    }
    return cnt;
}

int countedCards(const FaceCount& cnt) {
    int sum = 0;
    for (int face = kLowestFace; face <= kFaceBigJoker; ++face) {
        sum += cnt[static_cast<std::size_t>(face)];
    }
    return sum;
}

} // namespace qv::rules
