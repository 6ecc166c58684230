// The main window's place when the desktop moved it, changed the screen's free area or ended the
// session, and the window's way back when the notification area it hides in goes away. Offscreen,
// with a fixed clock, an injected tray and screen, and a temporary home.

#include <QLabel>
#include <QMenu>
#include <QtTest>

#include <csignal>
#include <memory>

#include "main_window_fixture.h"
#include "platform/qt/session_end_watch.h"

using namespace orlevant;
using orlevant::testing::At;

namespace {

// The clock ticks from one moment to the next after the desktop has moved the window.
struct PlaceRow {
  const char* name;
  DateTime from, to;
  bool collapsed;
  bool sizeChanges;  // today's month needs another number of rows
};

// The free area of a 1280 x 800 screen changes under a running window, which learns of it from the
// screen's own signal, or only from a later F6 or Apply that places it anyway.
enum class Learns { Signal, F6, Apply };
struct AreaRow {
  const char* name;
  int position;
  bool collapsed;
  QRect free;  // of a screen from (0, 0) to its bottom right corner
  Learns learns;
  QPoint at;  // where the window then stands; (-1, -1): where it stood
};

frmMain& OpenWith(testing::MainWindowFixture& f, FrmMainServices services) {
  services.trayAvailable = [] { return true; };
  f.window = std::make_unique<frmMain>(f.app, std::move(services));
  f.window->Form_Load();
  f.window->TimerDate().stop();
  f.window->show();
  return *f.window;
}

}  // namespace

Q_DECLARE_METATYPE(PlaceRow)
Q_DECLARE_METATYPE(AreaRow)

class TestWindowPlaceAndTray : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<testing::MainWindowFixture> f_;

 private slots:
  // Started in a shell's background a program has SIGINT ignored, and keeps it so; the tests stand
  // where a desktop starts it.
  void initTestCase() {
    for (const int signal : {SIGTERM, SIGHUP, SIGINT}) std::signal(signal, SIG_DFL);
  }

  void init() {
    f_ = std::make_unique<testing::MainWindowFixture>();
    QVERIFY(f_->app.store.Write("Position", "3"));
  }

  void cleanup() { f_.reset(); }

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
    QVERIFY(f_->app.store.Write("Expand", row.collapsed ? "0" : "1"));
    frmMain& w = f_->Open(row.from);
    w.show();
    const QSize before = w.size();
    // The window manager moves the window; the program is not told.
    const QPoint moved = w.pos() + QPoint(137, 211);
    w.move(moved);
    QCOMPARE(w.pos(), moved);

    f_->SetNow(row.to);
    w.TimerDate_Timer();
    QCOMPARE(w.pos(), moved);
    QCOMPARE(w.size() != before, row.sizeChanges);
    if (!row.collapsed) {
      // The redrawn model has taken the window's real place.
      QCOMPARE(f_->app.month.WindowLeft, PixelsToTwips(moved.x()));
      QCOMPARE(f_->app.month.WindowTop, PixelsToTwips(moved.y()));
    }
    // A collapse or expand works from where the window is: the title stays put on the screen.
    const QPoint title = w.pos() + w.lblDate()->pos();
    w.ToggleExpand();
    QCOMPARE(w.pos() + w.lblDate()->pos(), title);
  }

  // A new place worked out by the model still moves the window, even when it is the place it
  // worked out before.
  void aPlacementAskedForStillMoves() {
    frmMain& w = f_->Open(At(2026, 5, 12, 12, 0));
    w.show();
    const QPoint placed = w.pos();
    w.move(placed + QPoint(50, 60));
    w.SettingsChanged();
    QCOMPARE(w.pos(), placed);
  }

  // A move by the desktop is stored once the window has come to rest, as the end of a title drag
  // stores it; the program's own moves store nothing and leave a fixed place fixed.
  void desktopMovesAreStoredAtRest_data() {
    QTest::addColumn<int>("position");
    QTest::addColumn<bool>("collapsed");
    QTest::newRow("manual") << 0 << false;
    QTest::newRow("manual, collapsed") << 0 << true;
    QTest::newRow("top left") << 3 << false;
  }
  void desktopMovesAreStoredAtRest() {
    QFETCH(int, position);
    QFETCH(bool, collapsed);
    f_->Set("Position", std::to_string(position));
    f_->Set("Expand", collapsed ? "0" : "1");
    frmMain& w = f_->Open(At(2026, 5, 12, 12, 0));
    w.show();
    f_->Set("PositionLeft", "untouched");
    w.ToggleExpand();
    w.ToggleExpand();
    w.mnuLarge_Click();
    w.mnuMedium_Click();
    w.SettingsChanged();
    f_->Month().WindowLeft = 0;  // printing at the Large size takes the window to the left edge
    w.move(0, w.y());
    QVERIFY(!w.DesktopMoveRest().isActive());

    const QPoint start = w.pos();
    for (int step = 1; step <= 3; ++step) {
      w.move(start + step * QPoint(40, 30));
      QVERIFY(w.DesktopMoveRest().isActive());
    }
    QCOMPARE(f_->Stored("PositionLeft"), std::string("untouched"));
    QMetaObject::invokeMethod(&w.DesktopMoveRest(), "timeout");
    const int arrow = collapsed ? f_->Month().lblNextMonth.Geometry.Width : 0;
    QCOMPARE(f_->Stored("PositionLeft"), std::to_string((start.x() + 120) * 15 - arrow));
    QCOMPARE(f_->Stored("PositionTop"), std::to_string((start.y() + 90) * 15));
    QCOMPARE(f_->Stored("Position"), std::to_string(position));
    // Redrawn, a window the user placed stays where the desktop put it.
    w.SettingsChanged();
    QCOMPARE(w.pos() != start + QPoint(120, 90), position != 0);

    // A move of the program's own after the desktop's has the last word.
    f_->Set("PositionLeft", "untouched");
    w.move(w.pos() + QPoint(10, 10));
    w.ToggleExpand();
    QMetaObject::invokeMethod(&w.DesktopMoveRest(), "timeout");
    QCOMPARE(f_->Stored("PositionLeft"), std::string("untouched"));
  }

  // The session ends before the desktop's move has come to rest: Exit's way out stores the new place.
  // The signal itself only leaves word for the event loop.
  void theSessionsEndStoresTheDesktopsPlace_data() {
    QTest::addColumn<int>("signal");
    QTest::newRow("SIGTERM") << SIGTERM;
    QTest::newRow("SIGHUP") << SIGHUP;
    QTest::newRow("SIGINT") << SIGINT;
  }
  void theSessionsEndStoresTheDesktopsPlace() {
    QFETCH(int, signal);
    f_->Set("Position", "0");
    SessionEndWatch watch;
    FrmMainServices services;
    services.sessionEnd = &watch;
    frmMain& w = OpenWith(*f_, services);
    const QPoint moved = w.pos() + QPoint(123, 45);
    w.move(moved);
    QCOMPARE(std::raise(signal), 0);
    QVERIFY(!w.IsUnloaded());
    QCoreApplication::processEvents();
    QVERIFY(w.IsUnloaded() && !w.isVisible());
    QCOMPARE(f_->Stored("PositionLeft"), std::to_string(moved.x() * 15));
    QCOMPARE(f_->Stored("PositionTop"), std::to_string(moved.y() * 15));
  }

  // Every placement reads the screen's free area as it is then; a change of it places a window in
  // the centre or a top place again, and one the user placed stays.
  void aChangedWorkAreaPlacesTheWindowAgain_data() {
    QTest::addColumn<AreaRow>("row");
    // Medium: 504 pixels wide, its title strip with a 25-pixel arrow beside it; Small: 168 wide.
    const QRect topPanel(0, 40, 1280, 760), smaller(0, 0, 1024, 768);
    for (const AreaRow& r : std::initializer_list<AreaRow>{
             {"top left, a top panel comes", 3, false, topPanel, Learns::Signal, {0, 40}},
             {"top left collapsed, a top panel comes", 3, true, topPanel, Learns::Signal, {25, 40}},
             {"top right, a new resolution", 4, false, smaller, Learns::Signal, {520, 0}},
             {"top right, then F6", 4, false, topPanel, Learns::F6, {1112, 40}},
             {"top centre, then Apply", 2, false, topPanel, Learns::Apply, {388, 40}},
             {"manual stays", 0, false, topPanel, Learns::Signal, {-1, -1}}})
      QTest::newRow(r.name) << r;
  }
  void aChangedWorkAreaPlacesTheWindowAgain() {
    QFETCH(AreaRow, row);
    f_->Set("Position", std::to_string(row.position));
    f_->Set("Expand", row.collapsed ? "0" : "1");
    f_->Set("PositionLeft", "1500");
    ScreenArea area{QRect(0, 0, 1280, 800), QRect(0, 0, 1280, 800)};
    FrmMainServices services;
    services.screenArea = [&area] { return area; };
    frmMain& w = OpenWith(*f_, services);
    const QPoint before = w.pos();
    QCOMPARE(before.y(), 0);
    area = ScreenArea{QRect(QPoint(0, 0), row.free.bottomRight()), row.free};
    if (row.learns == Learns::Signal) emit QGuiApplication::primaryScreen()->availableGeometryChanged(row.free);
    if (row.learns == Learns::F6) w.mnuSmall_Click();
    if (row.learns == Learns::Apply) w.SettingsChanged();
    QCOMPARE(w.pos(), row.at == QPoint(-1, -1) ? before : row.at);
    QCOMPARE(f_->Stored("PositionLeft"), std::string("1500"));
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
    frmMain& w = f_->Open(At(2026, 5, 12, 12, 0));
    MainMenus& menus = w.Menus();
    w.show();
    if (inTray) {
      w.mnuToTray_Click();
      QVERIFY(w.InTray() && !w.isVisible() && w.Tray().IsShown());
      QVERIFY(w.Tray().IsWatching());
    }
    f_->trayAvailable = false;
    w.Tray().CheckAvailability();
    QVERIFY(w.isVisible());
    QVERIFY(!w.InTray());
    QVERIFY(!w.Tray().IsShown() && !w.Tray().IsWatching());
    if (inTray) QVERIFY(!menus.mnuToTray()->isEnabled() && !menus.mnuExpandToTray()->isEnabled());
    w.mnuToTray_Click();
    QVERIFY(w.isVisible() && !w.InTray());

    // The panel is back: the window can go into the tray again.
    f_->trayAvailable = true;
    emit menus.mnuPopUpTray()->aboutToShow();
    QVERIFY(menus.mnuToTray()->isEnabled() && menus.mnuExpandToTray()->isEnabled());
    w.mnuToTray_Click();
    QVERIFY(w.InTray() && !w.isVisible() && w.Tray().IsWatching());
  }
};

QTEST_MAIN(TestWindowPlaceAndTray)
#include "test_window_place_and_tray.moc"
