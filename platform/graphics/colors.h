#pragma once
// Colours as the window system stores them: $00BBGGRR, red in the low byte. A set top bit marks a
// system colour whose low byte indexes one fixed table (the classic grey scheme); palette-index and
// palette-relative values ($01xxxxxx, $02BBGGRR) are plain RGB on our true-colour surfaces.

#include <cstdint>
#include <string>

using TColor = int32_t;

constexpr TColor RGB(int R, int G, int B) {
  return TColor((R & 0xFF) | ((G & 0xFF) << 8) | ((B & 0xFF) << 16));
}
constexpr int GetRValue(TColor C) { return C & 0xFF; }
constexpr int GetGValue(TColor C) { return (C >> 8) & 0xFF; }
constexpr int GetBValue(TColor C) { return (C >> 16) & 0xFF; }
// A palette-relative colour; drawn as the plain RGB value.
constexpr TColor PaletteRGB(int R, int G, int B) { return RGB(R, G, B) | 0x02000000; }

constexpr TColor clBlack = 0x000000;
constexpr TColor clMaroon = 0x000080;
constexpr TColor clGreen = 0x008000;
constexpr TColor clOlive = 0x008080;
constexpr TColor clNavy = 0x800000;
constexpr TColor clPurple = 0x800080;
constexpr TColor clTeal = 0x808000;
constexpr TColor clGray = 0x808080;
constexpr TColor clSilver = 0xC0C0C0;
constexpr TColor clRed = 0x0000FF;
constexpr TColor clLime = 0x00FF00;
constexpr TColor clYellow = 0x00FFFF;
constexpr TColor clBlue = 0xFF0000;
constexpr TColor clFuchsia = 0xFF00FF;
constexpr TColor clAqua = 0xFFFF00;
constexpr TColor clWhite = 0xFFFFFF;
constexpr TColor clLtGray = 0xC0C0C0;
constexpr TColor clDkGray = 0x808080;
constexpr TColor clNone = 0x1FFFFFFF;
constexpr TColor clDefault = 0x20000000;

constexpr TColor clSystemColor = TColor(0x80000000u);
constexpr TColor clScrollBar = TColor(0x80000000u);
constexpr TColor clBackground = TColor(0x80000001u);
constexpr TColor clActiveCaption = TColor(0x80000002u);
constexpr TColor clInactiveCaption = TColor(0x80000003u);
constexpr TColor clMenu = TColor(0x80000004u);
constexpr TColor clWindow = TColor(0x80000005u);
constexpr TColor clWindowFrame = TColor(0x80000006u);
constexpr TColor clMenuText = TColor(0x80000007u);
constexpr TColor clWindowText = TColor(0x80000008u);
constexpr TColor clCaptionText = TColor(0x80000009u);
constexpr TColor clActiveBorder = TColor(0x8000000Au);
constexpr TColor clInactiveBorder = TColor(0x8000000Bu);
constexpr TColor clAppWorkSpace = TColor(0x8000000Cu);
constexpr TColor clHighlight = TColor(0x8000000Du);
constexpr TColor clHighlightText = TColor(0x8000000Eu);
constexpr TColor clBtnFace = TColor(0x8000000Fu);
constexpr TColor clBtnShadow = TColor(0x80000010u);
constexpr TColor clGrayText = TColor(0x80000011u);
constexpr TColor clBtnText = TColor(0x80000012u);
constexpr TColor clInactiveCaptionText = TColor(0x80000013u);
constexpr TColor clBtnHighlight = TColor(0x80000014u);
constexpr TColor cl3DDkShadow = TColor(0x80000015u);
constexpr TColor cl3DLight = TColor(0x80000016u);
constexpr TColor clInfoText = TColor(0x80000017u);
constexpr TColor clInfoBk = TColor(0x80000018u);

// System colours resolved through the fixed table (an index beyond it gives black); every other
// value is returned unchanged.
TColor ColorToRGB(TColor Color);

// "clRed" style name when the value has one, else "$" and eight upper-case hex digits.
std::string ColorToString(TColor Color);
// A name (any case) or an integer ("255", "$FF", "-1"); throws EConvertError otherwise.
TColor StringToColor(const std::string& Text);
bool IdentToColor(const std::string& Ident, TColor& Color);
bool ColorToIdent(TColor Color, std::string& Ident);
