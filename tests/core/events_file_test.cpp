#include "core/events_file.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include <sys/stat.h>
#include <unistd.h>

#include "support/event_table.h"
#include "support/file_helpers.h"
#include "support/scoped_clock.h"
#include "support/temp_home.h"
#include "support/utf16_bytes.h"

namespace orlevant {
namespace {

namespace fs = std::filesystem;
using Lines = std::vector<std::string>;
using testing::Put;
using testing::Slurp;
using testing::Utf16Bytes;

constexpr auto kLittle = Utf16Order::LittleEndian;
constexpr auto kBig = Utf16Order::BigEndian;

// Lines 1 .. EventCount of the table.
Lines LinesOf(const EventStore& store) {
  return testing::LinesOf(store.EventRecords, 1, static_cast<std::size_t>(store.EventCount) + 1);
}

class EventsFileTest : public ::testing::Test {
 public:
  fs::path Dir() const { return home_.Data(); }
  std::string FilePath() const { return (home_.Data() / "ann.dat").string(); }

 protected:
  // A store loaded from a file holding exactly these bytes.
  EventStore Loaded(const std::string& bytes) {
    Put(FilePath(), bytes);
    EventStore store(FilePath());
    EXPECT_TRUE(LoadEvents(store).ok);
    return store;
  }

  testing::TempHome home_;
  testing::ScopedClock clock_{DateTime{DateSerial(2026, 6, 15), 10, 0, 0}};
};

TEST_F(EventsFileTest, LoadAcceptsEveryLineEndAndEncodingAndSavesUtf8WithCrLf) {
  // kept: the lines the load leaves out of the table, written back after it byte for byte.
  struct Case { const char* name; std::string file; Lines lines; std::string kept = ""; };
  const Lines two{"05/12/2026000000=Party", "01/01/9999000000=New Year"};
  const std::vector<Case> cases = {
      {"CR LF", "05/12/2026000000=Party\r\n01/01/9999000000=New Year\r\n", two},
      {"LF only, no final line end", "05/12/2026000000=Party\n01/01/9999000000=New Year", two},
      {"lone CR ends a line", "05/12/2026000000=Party\r01/01/9999000000=New Year\r\n", two},
      {"byte-order mark", "\xEF\xBB\xBF" "05/12/2026000000=Party\r\n", {"05/12/2026000000=Party"}},
      {"UTF-8 text", "05/12/2026000000=Caf\xC3\xA9 \xE6\x9D\xB1~Z\r\n", {"05/12/2026000000=Caf\xC3\xA9 \xE6\x9D\xB1~Z"}},
      {"Windows-1252 line next to a UTF-8 line", "05/12/2026000000=Caf\xE9 \x80 5\r\n06/12/2026000000=Caf\xC3\xA9\r\n",
       {"05/12/2026000000=Caf\xC3\xA9 \xE2\x82\xAC 5", "06/12/2026000000=Caf\xC3\xA9"}},
      {"blank lines dropped, invalid lines kept after the table",
       "\r\nMeeting at noon\r\n05/12/2026000000=Kept\r\n31/04/2026000000=No such day\r\n   \r\n29/02/9999000000=Leap\n"
       "Caf\xE9 without a date",
       {"05/12/2026000000=Kept", "29/02/9999000000=Leap"},
       "Meeting at noon\r\n31/04/2026000000=No such day\r\nCaf\xE9 without a date\r\n"},
      {"short line kept as it is", "05/12/2026\r\n", {"05/12/2026"}},
      {"empty file", "", {}},
      {"UTF-16, little-endian", Utf16Bytes(u"\uFEFF05/12/2026000000=Caf\u00E9 \U0001F382\r\n01/01/9999000000=New Year", kLittle),
       {"05/12/2026000000=Caf\xC3\xA9 \xF0\x9F\x8E\x82", "01/01/9999000000=New Year"}},
      {"UTF-16, big-endian, LF only", Utf16Bytes(u"\uFEFF05/12/2026000000=\u6771\n\nnote\n", kBig),
       {"05/12/2026000000=\xE6\x9D\xB1"}, "note\r\n"},
      {"UTF-16, the mark alone", Utf16Bytes(u"\uFEFF", kLittle), {}},
      {"UTF-16 with a lone surrogate and an odd byte at the end",
       Utf16Bytes(u"\uFEFF05/12/2026000000=A", kLittle) + Utf16Bytes(u"\xD800\r\nnote", kLittle) + "x",
       {"05/12/2026000000=A\xEF\xBF\xBD"}, "note\xEF\xBF\xBD\r\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    // The restore's look at a backup sees what the load sees.
    EXPECT_EQ(ClassifyEventFile(c.file), !c.lines.empty() ? EventFileContent::Events
                                         : c.kept.empty()  ? EventFileContent::Empty
                                                           : EventFileContent::NoEvents);
    EventStore store = Loaded(c.file);
    EXPECT_EQ(LinesOf(store), c.lines);
    EXPECT_EQ(store.EventRecords.size(), c.lines.size() + 6) << "room for five more lines";
    EXPECT_EQ(store.LoadState, EventLoadState::Loaded);
    ASSERT_TRUE(SaveEvents(store).ok);
    std::string expected;
    for (const auto& line : c.lines) expected += line + "\r\n";
    EXPECT_EQ(Slurp(FilePath()), expected + c.kept);
  }
}

// As UTF-8 a UTF-16 file may be half as large again: one whose UTF-8 form passes the bound of what
// is read would be saved as a file that the next start cannot read, so it is not taken.
TEST_F(EventsFileTest, AUtf16FileTooLargeAsUtf8IsNotLoaded) {
  const std::size_t units = kMaxReadBytes / 3 + 1;  // three bytes of UTF-8 each
  {
    const std::string block = Utf16Bytes(std::u16string(std::size_t{1} << 16, u'\u6771'), kLittle);
    std::ofstream out(FilePath(), std::ios::binary);
    out << Utf16Bytes(u"\uFEFF", kLittle);
    for (std::size_t written = 0; written < units; written += block.size() / 2)
      out.write(block.data(), static_cast<std::streamsize>(std::min(block.size(), 2 * (units - written))));
  }
  const auto size = fs::file_size(FilePath());
  EventStore store(FilePath());
  const StoreResult load = LoadEvents(store);
  EXPECT_FALSE(load.ok);
  EXPECT_NE(load.error.find("larger than 128 MB"), std::string::npos) << load.error;
  EXPECT_FALSE(SaveEvents(store).ok);
  EXPECT_EQ(fs::file_size(FilePath()), size);
}

TEST_F(EventsFileTest, MissingFileIsCreatedEmptyAndOwnerOnly) {
  EventStore store(FilePath());
  ASSERT_TRUE(LoadEvents(store).ok);
  EXPECT_EQ(store.EventCount, 0);
  EXPECT_EQ(fs::file_size(FilePath()), 0u);
  EXPECT_EQ(testing::ModeOf(FilePath()), 0600u);
}

TEST_F(EventsFileTest, EditsSurviveSavesAndReloads) {
  EventStore store = Loaded("01/01/2027000000=A\r\n02/01/2027000000=B\r\n03/01/2027000000=C\r\n");
  store.EventRecords.Set(2, {});
  // A line break inside a line must not split it on disk.
  AppendEvent(store, "04/01/2027000000=First\r\n05/12/2026000000=Injected");
  AppendEvent(store, "05/01/2027000000=Second\nthird");
  for (int i = 1; i <= 10; ++i) AppendEvent(store, "06/01/2027000000=E" + std::to_string(i));  // past the spare room
  ASSERT_TRUE(SaveEvents(store).ok);
  ASSERT_TRUE(SaveEvents(store).ok) << "a second save without a load in between keeps every line";
  Lines expected{"01/01/2027000000=A", "03/01/2027000000=C", "04/01/2027000000=First~05/12/2026000000=Injected",
                 "05/01/2027000000=Second~third"};
  for (int i = 1; i <= 10; ++i) expected.push_back("06/01/2027000000=E" + std::to_string(i));
  EXPECT_EQ(LinesOf(store), expected);
  ASSERT_TRUE(LoadEvents(store).ok);
  EXPECT_EQ(LinesOf(store), expected);
}

TEST_F(EventsFileTest, LinesPastTheLimitAreKeptAndWrittenBackAfterTheTable) {
  std::string table;
  for (int i = 1; i <= kMaxEventLines; ++i) table += "01/01/2027000000=Event " + std::to_string(i) + "\r\n";
  const std::string past = "02/01/2027000000=Line 32001\r\nnot an event\n\r\n03/01/2027000000=Caf\xE9";
  EventStore store = Loaded(table + past);
  ASSERT_EQ(store.EventCount, kMaxEventLines);
  ASSERT_TRUE(SaveEvents(store).ok);
  EXPECT_EQ(Slurp(FilePath()), table + past + "\r\n") << "kept byte for byte, ended by a line end";
  // Room made in the table lets the next load take in the line that waited.
  store.EventRecords.Set(1, {});
  ASSERT_TRUE(SaveEvents(store).ok);
  ASSERT_TRUE(LoadEvents(store).ok);
  EXPECT_EQ(store.EventCount, kMaxEventLines);
  EXPECT_EQ(store.EventRecords[kMaxEventLines], "02/01/2027000000=Line 32001");
  ASSERT_TRUE(SaveEvents(store).ok);
  EXPECT_EQ(Slurp(FilePath()).substr(table.size() - std::string("01/01/2027000000=Event 1\r\n").size()),
            "02/01/2027000000=Line 32001\r\nnot an event\n\r\n03/01/2027000000=Caf\xE9\r\n");
  // Deleting everything deletes the lines kept outside the table too.
  ClearAllEvents(store);
  ASSERT_TRUE(SaveEvents(store).ok);
  EXPECT_EQ(Slurp(FilePath()), "");
  EXPECT_EQ(store.EventCount, 0);
}

TEST_F(EventsFileTest, AWindows1252TableIsConvertedAndWhatLiesPastItKeptAsRead) {
  // Every tenth line of the table in Windows-1252, the rest UTF-8; past the table the same mixture,
  // which stays as it was read.
  const std::string utf8 = "Stra\xC3\x9F" "e ", cafe1252 = "Caf\xE9 \x80", cafeUtf8 = "Caf\xC3\xA9 \xE2\x82\xAC";
  std::string table;
  Lines expected;
  for (int i = 1; i <= kMaxEventLines; ++i) {
    const bool windows1252 = i % 10 == 0;
    const std::string n = std::to_string(i);
    table += "01/01/2027000000=" + (windows1252 ? cafe1252 : utf8) + n + "\r\n";
    expected.push_back("01/01/2027000000=" + (windows1252 ? cafeUtf8 : utf8) + n);
  }
  const std::string past = "02/01/2027000000=M\xFCller\r\n03/01/2027000000=M\xC3\xBCller\r\n";
  EventStore store = Loaded(table + past);
  ASSERT_EQ(LinesOf(store), expected);
  // A converted line can be changed like any other.
  store.EventRecords.Set(10, "01/01/2027000000=Changed");
  expected[9] = "01/01/2027000000=Changed";
  ASSERT_TRUE(SaveEvents(store).ok);
  std::string written;
  for (const std::string& line : expected) written += line + "\r\n";
  EXPECT_EQ(Slurp(FilePath()), written + past);
}

TEST_F(EventsFileTest, AFailedSaveLeavesFileAndTableAsTheyWere) {
  const std::string original = "01/01/2027000000=A\r\n02/01/2027000000=B\r\n";
  const fs::path aside = Dir() / "aside";
  struct Case { const char* name; bool fillsDisk, needsNonRoot; const char* reason; std::function<void()> breakIt, repair; };
  const std::vector<Case> cases = {
      {"the write runs out of room", true, false, "File too large", [] {}, [] {}},
      {"a folder has taken the file's place", false, false, "folder",
       [&] { fs::rename(FilePath(), aside), fs::create_directory(FilePath()); },
       [&] { fs::remove(FilePath()), fs::rename(aside, FilePath()); }},
      {"a read-only folder", false, true, "", [&] { ::chmod(Dir().c_str(), 0500); }, [&] { ::chmod(Dir().c_str(), 0700); }},
      {"a read-only file", false, false, "it is read-only", [&] { ::chmod(FilePath().c_str(), 0444); },
       [&] { ::chmod(FilePath().c_str(), 0600); }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    if (c.needsNonRoot && ::geteuid() == 0) continue;  // permission bits do not stop the superuser
    EventStore store = Loaded(original);
    store.EventRecords.Set(1, {});
    AppendEvent(store, "03/01/2027000000=" + std::string(4096, 'x'));
    const EventLines tableBefore = store.EventRecords;
    const int countBefore = store.EventCount;
    c.breakIt();
    StoreResult r;
    {
      std::optional<testing::FileSizeLimit> limit;
      if (c.fillsDisk) limit.emplace(1024);
      r = SaveEvents(store);
    }
    c.repair();
    EXPECT_FALSE(r.ok);
    EXPECT_NE(r.error.find(FilePath()), std::string::npos) << r.error;
    EXPECT_NE(r.error.find(c.reason), std::string::npos) << r.error;
    EXPECT_EQ(store.EventRecords, tableBefore);
    EXPECT_EQ(store.EventCount, countBefore);
    EXPECT_EQ(Slurp(FilePath()), original);
    EXPECT_EQ(testing::NamesIn(Dir()), Lines{"ann.dat"}) << "no temporary file left behind";
  }
}

TEST_F(EventsFileTest, AFailedLoadKeepsTheTableAndNeverOverwrites) {
  struct Case { const char* name; bool needsNonRoot; std::string path; std::function<void(const std::string&)> make;
                const char* reason = ""; };
  const std::string inMissingFolder = (Dir() / "gone" / "ann.dat").string();
  const std::vector<Case> cases = {
      {"a missing folder", false, inMissingFolder, [](const std::string&) {}},
      {"a folder at the path", false, FilePath(), [](const std::string& p) { fs::create_directory(p); }},
      {"a named pipe at the path (must not block)", false, FilePath(),
       [](const std::string& p) { ASSERT_EQ(::mkfifo(p.c_str(), 0600), 0); }},
      {"a sparse terabyte, never read into memory", false, FilePath(),
       [](const std::string& p) { Put(p, ""); ASSERT_EQ(::truncate(p.c_str(), off_t{1} << 40), 0); }, "larger than"},
      {"a file without read permission", true, FilePath(),
       [](const std::string& p) { Put(p, "01/01/2027000000=Precious\r\n"), ::chmod(p.c_str(), 0200); }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    if (c.needsNonRoot && ::geteuid() == 0) continue;  // the superuser reads anything
    c.make(c.path);
    const auto typeBefore = fs::symlink_status(c.path).type();
    const auto sizeBefore = fs::is_regular_file(c.path) ? fs::file_size(c.path) : 0;
    EventStore store(c.path);
    store.EventRecords = EventLines(Lines{"", "05/12/2026000000=Held before", "", "", "", "", ""});
    store.EventCount = 1;
    const StoreResult load = LoadEvents(store);
    EXPECT_FALSE(load.ok);
    EXPECT_FALSE(load.error.empty());
    EXPECT_NE(load.error.find(c.reason), std::string::npos) << load.error;
    EXPECT_EQ(store.LoadState, EventLoadState::LoadFailed);
    EXPECT_EQ(LinesOf(store), Lines{"05/12/2026000000=Held before"});
    EXPECT_FALSE(SaveEvents(store).ok);
    EXPECT_EQ(fs::symlink_status(c.path).type(), typeBefore);
    if (fs::is_regular_file(c.path)) {
      ::chmod(c.path.c_str(), 0600);
      EXPECT_EQ(fs::file_size(c.path), sizeBefore);
      if (sizeBefore < 100) {
        EXPECT_EQ(Slurp(c.path), "01/01/2027000000=Precious\r\n");
      }
    }
    EXPECT_EQ(testing::NamesIn(Dir()).size(), c.path == FilePath() ? 1u : 0u) << "no temporary file left behind";
    fs::remove_all(c.path);
  }
  EXPECT_FALSE(fs::exists(Dir() / "gone"));
}

TEST_F(EventsFileTest, SavesStayBlockedUntilALoadSucceedsAgain) {
  EventStore store = Loaded("01/01/2027000000=A\r\n");
  // The file goes away behind our back and something unreadable takes its place.
  fs::rename(FilePath(), Dir() / "aside.dat");
  fs::create_directory(FilePath());
  EXPECT_FALSE(LoadEvents(store).ok);
  AppendEvent(store, "02/01/2027000000=B");
  fs::remove(FilePath());
  const StoreResult blocked = SaveEvents(store);
  EXPECT_FALSE(blocked.ok) << "the table is stale, even with the path free again";
  EXPECT_NE(blocked.error.find("not overwritten"), std::string::npos) << blocked.error;
  EXPECT_FALSE(fs::exists(FilePath()));

  fs::rename(Dir() / "aside.dat", FilePath());
  ASSERT_TRUE(LoadEvents(store).ok);
  AppendEvent(store, "03/01/2027000000=C");
  ASSERT_TRUE(SaveEvents(store).ok);
  EXPECT_EQ(Slurp(FilePath()), "01/01/2027000000=A\r\n03/01/2027000000=C\r\n");
}

TEST_F(EventsFileTest, AStoreThatNeverLoadedMayNotOverwriteAnExistingFile) {
  Put(FilePath(), "01/01/2027000000=Precious\r\n");
  EventStore store(FilePath());
  EXPECT_FALSE(SaveEvents(store).ok);
  EXPECT_EQ(Slurp(FilePath()), "01/01/2027000000=Precious\r\n");
  EventStore fresh((Dir() / "new.dat").string());
  AppendEvent(fresh, "01/01/2027000000=A");
  ASSERT_TRUE(SaveEvents(fresh).ok) << "nothing to lose where no file is";
  EXPECT_EQ(Slurp(Dir() / "new.dat"), "01/01/2027000000=A\r\n");
}

TEST_F(EventsFileTest, OldFormIsConvertedLineByLine) {
  struct Case { const char* name; std::string file; bool current; std::string converted; };
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
    EXPECT_EQ(r.Saved(), !c.current);
    EXPECT_TRUE(IsCurrentFormat(store));
    EXPECT_EQ(Slurp(FilePath()), c.current ? c.file : c.converted) << "an LF-only file shows no save happened";
  }
}

TEST_F(EventsFileTest, RemindersOfPastOneOffEventsAreCleared) {
  // Today is 15/06/2026. Line as loaded, then as it must be after clearing.
  const std::pair<std::string, std::string> cases[] = {
      {"14/06/2026010000=Yesterday", "14/06/2026000000=Yesterday"},
      {"20/12/2025000305=Last year", "20/12/2025000000=Last year"},
      {"15/06/2026010000=Today", "15/06/2026010000=Today"},
      {"14/06/9999010000=Yearly", "14/06/9999010000=Yearly"},
      {"14/06/9991010000=Weekly", "14/06/9991010000=Weekly"},
      {"14/06/2026ab0000=Odd", "14/06/2026ab0000=Odd"},  // a reminder field that is no number
      {"14/06/2026", "14/06/2026"},
  };
  // Lines a user left invalid by hand are kept as they are, after the table.
  const std::string invalid = "31/04/2026010000=No 31st of April\r\nDentist on Friday\r\n2O/06/2026010000=Caf\xE9\r\n";
  std::string file = "\r\n" + invalid, expected;
  for (const auto& [line, after] : cases) file += line + "\n", expected += after + "\r\n";
  EventStore store = Loaded(file);
  EXPECT_TRUE(IsCurrentFormat(store));
  EXPECT_TRUE(ClearPastReminders(store).Saved());
  EXPECT_EQ(store.EventCount, static_cast<int>(std::size(cases))) << "the count is the table's alone";
  EXPECT_EQ(Slurp(FilePath()), expected + invalid);

  // Nothing left to clear: no save at all.
  const ChangeResult again = ClearPastReminders(store);
  EXPECT_FALSE(again.changed);
  EXPECT_FALSE(again.SaveFailed());
}

TEST_F(EventsFileTest, ClearingFollowsTheAppClockAndReportsAFailedSave) {
  EventStore store = Loaded("14/06/2026010000=Yesterday\r\n");
  clock_.Set(DateTime{DateSerial(2026, 6, 14), 23, 59, 0});
  EXPECT_FALSE(ClearPastReminders(store).changed);
  clock_.Set(DateTime{DateSerial(2026, 6, 15), 0, 0, 0});
  fs::remove(FilePath());
  fs::create_directory(FilePath());
  const ChangeResult r = ClearPastReminders(store);
  EXPECT_TRUE(r.changed);
  EXPECT_FALSE(r.Saved());
  EXPECT_TRUE(r.SaveFailed());
  EXPECT_FALSE(r.save.error.empty());
}

}  // namespace
}  // namespace orlevant
