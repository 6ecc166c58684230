// The entry dialog as the user meets it: its rows and captions, typing, Enter, the options and
// lists, the red arrows, Clear All, the messages of a failed OK, and the month window's openers.
// Offscreen, with a fixed clock, scripted message boxes and a temporary home.

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QtTest>

#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/events_file.h"
#include "core/message_box.h"
#include "core/settings.h"
#include "core/shown_text.h"
#include "entry/frm_data_entry.h"
#include "gui/main_window_fixture.h"
#include "mainwindow/app_context.h"
#include "mainwindow/frm_main.h"
#include "platform/date_format.h"
#include "platform/paths.h"
#include "support/file_helpers.h"

using namespace orlevant;
using orlevant::testing::MainWindowFixture;
using orlevant::testing::Put;
using orlevant::testing::ScriptedMessageBoxes;
using orlevant::testing::Slurp;

namespace {

const std::string kBlanks(10, ' ');
const Date kMay1 = DateSerial(2026, 5, 1);  // a Friday, the fixture's today

QString Text(const std::string& s) { return QString::fromStdString(s); }

std::string FileOf(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += line + "\r\n";
  return text;
}

}  // namespace

class TestEntryDialog : public QObject {
  Q_OBJECT

 private:
  // A temporary home, the clock at 9:30 on Friday 1 May 2026, scripted message boxes and English
  // date names; no window: each test shows the month it needs.
  std::unique_ptr<MainWindowFixture> f_;
  AppContext* app_ = nullptr;
  ScriptedMessageBoxes* boxes_ = nullptr;
  std::filesystem::path file_;

  // The month of `day` shown over the lines of the file, as the main window would show it.
  void Show(Date day, const std::vector<std::string>& lines) {
    Put(file_, FileOf(lines));
    app_->events.Path = file_.string();
    QVERIFY(LoadEvents(app_->events).ok);
    MonthView& m = app_->month;
    m.SetToday(day);
    m.ShowMonthTitle(day, app_->settings);
    m.ShowWeekdayHeadings(0, app_->settings);
    m.FillMonthGrid(day, app_->settings, app_->events);
  }
  std::unique_ptr<frmDataEntry> Open(Date day) {
    return std::make_unique<frmDataEntry>(*app_, app_->month.BoxOfDay(DayOf(day)));
  }
  // The dialog shown on `day` of its month over `lines`.
  std::unique_ptr<frmDataEntry> Shown(Date day, const std::vector<std::string>& lines) {
    Show(day, lines);
    auto dialog = Open(day);
    dialog->show();
    return dialog;
  }
  std::string File() const { return Slurp(file_); }
  // The month window loaded over `lines` with its clock stopped.
  std::unique_ptr<frmMain> LoadWindow(const std::vector<std::string>& lines) {
    Put(EventFilePath(DefaultAllUsersPath()), FileOf(lines));
    app_->store.Write("ShowSplash", "0");
    auto w = std::make_unique<frmMain>(*app_);
    w->Form_Load();
    w->TimerDate().stop();
    return w;
  }
  // `act` runs on the entry dialog once it is up; anything else modal is closed, so that the test
  // fails rather than waits. Tells whether the dialog came.
  static std::shared_ptr<bool> OnEntryDialog(std::function<void(frmDataEntry&)> act) {
    auto seen = std::make_shared<bool>(false);
    QTimer::singleShot(0, [act, seen] {
      QWidget* modal = QApplication::activeModalWidget();
      if (auto* d = qobject_cast<frmDataEntry*>(modal)) {
        *seen = true;
        act(*d);
      } else if (auto* other = qobject_cast<QDialog*>(modal)) {
        other->reject();
      }
    });
    return seen;
  }
  int Boxes(const std::string& title) const {
    int n = 0;
    for (const auto& b : boxes_->shown) n += b.title == title;
    return n;
  }

 private slots:
  void init() {
    f_ = std::make_unique<MainWindowFixture>(DateTime{DateSerial(2026, 5, 1), 9, 30, 0});
    app_ = &f_->app;
    boxes_ = &f_->boxes;
    file_ = f_->home->Data() / "ann.dat";
  }
  void cleanup() { f_.reset(); }

  void rowsAndCaptionsOfTheClickedDay() {
    Show(kMay1, {"01/05/2026000000=Dentist~at ten", "02/01/8698010000=First Friday", "01/05/9999000000=Birthday"});
    auto d = Open(kMay1);
    QCOMPARE(d->windowTitle(), Text(AppTitle() + " - Edit  "));
    QCOMPARE(d->lblDate->text(), QStringLiteral("Friday - May 1, 2026"));
    QCOMPARE(d->lblTime->text(), QStringLiteral("9:30 AM"));
    QCOMPARE(d->txtEvent[kRowToday]->toPlainText(), QStringLiteral("Dentist\nat ten"));
    QCOMPARE(d->txtEvent[kRowMonthly]->toPlainText(), QStringLiteral("First Friday"));
    QVERIFY(d->optEventB[kRowMonthly]->isChecked());
    QCOMPARE(d->cboEvent[kRowMonthly]->currentText(), QStringLiteral("First"));
    QVERIFY(d->cboEvent[kRowMonthly]->isEnabled());
    QVERIFY(d->optEventA[kRowYearly]->isChecked());
    QVERIFY(!d->cboEvent[kRowYearly]->isEnabled());
    QVERIFY(d->optEventA[kRowYearly]->isEnabled());
    // Rows without text are disabled and black; rows with text enabled and blue.
    QVERIFY(!d->optEventA[kRowWeekly]->isEnabled());
    QVERIFY(!d->fraEvent[kRowQuarterly]->isEnabled());
    QVERIFY(d->lblEvent[kRowWeekly]->styleSheet().contains("#000000"));
    QVERIFY(d->lblEvent[kRowToday]->styleSheet().contains("#0000ff"));
    QVERIFY(d->lblEvent[kRowYearly]->styleSheet().contains("#0000ff"));
    // The captions and lists come from the entry rules, which their own tests hold in full.
    QCOMPARE(d->optEventA[kRowWeekly]->text(), QStringLiteral("On Fridays"));
    QCOMPARE(d->lblEventB[kRowQuarterly]->text(), QStringLiteral("Friday of each quarter. (May Aug Nov Feb)"));
    QCOMPARE(d->cboEvent[kRowWeekly]->itemText(19), QStringLiteral("Fourth and Last"));
    QCOMPARE(d->Label7->text(), QStringLiteral("Note: Deleting Events will cause Reminders to start over."));
    QCOMPARE(d->Label5->textFormat(), Qt::PlainText);
    QVERIFY(d->chkShowConflictingEventsMsg->isHidden());
    for (int r = kRowWeekly; r < kEntryRowCount; ++r) QVERIFY(d->imgRedArrow[r]->isHidden());
  }

  void typingEnterAndShiftEnter() {
    auto d = Shown(kMay1, {});
    QPlainTextEdit* monthly = d->txtEvent[kRowMonthly];
    QTest::keyClicks(monthly, "Rent");
    QVERIFY(d->optEventA[kRowMonthly]->isEnabled());
    QVERIFY(d->lblEvent[kRowMonthly]->styleSheet().contains("#0000ff"));
    QTest::keyClick(monthly, Qt::Key_Return, Qt::ShiftModifier);
    QTest::keyClicks(monthly, "due");
    QTest::keyClick(monthly, Qt::Key_Enter, Qt::ControlModifier);
    QTest::keyClicks(monthly, "soon");
    QCOMPARE(monthly->toPlainText(), QStringLiteral("Rent\ndue\nsoon"));
    QVERIFY(d->isVisible());
    QTest::keyClick(monthly, Qt::Key_Return);
    QCOMPARE(d->result(), int(QDialog::Accepted));
    QCOMPARE(File(), FileOf({"01/05/9998000000=Rent~due~soon"}));
    QVERIFY(d->Saved());
  }

  // The caret waits at the end of a row's text when the dialog opens and when Tab brings it to a
  // row, so typing adds to the text; a click puts it where it clicks.
  void typingAddsToTheText() {
    auto d = Shown(kMay1, {"01/05/2026000000=Old", "01/05/9996000000=Gym"});
    QApplication::setActiveWindow(d.get());
    QPlainTextEdit* today = d->txtEvent[kRowToday];
    QPlainTextEdit* weekly = d->txtEvent[kRowWeekly];
    QCOMPARE(QApplication::focusWidget(), today);
    QTest::keyClicks(today, " and new");
    const QPoint weeklyStart = weekly->cursorRect(QTextCursor(weekly->document())).center();
    QTest::mouseClick(weekly->viewport(), Qt::LeftButton, {}, weeklyStart);
    QTest::keyClicks(weekly, "My ");
    QTest::keyClick(weekly, Qt::Key_Backtab, Qt::ShiftModifier);
    QTest::keyClicks(today, "!");
    QTest::keyClick(today, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), weekly);
    QTest::keyClicks(weekly, " at six");
    QCOMPARE(today->toPlainText(), QStringLiteral("Old and new!"));
    QCOMPARE(weekly->toPlainText(), QStringLiteral("My Gym at six"));
  }

  // A text longer than a window shows (one pasted word of a megabyte) is shown cut, cannot be
  // changed and is written back whole; a row takes as many characters as a window shows of a line,
  // from a paste or the keyboard.
  void aLongTextIsKeptWholeAndTypingStops() {
    const std::string word(1 << 20, 'w');
    auto d = Shown(kMay1, {"01/05/2026000000=" + word});
    const QString shown = d->txtEvent[kRowToday]->toPlainText();
    QVERIFY(shown == QString(kShownLineStart, 'w') + QChar(0x2026) + QString(kShownLineEnd, 'w'));
    QVERIFY(d->txtEvent[kRowToday]->isReadOnly());
    QPlainTextEdit* weekly = d->txtEvent[kRowWeekly];
    QTest::keyClicks(weekly, "Tea ");
    QGuiApplication::clipboard()->setText(QString(3 * kShownLineLength, 'p'));
    weekly->paste();
    QTest::keyClicks(weekly, "q");
    QTest::keyClick(weekly, Qt::Key_Return, Qt::ShiftModifier);
    QTest::keyClick(weekly, Qt::Key_Backspace);
    QTest::keyClicks(weekly, "q");
    QTest::keyClick(weekly, Qt::Key_Return);
    QVERIFY(File() == FileOf({"01/05/2026000000=" + word,
                              "01/05/9996000000=Tea " + std::string(kShownLineLength - 5, 'p') + "q"}));
  }

  void optionsAndListsChooseTheCode_data() {
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("item");  // -1: option A clicked again after B
    QTest::addColumn<QString>("line");
    QTest::newRow("weekly, first and last") << int(kRowWeekly) << 9 << "01/05/8096000000=x";
    QTest::newRow("yearly, back to option A") << int(kRowYearly) << -1 << "01/05/9999000000=x";
  }
  void optionsAndListsChooseTheCode() {
    QFETCH(int, row);
    QFETCH(int, item);
    QFETCH(QString, line);
    auto d = Shown(kMay1, {});
    d->txtEvent[row]->setPlainText("x");
    QTest::mouseClick(d->optEventB[row], Qt::LeftButton);
    QVERIFY(d->cboEvent[row]->isEnabled());
    if (item >= 0) {
      d->cboEvent[row]->setCurrentIndex(item);
      emit d->cboEvent[row]->activated(item);
    } else {
      QTest::mouseClick(d->optEventA[row], Qt::LeftButton);
      QVERIFY(!d->cboEvent[row]->isEnabled());
    }
    d->cmdOK_Click();
    QCOMPARE(Text(File()), line + "\r\n");
  }

  void conflictsWarnShowAndSwap_data() {
    QTest::addColumn<int>("showMessage");
    QTest::newRow("warning on") << 1;
    QTest::newRow("warning off") << 0;
  }
  void conflictsWarnShowAndSwap() {
    QFETCH(int, showMessage);
    app_->settings.ShowConflictingEventsMsg = showMessage;
    auto d = Shown(DateSerial(2026, 12, 28), {  // the last Monday and the 28th
                   "07/12/4298000013=Last Monday", "28/01/9998000000=On the 28th"});
    QTRY_COMPARE(d->chkShowConflictingEventsMsg->isVisible(), true);
    QVERIFY(d->imgRedArrow[kRowMonthly]->isVisible());
    QVERIFY(d->imgRedArrow[kRowWeekly]->isHidden());
    QCOMPARE(Boxes("Conflicting Events"), showMessage);
    if (showMessage) {
      const auto& box = boxes_->shown.front();
      QCOMPARE(box.icon, MsgIcon::Warning);
      QVERIFY(box.text.starts_with("The following Recurring Events have conflicting information. A red arrow will "
                                   "indicate these." + kBlanks + "\r\n  ** Monthly Event\r\n\r\nExample:"));
    }
    QCOMPARE(d->txtEvent[kRowMonthly]->toPlainText(), QStringLiteral("On the 28th"));

    QTest::mouseClick(d->imgRedArrow[kRowMonthly], Qt::LeftButton);
    QCOMPARE(boxes_->shown.back().title, std::string("Conflicting Event Text"));
    QCOMPARE(boxes_->shown.back().text, "Last Monday" + kBlanks + "\r\n\r\n");

    QTest::mouseClick(d->imgRedArrow[kRowMonthly], Qt::RightButton);
    QCOMPARE(d->txtEvent[kRowMonthly]->toPlainText(), QStringLiteral("Last Monday"));
    QVERIFY(d->optEventB[kRowMonthly]->isChecked());
    QCOMPARE(d->cboEvent[kRowMonthly]->currentText(), QStringLiteral("Last"));
    QCOMPARE(d->focusWidget(), static_cast<QWidget*>(d->txtEvent[kRowMonthly]));
    QTest::mouseClick(d->imgRedArrow[kRowMonthly], Qt::LeftButton);
    QCOMPARE(boxes_->shown.back().text, "On the 28th" + kBlanks + "\r\n\r\n");

    d->txtEvent[kRowMonthly]->setPlainText("Last Monday!");
    d->cmdOK_Click();
    QCOMPARE(File(), FileOf({"07/12/4298000013=Last Monday!", "28/01/9998000000=On the 28th"}));
    // The box's state is stored on OK, as 0 or 1.
    QCOMPARE(app_->store.Read("ShowConflictingEventsMsg", "?"), std::to_string(showMessage));
  }

  void clearAll_data() {
    QTest::addColumn<int>("askFirst");
    QTest::addColumn<bool>("emptyDay");
    QTest::addColumn<int>("answer");  // MsgAnswer
    QTest::addColumn<bool>("cleared");
    QTest::newRow("asked, Yes") << 1 << false << int(MsgAnswer::Yes) << true;
    QTest::newRow("asked, No") << 1 << false << int(MsgAnswer::No) << false;
    QTest::newRow("asked, empty day") << 1 << true << -1 << false;
    QTest::newRow("not asked") << 0 << false << -1 << true;
    QTest::newRow("not asked, empty day") << 0 << true << -1 << false;
  }
  void clearAll() {
    QFETCH(int, askFirst);
    QFETCH(bool, emptyDay);
    QFETCH(int, answer);
    QFETCH(bool, cleared);
    app_->settings.ShowClearAllMsg = askFirst;
    const std::vector<std::string> lines = {"01/05/2026000000=Dentist", "01/01/9998000000=Rent",
                                            "02/05/2026000000=Tomorrow"};
    const Date shown = emptyDay ? DateSerial(2026, 5, 3) : kMay1;
    auto d = Shown(shown, lines);
    if (answer >= 0) boxes_->Answer(static_cast<MsgAnswer>(answer));
    d->cmdClearAll_Click();

    QCOMPARE(Boxes(AppTitle() + " - Clear All Events!"), askFirst == 1 && !emptyDay ? 1 : 0);
    QCOMPARE(Boxes(AppTitle() + " - No Events!"), askFirst == 1 && emptyDay ? 1 : 0);
    if (askFirst == 1 && !emptyDay) {
      QCOMPARE(boxes_->shown.front().text, "You are about to Clear all the Events for" + kBlanks +
                                               "\r\nFriday - May 1, 2026." + kBlanks +
                                               "\r\n\r\nIs this what you want to do?\r\n\r\n");
    }
    if (askFirst == 1 && emptyDay) {
      QCOMPARE(boxes_->shown.front().text,
               "There are no Events to Clear for" + kBlanks + "\r\nSunday - May 3, 2026." + kBlanks + "\r\n\r\n");
    }
    QCOMPARE(File(), cleared ? FileOf({"02/05/2026000000=Tomorrow"}) : FileOf(lines));
    QCOMPARE(d->LinesRemoved(), cleared);
    // Cleared or not worth asking: the dialog is done. Answered No: the user is still editing.
    const bool stillOpen = askFirst == 1 && !emptyDay && !cleared;
    QCOMPARE(d->isVisible(), stillOpen || (askFirst == 1 && emptyDay));
    if (stillOpen) QCOMPARE(d->txtEvent[kRowToday]->toPlainText(), QStringLiteral("Dentist"));
  }

  // The clock may bring a new day, and with it another month into the window, while the dialog is
  // open: Clear All still asks about the day the dialog holds, and clears it.
  void clearAllAfterTheWindowMovedOn() {
    app_->settings.ShowClearAllMsg = 1;
    auto d = Shown(kMay1, {"01/05/2026000000=Dentist", "01/06/2026000000=June"});
    MonthView& m = app_->month;
    m.ShowMonthTitle(DateSerial(2026, 7, 1), app_->settings);
    m.FillMonthGrid(m.ShownMonthDate, app_->settings, app_->events);  // the dialog's box is empty now
    boxes_->Answer(MsgAnswer::Yes);
    d->cmdClearAll_Click();
    QCOMPARE(Boxes(AppTitle() + " - No Events!"), 0);
    QCOMPARE(Boxes(AppTitle() + " - Clear All Events!"), 1);
    QCOMPARE(File(), FileOf({"01/06/2026000000=June"}));
  }

  // Clear All, from the dialog's button or from the day menu, answered Yes, leaves the day
  // without an event: also the lines no row shows (the earlier one-off, the hidden and the middle
  // of three monthly lines), in one save. No, or a save that fails, changes nothing.
  void clearAllEmptiesTheDay_data() {
    QTest::addColumn<bool>("fromDayMenu");
    QTest::addColumn<int>("answer");  // MsgAnswer
    QTest::addColumn<bool>("saveFails");
    QTest::newRow("dialog, Yes") << false << int(MsgAnswer::Yes) << false;
    QTest::newRow("day menu, Yes") << true << int(MsgAnswer::Yes) << false;
    QTest::newRow("day menu, No") << true << int(MsgAnswer::No) << false;
    QTest::newRow("day menu, Yes, the save fails") << true << int(MsgAnswer::Yes) << true;
  }
  void clearAllEmptiesTheDay() {
    QFETCH(bool, fromDayMenu);
    QFETCH(int, answer);
    QFETCH(bool, saveFails);
    app_->settings.ShowClearAllMsg = 1;
    f_->SetNow(DateTime{DateSerial(2026, 12, 21), 9, 30, 0});  // a Monday, the third of December
    auto w = LoadWindow({"21/12/2026000000=Dentist", "21/01/9998000000=Club", "22/12/2026000000=Tomorrow",
                         "21/12/6298000000=Chess", "21/12/2026000000=Vet", "21/03/9998000000=Choir"});
    const std::string file = EventFilePath(DefaultAllUsersPath());
    const std::string before = Slurp(file);
    const int box = app_->month.BoxOfDay(21);
    boxes_->Answer(static_cast<MsgAnswer>(answer));
    w->SetLastBoxIndex(box);
    {
      std::optional<orlevant::testing::FileSizeLimit> limit;
      if (saveFails) limit.emplace(10);  // no room for the lines of the other days
      if (fromDayMenu) {
        w->mnuClearAll_Click();
      } else {
        const auto seen = OnEntryDialog([](frmDataEntry& d) {
          QTest::mouseClick(d.cmdClearAll, Qt::LeftButton);
          if (d.isVisible()) d.reject();
        });
        w->EditSelectedDay();
        QVERIFY(*seen);
      }
    }
    const bool cleared = answer == int(MsgAnswer::Yes) && !saveFails;
    QCOMPARE(Boxes(AppTitle() + " - Clear All Events!"), 1);
    QCOMPARE(boxes_->shown.back().text.starts_with("Your events could not be saved."), saveFails);
    QCOMPARE(Slurp(file), cleared ? FileOf({"22/12/2026000000=Tomorrow"}) : before);
    QCOMPARE(w->lblData(box)->text().isEmpty(), cleared);
    w->Form_Unload();
  }

  // OK that changed no line still reads the file in again (the entry rows' tests hold that): one
  // that cannot be read is told, and the dialog is done.
  void okWithoutChangesTellsAFileThatCannotBeReadAgain() {
    auto d = Shown(kMay1, {"01/05/2026000000=Dentist"});
    std::filesystem::remove(file_);
    std::filesystem::create_directory(file_);
    d->cmdOK_Click();
    QCOMPARE(d->result(), int(QDialog::Accepted));
    QCOMPARE(boxes_->shown.size(), std::size_t(1));
    QVERIFY(boxes_->shown[0].text.starts_with("The events file could not be read."));
  }

  void anEntryErrorKeepsTheDialogAndTheTexts() {
    auto d = Shown(kMay1, {"01/05/2026000000=Dentist"});
    const std::string before = File();
    d->txtEvent[kRowToday]->setPlainText("Dentist at ten");
    d->txtEvent[kRowWeekly]->setPlainText("\n\n");
    d->txtEvent[kRowWeekly]->setFocus();
    d->cmdOK_Click();
    QVERIFY(d->isVisible());
    QCOMPARE(boxes_->shown.size(), std::size_t(1));
    QCOMPARE(boxes_->shown[0].title, AppTitle());
    QCOMPARE(boxes_->shown[0].icon, MsgIcon::Information);
    QCOMPARE(boxes_->shown[0].text, "Encountered an error in your entry!" + kBlanks +
                                        "\r\n\r\nYou probably typed an illegal character(s)." + kBlanks +
                                        "\r\nLegal characters are printable characters." + kBlanks +
                                        "\r\n\r\nPlease re-enter the information.\r\n\r\n");
    QCOMPARE(d->txtEvent[kRowToday]->toPlainText(), QStringLiteral("Dentist at ten"));
    QCOMPARE(d->focusWidget(), static_cast<QWidget*>(d->txtEvent[kRowToday]));
    QCOMPARE(File(), before);  // that the mended rows then write once, the entry rows' tests hold
  }

  void aFailedSaveKeepsTheDialogAndTheTexts() {
    auto d = Shown(kMay1, {"01/05/2026000000=Dentist"});
    const EventLines records = app_->events.EventRecords;
    std::filesystem::remove(file_);
    std::filesystem::create_directory(file_);  // a folder stands where the file should be
    d->txtEvent[kRowYearly]->setPlainText("Birthday");
    d->cmdOK_Click();
    QVERIFY(d->isVisible());
    QCOMPARE(boxes_->shown.back().title, AppTitle());
    QCOMPARE(boxes_->shown.back().icon, MsgIcon::Warning);
    QVERIFY(boxes_->shown.back().text.starts_with("Your events could not be saved."));
    QCOMPARE(app_->events.EventRecords, records);
    QCOMPARE(d->txtEvent[kRowYearly]->toPlainText(), QStringLiteral("Birthday"));

    // Clear All that cannot save gives the rows back.
    app_->settings.ShowClearAllMsg = 0;
    d->cmdClearAll_Click();
    QVERIFY(d->isVisible());
    QCOMPARE(d->txtEvent[kRowToday]->toPlainText(), QStringLiteral("Dentist"));
    QCOMPARE(d->txtEvent[kRowYearly]->toPlainText(), QStringLiteral("Birthday"));
  }

  void okWithoutEditsLeavesTheFileAsItWas() {
    auto d = Shown(kMay1, {"01/05/2026020000=  Dentist~at ten  ", "08/05/9996000000=Every Friday",
                           "01/01/9998000103=By date", "02/01/8698000000=First Friday",
                           "01/02/9989000000=Quarterly\xc2\xa0rent\tdue", "01/05/9999010001=Birthday",
                           "03/03/2026000000=Elsewhere"});
    const std::string before = File();
    QTest::keyClick(d->txtEvent[kRowToday], Qt::Key_Return);
    QCOMPARE(d->result(), int(QDialog::Accepted));
    QVERIFY(!d->Saved());
    QCOMPARE(File(), before);
  }

  void cancelWritesNothing() {
    auto d = Shown(kMay1, {"01/05/2026000000=Dentist"});
    const std::string before = File();
    d->txtEvent[kRowToday]->setPlainText("");
    d->chkShowConflictingEventsMsg->setChecked(false);
    QTest::mouseClick(d->cmdCancel, Qt::LeftButton);
    QVERIFY(!d->isVisible());
    QCOMPARE(File(), before);
    QCOMPARE(app_->store.Read("ShowConflictingEventsMsg", "unset"), std::string("unset"));
  }

  // Exit while the dialog is open ends it as Cancel would: what it had not saved is not written,
  // and the window is gone when the dialog's opener goes on.
  void exitWhileTheDialogIsOpen() {
    auto w = LoadWindow({"01/05/2026000000=Dentist"});
    bool closedByExit = false;
    const auto typed = OnEntryDialog([&](frmDataEntry& d) {
      d.txtEvent[kRowToday]->setPlainText("Dentist at ten");
      w->mnuExit_Click();
      closedByExit = !d.isVisible();
      if (!closedByExit) d.reject();  // fail, rather than wait
    });
    w->SetLastBoxIndex(app_->month.BoxOfDay(1));
    w->EditSelectedDay();
    QVERIFY(*typed);
    QVERIFY(closedByExit);
    QVERIFY(w->IsUnloaded());
    QCOMPARE(Slurp(EventFilePath(DefaultAllUsersPath())), FileOf({"01/05/2026000000=Dentist"}));
  }

  // The month window's slots: the dialog opens on the box's day and the month shows the result.
  void openersRefillTheMonth() {
    QVERIFY(app_->store.Write("ShowClearAllMsg", "0"));
    const auto window = LoadWindow({"01/05/2026000000=Dentist", "01/05/9998000000=Rent"});
    frmMain& w = *window;
    const int box = app_->month.BoxOfDay(1);
    QVERIFY(w.Dialogs().EditDay);
    QVERIFY(w.Dialogs().ClearAllDay);

    const auto sawDialog = OnEntryDialog([](frmDataEntry& d) {
      d.txtEvent[kRowYearly]->setPlainText("Birthday");
      d.cmdOK_Click();
    });
    w.Dialogs().EditDay(w, box);
    QVERIFY(*sawDialog);
    QVERIFY(app_->month.DayCellText(box).find("Birthday") != std::string::npos);
    QVERIFY(w.lblData(box)->text().contains("Birthday"));

    w.Dialogs().ClearAllDay(w, box);
    QCOMPARE(app_->month.DayCellText(box), std::string());
    QCOMPARE(Slurp(EventFilePath(DefaultAllUsersPath())), std::string());
    // A box outside the month opens nothing.
    w.Dialogs().EditDay(w, app_->month.GridOffset > 0 ? 0 : 41);
    QCOMPARE(QApplication::activeModalWidget(), static_cast<QWidget*>(nullptr));
    w.Form_Unload();
  }
};

QTEST_MAIN(TestEntryDialog)
#include "test_entry_dialog.moc"
