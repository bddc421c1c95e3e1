#include "programs/demo/forms/fmageye.h"

#include <memory>

#include "library/foundation/helpers.h"
#include "programs/demo/magiceyestate.h"
#include "tests/programs/demo/demo_fixture.h"

namespace {

class MagicEyeDemoTest : public DemoTest {
 protected:
  TMagicEyeDemo* Open() {
    demo = OpenDemoForm("MagicEyeBtn");
    return static_cast<TMagicEyeDemo*>(demo.get());
  }
  std::unique_ptr<TForm> demo;
};

TEST_F(MagicEyeDemoTest, ThePotentiometersSetTheStretch) {
  TMagicEyeDemo* f = Open();
  f->PotiStart->SetValue(8);
  f->PotiStart->onChanging(f->PotiStart);
  f->PotiEnd->SetValue(2.5);
  f->PotiEnd->onChanging(f->PotiEnd);
  EXPECT_DOUBLE_EQ(f->Magic->StartPos(), 8);
  EXPECT_DOUBLE_EQ(f->Magic->EndPos(), 2.5);
}

// One indicator per tick, the wave moving on by 10 degrees after each round of twelve, and the
// wave carries on where it stood when the form was last closed.
TEST_F(MagicEyeDemoTest, TheWaveTravelsOnFromOneOpeningToTheNext) {
  MagicEyeIndex = 10;
  MagicEyePhase = 350;
  struct Step {
    bool reopen;
    int eye;  // MagicEye1..12 updated by the tick
    double degrees;
  };
  const Step steps[] = {
      {false, 12, 110 + 350},  // index 11
      {false, 1, 0},           // the round ends: index 0, phase 360 is 0
      {true, 2, 10},           // a new form, the same wave
      {false, 3, 20},
  };
  TMagicEyeDemo* f = Open();
  for (const Step& s : steps) {
    SCOPED_TRACE(s.eye);
    if (s.reopen) {
      demo.reset();
      f = Open();
    }
    Ticks(1);
    for (int i = 0; i < 12; ++i) {
      const TMagicEye* eye = f->MagicEyes[size_t(i)];
      if (i + 1 == s.eye) {
        EXPECT_DOUBLE_EQ(eye->StartPos(), SinDeg(s.degrees));
        EXPECT_DOUBLE_EQ(eye->EndPos(), -SinDeg(s.degrees));
      } else if (s.reopen) {
        EXPECT_DOUBLE_EQ(eye->StartPos(), -0.001) << "eye " << i + 1;
      }
    }
  }
}

}  // namespace
