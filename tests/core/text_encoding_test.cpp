#include "core/text_encoding.h"

#include <gtest/gtest.h>

#include <string>

#include "support/utf16_bytes.h"

namespace orlevant {
namespace {

TEST(TextEncoding, Utf8Validity) {
  struct Case { std::string text; bool valid; };
  const Case cases[] = {
      {"", true},                            {"plain ASCII text that is longer than eight bytes", true},
      {"Caf\xC3\xA9", true},                 {"\xE2\x82\xAC 5", true},  // euro sign
      {"\xF0\x9F\x8E\x82 cake", true},       {"\xF4\x8F\xBF\xBF", true},  // U+10FFFF, the last
      {"Caf\xE9", false},                     {"\xC0\x80", false},          // overlong NUL
      {"\xE0\x80\xAF", false},               {"\xED\xA0\x80", false},      // surrogate
      {"\xF4\x90\x80\x80", false},           {"\xE2\x82", false},          // above U+10FFFF; cut short
      {"abcdefgh\x80", false},                {"\xC3\xA9\xC3", false},       // lone continuation after ASCII
  };
  for (const Case& c : cases) EXPECT_EQ(IsValidUtf8(c.text), c.valid) << c.text;
}

TEST(TextEncoding, Windows1252Lines) {
  struct Case { std::string in, out; };
  const Case cases[] = {
      {"plain", "plain"},
      {"Caf\xE9", "Caf\xC3\xA9"},
      {"\x80", "\xE2\x82\xAC"},
      {"\x93quoted\x94", "\xE2\x80\x9Cquoted\xE2\x80\x9D"},
      {"\x8A\x9A\x9F\xFF", "\xC5\xA0\xC5\xA1\xC5\xB8\xC3\xBF"},
      {"\x81\x8D\x8F\x90\x9D", "\xC2\x81\xC2\x8D\xC2\x8F\xC2\x90\xC2\x9D"},  // undefined: kept as controls
      {"\xA0\xDF\xF7", "\xC2\xA0\xC3\x9F\xC3\xB7"},
      // One high byte anywhere in a longer line: in the first eight bytes, the last eight, the rest.
      {"\xE9" "abcdefghijklmnop", "\xC3\xA9" "abcdefghijklmnop"},
      {"abcdefgh\xE9", "abcdefgh\xC3\xA9"},
      {"abcdefghijklmno\xE9", "abcdefghijklmno\xC3\xA9"},
      {"abcdefghijklmnop\xFF", "abcdefghijklmnop\xC3\xBF"},
      {"abcdefghijklmnopqrstuvwxyz", "abcdefghijklmnopqrstuvwxyz"},
  };
  for (const Case& c : cases) {
    std::string out = "kept ";
    AppendWindows1252AsUtf8(out, c.in);
    EXPECT_EQ(out, "kept " + c.out) << c.in;
  }
}

TEST(TextEncoding, Utf16ToUtf8) {
  struct Case { const char* name; std::u16string units; std::string extra; std::string utf8; };
  const Case cases[] = {
      {"nothing", u"", "", ""},
      {"a line", u"05/12/2026000000=Party\r\n", "", "05/12/2026000000=Party\r\n"},
      {"two and three bytes", u"Caf\u00E9 \u20AC \u6771", "", "Caf\xC3\xA9 \xE2\x82\xAC \xE6\x9D\xB1"},
      {"a pair of surrogates", u"\U0001F382 cake", "", "\xF0\x9F\x8E\x82 cake"},
      {"the last character", u"\U0010FFFF", "", "\xF4\x8F\xBF\xBF"},
      {"a high surrogate alone", std::u16string(u"a") + char16_t(0xD83C) + u"b", "", "a\xEF\xBF\xBD" "b"},
      {"a low surrogate alone", std::u16string(u"a") + char16_t(0xDF82), "", "a\xEF\xBF\xBD"},
      {"two high surrogates", std::u16string{char16_t(0xD83C), char16_t(0xD83C), char16_t(0xDF82)}, "",
       "\xEF\xBF\xBD\xF0\x9F\x8E\x82"},
      {"a high surrogate at the end", std::u16string(u"x") + char16_t(0xDBFF), "", "x\xEF\xBF\xBD"},
      {"an odd byte at the end", u"ab", "c", "ab\xEF\xBF\xBD"},
      {"NUL and a byte-order mark inside", std::u16string(u"a") + char16_t(0) + u"\uFEFF", "", std::string("a\0\xEF\xBB\xBF", 5)},
  };
  for (const Utf16Order order : {Utf16Order::LittleEndian, Utf16Order::BigEndian}) {
    for (const Case& c : cases) {
      SCOPED_TRACE(c.name);
      EXPECT_EQ(Utf16ToUtf8(testing::Utf16Bytes(c.units, order) + c.extra, order), c.utf8);
      EXPECT_EQ(Utf16ByteOrder(testing::Utf16Bytes(u"\uFEFF", order) + testing::Utf16Bytes(c.units, order)), order);
    }
  }
  for (const char* plain : {"", "\xFF", "\xEF\xBB\xBF" "05/12", "05/12/2026", "\xFE"})
    EXPECT_EQ(Utf16ByteOrder(plain), std::nullopt) << plain;
}

TEST(TextEncoding, UpperCaseForCompare) {
  struct Case { std::string in, out; };
  const Case cases[] = {
      {"05/12/2026000000=Dentist at 9~ok", "05/12/2026000000=DENTIST AT 9~OK"},
      {"caf\xC3\xA9 \xC3\xA0\xC3\xBE", "CAF\xC3\x89 \xC3\x80\xC3\x9E"},  // e-acute, a-grave, thorn
      {"\xC3\xB7", "\xC3\xB7"},                                           // division sign stays
      {"\xC3\x9F \xE1\xBA\x9E", "SS SS"},                                   // sharp s, small and capital
      {"\xC3\xBF", "\xC5\xB8"},                                           // y-diaeresis
      {"\xC5\xA1\xC5\x93\xC5\xBE", "\xC5\xA0\xC5\x92\xC5\xBD"},           // s-caron, oe, z-caron
      {"\xD0\xB0\xD1\x8F\xD1\x91", "\xD0\x90\xD0\xAF\xD0\x81"},             // Cyrillic a, ya, yo
      {"\xCE\xAC\xCF\x82\xCF\x83", "\xCE\x86\xCE\xA3\xCE\xA3"},             // Greek alpha-tonos, final and plain sigma
      {"\xD5\xA1\xE1\x83\x90", "\xD4\xB1\xE1\xB2\x90"},                        // Armenian ayb, Georgian an
      {"\xC4\xB1", "I"},                                                 // dotless i
      {"\xF0\x90\x90\xA8", "\xF0\x90\x90\x80"},                             // Deseret: four bytes each
      {"\xE6\x9D\xB1 1\xE2\x82\xAC", "\xE6\x9D\xB1 1\xE2\x82\xAC"},               // no case: kept
      {"a\xFF\xD0" "b", "A\xFF\xD0" "B"},                                       // not UTF-8: bytes kept
  };
  for (const Case& c : cases) EXPECT_EQ(UpperCaseForCompare(c.in), c.out) << c.in;
}

}  // namespace
}  // namespace orlevant
