#include "mainwindow/todays_events.h"

#include "core/message_box.h"
#include "core/rounding.h"
#include "core/text_encoding.h"

namespace orlevant {

namespace {
constexpr std::string_view kCrLf = "\r\n";
}  // namespace

std::string TodaysEventsMessage(std::string_view dateText, std::string_view todayEvents) {
  const int ruleLength = RoundHalfToEven(1.5 * CharacterCount(dateText));
  std::string text;
  text.append(dateText).append(kWidenLine).append(kCrLf);
  text.append(static_cast<std::size_t>(ruleLength), '-').append(kWidenLine).append(kCrLf).append(kCrLf);
  text.append(todayEvents).append(kWidenLine).append(kCrLf).append(kCrLf);
  return text;
}

std::string FirstUseMessage() {
  const std::string& name = ProductTitle();
  struct Piece {
    std::string text;
    int lineBreaks;
  };
  const Piece pieces[] = {
      {"Welcome to " + name + "!", 2},
      {"After clicking OK you will be presented with...", 2},
      {"1. Tips on using " + name + ". (The Question Mark on " + name + "'s Title Bar", 1},
      {"     is used to show Tips later on.", 2},
      {"2. The Preferences Dialog Box where all the customizing", 1},
      {"     of " + name + " takes place. An example is making " + name + " run when", 1},
      {"     you log-on to your computer.", 2},
      {"This message will not appear again after clicking OK.", 2},
  };
  std::string text;
  for (const Piece& piece : pieces) {
    text.append(piece.text).append(kWidenLine);
    for (int i = 0; i < piece.lineBreaks; ++i) text.append(kCrLf);
  }
  return text;
}

}  // namespace orlevant
