#include "library/instruments/common/valuemodel.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "library/foundation/tickservice.h"

namespace {

TEST(DampStep, MovesOneInDampingPlusOneOfTheDistance) {
  const struct {
    double shown, target;
    int damping;
    double expected;
  } cases[] = {
      {0, 10, 0, 10}, {0, 10, 1, 5}, {0, 11, 10, 1}, {100, 0, 3, 75}, {-4, 4, 1, 0},
  };
  for (const auto& c : cases) {
    EXPECT_DOUBLE_EQ(DampStep(c.shown, c.target, c.damping), c.expected);
  }
}

TEST(DampStep, ConvergesWithoutOvershoot) {
  for (int damping : {1, 5, 10, 50}) {
    double shown = 0;
    double previous_distance = 100;
    for (int tick = 1; tick <= 1000; ++tick) {
      shown = DampStep(shown, 100, damping);
      const double distance = 100 - shown;
      ASSERT_GE(distance, 0) << "damping " << damping << " tick " << tick;
      ASSERT_LE(distance, previous_distance);
      EXPECT_NEAR(distance, 100 * std::pow(damping / (damping + 1.0), tick), 1e-9);
      previous_distance = distance;
    }
    EXPECT_NEAR(shown, 100, 1e-3) << damping;
  }
}

TEST(LimitCrossing, StrictAndOncePerCrossing) {
  const struct {
    double previous, shown;
    TLimitCrossing expected;
  } cases[] = {
      {0, 60, TLimitCrossing::Upper},   // up across 45
      {60, 70, TLimitCrossing::None},   // stays above
      {60, 30, TLimitCrossing::None},   // back down: the upper limit has no falling event
      {30, -5, TLimitCrossing::Lower},  // down across 0
      {-5, -10, TLimitCrossing::None},  // stays below
      {30, 45, TLimitCrossing::None},   // lands on the limit
      {45, 60, TLimitCrossing::None},   // leaves it upwards
      {0, -5, TLimitCrossing::None},    // leaves the lower limit downwards
      {50, -5, TLimitCrossing::Lower},  // from above the upper limit down across the lower
  };
  for (const auto& c : cases) {
    EXPECT_EQ(LimitCrossing(c.previous, c.shown, 45, 0), c.expected)
        << c.previous << " -> " << c.shown;
  }
  // The upper limit is tested first, so one step never fires both.
  EXPECT_EQ(LimitCrossing(5, 15, 10, 20), TLimitCrossing::Upper);
}

TEST(PointerModel, RangeFlagsAndPinning) {
  TPointerModel m;
  const struct {
    double shown;
    bool under, over;
    double pinned;
  } cases[] = {{-1, true, false, 0},
               {0, false, false, 0},
               {25, false, false, 25},
               {50, false, false, 50},
               {50.5, false, true, 50}};
  for (const auto& c : cases) {
    m.SetRangeFlags(c.shown, 0, 50);
    EXPECT_EQ(m.UnderRange, c.under) << c.shown;
    EXPECT_EQ(m.OverRange, c.over) << c.shown;
    EXPECT_EQ(m.Pinned(c.shown, 0, 50), c.pinned);
  }
}

TEST(PointerModel, PeakModes) {
  const struct {
    TPeakPtrMode mode;
    int damp_peak;
    double peak, shown;
    bool clamp;
    double expected;
  } cases[] = {
      {ppNone, 0, 7, 30, true, 7},                                // untouched
      {ppPeak, 0, 5, 8, true, 8},                                 // new maximum
      {ppPeak, 0, 8, 3, true, 8},                                 // holds
      {ppDrag, 0, 8, 3, true, 3},                                 // no weight: sits on the pointer
      {ppDrag, 1, 8, 4, true, 6},                                 // pulled half way back
      {ppDrag, 3, 8, 4, true, 7},    {ppDrag, 1, 2, 4, true, 4},  // rising: on the pointer
      {ppPeak, 0, 0, 60, true, 50},                               // clamped to the end
      {ppPeak, 0, -10, -5, true, 0},                              // clamped to the start
      {ppPeak, 0, 0, 60, false, 60},                              // unclamped scale
  };
  for (const auto& c : cases) {
    TPointerModel m;
    m.PeakMode = c.mode;
    m.DampPeak = c.damp_peak;
    m.PeakValue = c.peak;
    m.StepPeak(c.shown, 0, 50, c.clamp);
    EXPECT_DOUBLE_EQ(m.PeakValue, c.expected)
        << "mode " << c.mode << " peak " << c.peak << " shown " << c.shown;
  }
}

class TicksTest : public ::testing::Test {
 protected:
  void SetUp() override { TickServiceStartup(); }
  void TearDown() override { TickServiceShutdown(); }
  static const TimerRecord* Record(int32_t id) { return TimerListItem(FindTimerIndex(id)); }
};

TEST_F(TicksTest, DampingSetterRules) {
  const int32_t id = TimerRegister([](TObject*) {});
  const struct {
    int before, set;
    bool stored;
    int after;
    bool active;
  } cases[] = {
      {0, 3, true, 3, true},    // any damping runs the record every tick
      {3, 20, true, 10, true},  // clamped after comparing
      {10, 0, true, 0, false},  // 0 stops it
      {0, -4, true, 0, false},
  };
  for (const auto& c : cases) {
    int damping = c.before;
    EXPECT_EQ(ApplyDamping(damping, c.set, 10, id), c.stored);
    EXPECT_EQ(damping, c.after);
    EXPECT_EQ(Record(id)->Active, c.active) << c.before << " := " << c.set;
    if (c.active) {
      EXPECT_EQ(Record(id)->Reload, 1);
    }
  }
  // The current value again leaves the record as it is.
  int damping = 5;
  EXPECT_FALSE(ApplyDamping(damping, 5, 10, id));
  EXPECT_FALSE(Record(id)->Active);
}

TEST_F(TicksTest, DampPeakStartsButNeverStops) {
  const int32_t id = TimerRegister([](TObject*) {});
  int damp_peak = 0;
  EXPECT_TRUE(ApplyDampPeak(damp_peak, 2000, id));
  EXPECT_EQ(damp_peak, 1000);
  EXPECT_TRUE(Record(id)->Active);
  EXPECT_TRUE(ApplyDampPeak(damp_peak, 0, id));
  EXPECT_EQ(damp_peak, 0);
  EXPECT_TRUE(Record(id)->Active);
}

TEST_F(TicksTest, InstrumentRecordsLiveWithTheirOwner) {
  int damp_calls = 0, blink_calls = 0;
  int32_t damp_id, blink_id;
  {
    TInstrumentTicks ticks([&](TObject*) { ++damp_calls; }, [&](TObject*) { ++blink_calls; });
    damp_id = ticks.DampTimerId();
    blink_id = ticks.BlinkTimerId();
    ASSERT_NE(Record(damp_id), nullptr);
    ASSERT_NE(Record(blink_id), nullptr);
    EXPECT_FALSE(Record(damp_id)->Active);
    EXPECT_TRUE(Record(blink_id)->Synchronised);
    for (int i = 0; i < 7; ++i) TickServiceCallback();
    EXPECT_EQ(blink_calls, 1);
    EXPECT_EQ(damp_calls, 0);
  }
  EXPECT_EQ(Record(damp_id), nullptr);
  EXPECT_EQ(Record(blink_id), nullptr);
}

TEST(LimitEvents, FiresTheCrossedEventOnly) {
  TLimitEvents events;
  std::vector<std::string> fired;
  TNotifyEvent upper = [&](TObject*) { fired.push_back("upper"); };
  TNotifyEvent lower = [&](TObject*) { fired.push_back("lower"); };
  events.BeginStep();
  EXPECT_TRUE(events.Fire(TLimitCrossing::None, upper, lower, nullptr));
  EXPECT_TRUE(events.Fire(TLimitCrossing::Upper, upper, lower, nullptr));
  EXPECT_TRUE(events.Fire(TLimitCrossing::Lower, upper, lower, nullptr));
  EXPECT_TRUE(events.Fire(TLimitCrossing::Lower, upper, nullptr, nullptr));
  EXPECT_EQ(fired, (std::vector<std::string>{"upper", "lower"}));
}

TEST(LimitEvents, NewerStepInsideTheHandlerStopsTheOlderOne) {
  TLimitEvents events;
  int nested_fired = 0;
  TNotifyEvent nested = [&](TObject*) { ++nested_fired; };
  TNotifyEvent upper = [&](TObject*) {
    // The handler sets a value: a newer step runs and crosses a limit too.
    events.BeginStep();
    EXPECT_TRUE(events.Fire(TLimitCrossing::Lower, nested, nested, nullptr));
  };
  events.BeginStep();
  EXPECT_FALSE(events.Fire(TLimitCrossing::Upper, upper, nullptr, nullptr));
  EXPECT_EQ(nested_fired, 0);  // no events from inside a limit handler
  // Afterwards events fire again.
  events.BeginStep();
  EXPECT_TRUE(events.Fire(TLimitCrossing::Lower, nested, nested, nullptr));
  EXPECT_EQ(nested_fired, 1);
}

}  // namespace
