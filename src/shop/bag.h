#pragma once

#include "connection/game_message.h"
#include "match/match.h"
#include "shop/goods.h"

#include <optional>
#include <vector>

namespace qv::shop {

struct ShopContext;

/// Command 85: the whole item bag. Items whose count does not fit 0 to 2^31 - 1 are left out.
struct BagList {
    std::vector<BagItem> items;
};
/// Command 86: the new count of one goods.
struct BagUpdate {
    BagItem item;
};

/// The items wholly within the message's bytes 17 to 271.
[[nodiscard]] std::optional<BagList> DecodeBagList(const connection::GameMessage& msg);
/// Nothing when the count does not fit 0 to 2^31 - 1.
[[nodiscard]] std::optional<BagUpdate> DecodeBagItem(const connection::GameMessage& msg);
/// Replaces the bag, shows the cigarettes owned, refreshes the chips and asks for the pool.
void MsgBagList(ShopContext& ctx, const BagList& list);
/// Sets, adds or removes one goods; a change of the cigarettes refreshes the chips.
void MsgBagItem(ShopContext& ctx, const BagUpdate& update);

/// Replaces the whole bag.
void TakeBagList(Goods& goods, const std::vector<BagItem>& items);
/// Sets the count of one goods: 0 removes it, an unknown goods with a count is appended.
void TakeBagItem(Goods& goods, const BagItem& item);

/// The tournament reset of the start-up and of each login, which empties the item bag too.
class BagAndMatchReset final : public match::MatchReset {
public:
    BagAndMatchReset(match::MatchReset& match, Goods& goods) : match_(match), goods_(goods) {}
    void initMatchData() override;

private:
    match::MatchReset& match_;
    Goods& goods_;
};

} // namespace qv::shop
