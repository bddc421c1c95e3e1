#include <gtest/gtest.h>

#include <vector>

#include "library/foundation/dialmap.h"
#include "library/foundation/scaledraw.h"
#include "library/instruments/common/leds.h"
#include "library/instruments/common/limitmarks.h"
#include "library/instruments/common/readout.h"
#include "platform/base/sysutils.h"
#include "platform/graphics/bitmap.h"

namespace {

TEST(DialMapping, ProductFirstTruncatingAndMirrored) {
  TDialMapping m;
  m.PixOrigin = {10, 20};
  m.PixExtent = {200, 100};
  m.VirtOrigin = {-960, 1210};
  m.VirtExtent = {1920, -960};
  EXPECT_EQ(m.MapPoint(-960, 1210), (TPoint{10, 20}));
  EXPECT_EQ(m.MapPoint(960, 250), (TPoint{210, 120}));
  EXPECT_EQ(m.MapPoint(0, 0), (TPoint{110, 146}));    // 1210 * 100 div 960 = 126
  EXPECT_EQ(m.MapPoint(1, 1210), (TPoint{110, 20}));  // 961 * 200 div 1920 = 100
  // A negative extent mirrors: dial x grows to the left.
  m.VirtOrigin = {1100, 1210};
  m.VirtExtent = {-850, -960};
  EXPECT_EQ(m.MapPoint(1100, 1210), (TPoint{10, 20}));
  EXPECT_EQ(m.MapPoint(250, 1210), (TPoint{210, 20}));
  // Wide planes on big controls need 64-bit products.
  m.PixExtent = {30000, 30000};
  m.VirtOrigin = {0, 0};
  m.VirtExtent = {1000000, 1000000};
  EXPECT_EQ(m.MapPoint(900000, 0), (TPoint{27010, 20}));
}

TEST(DialMapping, DistancesFromTheOrigin) {
  TDialMapping m;
  m.PixOrigin = {5, 5};
  m.PixExtent = {200, 200};
  m.VirtOrigin = {-1000, 1000};
  m.VirtExtent = {2000, 2000};
  EXPECT_EQ(m.MapDistance(0, 0), (TPoint{105, 105}));
  EXPECT_EQ(m.MapDistance(1000, -1000), (TPoint{205, 205}));
  EXPECT_EQ(m.MapDistance(-650, 650), (TPoint{40, 40}));
}

TEST(DialMapping, EmptyExtentsAreNotValid) {
  TDialMapping m;
  m.PixOrigin = {3, 4};
  m.PixExtent = {0, 50};
  m.VirtExtent = {100, 100};
  EXPECT_FALSE(m.Valid());
  EXPECT_EQ(m.MapPoint(70, 70), (TPoint{3, 4}));
  m.PixExtent = {50, 50};
  m.VirtExtent = {0, 100};
  EXPECT_FALSE(m.Valid());
  EXPECT_EQ(m.MapDistance(70, 70), (TPoint{3, 4}));
}

TEST(LedColour, UnlitMasksEveryChannelToItsBits60) {
  EXPECT_EQ(LedColour(0x00FF8040, true), 0x00FF8040);
  EXPECT_EQ(LedColour(0x00FF8040, false), 0x00600040);
  EXPECT_EQ(LedColour(0x0000FF00, false), 0x00006000);
}

TEST(MeterLed, ShowsSwitchOrBlinkPhase) {
  TMeterLed led;
  led.On = true;
  EXPECT_TRUE(led.Shows());
  led.Blink = true;
  led.TakePhase(true);  // phase equal to the switch: dark
  EXPECT_FALSE(led.Shows());
  led.TakePhase(false);
  EXPECT_TRUE(led.Shows());
}

class CanvasTest : public ::testing::Test {
 protected:
  void SetUp() override {
    FBitmap.SetSize(60, 40);
    Canvas().Brush()->SetColor(clBlack);
    Canvas().FillRect(Rect(0, 0, 60, 40));
  }
  TCanvas& Canvas() { return *FBitmap.Canvas(); }
  TColor At(int x, int y) { return Canvas().Pixels(x, y); }
  std::vector<TColor> Snapshot() {
    std::vector<TColor> pixels;
    for (int y = 0; y < 40; ++y) {
      for (int x = 0; x < 60; ++x) pixels.push_back(At(x, y));
    }
    return pixels;
  }
  TBitmap FBitmap;
};

TEST_F(CanvasTest, RoundLedHasABlackOutline) {
  DrawRoundLed(Canvas(), {30, 20}, 6, 0x0000FF);
  EXPECT_EQ(At(30, 20), 0x0000FF);
  EXPECT_EQ(At(24, 20), clBlack);
  DrawLedSocket(Canvas(), {10, 10}, 5);
  EXPECT_EQ(At(10, 10), 0x000080);
  EXPECT_EQ(At(5, 10), 0x808080);
}

TEST_F(CanvasTest, BandOfNoWidthDrawsNothing) {
  const TRect box{0, 0, 60, 40};
  Canvas().Pen()->SetStyle(psClear);
  Canvas().Brush()->SetColor(0x00FF00);
  const auto before = Snapshot();
  DrawDialBand(Canvas(), box, {30, 20}, {0, 20}, 40, 40);
  DrawDialBand(Canvas(), box, {30, 20}, {0, 20}, 40, 40.0001);
  EXPECT_EQ(Snapshot(), before);
  // A real band covers its sector only: 0..90 degrees from the left ray turns up to the top.
  DrawDialBand(Canvas(), box, {30, 20}, {0, 20}, 90, 0);
  EXPECT_EQ(At(15, 10), 0x00FF00);  // upper left: inside
  EXPECT_EQ(At(45, 10), clBlack);   // upper right: outside
  EXPECT_EQ(At(15, 30), clBlack);   // lower left: outside
}

class MarksTest : public CanvasTest {
 protected:
  void SetUp() override {
    CanvasTest::SetUp();
    FMarks.EndLabelRect = Rect(40, 5, 50, 15);
    FMarks.StartLabelRect = Rect(5, 5, 15, 15);
  }
  bool EndMarked() { return At(45, 10) == clWhite; }
  bool StartMarked() { return At(10, 10) == clWhite; }
  // What a compose does: a fresh image on the screen, then the marks.
  void Copy(bool over, bool under) {
    Canvas().Brush()->SetColor(clBlack);
    Canvas().FillRect(Rect(0, 0, 60, 40));
    FMarks.AfterCopy(Canvas(), clWhite, over, under);
  }
  TLimitMarks FMarks;
};

TEST_F(MarksTest, FlashesWhileOutOfRange) {
  Copy(true, false);
  EXPECT_TRUE(EndMarked());
  EXPECT_FALSE(StartMarked());
  FMarks.BlinkTick(Canvas(), clWhite, true, false);
  EXPECT_FALSE(EndMarked());
  FMarks.BlinkTick(Canvas(), clWhite, true, false);
  EXPECT_TRUE(EndMarked());
  // A compose in the hidden half-cycle leaves the label clean until the next blink.
  FMarks.BlinkTick(Canvas(), clWhite, true, false);
  Copy(true, false);
  EXPECT_FALSE(EndMarked());
  FMarks.BlinkTick(Canvas(), clWhite, true, false);
  EXPECT_TRUE(EndMarked());
}

TEST_F(MarksTest, NoMarkStaysBehindWhenTheValueReturns) {
  // Back in range without a compose (the pointer did not move): the blink removes the mark.
  Copy(true, false);
  ASSERT_TRUE(EndMarked());
  FMarks.BlinkTick(Canvas(), clWhite, false, false);
  EXPECT_FALSE(EndMarked());
  FMarks.BlinkTick(Canvas(), clWhite, false, false);
  EXPECT_FALSE(EndMarked());
  // Back in range through a compose in the hidden half-cycle: the blink adds nothing.
  Copy(false, true);
  FMarks.BlinkTick(Canvas(), clWhite, false, true);
  ASSERT_FALSE(StartMarked());
  Copy(false, false);
  FMarks.BlinkTick(Canvas(), clWhite, false, false);
  EXPECT_FALSE(StartMarked());
  EXPECT_FALSE(FMarks.Busy(false, false));
}

TEST(LimitMarks, ColourIsWhiteOnABlackFace) {
  EXPECT_EQ(TLimitMarks::MarkColour(clBlack, 0x0000FF), clWhite);
  EXPECT_EQ(TLimitMarks::MarkColour(0x800000, 0x0000FF), 0x0000FF);
}

TEST(RoundMeterReadout, Texts) {
  const struct {
    double shown;
    bool fix;
    double start, end;
    const char* expected;
  } cases[] = {
      {3.5, false, 0, 100, "3.500"},   {12.25, false, 0, 100, "12.25"},
      {123.4, false, 0, 100, "123.4"}, {1234, false, 0, 2000, "1234"},
      {0, false, 0, 100, "0.000"},     {-5, false, -10, 10, "-5.000"},
      {3.5, true, 0, 50, " 3.50"},     {3.5, true, 0, 5, "3.500"},
      {3.5, true, 0, 100, "  3.5"},    {3.5, true, 0, 1000, "4"},
      {3.5, true, -1000, 10, "4"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(RoundMeterReadoutText(c.shown, c.fix, c.start, c.end), c.expected) << c.shown;
  }
}

}  // namespace
