#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

#include <array>
#include <concepts>
#include <cstdint>
#include <optional>

namespace qv::common {

/// Any control with a picture property: the image and the picture box.
template <typename T>
concept PictureHolder = requires(T control, const QImage& picture) {
    control.setPicture(picture);
};

/// The stored bytes of picture resource `resId` of type `resType` (the type matched without
/// regard to case), or nothing when the store has no such resource.
[[nodiscard]] std::optional<QByteArray> PictureResourceBytes(std::int16_t resId,
                                                             const QString& resType);

/// Resource `resId` of type "GIF" as a sprite sheet: a picture of any format the store holds (the
/// sheets are PNG) with its transparency, premultiplied for drawing; a null picture on any
/// failure. Decoded once and shared as `LoadGifPicture`'s are, and safe to call from any thread.
[[nodiscard]] QImage LoadSheetPicture(std::int16_t resId);
/// The size of that picture, read from the resource's header without decoding it; empty when the
/// store has no such resource or it is no picture.
[[nodiscard]] QSize SheetPictureSize(std::int16_t resId);

/// The resource decoded as a picture object: GIF (its first frame) and JPEG, recognised by their
/// bytes. A null picture on any failure (no such resource, PNG sheet, undecodable bytes).
/// Decoded from memory on the first call (nothing is written to disk) and kept: every later
/// call, and every control given the picture, shares the same pixels. A GIF comes as an 8-bit
/// palette image.
[[nodiscard]] QImage LoadGifPicture(std::int16_t resId, const QString& resType);
/// The size of the picture `LoadGifPicture` gives, read from the resource's header without
/// decoding it; empty when it gives none.
[[nodiscard]] QSize PictureResourceSize(std::int16_t resId, const QString& resType);

/// A picture stored with a window design, by its path below the design folder
/// ("MainForm/Pic1.gif", "ChuPai/Label1.png"); a null picture when there is none. Decoded once
/// and shared as `LoadGifPicture`'s are.
[[nodiscard]] QImage LoadDesignPicture(const QString& path);
/// The size of that picture, read from its file's header; empty when there is none.
[[nodiscard]] QSize DesignPictureSize(const QString& path);

/// Puts the resource into `img`'s picture: 1 on success; 0 on any failure, and `img` keeps the
/// picture it had.
template <PictureHolder Control>
std::int16_t LoadGifRes(std::int16_t resId, const QString& resType, Control& img) {
    const QImage picture = LoadGifPicture(resId, resType);
    if (picture.isNull()) {
        return 0;
    }
    img.setPicture(picture);
    return 1;
}

/// The second name some callers use for `LoadGifRes`.
template <PictureHolder Control>
std::int16_t LoadGifResCopy(std::int16_t resId, const QString& resType, Control& img) {
    return LoadGifRes(resId, resType, img);
}

/// The per-button values that `LoadGifResAt` may store (`BtnValue`, 0..10).
using ButtonValues = std::array<std::int16_t, 11>;

/// `LoadGifRes`, then moves `img` to `left` and stores `value` as `BtnValue`(index) when they are
/// given. False only when the value cannot be stored (index outside 0..10); a failed picture
/// load still gives true. `path` is not used.
template <PictureHolder Control>
bool LoadGifResAt(std::int16_t resId, const QString& resType, [[maybe_unused]] const QString& path,
                  Control& img, std::int16_t index, ButtonValues& BtnValue,
                  std::optional<std::int16_t> value = std::nullopt,
                  std::optional<double> left = std::nullopt) {
    LoadGifRes(resId, resType, img);
    if (left) {
        img.setLeft(*left);
    }
    if (value) {
        if (index < 0 || index >= static_cast<std::int16_t>(BtnValue.size())) {
            return false;
        }
        BtnValue[static_cast<std::size_t>(index)] = *value;
    }
    return true;
}

} // namespace qv::common
