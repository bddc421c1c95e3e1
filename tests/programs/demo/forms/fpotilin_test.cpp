// The slide potentiometer demo: the readouts driven by real drags in the chosen event, the
// preset, the scale mode and the inputs that shape the potentiometer.

#include "programs/demo/forms/fpotilin.h"

#include "platform/base/sysutils.h"
#include "tests/programs/demo/demo_fixture.h"

namespace {

class PotiLinDemoTest : public DemoTest {
 protected:
  void SetUp() override {
    demo = OpenDemoForm("PotiLinBtn");
    f = static_cast<TPotiLinDemo*>(demo.get());
  }
  // The row of a slide potentiometer's travel at Fraction of its length from the low end.
  static int Row(const TPotiSlide* Poti, double Fraction) {
    return Poti->TravelTop() + Poti->TravelLength() - int(Fraction * Poti->TravelLength());
  }
  static int Column(const TPotiSlide* Poti) { return Poti->Width() / 3; }

  std::unique_ptr<TForm> demo;
  TPotiLinDemo* f = nullptr;
};

TEST_F(PotiLinDemoTest, ReadoutsStartAtTheValues) {
  EXPECT_EQ(f->Value0->Text(), "0.000");
  EXPECT_EQ(f->Value1->Text(), "0.001");
  EXPECT_EQ(f->Value2->Text(), "0.000");
  EXPECT_TRUE(f->Poti1->NonLinear());
  EXPECT_FALSE(f->Poti->CaptEnable());
  EXPECT_EQ(f->Edit1->Text(), "Volt");
}

// Unchecked, the readout follows every step of the drag; checked, it waits for the release.
TEST_F(PotiLinDemoTest, ReadoutRunsInTheChosenEventWhileDragging) {
  for (bool on_changed : {false, true}) {
    SCOPED_TRACE(on_changed);
    if (f->EventSel->Checked() != on_changed) Click(f->EventSel, 5, 8);
    ASSERT_EQ(f->EventSel->Checked(), on_changed);
    const std::string before = f->Value0->Text();
    Press(f->Poti, Column(f->Poti), Row(f->Poti, 0.2));
    for (double fraction : {0.4, 0.6, 0.8}) {
      Move(f->Poti, Column(f->Poti), Row(f->Poti, fraction));
      EXPECT_EQ(f->Value0->Text(),
                on_changed ? before : FloatToStrF(f->Poti->Value(), ffFixed, 6, 3));
    }
    EXPECT_NEAR(f->Poti->Value(), 8, 0.1);
    Release(f->Poti, Column(f->Poti), Row(f->Poti, 0.8));
    EXPECT_EQ(f->Value0->Text(), FloatToStrF(f->Poti->Value(), ffFixed, 6, 3));
    Pause();
    // Back to the bottom for the next round.
    Click(f->Poti, Column(f->Poti), Row(f->Poti, 0));
    Pause();
  }
}

TEST_F(PotiLinDemoTest, PresetSetsZeroAndReadsItOut) {
  Click(f->PresetEnable, 5, 8);
  ASSERT_TRUE(f->Poti->PresEnable());
  Pump();
  Click(f->Poti, Column(f->Poti), Row(f->Poti, 0.7));
  Pause();
  ASSERT_GT(f->Poti->Value(), 6);
  ASSERT_NE(f->Value0->Text(), "0.000");
  const TRect preset = f->Poti->PresetRect();
  Click(f->Poti, (preset.Left + preset.Right) / 2, (preset.Top + preset.Bottom) / 2);
  EXPECT_DOUBLE_EQ(f->Poti->Value(), 0);
  EXPECT_EQ(f->Value0->Text(), "0.000");
}

// The logarithmic scale repairs its start to 0.001 and pulls the value up; linear starts at zero
// again, the value staying where it was.
TEST_F(PotiLinDemoTest, ModeSwitchesTheScale) {
  struct Case {
    int Item;
    bool NonLinear;
    double Start, End, Value;
  };
  for (const Case& c : {Case{1, true, 0.001, 10, 0.001}, Case{0, false, 0, 10, 0.001},
                        Case{1, true, 0.001, 10, 0.001}}) {
    f->SelMode->SetItemIndex(c.Item);
    EXPECT_EQ(f->Poti->NonLinear(), c.NonLinear) << c.Item;
    EXPECT_DOUBLE_EQ(f->Poti->ValueStart(), c.Start) << c.Item;
    EXPECT_DOUBLE_EQ(f->Poti->ValueEnd(), c.End) << c.Item;
    EXPECT_DOUBLE_EQ(f->Poti->Value(), c.Value) << c.Item;
  }
  // On the logarithmic scale the middle of the travel is the middle decade.
  Pump();
  Click(f->Poti, Column(f->Poti), Row(f->Poti, 0.5));
  EXPECT_NEAR(f->Poti->Value(), 0.1, 0.02);
  EXPECT_EQ(f->Value0->Text(), FloatToStrF(f->Poti->Value(), ffFixed, 6, 3));
}

TEST_F(PotiLinDemoTest, InputsShapeThePotentiometer) {
  struct Caption {
    int Item;
    bool Enable;
    TPanelBevel Bevel;
  };
  // "ohne" hides the box and keeps the bevel chosen before.
  for (const Caption& c : {Caption{1, true, bvLowered}, Caption{0, false, bvLowered},
                           Caption{2, true, bvRaised}, Caption{3, true, bvNone}}) {
    f->SelCaption->SetItemIndex(c.Item);
    EXPECT_EQ(f->Poti->CaptEnable(), c.Enable) << c.Item;
    EXPECT_EQ(f->Poti->CaptBevel(), c.Bevel) << c.Item;
  }
  f->Edit1->SetText("Ampere");
  EXPECT_EQ(std::string(f->Poti->Caption()), "Ampere");
  f->SelScalaCol->SetItemIndex(3);
  EXPECT_EQ(f->Poti->ColScala(), TColor(0xFF0000));
  f->SelTextCol->SetItemIndex(2);
  EXPECT_EQ(f->Poti->Font()->Color(), TColor(0x0000FF));
  f->SelBevelIn->SetItemIndex(2);
  EXPECT_EQ(f->Poti->BevelIn(), bvLowered);
  f->DragDelaySel->SetPosition(7);  // "15"
  f->DragDelaySel->onChanged(f->DragDelaySel);
  EXPECT_EQ(f->Poti->DragDelay(), 15);
}

// The logarithmic potentiometer reads out at every tick of its delayed drag, the one around zero
// only once its drag is over.
TEST_F(PotiLinDemoTest, SidePotentiometersReadOutInTheirOwnEvents) {
  Press(f->Poti1, Column(f->Poti1), Row(f->Poti1, 1));
  Ticks(3);
  EXPECT_GT(f->Poti1->Value(), 0.001);
  EXPECT_EQ(f->Value1->Text(), FloatToStrF(f->Poti1->Value(), ffFixed, 6, 3));
  Release(f->Poti1, Column(f->Poti1), Row(f->Poti1, 1));

  Press(f->Poti2, Column(f->Poti2), Row(f->Poti2, 1));
  Ticks(20);
  EXPECT_DOUBLE_EQ(f->Poti2->Value(), 10);
  EXPECT_EQ(f->Value2->Text(), "0.000");
  Release(f->Poti2, Column(f->Poti2), Row(f->Poti2, 1));
  EXPECT_EQ(f->Value2->Text(), "10.000");
}

}  // namespace
