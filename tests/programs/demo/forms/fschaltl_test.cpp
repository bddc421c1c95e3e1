// The slide switch demo: presets that pick an entry by value, the readout in the chosen event
// driven by a real drag, and the inputs that shape the first selector.

#include "programs/demo/forms/fschaltl.h"

#include "tests/programs/demo/demo_fixture.h"

namespace {

class SchaltLinDemoTest : public DemoTest {
 protected:
  TSchaltLinDemo* Open() {
    FDemo = OpenDemoForm("SchaltLinBtn");
    return static_cast<TSchaltLinDemo*>(FDemo.get());
  }
  void ClickPreset(TSelectorSlide* S) {
    const TRect r = S->PresetRect();
    Click(S, (r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2);
    Pause();
  }
  // The row of a position on the selector's travel.
  static int RowOf(const TSelectorSlide* S, int Position) {
    return S->TravelTop() + S->TravelLength() - S->TravelLength() * Position / S->ScalaPart();
  }
  std::unique_ptr<TForm> FDemo;
};

TEST_F(SchaltLinDemoTest, PresetsPickTheirEntryByValueAndStayThere) {
  TSchaltLinDemo* f = Open();
  struct Case {
    TSelectorSlide* Selector;
    int Start;
    int Position;
    const char* Entry;
  };
  const Case cases[] = {
      {f->SelectorSlide1, 0, 4, "Ch 5"},
      {f->SelectorSlide1, 8, 4, "Ch 5"},  // from the empty entry
      {f->SelectorSlide1, 4, 4, "Ch 5"},
      {f->SelectorSlide2, 0, 5, "Lpt 2"},
      {f->SelectorSlide2, 5, 5, "Lpt 2"},
  };
  for (const Case& c : cases) {
    c.Selector->SetPosition(c.Start);
    for (int press = 0; press < 2; ++press) {
      ClickPreset(c.Selector);
      EXPECT_EQ(c.Selector->Position(), c.Position) << c.Selector->Name() << " " << c.Start;
      EXPECT_EQ(c.Selector->PosString(), c.Entry) << c.Selector->Name() << " " << c.Start;
    }
  }
  EXPECT_EQ(f->SelectorSlide1->Posinteger(), 510);
  EXPECT_EQ(f->SelectorSlide2->PosColor(), TColor(0xFFFFFF));
}

// The first extra selector beeps once its move is settled, the second at every step.
TEST_F(SchaltLinDemoTest, ExtraSelectorsBeepInTheirOwnEvent) {
  TSchaltLinDemo* f = Open();
  struct Case {
    TSelectorSlide* Selector;
    size_t WhileDragging;
    size_t AfterRelease;
  };
  for (const Case& c : {Case{f->SelectorSlide1, 0, 1}, Case{f->SelectorSlide2, 3, 3}}) {
    TSelectorSlide* s = c.Selector;
    const int x = s->Width() / 2;
    dialogs.Clear();
    Press(s, x, RowOf(s, 0));
    for (int p = 1; p <= 3; ++p) Move(s, x, RowOf(s, p));
    EXPECT_EQ(s->Position(), 3) << s->Name();
    EXPECT_EQ(dialogs.Beeps().size(), c.WhileDragging) << s->Name();
    Release(s, x, RowOf(s, 3));
    Pause();
    EXPECT_EQ(dialogs.Beeps().size(), c.AfterRelease) << s->Name();
  }
}

TEST_F(SchaltLinDemoTest, ReadoutFollowsTheChosenEventWithoutBeep) {
  TSchaltLinDemo* f = Open();
  TSelectorSlide* s = f->Selector;
  const TReadout& r = f->Readout.Readout;
  const int x = s->Width() / 2;
  for (bool on_changed : {false, true}) {
    if (f->Readout.EventSel->Checked() != on_changed) Click(f->Readout.EventSel, 5, 8);
    s->SetPosition(0);
    r.Position->SetCaption("-");
    dialogs.Clear();
    Press(s, x, RowOf(s, 0));
    Move(s, x, RowOf(s, 2));
    EXPECT_EQ(s->Position(), 2) << on_changed;
    EXPECT_EQ(r.Position->Caption(), on_changed ? "-" : "2");
    Move(s, x, RowOf(s, 3));
    EXPECT_EQ(r.Position->Caption(), on_changed ? "-" : "3");
    Release(s, x, RowOf(s, 3));
    Pause();
    EXPECT_EQ(r.Position->Caption(), "3") << on_changed;
    EXPECT_EQ(r.Int->Caption(), "$FF00FF");
    EXPECT_EQ(r.Float->Caption(), "-0.1");
    EXPECT_EQ(r.Color->Brush()->Color(), TColor(0xFF00FF));
    EXPECT_TRUE(dialogs.Beeps().empty()) << on_changed;
  }

  // Its own preset sets position 1 and reads it out at once, whichever event is chosen.
  Click(f->PresetEnable, 5, 8);
  ASSERT_TRUE(s->PresEnable());
  Pump();
  r.Position->SetCaption("-");
  const TRect p = s->PresetRect();
  Click(s, (p.Left + p.Right) / 2, (p.Top + p.Bottom) / 2);
  EXPECT_EQ(s->Position(), 1);
  EXPECT_EQ(r.Position->Caption(), "1");
  EXPECT_EQ(r.Int->Caption(), "$000000");  // a colour name reads as integer 0
  EXPECT_EQ(r.Float->Caption(), "27.9");
  EXPECT_EQ(r.Color->Brush()->Color(), clRed);
  EXPECT_TRUE(dialogs.Beeps().empty());
}

TEST_F(SchaltLinDemoTest, InputsShapeTheSelector) {
  TSchaltLinDemo* f = Open();
  TSelectorSlide* s = f->Selector;
  struct Case {
    TRadioGroup* Group;
    int Item;
    int (*Read)(const TSelectorSlide*);
    int Expected;
  };
  auto scala = [](const TSelectorSlide* s) { return int(s->ColScala()); };
  auto text = [](const TSelectorSlide* s) { return int(s->Font()->Color()); };
  auto outer = [](const TSelectorSlide* s) { return int(s->BevelOut()); };
  auto inner = [](const TSelectorSlide* s) { return int(s->BevelIn()); };
  // Caption: hidden (-1), else its bevel.
  auto caption = [](const TSelectorSlide* s) { return s->CaptEnable() ? int(s->CaptBevel()) : -1; };
  const Case cases[] = {
      {f->SelScalaCol, 1, scala, 0xFFFFFF},   {f->SelScalaCol, 3, scala, 0xFF0000},
      {f->SelScalaCol, 2, scala, 0x0000FF},   {f->SelTextCol, 1, text, 0xFFFFFF},
      {f->SelTextCol, 3, text, 0xFF0000},     {f->SelTextCol, 0, text, 0x000000},
      {f->SelBevelOut, 2, outer, bvLowered},  {f->SelBevelIn, 1, inner, bvRaised},
      {f->SelCaption, 1, caption, bvLowered}, {f->SelCaption, 2, caption, bvRaised},
      {f->SelCaption, 3, caption, bvNone},    {f->SelCaption, 0, caption, -1},
  };
  EXPECT_EQ(caption(s), -1);
  for (const Case& c : cases) {
    c.Group->SetItemIndex(c.Item);
    EXPECT_EQ(c.Read(s), c.Expected) << c.Group->Name() << " " << c.Item;
  }
  EXPECT_FALSE(s->PresEnable());
  Click(f->PresetEnable, 5, 8);
  EXPECT_TRUE(s->PresEnable());
}

}  // namespace
