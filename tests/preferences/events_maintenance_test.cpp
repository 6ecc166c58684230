#include "core/events_maintenance.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <random>
#include <string>
#include <tuple>
#include <vector>

#include "support/event_table.h"
#include "support/file_helpers.h"
#include "support/scoped_clock.h"
#include "support/temp_home.h"
#include "support/unreadable_after_save.h"

namespace orlevant {
namespace {

namespace fs = std::filesystem;
using Lines = std::vector<std::string>;
using testing::Put;
using testing::Slurp;

Lines LinesOf(const EventStore& store) {
  return testing::LinesOf(store.EventRecords, 1, static_cast<std::size_t>(store.EventCount) + 1);
}

std::string FileText(const Lines& lines) {
  std::string text;
  for (const std::string& l : lines) text += l + "\r\n";
  return text;
}

const Lines kLines = {"14/03/2025000000=Last year", "14/03/2026000000=This year", "04/07/9999000000=Yearly",
                      "10/11/9989000000=Quarterly", "15/06/9998000000=Monthly",  "01/06/9992000000=Weekly",
                      "01/01/2020000000=Long ago",  "31/12/2027000000=Next year"};

class MaintenanceTest : public ::testing::Test {
 protected:
  std::string EventsPath() const { return (home_.Data() / "ann.dat").string(); }
  std::string BackupPath() const { return (home_.Data() / "ann_bu.dat").string(); }

  EventStore Loaded(const Lines& lines) {
    Put(EventsPath(), FileText(lines));
    EventStore store(EventsPath());
    EXPECT_TRUE(LoadEvents(store).ok);
    return store;
  }

  testing::TempHome home_;
  testing::ScopedClock clock_{DateTime{DateSerial(2026, 6, 15), 10, 0, 0}};
};

TEST_F(MaintenanceTest, BackupPathSitsBesideTheEventsFile) {
  EXPECT_EQ(BackupFilePath("/a/b/ann.dat"), "/a/b/ann_bu.dat");
  EXPECT_EQ(BackupFilePath("/a/b/ann"), "/a/b/ann_bu.dat");
}

TEST_F(MaintenanceTest, PurgeAllEmptiesTheFileAlsoWhenItWasEmpty) {
  for (const Lines& lines : {kLines, Lines{}}) {
    EventStore store = Loaded(lines);
    store.LinesPastLimit = "kept past the limit\r\n";
    const PurgeResult result = PurgeAllEvents(store);
    ASSERT_TRUE(result.save.ok);
    ASSERT_TRUE(result.reload.ok);
    EXPECT_EQ(store.EventCount, 0);
    EXPECT_TRUE(store.LinesPastLimit.empty());
    EXPECT_EQ(Slurp(EventsPath()), "");
  }
}

TEST_F(MaintenanceTest, PurgeYearsKeepsThisYearAndEveryRecurringEventAndSavesOnlyWhenSomethingWent) {
  const Lines kept = {kLines[1], kLines[2], kLines[3], kLines[4], kLines[5], kLines[7]};
  const Lines recent = {kLines[1], kLines[2]};
  for (const auto& [lines, removed, after] : {std::tuple{kLines, 2, kept}, std::tuple{recent, 0, recent}}) {
    EventStore store = Loaded(lines);
    // An hour back, so that a save shows in the file's time.
    fs::last_write_time(EventsPath(), fs::last_write_time(EventsPath()) - std::chrono::hours(1));
    const auto before = fs::last_write_time(EventsPath());
    const PurgeResult result = PurgeEventsBefore(store, 2026);
    EXPECT_EQ(result.removed, removed);
    ASSERT_TRUE(result.save.ok);
    ASSERT_TRUE(result.reload.ok);
    EXPECT_EQ(LinesOf(store), after);
    EXPECT_EQ(Slurp(EventsPath()), FileText(after));
    EXPECT_EQ(fs::last_write_time(EventsPath()) == before, removed == 0);
  }
}

TEST_F(MaintenanceTest, AFailedSaveAfterAPurgePutsTheTableBackAndLeavesTheFile) {
  struct Case {
    const char* name;
    bool all;
  };
  for (const Case c : {Case{"all", true}, Case{"years", false}}) {
    EventStore store = Loaded(kLines);
    // The folder is swapped for a regular file: the save can put no temporary file beside the
    // events file, as with a folder that cannot be written.
    const fs::path moved = home_.Root() / "moved";
    fs::rename(home_.Data(), moved);
    Put(home_.Data(), "not a folder");
    StoreResult save;
    if (c.all) {
      save = PurgeAllEvents(store).save;
    } else {
      save = PurgeEventsBefore(store, 2026).save;
    }
    EXPECT_FALSE(save.ok) << c.name;
    EXPECT_FALSE(save.error.empty()) << c.name;
    EXPECT_EQ(LinesOf(store), kLines) << c.name;
    fs::remove(home_.Data());
    fs::rename(moved, home_.Data());
    EXPECT_EQ(Slurp(EventsPath()), FileText(kLines)) << c.name;
  }
}

// The deletion reached the disk, but the file could not be read back: the caller learns both, and
// the table is the one saved, not the one before the purge.
TEST_F(MaintenanceTest, APurgeSavedButNotReadBackKeepsTheTableAsSaved) {
  const Lines kept = {kLines[1], kLines[2], kLines[3], kLines[4], kLines[5], kLines[7]};
  for (const auto& [all, after] : {std::pair{true, Lines{}}, std::pair{false, kept}}) {
    SCOPED_TRACE(all ? "all" : "years");
    fs::remove_all(testing::UnreadableAfterSave::SavedCopy(EventsPath()));
    fs::remove_all(EventsPath());
    EventStore store = Loaded(kLines);
    PurgeResult result;
    {
      testing::UnreadableAfterSave unreadable(EventsPath());
      result = all ? PurgeAllEvents(store) : PurgeEventsBefore(store, 2026);
    }
    EXPECT_TRUE(result.save.ok);
    EXPECT_FALSE(result.reload.ok);
    EXPECT_NE(result.reload.error.find(EventsPath()), std::string::npos) << result.reload.error;
    EXPECT_EQ(LinesOf(store), after);
    EXPECT_EQ(Slurp(testing::UnreadableAfterSave::SavedCopy(EventsPath())), FileText(after));
    EXPECT_EQ(store.LoadState, EventLoadState::LoadFailed);
  }
}

TEST_F(MaintenanceTest, ABackupReplacesTheLastOneUnlessItFailsAndTheEventsFileStays) {
  EventStore store = Loaded({kLines[0]});
  ASSERT_TRUE(BackupEvents(store).ok);
  store = Loaded({kLines[1], kLines[2]});
  ASSERT_TRUE(BackupEvents(store).ok);
  EXPECT_EQ(Slurp(BackupPath()), FileText({kLines[1], kLines[2]}));
  store = Loaded(kLines);
  {
    // Too little room for the new copy: the write fails part-way as on a full disk.
    testing::FileSizeLimit limit(16);
    const StoreResult result = BackupEvents(store);
    EXPECT_FALSE(result.ok);
    EXPECT_FALSE(result.error.empty());
  }
  EXPECT_EQ(Slurp(BackupPath()), FileText({kLines[1], kLines[2]}));
  EXPECT_EQ(Slurp(EventsPath()), FileText(kLines));
  // A backup path that is a folder fails too, and the folder stays.
  fs::remove(BackupPath());
  fs::create_directories(BackupPath());
  EXPECT_FALSE(BackupEvents(store).ok);
  EXPECT_TRUE(fs::is_directory(BackupPath()));
  EXPECT_EQ(Slurp(EventsPath()), FileText(kLines));
}

TEST_F(MaintenanceTest, RestoreBringsBackTheBackupsLinesOrWithoutOneChangesNothing) {
  struct Case {
    const char* name;
    const char* backup;  // nullptr: none
    Lines loaded;
    RestoreOutcome outcome;
    Lines after;
  };
  const std::string all = FileText(kLines);
  const Case cases[] = {
      {"no backup", nullptr, kLines, RestoreOutcome::NoBackup, kLines},
      {"a backup of every line over an empty table", all.c_str(), {}, RestoreOutcome::Restored, kLines},
      {"the old line format is converted", "14/03/2026=Old style\r\n", {kLines[2]}, RestoreOutcome::Restored,
       {"14/03/2026000000=Old style"}},
      // The backup of an empty table is an empty file, and restoring it empties the table.
      {"an empty backup", "", kLines, RestoreOutcome::Restored, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    fs::remove_all(BackupPath());
    if (c.backup) Put(BackupPath(), c.backup);
    EventStore store = Loaded(c.loaded);
    const RestoreResult result = RestoreEvents(store);
    EXPECT_EQ(result.outcome, c.outcome);
    EXPECT_EQ(result.error, "");
    EXPECT_EQ(result.reloaded, c.outcome == RestoreOutcome::Restored);
    EXPECT_EQ(LinesOf(store), c.after);
    EXPECT_EQ(Slurp(EventsPath()), FileText(c.after));
  }
}

std::string RandomBytes(std::size_t size) {
  std::mt19937 random(20260615);
  std::string bytes(size, '\0');
  for (char& b : bytes) b = static_cast<char>(random() & 0xFF);
  return bytes;
}

// A backup that holds not one event (it would empty the calendar) or cannot be read is refused
// before anything is written; a write that fails part-way puts the file back.
TEST_F(MaintenanceTest, EveryFailedRestoreLeavesTheEventsFileAsItWas) {
  struct Case {
    const char* name;
    void (*arrange)(const fs::path& backup);
    RestoreOutcome outcome;
    std::string reason;  // part of the error
  };
  const Case cases[] = {
      {"64 KB of random bytes", [](const fs::path& b) { Put(b, RandomBytes(64 * 1024)); },
       RestoreOutcome::BackupNotEvents, ""},
      {"backup is a folder", [](const fs::path& backup) { fs::create_directories(backup); },
       RestoreOutcome::BackupUnreadable, "not a regular file"},
      {"write fails part-way", [](const fs::path& backup) { Put(backup, FileText(kLines) + FileText(kLines)); },
       RestoreOutcome::Failed, EventsPath()},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EventStore store = Loaded({kLines[0]});
    fs::remove_all(BackupPath());
    c.arrange(BackupPath());
    RestoreResult result;
    {
      testing::FileSizeLimit limit(64);
      result = RestoreEvents(store);
    }
    EXPECT_EQ(result.outcome, c.outcome);
    EXPECT_NE(result.error.find(c.reason), std::string::npos) << result.error;
    EXPECT_FALSE(result.reloaded);
    EXPECT_EQ(Slurp(EventsPath()), FileText({kLines[0]}));
    EXPECT_EQ(LinesOf(store), Lines{kLines[0]});
  }
}

// What the load would make of a whole file: the restore's test of a backup.
TEST(ClassifyEventFileTest, ReadsTheFileAsTheLoadDoes) {
  const std::tuple<const char*, std::string, EventFileContent> rows[] = {
      {"nothing", "", EventFileContent::Empty},
      {"a byte-order mark and blank lines of every ending", "\xEF\xBB\xBF \r\n\t\n\r\r\n", EventFileContent::Empty},
      {"the old line format", "14/03/2026=Old style", EventFileContent::Events},
      {"a Windows-1252 text", "14/03/2026000000=Caf\xE9", EventFileContent::Events},
      {"an event after a mark and lone CRs", "\xEF\xBB\xBFjunk\r31/12/2027000000=x\r", EventFileContent::Events},
      {"a date that no calendar has", "30/02/2026000000=Never\r\n", EventFileContent::NoEvents},
      {"NUL bytes", std::string(3, '\0'), EventFileContent::NoEvents},
      {"text without one dated line", "Dentist at ten\r\n14/3/2026 Call mum\r\n", EventFileContent::NoEvents},
  };
  for (const auto& [name, bytes, expected] : rows) EXPECT_EQ(ClassifyEventFile(bytes), expected) << name;
}

}  // namespace
}  // namespace orlevant
