#include "core/duplicate_events.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "core/events_file.h"
#include "support/scripted_message_boxes.h"
#include "support/temp_home.h"

namespace orlevant {
namespace {

namespace fs = std::filesystem;
using testing::ScriptedMessageBoxes;

const std::string kTen(10, ' ');

std::string ReadBytes(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

class DuplicateEventsTest : public ::testing::Test {
 protected:
  // A store loaded from a file of these lines.
  EventStore Loaded(const std::vector<std::string>& lines) {
    std::ofstream out(FilePath(), std::ios::binary | std::ios::trunc);
    for (const auto& l : lines) out << l << "\r\n";
    out.close();
    EventStore store(FilePath());
    EXPECT_TRUE(LoadEvents(store).ok);
    return store;
  }
  std::string FilePath() const { return (home_.Data() / "ann.dat").string(); }

  static std::vector<std::string> Lines(const EventStore& s) {
    return {s.EventRecords.begin() + 1, s.EventRecords.begin() + 1 + s.EventCount};
  }

  testing::TempHome home_;
  ScriptedMessageBoxes boxes_;
};

TEST_F(DuplicateEventsTest, TheTwoBoxesThatFindNothing) {
  struct Case {
    const char* name;
    std::vector<std::string> lines;
    std::string title;
    std::string text;
  };
  const std::vector<Case> cases = {
      {"no events", {}, "Orlevant 3.1 - No Events", "There are no Events in the Database File.          \r\n\r\n"},
      {"same text, different reminder codes",
       {"05/12/2026000000=Dentist", "05/12/2026010000=Dentist", "05/12/2027000000=Dentist"},
       "Orlevant 3.1 - Duplicate Events",
       "There are no Duplicate Events in the Database File.          \r\n"
       "Note: The Date, Reminder and Event must all be the same.          \r\n\r\n"},
      {"sharp s is not SS", {"05/12/2026000000=Stra\xC3\x9F" "e", "05/12/2026000000=STRASSE"},
       "Orlevant 3.1 - Duplicate Events",
       "There are no Duplicate Events in the Database File.          \r\n"
       "Note: The Date, Reminder and Event must all be the same.          \r\n\r\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    boxes_.shown.clear();
    EventStore store = Loaded(c.lines);
    const DuplicateResult r = RemoveDuplicateEvents(store);
    EXPECT_EQ(r.found, 0);
    EXPECT_FALSE(r.removed);
    ASSERT_EQ(boxes_.shown.size(), 1u);
    EXPECT_EQ(boxes_.shown[0].icon, MsgIcon::Information);
    EXPECT_EQ(boxes_.shown[0].buttons, MsgButtons::Ok);
    EXPECT_EQ(boxes_.shown[0].title, c.title);
    EXPECT_EQ(boxes_.shown[0].text, c.text);
    EXPECT_EQ(Lines(store), c.lines);
  }
}

TEST_F(DuplicateEventsTest, OnePairDifferingOnlyInCaseIsAskedAboutInTheSingular) {
  EventStore store = Loaded({"05/12/2026000000=Dentist at 9", "01/01/9999000000=New Year", "05/12/2026000000=DENTIST AT 9"});
  boxes_.Answer(MsgAnswer::Yes);
  const DuplicateResult r = RemoveDuplicateEvents(store);
  ASSERT_EQ(boxes_.shown.size(), 1u);
  EXPECT_EQ(boxes_.shown[0].icon, MsgIcon::Question);
  EXPECT_EQ(boxes_.shown[0].buttons, MsgButtons::YesNo);
  EXPECT_EQ(boxes_.shown[0].title, "Orlevant 3.1 - Duplicate Events");
  EXPECT_EQ(boxes_.shown[0].text,
            "There is 1 Duplicate Event in the Database File.          \r\n"
            "Note: The Date, Reminder and Event are exactly the same.          \r\n"
            "\r\n"
            "   1. DENTIST AT 9          \r\n"
            "\r\n"
            "Would you like to remove it from the file?\r\n\r\n");
  EXPECT_EQ(r.found, 1);
  EXPECT_TRUE(r.removed);
  EXPECT_TRUE(r.save.ok);
  // The earliest copy stays, in its own letter case; the file and the reloaded table agree.
  const std::vector<std::string> left{"05/12/2026000000=Dentist at 9", "01/01/9999000000=New Year"};
  EXPECT_EQ(Lines(store), left);
  EXPECT_EQ(ReadBytes(FilePath()), left[0] + "\r\n" + left[1] + "\r\n");
}

TEST_F(DuplicateEventsTest, ThreeCopiesMakeThreePairsAndYesLeavesOne) {
  EventStore store = Loaded({"05/12/2026000000=Caf\xC3\xA9~noon", "05/12/2026000000=CAF\xC3\x89~NOON",
                             "05/12/2026000000=caf\xC3\xA9~Noon"});
  boxes_.Answer(MsgAnswer::Yes);
  const DuplicateResult r = RemoveDuplicateEvents(store);
  ASSERT_EQ(boxes_.shown.size(), 1u);
  EXPECT_EQ(boxes_.shown[0].text,
            "There are 3 Duplicate Events in the Database File.          \r\n"
            "Note: The Date, Reminder and Event are exactly the same.          \r\n"
            "\r\n"
            "   1. CAF\xC3\x89~NOON          \r\n"
            "   2. caf\xC3\xA9~Noon          \r\n"
            "   3. caf\xC3\xA9~Noon          \r\n"
            "\r\n"
            "Would you like to remove them from the file?\r\n\r\n");
  EXPECT_EQ(r.found, 3);
  EXPECT_EQ(Lines(store), std::vector<std::string>{"05/12/2026000000=Caf\xC3\xA9~noon"});
}

TEST_F(DuplicateEventsTest, PairsAreListedInTheOrderOfTheFirstLineThenTheLaterOne) {
  // A B A C B A: pairs (1,3) (1,6) (2,5) (3,6).
  EventStore store = Loaded({"01/01/2027000000=A", "02/01/2027000000=B", "01/01/2027000000=a", "03/01/2027000000=C",
                             "02/01/2027000000=b", "01/01/2027000000=A"});
  const DuplicateReport report = FindDuplicateEvents(store);
  EXPECT_EQ(report.pairCount, 4);
  ASSERT_EQ(report.listed.size(), 4u);
  const std::vector<std::pair<int, int>> expected{{1, 3}, {1, 6}, {2, 5}, {3, 6}};
  for (std::size_t k = 0; k < expected.size(); ++k) {
    EXPECT_EQ(report.listed[k].first, expected[k].first) << k;
    EXPECT_EQ(report.listed[k].later, expected[k].second) << k;
  }
  EXPECT_EQ(report.laterCopies, (std::vector<int>{3, 5, 6}));
}

TEST_F(DuplicateEventsTest, AnswerNoChangesNothing) {
  const std::vector<std::string> lines{"01/01/2027000000=A", "01/01/2027000000=A"};
  EventStore store = Loaded(lines);
  const std::string before = ReadBytes(FilePath());
  boxes_.Answer(MsgAnswer::No);
  const DuplicateResult r = RemoveDuplicateEvents(store);
  EXPECT_EQ(r.found, 1);
  EXPECT_FALSE(r.removed);
  EXPECT_EQ(Lines(store), lines);
  EXPECT_EQ(ReadBytes(FilePath()), before);
}

TEST_F(DuplicateEventsTest, DeletedLinesAreNoDuplicatesOfEachOther) {
  EventStore store = Loaded({"01/01/2027000000=A", "02/01/2027000000=B", "03/01/2027000000=C"});
  store.EventRecords[1].clear();
  store.EventRecords[3].clear();
  EXPECT_EQ(FindDuplicateEvents(store).pairCount, 0);
}

TEST_F(DuplicateEventsTest, ALongListShowsThirtyPairsAndTheNumberLeft) {
  std::vector<std::string> lines;
  for (int i = 0; i < 9; ++i) lines.push_back("01/01/2027000000=Same");  // 36 pairs
  EventStore store = Loaded(lines);
  boxes_.Answer(MsgAnswer::No);
  RemoveDuplicateEvents(store);
  ASSERT_EQ(boxes_.shown.size(), 1u);
  const std::string& text = boxes_.shown[0].text;
  EXPECT_EQ(text.rfind("There are 36 Duplicate Events in the Database File.", 0), 0u) << text;
  EXPECT_NE(text.find("   30. Same          \r\n   ... and 6 more          \r\n\r\nWould you like"), std::string::npos)
      << text;
  EXPECT_EQ(text.find("   31. "), std::string::npos);
}

TEST_F(DuplicateEventsTest, AFullTableOfEqualLinesIsCountedWithoutOverflow) {
  EventStore store(FilePath());
  for (int i = 0; i < kMaxEventLines; ++i) AppendEvent(store, "01/01/2027000000=Same");
  const DuplicateReport report = FindDuplicateEvents(store);
  EXPECT_EQ(report.pairCount, std::int64_t{kMaxEventLines} * (kMaxEventLines - 1) / 2);
  EXPECT_EQ(report.pairCount, 511'984'000);
  EXPECT_EQ(report.listed.size(), 30u);
  EXPECT_EQ(report.laterCopies.size(), static_cast<std::size_t>(kMaxEventLines - 1));
}

TEST_F(DuplicateEventsTest, AFailedSaveAfterYesPutsTheTableBack) {
  const std::vector<std::string> lines{"01/01/2027000000=A", "02/01/2027000000=B", "01/01/2027000000=A"};
  EventStore store = Loaded(lines);
  fs::remove(FilePath());
  fs::create_directory(FilePath());
  boxes_.Answer(MsgAnswer::Yes);
  const DuplicateResult r = RemoveDuplicateEvents(store);
  EXPECT_EQ(r.found, 1);
  EXPECT_FALSE(r.removed);
  EXPECT_FALSE(r.save.ok);
  EXPECT_FALSE(r.save.error.empty());
  EXPECT_EQ(Lines(store), lines);
}

}  // namespace
}  // namespace orlevant
