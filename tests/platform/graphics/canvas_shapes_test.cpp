#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "platform/graphics/bitmap.h"
#include "tests/platform/graphics/pixel_grid.h"

namespace {

class Shapes : public ::testing::Test {
 protected:
  void SetUp() override {
    MakeWhite(bmp, 8, 6);
    c = bmp.Canvas();
    c->Pen()->SetColor(clBlack);
    c->Brush()->SetColor(clRed);
  }
  std::string Pic() {
    std::string out;
    for (int y = 0; y < bmp.Height(); ++y) {
      for (int x = 0; x < bmp.Width(); ++x) {
        const TColor p = c->Pixels(x, y);
        out += p == clBlack ? '#' : p == clRed ? 'o' : p == clWhite ? '.' : '?';
      }
      out += '\n';
    }
    return out;
  }
  TBitmap bmp;
  TCanvas* c = nullptr;
};

TEST_F(Shapes, RectangleOutlineOnEdgePixelsInteriorWithBrush) {
  c->Rectangle(1, 1, 6, 5);
  EXPECT_EQ(Pic(), Rows({"........", ".#####..", ".#ooo#..", ".#ooo#..", ".#####..", "........"}));
}

TEST_F(Shapes, ClearPenFillsOnePixelLessAtRightAndBottom) {
  c->Pen()->SetStyle(psClear);
  c->Rectangle(1, 1, 6, 5);
  EXPECT_EQ(Pic(), Rows({"........", ".oooo...", ".oooo...", ".oooo...", "........", "........"}));
}

TEST_F(Shapes, ClearBrushLeavesInterior) {
  c->Brush()->SetStyle(bsClear);
  c->Rectangle(1, 1, 6, 5);
  EXPECT_EQ(Pic(), Rows({"........", ".#####..", ".#...#..", ".#...#..", ".#####..", "........"}));
}

TEST_F(Shapes, FillRectExclusiveEdgesNormalisedAndIgnoresPenMode) {
  c->Pen()->SetMode(pmXor);
  c->FillRect({6, 4, 2, 1});
  EXPECT_EQ(Pic(), Rows({"........", "..oooo..", "..oooo..", "..oooo..", "........", "........"}));
}

// Spans are filled several pixels at a time, long ones with aligned wide stores and all of them
// ending with stores that overlap: every length and start must still set exactly its pixels.
TEST(Spans, EveryLengthAndStartFillsExactlyItsPixels) {
  TBitmap bmp;
  for (int start = 0; start < 9; ++start) {
    for (int length = 1; length <= 80; ++length) {
      MakeWhite(bmp, 96, 1);
      bmp.Canvas()->Brush()->SetColor(clRed);
      bmp.Canvas()->FillRect({start, 0, start + length, 1});
      for (int x = 0; x < 96; ++x) {
        const bool inside = x >= start && x < start + length;
        ASSERT_EQ(bmp.Canvas()->Pixels(x, 0), inside ? clRed : clWhite)
            << "span " << start << " + " << length << ", pixel " << x;
      }
    }
  }
}

TEST_F(Shapes, FrameRectUsesBrush) {
  c->FrameRect({1, 1, 5, 4});
  EXPECT_EQ(Pic(), Rows({"........", ".oooo...", ".o..o...", ".oooo...", "........", "........"}));
}

struct LineCase {
  TPoint from, to;
  const char* rows[6];
};

class Lines : public Shapes, public ::testing::WithParamInterface<LineCase> {};

TEST_P(Lines, LineToLeavesOutEndPixelAndMovesPen) {
  const LineCase& lc = GetParam();
  c->MoveTo(lc.from.X, lc.from.Y);
  c->LineTo(lc.to.X, lc.to.Y);
  EXPECT_EQ(c->PenPos(), lc.to);
  std::string want;
  for (const char* r : lc.rows) want += std::string(r) + "\n";
  EXPECT_EQ(Pic(), want);
}

INSTANTIATE_TEST_SUITE_P(
    Table, Lines,
    ::testing::Values(
        LineCase{{1, 1},
                 {6, 1},
                 {"........", ".#####..", "........", "........", "........", "........"}},
        LineCase{{6, 1},
                 {1, 1},
                 {"........", "..#####.", "........", "........", "........", "........"}},
        LineCase{{2, 0},
                 {2, 4},
                 {"..#.....", "..#.....", "..#.....", "..#.....", "........", "........"}},
        LineCase{{0, 0},
                 {4, 4},
                 {"#.......", ".#......", "..#.....", "...#....", "........", "........"}},
        LineCase{{3, 3},
                 {3, 3},
                 {"........", "........", "........", "........", "........", "........"}}));

TEST_F(Shapes, WidePenIsCentredWithRoundCaps) {
  MakeWhite(bmp, 12, 9);
  c->Pen()->SetWidth(3);
  c->MoveTo(3, 4);
  c->LineTo(8, 4);
  EXPECT_EQ(Picture(bmp, clBlack),
            Rows({"............", "............", "............", "..########..", "..########..",
                  "..########..", "............", "............", "............"}));
}

TEST_F(Shapes, EvenWidthCoversThatManyRows) {
  MakeWhite(bmp, 12, 8);
  c->Pen()->SetWidth(2);
  c->MoveTo(2, 4);
  c->LineTo(9, 4);
  int rows = 0;
  for (int y = 0; y < 8; ++y) rows += c->Pixels(5, y) == clBlack;
  EXPECT_EQ(rows, 2);
}

TEST_F(Shapes, WidePolylineXorTouchesJointOnce) {
  MakeWhite(bmp, 20, 20);
  c->Pen()->SetWidth(4);
  c->Pen()->SetColor(clWhite);
  c->Pen()->SetMode(pmXor);
  const TPoint pts[] = {{3, 3}, {15, 3}, {15, 15}};
  c->Polyline(pts);
  // White XOR white is black everywhere the stroke covers, joints included.
  EXPECT_EQ(c->Pixels(15, 3), clBlack);
  EXPECT_EQ(c->Pixels(16, 4), clBlack);
  c->Polyline(pts);
  EXPECT_EQ(CountInk(bmp, clWhite), 400);
}

TEST_F(Shapes, XorAppliesToOutlineAndInteriorAndTwiceRestores) {
  MakeWhite(bmp, 30, 30);
  c->Brush()->SetColor(clBlue);
  c->Ellipse(2, 2, 20, 16);
  c->Pen()->SetColor(RGB(0x12, 0x34, 0x56));
  c->Brush()->SetColor(RGB(0x65, 0x43, 0x21));
  c->Pen()->SetMode(pmXor);
  std::vector<TColor> before;
  for (int y = 0; y < 30; ++y)
    for (int x = 0; x < 30; ++x) before.push_back(c->Pixels(x, y));
  auto draw = [&] {
    c->Rectangle(5, 5, 25, 25);
    c->Ellipse(0, 0, 17, 11);
    c->RoundRect(3, 8, 28, 28, 9, 7);
    const TPoint tri[] = {{1, 28}, {14, 2}, {27, 20}, {1, 28}};
    c->Polygon(tri);
    c->Pie(4, 4, 26, 26, 26, 15, 15, 4);
    c->Chord(4, 4, 26, 26, 4, 15, 26, 15);
    c->MoveTo(0, 29);
    c->LineTo(29, 0);
  };
  // Outline pixel: white XOR pen; interior pixel: white XOR brush.
  c->Rectangle(22, 22, 30, 30);
  EXPECT_EQ(c->Pixels(22, 25), (clWhite ^ RGB(0x12, 0x34, 0x56)) & 0xFFFFFF);
  EXPECT_EQ(c->Pixels(25, 25), (clWhite ^ RGB(0x65, 0x43, 0x21)) & 0xFFFFFF);
  c->Rectangle(22, 22, 30, 30);
  draw();
  draw();
  std::vector<TColor> after;
  for (int y = 0; y < 30; ++y)
    for (int x = 0; x < 30; ++x) after.push_back(c->Pixels(x, y));
  EXPECT_EQ(before, after);
}

TEST_F(Shapes, NotModeInvertsEachPixelOnce) {
  MakeWhite(bmp, 20, 20);
  c->Pen()->SetMode(pmNot);
  c->Pen()->SetWidth(3);
  const TPoint pts[] = {{2, 2}, {17, 2}, {17, 17}, {2, 17}};
  c->Polygon(pts);  // outline and interior: every covered pixel becomes black exactly
  EXPECT_EQ(CountInk(bmp, clWhite) + CountInk(bmp, clBlack), 400);
  EXPECT_EQ(c->Pixels(17, 2), clBlack);
  EXPECT_EQ(c->Pixels(10, 10), clBlack);
}

TEST_F(Shapes, PolygonAlternateRuleAndTopLeftRule) {
  MakeWhite(bmp, 8, 6);
  c->Pen()->SetStyle(psClear);
  const TPoint square[] = {{1, 1}, {5, 1}, {5, 4}, {1, 4}};
  c->Polygon(square);
  EXPECT_EQ(Pic(), Rows({"........", ".oooo...", ".oooo...", ".oooo...", "........", "........"}));
  // Two overlapping squares in one outline: the overlap is outside by the alternate rule.
  MakeWhite(bmp, 8, 6);
  const TPoint twice[] = {{0, 0}, {4, 0}, {4, 4}, {0, 4}, {0, 0},
                          {2, 2}, {6, 2}, {6, 6}, {2, 6}, {2, 2}};
  c->Polygon(twice);
  EXPECT_EQ(Pic(), Rows({"oooo....", "oooo....", "oo..oo..", "oo..oo..", "..oooo..", "..oooo.."}));
}

TEST_F(Shapes, PolygonWithPenCoversVertices) {
  MakeWhite(bmp, 8, 6);
  const TPoint square[] = {{1, 1}, {5, 1}, {5, 4}, {1, 4}};
  c->Polygon(square);
  EXPECT_EQ(Pic(), Rows({"........", ".#####..", ".#ooo#..", ".#ooo#..", ".#####..", "........"}));
}

TEST_F(Shapes, EllipseInscribedInBoxAndClearPenOneSmaller) {
  MakeWhite(bmp, 12, 12);
  c->Ellipse(1, 1, 11, 11);
  TRect ink{99, 99, -1, -1};
  for (int y = 0; y < 12; ++y)
    for (int x = 0; x < 12; ++x)
      if (c->Pixels(x, y) != clWhite) {
        ink.Left = std::min(ink.Left, x);
        ink.Top = std::min(ink.Top, y);
        ink.Right = std::max(ink.Right, x + 1);
        ink.Bottom = std::max(ink.Bottom, y + 1);
      }
  EXPECT_EQ(ink, Rect(1, 1, 11, 11));
  EXPECT_EQ(c->Pixels(1, 5), clBlack);
  EXPECT_EQ(c->Pixels(6, 6), clRed);

  MakeWhite(bmp, 12, 12);
  c->Pen()->SetStyle(psClear);
  c->Ellipse(1, 1, 11, 11);
  EXPECT_EQ(c->Pixels(10, 5), clWhite);
  EXPECT_EQ(c->Pixels(9, 5), clRed);
  EXPECT_EQ(c->Pixels(5, 10), clWhite);
  EXPECT_EQ(c->Pixels(5, 9), clRed);
  EXPECT_EQ(c->Pixels(1, 5), clRed);
}

TEST_F(Shapes, RoundRectCornersCut) {
  MakeWhite(bmp, 12, 12);
  c->RoundRect(0, 0, 12, 12, 6, 6);
  EXPECT_EQ(c->Pixels(0, 0), clWhite);
  EXPECT_EQ(c->Pixels(6, 0), clBlack);
  EXPECT_EQ(c->Pixels(0, 6), clBlack);
  EXPECT_EQ(c->Pixels(11, 6), clBlack);
  EXPECT_EQ(c->Pixels(6, 6), clRed);
}

TEST_F(Shapes, ArcRunsCounterClockwiseAndEqualRaysGiveFullEllipse) {
  MakeWhite(bmp, 21, 21);
  // From the ray to the right to the ray upwards: the upper-right quarter only.
  c->Arc(0, 0, 21, 21, 20, 10, 10, 0);
  EXPECT_EQ(c->Pixels(17, 3), clBlack);
  EXPECT_EQ(c->Pixels(3, 3), clWhite);
  EXPECT_EQ(c->Pixels(3, 17), clWhite);
  EXPECT_EQ(c->Pixels(17, 17), clWhite);
  // Swapped rays: the other three quarters.
  MakeWhite(bmp, 21, 21);
  c->Arc(0, 0, 21, 21, 10, 0, 20, 10);
  EXPECT_EQ(c->Pixels(17, 3), clWhite);
  EXPECT_EQ(c->Pixels(3, 3), clBlack);
  EXPECT_EQ(c->Pixels(3, 17), clBlack);
  EXPECT_EQ(c->Pixels(17, 17), clBlack);
  // Equal rays: the whole ellipse, as Ellipse's outline.
  MakeWhite(bmp, 21, 21);
  c->Arc(0, 0, 21, 21, 20, 10, 20, 10);
  const std::string arc = Picture(bmp, clBlack);
  MakeWhite(bmp, 21, 21);
  c->Brush()->SetStyle(bsClear);
  c->Ellipse(0, 0, 21, 21);
  EXPECT_EQ(arc, Picture(bmp, clBlack));
}

TEST_F(Shapes, PieFillsTheSectorWithRadii) {
  MakeWhite(bmp, 21, 21);
  c->Pie(0, 0, 21, 21, 20, 10, 10, 0);
  EXPECT_EQ(c->Pixels(14, 6), clRed);   // inside the upper-right sector
  EXPECT_EQ(c->Pixels(6, 6), clWhite);  // outside it
  EXPECT_EQ(c->Pixels(6, 14), clWhite);
  EXPECT_EQ(c->Pixels(15, 10), clBlack);  // on the horizontal radius
  EXPECT_EQ(c->Pixels(10, 5), clBlack);   // on the vertical radius
  MakeWhite(bmp, 21, 21);
  c->Pie(0, 0, 21, 21, 0, 10, 0, 10);  // equal rays: the full ellipse, no radii
  EXPECT_EQ(c->Pixels(6, 6), clRed);
  EXPECT_EQ(c->Pixels(15, 10), clRed);
}

TEST_F(Shapes, ChordCutsAlongTheLine) {
  MakeWhite(bmp, 21, 21);
  c->Chord(0, 0, 21, 21, 20, 10, 0, 10);  // upper half
  EXPECT_EQ(c->Pixels(10, 4), clRed);
  EXPECT_EQ(c->Pixels(10, 15), clWhite);
  EXPECT_EQ(c->Pixels(10, 10), clBlack);
}

// Sweeps whose box is far larger than the canvas: only the visible part may cost time. The centre
// is at (20, 15) of a 40 x 30 canvas unless the box says otherwise. (Radii and chord lines are
// walked along their whole length, so they are left out here.)
constexpr int kHuge = 50'000'000;

struct HugeSweepCase {
  const char* name;
  char kind;  // Pie, Chord or Arc
  bool pen;
  TRect box;
  TPoint ray1, ray2;
  std::vector<std::pair<TPoint, TColor>> expect;
};

class HugeSweeps : public Shapes, public ::testing::WithParamInterface<HugeSweepCase> {};

TEST_P(HugeSweeps, DrawOnlyTheVisiblePart) {
  const HugeSweepCase& k = GetParam();
  MakeWhite(bmp, 40, 30);
  if (!k.pen) c->Pen()->SetStyle(psClear);
  const TRect& b = k.box;
  const TPoint p = k.ray1, q = k.ray2;
  switch (k.kind) {
    case 'P':
      c->Pie(b.Left, b.Top, b.Right, b.Bottom, p.X, p.Y, q.X, q.Y);
      break;
    case 'C':
      c->Chord(b.Left, b.Top, b.Right, b.Bottom, p.X, p.Y, q.X, q.Y);
      break;
    default:
      c->Arc(b.Left, b.Top, b.Right, b.Bottom, p.X, p.Y, q.X, q.Y);
  }
  for (const auto& [p, colour] : k.expect) {
    EXPECT_EQ(c->Pixels(p.X, p.Y), colour) << "at " << p.X << ", " << p.Y;
  }
}

const TRect kAround{20 - kHuge, 15 - kHuge, 21 + kHuge, 16 + kHuge};
const TPoint kRight{20 + kHuge, 15}, kUp{20, 15 - kHuge}, kLeft{20 - kHuge, 15};
// Its leftmost column is 5, about which the rim runs straight up and down over the canvas.
const TRect kRimAt5{5, 15 - kHuge, 6 + 2 * kHuge, 16 + kHuge};
const TPoint kRimTop{5 + kHuge, 15 - kHuge}, kRimBottom{5 + kHuge, 15 + kHuge};

INSTANTIATE_TEST_SUITE_P(
    Shapes, HugeSweeps,
    ::testing::Values(
        // Without a pen, as the meters draw their bands: the upper right quarter, and the rest.
        HugeSweepCase{
            "Pie",
            'P',
            false,
            kAround,
            kRight,
            kUp,
            {{{30, 5}, clRed}, {{10, 5}, clWhite}, {{10, 25}, clWhite}, {{30, 25}, clWhite}}},
        HugeSweepCase{"PieTheOtherWay",
                      'P',
                      false,
                      kAround,
                      kUp,
                      kRight,
                      {{{30, 5}, clWhite}, {{10, 5}, clRed}, {{10, 25}, clRed}, {{30, 25}, clRed}}},
        // The upper half, cut along the middle row.
        HugeSweepCase{
            "Chord", 'C', false, kAround, kRight, kLeft, {{{20, 5}, clRed}, {{20, 25}, clWhite}}},
        // With a pen: the left half of the rim runs straight down the canvas.
        HugeSweepCase{
            "Arc",
            'A',
            true,
            kRimAt5,
            kRimTop,
            kRimBottom,
            {{{5, 0}, clBlack}, {{5, 29}, clBlack}, {{4, 15}, clWhite}, {{6, 15}, clWhite}}},
        // Its right half stays off the canvas.
        HugeSweepCase{"ArcOtherHalf",
                      'A',
                      true,
                      kRimAt5,
                      kRimBottom,
                      kRimTop,
                      {{{5, 0}, clWhite}, {{5, 15}, clWhite}, {{5, 29}, clWhite}}}),
    [](const ::testing::TestParamInfo<HugeSweepCase>& info) { return info.param.name; });

TEST_F(Shapes, DottedPenLeavesGaps) {
  MakeWhite(bmp, 20, 3);
  c->Pen()->SetStyle(psDot);
  c->MoveTo(0, 1);
  c->LineTo(20, 1);
  EXPECT_EQ(Picture(bmp, clBlack, {0, 1, 20, 2}), "###...###...###...##\n");
}

TEST_F(Shapes, ClipLimitsDrawingAndCanBeRemoved) {
  MakeWhite(bmp, 8, 6);
  c->IntersectClipRect({2, 1, 5, 3});
  c->FillRect({0, 0, 8, 6});
  EXPECT_EQ(c->ClipRect(), Rect(2, 1, 5, 3));
  c->RemoveClip();
  c->Pen()->SetColor(clBlack);
  c->MoveTo(0, 5);
  c->LineTo(8, 5);
  EXPECT_EQ(Pic(), Rows({"........", "..ooo...", "..ooo...", "........", "........", "########"}));
  TRegion region({0, 0, 2, 2});
  region.Add({6, 3, 8, 5});
  c->SelectClipRgn(&region);
  c->Brush()->SetColor(clBlack);
  c->FillRect({0, 0, 8, 6});
  EXPECT_EQ(Pic(), Rows({"##......", "##ooo...", "..ooo...", "......##", "......##", "########"}));
}

TEST(CanvasSurface, EmptyBitmapAndForeignSurfaceWithOrigin) {
  TBitmap empty;
  empty.Canvas()->Rectangle(0, 0, 10, 10);
  empty.Canvas()->TextOut(0, 0, "x");
  empty.Canvas()->FillRect({0, 0, 5, 5});
  EXPECT_EQ(empty.Canvas()->Pixels(0, 0), -1);

  // A canvas on someone else's pixels, shifted and limited to a child's bounds.
  std::vector<uint32_t> pixels(10 * 10, 0xFFFFFFFF);
  TCanvas canvas;
  TRect changed;
  int calls = 0;
  canvas.OnPixelsChanged = [&](TCanvas*, const TRect& area) {
    changed = area;
    ++calls;
  };
  canvas.SetSurface({pixels.data(), 10, 10, 10}, {3, 2}, {0, 0, 4, 4});
  canvas.Brush()->SetColor(clBlack);
  canvas.FillRect({-5, -5, 50, 50});
  EXPECT_EQ(calls, 1);
  EXPECT_EQ(changed, Rect(3, 2, 7, 6));
  EXPECT_EQ(pixels[2 * 10 + 3], 0xFF000000u);
  EXPECT_EQ(pixels[5 * 10 + 6], 0xFF000000u);
  EXPECT_EQ(pixels[6 * 10 + 6], 0xFFFFFFFFu);
  EXPECT_EQ(pixels[2 * 10 + 7], 0xFFFFFFFFu);
  EXPECT_EQ(canvas.Pixels(0, 0), clBlack);
  EXPECT_EQ(canvas.ClipRect(), Rect(0, 0, 4, 4));
}

}  // namespace
