#pragma once

#include "match/match.h"

#include <QString>

#include <cstdint>

namespace qv::match {

/// The tournament times as texts. Times are seconds since 1970-01-01 00:00:00 UTC and are shown
/// in UTC, as the server counts them.

/// With a date: "MM-DD hh:mm:ss", or "hh:mm:ss" at a table of type 1. Without one, a duration
/// such as "1天1小时1分1秒"; "0秒" for none.
[[nodiscard]] QString TimeNumToStr(std::int64_t seconds, bool withDate, int matchType = 0);
/// A countdown "HH:MM:SS" (hours may run to more digits); "00:00:00" for 0 or less.
[[nodiscard]] QString SecondsToTimeStr(std::int32_t seconds);
/// The clock label's "yyyy-mm-dd HH:mm:ss".
[[nodiscard]] QString ServerTimeText(std::int64_t seconds);
/// The start of a run at `seconds`, its text made with the date.
[[nodiscard]] StartText StartAt(std::int64_t seconds, int matchType = 0);

} // namespace qv::match
