#pragma once

#include <QImage>
#include <QRegion>
#include <QString>

namespace qv::chat {

struct ChatContext;

/// The speech bubbles beside the seats (`Mod_SpeakBox`): one per display seat, made at the
/// seat's first phrase and reused; each fades in, holds and fades out on a tick of its own.

/// The fade's tick, as the bubble timer's resolution gives it.
inline constexpr int kSpeakBoxTickMs = 15;

/// Makes seat `seat`'s bubble when it does not exist: its picture, cut to the picture's outline,
/// out of sight with an empty phrase.
void OpenSpeakBox(ChatContext& ctx, int seat);
/// Places the bubble beside the seat, writes the phrase and starts the fade.
void showMe(ChatContext& ctx, int seat, const QString& phrase, int perc, int fadeIn, int fadeOut,
            int showTime);
/// One tick of seat `seat`'s fade.
void tmrFadeIn_Timer(ChatContext& ctx, int seat);
/// Sets a bubble's alpha; a value outside 0..255 leaves it as it is.
void SetSpeakBoxAlpha(ChatContext& ctx, int seat, int alpha);

/// The outline of a bubble picture: each row's runs of pixels that differ from the key colour
/// (the top-left pixel's when `keyColour` is below 1), a run that reaches the last column ending
/// before it.
[[nodiscard]] QRegion SpeakBoxRegion(const QImage& picture, QRgb keyColour);

} // namespace qv::chat
