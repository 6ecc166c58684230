// Which sound a reminder's sound digit asks for: the table's names found in the sounds folders, the
// desktop's own sound for "Default" and for anything not found.

#include <QtTest>

#include <array>
#include <filesystem>
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

}  // namespace

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

  void theFoldersAreBesideTheProgramThenInstalled() {
    const std::vector<std::string> folders = SoundFolders();
    QCOMPARE(folders.size(), std::size_t{2});
    QVERIFY(QString::fromStdString(folders[0]).endsWith("/tests/Sounds/"));
    QVERIFY(QString::fromStdString(folders[1]).endsWith("/share/orlevant/Sounds/"));
  }
};

QTEST_MAIN(TestReminderSound)
#include "test_reminder_sound.moc"
