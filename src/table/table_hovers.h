#pragma once

namespace qv::table {

class MainForm;

/// The item-store button takes its hover picture once per hover.
void Bank_MouseMove(MainForm& form);
/// The item-store button shows its normal picture again.
void ResetBankHover(MainForm& form);
/// The location plate puts the store button and the two chat tools back to normal.
void imgLocation_MouseMove(MainForm& form);
/// The wealth picture and label: with a multiple, both tooltips tell it.
void Imgwealth_MouseMove(MainForm& form);
/// The bottom bar puts the table buttons and play controls back to normal and hides the pop-up.
void imgDilan_MouseMove(MainForm& form);
/// The top bar hides the pop-up.
void imgDinglan_MouseMove(MainForm& form);
/// A click on seat `index`'s VIP badge opens the VIP window at the seat's level 1 to 6.
void img_vip_Click(MainForm& form, int index);

} // namespace qv::table
