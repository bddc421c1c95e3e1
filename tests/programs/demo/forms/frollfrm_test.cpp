// The roll-up panel demo: the nested panels roll by their own buttons, and the spins shape the
// arrow button.

#include "programs/demo/forms/frollfrm.h"

#include "tests/programs/demo/demo_fixture.h"

namespace {

class RollFormDemoTest : public DemoTest {
 protected:
  void SetUp() override {
    demo = OpenDemoForm("RollFormBtn");
    f = static_cast<TRollFormDemo*>(demo.get());
  }
  void ClickButton(TSpeedButton* b) {
    Click(b, 4, 4);
    Pause();
    Pump();
  }
  std::unique_ptr<TForm> demo;
  TRollFormDemo* f = nullptr;
};

TEST_F(RollFormDemoTest, InnerPanelsRollDownOverTheOthersAndCanBeClosed) {
  EXPECT_TRUE(f->MainBar->Down());
  EXPECT_EQ(f->MainBar->Height(), 213);
  EXPECT_FALSE(f->MainBar->CloseButton()->Visible());
  for (TRollBar* bar : {f->RollBar1, f->RollBar2, f->RollBar3}) {
    EXPECT_FALSE(bar->Down()) << bar->Name();
    EXPECT_EQ(bar->Height(), bar->MinHeight()) << bar->Name();
    EXPECT_TRUE(bar->CloseButton()->Visible()) << bar->Name();
  }
  // Rolled down, each panel lies in front of the others and inside the main panel.
  for (TRollBar* bar : {f->RollBar2, f->RollBar1, f->RollBar3}) {
    ClickButton(bar->RollDownButton());
    EXPECT_TRUE(bar->Down()) << bar->Name();
    EXPECT_EQ(bar->Height(), 150) << bar->Name();
    EXPECT_EQ(f->MainBar->Controls(f->MainBar->ControlCount() - 1), bar) << bar->Name();
    EXPECT_LE(bar->Top() + bar->Height(), f->MainBar->ClientHeight()) << bar->Name();
    ClickButton(bar->RollUpButton());
    EXPECT_EQ(bar->Height(), bar->MinHeight()) << bar->Name();
  }
  ClickButton(f->RollBar3->CloseButton());
  EXPECT_FALSE(f->RollBar3->Visible());
  // The main panel rolled up hides what it holds under its caption bar.
  ClickButton(f->MainBar->RollUpButton());
  EXPECT_EQ(f->MainBar->Height(), f->MainBar->MinHeight());
  ClickButton(f->MainBar->RollDownButton());
  EXPECT_EQ(f->MainBar->Height(), 213);
  EXPECT_EQ(f->ComboBox->Items()->Count(), 4);
  EXPECT_EQ(f->RadioGroup->Items()->Count(), 4);
}

TEST_F(RollFormDemoTest, SpinsShapeTheArrowButton) {
  EXPECT_EQ(f->ArrowBtn->Orientation(), orLeft);
  EXPECT_EQ(f->ArrowBtn->Shape(), taArrow);
  // Each press on the upper arrow steps one line on.
  auto step = [this](TTextSpin* spin) {
    Click(spin, spin->Width() - 10, 5);
    Pause();
  };
  const TOrientType orientations[] = {orBottom, orRight, orTop};
  for (TOrientType o : orientations) {
    step(f->OrSpin);
    EXPECT_EQ(f->ArrowBtn->Orientation(), o) << f->OrSpin->PosString();
  }
  for (TArrBtnShape s : {taCircle, taSquare}) {
    step(f->ShapeSpin);
    EXPECT_EQ(f->ArrowBtn->Shape(), s) << f->ShapeSpin->PosString();
  }
  const struct {
    const char* line;
    bool enabled, blink, on;
  } looks[] = {
      {"off", true, false, false}, {"blink", true, true, false}, {"disabled", false, false, false}};
  for (const auto& l : looks) {
    step(f->BlinkSpin);
    ASSERT_EQ(f->BlinkSpin->PosString(), l.line);
    EXPECT_EQ(f->ArrowBtn->Enabled(), l.enabled) << l.line;
    EXPECT_EQ(f->ArrowBtn->ShapeBlink(), l.blink) << l.line;
    EXPECT_EQ(f->ArrowBtn->ShapeOn(), l.on) << l.line;
  }
  f->BlinkSpin->SetPosition(3);
  step(f->BlinkSpin);  // wraps round to "on"
  EXPECT_EQ(f->BlinkSpin->PosString(), "on");
  EXPECT_TRUE(f->ArrowBtn->Enabled());
  EXPECT_TRUE(f->ArrowBtn->ShapeOn());
  EXPECT_FALSE(f->ArrowBtn->ShapeBlink());
}

}  // namespace
