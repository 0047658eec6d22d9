#pragma once

#include "rules/card_code.h"

#include <array>
#include <span>

namespace qv::rules {

/// The most cards a selection can hold: a whole hand.
inline constexpr int kMaxSelection = 27;

/// A play's arranged order under construction, as positions into the selection. Jokers are
/// handed out in the order in which they stand, each once. The selection is rewritten only when
/// the whole order is a permutation of it, so a rejected or malformed arrangement leaves the
/// cards exactly as they came and no card is ever doubled or lost.
class Arrangement {
public:
    explicit Arrangement(int jokerCount) : jokerCount_(jokerCount) {}

    void add(int position) {
        if (size_ < kMaxSelection) {
            order_[static_cast<std::size_t>(size_)] = position;
        }
        ++size_;
    }
    /// False when every joker is used.
    bool addJoker() {
        if (nextJoker_ >= jokerCount_) {
            return false;
        }
        add(nextJoker_++);
        return true;
    }
    int jokersLeft() const { return jokerCount_ - nextJoker_; }
    /// The position of the joker that addJoker would take next.
    int nextJoker() const { return nextJoker_; }
    int size() const { return size_; }

    /// Reverses the order of the first blockCount blocks of blockSize positions each, every block
    /// keeping its own order.
    void reverseBlocks(int blockSize, int blockCount);

    /// Rewrites cards into this order; false (cards untouched) unless it is a permutation of them.
    bool applyTo(std::span<CardCode> cards) const;

private:
    std::array<int, kMaxSelection> order_{};
    int size_ = 0;
    int nextJoker_ = 0;
    int jokerCount_;
};

/// Up to three positions standing for one face of a run.
struct RunUnit {
    int face = 0;
    std::array<int, 3> positions{};
    int size = 0;

    void add(int position) {
        if (size < 3) {
            positions[static_cast<std::size_t>(size++)] = position;
        }
    }
};

inline int faceAt(std::span<const CardCode> cards, int position) {
    return cardFace(cards[static_cast<std::size_t>(position)]);
}

/// True when the selection of n cards has its first jokerCount cards as jokers and at least one
/// natural card after them: what the pattern tests need before they read the first natural card.
constexpr bool hasNaturalAfterJokers(int n, int jokerCount) {
    return jokerCount >= 0 && jokerCount < n;
}

} // namespace qv::rules
