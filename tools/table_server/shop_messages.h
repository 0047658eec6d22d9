#pragma once

// The server's side of the prize bar, the item bag and the winners list.
//
// Server -> client
//   85 bag list      16 number of items; 17+6i item i: goods id (16-bit), count (32-bit)
//   86 bag item      16-17 goods id; 18-21 new count (0 removes the goods)
//   93 marquee       16-255 the banner text
//   95 notice        16-17 mode (1 pool amount, 5 system text with "XX游戏XX" for the product,
//                    6 coloured banner text, 7 own prize "x;prize;x;jade", 8 wealth multiple,
//                    other: system text); 9-11 red, green, blue (mode 6); 18-255 the text, 19-255
//                    for modes 7 and 8
//   94 winners       16 4; 17 255 = the client should ask again; 18 number of records; from 19
//                    the records back to back: id (32-bit), 4-19 nickname, 20-23 time (seconds
//                    since 1970, UTC), 24-47 remark, 48-49 a number (16-bit), 50-53 a number
//                    (32-bit), 54 K items, 55+6k item k (goods id 16-bit, count 32-bit),
//                    55+6K prize kind (255 never a big prize)
// Client -> server
//   93 shop order    16 kind (2 buy, 3 chip setting); 17-20 goods id; 21-24 amount
//   94 winners       16-19 the newest record id the client has, 0 for all
//   95 pool request  nothing

#include "connection/game_message.h"

#include <QString>

#include <cstdint>
#include <optional>
#include <vector>

namespace qv::tools::table {

using connection::GameMessage;

struct Goods {
    std::uint16_t id = 0;
    std::uint32_t count = 0;
};

/// One winner record as the records file holds it.
struct WinnerRecord {
    std::int32_t id = 0;
    QString nickname;
    std::int32_t time = 0;
    QString remark;
    std::int16_t value16 = 0;
    std::int32_t value32 = 0;
    std::uint8_t kind = 0;
    std::vector<Goods> items;
};

[[nodiscard]] GameMessage bagList(const std::vector<Goods>& items);
[[nodiscard]] GameMessage bagItem(const Goods& item);
[[nodiscard]] GameMessage marquee(const QString& text);
[[nodiscard]] GameMessage notice(std::int16_t mode, const QString& text, std::uint8_t red = 0,
                                 std::uint8_t green = 0, std::uint8_t blue = 0);
/// The records newer than `newerThan` (all for 0), newest first, as many as fit one message;
/// asks for a refresh when some did not fit.
[[nodiscard]] GameMessage winners(const std::vector<WinnerRecord>& records, std::int32_t newerThan);

/// The records file: one record a line, "id;nickname;time;remark;value16;value32;kind;items"
/// with items as "goods:count" separated by blanks; blank lines and lines starting with "#"
/// are skipped. Nothing when a line is malformed or the file cannot be read.
[[nodiscard]] std::optional<std::vector<WinnerRecord>> readWinners(const QString& path);

/// "goods:count", or nothing.
[[nodiscard]] std::optional<Goods> readGoods(const QString& word);

} // namespace qv::tools::table
