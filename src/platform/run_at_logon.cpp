#include "platform/run_at_logon.h"

#include <unistd.h>

#include <cerrno>

#include "core/message_box.h"
#include "platform/file_io.h"
#include "platform/paths.h"

namespace orlevant {
namespace {

// Characters that force an Exec argument into double quotes.
constexpr std::string_view kReserved = " \t\n\"'\\><~|&;$*?#()`";
// Characters that must be escaped with a backslash inside those quotes.
constexpr std::string_view kEscapedInQuotes = "\"`$\\";

// The key file's own escapes for a string value, applied on top of the Exec quoting.
std::string EscapeStringValue(std::string_view s) {
  std::string out;
  out.reserve(s.size());
  for (const char c : s) {
    switch (c) {
      case '\\': out += "\\\\"; break;
      case '\n': out += "\\n"; break;
      case '\t': out += "\\t"; break;
      case '\r': out += "\\r"; break;
      default: out += c;
    }
  }
  return out;
}

}  // namespace

std::filesystem::path RunAtLogonEntryPath() {
  return std::filesystem::path(ConfigHome()) / "autostart" / (ProductTitle() + ".desktop");
}

std::string DesktopExecArgument(std::string_view argument) {
  const bool quote = argument.empty() || argument.find_first_of(kReserved) != argument.npos;
  std::string arg;
  if (quote) arg += '"';
  for (const char c : argument) {
    if (c == '%') {
      arg += "%%";
      continue;
    }
    if (quote && kEscapedInQuotes.find(c) != kEscapedInQuotes.npos) arg += '\\';
    arg += c;
  }
  if (quote) arg += '"';
  return EscapeStringValue(arg);
}

std::string RunAtLogonEntryText(std::string_view installPath) {
  std::string program(installPath);
  program += kExecutableName;
  std::string text = "[Desktop Entry]\n";
  text += "Type=Application\n";
  text += "Name=" + EscapeStringValue(ProductTitle()) + "\n";
  text += "Exec=" + DesktopExecArgument(program) + "\n";
  text += "Terminal=false\n";
  return text;
}

bool AddRunAtLogon(std::string_view installPath) {
  // A relative program path would be looked up from wherever the session starts; such an entry
  // would never start the program.
  if (!installPath.starts_with('/')) return false;
  const std::filesystem::path entry = RunAtLogonEntryPath();
  if (!EnsureFolder(entry.parent_path(), 0700)) return false;
  return WriteFileAtomically(entry, RunAtLogonEntryText(installPath), 0644).ok;
}

bool RemoveRunAtLogon() {
  const std::filesystem::path entry = RunAtLogonEntryPath();
  return ::unlink(entry.c_str()) == 0 || errno == ENOENT;
}

}  // namespace orlevant
