#include "computer_player.h"

#include <algorithm>
#include <array>
#include <functional>

namespace qv::tools::table {
namespace {

using rules::cardFace;
using rules::cardSuit;

constexpr int kHighestRunFace = rules::kFaceAce;
constexpr int kMaxBombOfOneFace = 8;

/// The natural cards of a hand by face, each group in hand order.
class Groups {
public:
    explicit Groups(const std::vector<CardCode>& hand) {
        for (const CardCode card : hand) {
            if (!rules::isJoker(card)) {
                groups_[static_cast<std::size_t>(cardFace(card))].push_back(card);
            }
        }
    }
    [[nodiscard]] int count(int face) const {
        return static_cast<int>(groups_[static_cast<std::size_t>(face)].size());
    }
    /// Appends n cards of a face; false when the hand holds fewer.
    bool take(int face, int n, std::vector<CardCode>& into) const {
        if (face < rules::kLowestFace || face > rules::kFaceTwo || count(face) < n) {
            return false;
        }
        const auto& group = groups_[static_cast<std::size_t>(face)];
        into.insert(into.end(), group.begin(), group.begin() + n);
        return true;
    }
    /// n cards of each face from `start` up, `length` faces; false when one falls short.
    bool takeRun(int start, int length, int n, std::vector<CardCode>& into) const {
        for (int face = start; face < start + length; ++face) {
            if (face > kHighestRunFace || !take(face, n, into)) {
                return false;
            }
        }
        return true;
    }

private:
    std::array<std::vector<CardCode>, rules::kFaceBigJoker + 1> groups_;
};

/// Offers candidate selections, cheapest first, until `offer` takes one.
void offerCandidates(const std::vector<CardCode>& hand, const Play& toBeat,
                     const std::function<bool(std::vector<CardCode>)>& offer) {
    const Groups groups(hand);
    const int n = static_cast<int>(toBeat.cards.size());
    const auto sameFace = [&](int size) {
        for (int face = rules::kLowestFace; face <= rules::kFaceTwo; ++face) {
            std::vector<CardCode> cards;
            if (groups.take(face, size, cards) && offer(cards)) {
                return true;
            }
        }
        return false;
    };
    const auto runs = [&](int length, int perFace) {
        for (int start = rules::kLowestFace; start + length - 1 <= kHighestRunFace; ++start) {
            std::vector<CardCode> cards;
            if (groups.takeRun(start, length, perFace, cards) && offer(cards)) {
                return;
            }
        }
    };
    if (rules::isBombType(toBeat.type)) {
        for (int size = rules::kMinBombCards; size <= kMaxBombOfOneFace; ++size) {
            if (sameFace(size)) {
                return;
            }
        }
        return;
    }
    switch (toBeat.type) {
    case rules::PlaySingle:
        if (sameFace(1)) {
            return;
        }
        for (const CardCode card : hand) {
            if (rules::isJoker(card) && offer({card})) {
                return;
            }
        }
        return;
    case rules::PlayPair:
    case rules::PlayTriple:
        sameFace(n);
        return;
    case rules::PlayTripleWithPair:
        for (int triple = rules::kLowestFace; triple <= rules::kFaceTwo; ++triple) {
            for (int pair = rules::kLowestFace; pair <= rules::kFaceTwo; ++pair) {
                std::vector<CardCode> cards;
                if (pair != triple && groups.take(triple, 3, cards) &&
                    groups.take(pair, 2, cards) && offer(cards)) {
                    return;
                }
            }
        }
        return;
    case rules::PlayPairRun:
        runs(n / 2, 2);
        return;
    case rules::PlayTripleRun:
        runs(n / 3, 3);
        return;
    case rules::PlayStraight:
        runs(n, 1);
        return;
    case rules::PlayAirplane: {
        const int length = n / 5;
        for (int start = rules::kLowestFace; start + length - 1 <= kHighestRunFace; ++start) {
            std::vector<CardCode> cards;
            if (!groups.takeRun(start, length, 3, cards)) {
                continue;
            }
            int pairs = 0;
            for (int face = rules::kLowestFace; face <= rules::kFaceTwo && pairs < length; ++face) {
                const bool inRun = face >= start && face < start + length;
                pairs += !inRun && groups.take(face, 2, cards) ? 1 : 0;
            }
            if (pairs == length && offer(cards)) {
                return;
            }
        }
        return;
    }
    default:
        return;
    }
}

} // namespace

Play chooseLead(const std::vector<CardCode>& hand) {
    const Groups groups(hand);
    for (int face = rules::kLowestFace; face <= rules::kFaceTwo; ++face) {
        std::vector<CardCode> cards;
        if (groups.take(face, groups.count(face), cards) && !cards.empty()) {
            Play play = classify(cards);
            return play.type != rules::PlayNone ? play : classify({cards.back()});
        }
    }
    return classify({hand.back()});
}

std::optional<Play> chooseFollow(const std::vector<CardCode>& hand, const Play& toBeat) {
    std::optional<Play> chosen;
    offerCandidates(hand, toBeat, [&](std::vector<CardCode> cards) {
        Play play = classify(std::move(cards));
        if (beats(play, toBeat)) {
            chosen = std::move(play);
            return true;
        }
        return false;
    });
    return chosen;
}

std::optional<Play> timeoutMove(const std::vector<CardCode>& hand, bool leading) {
    if (!leading || hand.empty()) {
        return std::nullopt;
    }
    return classify({hand.back()});
}

CardCode chooseCall(const std::vector<CardCode>& hand) {
    const auto copies = [&hand](int face, int suit) {
        return std::count_if(hand.begin(), hand.end(), [face, suit](CardCode card) {
            return cardFace(card) == face && cardSuit(card) == suit;
        });
    };
    for (const int wanted : {1, 0, 2}) {
        for (int face = rules::kLowestFace; face <= kHighestCallFace; ++face) {
            for (const int suit : rules::kSuitFlags) {
                if (copies(face, suit) == wanted) {
                    return rules::makeCard(face, suit);
                }
            }
        }
    }
    return rules::makeCard(rules::kLowestFace, rules::kSuitFlags[0]);
}

} // namespace qv::tools::table
