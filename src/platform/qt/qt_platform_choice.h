#pragma once
// Which Qt platform the calendar asks for. It places itself at fixed spots of the screen and moves
// when its title is dragged, which a Wayland session does not let a window do; where the session
// also offers X11 the program runs there. Wayland stays behind X11 in the list, so a session whose
// X11 support cannot be reached still starts the program. A platform the user chose is kept.

#include <optional>
#include <string>
#include <string_view>

namespace orlevant {

// The value for QT_QPA_PLATFORM from the session's variables (nullptr: not set), or nothing when it
// is to stay as it is.
inline std::optional<std::string> PreferredQtPlatform(const char* chosen, const char* sessionType,
                                                      const char* waylandDisplay, const char* display) {
  if (chosen && *chosen) return std::nullopt;
  const bool wayland =
      (waylandDisplay && *waylandDisplay) || (sessionType && std::string_view(sessionType) == "wayland");
  const bool x11 = display && *display;
  if (wayland && x11) return std::string("xcb;wayland");
  return std::nullopt;
}

}  // namespace orlevant
