#include "library/foundation/scaledraw.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/graphics/bitmap.h"
#include "platform/graphics/canvas.h"

namespace {

// A tick as "value/index/sub", so a whole division reads as one string.
std::string Ticks(const TScaleDivision& D) {
  std::string s;
  for (const TScaleTick& t : D.Ticks) {
    s += std::to_string(t.Value).substr(0, 5) + "/" + std::to_string(t.Index) + "/" +
         std::to_string(t.Sub) + " ";
  }
  return s;
}

TEST(ScaleDivision, LinearAndLogEngines) {
  const TScaleRange lin{0, 10};
  TScaleRange log{0.1, 100, true};
  log.CacheLogs();
  const struct {
    const char* name;
    TScaleDivision division;
    int divisions;
    const char* ticks;
  } cases[] = {
      {"two parts, one thin tick each", LinearDivision(lin, 2, 1), 2,
       "0.000/0/0 2.500/0/1 5.000/1/0 7.500/1/1 10.00/2/0 "},
      // A full circle: the end tick meets the first, the last division keeps its thin tick.
      {"no last major", LinearDivision(lin, 2, 1, false), 2,
       "0.000/0/0 2.500/0/1 5.000/1/0 7.500/1/1 "},
      {"parts below one count as one", LinearDivision(lin, 0, 0), 1, "0.000/0/0 10.00/1/0 "},
      {"decades with halves", LogDivision(log, 2), 3,
       "0.100/0/0 0.500/0/1 1.000/1/0 5.000/1/1 10.00/2/0 50.00/2/1 100.0/3/0 "},
      {"decades alone", LogDivision(log, 1, false), 3, "0.100/0/0 1.000/1/0 10.00/2/0 "},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(c.division.Divisions, c.divisions) << c.name;
    EXPECT_EQ(Ticks(c.division), c.ticks) << c.name;
  }
}

// What a layout holds, in order: "L" for a line at its From, "T" for a label.
std::string Items(const TScaleLayout& L) {
  std::string s;
  for (const TScaleLayout::TItem& i : L.Items) {
    s += i.IsLabel ? "T" + std::to_string(i.Label.At.X) : "L" + std::to_string(i.Line.From.X);
    s += " ";
  }
  return s;
}

TEST(StraightScaleLayout, LabelsFollowTheirTicksAndEndsAreRecorded) {
  const TStraightTicks ticks{false, 50, 40, 45};
  const auto at = [](const TScaleTick& T) { return T.Index * 100 + T.Sub * 50; };
  const auto label = [](const TScaleTick& T, int X) {
    return TPlacedLabel{{{X, 0}, "x"}, {X, T.Index, X + 1, 1}};
  };
  // A linear label comes after the thin ticks of its division, a logarithmic one at once.
  const TScaleLayout lin = StraightScaleLayout(LinearDivision({0, 2}, 2, 1), {ticks}, at, label);
  EXPECT_EQ(Items(lin), "L0 L50 T0 L100 L150 T100 L200 T200 ");
  EXPECT_EQ(lin.Ends.StartLabelRect, (TRect{0, 0, 1, 1}));
  EXPECT_EQ(lin.Ends.EndLabelRect, (TRect{200, 2, 201, 1}));
  TScaleRange log{1, 100, true};
  log.CacheLogs();
  const TScaleLayout lg = StraightScaleLayout(LogDivision(log, 2), {ticks}, at, label);
  EXPECT_EQ(Items(lg), "L0 T0 L50 L100 T100 L150 L200 T200 ");
  // Each tick spans from the base across; thin ticks are shorter and thinner.
  EXPECT_EQ(lin.Items[0].Line.To, (TPoint{0, 40}));
  EXPECT_EQ(lin.Items[0].Line.Width, 2);
  EXPECT_EQ(lin.Items[1].Line.To, (TPoint{50, 45}));
  EXPECT_EQ(lin.Items[1].Line.Width, 1);
}

TEST(DrawScaleLayout, DrawsInOrderAndSetsThePenWidthBack) {
  TBitmap bitmap;
  bitmap.SetSize(30, 20);
  TCanvas& c = *bitmap.Canvas();
  c.Brush()->SetColor(clBlack);
  c.FillRect(Rect(0, 0, 30, 20));
  c.Pen()->SetColor(clWhite);
  c.Pen()->SetWidth(3);
  TScaleLayout layout;
  layout.Add(TScaleLine{{2, 2}, {2, 12}, 1});
  layout.Add(TScaleLine{{10, 2}, {10, 12}, 1, 0x0000FF});
  // Without a colour of its own a line takes the pen's, which the red line set.
  layout.Add(TScaleLine{{5, 7}, {15, 7}, 1});
  layout.Add(TScaleLabel{{20, 2}, ""});  // no text: nothing drawn
  DrawScaleLayout(c, layout);
  EXPECT_EQ(c.Pixels(2, 5), clWhite);
  EXPECT_EQ(c.Pixels(10, 4), 0x0000FF);
  EXPECT_EQ(c.Pixels(5, 7), 0x0000FF);
  EXPECT_EQ(c.Pixels(3, 5), clBlack);  // width 1, not the 3 the pen had
  EXPECT_EQ(c.Pen()->Width(), 3);
  for (int x = 18; x < 30; ++x) {
    for (int y = 0; y < 20; ++y) ASSERT_EQ(c.Pixels(x, y), clBlack) << x << "," << y;
  }
}

}  // namespace
