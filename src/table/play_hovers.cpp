#include "table/play_hovers.h"

#include "common/picture_tables.h"
#include "match/match.h"
#include "plugin/plugin.h"
#include "table/main_form.h"
#include "table/table_context.h"
#include "table/table_hovers.h"
#include "table/table_pictures.h"
#include "table/table_state.h"

using namespace Qt::StringLiterals;

namespace qv::table {
namespace {

constexpr int kPass = 2;
constexpr int kPreviousTrick = 4;

int resource(const QString& entry) {
    return entry.toInt();
}

/// Normal and hover pictures of the play buttons: (3i, 3i + 1) for play, hint and pass,
/// (2i + 3, 2i + 4) for sort and previous trick.
int operationPicture(int index, bool hover) {
    const int normal = index <= kPass ? 3 * index : 2 * index + 3;
    return normal + (hover ? 1 : 0);
}

/// A panel button back to its normal picture when its Tag says it shows its hover picture.
void resetTagged(Image& button, int picture, bool whenTagIsOne = false) {
    const bool hover = whenTagIsOne ? button.tag() == u"1"_s : button.tag() != u"0"_s;
    if (hover) {
        button.setTag(u"0"_s);
        LoadTablePicture(picture, button);
    }
}

void resetPanelButtons(MainForm& form) {
    resetTagged(form.ImgOpenMatchBtn, form.ImgShowMatch.visible() ? 1564 : 1562);
    resetTagged(form.Img_buy_close_bt, 1515, true);
    resetTagged(form.ImgJadeExch, 1560);
    for (int i = 0; i <= 1; ++i) {
        resetTagged(form.ImgCloseList(i), 1514);
    }
    const auto pageButton = [](bool panelShown, Image& button, int picture) {
        if (panelShown && button.enabled() && button.visible()) {
            resetTagged(button, picture);
        }
    };
    pageButton(form.Pic_matchDetail.visible(), form.ImgUppage(0), 1535);
    pageButton(form.Pic_matchDetail.visible(), form.ImgDownpage(0), 1538);
    pageButton(form.Pic_sortDetail.visible(), form.ImgUppage(1), 1529);
    pageButton(form.Pic_sortDetail.visible(), form.ImgDownpage(1), 1532);
    pageButton(form.Pic_sortDetail.visible(), form.ImgRefresh, 1552);
    resetTagged(form.ImgJadeTask, 680);
    resetTagged(form.bt_prizesort, 581);
}

void resetCallButton(MainForm& form) {
    TableContext& context = form.context();
    if (!context.state.g_bJiaopaiNormal) {
        context.state.g_bJiaopaiNormal = true;
        LoadTablePicture(resource(context.imageRes.JiaopaiRes[0]), form.btnJiaopai(0));
    }
}

} // namespace

void ResetButtonHovers(MainForm& form) {
    TableContext& context = form.context();
    TableState& state = context.state;
    for (int i = 0; i <= 8; ++i) {
        bool& hover = state.AnNiuHover.at(static_cast<std::size_t>(i));
        if (!hover) {
            continue;
        }
        hover = false;
        int picture = i <= 1 ? 2 * i : 2 * i + 2;
        if (i == 2) {
            picture = context.match.juNum < 1 && state.g_bFirstStart ? 4 : 6;
        }
        LoadTablePicture(resource(context.imageRes.AnNiuRes.at(static_cast<std::size_t>(picture))),
                         form.AnNiu(i));
    }
    for (int i = 0; i <= kPreviousTrick; ++i) {
        bool& hover = state.OperationHover.at(static_cast<std::size_t>(i));
        if (hover) {
            hover = false;
            LoadTablePicture(resource(context.imageRes.OperationRes.at(
                                 static_cast<std::size_t>(operationPicture(i, false)))),
                             form.Operation(i));
        }
    }
}

void Operation_MouseMove(MainForm& form, int index) {
    TableContext& context = form.context();
    if (index < 0 || index > kPreviousTrick) {
        return;
    }
    bool& hover = context.state.OperationHover.at(static_cast<std::size_t>(index));
    if (hover) {
        return;
    }
    hover = true;
    LoadTablePicture(resource(context.imageRes.OperationRes.at(
                         static_cast<std::size_t>(operationPicture(index, true)))),
                     form.Operation(index));
}

void btnJiaopai_MouseMove(MainForm& form, int index) {
    TableContext& context = form.context();
    if (context.state.g_bJiaopaiNormal) {
        context.state.g_bJiaopaiNormal = false;
        LoadTablePicture(resource(context.imageRes.JiaopaiRes[1]), form.btnJiaopai(index));
    }
}

void ResetTableHovers(MainForm& form) {
    TableContext& context = form.context();
    TableState& state = context.state;
    resetPanelButtons(form);
    ResetBankHover(form);
    ResetButtonHovers(form);
    resetCallButton(form);
    state.VideoHoverOn = false;
    if (state.VideoHoverSeat >= 1 && state.VideoHoverSeat <= 3) {
        // The preview is closed through the plug-in only while one is loaded.
        if (context.plugin.Prop_GameDllState > 0 && context.plugin.Prop_GameDll) {
            context.plugin.Prop_GameDll->ShowVmVideo(
                static_cast<std::int16_t>(state.VideoHoverSeat - 1), false, 0);
        }
        state.VideoHoverSeat = 0;
    }
    if (state.OwnVideoOn && form.Tiplbl.visible()) {
        form.Tiplbl.setVisible(false);
    }
}

} // namespace qv::table
