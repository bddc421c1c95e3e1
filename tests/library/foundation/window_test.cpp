// A small window built from the foundation alone: framed push and toggle buttons, a row of
// segment digits and a timer component blinking a lamp in step with the shared blink phase.

#include <gtest/gtest.h>

#include <string>

#include "library/foundation/digits.h"
#include "library/foundation/frame.h"
#include "library/foundation/smarttimer.h"
#include "library/foundation/tickservice.h"
#include "platform/forms/testing/formtest.h"
#include "platform/graphics/bitmap.h"

namespace {

constexpr TColor kLampOn = clRed;
constexpr TColor kLampOff = clMaroon;

// A framed digit readout, the way the displays of the library use the frame and the cells.
class TDigitPanel : public TRahmen {
 public:
  explicit TDigitPanel(TComponent* owner) : TRahmen(owner) {
    SetBevelIn(bvLowered);
    SetColBgnd(clBlack);
  }
  void SetValueText(const std::string& text) {
    FText = text;
    Invalidate();
  }

 protected:
  void Paint() override {
    TRahmen::Paint();
    FRow.Layout(InnerRect, 5, ColBgnd());
    FRow.SetText(FText, *Canvas(), clLime);
    if (OnRepaint) OnRepaint(this);
  }

 private:
  TDigDisplay FRow;
  std::string FText;
};

class FoundationWindow : public FormTest {
 protected:
  FoundationWindow() {
    TickServiceStartup();
    push = new TRahmen(form);
    push->SetParent(form);
    push->SetBounds(10, 10, 100, 40);
    push->SetButtonStyle(tsPush);
    toggle = new TRahmen(form);
    toggle->SetParent(form);
    toggle->SetBounds(120, 10, 100, 40);
    toggle->SetButtonStyle(tsPushPull);
    digits = new TDigitPanel(form);
    digits->SetParent(form);
    digits->SetBounds(10, 60, 250, 80);
    digits->SetValueText("12.34");
    lamp = new TRahmen(form);
    lamp->SetParent(form);
    lamp->SetBounds(270, 60, 40, 40);
    lamp->SetColBgnd(kLampOff);
    blinker = new TSmartTimer(form);
    blinker->TimerEvent = [this](TObject*, bool high) {
      lamp->SetColBgnd(high ? kLampOn : kLampOff);
    };
    blinker->SetTimerMode(tmBlinking);
    toggle->OnDown = [this](TObject*) { digits->SetValueText("-8.8.8.8"); };
    ShowForm();
  }
  ~FoundationWindow() override {
    delete form;
    form = nullptr;
    TickServiceShutdown();
  }

  TRahmen* push;
  TRahmen* toggle;
  TDigitPanel* digits;
  TRahmen* lamp;
  TSmartTimer* blinker;
};

TEST_F(FoundationWindow, ButtonsDigitsAndLampWork) {
  // The readout shows "1", "2." and so on: the top bar of the first digit is off, of the second on.
  EXPECT_EQ(ScreenPixel(digits, 24, 10), clBlack);
  EXPECT_EQ(ScreenPixel(digits, 72, 10), clLime);

  Pause();
  Press(push, 50, 20);
  Pump();
  EXPECT_TRUE(push->Status());
  EXPECT_EQ(ScreenPixel(push, 1, 20), clGray);  // pressed look
  Release(push, 50, 20);
  Pump();
  EXPECT_FALSE(push->Status());
  EXPECT_EQ(ScreenPixel(push, 1, 20), clWhite);

  Click(toggle, 50, 20);
  Pump();
  EXPECT_TRUE(toggle->Status());
  EXPECT_EQ(ScreenPixel(digits, 24, 10), clBlack);  // "-": middle bar only
  EXPECT_EQ(ScreenPixel(digits, 72, 10), clLime);

  // The lamp follows the blink phase, one tick after each flip at most.
  for (int tick = 1; tick <= 28; ++tick) {
    TickServiceCallback();
    Pump();
    if (tick % 7 == 0) {
      EXPECT_EQ(ScreenPixel(lamp, 20, 20), BlinkPhase ? kLampOn : kLampOff) << tick;
    }
  }

  std::unique_ptr<TBitmap> image = form->GetFormImage();
  image->SaveToFile(::testing::TempDir() + "foundation_window.bmp");
}

}  // namespace
