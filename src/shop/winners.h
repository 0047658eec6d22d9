#pragma once

#include "connection/game_message.h"
#include "shop/prize_record.h"

#include <QString>

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

namespace qv::shop {

struct ShopContext;
struct ShopState;
struct Goods;

/// Command 94 from the server: winner records, and whether the list wants a refresh.
struct PrizeListReply {
    bool refresh = false;
    std::vector<PrizeRecord> records;
};

/// The reply's records that lie wholly within the message, ids of 0 or below left out; nothing
/// when byte 16 is not 4.
[[nodiscard]] std::optional<PrizeListReply> DecodePrizeList(const connection::GameMessage& msg);
/// Takes the records in and redraws the open panel.
void OnPrizeListMessage(ShopContext& ctx, const PrizeListReply& reply);
/// Puts a record in the nine newest rows and keeps older records of distinct kinds in the three
/// big-prize slots.
void InsertPrizeRecord(ShopState& state, const PrizeRecord& rec);
/// Asks for the records newer than `id`, or for all of them with 0.
void Send94(ShopContext& ctx, std::int32_t id);

/// The six texts of a shown row: time, remark, nickname, value, items, second value.
using PrizeRow = std::array<QString, 6>;
/// The rows the panel shows, the last ones from the big-prize slots.
[[nodiscard]] std::vector<PrizeRow> ShownPrizeRows(const ShopState& state);
/// The item text of a record: name, count and unit of each goods the catalogue knows.
[[nodiscard]] QString FormatPrizeItems(const Goods& goods, const PrizeRecord& rec);
/// Paints the rows on the winners panel.
void DrawPrizeList(ShopContext& ctx);

void bt_prizesort_Click(ShopContext& ctx);
void bt_prizesort_MouseMove(ShopContext& ctx);
void Pic_prizesort_KeyDown(ShopContext& ctx, int keyCode);

} // namespace qv::shop
