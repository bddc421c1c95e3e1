// The rotary switch demo: the spin that sets the number of positions, the readout in the chosen
// event driven by a real drag, the preset, and the inputs that colour the switch.

#include "programs/demo/forms/fscha270.h"

#include "tests/programs/demo/demo_fixture.h"

namespace {

class Schalt270DemoTest : public DemoTest {
 protected:
  TSchalt270Demo* Open() {
    FDemo = OpenDemoForm("Schalt270Btn");
    return static_cast<TSchalt270Demo*>(FDemo.get());
  }
  void ClickArrow(TTextSpin* Spin, bool Up) {
    Click(Spin, Spin->Width() - 12, Spin->Height() / 2 + (Up ? -6 : 6));
    Pause();
  }
  // The pointer's tip at a position: a point of the switch that selects it.
  static TPoint PointOf(TSelector270* S, int Position) {
    const int was = S->Position();
    S->SetPosition(Position);
    const TPoint tip = S->PointerTip();
    S->SetPosition(was);
    return tip;
  }
  std::unique_ptr<TForm> FDemo;
};

TEST_F(Schalt270DemoTest, TheSpinSetsTheNumberOfPositions) {
  TSchalt270Demo* f = Open();
  ASSERT_EQ(f->TextSpin->PosString(), "4");
  ASSERT_EQ(f->Schalter->ScalaPart(), 4);
  f->Schalter->SetPosition(4);
  struct Case {
    bool Up;
    int Steps;
    int ScalaPart;
    int Position;
  };
  const Case cases[] = {
      {true, 1, 5, 4},    // more positions keep the one selected
      {false, 3, 2, 2},   // fewer lower it to the last one
      {false, 1, 11, 2},  // the spin wraps round from its first entry to its last
      {true, 1, 2, 2},
  };
  for (const Case& c : cases) {
    for (int i = 0; i < c.Steps; ++i) ClickArrow(f->TextSpin, c.Up);
    EXPECT_EQ(f->Schalter->ScalaPart(), c.ScalaPart) << f->TextSpin->PosString();
    EXPECT_EQ(f->Schalter->Position(), c.Position) << f->TextSpin->PosString();
  }
}

TEST_F(Schalt270DemoTest, ReadoutAndBeepFollowTheChosenEvent) {
  TSchalt270Demo* f = Open();
  TSelector270* s = f->Schalter;
  const TReadout& r = f->Readout.Readout;
  for (bool on_changed : {false, true}) {
    if (f->Readout.EventSel->Checked() != on_changed) Click(f->Readout.EventSel, 5, 8);
    s->SetPosition(0);
    const TPoint p0 = PointOf(s, 0), p1 = PointOf(s, 1), p2 = PointOf(s, 2), p3 = PointOf(s, 3);
    r.Position->SetCaption("-");
    dialogs.Clear();
    Press(s, p0.X, p0.Y);
    Move(s, p1.X, p1.Y);
    Move(s, p2.X, p2.Y);
    Move(s, p3.X, p3.Y);
    EXPECT_EQ(s->Position(), 3) << on_changed;
    EXPECT_EQ(r.Position->Caption(), on_changed ? "-" : "3");
    EXPECT_EQ(dialogs.Beeps().size(), on_changed ? 0u : 3u);
    Release(s, p3.X, p3.Y);
    Pause();
    EXPECT_EQ(dialogs.Beeps().size(), 3u - 2u * on_changed) << on_changed;
    EXPECT_EQ(r.Position->Caption(), "3");
    EXPECT_EQ(r.Int->Caption(), "$00000004");
    EXPECT_EQ(r.Float->Caption(), "0");
  }

  // The preset selects position 2 and reads it out at once, with its beep.
  Click(f->PresetEnable, 5, 8);
  ASSERT_TRUE(s->PresEnable());
  Pump();
  struct Case {
    int Start;
    const char* Int;
    const char* Float;
    TColor Color;
  };
  for (const Case& c : {Case{4, "$00000000", "0", clRed}, Case{2, "$00000000", "0", clRed}}) {
    s->SetPosition(c.Start);
    dialogs.Clear();
    const TRect p = s->PresetRect();
    Click(s, (p.Left + p.Right) / 2, (p.Top + p.Bottom) / 2);
    Pause();
    EXPECT_EQ(s->Position(), 2) << c.Start;
    EXPECT_EQ(r.Position->Caption(), "2");
    EXPECT_EQ(r.Int->Caption(), c.Int);
    EXPECT_EQ(r.Float->Caption(), c.Float);
    EXPECT_EQ(r.Color->Brush()->Color(), c.Color);
    EXPECT_EQ(dialogs.Beeps().size(), 1u) << c.Start;
  }
}

TEST_F(Schalt270DemoTest, InputsColourTheSwitch) {
  TSchalt270Demo* f = Open();
  TSelector270* s = f->Schalter;
  struct Case {
    TRadioGroup* Group;
    int Item;
    TColor (*Read)(const TSelector270*);
    TColor Expected;
  };
  auto scala = [](const TSelector270* s) { return s->ColScala(); };
  auto text = [](const TSelector270* s) { return s->Font()->Color(); };
  auto pointer = [](const TSelector270* s) { return s->ColPointer(); };
  auto knob = [](const TSelector270* s) { return s->ColButton(); };
  const Case cases[] = {
      {f->SelScalaCol, 1, scala, 0xFFFFFF},    {f->SelScalaCol, 3, scala, 0xFF0000},
      {f->SelTextCol, 2, text, 0x0000FF},      {f->SelTextCol, 0, text, 0x000000},
      {f->SelZeigerCol, 0, pointer, 0x00FFFF}, {f->SelZeigerCol, 1, pointer, 0xFFFFFF},
      {f->SelZeigerCol, 3, pointer, 0xFF0000}, {f->SelKnopfCol, 1, knob, 0xC0C0C0},
      {f->SelKnopfCol, 2, knob, 0x0000FF},     {f->SelKnopfCol, 3, knob, 0xBFBF00},
      {f->SelKnopfCol, 0, knob, 0x000000},
  };
  for (const Case& c : cases) {
    c.Group->SetItemIndex(c.Item);
    EXPECT_EQ(c.Read(s), c.Expected) << c.Group->Name() << " " << c.Item;
  }
  EXPECT_FALSE(s->CaptEnable());
  Click(f->CaptionCheck, 5, 8);
  EXPECT_TRUE(s->CaptEnable());
  EXPECT_EQ(s->Caption().str(), "Eingang");
}

}  // namespace
