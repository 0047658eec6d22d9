#include "hand/own_finish.h"

#include "common/picture_resources.h"
#include "forms/form_host.h"
#include "hand/bomb_log.h"
#include "hand/chu_pai.h"
#include "hand/hand_context.h"
#include "table/main_form.h"

using namespace Qt::StringLiterals;

namespace qv::hand {

void ShowFinishBadge(HandContext& ctx, int seat) {
    constexpr int kBadges = 3;
    HandState& hand = ctx.hand;
    if (hand.g_FinishCount >= kBadges) {
        return;
    }
    forms::Image& badge = ctx.form.first(seat);
    const QString& picture = ctx.imageRes.PlaceRes.at(static_cast<std::size_t>(hand.g_FinishCount));
    common::LoadGifRes(static_cast<std::int16_t>(picture.toInt()), u"GIF"_s, badge);
    badge.setVisible(true);
    badge.zOrder(0);
    ++hand.g_FinishCount;
}

void RecordOwnFinish(HandContext& ctx) {
    HandState& hand = ctx.hand;
    if (hand.custom[0].sum != 0) {
        return;
    }
    ShowFinishBadge(ctx, 0);
    if (!hand.g_bFirstDone) {
        hand.g_bFirstDone = true;
        hand.idiyiming_st = 0;
    } else if (!hand.g_bSecondDone && hand.idiyiming_st != 0) {
        hand.g_bSecondDone = true;
        hand.idierming_st = 0;
    }
}

void SettleBombsEarly(HandContext& ctx) {
    HandState& hand = ctx.hand;
    SettleForFinishers(
        hand.BombLog, hand.BombTable,
        {hand.g_bFirstDone, hand.g_bSecondDone, hand.idiyiming_st, hand.idierming_st});
}

void HideChuPai(HandContext& ctx) {
    if (ChuPai* notice = ctx.form.host().find<ChuPai>()) {
        notice->hide();
    }
}

void ShowChuPai(HandContext& ctx, bool centre) {
    ChuPai& notice = ctx.form.host().get<ChuPai>();
    if (centre) {
        notice.centreOnTable();
    }
    notice.showInFront();
}

} // namespace qv::hand
