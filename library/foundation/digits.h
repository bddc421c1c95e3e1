#pragma once
// Segment-character cells: TDigit draws one character of the segment font (segments.h) into a
// rectangle of a canvas; TDigDisplay is a row of 1 to 8 such cells showing a short text, in which
// '.', ',', ':' and ';' share the cell of the character before them.

#include <memory>
#include <string>
#include <vector>

#include "library/foundation/types.h"
#include "platform/graphics/colors.h"
#include "platform/graphics/geometry.h"

class TCanvas;

class TDigit {
 public:
  // Sets the cell rectangle and its background; forgets the last drawn character.
  void SetCell(const TRect& Rect, TColor BackColour);
  // Draws Ch (a..z as upper case) with the overlay Ch2 (a separator or #0) stretched into the
  // cell. Characters outside the segment font draw nothing over the background.
  void Draw(char Ch, char Ch2, TCanvas& Canvas, bool Italic, TColor SegColour);

  // Whether the cell holds exactly what Draw(Ch, Ch2, ..., Italic, SegColour) would put there.
  bool Shows(char Ch, char Ch2, bool Italic, TColor SegColour) const;

  const TRect& CellRect() const { return FCell; }
  TColor BackColour() const { return FBackColour; }
  char Character() const { return FCharacter; }
  char Overlay() const { return FOverlay; }
  TColor SegColour() const { return FSegColour; }

 private:
  TRect FCell;
  TColor FBackColour = 0;
  char FCharacter = 0;
  TColor FSegColour = 0;
  char FOverlay = 0;
  bool FItalic = false;
  bool FDrawn = false;
};

class TDigDisplay {
 public:
  // Places Count cells (1..8) side by side over Rect and empties the text; draws nothing.
  void Layout(const TRect& Rect, int Count, TColor BackColour);
  // Draws Text from the first cell on; an empty text draws blanks. Cells beyond the text keep
  // what they showed. GetText returns the first 10 characters.
  void SetText(const std::string& Text, TCanvas& Canvas, TColor SegColour);
  std::string GetText() const { return FText; }
  // As SetText, but cells that already show their new character (drawn since the last Layout,
  // for an owner that keeps the cells' pixels) are left alone. Returns the area drawn, empty
  // when no cell changed.
  TRect UpdateText(const std::string& Text, TCanvas& Canvas, TColor SegColour);
  // Draws into cell Index (1..Count); other indices are ignored.
  void DrawDigit(char Ch, char Ch2, int Index, TCanvas& Canvas, TColor SegColour);

  int Count() const { return static_cast<int>(FCells.size()); }
  // Cell Index (1..Count), nullptr outside.
  const TDigit* Cell(int Index) const;

  // Segment style; the owning components write it directly.
  bool Italic = false;

 private:
  std::vector<std::unique_ptr<TDigit>> FCells;
  string10 FText;
};
