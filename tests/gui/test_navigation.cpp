// Moving through months and years (arrows, F10/F12, the months menu, the year menu, "Today!"),
// the three calendar sizes, the first day of the week from a heading, and dragging by the title.

#include <QtTest>

#include "gui/main_window_fixture.h"
#include "platform/qt/bgr_colour.h"

using namespace orlevant;
using orlevant::testing::At;
using orlevant::testing::MainWindowFixture;
using orlevant::testing::Px;

class TestNavigation : public QObject {
  Q_OBJECT

  std::unique_ptr<MainWindowFixture> f_;

  void Keys(frmMain& w, Qt::Key key, int times) {
    for (int i = 0; i < times; ++i) QTest::keyRelease(&w, key);
  }
  // The grid shows the month of `shown`: day 1 in the box its weekday and the first day give.
  void ExpectGridOf(frmMain& w, Date shown) {
    const int first = WeekdayOf(DateSerial(YearOf(shown), MonthOf(shown), 1));
    const int box = (first - f_->app.settings.FirstDay + 7) % 7;
    QCOMPARE(w.lblDay(box)->text(), QStringLiteral("1"));
    QVERIFY(w.lblDay(box)->isEnabled());
    if (box > 0) QVERIFY(!w.lblDay(box - 1)->isEnabled());
  }

 private slots:
  void init() { f_ = std::make_unique<MainWindowFixture>(At(2026, 5, 12)); }
  void cleanup() { f_.reset(); }

  void monthKeysAndArrows_data() {
    QTest::addColumn<int>("startMonth");  // of 2026, chosen from the months menu; 0: today's
    QTest::addColumn<QString>("keys");    // "<" F10, ">" F12, "[" and "]" the arrows clicked
    QTest::addColumn<QString>("shown");
    QTest::newRow("F12 over the year end") << 12 << ">" << "2027-01-01";
    QTest::newRow("F10 over the year end") << 1 << "<" << "2025-12-01";
    QTest::newRow("arrows over both year ends") << 12 << "]]<<[[[" << "2026-09-01";
    QTest::newRow("twelve F12 from today") << 0 << ">>>>>>>>>>>>" << "2027-05-01";
    QTest::newRow("twenty-four there and back") << 3
                                                << ">>>>>>>>>>>>>>>>>>>>>>>><<<<<<<<<<<<<<<<<<<<<<<<"
                                                << "2026-03-01";
  }
  void monthKeysAndArrows() {
    QFETCH(int, startMonth);
    QFETCH(QString, keys);
    QFETCH(QString, shown);
    frmMain& w = f_->Load();
    if (startMonth) w.Menus().mnuMonths(startMonth)->trigger();
    for (const QChar k : keys) {
      if (k == '<') Keys(w, Qt::Key_F10, 1);
      if (k == '>') Keys(w, Qt::Key_F12, 1);
      if (k == '[') MainWindowFixture::Release(w.lblPreviousMonth(), Qt::LeftButton);
      if (k == ']') MainWindowFixture::Release(w.lblNextMonth(), Qt::MiddleButton);
    }
    QCOMPARE(QString::fromStdString(f_->Shown()), shown);
    ExpectGridOf(w, f_->Month().ShownMonthDate);
    QVERIFY(!f_->TakeOpenMenu());
  }

  // The year menu offers the years around the shown month's, not around today's.
  void yearMenu_data() {
    QTest::addColumn<int>("yearsAway");  // where the window stands before, in F12 steps of a year
    QTest::addColumn<int>("item");       // 1..4
    QTest::addColumn<QString>("captions");
    QTest::addColumn<QString>("shown");
    QTest::newRow("this year, two back") << 0 << 1 << "2024 2025 2027 2028" << "2024-05-01";
    QTest::newRow("this year, one on") << 0 << 3 << "2024 2025 2027 2028" << "2027-05-01";
    QTest::newRow("in 2031, one back") << 5 << 2 << "2029 2030 2032 2033" << "2030-05-01";
    QTest::newRow("in 2031, two on") << 5 << 4 << "2029 2030 2032 2033" << "2033-05-01";
    QTest::newRow("in 2024") << -2 << 3 << "2022 2023 2025 2026" << "2025-05-01";
  }
  void yearMenu() {
    QFETCH(int, yearsAway);
    QFETCH(int, item);
    QFETCH(QString, captions);
    QFETCH(QString, shown);
    frmMain& w = f_->Load();
    Keys(w, yearsAway >= 0 ? Qt::Key_F12 : Qt::Key_F10, 12 * std::abs(yearsAway));
    MainWindowFixture::RightClick(w.lblDate(), QPoint(w.lblDate()->width() / 2, 5));
    MainMenus& menus = w.Menus();
    QCOMPARE(f_->TakeOpenMenu(), menus.mnuPopUpYear());
    QAction* items[] = {menus.mnuYear1(), menus.mnuYear2(), menus.mnuYear3(), menus.mnuYear4()};
    QStringList seen;
    for (QAction* year : items) {
      seen << MenuItemText(*year);
      QVERIFY(SplitMenuCaption(MenuCaptionOf(*year)).key == "Year");
    }
    QCOMPARE(seen.join(' '), captions);
    items[item - 1]->trigger();
    QCOMPARE(QString::fromStdString(f_->Shown()), shown);
    ExpectGridOf(w, f_->Month().ShownMonthDate);
  }

  void todayFromAnotherYear() {
    frmMain& w = f_->Load();
    w.Menus().mnuMonths(2)->trigger();
    Keys(w, Qt::Key_F12, 12 * 3);
    QCOMPARE(f_->Shown(), std::string("2029-02-01"));
    w.Menus().mnuCurrentYear()->trigger();
    QCOMPARE(f_->Shown(), std::string("2026-05-12"));
    const int today = f_->Box(12);
    QCOMPARE(w.lblData(today)->palette().color(QPalette::Window), ColourFromBgr(f_->app.settings.BackGroundToday));
    QVERIFY(w.lblDate()->text().contains(QStringLiteral("May 12, 2026")));  // the date title of today's month
  }

  // The months menu greys the shown month and keeps the shown year.
  void monthsMenu_data() {
    QTest::addColumn<int>("shownMonth");
    QTest::addColumn<bool>("previousArrow");
    QTest::addColumn<int>("chosen");
    QTest::newRow("January, from <") << 1 << true << 12;
    QTest::newRow("May, from >") << 5 << false << 2;
    QTest::newRow("December, from >") << 12 << false << 1;
  }
  void monthsMenu() {
    QFETCH(int, shownMonth);
    QFETCH(bool, previousArrow);
    QFETCH(int, chosen);
    frmMain& w = f_->Load();
    Keys(w, Qt::Key_F12, 12);  // 2027: the year kept is the shown one, not today's
    w.Menus().mnuMonths(shownMonth)->trigger();
    MainWindowFixture::RightClick(previousArrow ? w.lblPreviousMonth() : w.lblNextMonth());
    QCOMPARE(f_->TakeOpenMenu(), w.Menus().mnuPopUpMonths());
    QCOMPARE(MonthOf(f_->Month().ShownMonthDate), shownMonth);  // the right button does not move
    for (int i = 1; i <= 12; ++i) QCOMPARE(w.Menus().mnuMonths(i)->isEnabled(), i != shownMonth);
    w.Menus().mnuMonths(chosen)->trigger();
    QCOMPARE(f_->Month().ShownMonthDate, DateSerial(2027, chosen, 1));
    ExpectGridOf(w, f_->Month().ShownMonthDate);
  }

  // A new size keeps the window collapsed or expanded as it was; the size in use changes nothing.
  void calendarSize_data() {
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    QTest::addColumn<bool>("collapsed");
    for (int from = 0; from <= 2; ++from)
      for (int to = 0; to <= 2; ++to)
        for (bool collapsed : {false, true})
          QTest::addRow("%d to %d%s", from, to, collapsed ? ", collapsed" : "") << from << to << collapsed;
  }
  void calendarSize() {
    QFETCH(int, from);
    QFETCH(int, to);
    QFETCH(bool, collapsed);
    f_->Set("BoxStyle", std::to_string(from));
    f_->Set("Position", "0");
    f_->Set("PositionLeft", "1500");
    f_->Set("PositionTop", "1500");
    frmMain& w = f_->Load();
    if (collapsed) w.ToggleExpand();
    const QRect before(w.pos(), w.size());
    f_->Set("BoxStyle", "untouched");
    QAction* items[] = {w.Menus().mnuSmall(), w.Menus().mnuMedium(), w.Menus().mnuLarge()};
    items[to]->trigger();

    for (int i = 0; i <= 2; ++i) QCOMPARE(items[i]->isChecked(), i == to);
    QCOMPARE(f_->app.settings.BoxStyle, to);
    QCOMPARE(w.CompactMode(), collapsed);
    if (from == to) {
      QCOMPARE(QRect(w.pos(), w.size()), before);
      QCOMPARE(f_->Stored("BoxStyle"), std::string("untouched"));
      return;
    }
    QCOMPARE(f_->Stored("BoxStyle"), std::to_string(to));
    const MonthView& m = f_->Month();
    QVERIFY(w.isVisible());
    if (collapsed) {
      QCOMPARE(w.size(), QSize(Px(m.TitleWidth), Px(m.lblDate.Geometry.Height)));
      QCOMPARE(w.pos(), QPoint(Px(1500 + m.Design.DesignArrowWidth), Px(1500)));
      QVERIFY(!w.lblNextMonth()->isVisibleTo(&w));
    } else {
      QCOMPARE(w.size(), QSize(Px(m.ExpandedWidth), Px(m.ExpandedHeight)));
      QCOMPARE(w.pos(), QPoint(Px(1500), Px(1500)));
      QVERIFY(w.lblNextMonth()->isVisibleTo(&w));
      QCOMPARE(w.lblData(0)->width(), Px(m.BoxWidth));
    }
    // The Small calendar's title is the month's name, the others today's date.
    QCOMPARE(w.lblDate()->text().startsWith(QStringLiteral("May 2026")), to == 0);
  }

  // The heading right-clicked becomes the first column.
  void weekStartFromEveryHeading_data() {
    QTest::addColumn<int>("firstDay");
    QTest::addColumn<int>("heading");
    for (int firstDay : {1, 5})
      for (int heading = 0; heading < 7; ++heading)
        QTest::addRow("first day %d, heading %d", firstDay, heading) << firstDay << heading;
  }
  void weekStartFromEveryHeading() {
    QFETCH(int, firstDay);
    QFETCH(int, heading);
    f_->Set("FirstDay", std::to_string(firstDay));
    frmMain& w = f_->Load({"12/05/2026000000=Dentist"});
    const QString name = w.lblWeek(heading)->text();
    MainWindowFixture::RightClick(w.lblWeek(heading));
    QCOMPARE(f_->TakeOpenMenu(), w.Menus().mnuPopUpWeekDay());
    w.Menus().mnuWeekDay()->trigger();
    const int expected = (firstDay - 1 + heading) % 7 + 1;
    QCOMPARE(f_->app.settings.FirstDay, expected);
    QCOMPARE(f_->Stored("FirstDay"), std::to_string(expected));
    QCOMPARE(w.lblWeek(0)->text(), name);
    ExpectGridOf(w, f_->Month().ShownMonthDate);
    QVERIFY(w.lblData(f_->Box(12))->text().contains(QStringLiteral("Dentist")));
  }

  // The window follows the mouse while the left button is held on the title; the place is stored
  // once, when the button is let go.
  void dragByTheTitle() {
    f_->Set("Position", "0");
    f_->Set("PositionLeft", "3000");
    f_->Set("PositionTop", "1500");
    frmMain& w = f_->Load();
    const QPoint start = w.pos();
    QLabel* title = w.lblDate();
    MainWindowFixture::Mouse(title, QEvent::MouseButtonPress, Qt::LeftButton, QPoint(50, 5));
    f_->Set("PositionLeft", "untouched");
    for (int step = 1; step <= 4; ++step)
      MainWindowFixture::Mouse(title, QEvent::MouseMove, Qt::LeftButton, QPoint(50 + 10, 5 + 5));
    QCOMPARE(w.pos(), start + 4 * QPoint(10, 5));
    QCOMPARE(f_->Stored("PositionLeft"), std::string("untouched"));
    MainWindowFixture::Release(title, Qt::LeftButton, QPoint(50, 5));
    QCOMPARE(f_->Stored("PositionLeft"), std::to_string((start.x() + 40) * 15));
    QCOMPARE(f_->Stored("PositionTop"), std::to_string((start.y() + 20) * 15));
    // Moves after the release only close pop-ups.
    MainWindowFixture::Move(title, QPoint(90, 9));
    QCOMPARE(w.pos(), start + QPoint(40, 20));
    QVERIFY(!f_->TakeOpenMenu());
  }

  // A double-click on the title collapses and expands; on the bare surface it goes to the tray.
  void doubleClicks() {
    frmMain& w = f_->Load();
    MainWindowFixture::DoubleClick(w.lblDate());
    QVERIFY(w.CompactMode());
    // Collapsed, the month keys still move the month; the window stays the title strip.
    const QSize strip = w.size();
    QTest::keyRelease(&w, Qt::Key_F12);
    QCOMPARE(f_->Shown(), std::string("2026-06-01"));
    QCOMPARE(w.size(), strip);
    QVERIFY(w.lblDate()->text().startsWith(QStringLiteral("June 2026")));
    MainWindowFixture::DoubleClick(w.lblDate());
    QVERIFY(!w.CompactMode());
    QCOMPARE(w.size(), QSize(Px(f_->Month().ExpandedWidth), Px(f_->Month().ExpandedHeight)));
    QTest::keyRelease(&w, Qt::Key_F10);  // May: its last box holds 6 June
    const QPoint surface = MainWindowFixture::BareSurface(w, 41);
    QVERIFY(!surface.isNull());
    MainWindowFixture::Mouse(&w, QEvent::MouseButtonDblClick, Qt::LeftButton, surface);
    QVERIFY(w.InTray() && !w.isVisible());
    // A left release on the title while in the tray brings it back.
    MainWindowFixture::Release(w.lblDate(), Qt::LeftButton);
    QVERIFY(!w.InTray() && w.isVisible());
  }

};

QTEST_MAIN(TestNavigation)
#include "test_navigation.moc"
