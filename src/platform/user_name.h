#pragma once
// The name of the logged-on user, which names the events file.

#include <string>
#include <string_view>

namespace orlevant {

// The user's login name; "General" when the system cannot give one or it is unusable as a file name
// (empty, holds "/", or is "." or "..").
std::string GetWindowsUserName();

// The name as the system gave it, or "General" when it cannot name a file (see above).
std::string UserNameOrGeneral(std::string_view systemName);

// s up to, not including, its first NUL; all of s when it has none.
std::string StripNull(std::string_view s);

}  // namespace orlevant
