#include "library/foundation/digits.h"

#include <algorithm>
#include <cstdint>
#include <map>
#include <memory>
#include <tuple>

#include "library/foundation/segments.h"
#include "platform/graphics/bitmap.h"
#include "platform/graphics/canvas.h"

namespace {

constexpr int kMaxCells = 8;
// Cells larger than this are stretched every time rather than kept at their size.
constexpr int64_t kMaxSizedPixels = 256 * 256;

bool IsSeparator(char ch) { return ch == '.' || ch == ',' || ch == ':' || ch == ';'; }

// What a display shows for Text: blanks for an empty one.
std::string ShownText(const std::string& Text) { return Text.empty() ? std::string(8, ' ') : Text; }

// Calls Cell(character, overlay, cell index) for the cells Text (not empty) fills, from cell 1
// on, while cells of Count remain: a separator shares the cell of the character before it.
template <class F>
void ForEachCell(const std::string& Text, int Count, F&& Cell) {
  size_t i = 0;
  int index = 1;
  do {
    const char ch = Text[i++];
    char ch2 = 0;
    if (i < Text.size() && IsSeparator(Text[i])) ch2 = Text[i++];
    Cell(ch, ch2, index);
    ++index;
  } while (i < Text.size() && index <= Count);
}

char UpperAscii(char ch) {
  return (ch >= 'a' && ch <= 'z') ? static_cast<char>(ch - 'a' + 'A') : ch;
}

void FillSegments(TCanvas& canvas, const TSegmentStyle& style, char ch) {
  const uint16_t mask = SegmentMaskOf(ch);
  for (int b = 0; b < kSegmentPolygons; ++b) {
    if (mask & (1u << b)) canvas.Polygon(style[b]);
  }
}

// The drawn 80 x 100 grids of the characters lately shown, by character, overlay, style and
// colours, and the same stretched to the cell sizes they were shown in. A readout redraws its
// cells at every change of its text; filling the grid costs more than stretching it into the
// cell, and stretching more than copying the stretched cell, so each is made once and then
// reused.
class GlyphCache {
 public:
  const TBitmap& Get(char Ch, char Ch2, bool Italic, TColor SegColour, TColor BackColour) {
    const Key key{Ch, Ch2, Italic, SegColour, BackColour};
    auto it = FGlyphs.find(key);
    if (it != FGlyphs.end()) return *it->second;
    // Colours vary per control; a bound keeps a program that keeps changing them from growing.
    if (FGlyphs.size() >= kMaxGlyphs) FGlyphs.clear();
    auto glyph = std::make_unique<TBitmap>();
    glyph->SetSize(kSegmentGridWidth, kSegmentGridHeight);
    TCanvas& c = *glyph->Canvas();
    c.Brush()->SetStyle(bsSolid);
    c.Brush()->SetColor(BackColour);
    c.Pen()->SetStyle(psClear);
    c.Pen()->SetMode(pmCopy);
    c.FillRect(Rect(0, 0, kSegmentGridWidth, kSegmentGridHeight));
    c.Brush()->SetColor(SegColour);
    const TSegmentStyle& style = SegmentTables[Italic ? 1 : 0];
    FillSegments(c, style, Ch);
    FillSegments(c, style, Ch2);
    return *FGlyphs.emplace(key, std::move(glyph)).first->second;
  }

  // The grid stretched to Width x Height (both above 0).
  const TBitmap& Sized(char Ch, char Ch2, bool Italic, TColor SegColour, TColor BackColour,
                       int Width, int Height) {
    const SizedKey key{Ch, Ch2, Italic, SegColour, BackColour, Width, Height};
    auto it = FSized.find(key);
    if (it != FSized.end()) return *it->second;
    if (FSized.size() >= kMaxGlyphs) FSized.clear();
    auto sized = std::make_unique<TBitmap>();
    sized->SetSize(Width, Height);
    sized->Canvas()->StretchDraw(Rect(0, 0, Width, Height),
                                 &Get(Ch, Ch2, Italic, SegColour, BackColour));
    return *FSized.emplace(key, std::move(sized)).first->second;
  }

 private:
  static constexpr size_t kMaxGlyphs = 256;
  using Key = std::tuple<char, char, bool, TColor, TColor>;
  using SizedKey = std::tuple<char, char, bool, TColor, TColor, int, int>;
  std::map<Key, std::unique_ptr<TBitmap>> FGlyphs;
  std::map<SizedKey, std::unique_ptr<TBitmap>> FSized;
};

GlyphCache& Glyphs() {
  static GlyphCache cache;
  return cache;
}

}  // namespace

void TDigit::SetCell(const TRect& Rect, TColor BackColour) {
  FCell = Rect;
  FBackColour = BackColour;
  FCharacter = 0;
  FOverlay = 0;
  FSegColour = 0;
  FItalic = false;
  FDrawn = false;
}

bool TDigit::Shows(char Ch, char Ch2, bool Italic, TColor SegColour) const {
  return FDrawn && FCharacter == UpperAscii(Ch) && FOverlay == Ch2 && FItalic == Italic &&
         FSegColour == SegColour;
}

void TDigit::Draw(char Ch, char Ch2, TCanvas& Canvas, bool Italic, TColor SegColour) {
  Ch = UpperAscii(Ch);
  FCharacter = Ch;
  FOverlay = Ch2;
  FSegColour = SegColour;
  FItalic = Italic;
  FDrawn = true;

  const int64_t w = int64_t{FCell.Right} - FCell.Left, h = int64_t{FCell.Bottom} - FCell.Top;
  // A mirrored cell (sides swapped) or a huge one is stretched every time.
  if (w <= 0 || h <= 0 || w * h > kMaxSizedPixels) {
    Canvas.StretchDraw(FCell, &Glyphs().Get(Ch, Ch2, Italic, SegColour, FBackColour));
    return;
  }
  Canvas.Draw(FCell.Left, FCell.Top,
              &Glyphs().Sized(Ch, Ch2, Italic, SegColour, FBackColour, int(w), int(h)));
}

void TDigDisplay::Layout(const TRect& Rect, int Count, TColor BackColour) {
  FText = "";
  Count = std::clamp(Count, 1, kMaxCells);
  FCells.clear();
  const int64_t w = static_cast<int64_t>(Rect.Right) - Rect.Left;
  for (int i = 1; i <= Count; ++i) {
    auto cell = std::make_unique<TDigit>();
    TRect r = Rect;
    r.Left = static_cast<int>(Rect.Left + w * (i - 1) / Count);
    r.Right = static_cast<int>(Rect.Left + w * i / Count);
    cell->SetCell(r, BackColour);
    FCells.push_back(std::move(cell));
  }
}

void TDigDisplay::SetText(const std::string& Text, TCanvas& Canvas, TColor SegColour) {
  const std::string text = ShownText(Text);
  FText = text;
  ForEachCell(text, Count(),
              [&](char Ch, char Ch2, int Index) { DrawDigit(Ch, Ch2, Index, Canvas, SegColour); });
}

TRect TDigDisplay::UpdateText(const std::string& Text, TCanvas& Canvas, TColor SegColour) {
  const std::string text = ShownText(Text);
  FText = text;
  TRect drawn{};
  ForEachCell(text, Count(), [&](char Ch, char Ch2, int Index) {
    if (Index > Count() || FCells[Index - 1]->Shows(Ch, Ch2, Italic, SegColour)) return;
    DrawDigit(Ch, Ch2, Index, Canvas, SegColour);
    UnionRect(drawn, drawn, NormalizeRect(FCells[Index - 1]->CellRect()));
  });
  return drawn;
}

void TDigDisplay::DrawDigit(char Ch, char Ch2, int Index, TCanvas& Canvas, TColor SegColour) {
  if (Index < 1 || Index > Count()) return;
  FCells[Index - 1]->Draw(Ch, Ch2, Canvas, Italic, SegColour);
}

const TDigit* TDigDisplay::Cell(int Index) const {
  if (Index < 1 || Index > Count()) return nullptr;
  return FCells[Index - 1].get();
}
