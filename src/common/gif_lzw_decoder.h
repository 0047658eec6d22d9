#pragma once

#include <QByteArrayView>

#include <cstdint>

namespace qv::common {

/// Decodes one image of a GIF, given its bytes from the image separator to its data's
/// terminator, into `dest`: the image's rows top to bottom (interlacing undone), each `stride`
/// bytes after the one before, one colour index per pixel. Pixels the data does not reach get
/// index 0. False when the data cannot be decoded at all (no code size in range, no
/// room for the descriptor); codes beyond the table end the image, strings longer than the image
/// are cut at its end.
bool DecodeGifImage(QByteArrayView block, std::uint8_t* dest, qsizetype stride);

} // namespace qv::common
