#pragma once
// Logical palettes. Our surfaces are true colour, so a palette changes no pixel: these calls keep
// the palette functions' results for callers that build, select and realise palettes.

#include <cstdint>
#include <memory>
#include <vector>

#include "platform/graphics/canvas.h"

struct TPaletteEntry {
  uint8_t peRed = 0;
  uint8_t peGreen = 0;
  uint8_t peBlue = 0;
  uint8_t peFlags = 0;
};

struct TLogPalette {
  uint16_t palVersion = 0x300;
  std::vector<TPaletteEntry> palPalEntry;
};

// A palette handle; nullptr is "no palette".
using HPALETTE = std::shared_ptr<const TLogPalette>;

HPALETTE CreatePalette(const TLogPalette& Palette);
// Selects the palette into the canvas and returns the one selected before.
HPALETTE SelectPalette(TCanvas* Canvas, HPALETTE Palette, bool ForceBackground);
// The number of entries mapped into the system palette: none on a true-colour surface.
int RealizePalette(TCanvas* Canvas);
// On a true-colour surface every colour is exact.
TColor GetNearestColor(TCanvas* Canvas, TColor Color);
