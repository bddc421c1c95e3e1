#include "library/foundation/tickservice.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <vector>

namespace {

// A fresh service for each test, without the platform timer: the tests drive the ticks.
class TickServiceTest : public ::testing::Test {
 protected:
  void SetUp() override { TickServiceStartup(); }
  void TearDown() override { TickServiceShutdown(); }

  static void Ticks(int n) {
    for (int i = 0; i < n; ++i) TickServiceCallback();
  }
  static const TimerRecord& Record(int32_t id) {
    const TimerRecord* rec = TimerListItem(FindTimerIndex(id));
    EXPECT_NE(rec, nullptr);
    static TimerRecord none;
    return rec ? *rec : none;
  }
};

// Records at which ticks (1-based) each registered callback fired.
struct FireLog {
  int tick = 0;
  std::vector<std::vector<int>> fired;
  TTickProc Proc(size_t slot) {
    if (fired.size() <= slot) fired.resize(slot + 1);
    return [this, slot](TObject*) { fired[slot].push_back(tick); };
  }
  void Ticks(int n) {
    for (int i = 0; i < n; ++i) {
      ++tick;
      TickServiceCallback();
    }
  }
};

TEST_F(TickServiceTest, IdsAreOneAboveTheHighestInUseAndAreReused) {
  EXPECT_EQ(NextTimerId(), 0);
  EXPECT_EQ(TimerRegister([](TObject*) {}), 0);
  EXPECT_EQ(TimerRegister([](TObject*) {}), 1);
  TimerRemove(1);
  EXPECT_EQ(FindTimerIndex(1), -1);
  EXPECT_EQ(TimerRegister([](TObject*) {}), 1);
  TimerRemove(0);
  EXPECT_EQ(TimerRegisterSync([](TObject*) {}), 2);
  EXPECT_EQ(FindTimerIndex(2), 1);
}

TEST_F(TickServiceTest, NewRecordsWaitUntilStarted) {
  int calls = 0;
  int32_t id = TimerRegister([&](TObject*) { ++calls; });
  EXPECT_FALSE(Record(id).Active);
  EXPECT_EQ(Record(id).Reload, 1000);
  EXPECT_EQ(Record(id).Countdown, 1000);
  TimerSetInterval(id, 0);
  EXPECT_FALSE(Record(id).Active);
  EXPECT_EQ(Record(id).Reload, 1000);
  Ticks(2000);
  EXPECT_EQ(calls, 0);
}

TEST_F(TickServiceTest, IntervalsBecomeTicksOf55AndAHalfMilliseconds) {
  const struct {
    uint16_t ms;
    uint16_t ticks;
  } cases[] = {{10, 1}, {20, 1}, {50, 1}, {100, 2}, {166, 3}, {500, 9}, {1000, 18}, {65535, 1181}};
  int32_t id = TimerRegister([](TObject*) {});
  for (const auto& c : cases) {
    TimerSetInterval(id, c.ms);
    EXPECT_EQ(Record(id).Reload, c.ticks) << c.ms << " ms";
    EXPECT_EQ(Record(id).Countdown, c.ticks) << c.ms << " ms";
    EXPECT_TRUE(Record(id).Active);
  }
}

TEST_F(TickServiceTest, OperationsOnUnknownIdsDoNothing) {
  int32_t id = TimerRegister([](TObject*) {});
  for (int32_t unknown : {-1, 7}) {
    TimerSetInterval(unknown, 100);
    TimerStop(unknown);
    TimerRemove(unknown);
  }
  EXPECT_EQ(FindTimerIndex(id), 0);
  EXPECT_FALSE(Record(id).Active);
}

TEST_F(TickServiceTest, RecordFiresAfterEachFullInterval) {
  FireLog log;
  int32_t id = TimerRegister(log.Proc(0));
  TimerSetInterval(id, 166);  // 3 ticks
  log.Ticks(10);
  EXPECT_EQ(log.fired[0], (std::vector<int>{3, 6, 9}));
}

TEST_F(TickServiceTest, StopAndRestartGiveAFullInterval) {
  FireLog log;
  int32_t id = TimerRegister(log.Proc(0));
  TimerSetInterval(id, 166);
  log.Ticks(2);
  TimerStop(id);
  log.Ticks(5);
  EXPECT_TRUE(log.fired[0].empty());
  EXPECT_EQ(FindTimerIndex(id), 0);
  TimerSetInterval(id, 166);  // at tick 7
  log.Ticks(4);
  EXPECT_EQ(log.fired[0], (std::vector<int>{10}));
}

TEST_F(TickServiceTest, BlinkPhaseFlipsEverySevenTicks) {
  std::vector<bool> phases;
  for (int i = 0; i < 21; ++i) {
    TickServiceCallback();
    phases.push_back(BlinkPhase);
  }
  for (int i = 0; i < 21; ++i) EXPECT_EQ(phases[i], (i + 1) / 7 % 2 == 1) << "tick " << i + 1;
}

TEST_F(TickServiceTest, SynchronisedRecordsGetSlotsRoundRobinAndFireOncePerCycle) {
  FireLog log;
  std::vector<int32_t> ids;
  for (size_t k = 0; k < 8; ++k) ids.push_back(TimerRegisterSync(log.Proc(k)));
  for (size_t k = 0; k < 8; ++k) {
    EXPECT_TRUE(Record(ids[k]).Active);
    EXPECT_TRUE(Record(ids[k]).Synchronised);
    EXPECT_EQ(Record(ids[k]).Reload, k % 7);
  }
  log.Ticks(21);
  // Slot k fires k ticks after the phase flips (ticks 7, 14, 21).
  for (size_t k = 0; k < 8; ++k) {
    std::vector<int> expected;
    for (int t = 1; t <= 21; ++t)
      if (t % 7 == static_cast<int>(k % 7)) expected.push_back(t);
    EXPECT_EQ(log.fired[k], expected) << "record " << k;
  }
}

TEST_F(TickServiceTest, NestedTickSkipsTheRunningRecordAndKeepsItsCountdownAtOne) {
  int outer_calls = 0;
  int other_calls = 0;
  uint16_t countdown_inside = 0;
  int32_t id = -1;
  id = TimerRegister([&](TObject*) {
    if (++outer_calls > 1) return;
    TimerSetInterval(id, 50);  // a modal loop lets ticks in while this runs
    Ticks(3);
    countdown_inside = Record(id).Countdown;
  });
  int32_t other = TimerRegister([&](TObject*) { ++other_calls; });
  TimerSetInterval(id, 50);
  TimerSetInterval(other, 50);
  Ticks(1);
  EXPECT_EQ(outer_calls, 1);
  EXPECT_EQ(other_calls, 4);  // three nested ticks and the outer one
  EXPECT_EQ(countdown_inside, 1);
  EXPECT_FALSE(Record(id).Busy);
  Ticks(1);
  EXPECT_EQ(outer_calls, 2);
}

TEST_F(TickServiceTest, CallbackThatRetimesItsRecordTakesTheNewIntervalAtOnce) {
  FireLog log;
  int32_t id = -1;
  TTickProc record = log.Proc(0);
  id = TimerRegister([&](TObject* s) {
    record(s);
    TimerSetInterval(id, 166);
  });
  TimerSetInterval(id, 50);
  log.Ticks(8);
  EXPECT_EQ(log.fired[0], (std::vector<int>{1, 4, 7}));
}

TEST_F(TickServiceTest, CallbacksMayRemoveAndRegisterRecordsDuringATick) {
  FireLog log;
  std::vector<int32_t> ids(4, -1);
  TTickProc p0 = log.Proc(0), p1 = log.Proc(1), p2 = log.Proc(2), p3 = log.Proc(3);
  ids[0] = TimerRegister(p0);
  // Removes itself, the record before it and the one after it, and registers a new one.
  ids[1] = TimerRegister([&](TObject* s) {
    p1(s);
    TimerRemove(ids[1]);
    TimerRemove(ids[0]);
    TimerRemove(ids[2]);
    ids[3] = TimerRegisterSync(p3);
  });
  ids[2] = TimerRegister(p2);
  for (int k = 0; k < 3; ++k) TimerSetInterval(ids[k], 50);
  log.Ticks(1);
  EXPECT_EQ(log.fired[0], (std::vector<int>{1}));
  EXPECT_EQ(log.fired[1], (std::vector<int>{1}));
  EXPECT_TRUE(log.fired[2].empty());  // removed before its turn
  EXPECT_TRUE(log.fired[3].empty());  // joins at the next tick
  EXPECT_EQ(ids[3], 0);               // every other record is gone, so the Ids start again
  EXPECT_EQ(FindTimerIndex(ids[3]), 0);
  EXPECT_EQ(TimerListItem(1), nullptr);
  log.Ticks(13);
  EXPECT_EQ(log.fired[3].size(), 2u);  // once per 7 ticks
}

TEST_F(TickServiceTest, RemovingEveryRecordFromANestedTickIsSafe) {
  int calls = 0;
  std::vector<int32_t> ids;
  for (int k = 0; k < 3; ++k) {
    ids.push_back(TimerRegister([&](TObject*) {
      ++calls;
      Ticks(1);
      for (int32_t id : ids) TimerRemove(id);
    }));
    TimerSetInterval(ids.back(), 50);
  }
  Ticks(2);
  EXPECT_EQ(calls, 3);  // each record once, nested inside the call of the one before it
  EXPECT_EQ(TimerListItem(0), nullptr);
  EXPECT_EQ(NextTimerId(), 0);
}

TEST_F(TickServiceTest, CallbackThatThrowsLeavesItsRecordAndTheServiceWorking) {
  FireLog log;
  TTickProc record = log.Proc(0);
  int32_t id = TimerRegister([&](TObject* s) {
    record(s);
    if (log.tick == 2) throw std::runtime_error("handler failed");
  });
  int32_t sync = TimerRegisterSync([](TObject*) { throw std::runtime_error("handler failed"); });
  TimerSetInterval(id, 111);  // 2 ticks
  log.Ticks(1);
  EXPECT_THROW(log.Ticks(1), std::runtime_error);
  EXPECT_FALSE(Record(id).Busy);
  log.Ticks(4);
  EXPECT_EQ(log.fired[0], (std::vector<int>{2, 4, 6}));
  EXPECT_THROW(log.Ticks(1), std::runtime_error);  // the synchronised one, at the phase flip
  EXPECT_FALSE(Record(sync).Busy);
  // Records removed afterwards are still freed.
  TimerRemove(id);
  TimerRemove(sync);
  EXPECT_EQ(FindTimerIndex(TimerRegister([](TObject*) {})), 0);
}

TEST_F(TickServiceTest, OperationsAfterShutdownDoNothing) {
  int calls = 0;
  int32_t id = TimerRegister([&](TObject*) { ++calls; });
  TimerSetInterval(id, 50);
  TickServiceShutdown();
  TimerSetInterval(id, 50);
  TimerStop(id);
  TimerRemove(id);
  TickServiceCallback();
  EXPECT_EQ(calls, 0);
  EXPECT_EQ(TimerRegister([](TObject*) {}), -1);
  EXPECT_EQ(TimerRegisterSync([](TObject*) {}), -1);
  EXPECT_EQ(FindTimerIndex(id), -1);
  EXPECT_EQ(TimerListItem(0), nullptr);
}

TEST_F(TickServiceTest, ShutdownFromInsideACallbackEndsThePassSafely) {
  int calls = 0;
  for (int k = 0; k < 2; ++k) {
    TimerSetInterval(TimerRegister([&](TObject*) {
                       ++calls;
                       TickServiceShutdown();
                     }),
                     50);
  }
  Ticks(2);
  EXPECT_EQ(calls, 1);
}

}  // namespace
