#pragma once

#include "rules/card_code.h"
#include "rules/play_type.h"

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace qv::tools::table {

using rules::CardCode;
using rules::PlayType;

inline constexpr int kSeats = 4;
inline constexpr int kHandSize = 27;
/// The partner call names a card of face 3 up to this one.
inline constexpr int kHighestCallFace = 9;

constexpr int seatMask(int seat) {
    return 1 << seat;
}

/// A play in its arranged order, or PlayNone for cards that form no play.
struct Play {
    std::vector<CardCode> cards;
    PlayType type = rules::PlayNone;
};

/// Puts cards into hand order and classifies them.
Play classify(std::vector<CardCode> cards);
/// Whether a play may follow the play to beat (anything may follow a free lead).
bool beats(const Play& play, const Play& toBeat);

using Deal = std::array<std::vector<CardCode>, kSeats>;

/// The shuffled double deck, 27 cards a seat. The shuffle draws from the 32-bit generator in a
/// fixed way, so one seed gives one deal on every platform.
Deal shuffleAndDeal(std::uint32_t& state);
/// The next value of the table's random generator (a 32-bit xorshift).
std::uint32_t nextRandom(std::uint32_t& state);

/// One hand of play: the call, the turn order, tricks, finishing order and bombs.
class Hand {
public:
    enum class Refusal { None, NotHeld, Repeated, NoPlay, DoesNotBeat, PassOnLead, Empty };

    /// What one move did, for the play message.
    struct Step {
        int seat = 0;
        Play play;
        /// The seat to move next, or -1 when the hand is over.
        int next = -1;
        bool trickOver = false;
        bool jieFeng = false;
    };

    Hand(Deal deal, int banker);

    [[nodiscard]] int banker() const { return banker_; }
    [[nodiscard]] bool called() const { return called_; }
    /// The partner, or nothing in a hand the banker plays alone (or before the call).
    [[nodiscard]] std::optional<int> partner() const { return partner_; }
    [[nodiscard]] bool solo() const { return called_ && !partner_; }
    [[nodiscard]] bool sameSide(int a, int b) const;

    /// The partner is the first seat after the banker holding a copy of the called card; a banker
    /// who holds both copies plays alone. The banker then leads.
    void call(int face, int suitFlag);

    [[nodiscard]] const std::vector<CardCode>& cards(int seat) const;
    [[nodiscard]] const std::vector<CardCode>& dealt(int seat) const;
    [[nodiscard]] int turn() const { return turn_; }
    [[nodiscard]] bool leading() const { return toBeat_.type == rules::PlayNone; }
    [[nodiscard]] const Play& toBeat() const { return toBeat_; }
    [[nodiscard]] bool over() const { return over_; }

    /// Checks a play of the seat to move, given as deck indexes; on success `play` holds it.
    Refusal check(std::span<const int> deckIndexes, Play& play) const;
    Step play(const Play& play);
    Step pass();

    /// Finishing places 1 to 4 per seat once the hand is over: the finishing order, then the
    /// seats still holding cards by fewest cards left, then by seat order after the banker.
    [[nodiscard]] std::array<int, kSeats> places() const;
    [[nodiscard]] const std::vector<int>& finishOrder() const { return finished_; }
    /// Card counts of the bombs of five or more cards each seat played.
    [[nodiscard]] const std::array<std::vector<int>, kSeats>& bombs() const { return bombs_; }

private:
    [[nodiscard]] bool active(int seat) const {
        return !hands_[static_cast<std::size_t>(seat)].empty();
    }
    [[nodiscard]] int nextActive(int seat) const;
    Step advance(Step step);

    Deal dealt_;
    Deal hands_;
    int banker_;
    bool called_ = false;
    std::optional<int> partner_;
    int turn_;
    Play toBeat_;
    int lastPlayer_ = -1;
    int passes_ = 0;
    bool over_ = false;
    std::vector<int> finished_;
    std::array<std::vector<int>, kSeats> bombs_;
};

} // namespace qv::tools::table
