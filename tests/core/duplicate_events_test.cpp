#include "core/duplicate_events.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "core/events_file.h"
#include "support/event_table.h"
#include "support/file_helpers.h"
#include "support/scripted_message_boxes.h"
#include "support/temp_home.h"
#include "support/unreadable_after_save.h"

namespace orlevant {
namespace {

namespace fs = std::filesystem;
using Lines = std::vector<std::string>;
using testing::Slurp;

const std::string kNote = "Note: The Date, Reminder and Event ";
const std::string kPad(10, ' ');

class DuplicateEventsTest : public ::testing::Test {
 protected:
  // A store loaded from a file of these lines.
  EventStore Loaded(const Lines& lines) {
    std::string file;
    for (const auto& l : lines) file += l + "\r\n";
    testing::Put(FilePath(), file);
    EventStore store(FilePath());
    EXPECT_TRUE(LoadEvents(store).ok);
    return store;
  }
  std::string FilePath() const { return (home_.Data() / "ann.dat").string(); }
  static Lines LinesOf(const EventStore& s) { return testing::LinesOf(s.EventRecords, 1, static_cast<std::size_t>(s.EventCount) + 1); }

  testing::TempHome home_;
  testing::ScriptedMessageBoxes boxes_;
};

TEST_F(DuplicateEventsTest, WhatIsAskedAndWhatIsLeft) {
  struct Case {
    const char* name;
    Lines lines;
    std::optional<MsgAnswer> answer;  // none: only an information box
    int found;
    std::string title, text;
    Lines left;
  };
  const std::string none = "There are no Duplicate Events in the Database File." + kPad + "\r\n" + kNote +
                           "must all be the same." + kPad + "\r\n\r\n";
  const std::vector<Case> cases = {
      {"no events", {}, {}, 0, "No Events", "There are no Events in the Database File." + kPad + "\r\n\r\n", {}},
      {"same text, different reminder codes",
       {"05/12/2026000000=Dentist", "05/12/2026010000=Dentist", "05/12/2027000000=Dentist"}, {}, 0, "Duplicate Events",
       none, {"05/12/2026000000=Dentist", "05/12/2026010000=Dentist", "05/12/2027000000=Dentist"}},
      {"letters beyond Latin ignore case too",
       {"05/12/2026000000=\xD0\x92\xD1\x81\xD1\x82\xD1\x80\xD0\xB5\xD1\x87\xD0\xB0",   // Встреча
        "05/12/2026000000=\xD0\x92\xD0\xA1\xD0\xA2\xD0\xA0\xD0\x95\xD0\xA7\xD0\x90",   // ВСТРЕЧА
        "05/12/2026000000=Stra\xC3\x9F" "e", "05/12/2026000000=STRASSE"},
       MsgAnswer::Yes, 2, "Duplicate Events",
       "There are 2 Duplicate Events in the Database File." + kPad + "\r\n" + kNote + "are exactly the same." + kPad +
           "\r\n\r\n   1. \xD0\x92\xD0\xA1\xD0\xA2\xD0\xA0\xD0\x95\xD0\xA7\xD0\x90" + kPad +
           "\r\n   2. STRASSE" + kPad + "\r\n\r\nWould you like to remove them from the file?\r\n\r\n",
       {"05/12/2026000000=\xD0\x92\xD1\x81\xD1\x82\xD1\x80\xD0\xB5\xD1\x87\xD0\xB0", "05/12/2026000000=Stra\xC3\x9F" "e"}},
      {"one pair differing in case, Yes: the earliest copy stays as it was",
       {"05/12/2026000000=Dentist at 9", "01/01/9999000000=New Year", "05/12/2026000000=DENTIST AT 9"},
       MsgAnswer::Yes, 1, "Duplicate Events",
       "There is 1 Duplicate Event in the Database File." + kPad + "\r\n" + kNote + "are exactly the same." + kPad +
           "\r\n\r\n   1. DENTIST AT 9" + kPad + "\r\n\r\nWould you like to remove it from the file?\r\n\r\n",
       {"05/12/2026000000=Dentist at 9", "01/01/9999000000=New Year"}},
      {"three copies make three pairs",
       {"05/12/2026000000=Caf\xC3\xA9~noon", "05/12/2026000000=CAF\xC3\x89~NOON", "05/12/2026000000=caf\xC3\xA9~Noon"},
       MsgAnswer::Yes, 3, "Duplicate Events",
       "There are 3 Duplicate Events in the Database File." + kPad + "\r\n" + kNote + "are exactly the same." + kPad +
           "\r\n\r\n   1. CAF\xC3\x89~NOON" + kPad + "\r\n   2. caf\xC3\xA9~Noon" + kPad + "\r\n   3. caf\xC3\xA9~Noon" +
           kPad + "\r\n\r\nWould you like to remove them from the file?\r\n\r\n",
       {"05/12/2026000000=Caf\xC3\xA9~noon"}},
      {"No changes nothing", {"01/01/2027000000=A", "01/01/2027000000=A"}, MsgAnswer::No, 1, "Duplicate Events",
       "There is 1 Duplicate Event in the Database File." + kPad + "\r\n" + kNote + "are exactly the same." + kPad +
           "\r\n\r\n   1. A" + kPad + "\r\n\r\nWould you like to remove it from the file?\r\n\r\n",
       {"01/01/2027000000=A", "01/01/2027000000=A"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    boxes_.shown.clear();
    EventStore store = Loaded(c.lines);
    const std::string before = Slurp(FilePath());
    if (c.answer) boxes_.Answer(*c.answer);
    const DuplicateResult r = RemoveDuplicateEvents(store);
    ASSERT_EQ(boxes_.shown.size(), 1u);
    EXPECT_EQ(boxes_.shown[0].icon, c.answer ? MsgIcon::Question : MsgIcon::Information);
    EXPECT_EQ(boxes_.shown[0].buttons, c.answer ? MsgButtons::YesNo : MsgButtons::Ok);
    EXPECT_EQ(boxes_.shown[0].title, "Orlevant 3.1 - " + c.title);
    EXPECT_EQ(boxes_.shown[0].text, c.text);
    EXPECT_EQ(r.found, c.found);
    EXPECT_EQ(r.removed, c.answer == MsgAnswer::Yes);
    EXPECT_EQ(LinesOf(store), c.left);
    std::string file;
    for (const auto& l : c.left) file += l + "\r\n";
    EXPECT_EQ(Slurp(FilePath()), r.removed ? file : before);
  }
}

TEST_F(DuplicateEventsTest, PairsAreListedInTheOrderOfTheFirstLineThenTheLaterOne) {
  // A B A C B A D -, with D deleted: pairs (1,3) (1,6) (2,5) (3,6).
  EventStore store = Loaded({"01/01/2027000000=A", "02/01/2027000000=B", "01/01/2027000000=a", "03/01/2027000000=C",
                             "02/01/2027000000=b", "01/01/2027000000=A", "04/01/2027000000=D", "04/01/2027000000=D"});
  store.EventRecords.Set(7, {});
  store.EventRecords.Set(8, {});
  const DuplicateReport report = FindDuplicateEvents(store);
  EXPECT_EQ(report.pairCount, 4);
  std::vector<std::pair<int, int>> listed;
  for (const auto& pair : report.listed) listed.emplace_back(pair.first, pair.later);
  EXPECT_EQ(listed, (std::vector<std::pair<int, int>>{{1, 3}, {1, 6}, {2, 5}, {3, 6}}));
  EXPECT_EQ(report.laterCopies, (std::vector<int>{3, 5, 6}));
}

TEST_F(DuplicateEventsTest, ALongListShowsThirtyPairsAndTheNumberLeft) {
  EventStore store = Loaded(Lines(9, "01/01/2027000000=Same"));  // 36 pairs
  boxes_.Answer(MsgAnswer::No);
  RemoveDuplicateEvents(store);
  ASSERT_EQ(boxes_.shown.size(), 1u);
  const std::string& text = boxes_.shown[0].text;
  EXPECT_EQ(text.rfind("There are 36 Duplicate Events in the Database File.", 0), 0u) << text;
  EXPECT_NE(text.find("   30. Same" + kPad + "\r\n   ... and 6 more" + kPad + "\r\n\r\nWould you like"), std::string::npos)
      << text;
  EXPECT_EQ(text.find("   31. "), std::string::npos);
}

TEST_F(DuplicateEventsTest, AFullTableOfEqualLinesIsCountedWithoutOverflow) {
  EventStore store(FilePath());
  for (int i = 0; i < kMaxEventLines; ++i) AppendEvent(store, "01/01/2027000000=Same");
  const DuplicateReport report = FindDuplicateEvents(store);
  EXPECT_EQ(report.pairCount, 511'984'000);
  EXPECT_EQ(report.listed.size(), 30u);
  EXPECT_EQ(report.laterCopies.size(), static_cast<std::size_t>(kMaxEventLines - 1));
}

TEST_F(DuplicateEventsTest, AFailedSaveAfterYesPutsTheTableBack) {
  const Lines lines{"01/01/2027000000=A", "02/01/2027000000=B", "01/01/2027000000=A"};
  EventStore store = Loaded(lines);
  fs::remove(FilePath());
  fs::create_directory(FilePath());
  boxes_.Answer(MsgAnswer::Yes);
  const DuplicateResult r = RemoveDuplicateEvents(store);
  EXPECT_EQ(r.found, 1);
  EXPECT_FALSE(r.removed);
  EXPECT_FALSE(r.save.error.empty());
  EXPECT_EQ(LinesOf(store), lines);
}

TEST_F(DuplicateEventsTest, ASaveNotReadBackKeepsTheTableAsSaved) {
  EventStore store = Loaded({"01/01/2027000000=A", "02/01/2027000000=B", "01/01/2027000000=A"});
  testing::UnreadableAfterSave unreadable(FilePath());
  boxes_.Answer(MsgAnswer::Yes);
  const DuplicateResult r = RemoveDuplicateEvents(store);
  EXPECT_TRUE(r.save.ok);
  EXPECT_FALSE(r.reload.ok);
  EXPECT_EQ(Slurp(testing::UnreadableAfterSave::SavedCopy(FilePath())), "01/01/2027000000=A\r\n02/01/2027000000=B\r\n");
  EXPECT_EQ(LinesOf(store), (Lines{"01/01/2027000000=A", "02/01/2027000000=B"}));
}

}  // namespace
}  // namespace orlevant
