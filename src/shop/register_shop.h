#pragma once

#include <functional>

namespace qv::connection {
class Connection;
}
namespace qv::table {
class MainForm;
}

namespace qv::shop {

struct ShopContext;

/// Registers the shop's message branches (the item bag, the banner and prize notices, the
/// winners list) and its pump steps: the own prize, the reward sequence after a hand and the
/// pool's roll, in this order. `shop` gives the table window's shop while
/// the window is there.
void RegisterShop(connection::Connection& conn, const std::function<ShopContext*()>& shop);
/// The prize bar's, chip box's, purchase panel's and winners panel's handlers on their controls.
void WireShopControls(table::MainForm& form, const std::function<ShopContext*()>& shop);

} // namespace qv::shop
