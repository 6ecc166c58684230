// The program itself, run as a child on the offscreen platform: the end of the session (SIGTERM,
// SIGHUP, SIGINT) takes the way out of Exit, which stores where the window stands. In the window's
// own test, the same with a window the desktop has just moved.

#include <QProcess>
#include <QtTest>

#include <csignal>
#include <string>

#include "platform/settings_store.h"
#include "support/temp_home.h"

class TestSessionEnd : public QObject {
  Q_OBJECT

 private slots:
  // Started in a shell's background a program has SIGINT ignored, and keeps it so, as does the
  // program it starts; the test stands where a desktop starts it.
  void initTestCase() {
    for (const int signal : {SIGTERM, SIGHUP, SIGINT}) std::signal(signal, SIG_DFL);
  }

  void theProgramEndsThroughExit_data() {
    QTest::addColumn<int>("signal");
    QTest::newRow("SIGTERM") << SIGTERM;
    QTest::newRow("SIGHUP") << SIGHUP;
    QTest::newRow("SIGINT") << SIGINT;
  }
  void theProgramEndsThroughExit() {
    QFETCH(int, signal);
    const QString program = QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("../orlevant"));
    if (!QFileInfo(program).isExecutable()) QFAIL("the orlevant program is not built beside the tests");
    orlevant::testing::TempHome home;
    orlevant::SettingsStore store;
    // A Top Left window: Exit replaces the stored place with the screen's corner.
    for (const auto& [key, value] : {std::pair{"FirstUse", "1"}, {"ShowSplash", "0"}, {"Position", "3"},
                                     {"PositionLeft", "1500"}, {"PositionTop", "3000"}})
      QVERIFY(store.Write(key, value));
    QProcess calendar;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();  // the temporary home's folders
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    calendar.setProcessEnvironment(env);
    calendar.start(program, {});
    QVERIFY(calendar.waitForStarted());
    // The load stores the reminders' state; a signal from then on waits for the load's end.
    QTRY_VERIFY_WITH_TIMEOUT(store.Read("Reminders", "") != "", 20000);
    QCOMPARE(::kill(static_cast<pid_t>(calendar.processId()), signal), 0);
    QVERIFY(calendar.waitForFinished(20000));
    QCOMPARE(calendar.exitStatus(), QProcess::NormalExit);
    QCOMPARE(calendar.exitCode(), 0);
    QCOMPARE(store.Read("PositionLeft", ""), std::string("0"));
    QCOMPARE(store.Read("PositionTop", ""), std::string("0"));
  }
};

QTEST_MAIN(TestSessionEnd)
#include "test_session_end.moc"
