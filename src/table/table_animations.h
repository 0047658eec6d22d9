#pragma once

#include <QString>

namespace qv::table {

class MainForm;

/// The seat-change caption's tick: shows the caption due and moves on to the next, round.
void TimerShuffle_Timer(MainForm& form);
/// The 3-2-1 countdown's tick: hides the frames and shows the next, or ends the countdown after
/// the third.
void Timer_ani_Timer(MainForm& form);

/// Starts the seat-change display: picture and caption in front, the caption from its first text
/// cycling every 300 ms, the seat-change page `pageUrl` opened in front.
void ShowSeatChange(MainForm& form, const QString& pageUrl);
/// Stops the 3-2-1 countdown at once: frames hidden, timer off with its Tag "0".
void StopCountdownAnimation(MainForm& form);

} // namespace qv::table
