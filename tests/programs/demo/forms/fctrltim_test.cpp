// The time switch demo: resolution and width, the lamps on the switch's events, resetting.

#include "programs/demo/forms/fctrltim.h"

#include <string>

#include "tests/programs/demo/demo_fixture.h"

namespace {

// 55 ms ticks in one second, rounded up.
constexpr int kTicksPerSecond = 19;

class CtrlTimDemoTest : public DemoTest {
 protected:
  void SetUp() override {
    demo = OpenDemoForm("CtrlTimBtn");
    f = static_cast<TCtrlTimDemo*>(demo.get());
  }
  // Zones of the switch's mode buttons: 13 RUN, 15 STOP, 14 RESET.
  void PressMode(int Zone) {
    const TRect r = f->CtrlTimer->ZoneRect(Zone);
    Click(f->CtrlTimer, (r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2);
    Pause();
  }
  // Row 3 of each lamp and whether it blinks: "reset-" or "triggered+".
  std::string Lamps() const {
    std::string s;
    for (const TPictButton* lamp : {f->Trigger1, f->Trigger2, f->Trigger3, f->Elapsed}) {
      s += std::string(lamp->Text2()) + (lamp->BlinkOn() ? "+ " : "- ");
    }
    return s;
  }
  // Turns the resolution spin to Position as a finished turn (its changed event).
  void ChooseResolution(int Position) {
    f->ResSpin->SetPosition(Position);
    f->ResSpinChanged(f->ResSpin);
  }
  std::unique_ptr<TForm> demo;
  TCtrlTimDemo* f = nullptr;
};

TEST_F(CtrlTimDemoTest, ResolutionSetsUnitsAndWidth) {
  const struct {
    int position;
    TCtrlTRes resolution;
    int width;
  } cases[] = {{0, tcSS, 160},   {1, tcMM, 160},   {2, tcHH, 160},
               {3, tcMMSS, 240}, {4, tcHHMM, 240}, {5, tcHHMMSS, 320}};
  for (const auto& c : cases) {
    ChooseResolution(c.position);
    EXPECT_EQ(f->CtrlTimer->Resolution(), c.resolution) << c.position;
    EXPECT_EQ(f->CtrlTimer->Width(), c.width) << c.position;
  }
}

TEST_F(CtrlTimDemoTest, LampsLightOnTriggersAndEndAndGoOutOnReset) {
  EXPECT_EQ(Lamps(), "reset- reset- reset- reset- ");
  PressMode(13);
  ASSERT_EQ(f->CtrlTimer->Mode(), tCtrlTMode::run);
  Ticks(11 * kTicksPerSecond);  // 40 s counted down past 30
  EXPECT_EQ(Lamps(), "triggered+ reset- reset- reset- ");
  Ticks(30 * kTicksPerSecond);  // past 20, 10 and 0
  EXPECT_EQ(Lamps(), "triggered+ triggered+ triggered+ elapsed+ ");
  PressMode(14);
  EXPECT_EQ(Lamps(), "reset- reset- reset- reset- ");
}

TEST_F(CtrlTimDemoTest, SwitchingTheResolutionWhileRunningResets) {
  PressMode(13);
  Ticks(11 * kTicksPerSecond);
  ASSERT_EQ(f->CtrlTimer->Mode(), tCtrlTMode::run);
  ChooseResolution(3);
  EXPECT_EQ(f->CtrlTimer->Mode(), tCtrlTMode::reset);
  EXPECT_EQ(Lamps(), "reset- reset- reset- reset- ");
}

TEST_F(CtrlTimDemoTest, ClosingTheFormResetsTheSwitch) {
  PressMode(13);
  Ticks(2 * kTicksPerSecond);
  ASSERT_EQ(f->CtrlTimer->Mode(), tCtrlTMode::run);
  f->Close();
  Pump();
  EXPECT_FALSE(f->Visible());
  EXPECT_EQ(f->CtrlTimer->Mode(), tCtrlTMode::reset);
}

}  // namespace
