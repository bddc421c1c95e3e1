#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "library/foundation/tickservice.h"
#include "library/instruments/instrund/instrund.h"
#include "platform/forms/testing/formtest.h"
#include "platform/graphics/bitmap.h"

namespace {

// Opens the static image to the tests.
class ProbeMeter : public TMeter120 {
 public:
  using TMeter120::TMeter120;
  TBitmap* StaticImage() const { return &*FrameBitmap; }
};

class Meter120Test : public FormTest {
 protected:
  Meter120Test() { TickServiceStartup(); }
  ~Meter120Test() override { TickServiceShutdown(); }

  ProbeMeter* Make(int w = 250, int h = 113) {
    meter = new ProbeMeter(form);
    meter->SetParent(form);
    meter->SetBounds(10, 10, w, h);
    meter->OnRepaint = [this](TObject*) { ++paints; };
    return meter;
  }
  TColor Screen(int x, int y) { return meter->Canvas()->Pixels(x, y); }
  // The screen pixel at Radius dial units from the pivot, Degrees clockwise from straight up.
  TColor OnRay(double Degrees, double Radius) {
    const TDialMapping& m = meter->DialMapping();
    const double a = Degrees * M_PI / 180;
    const double x = Radius * std::sin(a) * m.PixExtent.cx / std::abs(m.VirtExtent.cx);
    const double y = Radius * std::cos(a) * m.PixExtent.cy / std::abs(m.VirtExtent.cy);
    return Screen(meter->Pivot().X + int(std::lround(x)), meter->Pivot().Y - int(std::lround(y)));
  }
  void Ticks(int n) {
    for (int i = 0; i < n; ++i) TickServiceCallback();
  }

  ProbeMeter* meter = nullptr;
  int paints = 0;
};

// Clock positions as degrees clockwise from 12 o'clock.
TEST_F(Meter120Test, PointerLiesOnTheArcAtStartMiddleAndEnd) {
  const struct {
    TOrientType orientation;
    int w, h;
    double start, end;
  } cases[] = {
      {orTop, 500, 226, -60, 60},      // 10 to 2 o'clock
      {orBottom, 500, 226, 240, 120},  // 8 over 6 to 4 o'clock
      {orLeft, 236, 482, 150, 30},     // 5 up to 1 o'clock
      {orRight, 236, 482, 210, 330},   // 7 up to 11 o'clock
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.orientation);
    Make(c.w, c.h);
    meter->SetOrientation(c.orientation);
    ShowForm();
    const double middle = (c.start + c.end) / 2;
    const struct {
      double value, degrees;
    } positions[] = {{0, c.start}, {50, middle}, {100, c.end}, {-20, c.start}, {130, c.end}};
    for (const auto& p : positions) {
      meter->SetValue(p.value);
      EXPECT_EQ(OnRay(p.degrees, 600), meter->ColPointer()) << "value " << p.value;
      EXPECT_NE(OnRay(p.degrees + 8, 600), meter->ColPointer()) << "value " << p.value;
      EXPECT_NE(OnRay(p.degrees - 8, 600), meter->ColPointer()) << "value " << p.value;
    }
    delete meter;
  }
}

TEST_F(Meter120Test, ValueChangeRedrawsOnlyTheMovingParts) {
  Make();
  meter->SetDispEnable(false);
  ShowForm();
  const int paints_after_show = paints;
  TBitmap* image = meter->StaticImage();
  std::vector<uint32_t> before;
  for (int y = 0; y < image->Height(); ++y) {
    before.insert(before.end(), image->ScanLine(y), image->ScanLine(y) + image->Width());
  }
  const TColor at_middle = OnRay(0, 500);
  meter->SetValue(50);
  EXPECT_EQ(OnRay(0, 500), meter->ColPointer());
  EXPECT_NE(at_middle, meter->ColPointer());
  Pump();
  EXPECT_EQ(paints, paints_after_show);
  std::vector<uint32_t> after;
  for (int y = 0; y < image->Height(); ++y) {
    after.insert(after.end(), image->ScanLine(y), image->ScanLine(y) + image->Width());
  }
  EXPECT_EQ(before, after);
}

TEST_F(Meter120Test, ValueBeforeFirstPaintOnlyStores) {
  Make();
  int events = 0;
  meter->OnUpperLim = [&](TObject*) { ++events; };
  meter->SetValue(90);
  EXPECT_EQ(meter->Value(), 90);
  EXPECT_EQ(meter->ShownValue(), 0);
  EXPECT_EQ(events, 0);
  ShowForm();
  EXPECT_EQ(meter->ShownValue(), 90);
  EXPECT_EQ(events, 1);  // the first paint's update crossed ValueMaxA (75)
}

TEST_F(Meter120Test, LimitEventsOncePerCrossingBeforeDrawing) {
  Make();
  ShowForm();
  std::vector<std::string> fired;
  TColor pointer_pixel_at_event = 0;
  meter->OnUpperLim = [&](TObject*) {
    fired.push_back("upper " + std::to_string(int(meter->ShownValue())));
    pointer_pixel_at_event = OnRay(60, 600);  // where the pointer is about to go
  };
  meter->OnLowerLim = [&](TObject*) {
    fired.push_back("lower " + std::to_string(int(meter->ShownValue())));
  };
  // ValueMaxA is 75, ValueMinE is 10.
  for (double v : {50.0, 80.0, 90.0, 75.0, 60.0, 5.0, 2.0, 10.0, 12.0, 200.0}) meter->SetValue(v);
  EXPECT_EQ(fired, (std::vector<std::string>{"upper 80", "lower 5", "upper 200"}));
  EXPECT_NE(pointer_pixel_at_event, meter->ColPointer());  // not drawn yet
  EXPECT_EQ(OnRay(60, 600), meter->ColPointer());          // drawn afterwards
  // Exactly on the limit, then above: nothing.
  fired.clear();
  meter->SetValue(75);
  meter->SetValue(76);
  EXPECT_TRUE(fired.empty());
}

TEST_F(Meter120Test, HandlerThatSetsTheValueIsShownItsValue) {
  Make();
  ShowForm();
  meter->OnUpperLim = [&](TObject*) { meter->SetValue(20); };
  meter->SetValue(90);
  EXPECT_EQ(meter->Value(), 20);
  EXPECT_EQ(meter->ShownValue(), 20);
  EXPECT_EQ(OnRay(-60 + 120 * 0.2, 600), meter->ColPointer());
}

TEST_F(Meter120Test, DampingConvergesOneEleventhPerTick) {
  Make();
  meter->SetDamping(10);
  ShowForm();
  meter->SetValue(100);  // the setter runs one step itself
  double expected = 100.0 / 11;
  EXPECT_NEAR(meter->ShownValue(), expected, 1e-9);
  for (int tick = 0; tick < 30; ++tick) {
    Ticks(1);
    expected += (100 - expected) / 11;
    ASSERT_NEAR(meter->ShownValue(), expected, 1e-9) << tick;
  }
  Ticks(300);
  EXPECT_NEAR(meter->ShownValue(), 100, 1e-6);
  EXPECT_EQ(OnRay(60, 600), meter->ColPointer());
  // Damping 0 stops the record: no more steps.
  meter->SetValue(0);
  meter->SetDamping(0);
  const double shown = meter->ShownValue();
  Ticks(5);
  EXPECT_EQ(meter->ShownValue(), shown);
}

TEST_F(Meter120Test, PeakPointerModes) {
  Make();
  ShowForm();
  meter->SetPeakMode(ppPeak);
  meter->SetValue(80);
  meter->SetValue(30);
  EXPECT_EQ(meter->PeakValue(), 80);
  EXPECT_EQ(OnRay(-60 + 120 * 0.8, 845), meter->ColPeakPtr());
  meter->ResetPeak();  // back to the start, and the forced update lifts it onto the pointer
  EXPECT_EQ(meter->PeakValue(), 30);
  EXPECT_EQ(OnRay(-60 + 120 * 0.3, 845), meter->ColPeakPtr());
  EXPECT_NE(OnRay(-60 + 120 * 0.8, 845), meter->ColPeakPtr());
  meter->SetPeakMode(ppDrag);
  meter->SetDampPeak(1);
  meter->SetValue(60);  // peak rises to 60, then halfway back: 60
  EXPECT_EQ(meter->PeakValue(), 60);
  meter->SetValue(20);
  EXPECT_EQ(meter->PeakValue(), 40);
  meter->SetValue(500);
  EXPECT_EQ(meter->PeakValue(), 100);  // clamped to the scale
}

TEST_F(Meter120Test, RangeSettersAndBandReset) {
  Make();
  meter->SetValueStart(5000);
  EXPECT_EQ(meter->ValueStart(), 99);
  meter->SetValueStart(0);
  meter->SetValueEnd(200);
  EXPECT_EQ(meter->ValueEnd(), 200);
  const double bands[] = {meter->ValueMinA(), meter->ValueMinE(), meter->ValueMidA(),
                          meter->ValueMidE(), meter->ValueMaxA(), meter->ValueMaxE()};
  EXPECT_EQ(std::vector<double>(bands, bands + 6),
            (std::vector<double>{0, 20, 100, 120, 180, 200}));
  meter->SetValueEnd(-5);
  EXPECT_EQ(meter->ValueEnd(), 1);
  meter->SetValueEnd(100);
  meter->SetValue(150);
  meter->SetValueEnd(80);
  EXPECT_EQ(meter->Value(), 80);  // pulled into the range

  using Set = void (*)(TMeter120&, double);
  using Get = double (*)(const TMeter120&);
  const Set min_a = [](TMeter120& m, double v) { m.SetValueMinA(v); };
  const Set min_e = [](TMeter120& m, double v) { m.SetValueMinE(v); };
  const Set max_e = [](TMeter120& m, double v) { m.SetValueMaxE(v); };
  const Get get_min_a = [](const TMeter120& m) { return m.ValueMinA(); };
  const Get get_min_e = [](const TMeter120& m) { return m.ValueMinE(); };
  const Get get_max_e = [](const TMeter120& m) { return m.ValueMaxE(); };
  const struct {
    Set set;
    Get get;
    double v, expected;
  } band_cases[] = {
      {min_a, get_min_a, -5, 0},   {min_a, get_min_a, 30, 7},   // MinE is 8: one below
      {min_e, get_min_e, 2, 8},                                 // above MinA (7)
      {min_e, get_min_e, 500, 80}, {max_e, get_max_e, 72, 72},  // equal to MaxA stays
      {max_e, get_max_e, 10, 73},
  };
  for (const auto& c : band_cases) {
    c.set(*meter, c.v);
    EXPECT_EQ(c.get(*meter), c.expected) << c.v;
  }
}

TEST_F(Meter120Test, LogSwitchRepairsTheRange) {
  Make();
  meter->SetNonLinear(true);
  EXPECT_DOUBLE_EQ(meter->ValueStart(), 0.001);
  EXPECT_DOUBLE_EQ(meter->ValueEnd(), 100);
  EXPECT_DOUBLE_EQ(meter->Value(), 0.001);
  ShowForm();
  meter->SetValue(1);  // three of five decades
  EXPECT_EQ(OnRay(-60 + 120 * 0.6, 600), meter->ColPointer());
}

TEST_F(Meter120Test, StoredFormValuesAreOnlyStoredWhileReading) {
  {
    TFormLoader loader(form);
    meter = loader.Add<ProbeMeter>("Meter1");
    meter->SetBounds(10, 10, 250, 113);
    meter->SetValueStart(60);  // above ValueEnd: kept while reading
    meter->SetValueMinA(-50);
    meter->SetNonLinear(true);
    meter->SetNonLinear(false);
    meter->SetValueEnd(60);
    EXPECT_EQ(meter->ValueStart(), 60);
    EXPECT_EQ(meter->ValueEnd(), 60);
    EXPECT_EQ(meter->ValueMinA(), -50);
    EXPECT_EQ(meter->PeakValue(), 60);
  }
  // A degenerate range read from a form paints without dividing by zero.
  ShowForm();
  EXPECT_GT(meter->ValueEnd(), meter->ValueStart());
  meter->SetValue(60.5);
  EXPECT_FALSE(meter->OverRange());
}

TEST_F(Meter120Test, OverRangeFlashesTheEndLabelAndLeavesNoMark) {
  Make();
  meter->SetDispEnable(false);  // no readout text to force a redraw
  ShowForm();
  meter->SetValue(130);
  ASSERT_TRUE(meter->OverRange());
  EXPECT_TRUE(meter->LimitMarks().EndVisible());
  Ticks(7);  // one blink cycle
  EXPECT_FALSE(meter->LimitMarks().EndVisible());
  Ticks(7);
  EXPECT_TRUE(meter->LimitMarks().EndVisible());
  // Back to the end itself: the pointer does not move, and the mark goes at the next blink.
  meter->SetValue(100);
  EXPECT_FALSE(meter->OverRange());
  EXPECT_TRUE(meter->LimitMarks().EndVisible());
  Ticks(7);
  EXPECT_FALSE(meter->LimitMarks().EndVisible());
  Ticks(14);
  EXPECT_FALSE(meter->LimitMarks().EndVisible());
}

TEST_F(Meter120Test, ForcedUpdateMessageRecomposes) {
  Make();
  ShowForm();
  meter->Canvas()->SetPixels(20, 20, 0x123456);
  meter->Perform(WM_USER, 0, 0);  // nothing moved: nothing drawn
  EXPECT_EQ(Screen(20, 20), 0x123456);
  meter->Perform(WM_USER, 0, 0x101);  // low byte set: forced
  EXPECT_NE(Screen(20, 20), 0x123456);
}

TEST_F(Meter120Test, LedsFollowTheirSwitchesAndBlink) {
  Make();
  meter->SetLedOn1(true);
  ShowForm();
  // LED 1 sits at dial (-850, 950).
  const TPoint c1 = meter->DialMapping().MapPoint(-850, 950);
  EXPECT_EQ(Screen(c1.X, c1.Y), meter->ColLed1());
  meter->SetLedOn1(false);
  EXPECT_EQ(Screen(c1.X, c1.Y), LedColour(meter->ColLed1(), false));
  meter->SetLedBlink1(true);
  std::vector<bool> lit;
  for (int i = 0; i < 4; ++i) {
    Ticks(7);
    lit.push_back(Screen(c1.X, c1.Y) == meter->ColLed1());
  }
  EXPECT_NE(lit[0], lit[1]);
  EXPECT_EQ(lit[0], lit[2]);
}

TEST_F(Meter120Test, TinyControlsPaintWithoutDividingByZero) {
  for (int size : {0, 1, 3, 12}) {
    Make(size, size);
    meter->SetValue(50);
    for (TOrientType o : {orTop, orBottom, orLeft, orRight}) {
      meter->SetOrientation(o);
      ShowForm();
      meter->SetValue(static_cast<int>(o) * 10.0);
      Ticks(7);
    }
    delete meter;
  }
}

}  // namespace
