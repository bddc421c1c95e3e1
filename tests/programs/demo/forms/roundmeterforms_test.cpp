// The round meter forms: turning the 120 and 180-degree meters, their linear and logarithmic
// scales, and the potentiometer preset of the two-scale meter.

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "programs/demo/forms/fmet120.h"
#include "programs/demo/forms/fmet180.h"
#include "programs/demo/forms/fmet360.h"
#include "programs/demo/forms/fpanelv.h"
#include "tests/programs/demo/demo_fixture.h"

namespace {

class RoundMeterFormsTest : public DemoTest {
 protected:
  std::unique_ptr<TForm> demo;
};

// Each orientation has its place, and in none of them does the meter cover another input.
TEST_F(RoundMeterFormsTest, TurningTheMeterMovesItToItsPlace) {
  struct Step {
    int item;  // "oben", "rechts", "unten", "links"
    TOrientType orientation;
    int left, width, height;
  };
  const struct {
    const char* button;
    std::vector<Step> steps;
  } cases[] = {
      {"Meter120Btn",
       {{1, orRight, 440, 118, 241},
        {0, orTop, 308, 250, 113},
        {3, orLeft, 440, 118, 241},
        {2, orBottom, 308, 250, 113}}},
      {"Meter180Btn",
       {{0, orTop, 332, 250, 144},
        {1, orRight, 436, 146, 245},
        {2, orBottom, 332, 250, 144},
        {3, orLeft, 436, 146, 245}}},
  };
  for (const auto& c : cases) {
    demo = OpenDemoForm(c.button);
    TRoundMeter* meter = nullptr;
    TRadioGroup* group = nullptr;
    std::function<TOrientType()> orientation;
    if (auto* f = dynamic_cast<TMeter120Demo*>(demo.get())) {
      meter = f->Meter;
      group = f->SelOrient;
      orientation = [f] { return f->Meter->Orientation(); };
    } else {
      auto* g = dynamic_cast<TMeter180Demo*>(demo.get());
      meter = g->Meter;
      group = g->SelOrient;
      orientation = [g] { return g->Meter->Orientation(); };
    }
    const int top = meter->Top();
    for (const Step& s : c.steps) {
      SCOPED_TRACE(std::string(c.button) + " item " + std::to_string(s.item));
      group->SetItemIndex(s.item);
      EXPECT_EQ(orientation(), s.orientation);
      EXPECT_EQ(meter->BoundsRect(), Bounds(s.left, top, s.width, s.height));
      Pump();
      for (const std::string& fault : DemoFormFaults(*demo, *FindDemoForm(c.button))) {
        ADD_FAILURE() << fault;
      }
    }
  }
}

// "logar." puts the meter on a logarithmic scale with the colour zones in its lower decades;
// "linear" brings back the stored scale and zones. The 180-degree form does it with its own
// zones.
TEST_F(RoundMeterFormsTest, LinearAndLogarithmicScales) {
  struct Zones {
    double start, minE, midA, midE, maxA;
  };
  const struct {
    const char* button;
    Zones log, lin;
  } cases[] = {
      {"Meter120Btn", {0.001, 0.01, 0.3, 1, 1}, {0, 1, 5, 7.5, 7.5}},
      {"Meter180Btn", {0.001, 0.01, 0.3, 1, 1}, {0, 3, 3, 8, 8}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.button);
    demo = OpenDemoForm(c.button);
    TRoundMeter* meter = nullptr;
    TRadioGroup* modus = nullptr;
    if (auto* f = dynamic_cast<TMeter120Demo*>(demo.get())) {
      meter = f->Meter;
      modus = f->SelModus;
    } else {
      auto* g = dynamic_cast<TMeter180Demo*>(demo.get());
      meter = g->Meter;
      modus = g->SelModus;
    }
    auto expect = [&](bool log, const Zones& z) {
      EXPECT_EQ(meter->NonLinear(), log);
      EXPECT_DOUBLE_EQ(meter->ValueStart(), z.start);
      EXPECT_DOUBLE_EQ(meter->ValueEnd(), 10);
      EXPECT_DOUBLE_EQ(meter->ValueMinE(), z.minE);
      EXPECT_DOUBLE_EQ(meter->ValueMidA(), z.midA);
      EXPECT_DOUBLE_EQ(meter->ValueMidE(), z.midE);
      EXPECT_DOUBLE_EQ(meter->ValueMaxA(), z.maxA);
    };
    expect(false, c.lin);
    modus->SetItemIndex(1);
    expect(true, c.log);
    modus->SetItemIndex(0);
    expect(false, c.lin);
  }
}

TEST_F(RoundMeterFormsTest, TheVerticalMeterMovesItsZonesWithTheScale) {
  demo = OpenDemoForm("MeterVBtn");
  auto* f = static_cast<TMeterVDemo*>(demo.get());
  f->SelModus->SetItemIndex(1);
  EXPECT_TRUE(f->Meter->NonLinear());
  EXPECT_DOUBLE_EQ(f->Meter->ValueMin(), 0.01);
  EXPECT_DOUBLE_EQ(f->Meter->ValueMid(), 1);
  f->SelModus->SetItemIndex(0);
  EXPECT_FALSE(f->Meter->NonLinear());
  EXPECT_DOUBLE_EQ(f->Meter->ValueStart(), 0);
  EXPECT_DOUBLE_EQ(f->Meter->ValueMin(), 2);
  EXPECT_DOUBLE_EQ(f->Meter->ValueMid(), 8);
}

TEST_F(RoundMeterFormsTest, ThePresetButtonSetsFiftyAndBothPointersTo5000) {
  demo = OpenDemoForm("Meter360Btn");
  auto* f = static_cast<TMeter360Demo*>(demo.get());
  const TRect preset = f->Poti->PresetRect();
  ASSERT_GT(preset.Width(), 0);
  Click(f->Poti, (preset.Left + preset.Right) / 2, (preset.Top + preset.Bottom) / 2);
  EXPECT_DOUBLE_EQ(f->Poti->Value(), 50);
  EXPECT_DOUBLE_EQ(f->Meter->Value1(), 5000);
  EXPECT_DOUBLE_EQ(f->Meter->Value2(), 5000);
}

// The timer moves the blinking between the two upper LEDs: LED 3 while the pointers are at 0,
// LED 4 while they are at 1000.
TEST_F(RoundMeterFormsTest, TheTwoScaleTimerMovesTheBlinkingLed) {
  demo = OpenDemoForm("Meter360Btn");
  auto* f = static_cast<TMeter360Demo*>(demo.get());
  const struct {
    double value;
    bool blink3, blink4;
  } swings[] = {{0, true, false}, {1000, false, true}, {0, true, false}};
  for (const auto& s : swings) {
    Ticks(180);  // 10 s
    EXPECT_EQ(f->Meter2->Value1(), s.value);
    // The inner scale is logarithmic: it keeps 0 as 0.001.
    EXPECT_EQ(f->Meter2->Value2(), s.value == 0 ? 0.001 : s.value);
    EXPECT_EQ(f->Meter2->LedBlink3(), s.blink3) << s.value;
    EXPECT_EQ(f->Meter2->LedBlink4(), s.blink4) << s.value;
    EXPECT_FALSE(f->Meter2->LedOn3() || f->Meter2->LedOn4());
  }
}

}  // namespace
