#pragma once

#include "shop_messages.h"

#include <QString>

#include <array>
#include <cstdint>
#include <variant>
#include <vector>

namespace qv::tools::table {

/// One thing the table is told to do at once, read from a line of text: a table state, a removal,
/// a seat's readiness or a computer player leaving. Seats are counted from the player in the
/// order of play: 0 is the player ("own"), 1 the seat after him, 2 the one opposite, 3 the one
/// before him.
struct Trigger {
    enum class Kind {
        State,
        Wealth,
        CoinsShort,
        Remove,
        Ready,
        Leave,
        Bag,
        Item,
        Marquee,
        Notice,
        Plugin
    };
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
    /// Plugin: the item plug-in's command to send, 44 to 46.
    int command = 0;
    /// Remove: the reason shown to the player; Marquee and Notice: the text.
    QString reason;
    /// Bag: the whole bag; Item: one goods and its new count.
    std::vector<Goods> goods;
    /// Notice: its mode (1 is the pool amount) and, for mode 6, its colour.
    std::int16_t mode = 0;
    std::array<std::uint8_t, 3> rgb{};
};

/// A trigger line read strictly, or why it is refused.
using ParsedTrigger = std::variant<Trigger, QString>;
[[nodiscard]] ParsedTrigger parseTrigger(const QString& line);

/// The trigger lines, for the help text.
[[nodiscard]] QString triggerHelp();

} // namespace qv::tools::table
