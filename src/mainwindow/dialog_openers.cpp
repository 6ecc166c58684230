#include "mainwindow/dialog_openers.h"

#include "reminders/frm_reminders.h"

namespace orlevant {

void RegisterDialogs(DialogOpeners& openers) {
  // One line per dialog: openers.Slot = OpenFunction;
  openers.Reminders = OpenReminders;
}

}  // namespace orlevant
