#pragma once

namespace qv::hand {

struct HandContext;

/// The partner-call countdown, once a second (20 pump ticks) while the player may call: at zero
/// the lowest card of his hand is called for him.
void CallCountdown(HandContext& ctx);

/// The turn countdown (pump slot 6), one step a second by the clock, across midnight too: red
/// digits and the warning sound from 5; one step after 0 the turn times out, and for the
/// player's own turn the first hint is played or a pass sent for him. `AutoPlayAfter` time-outs
/// in a row switch to automatic play.
void TurnCountdown(HandContext& ctx);

/// The ready countdown (pump slot 7): at zero the next hand is started for the player.
void ReadyCountdown(HandContext& ctx);

/// Arms the ready countdown at `seconds` (at 1 during hidden play, so the next hand starts at
/// once) and shows it in black digits on the clock, above everything else.
void StartReadyCountdown(HandContext& ctx, int seconds);

/// The seat-change display that the player's start shows, from the start button or the ready
/// countdown: once armed at a table that changes seats at random, shown and no longer armed.
void ShowArmedSeatChange(HandContext& ctx);

/// Shows `seconds` in the clock's digits: green above 5, red at 5 and below.
void ShowCountdownDigits(HandContext& ctx, int seconds);
} // namespace qv::hand
