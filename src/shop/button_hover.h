#pragma once

#include <cstdint>

namespace qv::forms {
class Image;
}

namespace qv::shop {

/// The button marked lit (its tag "1") and showing its hover picture `picture`.
void ShowHover(forms::Image& button, std::int16_t picture);

} // namespace qv::shop
