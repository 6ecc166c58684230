// Every window that shows an event's text or a setting shows what a person can read of it, however
// long: the start and the end of one pasted word of a megabyte, of a date in a format of a megabyte,
// of a path through a folder named by hand; no pop-up grows wider than the screen. The settings keep
// every character.

#include <QAbstractItemModel>
#include <QComboBox>
#include <QLabel>
#include <QListView>
#include <QTabWidget>
#include <QTreeView>
#include <QtTest>

#include "core/shown_text.h"
#include "gui/main_window_fixture.h"
#include "mainwindow/frm_message.h"
#include "mainwindow/frm_reminder_pop.h"
#include "preferences/format_tab.h"
#include "preferences/frm_preferences.h"
#include "preferences/maintenance_tab.h"
#include "preferences/statistics_tab.h"
#include "reminders/frm_reminder_msg.h"
#include "reminders/frm_reminders.h"

using namespace orlevant;

class TestLongTexts : public QObject {
  Q_OBJECT

 private slots:
  void everyWindowShowsWhatAPersonCanRead() {
    testing::MainWindowFixture f(testing::At(2026, 5, 12, 9, 30));
    const std::string word(1 << 20, 'w');
    std::string format;
    while (format.size() < word.size()) format += "dd/mm/yyyy ";
    f.Set("ShowToolTips", "1");
    f.Set("DateFormat", format);
    frmMain& w = f.Load({"12/05/2026000010=" + word});
    f.OpenBothPopups(12);
    DueReminder due;
    due.ReminderLine = "12/05/2026000010=" + word;
    due.ReminderDate = DateSerial(2026, 5, 12);
    frmReminderMsg alert(f.app, due);
    const std::unique_ptr<frmReminders> reminders = std::make_unique<frmReminders>(w, &w);
    f.app.events.Path = "/" + word + "/ann.dat";
    frmPreferences preferences(f.app, PreferencesServices{}, &w);
    preferences.SSTab()->setCurrentWidget(preferences.Statistics());

    const std::pair<const char*, QString> shown[] = {
        {"day box", w.lblData(f.Box(12))->text()},
        {"tooltip", w.lblData(f.Box(12))->toolTip()},
        {"event pop-up", w.EventPopup()->lblMessage->text()},
        {"reminder pop-up", w.ReminderPopup()->lblMessage->text()},
        {"alert", alert.lblMsg()->text()},
        {"alert's date", alert.lblDate()->text()},
        {"alert's now", alert.lblNow()->text()},
        {"reminders row", reminders->lvwReminders()->model()->index(0, 0).data().toString()},
        {"reminders detail", reminders->lblReminderText()->text()},
        {"title preview", preferences.Format()->lblTitle()->text()},
        {"date formats", preferences.Format()->cboDateFormat()->currentText()},
        {"statistics", preferences.Statistics()->lvwEvents()->model()->index(0, 0).data().toString()},
        {"events file", preferences.Maintenance()->lblDBasePath()->text()},
    };
    for (const auto& [name, text] : shown)
      QVERIFY2(text.size() < kShownLineLength + 100 && text.contains(QChar(0x2026)), name);
    QVERIFY(w.ReminderPopup()->width() <= w.screen()->geometry().width());

    f.Set("DateFormat", "d/m/yyyy");
    preferences.cmdApply_Click();
    QVERIFY(f.Stored("DateFormat") == format);
  }
};

QTEST_MAIN(TestLongTexts)
#include "test_long_texts.moc"
