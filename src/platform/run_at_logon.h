#pragma once
// Starting the program when the user logs on: an autostart desktop entry,
// $XDG_CONFIG_HOME/autostart/<product title>.desktop, that runs InstallPath & "orlevant".
// Failures are not shown to the user; the results are there for callers that want to know.

#include <filesystem>
#include <string>
#include <string_view>

namespace orlevant {

// Where the entry lives (found through $XDG_CONFIG_HOME on every call).
std::filesystem::path RunAtLogonEntryPath();

// One command-line argument as the Exec key of a desktop entry holds it: quoted when it has any
// character the entry format reserves, "%" doubled, and escaped for the key's string value.
std::string DesktopExecArgument(std::string_view argument);

// The whole entry for a program installed in `installPath` (ending with "/").
std::string RunAtLogonEntryText(std::string_view installPath);

// Writes the entry (replacing any earlier one, whole or not at all). True when it is in place;
// false, writing nothing, when `installPath` is not an absolute folder.
bool AddRunAtLogon(std::string_view installPath);

// Deletes the entry. An entry that is already absent is left so; true unless one remains.
bool RemoveRunAtLogon();

}  // namespace orlevant
