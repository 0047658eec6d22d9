#pragma once

#include "platform/time_service.h"

#include <QString>

#include <cstdint>

namespace qv {

/// How many times `n` can be halved (truncating) while above 1: a seat mask or suit flag to its
/// index. 1 or less gives 0.
[[nodiscard]] std::uint8_t IntLog2(std::int16_t n);
/// 2 to the power `n`; 0 or less gives 1. From 15 on the result overflows: RuntimeError (overflow).
[[nodiscard]] std::int16_t Pow2(std::int16_t n);

/// Blocks for `seconds`, rounded to the millisecond, delivering nothing. Lengths beyond the time
/// service's range (about 24 days) are cut to it.
void SleepSec(platform::TimeService& time, float seconds);
/// Waits `seconds` while delivering events. Measures on the monotonic clock, so a wait across
/// midnight ends after its length; a negative length or NaN returns at once, and lengths beyond
/// the time service's range (about 24 days) are cut to it.
void WaitSec(platform::TimeService& time, float seconds);
/// Waits `ms` while delivering events; 0 or less returns at once without delivering anything.
/// Measures on the monotonic clock, so a wait across the tick's wrap ends after its length.
void WaitMs(platform::TimeService& time, std::int16_t ms);

/// `s` right-aligned in a field of `n` characters; longer texts are returned unchanged.
[[nodiscard]] QString PadLeft(const QString& s, std::int16_t n);

/// `s` followed by blanks to `n` characters; longer texts are returned unchanged.
[[nodiscard]] QString PadRight(const QString& s, std::int16_t n);
/// Whether the first ordinary file that `path` (a folder and a name that may hold * and ?)
/// matches is named exactly `name`, case included. Nothing found matches only an empty name.
[[nodiscard]] bool FileNameExists(const QString& path, const QString& name);

} // namespace qv
