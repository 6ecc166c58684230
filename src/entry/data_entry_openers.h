#pragma once
// How the month window opens the entry dialog: to edit a day, or to clear it from the day menu.
// Both refill the month window afterwards, whatever the dialog did.

namespace orlevant {

class frmMain;

// The entry dialog for the day in box `box` of the shown month, modal. Nothing happens for a box
// outside the shown month.
void OpenDataEntry(frmMain& window, int box);

// The entry dialog's Clear All for the day in box `box`, the dialog loaded but never shown; the
// dialog is discarded afterwards, whatever the answer.
void ClearAllOfDay(frmMain& window, int box);

}  // namespace orlevant
