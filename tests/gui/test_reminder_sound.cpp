// Which sound a reminder's sound digit asks for: the table's names found in the sounds folders, the
// desktop's own sound for "Default" and for anything not found. And how the desktop's player keeps
// its connection to the sound service over a long run, and what it plays for a file the service
// cannot play.

#include <QtTest>

#include <canberra.h>

#include <array>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "mainwindow/app_context.h"
#include "reminder_test_support.h"
#include "reminders/reminder_sound.h"
#include "support/file_helpers.h"
#include "support/temp_home.h"

using namespace orlevant;
using orlevant::testing::TempHome;

namespace {

std::array<std::string, 11> SoundTable() {
  std::array<std::string, 11> sounds;
  for (std::size_t i = 0; i < kReminderSoundFiles.size(); ++i) sounds[i] = kReminderSoundFiles[i];
  return sounds;
}

void Touch(const std::filesystem::path& p) { orlevant::testing::Put(p, "RIFF"); }

using orlevant::testing::RecordingPlayer;

// A sound service that answers each request from a script, one letter a request ("x": the open
// or the play failed, "u": a sound it cannot play, "d": declined; anything else, or past the
// script's end: done), and writes down what it was asked.
class ScriptedBackend final : public SoundBackend {
 public:
  ScriptedBackend(std::string script, std::string& log) : script_(std::move(script)), log_(log) {}
  bool Open() override {
    const bool ok = Next() != 'x';
    Write(ok ? "open" : "open failed");
    return ok;
  }
  void Close() override { Write("close"); }
  SoundOutcome Play(const SoundRequest& request) override {
    const char answer = Next();
    Write("play " + (request.desktopDefault ? std::string("default") : request.file) +
          (answer == 'x' ? " failed" : answer == 'u' ? " unplayable" : answer == 'd' ? " declined" : ""));
    return answer == 'x'   ? SoundOutcome::Failed
           : answer == 'u' ? SoundOutcome::Unplayable
           : answer == 'd' ? SoundOutcome::Declined
                           : SoundOutcome::Played;
  }

 private:
  char Next() { return next_ < script_.size() ? script_[next_++] : '.'; }
  void Write(const std::string& entry) { log_ += (log_.empty() || log_.ends_with("| ") ? "" : ", ") + entry; }

  std::string script_;
  std::size_t next_ = 0;
  std::string& log_;
};

struct LibraryAnswer {
  int code;
  SoundOutcome outcome;
};
constexpr LibraryAnswer kLibraryAnswers[] = {
    {CA_SUCCESS, SoundOutcome::Played},
    {CA_ERROR_NOTSUPPORTED, SoundOutcome::Unplayable},  // a 24-bit or float wave, an odd format chunk
    {CA_ERROR_INVALID, SoundOutcome::Unplayable},
    {CA_ERROR_STATE, SoundOutcome::Failed},
    {CA_ERROR_OOM, SoundOutcome::Declined},
    {CA_ERROR_NODRIVER, SoundOutcome::Failed},
    {CA_ERROR_SYSTEM, SoundOutcome::Failed},
    {CA_ERROR_CORRUPT, SoundOutcome::Unplayable},
    {CA_ERROR_TOOBIG, SoundOutcome::Unplayable},
    {CA_ERROR_NOTFOUND, SoundOutcome::Unplayable},
    {CA_ERROR_DESTROYED, SoundOutcome::Failed},
    {CA_ERROR_CANCELED, SoundOutcome::Declined},
    {CA_ERROR_NOTAVAILABLE, SoundOutcome::Failed},
    {CA_ERROR_ACCESS, SoundOutcome::Unplayable},
    {CA_ERROR_IO, SoundOutcome::Failed},
    {CA_ERROR_INTERNAL, SoundOutcome::Failed},
    {CA_ERROR_DISABLED, SoundOutcome::Declined},
    {CA_ERROR_FORKED, SoundOutcome::Failed},
    {CA_ERROR_DISCONNECTED, SoundOutcome::Failed},
    {_CA_ERROR_MAX, SoundOutcome::Failed},  // a code a later library may add
};
// One row for each code the library has, in its order, none left out.
static_assert([] {
  int expected = 0;
  for (const LibraryAnswer& a : kLibraryAnswers)
    if (a.code != expected--) return false;
  return expected == _CA_ERROR_MAX - 1;
}());

}  // namespace

Q_DECLARE_METATYPE(SoundOutcome)

class TestReminderSound : public QObject {
  Q_OBJECT

 private slots:
  void theDigitPicksTheFile_data() {
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("expected");  // "" the desktop's sound, else the folder and file
    QTest::newRow("0 Default") << 0 << "";
    QTest::newRow("9 Utopia, in the first folder") << 9 << "first/Utopia.wav";
    QTest::newRow("1 Alert, only in the second folder") << 1 << "second/Alert.wav";
    QTest::newRow("4 Complete, in both: the first wins") << 4 << "first/Complete.wav";
    QTest::newRow("5 Ding, in neither") << 5 << "";
    QTest::newRow("10 empty") << 10 << "";
    QTest::newRow("negative") << -1 << "";
    QTest::newRow("past the table") << 11 << "";
  }
  void theDigitPicksTheFile() {
    QFETCH(int, index);
    QFETCH(QString, expected);
    TempHome home;
    const auto first = home.Root() / "first";
    const auto second = home.Root() / "second";
    Touch(first / "Utopia.wav");
    Touch(first / "Complete.wav");
    Touch(second / "Complete.wav");
    Touch(second / "Alert.wav");
    // A folder where a file is expected is not a sound.
    std::filesystem::create_directories(first / "Ding.wav");
    const std::vector<std::string> folders{first.string() + "/", second.string() + "/"};
    RecordingPlayer player;
    PlayReminderSound(index, SoundTable(), folders);
    QCOMPARE(player.played.size(), std::size_t{1});
    const SoundRequest& r = player.played[0];
    if (expected.isEmpty()) {
      QVERIFY(r.desktopDefault);
      QVERIFY(r.file.empty());
    } else {
      QVERIFY(!r.desktopDefault);
      QCOMPARE(QString::fromStdString(r.file), QString::fromStdString((home.Root()).string() + "/" + expected.toStdString()));
    }
  }

  void aNameWithAFolderInItStaysInside() {
    TempHome home;
    Touch(home.Root() / "secret.wav");
    std::array<std::string, 11> sounds = SoundTable();
    sounds[3] = "../secret.wav";
    const auto folder = home.Root() / "Sounds";
    std::filesystem::create_directories(folder);
    QVERIFY(ReminderSoundRequest(3, sounds, {folder.string() + "/"}).desktopDefault);
  }

  // Two sounds ("a" then "b"), then the player goes away; the log shows what the service was asked,
  // "|" between the three.
  void theDesktopPlayerReconnectsToARestartedService_data() {
    QTest::addColumn<QString>("script");
    QTest::addColumn<QString>("expected");
    QTest::newRow("unreachable at the first sound: tried again at the next")
        << "x" << "open failed | open, play b | close";
    QTest::newRow("restarted: reopened, played again")
        << ".x" << "open, play a failed, close, open, play a | play b | close";
    QTest::newRow("restarted and not back yet: tried again at the next sound")
        << ".xx" << "open, play a failed, close, open failed | open, play b | close";
    QTest::newRow("failing after the reopen: played again once only, reconnects at the next")
        << ".x.xx" << "open, play a failed, close, open, play a failed | play b failed, close, open, play b | close";
    // A file it cannot play is taken as a missing one.
    QTest::newRow("a sound that cannot be played: the connection is kept, the desktop's sound plays")
        << ".u" << "open, play a unplayable, play default | play b | close";
    QTest::newRow("the desktop's sound cannot be played either: nothing more")
        << ".uu" << "open, play a unplayable, play default unplayable | play b | close";
    QTest::newRow("the connection fails the desktop's sound: reopened for it")
        << ".ux" << "open, play a unplayable, play default failed, close, open, play default | play b | close";
    QTest::newRow("the sound cannot be played after a reopen: the desktop's sound plays")
        << ".x.u" << "open, play a failed, close, open, play a unplayable, play default | play b | close";
    QTest::newRow("declined: nothing else is tried, the connection is kept")
        << ".d" << "open, play a declined | play b | close";
  }
  void theDesktopPlayerReconnectsToARestartedService() {
    QFETCH(QString, script);
    QFETCH(QString, expected);
    std::string log;
    {
      DesktopSoundPlayer player(std::make_unique<ScriptedBackend>(script.toStdString(), log));
      player.Play({false, "a"});
      log += " | ";
      player.Play({false, "b"});
      log += " | ";
    }
    QCOMPARE(QString::fromStdString(log), expected);
  }

  // Every answer the event-sound library gives to a play request: about the sound (the desktop's
  // sound plays instead), about the connection (opened anew), or neither (nothing more is tried).
  void everyAnswerOfTheLibraryIsSorted_data() {
    QTest::addColumn<int>("code");
    QTest::addColumn<SoundOutcome>("outcome");
    for (const LibraryAnswer& a : kLibraryAnswers) {
      const char* name = a.code > _CA_ERROR_MAX ? ca_strerror(a.code) : "added later";
      QTest::newRow(qPrintable(QString("%1 %2").arg(a.code).arg(name))) << a.code << a.outcome;
    }
  }
  void everyAnswerOfTheLibraryIsSorted() {
    QFETCH(int, code);
    QFETCH(SoundOutcome, outcome);
    QCOMPARE(CanberraPlayOutcome(code), outcome);
  }

  void theFoldersAreBesideTheProgramThenInstalled() {
    const std::vector<std::string> folders = SoundFolders();
    QCOMPARE(folders.size(), std::size_t{2});
    QVERIFY(QString::fromStdString(folders[0]).endsWith("/tests/Sounds/"));
    QVERIFY(QString::fromStdString(folders[1]).endsWith("/share/orlevant/Sounds/"));
  }
};

QTEST_MAIN(TestReminderSound)
#include "test_reminder_sound.moc"
