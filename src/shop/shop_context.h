#pragma once

#include "shop/jade_reward.h"
#include "shop/shop_state.h"

namespace qv::table {
class MainForm;
}
namespace qv::connection {
class Connection;
}

namespace qv::shop {

/// What the prize bar, the chips, the purchase and the item bag work with: the table window, the
/// connection (with the hand, table and tournament state it reaches), their own state and the
/// reward display they start.
struct ShopContext {
    table::MainForm& form;
    connection::Connection& conn;
    ShopState& state;
    JadeReward& jade;
};

} // namespace qv::shop
