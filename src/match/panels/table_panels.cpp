#include "match/panels/table_panels.h"

#include "connection/commands.h"
#include "connection/connection.h"
#include "match/match_context.h"
#include "match/panels/init_match_ui.h"
#include "match/panels/match_detail.h"
#include "match/panels/match_list.h"
#include "match/panels/rankings.h"
#include "table/main_form.h"

#include <utility>

namespace qv::match::panels {

TablePanels::TablePanels(platform::TimeService& time, Table table)
    : table_(std::move(table)), zoom_(time, table_) {}

void TablePanels::initMatchUI() {
    if (MatchContext* ctx = table_()) {
        panels::initMatchUI(ctx->form);
    }
}

bool TablePanels::InitCurMatchShow(int& page) {
    MatchContext* ctx = table_();
    return ctx != nullptr && panels::InitCurMatchShow(*ctx, page);
}

void TablePanels::ShowMatchDetail(int row) {
    if (MatchContext* ctx = table_()) {
        panels::ShowMatchDetail(*ctx, row);
    }
}

void TablePanels::wire(table::MainForm& form) {
    const auto with = [table = table_](auto step) {
        return [table, step](auto... args) {
            if (MatchContext* ctx = table()) {
                step(*ctx, args...);
            }
        };
    };
    const auto rowClick =
        with([](MatchContext& ctx, int index) { LblMathStart_Click(ctx, index); });
    form.LblMathStart.events.click = rowClick;
    form.LblMathName.events.click = rowClick;
    form.LblMathLeft.events.click = rowClick;
    form.LblMathNum.events.click = rowClick;
    form.ImgMatch.events.click = rowClick;
    form.ImgDownpage.events.click = with(ImgDownpage_Click);
    form.ImgUppage.events.click = with(ImgUppage_Click);
    form.ImgCloseList.events.click = with(ImgCloseList_Click);
    form.ImgSign.events.click = with(ImgSign_Click);
    form.ImgRefresh.events.click = with(ImgRefresh_Click);
    form.ImgOpenMatchBtn.events.mouseUp =
        with([](MatchContext& ctx, int, int, double, double) { ImgOpenMatchBtn_MouseUp(ctx); });
    form.ImgShowMatch.events.mouseUp = with(
        [this](MatchContext& ctx, int, int, double, double) { ImgShowMatch_MouseUp(ctx, zoom_); });
    form.ImgShowSort.events.mouseUp = with(
        [this](MatchContext& ctx, int, int, double, double) { ImgShowSort_MouseUp(ctx, zoom_); });

    form.ImgMatch.events.mouseMove = with([](MatchContext& ctx, int index, int, int, double,
                                             double) { ImgMatch_MouseMove(ctx, index); });
    form.ImgSign.events.mouseMove =
        with([](MatchContext& ctx, int, int, double, double) { ImgSign_MouseMove(ctx); });
    form.ImgUppage.events.mouseMove = with([](MatchContext& ctx, int index, int, int, double,
                                              double) { ImgUppage_MouseMove(ctx, index); });
    form.ImgDownpage.events.mouseMove = with([](MatchContext& ctx, int index, int, int, double,
                                                double) { ImgDownpage_MouseMove(ctx, index); });
    form.ImgCloseList.events.mouseMove = with([](MatchContext& ctx, int index, int, int, double,
                                                 double) { ImgCloseList_MouseMove(ctx, index); });
    form.ImgRefresh.events.mouseMove =
        with([](MatchContext& ctx, int, int, double, double) { ImgRefresh_MouseMove(ctx); });
    form.ImgOpenMatchBtn.events.mouseMove =
        with([](MatchContext& ctx, int, int, double, double) { ImgOpenMatchBtn_MouseMove(ctx); });

    form.Pic_matchDetail.events.keyDown =
        with([](MatchContext& ctx, int& keyCode, int) { Pic_matchDetail_KeyDown(ctx, keyCode); });
    form.Pic_matchDetail.events.mouseDown =
        with([](MatchContext& ctx, int button, int, double x, double y) {
            Pic_matchDetail_MouseDown(ctx, button, x, y);
        });
    form.Pic_matchDetail.events.mouseMove =
        with([](MatchContext& ctx, int button, int, double x, double y) {
            Pic_matchDetail_MouseMove(ctx, button, x, y);
        });
    form.Pic_matchDetail.events.mouseUp =
        with([](MatchContext& ctx, int button, int, double x, double y) {
            Pic_matchDetail_MouseUp(ctx, button, x, y);
        });
    form.Pic_sortDetail.events.keyDown =
        with([](MatchContext& ctx, int& keyCode, int) { Pic_sortDetail_KeyDown(ctx, keyCode); });
    form.Pic_sortDetail.events.mouseDown =
        with([](MatchContext& ctx, int button, int, double x, double y) {
            Pic_sortDetail_MouseDown(ctx, button, x, y);
        });
    form.Pic_sortDetail.events.mouseMove =
        with([](MatchContext& ctx, int button, int, double x, double y) {
            Pic_sortDetail_MouseMove(ctx, button, x, y);
        });
    form.Pic_sortDetail.events.mouseUp =
        with([](MatchContext& ctx, int button, int, double x, double y) {
            Pic_sortDetail_MouseUp(ctx, button, x, y);
        });
}

void TablePanels::registerBranches(connection::Connection& conn) {
    conn.dispatcher.on(connection::MsgSortPage, DecodeSortPage,
                       [table = table_](const SortPage& page) {
                           if (MatchContext* ctx = table()) {
                               MsgSortPage(*ctx, page);
                           }
                       });
}

} // namespace qv::match::panels
