// The reminders dialog: the codes it writes into exactly the lines whose rows changed, its
// refusals, Cancel and On/Off, an empty list, the Test button's sound and how it is opened.

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTimer>
#include <QTreeView>
#include <QtTest>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "main_window_fixture.h"
#include "mainwindow/dialog_openers.h"
#include "reminder_test_support.h"
#include "reminders/frm_reminders.h"

using namespace orlevant;
using orlevant::testing::MainWindowFixture;
using orlevant::testing::ReadEventLines;
using orlevant::testing::RecordingPlayer;

namespace {

const char* kFrequencyTitle = " - Reminder Frequency Error";

int ListRows(frmReminders* d) { return d->lvwReminders()->model()->rowCount(); }
QModelIndex ListRow(frmReminders* d, int row) { return d->lvwReminders()->model()->index(row, 0); }
Qt::CheckState Mark(frmReminders* d, int row) { return ListRow(d, row).data(Qt::CheckStateRole).value<Qt::CheckState>(); }

// The centre of a row's check box, where the list's style draws it.
QPoint CheckBoxOf(frmReminders* d, int row) {
  QTreeView* list = d->lvwReminders();
  QStyleOptionViewItem option;
  option.initFrom(list);
  option.rect = list->visualRect(ListRow(d, row));
  option.features = QStyleOptionViewItem::HasCheckIndicator | QStyleOptionViewItem::HasDisplay;
  option.text = ListRow(d, row).data().toString();
  return list->style()->subElementRect(QStyle::SE_ItemViewItemCheckIndicator, &option, list).center();
}

}  // namespace

class TestRemindersDialog : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<MainWindowFixture> f_;
  std::unique_ptr<RecordingPlayer> player_;

  // The program loaded on Tuesday 12 May 2026 at 09:30 with these lines, and the dialog open.
  frmReminders* Open(const std::vector<std::string>& lines, bool remindersOn = true) {
    f_->Set("Reminders", remindersOn ? "1" : "0");
    frmMain& window = f_->Load(lines);
    auto* dialog = new frmReminders(window, &window);
    dialog->show();
    return dialog;
  }

  int Boxes(const std::string& titleEnd) const {
    int n = 0;
    for (const auto& b : f_->boxes.shown)
      if (b.title == AppTitle() + titleEnd) ++n;
    return n;
  }

 private slots:
  void init() {
    f_ = std::make_unique<MainWindowFixture>(DateTime{DateSerial(2026, 5, 12), 9, 30, 0});
    player_ = std::make_unique<RecordingPlayer>();
  }

  void cleanup() {
    player_.reset();
    f_.reset();
  }

  void loadsTheFutureEventsInDateOrder() {
    frmReminders* d = Open({"20/05/2026000000=Later", "11/05/2026010000=Past", "14/05/2026010000=Soon~two lines",
                            "01/01/9995000000=Gym"});
    QVERIFY(d);
    QCOMPARE(d->windowTitle(), QString::fromStdString(AppTitle() + " - Reminders  "));
    QCOMPARE(ListRows(d), 3);
    QCOMPARE(ListRow(d, 0).data().toString(), QString("2026/05/14 - Soon  two lines"));
    QCOMPARE(Mark(d, 0), Qt::Checked);
    QCOMPARE(ListRow(d, 2).data().toString(), QString("Weekly/Thursdays(All) - Gym"));
    QCOMPARE(d->lvwReminders()->currentIndex(), ListRow(d, 0));
    QCOMPARE(d->lblFutureEvents()->text(), QString("3"));
    QCOMPARE(d->lblReminderNum()->text(), QString("1"));
    QCOMPARE(d->lblReminderText()->text(), QString("Soon~two lines\n\non... May 14, 2026"));
    QCOMPARE(d->lblMsg()->text(), QString("Event is 2 day(s) in the future.\n\nYou will be reminded about this event "
                                          "according to your settings above."));
    QCOMPARE(d->txtDays()->value(), 1);
    QVERIFY(d->txtDays()->isEnabled());  // row 1 is checked: its settings open as it is shown
    QVERIFY(!d->cmdApply()->isEnabled());
    QVERIFY(f_->app.RemindersDialogOpen);
    d->cmdCancel()->click();
    QVERIFY(!f_->app.RemindersDialogOpen);
  }

  void writesTheCodeOfTheRowIntoItsOwnLine_data() {
    QTest::addColumn<QString>("line");
    QTest::addColumn<bool>("check");
    QTest::addColumn<int>("days");
    QTest::addColumn<int>("hours");
    QTest::addColumn<int>("minutes");
    QTest::addColumn<int>("sound");
    QTest::addColumn<QString>("after");
    QTest::newRow("days 2, minutes 20, Complete.wav")
        << "20/05/2026000000=Dentist" << true << 2 << 0 << 20 << 4 << "20/05/2026020024=Dentist";
    QTest::newRow("unchecked") << "20/05/2026010300=Dentist" << false << 1 << 3 << 0 << 0 << "20/05/2026000000=Dentist";
  }
  void writesTheCodeOfTheRowIntoItsOwnLine() {
    QFETCH(QString, line);
    QFETCH(bool, check);
    QFETCH(int, days);
    QFETCH(int, hours);
    QFETCH(int, minutes);
    QFETCH(int, sound);
    QFETCH(QString, after);
    frmReminders* d = Open({line.toStdString()});
    d->CheckRow(0, check);
    if (check) {
      d->txtDays()->setValue(days);
      d->txtHours()->setValue(hours);
      d->txtMins()->setValue(minutes);
      d->cboSound()->setCurrentIndex(sound);
    }
    QVERIFY(d->cmdApply()->isEnabled());
    QCOMPARE(ReadEventLines(), QStringList{line});  // nothing is written before Apply
    d->cmdApply()->click();
    QCOMPARE(ReadEventLines(), QStringList{after});
    QVERIFY(!d->cmdApply()->isEnabled());
    QVERIFY(d->isVisible());  // Apply refreshes in place
    QCOMPARE(ListRows(d), 1);
    QCOMPARE(f_->app.reminders.ReminderCount(), check ? 1 : 0);
    d->cmdOK()->click();
    QVERIFY(!f_->app.RemindersDialogOpen);
  }

  // The list's own keys and check boxes reach the rows: Up and Down select, Space and a click on a
  // box check and uncheck, and what was set is written into exactly those lines.
  void theListsKeysAndCheckBoxesWorkTheRows() {
    frmReminders* d = Open({"20/05/2026010000=A", "21/05/2026000000=B", "22/05/2026000000=C"});
    QApplication::setActiveWindow(d);
    QTreeView* list = d->lvwReminders();
    list->setFocus();
    QTest::keyClick(list, Qt::Key_Down);
    QTest::keyClick(list, Qt::Key_Space);
    QCOMPARE(Mark(d, 1), Qt::Checked);
    d->txtHours()->setValue(3);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, CheckBoxOf(d, 2));
    QCOMPARE(d->CurrentRow(), 2);
    QCOMPARE(Mark(d, 2), Qt::Checked);
    d->txtDays()->setValue(4);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, CheckBoxOf(d, 0));
    QCOMPARE(Mark(d, 0), Qt::Unchecked);
    QTest::keyClick(list, Qt::Key_Up);  // the first row already: nothing moves
    QCOMPARE(d->CurrentRow(), 0);
    d->cmdOK()->click();
    QCOMPARE(ReadEventLines(), (QStringList{"20/05/2026000000=A", "21/05/2026000300=B", "22/05/2026040000=C"}));
  }

  // Hand-written lines of no kind fall on no day: not offered, not counted, and kept as they were
  // when the rows around them are applied.
  void linesOnNoDayAreNotOffered() {
    const QStringList lines{"01/12/4092010000=Bad week head", "20/05/2026000000=A", "01/12/9298000000=Ordinal 9",
                            "21/05/2026000000=B"};
    std::vector<std::string> stored;
    for (const QString& line : lines) stored.push_back(line.toStdString());
    frmReminders* d = Open(stored);
    QCOMPARE(ListRows(d), 2);
    QCOMPARE(d->lblFutureEvents()->text(), QString("2"));
    QCOMPARE(ListRow(d, 0).data().toString(), QString("2026/05/20 - A"));
    QCOMPARE(ListRow(d, 1).data().toString(), QString("2026/05/21 - B"));
    d->CheckRow(1, true);
    d->txtDays()->setValue(2);
    d->cmdOK()->click();
    QCOMPARE(ReadEventLines(), (QStringList{lines[0], lines[1], lines[2], "21/05/2026020000=B"}));
  }

  void aCheckedRowWithNothingSetIsRefused() {
    // No reminder exists yet: Apply and OK refuse all the same.
    frmReminders* d = Open({"20/05/2026000000=A", "21/05/2026000000=B"});
    QPointer<frmReminders> alive(d);
    d->CheckRow(0, true);
    d->cmdOK()->click();
    QCOMPARE(Boxes(kFrequencyTitle), 1);
    QVERIFY(alive && d->isVisible());
    d->cmdApply()->click();
    QCOMPARE(Boxes(kFrequencyTitle), 2);
    QCOMPARE(ReadEventLines(), (QStringList{"20/05/2026000000=A", "21/05/2026000000=B"}));
    // Leaving the row goes back to it.
    d->ClickRow(1);
    QCOMPARE(Boxes(kFrequencyTitle), 3);
    QCOMPARE(d->CurrentRow(), 0);
    QCOMPARE(d->lvwReminders()->currentIndex(), ListRow(d, 0));
    const std::string text = f_->boxes.shown.back().text;
    QVERIFY(text.starts_with("Sorry, unable to apply this Reminder since the Frequency Setting is\r\nnot allowed."));
    QVERIFY(text.find("Your Setting: Days= 0   Hours= 0   Minutes= 0\r\nFor: A\r\n\r\non... May 20, 2026\r\n") !=
            std::string::npos);
    QVERIFY(text.ends_with("You must change the Frequency Setting or remove the Check.\r\n\r\n"));
    // With a frequency set the row may be left and written.
    d->txtHours()->setValue(1);
    d->ClickRow(1);
    QCOMPARE(d->CurrentRow(), 1);
    d->cmdOK()->click();
    QCOMPARE(ReadEventLines(), (QStringList{"20/05/2026000100=A", "21/05/2026000000=B"}));
    QVERIFY(!f_->app.RemindersDialogOpen);
  }

  // Typed minutes keep their tens only; below ten no reminder is set, whatever the sound.
  void typedMinutesKeepTheirTens_data() {
    QTest::addColumn<int>("sound");
    QTest::addColumn<int>("minutes");
    QTest::addColumn<QString>("stored");  // "" refused
    QTest::newRow("5, default sound") << 0 << 5 << "";
    QTest::newRow("5, with a sound") << 4 << 5 << "";  // would have been "000004": a mark that never alerts
    QTest::newRow("25") << 0 << 25 << "20/05/2026000020=A";
  }
  void typedMinutesKeepTheirTens() {
    QFETCH(int, sound);
    QFETCH(int, minutes);
    QFETCH(QString, stored);
    frmReminders* d = Open({"20/05/2026000000=A"});
    d->CheckRow(0, true);
    d->cboSound()->setCurrentIndex(sound);
    d->txtMins()->setValue(minutes);  // the box takes any number; the code keeps tens only
    if (!stored.isEmpty()) {  // leaving the box shows what is stored
      emit d->txtMins()->editingFinished();
      QCOMPARE(d->txtMins()->value(), minutes / 10 * 10);
    }
    d->cmdOK()->click();
    QCOMPARE(Boxes(kFrequencyTitle), stored.isEmpty() ? 1 : 0);
    QCOMPARE(d->isVisible(), stored.isEmpty());
    QCOMPARE(ReadEventLines(), QStringList{stored.isEmpty() ? "20/05/2026000000=A" : stored});
    if (stored.isEmpty()) d->cmdCancel()->click();
  }

  void checkingAnotherRowWhileThisOneIsRefusedTakesTheMarkBack() {
    frmReminders* d = Open({"20/05/2026000000=A", "21/05/2026000000=B", "22/05/2026000000=C"});
    d->CheckRow(0, true);  // checked, nothing set yet
    d->CheckRow(2, true);  // a click on C's box
    QCOMPARE(Boxes(kFrequencyTitle), 1);
    QCOMPARE(d->CurrentRow(), 0);
    QCOMPARE(Mark(d, 2), Qt::Unchecked);
    QVERIFY(!d->Rows()[2].RowChecked);
    QCOMPARE(d->lblReminderNum()->text(), QString("1"));
    // Once A has a frequency, C's box works and C's own settings come up.
    d->txtDays()->setValue(1);
    d->CheckRow(2, true);
    QCOMPARE(d->CurrentRow(), 2);
    QVERIFY(d->Rows()[2].RowChecked);
    QCOMPARE(d->lblReminderNum()->text(), QString("2"));
    QVERIFY(d->txtDays()->isEnabled());
    d->txtHours()->setValue(2);
    d->cmdOK()->click();
    QCOMPARE(ReadEventLines(),
             (QStringList{"20/05/2026010000=A", "21/05/2026000000=B", "22/05/2026000200=C"}));
  }

  void afterApplyTheFirstRowsSettingsFollowItsCheck() {
    frmReminders* d = Open({"20/05/2026000000=A", "21/05/2026010000=B"});
    d->ClickRow(1);
    QVERIFY(d->txtHours()->isEnabled());
    d->txtHours()->setValue(2);
    d->cmdApply()->click();
    QCOMPARE(ReadEventLines(), (QStringList{"20/05/2026000000=A", "21/05/2026010200=B"}));
    // The refreshed list shows its first row, A, which has no check: nothing of it can be set.
    QCOMPARE(d->CurrentRow(), 0);
    QVERIFY(!d->txtDays()->isEnabled());
    QVERIFY(!d->txtHours()->isEnabled());
    QVERIFY(!d->cboSound()->isEnabled());
    d->ClickRow(1);
    QVERIFY(d->txtHours()->isEnabled());
    QCOMPARE(d->txtHours()->value(), 2);
    d->cmdCancel()->click();
  }

  void leavingTheListChecksTheRowUnlessForCancelOrItsSettings() {
    frmReminders* d = Open({"20/05/2026000000=A"});
    QApplication::setActiveWindow(d);
    d->CheckRow(0, true);
    d->lvwReminders()->setFocus();
    d->txtDays()->setFocus();
    QCOMPARE(Boxes(kFrequencyTitle), 0);
    d->lvwReminders()->setFocus();
    d->cmdCancel()->setFocus();
    QCOMPARE(Boxes(kFrequencyTitle), 0);
    d->lvwReminders()->setFocus();
    d->cmdOK()->setFocus();
    QCOMPARE(Boxes(kFrequencyTitle), 0);  // OK checks for itself when pressed
    d->lvwReminders()->setFocus();
    d->optReminder(1)->setFocus();
    QCOMPARE(Boxes(kFrequencyTitle), 1);
    // Another window taking the focus says nothing.
    d->lvwReminders()->setFocus();
    QFocusEvent away(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
    QApplication::sendEvent(d->lvwReminders(), &away);
    QCOMPARE(Boxes(kFrequencyTitle), 1);
    d->cmdCancel()->click();
  }

  void cancelWritesNothing() {
    frmReminders* d = Open({"20/05/2026010000=A"});
    d->CheckRow(0, false);
    d->optReminder(0)->click();
    d->cmdCancel()->click();
    QCOMPARE(ReadEventLines(), QStringList{"20/05/2026010000=A"});
    QCOMPARE(QString::fromStdString(f_->app.store.Read("Reminders", "")), QString("1"));
    QCOMPARE(f_->app.settings.Reminders, 1);
    QVERIFY(f_->window->Menus().mnuQuickReminderDays()->menuAction()->isEnabled());
  }

  void offAndApplySavesTheSettingAndNoLine() {
    frmReminders* d = Open({"20/05/2026010000=A"});
    const auto stamp = std::filesystem::last_write_time(EventFilePath(DefaultAllUsersPath()));
    d->optReminder(0)->click();
    QVERIFY(!d->imgBall(0)->isVisibleTo(d));
    QVERIFY(d->imgBall(1)->isVisibleTo(d));
    QVERIFY(!d->lvwReminders()->isEnabled());
    d->cmdApply()->click();
    QCOMPARE(QString::fromStdString(f_->app.store.Read("Reminders", "")), QString("0"));
    QCOMPARE(f_->app.settings.Reminders, 0);
    QCOMPARE(f_->app.month.imgRemind[0].Picture, kReminderOffPicture);
    QVERIFY(!f_->window->Menus().mnuQuickReminderDays()->menuAction()->isEnabled());
    QCOMPARE(ReadEventLines(), QStringList{"20/05/2026010000=A"});
    QCOMPARE(std::filesystem::last_write_time(EventFilePath(DefaultAllUsersPath())), stamp);
    d->cmdCancel()->click();
  }

  void anEmptyListStillOpensAndCloses() {
    // A reminder exists but its event has passed since the start: nothing is listed.
    frmReminders* d = Open({"12/05/2026010000=Today"});
    d->cmdCancel()->click();
    f_->SetNow(DateTime{DateSerial(2026, 5, 13), 0, 1, 0});
    f_->window->TimerDate_Timer();
    QCOMPARE(f_->app.reminders.ReminderCount(), 1);
    f_->boxes.shown.clear();
    auto* again = new frmReminders(f_->Window(), f_->window.get());
    again->show();
    QCOMPARE(ListRows(again), 0);
    QCOMPARE(Boxes(""), 1);  // "You do not have any Future Events entered."
    QVERIFY(f_->boxes.shown[0].text.starts_with("You do not have any Future Events entered."));
    QVERIFY(!again->txtDays()->isEnabled());
    QVERIFY(!again->cmdTestSound()->isEnabled());
    again->cmdApply()->click();
    again->cmdOK()->click();
    QVERIFY(!f_->app.RemindersDialogOpen);
  }

  void testPlaysTheRowsSound() {
    frmReminders* d = Open({"20/05/2026000007=A", "21/05/2026000000=B"});
    d->cmdTestSound()->click();
    QCOMPARE(player_->played.size(), std::size_t{1});
    // Sound 7 is a file; beside this test there is none, so the desktop's own sound plays.
    QVERIFY(player_->played[0].desktopDefault);
    d->cmdCancel()->click();
  }

  void oneDialogAtATimeAndModalFromTheMenu() {
    frmReminders* d = Open({"20/05/2026000000=A"});
    d->cmdCancel()->click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!OpenRemindersDialog());
    DialogOpeners registered;
    RegisterDialogs(registered);
    QVERIFY(registered.Reminders);
    f_->window->Dialogs().Reminders = registered.Reminders;
    f_->window->Dialogs().Reminders(f_->Window(), false);
    frmReminders* first = OpenRemindersDialog();
    QVERIFY(first && first->isVisible() && !first->isModal());
    f_->window->Dialogs().Reminders(f_->Window(), false);
    QCOMPARE(OpenRemindersDialog(), first);
    first->cmdCancel()->click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    bool sawModal = false;
    QRect geometry;
    QTimer::singleShot(0, [&] {
      frmReminders* modal = OpenRemindersDialog();
      sawModal = modal && modal->isModal() && f_->app.RemindersDialogOpen;
      if (modal) {
        geometry = modal->frameGeometry();
        modal->cmdCancel()->click();
      }
    });
    f_->window->Dialogs().Reminders(f_->Window(), true);
    QVERIFY(sawModal);
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    QVERIFY(qAbs(geometry.center().x() - screen.center().x()) <= 2);
    QVERIFY(!f_->app.RemindersDialogOpen);
  }
};

QTEST_MAIN(TestRemindersDialog)
#include "test_reminders_dialog.moc"
