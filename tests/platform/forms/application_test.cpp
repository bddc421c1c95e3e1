#include "platform/forms/application.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "platform/forms/msgbox.h"
#include "platform/forms/systimer.h"
#include "platform/forms/testing/dialogscript.h"
#include "platform/forms/timer.h"

namespace {

TEST(Application, ExceptionInAHandlerIsShownAndTheLoopGoesOn) {
  DialogScript dialogs;
  dialogs.Answer(mrOk);
  Application->SetTitle("Demo");
  int later = 0;
  HWND wnd = AllocateHWnd([&](TMessage& m) {
    if (m.Msg == WM_USER) throw std::runtime_error("Illegaler Wert");
    ++later;
  });
  PostMessage(wnd, WM_USER, 0, 0);
  PostMessage(wnd, WM_USER + 1, 0, 0);
  PumpMessages();
  DeallocateHWnd(wnd);
  ASSERT_EQ(dialogs.Asked().size(), 1u);
  EXPECT_EQ(dialogs.Asked()[0].Kind, "MessageBox");
  EXPECT_EQ(dialogs.Asked()[0].Text, "Illegaler Wert");
  EXPECT_EQ(dialogs.Asked()[0].Caption, "Demo");
  EXPECT_EQ(dialogs.Asked()[0].Icon, int(MB_ICONSTOP));
  EXPECT_EQ(later, 1);
}

TEST(Application, MessageBoxesAskTheScriptWithTheirButtons) {
  DialogScript dialogs;
  Application->SetTitle("Wavorine Demo");
  dialogs.Answer(mrAbort);
  EXPECT_EQ(MessageDlg("File\rx\r not found", mtError, {mbAbort}, 0), mrAbort);
  dialogs.Answer(IDNO);
  EXPECT_EQ(MessageBox(0, "HardCopy drucken ?", "Print", MB_YESNO | MB_ICONQUESTION), IDNO);
  dialogs.Answer(mrOk);
  ShowMessage("Wert zu klein");
  ASSERT_EQ(dialogs.Asked().size(), 3u);
  EXPECT_EQ(dialogs.Asked()[0].Buttons, (std::vector<int>{mrAbort}));
  EXPECT_EQ(dialogs.Asked()[0].Icon, int(MB_ICONHAND));
  EXPECT_EQ(dialogs.Asked()[1].Buttons, (std::vector<int>{IDYES, IDNO}));
  EXPECT_EQ(dialogs.Asked()[1].Caption, "Print");
  EXPECT_EQ(dialogs.Asked()[2].Caption, "Wavorine Demo");
  EXPECT_EQ(dialogs.Asked()[2].Buttons, (std::vector<int>{mrOk}));
}

TEST(Application, BeepsAreCounted) {
  DialogScript dialogs;
  MessageBeep(0xFFFF);
  MessageBeep(0x10);
  EXPECT_EQ(dialogs.Beeps(), (std::vector<unsigned>{0xFFFF, 0x10}));
}

TEST(SystemTimer, KeepsFiringInsideALoopItsOwnCallbackRuns) {
  int calls = 0;
  int depth = 0;
  int max_depth = 0;
  uintptr_t id = 0;
  id = SetTimer(1, [&] {
    ++calls;
    ++depth;
    max_depth = std::max(max_depth, depth);
    if (calls == 1) {
      while (calls < 4) Application->HandleMessage();
    }
    --depth;
  });
  ASSERT_NE(id, 0u);
  while (calls < 4) Application->HandleMessage();
  EXPECT_TRUE(KillTimer(id));
  EXPECT_FALSE(KillTimer(id));
  EXPECT_EQ(max_depth, 2);
}

TEST(SystemTimer, NoCallAfterKill) {
  int calls = 0;
  uintptr_t id = SetTimer(1, [&] { ++calls; });
  uintptr_t other_calls = 0;
  uintptr_t other = SetTimer(1, [&] { ++other_calls; });
  while (calls == 0) Application->HandleMessage();
  KillTimer(id);
  int at_kill = calls;
  while (other_calls < 3) Application->HandleMessage();
  KillTimer(other);
  EXPECT_EQ(calls, at_kill);
}

TEST(Timer, HandlerIsNeverNestedAndStopsWhenDisabled) {
  TTimer timer(nullptr);
  timer.SetInterval(1);
  int calls = 0;
  int nested = 0;
  int ticks = 0;
  uintptr_t clock = SetTimer(1, [&] { ++ticks; });
  timer.OnTimer = [&](TObject* sender) {
    EXPECT_EQ(sender, &timer);
    ++calls;
    if (calls == 1) {
      int until = ticks + 3;
      while (ticks < until) Application->HandleMessage();
      nested = calls;
    }
  };
  while (calls < 2) Application->HandleMessage();
  EXPECT_EQ(nested, 1);
  timer.SetEnabled(false);
  int at_stop = calls;
  int until = ticks + 3;
  while (ticks < until) Application->HandleMessage();
  KillTimer(clock);
  EXPECT_EQ(calls, at_stop);
}

TEST(Application, IdleHandlersRunWhenTheQueueIsEmpty) {
  int idle = 0;
  Application->OnIdle = [&](TObject*, bool& done) {
    ++idle;
    done = idle >= 2;  // asks once more at once
  };
  int extra = 0;
  int key = Application->AddIdleHandler([&](TObject*, bool&) { ++extra; });
  Application->HandleMessage();
  Application->OnIdle = nullptr;
  Application->RemoveIdleHandler(key);
  EXPECT_EQ(idle, 1);
  EXPECT_EQ(extra, 1);
}

TEST(Input, KeyStateFollowsProcessedInput) {
  EXPECT_GE(GetKeyState(VK_SHIFT), 0);
  EXPECT_EQ(GetKeyState(-1), 0);
  EXPECT_EQ(KeysToShiftState(MK_LBUTTON | MK_SHIFT), (TShiftState{ssLeft, ssShift}));
}

}  // namespace
