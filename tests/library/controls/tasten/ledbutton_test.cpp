#include "library/controls/tasten/ledbutton.h"

#include <string>
#include <vector>

#include "tasten_fixture.h"

namespace {

class LedButtonTest : public TastenTest {
 protected:
  TLedButton* MakeButton(int x = 10, int w = 30, int h = 30) {
    return Make<TLedButton>(x, 10, w, h);
  }
  static TColor Pixel(TLedButton* b, int x, int y) { return b->Canvas()->Pixels(x, y); }
};

// 30 x 30: outline, bevel and band leave (5, 5, 25, 25); the caption field is its lower half
// (5, 15, 25, 25) and the LED a circle of radius 4 around (15, 10) in a grey socket.
TEST_F(LedButtonTest, ANewButtonIsADimLimeToggleWithAnEmptyCaptionField) {
  TLedButton* b = MakeButton();
  EXPECT_EQ(b->Width(), 30);
  EXPECT_EQ(b->Height(), 30);
  EXPECT_EQ(b->ButtonStyle(), tsPushPull);
  EXPECT_EQ(b->ColLed(), clLime);
  ShowForm();
  EXPECT_EQ(Pixel(b, 0, 0), clBlack);     // the outline of a button
  EXPECT_EQ(Pixel(b, 15, 10), 0x006000);  // dim lime
  EXPECT_EQ(Pixel(b, 15, 6), clBlack);    // the LED's outline
  EXPECT_EQ(Pixel(b, 15, 5), clGray);     // the socket ring
  EXPECT_EQ(Count(*b->Canvas(), Rect(5, 15, 25, 25), clSilver), 200);
}

TEST_F(LedButtonTest, LedPixelsLitUnlitAndDisabled) {
  TLedButton* b = MakeButton();
  b->SetColLed(0x00FF8040);
  ShowForm();
  const struct {
    bool on, enabled;
    TColor led;
  } cases[] = {
      {true, true, 0x00FF8040},   {false, true, 0x00600040}, {true, false, 0x00969696},
      {false, false, 0x00969696}, {true, true, 0x00FF8040},
  };
  for (const auto& c : cases) {
    b->SetLedOn(c.on);
    b->SetEnabled(c.enabled);
    EXPECT_EQ(Pixel(b, 15, 10), c.led) << c.on << c.enabled;  // at once, without a paint
    Pump();
    EXPECT_EQ(Pixel(b, 15, 10), c.led) << c.on << c.enabled;
  }
}

TEST_F(LedButtonTest, DisabledCaptionIsGrey) {
  TLedButton* b = MakeButton(10, 60, 60);
  b->SetCaption("AB");
  b->SetColCaption(clRed);
  ShowForm();
  const TRect field = Rect(7, 33, 53, 53);  // margin 2, top at 53 - 60 div 3
  EXPECT_GT(Count(*b->Canvas(), field, clRed), 0);
  b->SetEnabled(false);
  Pump();
  EXPECT_EQ(Count(*b->Canvas(), field, clRed), 0);
  EXPECT_GT(Count(*b->Canvas(), field, clGray), 0);
}

TEST_F(LedButtonTest, BlinkingLedsWithLedOnAndOffRunInOppositePhase) {
  TLedButton* on = MakeButton(10);
  TLedButton* off = MakeButton(50);
  on->SetLedOn(true);
  ShowForm();
  on->SetLedBlink(true);
  off->SetLedBlink(true);
  for (int half = 0; half < 4; ++half) {
    ToEndOfHalfCycle();
    SCOPED_TRACE(BlinkPhase);
    EXPECT_EQ(Pixel(on, 15, 10), BlinkPhase ? 0x006000 : clLime);
    EXPECT_EQ(Pixel(off, 15, 10), BlinkPhase ? clLime : 0x006000);
  }
  // Switched off, a dark LED is dim and a lit one lit again.
  off->SetLedBlink(false);
  on->SetLedBlink(false);
  EXPECT_EQ(Pixel(off, 15, 10), 0x006000);
  EXPECT_EQ(Pixel(on, 15, 10), clLime);
  ToEndOfHalfCycle();
  ToEndOfHalfCycle();
  EXPECT_EQ(Pixel(off, 15, 10), 0x006000);
}

TEST_F(LedButtonTest, ColourSetterRedrawsEvenWhenUnchanged) {
  TLedButton* b = MakeButton();
  b->SetLedOn(true);
  ShowForm();
  b->Canvas()->SetPixels(15, 10, clBlack);
  b->SetColLed(clLime);
  EXPECT_EQ(Pixel(b, 15, 10), clLime);
  EXPECT_TRUE(b->LedOn());
}

TEST_F(LedButtonTest, CaptionsAreCutAndTheSecondOnlyShowsBesideAFirst) {
  TLedButton* b = MakeButton(10, 60, 60);
  b->SetCaption("ABCDEFGHIJKL");
  EXPECT_EQ(b->Caption().str(), "ABCDEFGHIJ");
  b->SetCaption("");
  b->SetCaption1("Ein");
  ShowForm();
  Click(b, 30, 30);
  ASSERT_TRUE(b->Down());
  const TRect field = Rect(7, 33, 53, 53);  // margin 2, top at 53 - 60 div 3
  EXPECT_EQ(Count(*b->Canvas(), field, clSilver), field.Width() * field.Height());
}

TEST_F(LedButtonTest, ACaptionOnTheLedTakesTheOppositeShade) {
  TLedButton* b = MakeButton(10, 60, 60);
  b->SetCaptType(ctLed);
  b->SetCaption("W");
  ShowForm();
  const TRect led = Rect(20, 20, 40, 40);
  EXPECT_GT(Count(*b->Canvas(), led, clLime), 0);  // lime text on the dim LED
  b->SetLedOn(true);
  EXPECT_GT(Count(*b->Canvas(), led, 0x006000), 0);
  EXPECT_GT(Count(*b->Canvas(), led, clLime), 0);
  // Down shows the second caption when there is one.
  b->SetCaption1("");
  b->SetDown(true);
  EXPECT_GT(Count(*b->Canvas(), led, 0x006000), 0);
}

}  // namespace
