#pragma once

#include <QString>

#include <vector>

namespace qv::table::testing_support {

/// Where one control should stand after the layout, in the table surface's pixels.
struct ExpectedRect {
    QString name;
    int index;
    double left;
    double top;
    double width;
    double height;
};

/// The seat widgets, button row, side widgets and video panels at layout scale `s`.
[[nodiscard]] std::vector<ExpectedRect> expectedSeatLayout(double s);
/// The play controls, ticker, chat box, banner and table texts at scale `s` on a table `w`
/// pixels wide.
[[nodiscard]] std::vector<ExpectedRect> expectedTableLayout(double s, double w);

} // namespace qv::table::testing_support
