#include "platform/base/strings.h"

#include <algorithm>

namespace {

bool IsBlankOrControl(char c) { return static_cast<unsigned char>(c) <= ' '; }

template <typename F>
std::string MapChars(std::string_view text, F map) {
  std::string s(text);
  std::transform(s.begin(), s.end(), s.begin(), map);
  return s;
}

}  // namespace

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

size_t DecodeUtf8(std::string_view text, size_t i, char32_t& cp) {
  const auto lead = static_cast<unsigned char>(text[i]);
  const size_t len = lead < 0x80                    ? 1
                     : lead >= 0xC2 && lead <= 0xDF ? 2
                     : lead >= 0xE0 && lead <= 0xEF ? 3
                     : lead >= 0xF0 && lead <= 0xF4 ? 4
                                                    : 0;
  if (len == 0 || i + len > text.size()) return 0;
  cp = len == 1 ? lead : lead & (0x7F >> len);
  for (size_t k = 1; k < len; ++k) {
    const auto b = static_cast<unsigned char>(text[i + k]);
    if ((b & 0xC0) != 0x80) return 0;
    cp = (cp << 6) | (b & 0x3F);
  }
  // Overlong forms and surrogates are no characters.
  if (len == 3 && (cp < 0x800 || (cp >= 0xD800 && cp <= 0xDFFF))) return 0;
  if (len == 4 && (cp < 0x10000 || cp > 0x10FFFF)) return 0;
  return len;
}

std::string Cp1252ToUtf8(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (char c : text) {
    const auto b = static_cast<unsigned char>(c);
    AppendUtf8(out, b >= 0x80 && b < 0xA0 ? cp1252_literal::kHighCodes[b - 0x80] : char32_t{b});
  }
  return out;
}

std::string Utf8ToCp1252(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (size_t i = 0; i < text.size();) {
    char32_t cp = 0;
    const size_t len = DecodeUtf8(text, i, cp);
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

char UpCase(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 32) : c; }

std::string UpperCase(std::string_view text) { return MapChars(text, UpCase); }

std::string LowerCase(std::string_view text) {
  return MapChars(text,
                  [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; });
}

bool SameText(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                            [](char x, char y) { return UpCase(x) == UpCase(y); });
}

char AnsiUpCase(char c) {
  const auto b = static_cast<unsigned char>(c);
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
      return c;
  }
}

char AnsiLowCase(char c) {
  const auto b = static_cast<unsigned char>(c);
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
      return c;
  }
}

std::string AnsiUpperCase(std::string_view text) { return MapChars(text, AnsiUpCase); }
std::string AnsiLowerCase(std::string_view text) { return MapChars(text, AnsiLowCase); }

std::string TrimLeft(std::string_view text) {
  const auto it = std::find_if_not(text.begin(), text.end(), IsBlankOrControl);
  return std::string(it, text.end());
}

std::string TrimRight(std::string_view text) {
  const auto it = std::find_if_not(text.rbegin(), text.rend(), IsBlankOrControl);
  return std::string(text.begin(), it.base());
}

std::string Trim(std::string_view text) { return TrimRight(TrimLeft(text)); }
