#pragma once

namespace qv::table {

class MainForm;

/// Paints the border and title band from `Skin` onto the window's own surface for its current
/// size, and places the icon, caption, close and minimise buttons and the drag area on it.
void PaintSkin(MainForm& form);

/// Connects the mouse handlers of the drawn title bar: button pictures that follow the mouse,
/// close and minimise, and dragging the window by the band.
void wireChrome(MainForm& form);

void ImgClose_Click(MainForm& form, int index);
void ImgMin_Click(MainForm& form, int index);
/// Mouse events of the two drawn buttons (the same rules for both); element 0 only.
void ChromeButton_MouseDown(MainForm& form, bool close, int index);
void ChromeButton_MouseMove(MainForm& form, bool close, int index);
void ChromeButton_MouseUp(MainForm& form, bool close, int index);
void LbMove_MouseDown(MainForm& form, int button);
void LbMove_MouseMove(MainForm& form);
void Form_MouseMove(MainForm& form);

} // namespace qv::table
