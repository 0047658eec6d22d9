#include "settlement/settlement_exit.h"

#include "connection/connection.h"
#include "forms/form_host.h"
#include "settlement/hero_window.h"
#include "settlement/settlement_context.h"
#include "settlement/show_settlement.h"

#include <QFile>

namespace qv::settlement {

void SettlementTableExit::LeaveTableReset() {
    inner_.LeaveTableReset();
    if (SettlementContext* ctx = context_()) {
        settlement::LeaveTableReset(*ctx);
    }
}

void LeaveTableReset(SettlementContext& ctx) {
    Hero& hero = ctx.forms.get<Hero>();
    Score& score = ctx.forms.get<Score>();
    hero.Num.clear();
    for (int i = 0; i < 4; ++i) {
        hero.Grade(i).clear();
        hero.ID(i).setCaption(QString());
        hero.sunScore(i).setCaption(QString());
        hero.Tou(i).setPicture(QImage());
        score.ID(i).setCaption(QString());
        score.Tou(i).setPicture(QImage());
        score.Tou(i).setTag(QString());
    }
    for (auto* list : score.State.elements()) {
        list->clear();
    }
    hero.hide();
    score.hide();
    ctx.state.RunningTotal.fill(0);
    ctx.hand.conn.match.juNum = 0;
    QFile::remove(scoreSheetPath(ctx));
}

} // namespace qv::settlement
