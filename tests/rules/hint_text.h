#pragma once

#include "rules/card_code.h"
#include "rules/face_count.h"
#include "rules/hint_list.h"

#include <string>
#include <string_view>
#include <vector>

namespace qv::rules::testing {

/// A hand written by faces only, "3456789TJQKA2SB" (S small joker, B big joker), in any order:
/// each copy of a face gets the next suit from spades down, the jokers no suit. Sorted into hand
/// order; each card's position in the text is its deck index.
std::vector<CardCode> handOf(std::string_view faces);

/// The same hand counted by face.
FaceCount countOf(std::string_view faces);

/// Each hint row as its type and faces, "16:QQQQ"; a 2 at the low end of a run reads '2'.
std::vector<std::string> rowsOf(const HintState& hints);

} // namespace qv::rules::testing
