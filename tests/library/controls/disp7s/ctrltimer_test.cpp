#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "library/controls/disp7s/disp7s.h"
#include "library/foundation/tickservice.h"
#include "platform/forms/testing/formtest.h"

namespace {

using enum tCtrlTMode;

constexpr int kRun = 13, kStop = 15, kReset = 14, kTrigger = 16;

class CtrlTimerTest : public FormTest {
 protected:
  CtrlTimerTest() {
    TickServiceStartup();
    form->SetBounds(100, 100, 500, 300);
    timer = new TCtrlTimer(form);
    timer->SetParent(form);
    timer->SetBounds(10, 10, 310, 90);
    timer->OnStart = Note("start");
    timer->OnStop = Note("stop");
    timer->OnReset = Note("reset");
    timer->OnElapsed = Note("elapsed");
    timer->OnTrigger1 = Note("trigger1");
    timer->OnTrigger2 = Note("trigger2");
    timer->OnTrigger3 = Note("trigger3");
  }
  ~CtrlTimerTest() override { TickServiceShutdown(); }

  TNotifyEvent Note(const std::string& what) {
    return [this, what](TObject*) { events.push_back(what); };
  }
  void ClickZone(int zone) {
    const TRect r = timer->ZoneRect(zone);
    ASSERT_LT(r.Left, r.Right) << "zone " << zone;
    Click(timer, (r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2);
    Pause();
  }
  // Runs ticks until an event comes (or Limit ticks passed); returns the tick of the event.
  int TicksUntilEvent(int Limit) {
    const size_t before = events.size();
    for (int tick = 1; tick <= Limit; ++tick) {
      TickServiceCallback();
      if (events.size() != before) return tick;
    }
    return -1;
  }
  std::string Shown() const { return timer->Digits().GetText(); }

  TCtrlTimer* timer;
  std::vector<std::string> events;
};

TEST_F(CtrlTimerTest, CountsDownFiresTriggersAtZeroAndElapsesOnTheNextSecond) {
  timer->StartTime()->SetValueSeconds(3);
  ShowForm();
  ClickZone(kRun);
  EXPECT_EQ(events, std::vector<std::string>{"start"});
  EXPECT_EQ(timer->Mode(), run);
  events.clear();
  std::vector<std::string> shown;
  for (int tick = 0; tick < 4 * 19; ++tick) {
    TickServiceCallback();
    if (shown.empty() || shown.back() != Shown()) shown.push_back(Shown());
  }
  EXPECT_EQ(shown, (std::vector<std::string>{"00:00:03", "00:00:02", "00:00:01", "00:00:00"}));
  // Every trigger is 00:00:00: all three fire on the tick that reaches it, each with its beep.
  EXPECT_EQ(events, (std::vector<std::string>{"trigger1", "trigger2", "trigger3", "elapsed"}));
  EXPECT_EQ(dialogs.Beeps(), (std::vector<unsigned>{0, 0, 0, 0}));
  EXPECT_EQ(timer->Mode(), elapsed);
  const size_t before = events.size();
  for (int tick = 0; tick < 100; ++tick) TickServiceCallback();
  EXPECT_EQ(events.size(), before) << "the count stops when elapsed";
}

// A second is 1000 ms of 55 ms ticks; the n-th second ends on tick ceil(n * 1000 / 55).
TEST_F(CtrlTimerTest, TriggersAndElapseComeOnTheirTicksForEachResolution) {
  struct Case {
    TCtrlTRes res;
    int start_h, start_m, start_s;
    int trig_h, trig_m, trig_s;
    int trigger_tick, elapsed_tick;
  };
  const Case cases[] = {
      {tcSS, 0, 0, 5, 0, 0, 2, 55, 110},         // 3rd and 6th second
      {tcMMSS, 0, 1, 5, 0, 0, 59, 110, 1200},    // 6th and 66th
      {tcMM, 0, 2, 0, 0, 1, 0, 1091, 2200},      // 60th and 121st
      {tcHHMM, 0, 1, 0, 0, 0, 30, 546, 1110},    // hidden seconds count too: 30th and 61st
      {tcHHMMSS, 0, 1, 0, 0, 0, 30, 546, 1110},  // 30th and 61st
      {tcHH, 1, 0, 0, 0, 0, 0, 65455, 65473},    // an hour: 3600th and 3601st
  };
  auto set = [](TCtlTime* t, int h, int m, int s) {
    const int digits[] = {h / 10, h % 10, m / 10, m % 10, s / 10, s % 10};
    for (int i = 0; i < 6; ++i) t->SetDigit(i, digits[i]);
  };
  ShowForm();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.res);
    timer->SetMode(reset);
    timer->SetResolution(c.res);
    timer->Update();
    set(timer->StartTime(), c.start_h, c.start_m, c.start_s);
    set(timer->Trigger1(), c.trig_h, c.trig_m, c.trig_s);
    set(timer->Trigger2(), 99, 59, 59);  // never reached
    set(timer->Trigger3(), 99, 59, 59);
    ClickZone(kRun);
    events.clear();
    int tick = 0;
    if (c.trigger_tick > 0) {
      tick = TicksUntilEvent(c.trigger_tick + 100);
      EXPECT_EQ(tick, c.trigger_tick);
      EXPECT_EQ(events.back(), "trigger1");
    }
    const int rest = TicksUntilEvent(c.elapsed_tick + 100);
    EXPECT_EQ(tick + rest, c.elapsed_tick);
    EXPECT_EQ(events.back(), "elapsed");
  }
}

TEST_F(CtrlTimerTest, ResolutionChangesClearSettingsAndRunsStartFresh) {
  timer->StartTime()->SetValueSeconds(40);
  timer->Trigger2()->SetValueMinutes(3);
  ShowForm();
  ClickZone(kRun);
  for (int tick = 0; tick < 310; ++tick) TickServiceCallback();  // 17 s
  ClickZone(kStop);
  EXPECT_EQ(timer->Mode(), stop);
  const int32_t stopped = timer->RunTime()->TimeAsNumber();
  EXPECT_GT(stopped, 0);
  ClickZone(kReset);
  timer->SetResolution(tcMM);
  EXPECT_EQ(timer->StartTime()->TimeAsNumber(), 0);
  EXPECT_EQ(timer->Trigger2()->TimeAsNumber(), 0);
  EXPECT_EQ(timer->RunTime()->TimeAsNumber(), stopped);
  timer->StartTime()->SetValueMinutes(1);
  timer->Update();
  ClickZone(kRun);
  // The seconds left from the earlier run are not carried into the new one.
  EXPECT_EQ(timer->RunTime()->TimeAsNumber(), 100);
  EXPECT_EQ(Shown(), "01");
}

TEST_F(CtrlTimerTest, ModeSetterFiresButNeverStartsCounting) {
  timer->StartTime()->SetValueSeconds(5);
  ShowForm();
  timer->SetMode(elapsed);
  EXPECT_EQ(timer->Mode(), reset);
  timer->SetMode(run);
  EXPECT_EQ(events, std::vector<std::string>{"start"});
  for (int tick = 0; tick < 60; ++tick) TickServiceCallback();
  EXPECT_EQ(timer->RunTime()->TimeAsNumber(), 0);
  timer->SetMode(run);  // the same mode: nothing
  timer->SetMode(stop);
  timer->SetMode(trig2);
  timer->SetMode(reset);
  EXPECT_EQ(events, (std::vector<std::string>{"start", "stop", "reset"}));

  // RESET while running leaves the second record running: run from code counts on.
  ClickZone(kRun);
  ClickZone(kReset);
  EXPECT_EQ(timer->Mode(), reset);
  for (int tick = 0; tick < 60; ++tick) TickServiceCallback();
  EXPECT_EQ(timer->RunTime()->ValueSeconds(), 5);
  timer->SetMode(run);
  for (int tick = 0; tick < 19; ++tick) TickServiceCallback();
  EXPECT_EQ(timer->RunTime()->ValueSeconds(), 4);
}

TEST_F(CtrlTimerTest, DigitZonesEditTheSelectedTimeAndWrap) {
  ShowForm();
  // Cell i (H H M M S S) has zone 2i - 1 above its middle (up) and 2i below (down).
  auto up = [](int cell) { return 2 * cell - 1; };
  auto down = [](int cell) { return 2 * cell; };
  for (int i = 0; i < 6; ++i) ClickZone(up(3));  // minutes tens 0..5 wraps after 5
  EXPECT_EQ(timer->StartTime()->ValueMinutes(), 0);
  ClickZone(down(6));  // seconds units 0 down wraps to 9
  EXPECT_EQ(timer->StartTime()->ValueSeconds(), 9);
  for (int i = 0; i < 10; ++i) ClickZone(up(4));  // minutes units 9 up wraps to 0
  EXPECT_EQ(timer->StartTime()->ValueMinutes(), 0);
  ClickZone(down(1));  // hours tens 0 down wraps to 9
  EXPECT_EQ(timer->StartTime()->ValueHours(), 90);
  EXPECT_EQ(Shown(), "90:00:09");

  // The trigger buttons select the trigger times for editing.
  ClickZone(kTrigger);
  EXPECT_EQ(timer->Mode(), trig1);
  ClickZone(up(2));
  ClickZone(kStop);  // second button: TRIG 2
  EXPECT_EQ(timer->Mode(), trig2);
  ClickZone(up(5));
  EXPECT_EQ(timer->Trigger1()->ValueHours(), 1);
  EXPECT_EQ(timer->Trigger2()->ValueSeconds(), 10);
  EXPECT_EQ(Shown(), "00:00:10");
  ClickZone(kTrigger);  // EXIT
  EXPECT_EQ(timer->Mode(), reset);
  EXPECT_EQ(Shown(), "90:00:09");

  // While the time runs a digit press only beeps.
  timer->StartTime()->SetValueHours(0);
  ClickZone(kRun);
  dialogs.Clear();
  ClickZone(up(6));
  EXPECT_EQ(dialogs.Beeps(), std::vector<unsigned>{1});
  EXPECT_EQ(timer->RunTime()->ValueSeconds(), 9);
}

TEST_F(CtrlTimerTest, ModeButtonsShareTheColumnEvenly) {
  for (int height : {90, 120, 61}) {
    SCOPED_TRACE(height);
    timer->SetBounds(10, 10, 310, height);
    ShowForm();
    timer->Update();
    const TRect b[] = {timer->ZoneRect(kRun), timer->ZoneRect(kStop), timer->ZoneRect(kReset),
                       timer->ZoneRect(kTrigger)};
    const int q = b[0].Height();
    for (int i = 1; i < 4; ++i) EXPECT_EQ(b[i].Top, b[i - 1].Bottom + 1) << i;
    EXPECT_EQ(b[1].Height(), q);
    EXPECT_EQ(b[2].Height(), q);
    // The last one takes the rows the division leaves over, never fewer than the others.
    EXPECT_GE(b[3].Height(), q);
    EXPECT_LT(b[3].Height(), q + 4);
  }
}

// Every caption is drawn whole, inside its button with a free row and column all round: the
// label font is taller than the buttons of most sizes and "TRIGGER" wider than the column.
TEST_F(CtrlTimerTest, ButtonCaptionsKeepClearOfTheButtonEdges) {
  const struct {
    int width, height;
    TCtrlTRes resolution;
  } sizes[] = {{310, 90, tcHHMMSS}, {320, 96, tcHHMMSS}, {240, 96, tcMMSS},
               {160, 96, tcSS},     {300, 120, tcHHMM},  {400, 160, tcHHMMSS}};
  const TColor face = ColorToRGB(clBtnFace);
  for (const auto& s : sizes) {
    for (tCtrlTMode mode : {reset, trig1}) {
      SCOPED_TRACE(testing::Message() << s.width << "x" << s.height << " mode " << int(mode));
      timer->SetBounds(10, 10, s.width, s.height);
      timer->SetResolution(s.resolution);
      timer->SetMode(mode);
      ShowForm();
      timer->Update();
      const Shot shot = ScreenShot(timer);
      for (int zone : {kRun, kStop, kReset, kTrigger}) {
        // The face inside the button's two bevel rings.
        TRect inner = timer->ZoneRect(zone);
        InflateRect(inner, -2, -2);
        int ink = 0, edge_ink = 0;
        for (int y = inner.Top; y < inner.Bottom; ++y) {
          for (int x = inner.Left; x < inner.Right; ++x) {
            if (shot.Pixel(x, y) == face) continue;
            ++ink;
            const bool edge =
                x == inner.Left || x == inner.Right - 1 || y == inner.Top || y == inner.Bottom - 1;
            if (edge) ++edge_ink;
          }
        }
        EXPECT_GT(ink, 0) << "zone " << zone << " shows no caption";
        EXPECT_EQ(edge_ink, 0) << "zone " << zone << " caption touches the edge";
      }
    }
  }
}

// Caption and buttons drawn again after the paint (a new caption, a change of mode and back)
// look as the paint drew them: they take the bold label font themselves.
TEST_F(CtrlTimerTest, CaptionAndButtonsRedrawnLaterLookAsPainted) {
  timer->SetCaption("Timer 1");
  ShowForm();
  timer->Update();
  const auto pixels = [this] {
    const Shot shot = ScreenShot(timer);
    std::vector<TColor> all;
    for (int y = 0; y < timer->Height(); ++y) {
      for (int x = 0; x < timer->Width(); ++x) all.push_back(shot.Pixel(x, y));
    }
    return all;
  };
  const std::vector<TColor> painted = pixels();
  timer->SetCaption("other");
  timer->SetCaption("Timer 1");
  timer->SetMode(trig1);
  timer->SetMode(reset);
  Pump();
  EXPECT_TRUE(pixels() == painted);
}

TEST_F(CtrlTimerTest, TimesTakeOnlyShownUnitsInRange) {
  TCtlTime& t = *timer->StartTime();
  t.SetValueMinutes(75);
  EXPECT_EQ(t.ValueMinutes(), 0);
  timer->SetResolution(tcMMSS);
  t.SetValueHours(12);
  EXPECT_EQ(t.ValueHours(), 0);
  t.SetValueMinutes(59);
  EXPECT_EQ(t.TimeAsNumber(), 5900);
}

TEST_F(CtrlTimerTest, StoredTimesSurviveTheStoredResolution) {
  TFormLoader loader(form);
  auto* t = loader.Add<TCtrlTimer>("Timer");
  t->StartTime()->SetValueSeconds(40);  // stored before Resolution
  t->SetResolution(tcMMSS);
  loader.Finish();
  EXPECT_EQ(t->StartTime()->ValueSeconds(), 40);
  t->SetResolution(tcSS);
  EXPECT_EQ(t->StartTime()->ValueSeconds(), 0);
}

TEST_F(CtrlTimerTest, ElapsedTimeBlinksAndSelfMessagesFireTriggers) {
  timer->SetColElapsed(clRed);
  ShowForm();
  timer->Perform(WM_USER, 2, 0);
  EXPECT_EQ(events, std::vector<std::string>{"trigger2"});
  ClickZone(kRun);  // start 00:00:00: elapses on the first second
  for (int tick = 0; tick < 19; ++tick) TickServiceCallback();
  EXPECT_EQ(timer->Mode(), elapsed);
  while (TickCounter() != 6) TickServiceCallback();  // at the end of a half cycle
  for (int cycle = 0; cycle < 3; ++cycle) {
    for (int tick = 0; tick < 7; ++tick) TickServiceCallback();
    EXPECT_EQ(timer->Digits().Cell(1)->SegColour(), BlinkPhase ? clRed : clLime);
  }
}

}  // namespace
