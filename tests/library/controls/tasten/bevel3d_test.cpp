#include "library/controls/tasten/bevel3d.h"

#include <string>
#include <vector>

#include "tasten_fixture.h"

namespace {

class Bevel3DTest : public TastenTest {
 protected:
  // 200 x 100 with the default frame: inner area (4, 4, 196, 96).
  TBevel3D* MakeBevel() {
    b = Make<TBevel3D>(10, 10, 200, 100);
    b->SetColBgnd(clGreen);
    return b;
  }
  int Shown(TColor colour, TRect r = Rect(4, 4, 196, 96)) { return Count(*b->Canvas(), r, colour); }
  TBevel3D* b = nullptr;
};

TEST_F(Bevel3DTest, ADefaultPlateShowsOnlyItsFrame) {
  MakeBevel();
  ShowForm();
  EXPECT_EQ(Shown(clGreen), 192 * 92);
}

TEST_F(Bevel3DTest, TheCaptionFieldKeepsAMarginUnlessItIsSilver) {
  MakeBevel();
  b->SetCaptEnable(true);
  ShowForm();
  // Round(0.04 x 92) = 4 pixels of the background around the blue field.
  EXPECT_EQ(b->Canvas()->Pixels(7, 50), clGreen);
  EXPECT_EQ(b->Canvas()->Pixels(8, 50), clBlue);
  EXPECT_EQ(b->Canvas()->Pixels(191, 91), clBlue);
  EXPECT_EQ(b->Canvas()->Pixels(192, 91), clGreen);
  b->SetColCaptBack(clSilver);  // redraws the field; the next paint lays it out anew
  EXPECT_EQ(b->Canvas()->Pixels(8, 50), clSilver);
  EXPECT_EQ(b->Canvas()->Pixels(7, 50), clGreen);
  b->Repaint();
  EXPECT_EQ(Shown(clGreen), 0);
}

TEST_F(Bevel3DTest, CaptionOneShowsWhileDownInItsOwnColour) {
  MakeBevel();
  b->SetCaptEnable(true);
  b->SetButtonStyle(tsPushPull);
  b->SetCaption("Aus");
  b->SetCaption1("Ein");
  b->SetColCaption(clRed);
  b->SetColCaption1(clYellow);
  ShowForm();
  EXPECT_GT(Shown(clRed), 0);
  EXPECT_EQ(Shown(clYellow), 0);
  Click(b, 50, 50);
  EXPECT_GT(Shown(clYellow), 0);
  EXPECT_EQ(Shown(clRed), 0);
  Pause();
  Click(b, 50, 50);
  EXPECT_GT(Shown(clRed), 0);
  EXPECT_EQ(Shown(clYellow), 0);
  // Without a second caption the first shows in both states, in its colour.
  b->SetCaption1("");
  Pump();
  Pause();
  Click(b, 50, 50);
  ASSERT_TRUE(b->Down());
  EXPECT_GT(Shown(clRed), 0);
  EXPECT_EQ(Shown(clYellow), 0);
}

TEST_F(Bevel3DTest, WordWrapAndFontFittingExcludeEachOther) {
  MakeBevel();
  b->SetWordWrap(true);
  EXPECT_FALSE(b->FontAutom());
  b->SetFontAutom(true);
  EXPECT_TRUE(b->WordWrap());  // until the next paint
  ShowForm();
  EXPECT_FALSE(b->WordWrap());
  EXPECT_TRUE(b->FontAutom());
}

TEST_F(Bevel3DTest, WrappedLinesGetEqualBandsAndTheRemainderStaysEmpty) {
  b = Make<TBevel3D>(10, 10, 200, 66);  // inner area 62 high: three bands of 20
  b->SetCaptEnable(true);
  b->SetColCaptBack(clSilver);
  b->SetColCaption(clRed);
  b->SetCaption("ONE|TWO|THREE");
  b->SetWordWrap(true);
  b->Font()->SetSize(8);
  ShowForm();
  for (int band = 0; band < 3; ++band) {
    EXPECT_GT(Shown(clRed, Rect(4, 4 + 20 * band, 196, 24 + 20 * band)), 0) << band;
  }
  EXPECT_EQ(Shown(clRed, Rect(4, 64, 196, 66)), 0);
  // One line in the middle without wrapping.
  b->SetWordWrap(false);
  Pump();
  EXPECT_EQ(Shown(clRed, Rect(4, 4, 196, 24)), 0);
  EXPECT_GT(Shown(clRed, Rect(4, 24, 196, 44)), 0);
}

TEST_F(Bevel3DTest, TextAdjustPlacesTheLine) {
  MakeBevel();
  b->SetCaptEnable(true);
  b->SetFontAutom(false);
  b->Font()->SetSize(10);
  b->SetCaption("Text");
  b->SetColCaption(clRed);
  ShowForm();
  auto leftmost = [&] {
    for (int x = 0; x < 200; ++x) {
      if (Shown(clRed, Rect(x, 8, x + 1, 92)) > 0) return x;
    }
    return -1;
  };
  std::vector<int> xs;
  for (TTextStyle style : {ttLeft, ttCenter, ttRight}) {
    b->SetTextAdjust(style);
    Pump();
    xs.push_back(leftmost());
  }
  EXPECT_GE(xs[0], 9);  // one pixel in from the field's left edge at 8
  EXPECT_LE(xs[0], 11);
  EXPECT_GT(xs[1], xs[0] + 40);
  EXPECT_GT(xs[2], xs[1] + 40);
}

TEST_F(Bevel3DTest, CaptionBlinksInStepWithTheBlinkPhase) {
  MakeBevel();
  b->SetCaptEnable(true);
  b->SetCaption("Hallo");
  b->SetColCaption(clYellow);
  ShowForm();
  ASSERT_EQ(TimerListItem(0)->Reload, 0);  // its blink slot fires when the phase flips
  b->SetCaptBlink(true);
  Ticks(7);
  for (int tick = 7; tick < 35; ++tick) {
    EXPECT_EQ(Shown(clYellow) > 0, BlinkPhase) << tick;
    Ticks(1);
  }
  if (BlinkPhase) Ticks(7);  // now in the blank phase
  ASSERT_EQ(Shown(clYellow), 0);
  b->SetCaptBlink(false);
  EXPECT_GT(Shown(clYellow), 0);
  Ticks(14);
  EXPECT_GT(Shown(clYellow), 0);
}

TEST_F(Bevel3DTest, AnEmptyCaptionDoesNotBlinkAndNothingBlinksBeforeThePaint) {
  MakeBevel();
  b->SetCaptEnable(true);
  b->SetCaptBlink(true);
  Ticks(14);  // no window yet: nothing happens
  ShowForm();
  const int field = Shown(clBlue);
  EXPECT_GT(field, 0);
  for (int i = 0; i < 14; ++i) {
    Ticks(1);
    EXPECT_EQ(Shown(clBlue), field);
  }
}

TEST_F(Bevel3DTest, DownOnAPushButtonOnlyRedrawsTheField) {
  MakeBevel();
  b->SetCaptEnable(true);
  b->SetButtonStyle(tsPush);
  ShowForm();
  b->Canvas()->Brush()->SetColor(clBlack);
  b->Canvas()->FillRect(Rect(0, 0, 200, 100));
  b->SetDown(true);
  EXPECT_FALSE(b->Down());
  EXPECT_EQ(b->Canvas()->Pixels(100, 50), clBlue);
  EXPECT_EQ(b->Canvas()->Pixels(5, 5), clBlack);
}

}  // namespace
