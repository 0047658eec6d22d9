#include "hand/chu_pai.h"

#include "common/picture_resources.h"
#include "forms/color.h"
#include "forms/form_host.h"

#include <memory>

using namespace Qt::StringLiterals;

namespace qv::hand {

namespace {

constexpr double kWidth = 2730;
constexpr double kHeight = 975;

} // namespace

ChuPai::ChuPai(forms::FormHost& host, TableWindow tableWindow)
    : forms::Form(host, u"ChuPai"_s), Label1(*this, u"Label1"_s), Label2(*this, u"Label2"_s),
      tableWindow_(std::move(tableWindow)) {
    setCaption(u"出牌非法"_s);
    // The picture draws the frame and the close mark itself.
    setBorderStyle(0);
    move(left(), top(), kWidth, kHeight);
    setPicture(common::LoadDesignPicture(u"ChuPai/background.gif"_s));

    Label1.move(2040, 0, 615, 255);
    Label1.setMouseIcon(common::LoadDesignPicture(u"ChuPai/Label1.png"_s));
    Label1.setMousePointer(forms::pointer::kCustom);
    Label1.events.click = [this] {
        Label1_Click();
    };

    Label2.move(240, 360, 2085, 405);
    Label2.setForeColor(forms::rgb(255, 255, 0));
    Label2.setFontName(u"MS Sans Serif"_s);
    Label2.setFontSize(13.5);
    Label2.setFontBold(true);

    events.load = [this] {
        Form_Load();
    };
}

void ChuPai::Form_Load() {
    setVisible(true);
    setTopmost(true);
    centreOnTable();
    Label2.zOrder(0);
    Label1.zOrder(0);
}

void ChuPai::Label1_Click() {
    hide();
}

void ChuPai::centreOnTable() {
    const forms::Form* table = tableWindow_ ? tableWindow_() : nullptr;
    if (table == nullptr) {
        return;
    }
    setTop((table->height() - height()) / 2 + table->top());
    setLeft((table->width() - width()) / 2 + table->left());
}

void ChuPai::showInFront() {
    show();
}

void registerHandForms(forms::FormHost& host, TableWindow tableWindow) {
    host.registerForm<ChuPai>([tableWindow = std::move(tableWindow)](forms::FormHost& formHost) {
        return std::make_unique<ChuPai>(formHost, tableWindow);
    });
}

} // namespace qv::hand
