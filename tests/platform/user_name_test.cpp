#include "platform/user_name.h"

#include <gtest/gtest.h>

namespace orlevant {
namespace {

using namespace std::string_view_literals;

TEST(UserName, NamesThatCannotNameAFileBecomeGeneral) {
  struct Case { std::string_view system, used; };
  const Case cases[] = {
      {"alice", "alice"},    {"bob\0\0\0"sv, "bob"}, {"a\0b"sv, "a"},      {"...", "..."},      {"j.doe", "j.doe"},
      {"", "General"},       {"\0x"sv, "General"},   {".", "General"},    {"..", "General"},
      {"a/b", "General"},    {"/", "General"},       {"../etc", "General"},
  };
  for (const auto& c : cases) EXPECT_EQ(UserNameOrGeneral(c.system), c.used) << c.system;  // by way of StripNull
}

TEST(UserName, TheLoggedOnUserGivesAUsableName) {
  const std::string name = GetWindowsUserName();
  EXPECT_FALSE(name.empty());
  EXPECT_EQ(name.find('/'), std::string::npos);
  EXPECT_EQ(name.find('\0'), std::string::npos);
  EXPECT_EQ(UserNameOrGeneral(name), name);
}

}  // namespace
}  // namespace orlevant
