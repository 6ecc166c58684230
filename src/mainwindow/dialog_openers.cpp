#include "mainwindow/dialog_openers.h"

#include <QObject>
#include <QPointer>

#include "entry/data_entry_openers.h"
#include "mainwindow/frm_main.h"
#include "platform/freed_memory.h"
#include "preferences/open_preferences.h"
#include "printing/frm_print_options.h"
#include "reminders/frm_reminders.h"

namespace orlevant {
namespace {

// A dialog over 32000 events frees megabytes of rows when it closes; they go back to the system
// once the dialog is gone, so the program does not stay at its largest after every dialog.
template <typename... Args>
std::function<void(frmMain&, Args...)> ReturningMemory(void (*open)(frmMain&, Args...)) {
  return [open](frmMain& window, Args... args) {
    open(window, args...);
    ReturnFreedMemory();
  };
}

// The reminders dialog deletes itself after its opener returns, or stays open without modality:
// its memory is returned once it has been destroyed.
void OpenRemindersReturningMemory(frmMain& window, bool modal) {
  const QPointer<frmReminders> before = OpenRemindersDialog();
  OpenReminders(window, modal);
  frmReminders* open = OpenRemindersDialog();
  if (!open) {
    ReturnFreedMemory();
  } else if (open != before) {
    QObject::connect(open, &QObject::destroyed, &window, [] { ReturnFreedMemory(); }, Qt::QueuedConnection);
  }
}

}  // namespace

void RegisterDialogs(DialogOpeners& openers) {
  // One line per dialog: openers.Slot = OpenFunction;
  openers.EditDay = ReturningMemory(OpenDataEntry);
  openers.ClearAllDay = ReturningMemory(ClearAllOfDay);
  openers.Preferences = ReturningMemory(OpenPreferences);
  openers.Print = ReturningMemory(OpenPrintOptions);
  openers.Reminders = OpenRemindersReturningMemory;
}

}  // namespace orlevant
