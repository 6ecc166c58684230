#include "core/case_mapping.h"

#include <gtest/gtest.h>
#include <locale.h>
#include <wctype.h>

namespace orlevant {
namespace {

TEST(CaseMapping, LettersOfEveryAlphabet) {
  struct Case { char32_t in, out; const char* what; };
  // Letters the string-level table (text_encoding_test) does not already reach.
  const Case cases[] = {
      {U'z', U'Z', "Latin z"},         {U'A', U'A', "a capital"},      {U'1', U'1', "a digit"},
      {U'\u0101', U'\u0100', "a-macron, first of an alternating run"},
      {U'\u0100', U'\u0100', "A-macron, the capital between"},
      {U'\u0390', U'\u0390', "iota with two accents: no one-letter capital"},
      {U'\u1F00', U'\u1F08', "Greek extended"}, {U'\U0010FFFF', U'\U0010FFFF', "the last code point"},
  };
  for (const Case& c : cases) EXPECT_EQ(static_cast<unsigned>(UpperCaseOf(c.in)), static_cast<unsigned>(c.out)) << c.what;
}

// The C library's own mapping, where its UTF-8 locale is there, agrees on every code point.
TEST(CaseMapping, AgreesWithTheCLibraryOnEveryCodePoint) {
  const locale_t utf8 = ::newlocale(LC_CTYPE_MASK, "C.UTF-8", static_cast<locale_t>(nullptr));
  if (!utf8) GTEST_SKIP() << "no C.UTF-8 locale to compare with";
  int differences = 0;
  for (char32_t c = 0; c < 0x110000; ++c) {
    if (c >= 0xD800 && c <= 0xDFFF) continue;
    const auto theirs = static_cast<char32_t>(::towupper_l(static_cast<wint_t>(c), utf8));
    if (theirs != UpperCaseOf(c) && ++differences <= 10) ADD_FAILURE() << std::hex << "U+" << static_cast<unsigned>(c);
  }
  ::freelocale(utf8);
  EXPECT_EQ(differences, 0);
}

}  // namespace
}  // namespace orlevant
