#include "settlement/score_window.h"

#include "common/picture_resources.h"
#include "forms/events.h"
#include "table/main_form.h"
#include "table/window_pictures.h"

namespace qv::settlement {
namespace {

constexpr double kScoreWidth = 9675;
constexpr double kScoreHeight = 7230;

/// The buttons' pictures: normal and hover of the bar, then of the cross.
constexpr std::array<std::int16_t, 2> kNormalPicture = {452, 454};
constexpr std::array<std::int16_t, 2> kHoverPicture = {453, 455};

const QString kHovered = QStringLiteral("1");
const QString kAtRest = QStringLiteral("0");

} // namespace

void centreOverTable(forms::Form& window, const table::MainForm* tableWindow) {
    if (tableWindow == nullptr) {
        return;
    }
    const auto& surface = tableWindow->Pic1;
    window.setTop(tableWindow->top() + surface.top() + (surface.height() - window.height()) / 2);
    window.setLeft(tableWindow->left() + surface.left() + (surface.width() - window.width()) / 2);
}

CloseButtons::CloseButtons(forms::Form& window, ControlArray<Image>& buttons)
    : window_(window), buttons_(buttons) {
    buttons_.events.mouseMove = [this](int index, int, int, double, double) {
        Image1_MouseMove(index);
    };
    buttons_.events.click = [this](int) {
        window_.hide();
    };
}

void CloseButtons::Image1_MouseMove(int index) {
    if (index < 0 || index >= static_cast<int>(kHoverPicture.size())) {
        return;
    }
    Image& button = buttons_(index);
    button.setTag(kHovered);
    common::LoadGifRes(kHoverPicture.at(static_cast<std::size_t>(index)), u"GIF"_s, button);
}

void CloseButtons::restore() {
    for (const int index : {1, 0}) {
        Image& button = buttons_(index);
        if (button.tag() == kHovered) {
            button.setTag(kAtRest);
            common::LoadGifRes(kNormalPicture.at(static_cast<std::size_t>(index)), u"GIF"_s,
                               button);
        }
    }
}

Score::Score(forms::FormHost& host, TableWindow tableWindow)
    : forms::Form(host, u"Score"_s), tableWindow_(std::move(tableWindow)) {
    setCaption(u"战绩板"_s);
    setBorderStyle(0);
    move(0, 0, kScoreWidth, kScoreHeight);
    const table::WindowPictures pictures(name());
    setPicture(pictures.stored(u"background"_s, -1));
    forms::applyDesign(design(), pictures);
    events.load = [this] {
        Form_Load();
    };
    events.mouseDown = [this](int button, int, double, double) {
        Form_MouseDown(button);
    };
    events.mouseMove = [this](int, int, double, double) {
        buttons_.restore();
    };
}

void Score::Form_Load() {
    centreOverTable();
}

void Score::Form_MouseDown(int button) {
    if (button == forms::mouse::kLeft) {
        beginMove();
    }
}

void Score::centreOverTable() {
    settlement::centreOverTable(*this, tableWindow_ ? tableWindow_() : nullptr);
}

} // namespace qv::settlement
