#pragma once
// Internal: fonts realised from Qt's font engine at 96 dpi, without anti-aliasing, as byte-indexed
// advance tables and 1-bit glyph masks. Only the implementation file sees Qt.

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/graphics/font.h"

struct GlyphMask {
  int left = 0;  // offset of the mask from the pen position
  int top = 0;   // offset of the mask from the top of the cell
  int width = 0;
  int height = 0;
  std::vector<uint8_t> bits;  // one byte per pixel, 1 = ink
};

class RealizedFont {
 public:
  virtual ~RealizedFont() = default;
  const TTextMetric& Metric() const { return FMetric; }
  int Advance(unsigned char c) const { return FAdvances[c]; }
  virtual const GlyphMask& Glyph(unsigned char c) const = 0;
  // Rows of the underline and strike-out bars, from the top of the cell.
  int UnderlineTop() const { return FUnderlineTop; }
  int StrikeOutTop() const { return FStrikeOutTop; }
  int LineThickness() const { return FLineThickness; }
  // The face the font maps to and its em size in pixels.
  const std::string& Family() const { return FFamily; }
  int EmPixels() const { return FEm; }

 protected:
  TTextMetric FMetric;
  std::array<int, 256> FAdvances{};
  int FUnderlineTop = 0;
  int FStrikeOutTop = 0;
  int FLineThickness = 1;
  std::string FFamily;
  int FEm = 1;
};

// The realised form of the font (cached; valid for the life of the process).
const RealizedFont& RealizeFont(const TFont& font);
