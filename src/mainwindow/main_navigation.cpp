#include "mainwindow/main_navigation.h"

#include <QLabel>
#include <QMenu>

#include <string>

#include "core/clock.h"
#include "core/settings.h"
#include "mainwindow/app_context.h"
#include "mainwindow/frm_main.h"
#include "platform/qt/twips.h"

namespace orlevant {

Date FirstOfMonthAway(Date shown, int months) {
  return DateSerial(YearOf(shown), MonthOf(shown) + months, 1);
}

std::array<int, 4> YearMenuYears(int shownYear) { return {shownYear - 2, shownYear - 1, shownYear + 1, shownYear + 2}; }

// ------------------------------------------------------------------------------------ size

void frmMain::ChangeCalendarSize(int size) {
  Settings& s = app_.settings;
  MonthView& m = app_.month;
  if (s.BoxStyle == size) {
    // Nothing changes; only the item's own check mark, which choosing it toggled, comes back.
    painter_.DrawSizeChecks(app_.month);
    return;
  }
  s.BoxStyle = size;
  SaveSetting(app_.store, "BoxStyle", s.BoxStyle);
  // Collapsed, laid out again and expanded, so the window ends in the state it had with the title
  // where it was. The window is not hidden meanwhile: hiding a window drops its keyboard focus,
  // and nothing is painted before the handler ends.
  ToggleExpand();
  m.LayoutMonthGrid(s.BoxStyle);
  PlaceWindow();
  m.ShowMonthTitle(m.ShownMonthDate, s);
  m.ShowWeekdayHeadings(0, s);
  // The window stands where the model now places it before it expands or collapses from there.
  DrawMonth();
  ToggleExpand();
}

// ------------------------------------------------------------------------------------ first day

void frmMain::mnuWeekDay_Click() {
  Settings& s = app_.settings;
  MonthView& m = app_.month;
  // LastBoxIndex holds the heading right-clicked to open this menu: it becomes the first column.
  m.ShowWeekdayHeadings(LastBoxIndex_ % kWeekdayCount, s);
  SaveSetting(app_.store, "FirstDay", s.FirstDay);
  RefillShownMonth();
}

// ------------------------------------------------------------------------------------ months and years

void frmMain::ShowMonthOf(Date date) {
  MonthView& m = app_.month;
  m.ShowMonthTitle(date, app_.settings);
  m.FillMonthGrid(m.ShownMonthDate, app_.settings, app_.events);
  DrawMonth();
}

void frmMain::RefillShownMonth() {
  MonthView& m = app_.month;
  m.FillMonthGrid(m.ShownMonthDate, app_.settings, app_.events);
  DrawMonth();
}

void frmMain::lblPreviousMonth_MouseUp(int Button, int Shift, double X, double Y) {
  (void)Shift;
  CloseHoverPopups();
  if (Button == kRightButton) {
    OpenMonthsMenu(lblPreviousMonth_, X, Y);
    return;
  }
  ShowMonthOf(FirstOfMonthAway(app_.month.ShownMonthDate, -1));
}

void frmMain::lblNextMonth_MouseUp(int Button, int Shift, double X, double Y) {
  (void)Shift;
  CloseHoverPopups();
  if (Button == kRightButton) {
    OpenMonthsMenu(lblNextMonth_, X, Y);
    return;
  }
  ShowMonthOf(FirstOfMonthAway(app_.month.ShownMonthDate, 1));
}

void frmMain::OpenMonthsMenu(QWidget* arrow, double X, double Y) {
  PrepareMonthsMenu();
  const QPoint at(static_cast<int>(X / kTwipsPerPixel), static_cast<int>(Y / kTwipsPerPixel));
  OpenPopupMenu(menus_.mnuPopUpMonths(), arrow->mapToGlobal(at), PopupAlign::Centre);
}

void frmMain::PrepareMonthsMenu() {
  const int shown = MonthOf(app_.month.ShownMonthDate);
  for (int i = 1; i <= 12; ++i) menus_.mnuMonths(i)->setEnabled(i != shown);
}

void frmMain::mnuMonths_Click(int Index) {
  const Date shown = app_.month.ShownMonthDate;
  ShowMonthOf(DateSerial(YearOf(shown), Index, 1));
}

void frmMain::PrepareYearMenu() {
  const std::array<int, 4> years = YearMenuYears(YearOf(app_.month.ShownMonthDate));
  QAction* items[] = {menus_.mnuYear1(), menus_.mnuYear2(), menus_.mnuYear3(), menus_.mnuYear4()};
  for (std::size_t i = 0; i < years.size(); ++i) menus_.SetCaption(items[i], std::to_string(years[i]) + "|#Year");
}

void frmMain::ShowYearsAway(int years) { ShowMonthOf(FirstOfMonthAway(app_.month.ShownMonthDate, 12 * years)); }

void frmMain::mnuCurrentYear_Click() { ShowMonthOf(SystemToday()); }

}  // namespace orlevant
