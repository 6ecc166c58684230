#include "platform/run_at_logon.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "platform/ini_document.h"
#include "support/file_helpers.h"
#include "support/temp_home.h"

namespace orlevant {
namespace {

namespace fs = std::filesystem;
using testing::TempHome;
using testing::Slurp;

// Reads an Exec value back the way a desktop would: the key file's string escapes first, then
// the argument's quoting, then "%%".
std::string UnquoteExec(std::string_view value) {
  std::string s;
  for (std::size_t i = 0; i < value.size(); ++i) {
    if (value[i] == '\\' && i + 1 < value.size()) {
      const char n = value[++i];
      s += n == 'n' ? '\n' : n == 't' ? '\t' : n == 'r' ? '\r' : n == 's' ? ' ' : n;
    } else {
      s += value[i];
    }
  }
  std::string arg;
  const bool quoted = s.size() >= 2 && s.front() == '"' && s.back() == '"';
  const std::string_view body = quoted ? std::string_view(s).substr(1, s.size() - 2) : std::string_view(s);
  for (std::size_t i = 0; i < body.size(); ++i) {
    if (quoted && body[i] == '\\' && i + 1 < body.size()) {
      arg += body[++i];
    } else if (body[i] == '%' && i + 1 < body.size() && body[i + 1] == '%') {
      arg += '%';
      ++i;
    } else {
      EXPECT_NE(body[i], '%') << "a lone % is a field code";
      EXPECT_TRUE(quoted || std::string_view(" \t\n\"'\\><~|&;$*?#()`").find(body[i]) == std::string_view::npos)
          << "reserved character outside quotes in " << value;
      arg += body[i];
    }
  }
  return arg;
}

TEST(RunAtLogon, WrittenRemovedAndRemovedAgain) {
  TempHome home;
  const fs::path entry = home.Config() / "autostart" / "Orlevant.desktop";
  EXPECT_EQ(RunAtLogonEntryPath(), entry);

  ASSERT_TRUE(AddRunAtLogon("/opt/x/"));
  const auto doc = IniDocument::Parse(Slurp(entry));
  EXPECT_EQ(doc.Get("Desktop Entry", "Type"), "Application");
  EXPECT_EQ(doc.Get("Desktop Entry", "Name"), "Orlevant");
  EXPECT_EQ(doc.Get("Desktop Entry", "Exec"), "/opt/x/orlevant");
  EXPECT_EQ(Slurp(entry).substr(0, 16), "[Desktop Entry]\n") << "the group header comes first";

  ASSERT_TRUE(RemoveRunAtLogon());
  EXPECT_FALSE(fs::exists(entry));
  EXPECT_TRUE(RemoveRunAtLogon()) << "removing an absent entry does nothing";
  EXPECT_FALSE(fs::exists(entry));

  ASSERT_TRUE(AddRunAtLogon("/usr/local/bin/"));
  ASSERT_TRUE(AddRunAtLogon("/opt/y/"));
  EXPECT_EQ(IniDocument::Parse(Slurp(entry)).Get("Desktop Entry", "Exec"), "/opt/y/orlevant");
}

TEST(RunAtLogon, ExecQuotesWhatTheEntryFormatReserves) {
  struct Case { std::string_view path, exec; };
  const Case exact[] = {
      {"/opt/x/orlevant", "/opt/x/orlevant"},
      {"/opt/my apps/orlevant", "\"/opt/my apps/orlevant\""},
      {"/opt/100%/orlevant", "/opt/100%%/orlevant"},
      {"/opt/a$b/orlevant", "\"/opt/a\\\\$b/orlevant\""},
      {"/opt/a\\b/orlevant", "\"/opt/a\\\\\\\\b/orlevant\""},
  };
  for (const auto& c : exact) EXPECT_EQ(DesktopExecArgument(c.path), c.exec) << c.path;

  const std::string_view nasty[] = {"/opt/it's/orlevant", "/opt/\"q\"/orlevant", "/opt/a`b`/orlevant",
                                    "/opt/tab\there/orlevant", "/opt/new\nline/orlevant", "/opt/50% off/x",
                                    "/opt/(x);|&<>~*?#/orlevant", "/opt/\xC3\xA9t\xC3\xA9/orlevant"};
  for (const auto path : nasty) {
    const std::string exec = DesktopExecArgument(path);
    EXPECT_EQ(exec.find('\n'), std::string::npos) << "one line";
    EXPECT_EQ(UnquoteExec(exec), path);
  }
}

TEST(RunAtLogon, FailsWhenTheEntryCouldNotStartTheProgram) {
  TempHome home;
  EXPECT_FALSE(AddRunAtLogon(""));
  EXPECT_FALSE(AddRunAtLogon("bin/"));
  EXPECT_FALSE(fs::exists(RunAtLogonEntryPath()));

  std::ofstream(home.Config() / "autostart") << "a file in the way";
  EXPECT_FALSE(AddRunAtLogon("/opt/x/"));
  EXPECT_EQ(Slurp(home.Config() / "autostart"), "a file in the way");
}

}  // namespace
}  // namespace orlevant
