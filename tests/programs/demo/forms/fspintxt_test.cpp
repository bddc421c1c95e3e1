// The text spin demo: the list's round trip through the memo, the inputs that shape the spin, and
// the readout in the chosen event.

#include "programs/demo/forms/fspintxt.h"

#include "platform/base/strings.h"
#include "platform/base/sysutils.h"
#include "tests/programs/demo/demo_fixture.h"

using namespace cp1252_literal;

namespace {

class TextSpinDemoTest : public DemoTest {
 protected:
  TTextSpinDemo* Open() {
    FDemo = OpenDemoForm("TextSpinBtn");
    return static_cast<TTextSpinDemo*>(FDemo.get());
  }
  // A press and release on the spin's up or down arrow.
  void ClickArrow(TTextSpin* Spin, bool Up) {
    const int y = Spin->Height() / 2 + (Up ? -6 : 6);
    Click(Spin, Spin->Width() - 12, y);
    Pause();
  }
  std::unique_ptr<TForm> FDemo;
};

TEST_F(TextSpinDemoTest, MemoStartsWithTheListAndUpdateWritesItBackByteForByte) {
  TTextSpinDemo* f = Open();
  EXPECT_EQ(f->Memo->Lines()->Text(), f->TextSpin->PosText()->Text());
  ASSERT_EQ(f->Memo->Lines()->Count(), 6);
  EXPECT_EQ(f->Memo->Lines()->Strings(5), "100 msec | $ff00ff | 1e-1");

  const std::string lines = "500 µsec | 7 | 5e-4\n2 msec | clRed | 0.002"_ansi;
  f->Memo->Lines()->SetText(lines);
  Click(f->UpdateBtn, 10, 10);
  EXPECT_EQ(f->TextSpin->PosText()->Text(), f->Memo->Lines()->Text());
  EXPECT_EQ(f->TextSpin->PosString(), "500 \xb5sec");
  EXPECT_EQ(f->TextSpin->PosInteger(), 7);
  ClickArrow(f->TextSpin, true);
  EXPECT_EQ(f->TextSpin->PosString(), "2 msec");
  EXPECT_EQ(f->TextSpin->PosColor(), clRed);
}

// Writing a shorter or an empty list back must leave the spin on a line of it (0 when empty),
// and stepping and reading it afterwards must stay harmless.
TEST_F(TextSpinDemoTest, UpdateKeepsThePositionInsideTheNewList) {
  struct Case {
    int Before;
    const char* Lines;
    int After;
    const char* Shown;
    double Float;
  };
  const Case cases[] = {
      {5, "a | 1 | 0.5\nb | 2 | 1.5", 1, "b", 1.5},
      {1, "a | 1 | 0.5\nb | 2 | 1.5\nc | 3 | 2.5", 1, "b", 1.5},
      {0, "a | 1 | 0.5", 0, "a", 0.5},
      {4, "", 0, "", 0},
  };
  for (const Case& c : cases) {
    TTextSpinDemo* f = Open();
    f->TextSpin->SetPosition(c.Before);
    f->Memo->Lines()->SetText(c.Lines);
    Click(f->UpdateBtn, 10, 10);
    Pause();
    EXPECT_EQ(f->TextSpin->Position(), c.After) << c.Lines;
    EXPECT_EQ(f->TextSpin->PosString(), c.Shown) << c.Lines;
    EXPECT_EQ(f->TextSpin->PosFloat(), c.Float) << c.Lines;

    // Both directions, wrapping and at the stop, with the readout running at every step.
    for (bool limiter : {false, true}) {
      if (f->Anschlag->Checked() != limiter) Click(f->Anschlag, 5, 8);
      for (bool up : {true, false}) {
        ClickArrow(f->TextSpin, up);
        const int count = f->TextSpin->PosText()->Count();
        EXPECT_TRUE(count == 0 ? f->TextSpin->Position() == 0
                               : f->TextSpin->Position() >= 0 && f->TextSpin->Position() < count)
            << c.Lines << " " << limiter << " " << up;
      }
    }
    EXPECT_EQ(f->Readout.Readout.Position->Caption(), IntToStr(f->TextSpin->Position()));
  }
}

TEST_F(TextSpinDemoTest, ReadoutRunsInTheChosenEvent) {
  TTextSpinDemo* f = Open();
  const TReadout& r = f->Readout.Readout;
  struct Case {
    bool OnChanged;
    bool Up;
    const char* Position;
    const char* Int;
    const char* Float;
    TColor Color;
  };
  const Case cases[] = {
      {false, true, "1", "$00000E", "1E-5", 14},
      {true, true, "2", "$000000", "0.0001", clRed},  // a colour name reads as integer 0
      {false, false, "1", "$00000E", "1E-5", 14},
      {true, false, "0", "$000000", "1E-6", clBlack},
      {false, false, "5", "$FF00FF", "0.1", 0xFF00FF},
  };
  for (const Case& c : cases) {
    if (f->Readout.EventSel->Checked() != c.OnChanged) Click(f->Readout.EventSel, 5, 8);
    r.Position->SetCaption("-");
    dialogs.Clear();
    const int y = f->TextSpin->Height() / 2 + (c.Up ? -6 : 6);
    Press(f->TextSpin, f->TextSpin->Width() - 12, y);
    EXPECT_EQ(r.Position->Caption(), c.OnChanged ? "-" : c.Position) << c.Position;
    EXPECT_EQ(dialogs.Beeps().size(), c.OnChanged ? 0u : 1u) << c.Position;
    Release(f->TextSpin, f->TextSpin->Width() - 12, y);
    Pause();
    EXPECT_EQ(dialogs.Beeps().size(), 1u) << c.Position;
    EXPECT_EQ(r.Position->Caption(), c.Position);
    EXPECT_EQ(r.Int->Caption(), c.Int) << c.Position;
    EXPECT_EQ(r.Float->Caption(), c.Float) << c.Position;
    EXPECT_EQ(r.Color->Brush()->Color(), c.Color) << c.Position;
  }
}

TEST_F(TextSpinDemoTest, InputsShapeTheSpin) {
  TTextSpinDemo* f = Open();
  struct Case {
    TRadioGroup* Group;
    int Item;
    int (*Read)(const TTextSpin*);
    int Expected;
  };
  auto back = [](const TTextSpin* s) { return int(s->ColTxtBack()); };
  auto text = [](const TTextSpin* s) { return int(s->Font()->Color()); };
  auto outer = [](const TTextSpin* s) { return int(s->BevelOut()); };
  auto inner = [](const TTextSpin* s) { return int(s->BevelIn()); };
  const Case cases[] = {
      {f->SelColor, 1, back, 0xFFFFFF},      {f->SelColor, 3, back, 0xFFFF00},
      {f->SelColor, 2, back, 0x0000FF},      {f->SelColor, 0, back, 0x000000},
      {f->SelTextCol, 0, text, 0x00FF00},    {f->SelTextCol, 3, text, 0xFFFF00},
      {f->SelTextCol, 2, text, 0x0000FF},    {f->SelBevelOut, 0, outer, bvNone},
      {f->SelBevelOut, 2, outer, bvLowered}, {f->SelBevelIn, 1, inner, bvRaised},
  };
  for (const Case& c : cases) {
    c.Group->SetItemIndex(c.Item);
    EXPECT_EQ(c.Read(f->TextSpin), c.Expected) << c.Group->Name() << " " << c.Item;
  }

  Click(f->Anschlag, 5, 8);
  EXPECT_TRUE(f->TextSpin->Limiter());
  Click(f->Anschlag, 5, 8);
  EXPECT_FALSE(f->TextSpin->Limiter());

  // The repeat speed follows the speed spin's integer; "off" has none and reads 0.
  EXPECT_EQ(f->TextSpin->RepSpeed(), 0);
  ClickArrow(f->SelSpeed, true);
  EXPECT_EQ(f->TextSpin->RepSpeed(), 1000);
  ClickArrow(f->SelSpeed, false);
  ClickArrow(f->SelSpeed, false);
  EXPECT_EQ(f->TextSpin->RepSpeed(), 200);
  ClickArrow(f->SelSpeed, true);
  EXPECT_EQ(f->TextSpin->RepSpeed(), 0);
}

}  // namespace
