#include "app/main_form_view.h"

#include "app/client.h"
#include "common/picture_resources.h"
#include "forms/form.h"
#include "match/panels/table_layout.h"
#include "shop/exchange_window.h"
#include "shop/jade_task.h"
#include "shop/prize_panel.h"
#include "table/main_form.h"

using namespace Qt::StringLiterals;

namespace qv::app {
namespace {

constexpr double kSmallScreenLocationFont = 10;
constexpr int kLongLocation = 10;
constexpr double kLongLocationFontDrop = 2;
constexpr int kCountdownAnimIntervalMs = 1500;
constexpr int kChatButtonNormal = 2;
constexpr int kChatButtonHover = 3;
constexpr int kStartButtonPicture = 4;

template <typename Control>
void loadButtonPicture(const Client& client, int picture, Control& button) {
    const QString& id = client.imageRes.AnNiuRes.at(static_cast<std::size_t>(picture));
    common::LoadGifRes(static_cast<std::int16_t>(id.toInt()), u"GIF"_s, button);
}

} // namespace

void MainFormView::sysmsgClear(int line) {
    form_.Sysmsg(line).clear();
}

void MainFormView::sysmsgAdd(int line, const QString& text) {
    form_.Sysmsg(line).addItem(text);
}

void MainFormView::minimizeTable() {
    form_.setWindowState(forms::window_state::kMinimized);
}

void MainFormView::showTable() {
    form_.ShowTable();
}

void MainFormView::setTableCaption(const QString& caption) {
    form_.setCaption(caption);
}

void MainFormView::setLocation(const QString& text) {
    auto& label = form_.Location;
    if (client_.table.ScaleX < 1.0F) {
        label.setFontSize(kSmallScreenLocationFont);
    }
    if (text.size() > kLongLocation) {
        label.setFontSize(label.fontSize() - kLongLocationFontDrop);
    }
    label.setCaption(text);
}

void MainFormView::showChatButton(bool hover) {
    loadButtonPicture(client_, hover ? kChatButtonHover : kChatButtonNormal, form_.AnNiu(1));
}

void MainFormView::restoreStartButton() {
    client_.table.AnNiuLocked[2] = false;
    loadButtonPicture(client_, kStartButtonPicture, form_.AnNiu(2));
    form_.Time_Img.setVisible(false);
    form_.Number.setVisible(false);
}

void MainFormView::startCountdownAnimation() {
    form_.Picture_ani(0).zOrder(0);
    form_.Picture_ani(0).setVisible(true);
    form_.Timer_ani.setInterval(kCountdownAnimIntervalMs);
    form_.Timer_ani.setEnabled(true);
    form_.Timer_ani.setTag(u"0"_s);
}

void MainFormView::stopCountdownAnimation() {
    for (int frame = 0; frame <= 2; ++frame) {
        form_.Picture_ani(frame).setVisible(false);
    }
    form_.Timer_ani.setEnabled(false);
    form_.Timer_ani.setTag(u"0"_s);
}

void MainFormView::showBanner(const QString& url) {
    form_.WebBrowser1.navigate(url);
    form_.WebBrowser1.setVisible(true);
}

void MainFormView::hideMatchPanels() {
    form_.Pic_matchDetail.setVisible(false);
    form_.Pic_sortDetail.setVisible(false);
    form_.ImgShowMatch.setVisible(false);
    form_.ImgShowSort.setVisible(false);
}

void MainFormView::initPrizePanel() {
    if (shop::ShopContext* shop = client_.shopOnTable()) {
        shop::InitPrizePanel(*shop);
    }
}

void MainFormView::initJadeTask() {
    if (shop::ShopContext* shop = client_.shopOnTable()) {
        shop::InitJadeTask(*shop);
    }
}

void MainFormView::hideJadeTask() {
    if (shop::ShopContext* shop = client_.shopOnTable()) {
        shop::HideJadeTask(*shop);
    }
}

void MainFormView::hideExchangeWindow() {
    if (auto* window = client_.forms.find<shop::exchangeFrm>()) {
        window->hide();
    }
}

void MainFormView::hidePrizePanel() {
    match::panels::HidePrizePanel(form_);
}

} // namespace qv::app
