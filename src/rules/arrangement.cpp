#include "rules/arrangement.h"

#include <algorithm>
#include <cstdint>

namespace qv::rules {

void Arrangement::reverseBlocks(int blockSize, int blockCount) {
    if (blockSize * blockCount > std::min(size_, kMaxSelection)) {
        return;
    }
    std::array<int, kMaxSelection> reversed = order_;
    for (int block = 0; block < blockCount; ++block) {
        const int from = (blockCount - 1 - block) * blockSize;
        for (int i = 0; i < blockSize; ++i) {
            reversed[static_cast<std::size_t>(block * blockSize + i)] =
                order_[static_cast<std::size_t>(from + i)];
        }
    }
    order_ = reversed;
}

bool Arrangement::applyTo(std::span<CardCode> cards) const {
    if (size_ != static_cast<int>(cards.size()) || size_ > kMaxSelection) {
        return false;
    }
    std::uint32_t seen = 0;
    for (int i = 0; i < size_; ++i) {
        const int position = order_[static_cast<std::size_t>(i)];
        if (position < 0 || position >= size_ || (seen & (1U << position)) != 0) {
            return false;
        }
        seen |= 1U << position;
    }
    std::array<CardCode, kMaxSelection> original{};
    std::copy(cards.begin(), cards.end(), original.begin());
    for (int i = 0; i < size_; ++i) {
        cards[static_cast<std::size_t>(i)] =
            original[static_cast<std::size_t>(order_[static_cast<std::size_t>(i)])];
    }
    return true;
}

} // namespace qv::rules
