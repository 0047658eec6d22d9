#pragma once

#include "forms/control_array.h"
#include "forms/form.h"
#include "forms/image.h"
#include "forms/label.h"
#include "forms/timer.h"
#include "shop/goods_picture_download.h"

#include <cstdint>

namespace qv::connection {
class Connection;
}

namespace qv::shop {

using namespace Qt::StringLiterals;

struct ShopState;

/// The goods window: the item bag as pages of twelve tiles with their counts; the selected goods'
/// name, picture and description, with a link to the site's exchange page for goods that can be
/// exchanged. Its timer fetches the queued goods pictures. Always on top, dragged by its body,
/// hidden by its close button; the window's tag holds the page shown.
class FrmGoods : public forms::Form {
public:
    FrmGoods(forms::FormHost& host, connection::Connection& conn, ShopState& state);

    /// Lays the tiles out and starts the picture pump; `GoodsWindow` calls it once it has made
    /// the window.
    void Form_Load();
    void Form_Unload();
    /// Renders page `page` of the bag's display slots; a page beyond the last becomes the last,
    /// and an empty bag shows nothing.
    void ShowGoodsPage(std::int16_t& page);
    /// Selects tile `index` as a click on it does.
    void selectOneGoods(int index);
    void ImgPage_Click(int index);
    void ImgPage_MouseMove(int index);
    void ImgClose_MouseMove();
    void Form_MouseDown(int button);
    void Form_MouseMove();
    void LblExchange_Click();
    void Timer1_Timer();

    // clang-format off
    forms::ControlArray<forms::Label> LblNum{*this, u"LblNum"_s, {{.firstIndex = 0, .lastIndex = 0, .left = 293, .top = 42, .width = 130, .height = 24, .foreColor = 0x004080, .alignment = forms::DesignAlign::Centre}}};
    forms::Label RTBGoodsDes{*this, u"RTBGoodsDes"_s, {.left = 296, .top = 112, .width = 121, .height = 133, .foreColor = 0xFFFFFE, .ampersandLiteral = true}};
    forms::Label LblExchange{*this, u"LblExchange"_s, {.left = 368, .top = 244, .width = 48, .height = 14, .visible = false, .text = u"兑换", .foreColor = 0x0080FF}};
    forms::Label LblshowPage{*this, u"LblshowPage"_s, {.left = 76, .top = 277, .width = 135, .height = 14, .foreColor = 0x004080, .alignment = forms::DesignAlign::Centre}};
    forms::ControlArray<forms::Image> iPic1{*this, u"iPic1"_s, {{.firstIndex = 0, .lastIndex = 0, .left = 334, .top = 63, .width = 49, .height = 48, .visible = false, .stretch = true}}};
    forms::Image ImgSelected{*this, u"ImgSelected"_s, {.left = 27, .top = 46, .width = 66, .height = 76, .visible = false, .picture = true}};
    forms::ControlArray<forms::Image> ImgPage{*this, u"ImgPage"_s, {{.firstIndex = 0, .lastIndex = 0, .left = 72, .top = 274, .width = 40, .height = 20, .pictureRes = 1640}, {.firstIndex = 1, .lastIndex = 1, .left = 176, .top = 274, .width = 40, .height = 20, .pictureRes = 1642}}};
    forms::Image ImgClose{*this, u"ImgClose"_s, {.left = 410, .top = 9, .width = 16, .height = 16, .pictureRes = 1550}};
    forms::Timer Timer1{*this, u"Timer1"_s, {.intervalMs = 50}};
    // clang-format on

private:
    connection::Connection& conn_;
    ShopState& state_;
    /// The download control `Inetdownpic`.
    GoodsPictureDownload Inetdownpic;
};

/// The goods window, made hidden and laid out on first use.
FrmGoods& GoodsWindow(forms::FormHost& host);
/// Renders the goods window's current page again (after the bag changed).
void ShowCurrentGoodsPage(forms::FormHost& host);

} // namespace qv::shop
