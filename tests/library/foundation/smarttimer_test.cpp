#include "library/foundation/smarttimer.h"

#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>
#include <vector>

#include "library/foundation/tickservice.h"

namespace {

class SmartTimerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    TickServiceStartup();
    timer = std::make_unique<TSmartTimer>(nullptr);
    timer->TimerEvent = [this](TObject* sender, bool high) {
      EXPECT_EQ(sender, timer.get());
      events.push_back({tick, high});
    };
  }
  void TearDown() override {
    timer.reset();
    TickServiceShutdown();
  }
  void Ticks(int n) {
    for (int i = 0; i < n; ++i) {
      ++tick;
      TickServiceCallback();
    }
  }
  std::vector<int> EventTicks() const {
    std::vector<int> ticks;
    for (const auto& e : events) ticks.push_back(e.tick);
    return ticks;
  }

  struct Event {
    int tick;
    bool high;
  };
  std::unique_ptr<TSmartTimer> timer;
  std::vector<Event> events;
  int tick = 0;
};

TEST_F(SmartTimerTest, DefaultsAndTimeFloor) {
  EXPECT_EQ(timer->Time(), 50);
  EXPECT_EQ(timer->Cycles(), 1);
  EXPECT_EQ(timer->TimerMode(), tmStopped);
  EXPECT_EQ(NextTimerId(), 0);  // nothing registered yet
  timer->SetTime(10);
  EXPECT_EQ(timer->Time(), 50);
  timer->SetTime(1000);
  EXPECT_EQ(timer->Time(), 1000);
}

TEST_F(SmartTimerTest, TickingFiresEveryIntervalAndRetimesAtOnce) {
  timer->SetTime(166);  // 3 ticks
  timer->SetTimerMode(tmTicking);
  Ticks(7);
  EXPECT_EQ(EventTicks(), (std::vector<int>{3, 6}));
  timer->SetTime(111);  // 2 ticks, counted from now
  Ticks(4);
  EXPECT_EQ(EventTicks(), (std::vector<int>{3, 6, 9, 11}));
  Ticks(1);
  timer->SetTime(111);  // the same time again: no restart
  Ticks(1);
  EXPECT_EQ(EventTicks(), (std::vector<int>{3, 6, 9, 11, 13}));
}

TEST_F(SmartTimerTest, SettingTheSameModeDoesNotRestart) {
  timer->SetTime(166);
  timer->SetTimerMode(tmTicking);
  Ticks(2);
  timer->SetTimerMode(tmTicking);
  Ticks(1);
  EXPECT_EQ(EventTicks(), (std::vector<int>{3}));
  // Stopped and started again: a new record and a full interval.
  timer->SetTimerMode(tmStopped);
  Ticks(5);
  EXPECT_EQ(events.size(), 1u);
  timer->SetTimerMode(tmTicking);
  Ticks(3);
  EXPECT_EQ(EventTicks(), (std::vector<int>{3, 11}));
  EXPECT_NE(TimerListItem(0), nullptr);  // the first record was released, not kept beside it
  EXPECT_EQ(TimerListItem(1), nullptr);
}

TEST_F(SmartTimerTest, IterateFiresMaxOfCyclesAndOneThenStops) {
  const struct {
    int32_t cycles;
    size_t events;
  } cases[] = {{3, 3}, {1, 1}, {0, 1}, {-4, 1}, {INT32_MIN, 1}};
  for (const auto& c : cases) {
    events.clear();
    timer->SetCycles(c.cycles);
    timer->SetTimerMode(tmIterate);
    Ticks(10);
    EXPECT_EQ(events.size(), c.events) << c.cycles;
    EXPECT_EQ(timer->TimerMode(), tmStopped);
    EXPECT_EQ(timer->Cycles(), 0);
  }
  events.clear();
  timer->SetTimerMode(tmIterate);  // Cycles left at 0: one more event
  Ticks(5);
  EXPECT_EQ(events.size(), 1u);
}

TEST_F(SmartTimerTest, BlinkingFiresOncePerCycleWithAlternatingPhase) {
  timer->SetTime(1000);  // no effect in this mode
  timer->SetTimerMode(tmBlinking);
  Ticks(42);
  ASSERT_EQ(events.size(), 6u);
  for (size_t i = 0; i < events.size(); ++i) {
    EXPECT_EQ(events[i].tick, 7 * static_cast<int>(i + 1));  // slot 0: the tick of the flip
    EXPECT_EQ(events[i].high, i % 2 == 0);
  }
}

TEST_F(SmartTimerTest, DestroyingStopsEventsForGood) {
  timer->SetTimerMode(tmTicking);
  Ticks(2);
  timer.reset();
  Ticks(5);
  EXPECT_EQ(events.size(), 2u);
  EXPECT_EQ(NextTimerId(), 0);
}

TEST_F(SmartTimerTest, HandlerMayChangeTheModeOrDestroyTheTimer) {
  timer->TimerEvent = [this](TObject*, bool) {
    events.push_back({tick, false});
    timer->SetTimerMode(tmBlinking);  // releases the record whose tick is running
  };
  timer->SetCycles(5);
  timer->SetTimerMode(tmIterate);
  Ticks(1);
  EXPECT_EQ(timer->TimerMode(), tmBlinking);
  EXPECT_EQ(timer->Cycles(), 4);
  timer->TimerEvent = [this](TObject*, bool) {
    events.push_back({tick, false});
    timer.reset();
  };
  Ticks(14);
  EXPECT_EQ(EventTicks(), (std::vector<int>{1, 7}));
  EXPECT_EQ(timer, nullptr);
}

TEST_F(SmartTimerTest, IteratingEndsAlsoWhenTheHandlerFails) {
  timer->TimerEvent = [this](TObject*, bool) {
    events.push_back({tick, false});
    throw std::runtime_error("handler failed");
  };
  timer->SetCycles(2);
  timer->SetTimerMode(tmIterate);
  for (int i = 0; i < 6; ++i) {
    try {
      Ticks(1);
    } catch (const std::runtime_error&) {
    }
  }
  EXPECT_EQ(EventTicks(), (std::vector<int>{1, 2}));
  EXPECT_EQ(timer->TimerMode(), tmStopped);
  EXPECT_EQ(timer->Cycles(), 0);
}

TEST_F(SmartTimerTest, WithoutTheServiceTheTimerNeverFires) {
  TickServiceShutdown();
  timer->SetTimerMode(tmTicking);
  TickServiceStartup();
  Ticks(10);
  EXPECT_TRUE(events.empty());
  timer->SetTimerMode(tmStopped);
}

}  // namespace
