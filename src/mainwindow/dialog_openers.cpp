#include "mainwindow/dialog_openers.h"

#include "preferences/open_preferences.h"

namespace orlevant {

void RegisterDialogs(DialogOpeners& openers) {
  // One line per dialog: openers.Slot = OpenFunction;
  openers.Preferences = OpenPreferences;
}

}  // namespace orlevant
