#include "app/client.h"

#include "hand/chu_pai.h"
#include "hand/play_input.h"
#include "platform/services.h"
#include "settlement/hero_window.h"
#include "settlement/post_game.h"
#include "settlement/result_branch.h"
#include "settlement/score_sheet_view.h"
#include "settlement/show_settlement.h"
#include "table/main_form.h"

#include <QDir>

namespace qv {

Client::Client(platform::Services& platformServices) : services(platformServices) {
    // Each subsystem registers its message branches and pump steps here.
    connection::RegisterBranches(conn);
    hand::RegisterBranches(conn, [this] { return handOnTable(); });
    settlement::RegisterBranches(conn, [this] { return settlementOnTable(); });
    conn.pumpSteps.on(connection::PumpStep::Panels, [this] {
        if (auto* ctx = settlementOnTable()) {
            settlement::PostGameSequence(*ctx);
        }
    });
    conn.tableExit = &settlementTableExit;
    table::registerTableForms(forms, tableContext, [this](table::MainForm& form) {
        hand::InstallPlayInput(form, [this] { return handOnTable(); });
    });
    hand::registerHandForms(
        forms, [this]() -> const forms::Form* { return forms.find<table::MainForm>(); });
    settlement::registerSettlementForms(
        forms, [this] { return forms.find<table::MainForm>(); },
        [this](int juNum) {
            if (auto* ctx = settlementOnTable()) {
                settlement::OpenScoreSheet(*ctx, juNum);
            }
        });
}

hand::HandContext* Client::handOnTable() {
    auto* form = forms.find<table::MainForm>();
    if (form == nullptr) {
        return nullptr;
    }
    if (!handContext_ || &handContext_->form != form) {
        handContext_.emplace(hand::HandContext{*form, hand, conn, table, plugin, sound, services,
                                               imageRes, rules, hints});
    }
    return &*handContext_;
}

settlement::SettlementContext* Client::settlementOnTable() {
    hand::HandContext* handCtx = handOnTable();
    if (handCtx == nullptr) {
        return nullptr;
    }
    if (!settlementContext_ || &settlementContext_->hand != handCtx) {
        settlementContext_.emplace(
            settlement::SettlementContext{*handCtx, settlement, forms, *handEnd});
    }
    return &*settlementContext_;
}

} // namespace qv
