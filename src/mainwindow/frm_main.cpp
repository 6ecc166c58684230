#include "mainwindow/frm_main.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCursor>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QMoveEvent>
#include <QScreen>
#include <QWindow>

#include <algorithm>
#include <cstdint>
#include <limits>

#include "core/message_box.h"
#include "core/ini_file.h"
#include "mainwindow/app_context.h"
#include "mainwindow/app_icon.h"
#include "mainwindow/day_text_label.h"
#include "mainwindow/month_painter.h"
#include "mainwindow/todays_events.h"
#include "platform/qt/session_end_watch.h"
#include "platform/qt/twips.h"
#include "reminders/quick_reminders.h"
#include "reminders/reminder_alerts.h"

namespace orlevant {

namespace {

constexpr int kClockInterval = 1000;  // ms
// How long a window moved by the desktop stays put before its place is stored: long enough that a
// move made of many steps is stored once, short enough that the end of the session rarely falls
// between the last step and the store.
constexpr int kDesktopMoveRest = 500;  // ms

QLabel* NewLabel(QWidget* parent, const char* name, Qt::Alignment alignment, int pixelSize, bool bold = false,
                 QLabel* label = nullptr) {
  if (!label) label = new QLabel(parent);
  label->setObjectName(QLatin1String(name));
  label->setTextFormat(Qt::PlainText);
  label->setAlignment(alignment);
  QFont font = label->font();
  font.setPixelSize(pixelSize);
  font.setBold(bold);
  label->setFont(font);
  return label;
}

}  // namespace

frmMain::frmMain(AppContext& app, FrmMainServices services, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint),
      app_(app),
      services_(std::move(services)),
      menus_(this),
      tray_(this, services_.trayAvailable),
      painter_(*this) {
  setObjectName(QStringLiteral("frmMain"));
  setWindowTitle(QString::fromStdString(AppTitle()));
  setWindowIcon(AppIcon());
  RegisterDialogs(dialogs_);
  CreateControls();
  ConnectMenus();
  InstallInputTable();
  // Reminders: the alerts of the clock's checks, and the nine lead times of the day menu.
  alerts_ = new ReminderAlerts(app_, this);
  // The check held back by the new day's greeting runs as soon as the greeting is closed.
  connect(alerts_, &ReminderAlerts::MessageClosed, this, &frmMain::CheckReminders);
  ConnectQuickReminders(*this);
  connect(&TimerDate_, &QTimer::timeout, this, &frmMain::TimerDate_Timer);
  connect(&tray_, &TrayIcon::MouseButton, this, &frmMain::TrayMouse);
  connect(&tray_, &TrayIcon::AvailabilityChanged, this, &frmMain::ApplyTrayAvailability);
  desktopMoveRest_.setSingleShot(true);
  desktopMoveRest_.setInterval(kDesktopMoveRest);
  connect(&desktopMoveRest_, &QTimer::timeout, this, &frmMain::StoreDesktopPlace);
}

frmMain::~frmMain() { Form_Unload(); }

bool frmMain::CompactMode() const { return app_.month.CompactMode; }

void frmMain::CreateControls() {
  // Created bottom to top: the boxes' text under their day numbers and reminder marks, the title
  // strip under its tips icon.
  for (std::size_t i = 0; i < lblData_.size(); ++i) {
    QLabel* data = NewLabel(this, "lblData", Qt::AlignLeft | Qt::AlignTop, 11, false, new DayTextLabel(this));
    data->setWordWrap(true);
    data->setFrameShape(QFrame::Box);
    data->setIndent(2);
    lblData_[i] = data;
  }
  for (std::size_t i = 0; i < lblDay_.size(); ++i) {
    lblDay_[i] = NewLabel(this, "lblDay", Qt::AlignLeft | Qt::AlignTop, 10);
    lblDay_[i]->setIndent(2);
  }
  for (std::size_t i = 0; i < imgRemind_.size(); ++i) {
    imgRemind_[i] = new QLabel(this);
    imgRemind_[i]->setObjectName(QStringLiteral("imgRemind"));
    imgRemind_[i]->hide();
  }
  for (std::size_t i = 0; i < lblWeek_.size(); ++i) {
    lblWeek_[i] = NewLabel(this, "lblWeek", Qt::AlignCenter, 11, true);
    lblWeek_[i]->setFrameShape(QFrame::Box);
  }
  lblPreviousMonth_ = NewLabel(this, "lblPreviousMonth", Qt::AlignCenter, 14, true);
  lblPreviousMonth_->setText(QStringLiteral("<"));
  lblNextMonth_ = NewLabel(this, "lblNextMonth", Qt::AlignCenter, 14, true);
  lblNextMonth_->setText(QStringLiteral(">"));
  lblDate_ = NewLabel(this, "lblDate", Qt::AlignCenter, 13, true);
  lblDate_->installEventFilter(this);
  imgQMark_ = new QLabel(this);
  imgQMark_->setObjectName(QStringLiteral("imgQMark"));
  imgQMark_->setPixmap(TipsPicture(TwipsToPixels(kTipsIconSize)));
  imgQMark_->setToolTip(QStringLiteral("Click for Tips or Press F2"));
}

void frmMain::ConnectMenus() {
  connect(menus_.mnuToTray(), &QAction::triggered, this, &frmMain::mnuToTray_Click);
  connect(menus_.mnuExpandToTray(), &QAction::triggered, this, &frmMain::mnuToTray_Click);
  connect(menus_.mnuShow(), &QAction::triggered, this, &frmMain::mnuShow_Click);
  connect(menus_.mnuExpand(), &QAction::triggered, this, &frmMain::mnuExpand_Click);
  connect(menus_.mnuQuickReminderOn(), &QAction::triggered, this, &frmMain::mnuQuickReminderOn_Click);
  connect(menus_.mnuQuickReminderOff(), &QAction::triggered, this, &frmMain::mnuQuickReminderOff_Click);
  for (QAction* exit : {menus_.mnuExit(), menus_.mnuExpandExit(), menus_.mnuQuit()})
    connect(exit, &QAction::triggered, this, &frmMain::mnuExit_Click);
  // A notification area may come after the program (a start at log-on before the panel) or go
  // away: each menu that offers "To Tray" asks again as it opens.
  for (QMenu* offersTray : {menus_.mnuPopUpTray(), menus_.mnuPopUpExpand()})
    connect(offersTray, &QMenu::aboutToShow, this, &frmMain::ApplyTrayAvailability);
}

// ------------------------------------------------------------------------------------ load, unload

void frmMain::Form_Load() {
  Settings& s = app_.settings;
  MonthView& m = app_.month;

  // 1. The menus and their styling.
  MenuHooked_ = true;
  std::filesystem::path baseName = IniPath();
  baseName.replace_extension();
  menus_.SubClassMenuXP(MenuObject_, baseName);

  // 2. The tray record.
  TrayIconData_.hWnd = this;
  TrayIconData_.hIcon = windowIcon();
  TrayIconData_.szTip = TrayTipField(QString::fromStdString(ProductTitle()));

  // 3-5. Every setting (the two folders first), and between them the events file.
  s = LoadSettings(app_.store);
  LoadEventsFile();

  // 6. The menu settings file, which the styler then takes into use.
  WriteMenuIni(s, [this] { MenuObject_.ReloadMenuSettings(this); });

  // 7. When the program started, and today.
  app_.StartTime = AppClock().Now();
  app_.StartHour = app_.StartTime.hour;
  m.SetToday(app_.StartTime.date);

  // 8. The controls keep the model's design sizes; the screen's size is measured here, its free
  // area before every placement.
  if (const std::optional<ScreenArea> screen = ScreenNow()) {
    m.ScreenWidth = PixelsToTwips(screen->screen.width());
    m.ScreenHeight = PixelsToTwips(screen->screen.height());
  }

  // 9. The collapse or expand at the end of the load inverts CompactMode.
  m.CompactMode = s.Expand == 1;
  ApplyTrayAvailability();
  InTray_ = s.StartMinimized == 1 && tray_.IsAvailable();

  // 10. The reminders state, shown and stored back.
  if (s.Reminders == 1) {
    mnuQuickReminderOn_Click();
  } else {
    mnuQuickReminderOff_Click();
  }

  // 11. The reminder marks keep the model's size (75 twips square).
  // 12. The sounds by index.
  for (std::size_t i = 0; i < kReminderSoundFiles.size(); ++i) app_.Sounds[i] = kReminderSoundFiles[i];
  app_.Sounds[10].clear();

  // 13. The clock.
  TimerDate_.setInterval(kClockInterval);
  TimerDate_.start();

  // 14. The first layout.
  m.LayoutMonthGrid(s.BoxStyle);
  PlaceWindow();
  m.ShowMonthTitle(m.Today, s);
  m.ShowWeekdayHeadings(0, s);
  m.FillMonthGrid(m.Today, s, app_.events);
  // Reminders: the hour of the start is not checked today. The month needs none of the list, so it
  // is built once the first day box has been painted, or by its first reader if that comes sooner.
  app_.reminders.Start = {app_.StartTime.date, app_.StartHour};
  startRemindersPending_ = true;
  startRemindersQueued_ = false;
  NewDayPending_ = false;
  // The window stands where the model placed it before it collapses or expands from there; the
  // toggle then draws everything once.
  painter_.DrawWindowGeometry(m);
  ToggleExpand();

  // 15.
  app_.RemindersDialogOpen = false;
  WatchDesktop();
}

std::optional<ScreenArea> frmMain::ScreenNow() const {
  return services_.screenArea ? services_.screenArea() : PrimaryScreenArea();
}

bool frmMain::MeasureWorkArea() {
  const std::optional<ScreenArea> screen = ScreenNow();
  if (!screen) return false;
  const QRect free = screen->free;
  const TwipRect area{PixelsToTwips(free.x()), PixelsToTwips(free.y()), PixelsToTwips(free.width()),
                      PixelsToTwips(free.height())};
  const bool changed = app_.month.WorkArea != area;
  app_.month.WorkArea = area;
  return changed;
}

void frmMain::PlaceWindow() {
  MeasureWorkArea();
  app_.month.PositionMainWindow(app_.settings.Position, app_.settings);
}

void frmMain::WatchDesktop() {
  const auto watchScreen = [this](QScreen* screen) {
    connect(screen, &QScreen::availableGeometryChanged, this, &frmMain::ScreenChanged);
    connect(screen, &QScreen::geometryChanged, this, &frmMain::ScreenChanged);
  };
  for (QScreen* screen : QGuiApplication::screens()) watchScreen(screen);
  connect(qApp, &QGuiApplication::screenAdded, this, [this, watchScreen](QScreen* screen) {
    watchScreen(screen);
    ScreenChanged();
  });
  // Queued: a screen that goes is still listed while it is being removed.
  connect(qApp, &QGuiApplication::screenRemoved, this, &frmMain::ScreenChanged, Qt::QueuedConnection);
  connect(qApp, &QGuiApplication::primaryScreenChanged, this, &frmMain::ScreenChanged, Qt::QueuedConnection);
  if (services_.sessionEnd) services_.sessionEnd->HandTo(this, [this] { mnuExit_Click(); });
}

void frmMain::ScreenChanged() {
  if (unloaded_ || !MeasureWorkArea()) return;
  const Settings& s = app_.settings;
  if (s.Position < 1 || s.Position > 4) return;
  app_.month.PositionMainWindow(s.Position, s);
  painter_.DrawWindowGeometry(app_.month);
}

void frmMain::FinishStartReminders() {
  if (!startRemindersPending_) return;
  startRemindersPending_ = false;
  // The list as of the start's day, none shown yet.
  BuildReminderList(app_.reminders, app_.events, app_.month.Today);
  ResetReminderShown(app_.reminders);
}

void frmMain::LoadEventsFile() {
  EventStore& events = app_.events;
  events.Path = EventFilePath(app_.settings.AllUsersPath);
  std::string problem;
  if (const StoreResult loaded = LoadEvents(events); !loaded.ok) {
    problem = loaded.error;
  } else {
    if (!IsCurrentFormat(events)) {
      if (const ChangeResult converted = ConvertOldFormat(events); converted.SaveFailed()) problem = converted.save.error;
    }
    if (const ChangeResult cleared = ClearPastReminders(events); cleared.SaveFailed() && problem.empty())
      problem = cleared.save.error;
  }
  // The calendar still opens; the user learns why it may be empty or why a change may not stick.
  if (!problem.empty()) {
    AppMessageBoxes().Show(MsgIcon::Warning, MsgButtons::Ok, AppTitle() + " - Events File",
                           problem + std::string(kWidenLine) + "\r\n\r\n");
  }
}

void frmMain::Form_Unload() {
  if (unloaded_) return;
  unloaded_ = true;
  TimerDate_.stop();
  alerts_->CloseAll();
  if (MenuHooked_) {
    MenuObject_.DetachMenus(this);
    MenuHooked_ = false;
  }
  tray_.Delete(TrayIconData_);
  emit Unloaded();
}

void frmMain::closeEvent(QCloseEvent* event) {
  // Closed by the desktop (a key of the window manager, the session ending): the same way out as
  // Exit, the other windows first.
  if (!unloaded_) mnuExit_Click();
  event->accept();
}

// ------------------------------------------------------------------------------------ the clock

void frmMain::TimerDate_Timer() {
  // The list of the start is built before the day can move on.
  FinishStartReminders();
  Settings& s = app_.settings;
  MonthView& m = app_.month;
  m.ShowMonthTitle(m.ShownMonthDate, s);

  // The whole date is compared: a machine that wakes on the same day number of another month has
  // still seen a new day.
  const Date now = AppClock().Now().date;
  if (now != m.Today) {
    NewDayPending_ = true;
    m.SetToday(now);
    m.ShowMonthTitle(m.Today, s);
    // Reminders start the day unshown, and recurring events move on to their next occurrence.
    ReminderNewDay(app_.reminders, app_.events, m.Today);
    if (m.CompactMode) {
      // The hidden grid keeps the month it shows until the next expand; today's events are found
      // on a fill of today's month made apart from it, so each is announced exactly once.
      MonthView today = m;
      today.FillMonthGrid(m.Today, s, app_.events);
      m.TodayEvents = today.TodayEvents;
    } else {
      m.FillMonthGrid(m.Today, s, app_.events);
      // The grid already shows the new day; a later expand has nothing to catch up.
      NewDayPending_ = false;
      DrawMonth();
    }
    DrawTitle();
    // The greeting is a modal box: it waits its turn with the alerts and opens once this slot has
    // returned, so no event loop runs inside the clock. The check below waits for it.
    alerts_->EnqueueMessage([this] { ShowTodaysEvents(); });
  } else {
    DrawTitle();
  }
  // Always last.
  CheckReminders();
}

void frmMain::CheckReminders() {
  if (unloaded_) return;
  FinishStartReminders();
  const CheckConditions conditions{app_.settings.Reminders == 1, app_.RemindersDialogOpen, alerts_->Showing()};
  alerts_->Enqueue(orlevant::CheckReminders(app_.reminders, AppClock().Now(), conditions));
}

void frmMain::ShowTodaysEvents() {
  const MonthView& m = app_.month;
  const Settings& s = app_.settings;
  if (m.TodayEvents.empty() || s.NotifyMe != 1) return;
  const DateTime now = AppClock().Now();
  const DateTime today{m.Today, now.hour, now.minute, now.second};
  const std::string dateText = m.FormatDateAs(today, s.DateFormat);
  Beep();
  AppMessageBoxes().Show(MsgIcon::Information, MsgButtons::Ok, AppTitle() + " - Today's Event",
                         TodaysEventsMessage(dateText, m.TodayEvents));
}

void frmMain::Beep() {
  if (services_.beep) {
    services_.beep();
  } else {
    QApplication::beep();
  }
}

// ------------------------------------------------------------------------------------ window states

int frmMain::WindowLeftTwips() const {
  const int model = app_.month.WindowLeft;
  return pos().x() == TwipsToPixels(model) ? model : PixelsToTwips(pos().x());
}

int frmMain::WindowTopTwips() const {
  const int model = app_.month.WindowTop;
  return pos().y() == TwipsToPixels(model) ? model : PixelsToTwips(pos().y());
}

void frmMain::ToggleExpand() {
  MonthView& m = app_.month;
  const int x = WindowLeftTwips();
  m.WindowTop = WindowTopTwips();
  const int arrow = m.Design.DesignArrowWidth;
  if (m.CompactMode) {
    m.WindowHeight = m.ExpandedHeight;
    m.WindowWidth = m.ExpandedWidth;
    m.lblDate.Geometry.Left = arrow;
    m.imgQMark.Geometry.Left = m.lblDate.Geometry.Left + kTipsIconOffset;
    m.WindowLeft = x - arrow;
    m.lblNextMonth.Visible = true;
    m.lblPreviousMonth.Visible = true;
    if (NewDayPending_) {
      // The title follows the grid back to today's month, whatever month was brought up meanwhile.
      m.ShowMonthTitle(m.Today, app_.settings);
      m.FillMonthGrid(m.Today, app_.settings, app_.events);
      // Today's month may need another number of rows than the month the window collapsed on.
      m.WindowHeight = m.ExpandedHeight;
      m.WindowWidth = m.ExpandedWidth;
      NewDayPending_ = false;
    }
    m.CompactMode = false;
  } else {
    m.WindowHeight = m.lblDate.Geometry.Height;
    m.WindowWidth = m.lblDate.Geometry.Width;
    m.lblDate.Geometry.Left = 0;
    m.imgQMark.Geometry.Left = m.lblDate.Geometry.Left + kTipsIconOffset;
    m.WindowLeft = x + arrow;
    m.lblNextMonth.Visible = false;
    m.lblPreviousMonth.Visible = false;
    m.CompactMode = true;
  }
  DrawMonth();
}

void frmMain::ApplyTrayAvailability() {
  // Without a notification area the window could only vanish, and the running copy would then
  // keep any new start from showing it again.
  const bool available = tray_.IsAvailable();
  menus_.mnuToTray()->setEnabled(available);
  menus_.mnuExpandToTray()->setEnabled(available);
  // The notification area went away with the window in it: back to the desktop, or the user could
  // not reach the calendar at all.
  if (!available && InTray_) mnuShow_Click();
}

void frmMain::mnuToTray_Click() {
  if (!tray_.IsAvailable()) {
    ApplyTrayAvailability();
    return;
  }
  hide();
  tray_.Add(TrayIconData_);
  InTray_ = true;
}

void frmMain::mnuShow_Click() {
  tray_.Delete(TrayIconData_);
  show();
  raise();
  activateWindow();
  InTray_ = false;
}

void frmMain::TrayMouse(int button) {
  if (!InTray_) return;
  if (button == 1) {
    mnuShow_Click();
  } else if (button == 2) {
    OpenTrayMenu(true, QCursor::pos());
  }
}

void frmMain::OpenTrayMenu(bool inTray, QPoint at) {
  menus_.mnuShow()->setVisible(inTray);
  menus_.mnuToTray()->setVisible(!inTray);
  OpenPopupMenu(menus_.mnuPopUpTray(), at, PopupAlign::Left);
}

void frmMain::SavePosition() {
  Settings& s = app_.settings;
  int left = WindowLeftTwips();
  if (app_.month.CompactMode) left -= app_.month.lblNextMonth.Geometry.Width;
  s.PositionLeft = left;
  s.PositionTop = WindowTopTwips();
  SaveSetting(app_.store, "PositionLeft", s.PositionLeft);
  SaveSetting(app_.store, "PositionTop", s.PositionTop);
}

void frmMain::moveEvent(QMoveEvent* event) {
  QWidget::moveEvent(event);
  // The program's own moves put the window where the model says, and a title drag stores its own
  // end: any other move is the desktop's.
  if (unloaded_ || dragging_ || !isVisible()) return;
  const MonthView& m = app_.month;
  if (pos() == QPoint(TwipsToPixels(m.WindowLeft), TwipsToPixels(m.WindowTop))) return;
  desktopPlace_ = pos();
  desktopMoveRest_.start();
}

void frmMain::StoreDesktopPlace() {
  // A move of the program's own since then has the last word.
  if (unloaded_ || dragging_ || desktopPlace_ != pos()) return;
  desktopPlace_.reset();
  app_.month.WindowLeft = PixelsToTwips(pos().x());
  app_.month.WindowTop = PixelsToTwips(pos().y());
  SavePosition();
}

// ------------------------------------------------------------------------------------ reminders on/off

void frmMain::mnuQuickReminderOn_Click() { SwitchReminders(true); }

void frmMain::mnuQuickReminderOff_Click() { SwitchReminders(false); }

void frmMain::SwitchReminders(bool on) {
  app_.settings.Reminders = on ? 1 : 0;
  SaveSetting(app_.store, "Reminders", app_.settings.Reminders);
  ShowRemindersOnOff();
  // The lead times can be chosen only while reminders are on.
  for (QMenu* lead : {menus_.mnuQuickReminderDays(), menus_.mnuQuickReminderHours(), menus_.mnuQuickReminderMinutes()})
    lead->menuAction()->setEnabled(on);
}

void frmMain::ShowRemindersOnOff() {
  app_.month.ShowRemindersOnOff(app_.settings);
  menus_.ShowQuickReminderOnOff(app_.settings.Reminders == 1);
  DrawReminderIcons();
}

// ------------------------------------------------------------------------------------ refresh paths

void frmMain::EventsChanged(bool linesRemoved) {
  FinishStartReminders();
  BuildReminderList(app_.reminders, app_.events, app_.month.Today);
  // Removed lines start every reminder over, as the entry dialog tells the user.
  if (linesRemoved) ResetReminderShown(app_.reminders);
  ++eventsChanges_;
  RefillShownMonth();
}

void frmMain::SettingsChanged() {
  Settings& s = app_.settings;
  MonthView& m = app_.month;
  // The menus take the new look at once; a file that cannot be written leaves them as they were.
  WriteMenuIni(s, [this] { MenuObject_.ReloadMenuSettings(this); });
  // The model keeps a collapsed window at its title strip; expanding later takes the new sizes.
  m.LayoutMonthGrid(s.BoxStyle);
  PlaceWindow();
  m.ShowMonthTitle(m.ShownMonthDate, s);
  m.ShowWeekdayHeadings(0, s);
  m.FillMonthGrid(m.ShownMonthDate, s, app_.events);
  DrawMonth();
}

// ------------------------------------------------------------------------------------ drawing

void frmMain::DrawMonth() { painter_.DrawMonth(app_.month); }

void frmMain::DrawTitle() { painter_.DrawTitle(app_.month); }

void frmMain::DrawReminderIcons() { painter_.DrawReminderIcons(app_.month); }

}  // namespace orlevant
