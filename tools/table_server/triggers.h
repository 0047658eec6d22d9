#pragma once

#include <QString>

#include <cstdint>
#include <variant>

namespace qv::tools::table {

/// One thing the table is told to do at once, read from a line of text: a table state, a removal,
/// a seat's readiness or a computer player leaving. Seats are counted from the player in the
/// order of play: 0 is the player ("own"), 1 the seat after him, 2 the one opposite, 3 the one
/// before him.
struct Trigger {
    enum class Kind { State, Wealth, CoinsShort, Remove, Ready, Leave };
    Kind kind = Kind::State;
    /// State: the table-state value, 0 to 2.
    int state = 0;
    /// State 0: seats change at random before the hand.
    bool randomSeats = false;
    /// State 0: show the seat change now.
    bool showSeatChange = false;
    /// Wealth: the table's new multiple.
    std::int32_t multiple = 0;
    /// CoinsShort, Ready, Leave: the seat counted from the player.
    int seat = 0;
    /// Remove: the reason shown to the player.
    QString reason;
};

/// A trigger line read strictly, or why it is refused.
using ParsedTrigger = std::variant<Trigger, QString>;
[[nodiscard]] ParsedTrigger parseTrigger(const QString& line);

/// The trigger lines, for the help text.
[[nodiscard]] QString triggerHelp();

} // namespace qv::tools::table
