#pragma once

#include "forms/form.h"
#include "forms/image.h"

#include <cstdint>

namespace qv::connection {
class Connection;
}

namespace qv::shop {

using namespace Qt::StringLiterals;

struct ShopState;

/// The VIP window that a seat's VIP badge opens: the picture of the player's VIP level and a
/// button to the signed recharge page, dragged by its body, hidden by its close button.
class FrmVip : public forms::Form {
public:
    FrmVip(forms::FormHost& host, connection::Connection& conn, ShopState& state);

    void Form_Load();
    /// Shows the picture of VIP level `level` (0 to 6); other levels change nothing.
    void initFrm(std::int16_t level);
    void Form_MouseMove();
    void ImgOpenvip_Click();
    void ImgOpenvip_MouseMove();
    void ImgClose_MouseMove();

    // clang-format off
    forms::Image ImgOpenvip{*this, u"ImgOpenvip"_s, {.left = 45, .top = 250, .width = 223, .height = 32, .pictureRes = 523}};
    forms::Image ImgClose{*this, u"ImgClose"_s, {.left = 280, .top = 12, .width = 16, .height = 16, .pictureRes = 1551}};
    // clang-format on

private:
    connection::Connection& conn_;
    ShopState& state_;
};

/// Makes the shop's pop-up windows on the connection and the shop's state.
void registerShopForms(forms::FormHost& host, connection::Connection& conn, ShopState& state);
/// Unloads the shop's pop-up windows in the order the table window's closing does.
void unloadShopForms(forms::FormHost& host);

} // namespace qv::shop
