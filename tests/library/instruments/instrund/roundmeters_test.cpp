#include <gtest/gtest.h>

#include <cmath>
#include <memory>

#include "library/foundation/tickservice.h"
#include "library/instruments/instrund/instrund.h"
#include "platform/forms/testing/formtest.h"

namespace {

class RoundMetersTest : public FormTest {
 protected:
  RoundMetersTest() { TickServiceStartup(); }
  ~RoundMetersTest() override { TickServiceShutdown(); }

  template <class T>
  T* Make(int w, int h) {
    auto* m = new T(form);
    m->SetParent(form);
    m->SetBounds(10, 10, w, h);
    meter = m;
    return m;
  }
  // The screen pixel at Radius dial units from the pivot, Degrees clockwise from straight up.
  TColor OnRay(double Degrees, double Radius) {
    const TDialMapping& m = meter->DialMapping();
    const double a = Degrees * M_PI / 180;
    const double x = Radius * std::sin(a) * m.PixExtent.cx / std::abs(m.VirtExtent.cx);
    const double y = Radius * std::cos(a) * m.PixExtent.cy / std::abs(m.VirtExtent.cy);
    return meter->Canvas()->Pixels(meter->Pivot().X + int(std::lround(x)),
                                   meter->Pivot().Y - int(std::lround(y)));
  }
  // Radius: inside the pointer's length, off the colour bands.
  void ExpectPointerAt(double Degrees, double Radius) {
    EXPECT_EQ(OnRay(Degrees, Radius), meter->ColPointer()) << Degrees;
    EXPECT_NE(OnRay(Degrees + 10, Radius), meter->ColPointer()) << Degrees;
    EXPECT_NE(OnRay(Degrees - 10, Radius), meter->ColPointer()) << Degrees;
  }

  TRoundMeter* meter = nullptr;
};

// Clock positions as degrees clockwise from 12 o'clock.
TEST_F(RoundMetersTest, HalfCircleInEachOrientation) {
  const struct {
    TOrientType orientation;
    int w, h;
    double start, middle, end;
  } cases[] = {
      {orTop, 250, 144, -90, 0, 90},       // 9 over 12 to 3 o'clock
      {orBottom, 250, 144, -90, 180, 90},  // 9 over 6 to 3
      {orLeft, 146, 245, 180, 90, 0},      // 6 over 3 to 12
      {orRight, 146, 245, 180, 270, 360},  // 6 over 9 to 12
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.orientation);
    auto* m = Make<TMeter180>(c.w, c.h);
    m->SetOrientation(c.orientation);
    ShowForm();
    const struct {
      double value, degrees;
    } positions[] = {{0, c.start}, {50, c.middle}, {100, c.end}, {-5, c.start}, {150, c.end}};
    for (const auto& p : positions) {
      m->SetValue(p.value);
      ExpectPointerAt(p.degrees, 600);
    }
    // The hub sits on the pivot in its own colour.
    EXPECT_EQ(m->Canvas()->Pixels(m->Pivot().X, m->Pivot().Y), m->ColCircle());
    delete m;
  }
}

TEST_F(RoundMetersTest, TwoSeventyFromLowerLeftToLowerRight) {
  for (TShapeTypeT shape : {sstRectangle, sstSquare, sstRoundrect, sstRoundSquare, sstCircle}) {
    SCOPED_TRACE(shape);
    auto* m = Make<TMeter270>(200, 200);
    m->SetShape(shape);
    ShowForm();
    const struct {
      double value, degrees;
    } positions[] = {{0, -135}, {50, 0}, {100, 135}, {-20, -135}, {300, 135}, {25, -67.5}};
    for (const auto& p : positions) {
      m->SetValue(p.value);
      ExpectPointerAt(p.degrees, 450);
    }
    delete m;
  }
}

TEST_F(RoundMetersTest, CircleFaceLeavesTheCornersToTheFrame) {
  auto* m = Make<TMeter270>(300, 200);
  m->SetShape(sstCircle);
  m->SetLedEnable(false);
  ShowForm();
  const TDialMapping& map = m->DialMapping();
  // Inside the circle the face colour, beyond it at the sides the frame's background.
  EXPECT_EQ(OnRay(90, 900), m->ColBack());
  EXPECT_EQ(OnRay(90, 1100), m->ColBgnd());
  EXPECT_EQ(OnRay(45, 1300), m->ColBgnd());  // the square's corner, outside the circle
  EXPECT_EQ(map.VirtExtent.cy, 2000);
}

TEST_F(RoundMetersTest, PeakMarkerKeepsItsPlaceOnTallControls) {
  for (int h : {200, 400}) {
    SCOPED_TRACE(h);
    auto* m = Make<TMeter270>(200, h);
    m->SetPeakMode(ppPeak);
    ShowForm();
    m->SetValue(50);  // straight up
    // The marker lies just beyond the pointer tip and leaves the pointer itself uncovered.
    EXPECT_EQ(OnRay(0, 700), m->ColPointer());
    EXPECT_EQ(OnRay(0, 840), m->ColPeakPtr());
    delete m;
  }
}

TEST_F(RoundMetersTest, DefaultsAndOwnSetters) {
  auto* m180 = Make<TMeter180>(250, 144);
  EXPECT_EQ(m180->Caption(), "U/min x100");
  EXPECT_EQ(m180->Height(), 144);
  EXPECT_EQ(m180->ColCircle(), 0x808080);
  auto* m270 = Make<TMeter270>(200, 200);
  EXPECT_EQ(m270->Width(), 200);
  EXPECT_EQ(m270->Height(), 200);
  EXPECT_EQ(m270->Shape(), sstRoundrect);
  ShowForm();
  int paints = 0;
  m270->OnRepaint = [&](TObject*) { ++paints; };
  m270->SetColCircle(0x123456);  // repaints at once
  EXPECT_EQ(paints, 1);
  EXPECT_EQ(m270->Canvas()->Pixels(m270->Pivot().X, m270->Pivot().Y), 0x123456);
  m270->SetColCircle(0x123456);
  m270->SetShape(sstRoundrect);
  EXPECT_EQ(paints, 1);
  m270->SetColPointer(0x00FF00);  // only the moving parts
  EXPECT_EQ(paints, 1);
}

TEST_F(RoundMetersTest, TinyControlsPaintWithoutDividingByZero) {
  for (int size : {0, 1, 3, 12}) {
    std::unique_ptr<TRoundMeter> meters[] = {
        std::unique_ptr<TRoundMeter>(Make<TMeter180>(size, size)),
        std::unique_ptr<TRoundMeter>(Make<TMeter270>(size, size))};
    for (auto& m : meters) {
      m->SetValue(50);
      ShowForm();
      m->SetValue(10);
      TickServiceCallback();
    }
  }
}

}  // namespace
