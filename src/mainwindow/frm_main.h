#pragma once
// The main window: a borderless month calendar that draws the month model of the application
// context (geometry in twips, 15 to a pixel), keeps the clock, collapses to its title strip and
// hides in the notification area.
//
// The window holds no month rules of its own: every caption, colour and place comes from the
// model, and the window writes back only what it changes itself (its place after a drag, the
// collapsed or expanded geometry).

#include <QHash>
#include <QPoint>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "core/calendar_date.h"
#include "mainwindow/dialog_openers.h"
#include "mainwindow/frm_message.h"
#include "mainwindow/frm_reminder_pop.h"
#include "mainwindow/main_input.h"
#include "mainwindow/main_menus.h"
#include "monthview/month_view.h"
#include "mainwindow/month_painter.h"
#include "platform/qt/menu_styler.h"
#include "platform/qt/screen_centre.h"
#include "platform/qt/tray_icon.h"

class QDialog;
class QLabel;

namespace orlevant {

struct AppContext;
class ReminderAlerts;
class SessionEndWatch;

// What the window reaches outside itself, replaceable so that tests run without a desktop.
struct FrmMainServices {
  TrayIcon::AvailabilityProbe trayAvailable;  // empty: ask the desktop
  std::function<void()> beep;                 // empty: the desktop's beep
  std::function<void(QDialog&)> runModal;     // empty: QDialog::exec
  // The screen the fixed places are worked out on, as it is at the time of asking. Empty: the
  // primary screen.
  std::function<std::optional<ScreenArea>()> screenArea;
  // Takes Exit's way out when the session ends; none: the system's signals end the program.
  SessionEndWatch* sessionEnd = nullptr;
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
  // The desktop moved the window (Alt+drag, the window menu's Move, a window rule): once the window
  // has come to rest, its place is stored as the end of a title drag stores it.
  void StoreDesktopPlace();
  QTimer& DesktopMoveRest() { return desktopMoveRest_; }
  // The screen changed (a panel came, went or moved, a new resolution, a screen added or removed):
  // a window in the centre or a top place goes there again; one the user placed stays.
  void ScreenChanged();
  // Closes every other window, stores the place and unloads the main window.
  void mnuExit_Click();

  // ---------------------------------------------------------------- input (main_input.cpp)
  // A key released on the window or on a hover pop-up: closes both pop-ups, then acts on F1..F12.
  void Form_KeyUp(int KeyCode, int Shift);
  // A character typed on the window: Ctrl+Z (26) sends it to the notification area.
  void Form_KeyPress(int KeyAscii);
  // Closes the reminder pop-up, then the event pop-up.
  void CloseHoverPopups();
  void UnloadEventPopup();
  void UnloadReminderPopup();
  // The entry dialog on the day of box LastBoxIndex; the shown month is refilled afterwards.
  void EditSelectedDay();
  void mnuEdit_Click();
  void mnuClearAll_Click();
  void mnuReminders_Click();
  void mnuPreferences_Click();
  void mnuPrint_Click();
  void mnuTips_Click();
  void imgQMark_Click();
  void imgRemind_Click(int Index);
  // The event pop-up for the pointer at (X, Y) twips inside box Index, or closed.
  void ShowEventInfo(int Index, double X, double Y);
  // The reminder pop-up for the pointer at (X, Y) twips inside the reminder icon of box Index.
  void ShowReminderInfo(int Index, double X, double Y);
  // The hover pop-ups while they are open, else nullptr.
  frmMessage* EventPopup() const { return frmMessage_; }
  frmReminderPop* ReminderPopup() const { return frmReminderPop_; }
  // Enables the items whose dialog exists; the day menu asks each time it opens.
  void EnableDialogItems();

  // ---------------------------------------------------------------- navigation (main_navigation.cpp)
  void mnuSmall_Click() { ChangeCalendarSize(0); }
  void mnuMedium_Click() { ChangeCalendarSize(1); }
  void mnuLarge_Click() { ChangeCalendarSize(2); }
  void mnuWeekDay_Click();
  // A release on the arrows (F10 and F12 come here too): the months menu on the right button,
  // else the previous or next month.
  void lblPreviousMonth_MouseUp(int Button, int Shift, double X, double Y);
  void lblNextMonth_MouseUp(int Button, int Shift, double X, double Y);
  // Greys the shown month in the months menu.
  void PrepareMonthsMenu();
  // The year menu's captions: two years before and after the shown month's year.
  void PrepareYearMenu();
  void mnuMonths_Click(int Index);
  void mnuYear1_Click() { ShowYearsAway(-2); }
  void mnuYear2_Click() { ShowYearsAway(-1); }
  void mnuYear3_Click() { ShowYearsAway(1); }
  void mnuYear4_Click() { ShowYearsAway(2); }
  // Today's month, with today marked.
  void mnuCurrentYear_Click();

  bool InTray() const { return InTray_; }
  bool NewDayPending() const { return NewDayPending_; }
  // The start builds the reminder list once the month is on screen (a busy file makes it a sizeable
  // part of the start); every reader of the list calls this first, so none can see it unbuilt.
  // Does nothing once the list of the start exists.
  void FinishStartReminders();
  bool StartRemindersPending() const { return startRemindersPending_; }
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
  // Fills the shown month again, after its events may have changed.
  void RefillShownMonth();

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
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void moveEvent(QMoveEvent* event) override;

 private:
  void CreateControls();
  void ConnectMenus();
  void LoadEventsFile();
  // The screen as it is now (services_.screenArea, else the primary screen).
  std::optional<ScreenArea> ScreenNow() const;
  // The screen's free area as it is now, into the month model; true when it changed.
  bool MeasureWorkArea();
  // Works the window's place out anew, on the screen's free area as it is now.
  void PlaceWindow();
  // What comes from the desktop once the window has loaded: screen changes and the session's end.
  void WatchDesktop();
  void ApplyTrayAvailability();
  // The title strip alone (every tick), and the day boxes' reminder marks alone.
  void DrawTitle();
  void DrawReminderIcons();
  // The window's left edge in twips: the model's value while the window stands where the model
  // put it, else where the desktop has moved it.
  int WindowLeftTwips() const;
  int WindowTopTwips() const;
  // The tray menu, its left edge at `at`.
  void OpenTrayMenu(bool inTray, QPoint at);

  // Input (main_input.cpp).
  void InstallInputTable();
  void ConnectInputMenus();
  bool ControlMouseEvent(QWidget* control, InputTarget target, QEvent* event);
  bool TitleMouseEvent(QMouseEvent* event);
  void TakeKeyboard();
  // The pointer moved over a hover pop-up, at `globalPos`.
  void PointerOverPopup(QPoint globalPos);
  void RunModal(QDialog& dialog);
  // Runs the entry dialog's slot `dialog` on box LastBoxIndex, then makes sure the shown month is
  // filled again.
  void RunDayDialog(const std::function<void(frmMain&, int)>& dialog);
  std::vector<QPointer<QWidget>> OtherWindows() const;
  // Navigation (main_navigation.cpp).
  void ChangeCalendarSize(int size);
  void ShowYearsAway(int years);
  // The months menu centred at (X, Y) twips inside `arrow`.
  void OpenMonthsMenu(QWidget* arrow, double X, double Y);
  // Makes `date`'s month the shown one and fills it.
  void ShowMonthOf(Date date);
  // The screen the window is on, in twips.
  TwipRect ScreenTwips() const;
  // Reminders on or off: the setting, the day menu and the day boxes' icons.
  void SwitchReminders(bool on);
  void Beep();

  AppContext& app_;
  FrmMainServices services_;
  DialogOpeners dialogs_;
  int LastBoxIndex_ = 0;
  int eventsChanges_ = 0;  // how many times EventsChanged has run
  ReminderAlerts* alerts_ = nullptr;  // a child of the window

  MainMenus menus_;
  MenuStyler MenuObject_;
  TrayIcon tray_;
  TrayIconData TrayIconData_;
  MonthPainter painter_;
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
  bool startRemindersPending_ = false;
  bool startRemindersQueued_ = false;
  bool unloaded_ = false;

  // A drag of the title: the mouse position inside the title when it began.
  bool dragging_ = false;
  QPoint DragOffset_;
  // A move by the desktop: where it put the window, stored once the window has stayed there a moment.
  std::optional<QPoint> desktopPlace_;
  QTimer desktopMoveRest_;

  QHash<const QObject*, InputTarget> inputTargets_;
  QPointer<frmMessage> frmMessage_;
  QPointer<frmReminderPop> frmReminderPop_;
};

}  // namespace orlevant
