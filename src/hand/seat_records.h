#pragma once

namespace qv::hand {

/// The record windows' share of a seating: the score sheet and the history name the seated
/// player and show his head picture.
class SeatRecords {
public:
    virtual ~SeatRecords() = default;
    /// Display seat `seat` as the seating left it in the sheet's seats.
    virtual void ShowSeat(int seat) = 0;
};

} // namespace qv::hand
