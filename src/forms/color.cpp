#include "forms/color.h"

#include <array>

namespace qv::forms {

namespace {

// The classic Windows palette of the system colours 0..24, as 0x00BBGGRR.
constexpr std::array<OleColor, 25> kSystemColors{
    rgb(212, 208, 200), rgb(58, 110, 165),  rgb(10, 36, 106),   rgb(128, 128, 128),
    rgb(212, 208, 200), rgb(255, 255, 255), rgb(0, 0, 0),       rgb(0, 0, 0),
    rgb(0, 0, 0),       rgb(255, 255, 255), rgb(212, 208, 200), rgb(212, 208, 200),
    rgb(128, 128, 128), rgb(10, 36, 106),   rgb(255, 255, 255), rgb(212, 208, 200),
    rgb(128, 128, 128), rgb(128, 128, 128), rgb(0, 0, 0),       rgb(212, 208, 200),
    rgb(255, 255, 255), rgb(64, 64, 64),    rgb(212, 208, 200), rgb(0, 0, 0),
    rgb(255, 255, 225)};

} // namespace

QColor toQColor(OleColor color) {
    if ((color & 0x80000000U) != 0) {
        const auto index = color & 0xFFU;
        color = index < kSystemColors.size() ? kSystemColors[index] : 0;
    }
    return {static_cast<int>(color & 0xFFU), static_cast<int>((color >> 8U) & 0xFFU),
            static_cast<int>((color >> 16U) & 0xFFU)};
}

OleColor toOleColor(const QColor& color) {
    const QColor rgbColor = color.toRgb();
    return rgb(rgbColor.red(), rgbColor.green(), rgbColor.blue());
}

} // namespace qv::forms
