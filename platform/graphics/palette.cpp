#include "platform/graphics/palette.h"

HPALETTE CreatePalette(const TLogPalette& palette) {
  return std::make_shared<const TLogPalette>(palette);
}

HPALETTE SelectPalette(TCanvas* canvas, HPALETTE palette, bool) {
  if (!canvas) return nullptr;
  HPALETTE previous = canvas->Palette();
  canvas->SetPalette(std::move(palette));
  return previous;
}

int RealizePalette(TCanvas*) { return 0; }

TColor GetNearestColor(TCanvas*, TColor color) { return ColorToRGB(color) & 0xFFFFFF; }
