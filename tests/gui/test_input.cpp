// The month window's input table: the function keys, Ctrl+Z, the menus each gesture opens and
// where, the dialogs the items and keys reach (and the items disabled while a dialog is missing),
// the day box a day-menu item acts on, and Exit with dialogs open.

#include <QSignalSpy>
#include <QTimer>
#include <QtTest>

#include "gui/main_window_fixture.h"
#include "mainwindow/frm_message.h"
#include "mainwindow/frm_reminder_pop.h"

using namespace orlevant;
using orlevant::testing::At;
using orlevant::testing::MainWindowFixture;

namespace {

// The window's state as one line, so that a row of a table can say all that a key changed.
std::string State(MainWindowFixture& f) {
  std::string log;
  for (const std::string& entry : f.log) log += (log.empty() ? "" : ", ") + entry;
  return "shown " + f.Shown() + ", size " + std::to_string(f.app.settings.BoxStyle) +
         (f.Month().CompactMode ? ", compact" : "") + (f.Window().IsUnloaded() ? ", unloaded" : "") +
         (f.Window().InTray() ? ", tray" : "") + (log.empty() ? "" : ", " + log);
}

QByteArray Bytes(const std::string& s) { return QByteArray::fromStdString(s); }

}  // namespace

class TestInput : public QObject {
  Q_OBJECT

  std::unique_ptr<MainWindowFixture> f_;

  // May 2026 with events on the 12th (today), one with a reminder.
  frmMain& LoadMay() {
    return f_->Load({"12/05/2026000000=Dentist", "12/05/2026010000=Call Ann", "20/05/2026000000=Party"});
  }

 private slots:
  void init() { f_ = std::make_unique<MainWindowFixture>(At(2026, 5, 12)); }
  void cleanup() { f_.reset(); }

  // Every key first closes both pop-ups, then acts as the function-key table says; a pop-up that
  // has the key hands it to the window.
  void functionKeys_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("viaPopup");
    QTest::addColumn<QByteArray>("after");
    const auto row = [](const char* name, int key, const char* after, bool viaPopup = false) {
      QTest::newRow(name) << key << viaPopup << QByteArray(after);
    };
    row("F1", Qt::Key_F1, "shown 2026-05-12, size 1, Preferences");
    row("F2", Qt::Key_F2, "shown 2026-05-12, size 1, modal frmTips");
    row("F3", Qt::Key_F3, "shown 2026-05-12, size 1, Reminders modal");
    row("F4", Qt::Key_F4, "shown 2026-05-12, size 1, unloaded");
    row("F5", Qt::Key_F5, "shown 2026-05-12, size 1, Print");
    row("F6", Qt::Key_F6, "shown 2026-05-12, size 0");
    row("F7 (the size in use)", Qt::Key_F7, "shown 2026-05-12, size 1");
    row("F8", Qt::Key_F8, "shown 2026-05-12, size 2");
    row("F9", Qt::Key_F9, "shown 2026-05-12, size 1, compact");
    row("F10", Qt::Key_F10, "shown 2026-04-01, size 1");
    row("F11", Qt::Key_F11, "shown 2026-05-12, size 1");
    row("F12", Qt::Key_F12, "shown 2026-06-01, size 1");
    row("a letter", Qt::Key_A, "shown 2026-05-12, size 1");
    row("Escape", Qt::Key_Escape, "shown 2026-05-12, size 1");
    row("F12 on the event pop-up", Qt::Key_F12, "shown 2026-06-01, size 1", true);
    row("F3 on the event pop-up", Qt::Key_F3, "shown 2026-05-12, size 1, Reminders modal", true);
  }
  void functionKeys() {
    QFETCH(int, key);
    QFETCH(bool, viaPopup);
    QFETCH(QByteArray, after);
    frmMain& w = LoadMay();
    f_->OpenBothPopups(12);
    QWidget* target = viaPopup ? static_cast<QWidget*>(w.EventPopup()) : static_cast<QWidget*>(&w);
    QTest::keyPress(target, Qt::Key(key));
    QTest::keyRelease(target, Qt::Key(key));
    QVERIFY(!w.EventPopup());
    QVERIFY(!w.ReminderPopup());
    QCOMPARE(Bytes(State(*f_)), after);
  }

  void aKeyHeldDownActsOnce() {
    frmMain& w = LoadMay();
    for (int i = 0; i < 5; ++i) {
      QKeyEvent repeat(QEvent::KeyRelease, Qt::Key_F12, Qt::NoModifier, QString(), true);
      QApplication::sendEvent(&w, &repeat);
    }
    QTest::keyRelease(&w, Qt::Key_F12);
    QCOMPARE(f_->Shown(), std::string("2026-06-01"));
  }

  void ctrlZSendsTheWindowToTheTray() {
    frmMain& w = LoadMay();
    f_->OpenBothPopups(12);
    QTest::keyPress(&w, Qt::Key_Y, Qt::ControlModifier);
    QVERIFY(w.EventPopup() && !w.InTray());  // any other character does nothing
    QTest::keyPress(&w, Qt::Key_Z, Qt::ControlModifier);
    QVERIFY(w.InTray() && !w.isVisible());
    QVERIFY(!w.EventPopup() && !w.ReminderPopup());
  }

  // Which menu a right release opens, where, and with which items shown.
  void menusOpenAtTheMouse_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("state");
    QTest::addColumn<QString>("menu");
    QTest::addColumn<bool>("centred");
    QTest::newRow("day number") << "lblDay" << "" << "mnuPopUpPrefs" << true;
    QTest::newRow("heading") << "lblWeek" << "" << "mnuPopUpWeekDay" << true;
    QTest::newRow("previous arrow") << "lblPreviousMonth" << "" << "mnuPopUpMonths" << true;
    QTest::newRow("title") << "lblDate" << "" << "mnuPopUpYear" << true;
    QTest::newRow("title, collapsed") << "lblDate" << "compact" << "mnuPopUpExpand" << true;
    QTest::newRow("title, in the tray") << "lblDate" << "tray" << "mnuPopUpTray" << false;
    QTest::newRow("window surface") << "frmMain" << "" << "mnuPopUpTray" << false;
  }
  void menusOpenAtTheMouse() {
    QFETCH(QString, control);
    QFETCH(QString, state);
    QFETCH(QString, menu);
    QFETCH(bool, centred);
    frmMain& w = LoadMay();
    if (state == "compact") w.ToggleExpand();
    if (state == "tray") w.mnuToTray_Click();
    QWidget* target = &w;
    QPoint at(5, 5);
    if (control == "lblDay") target = w.lblDay(f_->Box(20));
    if (control == "lblWeek") target = w.lblWeek(3);
    if (control == "lblPreviousMonth") target = w.lblPreviousMonth();
    if (control == "lblDate") target = w.lblDate(), at = QPoint(target->width() / 2, 5);
    if (control == "frmMain") {
      // May 2026 ends on a Sunday: the last box holds 6 June.
      at = MainWindowFixture::BareSurface(w, 41);
      QVERIFY(!at.isNull());
    }
    const QPoint global = target->mapToGlobal(at);
    MainWindowFixture::RightClick(target, at);
    QMenu* open = f_->TakeOpenMenu();
    QVERIFY2(open, "no menu or more than one open");
    QCOMPARE(open->objectName(), menu);
    if (centred) {
      QVERIFY2(qAbs(open->geometry().center().x() - global.x()) <= 1, qPrintable(QString::number(open->x())));
    } else {
      QCOMPARE(open->x(), global.x());
    }
    if (menu == "mnuPopUpTray") {
      QCOMPARE(w.Menus().mnuShow()->isVisible(), state == "tray");
      QCOMPARE(w.Menus().mnuToTray()->isVisible(), state != "tray");
      QVERIFY(w.Menus().mnuQuit()->isVisible());
    }
  }

  // The day menu's items act on the box its own right click chose, after a heading was clicked.
  void dayItemsActOnTheBoxLastClicked() {
    frmMain& w = LoadMay();
    MainWindowFixture::RightClick(w.lblWeek(3));
    QCOMPARE(w.LastBoxIndex(), 3);
    f_->TakeOpenMenu();
    const int box = f_->Box(20);
    MainWindowFixture::RightClick(w.lblData(box), QPoint(30, 30));
    QCOMPARE(f_->TakeOpenMenu(), w.Menus().mnuPopUpPrefs());
    w.Menus().mnuEdit()->trigger();
    w.Menus().mnuClearAll()->trigger();
    MainWindowFixture::DoubleClick(w.lblDay(f_->Box(21)));
    const std::vector<std::string> expected = {"EditDay " + std::to_string(box), "ClearAllDay " + std::to_string(box),
                                               "EditDay " + std::to_string(f_->Box(21))};
    QCOMPARE(f_->log, expected);
    // A left release only closes the pop-ups; a box of the next month takes no click at all.
    f_->log.clear();
    MainWindowFixture::Release(w.lblData(box), Qt::LeftButton);
    MainWindowFixture::DoubleClick(w.lblData(41));
    MainWindowFixture::RightClick(w.lblData(41));
    QVERIFY(!w.lblData(41)->isEnabled());
    QVERIFY(f_->log.empty());
    QVERIFY(!f_->TakeOpenMenu());
  }

  // Whatever the entry dialog or Clear All did, the shown month is filled again afterwards.
  void theMonthIsRefilledAfterEditAndClearAll_data() {
    QTest::addColumn<bool>("clearAll");
    QTest::newRow("edit") << false;
    QTest::newRow("clear all") << true;
  }
  void theMonthIsRefilledAfterEditAndClearAll() {
    QFETCH(bool, clearAll);
    frmMain& w = LoadMay();
    const int box = f_->Box(20);
    // A dialog that changed the lines and saved, but said nothing.
    (clearAll ? w.Dialogs().ClearAllDay : w.Dialogs().EditDay) = [this](frmMain&, int) {
      f_->app.events.EventRecords.Set(3, "20/05/2026000000=Changed");
    };
    w.SetLastBoxIndex(box);
    clearAll ? w.mnuClearAll_Click() : w.EditSelectedDay();
    QCOMPARE(w.lblData(box)->text(), QStringLiteral("\nChanged"));
  }

  void dialogsAndTheirItems() {
    frmMain& w = LoadMay();
    MainMenus& menus = w.Menus();
    // Icons and items reach the slots with the modality each asks for.
    const int box = f_->Box(12);
    MainWindowFixture::Mouse(w.imgRemind(box), QEvent::MouseButtonPress, Qt::LeftButton, QPoint(1, 1));
    MainWindowFixture::Release(w.imgRemind(box), Qt::LeftButton, QPoint(1, 1));
    MainWindowFixture::RightClick(w.lblData(box), QPoint(30, 30));
    QCOMPARE(f_->TakeOpenMenu(), menus.mnuPopUpPrefs());
    menus.mnuReminders()->trigger();
    menus.mnuPreferences()->trigger();
    menus.mnuPrint()->trigger();
    menus.mnuTips()->trigger();
    MainWindowFixture::Mouse(w.imgQMark(), QEvent::MouseButtonPress, Qt::LeftButton);
    MainWindowFixture::Release(w.imgQMark(), Qt::LeftButton);
    const std::vector<std::string> expected = {"Reminders modeless", "Reminders modal", "Preferences", "Print",
                                               "modal frmTips", "modal frmTips"};
    QCOMPARE(f_->log, expected);

    // Without its dialog an item is disabled when the day menu opens, and its key does nothing.
    w.Dialogs() = DialogOpeners{};
    f_->log.clear();
    MainWindowFixture::RightClick(w.lblData(box), QPoint(30, 30));
    QCOMPARE(f_->TakeOpenMenu(), menus.mnuPopUpPrefs());
    for (QAction* item : {menus.mnuEdit(), menus.mnuClearAll(), menus.mnuReminders(), menus.mnuPreferences(),
                          menus.mnuPrint()})
      QVERIFY2(!item->isEnabled(), qPrintable(item->objectName()));
    QVERIFY(menus.mnuTips()->isEnabled() && menus.mnuExit()->isEnabled());
    for (Qt::Key key : {Qt::Key_F1, Qt::Key_F3, Qt::Key_F5}) QTest::keyRelease(&w, key);
    MainWindowFixture::DoubleClick(w.lblData(box), QPoint(30, 30));
    QVERIFY(f_->log.empty());
    QVERIFY(!w.IsUnloaded());

    w.Dialogs().Print = [this](frmMain&) { f_->log.push_back("Print"); };
    emit menus.mnuPopUpPrefs()->aboutToShow();
    QVERIFY(menus.mnuPrint()->isEnabled() && !menus.mnuPreferences()->isEnabled());
  }

  // Exit closes every other window first, in its fixed order, while a modal dialog runs; the
  // dialog ends, the code that opened it finds the window gone, and the position is stored last.
  void exitClosesTheOtherWindowsFirst() {
    frmMain& w = LoadMay();
    std::vector<std::string> order;
    struct Recorder : QObject {
      std::vector<std::string>* order;
      bool eventFilter(QObject* o, QEvent* e) override {
        if (e->type() == QEvent::Hide) order->push_back(o->objectName().toStdString());
        return false;
      }
    } recorder;
    recorder.order = &order;
    const auto window = [&](const char* name) {
      auto* d = new QDialog(&w);
      d->setObjectName(QLatin1String(name));
      d->setAttribute(Qt::WA_DeleteOnClose);
      d->installEventFilter(&recorder);
      return d;
    };
    // Opened in another order than they close in.
    window("frmTips")->show();
    window("frmReminders")->show();
    window("frmReminderMsg")->show();
    window("Stranger")->show();
    window("frmDataEntry")->show();
    f_->OpenBothPopups(12);
    w.EventPopup()->installEventFilter(&recorder);
    w.ReminderPopup()->installEventFilter(&recorder);
    QSignalSpy unloaded(&w, &frmMain::Unloaded);
    connect(&w, &frmMain::Unloaded, [&] { order.push_back("Unloaded"); });

    bool returned = false;
    w.Dialogs().Preferences = [&](frmMain& main) {
      QDialog* prefs = window("frmPreferences");
      QTimer::singleShot(0, &main, [&main] { main.mnuExit_Click(); });
      prefs->exec();
      returned = true;
    };
    f_->Set("PositionLeft", "0");
    w.move(200, 100);
    w.mnuPreferences_Click();
    QVERIFY(returned);
    const std::vector<std::string> expected = {"frmDataEntry", "frmMessage", "frmPreferences", "frmReminderMsg", "frmReminderPop",
                                               "frmReminders", "frmTips", "Stranger", "Unloaded"};
    QCOMPARE(order, expected);
    QCOMPARE(unloaded.count(), 1);
    QVERIFY(w.IsUnloaded() && !w.isVisible());
    QCOMPARE(f_->Stored("PositionLeft"), std::string("3000"));
    // Keys after the end do nothing.
    QTest::keyRelease(&w, Qt::Key_F12);
    QCOMPARE(f_->Shown(), std::string("2026-05-12"));
  }
};

QTEST_MAIN(TestInput)
#include "test_input.moc"
