#include "library/controls/orvanebits/bitwin.h"

#include <gtest/gtest.h>

#include <vector>

#include "platform/forms/testing/formtest.h"

namespace {

class Panel : public TCustomControl {
 public:
  using TCustomControl::TCustomControl;
};

class BitWinTest : public FormTest {
 protected:
  BitWinTest() {
    panel = new Panel(form);
    panel->SetParent(form);
    panel->SetBounds(20, 30, 200, 120);
  }

  TBitWin* MakeBitWin() {
    auto* bw = new TBitWin(form);
    bw->SetParent(panel);
    bw->SetShowDelay(100);
    bw->OnShow = [this](TObject*, TPoint& pos, std::string& text, bool& show) {
      shows.push_back(pos);
      text = "at rest";
      show = allow_show;
    };
    bw->OnHide = [this](TObject*) { ++hides; };
    return bw;
  }

  void ShowAndActivate() {
    ShowForm();
    Activate(form);
  }

  // One idle pass of the application as the window sees it.
  void Idle(TBitWin* bw) {
    bool done = true;
    bw->Window()->BitWinIdleHook(Application, done);
  }

  // Puts the cursor on a client point of the panel and lets it rest until the window opens.
  void RestAt(TBitWin* bw, int x, int y) {
    const TPoint p = panel->ClientToScreen({x, y});
    SetCursorPos(p.X, p.Y);
    Idle(bw);  // the move
    Idle(bw);  // the rest starts the delay
    Idle(bw);  // not yet elapsed
    bw->Window()->DelayTick(nullptr);
    Idle(bw);  // elapsed: offered
  }

  Panel* panel;
  std::vector<TPoint> shows;
  int hides = 0;
  bool allow_show = true;
};

TEST_F(BitWinTest, SettingsAreKeptInRangeByTheWindow) {
  TBitWin* bw = MakeBitWin();
  struct Case {
    int delay, window_delay;
  };
  for (Case c : {Case{0, 60}, Case{20000, 10000}, Case{500, 500}}) {
    bw->SetShowDelay(c.delay);
    EXPECT_EQ(bw->ShowDelay(), c.delay);
    EXPECT_EQ(bw->Window()->ShowDelay(), c.window_delay);
  }
  bw->SetOffSetX(100);
  bw->SetOffSetY(-30);
  EXPECT_EQ(bw->Window()->OffSetX(), 50);
  EXPECT_EQ(bw->Window()->OffSetY(), -20);
}

TEST_F(BitWinTest, AppearsAfterTheDelayAtTheRestingMouseAndGoesOnAMove) {
  TBitWin* bw = MakeBitWin();
  ShowAndActivate();
  ASSERT_TRUE(Application->Active());
  TCustomBitWin* w = bw->Window();
  const TPoint p = panel->ClientToScreen({50, 40});
  SetCursorPos(p.X, p.Y);
  Idle(bw);
  Idle(bw);
  Idle(bw);
  EXPECT_TRUE(shows.empty());
  EXPECT_FALSE(w->Visible());
  w->DelayTick(nullptr);
  Idle(bw);
  ASSERT_EQ(shows.size(), 1u);
  EXPECT_EQ(shows[0], (TPoint{50, 40}));  // in the panel's client pixels
  EXPECT_TRUE(w->Visible());
  EXPECT_EQ(w->Info(), "at rest");
  EXPECT_EQ(w->Left(), p.X);
  EXPECT_EQ(w->Top(), p.Y);
  Idle(bw);  // offered once per rest
  EXPECT_EQ(shows.size(), 1u);
  EXPECT_TRUE(w->Visible());

  const TPoint q = panel->ClientToScreen({60, 40});
  SetCursorPos(q.X, q.Y);
  Idle(bw);
  EXPECT_FALSE(w->Visible());
  EXPECT_EQ(hides, 0);  // a move inside the control closes without the event
}

TEST_F(BitWinTest, LeavingTheControlOrAKeyClosesWithTheEvent) {
  TBitWin* bw = MakeBitWin();
  ShowAndActivate();
  RestAt(bw, 10, 10);
  ASSERT_TRUE(bw->Window()->Visible());
  const TPoint out = panel->ClientToScreen({-5, 10});
  SetCursorPos(out.X, out.Y);
  Idle(bw);
  EXPECT_FALSE(bw->Window()->Visible());
  EXPECT_EQ(hides, 1);

  RestAt(bw, 30, 30);
  ASSERT_TRUE(bw->Window()->Visible());
  Pump();  // the hooks are registered by the posted message
  KeyPress('A', "a");
  EXPECT_FALSE(bw->Window()->Visible());
  EXPECT_EQ(hides, 2);
}

TEST_F(BitWinTest, StaysClosedWhenTheHandlerVetoesUntilTheMouseMoves) {
  TBitWin* bw = MakeBitWin();
  ShowAndActivate();
  allow_show = false;
  RestAt(bw, 10, 10);
  EXPECT_FALSE(bw->Window()->Visible());
  EXPECT_EQ(shows.size(), 1u);
  bw->Window()->DelayTick(nullptr);
  Idle(bw);
  Idle(bw);
  EXPECT_EQ(shows.size(), 1u);
  allow_show = true;
  RestAt(bw, 12, 10);
  EXPECT_TRUE(bw->Window()->Visible());
}

TEST_F(BitWinTest, HideStopsTracking) {
  TBitWin* bw = MakeBitWin();
  ShowAndActivate();
  bw->SetHide(true);
  EXPECT_TRUE(bw->Hide());
  RestAt(bw, 10, 10);
  EXPECT_TRUE(shows.empty());
}

TEST_F(BitWinTest, PlacementFollowsTheOrigins) {
  TBitWin* bw = MakeBitWin();
  ShowAndActivate();
  bw->SetOriginHor(bwhRight);
  bw->SetOriginVert(bwvBottom);
  bw->SetOffSetX(5);
  bw->SetOffSetY(15);
  RestAt(bw, 100, 60);
  TCustomBitWin* w = bw->Window();
  const TPoint p = panel->ClientToScreen({100, 60});
  EXPECT_EQ(w->Left() + w->Width(), p.X + 5);
  EXPECT_EQ(w->Top() + w->Height(), p.Y - 15);
}

TEST_F(BitWinTest, CaretMBreaksLinesAndEveryLineFitsTheWindow) {
  TBitWin* bw = MakeBitWin();
  ShowAndActivate();
  bw->SetInfo("a^Mb^Mc^Md^MThis is the longest line");
  TCustomBitWin* w = bw->Window();
  EXPECT_EQ(w->Info(), "a\r\nb\r\nc\r\nd\r\nThis is the longest line");
  // Five lines, none of them wrapped: the text fits the window's text area.
  TCanvas* c = w->Canvas();
  c->SetFont(w->Font());
  TRect r = Rect(2, 1, w->Width(), w->Height() - 1);
  const int text_height = c->DrawText(w->Info(), r, DT_WORDBREAK | DT_NOPREFIX | DT_CALCRECT);
  EXPECT_EQ(text_height, 5 * c->TextHeight("My"));
  EXPECT_GE(w->Height(), text_height);
  EXPECT_GE(w->Width(), c->TextWidth("This is the longest line") + 3);
}

TEST_F(BitWinTest, WindowsMayGoInAnyOrder) {
  TBitWin* first = MakeBitWin();
  TBitWin* second = MakeBitWin();
  ShowAndActivate();  // both register their hooks here
  delete first;       // not the reverse order of registration
  int passes = 0;
  const int key = Application->AddIdleHandler([&](TObject*, bool& done) {
    ++passes;
    done = false;
  });
  RestAt(second, 10, 10);
  ASSERT_TRUE(second->Window()->Visible());
  const TPoint p = panel->ClientToScreen({40, 10});
  SetCursorPos(p.X, p.Y);
  Application->HandleMessage();  // the application's own idle pass reaches the second window
  Application->RemoveIdleHandler(key);
  EXPECT_EQ(passes, 1);
  EXPECT_FALSE(second->Window()->Visible());
}

}  // namespace
