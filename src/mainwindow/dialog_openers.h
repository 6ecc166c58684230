#pragma once
// The dialogs the month window opens, one slot each. Every dialog's own unit fills its slot in
// RegisterDialogs (dialog_openers.cpp); while a slot is empty, the items and keys that would open
// it are disabled. Tests replace a slot to see that a gesture reaches it.
//
// A dialog that changes events or settings ends with frmMain::EventsChanged or
// frmMain::SettingsChanged; the opener returns when the dialog has closed (or, for the non-modal
// reminders dialog, when it is shown). Once a registered dialog is gone, the memory it freed is
// handed back to the system (ReturnFreedMemory).

#include <functional>

namespace orlevant {

class frmMain;

struct DialogOpeners {
  // The entry dialog for the day in box `box` (0..41) of the shown month, modal.
  std::function<void(frmMain&, int box)> EditDay;
  // The entry dialog's Clear All for the day in box `box`, without showing the dialog.
  std::function<void(frmMain&, int box)> ClearAllDay;
  // The reminders dialog: modal and centred, or without modality from a day's reminder icon.
  std::function<void(frmMain&, bool modal)> Reminders;
  // The preferences dialog, modal and centred.
  std::function<void(frmMain&)> Preferences;
  // The print options dialog, modal.
  std::function<void(frmMain&)> Print;
};

// Fills the slots of every dialog that is built into the program.
void RegisterDialogs(DialogOpeners& openers);

}  // namespace orlevant
