// Reminders through the main window's clock and the real alert window, and the quick-reminder
// items of the day menu.

#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QScopeGuard>
#include <QtTest>

#include <memory>
#include <string>
#include <vector>

#include "reminders/frm_reminder_msg.h"
#include "reminders/frm_reminders.h"
#include "reminders/reminder_alerts.h"
#include "reminder_test_support.h"
#include "reminders/reminder_sound.h"
#include "main_window_fixture.h"
#include "platform/date_format.h"
#include "support/german_names.h"

using namespace orlevant;
using orlevant::testing::At;
using orlevant::testing::WriteEvents;

namespace {

DateTime NextMinute(DateTime t) {
  if (++t.minute == 60) {
    t.minute = 0;
    if (++t.hour == 24) {
      t.hour = 0;
      t.date += std::chrono::days{1};
    }
  }
  return t;
}

using orlevant::testing::RecordingPlayer;

struct Alert {
  DateTime when;
  int kind;
  QString text;
};

int OpenAlertWindows() {
  int n = 0;
  for (QWidget* w : QApplication::topLevelWidgets())
    if (qobject_cast<frmReminderMsg*>(w) && w->isVisible()) ++n;
  return n;
}

}  // namespace

class TestReminderClock : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<RecordingPlayer> player_;
  std::unique_ptr<testing::MainWindowFixture> f_;
  std::vector<Alert> alerts_;
  int mostAtOnce_ = 0;

  // The window loaded over an events file of `lines` (none without lines), by default at 09:30 on
  // Tuesday 12 May 2026.
  frmMain& Load(const std::vector<std::string>& lines, DateTime now = At(2026, 5, 12, 9, 30), bool remindersOn = true) {
    if (!lines.empty()) WriteEvents(lines);
    if (!f_->app.store.Write("Reminders", remindersOn ? "1" : "0")) QTest::qFail("settings not written", __FILE__, __LINE__);
    return f_->Open(now);
  }

  // One tick at `t`, its alerts left on screen.
  void Tick(DateTime t) {
    f_->SetNow(t);
    f_->window->TimerDate_Timer();
  }

  // One tick at `t`; every alert it brings is read and answered with OK, one after another.
  void TickAt(DateTime t) {
    Tick(t);
    ReminderAlerts& a = f_->window->Alerts();
    while (a.Showing()) {
      mostAtOnce_ = std::max(mostAtOnce_, OpenAlertWindows());
      frmReminderMsg* alert = a.Current();
      if (!alert) {
        QCoreApplication::processEvents();  // the next alert opens from the event loop
        continue;
      }
      int kind = -1;
      for (int i = 0; i < 3; ++i)
        if (alert->imgCheckGreen(i)->isVisibleTo(alert)) kind = i;
      alerts_.push_back({t, kind, alert->lblMsg()->text()});
      alert->cmdOK()->click();
    }
  }

  int Count(const QString& text, int kind) const {
    return static_cast<int>(std::count_if(alerts_.begin(), alerts_.end(),
                                          [&](const Alert& a) { return a.text == text && a.kind == kind; }));
  }
  bool FiredAt(DateTime t, const QString& text, int kind) const {
    return std::any_of(alerts_.begin(), alerts_.end(),
                       [&](const Alert& a) { return a.when == t && a.text == text && a.kind == kind; });
  }

 private slots:
  void init() {
    player_ = std::make_unique<RecordingPlayer>();
    f_ = std::make_unique<testing::MainWindowFixture>(At(2026, 5, 12, 9, 30));
    alerts_.clear();
    mostAtOnce_ = 0;
  }

  void cleanup() {
    f_.reset();
    player_.reset();
  }

  void twoDaysMinuteByMinute() {
    // Tuesday 12 May 2026, started 09:30.
    Load({"13/05/2026010130=Flight", "12/05/2026000300=Pills", "14/05/9995010000=Gym", "15/05/2026020000=Dentist",
          "12/05/2026000000=No reminder"});
    for (DateTime t = At(2026, 5, 12, 9, 30);; t = NextMinute(t)) {
      TickAt(t);
      if (t == At(2026, 5, 13, 23, 59)) break;
    }
    QCOMPARE(mostAtOnce_, 1);
    // When each reminder comes is held by the reminder check's own tests; the window adds its
    // new day at midnight and the order in which one check's alerts are shown.
    QCOMPARE(Count("Flight", 0), 2);
    QCOMPARE(Count("Pills", 1), 4);
    QCOMPARE(Count("No reminder", 0) + Count("No reminder", 1) + Count("No reminder", 2), 0);
    // At midnight one check found five alerts; they came in order: days, minutes, hours.
    QStringList midnight;
    for (const Alert& a : alerts_)
      if (a.when == At(2026, 5, 13, 0, 0)) midnight << QString("%1/%2").arg(a.text).arg(a.kind);
    QCOMPARE(midnight, (QStringList{"Flight/0", "Gym/0", "Dentist/0", "Flight/2", "Flight/1"}));
    // One sound per alert, asked for when it was shown.
    QCOMPARE(player_->played.size(), alerts_.size());
  }

  void theNewDaysGreetingOpensAfterTheClockAndBeforeTheAlerts() {
    frmMain& w = Load({"13/05/2026010000=Flight"}, At(2026, 5, 12, 23, 58));
    TickAt(At(2026, 5, 12, 23, 59));
    f_->boxes.shown.clear();
    std::vector<std::size_t> boxesWhenAlertCame;
    connect(&w.Alerts(), &ReminderAlerts::Shown, this, [&] { boxesWhenAlertCame.push_back(f_->boxes.shown.size()); });

    Tick(At(2026, 5, 13, 0, 0));
    // Nothing modal ran inside the clock's slot: the greeting waits for the event loop, and the
    // check waits for the greeting.
    QVERIFY(f_->boxes.shown.empty());
    QVERIFY(w.Alerts().Showing());
    QCOMPARE(OpenAlertWindows(), 0);
    QCOMPARE(w.Alerts().Waiting(), 0);

    QCoreApplication::sendPostedEvents(&w.Alerts(), QEvent::MetaCall);
    QCOMPARE(f_->boxes.shown.size(), std::size_t{1});
    QCOMPARE(f_->boxes.shown[0].title, AppTitle() + " - Today's Event");
    QVERIFY(f_->boxes.shown[0].text.find("Flight") != std::string::npos);
    // Closed: the check of this minute follows at once, its alert after the greeting.
    QCOMPARE(boxesWhenAlertCame, std::vector<std::size_t>{1});
    QVERIFY(w.Alerts().Current());
    w.Alerts().Current()->cmdOK()->click();
  }

  void theAlertSaysWhatCameAndWhen() {
    Load({"13/05/2026020159=Call Ann~about the trip"});
    Tick(At(2026, 5, 12, 9, 50));
    frmReminderMsg* alert = f_->window->Alerts().Current();
    QVERIFY(alert);
    QVERIFY(alert->isVisible());
    QCOMPARE(alert->windowTitle(), QString::fromStdString(AppTitle() + " - Reminder Message  "));
    QCOMPARE(alert->lblMsg()->text(), QString("Call Ann\nabout the trip"));
    QCOMPARE(alert->lblMsg()->textFormat(), Qt::PlainText);
    QCOMPARE(alert->lblDaysBefore()->text(), QString("2"));
    QCOMPARE(alert->lblHours()->text(), QString("1"));
    QCOMPARE(alert->lblMins()->text(), QString("50"));
    QCOMPARE(alert->lblDate()->text(), QString::fromStdString(FormatDate(At(2026, 5, 13, 0, 0), f_->app.settings.DateFormat, EnglishLocaleNames())));
    QVERIFY(alert->lblNow()->text().endsWith(QString::fromStdString(
        "    " + FormatDate(At(2026, 5, 12, 9, 50), f_->app.settings.TimeFormat, EnglishLocaleNames()))));
    QVERIFY(alert->imgCheckGreen(0)->isVisibleTo(alert));
    QVERIFY(!alert->imgCheckGreen(1)->isVisibleTo(alert));
    // The days-before alert came first; the minutes alert (50) waits its turn.
    QCOMPARE(f_->window->Alerts().Waiting(), 1);
    // The sound digit 9 is asked for once; no file of that name lies beside the test, so the
    // desktop's own sound plays.
    QCOMPARE(player_->played.size(), std::size_t{1});
    QVERIFY(player_->played[0].desktopDefault);
    // Ticks while the alerts are open check nothing and open nothing.
    const auto last = f_->app.reminders.LastCheckMinute;
    Tick(At(2026, 5, 12, 10, 0));
    QCOMPARE(f_->app.reminders.LastCheckMinute, last);
    QCOMPARE(OpenAlertWindows(), 1);
    alert->cmdOK()->click();
    QCoreApplication::processEvents();
    frmReminderMsg* next = f_->window->Alerts().Current();
    QVERIFY(next && next != alert);
    QVERIFY(next->imgCheckGreen(2)->isVisibleTo(next));
    QCOMPARE(player_->played.size(), std::size_t{2});
    next->cmdOK()->click();
    QCoreApplication::processEvents();
    QVERIFY(!f_->window->Alerts().Showing());
  }

  // The start time is in the general form of the user's locale: on the day of the start the time
  // alone, on a later day its short date before it.
  void theStartTimeIsInTheLocalesGeneralForm_data() {
    QTest::addColumn<bool>("german");
    QTest::addColumn<int>("daysLater");
    QTest::addColumn<QString>("started");
    QTest::newRow("United States, the day of the start") << false << 0 << "09:30:00 AM";
    QTest::newRow("United States, a later day") << false << 1 << "05/12/2026 09:30:00 AM";
    QTest::newRow("Germany, the day of the start") << true << 0 << "09:30:00";
    QTest::newRow("Germany, a later day") << true << 1 << "12.05.2026 09:30:00";
  }
  void theStartTimeIsInTheLocalesGeneralForm() {
    QFETCH(bool, german);
    QFETCH(int, daysLater);
    QFETCH(QString, started);
    LocaleNames american = EnglishLocaleNames();
    american.dateForm = "%m/%d/%Y";
    american.timeForm = "%r";
    SetAppLocaleNames(german ? &testing::GermanNames() : &american);
    const auto restore = qScopeGuard([] { SetAppLocaleNames(nullptr); });
    Load({"20/05/2026020159=Call Ann"});
    f_->SetNow(At(2026, 5, 12 + daysLater, 14, 7));
    DueReminder due;
    due.ReminderLine = "20/05/2026020159=Call Ann";
    frmReminderMsg alert(f_->app, due);
    QCOMPARE(alert.lblStartDate()->text(), started);
  }

  void offOrDialogOpenChecksNothing_data() {
    QTest::addColumn<bool>("off");
    QTest::newRow("reminders off") << true;
    QTest::newRow("reminders dialog open") << false;
  }
  void offOrDialogOpenChecksNothing() {
    QFETCH(bool, off);
    Load({"12/05/2026000010=Tea"}, At(2026, 5, 12, 9, 30), !off);
    f_->app.RemindersDialogOpen = !off;
    for (DateTime t = At(2026, 5, 12, 9, 30); t != At(2026, 5, 12, 11, 0); t = NextMinute(t)) TickAt(t);
    QVERIFY(alerts_.empty());
    QVERIFY(!f_->app.reminders.LastCheckMinute.has_value());
    if (off) {
      f_->window->mnuQuickReminderOn_Click();
    } else {
      f_->app.RemindersDialogOpen = false;
    }
    TickAt(At(2026, 5, 12, 11, 0));
    QCOMPARE(alerts_.size(), std::size_t{1});
  }

  // The start leaves the reminder list to just after the month is painted; each reader that may come
  // first (the clock, an edit, the reminders dialog) finds it built all the same, with nothing shown.
  void theStartsListIsBuiltBeforeItsFirstReader_data() {
    QTest::addColumn<int>("reader");
    QTest::newRow("clock") << 0;
    QTest::newRow("edit") << 1;
    QTest::newRow("reminders dialog") << 2;
  }
  void theStartsListIsBuiltBeforeItsFirstReader() {
    QFETCH(int, reader);
    frmMain& w = Load({"13/05/2026010000=Soon"});
    QVERIFY(w.StartRemindersPending());
    QCOMPARE(f_->app.reminders.ReminderCount(), 0);
    if (reader == 0) {
      TickAt(At(2026, 5, 12, 9, 30));
      QCOMPARE(Count("Soon", 0), 1);
    } else if (reader == 1) {
      w.EventsChanged(false);
      QCOMPARE(f_->app.reminders.ReminderCount(), 1);
    } else {
      auto* dialog = new frmReminders(w, &w);
      QCOMPARE(f_->app.reminders.ReminderCount(), 1);
      delete dialog;
    }
    QVERIFY(!w.StartRemindersPending());
    QCOMPARE(f_->app.reminders.ReminderCount(), 1);
    // Built once: a later reader neither builds it again nor forgets what was shown.
    w.FinishStartReminders();
    TickAt(At(2026, 5, 12, 9, 31));
    QCOMPARE(Count("Soon", 0), 1);
    QCOMPARE(alerts_.size(), std::size_t{1});
    QCOMPARE(alerts_.front().when.minute, reader == 0 ? 30 : 31);
  }

  // The month is painted without the list; the list follows from the event loop right after.
  void theStartsListFollowsTheFirstPaint() {
    frmMain& w = Load({"13/05/2026010000=Soon", "20/05/2026000000=No reminder"});
    struct PaintWatch : QObject {
      frmMain* window = nullptr;
      int paints = 0;
      bool pendingAtFirstPaint = false;
      bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint && paints++ == 0) pendingAtFirstPaint = window->StartRemindersPending();
        return false;
      }
    } watch;
    watch.window = &w;
    for (int i = 0; i < kDayBoxCount; ++i) w.lblData(i)->installEventFilter(&watch);
    w.show();
    for (int i = 0; i < 5 && w.StartRemindersPending(); ++i) QCoreApplication::processEvents();
    QVERIFY(watch.paints > 0);
    QVERIFY(watch.pendingAtFirstPaint);
    QVERIFY(!w.StartRemindersPending());
    QCOMPARE(f_->app.reminders.ReminderCount(), 1);
    TickAt(At(2026, 5, 12, 9, 31));
    QCOMPARE(Count("Soon", 0), 1);
  }

  void anEditRebuildsTheListAndKeepsTheShownFlags() {
    frmMain& w = Load({"13/05/2026010000=Old"});
    TickAt(At(2026, 5, 12, 9, 30));
    QCOMPARE(Count("Old", 0), 1);
    AppendEvent(f_->app.events, "13/05/2026010000=New");
    QVERIFY(SaveEvents(f_->app.events).ok);
    w.EventsChanged(false);
    QCOMPARE(f_->app.reminders.ReminderCount(), 2);
    TickAt(At(2026, 5, 12, 9, 31));
    QCOMPARE(Count("Old", 0), 1);
    QCOMPARE(Count("New", 0), 1);
    // Lines removed: every reminder starts over.
    w.EventsChanged(true);
    TickAt(At(2026, 5, 12, 9, 32));
    QCOMPARE(Count("Old", 0), 2);
  }

  void aWaitingAlertKeepsItsWordsThroughAnEditAndComesWhileHidden() {
    frmMain& w = Load({"12/05/2026010010=First", "12/05/2026010000=Second"});
    w.hide();  // in the notification area, say
    Tick(At(2026, 5, 12, 9, 40));
    QVERIFY(w.Alerts().Current() && w.Alerts().Current()->isVisible());
    QCOMPARE(w.Alerts().Waiting(), 2);
    // An edit replaces every line while the alerts wait.
    f_->app.events.EventRecords.Set(1, "12/05/2026000000=Changed");
    f_->app.events.EventRecords.Set(2, "12/05/2026000000=Gone");
    w.EventsChanged(true);
    QCOMPARE(f_->app.reminders.ReminderCount(), 0);
    QStringList texts;
    while (w.Alerts().Showing()) {
      if (frmReminderMsg* a = w.Alerts().Current()) {
        texts << a->lblMsg()->text();
        a->cmdOK()->click();
      }
      QCoreApplication::processEvents();
    }
    QCOMPARE(texts, (QStringList{"First", "Second", "First"}));
  }

  void exitDropsWaitingAlerts() {
    frmMain& w = Load({"12/05/2026010010=A", "12/05/2026010010=B"});
    Tick(At(2026, 5, 12, 9, 40));
    QVERIFY(w.Alerts().Waiting() > 0);
    w.mnuExit_Click();
    QCoreApplication::processEvents();
    QVERIFY(!w.Alerts().Showing());
    QCOMPARE(OpenAlertWindows(), 0);
  }

  // ------------------------------------------------------------------ quick reminders

  void quickReminderItems_data() {
    QTest::addColumn<QString>("line");
    QTest::addColumn<int>("day");
    QTest::addColumn<QString>("item");
    QTest::addColumn<int>("n");
    QTest::addColumn<QString>("written");
    QTest::addColumn<QString>("refusal");
    QTest::newRow("days 2 on today's event") << "12/05/2026000000=Dentist" << 12 << "days" << 2
                                             << "12/05/2026020000=Dentist" << "";
    QTest::newRow("hours 3") << "14/05/2026000000=Dentist" << 14 << "hours" << 3 << "14/05/2026000300=Dentist" << "";
    QTest::newRow("minutes 10") << "14/05/9995000000=Gym" << 28 << "mins" << 1 << "14/05/9995000010=Gym" << "";
    QTest::newRow("Greek typed into the reminder columns")
        << QString::fromUtf8("12/05/2026\u0395\u03bb\u03bb\u03ac\u03b4\u03b1=Trip") << 12 << "hours" << 3
        << "12/05/2026000300=Trip" << "";
    QTest::newRow("one event on two lines") << "12/05/2026000000=Two~lines" << 12 << "days" << 1
                                            << "12/05/2026010000=Two~lines" << "";
    QTest::newRow("empty day") << "12/05/2026000000=A" << 13 << "days" << 1 << "12/05/2026000000=A" << "No Event";
    // Which line a click finds, or which refusal, is held by the quick-reminder tests; here, a refusal
    // on a day of the month and on a box of the month before, whose date the message must name.
    // The first box of May 2026 (weeks from Sunday) is 26 April.
    QTest::newRow("a box of the month before") << "12/05/2026000000=A" << -4 << "days" << 1 << "12/05/2026000000=A"
                                               << "No Event";
  }
  void quickReminderItems() {
    QFETCH(QString, line);
    QFETCH(int, day);
    QFETCH(QString, item);
    QFETCH(int, n);
    QFETCH(QString, written);
    QFETCH(QString, refusal);
    frmMain& w = Load({line.toStdString()});
    const int box = f_->app.month.BoxOfDay(day);
    w.SetLastBoxIndex(box);
    MainMenus& menus = w.Menus();
    QAction* action = item == "days" ? menus.mnuQRDays(n) : item == "hours" ? menus.mnuQRHours(n) : menus.mnuQRMins(n);
    QVERIFY(action->isEnabled());
    action->trigger();
    QCOMPARE(orlevant::testing::ReadEventLines().at(0), written);
    if (refusal.isEmpty()) {
      QVERIFY(f_->boxes.shown.empty());
      QVERIFY(f_->app.month.DayCellText(box).starts_with("\r\n."));
      QVERIFY(f_->app.month.imgRemind[static_cast<std::size_t>(box)].Visible);
      QVERIFY(w.imgRemind(box)->isVisibleTo(&w));
      QCOMPARE(f_->app.reminders.ReminderCount(), 1);
    } else {
      QCOMPARE(f_->boxes.shown.size(), std::size_t{1});
      QCOMPARE(QString::fromStdString(f_->boxes.shown[0].title), QString::fromStdString(AppTitle()) + " - " + refusal);
      QVERIFY(QString::fromStdString(f_->boxes.shown[0].text).startsWith(refusal + "..."));
      const QString date = day >= 1 ? QString("May %1, 2026").arg(day) : QString("April %1, 2026").arg(30 + day);
      QVERIFY(QString::fromStdString(f_->boxes.shown[0].text).contains("\r\non... " + date + "\r\n"));
    }
  }

  void quickReminderLeadTimesFollowTheSwitch() {
    frmMain& w = Load({}, At(2026, 5, 12, 9, 30), false);
    MainMenus& menus = w.Menus();
    for (bool on : {false, true}) {
      if (on) menus.mnuQuickReminderOn()->trigger();
      for (QMenu* lead : {menus.mnuQuickReminderDays(), menus.mnuQuickReminderHours(), menus.mnuQuickReminderMinutes()})
        QCOMPARE(lead->menuAction()->isEnabled(), on);
    }
  }

  void aFailedSaveKeepsTheLineAndSaysSo() {
    frmMain& w = Load({"12/05/2026000000=Dentist"});
    // The events file's place becomes a folder: the save cannot replace it.
    const std::string path = f_->app.events.Path;
    std::filesystem::remove(path);
    std::filesystem::create_directory(path);
    std::filesystem::create_directory(path + "/keep");
    w.SetLastBoxIndex(f_->app.month.BoxOfDay(12));
    w.Menus().mnuQRDays(1)->trigger();
    QCOMPARE(f_->app.events.EventRecords[1], std::string("12/05/2026000000=Dentist"));
    QCOMPARE(f_->boxes.shown.size(), std::size_t{1});
    QCOMPARE(QString::fromStdString(f_->boxes.shown[0].title), QString::fromStdString(AppTitle() + " - Events File"));
    QCOMPARE(f_->app.reminders.ReminderCount(), 0);
  }
};

QTEST_MAIN(TestReminderClock)
#include "test_reminder_clock.moc"
