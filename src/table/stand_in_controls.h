#pragma once

#include "forms/user_control.h"

namespace qv::table {

/// A control of the game's own kinds (animated GIF player, picture button, banner, sprite
/// animation, web view) that holds its place, name and size in the window until its own
/// implementation takes over; it paints nothing.
template <const char16_t* Kind>
class StandIn : public forms::UserControl {
public:
    StandIn(forms::Container& container, QString name)
        : forms::UserControl(container, std::move(name), QString::fromUtf16(Kind)) {}
    StandIn(forms::Container& container, QString name, const forms::ControlDesign& design)
        : forms::UserControl(container, std::move(name), QString::fromUtf16(Kind), design) {}

    void copyPropertiesFrom(const StandIn& other) { copyControlPropertiesFrom(other); }
};

inline constexpr char16_t kAniGifKind[] = u"ucAniGIF";
inline constexpr char16_t kPictureButtonKind[] = u"inode_pic";
inline constexpr char16_t kBannerKind[] = u"moveWord";
inline constexpr char16_t kSpriteKind[] = u"APNG";
inline constexpr char16_t kWebBrowserKind[] = u"WebBrowser";

using AniGifStandIn = StandIn<kAniGifKind>;
using PictureButtonStandIn = StandIn<kPictureButtonKind>;
using BannerStandIn = StandIn<kBannerKind>;
using SpriteStandIn = StandIn<kSpriteKind>;
using WebBrowserStandIn = StandIn<kWebBrowserKind>;

} // namespace qv::table
