#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "library/foundation/tickservice.h"
#include "library/instruments/potis/potis.h"
#include "platform/forms/testing/formtest.h"

namespace {

class SlideTest : public FormTest {
 protected:
  SlideTest() {
    TickServiceStartup();
    form->SetClientHeight(360);  // room for a slide of the default height
  }
  ~SlideTest() override { TickServiceShutdown(); }

  template <class T>
  T* Make(int w, int h) {
    T* c = new T(form);
    c->SetParent(form);
    c->SetBounds(10, 10, w, h);
    c->onChanging = [this, c](TObject*) {
      events.push_back("changing");
      (void)c;
    };
    c->onChanged = [this](TObject*) { events.push_back("changed"); };
    c->onPreset = [this](TObject*) { events.push_back("preset"); };
    return c;
  }
  // Row at Fraction of the travel from its low end.
  static int Row(const TSlideInput* c, double Fraction) {
    return c->TravelTop() + c->TravelLength() -
           static_cast<int>(std::lround(Fraction * c->TravelLength()));
  }
  void Ticks(int n) {
    for (int i = 0; i < n; ++i) TickServiceCallback();
  }

  std::vector<std::string> events;
};

TEST_F(SlideTest, PressSetsTheValueOfItsRowOnLinearAndLogScales) {
  const struct {
    bool log;
    double start, end;
    double fraction;
    double value;
  } cases[] = {
      {false, 0, 10, 0, 0},          {false, 0, 10, 0.5, 5},      {false, 0, 10, 1, 10},
      {false, -10, 10, 0.5, 0},      {false, -10, 10, 1.05, 10},  // beyond the top: clamped
      {true, 0.001, 1000, 0, 0.001}, {true, 0.001, 1000, 0.5, 1}, {true, 0.001, 1000, 1, 1000},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.log << " " << c.fraction);
    TPotiSlide* p = Make<TPotiSlide>(60, 300);
    p->SetValueEnd(c.end);
    p->SetValueStart(c.start);
    p->SetNonLinear(c.log);
    ShowForm();
    ASSERT_GT(p->TravelLength(), 100);
    p->SetValue(c.value == c.start ? c.end : c.start);  // so that the press changes it
    Pause();
    Press(p, 20, Row(p, c.fraction));
    Release(p, 20, Row(p, c.fraction));
    const double tolerance = c.log ? c.value * 0.05 : 0.1;  // one pixel of the travel
    EXPECT_NEAR(p->Value(), c.value, tolerance);
    delete p;
  }
}

TEST_F(SlideTest, LogScaleRepairsTheRange) {
  TPotiSlide* p = Make<TPotiSlide>(60, 300);
  p->SetNonLinear(true);
  EXPECT_EQ(p->ValueStart(), 0.001);
  EXPECT_EQ(p->ValueEnd(), 10);
  EXPECT_EQ(p->Value(), 0.001);
  p->SetValueEnd(500);
  EXPECT_EQ(p->ValueEnd(), 100);  // snapped to its decade
}

TEST_F(SlideTest, EventSequenceOfADrag) {
  TPotiSlide* p = Make<TPotiSlide>(60, 300);
  ShowForm();
  Pause();
  Press(p, 20, Row(p, 0.2));
  Move(p, 20, Row(p, 0.4));
  Move(p, 20, Row(p, 0.4));  // same point: nothing changes
  Move(p, 20, Row(p, 0.6));
  EXPECT_EQ(events, (std::vector<std::string>{"changing", "changing", "changing"}));
  Release(p, 20, Row(p, 0.6));
  EXPECT_EQ(events.back(), "changed");
  EXPECT_EQ(events.size(), 4u);
  EXPECT_NEAR(p->Value(), 6, 0.1);
  // A press and release on the current value fire nothing.
  events.clear();
  p->SetValue(0);
  Pause();
  Press(p, 20, Row(p, 0));
  Release(p, 20, Row(p, 0));
  EXPECT_TRUE(events.empty());
  // A press below the travel at the start still reports a change attempt (the value stays).
  Pause();
  Press(p, 20, Row(p, 0) + 5);
  Release(p, 20, Row(p, 0) + 5);
  EXPECT_EQ(events, (std::vector<std::string>{"changing", "changed"}));
  EXPECT_EQ(p->Value(), 0);
}

TEST_F(SlideTest, OnlyAPlainLeftPressDrags) {
  TPotiSlide* p = Make<TPotiSlide>(60, 300);
  ShowForm();
  const int y = Row(p, 0.5);
  const TShiftState keys[] = {{ssShift}, {ssCtrl}, {ssAlt}};
  for (TShiftState k : keys) {
    Pause();
    Press(p, 20, y, mbLeft, k);
    Move(p, 20, Row(p, 0.7), k);
    Release(p, 20, y, mbLeft, k);
  }
  Pause();
  Press(p, 20, y, mbRight);
  Release(p, 20, y, mbRight);
  EXPECT_EQ(p->Value(), 0);
  EXPECT_TRUE(events.empty());
  // The second press of a double click does not drag either.
  Click(p, 20, y);
  EXPECT_NEAR(p->Value(), 5, 0.1);
  p->SetValue(0);
  events.clear();
  Press(p, 20, y);  // within the double-click time
  Release(p, 20, y);
  EXPECT_EQ(p->Value(), 0);
  EXPECT_TRUE(events.empty());
}

TEST_F(SlideTest, RefusedPressClearsTheChangedFlag) {
  TPotiSlide* p = Make<TPotiSlide>(60, 300);
  ShowForm();
  Pause();
  Press(p, 20, Row(p, 0.5));
  EXPECT_EQ(events, std::vector<std::string>{"changing"});
  // A right press during the drag clears the flag; the releases fire no changed event.
  Press(p, 20, Row(p, 0.5), mbRight);
  Release(p, 20, Row(p, 0.5), mbRight);
  Release(p, 20, Row(p, 0.5));
  EXPECT_EQ(events, std::vector<std::string>{"changing"});
}

TEST_F(SlideTest, PresetGesture) {
  TPotiSlide* p = Make<TPotiSlide>(60, 300);
  p->SetPresEnable(true);
  ShowForm();
  const TRect r = p->PresetRect();
  const TPoint in{(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2};
  const TColor released = p->Canvas()->Pixels(in.X, in.Y);
  Pause();
  Press(p, in.X, in.Y);
  EXPECT_NE(p->Canvas()->Pixels(r.Left + 1, r.Top + 1), clWhite);  // drawn pressed
  Move(p, 20, Row(p, 0.5));  // ignored while the preset button is held
  Release(p, 20, Row(p, 0.5));
  EXPECT_EQ(events, std::vector<std::string>{"preset"});
  EXPECT_EQ(p->Value(), 0);
  EXPECT_EQ(p->Canvas()->Pixels(in.X, in.Y), released);
  // Later releases of presses that do not drag fire no preset event.
  Pause();
  Press(p, 20, Row(p, 0.5), mbRight);
  Release(p, 20, Row(p, 0.5), mbRight);
  DoubleClick(p, in.X, in.Y);
  EXPECT_EQ(events, (std::vector<std::string>{"preset", "preset"}));
}

TEST_F(SlideTest, DragDelayMovesTheValueOnTicks) {
  TPotiSlide* p = Make<TPotiSlide>(60, 300);
  p->SetDragDelay(20);
  ShowForm();
  Pause();
  Press(p, 20, Row(p, 1));
  EXPECT_EQ(p->Value(), 0);
  Ticks(30);
  EXPECT_NEAR(p->Value(), 1, 1e-9);
  EXPECT_EQ(events.size(), 30u);
  Release(p, 20, Row(p, 1));
  EXPECT_EQ(events.back(), "changed");
  Ticks(30);
  EXPECT_NEAR(p->Value(), 1, 1e-9);
  // The step is linear in the value on a logarithmic scale too.
  TPotiSlide* log = Make<TPotiSlide>(60, 300);
  log->SetLeft(100);
  log->SetValueEnd(1000);
  log->SetNonLinear(true);
  log->SetDragDelay(10);
  Pump();
  Pause();
  Press(log, 20, Row(log, 1));
  Ticks(1);
  EXPECT_NEAR(log->Value(), 0.001 + (1000 - 0.001) / 150, 1e-9);
  Release(log, 20, Row(log, 1));
}

TEST_F(SlideTest, KnobMovesOverTheSavedBackground) {
  TPotiSlide* p = Make<TPotiSlide>(60, 300);
  ShowForm();
  const TRect at_bottom = p->KnobRect();
  const int x = (at_bottom.Left + at_bottom.Right) / 2;
  EXPECT_EQ(p->Canvas()->Pixels(x, at_bottom.Top + 1), p->ColButton());
  p->SetValue(5);
  const TRect in_middle = p->KnobRect();
  EXPECT_EQ(in_middle.Top + in_middle.Height() / 2, Row(p, 0.5));
  EXPECT_EQ(p->Canvas()->Pixels(x, in_middle.Top + 1), p->ColButton());
  // Where the knob was, the trench shows again.
  EXPECT_EQ(p->Canvas()->Pixels(x, at_bottom.Top + 2), clBlack);
}

TEST_F(SlideTest, TooSmallToSlideDrawsTheFrameAndIgnoresTheMouse) {
  TPotiSlide* p = Make<TPotiSlide>(60, 24);
  TSelectorSlide* s = Make<TSelectorSlide>(20, 20);
  s->SetLeft(100);
  ShowForm();
  EXPECT_LT(p->TravelLength(), 1);
  Pause();
  Press(p, 20, 10);
  Move(p, 20, 2);
  Release(p, 20, 2);
  Pause();
  Press(s, 10, 10);
  Release(s, 10, 10);
  EXPECT_EQ(p->Value(), 0);
  EXPECT_EQ(s->Position(), 0);
  EXPECT_TRUE(events.empty());
}

TEST_F(SlideTest, SelectorSnapsToPositions) {
  TSelectorSlide* s = Make<TSelectorSlide>(58, 98);
  ShowForm();
  ASSERT_GT(s->TravelLength(), 20);
  const struct {
    double fraction;
    int position;
  } cases[] = {{1, 3}, {0.6, 2}, {0.3, 1}, {0.1, 0}, {0.9, 3}};
  for (const auto& c : cases) {
    Pause();
    Press(s, 30, Row(s, c.fraction));
    Release(s, 30, Row(s, c.fraction));
    EXPECT_EQ(s->Position(), c.position) << c.fraction;
    // The knob sits on the position's mark.
    const TRect k = s->KnobRect();
    EXPECT_NEAR(k.Top + k.Height() / 2, Row(s, c.position / 3.0), 1);
  }
  // A press on the row of the last press does nothing, even after the program moved it.
  s->SetPosition(1);
  events.clear();
  Pause();
  Press(s, 30, Row(s, 0.9));
  Release(s, 30, Row(s, 0.9));
  EXPECT_EQ(s->Position(), 1);
  EXPECT_TRUE(events.empty());
  // Dragging beyond the ends keeps the last position.
  Pause();
  Press(s, 30, Row(s, 0.6));
  Move(s, 30, Row(s, 1.5));
  Move(s, 30, Row(s, 1));
  Move(s, 30, Row(s, -0.5));
  Release(s, 30, Row(s, -0.5));
  EXPECT_EQ(s->Position(), 3);
  EXPECT_EQ(events, (std::vector<std::string>{"changing", "changing", "changed"}));
}

TEST_F(SlideTest, SelectorReadsAndSelectsByPositionTexts) {
  TSelectorSlide* s = Make<TSelectorSlide>(58, 98);
  TStringList texts;
  for (const char* t : {"Com1 | clBlack | 0.1", "Com2 | clBlue | 0.2", "Com3 | clRed | 0.3",
                        "Com4 | 4 | 0.4", "Lpt 2 | clWhite | 0.6"}) {
    texts.Add(t);
  }
  s->SetPosText(&texts);
  s->SetScalaPart(5);
  s->SetPosition(2);
  EXPECT_EQ(s->PosString(), "Com3");
  EXPECT_EQ(s->PosColor(), clRed);
  EXPECT_EQ(s->PosFloat(), 0.3);
  s->SetPosColor(clWhite);
  EXPECT_EQ(s->Position(), 4);
  s->SetPosinteger(4);
  EXPECT_EQ(s->Position(), 3);
  EXPECT_EQ(s->Posinteger(), 4);
  s->SetPosFloat(0.25);  // no such entry
  EXPECT_EQ(s->Position(), 3);
  // A position without an entry reads empty, never fails.
  s->SetPosition(5);
  EXPECT_EQ(s->Position(), 5);
  EXPECT_EQ(s->PosString(), "");
  EXPECT_EQ(s->Posinteger(), 0);
  EXPECT_EQ(s->PosFloat(), 0);
  // ScalaPart below the position lowers it; entries beyond the last position are not selected.
  s->SetScalaPart(2);
  EXPECT_EQ(s->Position(), 2);
  s->SetPosFloat(0.6);
  EXPECT_EQ(s->Position(), 2);
  s->SetPosition(3);  // beyond ScalaPart: ignored
  EXPECT_EQ(s->Position(), 2);
}

// The labels of a default-sized potentiometer, logarithmic or with wide numbers, stay off its
// frame, which looks as it does on the plain linear scale.
TEST_F(SlideTest, LabelsStayInsideANarrowPotentiometer) {
  form->SetClientWidth(280);
  TPotiSlide* plain = Make<TPotiSlide>(60, 300);
  struct Case {
    bool NonLinear;
    double Start, End;
  };
  const Case cases[] = {{true, 0, 10}, {true, 0.001, 1000}, {false, -100, 100}};
  std::vector<TPotiSlide*> potis;
  for (const Case& c : cases) {
    TPotiSlide* p = Make<TPotiSlide>(60, 300);
    p->SetLeft(10 + 66 * int(potis.size() + 1));
    p->SetNonLinear(c.NonLinear);
    p->SetValueStart(c.Start);
    p->SetValueEnd(c.End);
    potis.push_back(p);
  }
  ShowForm();
  const int band = plain->BevWidth() + plain->BordWidth();  // the frame
  for (size_t i = 0; i < potis.size(); ++i) {
    int differ = 0;
    for (int y = 0; y < 300; ++y) {
      for (int x = 60 - band; x < 60; ++x) {
        if (plain->Canvas()->Pixels(x, y) != potis[i]->Canvas()->Pixels(x, y)) ++differ;
      }
    }
    EXPECT_EQ(differ, 0) << cases[i].Start << ".." << cases[i].End;
  }
}

}  // namespace
