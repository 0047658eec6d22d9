#include "match/panels/table_layout.h"

#include "common/picture_resources.h"
#include "match/match.h"
#include "match/panels/panel_pictures.h"
#include "table/main_form.h"
#include "table/table_context.h"

namespace qv::match::panels {

using namespace Qt::StringLiterals;

namespace {

constexpr int kSeats = 4;

/// Shows one of the two label pairs at every seat the table layout has made, hides the other.
void showSeatLabels(table::MainForm& form, bool tournament) {
    for (int seat = 0; seat < kSeats; ++seat) {
        for (auto* labels : {&form.lbl_score, &form.lbl_sort}) {
            if (labels->exists(seat)) {
                (*labels)(seat).setVisible(tournament);
            }
        }
        for (auto* labels : {&form.Cash, &form.Level}) {
            if (labels->exists(seat)) {
                (*labels)(seat).setVisible(!tournament);
            }
        }
    }
}

} // namespace

void ShowMainFormByMatchType(table::MainForm& form) {
    if (form.context().match.G_MatchType < 2) {
        form.Pic_prize.setVisible(true);
        form.pic_matchinfo.setVisible(false);
        showSeatLabels(form, false);
        form.lbl_matchtime.setCaption({});
        form.lbl_matchtime.setVisible(false);
        return;
    }
    common::LoadGifRes(static_cast<std::int16_t>(picture::kTournamentTable), u"GIF"_s, form.Pic1);
    form.Pic_prize.setVisible(false);
    // The bar's place is the same on every screen.
    form.pic_matchinfo.move(105, 654);
    form.pic_matchinfo.setVisible(true);
    showSeatLabels(form, true);
}

void HidePrizePanel(table::MainForm& form) {
    form.Pic_prize.setVisible(false);
    form.bt_prizesort.setVisible(false);
}

} // namespace qv::match::panels
