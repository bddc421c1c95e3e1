#include "programs/demo/forms/fgaugegp.h"

#include <functional>
#include <memory>
#include <string>

#include "tests/programs/demo/demo_fixture.h"

namespace {

class GaugeDemoTest : public DemoTest {
 protected:
  TGaugeDemo* Open() {
    demo = OpenDemoForm("GaugeBtn");
    return static_cast<TGaugeDemo*>(demo.get());
  }
  static void Slide(TSlider* Slider, double V) {
    Slider->SetValue(V);
    Slider->OnChanging(Slider);
  }
  std::unique_ptr<TForm> demo;
};

// Fifteen samples 20 degrees apart, shifted by the slider's value in degrees.
TEST_F(GaugeDemoTest, TheSliderMovesASineWaveAcrossTheGauges) {
  TGaugeDemo* f = Open();
  const struct {
    double slider;
    int gauge;  // GaugeGp1..15
    double value;
  } cases[] = {{90, 1, 1},   {90, 10, -1}, {90, 4, 0.5}, {0, 1, 0}, {150, 15, 0.9396926207859084},
               {150, 1, 0.5}};
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.slider) + " gauge " + std::to_string(c.gauge));
    Slide(f->Slider, c.slider);
    EXPECT_NEAR(f->Gauges[size_t(c.gauge - 1)]->Value(), c.value, 1e-9);
  }
}

// The fifteen upright gauges are wide enough for what they show: segments, and in meter mode the
// band, with its frame line or without.
TEST_F(GaugeDemoTest, EverySmallGaugeShowsItsBarInBothModes) {
  TGaugeDemo* f = Open();
  const struct { bool meter, border; } cases[] = {{false, true}, {true, true}, {true, false}};
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << (c.meter ? "meter mode" : "segments")
                                    << (c.border ? " with" : " without") << " border");
    f->MeterModeCheck->SetChecked(c.meter);
    f->BorderCheck->SetChecked(c.border);
    Pump();
    const Shot shot = ScreenShot(f);
    for (TGaugeGp* g : f->Gauges) {
      const TRect a = g->BarArea();
      int lit = 0;
      for (int y = a.Top; y < a.Bottom; ++y) {
        for (int x = a.Left; x < a.Right; ++x) {
          lit += shot.Pixel(g->Left() + x, g->Top() + y) == g->SegmColor();
        }
      }
      EXPECT_GT(lit, 0) << g->Name();
    }
  }
}

TEST_F(GaugeDemoTest, ThePercentSliderSetsWholePercents) {
  TGaugeDemo* f = Open();
  Slide(f->Percent, 33.6);
  EXPECT_DOUBLE_EQ(f->GaugeGp->Percent(), 34);
  EXPECT_DOUBLE_EQ(f->GaugeGp->Value(), -10 + 0.34 * 110);
}

// Upright, the gauge turns round within the room it has, clear of every other input.
TEST_F(GaugeDemoTest, TurningTheGaugeKeepsItClearOfTheOtherInputs) {
  TGaugeDemo* f = Open();
  const TRect lying = f->GaugeGp->BoundsRect();
  f->Orientation->SetItemIndex(1);
  Pump();
  EXPECT_EQ(f->GaugeGp->Orientation(), orVertical);
  EXPECT_EQ(f->GaugeGp->BoundsRect(), Bounds(lying.Left, lying.Top, lying.Height(), lying.Width()));
  for (const std::string& fault : DemoFormFaults(*f, *FindDemoForm("GaugeBtn"))) {
    ADD_FAILURE() << fault;
  }
  f->Orientation->SetItemIndex(0);
  Pump();
  EXPECT_EQ(f->GaugeGp->BoundsRect(), lying);
}

TEST_F(GaugeDemoTest, TheSpinsSetTheNumbersTheyShow) {
  TGaugeDemo* f = Open();
  const struct {
    TTextSpin* spin;
    bool up;
    std::function<int()> value;
    int expected;
  } cases[] = {
      {f->SegmWidth, true, [f] { return f->GaugeGp->SegmWidth(); }, 6},
      {f->GapSpin, false, [f] { return f->GaugeGp->SegmGap(); }, 0},
      {f->BevelWidth, true, [f] { return f->GaugeGp->BevWidth(); }, 3},
      {f->BorderWidth, false, [f] { return f->GaugeGp->BordWidth(); }, 1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.spin->Name());
    c.spin->StepPosition(c.up);
    c.spin->onChanging(c.spin);
    EXPECT_EQ(c.value(), c.expected);
  }
}

}  // namespace
