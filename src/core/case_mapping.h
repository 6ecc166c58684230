#pragma once
// Upper case of a Unicode character, for comparing texts without regard to letter case in every
// alphabet (Latin, Greek, Cyrillic, Armenian, Georgian, Glagolitic, Deseret, ...). A small table of
// our own, so the result does not depend on the locale the program happens to run in.

namespace orlevant {

// The simple upper-case mapping of `c` (one character to one character); `c` itself when it has
// none.
char32_t UpperCaseOf(char32_t c);

// Lower case of an ASCII letter, every other byte as it is: for names and patterns that are plain
// ASCII whatever the locale.
inline char AsciiLower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

}  // namespace orlevant
