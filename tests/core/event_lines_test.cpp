#include "core/event_lines.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "support/event_table.h"

namespace orlevant {
namespace {

using Lines = std::vector<std::string>;

// A table over one block, as a load leaves it: "", "A1", "B22", "C333".
EventLines FromBlock() {
  const std::string block = "A1\r\nB22\r\nC333\r\n";
  EventLines table;
  table.resize(1);
  table.AppendFromBlock(0, std::string_view(block).substr(0, 2));
  table.AppendFromBlock(4, std::string_view(block).substr(4, 3));
  table.AppendFromBlock(9, std::string_view(block).substr(9, 4));
  table.Adopt(block);
  return table;
}

// A copy taken before a change is what the table goes back to when a save fails: changing either
// must leave the other as it was, for lines of the block and lines set since alike.
TEST(EventLines, CopiesAreIndependentOfEachOther) {
  EventLines table = FromBlock();
  table.Set(2, "changed");
  const EventLines before = table;
  table.Set(1, "");
  table.Set(2, "again");
  table.push_back("new");
  EXPECT_EQ(testing::LinesOf(before, 0, 99), (Lines{"", "A1", "changed", "C333"}));
  EXPECT_EQ(testing::LinesOf(table, 0, 99), (Lines{"", "", "again", "C333", "new"}));
  EXPECT_FALSE(table == before);

  EventLines copy = table;
  copy.Set(3, "only in the copy");
  EXPECT_EQ(table[3], "C333");
  EXPECT_EQ(copy.Take(2), "again");
  EXPECT_EQ(copy[2], "");
  EXPECT_EQ(table[2], "again");

  table = before;  // put back
  EXPECT_TRUE(table == before);
  EXPECT_TRUE(EventLines(testing::LinesOf(before, 0, 99)) == before) << "equal by content, however held";
}

// A view of one line stays good while other lines are set, however many (short lines live inside
// their string objects, so a store that moved them would leave the view dangling).
TEST(EventLines, AViewOutlivesChangesToOtherLines) {
  EventLines table = FromBlock();
  table.resize(2000);
  table.Set(2, "short");
  const std::string_view kept = table[2];
  const std::string_view fromBlock = table[3];
  for (std::size_t i = 4; i < 2000; ++i) table.Set(i, "x" + std::to_string(i));
  EXPECT_EQ(kept, "short");
  EXPECT_EQ(fromBlock, "C333");
  EXPECT_EQ(table[1999], "x1999");
  table.resize(3);
  EXPECT_EQ(table.size(), 3u);
  table.resize(5);
  EXPECT_EQ(table[4], "") << "a grown element is empty, not the line it held before";
}

}  // namespace
}  // namespace orlevant
