#include "entry/data_entry_openers.h"

#include "entry/frm_data_entry.h"
#include "mainwindow/app_context.h"
#include "mainwindow/frm_main.h"

namespace orlevant {

namespace {

bool IsDayOfShownMonth(const MonthView& month, int box) {
  if (box < 0 || box >= kDayBoxCount) return false;
  const int day = month.DayOfBox(box);
  return day >= 1 && day <= month.DaysInMonth;
}

}  // namespace

void OpenDataEntry(frmMain& window, int box) {
  if (!IsDayOfShownMonth(window.App().month, box)) return;
  bool linesRemoved = false;
  {
    frmDataEntry dialog(window.App(), box, &window);
    dialog.exec();
    linesRemoved = dialog.LinesRemoved();
  }
  window.EventsChanged(linesRemoved);
}

void ClearAllOfDay(frmMain& window, int box) {
  if (!IsDayOfShownMonth(window.App().month, box)) return;
  bool linesRemoved = false;
  {
    frmDataEntry dialog(window.App(), box, &window);
    dialog.cmdClearAll_Click();
    linesRemoved = dialog.LinesRemoved();
  }
  window.EventsChanged(linesRemoved);
}

}  // namespace orlevant
