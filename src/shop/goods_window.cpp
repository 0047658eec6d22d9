#include "shop/goods_window.h"

#include "common/picture_resources.h"
#include "common/vb_text.h"
#include "connection/connection.h"
#include "forms/form_host.h"
#include "platform/services.h"
#include "shop/button_hover.h"
#include "shop/recharge_address.h"
#include "shop/shop_state.h"
#include "table/window_pictures.h"

#include <QFile>

namespace qv::shop {
namespace {

constexpr int kTiles = 12;
constexpr int kTileColumns = 4;
constexpr std::array<double, kTileColumns> kColumnLefts{32, 94, 156, 217};
constexpr std::array<double, 3> kRowTops{51, 123, 194};
constexpr double kCountBelow = 48;
constexpr double kCountWidth = 49;
constexpr double kCountHeight = 14;
constexpr double kFrameMargin = 5;
constexpr std::int16_t kTilePlaceholder = 786;
constexpr std::int16_t kFirstPagePicture = 1640;
constexpr std::int16_t kGoodsClosePicture = 1550;
constexpr std::int16_t kGoodsCloseHoverPicture = 1551;

/// The button back to its normal picture `picture`, marked so (its tag "0").
void showNormalPicture(forms::Image& button, std::int16_t picture) {
    common::LoadGifRes(picture, u"GIF"_s, button);
    button.setTag(u"0"_s);
}

std::int16_t pagePicture(int index, bool hover) {
    return static_cast<std::int16_t>(kFirstPagePicture + 2 * index + (hover ? 1 : 0));
}

/// The number a text starts with, 0 when it holds none that fits.
std::int16_t shortNumber(const QString& text) {
    const double value = leadingNumber(text);
    return value >= INT16_MIN && value <= INT16_MAX ? static_cast<std::int16_t>(value) : 0;
}

std::int16_t tagNumber(const forms::Component& control) {
    return shortNumber(control.tag());
}

/// The catalogue entry a tile's tag names; null when the tag names none.
const GoodsInfoEntry* catalogueEntry(const Goods& goods, int index) {
    if (index < 1 || static_cast<std::size_t>(index) >= goods.GoodsInfo.size()) {
        return nullptr;
    }
    return &goods.GoodsInfo[static_cast<std::size_t>(index)];
}

} // namespace

FrmGoods::FrmGoods(forms::FormHost& host, connection::Connection& conn, ShopState& state)
    : forms::Form(host, u"FrmGoods"_s), conn_(conn), state_(state),
      Inetdownpic(conn, state.goodsPictures) {
    setBorderStyle(0);
    table::applyWindowDesign(*this);
    RTBGoodsDes.setWordWrap(true);
    events.unload = [this](int&) {
        Form_Unload();
    };
    events.mouseDown = [this](int button, int, double, double) {
        Form_MouseDown(button);
    };
    events.mouseMove = [this](int, int, double, double) {
        Form_MouseMove();
    };
    iPic1.events.click = [this](int index) {
        selectOneGoods(index);
    };
    LblNum.events.click = [this](int index) {
        selectOneGoods(index);
    };
    ImgPage.events.click = [this](int index) {
        ImgPage_Click(index);
    };
    ImgPage.events.mouseMove = [this](int index, int, int, double, double) {
        ImgPage_MouseMove(index);
    };
    ImgClose.events.click = [this] {
        hide();
    };
    ImgClose.events.mouseMove = [this](int, int, double, double) {
        ImgClose_MouseMove();
    };
    LblExchange.events.click = [this] {
        LblExchange_Click();
    };
    Timer1.events.timer = [this] {
        Timer1_Timer();
    };
}

void FrmGoods::Form_Load() {
    setTag(u"1"_s);
    for (int j = 1; j <= kTiles; ++j) {
        const double left = kColumnLefts.at(static_cast<std::size_t>((j - 1) % kTileColumns));
        const double top = kRowTops.at(static_cast<std::size_t>((j - 1) / kTileColumns));
        forms::Image& tile = iPic1.load(j);
        tile.setLeft(left);
        tile.setTop(top);
        forms::Label& count = LblNum.load(j);
        count.setCaption({});
        count.setLeft(left);
        count.setTop(top + kCountBelow);
        count.setWidth(kCountWidth);
        count.setHeight(kCountHeight);
    }
    setTopmost(true);
    Timer1.setEnabled(true);
}

void FrmGoods::Form_Unload() {
    Inetdownpic.cancel();
}

void FrmGoods::ShowGoodsPage(std::int16_t& page) {
    for (forms::Image* tile : iPic1.elements()) {
        tile->setPicture(QImage());
        tile->setToolTipText({});
        tile->setTag({});
        tile->setVisible(false);
    }
    for (forms::Label* label : LblNum.elements()) {
        label->setCaption({});
    }
    LblshowPage.setCaption({});
    ImgPage(0).setVisible(false);
    ImgPage(1).setVisible(false);
    ImgSelected.setVisible(false);
    LblExchange.setVisible(false);
    RTBGoodsDes.setCaption({});
    LblNum(0).setTag({});

    const Goods& goods = state_.goods;
    const int slots = static_cast<int>(goods.MyGoodsShow.size()) - 1;
    page = std::max<std::int16_t>(page, 1);
    while (kTiles * (page - 1) + 1 > slots) {
        if (page < 2) {
            return;
        }
        --page;
    }
    setTag(QString::number(page));
    for (int j = 1; j <= kTiles; ++j) {
        const int s = kTiles * (page - 1) + j;
        if (s > slots) {
            break;
        }
        const GoodsEntry& slot = goods.MyGoodsShow[static_cast<std::size_t>(s)];
        const GoodsInfoEntry* entry = catalogueEntry(goods, slot.catalogueIndex);
        forms::Image& tile = iPic1(j);
        if (entry != nullptr && entry->pictureLoaded) {
            tile.setPicture(entry->picture);
        } else {
            common::LoadGifRes(kTilePlaceholder, u"GIF"_s, tile);
        }
        LblNum(j).setCaption(QString::number(slot.count));
        tile.setToolTipText(entry != nullptr ? entry->name : QString());
        tile.setTag(QString::number(slot.catalogueIndex));
    }
    LblshowPage.setCaption(QString::number(page) + u'/' +
                           QString::number((slots + kTiles - 1) / kTiles));
    ImgPage(0).setVisible(true);
    ImgPage(1).setVisible(true);
    for (int j = 1; j <= kTiles; ++j) {
        if (!LblNum(j).caption().isEmpty()) {
            iPic1(j).setVisible(true);
            LblNum(j).setVisible(true);
        }
    }
    selectOneGoods(1);
}

void FrmGoods::selectOneGoods(int index) {
    if (index == 0 || iPic1(index).tag().isEmpty()) {
        return;
    }
    forms::Image& tile = iPic1(index);
    const int k = tagNumber(tile);
    if (LblNum(0).tag() != QString::number(k)) {
        LblNum(0).setTag(QString::number(k));
        const GoodsInfoEntry* entry = catalogueEntry(state_.goods, k);
        LblNum(0).setCaption(entry != nullptr ? entry->name : QString());
        RTBGoodsDes.setCaption(entry != nullptr ? entry->description : QString());
        LblExchange.setVisible(entry != nullptr && entry->exchangeable != 0);
        // A goods without a picture of its own shows none, not the previous goods' picture.
        iPic1(0).setPicture(entry != nullptr && entry->pictureLoaded ? entry->picture : QImage());
        iPic1(0).setVisible(true);
    }
    ImgSelected.setLeft(tile.left() - kFrameMargin);
    ImgSelected.setTop(tile.top() - kFrameMargin);
    ImgSelected.setVisible(true);
}

void FrmGoods::ImgPage_Click(int index) {
    const QStringList parts = LblshowPage.caption().split(u'/');
    if (parts.size() != 2) {
        return;
    }
    const std::int16_t current = shortNumber(parts[0]);
    const std::int16_t pages = shortNumber(parts[1]);
    std::int16_t page = 0;
    if (index == 1 && current < pages) {
        page = static_cast<std::int16_t>(current + 1);
    } else if (index == 0 && current != 1) {
        page = static_cast<std::int16_t>(current - 1);
    } else {
        return;
    }
    ShowGoodsPage(page);
}

void FrmGoods::ImgPage_MouseMove(int index) {
    if (ImgPage(index).tag() != u"1"_s) {
        ShowHover(ImgPage(index), pagePicture(index, true));
    }
}

void FrmGoods::ImgClose_MouseMove() {
    if (ImgClose.tag() != u"1"_s) {
        ShowHover(ImgClose, kGoodsCloseHoverPicture);
    }
}

void FrmGoods::Form_MouseDown(int button) {
    if (button == forms::mouse::kLeft) {
        beginMove();
    }
}

void FrmGoods::Form_MouseMove() {
    for (const int i : {0, 1}) {
        if (ImgPage(i).tag() != u"0"_s) {
            showNormalPicture(ImgPage(i), pagePicture(i, false));
        }
    }
    if (ImgClose.tag() != u"0"_s) {
        showNormalPicture(ImgClose, kGoodsClosePicture);
    }
}

void FrmGoods::LblExchange_Click() {
    conn_.services.shell.openPage(ExchangeAddress(state_.SiteAddress));
}

void FrmGoods::Timer1_Timer() {
    if (conn_.match.g_bLeavingTable) {
        Timer1.setEnabled(false);
        return;
    }
    GoodsPictures& pictures = state_.goodsPictures;
    const bool wasRunning = pictures.GoodsPicState == kGoodsPictureRunning;
    if (pictures.GoodsPicState > 0) {
        const int found = FindGoodsIndex(state_.goods, pictures.GoodsPicState);
        if (found >= 0) {
            GoodsInfoEntry& entry = state_.goods.GoodsInfo[static_cast<std::size_t>(found)];
            const QString name = PlainFileName(entry.pictureFile);
            const QString file = pictures.GoodsResFolder + name + PlainFileName(entry.pictureExt);
            const QImage picture(file);
            if (!name.isEmpty() && QFile::exists(file) && !picture.isNull()) {
                entry.picture = picture;
                entry.pictureLoaded = true;
            }
        }
        std::int16_t page = tagNumber(*this);
        ShowGoodsPage(page);
        pictures.GoodsPicState = 0;
    }
    if (pictures.GoodsPicPending == 0) {
        Timer1.setEnabled(false);
        return;
    }
    if (pictures.GoodsPicPending > 0 && !wasRunning &&
        NextGoodsPictureDownload(pictures, conn_.services.time.tickMs())) {
        pictures.GoodsPicState = kGoodsPictureRunning;
        Inetdownpic.start();
    }
}

FrmGoods& GoodsWindow(forms::FormHost& host) {
    const bool made = host.find<FrmGoods>() != nullptr;
    FrmGoods& window = host.get<FrmGoods>();
    if (!made) {
        window.Form_Load();
    }
    return window;
}

void ShowCurrentGoodsPage(forms::FormHost& host) {
    FrmGoods& window = GoodsWindow(host);
    std::int16_t page = tagNumber(window);
    window.ShowGoodsPage(page);
}

} // namespace qv::shop
