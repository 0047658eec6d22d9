#pragma once

#include <QString>

#include <cstdint>
#include <optional>

namespace qv::tools::table {

/// How often the computer players say a quick phrase.
enum class PhraseMode { Off, Rare, Always };

/// One quick phrase: who says it and which.
struct PhraseChoice {
    /// The speaker, counted from the player in the order of play (1 to 3).
    int seat = 1;
    /// The phrase's number in the voiced list, from 1.
    int number = 1;
};

/// After a trick: whether a computer player speaks, drawn from the phrases' own generator so
/// that the deals do not depend on the mode. Rare is one trick in ten.
std::optional<PhraseChoice> phraseAfterTrick(PhraseMode mode, std::uint32_t& state);

/// The text of a voiced phrase by its number.
QString phraseText(int number);

} // namespace qv::tools::table
