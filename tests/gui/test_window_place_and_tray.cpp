// The main window's place when the desktop moved it, and the window's way back when the
// notification area it hides in goes away. Offscreen, with a fixed clock, an injected tray and a
// temporary home.

#include <QLabel>
#include <QMenu>
#include <QtTest>

#include <memory>

#include "core/clock.h"
#include "mainwindow/app_context.h"
#include "mainwindow/frm_main.h"
#include "platform/date_format.h"
#include "support/scripted_message_boxes.h"
#include "support/temp_home.h"

using namespace orlevant;
using orlevant::testing::ScriptedMessageBoxes;
using orlevant::testing::TempHome;

namespace {

DateTime At(int y, int m, int d, int hour, int minute) { return DateTime{DateSerial(y, m, d), hour, minute, 0}; }

// The clock ticks from one moment to the next after the desktop has moved the window.
struct PlaceRow {
  const char* name;
  DateTime from, to;
  bool collapsed;
  bool sizeChanges;  // today's month needs another number of rows
};

}  // namespace

Q_DECLARE_METATYPE(PlaceRow)

class TestWindowPlaceAndTray : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<TempHome> home_;
  std::unique_ptr<FixedClock> clock_;
  std::unique_ptr<ScriptedMessageBoxes> boxes_;
  std::unique_ptr<AppContext> app_;
  std::unique_ptr<frmMain> window_;
  bool trayAvailable_ = true;

  frmMain& Load(DateTime now) {
    clock_->Set(now);
    FrmMainServices services;
    services.trayAvailable = [this] { return trayAvailable_; };
    services.beep = [] {};
    window_ = std::make_unique<frmMain>(*app_, services);
    window_->Form_Load();
    window_->TimerDate().stop();
    return *window_;
  }

 private slots:
  void init() {
    home_ = std::make_unique<TempHome>();
    clock_ = std::make_unique<FixedClock>(At(2026, 5, 12, 12, 0));
    SetAppClock(clock_.get());
    boxes_ = std::make_unique<ScriptedMessageBoxes>();
    app_ = std::make_unique<AppContext>();
    app_->month.FormatDateText = [](const DateTime& when, std::string_view pattern) {
      return FormatDate(when, pattern, EnglishLocaleNames());
    };
    trayAvailable_ = true;
    QVERIFY(app_->store.Write("Position", "3"));
  }

  void cleanup() {
    window_.reset();
    app_.reset();
    boxes_.reset();
    SetAppClock(nullptr);
    clock_.reset();
    home_.reset();
  }

  void newDayKeepsThePlaceTheDesktopGave_data() {
    QTest::addColumn<PlaceRow>("row");
    for (const PlaceRow& r : std::initializer_list<PlaceRow>{
             {"midnight, same rows", At(2026, 5, 12, 23, 59), At(2026, 5, 13, 0, 0), false, false},
             // May 2026 needs six rows, June five.
             {"midnight into a shorter month", At(2026, 5, 31, 23, 59), At(2026, 6, 1, 0, 0), false, true},
             {"midnight while collapsed", At(2026, 5, 31, 23, 59), At(2026, 6, 1, 0, 0), true, false}})
      QTest::newRow(r.name) << r;
  }
  void newDayKeepsThePlaceTheDesktopGave() {
    QFETCH(PlaceRow, row);
    QVERIFY(app_->store.Write("Expand", row.collapsed ? "0" : "1"));
    frmMain& w = Load(row.from);
    w.show();
    const QSize before = w.size();
    // The window manager moves the window; the program is not told.
    const QPoint moved = w.pos() + QPoint(137, 211);
    w.move(moved);
    QCOMPARE(w.pos(), moved);

    clock_->Set(row.to);
    w.TimerDate_Timer();
    QCOMPARE(w.pos(), moved);
    QCOMPARE(w.size() != before, row.sizeChanges);
    if (!row.collapsed) {
      // The redrawn model has taken the window's real place.
      QCOMPARE(app_->month.WindowLeft, PixelsToTwips(moved.x()));
      QCOMPARE(app_->month.WindowTop, PixelsToTwips(moved.y()));
    }
    // A collapse or expand works from where the window is: the title stays put on the screen.
    const QPoint title = w.pos() + w.lblDate()->pos();
    w.ToggleExpand();
    QCOMPARE(w.pos() + w.lblDate()->pos(), title);
  }

  // A new place worked out by the model still moves the window, even when it is the place it
  // worked out before.
  void aPlacementAskedForStillMoves() {
    frmMain& w = Load(At(2026, 5, 12, 12, 0));
    w.show();
    const QPoint placed = w.pos();
    w.move(placed + QPoint(50, 60));
    w.SettingsChanged();
    QCOMPARE(w.pos(), placed);
  }

  // A tray that goes away while the window is in it: the window comes back, and "To Tray" is
  // offered no more until a tray is there again.
  void aTrayThatGoesAwayGivesTheWindowBack_data() {
    QTest::addColumn<bool>("inTray");
    QTest::newRow("in the tray") << true;
    QTest::newRow("on the desktop") << false;
  }
  void aTrayThatGoesAwayGivesTheWindowBack() {
    QFETCH(bool, inTray);
    frmMain& w = Load(At(2026, 5, 12, 12, 0));
    MainMenus& menus = w.Menus();
    w.show();
    if (inTray) {
      w.mnuToTray_Click();
      QVERIFY(w.InTray() && !w.isVisible() && w.Tray().IsShown());
      QVERIFY(w.Tray().IsWatching());
    }
    trayAvailable_ = false;
    w.Tray().CheckAvailability();
    QVERIFY(w.isVisible());
    QVERIFY(!w.InTray());
    QVERIFY(!w.Tray().IsShown() && !w.Tray().IsWatching());
    if (inTray) QVERIFY(!menus.mnuToTray()->isEnabled() && !menus.mnuExpandToTray()->isEnabled());
    w.mnuToTray_Click();
    QVERIFY(w.isVisible() && !w.InTray());

    // The panel is back: the window can go into the tray again.
    trayAvailable_ = true;
    emit menus.mnuPopUpTray()->aboutToShow();
    QVERIFY(menus.mnuToTray()->isEnabled() && menus.mnuExpandToTray()->isEnabled());
    w.mnuToTray_Click();
    QVERIFY(w.InTray() && !w.isVisible() && w.Tray().IsWatching());
  }
};

QTEST_MAIN(TestWindowPlaceAndTray)
#include "test_window_place_and_tray.moc"
