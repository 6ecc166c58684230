#pragma once
// The texts the start-up and the clock show in message boxes: the greeting that lists today's
// events and the welcome of a first start.

#include <string>
#include <string_view>

#include "core/message_box.h"

namespace orlevant {

// The greeting: the date, a rule half again as long, then today's events one per line. dateText is
// today in the user's date format; todayEvents is the month model's text of today's events.
std::string TodaysEventsMessage(std::string_view dateText, std::string_view todayEvents);

// The welcome shown once per user, product name included.
std::string FirstUseMessage();

}  // namespace orlevant
