#include "platform/paths.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <system_error>
#include <vector>

#include "platform/file_io.h"

namespace orlevant {
namespace {

std::string WithSlash(std::string folder) {
  if (folder.empty() || folder.back() != '/') folder += '/';
  return folder;
}

// An environment value that names an absolute path; relative ones are ignored, as they would
// depend on whatever the current folder happens to be.
const char* AbsoluteEnv(const char* name) {
  const char* value = std::getenv(name);
  return (value && value[0] == '/') ? value : nullptr;
}

std::string HomeFolder() {
  if (const char* home = AbsoluteEnv("HOME")) return WithSlash(home);
  long size = ::sysconf(_SC_GETPW_R_SIZE_MAX);
  std::vector<char> buffer(size > 0 ? static_cast<std::size_t>(size) : 16384);
  passwd pw{};
  passwd* found = nullptr;
  if (::getpwuid_r(::geteuid(), &pw, buffer.data(), buffer.size(), &found) == 0 && found && found->pw_dir &&
      found->pw_dir[0] == '/') {
    return WithSlash(found->pw_dir);
  }
  return TempDir();
}

}  // namespace

std::string ConfigHome() {
  if (const char* dir = AbsoluteEnv("XDG_CONFIG_HOME")) return WithSlash(dir);
  return HomeFolder() + ".config/";
}

std::string DataHome() {
  if (const char* dir = AbsoluteEnv("XDG_DATA_HOME")) return WithSlash(dir);
  return HomeFolder() + ".local/share/";
}

std::string CacheHome() {
  if (const char* dir = AbsoluteEnv("XDG_CACHE_HOME")) return WithSlash(dir);
  return HomeFolder() + ".cache/";
}

std::string RuntimeDir() {
  if (const char* dir = AbsoluteEnv("XDG_RUNTIME_DIR")) return WithSlash(dir);
  return {};
}

std::string TempDir() {
  std::error_code ec;
  const auto tmp = std::filesystem::temp_directory_path(ec);
  return WithSlash(ec ? std::string("/tmp") : tmp.string());
}

std::string ExecutableFolder() {
  std::error_code ec;
  const auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
  if (ec || !exe.has_parent_path()) return WithSlash(std::filesystem::current_path(ec).string());
  return WithSlash(exe.parent_path().string());
}

std::string SettingsFolder() { return ConfigHome() + "Tamsel/"; }

std::string DefaultAllUsersFolder() { return DataHome() + "Orlevant/"; }

bool IsDefaultAllUsersFolder(const std::filesystem::path& folder) {
  return (folder / "").lexically_normal() == std::filesystem::path(DefaultAllUsersFolder()).lexically_normal();
}

std::string DefaultAllUsersPath() {
  const std::string folder = DefaultAllUsersFolder();
  // A folder that cannot be made shows up as a failed load of the events file, which the user is
  // told about there; the path is still the right one to name.
  EnsureFolder(folder, 0700);
  return folder;
}

std::string DefaultInstallPath() { return ExecutableFolder(); }

}  // namespace orlevant
