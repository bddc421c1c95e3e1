#include "platform/base/strings.h"

#include <algorithm>

namespace {

bool IsBlankOrControl(char C) { return static_cast<unsigned char>(C) <= ' '; }

template <typename F>
std::string MapChars(std::string_view Text, F Map) {
  std::string s(Text);
  std::transform(s.begin(), s.end(), s.begin(), Map);
  return s;
}

}  // namespace

void AppendUtf8(std::string& Out, char32_t Cp) {
  if (Cp < 0x80) {
    Out += static_cast<char>(Cp);
  } else if (Cp < 0x800) {
    Out += static_cast<char>(0xC0 | (Cp >> 6));
    Out += static_cast<char>(0x80 | (Cp & 0x3F));
  } else if (Cp < 0x10000) {
    Out += static_cast<char>(0xE0 | (Cp >> 12));
    Out += static_cast<char>(0x80 | ((Cp >> 6) & 0x3F));
    Out += static_cast<char>(0x80 | (Cp & 0x3F));
  } else {
    Out += static_cast<char>(0xF0 | (Cp >> 18));
    Out += static_cast<char>(0x80 | ((Cp >> 12) & 0x3F));
    Out += static_cast<char>(0x80 | ((Cp >> 6) & 0x3F));
    Out += static_cast<char>(0x80 | (Cp & 0x3F));
  }
}

size_t DecodeUtf8(std::string_view Text, size_t I, char32_t& Cp) {
  const auto lead = static_cast<unsigned char>(Text[I]);
  const size_t len = lead < 0x80                    ? 1
                     : lead >= 0xC2 && lead <= 0xDF ? 2
                     : lead >= 0xE0 && lead <= 0xEF ? 3
                     : lead >= 0xF0 && lead <= 0xF4 ? 4
                                                    : 0;
  if (len == 0 || I + len > Text.size()) return 0;
  Cp = len == 1 ? lead : lead & (0x7F >> len);
  for (size_t k = 1; k < len; ++k) {
    const auto b = static_cast<unsigned char>(Text[I + k]);
    if ((b & 0xC0) != 0x80) return 0;
    Cp = (Cp << 6) | (b & 0x3F);
  }
  // Overlong forms and surrogates are no characters.
  if (len == 3 && (Cp < 0x800 || (Cp >= 0xD800 && Cp <= 0xDFFF))) return 0;
  if (len == 4 && (Cp < 0x10000 || Cp > 0x10FFFF)) return 0;
  return len;
}

std::string Cp1252ToUtf8(std::string_view Text) {
  std::string out;
  out.reserve(Text.size());
  for (char c : Text) {
    const auto b = static_cast<unsigned char>(c);
    AppendUtf8(out, b >= 0x80 && b < 0xA0 ? cp1252_literal::kHighCodes[b - 0x80] : char32_t{b});
  }
  return out;
}

std::string Utf8ToCp1252(std::string_view Text) {
  std::string out;
  out.reserve(Text.size());
  for (size_t i = 0; i < Text.size();) {
    char32_t cp = 0;
    const size_t len = DecodeUtf8(Text, i, cp);
    if (len == 0) {
      out += '?';
      ++i;  // resynchronise on the next byte
      continue;
    }
    const int byte = cp1252_literal::ByteOf(cp);
    out += byte < 0 ? '?' : static_cast<char>(byte);
    i += len;
  }
  return out;
}

char UpCase(char C) { return C >= 'a' && C <= 'z' ? static_cast<char>(C - 32) : C; }

std::string UpperCase(std::string_view Text) { return MapChars(Text, UpCase); }

std::string LowerCase(std::string_view Text) {
  return MapChars(Text,
                  [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; });
}

bool SameText(std::string_view A, std::string_view B) {
  return A.size() == B.size() && std::equal(A.begin(), A.end(), B.begin(),
                                            [](char x, char y) { return UpCase(x) == UpCase(y); });
}

char AnsiUpCase(char C) {
  const auto b = static_cast<unsigned char>(C);
  if ((b >= 'a' && b <= 'z') || (b >= 0xE0 && b <= 0xFE && b != 0xF7))
    return static_cast<char>(b - 32);
  switch (b) {
    case 0x9A:
    case 0x9C:
    case 0x9E:
      return static_cast<char>(b - 0x10);
    case 0xFF:
      return static_cast<char>(0x9F);
    default:
      return C;
  }
}

char AnsiLowCase(char C) {
  const auto b = static_cast<unsigned char>(C);
  if ((b >= 'A' && b <= 'Z') || (b >= 0xC0 && b <= 0xDE && b != 0xD7))
    return static_cast<char>(b + 32);
  switch (b) {
    case 0x8A:
    case 0x8C:
    case 0x8E:
      return static_cast<char>(b + 0x10);
    case 0x9F:
      return static_cast<char>(0xFF);
    default:
      return C;
  }
}

std::string AnsiUpperCase(std::string_view Text) { return MapChars(Text, AnsiUpCase); }
std::string AnsiLowerCase(std::string_view Text) { return MapChars(Text, AnsiLowCase); }

std::string TrimLeft(std::string_view Text) {
  const auto it = std::find_if_not(Text.begin(), Text.end(), IsBlankOrControl);
  return std::string(it, Text.end());
}

std::string TrimRight(std::string_view Text) {
  const auto it = std::find_if_not(Text.rbegin(), Text.rend(), IsBlankOrControl);
  return std::string(Text.begin(), it.base());
}

std::string Trim(std::string_view Text) { return TrimRight(TrimLeft(Text)); }
