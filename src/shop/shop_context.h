#pragma once

#include "shop/shop_state.h"

namespace qv::table {
class MainForm;
}
namespace qv::connection {
class Connection;
}
namespace qv::forms {
class FormHost;
}
namespace qv::settlement {
struct SettlementState;
}

namespace qv::shop {

/// What the prize bar, the chips, the purchase, the item bag and the rewards after a hand work
/// with: the table window, the connection (with the hand, table and tournament state it
/// reaches), their own state, the settlement's waiting sheet and the pop-up windows' host.
struct ShopContext {
    table::MainForm& form;
    connection::Connection& conn;
    ShopState& state;
    settlement::SettlementState& sheet;
    forms::FormHost& forms;
};

} // namespace qv::shop
