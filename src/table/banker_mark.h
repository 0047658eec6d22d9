#pragma once

namespace qv::table {

class MainForm;

/// Places the countdown clock `Time_Img` at relative seat `seat` and its digits `Number` on it.
void PlaceClock(MainForm& form, int seat);

/// Places the banker mark `imgDizhu` and the countdown clock `Time_Img` at the banker's
/// relative seat, and the countdown digits `Number` on the clock.
void PlaceBankerMark(MainForm& form, int bankerSeat);

/// The call button for a banker who is the player: its picture, its place, enabled and shown.
void ShowCallButton(MainForm& form);

/// Shows the clock with `seconds` in green, the banker mark and the called-card frame, each in
/// front.
void ShowBankerClock(MainForm& form, int seconds);

} // namespace qv::table
