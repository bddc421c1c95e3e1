#pragma once
// TFont: a logical font description. Glyphs come from scalable faces at a fixed 96 pixels per inch:
// "Arial" and the sans names draw with Liberation Sans, "Courier New" and every fixed-pitch request
// with Liberation Mono, "Times New Roman" with Liberation Serif; unknown names fall back to sans.

#include <string>

#include "platform/base/object.h"
#include "platform/base/set.h"
#include "platform/graphics/colors.h"

enum TFontStyle { fsBold, fsItalic, fsUnderline, fsStrikeOut };
using TFontStyles = TSet<TFontStyle>;
enum TFontPitch { fpDefault, fpVariable, fpFixed };
using TFontCharset = unsigned char;
constexpr TFontCharset DEFAULT_CHARSET = 1;

constexpr int kPixelsPerInch = 96;

class TFont : public TObject {
 public:
  TFont();

  const std::string& Name() const { return FName; }
  void SetName(const std::string& V);
  // Points: Height = -MulDiv(Size, 96, 72); Size = -MulDiv(Height, 72, 96).
  int Size() const;
  void SetSize(int V);
  // Pixels: negative = character (em) height, positive = cell height (ascent + descent),
  // 0 = the default height (a 16-pixel cell).
  int Height() const { return FHeight; }
  void SetHeight(int V);
  TColor Color() const { return FColor; }
  void SetColor(TColor V);
  TFontStyles Style() const { return FStyle; }
  void SetStyle(TFontStyles V);
  TFontPitch Pitch() const { return FPitch; }
  void SetPitch(TFontPitch V);
  TFontCharset Charset() const { return FCharset; }
  void SetCharset(TFontCharset V);
  // Escapement of the text in tenths of a degree, counter-clockwise: the text is turned about the
  // top-left corner of its cell. Widths and heights are always measured unturned.
  int Orientation() const { return FOrientation; }
  void SetOrientation(int V);

  // Copies every attribute; OnChange fires once when anything differs.
  void Assign(const TFont& Source);
  bool SameAs(const TFont& Other) const;

  // Fired after any real change (an assignment of equal values changes nothing and fires nothing).
  TNotifyEvent OnChange;

 private:
  void Changed();
  std::string FName = "MS Sans Serif";
  int FHeight = -11;
  TColor FColor = clWindowText;
  TFontStyles FStyle;
  TFontPitch FPitch = fpDefault;
  TFontCharset FCharset = DEFAULT_CHARSET;
  int FOrientation = 0;
};

// The window system's text metrics of a font, in pixels.
struct TTextMetric {
  int tmHeight = 0;  // ascent + descent
  int tmAscent = 0;
  int tmDescent = 0;
  int tmInternalLeading = 0;  // tmHeight - em height
  int tmExternalLeading = 0;
  int tmAveCharWidth = 0;
  int tmMaxCharWidth = 0;
  int tmWeight = 400;
  int tmOverhang = 0;
  unsigned char tmFirstChar = 32;
  unsigned char tmLastChar = 255;
  unsigned char tmDefaultChar = '?';
  unsigned char tmBreakChar = ' ';
  bool tmItalic = false;
  bool tmUnderlined = false;
  bool tmStruckOut = false;
  bool tmFixedPitch = false;  // true for a fixed-pitch font (unlike the raw flag's inverted sense)
};
