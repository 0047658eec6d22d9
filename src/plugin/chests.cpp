#include "plugin/chests.h"

#include "common/general.h"
#include "common/wrap_to_list.h"
#include "forms/form_host.h"
#include "forms/runtime_error.h"
#include "plugin/mod_prop.h"
#include "table/chat_windows.h"
#include "table/main_form.h"
#include "table/system_ticker.h"

#include <QImage>

#include <cmath>

using namespace Qt::StringLiterals;

namespace qv::plugin {
namespace {

constexpr int kChestsPerGroup = 5;
constexpr int kCountdownSeconds = 5;
constexpr int kTicksPerSecond = 20;
constexpr int kGiveUpSeconds = 2;
constexpr int kSlideSteps = 5;
constexpr int kSlideWaitMs = 37;
constexpr int kUnitWidth = 14;
constexpr int kLabelHeight = 50;
constexpr int kLineHeight = 30;
constexpr int kCentre = 2;
constexpr forms::OleColor kRed = 255;
constexpr forms::OleColor kYellow = 65535;
constexpr std::int16_t kLogWidth = 44;
const QString kChoose = u"请选择一个宝箱打开"_s;
const QString kWaitOthers = u"请等待其他玩家打开宝箱"_s;
const QString kWaitPlayer = u"请等待玩家打开宝箱"_s;
const QString kGold = u"金币"_s;

bool hasResult(const PluginState& p, std::size_t s) {
    return !p.Prop_ScoreTexts.at(0).at(s).isEmpty() || !p.Prop_ScoreTexts.at(1).at(s).isEmpty();
}

/// A chest of the player's group, c = 4r rounded half to even: the ends half as likely.
int drawChest(PluginContext& ctx) {
    return static_cast<int>(std::nearbyint(4.0 * ctx.random()));
}

int whole(double value) {
    return static_cast<int>(std::nearbyint(value));
}

/// The layout can show chests: both pictures read and every size above 0.
bool showable(const platform::ChestLayout& layout) {
    const auto positive = [](const std::array<std::int32_t, 2>& size) {
        return size[0] > 0 && size[1] > 0;
    };
    return positive(layout.Prop_BaoClosedSize) && positive(layout.Prop_BaoOpenSize) &&
           !QImage::fromData(layout.Prop_BaoPicClosed).isNull() &&
           !QImage::fromData(layout.Prop_BaoPicOpen).isNull();
}

QImage chestPicture(const std::vector<std::uint8_t>& png) {
    return QImage::fromData(png);
}

void placeClosed(PluginContext& ctx, int i, bool enabled) {
    const platform::ChestLayout& layout = ctx.plugin.chests;
    forms::Image& chest = ctx.form.ImgProp(i);
    const auto at = static_cast<std::size_t>(i);
    chest.setStretch(true);
    chest.move(layout.Prop_BaoPos.at(at)[0], layout.Prop_BaoPos.at(at)[1],
               layout.Prop_BaoClosedSize[0], layout.Prop_BaoClosedSize[1]);
    chest.setPicture(chestPicture(layout.Prop_BaoPicClosed));
    chest.setVisible(true);
    chest.setEnabled(enabled);
    chest.zOrder(0);
}

/// The gold as the final text writes it.
QString goldText(double gold) {
    return gold == std::floor(gold) ? QString::number(static_cast<qint64>(gold))
                                    : QString::number(gold, 'g', 15);
}

void countdownCaption(PluginContext& ctx, const QString& text) {
    ctx.form.LbProp.setCaption(text + u"\r\n"_s + QString::number(ctx.plugin.Prop_BaoSeconds));
}

/// The player's chests go with the give-up, so no later click opens one.
void giveUpPlayersChests(PluginContext& ctx) {
    for (int i = 0; i < kChestsPerGroup; ++i) {
        HideAndDisable(ctx.form.ImgProp(i));
    }
    ctx.plugin.Prop_BaoChosen = true;
}

void prepareGoldText(PluginContext& ctx) {
    PluginState& p = ctx.plugin;
    int lines = 0;
    int itemWidth = 0;
    double largest = 0;
    bool anyGold = false;
    p.NameWidth = 0;
    for (std::size_t s = 0; s < 4; ++s) {
        p.Prop_SeatNames.at(s) = p.Prop_ScoreTexts.at(0).at(s);
        p.NameWidth = std::max(p.NameWidth, TextWidthUnits(p.Prop_SeatNames.at(s)));
        p.GoldShown.at(s) = 0;
        p.GoldStep.at(s) = 0;
        const double gold = p.Prop_ScoreGold.at(s);
        if (gold > 0) {
            p.GoldStep.at(s) = static_cast<float>(gold / p.Prop_AnimSteps);
            largest = anyGold ? std::max(largest, gold) : gold;
            anyGold = true;
            lines += 2;
        }
        if (!p.Prop_ScoreTexts.at(1).at(s).isEmpty()) {
            p.Prop_ItemList = p.Prop_ScoreTexts.at(1).at(s).split(u'|');
            for (const QString& item : std::as_const(p.Prop_ItemList)) {
                ++lines;
                itemWidth = std::max(itemWidth, TextWidthUnits(item));
            }
        }
    }
    p.GoldDigits = static_cast<int>(goldText(anyGold ? largest : 0).size());
    const int height = lines < 3 ? kLabelHeight : kLineHeight * lines;
    const int width = p.GoldDigits + p.NameWidth > itemWidth
                          ? (p.GoldDigits + p.NameWidth + 4) * kUnitWidth
                          : (itemWidth + 4) * kUnitWidth;
    forms::Label& label = ctx.form.LbProp;
    label.setCaption({});
    label.move(p.chests.Prop_BaoLabelAt[0] - width / 2.0, p.chests.Prop_BaoLabelAt[1], width,
               height);
    label.setAlignment(kCentre);
    label.setForeColor(kYellow);
    label.setVisible(true);
    label.zOrder(0);
}

QString goldLine(const PluginState& p, std::size_t s, const QString& amount) {
    return p.Prop_SeatNames.at(s) + PadRight(amount, static_cast<std::int16_t>(p.GoldDigits)) +
           kGold;
}

void finalGoldText(PluginContext& ctx) {
    PluginState& p = ctx.plugin;
    QStringList lines;
    for (std::size_t s = 0; s < 4; ++s) {
        if (p.Prop_ScoreGold.at(s) != 0) {
            lines.append(goldLine(p, s, goldText(p.Prop_ScoreGold.at(s))));
        }
        if (!p.Prop_ScoreTexts.at(1).at(s).isEmpty()) {
            lines.append(p.Prop_ScoreTexts.at(1).at(s).split(u'|'));
        }
    }
    forms::ListBox& log = ctx.form.host().get<table::Talk>().Text1;
    for (const QString& line : std::as_const(lines)) {
        WrapToList(log, line, kLogWidth);
    }
    if (log.listCount() > 0) {
        log.setTopIndex(log.listCount() - 1);
    }
    const QString whole = lines.join(u"\r\n"_s);
    table::PostToTicker(ctx.form, whole);
    p.GoldStep = {};
    p.GoldShown = {};
    ctx.form.LbProp.setCaption(whole);
    ctx.form.LbProp.zOrder(0);
}

} // namespace

void PlayBaoXiang(PluginContext& ctx) {
    PluginState& p = ctx.plugin;
    ctx.form.LbProp.setCaption({});
    p.Prop_BaoChs = {-1, -1, -1, -1};
    std::size_t first = 4;
    for (std::size_t s = 0; s < 4 && first == 4; ++s) {
        if (hasResult(p, s)) {
            first = s;
        }
    }
    if (first == 4 || !showable(p.chests)) {
        ShowHeldSheet(ctx);
        return;
    }
    p.ChestShowOn = true;
    QString text;
    if (first == 0) {
        for (int i = 0; i < kChestsPerGroup; ++i) {
            placeClosed(ctx, i, p.Prop_GameDllState == 2);
        }
        text = kChoose;
    } else {
        int k = 0;
        for (std::size_t s = 1; s < 4; ++s) {
            if (!hasResult(p, s)) {
                continue;
            }
            for (int i = 0; i < kChestsPerGroup; ++i) {
                placeClosed(ctx, kChestsPerGroup * k + i, false);
            }
            p.Prop_BaoChs.at(s) = kChestsPerGroup * k + drawChest(ctx);
            ++k;
        }
        text = kWaitOthers;
    }
    forms::Label& label = ctx.form.LbProp;
    const int width = kUnitWidth * TextWidthUnits(text);
    label.setAlignment(kCentre);
    label.move(p.chests.Prop_BaoLabelAt[0] - width / 2.0, p.chests.Prop_BaoLabelAt[1], width,
               kLabelHeight);
    label.setCaption(text + u"\r\n"_s + QString::number(kCountdownSeconds));
    label.setForeColor(kRed);
    label.setVisible(true);
    label.zOrder(0);
    p.Prop_TipOn = false;
    p.Prop_BaoTicks = 0;
    p.Prop_BaoSeconds = kCountdownSeconds;
    p.Prop_BaoTimer = true;
}

void BaoCountdown(PluginContext& ctx) {
    PluginState& p = ctx.plugin;
    if (++p.Prop_BaoTicks < kTicksPerSecond) {
        return;
    }
    p.Prop_BaoTicks = 0;
    --p.Prop_BaoSeconds;
    if (p.Prop_BaoChosen) {
        p.Prop_BaoTimer = false;
    } else if (p.Prop_ScoreGold[0] <= 0 && p.Prop_ScoreTexts[1][0].isEmpty()) {
        countdownCaption(ctx, kWaitPlayer);
        if (p.Prop_BaoSeconds <= kGiveUpSeconds) {
            p.Prop_BaoTimer = false;
            giveUpPlayersChests(ctx);
            OpenBaoXiang(ctx, -1);
        }
    } else {
        countdownCaption(ctx, kChoose);
        if (p.Prop_BaoSeconds <= 0) {
            p.Prop_BaoTimer = false;
            p.Prop_BaoChosen = true;
            OpenBaoXiang(ctx, drawChest(ctx));
        }
    }
}

void ImgProp_Click(PluginContext& ctx, int index) {
    PluginState& p = ctx.plugin;
    if (p.Prop_GameDllState != 2) {
        for (forms::Image* chest : ctx.form.ImgProp.elements()) {
            if (chest != &ctx.form.ImgProp(0)) {
                HideAndDisable(*chest);
            }
        }
        return;
    }
    if (!p.Prop_BaoChosen) {
        p.Prop_BaoChosen = true;
        OpenBaoXiang(ctx, index);
    }
}

void OpenBaoXiang(PluginContext& ctx, int index) {
    PluginState& p = ctx.plugin;
    if (index == -1) {
        for (std::size_t s = 1; s < 4 && p.ChestShowOn; ++s) {
            if (p.Prop_BaoChs.at(s) != -1) {
                AnimateBaoOpen(ctx, p.Prop_BaoChs.at(s), true, 0);
            }
        }
    } else {
        p.Prop_BaoChs[0] = index;
        AnimateBaoOpen(ctx, index, true, 0);
    }
    // The slides let other handlers run; a plug-in closed meanwhile has ended the show.
    if (!p.ChestShowOn) {
        return;
    }
    for (const int chosen : p.Prop_BaoChs) {
        if (chosen != -1) {
            HideAndDisable(ctx.form.ImgProp(chosen));
        }
    }
    if (p.Prop_GameDllState == 2) {
        p.Prop_GameDll->ShowGif(1, true);
    }
    ctx.form.TimerProp.setInterval(std::max<int>(1, p.chests.Prop_BaoAnim[0]));
    p.Prop_AnimStep = 0;
    p.Prop_AnimOn = true;
    p.Prop_TipOn = false;
    // A show of no steps is taken as one, so the gold is never divided by zero.
    p.Prop_AnimSteps = std::max<int>(1, p.chests.Prop_BaoAnim[1]);
    ShowBaoResult(ctx, -1);
    ctx.form.TimerProp.setEnabled(true);
}

void AnimateBaoOpen(PluginContext& ctx, int pick, bool opening, int seat) {
    const platform::ChestLayout& layout = ctx.plugin.chests;
    forms::Image& chest = ctx.form.ImgProp(pick);
    if (opening) {
        chest.setEnabled(false);
        const int group = pick / kChestsPerGroup * kChestsPerGroup;
        for (int i = group; i < group + kChestsPerGroup; ++i) {
            if (i != pick && ctx.form.ImgProp(i).visible()) {
                HideAndDisable(ctx.form.ImgProp(i));
            }
        }
        MoveBao(ctx, whole(chest.left()), whole(chest.top()),
                whole(layout.Prop_BaoCentre[0] - layout.Prop_BaoClosedSize[0] / 2.0),
                whole(layout.Prop_BaoCentre[1] - layout.Prop_BaoClosedSize[1] / 2.0), chest);
        chest.setVisible(false);
        return;
    }
    const double left = whole(layout.Prop_BaoCentre[0] - layout.Prop_BaoOpenSize[0] / 2.0);
    const double top = whole(layout.Prop_BaoCentre[1] - layout.Prop_BaoOpenSize[1] / 2.0);
    chest.move(left, top, layout.Prop_BaoOpenSize[0], layout.Prop_BaoOpenSize[1]);
    chest.setPicture(chestPicture(layout.Prop_BaoPicOpen));
    chest.setVisible(true);
    const auto s = static_cast<std::size_t>(seat);
    MoveBao(ctx, left, top, layout.Prop_BaoSeatDest.at(s), layout.Prop_BaoSeatDest.at(s + 4),
            chest);
}

int MoveBao(PluginContext& ctx, double x0, double y0, double x1, double y1, forms::Image& image) {
    const auto dx = static_cast<float>((x1 - x0) / kSlideSteps);
    const auto dy = static_cast<float>((y1 - y0) / kSlideSteps);
    try {
        for (int i = 1; i <= kSlideSteps; ++i) {
            image.move(x0 + i * dx, y0 + i * dy);
            WaitMs(ctx.services.time, kSlideWaitMs);
        }
    } catch (const forms::RuntimeError&) {
        return 0;
    }
    return -1;
}

void ShowBaoResult(PluginContext& ctx, int step) {
    PluginState& p = ctx.plugin;
    if (step == -1) {
        prepareGoldText(ctx);
        return;
    }
    if (step >= p.Prop_AnimSteps) {
        finalGoldText(ctx);
        return;
    }
    QStringList lines;
    for (std::size_t s = 0; s < 4; ++s) {
        if (p.Prop_ScoreGold.at(s) != 0) {
            lines.append(goldLine(p, s, QString::number(whole(p.GoldShown.at(s)))));
            p.GoldShown.at(s) += p.GoldStep.at(s);
        }
    }
    ctx.form.LbProp.setCaption(lines.join(u"\r\n"_s));
    ctx.form.LbProp.zOrder(0);
}

bool OpeningStep(PluginContext& ctx) {
    PluginState& p = ctx.plugin;
    ++p.Prop_AnimStep;
    if (p.Prop_AnimStep < p.Prop_AnimSteps) {
        ShowBaoResult(ctx, p.Prop_AnimStep);
        return false;
    }
    p.Prop_AnimOn = false;
    p.Prop_AnimStep = 0;
    ShowBaoResult(ctx, p.Prop_AnimSteps);
    if (p.loaded()) {
        p.Prop_GameDll->ShowGif(1, false);
    }
    p.ChestShowOn = false;
    if (p.Prop_BaoChs[0] == -1) {
        for (std::size_t s = 1; s < 4; ++s) {
            if (p.Prop_BaoChs.at(s) != -1) {
                AnimateBaoOpen(ctx, p.Prop_BaoChs.at(s), false, static_cast<int>(s));
            }
        }
    } else {
        AnimateBaoOpen(ctx, p.Prop_BaoChs[0], false, 0);
    }
    if (ctx.conn.ResultStage == 1) {
        ShowHeldSheet(ctx);
    }
    return true;
}

} // namespace qv::plugin
