// The operating elements lay themselves out from their size and properties alone: a control that
// was never painted answers a press where a paint puts its parts, and a press between a resize
// and the repaint acts on the new places.

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <memory>
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

  // Two controls of one size: one on the form and one that never gets a window.
  template <class T>
  struct TPair {
    std::unique_ptr<TOpen<T>> Painted;
    std::unique_ptr<TOpen<T>> Bare;
  };
  template <class T>
  TPair<T> MakePair(int W, int H) {
    return {std::unique_ptr<TOpen<T>>(Make<T>(true, W, H)),
            std::unique_ptr<TOpen<T>>(Make<T>(false, W, H))};
  }

  // A never painted control of the same size and properties lays out what the painted one
  // drew, and every press sets it to the same value as the same press on the painted control.
  template <class T, class Setup, class Points, class Reading>
  void ExpectSameAnswers(const TPair<T>& C, Setup Configure, Points PointsOf, Reading Value) {
    TOpen<T>& painted = *C.Painted;
    TOpen<T>& bare = *C.Bare;
    Configure(painted);
    Configure(bare);
    Pump();
    ASSERT_TRUE(painted.Painted());
    ASSERT_FALSE(bare.Painted());
    EXPECT_EQ(painted.PaintedLayout(), painted.Layout());
    EXPECT_EQ(bare.Layout(), painted.PaintedLayout());
    for (const TPoint& p : PointsOf(painted)) {
      SCOPED_TRACE(testing::Message() << p.X << "," << p.Y);
      painted.ClickAt(p);
      bare.ClickAt(p);
      EXPECT_EQ(Value(bare), Value(painted));
    }
  }
};

// What a test reads back from a control.
template <class T>
double ValueOf(const T& C) {
  return C.Value();
}
template <class T>
int PositionOf(const T& C) {
  return C.Position();
}

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

template <class T>
std::vector<TPoint> ArcPoints(const T& C) {
  const TRotaryPlane p = C.Plane();
  std::vector<TPoint> points;
  // Past the knob face, so that the ten-turn potentiometer sets its value absolutely.
  const TPoint units[] = {{-700, -300}, {-700, 200}, {-450, 450}, {0, 700}, {450, 450}, {700, 200}};
  for (const TPoint& u : units) points.push_back(p.MapPoint(u.X, u.Y));
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
    const auto slide = MakePair<TPotiSlide>(60, 300);
    ShowForm();
    ExpectSameAnswers(
        slide,
        [](TPotiSlide& c) {
          c.SetCaptEnable(true);
          c.SetCaptBevel(bvLowered);
          c.SetPresEnable(true);
        },
        SlidePoints, ValueOf<TPotiSlide>);
    EXPECT_GT(slide.Bare->Value(), 9);
  }
  {
    SCOPED_TRACE("slide switch, font sized by the layout");
    const auto slide = MakePair<TSelectorSlide>(58, 98);
    ExpectSameAnswers(
        slide,
        [](TSelectorSlide& c) {
          c.SetFontAutom(false);
          c.Font()->SetSize(11);
          c.SetCaptEnable(true);
        },
        SlidePoints, PositionOf<TSelectorSlide>);
    EXPECT_EQ(slide.Bare->Position(), 3);
  }
  for (const bool vertical : {false, true}) {
    SCOPED_TRACE(vertical ? "vertical slider" : "horizontal slider");
    const auto slider = MakePair<TSlider>(200, 30);
    if (vertical) {
      // On the form the shape turns it (a step at a time, as the thickness is kept to 50); a
      // control without a window gets no size messages and is turned by the program.
      slider.Painted->SetBounds(10, 10, 30, 40);
      slider.Painted->SetBounds(10, 10, 30, 200);
      slider.Bare->SetOrientation(orVertical);
      slider.Bare->SetBounds(10, 10, 30, 200);
    }
    ExpectSameAnswers(
        slider,
        [](TSlider& c) {
          c.SetButtonDir(btSquare);
          c.SetCaptOffset(40);  // kept within half the thickness by the paint and the layout
        },
        TrenchPoints, ValueOf<TSlider>);
    EXPECT_EQ(slider.Bare->Value(), 100);
  }
  {
    SCOPED_TRACE("rotary potentiometer");
    ExpectSameAnswers(
        MakePair<TPoti270>(240, 180), [](TPoti270& c) { c.SetBevWidth(4); }, ArcPoints<TPoti270>,
        ValueOf<TPoti270>);
  }
  {
    SCOPED_TRACE("rotary switch");
    ExpectSameAnswers(
        MakePair<TSelector270>(160, 220), [](TSelector270& c) { c.SetBordLeft(false); },
        ArcPoints<TSelector270>, PositionOf<TSelector270>);
  }
  {
    SCOPED_TRACE("ten-turn potentiometer");
    const auto ten = MakePair<TPoti10T>(200, 200);
    ExpectSameAnswers(
        ten, [](TPoti10T& c) { c.SetDispEnable(false); }, ArcPoints<TPoti10T>, ValueOf<TPoti10T>);
    // A press on the knob face turns it relatively: a quarter turn clockwise moves both by the
    // same fortieth of the range.
    for (TOpen<TPoti10T>* c : {ten.Painted.get(), ten.Bare.get()}) {
      c->SetValue(5);
      const TRotaryPlane p = c->Plane();
      c->DragAlong(p.MapPoint(0, -200), p.MapPoint(-200, 0));
    }
    EXPECT_EQ(ten.Bare->Value(), ten.Painted->Value());
    EXPECT_NEAR(ten.Bare->Value(), 5.25, 0.01);
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
        ValueOf<TPotiSlide>);
  check(Make<TSlider>(true, 200, 30), Make<TSlider>(false, 120, 30), TrenchPoints,
        ValueOf<TSlider>);
  check(Make<TSelector270>(true, 200, 200), Make<TSelector270>(false, 150, 240),
        ArcPoints<TSelector270>, PositionOf<TSelector270>);
  check(Make<TPoti10T>(true, 200, 200), Make<TPoti10T>(false, 260, 180), ArcPoints<TPoti10T>,
        ValueOf<TPoti10T>);
}

}  // namespace

// A logarithmic range read from a form is stored as it stands and repaired by the first paint; a
// press before that paint acts on the scale the paint will draw.
TEST_F(LayoutTest, ALogarithmicSlideReadFromAFormTakesPressesBeforeItsFirstPaint) {
  TOpen<TPotiSlide>* early = nullptr;
  TOpen<TPotiSlide>* late = nullptr;
  {
    TFormLoader loader(form);
    early = loader.Add<TOpen<TPotiSlide>>("Early");
    late = loader.Add<TOpen<TPotiSlide>>("Late");
    for (TOpen<TPotiSlide>* c : {early, late}) {
      c->SetBounds(c == early ? 10 : 90, 10, 60, 300);
      c->SetNonLinear(true);
      c->SetValueStart(1);
      c->SetValueEnd(1000);
    }
  }
  ASSERT_FALSE(early->Painted());
  const std::vector<TPoint> points = SlidePoints(*early);
  std::vector<double> before;
  for (const TPoint& p : points) {
    early->ClickAt(p);
    before.push_back(early->Value());
  }
  ShowForm();
  ASSERT_TRUE(late->Painted());
  for (size_t i = 0; i < points.size(); ++i) {
    SCOPED_TRACE(testing::Message() << points[i].X << "," << points[i].Y);
    late->ClickAt(points[i]);
    EXPECT_EQ(before[i], late->Value());
  }
  EXPECT_GT(before.back(), 100);
}
