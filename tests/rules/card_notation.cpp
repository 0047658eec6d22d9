#include "card_notation.h"

#include <stdexcept>

namespace qv::rules::testing {

namespace {

constexpr std::string_view kFaces = "3456789TJQKA2SB";
constexpr std::string_view kSuits = "dchs";

} // namespace

std::vector<CardCode> cards(std::string_view text) {
    std::vector<CardCode> result;
    std::size_t at = 0;
    while (at < text.size()) {
        if (text[at] == ' ') {
            ++at;
            continue;
        }
        if (at + 1 >= text.size()) {
            throw std::invalid_argument("card without suit");
        }
        const std::size_t face = kFaces.find(text[at]);
        const std::size_t suit = kSuits.find(text[at + 1]);
        if (face == std::string_view::npos || suit == std::string_view::npos) {
            throw std::invalid_argument("unknown card");
        }
        result.push_back(
            makeCard(static_cast<int>(face) + 3, 1 << suit, static_cast<int>(result.size())));
        at += 2;
    }
    return result;
}

std::string notation(std::span<const CardCode> cards) {
    std::string text;
    for (CardCode card : cards) {
        if (!text.empty()) {
            text += ' ';
        }
        const int face = cardFace(card);
        text += face >= 3 && face <= 17 ? kFaces[static_cast<std::size_t>(face - 3)] : '?';
        const int suit = IntLog2(cardSuit(card));
        text += cardSuit(card) == 0 ? '-' : kSuits[static_cast<std::size_t>(suit)];
    }
    return text;
}

} // namespace qv::rules::testing
