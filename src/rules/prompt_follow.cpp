#include "rules/arrangement.h"
#include "rules/follow_pattern.h"
#include "rules/hint_play.h"
#include "rules/prompt.h"
#include "rules/search_pai.h"

#include <algorithm>

namespace qv::rules {

namespace {

constexpr int kFourJokers = 4;

} // namespace

void PromptFollow(HintState& hints, std::span<const CardCode> hand, PlayType pt, int n,
                  std::span<const CardCode> cards) {
    hints.g_PromptCount = 0;
    if (n < 1 || n > kMaxSelection || n > static_cast<int>(cards.size())) {
        return;
    }
    hand = hand.first(std::min(hand.size(), static_cast<std::size_t>(kMaxSelection)));
    FaceCount cnt = countHand(hand);
    // The search works on face counts; this keeps only the rows whose cards the recogniser
    // takes for the row's type and that beat the play.
    const HintCheck beats = [&](const HintRow& hint) {
        return hintBeats(hand, hint, pt, n, cards);
    };
    if (const std::optional<HintPattern> pattern = followPattern(pt, n, cards)) {
        SearchPai(hints, *pattern, cnt, beats);
    }
    // A bomb is beaten by a longer bomb here, by a higher one of its own size above.
    const int smallest = isBombType(pt) ? n + 1 : kMinBombCards;
    for (int k = smallest; k <= kMaxBombCards; ++k) {
        SearchPai(hints, HintPattern{PlayBomb(k), k, k, 0, 1, kLowestFace, kFaceTwo}, cnt, beats);
    }
    if (cnt[kJokerSlot] == kFourJokers && pt <= PlayBomb(kFourJokers)) {
        hints.push(fourJokerHint());
    }
}

} // namespace qv::rules
