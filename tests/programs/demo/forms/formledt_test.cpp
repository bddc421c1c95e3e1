// The LED push button demo: the LED action group and the running light.

#include "programs/demo/forms/formledt.h"

#include <string>
#include <utility>
#include <vector>

#include "tests/programs/demo/demo_fixture.h"

namespace {

class LedTastDemoTest : public DemoTest {
 protected:
  void SetUp() override {
    demo = OpenDemoForm("LedTastBtn");
    f = static_cast<TLedTastDemo*>(demo.get());
  }
  // LedOn and LedBlink of LedTaste1 and Led1 .. Led4 as "on/blink" letters: "1b" lit and
  // blinking, "0-" dark and steady.
  std::string Leds() const {
    std::string s;
    for (const TLedButton* led : {f->LedTaste1, f->Led[0], f->Led[1], f->Led[2], f->Led[3]}) {
      s += led->LedOn() ? '1' : '0';
      s += led->LedBlink() ? 'b' : '-';
      s += ' ';
    }
    return s;
  }
  std::string Bars() const {
    std::string s;
    for (const TLedButton* bar : f->LedBar) s += bar->LedOn() ? '1' : '0';
    return s;
  }
  std::unique_ptr<TForm> demo;
  TLedTastDemo* f = nullptr;
};

TEST_F(LedTastDemoTest, LedActionsSetAllFiveLeds) {
  enum { aus, ein, blink };
  const struct {
    std::vector<int> choices;
    const char* leds;  // LedTaste1, Led1 .. Led4
  } cases[] = {
      {{}, "0- 1- 0- 1- 0- "},
      {{ein}, "1- 1- 1- 1- 1- "},
      {{ein, aus}, "0- 0- 0- 0- 0- "},
      // Neighbours blink in opposite phase; the big button keeps whether it is lit.
      {{blink}, "0b 1b 0b 1b 0b "},
      {{ein, blink}, "1b 1b 0b 1b 0b "},
      {{blink, ein}, "1- 1- 1- 1- 1- "},
      {{blink, aus}, "0- 0- 0- 0- 0- "},
  };
  for (const auto& c : cases) {
    demo = OpenDemoForm("LedTastBtn");
    f = static_cast<TLedTastDemo*>(demo.get());
    std::string trace;
    for (int choice : c.choices) {
      f->SelLedAction->SetItemIndex(choice);
      trace += std::to_string(choice);
    }
    EXPECT_EQ(Leds(), c.leds) << "choices " << trace;
  }
}

TEST_F(LedTastDemoTest, RunningLightSwitchesTheBarsOnAndOffWithAPauseAfterEachRound) {
  // The bar pattern at every tick, merged into runs of equal patterns with their lengths.
  std::vector<std::pair<std::string, int>> runs;
  for (int tick = 0; tick < 7 * 14; ++tick) {
    Ticks(1);
    if (runs.empty() || runs.back().first != Bars()) runs.push_back({Bars(), 0});
    ++runs.back().second;
  }
  ASSERT_GE(runs.size(), 10u);
  // The first run starts wherever the blink cycle stood at the opening; the last is cut off.
  const std::vector<std::string> patterns = {"0000", "1000", "1100", "1110", "1111",
                                             "0111", "0011", "0001", "0000", "1000"};
  for (size_t i = 0; i < patterns.size(); ++i) {
    EXPECT_EQ(runs[i].first, patterns[i]) << "run " << i;
    // One blink cycle (7 ticks) per step; a full row of four stays a step longer (the pause).
    if (i > 0 && i + 1 < patterns.size()) {
      const int cycles = (runs[i].first == "1111" || runs[i].first == "0000") ? 2 : 1;
      EXPECT_EQ(runs[i].second, 7 * cycles) << "run " << i << " " << runs[i].first;
    }
  }
}

TEST_F(LedTastDemoTest, CaptionChoiceAlsoTakesTheEditTexts) {
  // The stored captions differ from the edits' texts until a caption type is chosen.
  EXPECT_EQ(std::string(f->LedTaste1->Caption()), "Tup");
  f->SelTexte->SetItemIndex(1);
  EXPECT_EQ(f->LedTaste1->CaptType(), ctLed);
  EXPECT_EQ(std::string(f->LedTaste1->Caption()), "Tu");
  EXPECT_EQ(std::string(f->LedTaste1->Caption1()), "Td");
  f->Edit2->SetText("unten");
  EXPECT_EQ(std::string(f->LedTaste1->Caption1()), "unten");
}

}  // namespace
