#include "platform/base/paths.h"

#include "platform/base/strings.h"

namespace {

constexpr char16_t kEscapeBase = 0xDC00;  // + a byte $80..$FF that is no part of valid UTF-8

}  // namespace

std::string PathToText(std::string_view Path) { return Utf8ToCp1252(Path); }

std::string TextToPath(std::string_view Text) { return Cp1252ToUtf8(Text); }

std::u16string PathToUtf16(std::string_view Path) {
  std::u16string out;
  out.reserve(Path.size());
  for (size_t i = 0; i < Path.size();) {
    char32_t cp = 0;
    const size_t len = DecodeUtf8(Path, i, cp);
    if (len == 0) {
      out += static_cast<char16_t>(kEscapeBase + static_cast<unsigned char>(Path[i]));
      ++i;
      continue;
    }
    if (cp < 0x10000) {
      out += static_cast<char16_t>(cp);
    } else {
      out += static_cast<char16_t>(0xD800 + ((cp - 0x10000) >> 10));
      out += static_cast<char16_t>(0xDC00 + ((cp - 0x10000) & 0x3FF));
    }
    i += len;
  }
  return out;
}

std::string PathFromUtf16(std::u16string_view Name) {
  std::string out;
  out.reserve(Name.size());
  for (size_t i = 0; i < Name.size(); ++i) {
    const char16_t unit = Name[i];
    if (unit >= 0xD800 && unit <= 0xDBFF && i + 1 < Name.size() && Name[i + 1] >= 0xDC00 &&
        Name[i + 1] <= 0xDFFF) {
      AppendUtf8(out, 0x10000 + ((char32_t(unit) - 0xD800) << 10) + (Name[i + 1] - 0xDC00));
      ++i;
    } else if (unit >= kEscapeBase + 0x80 && unit <= kEscapeBase + 0xFF) {
      out += static_cast<char>(unit - kEscapeBase);
    } else if (unit >= 0xD800 && unit <= 0xDFFF) {
      AppendUtf8(out, 0xFFFD);
    } else {
      AppendUtf8(out, unit);
    }
  }
  return out;
}
