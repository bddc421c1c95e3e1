#include "platform/forms/messages.h"

#include <gtest/gtest.h>

#include <vector>

#include "platform/forms/application.h"
#include "platform/forms/testing/dialogscript.h"

namespace {

struct Received {
  uint32_t msg;
  int64_t w;
  int64_t l;
};

TEST(Messages, SendReachesTheReceiverAtOnceAndReturnsItsResult) {
  std::vector<Received> got;
  HWND wnd = AllocateHWnd([&](TMessage& m) {
    got.push_back({m.Msg, m.WParam, m.LParam});
    m.Result = m.WParam + m.LParam;
  });
  EXPECT_EQ(SendMessage(wnd, WM_USER, 2, 40), 42);
  ASSERT_EQ(got.size(), 1u);
  EXPECT_EQ(got[0].msg, WM_USER);
  DeallocateHWnd(wnd);
  EXPECT_EQ(SendMessage(wnd, WM_USER, 2, 40), 0);
  EXPECT_FALSE(IsWindow(wnd));
  EXPECT_FALSE(IsWindow(0));
}

TEST(Messages, PostedMessagesArriveInOrderFromTheLoopOnly) {
  std::vector<int64_t> got;
  HWND wnd = AllocateHWnd([&](TMessage& m) { got.push_back(m.WParam); });
  EXPECT_TRUE(PostMessage(wnd, 0x7F02, 1, 0));
  EXPECT_TRUE(PostMessage(wnd, 0x7F02, 2, 0));
  EXPECT_TRUE(got.empty());
  PumpMessages();
  EXPECT_EQ(got, (std::vector<int64_t>{1, 2}));
  DeallocateHWnd(wnd);
}

TEST(Messages, PostedMessageToAGoneReceiverIsDropped) {
  int calls = 0;
  HWND wnd = AllocateHWnd([&](TMessage&) { ++calls; });
  PostMessage(wnd, WM_USER, 0, 0);
  DeallocateHWnd(wnd);
  PumpMessages();
  EXPECT_EQ(calls, 0);
  EXPECT_FALSE(PostMessage(wnd, WM_USER, 0, 0));
}

TEST(Messages, ApplicationMessageHooksSeePostedMessagesFirst) {
  int delivered = 0;
  HWND wnd = AllocateHWnd([&](TMessage&) { ++delivered; });
  std::vector<uint32_t> seen;
  Application->OnMessage = [&](TMsg& msg, bool& handled) {
    seen.push_back(msg.message);
    handled = msg.wParam == 1;
  };
  int other = 0;
  int key = Application->AddMessageHandler([&](TMsg&, bool&) { ++other; });
  PostMessage(wnd, WM_USER, 1, 0);  // handled by the hook: not delivered
  PostMessage(wnd, WM_USER + 1, 0, 0);
  PumpMessages();
  Application->OnMessage = nullptr;
  Application->RemoveMessageHandler(key);
  EXPECT_EQ(seen, (std::vector<uint32_t>{WM_USER, WM_USER + 1}));
  EXPECT_EQ(other, 1);
  EXPECT_EQ(delivered, 1);
  DeallocateHWnd(wnd);
}

TEST(Messages, LongHalvesKeepSignedCoordinates) {
  int64_t l = MakeLong(-5, 300);
  EXPECT_EQ(LoSmall(l), -5);
  EXPECT_EQ(HiSmall(l), 300);
  EXPECT_EQ(LoWord(l), 0xFFFB);
}

}  // namespace
