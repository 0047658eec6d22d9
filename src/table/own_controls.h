#pragma once

namespace qv::table {

class MainForm;

/// Sets up the game's own controls of the table as the tournament panels do at start-up: the
/// three picture buttons with their pictures and captions, the banner at its place and size.
void SetUpOwnControls(MainForm& form);
/// The banner at its place and size on the table surface, its font by the screen.
void PlaceBanner(MainForm& form);

/// The table's mouse handlers of this part: the seat pop-up, the decoration hovers, the wealth
/// tooltips, the VIP badges, the web views, and the surfaces that take the picture buttons
/// out of their hover state.
void wireSeatsAndDecoration(MainForm& form);

} // namespace qv::table
