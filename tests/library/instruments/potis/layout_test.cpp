// The operating elements lay themselves out from their size and properties alone: a control that
// was never painted answers a press where a paint puts its parts, and a press between a resize
// and the repaint acts on the new places.

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include "library/foundation/tickservice.h"
#include "library/instruments/potis/potis.h"
#include "platform/forms/testing/formtest.h"

namespace {

// The mouse handlers called straight, as the window would, also on a control without a window.
template <class T>
class TOpen : public T {
 public:
  explicit TOpen(TComponent* AOwner) : T(AOwner) {}
  using T::MouseDown;
  using T::MouseMove;
  using T::MouseUp;

  void ClickAt(TPoint P) {
    MouseDown(mbLeft, {ssLeft}, P.X, P.Y);
    MouseUp(mbLeft, {}, P.X, P.Y);
  }
  void DragAlong(TPoint From, TPoint To) {
    MouseDown(mbLeft, {ssLeft}, From.X, From.Y);
    MouseMove({ssLeft}, (From.X + To.X) / 2, (From.Y + To.Y) / 2);
    MouseMove({ssLeft}, To.X, To.Y);
    MouseUp(mbLeft, {}, To.X, To.Y);
  }
};

class LayoutTest : public FormTest {
 protected:
  LayoutTest() {
    TickServiceStartup();
    form->SetClientHeight(360);
  }
  ~LayoutTest() override { TickServiceShutdown(); }

  // A control on the form, painted once it is shown, or one that never gets a window.
  template <class T>
  TOpen<T>* Make(bool OnForm, int W, int H) {
    auto* c = new TOpen<T>(form);
    if (OnForm) c->SetParent(form);
    c->SetBounds(10, 10, W, H);
    return c;
  }

  // A never painted control of the same size and properties lays out what the painted one
  // drew, and every press sets it to the same value as the same press on the painted control.
  template <class T, class Setup, class Points, class Reading>
  void ExpectSameAnswers(TOpen<T>* Painted, TOpen<T>* Bare, Setup Configure, Points PointsOf,
                         Reading Value) {
    Configure(*Painted);
    Configure(*Bare);
    Pump();
    ASSERT_TRUE(Painted->Painted());
    ASSERT_FALSE(Bare->Painted());
    EXPECT_EQ(Painted->PaintedLayout(), Painted->Layout());
    EXPECT_EQ(Bare->Layout(), Painted->PaintedLayout());
    for (const TPoint& p : PointsOf(*Painted)) {
      SCOPED_TRACE(testing::Message() << p.X << "," << p.Y);
      Painted->ClickAt(p);
      Bare->ClickAt(p);
      EXPECT_EQ(Value(*Bare), Value(*Painted));
    }
  }
};

// The points a test presses: spread over the travel or the arc, by the control's own layout.
std::vector<TPoint> SlidePoints(const TSlideInput& C) {
  const TSlideInput::TLayout l = C.Layout();
  std::vector<TPoint> points;
  for (double f : {0.1, 0.35, 0.5, 0.8, 1.0}) {
    points.push_back(
        {l.TrenchX, l.TravelTop + l.TravelLength - int(std::lround(f * l.TravelLength))});
  }
  return points;
}

std::vector<TPoint> ArcPoints(const TRotaryPlane& P) {
  std::vector<TPoint> points;
  // Past the knob face, so that the ten-turn potentiometer sets its value absolutely.
  const TPoint units[] = {{-700, -300}, {-700, 200}, {-450, 450}, {0, 700}, {450, 450}, {700, 200}};
  for (const TPoint& u : units) points.push_back(P.MapPoint(u.X, u.Y));
  return points;
}

std::vector<TPoint> TrenchPoints(const TSlider& C) {
  const TRect t = C.Layout().Trench;
  const bool vertical = C.Height() > C.Width();
  std::vector<TPoint> points;
  for (double f : {0.1, 0.4, 0.75, 1.0}) {
    points.push_back(vertical ? TPoint{(t.Left + t.Right) / 2, t.Bottom - int(f * t.Height())}
                              : TPoint{t.Left + int(f * t.Width()), (t.Top + t.Bottom) / 2});
  }
  return points;
}

TEST_F(LayoutTest, NeverPaintedControlsAnswerPressesWhereAPaintPutsTheirParts) {
  {
    SCOPED_TRACE("slide potentiometer");
    auto* painted = Make<TPotiSlide>(true, 60, 300);
    auto* bare = Make<TPotiSlide>(false, 60, 300);
    ShowForm();
    ExpectSameAnswers(
        painted, bare,
        [](TPotiSlide& c) {
          c.SetCaptEnable(true);
          c.SetCaptBevel(bvLowered);
          c.SetPresEnable(true);
        },
        SlidePoints, [](const TPotiSlide& c) { return c.Value(); });
    EXPECT_GT(bare->Value(), 9);
    delete painted;
    delete bare;
  }
  {
    SCOPED_TRACE("slide switch, font sized by the layout");
    auto* painted = Make<TSelectorSlide>(true, 58, 98);
    auto* bare = Make<TSelectorSlide>(false, 58, 98);
    ExpectSameAnswers(
        painted, bare,
        [](TSelectorSlide& c) {
          c.SetFontAutom(false);
          c.Font()->SetSize(11);
          c.SetCaptEnable(true);
        },
        SlidePoints, [](const TSelectorSlide& c) { return c.Position(); });
    EXPECT_EQ(bare->Position(), 3);
    delete painted;
    delete bare;
  }
  for (const bool vertical : {false, true}) {
    SCOPED_TRACE(vertical ? "vertical slider" : "horizontal slider");
    auto* painted = Make<TSlider>(true, 200, 30);
    auto* bare = Make<TSlider>(false, 200, 30);
    if (vertical) {
      // On the form the shape turns it (a step at a time, as the thickness is kept to 50); a
      // control without a window gets no size messages and is turned by the program.
      painted->SetBounds(10, 10, 30, 40);
      painted->SetBounds(10, 10, 30, 200);
      bare->SetOrientation(orVertical);
      bare->SetBounds(10, 10, 30, 200);
    }
    ExpectSameAnswers(
        painted, bare,
        [](TSlider& c) {
          c.SetButtonDir(btSquare);
          c.SetCaptOffset(40);  // kept within half the thickness by the paint and the layout
        },
        TrenchPoints, [](const TSlider& c) { return c.Value(); });
    EXPECT_EQ(bare->Value(), 100);
    delete painted;
    delete bare;
  }
  {
    SCOPED_TRACE("rotary potentiometer");
    auto* painted = Make<TPoti270>(true, 240, 180);
    auto* bare = Make<TPoti270>(false, 240, 180);
    ExpectSameAnswers(
        painted, bare, [](TPoti270& c) { c.SetBevWidth(4); },
        [](const TPoti270& c) { return ArcPoints(c.Plane()); },
        [](const TPoti270& c) { return c.Value(); });
    delete painted;
    delete bare;
  }
  {
    SCOPED_TRACE("rotary switch");
    auto* painted = Make<TSelector270>(true, 160, 220);
    auto* bare = Make<TSelector270>(false, 160, 220);
    ExpectSameAnswers(
        painted, bare, [](TSelector270& c) { c.SetBordLeft(false); },
        [](const TSelector270& c) { return ArcPoints(c.Plane()); },
        [](const TSelector270& c) { return c.Position(); });
    delete painted;
    delete bare;
  }
  {
    SCOPED_TRACE("ten-turn potentiometer");
    auto* painted = Make<TPoti10T>(true, 200, 200);
    auto* bare = Make<TPoti10T>(false, 200, 200);
    ExpectSameAnswers(
        painted, bare, [](TPoti10T& c) { c.SetDispEnable(false); },
        [](const TPoti10T& c) { return ArcPoints(c.Plane()); },
        [](const TPoti10T& c) { return c.Value(); });
    // A press on the knob face turns it relatively: a quarter turn clockwise moves both by the
    // same fortieth of the range.
    for (TOpen<TPoti10T>* c : {painted, bare}) {
      c->SetValue(5);
      const TRotaryPlane p = c->Plane();
      c->DragAlong(p.MapPoint(0, -200), p.MapPoint(-200, 0));
    }
    EXPECT_EQ(bare->Value(), painted->Value());
    EXPECT_NEAR(bare->Value(), 5.25, 0.01);
    delete painted;
    delete bare;
  }
}

TEST_F(LayoutTest, NeverPaintedControlsTakePresetPresses) {
  std::vector<std::string> events;
  auto* slide = Make<TPotiSlide>(false, 60, 300);
  auto* rotary = Make<TPoti270>(false, 200, 200);
  auto* ten = Make<TPoti10T>(false, 200, 200);
  slide->onPreset = rotary->onPreset =
      ten->onPreset = [&](TObject*) { events.push_back("preset"); };
  slide->onChanging = rotary->onChanging =
      ten->onChanging = [&](TObject*) { events.push_back("changing"); };
  const auto centre = [](const TRect& r) {
    return TPoint{(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2};
  };
  slide->SetPresEnable(true);
  rotary->SetPresEnable(true);
  ten->SetPresEnable(true);
  slide->ClickAt(centre(slide->PresetRect()));
  rotary->ClickAt(centre(rotary->PresetRect()));
  ten->ClickAt(centre(ten->PresetRect()));
  EXPECT_EQ(events, (std::vector<std::string>{"preset", "preset", "preset"}));
  EXPECT_FALSE(slide->Painted() || rotary->Painted() || ten->Painted());
  // Without the button the same place is a press on the scale.
  events.clear();
  slide->SetPresEnable(false);
  slide->ClickAt(centre(slide->Layout().Preset));
  EXPECT_EQ(events, (std::vector<std::string>{"changing"}));
  delete slide;
  delete rotary;
  delete ten;
}

// Between a resize and the repaint it schedules, a press acts on the new places, as a control
// of the new size that was never painted does; the repaint then draws that layout.
TEST_F(LayoutTest, PressAfterAResizeBeforeTheRepaint) {
  ShowForm();
  const auto check = [this](auto* Painted, auto* Fresh, auto PointsOf, auto Value) {
    Pump();
    const auto before = Painted->PaintedLayout();
    Painted->SetBounds(10, 10, Fresh->Width(), Fresh->Height());
    EXPECT_EQ(Painted->PaintedLayout(), before);  // not painted again yet
    EXPECT_EQ(Painted->Layout(), Fresh->Layout());
    EXPECT_NE(Painted->Layout(), before);
    for (const TPoint& p : PointsOf(*Fresh)) {
      SCOPED_TRACE(testing::Message() << p.X << "," << p.Y);
      Painted->ClickAt(p);
      Fresh->ClickAt(p);
      EXPECT_EQ(Value(*Painted), Value(*Fresh));
    }
    Pump();
    EXPECT_EQ(Painted->PaintedLayout(), Fresh->Layout());
    delete Painted;
    delete Fresh;
  };
  check(Make<TPotiSlide>(true, 60, 300), Make<TPotiSlide>(false, 50, 200), SlidePoints,
        [](const TPotiSlide& c) { return c.Value(); });
  check(Make<TSlider>(true, 200, 30), Make<TSlider>(false, 120, 30), TrenchPoints,
        [](const TSlider& c) { return c.Value(); });
  check(
      Make<TSelector270>(true, 200, 200), Make<TSelector270>(false, 150, 240),
      [](const TSelector270& c) { return ArcPoints(c.Plane()); },
      [](const TSelector270& c) { return c.Position(); });
  check(
      Make<TPoti10T>(true, 200, 200), Make<TPoti10T>(false, 260, 180),
      [](const TPoti10T& c) { return ArcPoints(c.Plane()); },
      [](const TPoti10T& c) { return c.Value(); });
}

}  // namespace
