#pragma once

namespace qv::hand {

/// The row of the own hand: cards `spacing` pixels apart, `total` wide, starting at `left`.
struct HandLayout {
    int spacing;
    int total;
    int left;
};

/// The row of `sum` cards of width `cardWidth` centred on a table `tableWidth` pixels wide: the
/// cards overlap to 0.22 of their width at full scale, 0.19 below it. Values are rounded to the
/// nearest whole number, halves to even.
[[nodiscard]] HandLayout ComputeHandLayout(double cardWidth, int sum, double tableWidth,
                                           float scaleX);

/// Rounds to the nearest whole number, halves to the even neighbour.
[[nodiscard]] int RoundHalfEven(double value);

} // namespace qv::hand
