#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "library/foundation/tickservice.h"
#include "library/instruments/potis/potis.h"
#include "platform/forms/testing/formtest.h"

namespace {

class SliderTest : public FormTest {
 protected:
  SliderTest() { TickServiceStartup(); }
  ~SliderTest() override { TickServiceShutdown(); }

  TSlider* Make(int w = 150, int h = 20) {
    TSlider* s = new TSlider(form);
    s->SetParent(form);
    s->SetBounds(10, 10, w, h);
    s->OnChanging = [this](TObject*) { events.push_back("changing"); };
    s->OnChanged = [this](TObject*) { events.push_back("changed"); };
    s->OnRepaint = [this](TObject*) { ++paints; };
    return s;
  }
  // The point at Fraction of the trench from its low end (left or bottom).
  static TPoint Along(const TSlider* s, double Fraction) {
    const TRect& t = s->TrenchRect();
    if (s->Orientation() == orVertical) {
      return {(t.Left + t.Right) / 2, t.Bottom - int(Fraction * t.Height() + 0.5)};
    }
    return {t.Left + int(Fraction * t.Width() + 0.5), (t.Top + t.Bottom) / 2};
  }
  void ClickAt(TSlider* s, double Fraction) {
    const TPoint p = Along(s, Fraction);
    Click(s, p.X, p.Y);
  }

  std::vector<std::string> events;
  int paints = 0;
};

TEST_F(SliderTest, NewSlider) {
  TSlider* s = Make();
  ShowForm();
  EXPECT_EQ(s->Orientation(), orHorizontal);
  EXPECT_EQ(s->Width(), 150);
  EXPECT_EQ(s->Height(), 20);
  const TRect b = s->ButtonRect();
  EXPECT_EQ(b.Width(), 20);
  EXPECT_EQ(b.Height(), 8);
  EXPECT_EQ((b.Left + b.Right) / 2, s->TrenchRect().Left);
  EXPECT_EQ(ScreenPixel(s, (b.Left + b.Right) / 2, b.Top + 3), clLime);
  // A red middle line for each of the 11 ticks above the trench.
  int red = 0;
  for (int x = 0; x < s->Width(); ++x)
    red += s->Canvas()->Pixels(x, s->TrenchRect().Top - 3) == clRed;
  EXPECT_EQ(red, 11);
}

TEST_F(SliderTest, ThicknessAndOrientationFollowTheShape) {
  TSlider* s = Make();
  ShowForm();
  s->SetHeight(80);
  EXPECT_EQ(s->Height(), 50);
  s->SetHeight(20);
  s->SetOrientation(orVertical);
  EXPECT_EQ(s->Width(), 20);
  EXPECT_EQ(s->Height(), 150);
  EXPECT_EQ(s->Orientation(), orVertical);
  // A resize that makes the slider wider than high turns it without swapping the sides again.
  s->SetBounds(10, 10, 45, 30);
  EXPECT_EQ(s->Orientation(), orHorizontal);
  EXPECT_EQ(s->Width(), 45);
  EXPECT_EQ(s->Height(), 30);
  // Not yet painted: the thickness of the current orientation is clamped first.
  TSlider* fresh = Make();
  fresh->SetBounds(200, 10, 20, 150);
  EXPECT_EQ(fresh->Width(), 20);
  EXPECT_EQ(fresh->Height(), 50);
  EXPECT_EQ(fresh->Orientation(), orVertical);
}

TEST_F(SliderTest, SelectorSnapsValueToPositions) {
  TSlider* s = Make();
  s->SetSelector(true);
  s->SetScalaPart(4);
  ShowForm();
  s->SetValue(30);
  EXPECT_EQ(s->Position(), 1);
  EXPECT_EQ(s->Value(), 25);
  ClickAt(s, 0.75);
  EXPECT_EQ(s->Position(), 3);
  EXPECT_EQ(s->Value(), 75);
  EXPECT_EQ(events, (std::vector<std::string>{"changing", "changed"}));
  // A press that lands on the same position fires nothing.
  events.clear();
  ClickAt(s, 0.8);
  EXPECT_EQ(s->Position(), 3);
  EXPECT_TRUE(events.empty());
  s->SetValueMin(-100);
  Pump();
  ClickAt(s, 0.5);
  EXPECT_EQ(s->Position(), 2);
  EXPECT_EQ(s->Value(), 0);
}

TEST_F(SliderTest, ContinuousDragOnAVerticalSlider) {
  TSlider* s = Make(20, 150);
  ShowForm();
  ASSERT_EQ(s->Orientation(), orVertical);
  const TPoint a = Along(s, 0.25), b = Along(s, 0.5), c = Along(s, 1.5);
  Pause();
  Press(s, a.X, a.Y);
  Move(s, b.X, b.Y);
  Move(s, c.X, c.Y);  // beyond the end: the end
  Release(s, c.X, c.Y);
  EXPECT_EQ(s->Value(), 100);
  EXPECT_EQ(s->Position(), 10);
  EXPECT_EQ(events, (std::vector<std::string>{"changing", "changing", "changing", "changed"}));
  // The button sits at the top end of the trench.
  EXPECT_EQ(s->ButtonRect().Top + s->ButtonRect().Height() / 2, s->TrenchRect().Top);
}

TEST_F(SliderTest, DragDelayOnlyWithoutSelector) {
  TSlider* s = Make();
  s->SetDragDelay(2);
  ShowForm();
  ClickAt(s, 1);
  Pause();
  const TPoint end = Along(s, 1);
  Press(s, end.X, end.Y);
  EXPECT_EQ(s->Value(), 0);
  for (int i = 0; i < 10; ++i) TickServiceCallback();
  EXPECT_NEAR(s->Value(), 100.0 / 30 * 10, 1e-9);
  Release(s, end.X, end.Y);
  s->SetSelector(true);
  s->SetValue(0);
  Pump();
  ClickAt(s, 1);
  EXPECT_EQ(s->Position(), 10);
}

TEST_F(SliderTest, ButtonColourRedrawsOnlyTheButton) {
  TSlider* s = Make();
  ShowForm();
  const int before = paints;
  s->SetButtonColor(clBlue);
  const TRect b = s->ButtonRect();
  EXPECT_EQ(s->Canvas()->Pixels((b.Left + b.Right) / 2, b.Top + 3), clBlue);
  Pump();
  EXPECT_EQ(paints, before);
}

TEST_F(SliderTest, CaptionOffsetAndTurnedCaption) {
  TSlider* s = Make();
  s->SetCaptOffset(-30);
  EXPECT_EQ(s->CaptOffset(), -10);
  s->SetCaptOffset(30);
  EXPECT_EQ(s->CaptOffset(), 30);
  ShowForm();
  EXPECT_EQ(s->CaptOffset(), 10);
  // A vertical caption is written upwards in its colour.
  TSlider* v = Make(40, 150);
  v->SetLeft(200);
  v->SetCaption("output gain");
  v->SetCaptEna(true);
  v->SetCaptColor(clBlue);
  Pump();
  const TRect r = v->CaptionRect();
  int top = r.Bottom, bottom = r.Top, blue = 0;
  for (int y = 0; y < v->Height(); ++y) {
    for (int x = r.Left; x < v->Width(); ++x) {
      if (v->Canvas()->Pixels(x, y) != clBlue) continue;
      ++blue;
      top = std::min(top, y);
      bottom = std::max(bottom, y);
    }
  }
  EXPECT_GT(blue, 20);
  EXPECT_GT(bottom - top, 40);  // runs along the slider, not across it
}

}  // namespace
