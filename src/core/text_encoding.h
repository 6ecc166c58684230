#pragma once
// Text in memory is UTF-8. Files brought from Windows may hold lines in Windows-1252; these helpers
// tell the two apart line by line and convert, and give the upper-casing used to compare event
// lines without regard to letter case.

#include <string>
#include <string_view>

namespace orlevant {

// Strict UTF-8: no overlong forms, no surrogates, nothing above U+10FFFF.
bool IsValidUtf8(std::string_view text);

// Length of a UTF-8 text in characters, not bytes (a month name may hold letters of more than one
// byte).
int CharacterCount(std::string_view utf8);

// Every byte as its Windows-1252 character. The five bytes that code page leaves undefined
// (0x81, 0x8D, 0x8F, 0x90, 0x9D) become the control characters of the same number, so nothing
// is lost.
std::string Windows1252ToUtf8(std::string_view text);
// The same, appended to `out`: many lines converted into one text cost no text of their own each.
void AppendWindows1252AsUtf8(std::string& out, std::string_view text);


// Upper case for comparing lines: every letter with a capital in Unicode, in every alphabet
// ("Встреча" and "ВСТРЕЧА" compare equal, as "Meeting" and "MEETING" do), and sharp s as "SS".
// Bytes that are not UTF-8 are kept as they are. The length in bytes may change.
std::string UpperCaseForCompare(std::string_view utf8);

}  // namespace orlevant
