#include "library/controls/tasten/ledcheck.h"

#include <string>
#include <vector>

#include "tasten_fixture.h"

namespace {

// A default control is 113 x 17; its window raises the height to 18, the least for an LED of
// radius 8. The LED lies around (10, 9), the caption to its right from x = 20.
class LedCheckTest : public TastenTest {
 protected:
  TLedCheck* MakeCheck(int y = 10, TCheckMode mode = lcNone) {
    auto* c = Make<TLedCheck>(10, y, 113, 17);
    c->SetCheckMode(mode);
    return c;
  }
  static TColor Led(TLedCheck* c) { return c->Canvas()->Pixels(10, 9); }
  static constexpr TColor kRed = clRed, kDimRed = 0x000060;
};

TEST_F(LedCheckTest, ANewControlIsAnUnlitIndicatorThatOnlyReportsClicks) {
  TLedCheck* c = MakeCheck();
  EXPECT_EQ(c->Width(), 113);
  EXPECT_EQ(c->Height(), 17);
  Record(c, "c");
  ShowForm();
  EXPECT_EQ(c->Height(), 18);
  EXPECT_EQ(Led(c), kDimRed);
  EXPECT_EQ(c->Canvas()->Pixels(4, 9), clBlack);  // the LED's outline at radius 6
  Click(c, 10, 9);
  Pause();
  Click(c, 10, 9, mbRight);
  EXPECT_FALSE(c->Checked());
  EXPECT_EQ(Led(c), kDimRed);
  EXPECT_EQ(events, (std::vector<std::string>{"c click", "c click"}));
}

TEST_F(LedCheckTest, EachModeShowsItsStateAlreadyWhileTheButtonIsHeld) {
  const struct {
    TCheckMode mode;
    bool held, after_first, after_second;
    std::vector<std::string> events;
  } cases[] = {
      {lcButton, true, false, false, {"down", "up", "click", "down", "up", "click"}},
      {lcCheckBox, true, true, false, {"down", "click", "up", "click"}},
      {lcRadioBtn, true, true, false, {"down", "click", "up", "click"}},  // no group
  };
  ShowForm();
  for (const auto& tc : cases) {
    SCOPED_TRACE(tc.mode);
    TLedCheck* c = MakeCheck(10, tc.mode);
    std::vector<std::string> seen;
    c->OnDown = [&](TObject*) { seen.push_back("down"); };
    c->OnUp = [&](TObject*) { seen.push_back("up"); };
    c->OnClick = [&](TObject*) { seen.push_back("click"); };
    Pump();
    Pause();
    Press(c, 10, 9);
    EXPECT_EQ(Led(c), tc.held ? kRed : kDimRed);
    Release(c, 10, 9);
    EXPECT_EQ(c->Checked(), tc.after_first);
    EXPECT_EQ(Led(c), tc.after_first ? kRed : kDimRed);
    Pause();
    Click(c, 10, 9);
    EXPECT_EQ(c->Checked(), tc.after_second);
    EXPECT_EQ(Led(c), tc.after_second ? kRed : kDimRed);
    EXPECT_EQ(seen, tc.events);
    delete c;
  }
}

TEST_F(LedCheckTest, LedSizeIsClampedAndTheWindowKeepsRoomForTheLed) {
  TLedCheck* c = MakeCheck();
  const struct { int set, stored; } sizes[] = {{3, 6}, {40, 30}, {8, 8}};
  for (const auto& s : sizes) {
    c->SetLedSize(s.set);
    EXPECT_EQ(c->LedSize(), s.stored);
  }
  ShowForm();
  c->SetBounds(10, 10, 10, 10);
  EXPECT_EQ(c->Width(), 18);
  EXPECT_EQ(c->Height(), 18);
  c->SetBevelOut(bvRaised);
  c->SetBevWidth(2);
  c->SetHeight(5);
  EXPECT_EQ(c->Height(), 22);
}

TEST_F(LedCheckTest, CaptionFrameAlwaysOrOnlyWhileChecked) {
  TLedCheck* c = MakeCheck(10, lcCheckBox);
  c->SetCaption("Messung");
  c->SetCaptFrmCol(clBlue);
  c->SetCaptAutoFrm(true);
  ShowForm();
  auto framed = [&] { return c->Canvas()->Pixels(20, 9) == clBlue; };
  EXPECT_FALSE(framed());
  c->SetChecked(true);
  EXPECT_TRUE(framed());
  c->SetCaptFrame(true);
  EXPECT_FALSE(c->CaptAutoFrm());
  c->SetChecked(false);
  Pump();
  EXPECT_TRUE(framed());
  c->SetCaptAutoFrm(true);
  EXPECT_FALSE(c->CaptFrame());
  Pump();
  EXPECT_FALSE(framed());
}

TEST_F(LedCheckTest, CaptionOneAndItsColourShowWhileChecked) {
  TLedCheck* c = MakeCheck(10, lcCheckBox);
  c->SetCaption("Aus");
  c->SetCaption1("Ein");
  c->SetCaptionCol(clNavy);
  c->SetCaptionCol1(clGreen);
  ShowForm();
  const TRect caption = Rect(20, 0, 113, 18);
  EXPECT_GT(Count(*c->Canvas(), caption, clNavy), 0);
  c->SetChecked(true);
  EXPECT_EQ(Count(*c->Canvas(), caption, clNavy), 0);
  EXPECT_GT(Count(*c->Canvas(), caption, clGreen), 0);
  c->SetEnabled(false);
  EXPECT_EQ(Count(*c->Canvas(), caption, clGreen), 0);
  EXPECT_GT(Count(*c->Canvas(), caption, clGray), 0);
}

TEST_F(LedCheckTest, ACheckedLedBlinksInStepAndADisabledOneStaysGrey) {
  TLedCheck* on = MakeCheck(10, lcCheckBox);
  TLedCheck* off = MakeCheck(40, lcCheckBox);
  on->SetChecked(true);
  ShowForm();
  on->SetLedBlink(true);
  off->SetLedBlink(true);
  for (int half = 0; half < 4; ++half) {
    ToEndOfHalfCycle();
    SCOPED_TRACE(BlinkPhase);
    EXPECT_EQ(Led(on), BlinkPhase ? kRed : kDimRed);
    EXPECT_EQ(Led(off), kDimRed);  // an unchecked LED does not blink
  }
  on->SetEnabled(false);
  for (int half = 0; half < 2; ++half) {
    ToEndOfHalfCycle();
    EXPECT_EQ(Led(on), 0x969696);
  }
}

TEST_F(LedCheckTest, RectangularLedAndOtherCaptionPlaces) {
  TLedCheck* c = Make<TLedCheck>(10, 10, 60, 60);
  c->SetLedShape(ledRectangle);
  c->SetLedCol(clLime);
  c->SetChecked(true);
  const struct {
    TOrientType pos;
    TPoint led;
  } cases[] = {
      {orTop, {30, 50}},     // LED at the bottom, caption above
      {orBottom, {30, 10}},  // LED at the top
      {orLeft, {50, 30}},    // LED at the right
      {orRight, {10, 30}},
  };
  ShowForm();
  for (const auto& tc : cases) {
    c->SetCaptPos(tc.pos);
    Pump();
    EXPECT_EQ(c->Canvas()->Pixels(tc.led.X, tc.led.Y), clLime) << tc.pos;
    // The corner of the rectangle is lit too.
    EXPECT_EQ(c->Canvas()->Pixels(tc.led.X - 5, tc.led.Y - 5), clLime) << tc.pos;
  }
}

}  // namespace
