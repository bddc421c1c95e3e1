#include "library/instruments/common/pointerprops.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

// The LED setters of each instrument, with the LEDs hidden and shown.
TEST(PointerRules, LedSwitchesByInstrument) {
  const struct {
    const char* name;
    const TLedRules& rules;
    bool stored_while_hidden, switch_sets_phase, colour_sets_phase;
  } cases[] = {
      {"round meter", kRoundMeterRules.Leds, true, true, true},
      {"360 meter", kMeter360OuterRules.Leds, true, true, true},
      {"panel meter", kPanelMeterRules.Leds, false, false, false},
      {"vertical panel meter", kPanelMeterVRules.Leds, false, false, false},
      {"ten-turn potentiometer", kPoti10TRules.Leds, true, true, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    TMeterLed led;
    EXPECT_EQ(led.SetOn(true, true, c.rules), c.stored_while_hidden);
    EXPECT_EQ(led.On, c.stored_while_hidden);
    EXPECT_EQ(led.SetBlink(true, true, c.rules), c.stored_while_hidden);
    EXPECT_EQ(led.Blink, c.stored_while_hidden);

    TMeterLed shown;
    EXPECT_TRUE(shown.SetOn(true, false, c.rules));
    EXPECT_FALSE(shown.SetOn(true, false, c.rules));  // unchanged: nothing to draw
    EXPECT_EQ(shown.Lit, c.switch_sets_phase);
    shown.Lit = false;
    shown.SetColour(clBlue, c.rules);
    EXPECT_EQ(shown.Colour, clBlue);
    EXPECT_EQ(shown.Lit, c.colour_sets_phase);
  }
}

TEST(PointerRules, BlinkStepTakesThePhaseOnlyWhileBlinking) {
  TMeterLed led;
  led.On = true;
  EXPECT_FALSE(led.Step(false));
  EXPECT_FALSE(led.Lit);
  led.Blink = true;
  EXPECT_TRUE(led.Step(false));
  EXPECT_TRUE(led.Lit);  // the phase differs from the switch
  EXPECT_TRUE(led.Step(true));
  EXPECT_FALSE(led.Lit);
}

struct RangeFixture {
  double value = 50;
  double peak = 80;
  TValueScale scale;
  explicit RangeFixture(const TPointerRules& Rules) : scale(Rules, {0, 100}, 10, value, &peak) {}
};

TEST(ValueScale, ValueAndPeakFollowARangeChangeByTheRules) {
  RangeFixture round(kRoundMeterRules);
  EXPECT_TRUE(round.scale.SetStart(60, false));
  EXPECT_EQ(round.value, 60);
  EXPECT_EQ(round.peak, 60);
  EXPECT_TRUE(round.scale.SetEnd(70, false));
  EXPECT_EQ(round.value, 60);
  EXPECT_TRUE(round.scale.SetEnd(2000, false));
  EXPECT_EQ(round.scale.End, 1000);  // the bound

  RangeFixture panel(kPanelMeterRules);
  EXPECT_TRUE(panel.scale.SetStart(60, false));
  EXPECT_TRUE(panel.scale.SetEnd(55, false));  // at or below the start: one above it
  EXPECT_EQ(panel.scale.End, 61);
  EXPECT_EQ(panel.value, 50);  // left alone
  EXPECT_EQ(panel.peak, 80);
}

TEST(ValueScale, FormReadingStoresRawValues) {
  RangeFixture round(kRoundMeterRules);
  int moved = 0;
  EXPECT_FALSE(round.scale.SetStart(5000, true, [&](bool) { ++moved; }));
  EXPECT_FALSE(round.scale.SetEnd(-5, true, [&](bool) { ++moved; }));
  EXPECT_EQ(round.scale.Start, 5000);
  EXPECT_EQ(round.scale.End, -5);
  EXPECT_EQ(round.peak, 5000);
  EXPECT_EQ(moved, 0);
  EXPECT_FALSE(round.scale.SetStart(NAN, false));
  EXPECT_EQ(round.scale.Start, 5000);
}

TEST(ValueScale, LogRepairSnapsToDecadesAndReportsEachEnd) {
  RangeFixture m(kMeter360InnerRules);
  m.scale.Start = -5;
  m.scale.End = 5;
  m.value = -1;
  m.scale.NonLinear = true;
  int starts = 0, ends = 0;
  const TValueScale::TRepair r = m.scale.RepairLog([&](bool Start) { ++(Start ? starts : ends); });
  EXPECT_EQ(m.value, 0.001);
  EXPECT_DOUBLE_EQ(m.scale.Start, 0.001);
  EXPECT_DOUBLE_EQ(m.scale.End, 1);
  EXPECT_TRUE(r.StartChanged);
  EXPECT_TRUE(r.EndChanged);
  EXPECT_FALSE(r.SpanKept);
  EXPECT_EQ(starts, 1);
  EXPECT_EQ(ends, 1);
  EXPECT_DOUBLE_EQ(m.scale.LogEnd, 0);
}

TEST(ColourBands, BoundsStayInsideTheRangeAndApart) {
  const TScaleRange range{0, 100};
  TColourBands bands;
  const struct {
    TColourBands::TBound bound;
    double set, stored;
  } cases[] = {
      {TColourBands::MinA, -5, 0},    {TColourBands::MinA, 10, 9},  {TColourBands::MinE, 9, 10},
      {TColourBands::MidE, 200, 100}, {TColourBands::MaxE, 75, 75}, {TColourBands::MidE, 50, 51},
  };
  for (const auto& c : cases) {
    bands.Store(c.bound, c.set, range);
    EXPECT_EQ(bands.Get(c.bound), c.stored) << c.bound << " " << c.set;
  }
  bands.Reset(TScaleRange{-100, 100});
  EXPECT_EQ(bands.From(0), -100);
  EXPECT_EQ(bands.To(0), -80);
  EXPECT_EQ(bands.From(1), 0);
  EXPECT_EQ(bands.To(1), 20);
  EXPECT_EQ(bands.From(2), 80);
  EXPECT_EQ(bands.To(2), 100);
}

}  // namespace
