#include "mainwindow/dialog_openers.h"

#include "entry/data_entry_openers.h"

namespace orlevant {

void RegisterDialogs(DialogOpeners& openers) {
  // One line per dialog: openers.Slot = OpenFunction;
  openers.EditDay = OpenDataEntry;
  openers.ClearAllDay = ClearAllOfDay;
}

}  // namespace orlevant
