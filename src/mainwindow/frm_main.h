#pragma once
// The main window: a borderless month calendar that draws the month model of the application
// context (geometry in twips, 15 to a pixel), keeps the clock, collapses to its title strip and
// hides in the notification area.
//
// The window holds no month rules of its own: every caption, colour and place comes from the
// model, and the window writes back only what it changes itself (its place after a drag, the
// collapsed or expanded geometry).

#include <QPoint>
#include <QTimer>
#include <QWidget>

#include <array>
#include <functional>
#include <memory>

#include "mainwindow/dialog_openers.h"
#include "mainwindow/main_menus.h"
#include "platform/qt/menu_styler.h"
#include "platform/qt/tray_icon.h"

class QLabel;

namespace orlevant {

struct AppContext;
class ReminderAlerts;

// What the window reaches outside itself, replaceable so that tests run without a desktop.
struct FrmMainServices {
  TrayIcon::AvailabilityProbe trayAvailable;  // empty: ask the desktop
  std::function<void()> beep;                 // empty: the desktop's beep
};

class frmMain : public QWidget {
  Q_OBJECT

 public:
  explicit frmMain(AppContext& app, FrmMainServices services = {}, QWidget* parent = nullptr);
  ~frmMain() override;

  // Brings the program state up: menus and their look, the tray record, the events file, the
  // settings, the menu settings file, today, the quick-reminder state, the sounds, the clock and
  // the first layout. The window is not shown here.
  void Form_Load();
  // Takes the menu styling and the tray icon down. Runs once, however the window goes.
  void Form_Unload();

  // One tick of the clock: the title, and on a new date the refill and today's events.
  void TimerDate_Timer();

  // Collapse to the title strip, or expand back to the exact geometry it had.
  void ToggleExpand();
  void mnuExpand_Click() { ToggleExpand(); }

  // Into the notification area and back. Where no notification area exists the window stays.
  void mnuToTray_Click();
  void mnuShow_Click();
  // Mouse activity on the tray icon: 1 left button, 2 right button.
  void TrayMouse(int button);

  void mnuQuickReminderOn_Click();
  void mnuQuickReminderOff_Click();
  // The reminders on/off state on the day menu and on the day boxes' icons.
  void ShowRemindersOnOff();

  // The greeting with today's events, when there are any and the user wants it.
  void ShowTodaysEvents();

  // One reminder check of the clock: what it finds due goes to the alerts, shown one at a time.
  void CheckReminders();
  ReminderAlerts& Alerts() { return *alerts_; }

  // Stores the window's place (the expanded window's left edge also while collapsed).
  void SavePosition();
  // Closes every other window, stores the place and unloads the main window.
  void mnuExit_Click();

  bool InTray() const { return InTray_; }
  bool NewDayPending() const { return NewDayPending_; }
  bool CompactMode() const;
  bool MenuHooked() const { return MenuHooked_; }
  bool IsUnloaded() const { return unloaded_; }

  MainMenus& Menus() { return menus_; }
  MenuStyler& MenuObject() { return MenuObject_; }
  TrayIcon& Tray() { return tray_; }
  QTimer& TimerDate() { return TimerDate_; }

  QLabel* lblDate() const { return lblDate_; }
  QLabel* lblPreviousMonth() const { return lblPreviousMonth_; }
  QLabel* lblNextMonth() const { return lblNextMonth_; }
  QLabel* imgQMark() const { return imgQMark_; }
  QLabel* lblWeek(int i) const { return lblWeek_.at(static_cast<std::size_t>(i)); }
  QLabel* lblDay(int i) const { return lblDay_.at(static_cast<std::size_t>(i)); }
  QLabel* lblData(int i) const { return lblData_.at(static_cast<std::size_t>(i)); }
  QLabel* imgRemind(int i) const { return imgRemind_.at(static_cast<std::size_t>(i)); }

  // Draws the whole model: window geometry, title, headings and the 42 boxes.
  void DrawMonth();

  // The one road back after a dialog changed event lines (already saved and reloaded): the
  // reminder list (its shown flags reset when lines were removed) and the shown month.
  void EventsChanged(bool linesRemoved);
  // The road back after the settings changed: the whole redraw sequence of the month window.
  void SettingsChanged();

  // The dialogs this window opens; see dialog_openers.h.
  DialogOpeners& Dialogs() { return dialogs_; }
  // The day box the last right click or double-click was on (0..41).
  int LastBoxIndex() const { return LastBoxIndex_; }
  void SetLastBoxIndex(int box) { LastBoxIndex_ = box; }
  AppContext& App() { return app_; }

 signals:
  // The window has unloaded; the program ends with it.
  void Unloaded();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  void CreateControls();
  void ConnectMenus();
  void LoadEventsFile();
  void ApplyTrayAvailability();
  void DrawWindowGeometry();
  void DrawTitle();
  void DrawHeadings();
  void DrawBoxes();
  void DrawReminderIcons();
  // The size menu's check marks.
  void DrawSizeChecks();
  // The window's left edge in twips: the model's value while the window stands where the model
  // put it, else where the desktop has moved it.
  int WindowLeftTwips() const;
  int WindowTopTwips() const;
  void OpenTrayMenu(bool inTray);
  // Reminders on or off: the setting, the day menu and the day boxes' icons.
  void SwitchReminders(bool on);
  void Beep();

  AppContext& app_;
  FrmMainServices services_;
  DialogOpeners dialogs_;
  int LastBoxIndex_ = 0;
  ReminderAlerts* alerts_ = nullptr;  // a child of the window

  MainMenus menus_;
  MenuStyler MenuObject_;
  TrayIcon tray_;
  TrayIconData TrayIconData_;
  QTimer TimerDate_;

  QLabel* lblDate_ = nullptr;
  QLabel* lblPreviousMonth_ = nullptr;
  QLabel* lblNextMonth_ = nullptr;
  QLabel* imgQMark_ = nullptr;
  std::array<QLabel*, 7> lblWeek_{};
  std::array<QLabel*, 42> lblDay_{};
  std::array<QLabel*, 42> lblData_{};
  std::array<QLabel*, 42> imgRemind_{};

  bool MenuHooked_ = false;
  bool InTray_ = false;
  bool NewDayPending_ = false;
  bool unloaded_ = false;

  // A drag of the title: the mouse position inside the title when it began.
  bool dragging_ = false;
  QPoint DragOffset_;
};

}  // namespace orlevant
