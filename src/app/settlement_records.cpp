#include "app/settlement_records.h"

#include "forms/form_host.h"
#include "settlement/hero_window.h"
#include "settlement/post_game.h"
#include "settlement/score_window.h"
#include "settlement/show_settlement.h"
#include "table/exit_windows.h"
#include "table/main_form.h"

namespace qv::app {

void SettlementRecords::ToggleScore() {
    if (auto* ctx = settlement_()) {
        settlement::ScoreButton(*ctx);
    }
}

void SettlementRecords::ToggleHero() {
    if (auto* ctx = settlement_()) {
        settlement::HeroButton(*ctx);
    }
}

void SettlementRecords::HideRecords() {
    if (auto* hero = forms_.find<settlement::Hero>()) {
        hero->hide();
    }
    if (auto* score = forms_.find<settlement::Score>()) {
        score->hide();
    }
}

void SettlementRecords::ShowScoreOverTable() {
    auto& score = forms_.get<settlement::Score>();
    if (const auto* table = forms_.find<table::MainForm>()) {
        table::CentreOver(score, *table);
    }
    score.show();
}

void SettlementRecords::ShowHeroOnTable() {
    auto& hero = forms_.get<settlement::Hero>();
    hero.centreOverTable();
    hero.show();
}

void SettlementRecords::ArmPostGame() {
    if (auto* ctx = settlement_()) {
        settlement::ArmPostGame(*ctx);
    }
}

void SettlementRecords::ShowSeat(int seat) {
    if (auto* ctx = settlement_()) {
        settlement::ShowSeatInRecords(*ctx, seat);
    }
}

void SettlementRecords::ClearSeat(int seat) {
    auto& hero = forms_.get<settlement::Hero>();
    auto& score = forms_.get<settlement::Score>();
    hero.Tou(seat).setPicture(QImage());
    hero.ID(seat).setCaption({});
    score.Tou(seat).setPicture(QImage());
    score.ID(seat).setCaption({});
}

} // namespace qv::app
