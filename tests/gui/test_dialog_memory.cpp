// The dialogs the month window opens hand the memory they freed back to the system once they are
// gone: not while they are open, once for each closing. Clear All's only window is its question.

#include <QApplication>
#include <QDialog>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include <functional>
#include <memory>
#include <string>

#include "mainwindow/dialog_openers.h"
#include "main_window_fixture.h"
#include "platform/file_io.h"
#include "platform/freed_memory.h"
#include "reminders/frm_reminders.h"

using namespace orlevant;
using orlevant::testing::At;
using orlevant::testing::MainWindowFixture;

namespace {

// Answers as the boxes under it do, and first calls `shown` with the box's title.
class WatchedBoxes final : public MessageBoxes {
 public:
  WatchedBoxes(MessageBoxes& under, std::function<void(const std::string&)> shown)
      : under_(under), shown_(std::move(shown)) {
    SetAppMessageBoxes(this);
  }
  ~WatchedBoxes() override { SetAppMessageBoxes(&under_); }
  WatchedBoxes(const WatchedBoxes&) = delete;
  WatchedBoxes& operator=(const WatchedBoxes&) = delete;

  MsgAnswer Show(MsgIcon icon, MsgButtons buttons, const std::string& title, const std::string& text) override {
    shown_(title);
    return under_.Show(icon, buttons, title, text);
  }

 private:
  MessageBoxes& under_;
  std::function<void(const std::string&)> shown_;
};

}  // namespace

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

  // Each opener hands the memory back once, after its dialog (or the Clear All box) is gone. The
  // dialogs are cancelled and save nothing; Clear All, answered Yes, saves the events file once.
  void eachDialogReturnsMemoryOnceClosed_data() {
    QTest::addColumn<QString>("dialog");
    QTest::addColumn<int>("saves");
    for (const char* name : {"frmDataEntry", "frmReminders", "frmPreferences", "frmPrintOptions"})
      QTest::newRow(name) << QString(name) << 0;
    QTest::newRow("Clear All") << QStringLiteral("Clear All") << 1;
  }
  void eachDialogReturnsMemoryOnceClosed() {
    QFETCH(QString, dialog);
    QFETCH(int, saves);
    frmMain& w = f_->Window();
    QString seen;
    int returnsWhileOpen = -1;
    QTimer::singleShot(0, [&] {
      auto* modal = qobject_cast<QDialog*>(QApplication::activeModalWidget());
      if (!modal) return;
      seen = QString::fromLatin1(modal->metaObject()->className()).section(QStringLiteral("::"), -1);
      returnsWhileOpen = returns_;
      modal->reject();
    });
    const WatchedBoxes boxes(f_->boxes, [&](const std::string& title) {
      if (title != AppTitle() + " - Clear All Events!") return;
      seen = QStringLiteral("Clear All");
      returnsWhileOpen = returns_;
    });
    f_->boxes.Answer(MsgAnswer::Yes);
    int saved = 0;
    FileSystemCalls calls = RealFileSystemCalls();
    calls.rename = [&, real = calls.rename, events = f_->app.events.Path](const char* from, const char* to) {
      if (events == to) ++saved;
      return real(from, to);
    };
    const ScopedFileSystemCalls counted(calls);
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
    QCOMPARE(saved, saves);
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
