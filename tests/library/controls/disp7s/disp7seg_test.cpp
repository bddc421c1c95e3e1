#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "library/controls/disp7s/disp7s.h"
#include "library/foundation/tickservice.h"
#include "platform/base/sysutils.h"
#include "platform/forms/testing/formtest.h"

namespace {

const std::string kOverflow = "8.8.8.8.8.8.8.8.8.8.";

class Disp7SegTest : public FormTest {
 protected:
  Disp7SegTest() {
    TickServiceStartup();
    disp = new TDisp7Seg(form);
    disp->SetParent(form);
    disp->SetBounds(10, 10, 144, 72);
  }
  ~Disp7SegTest() override { TickServiceShutdown(); }

  // Each cell as its character followed by its overlay (when it has one).
  std::vector<std::string> Cells() const {
    std::vector<std::string> cells;
    for (int i = 1; i <= disp->Digits().Count(); ++i) {
      const TDigit* d = disp->Digits().Cell(i);
      std::string s(1, d->Character());
      if (d->Overlay() != 0) s += d->Overlay();
      cells.push_back(s);
    }
    return cells;
  }
  TColor Pixel(int x, int y) { return disp->Canvas()->Pixels(x, y); }

  TDisp7Seg* disp;
};

TEST_F(Disp7SegTest, NumbersAreRightAlignedOrOverflow) {
  struct Case {
    bool integer;
    double value;
    int size;
    std::string text;
    std::vector<std::string> cells;
  };
  const std::vector<std::string> eights(3, "8.");
  const Case cases[] = {
      {true, 5, 3, "  5", {" ", " ", "5"}},
      {true, -12, 3, "-12", {"-", "1", "2"}},
      {true, 123, 2, kOverflow, {"8.", "8."}},
      {true, -123, 3, kOverflow, eights},
      {false, 1.5, 4, "  1.5", {" ", " ", "1.", "5"}},
      {false, 0.5, 4, "  0.5", {" ", " ", "0.", "5"}},
      {false, -0.5, 4, " -0.5", {" ", "-", "0.", "5"}},
      {false, 0.123456, 4, "0.123", {"0.", "1", "2", "3"}},
      {false, 12.5, 2, "12.", {"1", "2."}},
      {false, 123.4, 2, kOverflow, {"8.", "8."}},
      {false, 1234567, 8, " 1234567", {" ", "1", "2", "3", "4", "5", "6", "7"}},
      {false, 12345678.9, 8, "12345678.", {"1", "2", "3", "4", "5", "6", "7", "8."}},
      // Exponent forms are shown when they fit and never cut into another number.
      {false, 1e-5, 4, "1E-5", {"1", "E", "-", "5"}},
      {false, 0.00001234, 4, kOverflow, {"8.", "8.", "8.", "8."}},
      {false, 1.5e20, 4, kOverflow, {"8.", "8.", "8.", "8."}},
  };
  ShowForm();
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.value << " on " << c.size);
    disp->SetDispSize(c.size);
    disp->Update();
    if (c.integer) {
      disp->SetValueInt(int32_t(c.value));
    } else {
      disp->SetValueFloat(c.value);
    }
    EXPECT_EQ(disp->ValueStr(), c.text);
    EXPECT_EQ(Cells(), c.cells);
    disp->SetValueStr("");  // the next value is always new
  }
}

TEST_F(Disp7SegTest, DecimalCommaSharesItsCellLikeAPoint) {
  DecimalSeparator = ',';
  disp->SetDispSize(4);
  disp->SetValueFloat(1.5);
  EXPECT_EQ(disp->ValueStr(), "  1,5");
  disp->SetValueFloat(12.25);
  EXPECT_EQ(disp->ValueStr(), "12,25");
  disp->SetValueFloat(123.456);
  EXPECT_EQ(disp->ValueStr(), "123,4");
  DecimalSeparator = '.';
}

TEST_F(Disp7SegTest, ValuesBeforeThePaintShowWithIt) {
  disp->SetDispSize(3);
  disp->SetValueInt(42);
  disp->SetValueChar('a');  // nothing to draw into yet
  EXPECT_EQ(disp->Digits().Count(), 0);
  ShowForm();
  EXPECT_EQ(Cells(), (std::vector<std::string>{" ", "4", "2"}));
  EXPECT_EQ(disp->ValueChar(), 'A');
}

TEST_F(Disp7SegTest, SingleCellKeepsTheStringForTheNextPaint) {
  disp->SetDispSize(3);
  disp->SetValueStr("abc");
  EXPECT_EQ(disp->ValueStr(), "ABC");
  ShowForm();
  disp->SetCharPos(9);  // clamped to the current size
  EXPECT_EQ(disp->CharPos(), 3);
  disp->SetValueChar('-');
  EXPECT_EQ(Cells(), (std::vector<std::string>{"A", "B", "-"}));
  disp->SetDispSize(1);
  EXPECT_EQ(disp->CharPos(), 3);  // not clamped again
  disp->SetDispSize(3);
  disp->Repaint();
  EXPECT_EQ(Cells(), (std::vector<std::string>{"A", "B", "C"}));
}

TEST_F(Disp7SegTest, SizeIsClampedToOneToEight) {
  disp->SetDispSize(0);
  EXPECT_EQ(disp->DispSize(), 1);
  disp->SetDispSize(20);
  EXPECT_EQ(disp->DispSize(), 8);
}

TEST_F(Disp7SegTest, LedsLightDimAndBlinkInStep) {
  // LED centres for 144 x 72.
  const TPoint led1{144 - 11 * 72 / 20, 8 * 72 / 10};
  const TPoint led2{144 - 5 * 72 / 20, 8 * 72 / 10};
  disp->SetLedEnable(false);
  disp->SetLedOn1(true);  // ignored without LEDs
  EXPECT_FALSE(disp->LedOn1());
  disp->SetLedEnable(true);
  ShowForm();
  EXPECT_EQ(Pixel(led1.X, led1.Y), TColor(0x000060));
  EXPECT_EQ(Pixel(led2.X, led2.Y), TColor(0x006000));
  disp->SetLedOn1(true);
  EXPECT_EQ(Pixel(led1.X, led1.Y), clRed);
  disp->SetColLed1(clBlue);
  EXPECT_EQ(Pixel(led1.X, led1.Y), clBlue);

  // LED 1 blinks while on, LED 2 while off: they are lit in opposite half cycles.
  disp->SetLedBlink1(true);
  disp->SetLedBlink2(true);
  while (TickCounter() != 6) TickServiceCallback();  // at the end of a half cycle
  for (int cycle = 0; cycle < 4; ++cycle) {
    for (int i = 0; i < 7; ++i) TickServiceCallback();
    SCOPED_TRACE(BlinkPhase);
    EXPECT_EQ(Pixel(led1.X, led1.Y), BlinkPhase ? TColor(0x600000) : clBlue);
    EXPECT_EQ(Pixel(led2.X, led2.Y), BlinkPhase ? clLime : TColor(0x006000));
  }
}

TEST_F(Disp7SegTest, PlateIsLeftOutOnSilver) {
  disp->SetColBgnd(clGreen);
  ShowForm();
  // The plate's top edge and its inside above the digits (frame 4, margin 3, digits 4 further).
  EXPECT_EQ(Pixel(30, 7), clWhite);
  EXPECT_EQ(Pixel(30, 9), clBlue);
  disp->SetColBack(clSilver);
  disp->Update();
  EXPECT_EQ(Pixel(30, 7), clGreen);
  EXPECT_EQ(Pixel(30, 9), clGreen);
}

TEST_F(Disp7SegTest, UnitTextSetLaterKeepsTheFontColour) {
  disp->Font()->SetColor(clRed);
  disp->SetColBgnd(clWhite);
  ShowForm();
  disp->SetTextEinh("kV");
  // The unit text's rectangle for 144 x 72.
  int red = 0, grey = 0;
  for (int y = 12; y < 46; ++y) {
    for (int x = 94; x < 139; ++x) {
      red += Pixel(x, y) == clRed;
      grey += Pixel(x, y) == clGray;
    }
  }
  EXPECT_GT(red, 10);
  EXPECT_EQ(grey, 0);
}

}  // namespace
