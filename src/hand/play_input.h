#pragma once

#include <functional>

namespace qv::table {
class MainForm;
}

namespace qv::hand {

struct HandContext;

/// The hand's mouse input on the table window: cards raised and lowered by the left button and
/// played by the right one, the play, hint, pass and previous-trick
/// buttons, the call button and the previous-trick timer. `hand` gives the hand's context while
/// the window is there.
void InstallPlayInput(table::MainForm& form, std::function<HandContext*()> hand);

// The handlers, for the window's events and for direct calls.
void cardImage0_MouseDown(HandContext& ctx, int index, int button);
void Operation_Click(HandContext& ctx, int index);
void btnJiaopai_Click(HandContext& ctx);
void Timerformer_Timer(HandContext& ctx);

} // namespace qv::hand
