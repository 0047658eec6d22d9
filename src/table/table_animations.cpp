#include "table/table_animations.h"

#include "table/main_form.h"
#include "table/table_context.h"
#include "table/table_state.h"

using namespace Qt::StringLiterals;

namespace qv::table {
namespace {

constexpr int kShuffleIntervalMs = 300;
constexpr int kLastFrame = 2;

} // namespace

void TimerShuffle_Timer(MainForm& form) {
    TableState& state = form.context().state;
    form.LblShuffle.setCaption(state.ShuffleTexts.at(static_cast<std::size_t>(state.ShuffleStep)));
    state.ShuffleStep = (state.ShuffleStep + 1) % static_cast<int>(state.ShuffleTexts.size());
}

void Timer_ani_Timer(MainForm& form) {
    for (int i = 0; i <= kLastFrame; ++i) {
        form.Picture_ani(i).setVisible(false);
    }
    const int frame = form.Timer_ani.tag().toInt() + 1;
    form.Timer_ani.setTag(QString::number(frame));
    if (frame > kLastFrame) {
        form.Timer_ani.setEnabled(false);
        form.context().state.g_bCountdownAnim = false;
        return;
    }
    form.Picture_ani(frame).setVisible(true);
    form.Picture_ani(frame).zOrder(0);
}

void ShowSeatChange(MainForm& form, const QString& pageUrl) {
    TableState& state = form.context().state;
    form.ImgShuffle.setVisible(true);
    form.ImgShuffle.zOrder(0);
    form.LblShuffle.setVisible(true);
    form.LblShuffle.zOrder(0);
    form.TimerShuffle.setInterval(kShuffleIntervalMs);
    form.TimerShuffle.setEnabled(true);
    form.LblShuffle.setCaption(state.ShuffleTexts[0]);
    state.ShuffleStep = 0;
    // Before a login that named a banner there is no page to open, and an empty address must not
    // mark the page as failed for the rest of the run.
    if (!pageUrl.isEmpty()) {
        form.WebBrowser2.navigate(pageUrl);
    }
    form.WebBrowser2.zOrder(0);
    form.WebBrowser2.setVisible(true);
}

void StopCountdownAnimation(MainForm& form) {
    for (int i = 0; i <= kLastFrame; ++i) {
        form.Picture_ani(i).setVisible(false);
    }
    form.Timer_ani.setEnabled(false);
    form.Timer_ani.setTag(u"0"_s);
    form.context().state.g_bCountdownAnim = false;
}

} // namespace qv::table
