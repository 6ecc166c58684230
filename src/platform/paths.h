#pragma once
// Where the program keeps and finds its files. Every folder is returned ending with "/", since the
// program appends file names to folders directly. The environment is read on each call, so a
// changed $XDG_* variable takes effect at once.

#include <filesystem>
#include <string>
#include <string_view>

namespace orlevant {

// The program file's name inside its installation folder.
inline constexpr std::string_view kExecutableName = "orlevant";

// $XDG_CONFIG_HOME, or ~/.config when it is unset, empty or not an absolute path.
std::string ConfigHome();
// $XDG_DATA_HOME, or ~/.local/share likewise.
std::string DataHome();
// $XDG_CACHE_HOME, or ~/.cache likewise.
std::string CacheHome();
// $XDG_RUNTIME_DIR, or empty when the session has none.
std::string RuntimeDir();
// The system's temporary folder ($TMPDIR, else /tmp), shared by every user of the machine.
std::string TempDir();
// The folder of the running program file.
std::string ExecutableFolder();

// The per-user settings folder: ConfigHome() & "Tamsel/".
std::string SettingsFolder();

// The installation defaults of "AllUsersPath" and "InstallPath", used when the store holds none.
// The events folder is DataHome() & "Orlevant/". Reading the settings never creates it: the one-copy
// lock and the load of the events file do, owner-only, when they first look for their files there.
// DefaultAllUsersPath also creates it, for callers about to put a file into it.
std::string DefaultAllUsersFolder();
// Whether `folder` is DefaultAllUsersFolder(), however its path is spelt (with or without its "/").
bool IsDefaultAllUsersFolder(const std::filesystem::path& folder);
std::string DefaultAllUsersPath();
std::string DefaultInstallPath();

}  // namespace orlevant
