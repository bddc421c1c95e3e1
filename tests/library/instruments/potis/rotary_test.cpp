#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "library/foundation/tickservice.h"
#include "library/instruments/potis/potis.h"
#include "platform/forms/testing/formtest.h"
#include "platform/graphics/bitmap.h"

namespace {

class RotaryTest : public FormTest {
 protected:
  RotaryTest() { TickServiceStartup(); }
  ~RotaryTest() override { TickServiceShutdown(); }

  template <class T>
  T* Make(int w = 200, int h = 200) {
    T* c = new T(form);
    c->SetParent(form);
    c->SetBounds(10, 10, w, h);
    c->onChanging = [this](TObject*) { events.push_back("changing"); };
    c->onChanged = [this](TObject*) { events.push_back("changed"); };
    c->onPreset = [this](TObject*) { events.push_back("preset"); };
    return c;
  }
  // The point Radius pixels from the knob's centre in the direction Degrees (0 straight down,
  // clockwise on the screen).
  static TPoint At(const TRotaryInput* c, double Degrees, double Radius = 70) {
    const double a = Degrees * M_PI / 180;
    const TPoint centre = c->Plane().Centre;
    return {centre.X - int(std::lround(Radius * std::sin(a))),
            centre.Y + int(std::lround(Radius * std::cos(a)))};
  }
  void PressAt(TControl* c, TPoint P) {
    Pause();
    Press(c, P.X, P.Y);
  }
  // A click without a move in between (a release elsewhere would drag there first).
  void ClickAt(TControl* c, TPoint P) {
    PressAt(c, P);
    Release(c, P.X, P.Y);
  }
  std::vector<uint32_t> Screen(TCustomControl* c) {
    std::vector<uint32_t> pixels;
    for (int y = 0; y < c->Height(); ++y) {
      for (int x = 0; x < c->Width(); ++x) pixels.push_back(c->Canvas()->Pixels(x, y));
    }
    return pixels;
  }

  std::vector<std::string> events;
};

TEST_F(RotaryTest, ValueFromTheAngleOfAPress) {
  TPoti270* p = Make<TPoti270>();
  ShowForm();
  const struct {
    double degrees;
    double value;
  } cases[] = {
      {45, 0},       {180, 5},        {315, 10},
      {90, 5.0 / 3}, {270, 25.0 / 3}, {10, 0},  // in the gap left of the bottom centre: the start
      {350, 10},                                // right of it: the end
  };
  for (const auto& c : cases) {
    ClickAt(p, At(p, c.degrees));
    EXPECT_NEAR(p->Value(), c.value, 0.1) << c.degrees;
  }
}

TEST_F(RotaryTest, DragFollowsTheArcButNotAcrossTheGap) {
  TPoti270* p = Make<TPoti270>();
  ShowForm();
  PressAt(p, At(p, 180));
  for (double a = 190; a <= 330; a += 10) {
    const TPoint q = At(p, a);
    Move(p, q.X, q.Y);
  }
  EXPECT_EQ(p->Value(), 10);  // beyond the end: held at the end
  // Straight on across the gap to the lower left: every step is refused at the end.
  for (double a = 340; a <= 400; a += 10) {
    const TPoint q = At(p, a);
    Move(p, q.X, q.Y);
    EXPECT_EQ(p->Value(), 10) << a;
  }
  const TPoint r = At(p, 40);
  Release(p, r.X, r.Y);
  EXPECT_EQ(events.back(), "changed");
}

TEST_F(RotaryTest, PointerIsDrawnByExclusiveOrAndRestored) {
  TPoti270* p = Make<TPoti270>();
  ShowForm();
  const std::vector<uint32_t> at_start = Screen(p);
  const TPoint tip = p->PointerTip();
  p->SetValue(5);
  EXPECT_NE(p->PointerTip(), tip);
  EXPECT_EQ(p->PointerTip().X, p->Plane().Centre.X);  // straight up
  EXPECT_LT(p->PointerTip().Y, p->Plane().Centre.Y);
  EXPECT_NE(Screen(p), at_start);
  p->SetValue(0);
  EXPECT_EQ(Screen(p), at_start);
}

TEST_F(RotaryTest, RangeSettersPullTheValueIn) {
  TPoti270* p = Make<TPoti270>();
  p->SetValue(8);
  p->SetValueEnd(5);
  EXPECT_EQ(p->Value(), 5);
  p->SetValueStart(7);
  EXPECT_EQ(p->ValueStart(), 4);
  p->SetValueStart(-500);
  EXPECT_EQ(p->ValueStart(), -100);
  p->SetScalaPart(12);
  EXPECT_EQ(p->ScalaPart(), 10);
}

TEST_F(RotaryTest, PresetButtonInTheLowerLeftCorner) {
  TPoti270* p = Make<TPoti270>();
  p->SetPresEnable(true);
  ShowForm();
  const TRect r = p->PresetRect();
  EXPECT_EQ(r.Width(), std::max(p->Width() / 6 - 1, 12));
  Pause();
  Press(p, r.Left + 3, r.Top + 3);
  const TPoint q = At(p, 200);
  Move(p, q.X, q.Y);
  Release(p, q.X, q.Y);
  EXPECT_EQ(events, std::vector<std::string>{"preset"});
  EXPECT_EQ(p->Value(), 0);
}

TEST_F(RotaryTest, SelectorSnapsToPositions) {
  TSelector270* s = Make<TSelector270>();
  ShowForm();
  const struct {
    double degrees;
    int position;
  } cases[] = {{45, 0}, {110, 1}, {130, 1}, {160, 2}, {250, 3}, {300, 4}, {359, 4}, {5, 0}};
  for (const auto& c : cases) {
    ClickAt(s, At(s, c.degrees));
    EXPECT_EQ(s->Position(), c.position) << c.degrees;
  }
  // A drag moves by 90 degrees at most per step.
  s->SetPosition(0);
  PressAt(s, At(s, 45));
  const TPoint far = At(s, 180);
  Move(s, far.X, far.Y);
  EXPECT_EQ(s->Position(), 0);
  const TPoint near = At(s, 120);
  Move(s, near.X, near.Y);
  EXPECT_EQ(s->Position(), 1);
  Release(s, near.X, near.Y);
}

TEST_F(RotaryTest, SelectorPositionTexts) {
  TSelector270* s = Make<TSelector270>();
  TStringList texts;
  for (const char* t : {"1", "2  | clWhite | 78.9", "3  |clRed |", "4  | 4 |", "5  | clBlue | 0.76",
                        "6  | 6 | 45", "7  | 7", "8  | $ff | 123.4", "9  | $ff00 | -56.8",
                        "10 | $FF00FF |", "11 | 11", "12 | $808080|"}) {
    texts.Add(t);
  }
  s->SetPosText(&texts);
  EXPECT_EQ(s->ScalaPart(), 4);
  s->SetPosFloat(78.9);
  EXPECT_EQ(s->Position(), 1);
  EXPECT_EQ(s->PosColor(), clWhite);
  EXPECT_EQ(s->PosString(), "2");
  s->SetPosFloat(1.5);
  EXPECT_EQ(s->Position(), 1);
  s->SetPosinteger(4);
  EXPECT_EQ(s->Position(), 3);
  // Entries beyond the last position are never selected.
  s->SetPosFloat(-56.8);
  EXPECT_EQ(s->Position(), 3);
  s->SetPosColor(clBlue);
  EXPECT_EQ(s->Position(), 4);
  EXPECT_EQ(s->PosFloat(), 0.76);
  s->SetScalaPart(2);
  EXPECT_EQ(s->Position(), 2);
  // Fewer entries than positions: the others read empty.
  TStringList two;
  two.Add("a|1|2.5");
  s->SetPosText(&two);
  EXPECT_EQ(s->PosString(), "");
  EXPECT_EQ(s->Posinteger(), 0);
  s->SetPosition(0);
  EXPECT_EQ(s->PosFloat(), 2.5);
}

TEST_F(RotaryTest, TooSmallForAKnob) {
  TPoti270* p = Make<TPoti270>(4, 4);
  TSelector270* s = Make<TSelector270>(1, 30);
  s->SetLeft(100);
  ShowForm();
  EXPECT_FALSE(p->Plane().Valid());
  Pause();
  Press(p, 2, 2);
  Move(p, 3, 1);
  Release(p, 3, 1);
  p->SetValue(3);
  s->SetPosition(2);
  EXPECT_TRUE(events.empty());
}

// Long position texts at the size of the report that showed them cut off: every label stays
// off the frame, which looks as it does without labels.
TEST_F(RotaryTest, LongPositionTextsStayInsideTheControl) {
  form->SetClientWidth(470);
  form->SetClientHeight(260);
  TSelector270* plain = Make<TSelector270>(220, 240);
  plain->PosText()->Clear();
  TSelector270* labelled = Make<TSelector270>(220, 240);
  labelled->SetLeft(240);
  labelled->PosText()->SetText("Aus\nLangsam\nMittel\nSchnell\nMaximum");
  ShowForm();
  const int band = plain->BevWidth() + plain->BordWidth();  // the frame
  int differ = 0, labels = 0;
  for (int y = 0; y < 240; ++y) {
    for (int x = 0; x < 220; ++x) {
      const TColor a = plain->Canvas()->Pixels(x, y), b = labelled->Canvas()->Pixels(x, y);
      if (a == b) continue;
      ++labels;
      if (x < band || y < band || x >= 220 - band || y >= 240 - band) ++differ;
    }
  }
  EXPECT_GT(labels, 100);
  EXPECT_EQ(differ, 0);
}

// The caption bevel's lines are drawn in a pen of their own, not in whatever the scale drawn
// before them left on the canvas.
TEST_F(RotaryTest, CaptionBevelAroundTheCaptionBox) {
  TPoti270* p = Make<TPoti270>();
  TSelector270* s = Make<TSelector270>();
  s->SetLeft(220);
  const struct {
    TPanelBevel bevel;
    TColor upper, lower;
  } cases[] = {{bvRaised, clWhite, clGray}, {bvLowered, clGray, clWhite}};
  const struct {
    TRotaryInput* control;
    const char* name;
  } controls[] = {{p, "potentiometer"}, {s, "switch"}};
  for (const auto& k : cases) {
    for (const auto& [c, name] : controls) {
      c->SetCaptEnable(true);
      c->SetCaptBevel(k.bevel);
      ShowForm();
      c->Update();
      // The box inside the bevel.
      const TRect r = c->CaptionRect();
      EXPECT_EQ(c->Canvas()->Pixels(r.Left - 1, r.Top - 1), k.upper) << name;
      EXPECT_EQ(c->Canvas()->Pixels(r.Right, r.Bottom), k.lower) << name;
    }
  }
}

}  // namespace
