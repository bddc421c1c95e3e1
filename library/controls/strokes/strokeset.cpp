#include "library/controls/strokes/strokeset.h"

#include <algorithm>

#include "library/foundation/helpers.h"

TStrokeSet::TStrokeSet(TComponent* AOwner) : TComponent(AOwner) {}

bool TStrokeSet::SetFileABC(bool Value) {
  if (Value) return false;
  FFileABC = false;
  return true;
}

void TStrokeSet::StrokeCharPoints(char C, bool Italic, bool Mirror, TJustVert, double SizeY,
                                  double SizeX, double Angle) {
  const double m = Mirror ? -1.0 : 1.0;
  const uint8_t* glyph = &StrokeGlyphTable()[uint8_t(C) * kStrokeGlyphBytes];
  bool ended = false;
  for (int i = 0; i < kStrokeGlyphBytes; ++i) {
    const uint8_t b = glyph[i];
    ended = ended || b == 0xFF;
    if (ended) {
      FChar[i] = TStrokePoint{};
      continue;
    }
    const double gy = (b & 15) / 12.0 * SizeY;
    double gx = ((b >> 4) & 7) * 0.125 * SizeX;
    if (Italic) gx += gy / 3;
    gx *= m;
    const TFloatPoint p = RotatePointF({0, 0}, {gx, gy}, Angle);
    FChar[i] = TStrokePoint{p.X, p.Y, (b & 0x80) != 0 ? 0 : 1};
  }
  const TFloatPoint advance = RotatePointF({0, 0}, {SizeX * m, 0}, Angle);
  FAdvanceX = advance.X;
  FAdvanceY = advance.Y;
}

void TStrokeSet::StrokeLayoutText(const std::string& Text, TJustHor Hor, bool Italic, bool Mirror,
                                  TJustVert Vert, double SizeY, double SizeX, double Angle) {
  const double m = Mirror ? -1.0 : 1.0;
  // Justified by the characters that are laid out, so a longer text stays centred on what shows.
  FCount = std::min(int(Text.size()), kStrokeMaxChars);
  const double hx = Hor == stLeft ? 0 : (Hor == stCenter ? FCount * 0.5 : FCount) * SizeX * m;
  const double vy = Vert == stBottom ? 0 : (Vert == stMiddle ? 0.5 * SizeY : SizeY);
  const TFloatPoint offset = RotatePointF({0, 0}, {hx, vy}, Angle);
  double pen_x = -offset.X, pen_y = -offset.Y;
  for (int k = 0; k < FCount; ++k) {
    StrokeCharPoints(Text[k], Italic, Mirror, Vert, SizeY, SizeX, Angle);
    for (int i = 0; i < kStrokeGlyphBytes; ++i) {
      TStrokePoint p = FChar[i];
      if (p.Mark != -1) {
        p.X += pen_x;
        p.Y += pen_y;
      }
      FBuffer[k][i] = p;
    }
    pen_x += FAdvanceX;
    pen_y += FAdvanceY;
  }
  for (int k = FCount; k <= kStrokeMaxChars; ++k) FBuffer[k].fill(TStrokePoint{});
}
