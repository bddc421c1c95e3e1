#include <gtest/gtest.h>

#include "platform/graphics/bitmap.h"
#include "tests/platform/graphics/pixel_grid.h"

namespace {

// The bounding box of the pixels in `color`.
TRect InkBox(TCanvas* c, int w, int h, TColor color) {
  TRect box{w, h, -1, -1};
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x)
      if (c->Pixels(x, y) == color) {
        box.Left = std::min(box.Left, x);
        box.Top = std::min(box.Top, y);
        box.Right = std::max(box.Right, x + 1);
        box.Bottom = std::max(box.Bottom, y + 1);
      }
  return box;
}

class Text : public ::testing::Test {
 protected:
  void SetUp() override {
    MakeWhite(bmp, 120, 60);
    c = bmp.Canvas();
    c->Font()->SetName("Arial");
    c->Font()->SetHeight(-20);
    c->Font()->SetColor(clBlack);
  }
  TBitmap bmp;
  TCanvas* c = nullptr;
};

TEST_F(Text, OpaqueTextOutFillsTheCellAndMovesPen) {
  c->Brush()->SetColor(clYellow);
  c->TextOut(10, 5, "Hx");
  const int w = c->TextWidth("Hx"), h = c->TextHeight("Hx");
  EXPECT_EQ(c->PenPos(), Point(10 + w, 5));
  EXPECT_EQ(InkBox(c, 120, 60, clYellow), Rect(10, 5, 10 + w, 5 + h));
  // 'H' starts at the cell top plus the internal leading: its top is below y, its foot on the
  // baseline at y + ascent.
  const TTextMetric m = c->TextMetrics();
  const TRect ink = InkBox(c, 120, 60, clBlack);
  EXPECT_EQ(ink.Bottom, 5 + m.tmAscent);
  EXPECT_GE(ink.Top, 5 + m.tmInternalLeading - 1);
  EXPECT_LE(ink.Top, 5 + m.tmInternalLeading + 2);
}

TEST_F(Text, TransparentTextOutLeavesBackground) {
  c->Brush()->SetStyle(bsClear);
  c->TextOut(10, 5, "Hx");
  EXPECT_EQ(CountInk(bmp, clBlack) + CountInk(bmp, clWhite), 120 * 60);
  EXPECT_GT(CountInk(bmp, clBlack), 20);
}

TEST_F(Text, NoAntiAliasingAndRedrawingChangesNothing) {
  c->Brush()->SetStyle(bsClear);
  c->TextOut(3, 3, "Wavy text 0.5");
  const std::string once = Picture(bmp, clBlack);
  c->TextOut(3, 3, "Wavy text 0.5");
  EXPECT_EQ(Picture(bmp, clBlack), once);
  EXPECT_EQ(CountInk(bmp, clBlack) + CountInk(bmp, clWhite), 120 * 60);
}

TEST_F(Text, TextRectFillsWholeRectAndClips) {
  c->Brush()->SetColor(clAqua);
  c->TextRect({20, 10, 40, 30}, 15, 12, "WWWW");
  const TRect ink = InkBox(c, 120, 60, clBlack);
  EXPECT_GE(ink.Left, 20);
  EXPECT_LE(ink.Right, 40);
  EXPECT_EQ(c->Pixels(39, 10), clAqua);
  EXPECT_EQ(c->Pixels(20, 11), clAqua);
  EXPECT_EQ(c->Pixels(40, 20), clWhite);
  EXPECT_EQ(c->Pixels(19, 20), clWhite);
  // Clear brush: transparent, still clipped; the clip is restored afterwards.
  MakeWhite(bmp, 120, 60);
  c->Brush()->SetStyle(bsClear);
  c->TextRect({20, 10, 40, 30}, 15, 12, "WWWW");
  EXPECT_EQ(CountInk(bmp, clBlack) + CountInk(bmp, clWhite), 120 * 60);
  EXPECT_EQ(c->ClipRect(), Rect(0, 0, 120, 60));
}

TEST_F(Text, RotatedTextRunsUpFromTheOrigin) {
  c->Brush()->SetColor(clYellow);
  c->Font()->SetOrientation(900);
  const int w = c->TextWidth("Hello"), h = c->TextHeight("Hello");
  c->Font()->SetOrientation(0);
  EXPECT_EQ(w, c->TextWidth("Hello"));
  c->Font()->SetOrientation(900);
  MakeWhite(bmp, 120, 60);
  c->Brush()->SetColor(clYellow);
  c->TextOut(20, 55, "Hello");
  const TRect cell = InkBox(c, 120, 60, clYellow);
  EXPECT_EQ(cell, Rect(20, 55 - w, 20 + h, 55));
}

TEST_F(Text, UnderlineAddsABar) {
  c->Brush()->SetStyle(bsClear);
  c->TextOut(5, 5, "ab");
  const int plain = CountInk(bmp, clBlack);
  MakeWhite(bmp, 120, 60);
  c->Brush()->SetStyle(bsClear);
  c->Font()->SetStyle({fsUnderline});
  c->TextOut(5, 5, "ab");
  EXPECT_GE(CountInk(bmp, clBlack), plain + c->TextWidth("ab") - 2);
}

TEST_F(Text, DrawTextWrapsAtBlanks) {
  c->Font()->SetHeight(-11);
  TRect r{0, 0, c->TextWidth("one two") + 1, 100};
  TRect calc = r;
  const int h = c->DrawText("one two three", calc, DT_WORDBREAK | DT_NOPREFIX | DT_CALCRECT);
  EXPECT_EQ(h, 2 * c->TextHeight("x"));
  EXPECT_EQ(calc.Right - calc.Left, c->TextWidth("one two"));
  TRect two = r;
  EXPECT_EQ(c->DrawText("one\r\ntwo\nthree", two, DT_NOPREFIX | DT_CALCRECT),
            3 * c->TextHeight("x"));
  TRect wide = {0, 0, 5, 100};
  EXPECT_EQ(c->DrawText("unbreakable word", wide, DT_WORDBREAK | DT_CALCRECT),
            2 * c->TextHeight("x"));
  c->Brush()->SetStyle(bsClear);
  TRect clip{10, 10, 30, 50};
  c->DrawText("unbreakable", clip, DT_WORDBREAK | DT_NOPREFIX);
  const TRect ink = InkBox(c, 120, 60, clBlack);
  EXPECT_GE(ink.Left, 10);
  EXPECT_LE(ink.Right, 30);
}

TEST_F(Text, ControlCharactersMeasuredAsDrawn) {
  c->Brush()->SetColor(clYellow);
  const std::string s = "a\r\bb";
  c->TextOut(0, 0, s);
  EXPECT_EQ(c->PenPos().X, c->TextWidth(s));
  EXPECT_EQ(InkBox(c, 120, 60, clYellow).Right, c->TextWidth(s));
}

}  // namespace
