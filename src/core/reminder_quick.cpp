#include "core/reminder_quick.h"

#include "core/date_engine.h"
#include "core/event_line.h"
#include "core/events_file.h"
#include "core/message_box.h"
#include "core/reminder_code.h"

namespace orlevant {

namespace {

constexpr std::string_view kCrLf = "\r\n";

// The event falls on `day` exactly when its first occurrence on or after that day is the day
// itself (a one-off event's occurrence is its own date whatever the day).
bool FallsOn(std::string_view line, Date day) { return NextOccurrence(DateField(line), day) == day; }

// The first line in file order with this text and no reminder that falls on `day`; 0 when none.
int FindUnmarkedLine(const EventStore& events, std::string_view text, Date day) {
  const int last = StoredLineCount(events);
  for (int i = 1; i <= last; ++i) {
    const std::string_view line = events.EventRecords[static_cast<std::size_t>(i)];
    if (Column(line, 17, 1) != "=" || TextField(line) != text) continue;
    if (ReminderField(line) != kNoReminder) continue;
    if (FallsOn(line, day)) return i;
  }
  return 0;
}

}  // namespace

std::string QuickDaysCode(int n) { return ReminderCode{n, 0, 0, 0}.ToField(); }
std::string QuickHoursCode(int n) { return ReminderCode{0, n, 0, 0}.ToField(); }
std::string QuickMinutesCode(int n) { return ReminderCode{0, 0, n * 10, 0}.ToField(); }

QuickReminderResult SetQuickReminder(EventStore& events, std::string_view cellText, std::span<const int> boxLines,
                                     Date day, Date today, std::string_view code) {
  QuickReminderResult result;
  // A box of the neighbouring months holds a bare line break and lists no line: no event.
  if (cellText.empty() || boxLines.empty()) {
    result.outcome = QuickReminderOutcome::NoEvent;
    return result;
  }
  // Whether the newest event has a reminder is asked of its line: a "." in front of it in the box
  // may as well be the first letter of a text of its own.
  const int newest = boxLines.front();
  if (newest >= 1 && newest <= StoredLineCount(events) &&
      HasReminder(events.EventRecords[static_cast<std::size_t>(newest)])) {
    result.outcome = QuickReminderOutcome::ReminderSet;
    return result;
  }
  // The box's lines say how many events it holds: the lines of one event's text are one event, and
  // two events are two whatever their texts hold.
  if (boxLines.size() > 1) {
    result.outcome = QuickReminderOutcome::MultipleEvents;
    return result;
  }
  std::string t(cellText);
  if (const std::size_t first = t.find(kCrLf); first != std::string::npos) t.erase(first, kCrLf.size());

  // The box shows a line break where the line holds "~" (a text may begin or end with one).
  const int i = FindUnmarkedLine(events, LineBreaksToTildes(t), day);
  if (i == 0) {
    result.outcome = QuickReminderOutcome::NotFound;
    return result;
  }
  const std::string_view line = events.EventRecords[static_cast<std::size_t>(i)];
  if (IsOneOffCode(CodeField(line)) && day < today) {
    result.outcome = QuickReminderOutcome::PastEvent;
    return result;
  }
  result.outcome = QuickReminderOutcome::Written;
  result.eventIndex = i;
  result.previousLine = line;
  events.EventRecords.Set(static_cast<std::size_t>(i), WithReminderField(line, code));
  return result;
}

std::string QuickReminderMsgHeader(std::string_view kind, std::string_view cellText, std::string_view dateText) {
  std::string text;
  text.append(kind).append("...").append(cellText).append(kCrLf);
  text.append("on... ").append(dateText).append(kCrLf);
  text.append(30, '_').append(kWidenLine).append(kCrLf).append(kCrLf);
  return text;
}

std::string QuickReminderMessage(QuickReminderOutcome outcome, std::string_view cellText, std::string_view dateText) {
  const std::string_view kind = QuickReminderKind(outcome);
  if (kind.empty()) return {};
  std::string text = QuickReminderMsgHeader(kind, cellText, dateText);
  const auto line = [&text](std::string_view s, int breaks, bool widen) {
    text.append(s);
    if (widen) text.append(kWidenLine);
    for (int i = 0; i < breaks; ++i) text.append(kCrLf);
  };
  switch (outcome) {
    case QuickReminderOutcome::MultipleEvents:
      line("Since this day has Multiple Events you", 1, true);
      line("may not use Quick Reminders.", 2, true);
      line("You must apply the Reminder using the", 1, true);
      line("Reminders Dialog Box.", 2, false);
      break;
    case QuickReminderOutcome::ReminderSet:
      line("Since this Event already has a Reminder", 1, true);
      line("you may not use Quick Reminders.", 2, true);
      line("You must edit the Reminder using the", 1, true);
      line("Reminders Dialog Box.", 2, false);
      break;
    case QuickReminderOutcome::PastEvent:
      line("Since this Event has passed and is not", 1, true);
      line("a Weekly, Monthly, Quarterly or Yearly Event", 1, true);
      line("no Reminder will be set.", 2, false);
      break;
    case QuickReminderOutcome::NoEvent:
      line("Since there is no Event for this day", 1, true);
      line("an Event Reminder will not be set.", 2, true);
      break;
    default:
      break;
  }
  return text;
}

std::string_view QuickReminderKind(QuickReminderOutcome outcome) {
  switch (outcome) {
    case QuickReminderOutcome::MultipleEvents: return "Multiple Events";
    case QuickReminderOutcome::PastEvent: return "Past Event";
    case QuickReminderOutcome::ReminderSet: return "Reminder Set";
    case QuickReminderOutcome::NoEvent: return "No Event";
    default: return {};
  }
}

}  // namespace orlevant
