// The LED check box demo: modes, the two-way checked state, the radio partner and Exit.

#include "programs/demo/forms/fledchk.h"

#include "tests/programs/demo/demo_fixture.h"

namespace {

class LedCheckDemoTest : public DemoTest {
 protected:
  void SetUp() override {
    demo = OpenDemoForm("LedCheckBtn");
    f = static_cast<TLedCheckDemo*>(demo.get());
  }
  void ClickOn(TControl* c) {
    Click(c, c->Width() / 2, c->Height() / 2);
    Pause();
  }
  // "Checked" and "UnChecked" as two letters.
  std::string StatusRadios() const {
    return std::string(f->Check[5]->Checked() ? "1" : "0") + (f->Check[6]->Checked() ? "1" : "0");
  }
  std::unique_ptr<TForm> demo;
  TLedCheckDemo* f = nullptr;
};

TEST_F(LedCheckDemoTest, ModeRadiosSetTheModeAndTheArrows) {
  const struct {
    int radio;
    TCheckMode mode;
    int arrowGlyph;
  } cases[] = {
      {4, lcRadioBtn, 1}, {2, lcButton, 2}, {4, lcRadioBtn, 1}, {3, lcCheckBox, 2}, {1, lcNone, 2}};
  EXPECT_EQ(f->LedCheck->CheckMode(), lcNone);
  EXPECT_EQ(f->MultiBmpL->GlyphSel(), 2);
  for (const auto& c : cases) {
    ClickOn(f->Check[size_t(c.radio)]);
    EXPECT_TRUE(f->Check[size_t(c.radio)]->Checked()) << c.radio;
    EXPECT_EQ(f->LedCheck->CheckMode(), c.mode) << c.radio;
    EXPECT_EQ(f->MultiBmpL->GlyphSel(), c.arrowGlyph) << c.radio;
    EXPECT_EQ(f->MultiBmpR->GlyphSel(), c.arrowGlyph) << c.radio;
  }
}

TEST_F(LedCheckDemoTest, CheckedStateFollowsBothWays) {
  ClickOn(f->Check[3]);  // CheckBox
  EXPECT_EQ(StatusRadios(), "01");
  ClickOn(f->LedCheck);
  EXPECT_TRUE(f->LedCheck->Checked());
  EXPECT_EQ(StatusRadios(), "10");
  ClickOn(f->LedCheck);
  EXPECT_FALSE(f->LedCheck->Checked());
  EXPECT_EQ(StatusRadios(), "01");
  ClickOn(f->Check[5]);  // "Checked"
  EXPECT_TRUE(f->LedCheck->Checked());
  EXPECT_EQ(StatusRadios(), "10");
  ClickOn(f->Check[6]);  // "UnChecked"
  EXPECT_FALSE(f->LedCheck->Checked());
  EXPECT_EQ(StatusRadios(), "01");
}

TEST_F(LedCheckDemoTest, RadioPartnerReleasesTheLedCheckOnlyInRadioMode) {
  const struct {
    int modeRadio;
    bool ledCheckAfter;
    const char* statusAfter;
  } cases[] = {
      {4, false, "01"},  // RadioBtn: the partner takes the group, "UnChecked" comes on
      {3, true, "10"},   // CheckBox: the partner touches neither
      {2, true, "10"},   // Button
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.modeRadio);
    SetUp();
    ClickOn(f->Check[size_t(c.modeRadio)]);
    ClickOn(f->Check[5]);  // LedCheck checked through "Checked"
    ASSERT_TRUE(f->LedCheck->Checked());
    ClickOn(f->LedCheck9);
    EXPECT_TRUE(f->LedCheck9->Checked());
    EXPECT_EQ(f->LedCheck->Checked(), c.ledCheckAfter);
    EXPECT_EQ(StatusRadios(), c.statusAfter);
  }
}

TEST_F(LedCheckDemoTest, ExitClosesOnReleaseNotOnPress) {
  TLedCheck* exit = f->Check[15];
  Press(exit, 10, 10);
  EXPECT_TRUE(f->Visible());
  Release(exit, 10, 10);
  Pump();
  EXPECT_FALSE(f->Visible());
}

TEST_F(LedCheckDemoTest, SliderSetsTheLedSize) {
  EXPECT_EQ(f->LedCheck->LedSize(), 30);
  // Dragging the button to the bottom end of the trench.
  const TPoint button = f->Slider->ButtonPos(f->Slider->Value());
  Press(f->Slider, button.X, button.Y);
  Move(f->Slider, button.X, f->Slider->Height() - 1);
  Ticks(10);
  Release(f->Slider, button.X, f->Slider->Height() - 1);
  EXPECT_EQ(f->LedCheck->LedSize(), 6);
}

}  // namespace
