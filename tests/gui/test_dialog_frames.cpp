// Every dialog whose size is the program's asks for a fixed dialog frame: a title with only a close
// button, and a size the user cannot change.

#include <QMessageBox>
#include <QPrinter>
#include <QtTest>

#include <chrono>
#include <memory>
#include <string>

#include "core/reminder_engine.h"
#include "entry/frm_data_entry.h"
#include "main_window_fixture.h"
#include "mainwindow/frm_tips.h"
#include "mainwindow/frm_total_events_msg.h"
#include "platform/qt/qt_message_boxes.h"
#include "preferences/open_preferences.h"
#include "printing/frm_print_options.h"
#include "reminder_test_support.h"
#include "reminders/frm_reminder_msg.h"
#include "reminders/frm_reminders.h"

using namespace orlevant;
using orlevant::testing::MainWindowFixture;

class TestDialogFrames : public QObject {
  Q_OBJECT

 private:
  static std::unique_ptr<QDialog> Make(MainWindowFixture& f, const QString& name, const std::string& event = "Dentist") {
    frmMain& w = *f.window;
    if (name == "message box")
      return BuildMessageBox(MsgIcon::Question, MsgButtons::YesNo, AppTitle() + " - Clear All", "Sure?\r\n\r\n");
    if (name == "entry") return std::make_unique<frmDataEntry>(f.app, f.Box(12), &w);
    if (name == "reminders") return std::make_unique<frmReminders>(w, &w);
    if (name == "preferences") return MakePreferences(w);
    if (name == "print options")
      return std::make_unique<frmPrintOptions>(w, PrinterSource{[] { return std::unique_ptr<QPrinter>(); }});
    if (name == "alert") {
      DueReminder due;
      due.ReminderLine = "12/05/2026010000=" + event;
      due.ReminderDate = DateSerial(2026, 5, 12);
      due.ReminderDays = std::chrono::days(1);
      return std::make_unique<frmReminderMsg>(f.app, due, &w);
    }
    if (name == "tips") return std::make_unique<frmTips>(f.app.settings, f.app.store, &w);
    if (name == "total events warning") return std::make_unique<frmTotalEventsMsg>(1500, f.app.store, &w);
    return nullptr;
  }

 private slots:
  void closeButtonOnlyAndAFixedSize_data() {
    QTest::addColumn<QString>("dialog");
    for (const char* name : {"message box", "entry", "reminders", "preferences", "print options", "alert", "tips",
                             "total events warning"})
      QTest::newRow(name) << QString(name);
  }
  void closeButtonOnlyAndAFixedSize() {
    QFETCH(QString, dialog);
    MainWindowFixture f(testing::At(2026, 5, 12, 9, 30));
    testing::RecordingPlayer player;  // the alert's sound
    f.Load({"12/05/2026010000=Dentist"});
    std::unique_ptr<QDialog> d = Make(f, dialog);
    QVERIFY(d);
    d->show();
    QVERIFY(QTest::qWaitForWindowExposed(d.get()));
    const QSize shown = d->size();
    d->resize(shown + QSize(200, 150));  // as a frame dragged by its corner would
    QCOMPARE(d->size(), shown);

    const Qt::WindowFlags flags = d->windowFlags();
    QCOMPARE(flags & Qt::WindowType_Mask, Qt::Dialog);
    // A customised frame gets the buttons it names and no others.
    QVERIFY(flags.testFlags(Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint));
    QCOMPARE(flags & (Qt::WindowMinMaxButtonsHint | Qt::WindowContextHelpButtonHint | Qt::WindowFullscreenButtonHint |
                      Qt::WindowShadeButtonHint),
             Qt::WindowFlags());
  }

  // An event text may be one word of thousands of letters: the dialogs that show it keep the width
  // a short text gives them, so that their buttons stay on the screen.
  void aLongWordNeverWidensTheDialog_data() {
    QTest::addColumn<QString>("dialog");
    QTest::newRow("reminders") << "reminders";
    QTest::newRow("alert") << "alert";
  }
  void aLongWordNeverWidensTheDialog() {
    QFETCH(QString, dialog);
    const auto widthWith = [&dialog](const std::string& event) {
      MainWindowFixture f(testing::At(2026, 5, 12, 9, 30));
      testing::RecordingPlayer player;
      f.Load({"12/05/2026010000=" + event});
      std::unique_ptr<QDialog> d = Make(f, dialog, event);
      d->show();
      return QTest::qWaitForWindowExposed(d.get()) ? d->width() : -1;
    };
    const int shortText = widthWith("Dentist");
    QVERIFY(shortText > 0);
    QCOMPARE(widthWith(std::string(5000, 'W')), shortText);
  }
};

QTEST_MAIN(TestDialogFrames)
#include "test_dialog_frames.moc"
