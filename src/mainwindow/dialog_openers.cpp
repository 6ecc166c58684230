#include "mainwindow/dialog_openers.h"

#include "printing/frm_print_options.h"

namespace orlevant {

void RegisterDialogs(DialogOpeners& openers) {
  // One line per dialog: openers.Slot = OpenFunction;
  openers.Print = OpenPrintOptions;
}

}  // namespace orlevant
