#pragma once

namespace qv::table {

class MainForm;

/// The hover picture of a play control `Operation(index)`, loaded once until the table resets it.
void Operation_MouseMove(MainForm& form, int index);
/// The call button's hover picture, loaded once until the table resets it.
void btnJiaopai_MouseMove(MainForm& form, int index);

/// The table buttons and the play controls show their normal pictures again.
void ResetButtonHovers(MainForm& form);

/// What a mouse move over the table surface puts back: every hover picture of the table's
/// buttons and panel buttons shows its normal picture again, a seat video opened by hovering is
/// closed (through the item plug-in only while one is loaded), and the own video's tip hides.
void ResetTableHovers(MainForm& form);

} // namespace qv::table
