#include "table/main_form.h"

#include "common/picture_tables.h"
#include "forms/form_host.h"
#include "platform/services.h"
#include "table/layout_seats.h"
#include "table/layout_table.h"
#include "table/own_controls.h"
#include "table/rules_window.h"
#include "table/table_animations.h"
#include "table/table_context.h"
#include "table/table_state.h"
#include "table/window_chrome.h"
#include "table/window_pictures.h"

namespace qv::table {

namespace {

constexpr double kDesignWidthTwips = 15360;
constexpr double kDesignHeightTwips = 11520;
constexpr int kMenuBackground = 4;
constexpr double kSmallBarWidth = 800;
constexpr double kBottomBarHeight = 117;
constexpr double kTopBarHeight = 96;
constexpr double kSmallTickerFont = 8;

void runHook(const std::function<void()>& hook) {
    if (hook) {
        hook();
    }
}

} // namespace

MainForm::MainForm(forms::FormHost& host, TableContext& context)
    : forms::Form(host, u"MainForm"_s), context_(&context) {
    setCaption(u"quorv"_s);
    setBorderStyle(0);
    setBackColor(forms::systemColor(kMenuBackground));
    move(0, 0, kDesignWidthTwips, kDesignHeightTwips);
    const WindowPictures pictures(name());
    setIcon(pictures.stored(u"icon"_s, -1).image());
    forms::applyDesign(design(), pictures);
    events.activate = [this] {
        Form_Activate();
    };
    events.resize = [this] {
        Form_Resize();
    };
    TimerShuffle.events.timer = [this] {
        TimerShuffle_Timer(*this);
    };
    Timer_ani.events.timer = [this] {
        Timer_ani_Timer(*this);
    };
    wireChrome(*this);
    wireSeatsAndDecoration(*this);
}

forms::ControlArray<controls::ucAniGIF>::ElementFactory MainForm::aniGifElements() const {
    return controls::ucAniGIF::elements(context_->services.time, context_->services.http);
}

void MainForm::Form_Load() {
    try {
        runHook(loadHooks.beforeScreenFit);
        WebBrowser1.setVisible(false);
        WebBrowser2.setVisible(false);
        ChromeAtRest = true;
        FitToScreen(context_->services.screen.size());
        runHook(loadHooks.startSound);
        common::InitImageResTables(context_->imageRes, context_->state.ScaleX);
        LayoutSeats(*this);
        SetUpOwnControls(*this);
        runHook(loadHooks.openConnection);
        ShowTable();
        runHook(loadHooks.installLobbyLink);
    } catch (const std::exception& failure) {
        if (!loadHooks.startupFailed) {
            throw;
        }
        loadHooks.startupFailed(failure);
    }
}

void MainForm::ShowTable() {
    show();
    LayoutTable(*this);
}

void MainForm::FitToScreen(QSize screenPx) {
    const ScreenFit fit = fitToScreen(screenPx.width(), screenPx.height());
    // The background this screen shows is by far the largest picture the table draws; it is
    // decoded while the rest of the window is set up.
    (fit.smallTable() ? Pic2 : Pic1).heldPicture().prefetch();
    TableState& table = context_->state;
    table.ScaleX = fit.scale;
    table.ScaleY = fit.scale;

    setTop(fit.windowTop);
    setHeight(fit.windowHeight);
    if (fit.skinHeight) {
        PaintSkin(*this);
    }
    Pic1.setHeight(fit.pic1Height);
    Pic1.setTop(fit.pic1Top);

    setLeft(fit.windowLeft);
    setWidth(fit.windowWidth);
    if (fit.skinWidth) {
        PaintSkin(*this);
    }
    Pic1.setWidth(fit.pic1Width);
    Pic1.setLeft(fit.pic1Left);

    if (fit.smallTable()) {
        Pic1.setPicture(QImage());
        Pic1.paintPicture(Pic2.heldPicture(), 0, 0);
        Pic1.zOrder(1);
        Sysmsg(0).setFontSize(kSmallTickerFont);
        Sysmsg(1).setFontSize(kSmallTickerFont);
        imgDilan.setStretch(true);
        imgDilan.setWidth(kSmallBarWidth);
        imgDilan.setHeight(kBottomBarHeight * table.ScaleY);
        imgDinglan.setStretch(true);
        imgDinglan.setWidth(kSmallBarWidth);
        imgDinglan.setHeight(kTopBarHeight * table.ScaleY);
    }
    imgDilan.setLeft(0);
    imgDilan.setTop(Pic1.height() / kTwipsPerPixel - imgDilan.height());
    imgDinglan.move(0, 0);
}

void MainForm::Form_Activate() {
    try {
        setFocusTo(Chat);
    } catch (const std::exception&) {
        // The chat box may be hidden or disabled: the focus stays where it was.
    }
}

void MainForm::Form_Resize() {
    if (windowState() == forms::window_state::kMinimized) {
        runHook(resizeHooks.hideExchangeWindow);
        return;
    }
    setTopmost(true);
    setTopmost(false);
    runHook(resizeHooks.minimizeLobby);
    context_->state.g_bBossKey = false;
    context_->state.g_bHiddenPlay = false;
    runHook(resizeHooks.endAutoPlay);
    runHook(resizeHooks.fixBuffPos);
    runHook(resizeHooks.hideExchangeWindow);
}

void registerTableForms(forms::FormHost& host, TableContext& context,
                        std::function<void(MainForm&)> created) {
    host.registerForm<MainForm>(
        [&context, created = std::move(created)](forms::FormHost& formHost) {
            auto form = std::make_unique<MainForm>(formHost, context);
            if (created) {
                created(*form);
            }
            return form;
        });
    host.registerForm<rule>([&context](forms::FormHost& formHost) {
        return std::make_unique<rule>(formHost, context);
    });
}

} // namespace qv::table
