#include "platform/graphics/font.h"

#include "platform/base/numbers.h"

TFont::TFont() = default;

void TFont::Changed() {
  if (OnChange) OnChange(this);
}

void TFont::SetName(const std::string& V) {
  if (V.empty() || V == FName) return;
  FName = V;
  Changed();
}

int TFont::Size() const { return -MulDiv(FHeight, 72, kPixelsPerInch); }

void TFont::SetSize(int V) { SetHeight(-MulDiv(V, kPixelsPerInch, 72)); }

void TFont::SetHeight(int V) {
  if (V == FHeight) return;
  FHeight = V;
  Changed();
}

void TFont::SetColor(TColor V) {
  if (V == FColor) return;
  FColor = V;
  Changed();
}

void TFont::SetStyle(TFontStyles V) {
  if (V == FStyle) return;
  FStyle = V;
  Changed();
}

void TFont::SetPitch(TFontPitch V) {
  if (V == FPitch) return;
  FPitch = V;
  Changed();
}

void TFont::SetCharset(TFontCharset V) {
  if (V == FCharset) return;
  FCharset = V;
  Changed();
}

void TFont::SetOrientation(int V) {
  if (V == FOrientation) return;
  FOrientation = V;
  Changed();
}

bool TFont::SameAs(const TFont& O) const {
  return FName == O.FName && FHeight == O.FHeight && FColor == O.FColor && FStyle == O.FStyle &&
         FPitch == O.FPitch && FCharset == O.FCharset && FOrientation == O.FOrientation;
}

void TFont::Assign(const TFont& Source) {
  if (&Source == this || SameAs(Source)) return;
  FName = Source.FName;
  FHeight = Source.FHeight;
  FColor = Source.FColor;
  FStyle = Source.FStyle;
  FPitch = Source.FPitch;
  FCharset = Source.FCharset;
  FOrientation = Source.FOrientation;
  Changed();
}
