#include "valid_plays.h"

#include "rules/classify_play.h"
#include "rules/double_deck.h"

#include <algorithm>
#include <optional>
#include <random>
#include <set>

namespace qv::rules::bench {

namespace {

constexpr int kAttemptsPerPlay = 50;
constexpr int kMaxNaturalsOfAFace = 8;
constexpr int kJokers = 4;

/// Faces of a run of `k` from A (low), 2, 3, ... K, A (high), starting at `start`.
std::vector<int> run(int start, int k) {
    std::vector<int> faces;
    for (int i = start; i < start + k; ++i) {
        faces.push_back(i == 0 ? kFaceAce : i == 1 ? kFaceTwo : i + 1);
    }
    return faces;
}

std::vector<int> repeated(const std::vector<int>& faces, int times) {
    std::vector<int> out;
    for (int face : faces) {
        out.insert(out.end(), static_cast<std::size_t>(times), face);
    }
    return out;
}

class Maker {
public:
    Maker(int size, bool withJokers)
        : size_(size), withJokers_(withJokers), rng_(static_cast<unsigned>(size * 2 + withJokers)) {
    }

    /// The faces of one play of some type with `size_` cards; empty when the type has no play
    /// of that size.
    std::vector<int> shape(int type) {
        const int n = size_;
        switch (type) {
        case 0: { // single, pair, triple, bomb: one face, the jokers beyond eight of it
            std::vector<int> faces(static_cast<std::size_t>(std::min(n, kMaxNaturalsOfAFace)),
                                   uniform(kLowestFace, kFaceTwo));
            for (int joker = 0; std::ssize(faces) < n; ++joker) {
                faces.push_back(joker % 2 == 0 ? kFaceSmallJoker : kFaceBigJoker);
            }
            return faces;
        }
        case 1: // triple with a pair
            return n == 5 ? std::vector<int>{uniform(3, 9), uniform(3, 9), uniform(3, 9),
                                             uniform(10, kFaceTwo), uniform(10, kFaceTwo)}
                          : std::vector<int>();
        case 2: // straight
            return n <= 14 ? run(uniform(0, 14 - n), n) : std::vector<int>();
        case 3: // pair run
            return n % 2 == 0 && n / 2 <= 14 ? repeated(run(uniform(0, 14 - n / 2), n / 2), 2)
                                             : std::vector<int>();
        case 4: // triple run
            return n % 3 == 0 && n / 3 <= 14 ? repeated(run(uniform(0, 14 - n / 3), n / 3), 3)
                                             : std::vector<int>();
        default: { // airplane: k triples in a row and k pairs
            if (n % 5 != 0) {
                return {};
            }
            const int k = n / 5;
            std::vector<int> faces = repeated(run(uniform(0, 14 - k), k), 3);
            for (int i = 0; i < k; ++i) {
                faces.insert(faces.end(), 2, uniform(kLowestFace, kFaceTwo));
            }
            return faces;
        }
        }
    }

    /// Cards of the faces from a shuffled deck, with jokers standing in for one to four natural
    /// cards when asked. Empty when the deck cannot give them.
    std::vector<CardCode> cards(const std::vector<int>& faces) {
        auto deck = doubleDeck();
        std::shuffle(deck.begin(), deck.end(), rng_);
        std::vector<bool> used(deck.size(), false);
        const auto take = [&](auto wanted) -> std::optional<CardCode> {
            for (std::size_t i = 0; i < deck.size(); ++i) {
                if (!used[i] && wanted(deck[i])) {
                    used[i] = true;
                    return deck[i];
                }
            }
            return std::nullopt;
        };
        std::vector<CardCode> selection;
        for (int face : faces) {
            const auto card = take([face](CardCode c) { return cardFace(c) == face; });
            if (!card) {
                return {};
            }
            selection.push_back(*card);
        }
        if (withJokers_) {
            std::shuffle(selection.begin(), selection.end(), rng_);
            int jokers = uniform(1, std::min(kJokers, static_cast<int>(selection.size())));
            for (CardCode& card : selection) {
                if (jokers > 0 && !isJoker(card)) {
                    if (const auto joker = take([](CardCode c) { return isJoker(c); })) {
                        card = *joker;
                        --jokers;
                    }
                }
            }
        }
        sortHandOrder(selection);
        return selection;
    }

    int uniform(int low, int high) { return std::uniform_int_distribution<int>(low, high)(rng_); }

private:
    int size_;
    bool withJokers_;
    std::mt19937 rng_;
};

} // namespace

std::vector<std::vector<CardCode>> validPlays(int size, bool withJokers, int count) {
    Maker maker(size, withJokers);
    std::set<std::vector<CardCode>> seen;
    std::vector<std::vector<CardCode>> plays;
    RulesState state;
    constexpr int kTypes = 6;
    for (int attempt = 0; attempt < count * kAttemptsPerPlay && std::ssize(plays) < count;
         ++attempt) {
        const std::vector<int> faces = maker.shape(attempt % kTypes);
        if (std::ssize(faces) != size) {
            continue;
        }
        std::vector<CardCode> play = maker.cards(faces);
        std::vector<CardCode> arranged = play;
        if (play.empty() || ClassifyPlay(state, PlayNone, size, arranged) == PlayNone ||
            !seen.insert(play).second) {
            continue;
        }
        plays.push_back(std::move(play));
    }
    return plays;
}

} // namespace qv::rules::bench
