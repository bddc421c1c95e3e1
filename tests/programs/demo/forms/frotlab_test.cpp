// The rotated label demo: the animation at every showing and the inputs that shape the label.

#include "programs/demo/forms/frotlab.h"

#include "tests/programs/demo/demo_fixture.h"

namespace {

class RotLabelDemoTest : public DemoTest {
 protected:
  void Open() {
    demo = OpenDemoForm("RotLabelBtn");
    f = static_cast<TRotLabelDemo*>(demo.get());
  }
  std::unique_ptr<TForm> demo;
  TRotLabelDemo* f = nullptr;
};

// Ticks run without pumping, so the label is only marked for repainting at each step: the
// animation costs no drawing here.
TEST_F(RotLabelDemoTest, TheAnimationEndsUprightAtSize48AndStartsAgainOnReopening) {
  for (int opening = 0; opening < 2; ++opening) {
    Open();
    TRotLabel* label = f->RotLabel;
    EXPECT_EQ(label->rlStyle3D(), rlShadowed);
    EXPECT_EQ(label->Font()->Size(), 6);
    EXPECT_EQ(label->rlAngle(), 9);
    EXPECT_EQ(f->SmartTimer->TimerMode(), tmTicking);
    // One step every 100 ms, i.e. every second tick: 66 steps turn it by 594 degrees.
    Ticks(2 * 66);
    EXPECT_EQ(label->Font()->Size(), 72);
    EXPECT_EQ(label->rlAngle(), (9 + 66 * 9) % 360);
    EXPECT_EQ(label->rlStyle3D(), rlShadowed);
    // The 67th step ends it.
    Ticks(2);
    EXPECT_EQ(label->Font()->Size(), 48);
    EXPECT_EQ(label->rlAngle(), 0);
    EXPECT_EQ(label->rlStyle3D(), rlRaised);
    EXPECT_EQ(f->SmartTimer->TimerMode(), tmStopped);
    Ticks(20);
    EXPECT_EQ(label->Font()->Size(), 48);
  }
}

TEST_F(RotLabelDemoTest, InputsShapeTheLabel) {
  Open();
  Ticks(2 * 67);
  TRotLabel* label = f->RotLabel;

  f->AngleScroll->SetPosition(135);
  EXPECT_EQ(label->rlAngle(), 135);
  f->AngleScroll->SetPosition(360);
  EXPECT_EQ(label->rlAngle(), 0);

  const T3DEffect styles[] = {rlRaised, rlLowered, rlShadowed, rlNormal};
  for (int i = 0; i < 4; ++i) {
    f->AttrSel->SetItemIndex(i);
    EXPECT_EQ(label->rlStyle3D(), styles[i]) << i;
  }

  // Both offsets start at "+5"; the lower arrow steps down while it is held.
  EXPECT_EQ(label->rlShOffSetV(), 5);
  for (TTextSpin* spin : {f->HorOffset, f->VertOffset}) {
    EXPECT_EQ(spin->PosString(), "+5 " + std::string(spin == f->HorOffset ? "hor" : "ver"));
    Press(spin, spin->Width() - 10, spin->Height() - 6);
    EXPECT_EQ(spin->PosInteger(), 4);
    Release(spin, spin->Width() - 10, spin->Height() - 6);
    Pause();
  }
  EXPECT_EQ(label->rlShOffSetH(), 4);
  EXPECT_EQ(label->rlShOffSetV(), 4);

  // The font dialog starts with the label's font; OK hands the chosen one over, Cancel nothing.
  dialogs.Answer(mrOk, "Liberation Serif", 20);
  Click(f->FontBtn, 10, 10);
  ASSERT_EQ(dialogs.Asked().size(), 1u);
  EXPECT_EQ(dialogs.Asked()[0].Text, "Arial");
  EXPECT_EQ(label->Font()->Name(), "Liberation Serif");
  EXPECT_EQ(label->Font()->Size(), 20);
  Pause();
  dialogs.Answer(mrCancel, "Arial", 30);
  Click(f->FontBtn, 10, 10);
  EXPECT_EQ(label->Font()->Name(), "Liberation Serif");
  EXPECT_EQ(label->Font()->Size(), 20);
}

}  // namespace
