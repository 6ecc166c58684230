#include "core/text_encoding.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "core/case_mapping.h"

namespace orlevant {

namespace {

// Windows-1252 0x80 .. 0x9F; the rest of the upper half equals Latin-1.
constexpr std::array<char16_t, 32> kHighControls{
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  //
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,  //
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  //
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,  //
};

void AppendUtf8(std::string& out, char32_t cp) {
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    out += static_cast<char>(0xC0 | (cp >> 6));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else if (cp < 0x10000) {
    out += static_cast<char>(0xE0 | (cp >> 12));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (cp >> 18));
    out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
}

bool IsContinuation(unsigned char c) { return (c & 0xC0) == 0x80; }

// The character whose strict UTF-8 form starts at p[i] (a byte of 0x80 or more): its length, or 0
// when the bytes there are no such form.
std::size_t DecodeUtf8At(const unsigned char* p, std::size_t n, std::size_t i, char32_t& cp) {
  const unsigned char c = p[i];
  std::size_t len = 0;
  char32_t min = 0;
  if (c >= 0xC2 && c <= 0xDF) {
    len = 2, min = 0x80, cp = c & 0x1F;
  } else if (c >= 0xE0 && c <= 0xEF) {
    len = 3, min = 0x800, cp = c & 0x0F;
  } else if (c >= 0xF0 && c <= 0xF4) {
    len = 4, min = 0x10000, cp = c & 0x07;
  } else {
    return 0;
  }
  if (i + len > n) return 0;
  for (std::size_t k = 1; k < len; ++k) {
    if (!IsContinuation(p[i + k])) return 0;
    cp = (cp << 6) | (p[i + k] & 0x3F);
  }
  if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return 0;
  return len;
}

// Whether one of the sixteen bytes at p is 0x80 or more.
bool HasHighByte16(const unsigned char* p) {
#if defined(__SSE2__)
  return _mm_movemask_epi8(_mm_loadu_si128(reinterpret_cast<const __m128i*>(p))) != 0;
#else
  std::uint64_t a, b;
  std::memcpy(&a, p, sizeof a);
  std::memcpy(&b, p + 8, sizeof b);
  return ((a | b) & 0x8080808080808080ULL) != 0;
#endif
}

}  // namespace

bool IsValidUtf8(std::string_view text) {
  const auto* p = reinterpret_cast<const unsigned char*>(text.data());
  const std::size_t n = text.size();
  std::size_t i = 0;
  while (i < n) {
    // Most event lines are plain ASCII: sixteen bytes at a time while they are.
    while (i + 16 <= n && !HasHighByte16(p + i)) i += 16;
    // Then byte by byte over the next sixteen, the characters there taken whole.
    const std::size_t stop = std::min(n, i + 16);
    while (i < stop) {
      const unsigned char c = p[i];
      if (c < 0x80) {
        ++i;
        continue;
      }
      // The two-byte forms (accented Latin, Greek, Cyrillic) are the common ones: checked here.
      if (c >= 0xC2 && c <= 0xDF && i + 1 < n && IsContinuation(p[i + 1])) {
        i += 2;
        continue;
      }
      char32_t cp = 0;
      const std::size_t len = DecodeUtf8At(p, n, i, cp);
      if (len == 0) return false;
      i += len;
    }
  }
  return true;
}

int CharacterCount(std::string_view utf8) {
  int count = 0;
  for (const unsigned char c : utf8)
    if ((c & 0xC0) != 0x80) ++count;
  return count;
}

void AppendWindows1252AsUtf8(std::string& out, std::string_view text) {
  const auto* p = reinterpret_cast<const unsigned char*>(text.data());
  const std::size_t n = text.size();
  for (std::size_t i = 0; i < n;) {
    // Runs of ASCII, most of any line, are copied whole.
    std::size_t run = i;
    while (run < n && p[run] < 0x80) ++run;
    out.append(text.data() + i, run - i);
    if (run == n) break;
    const unsigned char c = p[run];
    AppendUtf8(out, c < 0xA0 ? kHighControls[c - 0x80] : c);
    i = run + 1;
  }
}

std::optional<Utf16Order> Utf16ByteOrder(std::string_view bytes) {
  if (bytes.starts_with("\xFF\xFE")) return Utf16Order::LittleEndian;
  if (bytes.starts_with("\xFE\xFF")) return Utf16Order::BigEndian;
  return std::nullopt;
}

std::string Utf16ToUtf8(std::string_view units, Utf16Order order) {
  constexpr char32_t kReplacement = 0xFFFD;
  const auto* p = reinterpret_cast<const unsigned char*>(units.data());
  const std::size_t count = units.size() / 2;
  const bool little = order == Utf16Order::LittleEndian;
  auto unit = [&](std::size_t i) -> char32_t {
    const unsigned char a = p[2 * i], b = p[2 * i + 1];
    return little ? (b << 8 | a) : (a << 8 | b);
  };
  std::string out;
  // Most event text is ASCII: one byte for each unit of two.
  out.reserve(count + count / 8);
  for (std::size_t i = 0; i < count; ++i) {
    const char32_t u = unit(i);
    if (u < 0xD800 || u > 0xDFFF) {
      AppendUtf8(out, u);
    } else if (u <= 0xDBFF && i + 1 < count && unit(i + 1) >= 0xDC00 && unit(i + 1) <= 0xDFFF) {
      AppendUtf8(out, 0x10000 + ((u - 0xD800) << 10) + (unit(i + 1) - 0xDC00));
      ++i;
    } else {
      AppendUtf8(out, kReplacement);
    }
  }
  if (units.size() % 2 != 0) AppendUtf8(out, kReplacement);
  return out;
}

std::string UpperCaseForCompare(std::string_view utf8) {
  const auto* p = reinterpret_cast<const unsigned char*>(utf8.data());
  const std::size_t n = utf8.size();
  std::string out;
  out.reserve(n);
  for (std::size_t i = 0; i < n;) {
    const unsigned char c = p[i];
    if (c < 0x80) {
      out += static_cast<char>(c >= 'a' && c <= 'z' ? c - 0x20 : c);
      ++i;
      continue;
    }
    char32_t cp = 0;
    const std::size_t len = DecodeUtf8At(p, n, i, cp);
    if (len == 0) {  // not UTF-8: the byte stands for itself
      out += static_cast<char>(c);
      ++i;
      continue;
    }
    if (cp == 0x00DF || cp == 0x1E9E) {
      out += "SS";  // sharp s has no one-letter capital in everyday writing
    } else {
      AppendUtf8(out, UpperCaseOf(cp));
    }
    i += len;
  }
  return out;
}

}  // namespace orlevant
