// The road of one user action: a slide potentiometer dragged with the mouse drives a damped round
// meter, whose pointer then moves to the new value tick by tick.

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>

#include "library/foundation/tickservice.h"
#include "library/instruments/instrund/instrund.h"
#include "library/instruments/potis/potis.h"
#include "platform/forms/testing/formtest.h"

namespace {

class UserActionTest : public FormTest {
 protected:
  UserActionTest() {
    TickServiceStartup();
    form->SetClientHeight(360);
  }
  ~UserActionTest() override { TickServiceShutdown(); }

  // What the screen shows at Radius dial units from the meter's pivot, Degrees clockwise from
  // straight up.
  TColor OnRay(TMeter120* m, double Degrees, double Radius) {
    const TDialMapping& map = m->DialMapping();
    const double a = Degrees * M_PI / 180;
    const double x = Radius * std::sin(a) * map.PixExtent.cx / std::abs(map.VirtExtent.cx);
    const double y = Radius * std::cos(a) * map.PixExtent.cy / std::abs(map.VirtExtent.cy);
    return ScreenPixel(m, m->Pivot().X + int(std::lround(x)), m->Pivot().Y - int(std::lround(y)));
  }
  static int Row(const TPotiSlide* p, double Fraction) {
    return p->TravelTop() + p->TravelLength() -
           static_cast<int>(std::lround(Fraction * p->TravelLength()));
  }
};

TEST_F(UserActionTest, DraggedPotentiometerDrivesADampedMeter) {
  auto* poti = new TPotiSlide(form);
  poti->SetParent(form);
  poti->SetBounds(10, 10, 60, 300);
  auto* meter = new TMeter120(form);
  meter->SetParent(form);
  meter->SetBounds(100, 10, 250, 113);
  meter->SetValueEnd(10);
  meter->SetDamping(1);
  poti->onChanging = [&](TObject*) { meter->SetValue(poti->Value()); };
  ShowForm();
  // Value 0: the pointer at the start of the arc (10 o'clock).
  EXPECT_EQ(OnRay(meter, -60, 600), meter->ColPointer());

  Pause();
  Press(poti, 30, Row(poti, 0.2));
  Move(poti, 30, Row(poti, 0.5));
  Move(poti, 30, Row(poti, 0.8));
  Release(poti, 30, Row(poti, 0.8));
  const double target = poti->Value();
  ASSERT_NEAR(target, 8, 0.1);
  EXPECT_EQ(meter->Value(), target);
  // Each setting moved the shown value one damping step; it has not arrived yet.
  const double after_drag = meter->ShownValue();
  EXPECT_GT(after_drag, 0);
  EXPECT_LT(after_drag, target - 1);

  // Every tick halves the distance (damping 1), and the screen follows.
  double shown = after_drag;
  for (int tick = 0; tick < 40; ++tick) {
    TickServiceCallback();
    EXPECT_DOUBLE_EQ(meter->ShownValue(), (shown + target) / 2) << tick;
    shown = meter->ShownValue();
  }
  EXPECT_NEAR(meter->ShownValue(), target, 1e-6);
  Pump();
  const double degrees = -60 + 120 * target / 10;
  EXPECT_EQ(OnRay(meter, degrees, 600), meter->ColPointer());
  EXPECT_NE(OnRay(meter, -60, 600), meter->ColPointer());
  EXPECT_NE(OnRay(meter, degrees - 10, 600), meter->ColPointer());
}

}  // namespace
