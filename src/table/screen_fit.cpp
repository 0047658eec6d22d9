#include "table/screen_fit.h"

namespace qv::table {

namespace {

constexpr int kDesignWidthPx = 1024;
constexpr int kDesignHeightPx = 768;
constexpr int kSkinWindowWidth = 15600;
constexpr int kSkinWindowHeight = 11940;
constexpr int kBorderTwips = 120;
constexpr int kTitleBandTwips = 300;

} // namespace

ScreenFit fitToScreen(int screenWidthPx, int screenHeightPx) {
    ScreenFit fit;
    const bool designOrLarger = static_cast<float>(screenWidthPx) >= kDesignWidthPx &&
                                static_cast<float>(screenHeightPx) >= kDesignHeightPx;
    fit.scale = designOrLarger ? 1.0F : kSmallScale;

    if (screenHeightPx > kDesignHeightPx) {
        fit.skinHeight = true;
        fit.windowHeight = kSkinWindowHeight;
        fit.pic1Top = kTitleBandTwips;
        fit.pic1Height = kSkinWindowHeight - kTitleBandTwips - kBorderTwips;
    } else {
        fit.windowHeight = screenHeightPx * kTwipsPerPixel;
        fit.pic1Height = fit.windowHeight;
    }

    if (screenWidthPx > kDesignWidthPx) {
        fit.skinWidth = true;
        fit.windowWidth = kSkinWindowWidth;
        fit.pic1Left = kBorderTwips;
        fit.pic1Width = kSkinWindowWidth - 2 * kBorderTwips;
    } else {
        fit.windowWidth = screenWidthPx * kTwipsPerPixel;
        fit.pic1Width = fit.windowWidth;
    }
    return fit;
}

} // namespace qv::table
