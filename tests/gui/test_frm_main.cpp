// The main window: its load, the clock's new day, collapsing and expanding, the tray and the
// reminders switch. Offscreen, with a fixed clock, scripted message boxes and a temporary home.

#include <QLabel>
#include <QMenu>
#include <QSignalSpy>
#include <QtTest>

#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "core/clock.h"
#include "core/events_file.h"
#include "mainwindow/app_context.h"
#include "mainwindow/frm_main.h"
#include "mainwindow/todays_events.h"
#include "platform/date_format.h"
#include "platform/paths.h"
#include "platform/qt/menu_styler.h"
#include "support/scripted_message_boxes.h"
#include "support/temp_home.h"

using namespace orlevant;
using orlevant::testing::ScriptedMessageBoxes;
using orlevant::testing::TempHome;

namespace {

DateTime At(int y, int m, int d, int hour = 12, int minute = 0) { return DateTime{DateSerial(y, m, d), hour, minute, 0}; }

int Px(int twips) { return (twips + 7) / 15; }

void WriteEvents(const std::vector<std::string>& lines) {
  std::ofstream out(EventFilePath(DefaultAllUsersPath()), std::ios::binary);
  for (const std::string& line : lines) out << line << "\r\n";
}

// How often a text occurs in another.
int Occurrences(const std::string& haystack, const std::string& needle) {
  int count = 0;
  for (std::size_t at = haystack.find(needle); at != std::string::npos; at = haystack.find(needle, at + 1)) ++count;
  return count;
}

}  // namespace

class TestFrmMain : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<TempHome> home_;
  std::unique_ptr<FixedClock> clock_;
  std::unique_ptr<ScriptedMessageBoxes> boxes_;
  std::unique_ptr<AppContext> app_;
  std::unique_ptr<frmMain> window_;
  bool trayAvailable_ = true;
  int beeps_ = 0;

  void Set(const char* key, const char* value) { QVERIFY(app_->store.Write(key, value)); }
  QString Stored(const char* key) const { return QString::fromStdString(app_->store.Read(key, "(missing)")); }

  frmMain& Load(DateTime now) {
    clock_->Set(now);
    FrmMainServices services;
    services.trayAvailable = [this] { return trayAvailable_; };
    services.beep = [this] { ++beeps_; };
    window_ = std::make_unique<frmMain>(*app_, services);
    window_->Form_Load();
    // The tests drive the clock themselves.
    window_->TimerDate().stop();
    return *window_;
  }

  // The text of today's-events greetings shown so far.
  std::vector<std::string> Greetings() const {
    std::vector<std::string> texts;
    for (const auto& box : boxes_->shown)
      if (box.title == AppTitle() + " - Today's Event") texts.push_back(box.text);
    return texts;
  }

  QRect WindowRect() const { return QRect(window_->pos(), window_->size()); }
  // Where the title strip stands on the screen.
  QPoint TitleOnScreen() const { return window_->pos() + window_->lblDate()->pos(); }

 private slots:
  void init() {
    home_ = std::make_unique<TempHome>();
    clock_ = std::make_unique<FixedClock>(At(2026, 5, 12));
    SetAppClock(clock_.get());
    boxes_ = std::make_unique<ScriptedMessageBoxes>();
    app_ = std::make_unique<AppContext>();
    app_->month.FormatDateText = [](const DateTime& when, std::string_view pattern) {
      return FormatDate(when, pattern, EnglishLocaleNames());
    };
    trayAvailable_ = true;
    beeps_ = 0;
  }

  void cleanup() {
    window_.reset();
    app_.reset();
    boxes_.reset();
    SetAppClock(nullptr);
    clock_.reset();
    home_.reset();
  }

  void loadStartsCollapsedOrExpandedByTheExpandSetting_data() {
    QTest::addColumn<QString>("expand");
    QTest::addColumn<QString>("boxStyle");
    QTest::addColumn<bool>("compact");
    QTest::newRow("expand 1, medium") << "1" << "1" << false;
    QTest::newRow("expand 0, medium") << "0" << "1" << true;
    QTest::newRow("expand 0, small") << "0" << "0" << true;
    QTest::newRow("expand 1, small") << "1" << "0" << false;
    QTest::newRow("expand 1, large") << "1" << "2" << false;
  }
  void loadStartsCollapsedOrExpandedByTheExpandSetting() {
    QFETCH(QString, expand);
    QFETCH(QString, boxStyle);
    QFETCH(bool, compact);
    Set("Expand", expand.toUtf8().constData());
    Set("BoxStyle", boxStyle.toUtf8().constData());
    frmMain& w = Load(At(2026, 5, 12));
    const MonthView& m = app_->month;

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
    QVERIFY(w.TimerDate().interval() == 1000);
    QVERIFY(!w.NewDayPending());
  }

  void collapseThenExpandRestoresTheExactGeometry_data() {
    QTest::addColumn<QString>("boxStyle");
    QTest::addColumn<QString>("position");
    QTest::newRow("medium, centred") << "1" << "1";
    QTest::newRow("small, top left") << "0" << "3";
    QTest::newRow("large, top right") << "2" << "4";
    QTest::newRow("medium, last place") << "1" << "0";
  }
  void collapseThenExpandRestoresTheExactGeometry() {
    QFETCH(QString, boxStyle);
    QFETCH(QString, position);
    Set("BoxStyle", boxStyle.toUtf8().constData());
    Set("Position", position.toUtf8().constData());
    Set("PositionLeft", "1503");
    Set("PositionTop", "2250");
    frmMain& w = Load(At(2026, 5, 12));
    const QRect expanded = WindowRect();
    const QPoint title = TitleOnScreen();

    w.ToggleExpand();
    QVERIFY(w.CompactMode());
    QCOMPARE(w.height(), w.lblDate()->height());
    QCOMPARE(w.width(), w.lblDate()->width());
    QCOMPARE(TitleOnScreen(), title);
    QCOMPARE(w.imgQMark()->x(), w.lblDate()->x() + Px(36));

    w.ToggleExpand();
    QVERIFY(!w.CompactMode());
    QCOMPARE(WindowRect(), expanded);
    QCOMPARE(TitleOnScreen(), title);

    // Several round trips do not creep.
    for (int i = 0; i < 6; ++i) w.ToggleExpand();
    QCOMPARE(WindowRect(), expanded);
  }

  void positionSavedWhileCollapsedIsTheExpandedWindowsLeft() {
    Set("Position", "3");
    frmMain& w = Load(At(2026, 5, 12));
    const int expandedLeft = w.pos().x();
    QCOMPARE(expandedLeft, 0);
    w.ToggleExpand();
    QVERIFY(w.pos().x() != expandedLeft);
    w.SavePosition();
    QCOMPARE(Stored("PositionLeft"), QString::number(expandedLeft * 15));
    QCOMPARE(Stored("PositionTop"), QStringLiteral("0"));
  }

  void midnightWhileExpandedRefillsTodaysMonth() {
    WriteEvents({"01/06/2026000000=Start of June", "01/01/9998000000=Rent"});
    frmMain& w = Load(At(2026, 5, 31, 23, 59));
    MonthView& m = app_->month;
    // The user looks at August when the day turns.
    m.ShowMonthTitle(DateSerial(2026, 8, 1), app_->settings);
    m.FillMonthGrid(DateSerial(2026, 8, 1), app_->settings, app_->events);
    boxes_->shown.clear();

    clock_->Set(At(2026, 6, 1, 0, 0));
    w.TimerDate_Timer();

    QCOMPARE(m.MonthKey, std::string("06/2026"));
    QCOMPARE(MonthOf(m.ShownMonthDate), 6);
    const int box = m.BoxOfDay(1);
    const std::string shownText = w.lblData(box)->text().toStdString();
    QVERIFY(shownText.find("Start of June") != std::string::npos);
    QVERIFY(shownText.find("Rent") != std::string::npos);
    QCOMPARE(w.lblData(box)->palette().color(QPalette::Window),
             QColor(0xFF, 0xD7, 0xD7));  // today's colour, &HD7D7FF
    const auto greetings = Greetings();
    QCOMPARE(greetings.size(), std::size_t{1});
    QCOMPARE(Occurrences(greetings[0], "Start of June"), 1);
    QCOMPARE(Occurrences(greetings[0], "Rent"), 1);
    QCOMPARE(beeps_, 1);
    // The grid already shows the new day: a later collapse and expand keeps the shown month.
    QVERIFY(!w.NewDayPending());
  }

  void noNewDayNoRefillAndNoGreeting() {
    WriteEvents({"12/05/2026000000=Dentist"});
    frmMain& w = Load(At(2026, 5, 12, 10, 0));
    boxes_->shown.clear();
    app_->month.lblData[3].Caption = "marker";
    clock_->Set(At(2026, 5, 12, 23, 59));
    w.TimerDate_Timer();
    QCOMPARE(app_->month.lblData[3].Caption, std::string("marker"));
    QVERIFY(Greetings().empty());
    QCOMPARE(beeps_, 0);
  }

  void midnightWhileCollapsedAnnouncesEachOfTodaysEventsOnce_data() {
    QTest::addColumn<QDate>("from");
    QTest::addColumn<QDate>("to");
    QTest::addColumn<QStringList>("announced");
    QTest::addColumn<QStringList>("notAnnounced");
    QTest::addColumn<QString>("keyAfterExpand");
    // Across a month end the hidden grid's box of day 1 is January's, with January's events.
    QTest::newRow("across a month end")
        << QDate(2026, 1, 31) << QDate(2026, 2, 1) << QStringList{"February starts", "Rent"}
        << QStringList{"New Year", "Last of January"} << "02/2026";
    // Within a month a second pass over the boxes would add every event once more.
    QTest::newRow("within a month") << QDate(2026, 1, 30) << QDate(2026, 1, 31) << QStringList{"Last of January"}
                                    << QStringList{"Rent", "February starts"} << "01/2026";
  }
  void midnightWhileCollapsedAnnouncesEachOfTodaysEventsOnce() {
    QFETCH(QDate, from);
    QFETCH(QDate, to);
    QFETCH(QStringList, announced);
    QFETCH(QStringList, notAnnounced);
    QFETCH(QString, keyAfterExpand);
    WriteEvents({"01/01/2026000000=New Year", "01/02/2026000000=February starts", "01/01/9998000000=Rent",
                 "31/01/2026000000=Last of January"});
    Set("Expand", "0");
    frmMain& w = Load(At(from.year(), from.month(), from.day(), 23, 59));
    QVERIFY(w.CompactMode());
    const std::string oldKey = app_->month.MonthKey;
    boxes_->shown.clear();

    clock_->Set(At(to.year(), to.month(), to.day(), 0, 0));
    w.TimerDate_Timer();

    const auto greetings = Greetings();
    QCOMPARE(greetings.size(), std::size_t{1});
    for (const QString& text : announced) QCOMPARE(Occurrences(greetings[0], text.toStdString()), 1);
    for (const QString& text : notAnnounced) QCOMPARE(Occurrences(greetings[0], text.toStdString()), 0);
    // The hidden grid waits for the expand.
    QCOMPARE(app_->month.MonthKey, oldKey);
    QVERIFY(w.NewDayPending());
    QCOMPARE(w.height(), w.lblDate()->height());

    w.ToggleExpand();
    QVERIFY(!w.NewDayPending());
    QCOMPARE(QString::fromStdString(app_->month.MonthKey), keyAfterExpand);
    // The window takes the rows today's month needs (February 2026 needs four, January five).
    QCOMPARE(w.height(), Px(app_->month.ExpandedHeight));
    QCOMPARE(w.width(), Px(app_->month.ExpandedWidth));
    const int box = app_->month.BoxOfDay(to.day());
    for (const QString& text : announced)
      QCOMPARE(Occurrences(w.lblData(box)->text().toStdString(), text.toStdString()), 1);
  }

  void aChangeToTheSameDayNumberOfAnotherMonthIsANewDay() {
    WriteEvents({"05/04/2026000000=Taxes due"});
    frmMain& w = Load(At(2026, 3, 5, 9, 0));
    QCOMPARE(app_->month.MonthKey, std::string("03/2026"));
    boxes_->shown.clear();

    clock_->Set(At(2026, 4, 5, 9, 0));
    w.TimerDate_Timer();

    QCOMPARE(app_->month.MonthKey, std::string("04/2026"));
    QCOMPARE(app_->month.CurrentMonth, 4);
    const auto greetings = Greetings();
    QCOMPARE(greetings.size(), std::size_t{1});
    QVERIFY(greetings[0].find("Taxes due") != std::string::npos);
  }

  void todaysEventsGreeting_data() {
    QTest::addColumn<QString>("notifyMe");
    QTest::addColumn<bool>("eventToday");
    QTest::addColumn<bool>("shown");
    QTest::newRow("event, notify on") << "1" << true << true;
    QTest::newRow("event, notify off") << "0" << true << false;
    QTest::newRow("no event, notify on") << "1" << false << false;
  }
  void todaysEventsGreeting() {
    QFETCH(QString, notifyMe);
    QFETCH(bool, eventToday);
    QFETCH(bool, shown);
    WriteEvents({eventToday ? "12/05/2026000000=Call Ann~about the car" : "13/05/2026000000=Tomorrow"});
    Set("NotifyMe", notifyMe.toUtf8().constData());
    Set("DateFormat", "dd/mm/yyyy");
    frmMain& w = Load(At(2026, 5, 12));
    boxes_->shown.clear();
    w.ShowTodaysEvents();
    QCOMPARE(Greetings().size(), shown ? std::size_t{1} : std::size_t{0});
    QCOMPARE(beeps_, shown ? 1 : 0);
    if (shown) {
      const std::string widen(10, ' ');
      QCOMPARE(boxes_->shown.back().text, "12/05/2026" + widen + "\r\n" + std::string(15, '-') + widen +
                                              "\r\n\r\nCall Ann\r\nabout the car" + widen + "\r\n\r\n");
      QCOMPARE(boxes_->shown.back().icon, MsgIcon::Information);
    }
  }

  void eventTextIsShownAsPlainText() {
    WriteEvents({"12/05/2026000000=<b>bold</b> & <i>x</i>"});
    Set("ShowToolTips", "1");
    frmMain& w = Load(At(2026, 5, 12));
    const int box = app_->month.BoxOfDay(12);
    QLabel* label = w.lblData(box);
    QCOMPARE(label->textFormat(), Qt::PlainText);
    QVERIFY(label->text().contains(QStringLiteral("<b>bold</b> & <i>x</i>")));
    // The tooltip is markup of our own making around the escaped text.
    QVERIFY(label->toolTip().contains(QStringLiteral("&lt;b&gt;bold&lt;/b&gt; &amp; &lt;i&gt;")));
    QVERIFY(!label->toolTip().contains(QStringLiteral("<b>")));
    for (int i = 0; i < 42; ++i) QCOMPARE(w.lblDay(i)->textFormat(), Qt::PlainText);
    QCOMPARE(w.lblDate()->textFormat(), Qt::PlainText);
  }

  void toTrayAndBackWithATray() {
    frmMain& w = Load(At(2026, 5, 12));
    w.show();
    QVERIFY(w.Menus().mnuToTray()->isEnabled());
    w.mnuToTray_Click();
    QVERIFY(!w.isVisible());
    QVERIFY(w.InTray());
    QVERIFY(w.Tray().IsShown());
    QCOMPARE(w.Tray().ToolTip(), QStringLiteral("Orlevant"));

    // Right button: the tray menu with only "To Desktop" of the two.
    w.TrayMouse(2);
    QVERIFY(w.Menus().mnuPopUpTray()->isVisible());
    QVERIFY(w.Menus().mnuShow()->isVisible());
    QVERIFY(!w.Menus().mnuToTray()->isVisible());
    w.Menus().mnuPopUpTray()->close();
    QVERIFY(w.InTray());

    // Any other value does nothing; the left button (a click on the icon) brings the window back.
    w.TrayMouse(3);
    QVERIFY(w.InTray());
    w.Tray().OnActivated(QSystemTrayIcon::Trigger);
    QVERIFY(w.isVisible());
    QVERIFY(!w.InTray());
    QVERIFY(!w.Tray().IsShown());

    // Tray activity while on the desktop does nothing.
    w.TrayMouse(2);
    QVERIFY(!w.Menus().mnuPopUpTray()->isVisible());
  }

  void withoutATrayTheWindowNeverVanishes() {
    trayAvailable_ = false;
    Set("StartMinimized", "1");
    frmMain& w = Load(At(2026, 5, 12));
    QVERIFY(!w.InTray());
    QVERIFY(!w.Menus().mnuToTray()->isEnabled());
    QVERIFY(!w.Menus().mnuExpandToTray()->isEnabled());
    w.show();
    w.mnuToTray_Click();
    QVERIFY(w.isVisible());
    QVERIFY(!w.InTray());
    QVERIFY(!w.Tray().IsShown());
  }

  void unloadRemovesTheTrayIconAndDetachesTheMenusOnce() {
    frmMain& w = Load(At(2026, 5, 12));
    QVERIFY(w.MenuHooked());
    QVERIFY(w.MenuObject().IsAttached());
    w.show();
    w.mnuToTray_Click();
    QVERIFY(w.Tray().IsShown());
    QSignalSpy unloaded(&w, &frmMain::Unloaded);
    w.Form_Unload();
    w.Form_Unload();
    QCOMPARE(unloaded.count(), 1);
    QVERIFY(!w.Tray().IsShown());
    QVERIFY(!w.MenuObject().IsAttached());
    QVERIFY(!w.TimerDate().isActive());
  }

  void quickReminderOnAndOff_data() {
    QTest::addColumn<QString>("stored");
    QTest::addColumn<bool>("on");
    QTest::newRow("on at load") << "1" << true;
    QTest::newRow("off at load") << "0" << false;
  }
  void quickReminderOnAndOff() {
    QFETCH(QString, stored);
    QFETCH(bool, on);
    WriteEvents({"12/05/2026010000=Remind me"});
    Set("Reminders", stored.toUtf8().constData());
    frmMain& w = Load(At(2026, 5, 12));
    MainMenus& menus = w.Menus();

    const auto expectState = [&](bool isOn) {
      QCOMPARE(app_->settings.Reminders, isOn ? 1 : 0);
      QCOMPARE(Stored("Reminders"), QString(isOn ? "1" : "0"));
      QCOMPARE(MenuCaptionOf(*menus.mnuQuickReminder()->menuAction()),
               std::string(isOn ? "Quick Reminder|#OnCheck" : "Quick Reminder|#OffCheck"));
      QCOMPARE(menus.mnuQuickReminderOn()->isChecked(), isOn);
      QCOMPARE(menus.mnuQuickReminderOff()->isChecked(), !isOn);
      QCOMPARE(menus.mnuQuickReminderDays()->menuAction()->isEnabled(), isOn);
      QCOMPARE(menus.mnuQuickReminderHours()->menuAction()->isEnabled(), isOn);
      QCOMPARE(menus.mnuQuickReminderMinutes()->menuAction()->isEnabled(), isOn);
      const int box = app_->month.BoxOfDay(12);
      QVERIFY(w.imgRemind(box)->isVisibleTo(&w));
      QCOMPARE(app_->month.imgRemind[box].Picture, isOn ? kReminderOnPicture : kReminderOffPicture);
    };
    expectState(on);
    w.mnuQuickReminderOff_Click();
    expectState(false);
    menus.mnuQuickReminderOn()->trigger();
    expectState(true);
  }

  void theTitleTicksWithTheClock() {
    Set("ShowTime", "1");
    frmMain& w = Load(At(2026, 12, 5, 14, 7));
    QCOMPARE(w.lblDate()->text(), QStringLiteral("2:07 PM - Saturday - December 5, 2026"));
    clock_->Set(At(2026, 12, 5, 14, 8));
    w.TimerDate_Timer();
    QCOMPARE(w.lblDate()->text(), QStringLiteral("2:08 PM - Saturday - December 5, 2026"));
  }

  void theSizeMenuChecksTheSizeInUse_data() {
    QTest::addColumn<QString>("boxStyle");
    QTest::addColumn<QString>("expand");
    QTest::newRow("small") << "0" << "1";
    QTest::newRow("medium") << "1" << "1";
    QTest::newRow("large") << "2" << "1";
    QTest::newRow("large, collapsed") << "2" << "0";
  }
  void theSizeMenuChecksTheSizeInUse() {
    QFETCH(QString, boxStyle);
    QFETCH(QString, expand);
    Set("BoxStyle", boxStyle.toUtf8().constData());
    Set("Expand", expand.toUtf8().constData());
    frmMain& w = Load(At(2026, 5, 12));
    const int style = boxStyle.toInt();
    QCOMPARE(w.Menus().mnuSmall()->isChecked(), style == 0);
    QCOMPARE(w.Menus().mnuMedium()->isChecked(), style == 1);
    QCOMPARE(w.Menus().mnuLarge()->isChecked(), style == 2);
  }

  void theTrayItemsFollowATrayThatComesOrGoes() {
    // Started at log-on before the panel: no notification area yet.
    trayAvailable_ = false;
    frmMain& w = Load(At(2026, 5, 12));
    w.show();
    QVERIFY(!w.Menus().mnuToTray()->isEnabled());
    QVERIFY(!w.Menus().mnuExpandToTray()->isEnabled());

    // The panel has come: the next menu that offers "To Tray" offers it enabled, and it works.
    trayAvailable_ = true;
    emit w.Menus().mnuPopUpTray()->aboutToShow();
    QVERIFY(w.Menus().mnuToTray()->isEnabled());
    QVERIFY(w.Menus().mnuExpandToTray()->isEnabled());
    w.Menus().mnuToTray()->trigger();
    QVERIFY(w.InTray());
    QVERIFY(!w.isVisible());
    w.mnuShow_Click();

    // And gone again: the compact title menu no longer offers it.
    trayAvailable_ = false;
    emit w.Menus().mnuPopUpExpand()->aboutToShow();
    QVERIFY(!w.Menus().mnuToTray()->isEnabled());
    QVERIFY(!w.Menus().mnuExpandToTray()->isEnabled());
  }

  void anExpandThatCatchesUpANewDayShowsTodaysMonthInTitleAndGrid() {
    Set("Expand", "0");
    frmMain& w = Load(At(2026, 1, 31, 23, 59));
    MonthView& m = app_->month;
    clock_->Set(At(2026, 2, 1, 0, 0));
    w.TimerDate_Timer();
    QVERIFY(w.NewDayPending());
    // Another month is brought up while the window is still collapsed.
    m.ShowMonthTitle(DateSerial(2026, 5, 1), app_->settings);
    m.FillMonthGrid(DateSerial(2026, 5, 1), app_->settings, app_->events);

    w.ToggleExpand();

    QCOMPARE(m.MonthKey, std::string("02/2026"));
    QCOMPARE(MonthOf(m.ShownMonthDate), 2);
    QVERIFY(w.lblDate()->text().contains(QStringLiteral("February")));
    QCOMPARE(m.lblData[m.BoxOfDay(1)].BackColor, app_->settings.BackGroundToday);
  }

  void anEventsFileThatCannotBeReadIsReported() {
    // A folder where the file should be: the load fails and says so.
    std::filesystem::create_directories(EventFilePath(DefaultAllUsersPath()));
    frmMain& w = Load(At(2026, 5, 12));
    QVERIFY(!w.IsUnloaded());
    QCOMPARE(boxes_->shown.size(), std::size_t{1});
    QCOMPARE(boxes_->shown[0].title, AppTitle() + " - Events File");
    QCOMPARE(boxes_->shown[0].icon, MsgIcon::Warning);
  }
};

QTEST_MAIN(TestFrmMain)
#include "test_frm_main.moc"
