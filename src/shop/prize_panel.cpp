#include "shop/prize_panel.h"

#include "common/picture_resources.h"
#include "common/vb_text.h"
#include "connection/commands.h"
#include "connection/connection.h"
#include "platform/services.h"
#include "platform/time_service.h"
#include "shop/number_text.h"
#include "shop/shop_context.h"
#include "table/main_form.h"
#include "table/own_controls.h"
#include "table/table_state.h"

using namespace Qt::StringLiterals;

namespace qv::shop {
namespace {

constexpr int kPoolLabels = 12;
constexpr int kLastPoolLabel = kPoolLabels - 1;
constexpr int kPrizeDigitSprites = 11;
constexpr std::uint8_t kRollSteps = 10;
constexpr std::uint8_t kSlowSteps = 5;
constexpr std::uint32_t kSlowStepMs = 200;
constexpr std::uint32_t kFastStepMs = 100;

constexpr double kDigitAreaLeft = 350;
constexpr double kDigitAreaRight = 2160;
constexpr double kDigitAreaTop = 100;
constexpr double kDigitAreaBottom = 360;

void load(std::int16_t picture, forms::Image& control) {
    common::LoadGifRes(picture, u"GIF"_s, control);
}

/// The pool as the labels show it: its whole part, of which the rightmost twelve characters fit.
QString poolText(double pool) {
    const QString text = WholeText(pool);
    return text.right(kPoolLabels);
}

void showDigit(forms::Label& label, const QString& text) {
    label.setCaption(text);
    label.setVisible(true);
    label.refresh();
}

void clearLabels(table::MainForm& form, int last) {
    for (int i = 0; i <= last; ++i) {
        form.Lb_prize(i).setCaption({});
        form.Lb_prize(i).setVisible(false);
    }
}

void layOutBar(ShopContext& ctx) {
    table::MainForm& form = ctx.form;
    form.Pic_buy.move(340, 250, 353, 297);
    form.Pic_buy.setVisible(false);
    // Placed by the layout scales, so that the bar stays on a screen smaller than the design;
    // what it holds keeps its size.
    const table::TableState& table = ctx.conn.table;
    form.Pic_prize.move(104 * table.ScaleX, 654 * table.ScaleY, 528, 33);
    form.Pic_prize.setVisible(true);
    form.Img_chip_bt.move(4680, 50, 705, 375);
    for (int i = 0; i < kPoolLabels; ++i) {
        forms::Label& label = form.Lb_prize(i);
        label.move(350 + 150 * i, 100);
        label.setVisible(false);
        label.setAutoSize(true);
    }
    for (int i = 1; i <= 2; ++i) {
        form.img_chzhi(i).setTag(u"0"_s);
        load(static_cast<std::int16_t>(777 + 3 * i), form.img_chzhi(i));
    }
    for (forms::Control* button : {&form.Img_add_bt, &form.Img_reduce_bt, &form.Img_chip_bt,
                                   &form.Img_buy_bt, &form.Img_buy_buy_bt, &form.Img_buy_add_bt,
                                   &form.Img_buy_reduce_bt, &form.Img_buy_close_bt}) {
        button->setTag(u"0"_s);
    }
    load(1648, form.Img_add_bt);
    load(1650, form.Img_reduce_bt);
    load(1652, form.Img_chip_bt);
    load(1644, form.Img_buy_bt);
    load(1656, form.Img_buy_buy_bt);
    load(1660, form.Img_buy_add_bt);
    load(1662, form.Img_buy_reduce_bt);
    form.Txt_chip.setHeight(225);
    form.Txt_chip.setLeft(3800);
    form.Txt_buy_num.setText({});
    form.Lb_buy_all.setCaption({});
    form.Lb_buy_my.setCaption({});
    form.Lb_mysmoke.setCaption({});
    form.Txt_chip.setText({});
}

void resetPool(ShopState& state) {
    state.PoolRollTime = 0;
    state.PoolRolling = false;
    state.RePoolWei = 0;
    state.t_RePoolWei = 0;
    state.NewPrizePool = 0;
    state.isUpdateChipNum = true;
}

void layOutPrizeSprites(ShopContext& ctx) {
    table::MainForm& form = ctx.form;
    const table::TableState& table = ctx.conn.table;
    controls::APNG& prize = form.APNG_prize;
    prize.setWidth(603);
    prize.setHeight(115);
    prize.setLeft(200 * table.ScaleX);
    prize.setTop(280 * table.ScaleY);
    prize.LoadAnimation(802, 0, 0, 1, 3);
    prize.Pause();
    prize.setVisible(false);
    prize.zOrder(1);
    const auto setUpDigit = [&](controls::APNG& digit, int i) {
        digit.LoadAnimation(801, 0, 0, 1, 10);
        digit.setVisible(false);
        digit.setWidth(38);
        digit.setHeight(53);
        digit.setLeft(prize.left() + (140 + 40 * i) * table.ScaleX);
        digit.setTop(prize.top() + 35 * table.ScaleY);
        digit.zOrder(0);
    };
    setUpDigit(form.APNG_prizenum(0), 0);
    if (!form.APNG_prizenum.exists(kPrizeDigitSprites - 1)) {
        for (int i = 1; i < kPrizeDigitSprites; ++i) {
            setUpDigit(form.APNG_prizenum.load(i), i);
        }
    }
    for (int i = 0; i < kPrizeDigitSprites; ++i) {
        form.APNG_prizenum(i).Pause();
        form.APNG_prizenum(i).setVisible(false);
    }
}

void resetOwnPrize(ShopState& state) {
    state.RefreshMyPrizeTime = 0;
    state.MyPrizeRolling = false;
    state.MyPrizeStartDigit = 0;
    state.ReMyPrizeWeiState = 0;
    state.NewMyPrize = 0;
}

void layOutPanels(ShopContext& ctx) {
    table::MainForm& form = ctx.form;
    const table::TableState& table = ctx.conn.table;
    const float sx = table.ScaleX;
    const float sy = table.ScaleY;
    form.Img_yan.setTag(u"0"_s);
    common::LoadGifResCopy(579, u"GIF"_s, form.Img_yan);
    form.Pic_chipinfo.move(300 * sx, 100 * sy, 520 * sx, 484 * sy);
    form.Pic_chipinfo.setVisible(false);
    form.lb_chipinfo.move(240 * sx, 965 * sy, 6255 * sx, 4315 * sy);
    ShopState& state = ctx.state;
    state.PrizeColWidths = {120, 130, 105, 140, 120, 90};
    state.PrizeListLeft = 60.0F;
    state.PrizeListTop = 60.0F;
    state.PrizeRowHeight = 20;
    form.bt_prizesort.setTag(u"0"_s);
    common::LoadGifResCopy(581, u"GIF"_s, form.bt_prizesort);
    form.Pic_prizesort.move(150 * sx, 200 * sy, 718 * sx, 293 * sy);
    form.Pic_prizesort.setVisible(false);
    form.bt_prizesort.setTop(624 * sy);
    form.bt_prizesort.setLeft(930 * sx);
    form.bt_prizesort.setVisible(true);
    form.bt_prizesort.zOrder(0);
}

void emptyRecord(PrizeRecord& record) {
    record.RecordId = 0;
    record.ItemCount = 0;
    record.ItemIds.assign(1, 0);
    record.ItemCounts.assign(1, 0);
}

void resetWinners(ShopState& state) {
    state.prizeNeedUpdate = false;
    state.PrizeListFirstOpen = true;
    for (std::size_t i = 1; i < state.PrizeList.size(); ++i) {
        if (state.PrizeList[i].RecordId <= 0) {
            break;
        }
        emptyRecord(state.PrizeList[i]);
    }
    state.BigPrizeCount = 0;
    for (std::size_t j = 1; j < state.BigPrizes.size(); ++j) {
        emptyRecord(state.BigPrizes[j]);
    }
}

/// Whether a counting step of the roll is due at `now`; the tick counter wraps every 49.7 days,
/// and the unsigned difference stays right across the wrap.
bool stepDue(const ShopState& state, std::uint32_t now) {
    if (state.PoolRollTime == 0) {
        return true;
    }
    const std::uint32_t wait = state.t_RePoolWei < kSlowSteps ? kSlowStepMs : kFastStepMs;
    return now - state.PoolRollTime > wait;
}

void resetHover(forms::Image& button, std::int16_t picture) {
    button.setTag(u"0"_s);
    load(picture, button);
}

} // namespace

void InitPrizePanel(ShopContext& ctx) {
    layOutBar(ctx);
    resetPool(ctx.state);
    ctx.form.Img_chip_bt.setEnabled(true);
    ctx.state.RoomChipCap = 0;
    table::PlaceBanner(ctx.form);
    layOutPrizeSprites(ctx);
    resetOwnPrize(ctx.state);
    layOutPanels(ctx);
    resetWinners(ctx.state);
}

void StepPrizePoolRoll(ShopContext& ctx) {
    ShopState& state = ctx.state;
    table::MainForm& form = ctx.form;
    const QString s = poolText(state.NewPrizePool);
    const auto length = static_cast<int>(s.size());
    if (!state.PoolRolling) {
        clearLabels(form, kLastPoolLabel);
        for (int i = 0; i < length; ++i) {
            showDigit(form.Lb_prize(kLastPoolLabel - i), s.at(length - 1 - i));
        }
        return;
    }
    if (state.RePoolWei == 0) {
        clearLabels(form, kLastPoolLabel - 2);
    }
    if (state.RePoolWei >= length) {
        state.PoolRolling = false;
        return;
    }
    if (state.t_RePoolWei >= kRollSteps) {
        showDigit(form.Lb_prize(kLastPoolLabel - state.RePoolWei),
                  s.at(length - 1 - state.RePoolWei));
        ++state.RePoolWei;
        state.t_RePoolWei = 0;
        return;
    }
    const std::uint32_t now = ctx.conn.services.time.tickMs();
    if (!stepDue(state, now)) {
        return;
    }
    for (int i = state.RePoolWei; i < length; ++i) {
        showDigit(form.Lb_prize(kLastPoolLabel - i), QString::number(state.t_RePoolWei));
    }
    ++state.t_RePoolWei;
    state.PoolRollTime = now;
}

void Send95(ShopContext& ctx) {
    if (ctx.conn.match.G_MatchType > 1) {
        return;
    }
    connection::GameMessage msg;
    msg.setCommand(connection::MsgNotice);
    connection::QueueMatchFrame(ctx.conn, msg);
}

void Lb_prize_MouseMove(ShopContext& ctx) {
    forms::PictureBox& box = ctx.form.Pic_chipinfo;
    if (!box.visible()) {
        box.setVisible(true);
        box.setTag(u"1"_s);
    }
}

void Pic_prize_MouseMove(ShopContext& ctx, double x, double y) {
    table::MainForm& form = ctx.form;
    forms::PictureBox& box = form.Pic_chipinfo;
    const bool overDigits =
        x >= kDigitAreaLeft && x <= kDigitAreaRight && y >= kDigitAreaTop && y <= kDigitAreaBottom;
    if (!overDigits && box.visible() && box.tag() == u"1"_s) {
        box.setVisible(false);
    } else if (overDigits && !box.visible()) {
        box.setVisible(true);
        box.setTag(u"1"_s);
    }
    if (leadingNumber(form.Img_add_bt.tag()) != 0) {
        resetHover(form.Img_add_bt, 1648);
    }
    if (leadingNumber(form.Img_reduce_bt.tag()) != 0) {
        resetHover(form.Img_reduce_bt, 1650);
    }
    if (leadingNumber(form.Img_chip_bt.tag()) == 1) {
        resetHover(form.Img_chip_bt, 1652);
    }
    if (leadingNumber(form.Img_buy_bt.tag()) != 0) {
        resetHover(form.Img_buy_bt, 1644);
    }
    if (leadingNumber(form.Img_yan.tag()) != 0) {
        form.Img_yan.setTag(u"0"_s);
        common::LoadGifResCopy(579, u"GIF"_s, form.Img_yan);
    }
}

} // namespace qv::shop
