#include "mainwindow/dialog_openers.h"

#include "entry/data_entry_openers.h"
#include "preferences/open_preferences.h"
#include "printing/frm_print_options.h"
#include "reminders/frm_reminders.h"

namespace orlevant {

void RegisterDialogs(DialogOpeners& openers) {
  // One line per dialog: openers.Slot = OpenFunction;
  openers.EditDay = OpenDataEntry;
  openers.ClearAllDay = ClearAllOfDay;
  openers.Preferences = OpenPreferences;
  openers.Print = OpenPrintOptions;
  openers.Reminders = OpenReminders;
}

}  // namespace orlevant
