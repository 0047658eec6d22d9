#include "rules/arrangement.h"
#include "rules/face_count.h"
#include "rules/prompt.h"

#include <algorithm>
#include <optional>

namespace qv::rules {

namespace {

constexpr int kMostOfOneFace = 8;

/// The play type of n cards of one face, jokers standing for it.
PlayType oneFaceType(int n) {
    switch (n) {
    case 1:
        return PlaySingle;
    case 2:
        return PlayPair;
    case 3:
        return PlayTriple;
    default:
        return PlayBomb(n);
    }
}

HintRow oneFace(int face, int n) {
    HintRow hint;
    hint.type = oneFaceType(n);
    hint.append(face, n);
    return hint;
}

/// Four jokers as their bomb, fewer as the big joker alone.
HintRow onlyJokers(int jokers) {
    return jokers == 4 ? fourJokerHint() : oneFace(kFaceBigJoker, 1);
}

/// The lowest natural face held exactly once, else twice, three times, ... eight times.
std::optional<HintRow> lowestGroup(const FaceCount& cnt) {
    for (int times = 1; times <= kMostOfOneFace; ++times) {
        for (int face = kLowestFace; face <= kFaceTwo; ++face) {
            if (cnt[static_cast<std::size_t>(face)] == times) {
                return oneFace(face, times);
            }
        }
    }
    return std::nullopt;
}

} // namespace

void PromptLead(HintState& hints, std::span<const CardCode> hand) {
    hints.g_PromptCount = 0;
    hand = hand.first(std::min(hand.size(), static_cast<std::size_t>(kMaxSelection)));
    if (hand.empty()) {
        return;
    }
    const FaceCount cnt = countHand(hand);
    const int sum = static_cast<int>(hand.size());
    const int jokers = cnt[kJokerSlot];
    if (jokers == sum) {
        hints.push(onlyJokers(jokers));
        return;
    }
    const auto natural = [](CardCode card) {
        return !isJoker(card);
    };
    const int face = cardFace(*std::find_if(hand.begin(), hand.end(), natural));
    const bool oneNaturalFace = std::all_of(hand.begin(), hand.end(), [face](CardCode card) {
        return isJoker(card) || cardFace(card) == face;
    });
    if (oneNaturalFace) {
        hints.push(oneFace(face, sum));
    } else if (const std::optional<HintRow> group = lowestGroup(cnt)) {
        hints.push(*group);
    }
}

} // namespace qv::rules
