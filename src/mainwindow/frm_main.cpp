#include "mainwindow/frm_main.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCursor>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QWindow>

#include <algorithm>
#include <cstdint>
#include <limits>

#include "core/message_box.h"
#include "core/ini_file.h"
#include "mainwindow/app_context.h"
#include "mainwindow/app_icon.h"
#include "mainwindow/todays_events.h"
#include "platform/date_format.h"
#include "platform/qt/bgr_colour.h"
#include "platform/qt/display_text.h"
#include "platform/qt/twips.h"
#include "reminders/quick_reminders.h"
#include "reminders/reminder_alerts.h"

namespace orlevant {

namespace {

constexpr int kClockInterval = 1000;  // ms

QRect PxRect(const TwipRect& r) { return TwipsToPixels(QRect(r.Left, r.Top, r.Width, r.Height)); }

// Tooltips are shown as rich text when they look like markup; an event's text must never be taken
// for markup, so it is escaped and marked as text with its blanks and line breaks kept.
QString PlainToolTip(const std::string& text) {
  if (text.empty()) return {};
  QString escaped = DisplayText(text).toHtmlEscaped();
  escaped.replace(QLatin1Char('\n'), QStringLiteral("<br>"));
  return QStringLiteral("<p style='white-space:pre'>") + escaped + QStringLiteral("</p>");
}

QPixmap ReminderPicture(int picture) {
  // The day boxes' small reminder mark: green while reminders are on, red while they are off.
  QPixmap pixmap(5, 5);
  pixmap.fill(Qt::transparent);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(Qt::NoPen);
  p.setBrush(picture == kReminderOnPicture ? QColor(0x1E, 0xA0, 0x3C) : QColor(0xD0, 0x30, 0x28));
  p.drawEllipse(QRectF(0, 0, 5, 5));
  return pixmap;
}

QPixmap TipsPicture(int size) {
  QPixmap pixmap(size, size);
  pixmap.fill(Qt::transparent);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0x2F, 0x6D, 0xB5));
  p.drawEllipse(QRectF(0.5, 0.5, size - 1, size - 1));
  QFont font = p.font();
  font.setBold(true);
  font.setPixelSize(size * 3 / 4);
  p.setFont(font);
  p.setPen(Qt::white);
  p.drawText(QRect(0, 0, size, size), Qt::AlignCenter, QStringLiteral("?"));
  return pixmap;
}

void PaintLabel(QLabel* label, const LabelState& state) {
  QPalette pal = label->palette();
  const QColor back = ColourFromBgr(state.BackColor);
  const QColor fore = ColourFromBgr(state.ForeColor);
  pal.setColor(QPalette::Window, back);
  pal.setColor(QPalette::Active, QPalette::WindowText, fore);
  pal.setColor(QPalette::Inactive, QPalette::WindowText, fore);
  // A box outside the shown month shows its number greyed, whatever the text colour.
  pal.setColor(QPalette::Disabled, QPalette::WindowText, QColor(0x80, 0x80, 0x80));
  label->setPalette(pal);
  label->setAutoFillBackground(state.Opaque);
  label->setEnabled(state.Enabled);
  label->setText(DisplayText(state.Caption));
  label->setToolTip(PlainToolTip(state.ToolTipText));
  label->setGeometry(PxRect(state.Geometry));
  label->setVisible(state.Visible);
}

QLabel* NewLabel(QWidget* parent, const char* name, Qt::Alignment alignment, int pixelSize, bool bold = false) {
  auto* label = new QLabel(parent);
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
      tray_(this, services_.trayAvailable) {
  setObjectName(QStringLiteral("frmMain"));
  setWindowTitle(QString::fromStdString(AppTitle()));
  setWindowIcon(AppIcon());
  RegisterDialogs(dialogs_);
  CreateControls();
  ConnectMenus();
  // Reminders: the alerts of the clock's checks, and the nine lead times of the day menu.
  alerts_ = new ReminderAlerts(app_, this);
  ConnectQuickReminders(*this);
  connect(&TimerDate_, &QTimer::timeout, this, &frmMain::TimerDate_Timer);
  connect(&tray_, &TrayIcon::MouseButton, this, &frmMain::TrayMouse);
}

frmMain::~frmMain() { Form_Unload(); }

bool frmMain::CompactMode() const { return app_.month.CompactMode; }

void frmMain::CreateControls() {
  // Created bottom to top: the boxes' text under their day numbers and reminder marks, the title
  // strip under its tips icon.
  for (std::size_t i = 0; i < lblData_.size(); ++i) {
    QLabel* data = NewLabel(this, "lblData", Qt::AlignLeft | Qt::AlignTop, 11);
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

  // 8. The controls keep the model's design sizes; the screen is measured here.
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    m.ScreenWidth = PixelsToTwips(screen->geometry().width());
    m.ScreenHeight = PixelsToTwips(screen->geometry().height());
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
  m.PositionMainWindow(s.Position, s);
  m.ShowMonthTitle(m.Today, s);
  m.ShowWeekdayHeadings(0, s);
  m.FillMonthGrid(m.Today, s, app_.events);
  // Reminders: the list as of today, none shown yet; the hour of the start is not checked today.
  app_.reminders.Start = {app_.StartTime.date, app_.StartHour};
  BuildReminderList(app_.reminders, app_.events, m.Today);
  ResetReminderShown(app_.reminders);
  NewDayPending_ = false;
  // The window stands where the model placed it before it collapses or expands from there.
  DrawMonth();
  ToggleExpand();

  // 15.
  app_.RemindersDialogOpen = false;
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
  if (!unloaded_) {
    SavePosition();
    Form_Unload();
  }
  event->accept();
}

void frmMain::mnuExit_Click() {
  for (QWidget* w : QApplication::topLevelWidgets()) {
    if (w != this && w->isVisible() && !qobject_cast<QMenu*>(w)) w->close();
  }
  SavePosition();
  Form_Unload();
  hide();
}

// ------------------------------------------------------------------------------------ the clock

void frmMain::TimerDate_Timer() {
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
    ShowTodaysEvents();
  } else {
    DrawTitle();
  }
  // Always last. The greeting above may have run a message box; a tick inside it has then
  // checked this minute already.
  CheckReminders();
}

void frmMain::CheckReminders() {
  if (unloaded_) return;
  const CheckConditions conditions{app_.settings.Reminders == 1, app_.RemindersDialogOpen, alerts_->Showing()};
  alerts_->Enqueue(orlevant::CheckReminders(app_.reminders, AppClock().Now(), conditions));
}

void frmMain::ShowTodaysEvents() {
  const MonthView& m = app_.month;
  const Settings& s = app_.settings;
  if (m.TodayEvents.empty() || s.NotifyMe != 1) return;
  const DateTime now = AppClock().Now();
  const DateTime today{m.Today, now.hour, now.minute, now.second};
  const std::string dateText = m.FormatDateText ? m.FormatDateText(today, s.DateFormat) : FormatDate(today, s.DateFormat);
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
    OpenTrayMenu(true);
  }
}

void frmMain::OpenTrayMenu(bool inTray) {
  menus_.mnuShow()->setVisible(inTray);
  menus_.mnuToTray()->setVisible(!inTray);
  menus_.mnuPopUpTray()->popup(QCursor::pos());
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

// ------------------------------------------------------------------------------------ input

bool frmMain::eventFilter(QObject* watched, QEvent* event) {
  if (watched != lblDate_) return QWidget::eventFilter(watched, event);
  switch (event->type()) {
    case QEvent::MouseButtonPress: {
      auto* mouse = static_cast<QMouseEvent*>(event);
      if (mouse->button() == Qt::RightButton) return true;
      // Where the desktop places windows itself, it also moves them.
      if (QGuiApplication::platformName().startsWith(QLatin1String("wayland")) && windowHandle()) {
        windowHandle()->startSystemMove();
        return true;
      }
      dragging_ = true;
      DragOffset_ = mouse->position().toPoint();
      return true;
    }
    case QEvent::MouseMove: {
      if (!dragging_) return false;
      auto* mouse = static_cast<QMouseEvent*>(event);
      move(pos() + mouse->position().toPoint() - DragOffset_);
      app_.month.WindowLeft = PixelsToTwips(pos().x());
      app_.month.WindowTop = PixelsToTwips(pos().y());
      return true;
    }
    case QEvent::MouseButtonRelease: {
      auto* mouse = static_cast<QMouseEvent*>(event);
      if (dragging_) {
        // The place is stored once, when the drag ends, rather than on every step of it.
        dragging_ = false;
        SavePosition();
        return true;
      }
      if (mouse->button() == Qt::RightButton) {
        if (app_.month.CompactMode) {
          menus_.mnuPopUpExpand()->popup(mouse->globalPosition().toPoint());
        } else {
          OpenTrayMenu(false);
        }
        return true;
      }
      return false;
    }
    default:
      return QWidget::eventFilter(watched, event);
  }
}

void frmMain::mouseReleaseEvent(QMouseEvent* event) {
  // Only the window's own surface; the boxes and headings get their menus elsewhere.
  if (event->button() == Qt::RightButton && !childAt(event->position().toPoint())) {
    OpenTrayMenu(InTray_);
    return;
  }
  QWidget::mouseReleaseEvent(event);
}

// ------------------------------------------------------------------------------------ refresh paths

void frmMain::EventsChanged(bool linesRemoved) {
  MonthView& m = app_.month;
  BuildReminderList(app_.reminders, app_.events, m.Today);
  // Removed lines start every reminder over, as the entry dialog tells the user.
  if (linesRemoved) ResetReminderShown(app_.reminders);
  m.FillMonthGrid(m.ShownMonthDate, app_.settings, app_.events);
  DrawMonth();
}

void frmMain::SettingsChanged() {
  Settings& s = app_.settings;
  MonthView& m = app_.month;
  m.LayoutMonthGrid(s.BoxStyle);
  m.PositionMainWindow(s.Position, s);
  m.ShowMonthTitle(m.ShownMonthDate, s);
  m.ShowWeekdayHeadings(0, s);
  m.FillMonthGrid(m.ShownMonthDate, s, app_.events);
  DrawMonth();
}

// ------------------------------------------------------------------------------------ drawing

void frmMain::DrawMonth() {
  DrawWindowGeometry();
  DrawTitle();
  DrawHeadings();
  DrawBoxes();
  DrawReminderIcons();
  DrawSizeChecks();
}

void frmMain::DrawWindowGeometry() {
  const MonthView& m = app_.month;
  setFixedSize(std::max(1, TwipsToPixels(m.WindowWidth)), std::max(1, TwipsToPixels(m.WindowHeight)));
  move(TwipsToPixels(m.WindowLeft), TwipsToPixels(m.WindowTop));
}

void frmMain::DrawTitle() {
  const MonthView& m = app_.month;
  PaintLabel(lblDate_, m.lblDate);
  // The arrows keep their "<" and ">": only their look and place come from the model.
  LabelState previous = m.lblPreviousMonth;
  LabelState next = m.lblNextMonth;
  previous.Caption = "<";
  next.Caption = ">";
  PaintLabel(lblPreviousMonth_, previous);
  PaintLabel(lblNextMonth_, next);
  imgQMark_->setGeometry(PxRect(m.imgQMark.Geometry));
  imgQMark_->setVisible(m.imgQMark.Visible);
  imgQMark_->raise();
}

void frmMain::DrawHeadings() {
  const MonthView& m = app_.month;
  for (std::size_t i = 0; i < lblWeek_.size(); ++i) PaintLabel(lblWeek_[i], m.lblWeek[i]);
}

void frmMain::DrawBoxes() {
  const MonthView& m = app_.month;
  for (std::size_t i = 0; i < lblData_.size(); ++i) {
    PaintLabel(lblData_[i], m.lblData[i]);
    PaintLabel(lblDay_[i], m.lblDay[i]);
    // Inside the box's frame, so the grid lines stay whole.
    lblDay_[i]->move(lblDay_[i]->pos() + QPoint(1, 1));
  }
}

void frmMain::DrawSizeChecks() {
  const MonthView& m = app_.month;
  menus_.mnuSmall()->setChecked(m.mnuSmall);
  menus_.mnuMedium()->setChecked(m.mnuMedium);
  menus_.mnuLarge()->setChecked(m.mnuLarge);
}

void frmMain::DrawReminderIcons() {
  const MonthView& m = app_.month;
  static const QPixmap on = ReminderPicture(kReminderOnPicture);
  static const QPixmap off = ReminderPicture(kReminderOffPicture);
  for (std::size_t i = 0; i < imgRemind_.size(); ++i) {
    const ImageState& state = m.imgRemind[i];
    imgRemind_[i]->setPixmap(state.Picture == kReminderOnPicture ? on : off);
    imgRemind_[i]->setGeometry(PxRect(state.Geometry));
    imgRemind_[i]->setVisible(state.Visible);
  }
}

}  // namespace orlevant
