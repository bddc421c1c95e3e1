#include "library/instruments/common/dragmodel.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "library/foundation/scalemap.h"
#include "library/foundation/tickservice.h"

namespace {

TEST(DragModelTest, OnlyAPlainLeftPressDrags) {
  const struct {
    TShiftState shift;
    bool drags;
  } cases[] = {
      {{ssLeft}, true},           {{ssLeft, ssShift}, false},  {{ssLeft, ssCtrl}, false},
      {{ssLeft, ssAlt}, false},   {{ssLeft, ssDouble}, false}, {{ssRight}, false},
      {{ssLeft, ssRight}, false}, {{ssMiddle}, false},         {{}, false},
  };
  for (const auto& c : cases) EXPECT_EQ(DragsWith(c.shift), c.drags);
}

TEST(DragModelTest, TravelValueOnLinearAndLogScales) {
  TScaleRange lin{-10, 10};
  TScaleRange log{0.001, 1000, true};
  log.CacheLogs();
  const struct {
    const TScaleRange* range;
    int distance;
    double value;
  } cases[] = {
      {&lin, 0, -10},   {&lin, 50, 0}, {&lin, 100, 10},   {&lin, 125, 15},  // beyond: not limited
      {&log, 0, 0.001}, {&log, 50, 1}, {&log, 100, 1000},
  };
  for (const auto& c : cases) {
    EXPECT_NEAR(c.range->TravelValue(c.distance, 100), c.value, std::fabs(c.value) * 1e-5 + 1e-9)
        << c.distance;
  }
  // A travel of no length (a control too small for one) gives the start, never a division by 0.
  EXPECT_EQ(lin.TravelValue(5, 0), -10);
  EXPECT_EQ(log.TravelValue(5, -3), 0.001);
  EXPECT_EQ(TravelPosition(4, 5, 0), 0);
  EXPECT_EQ(TravelPosition(4, 60, 100), 2);
  EXPECT_EQ(TravelPosition(4, 70, 100), 3);
}

TEST(DragModelTest, PointAngleAndArc) {
  const TPoint c{100, 100};
  EXPECT_DOUBLE_EQ(PointAngle(c, 100, 150), 0);    // straight down
  EXPECT_DOUBLE_EQ(PointAngle(c, 50, 100), 90);    // left
  EXPECT_DOUBLE_EQ(PointAngle(c, 100, 50), 180);   // up
  EXPECT_DOUBLE_EQ(PointAngle(c, 150, 100), 270);  // right
  // A press in the gap counts as the nearer end of the arc.
  EXPECT_DOUBLE_EQ(ArcAngle(10, true), 0);
  EXPECT_DOUBLE_EQ(ArcAngle(350, true), 270);
  EXPECT_DOUBLE_EQ(ArcAngle(350, false), 305);
  EXPECT_DOUBLE_EQ(ArcValue(0, 10, 135), 5);
  EXPECT_EQ(ArcPosition(4, 100), 1);
  EXPECT_EQ(ArcPosition(4, 135), 2);
  // From the end of the range across the gap to the lower left: too far.
  EXPECT_FALSE(ArcMoveTaken(320, false, true, 30, 45));
  EXPECT_TRUE(ArcMoveTaken(320, false, true, 300, 45));
  EXPECT_FALSE(ArcMoveTaken(40, true, false, 330, 45));
  EXPECT_TRUE(ArcMoveTaken(100, false, false, 140, 45));
  EXPECT_FALSE(ArcMoveTaken(100, false, false, 150, 45));
}

// A model bound to a plain value within 0..10, recording its events.
class DragModelEvents : public ::testing::Test {
 protected:
  DragModelEvents() { TickServiceStartup(); }
  ~DragModelEvents() override { TickServiceShutdown(); }

  void Bind(TDragModel& M) {
    M.GetValue = [this] { return value; };
    M.SetValue = [this](double V) { value = std::clamp(V, 0.0, 10.0); };
    M.Changing = [this] { events.push_back("changing " + std::to_string(int(value * 100))); };
  }
  void Release(TDragModel& M) {
    const TDragModel::TRelease r = M.Release();
    if (r.Changed) events.push_back("changed");
    if (r.Preset) events.push_back("preset");
  }
  void Ticks(int n) {
    for (int i = 0; i < n; ++i) TickServiceCallback();
  }

  double value = 0;
  std::vector<std::string> events;
  TDragModel* FModel = nullptr;
};

TEST_F(DragModelEvents, ChangingAtEachStepChangedOnceOnRelease) {
  TDragModel m;
  Bind(m);
  ASSERT_TRUE(m.BeginPress({ssLeft}));
  m.Press(2);
  m.Move(3);
  m.Move(3);  // no change, no event
  m.Move(4);
  Release(m);
  Release(m);  // a release without a press fires nothing
  EXPECT_EQ(events,
            (std::vector<std::string>{"changing 200", "changing 300", "changing 400", "changed"}));
  events.clear();
  m.BeginPress({ssLeft});
  m.Press(4);  // the current value
  Release(m);
  EXPECT_TRUE(events.empty());
}

TEST_F(DragModelEvents, RefusedPressClearsTheChangedFlag) {
  TDragModel m;
  Bind(m);
  m.BeginPress({ssLeft});
  m.Press(5);
  EXPECT_FALSE(m.BeginPress({ssLeft, ssShift}));
  Release(m);
  EXPECT_EQ(events, std::vector<std::string>{"changing 500"});
}

TEST_F(DragModelEvents, PresetFiresOnceAndBlocksMoves) {
  TDragModel m;
  Bind(m);
  m.BeginPress({ssLeft});
  m.PressPreset();
  EXPECT_FALSE(m.MoveDrags({ssLeft}));
  Release(m);
  // Later releases (a right click, a refused press) fire no preset event.
  m.BeginPress({ssRight});
  Release(m);
  EXPECT_TRUE(m.MoveDrags({ssLeft}));
  EXPECT_EQ(events, std::vector<std::string>{"preset"});
}

TEST_F(DragModelEvents, DragDelayStepsTowardsTheTarget) {
  TDragModel m([this](TObject*) { FModel->Tick(0, 10); });
  FModel = &m;
  Bind(m);
  m.SetDragDelay(25);
  EXPECT_EQ(m.DragDelay(), 20);
  m.BeginPress({ssLeft});
  m.Press(10);
  EXPECT_EQ(value, 0);  // nothing before the first tick
  Ticks(1);
  EXPECT_NEAR(value, 10.0 / 300, 1e-12);
  Ticks(149);
  EXPECT_NEAR(value, 5, 1e-9);
  EXPECT_EQ(events.size(), 150u);
  Ticks(200);
  EXPECT_EQ(value, 10);                // never past the target
  EXPECT_NEAR(events.size(), 300, 1);  // the sum of 300 steps may fall short by a rounding
  Release(m);
  EXPECT_EQ(events.back(), "changed");
  const size_t released = events.size();
  Ticks(5);  // stopped by the release
  EXPECT_EQ(events.size(), released);
}

TEST_F(DragModelEvents, ANewPressReplacesTheOldTarget) {
  TDragModel m([this](TObject*) { FModel->Tick(0, 10); });
  FModel = &m;
  Bind(m);
  m.SetDragDelay(1);
  m.BeginPress({ssLeft});
  m.Press(8);
  Ticks(3);
  Release(m);
  const double reached = value;
  ASSERT_GT(reached, 0);
  ASSERT_LT(reached, 8);
  // Pressing on the current value and holding still: the value stays.
  m.BeginPress({ssLeft});
  m.Press(reached);
  Ticks(10);
  EXPECT_EQ(value, reached);
  // Moving back to where the value is also stops it.
  m.Move(9);
  Ticks(1);
  m.Move(value);
  const double held = value;
  Ticks(10);
  EXPECT_EQ(value, held);
  Release(m);
  // A relative press holds the value too.
  m.BeginPress({ssLeft});
  m.PressRelative();
  Ticks(10);
  EXPECT_EQ(value, held);
}

TEST_F(DragModelEvents, RelativeTurningAddsUpBetweenTicks) {
  TDragModel m([this](TObject*) { FModel->Tick(0, 10); });
  FModel = &m;
  Bind(m);
  m.SetDragDelay(20);
  value = 5;
  m.BeginPress({ssLeft});
  m.PressRelative();
  m.MoveBy(0.01, 0, 10);
  m.MoveBy(0.01, 0, 10);
  EXPECT_NEAR(m.Target(), 5.02, 1e-12);
  Ticks(5);
  EXPECT_NEAR(value, 5.02, 1e-12);
  m.MoveBy(20, 0, 10);
  EXPECT_EQ(m.Target(), 10);
  // Without a delay a relative move sets the value at once, within the limits.
  TDragModel direct;
  Bind(direct);
  direct.BeginPress({ssLeft});
  direct.MoveBy(-7, 0, 10);
  EXPECT_EQ(value, 0);
}

}  // namespace
