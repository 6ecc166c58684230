#include "core/settings_warning.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>

#include "core/ini_file.h"
#include "core/message_box.h"
#include "core/settings.h"
#include "platform/file_io.h"
#include "support/file_helpers.h"
#include "support/scripted_message_boxes.h"
#include "support/temp_home.h"

namespace orlevant {
namespace {

namespace fs = std::filesystem;
using testing::Put;
using testing::ScriptedMessageBoxes;
using testing::Slurp;
using testing::TempHome;

fs::path StoreFile(const TempHome& home) { return home.Config() / "Tamsel" / "Orlevant.conf"; }

// The real calls, but no temporary file can be made: a read-only file system under the config
// folder (permission bits would not stop the superuser the tests may run as).
FileSystemCalls ReadOnlyFolder() {
  FileSystemCalls calls = RealFileSystemCalls();
  calls.mkostemp = [](char*, int) { return errno = EROFS, -1; };
  return calls;
}

// Everything a run does with its settings: reads, single writes, the menu file.
void UseTheSettings() {
  SettingsStore store;
  (void)LoadSettings(store);
  (void)SaveSetting(store, "ShowTips", 0);
  (void)SaveSetting(store, "FirstUse", 1);
  (void)WriteMenuIni(Settings{}, nullptr);
  (void)LoadSettings(store);
}

class SettingsWarningTest : public ::testing::Test {
 protected:
  void TearDown() override { SetSettingsProblemReporter(nullptr); }
  TempHome home_;
  ScriptedMessageBoxes boxes_;
};

TEST_F(SettingsWarningTest, TheFirstProblemOfARunShowsOneWarningWithTheFileAndTheReason) {
  struct Case {
    const char* name;
    std::function<void(const TempHome&)> breakIt;
    bool readOnly;
    std::string file;      // named in the box
    const char* reason;    // the system's words, in the box
    const char* heading;   // what could not be done
  };
  const Case cases[] = {
      {"a read-only config folder", [](const TempHome& h) { fs::create_directories(h.Config() / "Tamsel"); }, true,
       "Orlevant.conf", "Read-only file system", "could not be saved"},
      {"a config folder below a regular file",
       [](const TempHome& h) {
         Put(h.Root() / "plain", "x");
         ::setenv("XDG_CONFIG_HOME", (h.Root() / "plain" / "config").c_str(), 1);
       },
       false, "Orlevant.conf", "Not a directory", "could not be saved"},
      {"only frmMain.ini cannot be written", [](const TempHome& h) { fs::create_directories(h.Config() / "Tamsel" / "frmMain.ini"); },
       false, "frmMain.ini", "not a regular file", "could not be saved"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TempHome home;
    ScriptedMessageBoxes boxes;
    c.breakIt(home);
    // One run: the warning installed at its start, the settings used as a run uses them.
    auto run = [&c](int uses) {
      InstallSettingsWarning();
      std::optional<ScopedFileSystemCalls> readOnly;
      if (c.readOnly) readOnly.emplace(ReadOnlyFolder());
      for (int i = 0; i < uses; ++i) UseTheSettings();
    };
    run(2);
    ASSERT_EQ(boxes.shown.size(), 1u) << "later failures in the same run stay quiet";
    const auto& box = boxes.shown[0];
    EXPECT_EQ(box.icon, MsgIcon::Warning);
    EXPECT_EQ(box.buttons, MsgButtons::Ok);
    EXPECT_EQ(box.title, "Orlevant 3.1 - Settings");
    EXPECT_NE(box.text.find(c.file), std::string::npos) << box.text;
    EXPECT_NE(box.text.find(c.reason), std::string::npos) << box.text;
    EXPECT_NE(box.text.find(c.heading), std::string::npos) << box.text;
    EXPECT_TRUE(box.text.ends_with("\r\n\r\n"));

    run(1);  // the next run warns again
    EXPECT_EQ(boxes.shown.size(), 2u);
    SetSettingsProblemReporter(nullptr);
  }
}

TEST_F(SettingsWarningTest, NothingIsShownWhileTheSettingsCanBeKept) {
  InstallSettingsWarning();
  UseTheSettings();
  EXPECT_TRUE(boxes_.shown.empty());
  EXPECT_EQ(LoadSettings(SettingsStore()).ShowTips, 0);
  // A value refused for its own sake (it would not read back) is the caller's business, not a
  // problem of the file.
  SettingsStore store;
  EXPECT_FALSE(SaveSetting(store, "DateFormat", "two\nlines"));
  EXPECT_TRUE(boxes_.shown.empty());
}

TEST_F(SettingsWarningTest, AnUnreadableSettingsFileIsNoFirstUseAndIsNeverRewritten) {
  struct Case { const char* name; std::function<void(const fs::path&)> plant; const char* reason; };
  const Case cases[] = {
      {"a folder in its place", [](const fs::path& p) { fs::create_directories(p); }, "not a regular file"},
      {"a sparse terabyte",
       [](const fs::path& p) {
         Put(p, "[Settings]\nFirstUse=1\n");
         ASSERT_EQ(::truncate(p.c_str(), off_t{1} << 40), 0);
       },
       "larger than"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TempHome home;
    ScriptedMessageBoxes boxes;
    c.plant(StoreFile(home));
    const auto typeBefore = fs::status(StoreFile(home)).type();
    const auto sizeBefore = fs::is_regular_file(StoreFile(home)) ? fs::file_size(StoreFile(home)) : 0;
    InstallSettingsWarning();
    SettingsStore store;
    const Settings s = LoadSettings(store);
    EXPECT_EQ(s.FirstUse, 1) << "not a first start";
    EXPECT_EQ(s.ShowTips, Settings{}.ShowTips);
    EXPECT_FALSE(SaveSetting(store, "FirstUse", 1));
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_NE(boxes.shown[0].text.find(c.reason), std::string::npos) << boxes.shown[0].text;
    EXPECT_NE(boxes.shown[0].text.find("could not be read"), std::string::npos) << boxes.shown[0].text;
    EXPECT_NE(boxes.shown[0].text.find("default settings"), std::string::npos) << boxes.shown[0].text;
    EXPECT_EQ(fs::status(StoreFile(home)).type(), typeBefore);
    if (sizeBefore) {
      EXPECT_EQ(fs::file_size(StoreFile(home)), sizeBefore);
    }
    SetSettingsProblemReporter(nullptr);
  }
}

}  // namespace
}  // namespace orlevant
