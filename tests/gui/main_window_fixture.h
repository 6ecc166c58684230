#pragma once
// A loaded month window for the input, navigation and pop-up tests: a temporary home, a fixed
// clock, scripted message boxes, events written before the load, every dialog slot recording
// what reached it, and mouse gestures sent straight to a control as the window system would.
// Without `Load` it is the same surroundings for a dialog tested on its own.

#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QTest>

#include <memory>
#include <string>
#include <vector>

#include "core/clock.h"
#include "mainwindow/app_context.h"
#include "mainwindow/frm_main.h"
#include "platform/date_format.h"
#include "platform/qt/menu_styler.h"
#include "support/file_helpers.h"
#include "support/scripted_message_boxes.h"
#include "support/temp_home.h"

namespace orlevant::testing {

inline DateTime At(int year, int month, int day, int hour = 12, int minute = 0) {
  return DateTime{DateSerial(year, month, day), hour, minute, 0};
}
// Twips to whole pixels, rounded as the window places its controls.
inline int Px(int twips) { return (twips + 7) / 15; }

class MainWindowFixture {
 public:
  // What reached a dialog slot or a modal run, in order: "EditDay 20", "Reminders modal",
  // "modal frmTips" ...
  std::vector<std::string> log;

  explicit MainWindowFixture(DateTime now = At(2026, 5, 12)) : clock_(now) {
    SetAppClock(&clock_);
    app.month.FormatDateText = [](const DateTime& when, std::string_view pattern) {
      return FormatDate(when, pattern, EnglishLocaleNames());
    };
  }
  ~MainWindowFixture() {
    window.reset();
    SetAppClock(nullptr);
  }

  void Set(const char* key, const std::string& value) { app.store.Write(key, value); }
  std::string Stored(const char* key) const { return app.store.Read(key, "(missing)"); }
  void SetNow(DateTime now) { clock_.Set(now); }

  static void WriteEvents(const std::vector<std::string>& lines) { testing::WriteEvents(lines); }

  // Builds and loads the window at `now` as the program would, with the tray from
  // `trayAvailable` and every beep counted, but neither shown nor with its dialogs replaced.
  frmMain& Open(DateTime now) {
    clock_.Set(now);
    window = std::make_unique<frmMain>(app, Services());
    window->Form_Load();
    window->TimerDate().stop();  // the tests drive the clock themselves
    return *window;
  }

  // Loads and shows the window with every dialog slot recording into `log`.
  frmMain& Load(const std::vector<std::string>& events = {}) {
    WriteEvents(events);
    FrmMainServices services = Services();
    services.runModal = [this](QDialog& dialog) { log.push_back("modal " + dialog.objectName().toStdString()); };
    window = std::make_unique<frmMain>(app, services);
    DialogOpeners& d = window->Dialogs();
    d.EditDay = [this](frmMain&, int box) { log.push_back("EditDay " + std::to_string(box)); };
    d.ClearAllDay = [this](frmMain&, int box) { log.push_back("ClearAllDay " + std::to_string(box)); };
    d.Reminders = [this](frmMain&, bool modal) { log.push_back(modal ? "Reminders modal" : "Reminders modeless"); };
    d.Preferences = [this](frmMain&) { log.push_back("Preferences"); };
    d.Print = [this](frmMain&) { log.push_back("Print"); };
    window->Form_Load();
    window->TimerDate().stop();  // the tests drive the clock themselves
    window->show();
    return *window;
  }

  frmMain& Window() { return *window; }
  MonthView& Month() { return app.month; }
  int Box(int day) const { return app.month.BoxOfDay(day); }
  // "yyyy-mm-dd" of the shown month's date.
  std::string Shown() const { return FormatDate(DateTime{app.month.ShownMonthDate}, "yyyy-mm-dd", EnglishLocaleNames()); }

  // A mouse event sent to `control` at `pos` (pixels inside it), through the window's input table.
  static void Mouse(QWidget* control, QEvent::Type type, Qt::MouseButton button, QPoint pos = {5, 5}) {
    const Qt::MouseButtons held = type == QEvent::MouseButtonRelease || type == QEvent::MouseMove ? Qt::NoButton : button;
    QMouseEvent event(type, QPointF(pos), QPointF(control->mapToGlobal(pos)), button, held, Qt::NoModifier);
    QApplication::sendEvent(control, &event);
  }
  // A point of the window's bare surface. The boxes share their border lines and cover the whole
  // grid, so a box of the neighbouring month (which takes no input) is taken off to lay one bare.
  static QPoint BareSurface(frmMain& w, int box) {
    w.lblData(box)->hide();
    w.lblDay(box)->hide();
    w.imgRemind(box)->hide();
    const QPoint centre = w.lblData(box)->geometry().center();
    return w.childAt(centre) ? QPoint() : centre;
  }
  static void Move(QWidget* control, QPoint pos) { Mouse(control, QEvent::MouseMove, Qt::NoButton, pos); }
  static void Release(QWidget* control, Qt::MouseButton button, QPoint pos = {5, 5}) {
    Mouse(control, QEvent::MouseButtonRelease, button, pos);
  }
  static void RightClick(QWidget* control, QPoint pos = {5, 5}) {
    Mouse(control, QEvent::MouseButtonPress, Qt::RightButton, pos);
    Release(control, Qt::RightButton, pos);
  }
  static void DoubleClick(QWidget* control, QPoint pos = {5, 5}) {
    Mouse(control, QEvent::MouseButtonPress, Qt::LeftButton, pos);
    Release(control, Qt::LeftButton, pos);
    Mouse(control, QEvent::MouseButtonDblClick, Qt::LeftButton, pos);
    Release(control, Qt::LeftButton, pos);
  }

  // Both hover pop-ups open over `day`'s box (one with a reminder).
  void OpenBothPopups(int day) {
    window->ShowEventInfo(Box(day), 300, 300);
    window->ShowReminderInfo(Box(day), 30, 30);
    QVERIFY(window->EventPopup() && window->EventPopup()->isVisible());
    QVERIFY(window->ReminderPopup() && window->ReminderPopup()->isVisible());
  }

  // The one pop-up menu of the window that is open, or nullptr; closes it.
  QMenu* TakeOpenMenu() {
    QMenu* open = nullptr;
    for (QMenu* menu : window->Menus().AllMenus()) {
      if (!menu->isVisible()) continue;
      if (open) return nullptr;  // two at once is a fault of its own
      open = menu;
    }
    if (open) open->hide();
    return open;
  }

  bool trayAvailable = true;
  int beeps = 0;
  std::unique_ptr<TempHome> home = std::make_unique<TempHome>();
  ScriptedMessageBoxes boxes;
  AppContext app;
  std::unique_ptr<frmMain> window;

 private:
  FrmMainServices Services() {
    FrmMainServices services;
    services.trayAvailable = [this] { return trayAvailable; };
    services.beep = [this] { ++beeps; };
    return services;
  }
  FixedClock clock_;
};

}  // namespace orlevant::testing
