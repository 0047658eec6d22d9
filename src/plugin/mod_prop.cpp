#include "plugin/mod_prop.h"

#include "common/picture_resources.h"
#include "common/wrap_to_list.h"
#include "forms/runtime_error.h"
#include "plugin/chests.h"
#include "plugin/guarded_plugin.h"
#include "table/main_form.h"
#include "table/system_ticker.h"

#include <QRegularExpression>

#include <cmath>
#include <limits>

using namespace Qt::StringLiterals;

namespace qv::plugin {
namespace {

constexpr int kLastChestImage = 14;
constexpr std::size_t kRectEntries = 4;
constexpr std::size_t kAttrEntries = 5;
constexpr std::size_t kFrameBytes = 272;
/// A sheet waits this long for the plug-in's result, then comes alone.
constexpr std::uint32_t kResultWaitMs = 10000;
constexpr int kBadgeTicks = 10;
constexpr int kBadgeFirstPicture = 906;

void clearLabel(forms::Label& label) {
    label.setCaption({});
    label.setVisible(false);
}

QString fromUtf8(const std::string& text) {
    return QString::fromStdString(text);
}

void runAction(PluginContext& ctx) {
    PluginState& p = ctx.plugin;
    table::MainForm& form = ctx.form;
    std::int16_t type = -1;
    std::string text;
    p.Prop_GameDll->GetSendBuff(p.Prop_MsgPic, text, p.Prop_MsgFrame, type, p.Prop_MsgRect,
                                p.Prop_MsgAttr);
    p.Prop_MsgText = fromUtf8(text);
    switch (type) {
    case 0:
        if (!p.Prop_MsgText.isEmpty()) {
            AddPropMessage(ctx, p.Prop_MsgText);
            p.Prop_MsgText.clear();
        }
        break;
    case 1:
        if (!p.Prop_MsgText.isEmpty() && p.Prop_MsgRect.size() == kRectEntries &&
            p.Prop_MsgAttr.size() >= kAttrEntries) {
            ShowPropTip(ctx, p.Prop_MsgText, p.Prop_MsgRect, p.Prop_MsgAttr);
            p.Prop_MsgText.clear();
            p.Prop_MsgRect.clear();
            p.Prop_MsgAttr.clear();
        }
        break;
    case 2:
        if (p.Prop_MsgFrame.size() == kFrameBytes) {
            connection::GameMessage message;
            std::copy(p.Prop_MsgFrame.begin(), p.Prop_MsgFrame.end(), message.bytes().begin());
            connection::QueueFrame(ctx.conn, message);
        }
        break;
    case 3: {
        const auto n = LeadingInteger(p.Prop_MsgText);
        if (n && *n >= 1 && *n <= 3 && form.Tou.events.click) {
            form.Tou.events.click(*n);
        }
        break;
    }
    case 4: {
        auto n = LeadingInteger(p.Prop_MsgText);
        if (n && form.Pic1.events.keyDown) {
            int key = *n;
            form.Pic1.events.keyDown(key, 0);
        }
        break;
    }
    case 5: {
        const auto n = LeadingInteger(p.Prop_MsgText);
        if (n && *n >= 0 && *n <= 3 && form.Tou.events.mouseMove) {
            form.Tou.events.mouseMove(*n, 0, 0, 0, 0);
        }
        break;
    }
    default:
        break;
    }
}

/// The plug-in's queued actions; false when it went away in the middle, which ends the tick.
bool runActions(PluginContext& ctx) {
    PluginState& p = ctx.plugin;
    if (!p.loaded()) {
        return true;
    }
    const std::int16_t n = p.Prop_GameDll->CheckSendBuff();
    for (int i = 0; i < n; ++i) {
        if (!p.loaded()) {
            return false;
        }
        runAction(ctx);
    }
    return true;
}

/// The sheet held back for the plug-in's show; false when the tick ends here.
bool serveHeldSheet(PluginContext& ctx) {
    PluginState& p = ctx.plugin;
    if (!p.loaded()) {
        p.Prop_ShowNext = false;
        ctx.showSettlement();
        return false;
    }
    if (!p.Prop_ScoreWanted) {
        p.Prop_ShowNext = false;
        ShowHeldSheet(ctx);
        return true;
    }
    if (ctx.services.time.tickMs() - p.Prop_ShowNextSince >= kResultWaitMs) {
        p.Prop_ScoreWanted = false;
        p.Prop_ShowNext = false;
        ShowHeldSheet(ctx);
        return true;
    }
    platform::ScoreItems items;
    platform::ScoreGold gold{};
    platform::ScoreTexts texts;
    if (p.Prop_GameDll->GetScoreInfo(items, gold, texts) != 1) {
        return true;
    }
    for (std::size_t s = 0; s < items.size(); ++s) {
        p.Prop_ScoreItems.at(s) = fromUtf8(items.at(s));
        p.Prop_ScoreTexts.at(0).at(s) = fromUtf8(texts.at(0).at(s));
        p.Prop_ScoreTexts.at(1).at(s) = fromUtf8(texts.at(1).at(s));
    }
    p.Prop_ScoreGold = gold;
    p.Prop_ScoreWanted = false;
    p.Prop_ShowNext = false;
    p.Prop_BaoChosen = false;
    if (p.Prop_GameDllState == 2) {
        PlayBaoXiang(ctx);
    } else {
        ShowHeldSheet(ctx);
    }
    return true;
}

} // namespace

ModProp::ModProp(PluginState& plugin, connection::Connection& conn, platform::Services& services,
                 std::function<PluginContext*()> onTable)
    : plugin_(plugin), conn_(conn), services_(services), onTable_(std::move(onTable)) {}

QString PluginLibraryPath(const QString& appFolder) {
    return appFolder + u"/plugin/tools/libBrivet.so"_s;
}

bool ModProp::InitGameDll() {
    PluginContext* ctx = onTable_();
    if (ctx != nullptr) {
        ctx->form.Bank.setVisible(true);
        ctx->form.Bank.zOrder(0);
        ctx->form.setKeyPreview(true);
    }
    plugin_.Prop_SeatNames = {};
    try {
        return startPlugin(ctx);
    } catch (const forms::RuntimeError&) {
        return false;
    }
}

bool ModProp::startPlugin(PluginContext* ctx) {
    if (!plugin_.Prop_GameDll && plugin_.Prop_GameDllState == 0) {
        if (!conn_.g_bLoggedIn) {
            plugin_.Prop_GameDllState = -1;
            return false;
        }
        const platform::PluginLoad load =
            services_.plugins.create(PluginLibraryPath(services_.appFolder.path()));
        if (load.outcome == platform::PluginLoad::Outcome::Missing) {
            plugin_.Prop_GameDllState = -1;
            return false;
        }
        if (load.object) {
            plugin_.Prop_GameDll = GuardPlugin(load.object);
        }
    }
    if (!plugin_.Prop_GameDll) {
        return false;
    }
    if (!conn_.g_bLoggedIn) {
        plugin_.Prop_GameDllState = -1;
        return false;
    }
    plugin_.Prop_GameDllState = -1;
    const float scale = ctx != nullptr ? ctx->table.ScaleY : 1.0F;
    if (!plugin_.Prop_GameDll->Initdll(
            plugin_.Prop_UserName.toStdString(), plugin_.Prop_UserCode.toStdString(), "DLL", 0,
            "vozevivor", scale == 1.0F ? 1 : 2, static_cast<std::int16_t>(plugin_.Prop_InitArg))) {
        plugin_.Prop_PumpOn = false;
        plugin_.Prop_GameDllState = 0;
        plugin_.Prop_GameDll.reset();
        return false;
    }
    platform::ChestLayout layout;
    const bool chests = plugin_.Prop_GameDll->GetBaoInfo(layout);
    plugin_.chests = layout;
    plugin_.Prop_GameDllState = chests ? 2 : 1;
    if (ctx != nullptr) {
        HideAndDisable(ctx->form.ImgProp(0));
        for (int i = 1; i <= kLastChestImage; ++i) {
            forms::Image& chest =
                ctx->form.ImgProp.exists(i) ? ctx->form.ImgProp(i) : ctx->form.ImgProp.load(i);
            HideAndDisable(chest);
        }
    }
    plugin_.Prop_PumpOn = true;
    return true;
}

void ModProp::ClearProps() {
    if (PluginContext* ctx = onTable_()) {
        for (forms::Image* chest : ctx->form.ImgProp.elements()) {
            if (chest->visible() || chest->enabled()) {
                HideAndDisable(*chest);
            }
        }
        if (ctx->form.LbProp.visible()) {
            clearLabel(ctx->form.LbProp);
        }
    }
    if (plugin_.loaded()) {
        plugin_.Prop_GameDll->InitShowNext(true);
    }
    plugin_.Prop_ScoreItems = {};
    plugin_.Prop_ScoreGold = {};
    plugin_.Prop_ItemList.clear();
}

void ModProp::ExitPropPlugin(int mode) {
    if (plugin_.Prop_GameDllState < 1) {
        return;
    }
    const bool showRunning = plugin_.ChestShowOn || plugin_.Prop_BaoTimer || plugin_.Prop_AnimOn;
    try {
        plugin_.Prop_GameDll->InitExit(static_cast<std::int16_t>(mode));
    } catch (const forms::RuntimeError&) {
        // The plug-in is closed whatever its own exit does.
    }
    plugin_.Prop_GameDllState = 0;
    plugin_.Prop_PumpOn = false;
    plugin_.Prop_BaoTimer = false;
    plugin_.Prop_AnimOn = false;
    plugin_.Prop_AnimStep = 0;
    plugin_.ChestShowOn = false;
    // A chest show cut short still owes the hand its sheet, which the pump brings.
    if (showRunning && conn_.ResultStage == 1) {
        plugin_.Prop_ShowNext = true;
    }
    if (PluginContext* ctx = onTable_()) {
        ctx->form.TimerProp.setEnabled(false);
        for (forms::Image* chest : ctx->form.ImgProp.elements()) {
            HideAndDisable(*chest);
        }
        clearLabel(ctx->form.LbProp);
    }
}

void HideAndDisable(forms::Control& control) {
    control.setVisible(false);
    control.setEnabled(false);
}

void ShowHeldSheet(PluginContext& ctx) {
    ctx.showSettlement();
    if (ctx.plugin.loaded()) {
        ctx.plugin.Prop_GameDll->InitShowNext(false);
    }
}

void PollPropPlugin(PluginContext& ctx) {
    if (ctx.plugin.Prop_PumpOn && !runActions(ctx)) {
        return;
    }
    if (ctx.plugin.Prop_ShowNext && !serveHeldSheet(ctx)) {
        return;
    }
    if (ctx.plugin.Prop_BaoTimer) {
        BaoCountdown(ctx);
    }
}

void ShowPropTip(PluginContext& ctx, const QString& text, const std::vector<std::int32_t>& rect,
                 const std::vector<std::int32_t>& attr) {
    forms::Label& tip = ctx.form.LbProp;
    PluginState& p = ctx.plugin;
    tip.setVisible(false);
    tip.move(rect.at(2), rect.at(3), rect.at(0), rect.at(1));
    tip.setFontSize(attr.at(2));
    tip.setForeColor(static_cast<forms::OleColor>(attr.at(3)));
    tip.setAlignment(attr.at(4));
    tip.setCaption(text);
    tip.setVisible(true);
    tip.zOrder(0);
    if (attr.at(0) < 1 || attr.at(1) < 1) {
        return;
    }
    ctx.form.TimerProp.setInterval(attr.at(0));
    p.Prop_TipRepeats = attr.at(1);
    p.Prop_TipCount = 0;
    p.Prop_TipOn = true;
    ctx.form.TimerProp.setEnabled(true);
}

void TimerProp_Timer(PluginContext& ctx) {
    PluginState& p = ctx.plugin;
    ctx.form.TimerProp.setEnabled(false);
    if (p.Prop_AnimOn) {
        if (OpeningStep(ctx)) {
            return;
        }
    } else if (p.Prop_TipOn && ++p.Prop_TipCount == p.Prop_TipRepeats) {
        clearLabel(ctx.form.LbProp);
        p.Prop_TipCount = 0;
        p.Prop_TipOn = false;
        return;
    }
    ctx.form.TimerProp.setEnabled(true);
}

void AddPropMessage(PluginContext& ctx, const QString& text) {
    table::PostToLogAndTicker(ctx.form, text);
}

int TextWidthUnits(const QString& text) {
    int units = 0;
    for (const QChar ch : text) {
        units += IsHalfWidth(QString(ch)) ? 1 : 2;
    }
    return units;
}

std::optional<std::int16_t> LeadingInteger(const QString& text) {
    static const QRegularExpression kNumber(u"^\\s*[+-]?(\\d+\\.?\\d*|\\.\\d+)([eE][+-]?\\d+)?"_s);
    const QRegularExpressionMatch found = kNumber.match(text);
    const double value = found.hasMatch() ? found.captured(0).trimmed().toDouble() : 0.0;
    const double rounded = std::nearbyint(value);
    if (rounded < std::numeric_limits<std::int16_t>::min() ||
        rounded > std::numeric_limits<std::int16_t>::max()) {
        return std::nullopt;
    }
    return static_cast<std::int16_t>(rounded);
}

void AnimateVipBadges(PluginContext& ctx) {
    PluginState& p = ctx.plugin;
    if (!p.g_bVipAnim) {
        return;
    }
    for (int i = 0; i < 4; ++i) {
        const auto s = static_cast<std::size_t>(i);
        forms::Image& badge = ctx.form.img_vip(i);
        if (!badge.visible() || ++p.VipAnimTicks.at(s) != kBadgeTicks) {
            continue;
        }
        p.VipAnimFrame.at(s) = ((p.VipAnimFrame.at(s) + 1) & 3) + 1;
        const int level = ctx.conn.Detail.at(s).vip;
        if (level < 1 || level > 6) {
            badge.setVisible(false);
        } else {
            common::LoadGifRes(
                static_cast<std::int16_t>(kBadgeFirstPicture + 4 * level + p.VipAnimFrame.at(s)),
                u"GIF"_s, badge);
            badge.zOrder(0);
        }
        p.VipAnimTicks.at(s) = 0;
    }
}

} // namespace qv::plugin
