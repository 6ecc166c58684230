#include "reminders/quick_reminders.h"

#include <QAction>

#include <string>

#include "core/events_file.h"
#include "core/message_box.h"
#include "core/reminder_quick.h"
#include "mainwindow/app_context.h"
#include "mainwindow/frm_main.h"

namespace orlevant {

void ConnectQuickReminders(frmMain& window) {
  MainMenus& menus = window.Menus();
  for (int n = 1; n <= 3; ++n) {
    QObject::connect(menus.mnuQRDays(n), &QAction::triggered, &window,
                     [&window, n] { SetQuickReminder(window, QuickDaysCode(n)); });
    QObject::connect(menus.mnuQRHours(n), &QAction::triggered, &window,
                     [&window, n] { SetQuickReminder(window, QuickHoursCode(n)); });
    QObject::connect(menus.mnuQRMins(n), &QAction::triggered, &window,
                     [&window, n] { SetQuickReminder(window, QuickMinutesCode(n)); });
  }
}

void SetQuickReminder(frmMain& window, std::string_view code) {
  AppContext& app = window.App();
  const MonthView& m = app.month;
  const int box = window.LastBoxIndex();
  if (box < 0 || box >= kDayBoxCount) return;
  const std::string& cell = m.DayCellText(box);
  // The box's own date: boxes before day 1 and after the month's end belong to the months around
  // it, whatever month their number would read as.
  const Date first = DateSerial(YearOf(m.ShownMonthDate), MonthOf(m.ShownMonthDate), 1);
  const Date day = first + std::chrono::days{box - m.GridOffset};

  const QuickReminderResult result =
      SetQuickReminder(app.events, cell, m.BoxLines[static_cast<std::size_t>(box)], day, m.Today, code);
  switch (result.outcome) {
    case QuickReminderOutcome::Written: {
      if (const StoreResult saved = SaveEvents(app.events); !saved) {
        app.events.EventRecords.Set(static_cast<std::size_t>(result.eventIndex), result.previousLine);
        AppMessageBoxes().Show(MsgIcon::Warning, MsgButtons::Ok, AppTitle() + " - Events File",
                               saved.error + std::string(kWidenLine) + "\r\n\r\n");
        return;
      }
      window.EventsChanged(false);
      return;
    }
    case QuickReminderOutcome::NotFound:
      return;
    default: {
      const DateTime when{day, 0, 0, 0};
      const std::string dateText = m.FormatDateAs(when, "mmmm d, yyyy");
      AppMessageBoxes().Show(MsgIcon::Information, MsgButtons::Ok,
                             AppTitle() + " - " + std::string(QuickReminderKind(result.outcome)),
                             QuickReminderMessage(result.outcome, cell, dateText));
    }
  }
}

}  // namespace orlevant
