// The rotary potentiometer demo: the readout driven by real turns in the chosen event, the
// preset, the divisions and the colour and caption groups.

#include "programs/demo/forms/fpoti270.h"

#include <cmath>

#include "platform/base/sysutils.h"
#include "tests/programs/demo/demo_fixture.h"

namespace {

class Poti270DemoTest : public DemoTest {
 protected:
  void SetUp() override {
    demo = OpenDemoForm("Poti270Btn");
    f = static_cast<TPoti270Demo*>(demo.get());
  }
  // The client point at Angle degrees (0 straight down, growing clockwise on the screen), well
  // inside the knob.
  TPoint AtAngle(double Angle) const {
    const TPoint c = f->Poti->Plane().Centre;
    const double r = f->Poti->Width() / 4.0, a = Angle * M_PI / 180;
    return {c.X - int(std::lround(r * std::sin(a))), c.Y + int(std::lround(r * std::cos(a)))};
  }

  std::unique_ptr<TForm> demo;
  TPoti270Demo* f = nullptr;
};

// Unchecked, the readout follows every step of the turn; checked, it waits for the release.
TEST_F(Poti270DemoTest, ReadoutRunsInTheChosenEventWhileTurning) {
  EXPECT_EQ(f->ValueOut->Text(), "0.000");
  for (bool on_changed : {false, true}) {
    SCOPED_TRACE(on_changed);
    if (f->EventSel->Checked() != on_changed) Click(f->EventSel, 5, 8);
    ASSERT_EQ(f->EventSel->Checked(), on_changed);
    const std::string before = f->ValueOut->Text();
    TPoint p = AtAngle(90);  // an eighth of the arc from its start
    Press(f->Poti, p.X, p.Y);
    // Steps of 30 degrees stay within the jump limit; the top of the dial is the middle.
    for (double angle : {120.0, 150.0, 180.0}) {
      p = AtAngle(angle);
      Move(f->Poti, p.X, p.Y);
      EXPECT_EQ(f->ValueOut->Text(),
                on_changed ? before : FloatToStrF(f->Poti->Value(), ffFixed, 6, 3));
    }
    EXPECT_NEAR(f->Poti->Value(), 5, 0.1);
    Release(f->Poti, p.X, p.Y);
    EXPECT_EQ(f->ValueOut->Text(), FloatToStrF(f->Poti->Value(), ffFixed, 6, 3));
    Pause();
    p = AtAngle(30);
    Click(f->Poti, p.X, p.Y);  // in the gap left of the bottom: back to the start
    Pause();
    ASSERT_DOUBLE_EQ(f->Poti->Value(), 0);
  }
}

TEST_F(Poti270DemoTest, PresetSetsFiveAndReadsItOut) {
  Click(f->PresetEnable, 5, 8);
  ASSERT_TRUE(f->Poti->PresEnable());
  Pump();
  const TPoint p = AtAngle(270);
  Click(f->Poti, p.X, p.Y);
  Pause();
  ASSERT_NEAR(f->Poti->Value(), 8.33, 0.05);
  const TRect preset = f->Poti->PresetRect();
  Click(f->Poti, (preset.Left + preset.Right) / 2, (preset.Top + preset.Bottom) / 2);
  EXPECT_DOUBLE_EQ(f->Poti->Value(), 5);
  EXPECT_EQ(f->ValueOut->Text(), "5.000");
}

TEST_F(Poti270DemoTest, DivisionsFollowTheSpinAtBothEnds) {
  EXPECT_EQ(f->Poti->ScalaPart(), 2);
  struct Case {
    int Position, ScalaPart;
  };
  for (const Case& c : {Case{8, 10}, Case{3, 5}, Case{0, 2}}) {
    f->SelTeilung->SetPosition(c.Position);
    f->SelTeilung->onChanging(f->SelTeilung);
    EXPECT_EQ(f->Poti->ScalaPart(), c.ScalaPart) << c.Position;
  }
}

TEST_F(Poti270DemoTest, GroupsSetColoursAndCaption) {
  // The knob's own colour is the last item of its group; the silver pointer has none.
  EXPECT_EQ(f->SelKnopfCol->ItemIndex(), 3);
  EXPECT_EQ(f->SelZeigerCol->ItemIndex(), -1);
  struct Case {
    TRadioGroup* Group;
    int Item;
    TColor (*Read)(TPoti270*);
    TColor Expected;
  };
  const Case cases[] = {
      {f->SelZeigerCol, 0, [](TPoti270* p) { return p->ColPointer(); }, 0x00FFFF},
      {f->SelKnopfCol, 1, [](TPoti270* p) { return p->ColButton(); }, 0xC0C0C0},
      {f->SelKnopfCol, 3, [](TPoti270* p) { return p->ColButton(); }, 0xBFBF00},
      {f->SelScalaCol, 2, [](TPoti270* p) { return p->ColScala(); }, 0x0000FF},
      {f->SelTextCol, 1, [](TPoti270* p) { return p->Font()->Color(); }, 0xFFFFFF},
  };
  for (const Case& c : cases) {
    c.Group->SetItemIndex(c.Item);
    EXPECT_EQ(c.Read(f->Poti), c.Expected) << c.Group->Name() << " " << c.Item;
  }
  f->SelCaption->SetItemIndex(1);
  EXPECT_TRUE(f->Poti->CaptEnable());
  EXPECT_EQ(f->Poti->CaptBevel(), bvLowered);
  f->SelCaption->SetItemIndex(0);
  EXPECT_FALSE(f->Poti->CaptEnable());
  f->DragDelaySel->SetPosition(8);  // "20"
  f->DragDelaySel->onChanged(f->DragDelaySel);
  EXPECT_EQ(f->Poti->DragDelay(), 20);
}

}  // namespace
