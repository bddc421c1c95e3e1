#pragma once
// The stroke font: every character is a short list of points on an 8 x 12 grid joined by straight
// lines, so text can be scaled freely in x and y, turned to any angle, mirrored, slanted and
// justified around a reference point. TStrokeSet turns a string of up to 63 characters into
// points; TStroke draws them.
//
// Glyph table: 256 glyphs of 24 bytes, indexed by the character code. A byte $FF ends the glyph
// (bytes after it are $FF too); any other byte is a point: x = bits 4..6 in eighths of the
// character width, y = bits 0..3 in twelfths of the character height (upward; the base line is
// at 2, capitals reach 10, descenders 0). Bit 7 ends a stroke: the next point starts a new one.
// Codes 1..31, '!'..'~' and 127 have glyphs; 0, the blank and 128..255 are empty.

#include <array>
#include <cstdint>
#include <string>

#include "platform/forms/component.h"

enum TJustHor { stLeft, stCenter, stRight };
enum TJustVert { stBottom, stMiddle, stTop };

constexpr int kStrokeGlyphBytes = 24;
constexpr int kStrokeMaxChars = 63;

// The built-in glyph table, 256 x 24 bytes.
const std::array<uint8_t, 256 * kStrokeGlyphBytes>& StrokeGlyphTable();

// One point of a laid-out glyph. Mark: 1 the line continues to the next point, 0 the stroke ends
// here, -1 no point (the glyph has ended).
struct TStrokePoint {
  double X = 0;
  double Y = 0;
  int Mark = -1;
};

class TStrokeSet : public TComponent {
 public:
  explicit TStrokeSet(TComponent* AOwner);

  // A user glyph table cannot be loaded: True is refused (result False, nothing stored), False
  // accepted (result True). So FileABC always reads False.
  bool FileABC() const { return FFileABC; }
  bool SetFileABC(bool Value);

  // The points of one character (y upward) and its advance: the glyph scaled to SizeX by SizeY,
  // slanted by a third of the height when italic, mirrored about x = 0, then turned about (0, 0)
  // by Angle degrees (counter-clockwise on the screen). Vert is not used here.
  void StrokeCharPoints(char C, bool Italic, bool Mirror, TJustVert Vert, double SizeY,
                        double SizeX, double Angle);
  // Lays out the first 63 characters of Text so that the reference point (0, 0) lies at the left
  // end, the middle or the right end of the text, and at the bottom, the middle or the top of
  // the character cell. Row k of the buffer holds character k.
  void StrokeLayoutText(const std::string& Text, TJustHor Hor, bool Italic, bool Mirror,
                        TJustVert Vert, double SizeY, double SizeX, double Angle);

  using TGlyphPoints = std::array<TStrokePoint, kStrokeGlyphBytes>;
  // The current glyph's points and advance (StrokeCharPoints).
  const TGlyphPoints& CharPoints() const { return FChar; }
  double AdvanceX() const { return FAdvanceX; }
  double AdvanceY() const { return FAdvanceY; }
  // The laid-out text (StrokeLayoutText): its character count and one row per character.
  int LayoutCount() const { return FCount; }
  const TGlyphPoints& LayoutRow(int Index) const { return FBuffer[Index]; }

 private:
  bool FFileABC = false;
  std::array<TGlyphPoints, kStrokeMaxChars + 1> FBuffer{};
  int FCount = 0;
  TGlyphPoints FChar{};
  double FAdvanceX = 0;
  double FAdvanceY = 0;
};
