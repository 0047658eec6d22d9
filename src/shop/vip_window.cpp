#include "shop/vip_window.h"

#include "common/picture_resources.h"
#include "connection/connection.h"
#include "forms/form_host.h"
#include "forms/units.h"
#include "platform/services.h"
#include "plugin/plugin.h"
#include "shop/exchange_window.h"
#include "shop/goods_window.h"
#include "shop/recharge_address.h"
#include "shop/shop_state.h"
#include "table/window_pictures.h"

namespace qv::shop {
namespace {

constexpr int kFirstVipPicture = 524;
constexpr std::int16_t kOpenVipPicture = 523;
constexpr std::int16_t kOpenVipHoverPicture = 524;
constexpr std::int16_t kClosePicture = 1551;
constexpr std::int16_t kCloseHoverPicture = 1550;
constexpr double kWidthTwips = 4695;
constexpr double kHeightTwips = 4395;

void showPicture(forms::Image& button, std::int16_t picture, const QString& tag) {
    common::LoadGifRes(picture, u"GIF"_s, button);
    button.setTag(tag);
}

} // namespace

FrmVip::FrmVip(forms::FormHost& host, connection::Connection& conn, ShopState& state)
    : forms::Form(host, u"FrmVip"_s), conn_(conn), state_(state) {
    setBorderStyle(0);
    forms::applyDesign(design(), table::WindowPictures(name()));
    events.load = [this] {
        Form_Load();
    };
    events.mouseDown = [this](int, int, double, double) {
        beginMove();
    };
    events.mouseMove = [this](int, int, double, double) {
        Form_MouseMove();
    };
    ImgOpenvip.events.click = [this] {
        ImgOpenvip_Click();
    };
    ImgOpenvip.events.mouseMove = [this](int, int, double, double) {
        ImgOpenvip_MouseMove();
    };
    ImgClose.events.click = [this] {
        hide();
    };
    ImgClose.events.mouseMove = [this](int, int, double, double) {
        ImgClose_MouseMove();
    };
}

void FrmVip::Form_Load() {
    move(left(), top(), kWidthTwips, kHeightTwips);
    showPicture(ImgOpenvip, kOpenVipPicture, u"0"_s);
    showPicture(ImgClose, kClosePicture, u"0"_s);
}

void FrmVip::initFrm(std::int16_t level) {
    if (level < 0 || level > 6) {
        return;
    }
    const QImage picture =
        common::LoadGifPicture(static_cast<std::int16_t>(kFirstVipPicture + level), u"GIF"_s);
    if (!picture.isNull()) {
        setPicture(picture);
    }
}

void FrmVip::Form_MouseMove() {
    if (ImgOpenvip.tag() == u"1"_s) {
        showPicture(ImgOpenvip, kOpenVipPicture, u"0"_s);
    }
    if (ImgClose.tag() == u"1"_s) {
        showPicture(ImgClose, kClosePicture, u"0"_s);
    }
}

void FrmVip::ImgOpenvip_Click() {
    if (state_.RechargeUrl.trimmed().isEmpty()) {
        state_.RechargeUrl = RechargeAddress(state_.SiteAddress, conn_.plugin.Prop_UserName,
                                             conn_.plugin.Prop_UserCode);
    }
    conn_.services.shell.openPage(state_.RechargeUrl);
}

void FrmVip::ImgOpenvip_MouseMove() {
    if (ImgOpenvip.tag() == u"0"_s) {
        showPicture(ImgOpenvip, kOpenVipHoverPicture, u"1"_s);
    }
}

void FrmVip::ImgClose_MouseMove() {
    if (ImgClose.tag() == u"0"_s) {
        showPicture(ImgClose, kCloseHoverPicture, u"1"_s);
    }
}

void registerShopForms(forms::FormHost& host, connection::Connection& conn, ShopState& state) {
    host.registerForm<FrmVip>([&conn, &state](forms::FormHost& formHost) {
        return std::make_unique<FrmVip>(formHost, conn, state);
    });
    host.registerForm<exchangeFrm>([&conn, &state](forms::FormHost& formHost) {
        return std::make_unique<exchangeFrm>(formHost, conn, state);
    });
    host.registerForm<FrmGoods>([&conn, &state](forms::FormHost& formHost) {
        return std::make_unique<FrmGoods>(formHost, conn, state);
    });
}

void unloadShopForms(forms::FormHost& host) {
    host.unload<FrmGoods>();
    host.unload<exchangeFrm>();
    host.unload<FrmVip>();
}

} // namespace qv::shop
