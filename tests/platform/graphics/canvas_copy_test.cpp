#include <gtest/gtest.h>

#include "platform/graphics/bitmap.h"
#include "tests/platform/graphics/pixel_grid.h"

namespace {

// A 4 x 2 source: top row red, green, blue, white; bottom row black, olive, navy, gray.
void MakeSource(TBitmap& src) {
  src.SetSize(4, 2);
  const TColor colors[] = {clRed, clLime, clBlue, clWhite, clBlack, clOlive, clNavy, clGray};
  for (int i = 0; i < 8; ++i) src.Canvas()->SetPixels(i % 4, i / 4, colors[i]);
}

TEST(Copy, DrawIsOneToOneAndStretchIsNearestNeighbour) {
  TBitmap src, dst;
  MakeSource(src);
  MakeWhite(dst, 10, 6);
  dst.Canvas()->Draw(1, 1, &src);
  EXPECT_EQ(dst.Canvas()->Pixels(1, 1), clRed);
  EXPECT_EQ(dst.Canvas()->Pixels(4, 2), clGray);
  EXPECT_EQ(dst.Canvas()->Pixels(5, 2), clWhite);
  MakeWhite(dst, 10, 6);
  dst.Canvas()->StretchDraw({0, 0, 8, 4}, &src);
  EXPECT_EQ(dst.Canvas()->Pixels(1, 1), clRed);
  EXPECT_EQ(dst.Canvas()->Pixels(2, 0), clLime);
  EXPECT_EQ(dst.Canvas()->Pixels(7, 3), clGray);
  EXPECT_EQ(dst.Canvas()->Pixels(8, 3), clWhite);
  dst.Canvas()->StretchDraw({0, 0, 2, 1}, &src);  // shrinking keeps every other pixel
  EXPECT_EQ(dst.Canvas()->Pixels(0, 0), clOlive);
  EXPECT_EQ(dst.Canvas()->Pixels(1, 0), clGray);
  dst.Canvas()->Draw(0, 0, nullptr);
  TBitmap empty;
  dst.Canvas()->Draw(0, 0, &empty);
}

TEST(Copy, CopyRectOutsideSourceDrawsNothingAndOverlapsReadOldPixels) {
  TBitmap src, dst;
  MakeSource(src);
  MakeWhite(dst, 6, 3);
  dst.Canvas()->CopyRect({0, 0, 6, 3}, src.Canvas(), {0, 0, 6, 3});
  EXPECT_EQ(dst.Canvas()->Pixels(3, 1), clGray);
  EXPECT_EQ(dst.Canvas()->Pixels(5, 2), clWhite);
  // Shift right by one within the same bitmap.
  MakeSource(src);
  src.Canvas()->CopyRect({1, 0, 4, 2}, src.Canvas(), {0, 0, 3, 2});
  EXPECT_EQ(src.Canvas()->Pixels(1, 0), clRed);
  EXPECT_EQ(src.Canvas()->Pixels(2, 0), clLime);
  EXPECT_EQ(src.Canvas()->Pixels(3, 0), clBlue);
}

// Plain one-to-one copies of sources whose every pixel differs, at widths around the sizes a
// row copy handles in different ways, into destinations the copy fills whole rows of, partly
// covers or is clipped by.
TEST(Copy, PlainCopyMovesEveryPixel) {
  const struct {
    int srcW, srcH, dstW, dstH, x, y;
    TRect clip;  // empty: none
    TRect hole;  // empty: none
  } cases[] = {
      {37, 5, 37, 5, 0, 0, {}, {}},    // whole rows, one block
      {700, 3, 700, 3, 0, 0, {}, {}},  // whole long rows
      {700, 3, 710, 5, 4, 1, {}, {}},  // long rows inside wider ones
      {1, 3, 9, 6, 2, 1, {}, {}},      // rows shorter than a vector
      {3, 3, 9, 6, 2, 1, {}, {}},
      {4, 3, 9, 6, 2, 1, {}, {}},
      {7, 3, 12, 6, 2, 1, {}, {}},
      {16, 3, 20, 6, 2, 1, {}, {}},
      {21, 4, 30, 6, 5, 2, {}, {}},
      {200, 9, 300, 12, 20, 3, {}, {}},
      {32, 3, 40, 5, 1, 1, {}, {}},  // rows around the length copied with wide registers,
      {33, 3, 45, 5, 3, 1, {}, {}},  // at starts of every alignment
      {39, 2, 50, 4, 7, 1, {}, {}},
      {41, 2, 60, 3, 5, 0, {}, {}},
      {71, 3, 80, 4, 2, 1, {}, {}},
      {40, 6, 30, 5, -3, -2, {}, {}},            // cut by every edge; as wide as the destination
      {30, 4, 30, 4, 0, 0, {5, 1, 25, 3}, {}},   // whole rows of the source, clipped
      {30, 4, 30, 4, 0, 0, {}, {10, 0, 13, 4}},  // a clip of two parts
  };
  auto pixel = [](int x, int y) {
    return 0xFF000000u |
           ((static_cast<uint32_t>(x) * 7919u + static_cast<uint32_t>(y) * 104729u + 1u) &
            0xFFFFFFu);
  };
  for (const auto& c : cases) {
    TBitmap src, dst;
    src.SetSize(c.srcW, c.srcH);
    for (int y = 0; y < c.srcH; ++y) {
      for (int x = 0; x < c.srcW; ++x) src.ScanLine(y)[x] = pixel(x, y);
    }
    MakeWhite(dst, c.dstW, c.dstH);
    const uint32_t white = dst.ScanLine(0)[0];
    if (!IsRectEmpty(c.clip)) dst.Canvas()->SelectClipRect(c.clip);
    if (!IsRectEmpty(c.hole)) dst.Canvas()->ExcludeClipRect(c.hole);
    dst.Canvas()->Draw(c.x, c.y, &src);
    int wrong = 0;
    for (int y = 0; y < c.dstH; ++y) {
      for (int x = 0; x < c.dstW; ++x) {
        const int sx = x - c.x, sy = y - c.y;
        const bool in_source = sx >= 0 && sy >= 0 && sx < c.srcW && sy < c.srcH;
        const bool in_clip = (IsRectEmpty(c.clip) || PtInRect(c.clip, TPoint{x, y})) &&
                             (IsRectEmpty(c.hole) || !PtInRect(c.hole, TPoint{x, y}));
        const uint32_t want = in_source && in_clip ? pixel(sx, sy) : white;
        if (dst.ScanLine(y)[x] != want && wrong++ == 0) {
          ADD_FAILURE() << c.srcW << " x " << c.srcH << " at " << c.x << "," << c.y
                        << ": first wrong pixel at " << x << "," << y;
        }
      }
    }
  }
  // Moved down a row within itself, whole rows: each row takes the old one above it.
  TBitmap self;
  self.SetSize(50, 6);
  for (int y = 0; y < 6; ++y) {
    for (int x = 0; x < 50; ++x) self.ScanLine(y)[x] = pixel(x, y);
  }
  self.Canvas()->CopyRect({0, 1, 50, 6}, self.Canvas(), {0, 0, 50, 5});
  for (int y = 1; y < 6; ++y) {
    for (int x = 0; x < 50; ++x) ASSERT_EQ(self.ScanLine(y)[x], pixel(x, y - 1)) << x << "," << y;
  }
}

TEST(Copy, RasterOperations) {
  const struct {
    TCopyMode rop;
    TColor dst, src, brush, want;
  } cases[] = {
      {SRCCOPY, 0x0000FF, 0x00FF00, 0, 0x00FF00},
      {SRCAND, 0x00FFFF, 0x00FF0F, 0, 0x00FF0F},
      {SRCPAINT, 0x0000FF, 0x00FF00, 0, 0x00FFFF},
      {SRCINVERT, 0x0F0F0F, 0xFFFFFF, 0, 0xF0F0F0},
      {NOTSRCCOPY, 0, 0x00FF00, 0, 0xFF00FF},
      {DSTINVERT, 0x00FF00, 0, 0, 0xFF00FF},
      {PATCOPY, 0, 0, 0x123456, 0x123456},
      {BLACKNESS, 0x123456, 0, 0, 0},
      {WHITENESS, 0x123456, 0, 0, 0xFFFFFF},
      {0x00E20746, 0x808080, 0x000000, 0xFFFFFF, 0x808080},  // D xor (S and (P xor D))
      {0x00E20746, 0x808080, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF},
  };
  for (const auto& c : cases) {
    TBitmap src, dst;
    src.SetSize(1, 1);
    src.Canvas()->SetPixels(0, 0, c.src);
    dst.SetSize(1, 1);
    dst.Canvas()->SetPixels(0, 0, c.dst);
    dst.Canvas()->Brush()->SetColor(c.brush);
    dst.Canvas()->BitBlt(0, 0, 1, 1, src.Canvas(), 0, 0, c.rop);
    EXPECT_EQ(dst.Canvas()->Pixels(0, 0), c.want) << std::hex << c.rop;
  }
}

TEST(Copy, BrushCopyReplacesTheKeyColour) {
  TBitmap src, dst;
  MakeSource(src);
  MakeWhite(dst, 4, 2);
  dst.Canvas()->Brush()->SetColor(clYellow);
  dst.Canvas()->BrushCopy({0, 0, 4, 2}, &src, {0, 0, 4, 2}, clOlive);
  EXPECT_EQ(dst.Canvas()->Pixels(1, 1), clYellow);
  EXPECT_EQ(dst.Canvas()->Pixels(0, 0), clRed);
}

TEST(Copy, TransparentBitmapSkipsItsColour) {
  TBitmap src, dst;
  MakeSource(src);  // bottom-left pixel black
  src.SetTransparent(true);
  EXPECT_EQ(src.TransparentColor(), clBlack);
  MakeWhite(dst, 4, 2);
  dst.Canvas()->Draw(0, 0, &src);
  EXPECT_EQ(dst.Canvas()->Pixels(0, 1), clWhite);
  EXPECT_EQ(dst.Canvas()->Pixels(1, 1), clOlive);
}

}  // namespace
