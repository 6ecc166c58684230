// A read-only events file (mode 0444) as the user meets it from the windows: the start and the
// entry dialog each say why nothing was saved, and the file stays as it was.

#include <QApplication>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include <sys/stat.h>

#include <memory>
#include <string>

#include "core/entry_codes.h"
#include "core/events_file.h"
#include "entry/frm_data_entry.h"
#include "gui/main_window_fixture.h"
#include "platform/paths.h"
#include "support/file_helpers.h"

using namespace orlevant;
using orlevant::testing::At;
using orlevant::testing::Slurp;

class TestReadOnlyEvents : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<orlevant::testing::MainWindowFixture> f_;
  std::string path_;

  // The file holding `text`, made read-only, under the month window loaded on 12 May 2026.
  frmMain& OpenOver(const std::string& text) {
    path_ = EventFilePath(DefaultAllUsersPath());
    orlevant::testing::Put(path_, text);
    ::chmod(path_.c_str(), 0444);
    return f_->Open(At(2026, 5, 12));
  }
  bool LastBoxGivesTheReason() const {
    return !f_->boxes.shown.empty() && f_->boxes.shown.back().text.find(path_ + ": it is read-only.") != std::string::npos;
  }

 private slots:
  void init() { f_ = std::make_unique<orlevant::testing::MainWindowFixture>(); }
  void cleanup() { f_.reset(); }

  void theStartSaysWhyAPastReminderStays() {
    const std::string text = "11/05/2026010000=Yesterday\r\n";
    OpenOver(text);
    QCOMPARE(f_->boxes.shown.size(), std::size_t{1});
    QCOMPARE(f_->boxes.shown[0].title, AppTitle() + " - Events File");
    QVERIFY(LastBoxGivesTheReason());
    QCOMPARE(Slurp(path_), text);
  }

  void theEntryDialogSaysWhyAndStaysOpen() {
    const std::string text = "12/05/2026000000=Dentist\r\n";
    frmMain& w = OpenOver(text);
    w.SetLastBoxIndex(f_->app.month.BoxOfDay(12));
    auto stayedOpen = std::make_shared<bool>(false);
    QTimer::singleShot(0, [stayedOpen] {
      auto* d = qobject_cast<frmDataEntry*>(QApplication::activeModalWidget());
      if (!d) return;
      d->txtEvent[kRowYearly]->setPlainText("Birthday");
      QTest::mouseClick(d->cmdOK, Qt::LeftButton);
      *stayedOpen = d->isVisible();
      d->reject();
    });
    w.EditSelectedDay();
    QVERIFY(*stayedOpen);
    QVERIFY(f_->boxes.shown.back().text.starts_with("Your events could not be saved."));
    QVERIFY(LastBoxGivesTheReason());
    QCOMPARE(Slurp(path_), text);
    QCOMPARE(f_->app.events.EventCount, 1);
  }
};

QTEST_MAIN(TestReadOnlyEvents)
#include "test_read_only_events.moc"
