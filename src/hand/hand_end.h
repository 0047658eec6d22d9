#pragma once

#include "hand/hand_state.h"

namespace qv::hand {

/// What the end of a hand asks of hand play: the running trick's bombs credited, and whether the
/// player's turns are played for him.
class HandEnd {
public:
    virtual ~HandEnd() = default;
    /// Moves every record of the trick's bomb log, in order, to the bomb table row of the seat
    /// of its last bomb and clears the log; a full row takes no more. Nothing while the log is
    /// empty.
    virtual void MoveBombLog() = 0;
    /// The player has handed his turns to the automatic play.
    [[nodiscard]] virtual bool autoPlaying() const = 0;
};

/// The least the end of a hand does until hand play is built: the log moved as above, and no
/// automatic play.
class LeastHandEnd final : public HandEnd {
public:
    explicit LeastHandEnd(HandState& hand) : hand_(hand) {}
    void MoveBombLog() override;
    [[nodiscard]] bool autoPlaying() const override { return false; }

private:
    HandState& hand_;
};

} // namespace qv::hand
