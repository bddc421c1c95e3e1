#pragma once
// 8-bit text: Windows-1252 bytes in std::string, converted to UTF-8 only at the edges; the class
// library's case mapping and trimming.

#include <cstddef>
#include <stdexcept>
#include <string>
#include <string_view>

// Every byte maps to one code point; the five bytes Windows-1252 leaves free map to the C1
// controls of the same number, so any byte string survives the round trip.
std::string Cp1252ToUtf8(std::string_view Text);
// Characters outside Windows-1252 and bytes that are no valid UTF-8 become '?'.
std::string Utf8ToCp1252(std::string_view Text);

// One step through UTF-8: the character of the sequence at text[i] and the sequence's length; 0
// where the byte starts no valid sequence (cut short, overlong, a surrogate, above U+10FFFF).
size_t DecodeUtf8(std::string_view Text, size_t I, char32_t& Cp);
void AppendUtf8(std::string& Out, char32_t Cp);

namespace cp1252_literal {

// Code points of the bytes $80..$9F.
inline constexpr char32_t kHighCodes[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

// The byte of a code point, or -1 when Windows-1252 has none.
constexpr int ByteOf(char32_t Cp) {
  if (Cp < 0x80 || (Cp >= 0xA0 && Cp <= 0xFF)) return static_cast<int>(Cp);
  for (int i = 0; i < 32; ++i) {
    if (kHighCodes[i] == Cp) return 0x80 + i;
  }
  return -1;
}

// A UTF-8 literal converted while compiling; a character outside Windows-1252 does not compile.
template <size_t N>
struct Literal {
  char bytes[N] = {};
  size_t size = 0;

  consteval Literal(const char (&Utf8)[N]) {
    for (size_t i = 0; i + 1 < N;) {
      const auto lead = static_cast<unsigned char>(Utf8[i]);
      const size_t len = lead < 0x80    ? 1
                         : lead >= 0xF0 ? 4
                         : lead >= 0xE0 ? 3
                         : lead >= 0xC0 ? 2
                                        : 0;
      if (len == 0 || i + len > N - 1) throw std::logic_error("invalid UTF-8 in literal");
      char32_t cp = len == 1 ? lead : lead & (0x7F >> len);
      for (size_t k = 1; k < len; ++k)
        cp = (cp << 6) | (static_cast<unsigned char>(Utf8[i + k]) & 0x3F);
      i += len;
      const int byte = ByteOf(cp);
      if (byte < 0) throw std::logic_error("character outside Windows-1252 in literal");
      bytes[size++] = static_cast<char>(byte);
    }
  }
};

}  // namespace cp1252_literal

// German text written readably in source: "Nicht genügend Timer verfügbar"_ansi.
template <cp1252_literal::Literal L>
std::string operator""_ansi() {
  return std::string(L.bytes, L.size);
}

// ASCII case mapping: only 'a'..'z' and 'A'..'Z' change.
char UpCase(char C);
std::string UpperCase(std::string_view Text);
std::string LowerCase(std::string_view Text);
// ASCII-case-insensitive equality.
bool SameText(std::string_view A, std::string_view B);

// Windows-1252 case mapping: the ASCII letters, the accented letters $C0..$DE / $E0..$FE (not
// the signs $D7 and $F7), and the pairs $8A/$9A, $8C/$9C, $8E/$9E, $9F/$FF. Bytes without a
// partner ($DF, $B5, ...) stay.
char AnsiUpCase(char C);
char AnsiLowCase(char C);
std::string AnsiUpperCase(std::string_view Text);
std::string AnsiLowerCase(std::string_view Text);

// Remove blanks and control characters (every byte up to ' ') at the ends.
std::string Trim(std::string_view Text);
std::string TrimLeft(std::string_view Text);
std::string TrimRight(std::string_view Text);
