// The main window: its load, the clock's new day, collapsing and expanding, the tray and the
// reminders switch. Offscreen, with a fixed clock, scripted message boxes and a temporary home.

#include <QLabel>
#include <QLocale>
#include <QMenu>
#include <QSignalSpy>
#include <QtTest>
#include <array>
#include <memory>
#include <string>
#include <vector>

#include "platform/qt/bgr_colour.h"
#include "main_window_fixture.h"

using namespace orlevant;
using orlevant::testing::At;
using orlevant::testing::Px;
using orlevant::testing::WriteEvents;

namespace {

// The clock ticks from `from` to `to`; `announced` and `notAnnounced` are lists divided by "|",
// `key` is the month shown at the end.
struct NewDayRow {
  const char* name;
  DateTime from, to;
  bool collapsed;
  const char *announced, *notAnnounced, *key;
};

}  // namespace

Q_DECLARE_METATYPE(NewDayRow)

class TestFrmMain : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<testing::MainWindowFixture> f_;

  void Set(const char* key, const QString& value) { QVERIFY(f_->app.store.Write(key, value.toStdString())); }
  QString Stored(const char* key) const { return QString::fromStdString(f_->app.store.Read(key, "(missing)")); }

  QStringList Greetings() const {
    QStringList texts;
    for (const auto& box : f_->boxes.shown)
      if (box.title == AppTitle() + " - Today's Event") texts << QString::fromStdString(box.text);
    return texts;
  }

  QRect WindowRect() const { return QRect(f_->window->pos(), f_->window->size()); }
  QPoint TitleOnScreen() const { return f_->window->pos() + f_->window->lblDate()->pos(); }

 private slots:
  void init() { f_ = std::make_unique<testing::MainWindowFixture>(); }
  void cleanup() { f_.reset(); }

  void loadFollowsExpandAndBoxStyle_data() {
    QTest::addColumn<QString>("expand");
    QTest::addColumn<int>("boxStyle");
    QTest::newRow("expand 1, small") << "1" << 0;
    QTest::newRow("expand 1, medium") << "1" << 1;
    QTest::newRow("expand 0, large") << "0" << 2;
  }
  void loadFollowsExpandAndBoxStyle() {
    QFETCH(QString, expand);
    QFETCH(int, boxStyle);
    Set("Expand", expand);
    Set("BoxStyle", QString::number(boxStyle));
    frmMain& w = f_->Open(At(2026, 5, 12));
    const MonthView& m = f_->app.month;
    const bool compact = expand == "0";

    QCOMPARE(w.CompactMode(), compact);
    QCOMPARE(w.lblNextMonth()->isVisibleTo(&w), !compact);
    QCOMPARE(w.lblPreviousMonth()->isVisibleTo(&w), !compact);
    if (compact) {
      QCOMPARE(w.size(), QSize(Px(m.lblDate.Geometry.Width), Px(m.lblDate.Geometry.Height)));
      QCOMPARE(w.lblDate()->x(), 0);
    } else {
      QCOMPARE(w.size(), QSize(Px(m.ExpandedWidth), Px(m.ExpandedHeight)));
      QCOMPARE(w.lblDate()->x(), Px(m.Design.DesignArrowWidth));
    }
    // The size menu checks the size in use, collapsed or not.
    QCOMPARE(w.Menus().mnuSmall()->isChecked(), boxStyle == 0);
    QCOMPARE(w.Menus().mnuMedium()->isChecked(), boxStyle == 1);
    QCOMPARE(w.Menus().mnuLarge()->isChecked(), boxStyle == 2);
    QCOMPARE(w.TimerDate().interval(), 1000);
    QVERIFY(!w.NewDayPending());
  }

  void collapseThenExpandRestoresTheExactGeometry_data() {
    QTest::addColumn<QString>("boxStyle");
    QTest::addColumn<QString>("position");
    for (const auto& [name, boxStyle, position] : {std::array<const char*, 3>{"medium, centred", "1", "1"},
                                                   {"small, top left", "0", "3"},
                                                   {"large, top right", "2", "4"},
                                                   {"medium, last place", "1", "0"}})
      QTest::newRow(name) << QString(boxStyle) << QString(position);
  }
  void collapseThenExpandRestoresTheExactGeometry() {
    QFETCH(QString, boxStyle);
    QFETCH(QString, position);
    Set("BoxStyle", boxStyle);
    Set("Position", position);
    Set("PositionLeft", "1503");
    Set("PositionTop", "2250");
    frmMain& w = f_->Open(At(2026, 5, 12));
    const QRect expanded = WindowRect();
    const QPoint title = TitleOnScreen();
    w.SavePosition();
    const QString left = Stored("PositionLeft"), top = Stored("PositionTop");

    w.ToggleExpand();
    QVERIFY(w.CompactMode());
    QCOMPARE(w.size(), w.lblDate()->size());
    QCOMPARE(TitleOnScreen(), title);
    QCOMPARE(w.imgQMark()->x(), w.lblDate()->x() + Px(36));
    // A position saved while collapsed is the expanded window's.
    QVERIFY(w.pos() != expanded.topLeft());
    w.SavePosition();
    QCOMPARE(Stored("PositionLeft"), left);
    QCOMPARE(Stored("PositionTop"), top);

    w.ToggleExpand();
    QVERIFY(!w.CompactMode());
    QCOMPARE(WindowRect(), expanded);
    QCOMPARE(TitleOnScreen(), title);
    for (int i = 0; i < 6; ++i) w.ToggleExpand();  // round trips do not creep
    QCOMPARE(WindowRect(), expanded);
  }

  // The clock ticks from `from` to `to`. An expanded window is looking at August when it does; a
  // collapsed one has May brought up before it is expanded again.
  void newDay_data() {
    QTest::addColumn<NewDayRow>("row");
    for (const NewDayRow& r : std::initializer_list<NewDayRow>{
             {"no new day", At(2026, 1, 30, 9, 0), At(2026, 1, 30, 23, 59), false, "", "", "08/2026"},
             {"midnight, expanded", At(2026, 1, 31, 23, 59), At(2026, 2, 1, 0, 0), false, "February starts|Rent",
              "New Year|Last of January", "02/2026"},
             {"same day number, next month", At(2026, 2, 5, 9, 0), At(2026, 3, 5, 9, 0), false, "Taxes due", "",
              "03/2026"},
             {"midnight, collapsed, across a month end", At(2026, 1, 31, 23, 59), At(2026, 2, 1, 0, 0), true,
              "February starts|Rent", "New Year|Last of January", "02/2026"},
             {"midnight, collapsed, within a month", At(2026, 1, 30, 23, 59), At(2026, 1, 31, 0, 0), true,
              "Last of January", "Rent|February starts", "01/2026"}})
      QTest::newRow(r.name) << r;
  }
  void newDay() {
    QFETCH(NewDayRow, row);
    const Date to = row.to.date;
    const bool collapsed = row.collapsed;
    const QStringList announced = QString(row.announced).split('|', Qt::SkipEmptyParts);
    const QStringList notAnnounced = QString(row.notAnnounced).split('|', Qt::SkipEmptyParts);
    const QString key = row.key;
    WriteEvents({"01/01/2026000000=New Year", "01/02/2026000000=February starts", "01/01/9998000000=Rent",
                 "31/01/2026000000=Last of January", "05/03/2026000000=Taxes due"});
    Set("Expand", collapsed ? "0" : "1");
    frmMain& w = f_->Open(row.from);
    MonthView& m = f_->app.month;
    const std::string keyBefore = m.MonthKey;
    if (!collapsed) {
      m.ShowMonthTitle(DateSerial(2026, 8, 1), f_->app.settings);
      m.FillMonthGrid(DateSerial(2026, 8, 1), f_->app.settings, f_->app.events);
    }
    f_->boxes.shown.clear();

    f_->SetNow(row.to);
    w.TimerDate_Timer();
    QCoreApplication::sendPostedEvents();  // the greeting opens from the event loop

    const QStringList greetings = Greetings();
    QCOMPARE(greetings.size(), announced.isEmpty() ? 0 : 1);
    QCOMPARE(f_->beeps, announced.isEmpty() ? 0 : 1);
    for (const QString& text : announced) QCOMPARE(greetings[0].count(text), 1);
    for (const QString& text : notAnnounced) QCOMPARE(greetings[0].count(text), 0);
    if (collapsed) {
      // The hidden grid waits for the expand, which then shows today's month in the rows it needs.
      QCOMPARE(m.MonthKey, keyBefore);
      QVERIFY(w.NewDayPending());
      QCOMPARE(w.height(), w.lblDate()->height());
      m.ShowMonthTitle(DateSerial(2026, 5, 1), f_->app.settings);
      m.FillMonthGrid(DateSerial(2026, 5, 1), f_->app.settings, f_->app.events);
      w.ToggleExpand();
      QCOMPARE(w.size(), QSize(Px(m.ExpandedWidth), Px(m.ExpandedHeight)));
    }
    QVERIFY(!w.NewDayPending());
    QCOMPARE(QString::fromStdString(m.MonthKey), key);
    if (announced.isEmpty()) return;
    QCOMPARE(MonthOf(m.ShownMonthDate), MonthOf(to));
    QVERIFY(w.lblDate()->text().contains(QLocale(QLocale::English).monthName(MonthOf(to))));
    const int box = m.BoxOfDay(DayOf(to));
    QCOMPARE(w.lblData(box)->palette().color(QPalette::Window), ColourFromBgr(f_->app.settings.BackGroundToday));
    for (const QString& text : announced) QCOMPARE(w.lblData(box)->text().count(text), 1);
  }

  void todaysEventsGreeting_data() {
    QTest::addColumn<QString>("notifyMe");
    QTest::addColumn<bool>("eventToday");
    QTest::newRow("event, notify on") << "1" << true;
    QTest::newRow("event, notify off") << "0" << true;
    QTest::newRow("no event, notify on") << "1" << false;
  }
  void todaysEventsGreeting() {
    QFETCH(QString, notifyMe);
    QFETCH(bool, eventToday);
    WriteEvents({eventToday ? "12/05/2026000000=Call Ann~about the car" : "13/05/2026000000=Tomorrow"});
    Set("NotifyMe", notifyMe);
    Set("DateFormat", "dd/mm/yyyy");
    frmMain& w = f_->Open(At(2026, 5, 12));
    f_->boxes.shown.clear();
    w.ShowTodaysEvents();
    const bool shown = eventToday && notifyMe == "1";
    QCOMPARE(Greetings().size(), shown ? 1 : 0);
    QCOMPARE(f_->beeps, shown ? 1 : 0);
    if (!shown) return;
    // The layout is the startup test's; here the date in the chosen format and the event's break.
    QVERIFY(Greetings()[0].startsWith(QStringLiteral("12/05/2026 ")));
    QVERIFY(Greetings()[0].contains(QStringLiteral("\r\n\r\nCall Ann\r\nabout the car ")));
    QCOMPARE(f_->boxes.shown.back().icon, MsgIcon::Information);
  }

  void eventTextIsShownAsPlainText() {
    WriteEvents({"12/05/2026000000=<b>bold</b> & <i>x</i>"});
    frmMain& w = f_->Open(At(2026, 5, 12));
    QLabel* label = w.lblData(f_->app.month.BoxOfDay(12));
    QCOMPARE(label->textFormat(), Qt::PlainText);
    QVERIFY(label->text().contains(QStringLiteral("<b>bold</b> & <i>x</i>")));
    // (The tooltip's escaping is the painter test's.)
    for (int i = 0; i < 42; ++i) QCOMPARE(w.lblDay(i)->textFormat(), Qt::PlainText);
    QCOMPARE(w.lblDate()->textFormat(), Qt::PlainText);
  }

  void toTrayAndBackThenUnload() {
    frmMain& w = f_->Open(At(2026, 5, 12));
    MainMenus& menus = w.Menus();
    w.show();
    w.mnuToTray_Click();
    QVERIFY(!w.isVisible() && w.InTray() && w.Tray().IsShown());
    QCOMPARE(w.Tray().ToolTip(), QStringLiteral("Orlevant"));

    // Right button: the tray menu (its items in the tray are the input test's).
    w.TrayMouse(2);
    QVERIFY(menus.mnuPopUpTray()->isVisible());
    menus.mnuPopUpTray()->close();
    w.TrayMouse(3);  // any other value does nothing
    QVERIFY(w.InTray());
    w.Tray().OnActivated(QSystemTrayIcon::Trigger);
    QVERIFY(w.isVisible() && !w.InTray() && !w.Tray().IsShown());
    w.TrayMouse(2);  // tray activity while on the desktop does nothing
    QVERIFY(!menus.mnuPopUpTray()->isVisible());

    w.mnuToTray_Click();
    QVERIFY(w.MenuObject().IsAttached());
    QSignalSpy unloaded(&w, &frmMain::Unloaded);
    w.Form_Unload();
    w.Form_Unload();
    QCOMPARE(unloaded.count(), 1);
    QVERIFY(!w.Tray().IsShown());
    QVERIFY(!w.MenuObject().IsAttached());
    QVERIFY(!w.TimerDate().isActive());
  }

  void withoutATrayTheWindowNeverVanishesAndTheItemsFollowTheTray() {
    // Started minimized at log-on before the panel: no notification area yet.
    f_->trayAvailable = false;
    Set("StartMinimized", "1");
    frmMain& w = f_->Open(At(2026, 5, 12));
    MainMenus& menus = w.Menus();
    QVERIFY(!w.InTray());
    w.show();
    QVERIFY(!menus.mnuToTray()->isEnabled() && !menus.mnuExpandToTray()->isEnabled());
    w.mnuToTray_Click();
    QVERIFY(w.isVisible() && !w.InTray() && !w.Tray().IsShown());

    // The panel has come (that it then works is the place-and-tray test's): the items are enabled.
    f_->trayAvailable = true;
    emit menus.mnuPopUpTray()->aboutToShow();
    QVERIFY(menus.mnuToTray()->isEnabled() && menus.mnuExpandToTray()->isEnabled());

    // And gone again: the compact title menu no longer offers it.
    f_->trayAvailable = false;
    emit menus.mnuPopUpExpand()->aboutToShow();
    QVERIFY(!menus.mnuToTray()->isEnabled() && !menus.mnuExpandToTray()->isEnabled());
  }

  void quickReminderOnAndOff_data() {
    QTest::addColumn<bool>("on");
    QTest::newRow("on at load") << true;
    QTest::newRow("off at load") << false;
  }
  void quickReminderOnAndOff() {
    QFETCH(bool, on);
    WriteEvents({"12/05/2026010000=Remind me"});
    Set("Reminders", on ? "1" : "0");
    frmMain& w = f_->Open(At(2026, 5, 12));
    MainMenus& menus = w.Menus();
    const auto expectState = [&](bool isOn) {
      QCOMPARE(f_->app.settings.Reminders, isOn ? 1 : 0);
      QCOMPARE(Stored("Reminders"), QString(isOn ? "1" : "0"));
      QCOMPARE(menus.mnuQuickReminderOn()->isChecked(), isOn);  // the menu's own look is the menus test's
      for (QMenu* lead : {menus.mnuQuickReminderDays(), menus.mnuQuickReminderHours(), menus.mnuQuickReminderMinutes()})
        QCOMPARE(lead->menuAction()->isEnabled(), isOn);
      const int box = f_->app.month.BoxOfDay(12);
      QVERIFY(w.imgRemind(box)->isVisibleTo(&w));
      QCOMPARE(f_->app.month.imgRemind[box].Picture, isOn ? kReminderOnPicture : kReminderOffPicture);
    };
    expectState(on);
    w.mnuQuickReminderOff_Click();
    expectState(false);
    menus.mnuQuickReminderOn()->trigger();
    expectState(true);
  }

  void theTitleTicksWithTheClock() {
    Set("ShowTime", "1");
    frmMain& w = f_->Open(At(2026, 12, 5, 14, 7));
    QCOMPARE(w.lblDate()->text(), QStringLiteral("2:07 PM - Saturday - December 5, 2026"));
    f_->SetNow(At(2026, 12, 5, 14, 8));
    w.TimerDate_Timer();
    QCOMPARE(w.lblDate()->text(), QStringLiteral("2:08 PM - Saturday - December 5, 2026"));
  }

  void anEventsFileThatCannotBeReadIsReported() {
    std::filesystem::create_directories(EventFilePath(DefaultAllUsersPath()));  // a folder in its place
    frmMain& w = f_->Open(At(2026, 5, 12));
    QVERIFY(!w.IsUnloaded());
    QCOMPARE(f_->boxes.shown.size(), std::size_t{1});
    QCOMPARE(f_->boxes.shown[0].title, AppTitle() + " - Events File");
    QCOMPARE(f_->boxes.shown[0].icon, MsgIcon::Warning);
  }
};

QTEST_MAIN(TestFrmMain)
#include "test_frm_main.moc"
