#pragma once
// Text in memory is UTF-8. Files brought from Windows may hold lines in Windows-1252, or be saved
// whole as UTF-16 ("Unicode" in some editors); these helpers tell them apart and convert, and give
// the upper-casing used to compare event lines without regard to letter case.

#include <optional>
#include <string>
#include <string_view>

namespace orlevant {

// Strict UTF-8: no overlong forms, no surrogates, nothing above U+10FFFF.
bool IsValidUtf8(std::string_view text);

// Length of a UTF-8 text in characters, not bytes (a month name may hold letters of more than one
// byte).
int CharacterCount(std::string_view utf8);

// Every byte of `text` as its Windows-1252 character, appended to `out` (many lines converted into
// one text cost no text of their own each). The five bytes that code page leaves undefined (0x81,
// 0x8D, 0x8F, 0x90, 0x9D) become the control characters of the same number, so nothing is lost.
void AppendWindows1252AsUtf8(std::string& out, std::string_view text);

enum class Utf16Order { LittleEndian, BigEndian };

// The byte order that the UTF-16 byte-order mark at the start of `bytes` declares; none when they
// do not start with one.
std::optional<Utf16Order> Utf16ByteOrder(std::string_view bytes);

// UTF-16 code units in the given byte order (the mark left off) as UTF-8. What UTF-8 cannot hold
// becomes U+FFFD, the replacement character, so that the text stays UTF-8 and the damage shows:
// a surrogate without its partner, and an odd byte left at the end.
std::string Utf16ToUtf8(std::string_view units, Utf16Order order);

// Upper case for comparing lines: every letter with a capital in Unicode, in every alphabet
// ("Встреча" and "ВСТРЕЧА" compare equal, as "Meeting" and "MEETING" do), and sharp s as "SS".
// Bytes that are not UTF-8 are kept as they are. The length in bytes may change.
std::string UpperCaseForCompare(std::string_view utf8);

}  // namespace orlevant
