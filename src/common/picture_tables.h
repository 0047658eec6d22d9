#pragma once

#include "common/picture_resources.h"

#include <QString>

#include <array>

namespace qv::common {

/// The picture-id tables of the `Image_Resource` module: each element a resource id of type
/// "GIF" as decimal text, or empty when never filled. Only `InitImageResTables` writes them.
struct ImageResource {
    /// 80 x 109 played-card faces by `PicCode` (face + 16 x suit index).
    std::array<QString, 64> CardPicRes;
    /// 90 x 122 own-hand faces by `PicCode`: the id is the code.
    std::array<QString, 64> HandPicRes;
    /// Face-down hands of relative seats 1, 2, 3, from a few cards (0) to the full hand (3).
    std::array<QString, 4> HandBackRes1;
    std::array<QString, 4> HandBackRes2;
    std::array<QString, 4> HandBackRes3;
    /// Table buttons: send (0, 1), then chat, start, continue, settings, hide, score, history,
    /// rules and exit, normal and hover each; the small set below scale 1.0.
    std::array<QString, 20> AnNiuRes;
    std::array<QString, 12> DialogBtnRes;
    /// Play, hint and pass (normal, hover, disabled), sort and previous trick (normal, disabled).
    std::array<QString, 13> OperationRes;
    std::array<QString, 2> JiaopaiRes;
    /// Avatars: 0..9 men, 10..19 women.
    std::array<QString, 20> HeadRes;
    std::array<QString, 4> ReadyRes;
    std::array<QString, 3> PlaceRes;
    std::array<QString, 13> ImCmdRes;
    /// Speech bubbles; 12..14 are the bomb bubble of relative seats 1, 2, 3.
    std::array<QString, 15> BubbleRes;

    /// `BtnValue`: the values `LoadGifResAt` stores per button.
    ButtonValues BtnValue{};
};

/// Fills every table; `scaleX` (the layout's `ScaleX`) picks the table-button set.
void InitImageResTables(ImageResource& tables, float scaleX);

} // namespace qv::common
