// The chainable spin demo: the product of number and prefix with its unit, and the sizing slider.

#include "programs/demo/forms/fserspin.h"

#include "tests/programs/demo/demo_fixture.h"

namespace {

class SerieSpinDemoTest : public DemoTest {
 protected:
  // A click on the lower arrow of a spin (one step down).
  void StepDown(TSerieSpin* Spin) {
    Click(Spin, Spin->Width() / 2, Spin->Height() - 8);
    Pause();
  }
  void StepUp(TSerieSpin* Spin) {
    Click(Spin, Spin->Width() / 2, 8);
    Pause();
  }
};

TEST_F(SerieSpinDemoTest, ProductAndUnitFollowTheSpins) {
  auto demo = OpenDemoForm("SerieSpinBtn");
  auto* f = static_cast<TSerieSpinDemo*>(demo.get());
  // "100" times "n" at the start.
  EXPECT_EQ(f->SpinNum->PosString(), "100");
  EXPECT_EQ(f->SpinPot->PosString(), "n");
  EXPECT_DOUBLE_EQ(f->NumOut->ValueFloat(), 1e-7);
  EXPECT_EQ(f->NumOut->UnitText(), " F");

  StepDown(f->SpinUn);
  StepDown(f->SpinUn);
  EXPECT_EQ(f->SpinUn->PosString(), "V");
  EXPECT_EQ(f->NumOut->UnitText(), " V");

  // Both factors drive the product: "200" x "\xb5", then "500" x "m".
  StepUp(f->SpinNum);
  StepUp(f->SpinPot);
  EXPECT_EQ(f->SpinPot->PosString(), "\xb5");
  EXPECT_DOUBLE_EQ(f->NumOut->ValueFloat(), 200 * 1e-6);
  StepUp(f->SpinNum);
  StepUp(f->SpinPot);
  EXPECT_DOUBLE_EQ(f->NumOut->ValueFloat(), 500 * 1e-3);
}

TEST_F(SerieSpinDemoTest, UnitListKeepsItsEightBitEntry) {
  auto demo = OpenDemoForm("SerieSpinBtn");
  auto* f = static_cast<TSerieSpinDemo*>(demo.get());
  // Past "F" comes the single byte 156, and the unit takes it as it stands.
  StepUp(f->SpinUn);
  EXPECT_EQ(f->SpinUn->PosString(), "\x9c");
  EXPECT_EQ(f->NumOut->UnitText(), " \x9c");
}

TEST_F(SerieSpinDemoTest, SizerSetsTheSpinsSize) {
  auto demo = OpenDemoForm("SerieSpinBtn");
  auto* f = static_cast<TSerieSpinDemo*>(demo.get());
  const int left = f->SerieSpin->Left(), top = f->SerieSpin->Top();
  struct Case {
    double Value;
    int Width, Height;
  };
  for (const Case& c : {Case{190, 28, 40}, Case{0, 161, 230}, Case{100, 91, 130}}) {
    f->Sizer->SetValue(c.Value);
    f->Sizer->OnChanging(f->Sizer);
    EXPECT_EQ(f->SerieSpin->Width(), c.Width) << c.Value;
    EXPECT_EQ(f->SerieSpin->Height(), c.Height) << c.Value;
    EXPECT_EQ(f->SerieSpin->Left(), left);
    EXPECT_EQ(f->SerieSpin->Top(), top);
  }
}

TEST_F(SerieSpinDemoTest, BevelButtonsSetTheSpinsFrame) {
  auto demo = OpenDemoForm("SerieSpinBtn");
  auto* f = static_cast<TSerieSpinDemo*>(demo.get());
  Click(f->LoweredCheck, 8, 10);
  EXPECT_EQ(f->SerieSpin->BevelOut(), bvLowered);
  Click(f->RaisedCheck, 8, 10);
  EXPECT_EQ(f->SerieSpin->BevelOut(), bvRaised);
  Click(f->WidthCheck, 8, 10);
  EXPECT_EQ(f->SerieSpin->BevWidth(), 2);
  Click(f->WidthCheck, 8, 10);
  EXPECT_EQ(f->SerieSpin->BevWidth(), 1);
}

}  // namespace
