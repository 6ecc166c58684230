#include "core/duplicate_events.h"

#include <algorithm>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>

#include "core/event_line.h"
#include "core/message_box.h"
#include "core/text_encoding.h"

namespace orlevant {

namespace {

constexpr std::string_view kCrLf = "\r\n";

std::string_view LineAt(const EventStore& store, int i) { return store.EventRecords[static_cast<std::size_t>(i)]; }

}  // namespace

DuplicateReport FindDuplicateEvents(const EventStore& store) {
  DuplicateReport report;
  const int count = StoredLineCount(store);
  if (count < 2) return report;

  struct Group {
    int last = 0;     // latest line seen with this key
    int members = 0;  // lines seen with this key so far
  };
  // The keys must not move while the map looks at them: sized once, filled in place.
  std::vector<std::string> keys(static_cast<std::size_t>(count) + 1);
  std::unordered_map<std::string_view, Group> groups;
  groups.reserve(static_cast<std::size_t>(count));
  // next[i]: the next line after i that equals it, 0 when none; chains each group in file order.
  std::vector<int> next(static_cast<std::size_t>(count) + 1, 0);

  for (int i = 1; i <= count; ++i) {
    const std::string_view line = LineAt(store, i);
    if (line.empty()) continue;
    std::string& key = keys[static_cast<std::size_t>(i)];
    key = UpperCaseForCompare(line);
    Group& g = groups[key];
    if (g.members > 0) {
      // Line i pairs with every earlier equal line.
      report.pairCount += g.members;
      report.laterCopies.push_back(i);
      next[static_cast<std::size_t>(g.last)] = i;
    }
    g.last = i;
    ++g.members;
  }

  // The pairs in the order of a loop over i, then over j > i: walk each line's chain.
  for (int i = 1; i <= count && static_cast<int>(report.listed.size()) < kListedDuplicatePairs; ++i) {
    for (int j = next[static_cast<std::size_t>(i)];
         j != 0 && static_cast<int>(report.listed.size()) < kListedDuplicatePairs; j = next[static_cast<std::size_t>(j)]) {
      report.listed.push_back({i, j});
    }
  }
  return report;
}

std::string NoEventsMessage() {
  return "There are no Events in the Database File." + kWidenLine + "\r\n\r\n";
}

std::string NoDuplicatesMessage() {
  return "There are no Duplicate Events in the Database File." + kWidenLine + "\r\n" +
         "Note: The Date, Reminder and Event must all be the same." + kWidenLine + "\r\n\r\n";
}

std::string DuplicatesQuestion(const EventStore& store, const DuplicateReport& report) {
  const std::int64_t n = report.pairCount;
  const bool many = n > 1;
  std::string text = "There ";
  text += many ? "are" : "is";
  text += " " + std::to_string(n) + " Duplicate " + (many ? "Events" : "Event") + " in the Database File." +
          kWidenLine + "\r\n";
  text += "Note: The Date, Reminder and Event are exactly the same." + kWidenLine + "\r\n\r\n";
  std::int64_t number = 0;
  for (const DuplicatePair& pair : report.listed) {
    ++number;
    text += "   " + std::to_string(number) + ". ";
    text += TextField(LineAt(store, pair.later));
    text += kWidenLine;
    text += kCrLf;
  }
  // A long list would make a box taller than the screen; the count above says how many in all.
  if (n > number) text += "   ... and " + std::to_string(n - number) + " more" + kWidenLine + "\r\n";
  text += "\r\nWould you like to remove ";
  text += many ? "them" : "it";
  text += " from the file?\r\n\r\n";
  return text;
}

DuplicateResult RemoveDuplicateEvents(EventStore& store) {
  DuplicateResult result;
  MessageBoxes& boxes = AppMessageBoxes();
  if (store.EventCount <= 0) {
    boxes.Show(MsgIcon::Information, MsgButtons::Ok, AppTitle() + " - No Events", NoEventsMessage());
    return result;
  }
  const DuplicateReport report = FindDuplicateEvents(store);
  result.found = report.pairCount;
  const std::string title = AppTitle() + " - Duplicate Events";
  if (report.pairCount == 0) {
    boxes.Show(MsgIcon::Information, MsgButtons::Ok, title, NoDuplicatesMessage());
    return result;
  }
  if (boxes.Show(MsgIcon::Question, MsgButtons::YesNo, title, DuplicatesQuestion(store, report)) != MsgAnswer::Yes)
    return result;

  // Keep the removed copies so that a failed save can put the table back as it was.
  std::vector<std::string> removed;
  removed.reserve(report.laterCopies.size());
  for (int j : report.laterCopies) removed.push_back(store.EventRecords.Take(static_cast<std::size_t>(j)));

  result.save = SaveEvents(store);
  if (!result.save) {
    for (std::size_t k = 0; k < removed.size(); ++k)
      store.EventRecords.Set(static_cast<std::size_t>(report.laterCopies[k]), std::move(removed[k]));
    return result;
  }
  result.removed = true;
  result.reload = LoadEvents(store);
  return result;
}

}  // namespace orlevant
