#include "rules/hint_play.h"

#include "rules/can_beat.h"
#include "rules/classify_play.h"

#include <algorithm>

namespace qv::rules {

std::optional<HintSlots> hintSlots(std::span<const CardCode> hand, const HintRow& row) {
    const int size = std::min(static_cast<int>(hand.size()), kMaxSelection);
    std::array<bool, kMaxSelection> taken{};
    HintSlots raised;
    int front = 0;
    for (int i = 0; i < row.count; ++i) {
        int slot = 0;
        while (slot < size && (taken[static_cast<std::size_t>(slot)] ||
                               cardFace(hand[static_cast<std::size_t>(slot)]) != row.face(i))) {
            ++slot;
        }
        if (slot == size) {
            while (front < size && taken[static_cast<std::size_t>(front)]) {
                ++front;
            }
            if (front == size) {
                return std::nullopt;
            }
            slot = front;
        }
        taken[static_cast<std::size_t>(slot)] = true;
        raised.slots[static_cast<std::size_t>(raised.count++)] = slot;
    }
    std::sort(raised.slots.begin(), raised.slots.begin() + raised.count);
    return raised;
}

bool hintBeats(std::span<const CardCode> hand, const HintRow& row, PlayType lastType, int lastCount,
               std::span<const CardCode> lastCards) {
    const std::optional<HintSlots> raised = hintSlots(hand, row);
    if (!raised) {
        return false;
    }
    std::array<CardCode, kMaxSelection> cards{};
    for (int i = 0; i < raised->count; ++i) {
        cards[static_cast<std::size_t>(i)] =
            hand[static_cast<std::size_t>(raised->slots[static_cast<std::size_t>(i)])];
    }
    RulesState classified;
    const PlayType type = ClassifyPlay(classified, lastType, raised->count, cards);
    return type != PlayNone && type == row.type &&
           CanBeat(cards, raised->count, type, lastCards, lastCount, lastType);
}

} // namespace qv::rules
