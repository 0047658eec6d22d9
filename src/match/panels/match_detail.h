#pragma once

namespace qv::match {
struct MatchContext;
}

namespace qv::table {
class MainForm;
}

namespace qv::match::panels {

/// Empties the detail half's texts and hides its stamp and sign-up button; which row it showed
/// stays recorded.
void ClearDetailTexts(table::MainForm& form);

/// Fills the detail half of the match panel for display row `row`: the name, the four detail
/// lines, the description, the prize lines and the sign-up button or the stamp of the player's
/// state. A row outside the display rows, one whose definition is unknown, and a champion row
/// leave the half empty, with no row recorded.
void ShowMatchDetail(MatchContext& ctx, int row);

/// The match panel's own input: Esc closes it, the left button drags it by its body, and the
/// pointer over it puts the hovered buttons back to their normal pictures.
void Pic_matchDetail_KeyDown(MatchContext& ctx, int keyCode);
void Pic_matchDetail_MouseDown(MatchContext& ctx, int button, double x, double y);
void Pic_matchDetail_MouseMove(MatchContext& ctx, int button, double x, double y);
void Pic_matchDetail_MouseUp(MatchContext& ctx, int button, double x, double y);

} // namespace qv::match::panels
