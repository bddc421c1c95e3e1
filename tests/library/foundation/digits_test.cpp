#include "library/foundation/digits.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "library/foundation/segments.h"
#include "platform/graphics/bitmap.h"
#include "platform/graphics/canvas.h"

namespace {

constexpr TColor kBack = clNavy;
constexpr TColor kSeg = clLime;
constexpr TColor kUntouched = clFuchsia;

// For each polygon of a style, one grid pixel that this polygon covers and no other one does.
std::array<TPoint, kSegmentPolygons> ExclusivePixels(const TSegmentStyle& style) {
  std::array<std::vector<bool>, kSegmentPolygons> covered;
  for (int p = 0; p < kSegmentPolygons; ++p) {
    TBitmap bmp;
    bmp.SetSize(kSegmentGridWidth, kSegmentGridHeight);
    TCanvas& c = *bmp.Canvas();
    c.Brush()->SetColor(clBlack);
    c.FillRect(Rect(0, 0, kSegmentGridWidth, kSegmentGridHeight));
    c.Pen()->SetStyle(psClear);
    c.Brush()->SetColor(clWhite);
    c.Polygon(style[p]);
    covered[p].resize(kSegmentGridWidth * kSegmentGridHeight);
    for (int y = 0; y < kSegmentGridHeight; ++y)
      for (int x = 0; x < kSegmentGridWidth; ++x)
        covered[p][y * kSegmentGridWidth + x] = c.Pixels(x, y) == clWhite;
  }
  std::array<TPoint, kSegmentPolygons> result{};
  for (int p = 0; p < kSegmentPolygons; ++p) {
    bool found = false;
    for (int i = 0; i < kSegmentGridWidth * kSegmentGridHeight && !found; ++i) {
      if (!covered[p][i]) continue;
      bool alone = true;
      for (int q = 0; q < kSegmentPolygons; ++q)
        if (q != p && covered[q][i]) alone = false;
      if (alone) {
        result[p] = {i % kSegmentGridWidth, i / kSegmentGridWidth};
        found = true;
      }
    }
    EXPECT_TRUE(found) << "polygon " << p;
  }
  return result;
}

class DigitTest : public ::testing::Test {
 protected:
  void SetUp() override {
    BuildSegmentTables();
    bmp.SetSize(400, 100);
    Canvas().Brush()->SetColor(kUntouched);
    Canvas().FillRect(Rect(0, 0, 400, 100));
  }
  TCanvas& Canvas() { return *bmp.Canvas(); }
  // The set of polygons lit in the 80 by 100 cell at x offset `left`.
  uint16_t LitMask(int left, bool italic) {
    static const auto kUpright = ExclusivePixels(SegmentTables[0]);
    static const auto kSlanted = ExclusivePixels(SegmentTables[1]);
    const auto& pixels = italic ? kSlanted : kUpright;
    uint16_t mask = 0;
    for (int p = 0; p < kSegmentPolygons; ++p) {
      TColor c = Canvas().Pixels(left + pixels[p].X, pixels[p].Y);
      EXPECT_TRUE(c == kSeg || c == kBack) << "polygon " << p;
      if (c == kSeg) mask |= 1u << p;
    }
    return mask;
  }
  TBitmap bmp;
};

TEST(SegmentFont, EachCharacterHasItsSegments) {
  // Character code, lit polygons (bit k = polygon k).
  const struct {
    unsigned char ch;
    uint16_t mask;
  } table[] = {{'.', 0x100}, {',', 0x100},  {':', 0x300},  {';', 0x300},  {'0', 0x03F},
               {'1', 0x006}, {'2', 0x05B},  {'3', 0x04F},  {'4', 0x066},  {'5', 0x06D},
               {'6', 0x07D}, {'7', 0x007},  {'8', 0x07F},  {'9', 0x06F},  {'A', 0x077},
               {'B', 0x07C}, {'C', 0x039},  {'D', 0x05E},  {'E', 0x079},  {'F', 0x071},
               {'H', 0x074}, {'J', 0x00E},  {'L', 0x038},  {'N', 0x054},  {'O', 0x05C},
               {'P', 0x073}, {'Q', 0x067},  {'R', 0x050},  {'T', 0x031},  {'U', 0x03E},
               {'Y', 0x06E}, {'+', 0x0C0},  {'-', 0x040},  {'=', 0x048},  {'_', 0x008},
               {127, 0x049}, {'"', 0x022},  {'\'', 0x020}, {0xBA, 0x063}, {0xB0, 0x063},
               {'|', 0x030}, {0xB5, 0x072}, {0xC7, 0x036}};
  ASSERT_EQ(std::size(table), kDigitChars.size());
  for (size_t k = 0; k < std::size(table); ++k) {
    EXPECT_EQ(static_cast<unsigned char>(kDigitChars[k]), table[k].ch) << k;
    EXPECT_EQ(SegmentMaskOf(static_cast<char>(table[k].ch)), table[k].mask) << int(table[k].ch);
  }
  for (char outside : {' ', '\0', 'G', 'M', 'a'}) EXPECT_EQ(SegmentMaskOf(outside), 0) << outside;
}

TEST_F(DigitTest, CellLightsThePolygonsOfItsCharacterInBothStyles) {
  TDigit digit;
  digit.SetCell(Rect(0, 0, 80, 100), kBack);
  for (bool italic : {false, true}) {
    for (char ch : kDigitChars) {
      digit.Draw(ch, '\0', Canvas(), italic, kSeg);
      EXPECT_EQ(LitMask(0, italic), SegmentMaskOf(ch)) << int(ch) << (italic ? " italic" : "");
    }
    digit.Draw('8', ',', Canvas(), italic, kSeg);
    EXPECT_EQ(LitMask(0, italic), 0x17F);
    digit.Draw('a', '\0', Canvas(), italic, kSeg);
    EXPECT_EQ(digit.Character(), 'A');
    EXPECT_EQ(LitMask(0, italic), SegmentMaskOf('A'));
    digit.Draw('g', '\0', Canvas(), italic, kSeg);
    EXPECT_EQ(LitMask(0, italic), 0);
  }
}

TEST_F(DigitTest, ItalicDiffersFromUpright) {
  TDigit digit;
  digit.SetCell(Rect(0, 0, 80, 100), kBack);
  digit.Draw('1', '\0', Canvas(), false, kSeg);
  TBitmap upright;
  upright.Assign(&bmp);
  digit.Draw('1', '\0', Canvas(), true, kSeg);
  // Italic segment b lies right of the upright one at the top of the cell.
  EXPECT_EQ(Canvas().Pixels(68, 5), kSeg);
  EXPECT_EQ(upright.Canvas()->Pixels(68, 5), kBack);
}

TEST_F(DigitTest, CellIsStretchedIntoItsRectangle) {
  TDigit digit;
  digit.SetCell(Rect(100, 0, 140, 50), kBack);  // half size
  digit.Draw('-', '\0', Canvas(), false, kSeg);
  EXPECT_EQ(Canvas().Pixels(116, 24), kSeg);  // middle bar
  EXPECT_EQ(Canvas().Pixels(116, 3), kBack);  // top bar off
  EXPECT_EQ(Canvas().Pixels(99, 24), kUntouched);
  EXPECT_EQ(Canvas().Pixels(140, 24), kUntouched);
  EXPECT_EQ(Canvas().Pixels(116, 50), kUntouched);
}

// A cell shows its character's 80 x 100 grid stretched into it. Drawn cells are kept for reuse,
// so a cell must look so whatever cells of other sizes, styles and colours were drawn before it;
// a cell with its sides swapped is drawn mirrored.
TEST_F(DigitTest, EveryCellIsItsGridStretchedWhateverWasDrawnBefore) {
  const struct {
    int width, height;
    bool italic;
    TColor seg, back;
  } looks[] = {{17, 23, false, kSeg, kBack},    {23, 17, false, kSeg, kBack},
               {17, 23, true, kSeg, kBack},     {17, 23, false, clRed, kBack},
               {17, 23, false, kSeg, clMaroon}, {18, 23, false, kSeg, kBack},
               {-17, 23, false, kSeg, kBack},   {80, 100, false, kSeg, kBack}};
  // Twice through, so that the second time every cell was drawn before.
  for (int pass = 0; pass < 2; ++pass) {
    for (const auto& l : looks) {
      for (char ch : {'8', '3'}) {
        SCOPED_TRACE(std::to_string(l.width) + " x " + std::to_string(l.height) + " " + ch);
        TBitmap grid;
        grid.SetSize(80, 100);
        grid.Canvas()->Brush()->SetColor(l.back);
        grid.Canvas()->FillRect(Rect(0, 0, 80, 100));
        grid.Canvas()->Pen()->SetStyle(psClear);
        grid.Canvas()->Brush()->SetColor(l.seg);
        for (char c : {ch, ','}) {
          const uint16_t mask = SegmentMaskOf(c);
          for (int p = 0; p < kSegmentPolygons; ++p)
            if (mask & (1u << p)) grid.Canvas()->Polygon(SegmentTables[l.italic ? 1 : 0][p]);
        }
        const TRect cell = Rect(100, 0, 100 + l.width, l.height);
        TBitmap expected;
        expected.SetSize(400, 100);
        expected.Canvas()->StretchDraw(cell, &grid);
        TDigit digit;
        digit.SetCell(cell, l.back);
        digit.Draw(ch, ',', Canvas(), l.italic, l.seg);
        const TRect box = NormalizeRect(cell);
        for (int y = box.Top; y < box.Bottom; ++y)
          for (int x = box.Left; x < box.Right; ++x)
            ASSERT_EQ(Canvas().Pixels(x, y), expected.Canvas()->Pixels(x, y)) << x << "," << y;
      }
    }
  }
}

TEST(DigDisplay, LayoutSpreadsCellsByIntegerDivision) {
  TDigDisplay row;
  row.Layout(Rect(0, 5, 100, 45), 3, kBack);
  ASSERT_EQ(row.Count(), 3);
  EXPECT_EQ(row.Cell(1)->CellRect(), Rect(0, 5, 33, 45));
  EXPECT_EQ(row.Cell(2)->CellRect(), Rect(33, 5, 66, 45));
  EXPECT_EQ(row.Cell(3)->CellRect(), Rect(66, 5, 100, 45));
  EXPECT_EQ(row.Cell(0), nullptr);
  EXPECT_EQ(row.Cell(4), nullptr);
  row.Layout(Rect(0, 0, 80, 10), 8, kBack);
  row.Layout(Rect(0, 0, 80, 10), 4, kBack);
  EXPECT_EQ(row.Count(), 4);
  row.Layout(Rect(0, 0, 80, 10), 8, kBack);
  EXPECT_EQ(row.Count(), 8);
  EXPECT_EQ(row.Cell(8)->CellRect(), Rect(70, 0, 80, 10));
}

TEST(DigDisplay, SeparatorsMergeIntoThePreviousCell) {
  const struct {
    std::string text;
    int cells;
    std::string shown;  // character and overlay per cell, '_' for #0, '?' for a cell not drawn
  } cases[] = {
      {"12.5", 4, "1_2.5_??"}, {"", 3, " _ _ _"},   {".5", 3, "._5_??"},
      {"1:23", 4, "1:2_3_??"}, {"..", 2, "..??"},   {"1.", 2, "1.??"},
      {"1..2", 3, "1.._2_"},   {"ab", 3, "A_B_??"}, {"123456789", 3, "1_2_3_"},
  };
  TBitmap bmp;
  bmp.SetSize(300, 100);
  for (const auto& c : cases) {
    TDigDisplay row;
    row.Layout(Rect(0, 0, 300, 100), c.cells, kBack);
    row.SetText(c.text, *bmp.Canvas(), kSeg);
    std::string shown;
    for (int i = 1; i <= c.cells; ++i) {
      const TDigit* cell = row.Cell(i);
      bool drawn = cell->SegColour() == kSeg;
      shown += drawn ? cell->Character() : '?';
      shown += drawn ? (cell->Overlay() ? cell->Overlay() : '_') : '?';
    }
    EXPECT_EQ(shown, c.shown) << '"' << c.text << '"';
  }
}

TEST(DigDisplay, StoredTextIsCutToTenCharacters) {
  TBitmap bmp;
  bmp.SetSize(80, 10);
  TDigDisplay row;
  row.Layout(Rect(0, 0, 80, 10), 8, kBack);
  row.SetText("1.2.3.4.5.6.7.8.", *bmp.Canvas(), kSeg);
  EXPECT_EQ(row.GetText(), "1.2.3.4.5.");
  EXPECT_EQ(row.Cell(8)->Character(), '8');  // drawn as far as the cells go
  EXPECT_EQ(row.Cell(8)->Overlay(), '.');
  row.Layout(Rect(0, 0, 80, 10), 8, kBack);
  EXPECT_EQ(row.GetText(), "");
}

TEST_F(DigitTest, RowDrawsLitSegmentsWhereTheTablesPutThem) {
  TDigDisplay row;
  row.Layout(Rect(0, 0, 320, 100), 4, kBack);  // four 80 by 100 cells
  row.SetText("7.4-", Canvas(), kSeg);
  EXPECT_EQ(LitMask(0, false), SegmentMaskOf('7') | SegmentMaskOf('.'));
  EXPECT_EQ(LitMask(80, false), SegmentMaskOf('4'));
  EXPECT_EQ(LitMask(160, false), SegmentMaskOf('-'));
  EXPECT_EQ(Canvas().Pixels(280, 50), kUntouched);  // cell 4 not drawn
  row.Italic = true;
  row.SetText("2", Canvas(), kSeg);
  EXPECT_EQ(LitMask(0, true), SegmentMaskOf('2'));
  EXPECT_EQ(LitMask(80, false), SegmentMaskOf('4'));  // the rest stays
  // Indices outside the row draw nothing.
  TBitmap before;
  before.Assign(&bmp);
  row.DrawDigit('8', '\0', 0, Canvas(), kSeg);
  row.DrawDigit('8', '\0', 5, Canvas(), kSeg);
  for (int x = 0; x < 400; x += 7)
    for (int y = 0; y < 100; y += 7)
      ASSERT_EQ(Canvas().Pixels(x, y), before.Canvas()->Pixels(x, y)) << x << "," << y;
}

// Cells whose character, overlay, style and colour stay keep their pixels: a mark put over one
// survives an update that does not change it, and is drawn over once it changes.
TEST_F(DigitTest, UpdateDrawsOnlyTheCellsThatChange) {
  TDigDisplay row;
  row.Layout(Rect(0, 0, 320, 100), 4, kBack);
  const auto mark = [&](int cell) { Canvas().SetPixels(cell * 80 + 1, 1, kUntouched); };
  const auto marked = [&](int cell) { return Canvas().Pixels(cell * 80 + 1, 1) == kUntouched; };
  // After a layout every cell is drawn.
  EXPECT_EQ(row.UpdateText("12.5", Canvas(), kSeg), Rect(0, 0, 240, 100));
  for (int cell = 0; cell < 3; ++cell) mark(cell);
  EXPECT_EQ(row.UpdateText("13.5", Canvas(), kSeg), Rect(80, 0, 160, 100));
  EXPECT_EQ(row.GetText(), "13.5");
  EXPECT_TRUE(marked(0));
  EXPECT_FALSE(marked(1));
  EXPECT_TRUE(marked(2));
  EXPECT_EQ(LitMask(80, false), SegmentMaskOf('3') | SegmentMaskOf('.'));
  EXPECT_TRUE(IsRectEmpty(row.UpdateText("13.5", Canvas(), kSeg)));
  // A new overlay, colour or style is a change; lower case is the same character.
  EXPECT_EQ(row.UpdateText("13,5", Canvas(), kSeg), Rect(80, 0, 160, 100));
  EXPECT_EQ(row.UpdateText("13,5", Canvas(), clRed), Rect(0, 0, 240, 100));
  row.Italic = true;
  EXPECT_EQ(row.UpdateText("13,5", Canvas(), clRed), Rect(0, 0, 240, 100));
  row.Italic = false;
  row.UpdateText("a", Canvas(), kSeg);
  EXPECT_TRUE(IsRectEmpty(row.UpdateText("A", Canvas(), kSeg)));
  // A new layout forgets what the cells showed.
  row.Layout(Rect(0, 0, 320, 100), 4, kBack);
  EXPECT_EQ(row.UpdateText("A", Canvas(), kSeg), Rect(0, 0, 80, 100));
}

}  // namespace
