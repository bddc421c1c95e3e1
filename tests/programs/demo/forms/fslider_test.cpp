// The slider demo: the small sliders that shape the big one, and its readout.

#include "programs/demo/forms/fslider.h"

#include "platform/base/sysutils.h"
#include "tests/programs/demo/demo_fixture.h"

namespace {

class SliderDemoTest : public DemoTest {};

TEST_F(SliderDemoTest, WidthSelectorSetsTheThicknessAcrossTheTravel) {
  auto demo = OpenDemoForm("SliderBtn");
  auto* f = static_cast<TSliderDemo*>(demo.get());
  struct Case {
    bool Vertical;
    int Position;
    int Thickness;
  };
  for (const Case& c :
       {Case{true, 0, 20}, Case{true, 8, 36}, Case{false, 8, 36}, Case{false, 3, 26}}) {
    if (f->Vertikal->Checked() != c.Vertical) Click(f->Vertikal, 5, 8);
    ASSERT_EQ(f->Slider->Orientation(), c.Vertical ? orVertical : orHorizontal);
    f->SliderWidth->SetPosition(c.Position);
    f->SliderWidth->OnChanging(f->SliderWidth);
    const int length = c.Vertical ? f->Slider->Height() : f->Slider->Width();
    EXPECT_EQ(c.Vertical ? f->Slider->Width() : f->Slider->Height(), c.Thickness)
        << c.Vertical << " " << c.Position;
    EXPECT_EQ(length, 180);
  }
}

TEST_F(SliderDemoTest, WidthSelectorAtItsLastPositionByMouse) {
  auto demo = OpenDemoForm("SliderBtn");
  auto* f = static_cast<TSliderDemo*>(demo.get());
  Click(f->Vertikal, 5, 8);
  Click(f->SliderWidth, f->SliderWidth->Width() - 2, f->SliderWidth->Height() / 2);
  Pause();
  EXPECT_EQ(f->SliderWidth->Position(), 8);
  EXPECT_EQ(f->Slider->Height(), 36);
}

TEST_F(SliderDemoTest, SmallSlidersShapeTheSlider) {
  auto demo = OpenDemoForm("SliderBtn");
  auto* f = static_cast<TSliderDemo*>(demo.get());
  struct Case {
    TSlider* Source;
    double Value;
    int (TSlider::*Read)() const;
    int Expected;
  };
  for (const Case& c : {Case{f->TrenchWidth, 2, &TSlider::TrenchWidth, 3},
                        Case{f->ScalaPart, 4, &TSlider::ScalaPart, 5},
                        Case{f->BtnSize, 13.6, &TSlider::ButtonSize, 14}}) {
    if (c.Source->Selector()) {
      c.Source->SetPosition(int(c.Value));
    } else {
      c.Source->SetValue(c.Value);
    }
    c.Source->OnChanging(c.Source);
    EXPECT_EQ((f->Slider->*c.Read)(), c.Expected) << c.Source->Name();
  }
}

TEST_F(SliderDemoTest, SetPointMovesTheSliderAndTheReadoutFollows) {
  auto demo = OpenDemoForm("SliderBtn");
  auto* f = static_cast<TSliderDemo*>(demo.get());
  EXPECT_EQ(f->ValFloat->Text(), "0.00");
  f->SollWert->SetValue(40);
  f->SollWert->OnChanging(f->SollWert);
  EXPECT_DOUBLE_EQ(f->Slider->Value(), 40);
  // A press on the slider's trench reads out where it went.
  Click(f->Slider, f->Slider->Width() / 2, 12);
  Pause();
  EXPECT_EQ(f->ValFloat->Text(), FloatToStrF(f->Slider->Value(), ffFixed, 6, 2));
  EXPECT_EQ(f->ValPos->Text(), std::to_string(f->Slider->Position()));
  EXPECT_GT(f->Slider->Value(), 40);
}

}  // namespace
