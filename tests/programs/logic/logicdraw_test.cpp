#include "programs/logic/logicdraw.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "platform/graphics/bitmap.h"

namespace {

TEST(LogicTexts, SecondsAsClockText) {
  struct Case {
    bool tenths;
    double seconds;
    const char* text;
  } cases[] = {
      {true, 3725.68, "01:02:05.6"},
      {false, 59.9, "00:00:59"},
      {false, 360000, "100:00:00"},
      {true, 0.05, "00:00:00.0"},
      {false, 61, "00:01:01"},
      {false, -5, "00:00:00"},
      {false, std::nan(""), "00:00:00"},
      {false, std::numeric_limits<double>::infinity(), "00:00:00"},
  };
  for (const Case& c : cases) EXPECT_EQ(SecondsToHMS(c.tenths, c.seconds), c.text) << c.seconds;
}

TEST(LogicTexts, BinaryDigitsMostSignificantFirst) {
  EXPECT_EQ(ByteToBin(0x81), "10000001");
  EXPECT_EQ(WordToBin(5), "0000000000000101");
  EXPECT_EQ(LongToBin(0xFFFFFFFFu), std::string(32, '1'));
  EXPECT_EQ(LongToBin(0x80000000u), "1" + std::string(31, '0'));
}

class LogicShapes : public ::testing::Test {
 protected:
  LogicShapes() {
    bmp.SetSize(60, 60);
    Canvas().Brush()->SetColor(clSilver);
    Canvas().FillRect(Rect(0, 0, 60, 60));
    Canvas().Pen()->SetColor(clRed);
    Canvas().Pen()->SetWidth(3);
    Canvas().Pen()->SetMode(pmNot);
    Canvas().Brush()->SetColor(clGreen);
  }
  TCanvas& Canvas() { return *bmp.Canvas(); }
  // The pen and brush as the routine found them.
  void ExpectStateKept() {
    EXPECT_EQ(Canvas().Pen()->Color(), clRed);
    EXPECT_EQ(Canvas().Pen()->Width(), 3);
    EXPECT_EQ(Canvas().Pen()->Mode(), pmNot);
    EXPECT_EQ(Canvas().Brush()->Color(), clGreen);
    EXPECT_EQ(Canvas().Brush()->Style(), bsSolid);
  }
  TBitmap bmp;
};

TEST_F(LogicShapes, FramesCoverTheirEdgesInclusively) {
  DrawSunkenFrame(Canvas(), Rect(10, 10, 20, 20));
  EXPECT_EQ(Canvas().Pixels(10, 10), TColor(0x808080));
  EXPECT_EQ(Canvas().Pixels(10, 19), TColor(0x808080));
  EXPECT_EQ(Canvas().Pixels(19, 10), TColor(0x808080));
  EXPECT_EQ(Canvas().Pixels(20, 10), TColor(0xFFFFFF));
  EXPECT_EQ(Canvas().Pixels(20, 20), TColor(0xFFFFFF));
  EXPECT_EQ(Canvas().Pixels(11, 20), TColor(0xFFFFFF));
  EXPECT_EQ(Canvas().Pixels(10, 20), TColor(0x808080));  // where the path starts
  EXPECT_EQ(Canvas().Pixels(15, 15), clSilver);
  ExpectStateKept();
  DrawRaisedFrame(Canvas(), Rect(10, 10, 20, 20));
  EXPECT_EQ(Canvas().Pixels(10, 15), TColor(0xFFFFFF));
  EXPECT_EQ(Canvas().Pixels(20, 15), TColor(0x808080));

  TRect r = Rect(30, 30, 40, 40);
  DrawButtonFace(Canvas(), r);
  EXPECT_EQ(r, Rect(31, 31, 39, 39));
  EXPECT_EQ(Canvas().Pixels(30, 35), clBlack);
  EXPECT_EQ(Canvas().Pixels(40, 35), clBlack);
  EXPECT_EQ(Canvas().Pixels(35, 40), clBlack);
  EXPECT_EQ(Canvas().Pixels(31, 35), TColor(0xFFFFFF));
  EXPECT_EQ(Canvas().Pixels(39, 35), TColor(0x808080));
  ExpectStateKept();
}

TEST_F(LogicShapes, ArrowsPointTheirWayWithTheBarAtTheApex) {
  // 40 x 40: quarter 10, fifth 8.
  const TRect r = Rect(10, 10, 50, 50);
  struct Case {
    void (*draw)(TCanvas&, const TRect&, bool);
    TPoint apex, base, bar, outside;
  } cases[] = {
      {DrawArrowUp, Point(30, 20), Point(30, 40), Point(22, 18), Point(15, 30)},
      {DrawArrowDown, Point(30, 40), Point(30, 20), Point(22, 42), Point(15, 30)},
      {DrawArrowLeft, Point(20, 30), Point(40, 30), Point(18, 22), Point(30, 15)},
      {DrawArrowRight, Point(40, 30), Point(20, 30), Point(42, 22), Point(30, 15)},
  };
  for (const Case& k : cases) {
    Canvas().Brush()->SetColor(clSilver);
    Canvas().FillRect(Rect(0, 0, 60, 60));
    Canvas().Brush()->SetColor(clGreen);
    k.draw(Canvas(), r, false);
    EXPECT_EQ(Canvas().Pixels(k.base.X, k.base.Y - (k.base.Y > k.apex.Y ? 1 : 0)), clBlack);
    EXPECT_EQ(Canvas().Pixels((k.apex.X + k.base.X) / 2, (k.apex.Y + k.base.Y) / 2), clBlack);
    EXPECT_EQ(Canvas().Pixels(k.outside.X, k.outside.Y), clSilver);
    EXPECT_EQ(Canvas().Pixels(k.bar.X, k.bar.Y), clSilver);
    ExpectStateKept();
    k.draw(Canvas(), r, true);
    EXPECT_EQ(Canvas().Pixels(k.bar.X, k.bar.Y), clBlack);
    ExpectStateKept();
  }
}

}  // namespace
