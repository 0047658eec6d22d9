#pragma once

#include <QByteArray>
#include <QColor>

#include <cstdint>
#include <vector>

namespace qv::controls::test {

/// The colours of the tests' pictures, and a 4-colour table of them.
inline constexpr QRgb kBlack = 0xFF000000;
inline constexpr QRgb kRed = 0xFFFF0000;
inline constexpr QRgb kGreen = 0xFF00FF00;
inline constexpr QRgb kBlue = 0xFF0000FF;
inline const std::vector<QRgb> kPalette{kBlack, kRed, kGreen, kBlue};

/// One frame of a GIF the tests write.
struct TestFrame {
    int left = 0;
    int top = 0;
    int width = 1;
    int height = 1;
    /// Colour indices, top row first.
    std::vector<std::uint8_t> pixels{};
    int disposal = 0;
    /// In hundredths of a second, as the file stores it.
    int delay = 0;
    /// -1: opaque.
    int transparent = -1;
    /// Empty: the global table.
    std::vector<QRgb> localPalette{};
    bool interlaced = false;
    bool withControlExtension = true;
};

/// A GIF file written without the client's encoder: every pixel a literal code, with a clear
/// code often enough that codes stay 9 bits wide. `loops` < 0 writes no loop block; an empty
/// global palette writes no global table.
[[nodiscard]] QByteArray MakeGif(const std::vector<QRgb>& globalPalette,
                                 const std::vector<TestFrame>& frames, int loops = -1);

/// A frame of one colour index.
[[nodiscard]] TestFrame SolidFrame(int left, int top, int width, int height, std::uint8_t index);

} // namespace qv::controls::test
