#include "platform/graphics/colors.h"

#include <cctype>
#include <cstdio>

#include "platform/base/exceptions.h"

namespace {

// The classic grey scheme, so that clBtnFace equals the library's fixed silver.
constexpr TColor kSystemColors[] = {
    0xC0C0C0,  // scroll bar
    0x808000,  // background
    0x800000,  // active caption
    0x808080,  // inactive caption
    0xC0C0C0,  // menu
    0xFFFFFF,  // window
    0x000000,  // window frame
    0x000000,  // menu text
    0x000000,  // window text
    0xFFFFFF,  // caption text
    0xC0C0C0,  // active border
    0xC0C0C0,  // inactive border
    0x808080,  // application workspace
    0x800000,  // highlight
    0xFFFFFF,  // highlight text
    0xC0C0C0,  // button face
    0x808080,  // button shadow
    0x808080,  // grey text
    0x000000,  // button text
    0xC0C0C0,  // inactive caption text
    0xFFFFFF,  // button highlight
    0x000000,  // 3D dark shadow
    0xC0C0C0,  // 3D light
    0x000000,  // info text
    0xE1FFFF,  // info background
};

struct ColorName {
  TColor color;
  const char* name;
};

constexpr ColorName kColorNames[] = {
    {clBlack, "clBlack"},
    {clMaroon, "clMaroon"},
    {clGreen, "clGreen"},
    {clOlive, "clOlive"},
    {clNavy, "clNavy"},
    {clPurple, "clPurple"},
    {clTeal, "clTeal"},
    {clGray, "clGray"},
    {clSilver, "clSilver"},
    {clRed, "clRed"},
    {clLime, "clLime"},
    {clYellow, "clYellow"},
    {clBlue, "clBlue"},
    {clFuchsia, "clFuchsia"},
    {clAqua, "clAqua"},
    {clWhite, "clWhite"},
    {clScrollBar, "clScrollBar"},
    {clBackground, "clBackground"},
    {clActiveCaption, "clActiveCaption"},
    {clInactiveCaption, "clInactiveCaption"},
    {clMenu, "clMenu"},
    {clWindow, "clWindow"},
    {clWindowFrame, "clWindowFrame"},
    {clMenuText, "clMenuText"},
    {clWindowText, "clWindowText"},
    {clCaptionText, "clCaptionText"},
    {clActiveBorder, "clActiveBorder"},
    {clInactiveBorder, "clInactiveBorder"},
    {clAppWorkSpace, "clAppWorkSpace"},
    {clHighlight, "clHighlight"},
    {clHighlightText, "clHighlightText"},
    {clBtnFace, "clBtnFace"},
    {clBtnShadow, "clBtnShadow"},
    {clGrayText, "clGrayText"},
    {clBtnText, "clBtnText"},
    {clInactiveCaptionText, "clInactiveCaptionText"},
    {clBtnHighlight, "clBtnHighlight"},
    {cl3DDkShadow, "cl3DDkShadow"},
    {cl3DLight, "cl3DLight"},
    {clInfoText, "clInfoText"},
    {clInfoBk, "clInfoBk"},
    {clNone, "clNone"},
    {clDefault, "clDefault"},
};

bool SameText(const std::string& a, const char* b) {
  size_t i = 0;
  for (; i < a.size() && b[i] != 0; ++i) {
    if (std::tolower(static_cast<unsigned char>(a[i])) !=
        std::tolower(static_cast<unsigned char>(b[i]))) {
      return false;
    }
  }
  return i == a.size() && b[i] == 0;
}

// Decimal or '$'/"0x" hexadecimal with an optional sign, all of the text, within 32 bits.
bool ParseInteger(const std::string& text, TColor& value) {
  size_t i = 0;
  bool negative = false;
  if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
  int base = 10;
  if (i < text.size() && text[i] == '$') {
    base = 16;
    ++i;
  } else if (i + 1 < text.size() && text[i] == '0' && (text[i + 1] == 'x' || text[i + 1] == 'X')) {
    base = 16;
    i += 2;
  }
  if (i >= text.size()) return false;
  uint64_t v = 0;
  for (; i < text.size(); ++i) {
    const int c = std::tolower(static_cast<unsigned char>(text[i]));
    int digit;
    if (c >= '0' && c <= '9') {
      digit = c - '0';
    } else if (base == 16 && c >= 'a' && c <= 'f') {
      digit = c - 'a' + 10;
    } else {
      return false;
    }
    v = v * base + digit;
    if (v > 0xFFFFFFFFull) return false;
  }
  if (base == 10 && v > (negative ? 0x80000000ull : 0x7FFFFFFFull)) return false;
  const uint32_t bits = static_cast<uint32_t>(negative ? (~v + 1) : v);
  value = static_cast<TColor>(bits);
  return true;
}

}  // namespace

TColor ColorToRGB(TColor color) {
  if (color >= 0) return color;
  const unsigned index = static_cast<unsigned>(color) & 0xFF;
  constexpr unsigned kCount = sizeof(kSystemColors) / sizeof(kSystemColors[0]);
  return index < kCount ? kSystemColors[index] : clBlack;
}

bool ColorToIdent(TColor color, std::string& ident) {
  for (const ColorName& n : kColorNames) {
    if (n.color == color) {
      ident = n.name;
      return true;
    }
  }
  return false;
}

bool IdentToColor(const std::string& ident, TColor& color) {
  for (const ColorName& n : kColorNames) {
    if (SameText(ident, n.name)) {
      color = n.color;
      return true;
    }
  }
  return false;
}

std::string ColorToString(TColor color) {
  std::string ident;
  if (ColorToIdent(color, ident)) return ident;
  char buf[16];
  std::snprintf(buf, sizeof buf, "$%.8X", static_cast<unsigned>(color));
  return buf;
}

TColor StringToColor(const std::string& text) {
  TColor color = 0;
  if (IdentToColor(text, color) || ParseInteger(text, color)) return color;
  throw EConvertError("'" + text + "' is not a valid colour");
}
