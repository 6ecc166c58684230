#pragma once
// The texts the start-up and the clock show in message boxes: the greeting that lists today's
// events and the welcome of a first start.

#include <string>
#include <string_view>

namespace orlevant {

// Ten blanks at the end of a message-box line widen the box beyond its longest line.
inline constexpr std::string_view kWidenLine = "          ";

// The greeting: the date, a rule half again as long, then today's events one per line. dateText is
// today in the user's date format; todayEvents is the month model's text of today's events.
std::string TodaysEventsMessage(std::string_view dateText, std::string_view todayEvents);

// The welcome shown once per user, product name included.
std::string FirstUseMessage();

// Length of a UTF-8 text in characters (a month name may hold letters of more than one byte).
int CharacterCount(std::string_view utf8);

}  // namespace orlevant
