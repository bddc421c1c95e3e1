// The seven-segment display demo: sizing by the scroll bars with the font that follows the height,
// and the inputs that reach the display.

#include "programs/demo/forms/fdisp7s.h"

#include "tests/programs/demo/demo_fixture.h"

namespace {

class Disp7sDemoTest : public DemoTest {};

TEST_F(Disp7sDemoTest, ScrollBarsSizeTheDisplayAndItsFont) {
  auto demo = OpenDemoForm("Disp7sBtn");
  auto* f = static_cast<TDisp7sDemo*>(demo.get());
  const int w0 = f->Disp7s->Width(), h0 = f->Disp7s->Height();
  ASSERT_EQ(h0, 100);
  struct Case {
    int W, H, Width, Height, FontSize;
  };
  for (const Case& c : {Case{0, 10, w0, 50, 11}, Case{10, 3, w0 + w0 / 2, 85, 20},
                        Case{1, 0, w0 + w0 / 20, 100, 24}}) {
    f->ScrollW->SetPosition(c.W);
    f->ScrollH->SetPosition(c.H);
    EXPECT_EQ(f->Disp7s->Width(), c.Width) << c.W;
    EXPECT_EQ(f->Disp7s->Height(), c.Height) << c.H;
    EXPECT_EQ(f->Disp7s->Font()->Size(), c.FontSize) << c.H;
  }
}

TEST_F(Disp7sDemoTest, InputsReachTheDisplay) {
  auto demo = OpenDemoForm("Disp7sBtn");
  auto* f = static_cast<TDisp7sDemo*>(demo.get());
  f->EditVal->SetText("12.5");
  EXPECT_EQ(f->Disp7s->ValueStr(), "12.5");
  struct Leds {
    int Item;
    bool LedEnable, TextEnable;
  };
  for (const Leds& c :
       {Leds{0, false, false}, Leds{1, true, false}, Leds{2, false, true}, Leds{3, true, true}}) {
    f->SelLeds->SetItemIndex(c.Item);
    f->SelLeds->OnClick(f->SelLeds);
    EXPECT_EQ(f->Disp7s->LedEnable(), c.LedEnable) << c.Item;
    EXPECT_EQ(f->Disp7s->TextEnable(), c.TextEnable) << c.Item;
  }
}

}  // namespace
