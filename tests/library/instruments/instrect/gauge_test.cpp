#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "library/foundation/tickservice.h"
#include "library/instruments/instrect/instrect.h"
#include "platform/forms/testing/formtest.h"
#include "platform/graphics/bitmap.h"

namespace {

class GaugeTest : public FormTest {
 protected:
  GaugeTest() { TickServiceStartup(); }
  ~GaugeTest() override { TickServiceShutdown(); }

  TGaugeGp* Make(int w = 100, int h = 18) {
    gauge = new TGaugeGp(form);
    gauge->SetParent(form);
    gauge->SetBounds(10, 10, w, h);
    return gauge;
  }
  TColor Pixel(int x, int y) { return gauge->Canvas()->Pixels(x, y); }
  // Lit pixels along the middle line of the bar, from its start.
  int LitRun(bool Vertical) {
    const TRect a = gauge->BarArea();
    int n = 0;
    if (Vertical) {
      const int x = (a.Left + a.Right) / 2;
      for (int y = a.Bottom - 1; y >= a.Top; --y) n += Pixel(x, y) == gauge->SegmColor();
    } else {
      const int y = (a.Top + a.Bottom) / 2;
      for (int x = a.Left; x < a.Right; ++x) n += Pixel(x, y) == gauge->SegmColor();
    }
    return n;
  }

  TGaugeGp* gauge = nullptr;
};

TEST_F(GaugeTest, ValueAndPercentFollowEachOther) {
  Make();
  const struct {
    double min, max, value, percent;
  } cases[] = {
      {-10, 100, 45, 50},
      {0, 10, 200, 100},  // clamped to the end
      {0, 10, -3, 0},
      {0, 10, 2.5, 25},
  };
  for (const auto& c : cases) {
    gauge->SetValueMin(-1e9);  // room first, so both ends can be set in any order
    gauge->SetValueMax(c.max);
    gauge->SetValueMin(c.min);
    gauge->SetValue(c.value);
    EXPECT_DOUBLE_EQ(gauge->Percent(), c.percent) << c.value;
  }
  gauge->SetPercent(100);
  EXPECT_DOUBLE_EQ(gauge->Value(), 10);
  gauge->SetPercent(150);
  EXPECT_DOUBLE_EQ(gauge->Percent(), 100);
  gauge->SetPercent(-5);
  EXPECT_DOUBLE_EQ(gauge->Percent(), 0);
  EXPECT_DOUBLE_EQ(gauge->Value(), 0);
}

TEST_F(GaugeTest, RangeSettersKeepOrderAndRecomputePercent) {
  Make();
  gauge->SetValue(5);
  ASSERT_DOUBLE_EQ(gauge->Percent(), 50);
  gauge->SetValueMax(20);  // the value stays 5, its share halves
  EXPECT_DOUBLE_EQ(gauge->Value(), 5);
  EXPECT_DOUBLE_EQ(gauge->Percent(), 25);
  gauge->SetValueMin(30);  // at or above the end: one below it
  EXPECT_DOUBLE_EQ(gauge->ValueMin(), 19);
  EXPECT_DOUBLE_EQ(gauge->Value(), 19);  // pulled into the new range
  EXPECT_DOUBLE_EQ(gauge->Percent(), 0);
  gauge->SetValueMax(3);
  EXPECT_DOUBLE_EQ(gauge->ValueMax(), 20);
}

TEST_F(GaugeTest, SegmentSizesIgnoreInvalidValues) {
  Make();
  gauge->SetSegmWidth(0);
  gauge->SetSegmWidth(-3);
  EXPECT_EQ(gauge->SegmWidth(), 8);
  gauge->SetSegmGap(-1);
  EXPECT_EQ(gauge->SegmGap(), 1);
  gauge->SetSegmGap(0);
  EXPECT_EQ(gauge->SegmGap(), 0);
  gauge->SetPntrPercent(300);
  EXPECT_EQ(gauge->PntrPercent(), 100);
  gauge->SetDamping(20);
  EXPECT_EQ(gauge->Damping(), 10);
}

TEST_F(GaugeTest, OrientationFollowsTheAspect) {
  Make();
  ShowForm();
  EXPECT_EQ(gauge->Orientation(), orHorizontal);
  const struct {
    int w, h;
    TOrientation orientation;
    int expect_w, expect_h;
  } cases[] = {
      {100, 5, orHorizontal, 100, 12},
      {100, 150, orVertical, 100, 150},
      {300, 200, orHorizontal, 300, 100},
      {150, 400, orVertical, 100, 400},
      {50, 50, orHorizontal, 50, 50},
      {5, 5, orHorizontal, 12, 12},  // the limit turns the aspect round; settled once more
  };
  for (const auto& c : cases) {
    gauge->SetBounds(10, 10, c.w, c.h);
    EXPECT_EQ(gauge->Orientation(), c.orientation) << c.w << "x" << c.h;
    EXPECT_EQ(gauge->Width(), c.expect_w) << c.w << "x" << c.h;
    EXPECT_EQ(gauge->Height(), c.expect_h) << c.w << "x" << c.h;
  }
  // A programmatic change once painted turns the control round.
  gauge->SetBounds(10, 10, 100, 18);
  gauge->SetOrientation(orVertical);
  EXPECT_EQ(gauge->Width(), 18);
  EXPECT_EQ(gauge->Height(), 100);
  EXPECT_EQ(gauge->Orientation(), orVertical);
}

TEST_F(GaugeTest, LitSegmentsAndSuppressedRedraws) {
  Make(112, 18);  // bar area 100 pixels long: 4 pixels of frame and 2 of margin each side
  gauge->SetSegmWidth(5);
  gauge->SetSegmGap(1);
  ShowForm();
  ASSERT_EQ(gauge->BarArea().Width(), 100);
  gauge->SetPercent(50);
  EXPECT_EQ(gauge->LastDrawn(), 8);  // Round(50 / 6)
  EXPECT_EQ(LitRun(false), 8 * 5);
  // The same drawn state draws nothing.
  gauge->Canvas()->SetPixels(gauge->BarArea().Left, 9, 0x123456);
  gauge->SetPercent(50.5);
  EXPECT_EQ(Pixel(gauge->BarArea().Left, 9), 0x123456);
  // Full: only the 16 whole segments (96 pixels) are lit; nothing reaches past the bar.
  gauge->SetPercent(100);
  EXPECT_EQ(gauge->LastDrawn(), 16);
  EXPECT_EQ(LitRun(false), 16 * 5);
  const TRect a = gauge->BarArea();
  EXPECT_NE(Pixel(a.Right, 9), gauge->SegmColor());
}

TEST_F(GaugeTest, VerticalSegmentsLightFromTheBottom) {
  Make(18, 112);
  gauge->SetSegmWidth(4);
  gauge->SetSegmGap(1);
  ShowForm();
  ASSERT_EQ(gauge->Orientation(), orVertical);
  gauge->SetPercent(40);  // 40 pixels: 8 segments
  EXPECT_EQ(LitRun(true), 8 * 4);
  const TRect a = gauge->BarArea();
  const int x = (a.Left + a.Right) / 2;
  EXPECT_EQ(Pixel(x, a.Bottom - 1), gauge->SegmColor());
  EXPECT_NE(Pixel(x, a.Top), gauge->SegmColor());
}

TEST_F(GaugeTest, PointerBandStaysInsideTheBar) {
  const struct {
    bool vertical;
    double percent, pntr;
    int band;  // lit pixels along the bar
  } cases[] = {
      {false, 50, 10, 10},   {false, 0, 0, 1},  // a one-pixel band at the start
      {false, 5, 30, 5},  // the band is cut at the start of the bar, not drawn over the frame
      {false, 100, 100, 98}, {true, 50, 10, 10}, {true, 0, 0, 1}, {true, 5, 30, 5},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.vertical << " " << c.percent << " " << c.pntr);
    Make(c.vertical ? 18 : 112, c.vertical ? 112 : 18);
    gauge->SetMeterMode(true);
    gauge->SetPntrPercent(c.pntr);
    ShowForm();
    gauge->SetPercent(c.percent);
    EXPECT_EQ(LitRun(c.vertical), c.band);
    // Frame, margin and bevels keep their colours.
    const TRect a = gauge->BarArea();
    if (c.vertical) {
      EXPECT_EQ(Pixel(9, a.Bottom), clSilver);
      EXPECT_EQ(Pixel(9, a.Bottom - 1), 0x808080);  // the band's frame
    } else {
      EXPECT_EQ(Pixel(a.Left - 1, 9), clSilver);
      EXPECT_EQ(Pixel(a.Left, 9), 0x808080);
    }
    delete gauge;
  }
}

// Narrow upright gauges in meter mode: the band needs the bar area less its frame line on each
// side. Where that leaves no room the frame line still shows; without it, the bar stays empty.
// Nothing is drawn outside the bar area, whatever its width.
TEST_F(GaugeTest, TheBandOfNarrowGauges) {
  const struct {
    int w;
    bool border;
    bool band, frame;
  } cases[] = {
      {12, true, false, false},  // the frame and margins take the whole width
      {13, true, false, true},  {14, true, false, true}, {14, false, false, false},
      {15, true, true, true},   {16, true, true, true},  {16, false, true, false},
      {20, true, true, true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.w << (c.border ? " with" : " without") << " border");
    Make(c.w, 100);
    gauge->SetMeterMode(true);
    gauge->SetSegmBorder(c.border);
    gauge->SetPntrPercent(5);
    gauge->SetPercent(50);
    ShowForm();
    const TRect a = gauge->BarArea();
    int band = 0, frame = 0, outside = 0;
    for (int y = 0; y < gauge->Height(); ++y) {
      for (int x = 0; x < gauge->Width(); ++x) {
        const TColor p = Pixel(x, y);
        const bool inside = x >= a.Left && x < a.Right && y >= a.Top && y < a.Bottom;
        if (p == gauge->SegmColor() || p == gauge->ColBorder()) {
          (p == gauge->SegmColor() ? band : frame) += inside;
          outside += !inside && p == gauge->SegmColor();
        }
      }
    }
    EXPECT_EQ(band > 0, c.band) << band;
    EXPECT_EQ(frame > 0, c.frame) << frame;
    EXPECT_EQ(outside, 0);
    delete gauge;
  }
}

TEST_F(GaugeTest, DampingMovesTheShownPercentPerTick) {
  Make();
  gauge->SetDamping(1);
  ShowForm();
  gauge->SetPercent(80);
  EXPECT_DOUBLE_EQ(gauge->ShownPercent(), 40);
  TickServiceCallback();
  EXPECT_DOUBLE_EQ(gauge->ShownPercent(), 60);
  gauge->SetDamping(0);
  TickServiceCallback();
  EXPECT_DOUBLE_EQ(gauge->ShownPercent(), 60);  // record stopped
}

TEST_F(GaugeTest, ValueReadFromAFormShowsItsShare) {
  {
    TFormLoader loader(form);
    gauge = loader.Add<TGaugeGp>("Gauge");
    gauge->SetBounds(10, 10, 112, 18);
    gauge->SetValueMin(-10);
    gauge->SetValueMax(100);
    gauge->SetValue(45);
  }
  ShowForm();
  EXPECT_DOUBLE_EQ(gauge->Percent(), 50);
  EXPECT_EQ(gauge->LastDrawn(), 6);  // Round(50 / 9) segments of 8 with a 1-pixel gap
  EXPECT_EQ(LitRun(false), 6 * 8);
}

TEST_F(GaugeTest, MouseEventsFireWithTheFrameRule) {
  Make();
  std::vector<std::string> seen;
  gauge->OnMouseDown = [&](TObject*, TMouseButton b, TShiftState, int x, int y) {
    seen.push_back("down " + std::to_string(int(b)) + " " + std::to_string(x) + "," +
                   std::to_string(y));
  };
  gauge->OnMouseUp = [&](TObject*, TMouseButton b, TShiftState, int x, int y) {
    seen.push_back("up " + std::to_string(int(b)) + " " + std::to_string(x) + "," +
                   std::to_string(y));
  };
  gauge->OnClick = [&](TObject*) { seen.push_back("click"); };
  ShowForm();
  Click(gauge, 20, 5);
  Press(gauge, 30, 6, mbRight);
  Release(gauge, 30, 6, mbRight);
  const std::string left = std::to_string(int(mbLeft)), right = std::to_string(int(mbRight));
  EXPECT_EQ(seen, (std::vector<std::string>{"down " + left + " 20,5", "click",
                                            "up " + left + " 20,5", "down " + right + " 30,6",
                                            "click", "up " + right + " 30,6"}));
}

TEST_F(GaugeTest, ZeroSpanFromAFormPaintsSafely) {
  {
    TFormLoader loader(form);
    gauge = loader.Add<TGaugeGp>("Gauge");
    gauge->SetBounds(10, 10, 100, 18);
    gauge->SetValueMin(5);
    gauge->SetValueMax(5);
    gauge->SetValue(5);
  }
  ShowForm();
  gauge->SetValue(7);
  EXPECT_DOUBLE_EQ(gauge->Percent(), 0);
  gauge->SetPercent(50);
  EXPECT_DOUBLE_EQ(gauge->Value(), 5);
}

// Every segment shows the pixels of a one-pixel pen's Rectangle: outline in the segment colour
// (lit), the border colour or the background (unlit), inside in the segment colour or the
// background. Narrow segments (all outline), both orientations, with and without border, and a
// frame so wide that the bar turns inside out.
TEST_F(GaugeTest, SegmentsAreOutlinedRectangles) {
  const struct {
    int w, h, width, gap, bev;
    bool border;
  } cases[] = {
      {100, 18, 5, 1, 2, true}, {100, 18, 1, 0, 2, true},  {100, 18, 2, 3, 2, false},
      {18, 100, 4, 1, 2, true}, {18, 100, 3, 0, 2, false}, {100, 12, 5, 1, 5, true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.w) + "x" + std::to_string(c.h) + " " + std::to_string(c.width));
    Make(c.w, c.h);
    gauge->SetSegmWidth(c.width);
    gauge->SetSegmGap(c.gap);
    gauge->SetSegmBorder(c.border);
    gauge->SetBevWidth(c.bev);
    gauge->SetBordWidth(c.bev);
    ShowForm();
    gauge->SetPercent(45);
    // The reference: the gauge's own image with every segment drawn again by Rectangle.
    TBitmap want;
    want.SetSize(c.w, c.h);
    want.Canvas()->CopyRect(Rect(0, 0, c.w, c.h), gauge->Canvas(), Rect(0, 0, c.w, c.h));
    TCanvas& r = *want.Canvas();
    r.Pen()->SetStyle(psSolid);
    r.Pen()->SetMode(pmCopy);
    r.Pen()->SetWidth(1);
    r.Brush()->SetStyle(bsSolid);
    const TRect a = gauge->BarArea();
    const bool vertical = gauge->Orientation() == orVertical;
    const int pitch = c.width + c.gap;
    for (int k = 0;; ++k) {
      const TRect seg =
          vertical ? Rect(a.Left, a.Bottom - k * pitch - c.width, a.Right, a.Bottom - k * pitch)
                   : Rect(a.Left + k * pitch, a.Top, a.Left + k * pitch + c.width, a.Bottom);
      if (vertical ? seg.Top < a.Top : seg.Right > a.Right) break;
      const bool lit = k < gauge->LastDrawn();
      r.Pen()->SetColor(lit        ? gauge->SegmColor()
                        : c.border ? gauge->ColBorder()
                                   : gauge->ColBack());
      r.Brush()->SetColor(lit ? gauge->SegmColor() : gauge->ColBack());
      r.Rectangle(seg);
    }
    int differ = 0;
    for (int y = 0; y < c.h; ++y) {
      for (int x = 0; x < c.w; ++x) differ += Pixel(x, y) != r.Pixels(x, y);
    }
    EXPECT_EQ(differ, 0);
    delete gauge;
  }
}

}  // namespace
