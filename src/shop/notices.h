#pragma once

#include "connection/game_message.h"

#include <QString>

#include <cstdint>
#include <optional>

namespace qv::shop {

struct ShopContext;

/// A text of the tournament range's messages from byte `from`: up to the first zero byte where a
/// character begins and at the latest byte 255; a byte of 128 or more takes the next byte with
/// it, so a lead byte at 255 takes byte 256.
[[nodiscard]] QString MatchText(const connection::GameMessage& msg, int from);

/// Command 93 from the server: a banner line.
struct Marquee {
    QString text;
};
/// Command 95: the prize pool, a notice, a coloured banner line, the player's own prize or the
/// wealth multiple, by mode.
struct Notice {
    std::int16_t mode = 0;
    QString text;
    /// Mode 6: the colour, red in the low byte.
    std::uint32_t color = 0;
};

[[nodiscard]] std::optional<Marquee> DecodeMarquee(const connection::GameMessage& msg);
[[nodiscard]] std::optional<Notice> DecodeNotice(const connection::GameMessage& msg);
void ApplyMarquee(ShopContext& ctx, const Marquee& marquee);
void ApplyNotice(ShopContext& ctx, const Notice& notice);

} // namespace qv::shop
