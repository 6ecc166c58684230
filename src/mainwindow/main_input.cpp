// Every mouse gesture and key of the month window, and the dialogs they open.
//
// The first thing most handlers do is close both hover pop-ups; the exceptions are the double-
// clicks, the drag, and the moves over a day box, which leave their own pop-up to be refilled.

#include "mainwindow/main_input.h"

#include <QApplication>
#include <QCursor>
#include <QDialog>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QScreen>
#include <QTimer>
#include <QWindow>

#include <array>
#include <vector>
#include <string_view>

#include "core/settings.h"
#include "mainwindow/app_context.h"
#include "mainwindow/frm_main.h"
#include "mainwindow/frm_message.h"
#include "mainwindow/frm_reminder_pop.h"
#include "mainwindow/frm_tips.h"
#include "monthview/day_popups.h"
#include "platform/qt/twips.h"

namespace orlevant {

namespace {

// The button value of a mouse button as the handlers read it.
int ButtonValue(Qt::MouseButton button) {
  switch (button) {
    case Qt::LeftButton: return kLeftButton;
    case Qt::RightButton: return kRightButton;
    case Qt::MiddleButton: return 4;
    default: return 0;
  }
}

// The windows Exit closes, in this order, before the main window goes.
constexpr std::array<std::string_view, 8> kUnloadOrder = {
    "frmDataEntry", "frmMessage", "frmPreferences", "frmPrintOptions",
    "frmReminderMsg", "frmReminderPop", "frmReminders", "frmTips"};

}  // namespace

// Guarded, since closing one window may destroy others.
std::vector<QPointer<QWidget>> frmMain::OtherWindows() const {
  std::vector<QPointer<QWidget>> windows;
  for (QWidget* w : QApplication::topLevelWidgets())
    if (w != this && !qobject_cast<QMenu*>(w)) windows.emplace_back(w);
  return windows;
}

int KeyCodeOf(const QKeyEvent& event) {
  const int key = event.key();
  if (key >= Qt::Key_F1 && key <= Qt::Key_F12) return kKeyF1 + (key - Qt::Key_F1);
  // Qt numbers letters and digits by their upper-case character.
  if ((key >= Qt::Key_A && key <= Qt::Key_Z) || (key >= Qt::Key_0 && key <= Qt::Key_9)) return key;
  return 0;
}

void OpenPopupMenu(QMenu* menu, QPoint globalPos, PopupAlign align) {
  QPoint at = globalPos;
  if (align == PopupAlign::Centre) {
    menu->ensurePolished();
    at.rx() -= menu->sizeHint().width() / 2;
  }
  menu->popup(at);
}

// ------------------------------------------------------------------------------------ set-up

void frmMain::InstallInputTable() {
  // The window itself holds the keyboard; its labels never take it, so every key reaches
  // Form_KeyUp whichever control was clicked.
  setFocusPolicy(Qt::StrongFocus);
  setMouseTracking(true);
  const auto add = [this](QWidget* control, InputControl kind, int index) {
    inputTargets_.insert(control, InputTarget{kind, index});
    control->installEventFilter(this);
    control->setMouseTracking(true);
    control->setFocusPolicy(Qt::NoFocus);
  };
  add(lblDate_, InputControl::Title, 0);
  add(lblPreviousMonth_, InputControl::PreviousMonth, 0);
  add(lblNextMonth_, InputControl::NextMonth, 0);
  add(imgQMark_, InputControl::QMark, 0);
  for (int i = 0; i < kWeekdayCount; ++i) add(lblWeek(i), InputControl::Week, i);
  for (int i = 0; i < kDayBoxCount; ++i) {
    add(lblDay(i), InputControl::Day, i);
    add(lblData(i), InputControl::Data, i);
    add(imgRemind(i), InputControl::Remind, i);
  }
  ConnectInputMenus();
  EnableDialogItems();
}

void frmMain::ConnectInputMenus() {
  MainMenus& m = menus_;
  connect(m.mnuEdit(), &QAction::triggered, this, &frmMain::mnuEdit_Click);
  connect(m.mnuClearAll(), &QAction::triggered, this, &frmMain::mnuClearAll_Click);
  connect(m.mnuReminders(), &QAction::triggered, this, &frmMain::mnuReminders_Click);
  connect(m.mnuPreferences(), &QAction::triggered, this, &frmMain::mnuPreferences_Click);
  connect(m.mnuPrint(), &QAction::triggered, this, &frmMain::mnuPrint_Click);
  connect(m.mnuTips(), &QAction::triggered, this, &frmMain::mnuTips_Click);
  connect(m.mnuWeekDay(), &QAction::triggered, this, &frmMain::mnuWeekDay_Click);
  connect(m.mnuSmall(), &QAction::triggered, this, &frmMain::mnuSmall_Click);
  connect(m.mnuMedium(), &QAction::triggered, this, &frmMain::mnuMedium_Click);
  connect(m.mnuLarge(), &QAction::triggered, this, &frmMain::mnuLarge_Click);
  for (int i = 1; i <= 12; ++i) connect(m.mnuMonths(i), &QAction::triggered, this, [this, i] { mnuMonths_Click(i); });
  connect(m.mnuYear1(), &QAction::triggered, this, &frmMain::mnuYear1_Click);
  connect(m.mnuYear2(), &QAction::triggered, this, &frmMain::mnuYear2_Click);
  connect(m.mnuYear3(), &QAction::triggered, this, &frmMain::mnuYear3_Click);
  connect(m.mnuYear4(), &QAction::triggered, this, &frmMain::mnuYear4_Click);
  connect(m.mnuCurrentYear(), &QAction::triggered, this, &frmMain::mnuCurrentYear_Click);
  // A dialog may be registered after the window was made (tests do): the day menu asks again
  // each time it opens.
  connect(m.mnuPopUpPrefs(), &QMenu::aboutToShow, this, &frmMain::EnableDialogItems);
}

void frmMain::EnableDialogItems() {
  menus_.mnuEdit()->setEnabled(static_cast<bool>(dialogs_.EditDay));
  menus_.mnuClearAll()->setEnabled(static_cast<bool>(dialogs_.ClearAllDay));
  menus_.mnuReminders()->setEnabled(static_cast<bool>(dialogs_.Reminders));
  menus_.mnuPreferences()->setEnabled(static_cast<bool>(dialogs_.Preferences));
  menus_.mnuPrint()->setEnabled(static_cast<bool>(dialogs_.Print));
}

// ------------------------------------------------------------------------------------ keys

void frmMain::keyPressEvent(QKeyEvent* event) {
  if (event->isAutoRepeat()) return;
  if (event->key() == Qt::Key_Z && event->modifiers().testFlag(Qt::ControlModifier)) {
    Form_KeyPress(kCtrlZ);
    return;
  }
  QWidget::keyPressEvent(event);
}

void frmMain::keyReleaseEvent(QKeyEvent* event) {
  // A held key repeats its press and release; it acts once, when it is let go.
  if (event->isAutoRepeat()) return;
  Form_KeyUp(KeyCodeOf(*event), static_cast<int>(event->modifiers()));
}

void frmMain::Form_KeyPress(int KeyAscii) {
  if (unloaded_ || KeyAscii != kCtrlZ) return;
  CloseHoverPopups();
  mnuToTray_Click();
}

void frmMain::Form_KeyUp(int KeyCode, int Shift) {
  (void)Shift;
  if (unloaded_) return;
  CloseHoverPopups();
  switch (KeyCode) {
    case kKeyF1: mnuPreferences_Click(); break;
    case kKeyF2: imgQMark_Click(); break;
    case kKeyF3: mnuReminders_Click(); break;
    case kKeyF4: mnuExit_Click(); break;
    case kKeyF5: mnuPrint_Click(); break;
    case kKeyF6: mnuSmall_Click(); break;
    case kKeyF7: mnuMedium_Click(); break;
    case kKeyF8: mnuLarge_Click(); break;
    case kKeyF9: mnuExpand_Click(); break;
    // The arrows' release handlers, with the key code as a button that is not the right one.
    case kKeyF10: lblPreviousMonth_MouseUp(KeyCode, 0, 0, 0); break;
    case kKeyF11: mnuCurrentYear_Click(); break;
    case kKeyF12: lblNextMonth_MouseUp(KeyCode, 0, 0, 0); break;
    default: break;
  }
}

void frmMain::TakeKeyboard() {
  if (!isActiveWindow()) activateWindow();
  setFocus(Qt::OtherFocusReason);
}

void frmMain::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  TakeKeyboard();
}

// ------------------------------------------------------------------------------------ mouse

bool frmMain::eventFilter(QObject* watched, QEvent* event) {
  const auto found = inputTargets_.constFind(watched);
  if (found == inputTargets_.cend()) return QWidget::eventFilter(watched, event);
  // The first day box painted: the month goes on screen in this paint pass, and the reminder list
  // of the start is built right after it.
  if (event->type() == QEvent::Paint && found->control == InputControl::Data && startRemindersPending_ &&
      !startRemindersQueued_) {
    startRemindersQueued_ = true;
    QTimer::singleShot(0, this, &frmMain::FinishStartReminders);
  }
  switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
      return ControlMouseEvent(static_cast<QWidget*>(watched), *found, event);
    default:
      return QWidget::eventFilter(watched, event);
  }
}

bool frmMain::ControlMouseEvent(QWidget* control, InputTarget target, QEvent* event) {
  auto* mouse = static_cast<QMouseEvent*>(event);
  const QEvent::Type type = event->type();
  if (type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick) TakeKeyboard();
  const bool move = type == QEvent::MouseMove;
  const bool release = type == QEvent::MouseButtonRelease;
  const bool leftDoubleClick = type == QEvent::MouseButtonDblClick && mouse->button() == Qt::LeftButton;
  const int button = ButtonValue(mouse->button());
  const bool leftClick = release && button == kLeftButton && control->rect().contains(mouse->position().toPoint());
  const QPoint at = mouse->globalPosition().toPoint();
  // The pointer inside the control, in twips.
  const double X = mouse->position().x() * kTwipsPerPixel;
  const double Y = mouse->position().y() * kTwipsPerPixel;
  const int i = target.index;

  if (!control->isEnabled()) {
    // A box of the neighbouring months takes no input; the pointer over it is over the window.
    if (move) CloseHoverPopups();
    return true;
  }

  switch (target.control) {
    case InputControl::Title:
      return TitleMouseEvent(mouse);

    case InputControl::PreviousMonth:
    case InputControl::NextMonth:
      if (move) CloseHoverPopups();
      if (release) {
        if (target.control == InputControl::PreviousMonth) {
          lblPreviousMonth_MouseUp(button, 0, X, Y);
        } else {
          lblNextMonth_MouseUp(button, 0, X, Y);
        }
      }
      return true;

    case InputControl::Week:
      if (move) CloseHoverPopups();
      if (release) {
        CloseHoverPopups();
        if (button == kRightButton) {
          SetLastBoxIndex(i);
          OpenPopupMenu(menus_.mnuPopUpWeekDay(), at, PopupAlign::Centre);
        }
      }
      return true;

    case InputControl::Day:
    case InputControl::Data:
      if (move) {
        if (target.control == InputControl::Data) {
          UnloadReminderPopup();
          ShowEventInfo(i, X, Y);
        } else {
          // In the Small calendar the day number covers the whole box.
          if (app_.settings.BoxStyle == 0) {
            ShowEventInfo(i, X, Y);
          } else {
            UnloadEventPopup();
          }
          UnloadReminderPopup();
        }
      }
      if (release) {
        CloseHoverPopups();
        if (button == kRightButton) {
          SetLastBoxIndex(i);
          OpenPopupMenu(menus_.mnuPopUpPrefs(), at, PopupAlign::Centre);
        }
      }
      if (leftDoubleClick) {
        SetLastBoxIndex(i);
        EditSelectedDay();
      }
      return true;

    case InputControl::Remind:
      if (move) {
        UnloadEventPopup();
        ShowReminderInfo(i, X, Y);
      }
      if (leftClick) imgRemind_Click(i);
      return true;

    case InputControl::QMark:
      if (leftClick) imgQMark_Click();
      return true;
  }
  return false;
}

bool frmMain::TitleMouseEvent(QMouseEvent* mouse) {
  const int button = ButtonValue(mouse->button());
  switch (mouse->type()) {
    case QEvent::MouseButtonPress:
      if (button == kRightButton) return true;  // the release opens a menu
      // Where the desktop places windows itself, it also moves them.
      if (QGuiApplication::platformName().startsWith(QLatin1String("wayland")) && windowHandle()) {
        windowHandle()->startSystemMove();
        return true;
      }
      dragging_ = true;
      DragOffset_ = mouse->position().toPoint();
      return true;
    case QEvent::MouseMove:
      if (dragging_) {
        move(pos() + mouse->position().toPoint() - DragOffset_);
        app_.month.WindowLeft = PixelsToTwips(pos().x());
        app_.month.WindowTop = PixelsToTwips(pos().y());
        return true;
      }
      CloseHoverPopups();
      return true;
    case QEvent::MouseButtonRelease:
      if (dragging_) {
        // The place is stored once, when the drag ends, rather than on every step of it.
        dragging_ = false;
        SavePosition();
      }
      CloseHoverPopups();
      if (button == kLeftButton && InTray_) {
        mnuShow_Click();
      } else if (button == kRightButton) {
        if (InTray_) {
          OpenTrayMenu(true, mouse->globalPosition().toPoint());
        } else if (app_.month.CompactMode) {
          OpenPopupMenu(menus_.mnuPopUpExpand(), mouse->globalPosition().toPoint(), PopupAlign::Centre);
        } else {
          PrepareYearMenu();
          OpenPopupMenu(menus_.mnuPopUpYear(), mouse->globalPosition().toPoint(), PopupAlign::Centre);
        }
      }
      return true;
    case QEvent::MouseButtonDblClick:
      if (mouse->button() == Qt::LeftButton) ToggleExpand();
      return true;
    default:
      return false;
  }
}

void frmMain::mousePressEvent(QMouseEvent* event) {
  TakeKeyboard();
  QWidget::mousePressEvent(event);
}

void frmMain::mouseMoveEvent(QMouseEvent* event) {
  // The tray's own activation is the tray event: a move over the window only closes the pop-ups.
  CloseHoverPopups();
  QWidget::mouseMoveEvent(event);
}

void frmMain::mouseReleaseEvent(QMouseEvent* event) {
  // Only the window's own surface: the controls answer through the event filter.
  if (childAt(event->position().toPoint())) return;
  CloseHoverPopups();
  const int button = ButtonValue(event->button());
  if (button == kLeftButton && InTray_) {
    mnuShow_Click();
  } else if (button == kRightButton) {
    OpenTrayMenu(InTray_, event->globalPosition().toPoint());
  }
}

void frmMain::mouseDoubleClickEvent(QMouseEvent* event) {
  if (childAt(event->position().toPoint()) || event->button() != Qt::LeftButton) return;
  CloseHoverPopups();
  mnuToTray_Click();
}

// ------------------------------------------------------------------------------------ hover pop-ups

void frmMain::CloseHoverPopups() {
  UnloadReminderPopup();
  UnloadEventPopup();
}

// A pop-up goes later rather than at once: it may be handing a key to this window right now.
void frmMain::UnloadEventPopup() {
  if (frmMessage* popup = frmMessage_) {
    frmMessage_ = nullptr;
    popup->hide();
    popup->deleteLater();
  }
}

void frmMain::UnloadReminderPopup() {
  if (frmReminderPop* popup = frmReminderPop_) {
    frmReminderPop_ = nullptr;
    popup->hide();
    popup->deleteLater();
  }
}

void frmMain::PointerOverPopup(QPoint globalPos) {
  // What lies beneath the pop-up gets the move, as if the pop-up were not there; beyond the
  // window the pop-up stays, as it does when the pointer leaves the window fast.
  const QPoint inWindow = mapFromGlobal(globalPos);
  if (!rect().contains(inWindow)) return;
  QWidget* beneath = childAt(inWindow);
  while (beneath && !inputTargets_.contains(beneath)) beneath = beneath->parentWidget();
  QWidget* target = beneath && beneath != this ? beneath : this;
  QMouseEvent move(QEvent::MouseMove, QPointF(target->mapFromGlobal(globalPos)), QPointF(globalPos), Qt::NoButton,
                   Qt::NoButton, Qt::NoModifier);
  QApplication::sendEvent(target, &move);
}

TwipRect frmMain::ScreenTwips() const {
  const QScreen* s = screen() ? screen() : QGuiApplication::primaryScreen();
  if (!s) return TwipRect{0, 0, app_.month.ScreenWidth, app_.month.ScreenHeight};
  const QRect g = s->geometry();
  return TwipRect{PixelsToTwips(g.x()), PixelsToTwips(g.y()), PixelsToTwips(g.width()), PixelsToTwips(g.height())};
}

void frmMain::ShowEventInfo(int Index, double X, double Y) {
  const Settings& s = app_.settings;
  const MonthView& m = app_.month;
  if (s.ShowMessage == 0) return;
  const std::optional<EventInfo> info = EventInfoFor(m, s.BoxStyle, Index, X, Y);
  if (!info) {
    UnloadEventPopup();
    return;
  }
  if (!frmMessage_) {
    frmMessage_ = new frmMessage(
        s.Reminders == 1, [this](int key, int shift) { Form_KeyUp(key, shift); },
        [this](QPoint at) { PointerOverPopup(at); }, this);
  }
  const TwipRect screen = ScreenTwips();
  frmMessage_->Fill(info->DateText, info->Message, info->Future, info->Ball, screen.Height);
  const TwipRect window{WindowLeftTwips(), WindowTopTwips(), m.WindowWidth, m.WindowHeight};
  const int width = frmMessage_->WidthTwips(), height = frmMessage_->HeightTwips();
  const PopupPlace place = KeepOnScreen(PlaceEventInfo(window, width, height, m.ScreenWidth), width, height, screen);
  frmMessage_->ShowAt(place.Left, place.Top);
}

void frmMain::ShowReminderInfo(int Index, double X, double Y) {
  const MonthView& m = app_.month;
  const int present = frmReminderPop_ ? frmReminderPop_->WidthTwips() : kReminderPopupWidth;
  const std::optional<ReminderInfo> info = ReminderInfoFor(m, app_.events.EventRecords, Index, X, Y, present);
  if (!info) {
    UnloadReminderPopup();
    return;
  }
  if (!frmReminderPop_) {
    frmReminderPop_ = new frmReminderPop([this](int key, int shift) { Form_KeyUp(key, shift); },
                                         [this](QPoint at) { PointerOverPopup(at); }, this);
  }
  const TwipRect screen = ScreenTwips();
  frmReminderPop_->Fill(info->DateText, info->Message, info->Width, screen.Height);
  const int width = frmReminderPop_->WidthTwips(), height = frmReminderPop_->HeightTwips();
  const PopupPlace place = KeepOnScreen(
      PlaceReminderInfo(m, Index, WindowLeftTwips(), WindowTopTwips(), width, height), width, height, screen);
  frmReminderPop_->ShowAt(place.Left, place.Top);
}

// ------------------------------------------------------------------------------------ dialogs

void frmMain::RunModal(QDialog& dialog) {
  if (services_.runModal) {
    services_.runModal(dialog);
  } else {
    dialog.exec();
  }
}

void frmMain::RunDayDialog(const std::function<void(frmMain&, int)>& dialog) {
  const int changesBefore = eventsChanges_;
  dialog(*this, LastBoxIndex_);
  // Saved, cancelled or cleared: the month is filled again all the same, once. A dialog that went
  // through EventsChanged has filled it already, and a fill reads every event line.
  if (!unloaded_ && eventsChanges_ == changesBefore) RefillShownMonth();
}

void frmMain::EditSelectedDay() {
  if (!dialogs_.EditDay) return;
  // The dialog covers the day: the pop-up about it has nothing more to say.
  UnloadEventPopup();
  RunDayDialog(dialogs_.EditDay);
}

void frmMain::mnuEdit_Click() {
  CloseHoverPopups();
  EditSelectedDay();
}

void frmMain::mnuClearAll_Click() {
  CloseHoverPopups();
  if (dialogs_.ClearAllDay) RunDayDialog(dialogs_.ClearAllDay);
}

void frmMain::mnuReminders_Click() {
  if (dialogs_.Reminders) dialogs_.Reminders(*this, true);
}

void frmMain::mnuPreferences_Click() {
  if (dialogs_.Preferences) dialogs_.Preferences(*this);
}

void frmMain::mnuPrint_Click() {
  if (dialogs_.Print) dialogs_.Print(*this);
}

void frmMain::mnuTips_Click() { imgQMark_Click(); }

void frmMain::imgQMark_Click() {
  frmTips tips(app_.settings, app_.store, this);
  RunModal(tips);
}

void frmMain::imgRemind_Click(int Index) {
  (void)Index;
  UnloadReminderPopup();
  if (dialogs_.Reminders) dialogs_.Reminders(*this, false);
}

void frmMain::mnuExit_Click() {
  if (unloaded_) return;
  // Every other window closes first, in a fixed order; a dialog that is closed keeps what it
  // saved and drops what it had not. A modal dialog's own loop ends with it.
  for (const std::string_view name : kUnloadOrder) {
    if (name == "frmMessage") {
      UnloadEventPopup();
    } else if (name == "frmReminderPop") {
      UnloadReminderPopup();
    } else {
      const QString objectName = QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
      for (const QPointer<QWidget>& w : OtherWindows())
        if (w && w->isVisible() && w->objectName() == objectName) w->close();
    }
  }
  for (const QPointer<QWidget>& w : OtherWindows())
    if (w && w->isVisible()) w->close();
  SavePosition();
  Form_Unload();
  hide();
}

}  // namespace orlevant
