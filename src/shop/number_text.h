#pragma once

#include <QString>

#include <cstdint>

namespace qv::shop {

/// The number a text begins with, as the runtime's Val reads it: blanks skipped, a sign, digits
/// with one decimal point and an exponent; 0 when the text begins with none.
[[nodiscard]] double LeadingNumber(const QString& text);
/// The whole part of `value` as plain decimal text, without exponent or grouping.
[[nodiscard]] QString WholeText(double value);
/// `value` truncated toward zero and held within the 32-bit signed range.
[[nodiscard]] std::int32_t SaturatedWhole(double value);

} // namespace qv::shop
