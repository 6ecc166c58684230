#include "platform/file_io.h"
#include "platform/ini_document.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include "support/file_helpers.h"
#include "support/temp_home.h"

namespace orlevant {
namespace {

namespace fs = std::filesystem;
using testing::TempHome;
using testing::Slurp;
using testing::Put;
using testing::ModeOf;
using testing::NamesIn;

TEST(IniDocumentRead, FindsValuesWhateverTheLayout) {
  const std::string_view text =
      "\xEF\xBB\xBF"
      "orphan=before any section\r\n"
      "; comment=not a key\r\n"
      "\r\n"
      "[Settings]\r\n"
      "  ShowTime = 0  \r\n"
      "# Hidden=1\r\n"
      "DateFormat=\"  dd/mm  \"\r\n"
      "Empty=\r\n"
      "Quote=\"\r\n"
      "Equals=a=b\r\n"
      "[ other ]\r\n"
      "ShowTime=7\r\n"
      "[SETTINGS]\r\n"
      "Late=1";
  const IniDocument doc = IniDocument::Parse(text);
  struct Case { std::string_view section, key; std::optional<std::string> value; };
  const Case cases[] = {
      {"Settings", "ShowTime", "0"}, {"settings", "SHOWTIME", "0"}, {"Settings", "DateFormat", "  dd/mm  "},
      {"Settings", "Empty", ""}, {"Settings", "Quote", "\""}, {"Settings", "Equals", "a=b"}, {"Other", "showtime", "7"},
      {"Settings", "Late", "1"}, {"Settings", "Hidden", std::nullopt}, {"Settings", "comment", std::nullopt},
      {"Settings", "orphan", std::nullopt}, {"Missing", "ShowTime", std::nullopt},
  };
  for (const auto& c : cases) EXPECT_EQ(doc.Get(c.section, c.key), c.value) << c.section << "/" << c.key;
}

TEST(IniDocumentRead, SectionEntriesInFileOrder) {
  const IniDocument doc = IniDocument::Parse("[A]\nx=1\n;c\ny = 2\n[B]\n[a]\nz=3\n");
  using Entries = std::vector<IniDocument::Entry>;
  EXPECT_EQ(doc.SectionEntries("a"), (Entries{{"x", "1"}, {"y", "2"}, {"z", "3"}}));
  EXPECT_EQ(doc.SectionEntries("B"), Entries{});
  EXPECT_EQ(doc.SectionEntries("C"), std::nullopt);
}

TEST(IniDocumentWrite, UntouchedTextComesBackByteForByte) {
  const std::string_view texts[] = {
      "",
      "[S]\nk=v\n",
      "[S]\r\nk=v\r\n\r\n; note\r\n[T]\r\n  spaced = value  \r\n",
      "\xEF\xBB\xBF[S]\nk=v\n",
      "garbage line\n[unclosed\n[S]\nk=v\n",
      "[S]\nk=v",
      "[S]\nKey=v\r\r\nk=v\n",
      "[S]\r\nKey=v\r\r\n\r\r\n",
      "[S]\nmixed=1\r\nends=2\n\r\n",
      "[S]\nlone=a\rb\n",
  };
  for (const auto text : texts) EXPECT_EQ(IniDocument::Parse(text).Text(), text);
}

TEST(IniDocumentWrite, KeysNotOursKeepTheirStrayCarriageReturnsWhenOursChange) {
  struct Case { const char* name; std::string before; std::string after; };
  const Case cases[] = {
      {"CR CR LF in an LF file", "[S]\nKey=v\r\r\nOurs=1\n", "[S]\nKey=v\r\r\nOurs=2\n"},
      {"CR CR LF in a CR LF file", "[S]\r\nKey=v\r\r\nOurs=1\r\n", "[S]\r\nKey=v\r\r\nOurs=2\r\n"},
      {"added after a last line without its end", "[S]\r\nKey=v\r", "[S]\r\nKey=v\r\r\nOurs=2\r\n"},
      {"LF line in a CR LF file", "[S]\r\nKey=v\nOurs=1\r\n", "[S]\r\nKey=v\nOurs=2\r\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    IniDocument doc = IniDocument::Parse(c.before);
    EXPECT_EQ(doc.Get("S", "Key"), "v") << "a stray CR is no part of the value";
    ASSERT_TRUE(doc.Set("S", "Ours", "2"));
    EXPECT_EQ(doc.Text(), c.after);
  }
}

TEST(IniDocumentWrite, SetReplacesInPlaceAndKeepsEverythingElse) {
  IniDocument doc = IniDocument::Parse(
      "\xEF\xBB\xBF; my settings\r\n[Settings]\r\nDTheme=5\r\nScheme=Blue\r\n\r\n[Other]\r\nDTheme=9\r\n");
  ASSERT_TRUE(doc.Set("settings", "dTheme", "2"));
  ASSERT_TRUE(doc.Set("Settings", "NewKey", "x"));
  ASSERT_TRUE(doc.Set("Fresh", "a", "1"));
  EXPECT_EQ(doc.Text(),
            "\xEF\xBB\xBF; my settings\r\n[Settings]\r\nDTheme=2\r\nScheme=Blue\r\nNewKey=x\r\n\r\n"
            "[Other]\r\nDTheme=9\r\n\r\n[Fresh]\r\na=1\r\n");
}

TEST(IniDocumentWrite, ValuesSurviveTheTripThroughText) {
  const std::string_view values[] = {"", "plain", "  leading", "trailing  ", "\"quoted\"", "\"", "a\"b",
                                     "x=y;z#w", "\xC3\xA9t\xC3\xA9", "\t"};
  for (const auto value : values) {
    IniDocument doc;
    ASSERT_TRUE(doc.Set("S", "k", value)) << value;
    EXPECT_EQ(IniDocument::Parse(doc.Text()).Get("S", "k"), std::string(value)) << doc.Text();
  }
}

TEST(IniDocumentWrite, RefusesWhatOneLineCannotHold) {
  struct Case { std::string_view section, key, value; };
  const Case cases[] = {
      {"", "k", "v"},     {"S", "", "v"},     {"S", "  ", "v"},   {"S]", "k", "v"},  {"S", "a=b", "v"},
      {"S", "[k", "v"},   {"S", ";k", "v"},   {"S", "#k", "v"},   {"S", "k", "a\nb"}, {"S", "k", "a\rb"},
      {"S", "k\n", "v"},  {"S\n", "k", "v"},  {"S", "k", std::string_view("a\0b", 3)},
  };
  const std::string before = "[S]\nk=old\n";
  for (const auto& c : cases) {
    IniDocument doc = IniDocument::Parse(before);
    EXPECT_FALSE(doc.Set(c.section, c.key, c.value)) << c.section << "/" << c.key << "/" << c.value;
    EXPECT_EQ(doc.Text(), before);
  }
}

TEST(IniDocumentFile, MissingFileIsEmptyButUnreadableIsNothing) {
  TempHome home;
  const auto missing = IniDocument::Load(home.Root() / "nope.ini");
  ASSERT_TRUE(missing.has_value());
  EXPECT_EQ(missing->Text(), "");
  EXPECT_FALSE(IniDocument::Load(home.Root()).has_value());
}

TEST(ReadWholeFileTest, WhatLiesAtThePath) {
  TempHome home;
  const fs::path root = home.Root();
  Put(root / "text", std::string("a\r\nb\0c", 6));
  Put(root / "empty", "");
  fs::create_directory(root / "folder");
  ASSERT_EQ(::mkfifo((root / "pipe").c_str(), 0600), 0);
  fs::create_symlink(root / "text", root / "link");
  struct Case { const char* name; FileReadOutcome outcome; std::string content; };
  const Case cases[] = {
      {"text", FileReadOutcome::Read, std::string("a\r\nb\0c", 6)},
      {"empty", FileReadOutcome::Read, ""},
      {"link", FileReadOutcome::Read, std::string("a\r\nb\0c", 6)},
      {"missing", FileReadOutcome::Missing, ""},
      {"folder", FileReadOutcome::Failed, ""},
      {"pipe", FileReadOutcome::Failed, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const FileReadResult r = ReadWholeFile(root / c.name);
    EXPECT_EQ(r.outcome, c.outcome);
    EXPECT_EQ(r.content, c.content);
    EXPECT_EQ(r.error.empty(), c.outcome != FileReadOutcome::Failed) << r.error;
  }
}

TEST(EnsureFolderTest, CreatesOwnerOnlyFoldersAndAcceptsExistingOnes) {
  TempHome home;
  const fs::path folder = home.Root() / "a" / "b" / "c";
  ASSERT_TRUE(EnsureFolder(folder.string() + "/", 0700));
  EXPECT_TRUE(fs::is_directory(folder));
  EXPECT_EQ(ModeOf(folder), 0700u);
  EXPECT_TRUE(EnsureFolder(folder, 0700));
  Put(home.Root() / "file", "x");
  EXPECT_FALSE(EnsureFolder(home.Root() / "file", 0700));
  EXPECT_FALSE(EnsureFolder(home.Root() / "file" / "below", 0700));
}

}  // namespace
}  // namespace orlevant
