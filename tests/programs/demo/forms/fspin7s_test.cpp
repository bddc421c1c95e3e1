// The thumbwheel demo: sizing by the scroll bars, and the event select of the beep.

#include "programs/demo/forms/fspin7s.h"

#include "platform/forms/testing/dialogscript.h"
#include "tests/programs/demo/demo_fixture.h"

namespace {

class Spin7SegDemoTest : public DemoTest {};

TEST_F(Spin7SegDemoTest, ScrollBarsSizeTheWheelFromItsFirstSize) {
  auto demo = OpenDemoForm("Spin7sBtn");
  auto* f = static_cast<TSpin7SegDemo*>(demo.get());
  const int w0 = f->Spin7S->Width(), h0 = f->Spin7S->Height();
  struct Case {
    int W, H;
  };
  for (const Case& c : {Case{10, 10}, Case{3, 7}, Case{0, 0}}) {
    f->ScrollW->SetPosition(c.W);
    f->ScrollH->SetPosition(c.H);
    EXPECT_EQ(f->Spin7S->Width(), w0 + c.W * w0 / 10) << c.W;
    EXPECT_EQ(f->Spin7S->Height(), h0 + c.H * h0 / 20) << c.H;
  }
}

TEST_F(Spin7SegDemoTest, BeepFollowsTheChosenEvent) {
  auto demo = OpenDemoForm("Spin7sBtn");
  auto* f = static_cast<TSpin7SegDemo*>(demo.get());
  DialogScript dialogs;
  const TRect lower = f->Spin7S->LowerRect();
  const int x = (lower.Left + lower.Right) / 2, y = (lower.Top + lower.Bottom) / 2;
  for (bool on_changed : {false, true}) {
    if (f->EventSel->Checked() != on_changed) Click(f->EventSel, 5, 8);
    dialogs.Clear();
    const int before = f->Spin7S->ValueInt();
    Press(f->Spin7S, x, y);
    EXPECT_EQ(f->Spin7S->ValueInt(), before - 1);
    EXPECT_EQ(dialogs.Beeps().size(), on_changed ? 0u : 1u) << on_changed;
    Release(f->Spin7S, x, y);
    EXPECT_EQ(dialogs.Beeps().size(), 1u) << on_changed;
    Pause();
  }
}

}  // namespace
