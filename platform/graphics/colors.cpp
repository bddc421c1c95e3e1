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

bool SameText(const std::string& A, const char* B) {
  size_t i = 0;
  for (; i < A.size() && B[i] != 0; ++i) {
    if (std::tolower(static_cast<unsigned char>(A[i])) !=
        std::tolower(static_cast<unsigned char>(B[i]))) {
      return false;
    }
  }
  return i == A.size() && B[i] == 0;
}

// Decimal or '$'/"0x" hexadecimal with an optional sign, all of the text, within 32 bits.
bool ParseInteger(const std::string& Text, TColor& Value) {
  size_t i = 0;
  bool negative = false;
  if (i < Text.size() && (Text[i] == '-' || Text[i] == '+')) negative = Text[i++] == '-';
  int base = 10;
  if (i < Text.size() && Text[i] == '$') {
    base = 16;
    ++i;
  } else if (i + 1 < Text.size() && Text[i] == '0' && (Text[i + 1] == 'x' || Text[i + 1] == 'X')) {
    base = 16;
    i += 2;
  }
  if (i >= Text.size()) return false;
  uint64_t v = 0;
  for (; i < Text.size(); ++i) {
    const int c = std::tolower(static_cast<unsigned char>(Text[i]));
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
  Value = static_cast<TColor>(bits);
  return true;
}

}  // namespace

TColor ColorToRGB(TColor Color) {
  if (Color >= 0) return Color;
  const unsigned index = static_cast<unsigned>(Color) & 0xFF;
  constexpr unsigned kCount = sizeof(kSystemColors) / sizeof(kSystemColors[0]);
  return index < kCount ? kSystemColors[index] : clBlack;
}

bool ColorToIdent(TColor Color, std::string& Ident) {
  for (const ColorName& n : kColorNames) {
    if (n.color == Color) {
      Ident = n.name;
      return true;
    }
  }
  return false;
}

bool IdentToColor(const std::string& Ident, TColor& Color) {
  for (const ColorName& n : kColorNames) {
    if (SameText(Ident, n.name)) {
      Color = n.color;
      return true;
    }
  }
  return false;
}

std::string ColorToString(TColor Color) {
  std::string ident;
  if (ColorToIdent(Color, ident)) return ident;
  char buf[16];
  std::snprintf(buf, sizeof buf, "$%.8X", static_cast<unsigned>(Color));
  return buf;
}

TColor StringToColor(const std::string& Text) {
  TColor color = 0;
  if (IdentToColor(Text, color) || ParseInteger(Text, color)) return color;
  throw EConvertError("'" + Text + "' is not a valid colour");
}
