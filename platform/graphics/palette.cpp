#include "platform/graphics/palette.h"

HPALETTE CreatePalette(const TLogPalette& Palette) {
  return std::make_shared<const TLogPalette>(Palette);
}

HPALETTE SelectPalette(TCanvas* Canvas, HPALETTE Palette, bool) {
  if (!Canvas) return nullptr;
  HPALETTE previous = Canvas->Palette();
  Canvas->SetPalette(std::move(Palette));
  return previous;
}

int RealizePalette(TCanvas*) { return 0; }

TColor GetNearestColor(TCanvas*, TColor Color) { return ColorToRGB(Color) & 0xFFFFFF; }
