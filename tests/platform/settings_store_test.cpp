#include "platform/settings_store.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "platform/paths.h"
#include "support/file_helpers.h"
#include "support/temp_home.h"

namespace orlevant {
namespace {

namespace fs = std::filesystem;
using testing::TempHome;
using testing::Slurp;
using testing::Put;
using testing::ModeOf;

fs::path StoreFile(const TempHome& home) { return home.Config() / "Tamsel" / "Orlevant.conf"; }

TEST(SettingsStoreTest, LivesUnderTheConfigHomeAndFollowsTheEnvironment) {
  TempHome home;
  SettingsStore store;
  EXPECT_EQ(store.FilePath(), StoreFile(home));
  TempHome other;
  EXPECT_EQ(store.FilePath(), StoreFile(other)) << "the folder is looked up on every call";
}

TEST(SettingsStoreTest, ReadsDefaultsUntilWrittenThenRewritesInPlace) {
  TempHome home;
  SettingsStore store;
  EXPECT_EQ(store.Read("ShowTime", "1"), "1");
  ASSERT_TRUE(store.Write("ShowTime", "0"));
  EXPECT_EQ(Slurp(StoreFile(home)), "[Settings]\nShowTime=0\n");
  EXPECT_EQ(ModeOf(StoreFile(home).parent_path()), 0700u);
  EXPECT_EQ(ModeOf(StoreFile(home)), 0600u);

  Put(StoreFile(home), "; kept by hand\r\n[Window]\r\nScheme=1,2\r\n\r\n[Settings]\r\nScheme=Blue\r\nUnknown=keep me\r\n");
  EXPECT_EQ(store.Read("showtime", "1"), "1") << "only the Settings section counts";
  ASSERT_TRUE(store.Write("sCHEME", "Green"));
  ASSERT_TRUE(store.Write("ShowTime", "0"));
  EXPECT_EQ(store.Read("SCHEME", ""), "Green");
  EXPECT_EQ(Slurp(StoreFile(home)), "; kept by hand\r\n[Window]\r\nScheme=1,2\r\n\r\n[Settings]\r\nScheme=Green\r\n"
                                    "Unknown=keep me\r\nShowTime=0\r\n");
}

TEST(SettingsStoreTest, SeveralValuesAreStoredAllOrNone) {
  TempHome home;
  SettingsStore store;
  ASSERT_TRUE(store.Write({{"A", "1"}, {"B", "2"}}));
  EXPECT_EQ(store.Read("A", ""), "1");
  EXPECT_EQ(store.Read("B", ""), "2");
  const std::string before = Slurp(StoreFile(home));
  EXPECT_FALSE(store.Write({{"A", "9"}, {"B", "two\nlines"}}));
  EXPECT_EQ(Slurp(StoreFile(home)), before);
}

// A folder in the file's place is the settings warning test's; here a named pipe, which nobody
// writes into: reading it must not wait for a writer.
TEST(SettingsStoreTest, UnreadableFileIsNeverReplacedNorWaitedOn) {
  TempHome home;
  fs::create_directories(StoreFile(home).parent_path());
  ASSERT_EQ(::mkfifo(StoreFile(home).c_str(), 0600), 0);
  SettingsStore store;
  EXPECT_EQ(store.Read("ShowTime", "1"), "1");
  EXPECT_FALSE(store.Write("ShowTime", "0"));
  EXPECT_EQ(fs::status(StoreFile(home)).type(), fs::file_type::fifo);
}

TEST(Paths, XdgFoldersWithTheirFallbacks) {
  TempHome home;
  const std::string root = home.Root().string();
  EXPECT_EQ(ConfigHome(), root + "/config/");
  EXPECT_EQ(DataHome(), root + "/data/");
  EXPECT_EQ(RuntimeDir(), root + "/runtime/");
  EXPECT_EQ(CacheHome(), root + "/cache/");
  EXPECT_EQ(SettingsFolder(), root + "/config/Tamsel/");

  // Unset, empty and relative values all fall back: a relative one would depend on the current folder.
  for (const char* value : {static_cast<const char*>(nullptr), "", "relative/dir"}) {
    for (const char* var : {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_RUNTIME_DIR", "XDG_CACHE_HOME"}) {
      if (value) ::setenv(var, value, 1); else ::unsetenv(var);
    }
    EXPECT_EQ(ConfigHome(), root + "/.config/");
    EXPECT_EQ(DataHome(), root + "/.local/share/");
    EXPECT_EQ(CacheHome(), root + "/.cache/");
    // A session without a runtime folder has none: nothing is put in its place.
    EXPECT_EQ(RuntimeDir(), "");
  }
}

}  // namespace
}  // namespace orlevant
