#include "platform/graphics/font.h"

#include "platform/base/numbers.h"

TFont::TFont() = default;

void TFont::Changed() {
  if (OnChange) OnChange(this);
}

void TFont::SetName(const std::string& v) {
  if (v.empty() || v == FName) return;
  FName = v;
  Changed();
}

int TFont::Size() const { return -MulDiv(FHeight, 72, kPixelsPerInch); }

void TFont::SetSize(int v) { SetHeight(-MulDiv(v, kPixelsPerInch, 72)); }

void TFont::SetHeight(int v) {
  if (v == FHeight) return;
  FHeight = v;
  Changed();
}

void TFont::SetColor(TColor v) {
  if (v == FColor) return;
  FColor = v;
  Changed();
}

void TFont::SetStyle(TFontStyles v) {
  if (v == FStyle) return;
  FStyle = v;
  Changed();
}

void TFont::SetPitch(TFontPitch v) {
  if (v == FPitch) return;
  FPitch = v;
  Changed();
}

void TFont::SetCharset(TFontCharset v) {
  if (v == FCharset) return;
  FCharset = v;
  Changed();
}

void TFont::SetOrientation(int v) {
  if (v == FOrientation) return;
  FOrientation = v;
  Changed();
}

bool TFont::SameAs(const TFont& o) const {
  return FName == o.FName && FHeight == o.FHeight && FColor == o.FColor && FStyle == o.FStyle &&
         FPitch == o.FPitch && FCharset == o.FCharset && FOrientation == o.FOrientation;
}

void TFont::Assign(const TFont& source) {
  if (&source == this || SameAs(source)) return;
  FName = source.FName;
  FHeight = source.FHeight;
  FColor = source.FColor;
  FStyle = source.FStyle;
  FPitch = source.FPitch;
  FCharset = source.FCharset;
  FOrientation = source.FOrientation;
  Changed();
}
