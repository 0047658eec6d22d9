#pragma once

#include "rules/card_code.h"
#include "rules/play_type.h"

#include <array>
#include <cstdint>

namespace qv::rules {

/// The most faces a hint can name: a whole hand.
inline constexpr int kMaxHintFaces = 27;
/// The searches stop at this many rows; the four-joker hint may still follow as one more.
inline constexpr int kSearchRowLimit = 30;
inline constexpr int kMaxHintRows = kSearchRowLimit + 1;

/// One hint: the faces of its cards, not the cards. Whoever raises it finds a hand card for each
/// face and takes a joker where no free natural card of that face is left.
struct HintRow {
    PlayType type = PlayNone;
    int count = 0;
    std::array<std::int8_t, kMaxHintFaces> faces{};

    /// False (and nothing written) once the row is full.
    bool append(int face, int times = 1) {
        if (count + times > kMaxHintFaces) {
            return false;
        }
        for (int i = 0; i < times; ++i) {
            faces[static_cast<std::size_t>(count++)] = static_cast<std::int8_t>(face);
        }
        return true;
    }
    int face(int i) const { return faces[static_cast<std::size_t>(i)]; }
};

/// The four jokers, named by kind.
inline HintRow fourJokerHint() {
    HintRow hint;
    hint.type = PlayBomb(4);
    hint.append(kFaceBigJoker, 2);
    hint.append(kFaceSmallJoker, 2);
    return hint;
}

/// The hint list of the player's current turn, owned by the client: built once on the first hint
/// request of a turn and cleared by the next play the server announces.
struct HintState {
    std::array<HintRow, kMaxHintRows> PromptList{};
    std::int16_t g_PromptCount = 0;
    /// The row the hint button shows next.
    std::int16_t g_PromptIndex = 0;
    bool g_bPromptReady = false;

    const HintRow& row(int i) const { return PromptList[static_cast<std::size_t>(i)]; }
    /// Appends a row; false when the list already holds every row it can.
    bool push(const HintRow& hint) {
        if (g_PromptCount >= kMaxHintRows) {
            return false;
        }
        PromptList[static_cast<std::size_t>(g_PromptCount++)] = hint;
        return true;
    }
};

} // namespace qv::rules
