#include "mainwindow/dialog_openers.h"

namespace orlevant {

void RegisterDialogs(DialogOpeners& openers) {
  // One line per dialog: openers.Slot = OpenFunction;
  (void)openers;
}

}  // namespace orlevant
