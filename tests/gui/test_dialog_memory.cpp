// The dialogs the month window opens hand the memory they freed back to the system once they are
// gone: not while they are open, once for each closing.

#include <QApplication>
#include <QDialog>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include <memory>

#include "mainwindow/dialog_openers.h"
#include "main_window_fixture.h"
#include "platform/freed_memory.h"
#include "reminders/frm_reminders.h"

using namespace orlevant;
using orlevant::testing::At;
using orlevant::testing::MainWindowFixture;

class TestDialogMemory : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<MainWindowFixture> f_;
  int returns_ = 0;

  // What a deleted dialog and the work queued behind it leave to the event loop.
  static void Settle() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
  }

 private slots:
  void init() {
    f_ = std::make_unique<MainWindowFixture>();
    MainWindowFixture::WriteEvents({"12/05/2026001011=Dentist", "20/05/9999000000=Birthday"});
    f_->Open(At(2026, 5, 12));
    returns_ = 0;
    SetFreedMemoryReturner([this] { ++returns_; });
  }
  void cleanup() {
    SetFreedMemoryReturner({});
    f_.reset();
  }

  // Each opener hands the memory back once, after its dialog (or the Clear All box) is gone.
  void eachDialogReturnsMemoryOnceClosed_data() {
    QTest::addColumn<QString>("dialog");
    for (const char* name : {"frmDataEntry", "frmReminders", "frmPreferences", "frmPrintOptions", "Clear All"})
      QTest::newRow(name) << QString(name);
  }
  void eachDialogReturnsMemoryOnceClosed() {
    QFETCH(QString, dialog);
    frmMain& w = f_->Window();
    QString seen = QStringLiteral("Clear All");  // its box is answered by the fixture
    int returnsWhileOpen = 0;
    QTimer::singleShot(0, [&] {
      auto* modal = qobject_cast<QDialog*>(QApplication::activeModalWidget());
      if (!modal) return;
      seen = QString::fromLatin1(modal->metaObject()->className()).section(QStringLiteral("::"), -1);
      returnsWhileOpen = returns_;
      modal->reject();
    });
    f_->boxes.Answer(MsgAnswer::Yes);
    DialogOpeners& open = w.Dialogs();
    if (dialog == QLatin1String("frmDataEntry")) open.EditDay(w, f_->Box(12));
    if (dialog == QLatin1String("frmReminders")) open.Reminders(w, true);
    if (dialog == QLatin1String("frmPreferences")) open.Preferences(w);
    if (dialog == QLatin1String("frmPrintOptions")) open.Print(w);
    if (dialog == QLatin1String("Clear All")) open.ClearAllDay(w, f_->Box(12));
    Settle();
    QCOMPARE(seen, dialog);
    QCOMPARE(returnsWhileOpen, 0);
    QCOMPARE(returns_, 1);
  }

  // Opened from a day's reminder icon the dialog stays open after its opener returns; asked for
  // again it only comes to the front. Its memory goes back when it has been destroyed, once.
  void theModelessRemindersDialogReturnsMemoryWhenDestroyed() {
    frmMain& w = f_->Window();
    w.Dialogs().Reminders(w, false);
    w.Dialogs().Reminders(w, false);
    frmReminders* open = OpenRemindersDialog();
    QVERIFY(open && open->isVisible());
    Settle();
    QCOMPARE(returns_, 0);
    open->cmdCancel()->click();
    Settle();
    QCOMPARE(returns_, 1);
  }
};

QTEST_MAIN(TestDialogMemory)
#include "test_dialog_memory.moc"
