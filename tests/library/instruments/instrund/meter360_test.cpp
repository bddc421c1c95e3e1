#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "library/foundation/ledcolors.h"
#include "library/foundation/tickservice.h"
#include "library/instruments/instrund/instrund.h"
#include "platform/forms/testing/formtest.h"

namespace {

class Meter360Test : public FormTest {
 protected:
  Meter360Test() { TickServiceStartup(); }
  ~Meter360Test() override { TickServiceShutdown(); }

  TMeter360* Make(int w = 200, int h = 200) {
    meter = new TMeter360(form);
    meter->SetParent(form);
    meter->SetBounds(10, 10, w, h);
    return meter;
  }
  void Ticks(int n) {
    for (int i = 0; i < n; ++i) TickServiceCallback();
  }
  TColor Pixel(TPoint P) { return meter->Canvas()->Pixels(P.X, P.Y); }
  // The screen pixel at Radius dial units from the pivot, Degrees clockwise from 12 o'clock.
  TColor OnRay(double Degrees, double Radius) {
    const TDialMapping& m = meter->DialMapping();
    const double a = Degrees * M_PI / 180;
    const double x = Radius * std::sin(a) * m.PixExtent.cx / std::abs(m.VirtExtent.cx);
    const double y = Radius * std::cos(a) * m.PixExtent.cy / std::abs(m.VirtExtent.cy);
    return meter->Canvas()->Pixels(meter->Pivot().X + int(std::lround(x)),
                                   meter->Pivot().Y - int(std::lround(y)));
  }
  void ExpectAt(double Degrees, double Radius, TColor Colour) {
    EXPECT_EQ(OnRay(Degrees, Radius), Colour) << Degrees;
    EXPECT_NE(OnRay(Degrees + 12, Radius), Colour) << Degrees;
    EXPECT_NE(OnRay(Degrees - 12, Radius), Colour) << Degrees;
  }
  // Runs of Colour round the circle of Radius dial units, counted from a point off them.
  int RunsOnCircle(double Radius, TColor Colour) {
    int first = 0;
    while (first < 1440 && OnRay(first * 0.25, Radius) == Colour) ++first;
    int runs = 0;
    bool in_run = false;
    for (int step = first; step < first + 1440; ++step) {
      const bool hit = OnRay(step * 0.25, Radius) == Colour;
      if (hit && !in_run) ++runs;
      in_run = hit;
    }
    return runs;
  }

  TMeter360* meter = nullptr;
};

constexpr TColor kBlue = 0xFF0000;

// Clock positions as degrees clockwise from 12 o'clock; values start at 6 o'clock.
TEST_F(Meter360Test, PointersGrowClockwiseFromSixOClockAndWrap) {
  Make();
  meter->SetColPointer2(kBlue);
  ShowForm();
  const struct {
    double value1, clock1, value2, clock2;
  } cases[] = {
      {50, 0, 2500, 270},                        // long pointer straight up, short one to 9 o'clock
      {0, 180, 7500, 90},                        // the starts at 6 o'clock
      {25, 270, 0, 180},     {150, 0, 5000, 0},  // 540 degrees: straight up again
      {-25, 90, 12500, 270},                     // below and above the range they wrap round
  };
  for (const auto& c : cases) {
    meter->SetValue1(c.value1);
    meter->SetValue2(c.value2);
    if (std::fmod(c.clock1 - c.clock2, 360) != 0) ExpectAt(c.clock1, 500, meter->ColPointer1());
    ExpectAt(c.clock2, 300, kBlue);
  }
}

TEST_F(Meter360Test, PeakFollowsTheInnerPointerUnclamped) {
  Make();
  ShowForm();
  meter->SetPeakMode(ppPeak);
  meter->SetValue2(5000);
  meter->SetValue2(2500);
  EXPECT_EQ(meter->PeakValue(), 5000);
  EXPECT_EQ(OnRay(0, 690), meter->ColPeakPtr());
  meter->SetValue2(20000);
  EXPECT_EQ(meter->PeakValue(), 20000);  // not held to the scale
  meter->SetValue2(0);
  meter->ResetPeak();  // back to the start; the forced update lifts it onto the pointer
  EXPECT_EQ(meter->PeakValue(), 0);
  EXPECT_EQ(OnRay(180, 690), meter->ColPeakPtr());
}

TEST_F(Meter360Test, Setters) {
  Make();
  meter->SetValue1(80);
  meter->SetValueEnd2(200000);
  EXPECT_EQ(meter->ValueEnd2(), 100000);
  meter->SetValueStart2(-200000);
  EXPECT_EQ(meter->ValueStart2(), -100000);
  EXPECT_EQ(meter->PeakValue(), -100000);  // the inner start moves the peak
  meter->SetValueStart1(-5000);
  EXPECT_EQ(meter->ValueStart1(), -1000);
  meter->SetValueStart1(200);
  EXPECT_EQ(meter->ValueStart1(), 99);
  EXPECT_EQ(meter->Value1(), 99);  // raised into the range
  meter->SetValueEnd1(5000);
  EXPECT_EQ(meter->ValueEnd1(), 1000);
  meter->SetValueEnd1(0);
  EXPECT_EQ(meter->ValueEnd1(), 100);
  EXPECT_EQ(meter->Value1(), 99);
  meter->SetDamping1(80);
  EXPECT_EQ(meter->Damping1(), 50);
  meter->SetScalaPart2(0);
  EXPECT_EQ(meter->ScalaPart2(), 1);
  meter->SetScalaPsub1(-7);
  EXPECT_EQ(meter->ScalaPsub1(), -1);
  // A logarithmic inner scale ends at 1000 at most.
  meter->SetValueStart2(0);
  meter->SetValueEnd2(10000);
  meter->SetNonLinear2(true);
  EXPECT_DOUBLE_EQ(meter->ValueStart2(), 0.001);
  EXPECT_DOUBLE_EQ(meter->ValueEnd2(), 1000);
  EXPECT_DOUBLE_EQ(meter->Value2(), 0.001);
}

TEST_F(Meter360Test, EachPointerDampedOnItsOwn) {
  Make();
  ShowForm();
  meter->SetDamping1(50);
  meter->SetValue1(51);
  EXPECT_DOUBLE_EQ(meter->ShownValue1(), 1);  // a fifty-first of the way
  meter->SetValue2(100);
  EXPECT_DOUBLE_EQ(meter->ShownValue2(), 100);  // undamped: at once
  // The record keeps running while either damping is above 0.
  meter->SetDamping2(5);
  meter->SetDamping1(0);
  meter->SetValue2(0);
  const double shown = meter->ShownValue2();
  EXPECT_GT(shown, 0);
  Ticks(1);
  EXPECT_LT(meter->ShownValue2(), shown);
}

TEST_F(Meter360Test, LogScaleValuesAtOrBelowTheStartPointAtTheStart) {
  Make();
  meter->SetNonLinear1(true);  // 0..100 becomes 0.001..100: five decades
  ShowForm();
  const double inf = std::numeric_limits<double>::infinity();
  const struct {
    double value, angle;
  } cases[] = {{0.001, 0}, {0, 0}, {-5, 0}, {1e-9, 0}, {1, 216}, {inf, 0}, {std::nan(""), 0}};
  for (const auto& c : cases) EXPECT_NEAR(meter->ScaleAngle(0, c.value), c.angle, 1e-3) << c.value;
  // A damped value falling towards 0 comes to rest at the start instead of circling.
  meter->SetValue2(5000);  // the short pointer out of the way
  meter->SetValue1(10);
  meter->SetDamping1(10);
  meter->SetValue1(0);
  Ticks(400);
  ExpectAt(180, 500, meter->ColPointer1());
  // Linear scales wrap: a value below the start points before it.
  EXPECT_NEAR(meter->ScaleAngle(1, -2500), -90, 1e-9);
}

TEST_F(Meter360Test, TenDivisionsDrawTenTicks) {
  Make();
  meter->SetScalaPsub1(0);
  ShowForm();
  // Both pointers between two ticks.
  meter->SetValue1(52.5);
  meter->SetValue2(5250);
  EXPECT_EQ(RunsOnCircle(745, meter->ColScala1()), 10);
  meter->SetScalaPsub1(-1);  // one middle tick per division below 11 divisions
  EXPECT_EQ(RunsOnCircle(745, meter->ColScala1()), 20);
}

TEST_F(Meter360Test, RoundAndTriangularLeds) {
  Make();
  ShowForm();
  // Round LEDs in the lower corners, triangles in the upper ones.
  EXPECT_GT(meter->LedCentre(1).Y, meter->Pivot().Y);
  EXPECT_LT(meter->LedCentre(3).Y, meter->Pivot().Y);
  EXPECT_EQ(Pixel(meter->LedCentre(3)), LedColour(meter->ColLed3(), false));
  meter->SetLedOn3(true);
  EXPECT_EQ(Pixel(meter->LedCentre(3)), meter->ColLed3());
  meter->SetLedOn1(true);
  EXPECT_EQ(Pixel(meter->LedCentre(1)), meter->ColLed1());
  // LED 3 points down: lit below its centre, not above its upper edge.
  const TPoint c3 = meter->LedCentre(3);
  const int s = meter->TriangleSize();
  EXPECT_EQ(Pixel({c3.X, c3.Y + s}), meter->ColLed3());
  EXPECT_NE(Pixel({c3.X, c3.Y - s - 2}), meter->ColLed3());
  // LED 4 points up.
  const TPoint c4 = meter->LedCentre(4);
  meter->SetLedOn4(true);
  EXPECT_EQ(Pixel({c4.X, c4.Y - s}), meter->ColLed4());
  // Hidden triangles keep their switches but are not drawn.
  meter->SetLedEnable2(false);
  meter->SetLedOn3(false);
  meter->SetLedOn3(true);
  EXPECT_TRUE(meter->LedOn3());
  EXPECT_NE(Pixel(c3), meter->ColLed3());
  EXPECT_EQ(Pixel(meter->LedCentre(1)), meter->ColLed1());
}

TEST_F(Meter360Test, TinyControlsPaintSafely) {
  for (int size : {0, 1, 5, 20}) {
    Make(size, size);
    meter->SetNonLinear2(true);
    ShowForm();
    meter->SetValue1(25);
    meter->SetValue2(-1);
    delete meter;
  }
}

}  // namespace
