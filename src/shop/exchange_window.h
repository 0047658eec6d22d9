#pragma once

#include "forms/control_array.h"
#include "forms/form.h"
#include "forms/image.h"
#include "forms/label.h"

#include <QStringList>

#include <array>
#include <cstdint>

namespace qv::connection {
class Connection;
}

namespace qv::shop {

using namespace Qt::StringLiterals;

struct ShopState;

/// One good of the exchange catalogue: its name, its price and, for some, an extra line; and
/// its picture.
struct ExchangeItem {
    QStringList itemTexts;
    std::int16_t picId = 0;
};

/// The catalogue of goods for jade, eight to a page, with links to the site's exchange page and
/// to the signed recharge page; always on top, dragged by its body.
class exchangeFrm : public forms::Form {
public:
    exchangeFrm(forms::FormHost& host, connection::Connection& conn, ShopState& state);

    /// Lays the window out and shows page 1 of the catalogue; its opener calls it once it has
    /// made the window.
    void LayoutExchangeForm();
    void FillExchangeCatalogue();
    void ShowExchangePage(std::int16_t page);
    void pageUp_Click();
    void pageDown_Click();
    void Form_MouseDown(double x, double y);
    void Form_MouseMove(double x, double y);
    void exchange_MouseDown();
    void img_buyvip_MouseDown();

    [[nodiscard]] std::int16_t ExchangePage() const { return ExchangePage_; }

    // clang-format off
    forms::ControlArray<forms::Image> exchangelist{*this, u"exchangelist"_s, {{.firstIndex = 0, .lastIndex = 0, .width = 81, .height = 81, .visible = false, .stretch = true}}};
    forms::ControlArray<forms::Label> title1{*this, u"title1"_s, {{.firstIndex = 0, .lastIndex = 0, .width = 120, .height = 17, .visible = false}}};
    forms::ControlArray<forms::Label> title2{*this, u"title2"_s, {{.firstIndex = 0, .lastIndex = 0, .width = 120, .height = 34, .visible = false}}};
    forms::Image scroll{*this, u"scroll"_s, {.left = 176, .top = 372, .width = 150, .height = 45, .pictureRes = 445}};
    forms::Image pageUp{*this, u"pageUp"_s, {.left = 176.667, .top = 376.667, .width = 41, .height = 36}};
    forms::Image pageDown{*this, u"pageDown"_s, {.left = 282, .top = 376.667, .width = 41, .height = 36}};
    forms::Label page{*this, u"page"_s, {.left = 236.333, .top = 386, .width = 40, .height = 17, .text = u"1/3", .fontSize = 9, .foreColor = 0xFFFFFF}};
    forms::Image exchange{*this, u"exchange"_s, {.left = 390, .top = 414, .width = 100, .height = 30, .pictureRes = 830}};
    forms::Image img_buyvip{*this, u"img_buyvip"_s, {.left = 30, .top = 414, .width = 100, .height = 30, .pictureRes = 521}};
    forms::Image Image_close{*this, u"Image_close"_s, {.left = 490, .top = 8, .width = 21, .height = 21, .pictureRes = 449}};
    // clang-format on

private:
    void restoreHovers();

    connection::Connection& conn_;
    ShopState& state_;
    std::array<ExchangeItem, 20> ExchangeItems{};
    std::int32_t ExchangeLastIndex = 0;
    std::int16_t ExchangePageCount = 0;
    std::int16_t ExchangePage_ = 1;
    bool ExchangeDragging = false;
    double ExchangeDragX = 0;
    double ExchangeDragY = 0;
};

} // namespace qv::shop
