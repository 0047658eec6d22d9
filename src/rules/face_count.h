#pragma once

#include "rules/card_code.h"

#include <array>
#include <cstdint>
#include <span>

namespace qv::rules {

/// A hand counted by face: slots 3 to 15 its natural cards, 16 and 17 its small and big jokers,
/// 0 all its jokers, and 1 and 2 the As and 2s again, as the faces that stand at the low end of a
/// run (slot 2 is the 2 below the 3).
using FaceCount = std::array<std::int16_t, 18>;

inline constexpr std::size_t kJokerSlot = 0;
inline constexpr int kLowAceSlot = 1;
inline constexpr int kLowTwoSlot = 2;

/// Cards whose face is no card's face are left out.
FaceCount countHand(std::span<const CardCode> hand);

/// The natural cards and jokers counted (slots 3 to 17).
int countedCards(const FaceCount& cnt);

/// The slot that counts the same cards as this one: the low 2 and the 2, the low A and the A;
/// the slot itself for every other face.
constexpr int twinSlot(int slot) {
    switch (slot) {
    case kLowAceSlot:
        return kFaceAce;
    case kLowTwoSlot:
        return kFaceTwo;
    case kFaceAce:
        return kLowAceSlot;
    case kFaceTwo:
        return kLowTwoSlot;
    default:
        return slot;
    }
}

} // namespace qv::rules
