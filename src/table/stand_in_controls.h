#pragma once

#include "forms/user_control.h"

namespace qv::table {

/// A control of the game's own kinds (the animated GIF player) that holds its place, name and size
/// in the window until its own implementation takes over; it paints nothing.
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

using AniGifStandIn = StandIn<kAniGifKind>;

} // namespace qv::table
