#include "platform/user_name.h"

#include <pwd.h>
#include <unistd.h>

#include <cerrno>
#include <vector>

namespace orlevant {
namespace {

constexpr std::string_view kGeneral = "General";

}  // namespace

std::string StripNull(std::string_view s) { return std::string(s.substr(0, s.find('\0'))); }

std::string UserNameOrGeneral(std::string_view systemName) {
  const std::string name = StripNull(systemName);
  // The name becomes part of a file path; anything that would leave the events folder, or name
  // the folder itself, is no name.
  if (name.empty() || name == "." || name == ".." || name.find('/') != std::string::npos) {
    return std::string(kGeneral);
  }
  return name;
}

std::string GetWindowsUserName() {
  const long hint = ::sysconf(_SC_GETPW_R_SIZE_MAX);
  std::vector<char> buffer(hint > 0 ? static_cast<std::size_t>(hint) : 1024);
  for (;;) {
    passwd pw{};
    passwd* found = nullptr;
    const int rc = ::getpwuid_r(::geteuid(), &pw, buffer.data(), buffer.size(), &found);
    if (rc == ERANGE && buffer.size() < (1u << 20)) {
      buffer.resize(buffer.size() * 2);
      continue;
    }
    if (rc != 0 || !found || !found->pw_name) return std::string(kGeneral);
    return UserNameOrGeneral(found->pw_name);
  }
}

}  // namespace orlevant
