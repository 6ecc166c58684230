#pragma once
// Quick reminders: one click on the day menu puts a simple reminder on the day's only event.
//
// The day is known by its box text (DayCellText: each event after a line break, newest first, a
// "." before the text of one with a reminder), the lines the box lists and its date. The line
// changed is the first line in file order whose text is the day's single event text, which has no
// reminder, and which falls on that day by the rules that place it in the grid; equal texts on
// other days are left alone.

#include <span>
#include <string>
#include <string_view>

#include "core/calendar_date.h"

namespace orlevant {

struct EventStore;

enum class QuickReminderOutcome {
  Written,         // the line now carries the code (in memory; the caller saves)
  NoEvent,         // the day is empty
  ReminderSet,     // the newest event of the day already has a reminder
  MultipleEvents,  // more than one event in the box, however many lines each text has
  PastEvent,       // the event is a one-off event before today
  NotFound,        // no line could be traced back; nothing happens and nothing is said
};

struct QuickReminderResult {
  QuickReminderOutcome outcome = QuickReminderOutcome::NotFound;
  int eventIndex = 0;        // the line written (Written only)
  std::string previousLine;  // what it held before, to put back when the save fails
};

// The codes of the nine lead-time items: n = 1, 2, 3.
std::string QuickDaysCode(int n);     // "0n0000"
std::string QuickHoursCode(int n);    // "000n00"
std::string QuickMinutesCode(int n);  // "0000n0"

// Finds the line of the day and writes the code into it. `cellText` is the box's text, `boxLines`
// the indexes of the lines it lists in the same order (MonthView::BoxLines), `day` its date,
// `today` the present date.
QuickReminderResult SetQuickReminder(EventStore& events, std::string_view cellText, std::span<const int> boxLines,
                                     Date day, Date today, std::string_view code);

// The title topic of a refusal ("Multiple Events", "Past Event", "Reminder Set", "No Event");
// empty for Written and NotFound.
std::string_view QuickReminderKind(QuickReminderOutcome outcome);

// The head of a refusal: kind, "...", the box text, the day as "mmmm d, yyyy" (dateText), a rule.
std::string QuickReminderMsgHeader(std::string_view kind, std::string_view cellText, std::string_view dateText);
// The whole text of the refusal for `outcome`.
std::string QuickReminderMessage(QuickReminderOutcome outcome, std::string_view cellText, std::string_view dateText);

}  // namespace orlevant
