#include "hint_text.h"

#include <array>
#include <stdexcept>

namespace qv::rules::testing {

namespace {

constexpr std::string_view kFaces = "3456789TJQKA2SB";

char faceChar(int face) {
    return face >= kLowestFace && face <= kFaceBigJoker
               ? kFaces[static_cast<std::size_t>(face - kLowestFace)]
               : '?';
}

} // namespace

std::vector<CardCode> handOf(std::string_view faces) {
    std::vector<CardCode> hand;
    std::array<int, kFaceBigJoker + 1> copies{};
    for (const char c : faces) {
        if (c == ' ') {
            continue;
        }
        const std::size_t at = kFaces.find(c);
        if (at == std::string_view::npos) {
            throw std::invalid_argument("unknown face");
        }
        const int face = static_cast<int>(at) + kLowestFace;
        const int copy = copies[static_cast<std::size_t>(face)]++;
        const int suit = face >= kFaceSmallJoker ? 0 : kSuitFlags[3 - copy % 4];
        hand.push_back(makeCard(face, suit, static_cast<int>(hand.size())));
    }
    sortHandOrder(hand);
    return hand;
}

FaceCount countOf(std::string_view faces) {
    return countHand(handOf(faces));
}

std::vector<std::string> rowsOf(const HintState& hints) {
    std::vector<std::string> rows;
    for (int r = 0; r < hints.g_PromptCount; ++r) {
        const HintRow& row = hints.row(r);
        std::string text = std::to_string(row.type) + ':';
        for (int i = 0; i < row.count; ++i) {
            text += faceChar(row.face(i));
        }
        rows.push_back(text);
    }
    return rows;
}

} // namespace qv::rules::testing
