#include "core/events_file.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <functional>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include "core/clock.h"
#include "support/temp_home.h"

namespace orlevant {
namespace {

namespace fs = std::filesystem;

void WriteBytes(const fs::path& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << bytes;
  ASSERT_TRUE(out.good()) << path;
}

std::string ReadBytes(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

// Lines 1 .. EventCount of the table.
std::vector<std::string> Lines(const EventStore& store) {
  return {store.EventRecords.begin() + 1, store.EventRecords.begin() + 1 + store.EventCount};
}

std::vector<std::string> FilesIn(const fs::path& dir) {
  std::vector<std::string> names;
  for (const auto& e : fs::directory_iterator(dir)) names.push_back(e.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

class EventsFileTest : public ::testing::Test {
 public:
  fs::path Dir() const { return home_.Data(); }
  std::string FilePath() const { return (home_.Data() / "ann.dat").string(); }

 protected:
  void SetUp() override { SetAppClock(&clock_); }
  void TearDown() override { SetAppClock(nullptr); }

  // A store loaded from a file holding exactly these bytes.
  EventStore Loaded(const std::string& bytes) {
    WriteBytes(FilePath(), bytes);
    EventStore store(FilePath());
    EXPECT_TRUE(LoadEvents(store).ok);
    return store;
  }

  testing::TempHome home_;
  FixedClock clock_{DateTime{DateSerial(2026, 6, 15), 10, 0, 0}};
};

// ---- load and save round trip ------------------------------------------------------------------

TEST_F(EventsFileTest, LoadAcceptsEveryLineEndAndEncodingAndSavesUtf8WithCrLf) {
  struct Case {
    const char* name;
    std::string file;
    std::vector<std::string> lines;
  };
  const std::vector<Case> cases = {
      {"CR LF", "05/12/2026000000=Party\r\n01/01/9999000000=New Year\r\n",
       {"05/12/2026000000=Party", "01/01/9999000000=New Year"}},
      {"LF only", "05/12/2026000000=Party\n01/01/9999000000=New Year\n",
       {"05/12/2026000000=Party", "01/01/9999000000=New Year"}},
      {"no final line end", "05/12/2026000000=Party\r\n01/01/9999000000=New Year",
       {"05/12/2026000000=Party", "01/01/9999000000=New Year"}},
      {"lone CR ends a line", "05/12/2026000000=Party\r01/01/9999000000=New Year\r\n",
       {"05/12/2026000000=Party", "01/01/9999000000=New Year"}},
      {"byte-order mark", "\xEF\xBB\xBF" "05/12/2026000000=Party\r\n", {"05/12/2026000000=Party"}},
      {"UTF-8 text", "05/12/2026000000=Caf\xC3\xA9 \xE6\x9D\xB1\xE4\xBA\xAC~Z\xC3\xB6\r\n",
       {"05/12/2026000000=Caf\xC3\xA9 \xE6\x9D\xB1\xE4\xBA\xAC~Z\xC3\xB6"}},
      {"Windows-1252 line next to a UTF-8 line",
       "05/12/2026000000=Caf\xE9 \x80 5\r\n06/12/2026000000=Caf\xC3\xA9\r\n",
       {"05/12/2026000000=Caf\xC3\xA9 \xE2\x82\xAC 5", "06/12/2026000000=Caf\xC3\xA9"}},
      {"blank and invalid lines dropped",
       "\r\nMeeting at noon\r\n05/12/2026000000=Kept\r\n31/04/2026000000=No such day\r\n   \r\n"
       "29/02/9999000000=Leap anchor\r\n",
       {"05/12/2026000000=Kept", "29/02/9999000000=Leap anchor"}},
      {"short line kept as it is", "05/12/2026\r\n", {"05/12/2026"}},
      {"empty file", "", {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EventStore store = Loaded(c.file);
    EXPECT_EQ(store.EventCount, static_cast<int>(c.lines.size()));
    EXPECT_EQ(Lines(store), c.lines);
    EXPECT_EQ(store.EventRecords.size(), c.lines.size() + 6) << "room for five more lines";
    EXPECT_EQ(store.LoadState, EventLoadState::Loaded);

    ASSERT_TRUE(SaveEvents(store).ok);
    std::string expected;
    for (const auto& line : c.lines) expected += line + "\r\n";
    EXPECT_EQ(ReadBytes(FilePath()), expected);

    EventStore again(FilePath());
    ASSERT_TRUE(LoadEvents(again).ok);
    EXPECT_EQ(Lines(again), c.lines);
  }
}

TEST_F(EventsFileTest, MissingFileIsCreatedEmptyAndOwnerOnly) {
  EventStore store(FilePath());
  ASSERT_TRUE(LoadEvents(store).ok);
  EXPECT_EQ(store.EventCount, 0);
  EXPECT_EQ(store.EventRecords.size(), 6u);
  ASSERT_TRUE(fs::is_regular_file(FilePath()));
  EXPECT_EQ(fs::file_size(FilePath()), 0u);
  EXPECT_EQ(fs::status(FilePath()).permissions() & fs::perms::all, fs::perms::owner_read | fs::perms::owner_write);
}

TEST_F(EventsFileTest, MissingFolderIsALoadFailureAndNothingIsCreated) {
  const fs::path path = Dir() / "gone" / "ann.dat";
  EventStore store(path.string());
  store.EventRecords = {"", "05/12/2026000000=Held before", "", "", "", "", ""};
  store.EventCount = 1;
  const StoreResult r = LoadEvents(store);
  EXPECT_FALSE(r.ok);
  EXPECT_NE(r.error.find("does not exist"), std::string::npos) << r.error;
  EXPECT_FALSE(fs::exists(path.parent_path()));
  EXPECT_EQ(Lines(store), std::vector<std::string>{"05/12/2026000000=Held before"}) << "the table keeps what it held";
  EXPECT_EQ(store.LoadState, EventLoadState::LoadFailed);
  EXPECT_FALSE(SaveEvents(store).ok);
  EXPECT_FALSE(fs::exists(path.parent_path()));
}

TEST_F(EventsFileTest, LinesPastTheLimitAreKeptAndWrittenBackAfterTheTable) {
  std::string file;
  for (int i = 1; i <= kMaxEventLines; ++i) {
    file += "01/01/2027000000=Event " + std::to_string(i) + "\r\n";
    if (i == 100) file += "not an event, dropped\r\n";
  }
  const std::string past = "02/01/2027000000=Line 32001\r\nnot an event but past the limit\r\n\r\n"
                           "03/01/2027000000=Caf\xE9\r\n";
  EventStore store = Loaded(file + past);
  ASSERT_EQ(store.EventCount, kMaxEventLines);
  EXPECT_EQ(store.EventRecords[kMaxEventLines], "01/01/2027000000=Event 32000");
  EXPECT_EQ(store.LinesPastLimit.size(), 4u);

  ASSERT_TRUE(SaveEvents(store).ok);
  std::string expectedFile;
  for (int i = 1; i <= kMaxEventLines; ++i) expectedFile += "01/01/2027000000=Event " + std::to_string(i) + "\r\n";
  EXPECT_EQ(ReadBytes(FilePath()), expectedFile + "02/01/2027000000=Line 32001\r\nnot an event but past the limit\r\n"
                                                  "\r\n03/01/2027000000=Caf\xC3\xA9\r\n");

  // Room made in the table lets the next load take in the line that waited.
  store.EventRecords[1].clear();
  ASSERT_TRUE(SaveEvents(store).ok);
  ASSERT_TRUE(LoadEvents(store).ok);
  EXPECT_EQ(store.EventCount, kMaxEventLines);
  EXPECT_EQ(store.EventRecords[kMaxEventLines], "02/01/2027000000=Line 32001");
  EXPECT_EQ(store.LinesPastLimit.size(), 3u);
}

TEST_F(EventsFileTest, SaveDropsDeletedLinesAndASecondSaveKeepsEveryLine) {
  EventStore store = Loaded("01/01/2027000000=A\r\n02/01/2027000000=B\r\n03/01/2027000000=C\r\n");
  store.EventRecords[2].clear();
  ASSERT_TRUE(SaveEvents(store).ok);
  EXPECT_EQ(store.EventCount, 2);
  EXPECT_EQ(Lines(store), (std::vector<std::string>{"01/01/2027000000=A", "03/01/2027000000=C"}));
  EXPECT_GE(store.EventRecords.size(), 8u);
  // Saving again without a load in between must not lose C.
  ASSERT_TRUE(SaveEvents(store).ok);
  EXPECT_EQ(ReadBytes(FilePath()), "01/01/2027000000=A\r\n03/01/2027000000=C\r\n");
}

TEST_F(EventsFileTest, ALineBreakInsideALineCannotSplitItOnDisk) {
  EventStore store = Loaded("");
  AppendEvent(store, "01/01/2027000000=First\r\n05/12/2026000000=Injected");
  AppendEvent(store, "02/01/2027000000=Second\nthird");
  ASSERT_TRUE(SaveEvents(store).ok);
  ASSERT_TRUE(LoadEvents(store).ok);
  EXPECT_EQ(Lines(store), (std::vector<std::string>{"01/01/2027000000=First~05/12/2026000000=Injected",
                                                    "02/01/2027000000=Second~third"}));
}

TEST_F(EventsFileTest, AppendGrowsPastTheSpareRoom) {
  EventStore store = Loaded("");
  for (int i = 1; i <= 12; ++i) AppendEvent(store, "01/01/2027000000=E" + std::to_string(i));
  EXPECT_EQ(store.EventCount, 12);
  ASSERT_TRUE(SaveEvents(store).ok);
  ASSERT_TRUE(LoadEvents(store).ok);
  EXPECT_EQ(store.EventCount, 12);
  EXPECT_EQ(store.EventRecords[12], "01/01/2027000000=E12");
}

TEST_F(EventsFileTest, SaveKeepsPermissionsAndSymbolicLinkAndLeavesNoTemporaryFile) {
  const fs::path real = Dir() / "real.dat";
  WriteBytes(real, "01/01/2027000000=A\r\n");
  fs::permissions(real, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  fs::create_symlink(real, FilePath());
  EventStore store(FilePath());
  ASSERT_TRUE(LoadEvents(store).ok);
  AppendEvent(store, "02/01/2027000000=B");
  ASSERT_TRUE(SaveEvents(store).ok);
  EXPECT_TRUE(fs::is_symlink(FilePath()));
  EXPECT_EQ(ReadBytes(real), "01/01/2027000000=A\r\n02/01/2027000000=B\r\n");
  EXPECT_EQ(fs::status(real).permissions() & fs::perms::all,
            fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  EXPECT_EQ(FilesIn(Dir()), (std::vector<std::string>{"ann.dat", "real.dat"}));
}

// ---- failures never destroy anything -----------------------------------------------------------

// Lowers the largest file this process may write, so that a write fails part-way (as on a full
// disk) whoever runs the test, root included.
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes) {
    getrlimit(RLIMIT_FSIZE, &saved_);
    oldHandler_ = std::signal(SIGXFSZ, SIG_IGN);
    rlimit lower = saved_;
    lower.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &lower);
  }
  ~FileSizeLimit() {
    setrlimit(RLIMIT_FSIZE, &saved_);
    std::signal(SIGXFSZ, oldHandler_);
  }

 private:
  rlimit saved_{};
  void (*oldHandler_)(int) = nullptr;
};

TEST_F(EventsFileTest, AFailedSaveLeavesFileAndTableAsTheyWere) {
  const std::string original = "01/01/2027000000=A\r\n02/01/2027000000=B\r\n";
  struct Case {
    const char* name;
    bool limitFileSize;
    const char* reason;  // part of the error text
    std::function<void(EventsFileTest&)> breakIt;
    std::function<void(EventsFileTest&)> repair;
  };
  const std::vector<Case> cases = {
      {"the write runs out of room", true, "File too large", [](EventsFileTest&) {}, [](EventsFileTest&) {}},
      {"a folder has taken the file's place", false, "folder",
       [](EventsFileTest& t) {
         fs::rename(t.FilePath(), t.Dir() / "moved.dat");
         fs::create_directory(t.FilePath());
       },
       [](EventsFileTest& t) {
         fs::remove(t.FilePath());
         fs::rename(t.Dir() / "moved.dat", t.FilePath());
       }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EventStore store = Loaded(original);
    store.EventRecords[1].clear();
    AppendEvent(store, "03/01/2027000000=" + std::string(4096, 'x'));
    const std::vector<std::string> tableBefore = store.EventRecords;
    const int countBefore = store.EventCount;
    c.breakIt(*this);
    StoreResult r;
    {
      std::optional<FileSizeLimit> limit;
      if (c.limitFileSize) limit.emplace(1024);
      r = SaveEvents(store);
    }
    EXPECT_FALSE(r.ok);
    EXPECT_NE(r.error.find(FilePath()), std::string::npos) << r.error;
    EXPECT_NE(r.error.find(c.reason), std::string::npos) << r.error;
    EXPECT_EQ(store.EventRecords, tableBefore);
    EXPECT_EQ(store.EventCount, countBefore);
    c.repair(*this);
    EXPECT_EQ(ReadBytes(FilePath()), original);
    EXPECT_EQ(FilesIn(Dir()), std::vector<std::string>{"ann.dat"}) << "no temporary file left behind";
    fs::remove(FilePath());
  }
}

TEST_F(EventsFileTest, SaveBeneathAFileFails) {
  // Beneath a file: no one, root included, can create anything there.
  WriteBytes(Dir() / "plain", "x");
  EventStore store((Dir() / "plain" / "ann.dat").string());
  AppendEvent(store, "01/01/2027000000=A");
  const std::vector<std::string> before = store.EventRecords;
  EXPECT_FALSE(SaveEvents(store).ok);
  EXPECT_EQ(store.EventRecords, before);
  EXPECT_EQ(store.EventCount, 1);
  EXPECT_FALSE(fs::exists(Dir() / "plain" / "ann.dat"));
}

TEST_F(EventsFileTest, SaveIntoAReadOnlyFolderFails) {
  if (::geteuid() == 0) GTEST_SKIP() << "permission bits do not stop root";
  EventStore loaded = Loaded("01/01/2027000000=A\r\n");
  AppendEvent(loaded, "02/01/2027000000=B");
  fs::permissions(Dir(), fs::perms::owner_read | fs::perms::owner_exec);
  const StoreResult r = SaveEvents(loaded);
  fs::permissions(Dir(), fs::perms::owner_all);
  EXPECT_FALSE(r.ok);
  EXPECT_EQ(loaded.EventCount, 2);
  EXPECT_EQ(ReadBytes(FilePath()), "01/01/2027000000=A\r\n");
}

TEST_F(EventsFileTest, AnUnreadableFileIsNeverOverwritten) {
  struct Case {
    const char* name;
    std::function<void(const std::string&)> make;
    bool needsNonRoot;
  };
  const std::vector<Case> cases = {
      {"a folder at the path", [](const std::string& p) { fs::create_directory(p); }, false},
      {"a named pipe at the path (must not block)", [](const std::string& p) { ASSERT_EQ(::mkfifo(p.c_str(), 0600), 0); },
       false},
      {"a file without read permission",
       [](const std::string& p) {
         WriteBytes(p, "01/01/2027000000=Precious\r\n");
         fs::permissions(p, fs::perms::owner_write);
       },
       true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    if (c.needsNonRoot && ::geteuid() == 0) continue;  // root reads whatever the bits say
    c.make(FilePath());
    const auto typeBefore = fs::symlink_status(FilePath()).type();
    EventStore store(FilePath());
    store.EventRecords = {"", "05/12/2026000000=Held before", "", "", "", "", ""};
    store.EventCount = 1;

    const StoreResult load = LoadEvents(store);
    EXPECT_FALSE(load.ok);
    EXPECT_FALSE(load.error.empty());
    EXPECT_EQ(store.LoadState, EventLoadState::LoadFailed);
    EXPECT_EQ(Lines(store), std::vector<std::string>{"05/12/2026000000=Held before"});

    const StoreResult save = SaveEvents(store);
    EXPECT_FALSE(save.ok);
    EXPECT_NE(save.error.find("not overwritten"), std::string::npos) << save.error;
    EXPECT_EQ(fs::symlink_status(FilePath()).type(), typeBefore);
    if (fs::is_regular_file(FilePath())) {
      fs::permissions(FilePath(), fs::perms::owner_all);
      EXPECT_EQ(ReadBytes(FilePath()), "01/01/2027000000=Precious\r\n");
    }
    fs::remove_all(FilePath());
  }
}

TEST_F(EventsFileTest, SavesStayBlockedUntilALoadSucceedsAgain) {
  EventStore store = Loaded("01/01/2027000000=A\r\n");
  // The file goes away behind our back and something unreadable takes its place.
  fs::rename(FilePath(), Dir() / "aside.dat");
  fs::create_directory(FilePath());
  EXPECT_FALSE(LoadEvents(store).ok);
  EXPECT_EQ(Lines(store), std::vector<std::string>{"01/01/2027000000=A"});
  AppendEvent(store, "02/01/2027000000=B");
  fs::remove(FilePath());
  EXPECT_FALSE(SaveEvents(store).ok) << "the table is stale, even with the path free again";
  EXPECT_FALSE(fs::exists(FilePath()));

  fs::rename(Dir() / "aside.dat", FilePath());
  ASSERT_TRUE(LoadEvents(store).ok);
  AppendEvent(store, "03/01/2027000000=C");
  ASSERT_TRUE(SaveEvents(store).ok);
  EXPECT_EQ(ReadBytes(FilePath()), "01/01/2027000000=A\r\n03/01/2027000000=C\r\n");
}

TEST_F(EventsFileTest, AStoreThatNeverLoadedMayNotOverwriteAnExistingFile) {
  WriteBytes(FilePath(), "01/01/2027000000=Precious\r\n");
  EventStore store(FilePath());
  EXPECT_FALSE(SaveEvents(store).ok);
  EXPECT_EQ(ReadBytes(FilePath()), "01/01/2027000000=Precious\r\n");

  EventStore fresh((Dir() / "new.dat").string());
  AppendEvent(fresh, "01/01/2027000000=A");
  ASSERT_TRUE(SaveEvents(fresh).ok) << "nothing to lose where no file is";
  EXPECT_EQ(ReadBytes(Dir() / "new.dat"), "01/01/2027000000=A\r\n");
}

// ---- old line form -----------------------------------------------------------------------------

TEST_F(EventsFileTest, OldFormIsConvertedLineByLine) {
  struct Case {
    const char* name;
    std::string file;
    bool current;
    std::string converted;  // file after ConvertOldFormat; empty: no save expected
  };
  const std::vector<Case> cases = {
      {"wholly old", "05/12/2026=Party\n01/01/9999=New Year~Fireworks\n31/05/9989=\n", false,
       "05/12/2026000000=Party\r\n01/01/9999000000=New Year~Fireworks\r\n31/05/9989000000=\r\n"},
      {"mixed", "05/12/2026=Party\n06/12/2026000100=Has = sign\n07/12/2026000000=x=y\n", false,
       "05/12/2026000000=Party\r\n06/12/2026000100=Has = sign\r\n07/12/2026000000=x=y\r\n"},
      {"current", "05/12/2026000000=Party\n06/12/2026010000==starts with =\n", true, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EventStore store = Loaded(c.file);
    EXPECT_EQ(IsCurrentFormat(store), c.current);
    const ChangeResult r = ConvertOldFormat(store);
    EXPECT_EQ(r.changed, !c.current);
    EXPECT_EQ(r.Saved(), !c.current);
    EXPECT_TRUE(IsCurrentFormat(store));
    // An LF-only file still on disk shows that no save happened.
    EXPECT_EQ(ReadBytes(FilePath()), c.current ? c.file : c.converted);
  }
}

// ---- past reminders ----------------------------------------------------------------------------

TEST_F(EventsFileTest, RemindersOfPastOneOffEventsAreCleared) {
  // Today is 15/06/2026.
  struct Case {
    const char* name;
    std::string line;
    std::string after;
  };
  const std::vector<Case> cases = {
      {"yesterday", "14/06/2026010000=Yesterday", "14/06/2026000000=Yesterday"},
      {"last year", "20/12/2025000305=Last year", "20/12/2025000000=Last year"},
      {"today", "15/06/2026010000=Today", "15/06/2026010000=Today"},
      {"tomorrow", "16/06/2026010000=Tomorrow", "16/06/2026010000=Tomorrow"},
      {"yearly, anchored yesterday", "14/06/9999010000=Yearly", "14/06/9999010000=Yearly"},
      {"weekly, anchored last year", "14/06/9991010000=Weekly", "14/06/9991010000=Weekly"},
      {"past without reminder", "14/06/2026000000=Plain", "14/06/2026000000=Plain"},
      {"past with a reminder field that is no number", "14/06/2026ab0000=Odd", "14/06/2026ab0000=Odd"},
      {"past and short", "14/06/2026", "14/06/2026"},
  };
  std::string file;
  for (const Case& c : cases) file += c.line + "\n";
  EventStore store = Loaded(file);
  const ChangeResult r = ClearPastReminders(store);
  EXPECT_TRUE(r.changed);
  EXPECT_TRUE(r.Saved());
  ASSERT_EQ(store.EventCount, static_cast<int>(cases.size()));
  std::string expectedFile;
  for (std::size_t i = 0; i < cases.size(); ++i) {
    EXPECT_EQ(store.EventRecords[i + 1], cases[i].after) << cases[i].name;
    expectedFile += cases[i].after + "\r\n";
  }
  EXPECT_EQ(ReadBytes(FilePath()), expectedFile);
}

TEST_F(EventsFileTest, NothingToClearMeansNoSave) {
  const std::string file = "15/06/2026010000=Today\n14/06/9999010000=Yearly\n14/06/2026000000=Plain\n";
  EventStore store = Loaded(file);
  const ChangeResult r = ClearPastReminders(store);
  EXPECT_FALSE(r.changed);
  EXPECT_FALSE(r.Saved());
  EXPECT_FALSE(r.SaveFailed());
  EXPECT_EQ(ReadBytes(FilePath()), file);
}

TEST_F(EventsFileTest, ClearingReportsAFailedSave) {
  EventStore store = Loaded("14/06/2026010000=Yesterday\r\n");
  fs::remove(FilePath());
  fs::create_directory(FilePath());
  const ChangeResult r = ClearPastReminders(store);
  EXPECT_TRUE(r.changed);
  EXPECT_FALSE(r.Saved());
  EXPECT_TRUE(r.SaveFailed());
  EXPECT_FALSE(r.save.error.empty());
}

TEST_F(EventsFileTest, TheDayComesFromTheAppClock) {
  EventStore store = Loaded("14/06/2026010000=Yesterday\r\n");
  clock_.Set(DateTime{DateSerial(2026, 6, 14), 23, 59, 0});
  EXPECT_FALSE(ClearPastReminders(store).changed);
  clock_.Set(DateTime{DateSerial(2026, 6, 15), 0, 0, 0});
  EXPECT_TRUE(ClearPastReminders(store).changed);
}

}  // namespace
}  // namespace orlevant
