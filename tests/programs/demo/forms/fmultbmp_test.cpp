// The bitmap strip demo: stepping, the one-shot animations, the strip buttons' group, closing.

#include "programs/demo/forms/fmultbmp.h"

#include <algorithm>

#include "tests/programs/demo/demo_fixture.h"

namespace {

class MultiBmpDemoTest : public DemoTest {
 protected:
  void SetUp() override {
    demo = OpenDemoForm("GlyphBtn");
    f = static_cast<TMultiBmpDemo*>(demo.get());
  }
  void ClickOn(TControl* c) {
    Click(c, c->Width() / 2, c->Height() / 2);
    Pause();
  }
  std::unique_ptr<TForm> demo;
  TMultiBmpDemo* f = nullptr;
};

TEST_F(MultiBmpDemoTest, TimerStepsTheRunningStripsRoundTheirFrames) {
  const int dog[] = {2, 3, 4, 5, 6, 1, 2};
  const int monkey[] = {7, 8, 9, 10, 1, 2, 3};
  ASSERT_EQ(f->Monkey->GlyphSel(), 6);
  for (size_t i = 0; i < std::size(dog); ++i) {
    f->SmartTimer1TimerEvent(f->SmartTimer1, false);
    EXPECT_EQ(f->Dog->GlyphSel(), dog[i]) << i;
    EXPECT_EQ(f->Dogv->GlyphSel(), dog[i]) << i;
    EXPECT_EQ(f->Monkey->GlyphSel(), monkey[i]) << i;
  }
}

TEST_F(MultiBmpDemoTest, ClickRunsTheAnimationOnceAndStopsOnTheFirstFrame) {
  for (TMultiBmp* strip : {f->Rose, f->Rocket, f->Jet, f->Car}) {
    SCOPED_TRACE(strip->Name());
    strip->SetGlyphSel(7);
    ClickOn(strip);
    EXPECT_TRUE(strip->Animate());
    EXPECT_EQ(strip->GlyphSel(), 1);
    int highest = 1, ticks = 0;
    while (strip->Animate() && ticks < 400) {
      Ticks(1);
      ++ticks;
      highest = std::max(highest, strip->GlyphSel());
    }
    EXPECT_FALSE(strip->Animate());
    EXPECT_EQ(highest, 20);
    EXPECT_EQ(strip->GlyphSel(), 1);
    Ticks(50);
    EXPECT_EQ(strip->GlyphSel(), 1);
  }
}

TEST_F(MultiBmpDemoTest, StripButtonsStepAndShareOneGroup) {
  const struct {
    int button;  // MultiBmp1 .. MultiBmp4
    const char* down;
    const char* glyphs;
  } steps[] = {
      {2, "0100", "1211"},  // push-pull: stays down
      {4, "0001", "1212"},  // another latching member releases it
      {4, "0001", "1213"},  // in a group a second click does not bring it up, but steps it
      {3, "0000", "1223"},  // a push button going down releases the latched one
      {3, "0000", "1233"}, {3, "0000", "1243"},
      {3, "0000", "1213"},  // four frames: back to the first
  };
  for (const auto& s : steps) {
    ClickOn(f->MultiBmp[size_t(s.button - 1)]);
    std::string down, glyphs;
    for (const TMultiBmp* b : f->MultiBmp) {
      down += b->Down() ? '1' : '0';
      glyphs += char('0' + b->GlyphSel());
    }
    EXPECT_EQ(down, s.down) << "after MultiBmp" << s.button;
    EXPECT_EQ(glyphs, s.glyphs) << "after MultiBmp" << s.button;
  }
}

TEST_F(MultiBmpDemoTest, CloseButtonClosesTheForm) {
  ClickOn(f->CloseBtn);
  Pump();
  EXPECT_FALSE(f->Visible());
}

}  // namespace
