#pragma once

#include <QString>

#include <cstdint>

namespace qv::shop {

/// The whole part of `value` as plain decimal text, without exponent or grouping.
[[nodiscard]] QString WholeText(double value);
/// `value` truncated toward zero and held within the 32-bit signed range.
[[nodiscard]] std::int32_t SaturatedWhole(double value);

} // namespace qv::shop
