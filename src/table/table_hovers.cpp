#include "table/table_hovers.h"

#include "table/main_form.h"
#include "table/play_hovers.h"
#include "table/seat_popup.h"
#include "table/table_context.h"
#include "table/table_pictures.h"
#include "table/table_state.h"

namespace qv::table {

using namespace Qt::StringLiterals;

namespace {

constexpr int kBankNormal = 450;
constexpr int kBankHover = 451;
constexpr int kEmoticonToolNormal = 660;
constexpr int kPhraseToolNormal = 664;

/// A chat tool whose Tag reads 1 shows its hover picture: back to `normal`.
void putToolBack(Image& tool, int normal) {
    if (tool.tag().trimmed().toDouble() == 1) {
        tool.setTag(u"0"_s);
        LoadTablePicture(normal, tool);
    }
}

} // namespace

void ResetBankHover(MainForm& form) {
    if (form.BankHover) {
        form.BankHover = false;
        LoadTablePicture(kBankNormal, form.Bank);
    }
}

void Bank_MouseMove(MainForm& form) {
    if (!form.BankHover) {
        LoadTablePicture(kBankHover, form.Bank);
        form.BankHover = true;
    }
}

void imgLocation_MouseMove(MainForm& form) {
    ResetBankHover(form);
    putToolBack(form.imgword1, kEmoticonToolNormal);
    putToolBack(form.imgword2, kPhraseToolNormal);
}

void Imgwealth_MouseMove(MainForm& form) {
    if (form.context().state.WealthOdds == 0) {
        return;
    }
    const QString tip = u"财富加倍 ×"_s + form.lbwealth.caption();
    form.Imgwealth.setToolTipText(tip);
    form.lbwealth.setToolTipText(tip);
}

void imgDilan_MouseMove(MainForm& form) {
    ResetButtonHovers(form);
    HideInformation(form);
}

void imgDinglan_MouseMove(MainForm& form) {
    HideInformation(form);
}

void img_vip_Click(MainForm& form, int index) {
    if (!form.seatHooks.detail || !form.seatHooks.showVip) {
        return;
    }
    const std::int16_t level = form.seatHooks.detail(index).vip;
    if (level >= 1 && level <= 6) {
        form.seatHooks.showVip(level);
    }
}

} // namespace qv::table
