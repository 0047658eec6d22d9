#include "shop/exchange_window.h"

#include "common/picture_resources.h"
#include "connection/connection.h"
#include "forms/form_host.h"
#include "hand/hand_state.h"
#include "platform/services.h"
#include "plugin/plugin.h"
#include "shop/button_hover.h"
#include "shop/recharge_address.h"
#include "shop/shop_state.h"
#include "table/window_pictures.h"

namespace qv::shop {
namespace {

constexpr int kPageSlots = 8;
constexpr int kColumns = 4;
constexpr std::int16_t kFirstGoodsPicture = 1880;
constexpr std::int16_t kBar = 445;
constexpr std::int16_t kBarLeftLit = 446;
constexpr std::int16_t kBarRightLit = 447;
constexpr std::int16_t kClose = 449;
constexpr std::int16_t kCloseHover = 448;
constexpr std::int16_t kBuyVip = 521;
constexpr std::int16_t kBuyVipHover = 522;
constexpr std::int16_t kExchange = 830;
constexpr std::int16_t kExchangeHover = 831;
constexpr forms::OleColor kWhite = 0xFFFFFF;
constexpr forms::OleColor kGreen = 0x00FF00;

struct CatalogueEntry {
    const char16_t* name;
    const char16_t* price;
    const char16_t* extra;
};

constexpr std::array<CatalogueEntry, 20> kCatalogue{{
    {u"手机话费-10元", u"翡翠20000个", nullptr},
    {u"手机话费-10元", u"翡翠200个", u"1张手机充值卡10元"},
    {u"苏泊尔电压力锅", u"翡翠578000个", nullptr},
    {u"美的微波炉", u"翡翠918000个", nullptr},
    {u"iPad4-16G", u"翡翠7376000个", nullptr},
    {u"42寸创维电视", u"翡翠6000000个", nullptr},
    {u"华为手机", u"翡翠2000000个", nullptr},
    {u"骏网一卡通10元", u"翡翠20000个", nullptr},
    {u"手机话费-20元", u"翡翠40000个", nullptr},
    {u"手机话费-30元", u"翡翠60000个", nullptr},
    {u"手机话费-50元", u"翡翠100000个", nullptr},
    {u"骏网一卡通15元", u"翡翠30000个", nullptr},
    {u"小胡鸭30元", u"翡翠60000个", nullptr},
    {u"小胡鸭138元礼盒", u"翡翠276000个", nullptr},
    {u"小胡鸭238元礼盒", u"翡翠476000个", nullptr},
    {u"哈尔斯不锈钢保温杯", u"翡翠276000个", nullptr},
    {u"九阳1.5L电水壶", u"翡翠178000个", nullptr},
    {u"TCL电话机", u"翡翠94000个", nullptr},
    {u"朗科朗盛系列闪存盘", u"翡翠118000个", nullptr},
    {u"朗科高速优盘", u"翡翠138000个", nullptr},
}};

void load(forms::Image& image, std::int16_t picture) {
    common::LoadGifRes(picture, u"GIF"_s, image);
}

} // namespace

exchangeFrm::exchangeFrm(forms::FormHost& host, connection::Connection& conn, ShopState& state)
    : forms::Form(host, u"exchangeFrm"_s), conn_(conn), state_(state) {
    setBorderStyle(0);
    table::applyWindowDesign(*this);
    // The catalogue's layout counts in twips.
    setScaleMode(forms::ScaleMode::Twips);
    events.mouseDown = [this](int, int, double x, double y) {
        Form_MouseDown(x, y);
    };
    events.mouseMove = [this](int, int, double x, double y) {
        Form_MouseMove(x, y);
    };
    events.mouseUp = [this](int, int, double, double) {
        ExchangeDragging = false;
    };
    Image_close.events.click = [this] {
        hide();
    };
    Image_close.events.mouseMove = [this](int, int, double, double) {
        ShowHover(Image_close, kCloseHover);
    };
    pageUp.events.click = [this] {
        pageUp_Click();
    };
    pageUp.events.mouseMove = [this](int, int, double, double) {
        ShowHover(scroll, kBarLeftLit);
    };
    pageDown.events.click = [this] {
        pageDown_Click();
    };
    pageDown.events.mouseMove = [this](int, int, double, double) {
        ShowHover(scroll, kBarRightLit);
    };
    scroll.events.mouseMove = [this](int, int, double, double) {
        ShowHover(scroll, kBar);
    };
    exchange.events.mouseDown = [this](int, int, double, double) {
        exchange_MouseDown();
    };
    exchange.events.mouseMove = [this](int, int, double, double) {
        ShowHover(exchange, kExchangeHover);
    };
    img_buyvip.events.mouseDown = [this](int, int, double, double) {
        img_buyvip_MouseDown();
    };
    img_buyvip.events.mouseMove = [this](int, int, double, double) {
        ShowHover(img_buyvip, kBuyVipHover);
    };
}

void exchangeFrm::LayoutExchangeForm() {
    setTopmost(true);
    title1(0).setCaption({});
    title2(0).setCaption({});
    const double w = exchangelist(0).width();
    const double h = exchangelist(0).height();
    for (int i = 0; i < kPageSlots; ++i) {
        const int s = i + 1;
        forms::Image& tile = exchangelist.exists(s) ? exchangelist(s) : exchangelist.load(s);
        tile.move(675 + (w + 525) * (i % kColumns), 1200 + (h + 1110) * (i / kColumns), w, h);
        tile.setVisible(true);
        tile.zOrder(0);
        forms::Label& name = title1.exists(s) ? title1(s) : title1.load(s);
        name.move(tile.left() + (w - title1(0).width()) / 2, tile.top() + h + 160);
        name.setFontSize(10);
        name.setAlignment(2);
        name.setForeColor(kWhite);
        name.setVisible(true);
        name.zOrder(0);
        forms::Label& price = title2.exists(s) ? title2(s) : title2.load(s);
        price.move(tile.left() + (w - title2(0).width()) / 2,
                   tile.top() + h + title1(0).height() + 30 + 160);
        price.setFontSize(9);
        price.setAlignment(2);
        price.setForeColor(kGreen);
        price.setVisible(true);
        price.zOrder(0);
    }
    scroll.move(2640, 5580);
    pageDown.move(4230, 5650);
    pageUp.move(2650, 5650);
    page.move(scroll.left() + std::floor(scroll.width() / 2) - 220, pageUp.top() + 140);
    page.zOrder(0);
    exchange.move(width() - 1500 - 450, height() - 450 - 600, 1500, 450);
    exchange.zOrder(0);
    load(exchange, kExchange);
    img_buyvip.move(450, height() - 450 - 600, 1500, 450);
    img_buyvip.zOrder(0);
    load(img_buyvip, kBuyVip);
    FillExchangeCatalogue();
    ShowExchangePage(1);
}

void exchangeFrm::FillExchangeCatalogue() {
    for (std::size_t j = 0; j < kCatalogue.size(); ++j) {
        const CatalogueEntry& entry = kCatalogue[j];
        ExchangeItem& item = ExchangeItems[j];
        item.itemTexts = {QString::fromUtf16(entry.name), QString::fromUtf16(entry.price)};
        if (entry.extra != nullptr) {
            item.itemTexts.append(QString::fromUtf16(entry.extra));
        }
        item.picId = static_cast<std::int16_t>(kFirstGoodsPicture + j);
    }
    ExchangeDragging = false;
    ExchangePage_ = 1;
    ExchangeLastIndex = static_cast<std::int32_t>(kCatalogue.size()) - 1;
    ExchangePageCount = static_cast<std::int16_t>(ExchangeLastIndex / kPageSlots + 1);
}

void exchangeFrm::ShowExchangePage(std::int16_t shown) {
    const int base = (shown - 1) * kPageSlots;
    for (int s = 1; s <= kPageSlots; ++s) {
        title1(s).setCaption({});
        title2(s).setCaption({});
        exchangelist(s).setPicture(QImage());
    }
    const int n = ExchangeLastIndex - base < kPageSlots ? ExchangeLastIndex - base + 1 : kPageSlots;
    for (int j = base; j < base + n; ++j) {
        const int s = j - base + 1;
        const ExchangeItem& item = ExchangeItems.at(static_cast<std::size_t>(j));
        load(exchangelist(s), item.picId);
        title1(s).setCaption(item.itemTexts.value(0));
        QString lines;
        for (qsizetype k = 1; k < item.itemTexts.size(); ++k) {
            lines += item.itemTexts[k] + u"\r\n"_s;
        }
        title2(s).setCaption(lines);
    }
    page.setCaption(QString::number(ExchangePage_) + u'/' + QString::number(ExchangePageCount));
}

void exchangeFrm::pageUp_Click() {
    if (ExchangePage_ >= 2) {
        --ExchangePage_;
        ShowExchangePage(ExchangePage_);
    }
}

void exchangeFrm::pageDown_Click() {
    if (ExchangePage_ < ExchangePageCount) {
        ++ExchangePage_;
        ShowExchangePage(ExchangePage_);
    }
}

void exchangeFrm::Form_MouseDown(double x, double y) {
    ExchangeDragX = x;
    ExchangeDragY = y;
    ExchangeDragging = true;
}

void exchangeFrm::Form_MouseMove(double x, double y) {
    if (ExchangeDragging) {
        move(left() + x - ExchangeDragX, top() + y - ExchangeDragY);
    }
    restoreHovers();
}

void exchangeFrm::restoreHovers() {
    const std::array<std::pair<forms::Image*, std::int16_t>, 4> buttons{{
        {&scroll, kBar},
        {&img_buyvip, kBuyVip},
        {&exchange, kExchange},
        {&Image_close, kClose},
    }};
    for (const auto& [button, picture] : buttons) {
        if (button->tag() == u"1"_s) {
            load(*button, picture);
            button->setTag(u"0"_s);
        }
    }
}

void exchangeFrm::exchange_MouseDown() {
    conn_.services.shell.openPage(ExchangeAddress(state_.SiteAddress));
}

void exchangeFrm::img_buyvip_MouseDown() {
    const QString name = conn_.hand.custom[0].name;
    if (name.trimmed().isEmpty()) {
        return;
    }
    conn_.services.shell.openPage(
        RechargeAddress(state_.SiteAddress, name, conn_.plugin.Prop_UserCode));
}

} // namespace qv::shop
