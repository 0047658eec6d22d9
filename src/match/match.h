#pragma once

namespace qv::match {

/// The tournaments' state.
struct MatchState {
    int G_MatchType = 0;
    int juNum = 0;
    int ownPKValue = -1;
    /// Room base and direction until the server sends the tournament room's own.
    double RoomBase = 0.0;
    int RoomDirection = 0;

    friend bool operator==(const MatchState&, const MatchState&) = default;
};

/// Resets the tournament state, as the start-up and the login ask.
class MatchReset {
public:
    virtual ~MatchReset() = default;
    virtual void initMatchData() = 0;
};

/// Until tournaments are there, there is nothing to reset.
class LeastMatchReset final : public MatchReset {
public:
    void initMatchData() override {}
};

} // namespace qv::match
