// The timer component demo: the four exclusive modes, their LEDs and the beeps of the events.

#include "programs/demo/forms/fsmrttim.h"

#include <string>
#include <vector>

#include "tests/programs/demo/demo_fixture.h"

namespace {

class SmartTimeDemoTest : public DemoTest {
 protected:
  void SetUp() override {
    demo = OpenDemoForm("SmartTimeBtn");
    f = static_cast<TSmartTimeDemo*>(demo.get());
  }
  void Toggle(TBevel3D* button) {
    Click(button, 20, 10);
    Pause();
  }
  // Runs n ticks; the ticks (counted from 1) at which the timer's event beeped.
  std::vector<int> BeepTicks(int n) {
    std::vector<int> at;
    for (int tick = 1; tick <= n; ++tick) {
      const size_t before = dialogs.Beeps().size();
      Ticks(1);
      if (dialogs.Beeps().size() != before) at.push_back(tick);
    }
    return at;
  }
  // Down buttons and lit LEDs as letters: "S T B I" for the buttons OneShot .. Iterate, lower
  // case for the LEDs.
  std::string State() const {
    std::string s;
    const TBevel3D* buttons[] = {f->ShotBtn, f->TickerBtn, f->BlinkerBtn, f->IterateBtn};
    const TLedButton* leds[] = {f->OneShotLed, f->TickerLed, f->BlinkerLed, f->IterateLed};
    for (int i = 0; i < 4; ++i) {
      if (buttons[i]->Down()) s += "STBI"[i];
    }
    s += '/';
    for (int i = 0; i < 4; ++i) {
      if (leds[i]->LedOn()) s += "stbi"[i];
    }
    return s;
  }
  std::unique_ptr<TForm> demo;
  TSmartTimeDemo* f = nullptr;
};

TEST_F(SmartTimeDemoTest, StartsStoppedWithTheListedTimes) {
  EXPECT_EQ(f->SmartTimer->TimerMode(), tmStopped);
  EXPECT_EQ(f->OneShotTime->PosInteger(), 1000);
  EXPECT_EQ(f->TickTime->PosInteger(), 500);
  EXPECT_EQ(f->IterateTicks->PosInteger(), 3);
  EXPECT_EQ(State(), "/");
  EXPECT_TRUE(BeepTicks(60).empty());
}

// Each mode from a fresh form: the ticks at which it beeps, and what is down and lit after.
TEST_F(SmartTimeDemoTest, EachModeBeepsInItsRhythmAndEndsAsItShould) {
  const struct {
    const char* mode;
    int oneShotPos;  // OneShotTime: 0 = 100 ms .. 3 = 2 s
    int ticks;
    std::vector<int> beeps;
    const char* state;
    TTimerMode timer;
  } cases[] = {
      // 2 s are 36 ticks: one event lights "S" and releases the button.
      {"OneShot", 3, 100, {36}, "/s", tmStopped},
      {"OneShot", 0, 20, {2}, "/s", tmStopped},
      // 500 ms are 9 ticks; the third event releases "Iterate"; "I" toggled three times.
      {"Iterate", 3, 60, {9, 18, 27}, "/i", tmStopped},
      // Ticking every 500 ms until released; "T" toggles at each event.
      {"Ticking", 3, 40, {9, 18, 27, 36}, "T/", tmTicking},
      // Once per blink cycle of 7 ticks.
      {"Blinking", 3, 21, {}, "B/", tmBlinking},
  };
  for (const auto& c : cases) {
    SetUp();
    f->OneShotTime->SetPosition(c.oneShotPos);
    TBevel3D* button = std::string(c.mode) == "OneShot"   ? f->ShotBtn
                       : std::string(c.mode) == "Iterate" ? f->IterateBtn
                       : std::string(c.mode) == "Ticking" ? f->TickerBtn
                                                          : f->BlinkerBtn;
    Toggle(button);
    const std::vector<int> beeps = BeepTicks(c.ticks);
    if (button == f->BlinkerBtn) {
      ASSERT_EQ(beeps.size(), 3u);
      EXPECT_EQ(beeps[1] - beeps[0], 7);
      EXPECT_EQ(beeps[2] - beeps[1], 7);
      EXPECT_EQ(State(), "B/b");  // toggled three times
    } else {
      EXPECT_EQ(beeps, c.beeps) << c.mode << " " << c.oneShotPos;
      EXPECT_EQ(State(), c.state) << c.mode;
    }
    EXPECT_EQ(f->SmartTimer->TimerMode(), c.timer) << c.mode;
  }
}

TEST_F(SmartTimeDemoTest, ReleasingTickingStopsItAndPutsItsLedOut) {
  Toggle(f->TickerBtn);
  EXPECT_EQ(BeepTicks(9), std::vector<int>{9});
  EXPECT_EQ(State(), "T/t");
  Toggle(f->TickerBtn);
  EXPECT_EQ(State(), "/");
  EXPECT_EQ(f->SmartTimer->TimerMode(), tmStopped);
  EXPECT_TRUE(BeepTicks(60).empty());
}

TEST_F(SmartTimeDemoTest, APressedModeReleasesTheOthersAndStopsTheirLeds) {
  // "S" stays lit after its one-shot until another mode starts.
  f->OneShotTime->SetPosition(0);
  Toggle(f->ShotBtn);
  BeepTicks(5);
  EXPECT_EQ(State(), "/s");
  // "I" is lit after one event of the iteration, and stays lit when another mode starts.
  Toggle(f->IterateBtn);
  EXPECT_EQ(State(), "I/");
  EXPECT_EQ(BeepTicks(9), std::vector<int>{9});
  EXPECT_EQ(State(), "I/i");
  Toggle(f->TickerBtn);
  EXPECT_EQ(State(), "T/i");
  BeepTicks(9);
  EXPECT_EQ(State(), "T/ti");
  Toggle(f->BlinkerBtn);
  EXPECT_EQ(State(), "B/i");
  EXPECT_EQ(f->SmartTimer->TimerMode(), tmBlinking);
  // Releasing by hand stops everything; the iteration's LED keeps its state.
  Toggle(f->BlinkerBtn);
  EXPECT_EQ(State(), "/i");
  EXPECT_TRUE(BeepTicks(30).empty());
}

// An iteration broken off leaves cycles on the timer; the one-shot after it is still one event.
TEST_F(SmartTimeDemoTest, AOneShotAfterABrokenOffIterationFiresOnce) {
  f->IterateTicks->SetPosition(9);  // 10 cycles
  Toggle(f->IterateBtn);
  EXPECT_EQ(BeepTicks(9).size(), 1u);
  f->OneShotTime->SetPosition(1);  // 500 ms
  Toggle(f->ShotBtn);
  EXPECT_EQ(BeepTicks(60), std::vector<int>{9});
  EXPECT_EQ(State(), "/si");
}

// A new tick time applies at once to a running tick timer.
TEST_F(SmartTimeDemoTest, ChangingTheTickTimeRetimesTheRunningTimer) {
  Toggle(f->TickerBtn);
  BeepTicks(4);
  // One step down the list with the spin's lower arrow: 500 ms -> 100 ms (2 ticks).
  Click(f->TickTime, f->TickTime->Width() - 10, f->TickTime->Height() - 6);
  ASSERT_EQ(f->TickTime->PosInteger(), 100);
  EXPECT_EQ(BeepTicks(6), (std::vector<int>{2, 4, 6}));
}

}  // namespace
