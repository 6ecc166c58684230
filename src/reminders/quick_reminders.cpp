#include "reminders/quick_reminders.h"

#include <QAction>

#include <string>

#include "core/events_file.h"
#include "core/message_box.h"
#include "core/reminder_quick.h"
#include "mainwindow/app_context.h"
#include "mainwindow/frm_main.h"
#include "mainwindow/todays_events.h"
#include "platform/date_format.h"

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
  // The day number the box shows, taken in the shown month.
  int dayNumber = 0;
  for (const char c : m.lblDay[static_cast<std::size_t>(box)].Caption)
    if (c >= '0' && c <= '9') dayNumber = dayNumber * 10 + (c - '0');
  const Date day = DateSerial(YearOf(m.ShownMonthDate), MonthOf(m.ShownMonthDate), dayNumber);

  const QuickReminderResult result = SetQuickReminder(app.events, cell, day, m.Today, code);
  switch (result.outcome) {
    case QuickReminderOutcome::Written: {
      if (const StoreResult saved = SaveEvents(app.events); !saved) {
        app.events.EventRecords[static_cast<std::size_t>(result.eventIndex)] = result.previousLine;
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
      const std::string dateText =
          m.FormatDateText ? m.FormatDateText(when, "mmmm d, yyyy") : FormatDate(when, "mmmm d, yyyy");
      AppMessageBoxes().Show(MsgIcon::Information, MsgButtons::Ok,
                             AppTitle() + " - " + std::string(QuickReminderKind(result.outcome)),
                             QuickReminderMessage(result.outcome, cell, dateText));
    }
  }
}

}  // namespace orlevant
